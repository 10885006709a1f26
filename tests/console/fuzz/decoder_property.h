// The property that arbitrary bytes must keep: the decoder uses up every
// byte, and whatever came before, a key sequence and two letters typed
// after it still arrive (the garbage may at most add Alt to the sequence).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "console/key_decoder.h"
#include "platform/console.h"

namespace win32::detail {

// Empty when the property holds, else what went wrong.
inline std::string check_keys_survive(std::span<const unsigned char> garbage) {
  std::vector<unsigned char> bytes(garbage.begin(), garbage.end());
  for (bool moreMayFollow : {true, false}) {
    std::vector<KeyPress> keys;
    const std::size_t used = decode_keys(bytes, moreMayFollow, keys);
    if (used > bytes.size()) return "used more bytes than given";
    if (!moreMayFollow && used != bytes.size()) return "bytes left over once the terminal is quiet";
  }
  const std::string tail = "\x1b[Bzq";
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  std::vector<KeyPress> keys;
  if (decode_keys(bytes, false, keys) != bytes.size()) return "bytes left over";
  if (keys.size() < 3) return "keys lost";
  const KeyPress& down = keys[keys.size() - 3];
  if (down.virtualKey != VK_DOWN || (down.controlKeyState & ~static_cast<DWORD>(LEFT_ALT_PRESSED)) != ENHANCED_KEY) {
    return "Down lost";
  }
  if (!(keys[keys.size() - 2] == KeyPress{'Z', 44, 'z', 0})) return "z lost";
  if (!(keys.back() == KeyPress{'Q', 16, 'q', 0})) return "q lost";
  return {};
}

}  // namespace win32::detail
