// The X11 display's cost to a drawing program, and the cost of showing a
// frame:
//   1,000,000 PutPixel with the X11 window open  vs  the same on the headless display
//   a full 1024 x 719 frame presented (converted and put with MIT-SHM)
//
// The display is chosen once per process, so the headless figure comes from
// a child process that runs the same benchmark first; its time and the ratio
// are printed after the X11 run. Without DISPLAY a private Xvfb is started.
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "graphics/graph.h"
// After the graphics library's header: Xlib's macros (DirectColor) would
// otherwise rename its declarations.
#include "display/x11/x11_image.h"
#include "gdi/surface.h"
#include "x11_xvfb.h"

namespace {

constexpr int kPixels = 1'000'000;
constexpr int kFrameWidth = 1024;
constexpr int kFrameHeight = 719;

// 640 x 480 in 16 colours: the same client area on either display.
bool OpenWindow(const char* display) {
  ::setenv("GRAPH_DISPLAY", display, 1);
  ::unsetenv("GRAPH_SNAPSHOT");
  (void)graph::QueryAdapterInfo();
  std::int16_t driver = 9;
  std::int16_t mode = 2;
  graph::InitGraph(driver, mode, "");
  if (graph::GraphResult != graph::grOk) {
    std::fprintf(stderr, "no %s window (GraphResult %d)\n", display, graph::GraphResult);
    return false;
  }
  return true;
}

// A million pixels over the 640 x 480 window, row by row, in changing
// colours; the X11 window thread presents them meanwhile.
void BM_PutPixelMillion(benchmark::State& state) {
  for (auto _ : state) {
    int x = 0;
    int y = 0;
    for (int i = 0; i < kPixels; ++i) {
      graph::PutPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), static_cast<std::uint16_t>(i & 15));
      if (++x == 640) {
        x = 0;
        if (++y == 480) y = 0;
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kPixels);
}

// One full frame on a window of its own connection: every tile dirty,
// converted into the shared image and put, until the server has taken it.
void BM_PresentFullFrameShm(benchmark::State& state) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    state.SkipWithError("no X display");
    return;
  }
  const int screen = DefaultScreen(display);
  const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, kFrameWidth, kFrameHeight,
                                            0, 0, 0);
  (void)XMapWindow(display, window);
  const GC gc = XCreateGC(display, window, 0, nullptr);
  (void)XSync(display, False);
  {
    auto image = win32::detail::X11Image::create(display, DefaultVisual(display, screen), DefaultDepth(display, screen),
                                                 kFrameWidth, kFrameHeight);
    if (!image || !image->shared()) {
      state.SkipWithError("the server offers no MIT-SHM");
    } else {
      win32::detail::Surface frame(kFrameWidth, kFrameHeight, true);
      for (int y = 0; y < kFrameHeight; ++y) frame.fill_row(0, kFrameWidth, y, static_cast<std::uint32_t>(y * 0x010203));
      for (auto _ : state) {
        frame.dirty()->mark(frame.bounds());
        image->put(window, gc, frame, frame.dirty()->take());
      }
      state.SetItemsProcessed(state.iterations() * kFrameWidth * kFrameHeight);
    }
  }
  (void)XFreeGC(display, gc);
  (void)XDestroyWindow(display, window);
  (void)XCloseDisplay(display);
}

// Seconds per iteration, on the clock and on the program thread's CPU.
struct Seconds {
  double real = 0;
  double cpu = 0;
};

// Keeps the times of the runs it reports.
class TimeKeeper : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations <= 0) continue;
      const auto iterations = static_cast<double>(run.iterations);
      seconds = Seconds{run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations};
    }
    ConsoleReporter::ReportRuns(runs);
  }
  Seconds seconds;
};

// The headless run, in a child: its times per million pixels (0 on failure).
Seconds HeadlessSeconds() {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_fds[0]);
    Seconds seconds;
    if (OpenWindow("headless")) {
      TimeKeeper keeper;
      benchmark::RegisterBenchmark("PutPixel_1M/headless", BM_PutPixelMillion)->Unit(benchmark::kMillisecond);
      benchmark::RunSpecifiedBenchmarks(&keeper, "PutPixel_1M/headless");
      seconds = keeper.seconds;
      graph::CloseGraph();
    }
    (void)!write(pipe_fds[1], &seconds, sizeof seconds);
    _exit(0);
  }
  close(pipe_fds[1]);
  Seconds seconds;
  if (child < 0 || read(pipe_fds[0], &seconds, sizeof seconds) != sizeof seconds) seconds = {};
  close(pipe_fds[0]);
  if (child > 0) (void)waitpid(child, nullptr, 0);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::unique_ptr<x11_test::XvfbServer> server;
  if (!std::getenv("DISPLAY")) {
    server = std::make_unique<x11_test::XvfbServer>();
    if (server->display_name().empty()) {
      std::fprintf(stderr, "no X display and no Xvfb: %s\n", server->why().c_str());
      return 1;
    }
    ::setenv("DISPLAY", server->display_name().c_str(), 1);
  }

  const Seconds headless = HeadlessSeconds();
  if (!OpenWindow("x11")) return 1;
  TimeKeeper keeper;
  benchmark::RegisterBenchmark("PutPixel_1M/x11", BM_PutPixelMillion)->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks(&keeper, "PutPixel_1M/x11");
  const Seconds x11 = keeper.seconds;
  graph::CloseGraph();

  benchmark::RegisterBenchmark("PresentFullFrame/1024x719/shm", BM_PresentFullFrameShm)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RunSpecifiedBenchmarks("PresentFullFrame");
  benchmark::Shutdown();

  if (headless.real > 0 && headless.cpu > 0 && x11.real > 0) {
    std::printf("PutPixel x 1,000,000: headless %.2f ms, x11 %.2f ms, ratio %.2f (program thread CPU: %.2f / %.2f ms, %.2f)\n",
                headless.real * 1e3, x11.real * 1e3, x11.real / headless.real, headless.cpu * 1e3, x11.cpu * 1e3,
                x11.cpu / headless.cpu);
  }
  return 0;
}
