#include "display/x11/x11_image.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#include "display/x11/x11_connection.h"

namespace win32::detail {

PixelFormat::PixelFormat(unsigned long red_mask, unsigned long green_mask, unsigned long blue_mask)
    : red_(channel_of(red_mask)),
      green_(channel_of(green_mask)),
      blue_(channel_of(blue_mask)),
      xrgb_(red_mask == 0xFF0000 && green_mask == 0x00FF00 && blue_mask == 0x0000FF) {}

PixelFormat::Channel PixelFormat::channel_of(unsigned long mask) {
  if (mask == 0) return Channel{0, 0};
  const int shift = std::countr_zero(mask);
  return Channel{shift, std::countr_one(mask >> shift)};
}

std::unique_ptr<X11Image> X11Image::create(Display* display, Visual* visual, int depth, int width, int height) {
  if (visual->c_class != TrueColor && visual->c_class != DirectColor) return nullptr;
  const PixelFormat format(visual->red_mask, visual->green_mask, visual->blue_mask);
  const auto w = static_cast<unsigned>(width);
  const auto h = static_cast<unsigned>(height);

  if (XShmQueryExtension(display) && x11_server_is_local(display)) {
    // The image keeps a pointer to the segment's record, which therefore
    // lives in the object that owns the image.
    std::unique_ptr<X11Image> shared(new X11Image(display, format));
    shared->image_ =
        XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &shared->segment_, w, h);
    if (shared->image_ && shared->attach_shared_memory()) return shared;
  }

  std::unique_ptr<X11Image> plain(new X11Image(display, format));
  plain->image_ = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr, w, h, 32, 0);
  if (!plain->image_) return nullptr;
  plain->image_->data = static_cast<char*>(std::calloc(static_cast<std::size_t>(plain->image_->bytes_per_line), h));
  if (!plain->image_->data) return nullptr;
  return plain;
}

bool X11Image::attach_shared_memory() {
  const std::size_t size = static_cast<std::size_t>(image_->bytes_per_line) * static_cast<std::size_t>(image_->height);
  segment_.shmid = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
  if (segment_.shmid < 0) return false;
  void* address = shmat(segment_.shmid, nullptr, 0);
  if (address == reinterpret_cast<void*>(-1)) {
    (void)shmctl(segment_.shmid, IPC_RMID, nullptr);
    return false;
  }
  segment_.shmaddr = image_->data = static_cast<char*>(address);
  segment_.readOnly = False;
  (void)take_x11_error();
  const bool attached = XShmAttach(display_, &segment_) != 0;
  (void)XSync(display_, False);
  // The segment goes away by itself once both sides have detached.
  (void)shmctl(segment_.shmid, IPC_RMID, nullptr);
  if (!attached || take_x11_error() != Success) {
    (void)shmdt(address);
    image_->data = nullptr;
    return false;
  }
  shared_ = true;
  return true;
}

X11Image::~X11Image() {
  if (shared_) {
    (void)XShmDetach(display_, &segment_);
    (void)XSync(display_, False);
    (void)shmdt(segment_.shmaddr);
    image_->data = nullptr;  // not ours to free
  }
  // Frees the plain image's pixels (calloc'ed) with the image.
  if (image_) XDestroyImage(image_);
}

void X11Image::convert(const Surface& surface, const RECT& area) {
  const bool direct = image_->bits_per_pixel == 32 && format_.is_xrgb() &&
                      (image_->byte_order == LSBFirst) == (std::endian::native == std::endian::little);
  if (!direct) {
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        (void)XPutPixel(image_, x, y, format_.pixel(colour_of(surface.load(x, y))));
      }
    }
    return;
  }
  // The surface keeps its pixels as 0x00RRGGBB, the image's own order: they
  // are loaded one by one (they are atomics) into a buffer of this
  // function's own, and copied into the image a buffer at a time.
  constexpr int kChunk = 64;
  std::uint32_t values[kChunk];
  for (int y = area.top; y < area.bottom; ++y) {
    char* row = image_->data + static_cast<std::ptrdiff_t>(y) * image_->bytes_per_line;
    for (int x = area.left; x < area.right; x += kChunk) {
      const int count = std::min(kChunk, area.right - x);
      for (int i = 0; i < count; ++i) values[i] = surface.load(x + i, y);
      std::memcpy(row + static_cast<std::ptrdiff_t>(x) * 4, values, static_cast<std::size_t>(count) * 4);
    }
  }
}

void X11Image::put(Drawable drawable, GC gc, const Surface& surface, const std::vector<RECT>& areas) {
  if (areas.empty()) return;
  for (const RECT& requested : areas) {
    const RECT area = intersect(requested, RECT{0, 0, image_->width, image_->height});
    if (is_empty(area)) continue;
    convert(surface, area);
    const auto width = static_cast<unsigned>(area.right - area.left);
    const auto height = static_cast<unsigned>(area.bottom - area.top);
    if (shared_) {
      (void)XShmPutImage(display_, drawable, gc, image_, area.left, area.top, area.left, area.top, width, height, False);
    } else {
      (void)XPutImage(display_, drawable, gc, image_, area.left, area.top, area.left, area.top, width, height);
    }
  }
  // Shared memory must not change while the server still reads it.
  if (shared_) {
    (void)XSync(display_, False);
  } else {
    (void)XFlush(display_);
  }
}

}  // namespace win32::detail
