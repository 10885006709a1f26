// The headless display's screen metrics and GRAPH_SCREEN.
#include <stdlib.h>

#include <gtest/gtest.h>

#include <optional>

#include "kernel/screen_metrics.h"
#include "platform/system_metrics.h"

namespace {

using win32::detail::ScreenSize;
using win32::detail::parse_screen_size;

TEST(ScreenMetrics, ParsesWidthByHeight) {
  struct Case {
    const char* text;
    std::optional<ScreenSize> size;
  };
  const Case cases[] = {
      {"1024x768", ScreenSize{1024, 768}},
      {"0800x0600", ScreenSize{800, 600}},
      {"9x50", ScreenSize{9, 50}},  // the smallest screen that holds both windows
      {"16384x16384", ScreenSize{16384, 16384}},  // the largest a window's surface can be
      {"8x600", std::nullopt},
      {"800x49", std::nullopt},
      {"16385x600", std::nullopt},
      {"600x32767", std::nullopt},
      {"99999999999999999999x600", std::nullopt},
      {"", std::nullopt},
      {"1024x", std::nullopt},
      {"1024X768", std::nullopt},
      {" 1024x768", std::nullopt},
      {"+1024x768", std::nullopt},
      {"1024x768x2", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parse_screen_size(c.text), c.size) << '"' << c.text << '"';
  }
}

TEST(ScreenMetrics, AScreenIsChosenOnlyWhenItsPicturesFitInMemory) {
  using win32::detail::choose_screen;
  constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;
  EXPECT_EQ(choose_screen("16384x16384", 4 * kGiB).size, (ScreenSize{16384, 16384}));
  EXPECT_EQ(choose_screen("16384x16384", 4 * kGiB - 1).refusal,
            "GRAPH_SCREEN=\"16384x16384\" needs 4096 MiB of memory for its pictures, more than the 4095 MiB this "
            "process may use");
  EXPECT_EQ(choose_screen("20000x20000", 64 * kGiB).refusal,
            "GRAPH_SCREEN=\"20000x20000\" is not a screen size: expected WIDTHxHEIGHT, two decimal numbers from 9x50 "
            "to 16384x16384, for example 1024x768");
}

TEST(ScreenMetrics, FullScreenClientAreaFollowsTheScreen) {
  using win32::detail::ScreenMetrics;
  EXPECT_EQ(win32::detail::headless_metrics_for({1024, 768}), (ScreenMetrics{1024, 768, 4, 4, 19, 1024, 719}));
  EXPECT_EQ(win32::detail::headless_metrics_for({1280, 1024}), (ScreenMetrics{1280, 1024, 4, 4, 19, 1280, 975}));
}

// GRAPH_SCREEN is read once per process, so each case runs in a fresh one.
class GraphScreen : public testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
  void TearDown() override { unsetenv("GRAPH_SCREEN"); }
};

bool metrics_are(int cx, int cy, int cx_full, int cy_full) {
  using namespace win32;
  return GetSystemMetrics(SM_CXSCREEN) == cx && GetSystemMetrics(SM_CYSCREEN) == cy &&
         GetSystemMetrics(SM_CXFRAME) == 4 && GetSystemMetrics(SM_CYFRAME) == 4 &&
         GetSystemMetrics(SM_CYCAPTION) == 19 && GetSystemMetrics(SM_CXFULLSCREEN) == cx_full &&
         GetSystemMetrics(SM_CYFULLSCREEN) == cy_full && GetSystemMetrics(2) == 0;
}

TEST_F(GraphScreen, DefaultsToTheHeadlessScreen) {
  unsetenv("GRAPH_SCREEN");
  EXPECT_EXIT(_exit(metrics_are(1024, 768, 1024, 719) ? 0 : 1), testing::ExitedWithCode(0), "");
}

TEST_F(GraphScreen, SetsTheScreenSize) {
  setenv("GRAPH_SCREEN", "1280x1024", 1);
  EXPECT_EXIT(_exit(metrics_are(1280, 1024, 1280, 975) ? 0 : 1), testing::ExitedWithCode(0), "");
}

TEST_F(GraphScreen, MalformedValueEndsTheProgramWithOneClearLine) {
  for (const char* bad : {"800by600", "800x40", "", "20000x20000"}) {
    setenv("GRAPH_SCREEN", bad, 1);
    std::string expected = std::string("^GRAPH_SCREEN=\"") + bad + "\" is not a screen size: expected WIDTHxHEIGHT.*\n$";
    EXPECT_EXIT(win32::GetSystemMetrics(win32::SM_CXSCREEN), testing::ExitedWithCode(1), expected);
  }
}

}  // namespace
