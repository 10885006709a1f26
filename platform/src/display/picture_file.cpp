#include "display/picture_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

namespace win32::detail {

namespace {

// A chain of symbolic links longer than this is taken for a loop, as the
// system itself does.
constexpr int kMostLinksFollowed = 40;
constexpr int kTemporaryNameAttempts = 16;
constexpr int kTemporaryLetters = 8;

// Where the picture goes, or why it does not.
struct Target {
  std::string path;
  std::string refusal;  // empty when the picture may be written
};

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

const char* kind_of(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  return "a device";
}

bool read_only(const std::string& path, mode_t mode) {
  // The permission bits are asked first: a process of the superuser may
  // write any file, but a file that nobody may write is meant to stay.
  return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

Target resolve_target(const std::string& path) {
  std::string at = path;
  for (int links = 0;; ++links) {
    struct stat status {};
    if (lstat(at.c_str(), &status) != 0) {
      if (errno == ENOENT) return Target{at, {}};  // a new file (a missing folder shows when it is created)
      return Target{at, std::strerror(errno)};
    }
    if (S_ISLNK(status.st_mode)) {
      if (links == kMostLinksFollowed) return Target{at, std::strerror(ELOOP)};
      char named[PATH_MAX];
      const ssize_t length = readlink(at.c_str(), named, sizeof named);
      if (length < 0) return Target{at, std::strerror(errno)};
      if (static_cast<std::size_t>(length) == sizeof named) return Target{at, std::strerror(ENAMETOOLONG)};
      const std::string link_text(named, static_cast<std::size_t>(length));
      at = link_text.starts_with('/') || at.find('/') == std::string::npos ? link_text
                                                                            : folder_of(at) + "/" + link_text;
      continue;
    }
    const std::string it = at == path ? "it is " : "it leads to " + at + ", ";
    if (!S_ISREG(status.st_mode)) return Target{at, it + kind_of(status.st_mode) + "; only a regular file is replaced"};
    if (read_only(at, status.st_mode)) return Target{at, it + "a read-only file"};
    return Target{at, {}};
  }
}

std::string random_letters() {
  static std::atomic<std::uint64_t> counter{0};
  std::uint64_t bits = 0;
  if (getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits)) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    bits = static_cast<std::uint64_t>(now.tv_nsec) ^ (static_cast<std::uint64_t>(getpid()) << 32);
  }
  bits ^= counter.fetch_add(1, std::memory_order_relaxed) * 0x9E3779B97F4A7C15ULL;
  std::string letters(kTemporaryLetters, 'a');
  for (char& letter : letters) {
    letter = static_cast<char>('a' + bits % 26);
    bits /= 26;
  }
  return letters;
}

// Creates a file of a new name in `folder` (umask applies, as to any new
// file); -1 with errno set when it cannot.
int create_temporary(const std::string& folder, std::string* name) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    *name = folder + "/.snapshot-" + random_letters();
    const int descriptor = open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  errno = EEXIST;
  return -1;
}

// Writes every byte; 0, or the errno of the failure. SIGXFSZ is held back
// from this thread meanwhile, so that a write past the file-size limit fails
// with EFBIG ("File too large") instead of ending the process; the signals
// such writes raised are then discarded.
int write_all(int descriptor, std::span<const std::uint8_t> bytes) {
  sigset_t file_size;
  sigemptyset(&file_size);
  sigaddset(&file_size, SIGXFSZ);
  sigset_t before;
  pthread_sigmask(SIG_BLOCK, &file_size, &before);
  int error = 0;
  while (!bytes.empty()) {
    const ssize_t written = write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = written < 0 ? errno : EIO;
      break;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  if (error == EFBIG && !sigismember(&before, SIGXFSZ)) {
    const timespec no_wait{};
    while (sigtimedwait(&file_size, nullptr, &no_wait) == SIGXFSZ) {
    }
  }
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
  return error;
}

}  // namespace

bool write_picture_file(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error) {
  const Target target = resolve_target(path);
  if (!target.refusal.empty()) {
    *error = target.refusal;
    return false;
  }
  std::string temporary;
  const int descriptor = create_temporary(folder_of(target.path), &temporary);
  if (descriptor < 0) {
    *error = std::strerror(errno);
    return false;
  }
  int failure = write_all(descriptor, bytes);
  if (close(descriptor) != 0 && failure == 0) failure = errno;
  if (failure == 0 && rename(temporary.c_str(), target.path.c_str()) != 0) failure = errno;
  if (failure != 0) {
    unlink(temporary.c_str());
    *error = std::strerror(failure);
    return false;
  }
  return true;
}

}  // namespace win32::detail
