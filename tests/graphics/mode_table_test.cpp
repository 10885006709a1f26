// The WIN32GUI driver's mode table built from screen metrics, and the
// registry over it: the depth lists and their numbering, lookups, detection
// and InitGraph (with the recorder's routines in the records, so that no
// window opens), and the table of a whole program following GRAPH_SCREEN.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "graphics/graph.h"
#include "recording_driver.h"
#include "win32gui/mode_table.h"

namespace graph {
namespace {

// Screen 1024 x 768, frame 4 x 4, caption 19, full-screen client 1024 x 719.
constexpr ScreenMetrics kScreen1024{.W = 1016, .H = 741, .FW = 1024, .FH = 719};
// Screen 1280 x 1024, same frame and caption, full-screen client 1280 x 975.
constexpr ScreenMetrics kScreen1280{.W = 1272, .H = 997, .FW = 1280, .FH = 975};

void BuildRegistry(const ScreenMetrics& metrics) {
  FreeModeRegistry();
  AddWin32GUIModes(metrics);
}

struct ListedMode {
  int MaxX;
  int MaxY;
  int DepthMode;
  std::string Name;
  friend bool operator==(const ListedMode&, const ListedMode&) = default;
};

std::vector<ListedMode> DepthList(int driver) {
  std::vector<ListedMode> listed;
  for (const TModeInfo* m = NewModeList.Heads[driver]; m != nullptr; m = m->Next) {
    listed.push_back({m->MaxX, m->MaxY, m->DepthMode, std::string(m->Name.view())});
  }
  return listed;
}

int CountModeList() {
  int count = 0;
  for (const TModeInfo* m = ModeList; m != nullptr; m = m->Next) ++count;
  return count;
}

class Registry : public ::testing::Test {
 protected:
  void TearDown() override { FreeModeRegistry(); }
};

TEST_F(Registry, Screen1024ListsWindowSizedModesAndNoFixed1024) {
  BuildRegistry(kScreen1024);
  // Names are cut to 18 characters when stored.
  EXPECT_EQ(DepthList(13), (std::vector<ListedMode>{
                               {639, 199, 1, "640 x 200 x 16 Win"},
                               {639, 349, 2, "640 x 350 x 16 Win"},
                               {639, 479, 3, "640 x 480 x 16 Win"},
                               {799, 599, 4, "800 x 600 x 16 Win"},
                               {1015, 740, 5, "Largest Window x 1"},
                               {1023, 718, 6, "Maximized Window x"},
                           }));
  EXPECT_EQ(DepthList(15), (std::vector<ListedMode>{
                               {639, 399, 1, "640 x 400 x 256 Wi"},
                               {639, 479, 2, "640 x 480 x 256 Wi"},
                               {799, 599, 3, "800 x 600 x 256 Wi"},
                               {1015, 740, 4, "Largest Window x 2"},
                               {1023, 718, 5, "Maximized Window x"},
                           }));
  EXPECT_EQ(CountModeList(), 11);
  EXPECT_EQ(NewModeList.Ranges[13].Low, 1);
  EXPECT_EQ(NewModeList.Ranges[13].High, 6);
  EXPECT_EQ(NewModeList.Ranges[14].High, -1);
  for (const TModeInfo* m = ModeList; m != nullptr; m = m->Next) {
    EXPECT_EQ(m->DepthMode, 0);
    EXPECT_EQ(m->PaletteSize, m->MaxColor);
    EXPECT_EQ(m->XAspect, 10000);
  }
}

TEST_F(Registry, Screen1280ListsFixed1024ModesAndDetectsSixth) {
  BuildRegistry(kScreen1280);
  const std::vector<ListedMode> list15 = DepthList(15);
  ASSERT_EQ(list15.size(), 6u);
  EXPECT_EQ((std::pair{list15[3].MaxX, list15[3].MaxY}), (std::pair{1023, 767}));
  EXPECT_EQ((std::pair{list15[4].MaxX, list15[4].MaxY}), (std::pair{1271, 996}));
  EXPECT_EQ((std::pair{list15[5].MaxX, list15[5].MaxY}), (std::pair{1279, 974}));
  std::int16_t driver = 0;
  std::int16_t mode = 0;
  DetectGraph(driver, mode);
  EXPECT_EQ(GraphResult, grOk);
  EXPECT_EQ(driver, 15);
  EXPECT_EQ(mode, 6);
}

TEST_F(Registry, DetectionAndModeRanges) {
  BuildRegistry(kScreen1024);
  std::int16_t driver = 3;
  std::int16_t mode = 77;
  DetectGraph(driver, mode);
  EXPECT_EQ(GraphResult, grOk);
  EXPECT_EQ(driver, 15);
  EXPECT_EQ(mode, 5);

  struct Case {
    std::int16_t Driver;
    std::int16_t Low;
    std::int16_t High;
  };
  for (const Case& c : {Case{9, 2, 1}, Case{10, 256, 246}, Case{13, 1, 6}, Case{15, 1, 5},
                        Case{11, -1, -1}, Case{4, -1, -1}}) {
    std::int16_t low = 0;
    std::int16_t high = 0;
    GetModeRange(c.Driver, low, high);
    EXPECT_EQ(low, c.Low) << "driver " << c.Driver;
    EXPECT_EQ(high, c.High) << "driver " << c.Driver;
  }
}

TEST_F(Registry, ScreenWithoutUsableSizeOffersNoModes) {
  // Window-sized modes of a size 0 (or wrapped) would be absurd: none at all.
  BuildRegistry(ScreenMetrics{.W = 0, .H = -3, .FW = 0, .FH = 0});
  EXPECT_EQ(ModeList, nullptr);
  std::int16_t driver = 0;
  std::int16_t mode = 7;
  DetectGraph(driver, mode);
  EXPECT_EQ(GraphResult, grNotDetected);
  EXPECT_EQ(driver, 21);
  EXPECT_EQ(mode, 7);
}

TEST_F(Registry, SearchModeLookups) {
  BuildRegistry(kScreen1024);
  struct Case {
    std::int16_t Driver;
    std::int16_t Mode;
    bool Found;
    std::int16_t ModeAfter;
    int MaxX;
    int MaxY;
  };
  const Case cases[] = {
      {15, -32768, true, 1, 639, 399},    // lowest of a depth list
      {15, -32767, true, 5, 1023, 718},   // highest of a depth list
      {15, 30009, true, 30009, 639, 479}, // 640 x 480 by resolution
      {15, 30012, false, 30012, 0, 0},    // 1024 x 768 is not listed
      {15, 3, true, 3, 799, 599},         // by DepthMode
      {15, 9, false, 9, 0, 0},
      {12, -32767, false, -1, 0, 0},      // empty depth list
      {10, 246, true, 246, 1023, 718},    // list driver by number
      {10, -32768, true, 256, 639, 399},
      {10, -32767, true, 246, 1023, 718}, // last of driver 10's run
      {9, 5, false, 5, 0, 0},
  };
  for (const Case& c : cases) {
    std::int16_t mode = c.Mode;
    const TModeInfo* found = SearchMode(c.Driver, mode);
    ASSERT_EQ(found != nullptr, c.Found) << c.Driver << "/" << c.Mode;
    EXPECT_EQ(mode, c.ModeAfter) << c.Driver << "/" << c.Mode;
    if (found != nullptr) {
      EXPECT_EQ(found->MaxX, c.MaxX) << c.Driver << "/" << c.Mode;
      EXPECT_EQ(found->MaxY, c.MaxY) << c.Driver << "/" << c.Mode;
    }
  }
}

TEST_F(Registry, LaterModeOfTheSameSizeReplacesEarlierInDepthList) {
  // The largest framed window is exactly 800 x 600.
  BuildRegistry(ScreenMetrics{.W = 800, .H = 600, .FW = 808, .FH = 578});
  const std::vector<ListedMode> list15 = DepthList(15);
  ASSERT_EQ(list15.size(), 4u);
  EXPECT_EQ(list15[2], (ListedMode{799, 599, 3, "Largest Window x 2"}));
  int sized800 = 0;
  for (const TModeInfo* m = ModeList; m != nullptr; m = m->Next) {
    if (m->MaxX == 799 && m->MaxY == 599 && m->MaxColor == 256) ++sized800;
  }
  EXPECT_EQ(sized800, 2);  // ModeList keeps both
}

TEST_F(Registry, SingleRecordRunAtTheEndIsItsDriversHighestMode) {
  BuildRegistry(kScreen1024);
  TModeInfo extra;
  InitMode(extra);
  extra.Driver = 7;
  extra.Mode = 42;
  extra.MaxColor = 3;  // no depth driver: listed in ModeList only
  AddMode(extra);
  std::int16_t low = 0;
  std::int16_t high = 0;
  GetModeRange(7, low, high);
  EXPECT_EQ(low, 42);
  EXPECT_EQ(high, 42);
}

// The driver's table for `metrics`, every record drawing into the recorder.
void UseWin32GUIRegistry(const ScreenMetrics& metrics) {
  BuildRegistry(metrics);
  SaveVideoState = &SaveState;
  for (TModeInfo* m = ModeList; m != nullptr; m = m->Next) testing::UseRecordingRoutines(*m);
  for (int d = FirstDepthDriver; d <= LastDepthDriver; ++d) {
    for (TModeInfo* m = NewModeList.Heads[d]; m != nullptr; m = m->Next) testing::UseRecordingRoutines(*m);
  }
  testing::ResetRecorder(1, 1);
}

class WindowDriverModes : public Registry {
 protected:
  void SetUp() override { IsGraphMode = false; }
  void TearDown() override {
    Registry::TearDown();
    IsGraphMode = false;
  }
};

TEST_F(WindowDriverModes, InitGraphWithTheWindowDriverModes) {
  struct Case {
    const char* Label;
    std::int16_t Driver, Mode;
    std::int16_t CurrentDriver, NewDriver, CurrentMode, MaxX, MaxY;
    std::uint16_t MaxColorIndex;
  };
  const Case cases[] = {
      {"detected 15/5", 15, 5, 15, 15, 246, 1023, 718, 255},
      {"detect request", 0, 0, 15, 15, 246, 1023, 718, 255},
      {"list driver 9/2", 9, 2, 9, -1, 2, 639, 479, 15},
      {"9 with mode 30000 detects", 9, 30000, 15, 15, 246, 1023, 718, 255},
      {"13 with mode 30000", 13, 30000, 13, 13, 245, 1023, 718, 15},
  };
  for (const Case& c : cases) {
    UseWin32GUIRegistry(kScreen1024);
    std::int16_t driver = c.Driver;
    std::int16_t mode = c.Mode;
    InitGraph(driver, mode, "");
    ASSERT_EQ(GraphResult, grOk) << c.Label;
    EXPECT_TRUE(IsGraphMode) << c.Label;
    EXPECT_EQ(IntCurrentDriver, c.CurrentDriver) << c.Label;
    EXPECT_EQ(IntCurrentNewDriver, c.NewDriver) << c.Label;
    EXPECT_EQ(IntCurrentMode, c.CurrentMode) << c.Label;
    EXPECT_EQ(MaxX, c.MaxX) << c.Label;
    EXPECT_EQ(MaxY, c.MaxY) << c.Label;
    EXPECT_EQ(GetMaxColor(), c.MaxColorIndex) << c.Label;
    EXPECT_EQ(FillSettings.Color, c.MaxColorIndex) << c.Label;
    EXPECT_EQ(ViewWidth, c.MaxX) << c.Label;
    IsGraphMode = false;
  }
}

TEST_F(WindowDriverModes, SetGraphModeLookups) {
  UseWin32GUIRegistry(kScreen1024);
  std::int16_t driver = 9;
  std::int16_t mode = 2;
  InitGraph(driver, mode, "");
  ASSERT_EQ(GraphResult, grOk);
  SetGraphMode(30000);  // a list driver has no depth driver to take the highest mode of
  EXPECT_EQ(GraphResult, grInvalidMode);
  EXPECT_EQ(MaxX, 639);

  driver = 0;
  InitGraph(driver, mode, "");
  SetGraphMode(30012);  // 1024 x 768 is not listed on this screen
  EXPECT_EQ(GraphResult, grInvalidMode);
  EXPECT_EQ(IntCurrentMode, 246);

  UseWin32GUIRegistry(kScreen1280);
  driver = 0;
  InitGraph(driver, mode, "");
  SetGraphMode(30012);
  EXPECT_EQ(GraphResult, grOk);
  EXPECT_EQ(IntCurrentMode, 261);
  EXPECT_EQ((std::pair{MaxX, MaxY}), (std::pair<std::int16_t, std::int16_t>{1023, 767}));
  EXPECT_EQ(IntCurrentDriver, 15);
}


// mode_probe prints what DetectGraph chooses in a whole program, whose
// table is built from the headless screen that GRAPH_SCREEN sizes.
std::string DetectedInAProgram(const std::optional<std::string>& screen) {
  test_support::ChildOptions options;
  options.environment = {{"GRAPH_DISPLAY", "headless"}, {"GRAPH_SCREEN", screen}};
  return test_support::RunChild(MODE_PROBE_PATH, options).output;
}

TEST(ModeTableOfAProgram, FollowsTheScreenSize) {
  EXPECT_EQ(DetectedInAProgram(std::nullopt), "15 5\r\n");
  EXPECT_EQ(DetectedInAProgram("1280x1024"), "15 6\r\n");
}

TEST(ModeNumbers, Res2ModeAndMode2Res) {
  struct Case {
    std::int32_t Width, Height, Colors;
    std::int16_t Driver, Mode;
  };
  for (const Case& c : {Case{640, 480, 256, 15, 30009}, Case{320, 200, 2, 11, 30001},
                        Case{2048, 1536, 65536, 18, 30015}, Case{1016, 741, 16, 13, 32767},
                        Case{640, 480, 3, 32767, -5}}) {
    std::int16_t driver = 0;
    std::int16_t mode = -5;
    Res2Mode(c.Width, c.Height, c.Colors, driver, mode);
    EXPECT_EQ(driver, c.Driver) << c.Width << "x" << c.Height << "x" << c.Colors;
    EXPECT_EQ(mode, c.Mode) << c.Width << "x" << c.Height << "x" << c.Colors;
  }
  std::int32_t width = -1;
  std::int32_t height = -1;
  EXPECT_TRUE(Mode2Res(30012, width, height));
  EXPECT_EQ(width, 1024);
  EXPECT_EQ(height, 768);
  EXPECT_FALSE(Mode2Res(30016, width, height));
  EXPECT_EQ(width, 1024);  // untouched
}

}  // namespace
}  // namespace graph
