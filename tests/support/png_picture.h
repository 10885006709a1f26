// Pictures read back from the PNG files that GRAPH_SNAPSHOT leaves, for the
// tests that compare them with what a program drew.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

struct PngPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // three bytes per pixel, row by row

  // The pixel at (x, y) as a colour value: 0x00BBGGRR, as the platform's
  // COLORREF has it.
  [[nodiscard]] std::uint32_t ColourValue(int x, int y) const;
  // Every pixel as a colour value, row by row.
  [[nodiscard]] std::vector<std::uint32_t> ColourValues() const;
};

// False when the file is missing or not a PNG.
[[nodiscard]] bool ReadPng(const std::string& path, PngPicture* picture);

// Writes an 8-bit RGB PNG, as the platform writes its snapshots.
bool WritePng(const PngPicture& picture, const std::string& path);

// Writes a picture of the same size as both, for a look by eye: the pixels
// where they differ in white, the others as `got` has them, dimmed.
void WriteDifference(const PngPicture& got, const PngPicture& expected, const std::string& path);

}  // namespace test_support
