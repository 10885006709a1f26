// Putting a window's framebuffer on the X server: the dirty rectangles are
// converted into the display's pixel format in an image of the window's
// size, which goes to the server through shared memory (MIT-SHM) when the
// server is on this machine and offers it, and over the connection
// (XPutImage) otherwise.
#pragma once

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "gdi/surface.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace win32::detail {

// A colour value (0x00BBGGRR) as a pixel of a true-colour visual with the
// given channel masks.
class PixelFormat {
 public:
  PixelFormat(unsigned long red_mask, unsigned long green_mask, unsigned long blue_mask);
  [[nodiscard]] unsigned long pixel(COLORREF value) const {
    return channel(value & 0xFF, red_) | channel((value >> 8) & 0xFF, green_) | channel((value >> 16) & 0xFF, blue_);
  }
  // The usual 8-bit channels at bits 16, 8 and 0, the order a surface keeps.
  [[nodiscard]] bool is_xrgb() const { return xrgb_; }

 private:
  struct Channel {
    int shift;  // position of the mask's lowest bit
    int bits;   // width of the mask
  };
  static Channel channel_of(unsigned long mask);
  static unsigned long channel(COLORREF component, Channel c) {
    const unsigned long scaled = c.bits >= 8 ? component << (c.bits - 8) : component >> (8 - c.bits);
    return scaled << c.shift;
  }
  Channel red_;
  Channel green_;
  Channel blue_;
  bool xrgb_;
};

class X11Image {
 public:
  // An image of width x height for `visual`; null when the visual is not
  // true-colour.
  [[nodiscard]] static std::unique_ptr<X11Image> create(Display* display, Visual* visual, int depth, int width,
                                                        int height);
  ~X11Image();
  X11Image(const X11Image&) = delete;
  X11Image& operator=(const X11Image&) = delete;

  [[nodiscard]] bool shared() const { return shared_; }
  // Converts the areas of `surface` and puts them at the same place in
  // `drawable`; returns after the server has taken them.
  void put(Drawable drawable, GC gc, const Surface& surface, const std::vector<RECT>& areas);

 private:
  X11Image(Display* display, PixelFormat format) : display_(display), format_(format) {}
  bool attach_shared_memory();
  void convert(const Surface& surface, const RECT& area);

  Display* display_;
  XImage* image_ = nullptr;
  PixelFormat format_;
  bool shared_ = false;
  XShmSegmentInfo segment_{};
};

}  // namespace win32::detail
