// CreateFileA: ordinary files and devices by path, and the console devices
// through the opener that the console backend installs.
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>
#include <string_view>

#include "kernel/console_devices.h"
#include "kernel/descriptor_file.h"
#include "kernel/file_errors.h"

namespace win32 {

namespace detail {

std::atomic<ConsoleDeviceOpener> console_device_opener{nullptr};

namespace {

bool is_console_device(const char* name) {
  return strcasecmp(name, "CONIN$") == 0 || strcasecmp(name, "CONOUT$") == 0;
}

int open_flags_for(DWORD access) {
  bool reads = (access & GENERIC_READ) != 0;
  bool writes = (access & GENERIC_WRITE) != 0;
  if (reads && writes) return O_RDWR;
  return writes ? O_WRONLY : O_RDONLY;
}

// Opens `name` with the disposition's rules; `existed` tells whether the
// file was there before, which CREATE_ALWAYS and OPEN_ALWAYS report.
int open_with_disposition(const char* name, int flags, DWORD disposition, bool& existed) {
  constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask
  existed = true;
  switch (disposition) {
    case CREATE_NEW:
      existed = false;
      return open(name, flags | O_CREAT | O_EXCL, kNewFileMode);
    case OPEN_EXISTING: return open(name, flags);
    case TRUNCATE_EXISTING: return open(name, flags | O_TRUNC);
    case CREATE_ALWAYS:
    case OPEN_ALWAYS: {
      int truncate = disposition == CREATE_ALWAYS ? O_TRUNC : 0;
      // Try to create first, so that "existed" is exact even when another
      // process creates or removes the file at the same moment.
      for (;;) {
        int descriptor = open(name, flags | O_CREAT | O_EXCL, kNewFileMode);
        if (descriptor >= 0 || errno != EEXIST) {
          existed = false;
          return descriptor;
        }
        descriptor = open(name, flags | truncate);
        if (descriptor >= 0 || errno != ENOENT) return descriptor;
      }
    }
    default: errno = EINVAL; return -1;
  }
}

bool parent_directory_exists(const char* name) {
  std::string_view path(name);
  std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return true;  // the current directory
  std::string parent(path.substr(0, slash == 0 ? 1 : slash));
  struct stat status;
  return stat(parent.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Win32 tells a missing file from a missing directory on the way to it, and
// refuses to open a directory as a file.
DWORD open_error(const char* name, int error) {
  if (error == EISDIR) return ERROR_ACCESS_DENIED;
  if (error == ENOENT && !parent_directory_exists(name)) return ERROR_PATH_NOT_FOUND;
  return error_from_errno(error);
}

}  // namespace

DWORD FileObject::set_pointer(LONG, LONG*, DWORD) {
  SetLastError(ERROR_INVALID_FUNCTION);
  return INVALID_SET_FILE_POINTER;
}

}  // namespace detail

HANDLE CreateFileA(const char* name, DWORD access, DWORD /*shareMode*/, SECURITY_ATTRIBUTES* /*attributes*/,
                   DWORD creationDisposition, DWORD /*flagsAndAttributes*/, HANDLE /*templateFile*/) {
  using namespace detail;
  // Sharing modes have no counterpart on POSIX, which never refuses a second
  // opener; security attributes and templates do not apply either.
  if (name == nullptr || name[0] == '\0') {
    SetLastError(name == nullptr ? ERROR_INVALID_PARAMETER : ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  if (is_console_device(name)) {
    ConsoleDeviceOpener opener = console_device_opener.load();
    if (opener == nullptr) {
      SetLastError(ERROR_FILE_NOT_FOUND);
      return INVALID_HANDLE_VALUE;
    }
    return opener(name, access);
  }
  if (creationDisposition == TRUNCATE_EXISTING && (access & GENERIC_WRITE) == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  if (creationDisposition < CREATE_NEW || creationDisposition > TRUNCATE_EXISTING) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  bool existed = false;
  int descriptor = open_with_disposition(name, open_flags_for(access) | O_CLOEXEC, creationDisposition, existed);
  if (descriptor < 0) {
    SetLastError(open_error(name, errno));
    return INVALID_HANDLE_VALUE;
  }
  // Directories are not files: Win32 opens them only with backup semantics.
  struct stat status;
  if (fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
    close(descriptor);
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  auto file = std::make_shared<DescriptorFile>(descriptor, access & (GENERIC_READ | GENERIC_WRITE),
                                               DescriptorFile::Ownership::kOwned);
  bool reports_existing = creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS;
  SetLastError(reports_existing && existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return register_object(std::move(file));
}

}  // namespace win32
