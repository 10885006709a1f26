// Line input: the line editor behind every read of Input.
#include "crt_state.h"

namespace console {

namespace {

constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kCtrlS = 19;
constexpr std::uint8_t kEnter = 13;
constexpr std::uint8_t kLineFeed = 10;
constexpr std::uint8_t kCtrlY = 25;
constexpr std::uint8_t kCtrlZ = 26;
constexpr std::uint8_t kEsc = 27;

constexpr std::uint8_t kHome = 71;
constexpr std::uint8_t kLeft = 75;
constexpr std::uint8_t kRight = 77;
constexpr std::uint8_t kEnd = 79;

void Store(runtime::TextRec& f, std::int32_t at, std::uint8_t c) { f.BufferPtr[at] = static_cast<char>(c); }

// Erases the last character of the line, on the screen and in the buffer;
// only with the edit position at the end of the line.
void BackSpace(runtime::TextRec& f) {
  if (f.BufferPos > 0 && f.BufferPos == f.BufferEnd) {
    WriteChar(kBackspace);
    WriteChar(' ');
    WriteChar(kBackspace);
    --f.BufferPos;
    --f.BufferEnd;
  }
}

void MoveLeft(runtime::TextRec& f) {
  --f.BufferPos;
  WriteChar(kBackspace);
}

void MoveRight(runtime::TextRec& f) {
  WriteChar(static_cast<std::uint8_t>(f.BufferPtr[f.BufferPos]));
  ++f.BufferPos;
}

void ExtendedKey(runtime::TextRec& f, std::uint8_t code) {
  switch (code) {
    case kHome:
      while (f.BufferPos > 0) MoveLeft(f);
      break;
    case kLeft:
      if (f.BufferPos > 0) MoveLeft(f);
      break;
    case kRight:
      if (f.BufferPos < f.BufferEnd) MoveRight(f);
      break;
    case kEnd:
      while (f.BufferPos < f.BufferEnd) MoveRight(f);
      break;
    default: break;  // Up, Down, Ins, Del, function keys: nothing
  }
}

}  // namespace

std::int32_t CrtRead(runtime::TextRec& f) {
  GetScreenCursor(CurrX, CurrY);
  f.BufferPos = 0;
  f.BufferEnd = 0;
  for (bool reading = true; reading;) {
    if (f.BufferPos > f.BufferEnd) f.BufferEnd = f.BufferPos;
    SetScreenCursor(CurrX, CurrY);
    const std::uint8_t c = ReadKey();
    switch (c) {
      case 0: ExtendedKey(f, ReadKey()); break;
      case kBackspace:
      case kCtrlS: BackSpace(f); break;
      case kEnter:
        WriteChar(kEnter);
        WriteChar(kLineFeed);
        Store(f, f.BufferEnd, kEnter);
        Store(f, f.BufferEnd + 1, kLineFeed);
        f.BufferEnd += 2;
        reading = false;
        break;
      case kCtrlY:
      case kEsc:
        // The screen cursor goes to the end of the line with the edit
        // position, so that erasing backwards clears every character shown.
        while (f.BufferPos < f.BufferEnd) MoveRight(f);
        while (f.BufferEnd > 0) BackSpace(f);
        break;
      case kCtrlZ:
        if (CheckEOF) {
          Store(f, f.BufferEnd, kCtrlZ);
          ++f.BufferEnd;
          reading = false;
        }
        break;
      default:
        // Two bytes stay free for the line end.
        if (f.BufferPos < f.BufferSize - 2) {
          Store(f, f.BufferPos, c);
          ++f.BufferPos;
          WriteChar(c);
        }
        break;
    }
  }
  f.BufferPos = 0;
  SetScreenCursor(CurrX, CurrY);
  return 0;
}

}  // namespace console
