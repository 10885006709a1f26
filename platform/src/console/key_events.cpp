// Key events of typed keys and of the bytes of a stream, for every input source.
#include "console/input_source.h"

namespace win32::detail {

void append_key_events(std::deque<INPUT_RECORD>& events, const KeyPress& key) {
  INPUT_RECORD record{};
  record.EventType = KEY_EVENT;
  KEY_EVENT_RECORD& k = record.Event.KeyEvent;
  k.bKeyDown = TRUE;
  k.wRepeatCount = 1;
  k.wVirtualKeyCode = key.virtualKey;
  k.wVirtualScanCode = key.scanCode;
  k.uChar.UnicodeChar = key.character;  // also sets AsciiChar, the low byte
  k.dwControlKeyState = key.controlKeyState;
  events.push_back(record);
  k.bKeyDown = FALSE;
  events.push_back(record);
}

void TypedBytes::append(std::deque<INPUT_RECORD>& events, std::span<const unsigned char> bytes) {
  for (const unsigned char byte : bytes) {
    const bool lineFeedOfCrLf = byte == '\n' && afterCarriageReturn_;
    afterCarriageReturn_ = byte == '\r';
    if (lineFeedOfCrLf) continue;
    append_key_events(events, key_for_byte(byte == '\n' ? '\r' : byte));
  }
}

}  // namespace win32::detail
