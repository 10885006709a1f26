#include "explorer_test_support.h"

#include <gtest/gtest.h>

#include "environment.h"
#include "explorer_picture.h"
#include "graphics/graph.h"
#include "graphics/graph_window.h"
#include "platform/display.h"

namespace explorer::testing {

void OpenWindow() {
  if (graph::IsGraphMode) return;
  test_support::SetVariable("GRAPH_DISPLAY", "headless");
  test_support::SetVariable("GRAPH_SCREEN", "1024x768");
  test_support::UnsetVariable("GRAPH_SNAPSHOT");
  test_support::UnsetVariable("GRAPH_EVENTS");
  if (graph::ModeList == nullptr) (void)graph::QueryAdapterInfo();
  std::int16_t driver = graph::Detect;
  std::int16_t mode = 0;
  graph::InitGraph(driver, mode, graph::GraphString());
  ASSERT_EQ(graph::GraphResult, graph::grOk);
  ASSERT_EQ(graph::GetMaxX() + 1, kWidth);
  ASSERT_EQ(graph::GetMaxY() + 1, kHeight);
}

ExplorerState Start() { return StartState({kWidth - 1, kHeight - 1}); }

std::vector<std::uint32_t> WindowPicture() {
  win32::display::ClientPicture picture;
  EXPECT_TRUE(win32::display::read_client_area(graph::MainWindow, &picture));
  return picture.pixels;
}

std::vector<std::uint32_t> PictureOf(const ExplorerState& state) {
  OpenWindow();
  DrawState(state);
  return WindowPicture();
}

void ExpectPicture(const std::filesystem::path& path, const std::vector<std::uint32_t>& expected, int rows) {
  test_support::PngPicture got;
  ASSERT_TRUE(test_support::ReadPng(path.string(), &got)) << path;
  ASSERT_EQ(got.width, kWidth) << path;
  ASSERT_EQ(got.height, kHeight) << path;
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kWidth) * kHeight);
  const std::vector<std::uint32_t> values = got.ColourValues();
  std::size_t differing = 0;
  std::size_t first = 0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(kWidth) * static_cast<std::size_t>(rows); ++i) {
    if (values[i] == expected[i]) continue;
    if (differing++ == 0) first = i;
  }
  if (differing == 0) return;
  test_support::PngPicture wanted = got;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    wanted.rgb[3 * i] = static_cast<std::uint8_t>(expected[i] & 0xFF);
    wanted.rgb[3 * i + 1] = static_cast<std::uint8_t>((expected[i] >> 8) & 0xFF);
    wanted.rgb[3 * i + 2] = static_cast<std::uint8_t>((expected[i] >> 16) & 0xFF);
  }
  const std::string difference = path.string() + ".difference.png";
  test_support::WriteDifference(got, wanted, difference);
  ADD_FAILURE() << path << ": " << differing << " pixels differ, the first at (" << first % kWidth << ", "
                << first / kWidth << "); differences in " << difference;
}

test_support::ScriptedRun RunExplorer(const std::string& script, const std::filesystem::path& folder) {
  return test_support::RunScripted(INVERSION_EXPLORER_PATH, script, folder, "frame-%d.png");
}

std::filesystem::path Frame(const std::filesystem::path& folder, int number) {
  return folder / ("frame-" + std::to_string(number) + ".png");
}

}  // namespace explorer::testing
