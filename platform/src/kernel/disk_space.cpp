// GetDiskFreeSpaceExA over statvfs: the free and total space of the file
// system that holds a directory (the current directory when none is named).
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cstdint>

#include "kernel/file_errors.h"
#include "platform/kernel.h"

namespace win32 {

BOOL GetDiskFreeSpaceExA(const char* directory, ULARGE_INTEGER* freeToCaller, ULARGE_INTEGER* totalBytes,
                         ULARGE_INTEGER* totalFreeBytes) {
  const char* path = directory != nullptr ? directory : ".";
  struct stat status;
  if (stat(path, &status) != 0) {
    detail::set_last_error_from_errno();
    return FALSE;
  }
  if (!S_ISDIR(status.st_mode)) {
    SetLastError(ERROR_DIRECTORY);
    return FALSE;
  }
  struct statvfs file_system;
  if (statvfs(path, &file_system) != 0) {
    detail::set_last_error_from_errno();
    return FALSE;
  }
  const std::uint64_t block = file_system.f_frsize;
  // f_bavail is what an unprivileged caller may use; f_bfree includes the
  // blocks reserved for the administrator.
  if (freeToCaller != nullptr) freeToCaller->QuadPart = block * file_system.f_bavail;
  if (totalBytes != nullptr) totalBytes->QuadPart = block * file_system.f_blocks;
  if (totalFreeBytes != nullptr) totalFreeBytes->QuadPart = block * file_system.f_bfree;
  return TRUE;
}

}  // namespace win32
