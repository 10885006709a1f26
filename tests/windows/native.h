// Windows itself, for the tests to compare with what the platform layer
// says and to make what the layer works on. Plain types only: Windows'
// headers stay in native.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace windows_test {

[[nodiscard]] int NativeSystemMetric(int index);
[[nodiscard]] std::string NativeClassName(const void* window);
[[nodiscard]] std::string NativeCaption(const void* window);
[[nodiscard]] bool NativeVisible(const void* window);
// The client area's width and height.
[[nodiscard]] std::pair<int, int> NativeClientSize(const void* window);
// A pixel of the window on the screen, as a colour value (0x00BBGGRR).
[[nodiscard]] std::uint32_t NativeScreenPixel(const void* window, int x, int y);
[[nodiscard]] bool HasConsoleWindow();

// An anonymous pipe: its reading and writing ends.
[[nodiscard]] std::pair<void*, void*> NativePipe();
bool NativeWrite(void* file, const std::string& text);
void NativeClose(void* handle);

}  // namespace windows_test
