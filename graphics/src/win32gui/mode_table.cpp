// The modes of the WIN32GUI driver and QueryAdapterInfo, which adds them to
// the registry once per process from the size of the screen.
#include "win32gui/mode_table.h"

#include <array>

#include "graphics/graph.h"
#include "platform/system_metrics.h"
#include "win32gui/win32gui.h"

namespace graph {

namespace {

// How a row of the table takes its size: a fixed resolution, listed when the
// largest framed window can hold it, or one of the window-sized modes that
// are always listed.
enum class ModeSize : std::uint8_t { Fixed, LargestWindow, MaximizedWindow };

struct ModeRow {
  std::int16_t Driver;
  std::int16_t Mode;
  const char* Name;
  ModeSize Size;
  std::int32_t Width;  // fixed modes only
  std::int32_t Height;
  std::int32_t Colors;
};

constexpr std::array<ModeRow, 15> kModeRows = {{
    {9, 2, "640 x 480 x 16 Win32GUI", ModeSize::Fixed, 640, 480, 16},
    {9, 0, "640 x 200 x 16 Win32GUI", ModeSize::Fixed, 640, 200, 16},
    {9, 1, "640 x 350 x 16 Win32GUI", ModeSize::Fixed, 640, 350, 16},
    {10, 256, "640 x 400 x 256 Win32GUI", ModeSize::Fixed, 640, 400, 256},
    {10, 257, "640 x 480 x 256 Win32GUI", ModeSize::Fixed, 640, 480, 256},
    {10, 258, "800 x 600 x 16 Win32GUI", ModeSize::Fixed, 800, 600, 16},
    {10, 259, "800 x 600 x 256 Win32GUI", ModeSize::Fixed, 800, 600, 256},
    {10, 260, "1024 x 768 x 16 Win32GUI", ModeSize::Fixed, 1024, 768, 16},
    {10, 261, "1024 x 768 x 256 Win32GUI", ModeSize::Fixed, 1024, 768, 256},
    {10, 262, "1280 x 1024 x 16 Win32GUI", ModeSize::Fixed, 1280, 1024, 16},
    {10, 263, "1280 x 1024 x 256 Win32GUI", ModeSize::Fixed, 1280, 1024, 256},
    {10, 240, "Largest Window x 16", ModeSize::LargestWindow, 0, 0, 16},
    {10, 241, "Largest Window x 256", ModeSize::LargestWindow, 0, 0, 256},
    {10, 245, "Maximized Window x 16", ModeSize::MaximizedWindow, 0, 0, 16},
    {10, 246, "Maximized Window x 256", ModeSize::MaximizedWindow, 0, 0, 256},
}};

// Every mode of the driver uses the same routines, whatever its colours.
void SetupWin32GUIDefault(TModeInfo& mode) {
  mode.DirectPutPixel = &DirectPutPixel16Win32GUI;
  mode.PutPixel = &PutPixel16Win32GUI;
  mode.GetPixel = &GetPixel16Win32GUI;
  mode.SetRGBPalette = &SetRGBPaletteWin32GUI;
  mode.GetRGBPalette = &GetRGBPaletteWin32GUI;
  mode.SetVisualPage = &SetVisualWin32GUI;
  mode.SetActivePage = &SetActiveWin32GUI;
  mode.ClearViewport = &ClearViewportWin32GUI;
  mode.PutImage = &PutImageWin32GUI;
  mode.GetScanLine = &GetScanLineWin32GUI;
  mode.HLine = &HLine16Win32GUI;
  mode.VLine = &VLine16Win32GUI;
  mode.InitRoutine = &InitWin32GUI16Colors;
  mode.OutTextXY = &OutTextXYWin32GUI;
}

}  // namespace

ScreenMetrics ReadScreenMetrics() {
  const std::int32_t screenWidth = win32::GetSystemMetrics(win32::SM_CXSCREEN);
  const std::int32_t screenHeight = win32::GetSystemMetrics(win32::SM_CYSCREEN);
  const std::int32_t frameWidth = win32::GetSystemMetrics(win32::SM_CXFRAME);
  const std::int32_t frameHeight = win32::GetSystemMetrics(win32::SM_CYFRAME);
  const std::int32_t captionHeight = win32::GetSystemMetrics(win32::SM_CYCAPTION);
  return ScreenMetrics{
      .W = screenWidth - 2 * frameWidth,
      .H = screenHeight - 2 * frameHeight - captionHeight,
      .FW = win32::GetSystemMetrics(win32::SM_CXFULLSCREEN),
      .FH = win32::GetSystemMetrics(win32::SM_CYFULLSCREEN),
  };
}

void AddWin32GUIModes(const ScreenMetrics& metrics) {
  for (const ModeRow& row : kModeRows) {
    std::int32_t width = row.Width;
    std::int32_t height = row.Height;
    if (row.Size == ModeSize::LargestWindow) {
      width = metrics.W;
      height = metrics.H;
    } else if (row.Size == ModeSize::MaximizedWindow) {
      width = metrics.FW;
      height = metrics.FH;
    } else if (metrics.W < row.Width || metrics.H < row.Height) {
      continue;
    }
    // A screen that reports no usable size offers no window-sized mode
    // rather than one whose largest column or row leaves the 16-bit range.
    if (width < 1 || height < 1 || width > 32768 || height > 32768) continue;
    TModeInfo mode;
    InitMode(mode);
    mode.Driver = row.Driver;
    mode.HardwarePages = 0;
    mode.Mode = row.Mode;
    mode.Name = ModeName(row.Name);
    mode.MaxColor = row.Colors;
    mode.PaletteSize = row.Colors;
    mode.DirectColor = false;
    mode.MaxX = static_cast<std::uint16_t>(width - 1);
    mode.MaxY = static_cast<std::uint16_t>(height - 1);
    SetupWin32GUIDefault(mode);
    mode.XAspect = 10000;
    mode.YAspect = 10000;
    AddMode(mode);
  }
}

TModeInfo* QueryAdapterInfo() {
  TModeInfo* const listOnEntry = ModeList;
  SaveVideoState = &SaveState;
  RestoreVideoState = &RestoreState;
  const ScreenMetrics metrics = ReadScreenMetrics();
  if (ModeList != nullptr) return listOnEntry;
  AddWin32GUIModes(metrics);
  return listOnEntry;
}

}  // namespace graph
