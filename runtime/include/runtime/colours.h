// The sixteen colour names, shared by the console library (the nibbles of
// TextAttr) and the graphics library (the standard palette's first entries).
// Both libraries bring these same constants into their namespaces, so a
// program that opens both namespaces sees one Yellow, not two.
#pragma once

#include <cstdint>

namespace runtime::colours {

inline constexpr std::uint8_t Black = 0;
inline constexpr std::uint8_t Blue = 1;
inline constexpr std::uint8_t Green = 2;
inline constexpr std::uint8_t Cyan = 3;
inline constexpr std::uint8_t Red = 4;
inline constexpr std::uint8_t Magenta = 5;
inline constexpr std::uint8_t Brown = 6;
inline constexpr std::uint8_t LightGray = 7;
inline constexpr std::uint8_t DarkGray = 8;
inline constexpr std::uint8_t LightBlue = 9;
inline constexpr std::uint8_t LightGreen = 10;
inline constexpr std::uint8_t LightCyan = 11;
inline constexpr std::uint8_t LightRed = 12;
inline constexpr std::uint8_t LightMagenta = 13;
inline constexpr std::uint8_t Yellow = 14;
inline constexpr std::uint8_t White = 15;

}  // namespace runtime::colours
