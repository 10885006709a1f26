// What the inversion explorer shows, and how keys and the mouse change it.
// Nothing here draws: the picture follows from the state (explorer_picture.h).
#pragma once

#include <array>
#include <cstdint>

#include "graphics/window_input.h"

namespace explorer {

// The curves, by the keys that pick them.
enum class Curve : std::uint8_t {
  Parabola = 1,    // parabola_drift's: y = x*x/100 + 10*I for one index I
  ParabolaFamily,  // parabola_fan's 41 parabolas, I = 0 to 40, at once
  Wave,            // wave_trace's sine wave
  Hyperbola,       // hyperbola_trace's hyperbola
  Line,            // the straight line through two chosen points
  Circle,          // the circle through three chosen points
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The demonstrations' centre of inversion, the model origin.
inline constexpr ScreenPoint kHome{512, 384};
inline constexpr int kStartRadius = 200;
inline constexpr int kSmallestRadius = 1;
inline constexpr int kLargestRadius = 10000;
inline constexpr int kRadiusPerNotch = 5;
inline constexpr std::int16_t kLastParabola = 50;        // parabola_drift's last index
inline constexpr std::int16_t kLastFamilyParabola = 40;  // parabola_fan's last index

// A drag in progress: what it moves, and where the pointer and the thing
// dragged were when the button went down.
struct Drag {
  enum class What : std::uint8_t { Nothing, Centre, Radius, ChosenPoint };
  What what = What::Nothing;
  std::uint16_t button = 0;
  ScreenPoint pointerAtPress;
  ScreenPoint pointAtPress;
  int radiusAtPress = 0;
  int chosenPoint = 0;
};

struct ExplorerState {
  ScreenPoint centre = kHome;
  int radius = kStartRadius;
  Curve curve = Curve::Parabola;
  std::int16_t parabolaIndex = 0;
  std::array<ScreenPoint, 2> linePoints{{{200, 520}, {824, 440}}};
  std::array<ScreenPoint, 3> circlePoints{{{662, 264}, {782, 384}, {662, 504}}};
  bool animating = false;
  Drag drag;
  ScreenPoint corner;  // the window's bottom-right pixel: points stay within the window
};

// The state at start and after R: the demonstrations' circle of radius 200,
// parabola_drift's first parabola, in a window whose last pixel is `corner`.
[[nodiscard]] ExplorerState StartState(ScreenPoint corner);

// What the program does after an input has changed the state.
enum class Reply : std::uint8_t { Nothing, Redraw, Save, Quit };

// A key as ReadWindowKey gives it: a character, or an extended key's code.
struct Key {
  bool extended = false;
  std::uint8_t code = 0;
};

[[nodiscard]] Reply OnKey(ExplorerState& state, Key key);
[[nodiscard]] Reply OnMouse(ExplorerState& state, const graph::MouseEventType& event);

// One step of the animation that Space starts: the next parabola, stopping
// at the last (parabola_drift's frames, one per index).
void AdvanceAnimation(ExplorerState& state);

}  // namespace explorer
