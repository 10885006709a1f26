// The X11 display's own logic: screen metrics from what a window manager
// publishes, keysyms as virtual keys, colour values as X pixels.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/keysym.h>

#include <thread>

#include "display/x11/x11_image.h"
#include "display/x11/x11_keys.h"
#include "display/x11/x11_metrics.h"
#include "platform/system_metrics.h"
#include "x11_test_support.h"

namespace win32::detail {
namespace {

using x11_test::Client;
using x11_test::SharedServer;

struct MetricsCase {
  const char* what;
  std::optional<FrameExtents> frame;
  std::optional<WorkArea> work_area;
  ScreenMetrics expected;
};

TEST(X11Metrics, FrameCaptionAndFullScreenFollowTheWindowManager) {
  const MetricsCase cases[] = {
      {"nothing published: headless frame, the screen less a caption", std::nullopt, std::nullopt,
       {1024, 768, 4, 4, 19, 1024, 749}},
      {"work area only", std::nullopt, WorkArea{1024, 738}, {1024, 768, 4, 4, 19, 1024, 719}},
      {"thin frame, tall caption", FrameExtents{1, 1, 24, 1}, WorkArea{1000, 740}, {1024, 768, 1, 1, 23, 1000, 717}},
      {"uneven sides round up so the largest window fits", FrameExtents{3, 4, 30, 5}, std::nullopt,
       {1024, 768, 4, 5, 25, 1024, 743}},
      {"no decoration at all", FrameExtents{0, 0, 0, 0}, std::nullopt, {1024, 768, 0, 0, 0, 1024, 768}},
      {"a work area beyond the screen is cut to it", std::nullopt, WorkArea{4000, 4000},
       {1024, 768, 4, 4, 19, 1024, 768}},
  };
  for (const MetricsCase& c : cases) {
    EXPECT_EQ(x11_metrics_from(ScreenSize{1024, 768}, c.frame, c.work_area), c.expected) << c.what;
  }
}

// A window manager of the test's own: it publishes its check window and a
// work area, and answers one request for frame extents.
class FakeWindowManager {
 public:
  explicit FakeWindowManager(const std::string& display_name) : client_(display_name) {
    Display* display = client_.display();
    check_ = XCreateSimpleWindow(display, client_.root(), 0, 0, 1, 1, 0, 0, 0);
    client_.set_cardinals(check_, "_NET_SUPPORTING_WM_CHECK", {static_cast<long>(check_)}, XA_WINDOW);
    client_.set_cardinals(client_.root(), "_NET_SUPPORTING_WM_CHECK", {static_cast<long>(check_)}, XA_WINDOW);
    client_.set_cardinals(client_.root(), "_NET_CURRENT_DESKTOP", {1});
    client_.set_cardinals(client_.root(), "_NET_WORKAREA", {0, 0, 1024, 700, 0, 30, 1024, 710});
    XSelectInput(display, client_.root(), SubstructureRedirectMask);
    XSync(display, False);
  }
  ~FakeWindowManager() {
    for (const char* property : {"_NET_SUPPORTING_WM_CHECK", "_NET_CURRENT_DESKTOP", "_NET_WORKAREA"}) {
      client_.delete_property(client_.root(), property);
    }
  }

  // Sets the extents on the first window that asks, within a few seconds.
  void answer_frame_request(const std::vector<long>& extents) {
    Display* display = client_.display();
    const Atom request = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    (void)x11_test::Eventually([&] {
      while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage && event.xclient.message_type == request) {
          client_.set_cardinals(event.xclient.window, "_NET_FRAME_EXTENTS", extents);
          return true;
        }
      }
      return false;
    });
  }

 private:
  Client client_;
  XID check_ = 0;
};

TEST(X11Metrics, ReadFromTheWindowManagersWorkAreaAndAProbesFrame) {
  X11_TEST_REQUIRE_SERVER();
  FakeWindowManager manager(SharedServer().display_name());
  std::thread answering([&] { manager.answer_frame_request({2, 2, 24, 2}); });
  Client reader(SharedServer().display_name());
  const ScreenMetrics metrics = read_x11_metrics(reader.display(), 5000);
  answering.join();
  // Desktop 1's work area is 1024 x 710; the caption is 24 - 2.
  EXPECT_EQ(metrics, (ScreenMetrics{1024, 768, 2, 2, 22, 1024, 688}));
}

TEST(X11Metrics, AWindowManagerThatDoesNotAnswerLeavesTheHeadlessFrame) {
  X11_TEST_REQUIRE_SERVER();
  FakeWindowManager manager(SharedServer().display_name());
  Client reader(SharedServer().display_name());
  EXPECT_EQ(read_x11_metrics(reader.display(), 50), (ScreenMetrics{1024, 768, 4, 4, 19, 1024, 691}));
}

TEST(X11Keys, KeysymsBecomeVirtualKeysWithScanCodes) {
  struct KeyCase {
    unsigned long keysym;
    WPARAM code;
    BYTE scan;
    bool extended;
  };
  const KeyCase cases[] = {
      {XK_a, 'A', 0x1E, false},          {XK_Z, 'Z', 0x2C, false},       {XK_p, 'P', 0x19, false},
      {XK_0, '0', 0x0B, false},          {XK_1, '1', 0x02, false},       {XK_9, '9', 0x0A, false},
      {XK_F1, 0x70, 0x3B, false},        {XK_F11, 0x7A, 0x57, false},    {XK_F24, 0x87, 0x00, false},
      {XK_Return, 0x0D, 0x1C, false},    {XK_KP_Enter, 0x0D, 0x1C, true}, {XK_Escape, 0x1B, 0x01, false},
      {XK_Up, 0x26, 0x48, true},         {XK_KP_Up, 0x26, 0x48, false},  {XK_Delete, 0x2E, 0x53, true},
      {XK_Control_R, 0x11, 0x1D, true},  {XK_slash, 0xBF, 0x35, false},  {XK_KP_Divide, 0x6F, 0x35, true},
      {XK_odiaeresis, 0, 0, false},
  };
  for (const KeyCase& c : cases) {
    const VirtualKey key = virtual_key_of(c.keysym);
    EXPECT_EQ(key.code, c.code) << std::hex << c.keysym;
    EXPECT_EQ(key.scan, c.scan) << std::hex << c.keysym;
    EXPECT_EQ(key.extended, c.extended) << std::hex << c.keysym;
  }
}

TEST(X11Pixels, ColourValuesFollowTheVisualsMasks) {
  const PixelFormat xrgb(0xFF0000, 0x00FF00, 0x0000FF);
  EXPECT_TRUE(xrgb.is_xrgb());
  EXPECT_EQ(xrgb.pixel(0x00336699), 0x996633UL);
  const PixelFormat bgr(0x0000FF, 0x00FF00, 0xFF0000);
  EXPECT_FALSE(bgr.is_xrgb());
  EXPECT_EQ(bgr.pixel(0x00336699), 0x336699UL);
  const PixelFormat rgb565(0xF800, 0x07E0, 0x001F);
  EXPECT_EQ(rgb565.pixel(0x00FFFFFF), 0xFFFFUL);
  EXPECT_EQ(rgb565.pixel(0x000000FF), 0xF800UL);
  EXPECT_EQ(rgb565.pixel(0x0000FF00), 0x07E0UL);
  const PixelFormat deep(0x3FF00000, 0x000FFC00, 0x000003FF);  // 10 bits a channel
  EXPECT_EQ(deep.pixel(0x00FF0080), 0x20000000UL | 0x3FCUL);
}

}  // namespace
}  // namespace win32::detail
