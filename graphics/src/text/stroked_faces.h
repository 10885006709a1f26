// The stroked faces built into the library. Their source is generated at
// build time from the Hershey fonts (graphics/src/text/stroked_faces.cmake);
// InstallUserFont gives a registered name its face.
//
// Glyph coordinates run from the face's lowest point (y = 0, the bottom of
// its descenders) up to Header.OrgToCap, its highest, so OrgToDec is 0: the
// text's box is exactly what TextHeight measures and justification places.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "graphics/graph.h"

namespace graph {

struct StrokedFace {
  std::string_view Name;
  FontHeader Header;
  std::array<std::int16_t, 256> Offsets;
  std::array<std::uint8_t, 256> Widths;
  std::span<const std::uint8_t> Strokes;
};

[[nodiscard]] std::span<const StrokedFace> BuiltInStrokedFaces();

}  // namespace graph
