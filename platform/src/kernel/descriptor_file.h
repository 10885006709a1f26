// A FileObject over a POSIX file descriptor: ordinary files opened by
// CreateFileA, devices such as /dev/null or a terminal, pipes and sockets,
// and the three standard handles.
#pragma once

#include "kernel/file_object.h"

namespace win32::detail {

class DescriptorFile final : public FileObject {
 public:
  // A borrowed descriptor (the standard handles' 0, 1 and 2) stays open when
  // the object dies; an owned one is closed.
  enum class Ownership { kOwned, kBorrowed };

  DescriptorFile(int descriptor, DWORD access, Ownership ownership);
  ~DescriptorFile() override;
  DescriptorFile(const DescriptorFile&) = delete;
  DescriptorFile& operator=(const DescriptorFile&) = delete;

  BOOL read(void* buffer, DWORD bytes_to_read, DWORD* bytes_read) override;
  BOOL write(const void* buffer, DWORD bytes_to_write, DWORD* bytes_written) override;
  DWORD file_type() override;
  DWORD set_pointer(LONG distance, LONG* distance_high, DWORD move_method) override;

 private:
  const int descriptor_;
  const DWORD access_;  // GENERIC_READ and/or GENERIC_WRITE
  const Ownership ownership_;
};

}  // namespace win32::detail
