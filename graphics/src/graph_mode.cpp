// Entering graphics mode: InitGraph, SetGraphMode and the drawing defaults
// that every successful mode set establishes.
#include "depth_drivers.h"
#include "graphics/graph.h"
#include "runtime/errors.h"

namespace graph {

namespace {

GraphString WithTrailingBackslash(const GraphString& path) {
  if (path.empty() || path.view().back() == '\\') return path;
  std::string_view text = path.view();
  char joined[GraphString::capacity() + 1];
  text.copy(joined, text.size());
  joined[text.size()] = '\\';
  return GraphString(std::string_view(joined, text.size() + 1));
}

// Installs the pixel and palette routines that every mode must provide;
// false when the record lacks one of them.
[[nodiscard]] bool InstallRequiredRoutines(const TModeInfo& mode) {
  if (mode.DirectPutPixel == nullptr || mode.PutPixel == nullptr || mode.GetPixel == nullptr ||
      mode.SetRGBPalette == nullptr || mode.GetRGBPalette == nullptr) {
    return false;
  }
  Hooks.DirectPutPixel = mode.DirectPutPixel;
  Hooks.PutPixel = mode.PutPixel;
  Hooks.GetPixel = mode.GetPixel;
  Hooks.SetRGBPalette = mode.SetRGBPalette;
  Hooks.GetRGBPalette = mode.GetRGBPalette;
  return true;
}

template <typename Proc>
void InstallIfPresent(Proc& slot, Proc routine) {
  if (routine != nullptr) slot = routine;
}

void InstallOptionalRoutines(const TModeInfo& mode) {
  InstallIfPresent(Hooks.ClearViewport, mode.ClearViewport);
  InstallIfPresent(Hooks.PutImage, mode.PutImage);
  InstallIfPresent(Hooks.GetImage, mode.GetImage);
  InstallIfPresent(Hooks.ImageSize, mode.ImageSize);
  InstallIfPresent(Hooks.GetScanLine, mode.GetScanLine);
  InstallIfPresent(Hooks.Line, mode.Line);
  InstallIfPresent(Hooks.InternalEllipse, mode.InternalEllipse);
  InstallIfPresent(Hooks.PatternLine, mode.PatternLine);
  InstallIfPresent(Hooks.HLine, mode.HLine);
  InstallIfPresent(Hooks.VLine, mode.VLine);
  InstallIfPresent(Hooks.SetVisualPage, mode.SetVisualPage);
  InstallIfPresent(Hooks.SetActivePage, mode.SetActivePage);
  InstallIfPresent(Hooks.OutTextXY, mode.OutTextXY);
}

void CopyModeValues(const TModeInfo& mode, std::int16_t lookupDriver) {
  IntCurrentMode = mode.Mode;
  IntCurrentDriver = lookupDriver;
  XAspect = mode.XAspect;
  YAspect = mode.YAspect;
  MaxX = static_cast<std::int16_t>(mode.MaxX);
  MaxY = static_cast<std::int16_t>(mode.MaxY);
  HardwarePages = mode.HardwarePages;
  MaxColor = mode.MaxColor;
  PaletteSize = mode.PaletteSize;
  DirectColor = mode.DirectColor;
}

}  // namespace

void InitGraph(std::int16_t& driver, std::int16_t& mode, const GraphString& path) {
  InitVars();
  GraphPath = WithTrailingBackslash(path);
  if (SaveVideoState == nullptr) runtime::RunError(runtime::RunErrorCode::GeneralProtectionFault);
  DriverName = "WIN32GUI";

  if (driver == Detect || mode == DetectMode) {
    InternDetectGraph(driver, mode, true);
    if (GraphResult == grNotDetected) return;
  } else {
    if (SearchMode(driver, mode) == nullptr) {
      GraphResult = grInvalidMode;
      return;
    }
    GraphResult = grOk;
  }

  IntCurrentDriver = driver;
  IntCurrentNewDriver = IsDepthDriver(driver) ? driver : -1;
  if (FirstCallOfInitGraph) {
    SaveVideoState();
    FirstCallOfInitGraph = false;
  }
  SetGraphMode(mode);
}

void SetGraphMode(std::int16_t mode) {
  std::int16_t lookupDriver = IntCurrentDriver;
  std::int16_t lookupMode = mode;
  if (mode == DetectMode) {
    lookupDriver = IntCurrentNewDriver;
    lookupMode = HighestModeRequest;
  } else if (mode >= FirstResolutionMode && mode <= LastResolutionMode) {
    lookupDriver = IntCurrentNewDriver;
  }
  const TModeInfo* record = SearchMode(lookupDriver, lookupMode);
  if (record == nullptr) {
    GraphResult = grInvalidMode;
    return;
  }

  DefaultHooks();
  if (!InstallRequiredRoutines(*record)) {
    DefaultHooks();
    GraphResult = grInvalidMode;
    return;
  }
  InstallOptionalRoutines(*record);
  CopyModeValues(*record, lookupDriver);

  if (record->InitRoutine == nullptr) {
    DefaultHooks();
    GraphResult = grInvalidMode;
    return;
  }
  // A code left non-zero before the call counts as failure too: only
  // InitGraph clears GraphResult before setting a mode.
  record->InitRoutine();
  if (GraphResult != grOk) {
    DefaultHooks();
    return;
  }

  IsGraphMode = true;
  SetActivePage(0);
  SetVisualPage(0);
  SetViewPort(0, 0, MaxX, MaxY, true);
  GraphDefaults();
}

void GraphDefaults() {
  LineInfo.LineStyle = SolidLn;
  LineInfo.Thickness = NormWidth;
  LinePatterns.fill(true);

  FillSettings.Color = GetMaxColor();
  FillSettings.Pattern = 1;
  FillPatternTable[12].fill(0xFF);

  CurrentColor = 15;

  ClipPixels = true;
  StartXViewPort = 0;
  StartYViewPort = 0;
  ViewWidth = MaxX;
  ViewHeight = MaxY;
  CurrentX = 0;
  CurrentY = 0;

  SetBkColor(0);
  CurrentWriteMode = CopyPut;
  CurrentTextInfo = TextSettingsType{.Font = 0, .Direction = 0, .CharSize = 1, .Horiz = 0, .Vert = 2};
  XAspect = 10000;
  YAspect = 10000;
}

void SetBkColor(std::uint16_t color) {
  ViewPortType saved{};
  GetViewSettings(saved);
  SetViewPort(0, 0, MaxX, MaxY, false);
  CurrentBkColor = color;
  if (!DirectColor && color < DefaultColors.size()) {
    const RGBRec& entry = DefaultColors[color];
    SetRGBPalette(0, entry.Red, entry.Green, entry.Blue);
  }
  SetViewPort(saved.x1, saved.y1, saved.x2, saved.y2, saved.Clip);
}

std::int16_t GetMaxX() { return MaxX; }
std::int16_t GetMaxY() { return MaxY; }
std::uint16_t GetMaxColor() { return static_cast<std::uint16_t>(MaxColor - 1); }

}  // namespace graph
