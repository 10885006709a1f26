// A recording driver for the device-independent graphics code: a mode record
// that the tests add to the registry, whose pixel, run, palette and page
// routines record every call with its arguments and paint a small in-memory
// picture, so that lines, clearing and mode set-up are checked without a
// window.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "graphics/graph.h"

namespace graph::testing {

// The recording mode is listed under a driver number of its own.
inline constexpr std::int16_t kRecordingDriver = 1;
inline constexpr std::int16_t kRecordingMode = 0;

enum class CallKind : std::uint8_t {
  DirectPutPixel,
  PutPixel,
  GetPixel,
  GetScanLine,
  HLine,
  VLine,
  SetRGBPalette,
  GetRGBPalette,
  SetActivePage,
  SetVisualPage,
  InitRoutine,
};

// One call with its arguments (unused ones 0) and the drawing colour and
// write mode in force when it was made.
struct Call {
  CallKind Kind;
  std::int32_t A = 0;
  std::int32_t B = 0;
  std::int32_t C = 0;
  std::int32_t D = 0;
  std::uint16_t Color = 0;
  std::uint16_t WriteMode = 0;
  friend bool operator==(const Call&, const Call&) = default;
};

using Point = std::pair<std::int32_t, std::int32_t>;

struct Recorder {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint16_t> Picture;  // absolute pixels, row by row
  std::vector<Call> Calls;
  std::array<RGBRec, 256> Palette{};
  bool FailInit = false;  // the mode initialisation reports -11

  [[nodiscard]] std::uint16_t At(std::int32_t x, std::int32_t y) const;
  // The positions of the DirectPutPixel calls, in order.
  [[nodiscard]] std::vector<Point> DirectPixels() const;
  [[nodiscard]] std::vector<Call> CallsOf(CallKind kind) const;
  void Fill(std::uint16_t color);
};

Recorder& Recording();

// Clears the recorder and gives it a picture of width x height pixels.
void ResetRecorder(std::int32_t width, std::int32_t height);

// The recording mode's record: every routine the recorder offers.
[[nodiscard]] TModeInfo RecordingMode(std::int32_t width, std::int32_t height,
                                      std::int32_t colors = 16);

// Puts the recorder's routines into a record of another driver's table, so
// that entering its mode opens nothing and draws into the recorder.
void UseRecordingRoutines(TModeInfo& mode);

// Starts from an empty registry holding only the recording mode, enters it
// with InitGraph and clears the calls that entering made.
void EnterRecordingMode(std::int32_t width = 64, std::int32_t height = 48);

}  // namespace graph::testing
