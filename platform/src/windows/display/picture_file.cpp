// How a snapshot's file is put in place on Windows, by the rules of
// display/picture_file.h: the bytes are written whole under a temporary name
// of their own (".snapshot-" and eight random letters, created only if no
// such file exists) in the target's folder, then moved over the target.
// Nothing or a regular file at the path is created or replaced; a symbolic
// link is followed to the file it names; a directory, a device or a
// read-only file is refused and left untouched.
#include "display/picture_file.h"

#include <algorithm>
#include <mutex>
#include <random>

#include "windows/native.h"

namespace win32::detail {

namespace {

constexpr int kTemporaryNameAttempts = 16;
constexpr int kTemporaryLetters = 8;

// Where the picture goes, or why it does not.
struct Target {
  std::string path;
  std::string refusal;  // empty when the picture may be written
};

std::string system_reason(::DWORD error) {
  char text[256] = {};
  ::DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                    text, sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == '.')) --length;
  if (length == 0) return "error " + std::to_string(error);
  return std::string(text, length);
}

std::string folder_of(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  if (separator == std::string::npos) return path.size() > 1 && path[1] == ':' ? path.substr(0, 2) : ".";
  if (separator == 0 || (separator == 2 && path[1] == ':')) return path.substr(0, separator + 1);
  return path.substr(0, separator);
}

// The path a symbolic link leads to; empty when it leads nowhere.
std::string link_target(const std::string& link) {
  const ::HANDLE file = ::CreateFileA(link.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  char named[MAX_PATH * 4] = {};
  const ::DWORD length = ::GetFinalPathNameByHandleA(file, named, sizeof named, FILE_NAME_NORMALIZED);
  ::CloseHandle(file);
  if (length == 0 || length >= sizeof named) return {};
  std::string path(named, length);
  if (path.starts_with("\\\\?\\UNC\\")) return "\\\\" + path.substr(8);
  if (path.starts_with("\\\\?\\")) return path.substr(4);
  return path;
}

bool is_device(const std::string& path) {
  const ::HANDLE file =
      ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool device = ::GetFileType(file) != FILE_TYPE_DISK;
  ::CloseHandle(file);
  return device;
}

Target resolve_target(const std::string& path) {
  const ::DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const ::DWORD error = ::GetLastError();
    // A new file (a missing folder shows when the file is created); a name
    // such as NUL or CON names a device.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      if (is_device(path)) return Target{path, "it is a device; only a regular file is replaced"};
      return Target{path, {}};
    }
    return Target{path, system_reason(error)};
  }
  std::string at = path;
  ::DWORD kind = attributes;
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    at = link_target(path);
    if (at.empty()) return Target{path, "it is a link that leads to no file"};
    kind = ::GetFileAttributesA(at.c_str());
    if (kind == INVALID_FILE_ATTRIBUTES) return Target{at, system_reason(::GetLastError())};
  }
  const std::string it = at == path ? "it is " : "it leads to " + at + ", ";
  if (kind & FILE_ATTRIBUTE_DIRECTORY) return Target{at, it + "a directory; only a regular file is replaced"};
  if (is_device(at)) return Target{at, it + "a device; only a regular file is replaced"};
  if (kind & FILE_ATTRIBUTE_READONLY) return Target{at, it + "a read-only file"};
  return Target{at, {}};
}

std::string random_letters() {
  static std::mt19937_64 generator{std::random_device{}() ^ (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 32) ^
                                   ::GetTickCount64()};
  std::uniform_int_distribution<int> letter(0, 25);
  std::string letters;
  for (int i = 0; i < kTemporaryLetters; ++i) letters += static_cast<char>('a' + letter(generator));
  return letters;
}

bool write_all(::HANDLE file, std::span<const std::uint8_t> bytes, std::string* error) {
  while (!bytes.empty()) {
    const ::DWORD chunk = static_cast<::DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
    ::DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
      *error = system_reason(::GetLastError());
      return false;
    }
    bytes = bytes.subspan(written);
  }
  return true;
}

}  // namespace

bool write_picture_file(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error) {
  static std::mutex naming;  // the generator of temporary names
  const Target target = resolve_target(path);
  if (!target.refusal.empty()) {
    *error = target.refusal;
    return false;
  }
  const std::string folder = folder_of(target.path);
  const char* separator = folder.ends_with('\\') || folder.ends_with('/') || folder.ends_with(':') ? "" : "\\";
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::string temporary;
    {
      std::lock_guard guard(naming);
      temporary = folder + separator + ".snapshot-" + random_letters();
    }
    const ::HANDLE file = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      if (::GetLastError() == ERROR_FILE_EXISTS) continue;
      *error = system_reason(::GetLastError());
      return false;
    }
    const bool written = write_all(file, bytes, error);
    ::CloseHandle(file);
    if (written && ::MoveFileExA(temporary.c_str(), target.path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    if (written) *error = system_reason(::GetLastError());
    ::DeleteFileA(temporary.c_str());
    return false;
  }
  *error = "no temporary name was free beside it";
  return false;
}

}  // namespace win32::detail
