// One pause of wave_trace: the empty loop of 100,000 rounds after each of
// its 100,000 samples.
#include <benchmark/benchmark.h>

#include "wave_trace.h"

namespace {

void BM_WaveTracePause(benchmark::State& state) {
  for (auto _ : state) wave_trace::CountingPause();
}
BENCHMARK(BM_WaveTracePause)->Unit(benchmark::kMicrosecond);

}  // namespace
