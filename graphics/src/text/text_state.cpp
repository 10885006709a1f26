// The text part of the library's process-wide state, with its values at
// program start; the settings themselves are CurrentTextInfo (graph_state.cpp)
// and the stroked fonts are Fonts.
#include "graphics/text.h"

namespace graph {

bool DrawTextBackground = false;
const std::array<std::uint8_t, 256>* GraphStringTransTable = nullptr;
float CurrentXRatio = 0.0F;
float CurrentYRatio = 0.0F;
TStrokes Strokes{};

}  // namespace graph
