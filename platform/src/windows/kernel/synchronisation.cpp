// Events and critical sections: Windows' own.
#include <cassert>

#include "windows/native.h"

namespace win32 {

namespace {

::CRITICAL_SECTION* section_of(CRITICAL_SECTION* section) {
  assert(section != nullptr && section->impl != nullptr && "critical section used before initialisation");
  return static_cast<::CRITICAL_SECTION*>(section->impl);
}

}  // namespace

HANDLE CreateEventA(SECURITY_ATTRIBUTES* attributes, BOOL manualReset, BOOL initialState, const char* name) {
  return ::CreateEventA(reinterpret_cast<::SECURITY_ATTRIBUTES*>(attributes), manualReset, initialState, name);
}

BOOL SetEvent(HANDLE event) { return ::SetEvent(event); }
BOOL ResetEvent(HANDLE event) { return ::ResetEvent(event); }

void InitializeCriticalSection(CRITICAL_SECTION* section) {
  auto* native = new ::CRITICAL_SECTION;
  ::InitializeCriticalSection(native);
  section->impl = native;
}

void EnterCriticalSection(CRITICAL_SECTION* section) { ::EnterCriticalSection(section_of(section)); }
BOOL TryEnterCriticalSection(CRITICAL_SECTION* section) { return ::TryEnterCriticalSection(section_of(section)); }
void LeaveCriticalSection(CRITICAL_SECTION* section) { ::LeaveCriticalSection(section_of(section)); }

void DeleteCriticalSection(CRITICAL_SECTION* section) {
  ::CRITICAL_SECTION* native = section_of(section);
  ::DeleteCriticalSection(native);
  delete native;
  section->impl = nullptr;
}

}  // namespace win32
