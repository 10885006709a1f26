// The table of stroked fonts: registration by name and the release of any
// stroke data at exit. Stroke data, when a font holds some, is an array
// allocated with new[] of DataSize bytes.
#include <algorithm>

#include "graphics/graph.h"
#include "text/stroked_faces.h"

namespace graph {

namespace {

// The entry takes its own copy of the face's strokes, so that every font's
// data is released the same way whoever put it there.
void LoadFace(FontRec& font, const StrokedFace& face) {
  font.Header = face.Header;
  font.Offsets = face.Offsets;
  font.Widths = face.Widths;
  font.DataSize = static_cast<std::int32_t>(face.Strokes.size());
  font.Data = new std::uint8_t[face.Strokes.size()];
  std::copy(face.Strokes.begin(), face.Strokes.end(), font.Data);
}

}  // namespace

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
  for (const StrokedFace& face : BuiltInStrokedFaces()) {
    if (face.Name == font.Name.view()) LoadFace(font, face);
  }
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
