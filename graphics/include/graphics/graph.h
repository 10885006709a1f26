// The graphics library: its process-wide state, the hooks table through which
// every drawing operation reaches the driver, the mode registry and the
// public routines. Coordinates are 16-bit signed screen pixels, colours
// 16-bit unsigned palette indexes.
//
// Calling order of a program: DetectGraph (optional), InitGraph, test
// GraphResult, draw through the hooks table and the routines below,
// CloseGraph. Including this header registers the library's initialisation
// as the fifth entry of the runtime's library table.
#pragma once

#include <array>
#include <cstdint>

#include "runtime/colours.h"
#include "runtime/short_string.h"
#include "runtime/system.h"

namespace graph {

// ---------------------------------------------------------------------------
// Result codes (GraphResult)

inline constexpr std::int16_t grOk = 0;
inline constexpr std::int16_t grNoInitGraph = -1;
inline constexpr std::int16_t grNotDetected = -2;
inline constexpr std::int16_t grInvalidMode = -10;
inline constexpr std::int16_t grError = -11;

// ---------------------------------------------------------------------------
// Driver and mode numbers

inline constexpr std::int16_t Detect = 0;             // InitGraph: detect the driver
inline constexpr std::int16_t DetectMode = 30000;     // detect / highest mode of the depth driver
inline constexpr std::int16_t FirstResolutionMode = 30001;
inline constexpr std::int16_t LastResolutionMode = 30015;
inline constexpr std::int16_t LowestModeRequest = -32768;   // SearchMode: lowest mode of a driver
inline constexpr std::int16_t HighestModeRequest = -32767;  // SearchMode: highest mode of a driver
inline constexpr std::int16_t FirstDepthDriver = 11;  // colour-depth drivers 11 .. 21
inline constexpr std::int16_t LastDepthDriver = 21;
inline constexpr std::int16_t NoDepthDriver = 32767;  // Res2Mode: colour count without a driver
inline constexpr std::int16_t NoResolutionMode = 32767;

// ---------------------------------------------------------------------------
// Short strings used by the library

using GraphString = runtime::ShortString<255>;  // paths, driver name, text
using ModeName = runtime::ShortString<18>;      // TModeInfo::Name
using FontName = runtime::ShortString<8>;       // Fonts[i].Name

// ---------------------------------------------------------------------------
// Hook routine types

using DirectPutPixelProc = void (*)(std::int16_t x, std::int16_t y);
using PutPixelProc = void (*)(std::int16_t x, std::int16_t y, std::uint16_t color);
using GetPixelProc = std::uint16_t (*)(std::int16_t x, std::int16_t y);
using SetRGBPaletteProc = void (*)(std::int16_t color, std::int16_t red, std::int16_t green,
                                   std::int16_t blue);
using GetRGBPaletteProc = void (*)(std::int16_t color, std::int16_t& red, std::int16_t& green,
                                   std::int16_t& blue);
using SetPageProc = void (*)(std::uint16_t page);
using ClearViewportProc = void (*)();
using PutImageProc = void (*)(std::int16_t x, std::int16_t y, const void* block,
                              std::uint16_t operation);
using GetImageProc = void (*)(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
                              void* block);
using ImageSizeProc = std::int32_t (*)(std::int16_t x1, std::int16_t y1, std::int16_t x2,
                                       std::int16_t y2);
using GetScanLineProc = void (*)(std::int16_t x1, std::int16_t x2, std::int16_t y, void* data);
using LineProc = void (*)(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
using PatternLineProc = void (*)(std::int16_t x1, std::int16_t x2, std::int16_t y);
using InternalEllipseProc = void (*)(std::int16_t x, std::int16_t y, std::uint16_t xRadius,
                                     std::uint16_t yRadius, std::uint16_t startAngle,
                                     std::uint16_t endAngle, PatternLineProc span);
using HLineProc = void (*)(std::int16_t x1, std::int16_t x2, std::int16_t y);
using VLineProc = void (*)(std::int16_t x, std::int16_t y1, std::int16_t y2);
using OutTextXYProc = void (*)(std::int16_t x, std::int16_t y, const GraphString& text);
using CircleProc = void (*)(std::int16_t x, std::int16_t y, std::uint16_t radius);
using InitRoutineProc = void (*)();
using VideoStateProc = void (*)();

// The hooks table: one slot per drawing operation. DefaultHooks fills every
// slot with the device-independent routine; SetGraphMode then installs the
// routines that the chosen mode record provides.
struct HooksTable {
  DirectPutPixelProc DirectPutPixel;
  PutPixelProc PutPixel;
  GetPixelProc GetPixel;
  SetRGBPaletteProc SetRGBPalette;
  GetRGBPaletteProc GetRGBPalette;
  SetPageProc SetActivePage;
  SetPageProc SetVisualPage;
  ClearViewportProc ClearViewport;
  PutImageProc PutImage;
  GetImageProc GetImage;
  ImageSizeProc ImageSize;
  GetScanLineProc GetScanLine;
  LineProc Line;
  InternalEllipseProc InternalEllipse;
  PatternLineProc PatternLine;
  HLineProc HLine;
  VLineProc VLine;
  OutTextXYProc OutTextXY;
  CircleProc Circle;
};

// ---------------------------------------------------------------------------
// Records

// A display mode offered by the driver; AddMode copies it into the registry.
struct TModeInfo {
  std::int16_t Driver;
  std::int16_t Mode;
  std::int16_t DepthMode;
  std::int32_t MaxColor;
  std::int32_t PaletteSize;
  std::uint16_t XAspect;
  std::uint16_t YAspect;
  std::uint16_t MaxX;
  std::uint16_t MaxY;
  bool DirectColor;
  std::uint8_t HardwarePages;
  ModeName Name;
  DirectPutPixelProc DirectPutPixel;
  GetPixelProc GetPixel;
  PutPixelProc PutPixel;
  SetRGBPaletteProc SetRGBPalette;
  GetRGBPaletteProc GetRGBPalette;
  SetPageProc SetVisualPage;
  SetPageProc SetActivePage;
  ClearViewportProc ClearViewport;
  PutImageProc PutImage;
  GetImageProc GetImage;
  ImageSizeProc ImageSize;
  GetScanLineProc GetScanLine;
  LineProc Line;
  InternalEllipseProc InternalEllipse;
  PatternLineProc PatternLine;
  HLineProc HLine;
  VLineProc VLine;
  InitRoutineProc InitRoutine;
  OutTextXYProc OutTextXY;
  TModeInfo* Next;
};

// The colour-depth lists of the registry, one per driver 11 .. 21.
struct ModeRange {
  std::int16_t Low;
  std::int16_t High;
};
struct TNewModeList {
  std::array<TModeInfo*, LastDepthDriver + 1> Heads;  // index 11 .. 21 used
  std::array<ModeRange, LastDepthDriver + 1> Ranges;
};

struct ViewPortType {
  std::int16_t x1;
  std::int16_t y1;
  std::int16_t x2;
  std::int16_t y2;
  bool Clip;
};

struct LineSettingsType {
  std::uint16_t LineStyle;
  std::uint16_t Pattern;
  std::uint16_t Thickness;
};

struct FillSettingsType {
  std::uint16_t Pattern;
  std::uint16_t Color;
};

struct TextSettingsType {
  std::uint16_t Font;
  std::uint16_t Direction;
  std::uint16_t CharSize;
  std::uint16_t Horiz;
  std::uint16_t Vert;
};

struct ArcCoordsType {
  std::int16_t X;
  std::int16_t Y;
  std::int16_t XStart;
  std::int16_t YStart;
  std::int16_t XEnd;
  std::int16_t YEnd;
};

struct RGBRec {
  std::int16_t Red;
  std::int16_t Green;
  std::int16_t Blue;
};

// The part of a stroked font's header that the text routines read.
struct FontHeader {
  std::int16_t NrChars;
  std::uint8_t FirstChar;
  std::int8_t OrgToCap;
  std::int8_t OrgToDec;
};

struct FontRec {
  FontName Name;
  FontHeader Header;
  std::array<std::int16_t, 256> Offsets;
  std::array<std::uint8_t, 256> Widths;
  std::int32_t DataSize;
  std::uint8_t* Data;  // stroke data, null while none is loaded
};

inline constexpr int MaxFonts = 16;
using FillPattern = std::array<std::uint8_t, 8>;

// Line styles and write modes.
inline constexpr std::uint16_t SolidLn = 0;
inline constexpr std::uint16_t DottedLn = 1;
inline constexpr std::uint16_t CenterLn = 2;
inline constexpr std::uint16_t DashedLn = 3;
inline constexpr std::uint16_t UserBitLn = 4;
inline constexpr std::uint16_t NormWidth = 1;
inline constexpr std::uint16_t ThickWidth = 3;
inline constexpr std::uint16_t CopyPut = 0;
inline constexpr std::uint16_t XORPut = 1;
inline constexpr std::uint16_t OrPut = 2;
inline constexpr std::uint16_t AndPut = 3;
inline constexpr std::uint16_t NotPut = 4;

// The 16 standard colours (Black ... White), the first entries of
// DefaultColors: the names the console library uses too.
using namespace runtime::colours;

// Fill patterns: the rows of FillPatternTable.
inline constexpr std::uint16_t EmptyFill = 0;       // background colour only
inline constexpr std::uint16_t SolidFill = 1;
inline constexpr std::uint16_t LineFill = 2;        // horizontal bands
inline constexpr std::uint16_t LtSlashFill = 3;     // thin diagonals
inline constexpr std::uint16_t SlashFill = 4;       // thick diagonals
inline constexpr std::uint16_t BkSlashFill = 5;     // thick diagonals, other way
inline constexpr std::uint16_t LtBkSlashFill = 6;   // thin diagonals, other way
inline constexpr std::uint16_t HatchFill = 7;       // square hatch
inline constexpr std::uint16_t XHatchFill = 8;      // diamond cross-hatch
inline constexpr std::uint16_t InterleaveFill = 9;  // interleaved dots
inline constexpr std::uint16_t WideDotFill = 10;
inline constexpr std::uint16_t CloseDotFill = 11;
inline constexpr std::uint16_t UserFill = 12;       // the pattern of SetFillPattern

// A vertex of DrawPoly and FillPoly, viewport-relative.
struct PointType {
  std::int16_t X;
  std::int16_t Y;
};

// A palette as default colour numbers: entry i of the palette shows default
// colour Colors[i]. Size is the number of entries in use (PaletteSize); -1
// marks an entry that SetAllPalette leaves alone, or that GetPalette found
// holding a colour that is none of the default ones.
inline constexpr int MaxPaletteEntries = 256;
struct PaletteType {
  std::uint16_t Size;
  std::array<std::int16_t, MaxPaletteEntries> Colors;
};

// ---------------------------------------------------------------------------
// Library state (defined in graph_state.cpp)

extern std::int16_t GraphResult;
extern bool IsGraphMode;
extern GraphString DriverName;
extern std::int16_t IntCurrentDriver;
extern std::int16_t IntCurrentNewDriver;
extern std::int16_t IntCurrentMode;
extern std::int16_t MaxX;
extern std::int16_t MaxY;
extern std::int32_t MaxColor;
extern std::int32_t PaletteSize;
extern bool DirectColor;
extern std::uint8_t HardwarePages;
extern std::uint16_t XAspect;
extern std::uint16_t YAspect;
extern std::uint16_t CurrentColor;
extern std::uint16_t CurrentBkColor;
extern std::uint16_t CurrentWriteMode;
extern LineSettingsType LineInfo;
extern FillSettingsType FillSettings;
extern TextSettingsType CurrentTextInfo;
extern std::int16_t CurrentX;
extern std::int16_t CurrentY;
extern std::int16_t StartXViewPort;
extern std::int16_t StartYViewPort;
extern std::int16_t ViewWidth;
extern std::int16_t ViewHeight;
extern bool ClipPixels;
extern ArcCoordsType ArcCall;
extern TModeInfo* ModeList;
extern TNewModeList NewModeList;
extern bool FirstCallOfInitGraph;
extern GraphString GraphPath;  // the InitGraph path, kept with a trailing backslash
extern runtime::ProcedurePtr ExitSave;
extern std::int32_t InstalledFonts;
extern std::array<FontRec, MaxFonts + 1> Fonts;  // entries 1 .. 16 used
extern std::array<bool, 16> LinePatterns;
extern std::array<FillPattern, 13> FillPatternTable;
extern const std::array<RGBRec, 256> DefaultColors;  // every new palette's colours

extern HooksTable Hooks;
extern VideoStateProc SaveVideoState;
extern VideoStateProc RestoreVideoState;

// The line that the stopping defaults write to StdErr before Halt(1).
inline constexpr const char* NotInGraphicsModeMessage =
    "Error: Not in graphics mode (use InitGraph and test GraphResult afterwards)";

// ---------------------------------------------------------------------------
// Public routines

void DetectGraph(std::int16_t& driver, std::int16_t& mode);
void InitGraph(std::int16_t& driver, std::int16_t& mode, const GraphString& path);
void SetGraphMode(std::int16_t mode);
[[nodiscard]] std::int16_t GetMaxX();
[[nodiscard]] std::int16_t GetMaxY();
[[nodiscard]] std::uint16_t GetMaxColor();
void SetBkColor(std::uint16_t color);
void GetModeRange(std::int16_t driver, std::int16_t& low, std::int16_t& high);
void CloseGraph();  // supplied by the driver

void SetViewPort(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, bool clip);
void GetViewSettings(ViewPortType& viewport);
void ClearDevice();

void SetLineStyle(std::uint16_t lineStyle, std::uint16_t pattern, std::uint16_t thickness);
void GetLineSettings(LineSettingsType& settings);

// Colour, write mode and the current position (CurrentX, CurrentY). LineTo
// and LineRel draw with the line settings and move the position; Line
// leaves it where it is.
void SetColor(std::uint16_t color);
[[nodiscard]] std::uint16_t GetColor();
[[nodiscard]] std::uint16_t GetBkColor();
void SetWriteMode(std::uint16_t mode);
void MoveTo(std::int16_t x, std::int16_t y);
void MoveRel(std::int16_t dx, std::int16_t dy);
void LineTo(std::int16_t x, std::int16_t y);
void LineRel(std::int16_t dx, std::int16_t dy);
[[nodiscard]] std::int16_t GetX();
[[nodiscard]] std::int16_t GetY();

// Outlines, in the current colour with the line settings. Arcs and ellipses
// run counter-clockwise from the smaller angle to the larger (degrees, 0 at
// three o'clock) and leave their centre and end points in ArcCall.
void Rectangle(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
void DrawPoly(std::uint16_t numPoints, const PointType* polyPoints);
void Arc(std::int16_t x, std::int16_t y, std::uint16_t startAngle, std::uint16_t endAngle,
         std::uint16_t radius);
void Ellipse(std::int16_t x, std::int16_t y, std::uint16_t startAngle, std::uint16_t endAngle,
             std::uint16_t xRadius, std::uint16_t yRadius);
void GetArcCoords(ArcCoordsType& arcCoords);

// Filled shapes, in the fill pattern and fill colour (FillSettings), clipped
// to the viewport.
void SetFillStyle(std::uint16_t pattern, std::uint16_t color);
void SetFillPattern(const FillPattern& pattern, std::uint16_t color);
void GetFillSettings(FillSettingsType& fillInfo);
void GetFillPattern(FillPattern& pattern);
void Bar(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
void Bar3D(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
           std::uint16_t depth, bool top);
void FillPoly(std::uint16_t numPoints, const PointType* polyPoints);
void FillEllipse(std::int16_t x, std::int16_t y, std::uint16_t xRadius, std::uint16_t yRadius);
void PieSlice(std::int16_t x, std::int16_t y, std::uint16_t startAngle, std::uint16_t endAngle,
              std::uint16_t radius);
void Sector(std::int16_t x, std::int16_t y, std::uint16_t startAngle, std::uint16_t endAngle,
            std::uint16_t xRadius, std::uint16_t yRadius);
void FloodFill(std::int16_t x, std::int16_t y, std::uint16_t border);
void SetAspectRatio(std::uint16_t xAspect, std::uint16_t yAspect);
void GetAspectRatio(std::uint16_t& xAspect, std::uint16_t& yAspect);

// Palettes by default colour numbers, and what the library can say about
// itself.
[[nodiscard]] std::int16_t GetPaletteSize();
void GetDefaultPalette(PaletteType& palette);
void GetPalette(PaletteType& palette);
void SetPalette(std::uint16_t colorNum, std::int16_t color);
void SetAllPalette(const PaletteType& palette);
[[nodiscard]] GraphString GraphErrorMsg(std::int16_t errorCode);
[[nodiscard]] GraphString GetDriverName();
[[nodiscard]] GraphString GetModeName(std::int16_t modeNumber);
[[nodiscard]] std::int16_t GetGraphMode();
[[nodiscard]] std::int16_t GetMaxMode();

std::int16_t InstallUserFont(const GraphString& name);
void FreeFontData();  // at exit: releases the stroke data of every registered font

// The hooks-table slots, called by their names.
inline void DirectPutPixel(std::int16_t x, std::int16_t y) { Hooks.DirectPutPixel(x, y); }
inline void PutPixel(std::int16_t x, std::int16_t y, std::uint16_t color) {
  Hooks.PutPixel(x, y, color);
}
[[nodiscard]] inline std::uint16_t GetPixel(std::int16_t x, std::int16_t y) {
  return Hooks.GetPixel(x, y);
}
inline void SetRGBPalette(std::int16_t color, std::int16_t red, std::int16_t green,
                          std::int16_t blue) {
  Hooks.SetRGBPalette(color, red, green, blue);
}
inline void GetRGBPalette(std::int16_t color, std::int16_t& red, std::int16_t& green,
                          std::int16_t& blue) {
  Hooks.GetRGBPalette(color, red, green, blue);
}
inline void SetActivePage(std::uint16_t page) { Hooks.SetActivePage(page); }
inline void SetVisualPage(std::uint16_t page) { Hooks.SetVisualPage(page); }
inline void ClearViewport() { Hooks.ClearViewport(); }
inline void PutImage(std::int16_t x, std::int16_t y, const void* block, std::uint16_t operation) {
  Hooks.PutImage(x, y, block, operation);
}
inline void GetImage(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
                     void* block) {
  Hooks.GetImage(x1, y1, x2, y2, block);
}
[[nodiscard]] inline std::int32_t ImageSize(std::int16_t x1, std::int16_t y1, std::int16_t x2,
                                            std::int16_t y2) {
  return Hooks.ImageSize(x1, y1, x2, y2);
}
inline void GetScanLine(std::int16_t x1, std::int16_t x2, std::int16_t y, void* data) {
  Hooks.GetScanLine(x1, x2, y, data);
}
inline void Line(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  Hooks.Line(x1, y1, x2, y2);
}
inline void InternalEllipse(std::int16_t x, std::int16_t y, std::uint16_t xRadius,
                            std::uint16_t yRadius, std::uint16_t startAngle,
                            std::uint16_t endAngle, PatternLineProc span) {
  Hooks.InternalEllipse(x, y, xRadius, yRadius, startAngle, endAngle, span);
}
inline void PatternLine(std::int16_t x1, std::int16_t x2, std::int16_t y) {
  Hooks.PatternLine(x1, x2, y);
}
inline void HLine(std::int16_t x1, std::int16_t x2, std::int16_t y) { Hooks.HLine(x1, x2, y); }
inline void VLine(std::int16_t x, std::int16_t y1, std::int16_t y2) { Hooks.VLine(x, y1, y2); }
inline void OutTextXY(std::int16_t x, std::int16_t y, const GraphString& text) {
  Hooks.OutTextXY(x, y, text);
}
inline void Circle(std::int16_t x, std::int16_t y, std::uint16_t radius) {
  Hooks.Circle(x, y, radius);
}

// ---------------------------------------------------------------------------
// Library internals shared by its parts and the driver

void InitializeGraph();
void GraphExitProc();
void InitVars();
void DefaultHooks();
void GraphDefaults();
void SaveState();
void RestoreState();

// Mode registry and detection.
void InitMode(TModeInfo& mode);
void AddMode(const TModeInfo& mode);
void Res2Mode(std::int32_t width, std::int32_t height, std::int32_t colors, std::int16_t& driver,
              std::int16_t& mode);
[[nodiscard]] bool Mode2Res(std::int16_t mode, std::int32_t& width, std::int32_t& height);
[[nodiscard]] TModeInfo* SearchMode(std::int16_t driver, std::int16_t& mode);
void InternDetectGraph(std::int16_t& driver, std::int16_t& mode, bool calledFromInitGraph);
TModeInfo* QueryAdapterInfo();  // supplied by the driver: adds its modes
void FreeModeRegistry();

// Viewport, clipping and the default hook routines.
void DirectPutPixelClip(std::int16_t x, std::int16_t y);
[[nodiscard]] bool LineClipped(std::int16_t& x1, std::int16_t& y1, std::int16_t& x2,
                               std::int16_t& y2, std::int16_t xmin, std::int16_t ymin,
                               std::int16_t xmax, std::int16_t ymax);
void DirectPutPixelDefault(std::int16_t x, std::int16_t y);
void PutPixelDefault(std::int16_t x, std::int16_t y, std::uint16_t color);
std::uint16_t GetPixelDefault(std::int16_t x, std::int16_t y);
void SetRGBPaletteDefault(std::int16_t color, std::int16_t red, std::int16_t green,
                          std::int16_t blue);
void GetRGBPaletteDefault(std::int16_t color, std::int16_t& red, std::int16_t& green,
                          std::int16_t& blue);
void SetActivePageDefault(std::uint16_t page);
void SetVisualPageDefault(std::uint16_t page);
void ClearViewportDefault();

// Lines.
void LineDefault(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
void HLineDefault(std::int16_t x1, std::int16_t x2, std::int16_t y);
void VLineDefault(std::int16_t x, std::int16_t y1, std::int16_t y2);

// Circles, images and text.
void CircleDefault(std::int16_t x, std::int16_t y, std::uint16_t radius);
void InternalEllipseDefault(std::int16_t x, std::int16_t y, std::uint16_t xRadius,
                            std::uint16_t yRadius, std::uint16_t startAngle,
                            std::uint16_t endAngle, PatternLineProc span);
void PatternLineDefault(std::int16_t x1, std::int16_t x2, std::int16_t y);
void DummyPatternLine(std::int16_t x1, std::int16_t x2, std::int16_t y);
void DefaultPutImage(std::int16_t x, std::int16_t y, const void* block, std::uint16_t operation);
void DefaultGetImage(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
                     void* block);
std::int32_t DefaultImageSize(std::int16_t x1, std::int16_t y1, std::int16_t x2,
                              std::int16_t y2);
void GetScanLineDefault(std::int16_t x1, std::int16_t x2, std::int16_t y, void* data);
void OutTextXYDefault(std::int16_t x, std::int16_t y, const GraphString& text);

// The library's entry in the runtime's library table.
inline const bool graph_registered =
    runtime::RegisterLibrary(runtime::LibrarySlot::Graphics, &InitializeGraph, nullptr);

}  // namespace graph
