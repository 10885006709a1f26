// Window classes over Windows' own. Windows calls one procedure of its own
// kind (WINAPI) for every class the layer registers; that procedure calls
// the layer's procedure of the class (the C calling convention), and ends
// the window's client area with the window's last message.
#include <array>
#include <atomic>
#include <mutex>

#include "windows/user/client_area.h"

namespace win32 {

namespace {

struct ClassProcedure {
  std::atomic<::ATOM> atom{0};
  std::atomic<WNDPROC> procedure{nullptr};
};

// Classes are registered once per process and never unregistered: a short
// table, read without a lock by every message.
constexpr std::size_t kMaxClasses = 32;
std::array<ClassProcedure, kMaxClasses> ClassProcedures;
std::atomic<std::size_t> ClassCount{0};
std::mutex RegistrationLock;

WNDPROC procedure_of(::ATOM atom) {
  const std::size_t count = ClassCount.load(std::memory_order_acquire);
  for (std::size_t i = 0; i < count; ++i) {
    if (ClassProcedures[i].atom.load(std::memory_order_acquire) == atom) {
      return ClassProcedures[i].procedure.load(std::memory_order_relaxed);
    }
  }
  return nullptr;
}

::LRESULT CALLBACK class_procedure(::HWND window, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
  (void)detail::client_area(window);  // the first message binds the new window's area
  const WNDPROC procedure = procedure_of(static_cast<::ATOM>(::GetClassWord(window, GCW_ATOM)));
  const ::LRESULT result =
      procedure != nullptr
          ? procedure(native::from_native(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam))
          : ::DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) detail::end_client_area(window);
  return result;
}

}  // namespace

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
  if (windowClass == nullptr || windowClass->lpfnWndProc == nullptr) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::lock_guard guard(RegistrationLock);
  const std::size_t index = ClassCount.load(std::memory_order_relaxed);
  if (index >= kMaxClasses) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  ::WNDCLASSA native{};
  native.style = windowClass->style;
  native.lpfnWndProc = &class_procedure;
  native.cbClsExtra = windowClass->cbClsExtra;
  native.cbWndExtra = windowClass->cbWndExtra;
  native.hInstance = native::to_native(windowClass->hInstance);
  native.hIcon = native::to_native(windowClass->hIcon);
  native.hCursor = native::to_native(windowClass->hCursor);
  native.hbrBackground = native::to_native(windowClass->hbrBackground);
  native.lpszMenuName = windowClass->lpszMenuName;
  native.lpszClassName = windowClass->lpszClassName;
  const ::ATOM atom = ::RegisterClassA(&native);
  if (atom == 0) return 0;
  // The count is published last, so a reader never sees a half-filled entry.
  ClassProcedures[index].procedure.store(windowClass->lpfnWndProc, std::memory_order_relaxed);
  ClassProcedures[index].atom.store(atom, std::memory_order_release);
  ClassCount.store(index + 1, std::memory_order_release);
  return atom;
}

HICON LoadIconA(HINSTANCE instance, const char* name) {
  return native::from_native(::LoadIconA(native::to_native(instance), name));
}

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
  // Windows' cursors are icons; the layer keeps the two kinds apart.
  return reinterpret_cast<HCURSOR>(::LoadCursorA(native::to_native(instance), name));
}

}  // namespace win32
