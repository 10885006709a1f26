#include "kernel/descriptor_file.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "kernel/file_errors.h"

namespace win32::detail {

namespace {

// A descriptor that someone made non-blocking still behaves like a Win32
// handle, which always blocks: wait until it is ready, then try again.
void wait_until_ready(int descriptor, short events) {
  pollfd entry{descriptor, events, 0};
  while (poll(&entry, 1, -1) < 0 && errno == EINTR) {
  }
}

// Writing to a pipe whose reader has gone raises SIGPIPE, which would end the
// process; Win32 reports ERROR_BROKEN_PIPE instead. The signal is blocked on
// this thread for the write, and one that the write raised is taken back.
class SigpipeBlock {
 public:
  SigpipeBlock() {
    sigemptyset(&sigpipe_);
    sigaddset(&sigpipe_, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &sigpipe_, &previous_mask_);
    sigset_t pending;
    sigpending(&pending);
    was_pending_ = sigismember(&pending, SIGPIPE) == 1;
  }
  ~SigpipeBlock() { pthread_sigmask(SIG_SETMASK, &previous_mask_, nullptr); }
  SigpipeBlock(const SigpipeBlock&) = delete;
  SigpipeBlock& operator=(const SigpipeBlock&) = delete;

  void discard_raised_signal() {
    if (was_pending_) return;  // not ours to take
    const timespec no_wait{};
    while (sigtimedwait(&sigpipe_, nullptr, &no_wait) < 0 && errno == EINTR) {
    }
  }

 private:
  sigset_t sigpipe_;
  sigset_t previous_mask_;
  bool was_pending_ = false;
};

}  // namespace

DescriptorFile::DescriptorFile(int descriptor, DWORD access, Ownership ownership)
    : descriptor_(descriptor), access_(access), ownership_(ownership) {}

DescriptorFile::~DescriptorFile() {
  if (ownership_ == Ownership::kOwned) close(descriptor_);
}

BOOL DescriptorFile::read(void* buffer, DWORD bytes_to_read, DWORD* bytes_read) {
  if ((access_ & GENERIC_READ) == 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  for (;;) {
    ssize_t count = ::read(descriptor_, buffer, bytes_to_read);
    if (count >= 0) {
      // Zero bytes is the end of input, which Win32 reports as success.
      *bytes_read = static_cast<DWORD>(count);
      return TRUE;
    }
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      wait_until_ready(descriptor_, POLLIN);
      continue;
    }
    set_last_error_from_errno(IoDirection::kRead);
    return FALSE;
  }
}

BOOL DescriptorFile::write(const void* buffer, DWORD bytes_to_write, DWORD* bytes_written) {
  if ((access_ & GENERIC_WRITE) == 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  SigpipeBlock sigpipe_block;
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  DWORD done = 0;
  while (done < bytes_to_write) {
    ssize_t count = ::write(descriptor_, bytes + done, bytes_to_write - done);
    if (count > 0) {
      done += static_cast<DWORD>(count);
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      wait_until_ready(descriptor_, POLLOUT);
      continue;
    }
    // A write that makes no progress without an error cannot go on either.
    int error = count < 0 ? errno : EIO;
    if (error == EPIPE) sigpipe_block.discard_raised_signal();
    *bytes_written = done;
    SetLastError(error_from_errno(error, IoDirection::kWrite));
    return FALSE;
  }
  *bytes_written = done;
  return TRUE;
}

DWORD DescriptorFile::file_type() {
  struct stat status;
  if (fstat(descriptor_, &status) != 0) {
    set_last_error_from_errno();
    return FILE_TYPE_UNKNOWN;
  }
  if (S_ISCHR(status.st_mode)) return FILE_TYPE_CHAR;
  if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) return FILE_TYPE_PIPE;
  if (S_ISREG(status.st_mode) || S_ISBLK(status.st_mode) || S_ISDIR(status.st_mode)) return FILE_TYPE_DISK;
  SetLastError(ERROR_SUCCESS);  // a known handle of no known type
  return FILE_TYPE_UNKNOWN;
}

DWORD DescriptorFile::set_pointer(LONG distance, LONG* distance_high, DWORD move_method) {
  int whence;
  switch (move_method) {
    case FILE_BEGIN: whence = SEEK_SET; break;
    case FILE_CURRENT: whence = SEEK_CUR; break;
    case FILE_END: whence = SEEK_END; break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return INVALID_SET_FILE_POINTER;
  }
  // Without a high part the distance is a signed 32-bit number; with one,
  // the two halves form a signed 64-bit distance.
  std::int64_t offset = distance;
  if (distance_high != nullptr) {
    offset = static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(*distance_high)) << 32) |
                                       static_cast<std::uint32_t>(distance));
  }
  off_t previous = lseek(descriptor_, 0, SEEK_CUR);
  if (previous < 0) {
    set_last_error_from_errno();
    return INVALID_SET_FILE_POINTER;
  }
  off_t position = lseek(descriptor_, static_cast<off_t>(offset), whence);
  if (position < 0) {
    SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : error_from_errno(errno));
    return INVALID_SET_FILE_POINTER;
  }
  if (distance_high == nullptr && position > 0xFFFFFFFE) {
    // The new position cannot be reported in 32 bits: stay where we were.
    lseek(descriptor_, previous, SEEK_SET);
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  if (distance_high != nullptr) *distance_high = static_cast<LONG>(static_cast<std::uint64_t>(position) >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(static_cast<std::uint64_t>(position) & 0xFFFFFFFF);
}

}  // namespace win32::detail
