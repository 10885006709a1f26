#include "windows/console/stream_keys.h"

#include <condition_variable>
#include <mutex>
#include <vector>

#include "windows/native.h"

namespace win32::detail {

namespace {

// Shared by the source and its reading thread, which may outlive it.
struct StreamState {
  explicit StreamState(::HANDLE s) : stream(s) {}
  const ::HANDLE stream;
  std::mutex lock;
  std::condition_variable arrived;
  std::vector<unsigned char> bytes;
  bool ended = false;
};

::DWORD WINAPI read_stream(::LPVOID parameter) {
  const std::shared_ptr<StreamState> state = *static_cast<std::shared_ptr<StreamState>*>(parameter);
  delete static_cast<std::shared_ptr<StreamState>*>(parameter);
  unsigned char buffer[256];
  for (;;) {
    ::DWORD read = 0;
    const bool more = ::ReadFile(state->stream, buffer, sizeof buffer, &read, nullptr) && read > 0;
    std::lock_guard guard(state->lock);
    if (more) {
      state->bytes.insert(state->bytes.end(), buffer, buffer + read);
    } else {
      state->ended = true;  // the end of a file, a pipe with no writer left, or an error that stays
    }
    state->arrived.notify_all();
    if (!more) return 0;
  }
}

class StreamKeys final : public InputSource {
 public:
  explicit StreamKeys(::HANDLE stream) : state_(std::make_shared<StreamState>(stream)) {
    auto* parameter = new std::shared_ptr<StreamState>(state_);
    const ::HANDLE thread = ::CreateThread(nullptr, 0, &read_stream, parameter, 0, nullptr);
    if (thread == nullptr) {
      delete parameter;
      state_->ended = true;
    } else {
      ::CloseHandle(thread);
    }
  }

  void collect(std::deque<INPUT_RECORD>& events, int timeoutMs) override {
    std::unique_lock guard(state_->lock);
    state_->arrived.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                             [this] { return !state_->bytes.empty() || state_->ended; });
    typed_.append(events, state_->bytes);
    state_->bytes.clear();
  }

  [[nodiscard]] bool ended() const override {
    std::lock_guard guard(state_->lock);
    return state_->ended && state_->bytes.empty();
  }

 private:
  std::shared_ptr<StreamState> state_;
  TypedBytes typed_;
};

}  // namespace

std::unique_ptr<InputSource> make_windows_stream_keys(HANDLE stream) { return std::make_unique<StreamKeys>(stream); }

}  // namespace win32::detail
