// Events: CreateEventA, SetEvent, ResetEvent and waiting on an event.
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "kernel/handle_table.h"
#include "kernel/timed_wait.h"
#include "platform/kernel.h"

namespace win32 {

namespace {

class EventObject final : public detail::Object {
 public:
  EventObject(bool manual_reset, bool signalled) : manual_reset_(manual_reset), signalled_(signalled) {}

  // An auto-reset event lets exactly one waiter through per SetEvent and is
  // non-signalled again afterwards; a manual-reset event lets every waiter
  // through until ResetEvent.
  DWORD wait(DWORD milliseconds) override {
    std::unique_lock guard(lock_);
    DWORD result = detail::wait_until_signalled(changed_, guard, milliseconds, [this] { return signalled_; });
    if (result == WAIT_OBJECT_0 && !manual_reset_) signalled_ = false;
    return result;
  }

  void set() {
    {
      std::lock_guard guard(lock_);
      signalled_ = true;
    }
    if (manual_reset_) {
      changed_.notify_all();
    } else {
      changed_.notify_one();
    }
  }

  void reset() {
    std::lock_guard guard(lock_);
    signalled_ = false;
  }

 private:
  const bool manual_reset_;
  std::mutex lock_;
  std::condition_variable changed_;
  bool signalled_;
};

// Named events of the process: a second CreateEventA with the same name
// opens the first one's event.
struct NamedEvents {
  std::mutex lock;
  std::map<std::string, std::weak_ptr<EventObject>> by_name;
};

NamedEvents& named_events() {
  static NamedEvents* instance = new NamedEvents;  // outlives static destruction
  return *instance;
}

std::shared_ptr<EventObject> find_event(HANDLE event) {
  auto target = detail::find<EventObject>(event);
  if (target == nullptr) SetLastError(ERROR_INVALID_HANDLE);
  return target;
}

}  // namespace

HANDLE CreateEventA(SECURITY_ATTRIBUTES* /*attributes*/, BOOL manualReset, BOOL initialState, const char* name) {
  if (name == nullptr) {
    SetLastError(ERROR_SUCCESS);
    return detail::register_object(std::make_shared<EventObject>(manualReset != FALSE, initialState != FALSE));
  }
  NamedEvents& events = named_events();
  std::lock_guard guard(events.lock);
  std::weak_ptr<EventObject>& entry = events.by_name[name];
  if (auto existing = entry.lock()) {
    SetLastError(ERROR_ALREADY_EXISTS);
    return detail::register_object(std::move(existing));
  }
  auto event = std::make_shared<EventObject>(manualReset != FALSE, initialState != FALSE);
  entry = event;
  SetLastError(ERROR_SUCCESS);
  return detail::register_object(std::move(event));
}

BOOL SetEvent(HANDLE event) {
  auto target = find_event(event);
  if (target == nullptr) return FALSE;
  target->set();
  return TRUE;
}

BOOL ResetEvent(HANDLE event) {
  auto target = find_event(event);
  if (target == nullptr) return FALSE;
  target->reset();
  return TRUE;
}

}  // namespace win32
