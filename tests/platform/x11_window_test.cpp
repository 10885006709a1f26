// The graph window on a real X server (Xvfb): what a user's desktop sees of
// it and what the user's keys, buttons, close box and uncovering do to it.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <dirent.h>

#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <mutex>
#include <vector>

#include "graphics/graph.h"
#include "gdi/surface.h"
#include "graphics/graph_window.h"
#include "graphics/window_input.h"
#include "platform/display.h"
#include "platform/user.h"
#include "x11_test_support.h"

namespace {

using x11_test::Client;
using x11_test::Eventually;
using x11_test::SharedServer;

constexpr const char* kClassName = "VokGraphWindow";

struct ModeChoice {
  std::int16_t driver;
  std::int16_t mode;
  int width;
  int height;
};
constexpr ModeChoice k640x480{9, 2, 640, 480};
// With no window manager the X display has the headless frame and caption
// and a full-screen client area of the whole 1024 x 768 screen less one
// caption height.
constexpr ModeChoice kMaximized256{10, 246, 1024, 749};

std::uint32_t ColorValue(std::uint16_t color) {
  const graph::RGBRec& rgb = graph::DefaultColors[color];
  return static_cast<std::uint32_t>(rgb.Red) | (static_cast<std::uint32_t>(rgb.Green) << 8) |
         (static_cast<std::uint32_t>(rgb.Blue) << 16);
}

int OpenDescriptors() {
  int count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir)) ++count;
    closedir(dir);
  }
  return count;
}

// How many times each other thread of the process has gone to sleep of its
// own accord (blocked in a wait), by thread id.
std::map<int, long> SleepsOfOtherThreads() {
  std::map<int, long> sleeps;
  const int self = static_cast<int>(gettid());
  DIR* dir = opendir("/proc/self/task");
  if (!dir) return sleeps;
  while (const dirent* entry = readdir(dir)) {
    const int tid = std::atoi(entry->d_name);
    if (tid <= 0 || tid == self) continue;
    std::ifstream status("/proc/self/task/" + std::string(entry->d_name) + "/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("voluntary_ctxt_switches:", 0) == 0) sleeps[tid] = std::atol(line.c_str() + 24);
    }
  }
  closedir(dir);
  return sleeps;
}

bool Raised(const win32::detail::Wakeup& wakeup) {
  pollfd watched{wakeup.fd(), POLLIN, 0};
  return poll(&watched, 1, 0) == 1;
}

// The window thread sleeps between frames only when drawing wakes it: the
// first mark after a frame that found nothing raises the wakeup, once, and
// marks while the display follows the drawing cost no wake-up at all.
TEST(WindowSurfaceWakeup, FirstDrawingAfterAnIdleFrameWakesTheDisplayOnce) {
  win32::detail::Surface surface(100, 100, true);
  auto wakeup = std::make_shared<win32::detail::Wakeup>();
  ASSERT_GE(wakeup->fd(), 0);
  surface.dirty()->wake(wakeup);
  EXPECT_FALSE(surface.dirty()->pending());

  surface.store(1, 1, 0xFF);
  EXPECT_TRUE(Raised(*wakeup));
  wakeup->clear();
  surface.store(70, 70, 0xFF);
  EXPECT_FALSE(Raised(*wakeup)) << "raised twice for one idle period";
  EXPECT_EQ(surface.dirty()->take().size(), 2U);

  // The display comes back at its next frame by itself.
  EXPECT_TRUE(surface.dirty()->pending());
  surface.fill_row(0, 100, 50, 0xFF);
  EXPECT_FALSE(Raised(*wakeup));
  EXPECT_EQ(surface.dirty()->take().size(), 1U);

  // A frame with nothing new: the display may sleep, and drawing wakes it.
  EXPECT_TRUE(surface.dirty()->take().empty());
  EXPECT_FALSE(surface.dirty()->pending());
  surface.store(99, 99, 0xFF);
  EXPECT_TRUE(Raised(*wakeup));
  EXPECT_EQ(surface.dirty()->take().size(), 1U);

  // Drawing on a surface whose display has let go of the wakeup is harmless.
  EXPECT_TRUE(surface.dirty()->take().empty());
  wakeup.reset();
  surface.store(5, 5, 0xFF);
  EXPECT_EQ(surface.dirty()->take().size(), 1U);
}

class X11GraphWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    X11_TEST_REQUIRE_SERVER();
    setenv("GRAPH_DISPLAY", "x11", 1);
    unsetenv("GRAPH_SNAPSHOT");
    ASSERT_STREQ(win32::display::backend_name(), "x11");
    client_ = std::make_unique<Client>(SharedServer().display_name());
    ASSERT_NE(client_->display(), nullptr);
    if (graph::ModeList == nullptr) (void)graph::QueryAdapterInfo();
  }

  void TearDown() override {
    graph::CharMessageHandler = nullptr;
    graph::MouseMessageHandler = nullptr;
    graph::DrawToScreen = true;
    if (graph::IsGraphMode) graph::CloseGraph();
  }

  void Open(ModeChoice choice) {
    std::int16_t driver = choice.driver;
    std::int16_t mode = choice.mode;
    graph::InitGraph(driver, mode, "");
    ASSERT_EQ(graph::GraphResult, graph::grOk);
    window_ = client_->wait_for_window(kClassName);
    ASSERT_NE(window_, 0U) << "no graph window appeared";
  }

  // What the display shows equals the window's framebuffer, and so the
  // backing bitmap that it is drawn with.
  bool ShowsFramebuffer(int width, int height) {
    win32::display::ClientPicture picture;
    if (!win32::display::read_client_area(graph::MainWindow, &picture)) return false;
    return client_->pixels(window_, width, height) == picture.pixels;
  }

  std::uint32_t Shown(int x, int y) { return client_->pixels(window_, 640, 480)[static_cast<std::size_t>(y * 640 + x)]; }

  std::unique_ptr<Client> client_;
  XID window_ = 0;
};

TEST_F(X11GraphWindow, OpensWithTheModesClientSizeCaptionAndClass) {
  Open(k640x480);
  EXPECT_EQ(client_->size(window_), std::make_pair(640, 480));
  EXPECT_EQ(client_->text_property(window_, "WM_NAME"), "Graph window application");
  EXPECT_EQ(client_->text_property(window_, "_NET_WM_NAME"), "Graph window application");
  const std::vector<std::string> names = client_->class_hint(window_);
  ASSERT_EQ(names.size(), 2U);
  EXPECT_EQ(names[1], kClassName);
  EXPECT_EQ(client_->atom_list(window_, "WM_PROTOCOLS"),
            (std::vector<std::string>{"WM_DELETE_WINDOW", "_NET_WM_PING"}));
  EXPECT_TRUE(client_->atom_list(window_, "_NET_WM_STATE").empty());
  // A new window is black all over.
  const std::vector<std::uint32_t> pixels = client_->pixels(window_, 640, 480);
  EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0U), 640 * 480);
}

TEST_F(X11GraphWindow, CaptionInLatin1IsUtf8ForTheWindowManager) {
  const char* const saved = graph::WindowTitle;
  graph::WindowTitle = "Inversi\xF3n";
  Open(k640x480);
  graph::WindowTitle = saved;
  EXPECT_EQ(client_->text_property(window_, "WM_NAME"), "Inversi\xF3n");
  EXPECT_EQ(client_->text_property(window_, "_NET_WM_NAME"), "Inversi\xC3\xB3n");
}

TEST_F(X11GraphWindow, MaximizedModeOpensMaximizedAtTheFullScreenSize) {
  Open(kMaximized256);
  EXPECT_EQ(client_->size(window_), std::make_pair(kMaximized256.width, kMaximized256.height));
  std::vector<std::string> states = client_->atom_list(window_, "_NET_WM_STATE");
  std::sort(states.begin(), states.end());
  EXPECT_EQ(states, (std::vector<std::string>{"_NET_WM_STATE_MAXIMIZED_HORZ", "_NET_WM_STATE_MAXIMIZED_VERT"}));
}

TEST_F(X11GraphWindow, PictureGrowsOnScreenAsItIsDrawn) {
  Open(k640x480);
  graph::PutPixel(10, 10, 14);
  ASSERT_TRUE(Eventually([&] { return Shown(10, 10) == ColorValue(14); }));
  graph::CurrentColor = 4;
  graph::Line(0, 479, 639, 0);
  graph::CurrentColor = 9;
  graph::Circle(320, 240, 200);
  for (std::int16_t x = 100; x < 540; ++x) graph::PutPixel(x, 300, static_cast<std::uint16_t>(x % 16));
  EXPECT_TRUE(Eventually([&] { return ShowsFramebuffer(640, 480); }));
  EXPECT_EQ(Shown(10, 10), ColorValue(14));
  EXPECT_EQ(Shown(320, 40), ColorValue(9));
  EXPECT_EQ(Shown(107, 300), ColorValue(107 % 16));
}

// A window that nobody draws on or touches leaves its thread asleep (a
// thread that looked for work at display rate would wake some 60 times a
// second), and drawing, the close box and uncovering still reach it.
TEST_F(X11GraphWindow, IdleWindowSleepsUntilDrawingOrTheUserWakesIt) {
  // Threads that were there before are not counted: a sanitizer's own,
  // which some start with the first thread the program makes.
  std::thread([] {}).join();
  const std::map<int, long> earlier_threads = SleepsOfOtherThreads();
  Open(k640x480);
  graph::PutPixel(5, 5, 12);
  ASSERT_TRUE(Eventually([&] { return Shown(5, 5) == ColorValue(12); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the last frame's present settles

  const std::map<int, long> before = SleepsOfOtherThreads();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  const std::map<int, long> after = SleepsOfOtherThreads();
  int window_threads = 0;
  for (const auto& [tid, count] : after) {
    const auto earlier = before.find(tid);
    if (earlier == before.end() || earlier_threads.count(tid) != 0) continue;
    ++window_threads;
    EXPECT_LT(count - earlier->second, 5) << "thread " << tid << " woke while the window was idle";
  }
  EXPECT_GE(window_threads, 1);

  // Each of these reaches a thread that has gone back to sleep.
  graph::PutPixel(600, 400, 14);
  EXPECT_TRUE(Eventually([&] { return Shown(600, 400) == ColorValue(14); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  client_->expose(window_);
  EXPECT_TRUE(Eventually([&] { return ShowsFramebuffer(640, 480); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const win32::HWND window = graph::MainWindow;
  client_->send_delete(window_);
  EXPECT_TRUE(Eventually([&] { return !win32::IsWindow(window); }));
}

// Uncovering repaints from the backing bitmap: a pixel drawn only there
// appears when the window is exposed, and the rest of the picture returns.
TEST_F(X11GraphWindow, ExposureRepaintsFromTheBackingBitmap) {
  Open(k640x480);
  graph::CurrentColor = 2;
  graph::Line(0, 0, 639, 479);
  ASSERT_TRUE(Eventually([&] { return ShowsFramebuffer(640, 480); }));
  graph::DrawToScreen = false;
  graph::PutPixel(600, 20, 15);
  graph::DrawToScreen = true;
  EXPECT_EQ(Shown(600, 20), 0U);

  client_->expose(window_);
  EXPECT_TRUE(Eventually([&] { return Shown(600, 20) == ColorValue(15); }));
  EXPECT_TRUE(Eventually([&] { return ShowsFramebuffer(640, 480); }));
  EXPECT_EQ(Shown(320, 240), ColorValue(2));
}

// A display reached over the network gets the picture as plain images
// (shared memory needs a server on this machine), pixel for pixel the same.
TEST_F(X11GraphWindow, RemoteDisplayGetsThePictureWithoutSharedMemory) {
  x11_test::XvfbServer remote(true);
  ASSERT_FALSE(remote.display_name().empty()) << remote.why();
  const std::string local_display = SharedServer().display_name();
  setenv("DISPLAY", remote.tcp_display_name().c_str(), 1);
  client_ = std::make_unique<Client>(remote.tcp_display_name());
  ASSERT_NE(client_->display(), nullptr) << "no TCP connection to " << remote.tcp_display_name();
  Open(k640x480);
  setenv("DISPLAY", local_display.c_str(), 1);
  graph::CurrentColor = 12;
  graph::Circle(320, 240, 100);
  for (std::int16_t x = 0; x < 640; ++x) graph::PutPixel(x, 479, static_cast<std::uint16_t>(x % 16));
  EXPECT_TRUE(Eventually([&] { return ShowsFramebuffer(640, 480); }));
  EXPECT_EQ(Shown(320, 140), ColorValue(12));
  graph::CloseGraph();
  client_.reset();  // before its server ends
}

// The close box closes the window while the program draws; the program is
// not told, its drawing does nothing, and CloseGraph still ends cleanly.
TEST_F(X11GraphWindow, CloseBoxClosesTheWindowWhileTheProgramDraws) {
  Open(k640x480);
  const win32::HWND window = graph::MainWindow;
  client_->send_delete(window_);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  std::uint16_t color = 0;
  while (win32::IsWindow(window) && std::chrono::steady_clock::now() < deadline) {
    for (std::int16_t x = 0; x < 640; ++x) graph::PutPixel(x, static_cast<std::int16_t>(color % 480), color & 15);
    ++color;
  }
  EXPECT_FALSE(win32::IsWindow(window));
  EXPECT_TRUE(Eventually([&] { return !client_->exists(window_); }));
  graph::PutPixel(1, 1, 15);  // nothing happens
  EXPECT_TRUE(graph::IsGraphMode);
  graph::CloseGraph();
  EXPECT_EQ(graph::GraphResult, graph::grOk);
}

struct Received {
  win32::UINT message;
  win32::WPARAM wParam;
  std::uint32_t lParam;
  friend bool operator==(const Received&, const Received&) = default;
};

std::mutex received_lock;
std::vector<Received> received;

win32::LRESULT Record(win32::HWND, win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) {
  std::lock_guard guard(received_lock);
  received.push_back(Received{message, wParam, static_cast<std::uint32_t>(lParam)});
  return 0;
}

std::vector<Received> Take() {
  std::lock_guard guard(received_lock);
  return std::exchange(received, {});
}

void PrintTo(const Received& r, std::ostream* out) {
  *out << std::hex << "{0x" << r.message << ", 0x" << r.wParam << ", 0x" << r.lParam << "}";
}

// Keys as a held key with detectable autorepeat reports them (two presses,
// one release), the keys of the system variants, and the three buttons.
TEST_F(X11GraphWindow, KeysAndButtonsBecomeWindowMessages) {
  Open(k640x480);
  (void)Take();
  graph::CharMessageHandler = Record;
  graph::MouseMessageHandler = Record;

  client_->send_key(window_, XK_a, true);
  client_->send_key(window_, XK_a, true);
  client_->send_key(window_, XK_a, false);
  client_->send_key(window_, XK_Left, true);
  client_->send_key(window_, XK_F4, true, Mod1Mask);
  client_->send_key(window_, XK_F10, true);
  client_->send_key(window_, XK_KP_Home, true, Mod2Mask);
  client_->send_button(window_, Button1, true, 5, 7, 1000);
  client_->send_button(window_, Button1, false, 5, 7, 1010);
  client_->send_button(window_, Button3, true, 300, 200, 1100);
  client_->send_button(window_, Button3, false, 300, 200, 1110, Button3Mask);
  client_->send_button(window_, Button2, true, 1, 2, 1200);
  client_->send_button(window_, Button4, true, 1, 2, 1300);  // the wheel: no button message

  const std::vector<Received> expected{
      {win32::WM_KEYDOWN, 'A', 0x001E0001},
      {win32::WM_CHAR, 'a', 0x001E0001},
      {win32::WM_KEYDOWN, 'A', 0x401E0001},  // already down: a repeat
      {win32::WM_CHAR, 'a', 0x401E0001},
      {win32::WM_KEYUP, 'A', 0xC01E0001},
      {win32::WM_KEYDOWN, 0x25, 0x014B0001},  // extended key
      {win32::WM_SYSKEYDOWN, 0x73, 0x203E0001},  // Alt+F4
      {win32::WM_SYSKEYDOWN, 0x79, 0x00440001},  // F10
      {win32::WM_KEYDOWN, 0x67, 0x00470001},  // keypad 7 with NumLock
      {win32::WM_CHAR, '7', 0x00470001},
      {win32::WM_LBUTTONDOWN, 0x0001, 0x00070005},
      {win32::WM_LBUTTONUP, 0x0000, 0x00070005},
      {win32::WM_RBUTTONDOWN, 0x0002, 0x00C8012C},
      {win32::WM_RBUTTONUP, 0x0000, 0x00C8012C},
      {win32::WM_MBUTTONDOWN, 0x0010, 0x00020001},
  };
  std::vector<Received> got;
  EXPECT_TRUE(Eventually([&] {
    for (const Received& r : Take()) got.push_back(r);
    return got.size() >= expected.size();
  }));
  EXPECT_EQ(got, expected);
}

// The pointer's moves and the wheel's notches reach the program's thread,
// which buttons alone did before.
TEST_F(X11GraphWindow, PointerMovesAndWheelNotchesReachTheProgram) {
  Open(k640x480);
  client_->send_motion(window_, 40, 30);
  client_->send_button(window_, Button1, true, 40, 30, 2000);
  client_->send_motion(window_, 45, 33, Button1Mask);
  client_->send_button(window_, Button1, false, 45, 33, 2010, Button1Mask);
  client_->send_button(window_, Button5, true, 45, 33, 2100);
  client_->send_button(window_, Button5, false, 45, 33, 2110);
  client_->send_button(window_, Button4, true, 45, 33, 2200);

  std::vector<graph::MouseEventType> events;
  while (events.size() < 6 && graph::WaitWindowEvent(10000) == graph::weMouse) {
    graph::MouseEventType event{};
    if (graph::ReadMouseEvent(event)) events.push_back(event);
  }
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[0].Kind, graph::meMoved);
  EXPECT_EQ(events[0].X, 40);
  EXPECT_EQ(events[1].Kind, graph::mePressed);
  EXPECT_EQ(events[2].Kind, graph::meMoved);
  EXPECT_EQ(events[2].Buttons, graph::mbLeft);
  EXPECT_EQ(events[2].Y, 33);
  EXPECT_EQ(events[3].Kind, graph::meReleased);
  EXPECT_EQ(events[4].Kind, graph::meWheel);
  EXPECT_EQ(events[4].WheelSteps, -1);  // towards the user
  EXPECT_EQ(events[5].WheelSteps, 1);
}

// Every cycle opens its own connection and window and leaves none behind.
TEST_F(X11GraphWindow, HundredOpenCloseCyclesLeaveNothingBehind) {
  Open(k640x480);
  graph::CloseGraph();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the window thread ends
  const int descriptors = OpenDescriptors();
  for (int cycle = 0; cycle < 100; ++cycle) {
    std::int16_t driver = k640x480.driver;
    std::int16_t mode = k640x480.mode;
    graph::InitGraph(driver, mode, "");
    ASSERT_EQ(graph::GraphResult, graph::grOk) << "cycle " << cycle;
    graph::PutPixel(static_cast<std::int16_t>(cycle), 0, 15);
    graph::CloseGraph();
  }
  // A window thread lets go of its queue as it ends, just after CloseGraph.
  EXPECT_TRUE(Eventually([&] { return OpenDescriptors() == descriptors; })) << OpenDescriptors() << " descriptors";
  EXPECT_TRUE(Eventually([&] { return !client_->exists(window_); }));
  EXPECT_EQ(client_->wait_for_window(kClassName, std::chrono::milliseconds(100)), 0U);
}

}  // namespace
