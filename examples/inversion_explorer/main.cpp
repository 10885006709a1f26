// inversion_explorer: one window with the circle of inversion, a curve and
// its image, redrawn at once whenever the circle, the curve or its chosen
// points change by key or mouse. The console shows the keys at start and
// where each saved picture went. Esc, Q or the window's close box end the
// program with exit code 0.
#include <chrono>
#include <filesystem>
#include <string>

#include "console/console.h"
#include "explorer_picture.h"
#include "explorer_state.h"
#include "graphics/graph.h"
#include "graphics/graph_window.h"
#include "graphics/window_input.h"
#include "platform/display.h"
#include "platform/kernel.h"
#include "runtime/errors.h"
#include "runtime/system.h"
#include "runtime/text_file.h"

namespace {

using Clock = std::chrono::steady_clock;

// parabola_drift shows each of its frames for 100 ms.
constexpr auto kAnimationFrame = std::chrono::milliseconds(100);

constexpr const char* kKeyHelp[] = {
    "Inversion explorer: move the circle of inversion and watch the image of the curve follow.",
    "  1 .. 6        curve: 1 parabola (PgUp, PgDn: its index I), 2 all 41 parabolas,",
    "                3 sine wave, 4 hyperbola, 5 line, 6 circle through chosen points",
    "  left drag     move the centre              arrow keys  move it by one pixel",
    "  right drag    change the radius            wheel       radius by 5 a notch",
    "  middle drag   move a chosen point          + and -     radius by one",
    "  Space         animate the parabolas        S           save the picture as PNG",
    "  R             start again                  Esc, Q      end (or close the window)",
};

void PrintKeyHelp() {
  for (const char* line : kKeyHelp) runtime::WriteLn(runtime::Output, line);
}

// The first explorer-NNN.png of the working folder that does not exist yet.
// When the folder cannot be looked into, the first name it stops at: the
// save then fails and says why, instead of the search going on for ever.
std::filesystem::path NextPictureName() {
  for (int number = 0;; ++number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    const std::filesystem::path name = "explorer-" + digits + ".png";
    std::error_code error;
    if (!std::filesystem::exists(name, error) || error) return std::filesystem::absolute(name, error);
  }
}

void SavePicture() {
  const std::filesystem::path path = NextPictureName();
  std::string error;
  if (win32::display::save_client_area(graph::MainWindow, path.string(), &error)) {
    runtime::WriteLn(runtime::Output, "Saved the picture as " + path.string());
  } else {
    runtime::WriteLn(runtime::Output, "Could not save the picture as " + path.string() + ": " + error);
  }
}

// How long to wait for input: until the animation's next frame is due, or
// for as long as it takes.
std::uint32_t WaitFor(const explorer::ExplorerState& state, Clock::time_point nextFrame) {
  if (!state.animating) return win32::INFINITE;
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(nextFrame - Clock::now()).count();
  return left > 0 ? static_cast<std::uint32_t>(left) : 0;
}

// Takes the input that WaitWindowEvent announced; what the program does next.
explorer::Reply TakeInput(explorer::ExplorerState& state, std::int16_t arrived) {
  if (arrived == graph::weKey) {
    explorer::Key key{false, graph::ReadWindowKey()};
    if (key.code == 0) key = explorer::Key{true, graph::ReadWindowKey()};
    return explorer::OnKey(state, key);
  }
  graph::MouseEventType event{};
  if (!graph::ReadMouseEvent(event)) return explorer::Reply::Nothing;
  return explorer::OnMouse(state, event);
}

void Explore() {
  explorer::ExplorerState state = explorer::StartState({graph::GetMaxX(), graph::GetMaxY()});
  explorer::DrawState(state);
  Clock::time_point nextFrame{};
  for (;;) {
    const std::int16_t arrived = graph::WaitWindowEvent(WaitFor(state, nextFrame));
    if (arrived == graph::weClosed) return;
    if (arrived == graph::weTimeout) {
      explorer::AdvanceAnimation(state);
      nextFrame += kAnimationFrame;
      explorer::DrawState(state);
      continue;
    }
    const bool wasAnimating = state.animating;
    switch (TakeInput(state, arrived)) {
      case explorer::Reply::Nothing:
        break;
      case explorer::Reply::Redraw:
        if (state.animating && !wasAnimating) nextFrame = Clock::now() + kAnimationFrame;
        explorer::DrawState(state);
        break;
      case explorer::Reply::Save:
        SavePicture();
        break;
      case explorer::Reply::Quit:
        return;
    }
  }
}

void ProgramBody() {
  runtime::InitializeUnits();
  graph::WindowTitle = "Inversion explorer";
  std::int16_t driver = graph::Detect;
  std::int16_t mode = 0;
  graph::InitGraph(driver, mode, graph::GraphString());
  if (graph::GraphResult != graph::grOk) {
    runtime::WriteLn(runtime::StdErr, "inversion_explorer: the graphics window could not be opened");
    runtime::Halt(1);
  }
  PrintKeyHelp();
  Explore();
  graph::CloseGraph();
}

}  // namespace

int main() { runtime::RunProgram(&ProgramBody); }
