// Basic Win32 types of the platform layer: integer widths, handles and the
// few constants that every part of the layer shares.
#pragma once

#include <cstddef>
#include <cstdint>

namespace win32 {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using BOOL = int;
using SIZE_T = std::size_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ATOM = WORD;
using COLORREF = DWORD;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

// Kernel objects (threads, events, files, console buffers) are HANDLEs;
// user and GDI objects have handle types of their own, so that passing a
// window where a device context is expected does not compile.
using HANDLE = void*;
using HGDIOBJ = void*;

#define WIN32_DECLARE_HANDLE(name) \
  struct name##__;                 \
  using name = name##__*

WIN32_DECLARE_HANDLE(HINSTANCE);
WIN32_DECLARE_HANDLE(HWND);
WIN32_DECLARE_HANDLE(HDC);
WIN32_DECLARE_HANDLE(HBITMAP);
WIN32_DECLARE_HANDLE(HPEN);
WIN32_DECLARE_HANDLE(HBRUSH);
WIN32_DECLARE_HANDLE(HRGN);
WIN32_DECLARE_HANDLE(HICON);
WIN32_DECLARE_HANDLE(HCURSOR);
WIN32_DECLARE_HANDLE(HMENU);

#undef WIN32_DECLARE_HANDLE

using HMODULE = HINSTANCE;

// The value that handle-returning functions such as CreateFileA give on failure.
inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

}  // namespace win32
