// parabola_fan's whole picture on the headless display (41 parabolas of
// 28,481 samples, each with its image), beside a bare loop over the same
// samples: extended precision, FISTP rounding, the same guard, and each
// pixel stored straight into a plain 1024 x 719 array. The ratio is what
// the frame, the range checks, the hooks table and the window driver cost.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "control_word_scope.h"
#include "demo_frame.h"
#include "graphics/graph.h"
#include "parabola_fan.h"

namespace {

constexpr std::int32_t kWidth = 1024;
constexpr std::int32_t kHeight = 719;
constexpr std::uint32_t kBlue = 0xA80000;  // 0x00BBGGRR
constexpr std::uint32_t kRed = 0x0000A8;

std::int32_t Fistp(long double value) {
  std::int32_t result;
  asm("fistpl %0" : "=m"(result) : "t"(value) : "st");
  return result;
}

void Store(std::vector<std::uint32_t>& screen, long double x, long double y, std::uint32_t value) {
  const std::int32_t column = Fistp(512 + x);
  const std::int32_t row = Fistp(-y + 384);
  if (column >= 0 && column < kWidth && row >= 0 && row < kHeight) {
    screen[static_cast<std::size_t>(row * kWidth + column)] = value;
  }
}

void BareParabolaFan(std::vector<std::uint32_t>& screen) {
  constexpr long double R = 200;
  for (std::int32_t i = 0; i <= 40; ++i) {
    long double x = -712;
    do {
      const long double y = x * x / 100 + static_cast<long double>(i * 10);
      Store(screen, x, y, kBlue);
      const long double tav = x * x + y * y;
      if (std::fabs(R * x * R / tav) <= 10000 && std::fabs(R * y * R / tav) <= 10000) {
        Store(screen, R * x * R / tav, R * y * R / tav, kRed);
      }
      x = x + 0.05L;
    } while (!(x >= 712));
  }
}

void BM_ParabolaFanPicture(benchmark::State& state) {
  const ControlWordScope controlWord;
  for (auto _ : state) {
    parabola_fan::DrawPicture();
    state.PauseTiming();
    graph::ClearDevice();
    state.ResumeTiming();
  }
  state.counters["samples"] = 41 * 28481;
}
BENCHMARK(BM_ParabolaFanPicture)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareParabolaLoop(benchmark::State& state) {
  const ControlWordScope controlWord;
  std::vector<std::uint32_t> screen(static_cast<std::size_t>(kWidth * kHeight));
  for (auto _ : state) {
    BareParabolaFan(screen);
    benchmark::DoNotOptimize(screen.data());
    benchmark::ClobberMemory();
  }
  state.counters["samples"] = 41 * 28481;
}
BENCHMARK(BM_BareParabolaLoop)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same picture with the PutPixel slot pointed at a plain array store:
// what the frame costs (Round, range checks, the hooks table) without the
// window driver.
std::vector<std::uint32_t> frameScreen(static_cast<std::size_t>(kWidth * kHeight));

void ArrayPutPixel(std::int16_t x, std::int16_t y, std::uint16_t color) {
  if (x >= 0 && x < kWidth && y >= 0 && y < kHeight) {
    frameScreen[static_cast<std::size_t>(y * kWidth + x)] = color == 1 ? kBlue : kRed;
  }
}

void BM_ParabolaFanFrameOnly(benchmark::State& state) {
  const ControlWordScope controlWord;
  const graph::PutPixelProc driverPutPixel = graph::Hooks.PutPixel;
  graph::Hooks.PutPixel = &ArrayPutPixel;
  for (auto _ : state) {
    parabola_fan::DrawPicture();
    benchmark::ClobberMemory();
  }
  graph::Hooks.PutPixel = driverPutPixel;
  state.counters["samples"] = 41 * 28481;
}
BENCHMARK(BM_ParabolaFanFrameOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// The graphics library is started as the runtime would start it, on the
// headless display of the default size, and one window serves every case.
int main(int argc, char** argv) {
  setenv("GRAPH_DISPLAY", "headless", 1);
  unsetenv("GRAPH_SNAPSHOT");
  graph::InitializeGraph();
  demos::GRAFIKA();
  if (graph::GraphResult != graph::grOk) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  graph::CloseGraph();
  return 0;
}
