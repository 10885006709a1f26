// The window driver's per-pixel path and its runs on an open headless
// window, each beside the reference it is measured against:
//   PutPixel through the hooks table   vs  one uncontended recursive lock round trip
//   HLine of 1,024 pixels              (one platform line per surface)
//   ClearDevice of the 1024 x 719 window  vs  one memset of the same bytes
//   FloodFill of the whole window          vs  ClearDevice, timed in the same run
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "graphics/graph.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 719;

void BM_RecursiveMutexLockUnlock(benchmark::State& state) {
  std::recursive_mutex mutex;
  for (auto _ : state) {
    mutex.lock();
    mutex.unlock();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RecursiveMutexLockUnlock);

void BM_PutPixelThroughHooks(benchmark::State& state) {
  std::int16_t x = 0;
  std::int16_t y = 0;
  for (auto _ : state) {
    graph::PutPixel(x, y, static_cast<std::uint16_t>(x & 0xFF));
    if (++x == kWidth) {
      x = 0;
      if (++y == kHeight) y = 0;
    }
  }
}
BENCHMARK(BM_PutPixelThroughHooks);

void BM_HLine1024(benchmark::State& state) {
  std::int16_t y = 0;
  graph::CurrentColor = 14;
  for (auto _ : state) {
    graph::HLine(0, kWidth - 1, y);
    if (++y == kHeight) y = 0;
  }
  state.SetItemsProcessed(state.iterations() * kWidth);
}
BENCHMARK(BM_HLine1024);

void BM_ClearDevice(benchmark::State& state) {
  for (auto _ : state) graph::ClearDevice();
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_ClearDevice)->Unit(benchmark::kMicrosecond);

// What ClearDevice is measured against: one memset of as many bytes as one
// of its two surfaces holds.
void BM_MemsetOfTheWindowsBytes(benchmark::State& state) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
  int value = 0;
  for (auto _ : state) {
    std::memset(pixels.data(), value, pixels.size() * sizeof pixels[0]);
    benchmark::DoNotOptimize(pixels.data());
    value = (value + 1) & 0xFF;
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_MemsetOfTheWindowsBytes)->Unit(benchmark::kMicrosecond);

// Each round fills the whole window from its centre (no pixel is of the
// border colour) and then clears it; the fill is the time measured, and the
// counter `vs_ClearDevice` says how many clearings of the same window it
// costs.
void BM_FloodFillBesideClearDevice(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  graph::SetFillStyle(graph::SolidFill, graph::LightBlue);
  Clock::duration filling{};
  Clock::duration clearing{};
  for (auto _ : state) {
    const auto start = Clock::now();
    graph::FloodFill(kWidth / 2, kHeight / 2, graph::White);
    const auto filled = Clock::now();
    graph::ClearDevice();
    const auto cleared = Clock::now();
    filling += filled - start;
    clearing += cleared - filled;
    state.SetIterationTime(std::chrono::duration<double>(filled - start).count());
  }
  state.counters["vs_ClearDevice"] =
      std::chrono::duration<double>(filling).count() / std::chrono::duration<double>(clearing).count();
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_FloodFillBesideClearDevice)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The maximised 256-colour window of the headless 1024 x 768 screen, whose
// client area is 1024 x 719.
bool OpenBenchWindow() {
  ::setenv("GRAPH_DISPLAY", "headless", 1);
  ::unsetenv("GRAPH_SCREEN");
  ::unsetenv("GRAPH_SNAPSHOT");
  (void)graph::QueryAdapterInfo();
  std::int16_t driver = 10;
  std::int16_t mode = 246;
  graph::InitGraph(driver, mode, "");
  if (graph::GraphResult != graph::grOk || graph::MaxX + 1 != kWidth || graph::MaxY + 1 != kHeight) {
    std::fprintf(stderr, "no %d x %d headless window (GraphResult %d, %d x %d)\n", kWidth, kHeight,
                 graph::GraphResult, graph::MaxX + 1, graph::MaxY + 1);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!OpenBenchWindow()) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  graph::CloseGraph();
  return 0;
}
