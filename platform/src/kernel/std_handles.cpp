// GetStdHandle: one handle for each of the descriptors 0, 1 and 2, the same
// value for the whole life of the process.
#include <unistd.h>

#include <memory>

#include "kernel/descriptor_file.h"

namespace win32 {

namespace {

struct StdHandles {
  HANDLE input;
  HANDLE output;
  HANDLE error;
};

HANDLE register_standard_descriptor(int descriptor) {
  // The standard descriptors belong to the process, not to the handle:
  // closing the handle must not free descriptor 1 for the next open().
  return detail::register_object(std::make_shared<detail::DescriptorFile>(
      descriptor, GENERIC_READ | GENERIC_WRITE, detail::DescriptorFile::Ownership::kBorrowed));
}

const StdHandles& std_handles() {
  static const StdHandles handles{register_standard_descriptor(STDIN_FILENO),
                                  register_standard_descriptor(STDOUT_FILENO),
                                  register_standard_descriptor(STDERR_FILENO)};
  return handles;
}

}  // namespace

HANDLE GetStdHandle(DWORD which) {
  switch (which) {
    case STD_INPUT_HANDLE: return std_handles().input;
    case STD_OUTPUT_HANDLE: return std_handles().output;
    case STD_ERROR_HANDLE: return std_handles().error;
    default:
      SetLastError(ERROR_INVALID_HANDLE);
      return INVALID_HANDLE_VALUE;
  }
}

}  // namespace win32
