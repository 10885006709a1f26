// A link seam for the default routines of the circle, image and text slots,
// which the core's DefaultHooks installs but whose bodies live with those
// parts of the library. The definitions are weak, so the library's own win
// wherever they are linked in. The core's tests never call them; one that
// does is a mistake and aborts loudly.
#include <cstdio>
#include <cstdlib>

#include "graphics/graph.h"

namespace graph {

namespace {

[[noreturn]] void NotInCoreTests(const char* routine) {
  std::fprintf(stderr, "%s called in a test of the core\n", routine);
  std::abort();
}

}  // namespace

[[gnu::weak]] void CircleDefault(std::int16_t, std::int16_t, std::uint16_t) { NotInCoreTests("CircleDefault"); }
[[gnu::weak]] void InternalEllipseDefault(std::int16_t, std::int16_t, std::uint16_t, std::uint16_t, std::uint16_t,
                            std::uint16_t, PatternLineProc) {
  NotInCoreTests("InternalEllipseDefault");
}
[[gnu::weak]] void PatternLineDefault(std::int16_t, std::int16_t, std::int16_t) {
  NotInCoreTests("PatternLineDefault");
}
[[gnu::weak]] void DummyPatternLine(std::int16_t, std::int16_t, std::int16_t) {}
[[gnu::weak]] void DefaultPutImage(std::int16_t, std::int16_t, const void*, std::uint16_t) {
  NotInCoreTests("DefaultPutImage");
}
[[gnu::weak]] void DefaultGetImage(std::int16_t, std::int16_t, std::int16_t, std::int16_t, void*) {
  NotInCoreTests("DefaultGetImage");
}
[[gnu::weak]] std::int32_t DefaultImageSize(std::int16_t, std::int16_t, std::int16_t, std::int16_t) {
  NotInCoreTests("DefaultImageSize");
}
[[gnu::weak]] void GetScanLineDefault(std::int16_t, std::int16_t, std::int16_t, void*) {
  NotInCoreTests("GetScanLineDefault");
}
[[gnu::weak]] void OutTextXYDefault(std::int16_t, std::int16_t, const GraphString&) {
  NotInCoreTests("OutTextXYDefault");
}

}  // namespace graph
