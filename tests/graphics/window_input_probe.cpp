// window_input_probe: opens a 640 x 480 window and prints each key and
// mouse event of the window on standard output, one line each, until the
// window closes. The character 'd' draws a white pixel on the diagonal, one
// further down at each press, so that a snapshot shows how many it handled.
#include <cstdio>

#include "graphics/graph.h"
#include "graphics/graph_window.h"
#include "graphics/window_input.h"
#include "platform/kernel.h"
#include "runtime/errors.h"
#include "runtime/system.h"

namespace {

constexpr std::int16_t kDriver = 9;
constexpr std::int16_t kMode640x480 = 2;

void PrintMouseEvent(const graph::MouseEventType& event) {
  std::printf("mouse %u %u %u %d %d %d\n", event.Kind, event.Button, event.Buttons, event.X, event.Y,
              event.WheelSteps);
}

void ReadUntilClosed() {
  std::int16_t drawn = 0;
  for (;;) {
    switch (graph::WaitWindowEvent(win32::INFINITE)) {
      case graph::weKey: {
        const std::uint8_t key = graph::ReadWindowKey();
        if (key == 0) {
          std::printf("key 0 %u\n", graph::ReadWindowKey());
        } else {
          std::printf("key %u\n", key);
        }
        if (key == 'd') {
          graph::PutPixel(drawn, drawn, 15);
          ++drawn;
        }
        break;
      }
      case graph::weMouse: {
        graph::MouseEventType event{};
        if (graph::ReadMouseEvent(event)) PrintMouseEvent(event);
        break;
      }
      case graph::weClosed:
        std::printf("closed\n");
        return;
      default:
        break;
    }
    std::fflush(stdout);
  }
}

void ProgramBody() {
  runtime::InitializeUnits();
  std::int16_t driver = kDriver;
  std::int16_t mode = kMode640x480;
  graph::InitGraph(driver, mode, graph::GraphString());
  if (graph::GraphResult != graph::grOk) runtime::Halt(2);
  ReadUntilClosed();
  graph::CloseGraph();
}

}  // namespace

int main() { runtime::RunProgram(&ProgramBody); }
