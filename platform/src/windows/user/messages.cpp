// Message queues: Windows' own. While a thread waits for messages it
// presents what was drawn on its shown windows, and a hidden window's
// WM_PAINT, which Windows never sends, comes from the layer's update
// rectangle, as a painting message comes: only when no other is waiting.
//
// A key's character is the next message its thread retrieves, as on POSIX.
// Windows' own TranslateMessage posts it behind the messages already
// posted, which puts a character typed through posted key messages (a
// GRAPH_EVENTS script, for instance) after the keys that followed it; the
// layer translates the key with the keyboard layout itself and holds the
// character for the thread's next retrieval.
#include <vector>

#include "windows/user/client_area.h"

namespace win32 {

namespace {

MSG from_native(const ::MSG& native) {
  MSG message{};
  message.hwnd = native::from_native(native.hwnd);
  message.message = native.message;
  message.wParam = static_cast<WPARAM>(native.wParam);
  message.lParam = static_cast<LPARAM>(native.lParam);
  message.time = native.time;
  message.pt = {native.pt.x, native.pt.y};
  return message;
}

::MSG to_native(const MSG& message) {
  ::MSG native{};
  native.hwnd = native::to_native(message.hwnd);
  native.message = message.message;
  native.wParam = static_cast<::WPARAM>(message.wParam);
  native.lParam = static_cast<::LPARAM>(message.lParam);
  native.time = message.time;
  native.pt = {message.pt.x, message.pt.y};
  return native;
}

bool passes_filter(UINT message, UINT filterMin, UINT filterMax) {
  return (filterMin == 0 && filterMax == 0) || (message >= filterMin && message <= filterMax);
}

// A WM_PAINT for a hidden window of this thread that needs painting.
bool layer_paint_message(const std::vector<std::shared_ptr<detail::ClientArea>>& areas, HWND window,
                         UINT filterMin, UINT filterMax, MSG* message) {
  if (!passes_filter(WM_PAINT, filterMin, filterMax)) return false;
  for (const auto& area : areas) {
    if (!area->hidden() || area->window() == nullptr || !area->update_rect(nullptr)) continue;
    if (window != nullptr && area->window() != native::to_native(window)) continue;
    *message = MSG{};
    message->hwnd = native::from_native(area->window());
    message->message = WM_PAINT;
    message->time = ::GetMessageTime();
    return true;
  }
  return false;
}

// The characters translated on this thread and not yet retrieved, oldest
// first. Plain storage, with nothing to destroy when the thread ends: a
// key gives at most two characters, and a loop retrieves them before it
// translates the next key; more than kHeldCharacters unretrieved are lost.
constexpr int kHeldCharacters = 16;
struct TranslatedCharacters {
  MSG held[kHeldCharacters];
  int first = 0;
  int count = 0;
};
thread_local TranslatedCharacters Translated;

bool take_translated(HWND window, UINT filterMin, UINT filterMax, bool remove, MSG* message) {
  if (Translated.count == 0) return false;
  const MSG& next = Translated.held[Translated.first];
  if (!passes_filter(next.message, filterMin, filterMax) || (window != nullptr && next.hwnd != window)) return false;
  *message = next;
  if (remove) {
    Translated.first = (Translated.first + 1) % kHeldCharacters;
    --Translated.count;
  }
  return true;
}

void hold_translated(const MSG& character) {
  if (Translated.count == kHeldCharacters) return;
  Translated.held[(Translated.first + Translated.count) % kHeldCharacters] = character;
  ++Translated.count;
}

}  // namespace

BOOL GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
  if (message == nullptr || (window != nullptr && !::IsWindow(native::to_native(window)))) {
    ::SetLastError(message == nullptr ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  if (take_translated(window, filterMin, filterMax, true, message)) return TRUE;
  for (;;) {
    ::MSG native{};
    if (::PeekMessageA(&native, native::to_native(window), filterMin, filterMax, PM_REMOVE)) {
      *message = from_native(native);
      return native.message == WM_QUIT ? FALSE : TRUE;
    }
    const auto areas = detail::thread_client_areas();
    if (layer_paint_message(areas, window, filterMin, filterMax, message)) return TRUE;
    ::DWORD wait = INFINITE;
    std::vector<::HANDLE> wakes;
    for (const auto& area : areas) {
      area->present_if_due(&wait);
      wakes.push_back(area->wake_event());
    }
    (void)::MsgWaitForMultipleObjectsEx(static_cast<::DWORD>(wakes.size()), wakes.data(), wait, QS_ALLINPUT,
                                        MWMO_INPUTAVAILABLE);
  }
}

BOOL PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (message == nullptr) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (take_translated(window, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0, message)) return TRUE;
  ::MSG native{};
  if (::PeekMessageA(&native, native::to_native(window), filterMin, filterMax, removeFlags)) {
    *message = from_native(native);
    return TRUE;
  }
  return layer_paint_message(detail::thread_client_areas(), window, filterMin, filterMax, message) ? TRUE : FALSE;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageA(native::to_native(window), message, static_cast<::WPARAM>(wParam),
                        static_cast<::LPARAM>(lParam));
}

BOOL TranslateMessage(const MSG* message) {
  if (message == nullptr || (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN)) return FALSE;
  BYTE keys[256];
  if (!::GetKeyboardState(keys)) return FALSE;
  const auto scan = static_cast<::UINT>((message->lParam >> 16) & 0xFF);
  ::WORD characters = 0;
  const int count = ::ToAsciiEx(static_cast<::UINT>(message->wParam), scan, keys, &characters, 0,
                                ::GetKeyboardLayout(0));
  if (count <= 0) return FALSE;  // no character, or a dead key waiting for the next
  const UINT kind = message->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  for (int i = 0; i < count; ++i) {
    const WPARAM character = (characters >> (8 * i)) & 0xFF;
    hold_translated(MSG{message->hwnd, kind, character, message->lParam, message->time, message->pt});
  }
  return TRUE;
}

LRESULT DispatchMessageA(const MSG* message) {
  if (message == nullptr) return 0;
  const ::MSG native = to_native(*message);
  return ::DispatchMessageA(&native);
}

void PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

}  // namespace win32
