// The library's initialisation, its exit procedure, and the resets that
// InitGraph and a failed mode set perform.
#include "graphics/graph.h"
#include "runtime/system.h"

namespace graph {

namespace {

// The stroked fonts registered at start-up, as fonts 1 to 10.
constexpr std::array<const char*, 10> kStrokedFontNames = {
    "TRIP", "LITT", "SANS", "GOTH", "SCRI", "SIMP", "TSCR", "LCOM", "EURO", "BOLD"};

}  // namespace

void SaveState() {}
void RestoreState() {}

void DefaultHooks() {
  Hooks.DirectPutPixel = &DirectPutPixelDefault;
  Hooks.PutPixel = &PutPixelDefault;
  Hooks.GetPixel = &GetPixelDefault;
  Hooks.SetRGBPalette = &SetRGBPaletteDefault;
  Hooks.GetRGBPalette = &GetRGBPaletteDefault;
  Hooks.SetActivePage = &SetActivePageDefault;
  Hooks.SetVisualPage = &SetVisualPageDefault;
  Hooks.ClearViewport = &ClearViewportDefault;
  Hooks.PutImage = &DefaultPutImage;
  Hooks.GetImage = &DefaultGetImage;
  Hooks.ImageSize = &DefaultImageSize;
  Hooks.GetScanLine = &GetScanLineDefault;
  Hooks.Line = &LineDefault;
  Hooks.InternalEllipse = &InternalEllipseDefault;
  Hooks.PatternLine = &PatternLineDefault;
  Hooks.HLine = &HLineDefault;
  Hooks.VLine = &VLineDefault;
  Hooks.OutTextXY = &OutTextXYDefault;
  Hooks.Circle = &CircleDefault;
}

void InitVars() {
  ArcCall = ArcCoordsType{};
  IntCurrentMode = 0;
  IntCurrentDriver = 0;
  IntCurrentNewDriver = 0;
  XAspect = 0;
  YAspect = 0;
  MaxX = 0;
  MaxY = 0;
  MaxColor = 0;
  PaletteSize = 0;
  DirectColor = false;
  HardwarePages = 0;
  DefaultHooks();
}

void InitializeGraph() {
  IsGraphMode = false;
  ModeList = nullptr;
  for (int d = FirstDepthDriver; d <= LastDepthDriver; ++d) {
    NewModeList.Heads[d] = nullptr;
    NewModeList.Ranges[d] = ModeRange{-1, -1};
  }
  SaveVideoState = nullptr;
  RestoreVideoState = nullptr;
  (void)QueryAdapterInfo();

  InstalledFonts = 0;
  for (const char* name : kStrokedFontNames) (void)InstallUserFont(name);

  ExitSave = runtime::ExitProc;
  runtime::ExitProc = &GraphExitProc;

  // Drawing before the first InitGraph reaches the stopping defaults, which
  // end the program with a clear line, instead of calling through null slots.
  // CharMessageHandler starts null in the driver's state and nothing sets it
  // before this point.
  DefaultHooks();
}

void GraphExitProc() {
  runtime::ExitProc = ExitSave;
  const bool endingByError = runtime::ErrorCode != 0 || runtime::ErrorAddr != nullptr;
  if (IsGraphMode && endingByError) CloseGraph();
  FreeFontData();
  FreeModeRegistry();
}

}  // namespace graph
