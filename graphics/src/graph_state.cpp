// The graphics library's process-wide state: every variable of the library
// with its width and its value at program start. The window driver keeps its
// own variables (GraphRunning, MainWindow, WinDC, ...) in its own files.
#include "default_hooks.h"
#include "graphics/graph.h"

namespace graph {

std::int16_t GraphResult = grOk;
bool IsGraphMode = false;
GraphString DriverName;
std::int16_t IntCurrentDriver = 0;
std::int16_t IntCurrentNewDriver = 0;
std::int16_t IntCurrentMode = 0;
std::int16_t MaxX = 0;
std::int16_t MaxY = 0;
std::int32_t MaxColor = 0;
std::int32_t PaletteSize = 0;
bool DirectColor = false;
std::uint8_t HardwarePages = 0;
std::uint16_t XAspect = 0;
std::uint16_t YAspect = 0;
std::uint16_t CurrentColor = 0;
std::uint16_t CurrentBkColor = 0;
std::uint16_t CurrentWriteMode = 0;
LineSettingsType LineInfo{};
FillSettingsType FillSettings{};
TextSettingsType CurrentTextInfo{};
std::int16_t CurrentX = 0;
std::int16_t CurrentY = 0;
std::int16_t StartXViewPort = 0;
std::int16_t StartYViewPort = 0;
std::int16_t ViewWidth = 0;
std::int16_t ViewHeight = 0;
bool ClipPixels = false;
ArcCoordsType ArcCall{};
TModeInfo* ModeList = nullptr;
namespace {
constexpr TNewModeList EmptyNewModeList() {
  TNewModeList lists{};
  for (ModeRange& range : lists.Ranges) range = ModeRange{-1, -1};
  return lists;
}
}  // namespace
TNewModeList NewModeList = EmptyNewModeList();
bool FirstCallOfInitGraph = true;
GraphString GraphPath;
runtime::ProcedurePtr ExitSave = nullptr;
std::int32_t InstalledFonts = 0;
std::array<FontRec, MaxFonts + 1> Fonts{};

std::array<bool, 16> LinePatterns = {true, true, true, true, true, true, true, true,
                                     true, true, true, true, true, true, true, true};

std::array<FillPattern, 13> FillPatternTable = {{
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // empty
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},  // solid
    {0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00},  // horizontal bands
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // thin diagonals
    {0x07, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xC1, 0x83},  // thick diagonals
    {0x07, 0x83, 0xC1, 0xE0, 0x70, 0x38, 0x1C, 0x0E},  // thick diagonals, other way
    {0x5A, 0x2D, 0x96, 0x4B, 0xA5, 0xD2, 0x69, 0xB4},  // interleaved thin diagonals
    {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88},  // square hatch
    {0x18, 0x24, 0x42, 0x81, 0x81, 0x42, 0x24, 0x18},  // diamond cross-hatch
    {0xCC, 0x33, 0xCC, 0x33, 0xCC, 0x33, 0xCC, 0x33},  // interleaved dots
    {0x80, 0x00, 0x08, 0x00, 0x80, 0x00, 0x08, 0x00},  // widely spaced dots
    {0x88, 0x00, 0x22, 0x00, 0x88, 0x00, 0x22, 0x00},  // closely spaced dots
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // user pattern
}};

// The defaults from the start, so that drawing before the first InitGraph
// ends the program with a clear line instead of calling through null slots.
HooksTable Hooks = kDefaultHooks;
VideoStateProc SaveVideoState = nullptr;
VideoStateProc RestoreVideoState = nullptr;

}  // namespace graph
