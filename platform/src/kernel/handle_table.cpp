#include "kernel/handle_table.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

#include "platform/kernel.h"

namespace win32::detail {

namespace {

struct Table {
  std::mutex lock;
  std::unordered_map<std::uintptr_t, std::shared_ptr<Object>> objects;
  // Handles are multiples of 4 as on Win32, starting well above the values
  // that callers use as sentinels (0 and -1).
  std::uintptr_t next = 0x1000;
};

Table& table() {
  // Never destroyed: handles may still be closed by threads that outlive
  // static destruction at process end.
  static Table* instance = new Table;
  return *instance;
}

}  // namespace

DWORD Object::wait(DWORD) {
  SetLastError(ERROR_INVALID_HANDLE);
  return WAIT_FAILED;
}

void* register_object(std::shared_ptr<Object> object) {
  Table& t = table();
  std::lock_guard guard(t.lock);
  std::uintptr_t value = t.next;
  t.next += 4;
  t.objects.emplace(value, std::move(object));
  return reinterpret_cast<void*>(value);
}

std::shared_ptr<Object> find_object(const void* handle) {
  Table& t = table();
  std::lock_guard guard(t.lock);
  auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == t.objects.end() ? nullptr : it->second;
}

bool release_object(const void* handle) {
  std::shared_ptr<Object> doomed;  // destroyed after the lock is released
  Table& t = table();
  std::lock_guard guard(t.lock);
  auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  if (it == t.objects.end()) return false;
  doomed = std::move(it->second);
  t.objects.erase(it);
  return true;
}

}  // namespace win32::detail
