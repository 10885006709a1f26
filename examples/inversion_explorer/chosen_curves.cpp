#include "chosen_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "demo_frame.h"

namespace explorer {

namespace {

constexpr long double kStep = demos::kSampleStep;
// The image's samples on the screen lie at most this far apart (pixels),
// so that it is drawn without gaps.
constexpr long double kImageSpacing = 0.5L;
constexpr long double kShortestStep = 1e-9L;  // a bound that only guarantees progress
constexpr long double kMargin = 2;
// Three points closer to one line than this (twice their triangle's area,
// in square pixels) give the line.
constexpr long double kFlattest = 1;

struct ModelPoint {
  long double x;
  long double y;
};

ModelPoint ToModel(ScreenPoint point) {
  return {static_cast<long double>(point.x - kHome.x), static_cast<long double>(kHome.y - point.y)};
}

// The window in model coordinates, a little wider.
struct ModelBox {
  long double left;
  long double right;
  long double bottom;
  long double top;

  [[nodiscard]] long double DistanceTo(ModelPoint p) const {
    const long double dx = std::max({left - p.x, 0.0L, p.x - right});
    const long double dy = std::max({bottom - p.y, 0.0L, p.y - top});
    if (dx == 0) return dy;  // most samples: within the window's columns or rows
    if (dy == 0) return dx;
    return std::sqrt(dx * dx + dy * dy);
  }
  // How far from `p` the farthest corner lies.
  [[nodiscard]] long double Reach(ModelPoint p) const {
    const long double dx = std::max(std::fabs(left - p.x), std::fabs(right - p.x));
    const long double dy = std::max(std::fabs(bottom - p.y), std::fabs(top - p.y));
    return std::sqrt(dx * dx + dy * dy);
  }
};

ModelBox WindowBox(ScreenPoint corner) {
  const ModelPoint topLeft = ToModel({0, 0});
  const ModelPoint bottomRight = ToModel(corner);
  return {topLeft.x - kMargin, bottomRight.x + kMargin, bottomRight.y - kMargin, topLeft.y + kMargin};
}

// How far along the curve the sample after `p` may lie. A point or an
// image off the screen may stride half its distance from it; on the screen
// the point advances at most the demonstrations' step and its image at
// most kImageSpacing.
long double StepFrom(ModelPoint p, const Inversion& inversion, const ModelBox& box) {
  long double step = std::max(kStep, box.DistanceTo(p) / 2);
  const long double dx = p.x - inversion.modelX;
  const long double dy = p.y - inversion.modelY;
  const long double squared = dx * dx + dy * dy;
  if (squared > 0) {
    const long double stretch = inversion.R * inversion.R / squared;
    const ModelPoint image{inversion.modelX + dx * stretch, inversion.modelY + dy * stretch};
    step = std::min(step, std::max(kImageSpacing, box.DistanceTo(image) / 2) / stretch);
  }
  return std::max(step, kShortestStep);
}

// Each sample in blue and its image in red (with the parabolas' guard),
// from arc length 0 in `direction` while goesOn(s, point).
template <typename PointAt, typename GoesOn>
void SampleAlong(const Inversion& inversion, const ModelBox& box, PointAt pointAt, long double direction,
                 GoesOn goesOn) {
  for (long double s = 0;;) {
    const ModelPoint p = pointAt(s);
    if (!goesOn(s, p)) return;
    PlotModel(p.x, p.y, demos::kSampleColor);
    PlotImage(inversion, p.x, p.y, demos::InversionGuard::ImageWithin10000);
    s += direction * StepFrom(p, inversion, box);
  }
}

void DrawModelLine(const Inversion& inversion, ModelPoint a, ModelPoint b, const ModelBox& box) {
  const long double length = std::hypot(b.x - a.x, b.y - a.y);
  if (length == 0) return;
  const ModelPoint along{(b.x - a.x) / length, (b.y - a.y) / length};
  // From the point nearest the centre outwards both ways, until the point
  // has left the window for good and its image lies within half a pixel of
  // the centre.
  const ModelPoint centre{inversion.modelX, inversion.modelY};
  const long double offset = (centre.x - a.x) * along.x + (centre.y - a.y) * along.y;
  const ModelPoint foot{a.x + offset * along.x, a.y + offset * along.y};
  const long double farthest = std::max(2 * inversion.R * inversion.R, box.Reach(centre));
  const auto pointAt = [&](long double s) { return ModelPoint{foot.x + s * along.x, foot.y + s * along.y}; };
  const auto goesOn = [&](long double s, ModelPoint) { return std::fabs(s) <= farthest; };
  SampleAlong(inversion, box, pointAt, 1, goesOn);
  SampleAlong(inversion, box, pointAt, -1, goesOn);
}

// The x87's own sine and cosine of one angle, as wave_trace uses the unit's
// sine: far quicker than the library's for the angles of one turn.
ModelPoint CosineAndSine(long double angle) {
  long double cosine;
  long double sine;
  asm("fsincos" : "=t"(cosine), "=u"(sine) : "0"(angle));
  return {cosine, sine};
}

long double SquaredLength(ModelPoint a, ModelPoint b) {
  return (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
}

}  // namespace

void DrawLine(const Inversion& inversion, const std::array<ScreenPoint, 2>& points, ScreenPoint corner) {
  DrawModelLine(inversion, ToModel(points[0]), ToModel(points[1]), WindowBox(corner));
}

void DrawCircle(const Inversion& inversion, const std::array<ScreenPoint, 3>& points, ScreenPoint corner) {
  const ModelBox box = WindowBox(corner);
  const ModelPoint a = ToModel(points[0]);
  const ModelPoint b{ToModel(points[1]).x - a.x, ToModel(points[1]).y - a.y};
  const ModelPoint c{ToModel(points[2]).x - a.x, ToModel(points[2]).y - a.y};
  const long double twiceArea = b.x * c.y - b.y * c.x;
  if (std::fabs(twiceArea) < kFlattest) {
    const ModelPoint ends[3][2] = {{a, ToModel(points[1])}, {a, ToModel(points[2])},
                                   {ToModel(points[1]), ToModel(points[2])}};
    const auto widest = std::max_element(std::begin(ends), std::end(ends), [](const auto& x, const auto& y) {
      return SquaredLength(x[0], x[1]) < SquaredLength(y[0], y[1]);
    });
    DrawModelLine(inversion, (*widest)[0], (*widest)[1], box);
    return;
  }
  // The circumcircle, from a's corner of the triangle.
  const long double bb = b.x * b.x + b.y * b.y;
  const long double cc = c.x * c.x + c.y * c.y;
  const ModelPoint offset{(c.y * bb - b.y * cc) / (2 * twiceArea), (b.x * cc - c.x * bb) / (2 * twiceArea)};
  const ModelPoint middle{a.x + offset.x, a.y + offset.y};
  const long double radius = std::hypot(offset.x, offset.y);
  const long double start = std::atan2(-offset.y, -offset.x);  // at the first chosen point
  const long double around = 2 * std::numbers::pi_v<long double> * radius;
  SampleAlong(
      inversion, box,
      [&](long double s) {
        const ModelPoint turn = CosineAndSine(start + s / radius);
        return ModelPoint{middle.x + radius * turn.x, middle.y + radius * turn.y};
      },
      1, [&](long double s, ModelPoint) { return s < around; });
}

}  // namespace explorer
