// The routines in the pixel, palette and page slots before a mode's own are
// installed. Pixel and palette access outside graphics mode is a program
// error: it ends the program with one line on StdErr and exit code 1.
#include "graphics/graph.h"
#include "runtime/checks.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace graph {

namespace {

[[noreturn]] void StopNotInGraphicsMode() {
  runtime::WriteLn(runtime::StdErr, NotInGraphicsModeMessage);
  runtime::IOCheck();
  runtime::Halt(1);
}

}  // namespace

void DirectPutPixelDefault(std::int16_t, std::int16_t) { StopNotInGraphicsMode(); }

void PutPixelDefault(std::int16_t, std::int16_t, std::uint16_t) { StopNotInGraphicsMode(); }

std::uint16_t GetPixelDefault(std::int16_t, std::int16_t) { StopNotInGraphicsMode(); }

void SetRGBPaletteDefault(std::int16_t, std::int16_t, std::int16_t, std::int16_t) {
  StopNotInGraphicsMode();
}

void GetRGBPaletteDefault(std::int16_t, std::int16_t&, std::int16_t&, std::int16_t&) {
  StopNotInGraphicsMode();
}

void SetActivePageDefault(std::uint16_t) {}

void SetVisualPageDefault(std::uint16_t) {}

}  // namespace graph
