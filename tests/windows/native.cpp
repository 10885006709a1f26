#include "native.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace windows_test {

namespace {

HWND Window(const void* window) { return static_cast<HWND>(const_cast<void*>(window)); }

}  // namespace

int NativeSystemMetric(int index) { return ::GetSystemMetrics(index); }

std::string NativeClassName(const void* window) {
  char text[256] = {};
  const int length = ::GetClassNameA(Window(window), text, sizeof text);
  return std::string(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::string NativeCaption(const void* window) {
  char text[256] = {};
  const int length = ::GetWindowTextA(Window(window), text, sizeof text);
  return std::string(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

bool NativeVisible(const void* window) { return ::IsWindowVisible(Window(window)) != FALSE; }

std::pair<int, int> NativeClientSize(const void* window) {
  RECT client{};
  if (!::GetClientRect(Window(window), &client)) return {-1, -1};
  return {client.right - client.left, client.bottom - client.top};
}

std::uint32_t NativeScreenPixel(const void* window, int x, int y) {
  const HDC dc = ::GetDC(Window(window));
  const COLORREF pixel = ::GetPixel(dc, x, y);
  ::ReleaseDC(Window(window), dc);
  return pixel;
}

bool HasConsoleWindow() { return ::GetConsoleWindow() != nullptr; }

std::pair<void*, void*> NativePipe() {
  HANDLE reader = nullptr;
  HANDLE writer = nullptr;
  if (!::CreatePipe(&reader, &writer, nullptr, 0)) return {nullptr, nullptr};
  return {reader, writer};
}

bool NativeWrite(void* file, const std::string& text) {
  DWORD written = 0;
  return ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

void NativeClose(void* handle) { ::CloseHandle(handle); }

}  // namespace windows_test
