// The colours of the cells written from now on: the two nibbles of TextAttr.
#include "crt_state.h"

namespace console {

namespace {

constexpr std::uint8_t kForeground = 0x0F;
constexpr std::uint8_t kBright = 0x08;

// Text still waiting in Output keeps the colours it was written in.
void SetTextAttr(std::uint8_t attributes) {
  FlushPendingOutput();
  TextAttr = attributes;
}

}  // namespace

void TextColor(std::uint8_t colour) {
  SetTextAttr(static_cast<std::uint8_t>((TextAttr & ~kForeground) | (colour & kForeground)));
}

void TextBackground(std::uint8_t colour) {
  SetTextAttr(static_cast<std::uint8_t>((TextAttr & kForeground) | ((colour & kForeground) << 4)));
}

void HighVideo() { SetTextAttr(static_cast<std::uint8_t>(TextAttr | kBright)); }

void LowVideo() { SetTextAttr(static_cast<std::uint8_t>(TextAttr & ~kBright)); }

void NormVideo() { SetTextAttr(NormAttr); }

}  // namespace console
