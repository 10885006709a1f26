// The explorer's state under keys and the mouse, without a window: what
// each input changes, the limits it stops at, and the animation.
#include <gtest/gtest.h>

#include "explorer_state.h"

namespace explorer {
namespace {

constexpr ScreenPoint kCorner{1023, 718};

graph::MouseEventType Mouse(std::uint16_t kind, std::uint16_t button, int x, int y, std::int16_t steps = 0) {
  return graph::MouseEventType{kind, button, 0, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), steps};
}

TEST(ExplorerState, DragsFollowTheTravelAndStayInTheWindow) {
  ExplorerState state = StartState(kCorner);
  EXPECT_EQ(OnMouse(state, Mouse(graph::mePressed, graph::mbLeft, 10, 10)), Reply::Nothing);
  EXPECT_EQ(OnMouse(state, Mouse(graph::meMoved, 0, 2000, -500)), Reply::Redraw);
  EXPECT_EQ(state.centre, (ScreenPoint{1023, 0}));
  EXPECT_EQ(OnMouse(state, Mouse(graph::mePressed, graph::mbRight, 0, 0)), Reply::Nothing);  // one drag at a time
  EXPECT_EQ(OnMouse(state, Mouse(graph::meReleased, graph::mbRight, 0, 0)), Reply::Nothing);
  EXPECT_EQ(OnMouse(state, Mouse(graph::meReleased, graph::mbLeft, 20, 30)), Reply::Redraw);
  EXPECT_EQ(state.centre, (ScreenPoint{kHome.x + 10, kHome.y + 20}));
  EXPECT_EQ(OnMouse(state, Mouse(graph::meMoved, 0, 500, 500)), Reply::Nothing);

  // The radius grows by as much as the pointer moves away from the centre.
  state = StartState(kCorner);
  (void)OnMouse(state, Mouse(graph::mePressed, graph::mbRight, kHome.x, kHome.y + 100));
  (void)OnMouse(state, Mouse(graph::meReleased, graph::mbRight, kHome.x + 30, kHome.y + 40));
  EXPECT_EQ(state.radius, kStartRadius - 50);
}

TEST(ExplorerState, KeysChangeCurvesIndexRadiusAndCentreWithinTheirLimits) {
  ExplorerState state = StartState(kCorner);
  EXPECT_EQ(OnKey(state, Key{true, 81}), Reply::Nothing);  // PgDn below index 0
  for (int i = 0; i < 60; ++i) (void)OnKey(state, Key{true, 73});
  EXPECT_EQ(state.parabolaIndex, kLastParabola);
  EXPECT_EQ(OnKey(state, Key{false, '2'}), Reply::Redraw);
  EXPECT_EQ(OnKey(state, Key{true, 73}), Reply::Nothing);  // the index belongs to curve 1
  EXPECT_EQ(OnKey(state, Key{false, '2'}), Reply::Nothing);
  for (int i = 0; i < 20; ++i) (void)OnMouse(state, Mouse(graph::meWheel, 0, 0, 0, 1000));
  EXPECT_EQ(state.radius, kLargestRadius);
  EXPECT_EQ(OnKey(state, Key{false, 'x'}), Reply::Nothing);
  EXPECT_EQ(OnKey(state, Key{false, 'S'}), Reply::Save);
  EXPECT_EQ(OnKey(state, Key{false, 27}), Reply::Quit);
  EXPECT_EQ(OnKey(state, Key{false, 'r'}), Reply::Redraw);
  EXPECT_EQ(state.radius, kStartRadius);
  EXPECT_EQ(state.curve, Curve::Parabola);
  EXPECT_EQ(state.corner, kCorner);
}

TEST(ExplorerState, SpaceRunsParabolaDriftsFramesOnceOrStopsThem) {
  ExplorerState state = StartState(kCorner);
  (void)OnKey(state, Key{false, '4'});
  state.parabolaIndex = 7;
  EXPECT_EQ(OnKey(state, Key{false, ' '}), Reply::Redraw);
  EXPECT_TRUE(state.animating);
  EXPECT_EQ(state.curve, Curve::Parabola);
  EXPECT_EQ(state.parabolaIndex, 0);
  for (int frame = 1; frame <= kLastParabola; ++frame) AdvanceAnimation(state);
  EXPECT_EQ(state.parabolaIndex, kLastParabola);
  EXPECT_FALSE(state.animating);

  (void)OnKey(state, Key{false, ' '});
  AdvanceAnimation(state);
  EXPECT_EQ(OnKey(state, Key{false, ' '}), Reply::Redraw);
  EXPECT_FALSE(state.animating);
  EXPECT_EQ(state.parabolaIndex, 1);
}

}  // namespace
}  // namespace explorer
