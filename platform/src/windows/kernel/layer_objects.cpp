#include "windows/kernel/layer_objects.h"

#include <cstdint>
#include <map>
#include <mutex>

namespace win32::detail {

namespace {

constexpr std::uintptr_t kLayerHandleTag = 1;

struct LayerObjects {
  std::mutex lock;
  std::map<std::uintptr_t, std::shared_ptr<FileObject>> objects;
  std::uintptr_t next = 0x10000 | kLayerHandleTag;
};

LayerObjects& layer_objects() {
  static LayerObjects* table = new LayerObjects;  // used until the process ends
  return *table;
}

}  // namespace

// The layer's objects on Windows are console devices, which cannot seek.
DWORD FileObject::set_pointer(LONG, LONG*, DWORD) {
  SetLastError(ERROR_INVALID_FUNCTION);
  return INVALID_SET_FILE_POINTER;
}

HANDLE register_layer_object(std::shared_ptr<FileObject> object) {
  LayerObjects& table = layer_objects();
  std::lock_guard guard(table.lock);
  const std::uintptr_t value = table.next;
  table.next += 4;
  table.objects.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<FileObject> find_layer_object(HANDLE handle) {
  const auto value = reinterpret_cast<std::uintptr_t>(handle);
  if ((value & kLayerHandleTag) == 0) return nullptr;
  LayerObjects& table = layer_objects();
  std::lock_guard guard(table.lock);
  auto it = table.objects.find(value);
  return it == table.objects.end() ? nullptr : it->second;
}

bool release_layer_object(HANDLE handle) {
  std::shared_ptr<FileObject> doomed;  // destroyed after the lock is released
  LayerObjects& table = layer_objects();
  std::lock_guard guard(table.lock);
  auto it = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  if (it == table.objects.end()) return false;
  doomed = std::move(it->second);
  table.objects.erase(it);
  return true;
}

}  // namespace win32::detail
