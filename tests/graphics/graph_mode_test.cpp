// Entering graphics mode: InitGraph, SetGraphMode and their failures, the
// drawing defaults, SetBkColor, the library's initialisation and its exit
// procedure.
#include <gtest/gtest.h>

#include <string>

#include "graphics/graph.h"
#include "recording_driver.h"
#include "recording_driver_entries.h"
#include "runtime/system.h"

namespace graph {
namespace {

using testing::CallKind;
using testing::Recording;

class GraphMode : public ::testing::Test {
 protected:
  void SetUp() override { IsGraphMode = false; }
  void TearDown() override {
    FreeModeRegistry();
    IsGraphMode = false;
  }
};

TEST_F(GraphMode, EnteringAModeInitialisesThenAppliesTheDefaults) {
  FreeModeRegistry();
  SaveVideoState = &SaveState;
  testing::ResetRecorder(64, 48);
  AddMode(testing::RecordingMode(64, 48));
  CurrentColor = 3;
  CurrentWriteMode = XORPut;
  std::int16_t driver = testing::kRecordingDriver;
  std::int16_t mode = testing::kRecordingMode;
  InitGraph(driver, mode, "");

  ASSERT_EQ(GraphResult, grOk);
  EXPECT_TRUE(IsGraphMode);
  EXPECT_EQ(std::string(DriverName.view()), "WIN32GUI");
  using testing::Call;
  EXPECT_EQ(Recording().Calls, (std::vector<Call>{
                                   {CallKind::InitRoutine, 63, 47, 16, 0, 3, XORPut},
                                   {CallKind::SetActivePage, 0, 0, 0, 0, 3, XORPut},
                                   {CallKind::SetVisualPage, 0, 0, 0, 0, 3, XORPut},
                                   {CallKind::SetRGBPalette, 0, 0, 0, 0, 15, XORPut},
                               }));
  EXPECT_EQ(IntCurrentDriver, testing::kRecordingDriver);
  EXPECT_EQ(IntCurrentNewDriver, -1);
  EXPECT_EQ(GetMaxX(), 63);
  EXPECT_EQ(GetMaxY(), 47);
  EXPECT_EQ(GetMaxColor(), 15);
  EXPECT_EQ(CurrentColor, 15);
  EXPECT_EQ(CurrentBkColor, 0);
  EXPECT_EQ(CurrentWriteMode, CopyPut);
  EXPECT_EQ(FillSettings.Color, 15);
  EXPECT_EQ(FillSettings.Pattern, 1);
  EXPECT_EQ(FillPatternTable[12], (FillPattern{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(LineInfo.LineStyle, SolidLn);
  EXPECT_EQ(LineInfo.Thickness, NormWidth);
  EXPECT_EQ(CurrentTextInfo.CharSize, 1);
  EXPECT_EQ(CurrentTextInfo.Vert, 2);
  EXPECT_EQ(XAspect, 10000);
  ViewPortType view{};
  GetViewSettings(view);
  EXPECT_EQ((std::tuple{view.x1, view.y1, view.x2, view.y2, view.Clip}),
            (std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t, bool>{0, 0, 63, 47,
                                                                                      true}));
  // ClearViewport, Line and the circle slots keep the library's routines.
  EXPECT_EQ(Hooks.Line, &LineDefault);
  EXPECT_EQ(Hooks.ClearViewport, &ClearViewportDefault);
}

TEST_F(GraphMode, DefectiveRecordsAndFailingInitialisation) {
  struct Case {
    const char* Label;
    void (*Break)(TModeInfo&);
    bool FailInit;
    std::int16_t Result;
    bool InitCalled;
  };
  const Case cases[] = {
      {"no GetRGBPalette", [](TModeInfo& m) { m.GetRGBPalette = nullptr; }, false, grInvalidMode,
       false},
      {"no DirectPutPixel", [](TModeInfo& m) { m.DirectPutPixel = nullptr; }, false, grInvalidMode,
       false},
      {"no InitRoutine", [](TModeInfo& m) { m.InitRoutine = nullptr; }, false, grInvalidMode, false},
      {"failing InitRoutine", [](TModeInfo&) {}, true, grError, true},
  };
  for (const Case& c : cases) {
    FreeModeRegistry();
    SaveVideoState = &SaveState;
    testing::ResetRecorder(32, 16);
    Recording().FailInit = c.FailInit;
    TModeInfo record = testing::RecordingMode(32, 16);
    c.Break(record);
    AddMode(record);
    std::int16_t driver = testing::kRecordingDriver;
    std::int16_t mode = testing::kRecordingMode;
    InitGraph(driver, mode, "");
    EXPECT_EQ(GraphResult, c.Result) << c.Label;
    EXPECT_FALSE(IsGraphMode) << c.Label;
    EXPECT_EQ(Hooks.PutPixel, &PutPixelDefault) << c.Label;
    EXPECT_EQ(Hooks.HLine, &HLineDefault) << c.Label;
    EXPECT_EQ(Recording().CallsOf(CallKind::InitRoutine).size(), c.InitCalled ? 1u : 0u)
        << c.Label;
  }
  // Without an InitRoutine the mode's values have been copied already.
  EXPECT_EQ(MaxX, 31);
}

TEST_F(GraphMode, StaleResultCountsAsFailedInitialisation) {
  testing::EnterRecordingMode();
  GraphResult = grError;
  SetGraphMode(testing::kRecordingMode);
  EXPECT_EQ(Recording().CallsOf(CallKind::InitRoutine).size(), 1u);
  EXPECT_EQ(GraphResult, grError);
  EXPECT_EQ(Hooks.PutPixel, &PutPixelDefault);
}

TEST_F(GraphMode, PathGetsATrailingBackslash) {
  struct Case {
    const char* Given;
    const char* Kept;
  };
  for (const Case& c : {Case{"", ""}, Case{"fonts", "fonts\\"}, Case{"c:\\fonts\\", "c:\\fonts\\"},
                        Case{"\\", "\\"}}) {
    testing::ResetRecorder(8, 8);
    FreeModeRegistry();
    SaveVideoState = &SaveState;
    AddMode(testing::RecordingMode(8, 8));
    std::int16_t driver = testing::kRecordingDriver;
    std::int16_t mode = testing::kRecordingMode;
    InitGraph(driver, mode, c.Given);
    EXPECT_EQ(std::string(GraphPath.view()), c.Kept);
  }
}

TEST_F(GraphMode, SetBkColorSetsPaletteEntryZeroBelow256Only) {
  testing::EnterRecordingMode();
  SetViewPort(10, 10, 20, 20, false);
  CurrentX = 5;
  SetBkColor(4);
  EXPECT_EQ(CurrentBkColor, 4);
  using testing::Call;
  EXPECT_EQ(Recording().CallsOf(CallKind::SetRGBPalette),
            (std::vector<Call>{{CallKind::SetRGBPalette, 0, 168, 0, 0, 15, CopyPut}}));
  ViewPortType view{};
  GetViewSettings(view);
  EXPECT_EQ((std::tuple{view.x1, view.y1, view.x2, view.y2, view.Clip}),
            (std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t, bool>{10, 10, 20,
                                                                                      20, false}));
  EXPECT_EQ(CurrentX, 0);

  Recording().Calls.clear();
  SetBkColor(256);
  SetBkColor(65535);
  EXPECT_EQ(CurrentBkColor, 65535);
  EXPECT_TRUE(Recording().CallsOf(CallKind::SetRGBPalette).empty());
}

TEST_F(GraphMode, LibraryInitialisationRegistersFontsAndExitProcedure) {
  const runtime::ProcedurePtr before = runtime::ExitProc;
  InitializeGraph();
  EXPECT_EQ(runtime::ExitProc, &GraphExitProc);
  EXPECT_EQ(ExitSave, before);
  EXPECT_NE(ModeList, nullptr);
  EXPECT_EQ(SaveVideoState, &SaveState);
  EXPECT_EQ(Hooks.PutPixel, &PutPixelDefault);  // drawing before InitGraph stops
  ASSERT_EQ(InstalledFonts, 10);
  const char* names[] = {"TRIP", "LITT", "SANS", "GOTH", "SCRI",
                         "SIMP", "TSCR", "LCOM", "EURO", "BOLD"};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(std::string(Fonts[i].Name.view()), names[i - 1]);

  for (int i = 11; i <= 16; ++i) EXPECT_EQ(InstallUserFont("ABCDEFGHIJ"), i);
  EXPECT_EQ(std::string(Fonts[16].Name.view()), "ABCDEFGH");
  EXPECT_EQ(GraphResult, grOk);
  EXPECT_EQ(InstallUserFont("MORE"), 0);
  EXPECT_EQ(GraphResult, grError);
  EXPECT_EQ(InstalledFonts, 16);
  // The ten names come with their built-in faces; other names with none.
  for (int i = 1; i <= 10; ++i) EXPECT_NE(Fonts[i].Data, nullptr) << names[i - 1];
  EXPECT_EQ(Fonts[16].Data, nullptr);
  FreeFontData();
  runtime::ExitProc = before;
}

TEST_F(GraphMode, ExitProcedureClosesOnlyWhenEndingByError) {
  const runtime::ProcedurePtr before = runtime::ExitProc;
  struct Case {
    std::uint16_t ErrorCode;
    bool InGraphMode;
    int Closes;
  };
  for (const Case& c : {Case{201, true, 1}, Case{0, true, 0}, Case{201, false, 0}}) {
    testing::EnterRecordingMode();
    IsGraphMode = c.InGraphMode;
    Fonts[1].DataSize = 16;
    Fonts[1].Data = new std::uint8_t[16];
    InstalledFonts = 1;
    ExitSave = before;
    runtime::ExitProc = &GraphExitProc;
    runtime::ErrorCode = c.ErrorCode;
    const int closesBefore = testing::CloseGraphCalls;

    GraphExitProc();

    runtime::ErrorCode = 0;
    EXPECT_EQ(testing::CloseGraphCalls - closesBefore, c.Closes) << c.ErrorCode;
    EXPECT_EQ(runtime::ExitProc, before);
    EXPECT_EQ(ModeList, nullptr);
    EXPECT_EQ(NewModeList.Heads[13], nullptr);
    EXPECT_EQ(Fonts[1].Data, nullptr);
  }
}

}  // namespace
}  // namespace graph
