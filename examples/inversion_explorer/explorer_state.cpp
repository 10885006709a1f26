#include "explorer_state.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "runtime/key_codes.h"

namespace explorer {

namespace {

namespace keys = runtime::extended_keys;

constexpr std::uint8_t kEscape = 27;

// How near the pointer must come to a chosen point to take it.
constexpr int kReach = 24;

ScreenPoint WithinWindow(ScreenPoint point, ScreenPoint corner) {
  return {std::clamp(point.x, 0, corner.x), std::clamp(point.y, 0, corner.y)};
}

Reply Changed(bool changed) { return changed ? Reply::Redraw : Reply::Nothing; }

Reply MoveCentre(ExplorerState& state, ScreenPoint to) {
  const ScreenPoint before = state.centre;
  state.centre = WithinWindow(to, state.corner);
  return Changed(state.centre != before);
}

Reply SetRadius(ExplorerState& state, long long radius) {
  const int before = state.radius;
  state.radius = static_cast<int>(std::clamp<long long>(radius, kSmallestRadius, kLargestRadius));
  return Changed(state.radius != before);
}

Reply SetParabolaIndex(ExplorerState& state, int index) {
  if (state.curve != Curve::Parabola) return Reply::Nothing;
  const std::int16_t before = state.parabolaIndex;
  state.parabolaIndex = static_cast<std::int16_t>(std::clamp(index, 0, static_cast<int>(kLastParabola)));
  return Changed(state.parabolaIndex != before);
}

Reply PickCurve(ExplorerState& state, Curve curve) {
  state.animating = false;
  const Curve before = state.curve;
  state.curve = curve;
  return Changed(state.curve != before);
}

// Space: parabola_drift's animation from its first parabola, or a stop.
Reply ToggleAnimation(ExplorerState& state) {
  if (state.animating) {
    state.animating = false;
    return Reply::Redraw;  // the status line no longer says so
  }
  state.curve = Curve::Parabola;
  state.parabolaIndex = 0;
  state.animating = true;
  return Reply::Redraw;
}

Reply OnExtendedKey(ExplorerState& state, std::uint8_t code) {
  const ScreenPoint c = state.centre;
  switch (code) {
    case keys::Up: return MoveCentre(state, {c.x, c.y - 1});
    case keys::Down: return MoveCentre(state, {c.x, c.y + 1});
    case keys::Left: return MoveCentre(state, {c.x - 1, c.y});
    case keys::Right: return MoveCentre(state, {c.x + 1, c.y});
    case keys::PageUp: return SetParabolaIndex(state, state.parabolaIndex + 1);
    case keys::PageDown: return SetParabolaIndex(state, state.parabolaIndex - 1);
    default: return Reply::Nothing;
  }
}

// The chosen points of the curve shown: none for the demonstrations' curves.
std::span<ScreenPoint> ChosenPoints(ExplorerState& state) {
  if (state.curve == Curve::Line) return state.linePoints;
  if (state.curve == Curve::Circle) return state.circlePoints;
  return {};
}

long long SquaredDistance(ScreenPoint a, ScreenPoint b) {
  const long long dx = a.x - b.x;
  const long long dy = a.y - b.y;
  return dx * dx + dy * dy;
}

long double Distance(ScreenPoint a, ScreenPoint b) {
  return std::sqrt(static_cast<long double>(SquaredDistance(a, b)));
}

void StartDrag(ExplorerState& state, const graph::MouseEventType& event) {
  const ScreenPoint pointer{event.X, event.Y};
  Drag drag;
  drag.button = event.Button;
  drag.pointerAtPress = pointer;
  drag.radiusAtPress = state.radius;
  if (event.Button == graph::mbLeft) {
    drag.what = Drag::What::Centre;
    drag.pointAtPress = state.centre;
  } else if (event.Button == graph::mbRight) {
    drag.what = Drag::What::Radius;
  } else {
    const std::span<ScreenPoint> points = ChosenPoints(state);
    long long nearest = std::numeric_limits<long long>::max();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const long long distance = SquaredDistance(points[i], pointer);
      if (distance > static_cast<long long>(kReach) * kReach || distance >= nearest) continue;
      nearest = distance;
      drag.what = Drag::What::ChosenPoint;
      drag.chosenPoint = static_cast<int>(i);
      drag.pointAtPress = points[i];
    }
  }
  state.drag = drag;
}

// The thing dragged follows the pointer's travel since the press.
Reply FollowDrag(ExplorerState& state, ScreenPoint pointer) {
  const Drag& drag = state.drag;
  const ScreenPoint moved{drag.pointAtPress.x + pointer.x - drag.pointerAtPress.x,
                          drag.pointAtPress.y + pointer.y - drag.pointerAtPress.y};
  switch (drag.what) {
    case Drag::What::Centre:
      return MoveCentre(state, moved);
    case Drag::What::Radius: {
      // Outwards or inwards by as much as the pointer moved from the centre.
      const long double travel = Distance(pointer, state.centre) - Distance(drag.pointerAtPress, state.centre);
      return SetRadius(state, drag.radiusAtPress + std::llround(travel));
    }
    case Drag::What::ChosenPoint: {
      ScreenPoint& point = ChosenPoints(state)[static_cast<std::size_t>(drag.chosenPoint)];
      const ScreenPoint before = point;
      point = WithinWindow(moved, state.corner);
      return Changed(point != before);
    }
    case Drag::What::Nothing:
      return Reply::Nothing;
  }
  return Reply::Nothing;
}

}  // namespace

ExplorerState StartState(ScreenPoint corner) {
  ExplorerState state;
  state.corner = corner;
  return state;
}

Reply OnKey(ExplorerState& state, Key key) {
  if (key.extended) return OnExtendedKey(state, key.code);
  switch (key.code) {
    case '1': return PickCurve(state, Curve::Parabola);
    case '2': return PickCurve(state, Curve::ParabolaFamily);
    case '3': return PickCurve(state, Curve::Wave);
    case '4': return PickCurve(state, Curve::Hyperbola);
    case '5': return PickCurve(state, Curve::Line);
    case '6': return PickCurve(state, Curve::Circle);
    case '+':
    case '=':  // the + key without Shift
      return SetRadius(state, state.radius + 1);
    case '-':
      return SetRadius(state, state.radius - 1);
    case ' ':
      return ToggleAnimation(state);
    case 's':
    case 'S':
      return Reply::Save;
    case 'r':
    case 'R':
      state = StartState(state.corner);
      return Reply::Redraw;
    case 'q':
    case 'Q':
    case kEscape:
      return Reply::Quit;
    default:
      return Reply::Nothing;
  }
}

Reply OnMouse(ExplorerState& state, const graph::MouseEventType& event) {
  switch (event.Kind) {
    case graph::mePressed:
      if (state.drag.what == Drag::What::Nothing) StartDrag(state, event);
      return Reply::Nothing;
    case graph::meMoved:
      return FollowDrag(state, {event.X, event.Y});
    case graph::meReleased: {
      if (event.Button != state.drag.button) return Reply::Nothing;
      const Reply reply = FollowDrag(state, {event.X, event.Y});
      state.drag = Drag{};
      return reply;
    }
    case graph::meWheel:
      return SetRadius(state, state.radius + static_cast<long long>(event.WheelSteps) * kRadiusPerNotch);
    default:
      return Reply::Nothing;
  }
}

void AdvanceAnimation(ExplorerState& state) {
  if (!state.animating) return;
  if (state.parabolaIndex < kLastParabola) ++state.parabolaIndex;
  if (state.parabolaIndex == kLastParabola) state.animating = false;
}

}  // namespace explorer
