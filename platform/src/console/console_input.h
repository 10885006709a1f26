// A console input buffer as a kernel object: the queue of input events,
// filled from its source as they are asked for. Waiting on it returns when
// an event is there. Once the source has ended, no event is counted as
// waiting, but whoever waits for one (a wait, a read) gets an Enter key at
// once, so a program that reads lines from an exhausted pipe finishes them
// instead of waiting for ever, and one that empties the buffer while keys
// are counted still comes to an end.
#pragma once

#include <deque>
#include <memory>
#include <mutex>

#include "console/input_source.h"
#include "kernel/file_object.h"

namespace win32::detail {

class ConsoleInput final : public FileObject {
 public:
  explicit ConsoleInput(std::unique_ptr<InputSource> source);

  [[nodiscard]] DWORD count();
  // Removes up to `length` events, waiting for the first when `length` > 0.
  DWORD take(INPUT_RECORD* records, DWORD length);
  void append(const INPUT_RECORD* records, DWORD length);

  DWORD wait(DWORD milliseconds) override;
  // ReadFile: the characters of the keys typed up to the next Enter, which
  // gives 13 10; 0 bytes once the source has ended.
  BOOL read(void* buffer, DWORD bytesToRead, DWORD* bytesRead) override;
  BOOL write(const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten) override;
  DWORD file_type() override;

 private:
  enum class AtEnd { Nothing, Enter };

  // Collects input for up to `timeoutMs` (0: without waiting) when the queue
  // is empty; the caller holds `lock_`.
  void fill(int timeoutMs, AtEnd atEnd);

  std::mutex lock_;
  std::deque<INPUT_RECORD> events_;
  std::unique_ptr<InputSource> source_;
};

}  // namespace win32::detail
