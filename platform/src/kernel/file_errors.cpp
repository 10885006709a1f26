#include "kernel/file_errors.h"

#include <cerrno>

#include "platform/kernel.h"

namespace win32::detail {

namespace {

struct ErrnoMapping {
  int error;
  DWORD win32_error;
};

// The numbers Win32 reports for the same conditions. Device errors land in
// the 19..31 band, which the runtime reports as its device errors 150..162.
constexpr ErrnoMapping kErrnoMappings[] = {
    {ENOENT, ERROR_FILE_NOT_FOUND},
    {ENOTDIR, ERROR_PATH_NOT_FOUND},
    {EMFILE, ERROR_TOO_MANY_OPEN_FILES},
    {ENFILE, ERROR_TOO_MANY_OPEN_FILES},
    {EACCES, ERROR_ACCESS_DENIED},
    {EPERM, ERROR_ACCESS_DENIED},
    {EISDIR, ERROR_ACCESS_DENIED},
    {EBADF, ERROR_INVALID_HANDLE},
    {ENOMEM, ERROR_NOT_ENOUGH_MEMORY},
    {EXDEV, ERROR_NOT_SAME_DEVICE},
    {EROFS, ERROR_WRITE_PROTECT},
    {ENXIO, ERROR_NOT_READY},
    {ENODEV, ERROR_NOT_READY},
    {ETXTBSY, ERROR_SHARING_VIOLATION},
    {EBUSY, ERROR_BUSY},
    {EEXIST, ERROR_FILE_EXISTS},
    {EINVAL, ERROR_INVALID_PARAMETER},
    {EFAULT, ERROR_INVALID_PARAMETER},
    {EPIPE, ERROR_BROKEN_PIPE},
    {ENOSPC, ERROR_DISK_FULL},
    {EDQUOT, ERROR_DISK_FULL},
    {EFBIG, ERROR_DISK_FULL},
    {ESPIPE, ERROR_SEEK_ON_DEVICE},
    {ENOTEMPTY, ERROR_DIR_NOT_EMPTY},
    {ENAMETOOLONG, ERROR_FILENAME_EXCED_RANGE},
    {ELOOP, ERROR_CANT_RESOLVE_FILENAME},
    {ENOSYS, ERROR_INVALID_FUNCTION},
    {EOPNOTSUPP, ERROR_NOT_SUPPORTED},
    {ENOTTY, ERROR_INVALID_FUNCTION},
};

}  // namespace

DWORD error_from_errno(int error, IoDirection direction) {
  if (error == EIO) {
    switch (direction) {
      case IoDirection::kRead: return ERROR_READ_FAULT;
      case IoDirection::kWrite: return ERROR_WRITE_FAULT;
      case IoDirection::kOther: return ERROR_GEN_FAILURE;
    }
  }
  for (const ErrnoMapping& mapping : kErrnoMappings) {
    if (mapping.error == error) return mapping.win32_error;
  }
  return ERROR_GEN_FAILURE;
}

void set_last_error_from_errno(IoDirection direction) {
  SetLastError(error_from_errno(errno, direction));
}

}  // namespace win32::detail
