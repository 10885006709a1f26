// The demo frame: the model-to-screen mapping with its rounding ties, and
// the images that INVERZIO plots (or leaves out) under each program's guard.
#include <gtest/gtest.h>

#include <optional>

#include "counting_driver.h"
#include "demo_frame.h"
#include "graphics/graph.h"

namespace demos {
namespace {

using testing::Counting;
using testing::PixelCall;

TEST(DemoFrame, ModelOriginAndTiesToEven) {
  struct Case {
    long double Model;
    std::int32_t Column;
    std::int32_t Row;
  };
  const Case cases[] = {
      {0.0L, 512, 384},    {0.5L, 512, 384},     {1.5L, 514, 382},     {-0.5L, 512, 384},
      {2.5L, 514, 382},    {-1.5L, 510, 386},    {-712.0L, -200, 1096}, {712.0L, 1224, -328},
      {0.49L, 512, 384},   {0.51L, 513, 383},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.Model));
    EXPECT_EQ(XKOORD(c.Model), c.Column);
    EXPECT_EQ(YKOORD(c.Model), c.Row);
  }
}

class Inversion : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnterCountingMode(1024, 719); }
  void TearDown() override { graph::FreeModeRegistry(); }

  // The pixel that PlotInverse draws for (x, y), if any.
  static std::optional<PixelCall> ImageOf(long double x, long double y, long double r,
                                          InversionGuard guard) {
    Counting().Calls.clear();
    PlotInverse(x, y, r, guard);
    EXPECT_LE(Counting().Calls.size(), 1U);
    if (Counting().Calls.empty()) return std::nullopt;
    return Counting().Calls.front();
  }
};

TEST_F(Inversion, ImagesAndGuardsOfEachProgram) {
  struct Case {
    const char* Label;
    InversionGuard Guard;
    long double R;
    long double X;
    long double Y;
    std::optional<std::pair<std::int16_t, std::int16_t>> Pixel;
  };
  constexpr auto kParabola = InversionGuard::ImageWithin10000;
  constexpr auto kWave = InversionGuard::AwayFromCentreImageWithin60000;
  constexpr auto kHyperbola = InversionGuard::ScaledPointWithin60000;
  const Case cases[] = {
      {"on the circle: its own image", kParabola, 200, 200, 0, {{712, 384}}},
      {"(100, 100) -> (200, 200)", kParabola, 200, 100, 100, {{712, 184}}},
      {"u = 10000 exactly is drawn", kParabola, 200, 4, 0, {{10512, 384}}},
      {"u about 10025 is not", kParabola, 200, 3.99L, 0, std::nullopt},
      {"v beyond the bound", kParabola, 200, 0, -3, std::nullopt},
      {"TAV about 6.5 is too near", kWave, 300, 0.5L, 2.4997L, std::nullopt},
      {"TAV 7.84 passes", kWave, 300, 0, 2.8L, {{512, -31759}}},
      {"the origin is rejected first", kWave, 300, 0, 0, std::nullopt},
      {"wave image inside the bounds", kWave, 300, 300, 0, {{812, 384}}},
      {"(10, 100): scaled 10.1 and 101", kHyperbola, 100, 10, 100, {{522, 285}}},
      {"(1, 1000): 100000.1 > 60000", kHyperbola, 100, 1, 1000, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Label);
    const std::optional<PixelCall> image = ImageOf(c.X, c.Y, c.R, c.Guard);
    ASSERT_EQ(image.has_value(), c.Pixel.has_value());
    if (!image) continue;
    EXPECT_EQ(image->X, c.Pixel->first);
    EXPECT_EQ(image->Y, c.Pixel->second);
    EXPECT_EQ(image->Color, kImageColor);
  }
}

// The model point goes through PutPixel at its rounded screen position.
TEST_F(Inversion, ModelPointsGoThroughPutPixel) {
  PlotModelPoint(-3.5L, 2.5L, kSampleColor);
  ASSERT_EQ(Counting().Calls.size(), 1U);
  EXPECT_EQ(Counting().Calls[0].X, 508);
  EXPECT_EQ(Counting().Calls[0].Y, 382);
  EXPECT_EQ(Counting().Calls[0].Color, kSampleColor);
}

}  // namespace
}  // namespace demos
