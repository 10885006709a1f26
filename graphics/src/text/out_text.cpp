// OutText: text at the current position, which horizontal left-justified
// text moves past, so that successive calls continue one line.
#include <algorithm>
#include <limits>

#include "graphics/text.h"

namespace graph {

void OutText(const GraphString& text) {
  OutTextXY(CurrentX, CurrentY, text);
  if (CurrentTextInfo.Direction != HorizDir || CurrentTextInfo.Horiz != LeftText) return;
  // The position stops at the largest coordinate rather than wrapping round
  // to the left of the screen.
  const std::int32_t next = std::int32_t{CurrentX} + TextWidth(text);
  CurrentX = static_cast<std::int16_t>(std::min<std::int32_t>(next, std::numeric_limits<std::int16_t>::max()));
}

}  // namespace graph
