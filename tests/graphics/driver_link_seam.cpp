// A link seam, not a driver. The registry's mode records point at the window
// driver's routines by name; these definitions let the core be linked and
// tested without the driver. The mode initialisation succeeds without a
// window, page and palette calls do nothing, and drawing through a WIN32GUI
// mode here is a mistake in a test, so it aborts loudly. CloseGraph leaves
// graphics mode and says so on standard output, where the subprocess tests
// see it beside the run-time error report.
#include "driver_link_seam.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "win32gui/win32gui.h"

namespace graph {

namespace {

[[noreturn]] void NoWindowInTests(const char* routine) {
  std::fprintf(stderr, "%s called in a test without a window\n", routine);
  std::abort();
}

}  // namespace

const std::array<RGBRec, 256> DefaultColors = {{
    {0, 0, 0}, {0, 0, 168}, {0, 168, 0}, {0, 168, 168},
    {168, 0, 0}, {168, 0, 168}, {168, 84, 0}, {168, 168, 168},
    {84, 84, 84}, {84, 84, 252}, {84, 252, 84}, {84, 252, 252},
    {252, 84, 84}, {252, 84, 252}, {252, 252, 84}, {252, 252, 252},
}};

void InitWin32GUI16Colors() { ++testing::InitWin32GUICalls; }

void CloseGraph() {
  if (!IsGraphMode) {
    GraphResult = grNoInitGraph;
    return;
  }
  IsGraphMode = false;
  ++testing::CloseGraphCalls;
  static constexpr char kLine[] = "CloseGraph\n";
  (void)!::write(STDOUT_FILENO, kLine, sizeof kLine - 1);
}

void DirectPutPixel16Win32GUI(std::int16_t, std::int16_t) { NoWindowInTests("DirectPutPixel"); }
void PutPixel16Win32GUI(std::int16_t, std::int16_t, std::uint16_t) { NoWindowInTests("PutPixel"); }
std::uint16_t GetPixel16Win32GUI(std::int16_t, std::int16_t) { NoWindowInTests("GetPixel"); }
void HLine16Win32GUI(std::int16_t, std::int16_t, std::int16_t) { NoWindowInTests("HLine"); }
void VLine16Win32GUI(std::int16_t, std::int16_t, std::int16_t) { NoWindowInTests("VLine"); }
void GetScanLineWin32GUI(std::int16_t, std::int16_t, std::int16_t, void*) {
  NoWindowInTests("GetScanLine");
}
void SetRGBPaletteWin32GUI(std::int16_t, std::int16_t, std::int16_t, std::int16_t) {}
void GetRGBPaletteWin32GUI(std::int16_t, std::int16_t& red, std::int16_t& green,
                           std::int16_t& blue) {
  red = green = blue = 0;
}
void SetVisualWin32GUI(std::uint16_t) {}
void SetActiveWin32GUI(std::uint16_t) {}
void PutImageWin32GUI(std::int16_t, std::int16_t, const void*, std::uint16_t) {
  NoWindowInTests("PutImage");
}
void OutTextXYWin32GUI(std::int16_t, std::int16_t, const GraphString&) {
  NoWindowInTests("OutTextXY");
}

int testing::InitWin32GUICalls = 0;
int testing::CloseGraphCalls = 0;

}  // namespace graph
