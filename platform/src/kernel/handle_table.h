// The process-wide table behind every handle of the platform layer.
//
// Each kernel, user or GDI object lives in a shared_ptr owned by the table;
// a handle is an opaque number that names a table entry. Lookups hand out a
// shared_ptr, so an object stays alive while a call uses it even if another
// thread closes its handle meanwhile. Handle numbers are never reused.
#pragma once

#include <memory>

#include "platform/win32_types.h"

namespace win32::detail {

class Object {
 public:
  virtual ~Object() = default;

  // Waits until the object is signalled or `milliseconds` pass (INFINITE
  // waits for ever). Returns WAIT_OBJECT_0, WAIT_TIMEOUT or WAIT_FAILED.
  // Objects that cannot be waited on keep this default, which fails.
  virtual DWORD wait(DWORD milliseconds);
};

// Adds an object and returns its new handle.
void* register_object(std::shared_ptr<Object> object);

// The object a handle names, or null for an unknown or closed handle.
std::shared_ptr<Object> find_object(const void* handle);

template <class T>
std::shared_ptr<T> find(const void* handle) {
  return std::dynamic_pointer_cast<T>(find_object(handle));
}

// Removes a handle; the object dies when its last user lets go of it.
// Returns false for an unknown handle.
bool release_object(const void* handle);

}  // namespace win32::detail
