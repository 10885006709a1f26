// Round beside a plain conversion in the current rounding mode, under the
// program's control word (Round's direct path) and under a word that makes
// Round load its own (the swap path).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "control_word_scope.h"
#include "runtime/checks.h"

namespace {

// Sample values of the demonstrations' size, with halfway cases among them.
long double NextValue(long double x) {
  return x < 700.0L ? x + 0.25L : -700.0L;
}

void BM_Round(benchmark::State& state) {
  ControlWordScope scope(static_cast<std::uint16_t>(state.range(0)));
  long double x = -700.0L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(runtime::Round(x));
    x = NextValue(x);
  }
}

void BM_Lrintl(benchmark::State& state) {
  ControlWordScope scope(static_cast<std::uint16_t>(state.range(0)));
  long double x = -700.0L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::lrintl(x));
    x = NextValue(x);
  }
}

// kProgramControlWord: the program's word. 0x037F: the all-masked default
// of a process that did not start through the runtime.
BENCHMARK(BM_Round)->Arg(kProgramControlWord)->Arg(0x037F);
BENCHMARK(BM_Lrintl)->Arg(kProgramControlWord)->Arg(0x037F);

}  // namespace

BENCHMARK_MAIN();
