// The inversion explorer redrawing one whole state on the headless display,
// 1024 x 719: the picture cleared, the circle of inversion, parabola_fan's
// first parabola (28,481 samples) and its image, the status line, and the
// whole picture shown at once. Reported as frames per second: dragging
// stays smooth at 60 Hz while this stays well above it. Beside it, the same
// state with the circle's centre moved off the parabola's axis, and the
// line and the circle through chosen points, whose sampling follows their
// images.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

#include "control_word_scope.h"
#include "explorer_picture.h"
#include "explorer_state.h"
#include "graphics/graph.h"

namespace {

explorer::ExplorerState State(explorer::Curve curve, explorer::ScreenPoint centre) {
  explorer::ExplorerState state = explorer::StartState({graph::GetMaxX(), graph::GetMaxY()});
  state.curve = curve;
  state.centre = centre;
  return state;
}

void Redraw(benchmark::State& benchmarkState, const explorer::ExplorerState& state) {
  const ControlWordScope controlWord;
  for (auto _ : benchmarkState) explorer::DrawState(state);
  benchmarkState.counters["frames_per_second"] =
      benchmark::Counter(static_cast<double>(benchmarkState.iterations()), benchmark::Counter::kIsRate);
}

void BM_RedrawFirstParabola(benchmark::State& state) {
  Redraw(state, State(explorer::Curve::Parabola, explorer::kHome));
}
BENCHMARK(BM_RedrawFirstParabola)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RedrawFirstParabolaCentreMoved(benchmark::State& state) {
  Redraw(state, State(explorer::Curve::Parabola, {430, 300}));
}
BENCHMARK(BM_RedrawFirstParabolaCentreMoved)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RedrawLine(benchmark::State& state) { Redraw(state, State(explorer::Curve::Line, explorer::kHome)); }
BENCHMARK(BM_RedrawLine)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RedrawCircle(benchmark::State& state) { Redraw(state, State(explorer::Curve::Circle, explorer::kHome)); }
BENCHMARK(BM_RedrawCircle)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// The graphics library as the runtime starts it, on the headless display of
// the default size, in the window the explorer opens there.
int main(int argc, char** argv) {
  setenv("GRAPH_DISPLAY", "headless", 1);
  unsetenv("GRAPH_SCREEN");
  unsetenv("GRAPH_SNAPSHOT");
  unsetenv("GRAPH_EVENTS");
  graph::InitializeGraph();
  std::int16_t driver = graph::Detect;
  std::int16_t mode = 0;
  graph::InitGraph(driver, mode, graph::GraphString());
  if (graph::GraphResult != graph::grOk) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  graph::CloseGraph();
  return 0;
}
