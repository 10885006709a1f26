// The table of stroked fonts: registration by name and the release of any
// stroke data at exit. Stroke data, when a font holds some, is an array
// allocated with new[] of DataSize bytes.
#include "graphics/graph.h"

namespace graph {

std::int16_t InstallUserFont(const GraphString& name) {
  GraphResult = grOk;
  if (InstalledFonts == MaxFonts) {
    GraphResult = grError;
    return 0;
  }
  ++InstalledFonts;
  FontRec& font = Fonts[static_cast<std::size_t>(InstalledFonts)];
  font = FontRec{};
  font.Name = FontName(name.view());
  return static_cast<std::int16_t>(InstalledFonts);
}

void FreeFontData() {
  for (std::int32_t i = 1; i <= InstalledFonts; ++i) {
    FontRec& font = Fonts[static_cast<std::size_t>(i)];
    delete[] font.Data;
    font.Data = nullptr;
    font.DataSize = 0;
  }
}

}  // namespace graph
