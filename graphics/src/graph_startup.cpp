// The library's initialisation, its exit procedure, and the resets that
// InitGraph and a failed mode set perform.
#include "default_hooks.h"
#include "graphics/graph.h"
#include "runtime/system.h"

namespace graph {

namespace {

// The stroked fonts registered at start-up, as fonts 1 to 10; each name has
// a built-in face (text/stroked_faces.cmake).
constexpr std::array<const char*, 10> kStrokedFontNames = {
    "TRIP", "LITT", "SANS", "GOTH", "SCRI", "SIMP", "TSCR", "LCOM", "EURO", "BOLD"};

}  // namespace

void SaveState() {}
void RestoreState() {}

void DefaultHooks() { Hooks = kDefaultHooks; }

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

  // The hooks table starts with the defaults (graph_state.cpp), so drawing
  // before the first InitGraph ends the program through a stopping default.
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
