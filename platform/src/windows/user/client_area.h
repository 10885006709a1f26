// A window's client area as the layer keeps it on Windows: a 32-bit DIB
// section of the size the window was created with, in a memory device
// context that GetDC and BeginPaint hand out for the window.
//
// Drawing there writes memory, never the screen: the picture is complete
// whether the window is shown, covered or (on the headless display) never
// shown, and GRAPH_SNAPSHOT saves exactly what was drawn. On the desktop the
// window's thread presents what changed to the real window while it waits
// for messages, and EndPaint presents what a repaint drew. A hidden window
// gets no painting from Windows, so the layer keeps its update rectangle
// and produces its WM_PAINT itself.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/display.h"
#include "platform/user.h"
#include "windows/native.h"

namespace win32::detail {

class ClientArea {
 public:
  // `hidden`: a window of the headless display.
  ClientArea(int width, int height, bool hidden);
  ~ClientArea();
  ClientArea(const ClientArea&) = delete;
  ClientArea& operator=(const ClientArea&) = delete;

  [[nodiscard]] bool valid() const { return dc_ != nullptr; }
  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] bool hidden() const { return hidden_; }
  [[nodiscard]] ::HDC dc() const { return dc_; }
  [[nodiscard]] ::HWND window() const { return window_; }
  [[nodiscard]] ::DWORD owner() const { return owner_; }
  [[nodiscard]] RECT bounds() const { return {0, 0, width_, height_}; }

  // What the area shows: colour values (0x00BBGGRR), row by row from the top.
  [[nodiscard]] display::ClientPicture picture() const;

  // The window this area belongs to, known from its first message.
  void bind(::HWND window);

  // ---- A hidden window's state and painting (any thread) ----
  void set_shown(bool shown);
  [[nodiscard]] bool shown() const;
  void set_maximized(bool maximized);
  [[nodiscard]] bool maximized() const;
  // Adds `area` (the whole client area when null) to the update rectangle
  // and wakes the window's thread.
  void invalidate(const RECT* area, bool erase);
  void validate(const RECT* area);
  // The update rectangle; false when there is none (or the window is not shown).
  [[nodiscard]] bool update_rect(RECT* area) const;
  // BeginPaint: takes the update rectangle and whether to erase.
  void take_update(RECT* area, bool* erase);

  // ---- Presenting on the desktop (the window's thread) ----
  // Shows the changed pixels when due; otherwise lowers `waitMs` to when
  // they will be.
  void present_if_due(::DWORD* waitMs);
  // Shows pixels of the area on a context of the real window.
  void present_on(::HDC target) const;
  // The real paint context between BeginPaint and EndPaint.
  ::HDC paint_dc = nullptr;

  // The event that wakes the window's thread from its wait for messages.
  [[nodiscard]] ::HANDLE wake_event() const;

 private:
  const int width_;
  const int height_;
  const bool hidden_;
  const ::DWORD owner_;
  ::HWND window_ = nullptr;
  ::HDC dc_ = nullptr;
  ::HBITMAP bitmap_ = nullptr;
  ::HGDIOBJ previous_bitmap_ = nullptr;
  std::uint32_t* pixels_ = nullptr;  // 0x00RRGGBB, as the DIB section stores them
  int slot_ = -1;

  mutable std::mutex lock_;  // guards the hidden window's state below
  bool shown_ = false;
  bool maximized_ = false;
  bool has_update_ = false;
  bool erase_ = false;
  RECT update_{0, 0, 0, 0};

  std::chrono::steady_clock::time_point last_present_{};
};

// The area that the next window created on this thread gets, bound to the
// window at its first message.
void expect_client_area(std::shared_ptr<ClientArea> area);

// The area of a window; null for a window without one. A window's first
// message binds the expected area to it.
[[nodiscard]] std::shared_ptr<ClientArea> client_area(::HWND window);
[[nodiscard]] std::shared_ptr<ClientArea> client_area(HWND window);

// The window's last message (WM_NCDESTROY): its area leaves the tables and
// its picture is saved when GRAPH_SNAPSHOT asks for it.
void end_client_area(::HWND window);

// Takes the window's area out of the tables.
[[nodiscard]] std::shared_ptr<ClientArea> remove_client_area(::HWND window);

// Every area that exists, and those of the calling thread's windows.
[[nodiscard]] std::vector<std::shared_ptr<ClientArea>> all_client_areas();
[[nodiscard]] std::vector<std::shared_ptr<ClientArea>> thread_client_areas();

// True when `dc` is the context of a client area.
[[nodiscard]] bool is_client_dc(::HDC dc);

// A GDI call has drawn on `dc`: when it is the context of a shown window's
// area, the window's thread will present it. Cheap for any other context.
void note_drawing(::HDC dc);

}  // namespace win32::detail
