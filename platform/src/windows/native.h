// The real Windows API beside the platform layer's own declarations.
//
// The layer's headers declare Win32's names in namespace win32; <windows.h>
// declares the same names globally and many of them as macros (WM_PAINT,
// TRUE, RGB, MAKEINTRESOURCEA...). A file of the Windows implementation
// therefore includes the layer's headers first and this header last: the
// macros then expand to the values the layer's constants already have, and
// `::Name` is Windows' own function or type where `Name` inside namespace
// win32 is the layer's.
#pragma once

// Every header of the layer, before Windows' own.
#include "platform/console.h"
#include "platform/display.h"
#include "platform/exceptions.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/system_metrics.h"
#include "platform/user.h"
#include "platform/virtual_keys.h"
#include "platform/win32_types.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstddef>

namespace win32::native {

// The layer's handle types are distinct from Windows' (they are declared in
// namespace win32), with the same meaning and size: the values pass as they are.
inline ::HWND to_native(HWND h) { return reinterpret_cast<::HWND>(h); }
inline ::HDC to_native(HDC h) { return reinterpret_cast<::HDC>(h); }
inline ::HBITMAP to_native(HBITMAP h) { return reinterpret_cast<::HBITMAP>(h); }
inline ::HPEN to_native(HPEN h) { return reinterpret_cast<::HPEN>(h); }
inline ::HBRUSH to_native(HBRUSH h) { return reinterpret_cast<::HBRUSH>(h); }
inline ::HRGN to_native(HRGN h) { return reinterpret_cast<::HRGN>(h); }
inline ::HICON to_native(HICON h) { return reinterpret_cast<::HICON>(h); }
inline ::HCURSOR to_native(HCURSOR h) { return reinterpret_cast<::HCURSOR>(h); }
inline ::HMENU to_native(HMENU h) { return reinterpret_cast<::HMENU>(h); }
inline ::HINSTANCE to_native(HINSTANCE h) { return reinterpret_cast<::HINSTANCE>(h); }

inline HWND from_native(::HWND h) { return reinterpret_cast<HWND>(h); }
inline HDC from_native(::HDC h) { return reinterpret_cast<HDC>(h); }
inline HBITMAP from_native(::HBITMAP h) { return reinterpret_cast<HBITMAP>(h); }
inline HPEN from_native(::HPEN h) { return reinterpret_cast<HPEN>(h); }
inline HBRUSH from_native(::HBRUSH h) { return reinterpret_cast<HBRUSH>(h); }
inline HRGN from_native(::HRGN h) { return reinterpret_cast<HRGN>(h); }
inline HICON from_native(::HICON h) { return reinterpret_cast<HICON>(h); }
inline HINSTANCE from_native(::HINSTANCE h) { return reinterpret_cast<HINSTANCE>(h); }

// Records that pass between the layer and Windows unchanged must have
// Windows' layout, field by field.
#define WIN32_SAME_LAYOUT(ours, theirs, field) \
  static_assert(offsetof(ours, field) == offsetof(theirs, field), #ours "." #field)
#define WIN32_SAME_SIZE(ours, theirs) static_assert(sizeof(ours) == sizeof(theirs), #ours)

WIN32_SAME_SIZE(win32::POINT, ::POINT);
WIN32_SAME_SIZE(win32::RECT, ::RECT);
WIN32_SAME_LAYOUT(win32::RECT, ::RECT, bottom);
WIN32_SAME_SIZE(win32::MSG, ::MSG);
WIN32_SAME_LAYOUT(win32::MSG, ::MSG, lParam);
WIN32_SAME_LAYOUT(win32::MSG, ::MSG, pt);
WIN32_SAME_SIZE(win32::PAINTSTRUCT, ::PAINTSTRUCT);
WIN32_SAME_LAYOUT(win32::PAINTSTRUCT, ::PAINTSTRUCT, rcPaint);
WIN32_SAME_LAYOUT(win32::PAINTSTRUCT, ::PAINTSTRUCT, rgbReserved);
WIN32_SAME_SIZE(win32::CREATESTRUCTA, ::CREATESTRUCTA);
WIN32_SAME_LAYOUT(win32::CREATESTRUCTA, ::CREATESTRUCTA, style);
WIN32_SAME_LAYOUT(win32::CREATESTRUCTA, ::CREATESTRUCTA, dwExStyle);
WIN32_SAME_SIZE(win32::SECURITY_ATTRIBUTES, ::SECURITY_ATTRIBUTES);
WIN32_SAME_SIZE(win32::OSVERSIONINFOA, ::OSVERSIONINFOA);
WIN32_SAME_LAYOUT(win32::OSVERSIONINFOA, ::OSVERSIONINFOA, szCSDVersion);
WIN32_SAME_SIZE(win32::ULARGE_INTEGER, ::ULARGE_INTEGER);
WIN32_SAME_SIZE(win32::COORD, ::COORD);
WIN32_SAME_SIZE(win32::SMALL_RECT, ::SMALL_RECT);
WIN32_SAME_SIZE(win32::CHAR_INFO, ::CHAR_INFO);
WIN32_SAME_LAYOUT(win32::CHAR_INFO, ::CHAR_INFO, Attributes);
WIN32_SAME_SIZE(win32::CONSOLE_SCREEN_BUFFER_INFO, ::CONSOLE_SCREEN_BUFFER_INFO);
WIN32_SAME_LAYOUT(win32::CONSOLE_SCREEN_BUFFER_INFO, ::CONSOLE_SCREEN_BUFFER_INFO, dwMaximumWindowSize);
WIN32_SAME_SIZE(win32::KEY_EVENT_RECORD, ::KEY_EVENT_RECORD);
WIN32_SAME_LAYOUT(win32::KEY_EVENT_RECORD, ::KEY_EVENT_RECORD, dwControlKeyState);
WIN32_SAME_SIZE(win32::INPUT_RECORD, ::INPUT_RECORD);
WIN32_SAME_LAYOUT(win32::INPUT_RECORD, ::INPUT_RECORD, Event);
WIN32_SAME_SIZE(win32::BITMAPINFOHEADER, ::BITMAPINFOHEADER);
WIN32_SAME_LAYOUT(win32::BITMAPINFOHEADER, ::BITMAPINFOHEADER, biClrImportant);
WIN32_SAME_SIZE(win32::BITMAPINFO, ::BITMAPINFO);
WIN32_SAME_SIZE(win32::EXCEPTION_RECORD, ::EXCEPTION_RECORD);
WIN32_SAME_LAYOUT(win32::EXCEPTION_RECORD, ::EXCEPTION_RECORD, ExceptionInformation);

#undef WIN32_SAME_LAYOUT
#undef WIN32_SAME_SIZE

}  // namespace win32::native
