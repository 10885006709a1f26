// Memory contexts with bitmaps for GDI tests, released when they go.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gdi.h"

namespace gdi_test {

class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height, win32::COLORREF fill = 0) : width_(width), height_(height) {
    dc_ = win32::CreateCompatibleDC(nullptr);
    bitmap_ = win32::CreateCompatibleBitmap(dc_, width, height);
    old_ = win32::SelectObject(dc_, bitmap_);
    Fill(fill);
  }
  ~MemoryCanvas() {
    win32::SelectObject(dc_, old_);
    win32::DeleteObject(bitmap_);
    win32::DeleteDC(dc_);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;

  win32::HDC dc() const { return dc_; }
  win32::HBITMAP bitmap() const { return bitmap_; }

  void Fill(win32::COLORREF colour) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) win32::SetPixelV(dc_, x, y, colour);
  }
  std::vector<win32::COLORREF> Pixels() const {
    std::vector<win32::COLORREF> pixels;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) pixels.push_back(win32::GetPixel(dc_, x, y));
    return pixels;
  }
  // The picture as one character per pixel: '#' for `ink`, '.' otherwise.
  std::string Mask(win32::COLORREF ink) const {
    std::string rows;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) rows += win32::GetPixel(dc_, x, y) == ink ? '#' : '.';
      rows += '\n';
    }
    return rows;
  }

 private:
  int width_;
  int height_;
  win32::HDC dc_;
  win32::HBITMAP bitmap_;
  win32::HGDIOBJ old_;
};

}  // namespace gdi_test
