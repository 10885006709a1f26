#include "console/console_input.h"

#include <algorithm>
#include <climits>

namespace win32::detail {

namespace {

// INFINITE is waited for in slices, so a source never sees an overflowing timeout.
constexpr int kLongestSlice = 1000;

}  // namespace

ConsoleInput::ConsoleInput(std::unique_ptr<InputSource> source) : source_(std::move(source)) {}

void ConsoleInput::fill(int timeoutMs, AtEnd atEnd) {
  if (!events_.empty() || source_ == nullptr) return;
  source_->collect(events_, timeoutMs);
  if (events_.empty() && source_->ended() && atEnd == AtEnd::Enter) {
    append_key_events(events_, key_for_byte('\r'));
  }
}

DWORD ConsoleInput::count() {
  std::lock_guard guard(lock_);
  fill(0, AtEnd::Nothing);
  return static_cast<DWORD>(events_.size());
}

DWORD ConsoleInput::take(INPUT_RECORD* records, DWORD length) {
  std::lock_guard guard(lock_);
  if (length == 0) return 0;
  while (events_.empty()) {
    fill(kLongestSlice, AtEnd::Enter);
    if (source_ == nullptr && events_.empty()) return 0;  // nothing can ever arrive
  }
  DWORD taken = 0;
  while (taken < length && !events_.empty()) {
    records[taken++] = events_.front();
    events_.pop_front();
  }
  return taken;
}

void ConsoleInput::append(const INPUT_RECORD* records, DWORD length) {
  std::lock_guard guard(lock_);
  events_.insert(events_.end(), records, records + length);
}

DWORD ConsoleInput::wait(DWORD milliseconds) {
  std::lock_guard guard(lock_);
  DWORD left = milliseconds;
  for (;;) {
    const int slice = milliseconds == INFINITE ? kLongestSlice : static_cast<int>(std::min<DWORD>(left, kLongestSlice));
    fill(slice, AtEnd::Enter);
    if (!events_.empty()) return WAIT_OBJECT_0;
    if (source_ == nullptr && milliseconds != INFINITE) return WAIT_TIMEOUT;
    if (milliseconds != INFINITE) {
      left -= static_cast<DWORD>(slice);
      if (left == 0) return WAIT_TIMEOUT;
    }
  }
}

BOOL ConsoleInput::read(void* buffer, DWORD bytesToRead, DWORD* bytesRead) {
  auto* out = static_cast<unsigned char*>(buffer);
  DWORD done = 0;
  std::lock_guard guard(lock_);
  while (done < bytesToRead) {
    if (events_.empty()) {
      if (source_ == nullptr || source_->ended()) break;
      source_->collect(events_, kLongestSlice);
      continue;
    }
    const INPUT_RECORD record = events_.front();
    events_.pop_front();
    if (record.EventType != KEY_EVENT || !record.Event.KeyEvent.bKeyDown) continue;
    const auto c = static_cast<unsigned char>(record.Event.KeyEvent.uChar.AsciiChar);
    if (c == 0) continue;
    out[done++] = c;
    if (c == '\r') {
      if (done < bytesToRead) out[done++] = '\n';
      break;
    }
  }
  if (bytesRead != nullptr) *bytesRead = done;
  return TRUE;
}

BOOL ConsoleInput::write(const void*, DWORD, DWORD* bytesWritten) {
  if (bytesWritten != nullptr) *bytesWritten = 0;
  SetLastError(ERROR_INVALID_HANDLE);  // keys are written with WriteConsoleInputA
  return FALSE;
}

DWORD ConsoleInput::file_type() { return FILE_TYPE_CHAR; }

}  // namespace win32::detail
