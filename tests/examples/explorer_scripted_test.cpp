// The explorer driven by scripted input on the headless display. Each
// snapshot must show exactly the picture of the state that the input
// should have led to, drawn here by the explorer's own picture code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "explorer_test_support.h"

namespace explorer {
namespace {

namespace fs = std::filesystem;
using testing::ExpectPicture;
using testing::Frame;
using testing::PictureOf;
using testing::RunExplorer;
using testing::Start;

class ExplorerScripted : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = test_support::TestFolder("explorer"); }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(folder_);
  }
  fs::path folder_;
};

TEST_F(ExplorerScripted, ADragMovesTheCentreByExactlyThePointersTravel) {
  const test_support::ScriptedRun run = RunExplorer(
      "move 300 200\npress left\nmove 350 150\nmove 372 133\nrelease left\nsnapshot\n"
      "move 10 10\nsnapshot\n"  // no button held: nothing follows the pointer
      "key Esc\n",
      folder_);
  ASSERT_EQ(run.exit_code, 0) << run.errors;
  ExplorerState moved = Start();
  moved.centre = {kHome.x + 72, kHome.y - 67};
  ExpectPicture(Frame(folder_, 0), PictureOf(moved));
  ExpectPicture(Frame(folder_, 1), PictureOf(moved));
}

TEST_F(ExplorerScripted, TheWheelPlusMinusAndTheRightButtonChangeTheRadius) {
  const test_support::ScriptedRun run = RunExplorer(
      "wheel 3\nkey +\nkey =\nkey -\nsnapshot\n"
      "move 712 384\npress right\nmove 762 384\nrelease right\nsnapshot\n"
      "wheel -100\nkey -\nsnapshot\n"  // never below one pixel
      "key Up\nkey Up\nkey Left\nsnapshot\nclose\n",
      folder_);
  ASSERT_EQ(run.exit_code, 0) << run.errors;
  ExplorerState state = Start();
  state.radius = 216;
  ExpectPicture(Frame(folder_, 0), PictureOf(state));
  state.radius = 266;  // the pointer went 50 pixels further from the centre
  ExpectPicture(Frame(folder_, 1), PictureOf(state));
  state.radius = 1;
  ExpectPicture(Frame(folder_, 2), PictureOf(state));
  state.centre = {kHome.x - 1, kHome.y - 2};
  ExpectPicture(Frame(folder_, 3), PictureOf(state));
}

TEST_F(ExplorerScripted, EachCurveKeyDrawsItsCurve) {
  const test_support::ScriptedRun run = RunExplorer(
      "key PgUp\nkey PgUp\nkey PgUp\nsnapshot\n"
      "key 2\nsnapshot\nkey 3\nsnapshot\nkey 4\nsnapshot\nkey 5\nsnapshot\nkey 6\nsnapshot\n"
      "key 1\nsnapshot\nkey q\n",
      folder_);
  ASSERT_EQ(run.exit_code, 0) << run.errors;
  ExplorerState state = Start();
  state.parabolaIndex = 3;
  ExpectPicture(Frame(folder_, 0), PictureOf(state));
  const Curve curves[] = {Curve::ParabolaFamily, Curve::Wave, Curve::Hyperbola, Curve::Line, Curve::Circle,
                          Curve::Parabola};
  for (int i = 0; i < 6; ++i) {
    state.curve = curves[i];
    ExpectPicture(Frame(folder_, i + 1), PictureOf(state));
  }
}

TEST_F(ExplorerScripted, TheMiddleButtonDragsTheNearestChosenPoint) {
  const test_support::ScriptedRun run = RunExplorer(
      "key 6\nmove 780 380\npress middle\nmove 800 300\nrelease middle\nsnapshot\n"
      "key 5\nmove 600 100\npress middle\nmove 650 150\nrelease middle\nsnapshot\nkey Esc\n",
      folder_);
  ASSERT_EQ(run.exit_code, 0) << run.errors;
  ExplorerState state = Start();
  state.curve = Curve::Circle;
  state.circlePoints[1] = {802, 304};  // (782, 384) moved by (20, -80)
  ExpectPicture(Frame(folder_, 0), PictureOf(state));
  state.curve = Curve::Line;  // nothing within reach: nothing moves
  ExpectPicture(Frame(folder_, 1), PictureOf(state));
}

TEST_F(ExplorerScripted, SSavesTheWindowsPictureAsANumberedPngInTheWorkingFolder) {
  fs::create_directories(folder_);
  { std::ofstream taken(folder_ / "explorer-000.png"); }  // an earlier picture stays
  const test_support::ScriptedRun run = RunExplorer("key 3\nkey s\nkey 4\nkey S\nclose\n", folder_);
  ASSERT_EQ(run.exit_code, 0) << run.errors;
  EXPECT_EQ(fs::file_size(folder_ / "explorer-000.png"), 0u);
  ExplorerState state = Start();
  state.curve = Curve::Wave;
  ExpectPicture(folder_ / "explorer-001.png", PictureOf(state));
  state.curve = Curve::Hyperbola;
  ExpectPicture(folder_ / "explorer-002.png", PictureOf(state));
}

TEST_F(ExplorerScripted, EscQAndTheCloseBoxEndTheProgramWithCodeZero) {
  for (const char* ending : {"key Esc\n", "key q\n", "key Q\n", "close\n", "key Space\nclose\n"}) {
    const test_support::ScriptedRun run = RunExplorer(ending, folder_);
    EXPECT_EQ(run.exit_code, 0) << ending << run.errors;
    EXPECT_EQ(run.errors, "") << ending;
  }
}

}  // namespace
}  // namespace explorer
