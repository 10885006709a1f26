// The explorer's pictures as they must look: with the centre at (512, 384)
// and a demonstration's radius, the picture of that demonstration's curve
// is the demonstration's own, pixel for pixel, above the status line; and
// three states match golden pictures kept beside this test.
//
// After a deliberate change to what the explorer draws, regenerate the
// golden pictures from the source tree's root with
//   scripts/make_explorer_goldens
// and look at them before committing them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "explorer_picture.h"
#include "explorer_test_support.h"
#include "graphics/graph.h"
#include "hyperbola_trace.h"
#include "parabola_fan.h"
#include "wave_trace.h"

namespace explorer {
namespace {

namespace fs = std::filesystem;
using testing::ExpectPicture;
using testing::Frame;

class ExplorerPictures : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = test_support::TestFolder("explorer_pictures"); }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(folder_);
  }
  fs::path folder_;
};

// A demonstration's picture, drawn here by its own code on a cleared window.
std::vector<std::uint32_t> DemonstrationPicture(void (*drawPicture)()) {
  testing::OpenWindow();
  graph::ClearDevice();
  graph::SetColor(graph::White);  // as the library's defaults leave it for the demonstrations
  drawPicture();
  return testing::WindowPicture();
}

TEST_F(ExplorerPictures, TheDemonstrationsCurvesAreTheDemonstrationsOwnPictures) {
  const test_support::ScriptedRun run = testing::RunExplorer(
      "key 2\nsnapshot\n"            // parabola_fan's 41 parabolas, radius 200
      "key 3\nwheel 20\nsnapshot\n"  // wave_trace's wave, radius 300
      "key 4\nwheel -40\nsnapshot\n"  // hyperbola_trace's hyperbola, radius 100
      "key Esc\n",
      folder_);
  ASSERT_EQ(run.exit_code, 0) << run.errors;
  const int aboveStatus = testing::kHeight - kStatusRows;
  ExpectPicture(Frame(folder_, 0), DemonstrationPicture(&parabola_fan::DrawPicture), aboveStatus);
  ExpectPicture(Frame(folder_, 1), DemonstrationPicture(&wave_trace::DrawPicture), aboveStatus);
  ExpectPicture(Frame(folder_, 2), DemonstrationPicture(&hyperbola_trace::DrawPicture), aboveStatus);
}

std::string GoldenScript() {
  std::ifstream file(fs::path(EXPLORER_GOLDEN_DIR) / "states.events");
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST_F(ExplorerPictures, ThreeStatesMatchTheirGoldenPictures) {
  const std::string script = GoldenScript();
  ASSERT_FALSE(script.empty());
  const test_support::ScriptedRun run = testing::RunExplorer(script, folder_);
  ASSERT_EQ(run.exit_code, 0) << run.errors;
  for (int number = 0; number < 3; ++number) {
    test_support::PngPicture golden;
    const fs::path path = fs::path(EXPLORER_GOLDEN_DIR) / ("explorer-" + std::to_string(number) + ".png");
    ASSERT_TRUE(test_support::ReadPng(path.string(), &golden)) << path;
    ExpectPicture(Frame(folder_, number), golden.ColourValues());
  }
}

}  // namespace
}  // namespace explorer
