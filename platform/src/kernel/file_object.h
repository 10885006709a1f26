// Kernel objects that ReadFile, WriteFile, GetFileType and SetFilePointer
// work on. Ordinary files, the standard handles and devices are descriptor
// files; the console backend adds its own kinds (the console input and
// screen buffers) by deriving from FileObject.
#pragma once

#include "kernel/handle_table.h"
#include "platform/kernel.h"

namespace win32::detail {

class FileObject : public Object {
 public:
  // Each returns Win32's result and sets the calling thread's last error
  // on failure, exactly as the public operation that calls it reports.
  virtual BOOL read(void* buffer, DWORD bytes_to_read, DWORD* bytes_read) = 0;
  virtual BOOL write(const void* buffer, DWORD bytes_to_write, DWORD* bytes_written) = 0;
  virtual DWORD file_type() = 0;
  // Devices cannot seek; files that can override this.
  virtual DWORD set_pointer(LONG distance, LONG* distance_high, DWORD move_method);
};

}  // namespace win32::detail
