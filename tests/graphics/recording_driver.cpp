#include "recording_driver.h"

namespace graph::testing {

namespace {

Recorder recorder;

void Record(CallKind kind, std::int32_t a = 0, std::int32_t b = 0, std::int32_t c = 0,
            std::int32_t d = 0) {
  recorder.Calls.push_back(Call{kind, a, b, c, d, CurrentColor, CurrentWriteMode});
}

void Paint(std::int32_t x, std::int32_t y, std::uint16_t color) {
  if (x < 0 || y < 0 || x >= recorder.Width || y >= recorder.Height) return;
  recorder.Picture[static_cast<std::size_t>(y * recorder.Width + x)] = color;
}

// Viewport-relative to absolute, dropped outside the viewport when clipping
// is on: the contract of the driver's own pixel and run routines.
bool ToScreen(std::int32_t& x, std::int32_t& y) {
  if (ClipPixels && (x < 0 || y < 0 || x > ViewWidth || y > ViewHeight)) return false;
  x += StartXViewPort;
  y += StartYViewPort;
  return true;
}

void RecordingDirectPutPixel(std::int16_t x, std::int16_t y) {
  Record(CallKind::DirectPutPixel, x, y);
  Paint(x, y, CurrentColor);
}

void RecordingPutPixel(std::int16_t x, std::int16_t y, std::uint16_t color) {
  Record(CallKind::PutPixel, x, y, color);
  std::int32_t sx = x;
  std::int32_t sy = y;
  if (ToScreen(sx, sy)) Paint(sx, sy, color);
}

std::uint16_t RecordingGetPixel(std::int16_t x, std::int16_t y) {
  Record(CallKind::GetPixel, x, y);
  std::int32_t sx = x;
  std::int32_t sy = y;
  return ToScreen(sx, sy) ? recorder.At(sx, sy) : 0;
}

// One call per row: what GetPixel would read at each pixel, stored as an
// image row of 16-bit little-endian colour numbers.
void RecordingGetScanLine(std::int16_t x1, std::int16_t x2, std::int16_t y, void* data) {
  Record(CallKind::GetScanLine, x1, x2, y);
  auto* out = static_cast<std::uint8_t*>(data);
  for (std::int32_t x = x1; x <= x2; ++x) {
    std::int32_t sx = x;
    std::int32_t sy = y;
    const bool onPicture = ToScreen(sx, sy) && sx >= 0 && sy >= 0 && sx < recorder.Width && sy < recorder.Height;
    const std::uint16_t color = onPicture ? recorder.At(sx, sy) : 0;
    *out++ = static_cast<std::uint8_t>(color);
    *out++ = static_cast<std::uint8_t>(color >> 8);
  }
}

void RecordingHLine(std::int16_t x1, std::int16_t x2, std::int16_t y) {
  Record(CallKind::HLine, x1, x2, y);
  for (std::int32_t x = std::min(x1, x2); x <= std::max(x1, x2); ++x) {
    std::int32_t sx = x;
    std::int32_t sy = y;
    if (ToScreen(sx, sy)) Paint(sx, sy, CurrentColor);
  }
}

void RecordingVLine(std::int16_t x, std::int16_t y1, std::int16_t y2) {
  Record(CallKind::VLine, x, y1, y2);
  for (std::int32_t y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
    std::int32_t sx = x;
    std::int32_t sy = y;
    if (ToScreen(sx, sy)) Paint(sx, sy, CurrentColor);
  }
}

void RecordingSetRGBPalette(std::int16_t color, std::int16_t red, std::int16_t green,
                            std::int16_t blue) {
  Record(CallKind::SetRGBPalette, color, red, green, blue);
  if (color >= 0 && color < 256) recorder.Palette[static_cast<std::size_t>(color)] = {red, green, blue};
}

void RecordingGetRGBPalette(std::int16_t color, std::int16_t& red, std::int16_t& green,
                            std::int16_t& blue) {
  Record(CallKind::GetRGBPalette, color);
  const RGBRec entry = color >= 0 && color < 256 ? recorder.Palette[static_cast<std::size_t>(color)]
                                                 : RGBRec{};
  red = entry.Red;
  green = entry.Green;
  blue = entry.Blue;
}

void RecordingSetActivePage(std::uint16_t page) { Record(CallKind::SetActivePage, page); }
void RecordingSetVisualPage(std::uint16_t page) { Record(CallKind::SetVisualPage, page); }

void RecordingInit() {
  Record(CallKind::InitRoutine, MaxX, MaxY, MaxColor);
  if (recorder.FailInit) GraphResult = grError;
}

}  // namespace

std::uint16_t Recorder::At(std::int32_t x, std::int32_t y) const {
  return Picture.at(static_cast<std::size_t>(y * Width + x));
}

std::vector<Point> Recorder::DirectPixels() const {
  std::vector<Point> points;
  for (const Call& call : Calls) {
    if (call.Kind == CallKind::DirectPutPixel) points.emplace_back(call.A, call.B);
  }
  return points;
}

std::vector<Call> Recorder::CallsOf(CallKind kind) const {
  std::vector<Call> selected;
  for (const Call& call : Calls) {
    if (call.Kind == kind) selected.push_back(call);
  }
  return selected;
}

void Recorder::Fill(std::uint16_t color) { std::fill(Picture.begin(), Picture.end(), color); }

Recorder& Recording() { return recorder; }

void ResetRecorder(std::int32_t width, std::int32_t height) {
  recorder = Recorder{};
  recorder.Width = width;
  recorder.Height = height;
  recorder.Picture.assign(static_cast<std::size_t>(width * height), 0);
}

TModeInfo RecordingMode(std::int32_t width, std::int32_t height, std::int32_t colors) {
  TModeInfo mode;
  InitMode(mode);
  mode.Driver = kRecordingDriver;
  mode.Mode = kRecordingMode;
  mode.Name = ModeName("Recording");
  mode.MaxColor = colors;
  mode.PaletteSize = colors;
  mode.XAspect = 10000;
  mode.YAspect = 10000;
  mode.MaxX = static_cast<std::uint16_t>(width - 1);
  mode.MaxY = static_cast<std::uint16_t>(height - 1);
  UseRecordingRoutines(mode);
  return mode;
}

void UseRecordingRoutines(TModeInfo& mode) {
  mode.DirectPutPixel = &RecordingDirectPutPixel;
  mode.PutPixel = &RecordingPutPixel;
  mode.GetPixel = &RecordingGetPixel;
  mode.SetRGBPalette = &RecordingSetRGBPalette;
  mode.GetRGBPalette = &RecordingGetRGBPalette;
  mode.SetActivePage = &RecordingSetActivePage;
  mode.SetVisualPage = &RecordingSetVisualPage;
  mode.GetScanLine = &RecordingGetScanLine;
  mode.HLine = &RecordingHLine;
  mode.VLine = &RecordingVLine;
  mode.InitRoutine = &RecordingInit;
  // Images and text keep the library's own routines.
  mode.PutImage = nullptr;
  mode.OutTextXY = nullptr;
}

void EnterRecordingMode(std::int32_t width, std::int32_t height) {
  FreeModeRegistry();
  SaveVideoState = &SaveState;
  RestoreVideoState = &RestoreState;
  ResetRecorder(width, height);
  AddMode(RecordingMode(width, height));
  std::int16_t driver = kRecordingDriver;
  std::int16_t mode = kRecordingMode;
  InitGraph(driver, mode, "");
  recorder.Calls.clear();
}

}  // namespace graph::testing
