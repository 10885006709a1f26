#include "windows/user/client_area.h"

#include <algorithm>
#include <array>
#include <map>

namespace win32::detail {

namespace {

// How often the window's thread shows what is being drawn, at most.
constexpr std::chrono::milliseconds kPresentInterval{15};

// What drawing on another thread needs to reach a window's thread: a flag
// that the area changed and the event that wakes the thread. Slots live as
// long as the process (their events are never closed), so drawing that
// races with a window's end can at worst wake a thread for nothing.
struct Slot {
  std::atomic<::HDC> drawing_dc{nullptr};  // set while a shown window's area uses the slot
  std::atomic<bool> changed{false};
  std::atomic<bool> in_use{false};
  ::HANDLE wake = nullptr;
};

constexpr int kSlots = 64;
std::array<Slot, kSlots> Slots;
std::atomic<int> SlotsEverUsed{0};

struct Areas {
  std::mutex lock;  // guards the map and the claiming of slots
  std::map<::HWND, std::shared_ptr<ClientArea>> by_window;
};

Areas& areas() {
  static Areas* table = new Areas;  // used until the process ends
  return *table;
}

thread_local std::shared_ptr<ClientArea> ExpectedArea;

int claim_slot() {
  std::lock_guard guard(areas().lock);
  for (int i = 0; i < kSlots; ++i) {
    Slot& slot = Slots[i];
    if (slot.in_use.load(std::memory_order_relaxed)) continue;
    if (slot.wake == nullptr) slot.wake = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    slot.changed.store(false, std::memory_order_relaxed);
    slot.in_use.store(true, std::memory_order_relaxed);
    if (i >= SlotsEverUsed.load(std::memory_order_relaxed)) SlotsEverUsed.store(i + 1, std::memory_order_release);
    return i;
  }
  return -1;
}

void release_slot(int index) {
  std::lock_guard guard(areas().lock);
  Slots[index].drawing_dc.store(nullptr, std::memory_order_release);
  Slots[index].in_use.store(false, std::memory_order_relaxed);
}

::BITMAPINFO top_down_info(int width, int height) {
  ::BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

ClientArea::ClientArea(int width, int height, bool hidden)
    : width_(width), height_(height), hidden_(hidden), owner_(::GetCurrentThreadId()) {
  slot_ = claim_slot();
  if (slot_ < 0) return;
  // A DIB section cannot be empty; an empty client area still has one pixel behind it.
  const ::BITMAPINFO info = top_down_info(std::max(width, 1), std::max(height, 1));
  void* bits = nullptr;
  bitmap_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap_ == nullptr) return;
  pixels_ = static_cast<std::uint32_t*>(bits);
  ::HDC dc = ::CreateCompatibleDC(nullptr);
  if (dc == nullptr) return;
  previous_bitmap_ = ::SelectObject(dc, bitmap_);
  ::SetStretchBltMode(dc, COLORONCOLOR);
  dc_ = dc;
  if (!hidden_) Slots[slot_].drawing_dc.store(dc_, std::memory_order_release);
}

ClientArea::~ClientArea() {
  if (slot_ >= 0) release_slot(slot_);
  if (dc_ != nullptr) {
    ::SelectObject(dc_, previous_bitmap_);
    ::DeleteDC(dc_);
  }
  if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
}

display::ClientPicture ClientArea::picture() const {
  ::GdiFlush();
  display::ClientPicture picture{width_, height_, {}};
  picture.pixels.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const std::uint32_t p = pixels_[i];
    picture.pixels[i] = ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
  }
  return picture;
}

void ClientArea::bind(::HWND window) { window_ = window; }

void ClientArea::set_shown(bool shown) {
  std::lock_guard guard(lock_);
  shown_ = shown;
}

bool ClientArea::shown() const {
  std::lock_guard guard(lock_);
  return shown_;
}

void ClientArea::set_maximized(bool maximized) {
  std::lock_guard guard(lock_);
  maximized_ = maximized;
}

bool ClientArea::maximized() const {
  std::lock_guard guard(lock_);
  return maximized_;
}

void ClientArea::invalidate(const RECT* area, bool erase) {
  const RECT all = bounds();
  RECT part = all;
  if (area != nullptr) {
    part = {std::max(area->left, all.left), std::max(area->top, all.top), std::min(area->right, all.right),
            std::min(area->bottom, all.bottom)};
  }
  if (part.left >= part.right || part.top >= part.bottom) return;
  {
    std::lock_guard guard(lock_);
    if (has_update_) {
      part = {std::min(part.left, update_.left), std::min(part.top, update_.top), std::max(part.right, update_.right),
              std::max(part.bottom, update_.bottom)};
    }
    update_ = part;
    has_update_ = true;
    erase_ = erase_ || erase;
  }
  ::SetEvent(wake_event());
}

void ClientArea::validate(const RECT* area) {
  std::lock_guard guard(lock_);
  const bool covered = area == nullptr || (area->left <= update_.left && area->top <= update_.top &&
                                            area->right >= update_.right && area->bottom >= update_.bottom);
  if (covered) {
    has_update_ = false;
    erase_ = false;
  }
}

bool ClientArea::update_rect(RECT* area) const {
  std::lock_guard guard(lock_);
  const bool pending = shown_ && has_update_;
  if (area != nullptr) *area = pending ? update_ : RECT{0, 0, 0, 0};
  return pending;
}

void ClientArea::take_update(RECT* area, bool* erase) {
  std::lock_guard guard(lock_);
  *area = shown_ && has_update_ ? update_ : RECT{0, 0, 0, 0};
  *erase = shown_ && erase_;
  has_update_ = false;
  erase_ = false;
}

void ClientArea::present_if_due(::DWORD* waitMs) {
  if (hidden_ || window_ == nullptr) return;
  Slot& slot = Slots[slot_];
  if (!slot.changed.load(std::memory_order_acquire)) return;
  const auto now = std::chrono::steady_clock::now();
  const auto due = last_present_ + kPresentInterval;
  if (now < due) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - now).count();
    *waitMs = std::min<::DWORD>(*waitMs, static_cast<::DWORD>(left));
    return;
  }
  slot.changed.store(false, std::memory_order_release);
  last_present_ = now;
  if (::HDC target = ::GetDC(window_)) {
    present_on(target);
    ::ReleaseDC(window_, target);
  }
}

void ClientArea::present_on(::HDC target) const {
  ::GdiFlush();
  const ::BITMAPINFO info = top_down_info(width_, height_);
  ::SetDIBitsToDevice(target, 0, 0, static_cast<::DWORD>(width_), static_cast<::DWORD>(height_), 0, 0, 0,
                      static_cast<::UINT>(height_), pixels_, &info, DIB_RGB_COLORS);
}

::HANDLE ClientArea::wake_event() const { return Slots[slot_].wake; }

void expect_client_area(std::shared_ptr<ClientArea> area) { ExpectedArea = std::move(area); }

std::shared_ptr<ClientArea> client_area(::HWND window) {
  if (window == nullptr) return nullptr;
  Areas& table = areas();
  std::lock_guard guard(table.lock);
  auto it = table.by_window.find(window);
  if (it != table.by_window.end()) return it->second;
  // The expected area belongs to the window whose messages come first on
  // this thread, during its creation.
  if (!ExpectedArea) return nullptr;
  std::shared_ptr<ClientArea> area = std::move(ExpectedArea);
  area->bind(window);
  table.by_window.emplace(window, area);
  return area;
}

std::shared_ptr<ClientArea> client_area(HWND window) { return client_area(native::to_native(window)); }

std::shared_ptr<ClientArea> remove_client_area(::HWND window) {
  Areas& table = areas();
  std::lock_guard guard(table.lock);
  auto it = table.by_window.find(window);
  if (it == table.by_window.end()) return nullptr;
  std::shared_ptr<ClientArea> area = std::move(it->second);
  table.by_window.erase(it);
  return area;
}

std::vector<std::shared_ptr<ClientArea>> all_client_areas() {
  Areas& table = areas();
  std::lock_guard guard(table.lock);
  std::vector<std::shared_ptr<ClientArea>> all;
  for (const auto& entry : table.by_window) all.push_back(entry.second);
  return all;
}

std::vector<std::shared_ptr<ClientArea>> thread_client_areas() {
  const ::DWORD self = ::GetCurrentThreadId();
  std::vector<std::shared_ptr<ClientArea>> own = all_client_areas();
  std::erase_if(own, [self](const auto& area) { return area->owner() != self; });
  return own;
}

bool is_client_dc(::HDC dc) {
  Areas& table = areas();
  std::lock_guard guard(table.lock);
  return std::any_of(table.by_window.begin(), table.by_window.end(),
                     [dc](const auto& entry) { return entry.second->dc() == dc; });
}

void note_drawing(::HDC dc) {
  const int used = SlotsEverUsed.load(std::memory_order_acquire);
  for (int i = 0; i < used; ++i) {
    Slot& slot = Slots[i];
    if (slot.drawing_dc.load(std::memory_order_relaxed) != dc) continue;
    if (!slot.changed.exchange(true, std::memory_order_acq_rel)) ::SetEvent(slot.wake);
    return;
  }
}

}  // namespace win32::detail
