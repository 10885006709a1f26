// Round beside a plain conversion in the current rounding mode, under the
// program's control word (Round's direct path) and under a word that makes
// Round load its own (the swap path).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "runtime/checks.h"

namespace {

class ControlWordScope {
 public:
  explicit ControlWordScope(std::uint16_t word) {
    asm volatile("fnstcw %0" : "=m"(saved_));
    asm volatile("fldcw %0" : : "m"(word));
  }
  ~ControlWordScope() { asm volatile("fldcw %0" : : "m"(saved_)); }
  ControlWordScope(const ControlWordScope&) = delete;
  ControlWordScope& operator=(const ControlWordScope&) = delete;

 private:
  std::uint16_t saved_ = 0;
};

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

// 0x1332: the program's word. 0x037F: the all-masked default of a process
// that did not start through the runtime.
BENCHMARK(BM_Round)->Arg(0x1332)->Arg(0x037F);
BENCHMARK(BM_Lrintl)->Arg(0x1332)->Arg(0x037F);

}  // namespace

BENCHMARK_MAIN();
