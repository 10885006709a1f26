#include "console/key_decoder.h"

#include <array>
#include <optional>

#include "console/key_table.h"
#include "platform/console.h"

namespace win32::detail {

namespace {

constexpr unsigned char kEsc = 0x1B;

// Parameters larger than this are no key of any terminal; capping them
// keeps the arithmetic defined for any input.
constexpr unsigned kParameterCap = 10000;
constexpr std::size_t kMaxParameters = 4;

Decoded key(KeyPress k, std::size_t length) { return {DecodeStatus::Key, length, k}; }
Decoded not_a_key(std::size_t length) { return {DecodeStatus::NotAKey, length, {}}; }
Decoded need_more() { return {DecodeStatus::NeedMore, 0, {}}; }

KeyPress with_state(KeyPress k, DWORD state) {
  k.controlKeyState |= state;
  return k;
}

// The numeric parameters of a CSI or SS3 sequence, "" and ";" giving
// absent (zero) values. Private-mode markers (< = > ?) make it no key.
struct Parameters {
  std::array<unsigned, kMaxParameters> values{};
  std::size_t count = 0;
  bool valid = true;

  unsigned operator[](std::size_t i) const { return i < count ? values[i] : 0; }
};

Parameters parse_parameters(std::span<const unsigned char> text) {
  Parameters p;
  if (text.empty()) return p;
  p.count = 1;
  for (unsigned char c : text) {
    if (c == ';') {
      if (p.count == kMaxParameters) return {.valid = false};
      ++p.count;
    } else if (c >= '0' && c <= '9') {
      unsigned& v = p.values[p.count - 1];
      v = v * 10 + static_cast<unsigned>(c - '0');
      if (v > kParameterCap) v = kParameterCap;
    } else {
      return {.valid = false};
    }
  }
  return p;
}

// "absent or 1", the first parameter of a modified cursor or F1-F4 key.
bool plain_first(const Parameters& p) { return p[0] <= 1; }

std::optional<NamedKey> cursor_key(unsigned char final) {
  switch (final) {
    case 'A': return NamedKey::Up;
    case 'B': return NamedKey::Down;
    case 'C': return NamedKey::Right;
    case 'D': return NamedKey::Left;
    case 'H': return NamedKey::Home;
    case 'F': return NamedKey::End;
    case 'E': return NamedKey::Clear;
    case 'P': return NamedKey::F1;
    case 'Q': return NamedKey::F2;
    case 'R': return NamedKey::F3;
    case 'S': return NamedKey::F4;
    default: return std::nullopt;
  }
}

std::optional<NamedKey> tilde_key(unsigned code) {
  switch (code) {
    case 1:
    case 7: return NamedKey::Home;
    case 2: return NamedKey::Insert;
    case 3: return NamedKey::Delete;
    case 4:
    case 8: return NamedKey::End;
    case 5: return NamedKey::PageUp;
    case 6: return NamedKey::PageDown;
    case 11: return NamedKey::F1;
    case 12: return NamedKey::F2;
    case 13: return NamedKey::F3;
    case 14: return NamedKey::F4;
    case 15: return NamedKey::F5;
    case 17: return NamedKey::F6;
    case 18: return NamedKey::F7;
    case 19: return NamedKey::F8;
    case 20: return NamedKey::F9;
    case 21: return NamedKey::F10;
    case 23: return NamedKey::F11;
    case 24: return NamedKey::F12;
    default: return std::nullopt;
  }
}

std::optional<NamedKey> keypad_key(unsigned char final) {
  switch (final) {
    case 'M': return NamedKey::KeypadEnter;
    case 'j': return NamedKey::KeypadMultiply;
    case 'k': return NamedKey::KeypadAdd;
    case 'l': return NamedKey::KeypadComma;
    case 'm': return NamedKey::KeypadSubtract;
    case 'n': return NamedKey::KeypadDecimal;
    case 'o': return NamedKey::KeypadDivide;
    case 'X': return NamedKey::KeypadEquals;
    default: break;
  }
  if (final >= 'p' && final <= 'y') {
    return static_cast<NamedKey>(static_cast<int>(NamedKey::Keypad0) + (final - 'p'));
  }
  return std::nullopt;
}

// The key of a complete CSI sequence: parameters `params`, final byte `final`.
std::optional<KeyPress> csi_key(const Parameters& p, unsigned char final) {
  if (!p.valid) return std::nullopt;
  switch (final) {
    case '~':
      if (p[0] == 27 && p.count == 3 && p[2] < 256) {  // xterm: a character with modifiers
        return with_state(key_for_byte(static_cast<unsigned char>(p[2])), modifier_state(p[1]));
      }
      if (auto k = tilde_key(p[0]); k && p.count <= 2) return with_state(named_key(*k), modifier_state(p[1]));
      return std::nullopt;
    case '^':
    case '$':
    case '@': {
      auto k = tilde_key(p[0]);
      if (!k || p.count != 1) return std::nullopt;
      const DWORD state = final == '^' ? LEFT_CTRL_PRESSED
                          : final == '$' ? SHIFT_PRESSED
                                         : LEFT_CTRL_PRESSED | SHIFT_PRESSED;
      return with_state(named_key(*k), state);
    }
    case 'Z':
      return p.count <= 1 && p[0] <= 1 ? std::optional(named_key(NamedKey::ShiftTab)) : std::nullopt;
    case 'a':
    case 'b':
    case 'c':
    case 'd':
      if (p.count != 0) return std::nullopt;
      return with_state(named_key(*cursor_key(static_cast<unsigned char>(final - 'a' + 'A'))), SHIFT_PRESSED);
    default:
      if (auto k = cursor_key(final); k && p.count <= 2 && plain_first(p)) {
        return with_state(named_key(*k), modifier_state(p[1]));
      }
      return std::nullopt;
  }
}

// SS3 carries the modifier alone (SS3 5P) or after a 1 (SS3 1;5P).
std::optional<KeyPress> ss3_key(const Parameters& p, unsigned char final) {
  if (!p.valid || p.count > 2 || (p.count == 2 && !plain_first(p))) return std::nullopt;
  const DWORD state = modifier_state(p.count == 2 ? p[1] : p[0]);
  if (final >= 'a' && final <= 'd') {  // rxvt: Ctrl + cursor keys
    if (p.count != 0) return std::nullopt;
    return with_state(named_key(*cursor_key(static_cast<unsigned char>(final - 'a' + 'A'))), LEFT_CTRL_PRESSED);
  }
  if (auto k = cursor_key(final)) return with_state(named_key(*k), state);
  if (auto k = keypad_key(final)) return with_state(named_key(*k), state);
  return std::nullopt;
}

bool is_parameter_byte(unsigned char c) { return c >= 0x30 && c <= 0x3F; }
bool is_intermediate_byte(unsigned char c) { return c >= 0x20 && c <= 0x2F; }
bool is_final_byte(unsigned char c) { return c >= 0x40 && c <= 0x7E; }

// A sequence whose body (after ESC and its introducer) is cut short: with
// nothing after the introducer it was Alt + the introducer's character.
Decoded settle_incomplete(std::span<const unsigned char> bytes, bool moreMayFollow) {
  if (moreMayFollow) return need_more();
  if (bytes.size() == 2) return key(with_state(key_for_byte(bytes[1]), LEFT_ALT_PRESSED), 2);
  return not_a_key(bytes.size());
}

Decoded decode_csi(std::span<const unsigned char> bytes, bool moreMayFollow) {
  std::size_t i = 2;
  while (i < bytes.size() && is_parameter_byte(bytes[i])) ++i;
  const auto params = bytes.subspan(2, i - 2);
  // rxvt ends Shift-modified keys with '$', a byte that is otherwise an
  // intermediate; no key sequence has true intermediates.
  if (i < bytes.size() && bytes[i] == '$') {
    auto k = csi_key(parse_parameters(params), '$');
    return k ? key(*k, i + 1) : not_a_key(i + 1);
  }
  while (i < bytes.size() && is_intermediate_byte(bytes[i])) ++i;
  if (i == bytes.size()) return settle_incomplete(bytes, moreMayFollow);
  const unsigned char final = bytes[i];
  // A byte that cannot continue the sequence ends it unfinished; that
  // byte starts whatever comes next.
  if (!is_final_byte(final)) return not_a_key(i);
  if (final == '[' && params.empty() && i == 2) {  // linux console: CSI [ A..E is F1..F5
    if (i + 1 == bytes.size()) return moreMayFollow ? need_more() : not_a_key(bytes.size());
    const unsigned char f = bytes[i + 1];
    if (f >= 'A' && f <= 'E') return key(named_key(static_cast<NamedKey>(static_cast<int>(NamedKey::F1) + (f - 'A'))), 4);
    return is_final_byte(f) ? not_a_key(4) : not_a_key(3);
  }
  if (i > 2 && bytes[i - 1] >= 0x20 && bytes[i - 1] <= 0x2F) return not_a_key(i + 1);
  auto k = csi_key(parse_parameters(params), final);
  return k ? key(*k, i + 1) : not_a_key(i + 1);
}

Decoded decode_ss3(std::span<const unsigned char> bytes, bool moreMayFollow) {
  std::size_t i = 2;
  while (i < bytes.size() && is_parameter_byte(bytes[i])) ++i;
  if (i == bytes.size()) return settle_incomplete(bytes, moreMayFollow);
  const unsigned char final = bytes[i];
  if (!is_final_byte(final)) return not_a_key(i);
  auto k = ss3_key(parse_parameters(bytes.subspan(2, i - 2)), final);
  return k ? key(*k, i + 1) : not_a_key(i + 1);
}

// A byte of 0x80 and above: the start of a UTF-8 character, or a Latin-1
// character by itself when it does not start a valid UTF-8 sequence.
Decoded decode_utf8(std::span<const unsigned char> bytes, bool moreMayFollow) {
  const unsigned char lead = bytes[0];
  std::size_t length = 0;
  char32_t codePoint = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
  } else {
    return key(key_for_byte(lead), 1);
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (i == bytes.size()) return moreMayFollow ? need_more() : key(key_for_byte(lead), 1);
    if ((bytes[i] & 0xC0) != 0x80) return key(key_for_byte(lead), 1);
    codePoint = (codePoint << 6) | (bytes[i] & 0x3F);
  }
  // The console's code page is Latin-1: other characters read as '?'.
  if (codePoint > 0xFF) return key({0, 0, '?', 0}, length);
  return key(key_for_byte(static_cast<unsigned char>(codePoint)), length);
}

}  // namespace

Decoded decode_key(std::span<const unsigned char> bytes, bool moreMayFollow) {
  if (bytes.empty()) return need_more();
  const unsigned char first = bytes[0];
  if (first >= 0x80) return decode_utf8(bytes, moreMayFollow);
  if (first != kEsc) return key(key_for_byte(first), 1);
  if (bytes.size() == 1) return moreMayFollow ? need_more() : key(key_for_byte(kEsc), 1);

  switch (bytes[1]) {
    case '[': return decode_csi(bytes, moreMayFollow);
    case 'O': return decode_ss3(bytes, moreMayFollow);
    case kEsc: {
      // ESC before a whole sequence is Alt with that key (xterm's
      // metaSendsEscape, rxvt); before anything else it is Esc by itself.
      const Decoded inner = decode_key(bytes.subspan(1), moreMayFollow);
      if (inner.status == DecodeStatus::NeedMore) return inner;
      if (inner.status == DecodeStatus::Key && inner.length > 1) {
        return key(with_state(inner.key, LEFT_ALT_PRESSED), inner.length + 1);
      }
      return key(key_for_byte(kEsc), 1);
    }
    default: {
      const Decoded inner = decode_key(bytes.subspan(1), moreMayFollow);
      if (inner.status != DecodeStatus::Key) return inner.status == DecodeStatus::NeedMore ? inner : not_a_key(1);
      return key(with_state(inner.key, LEFT_ALT_PRESSED), inner.length + 1);
    }
  }
}

std::size_t decode_keys(std::span<const unsigned char> bytes, bool moreMayFollow, std::vector<KeyPress>& keys) {
  std::size_t used = 0;
  while (used < bytes.size()) {
    const Decoded d = decode_key(bytes.subspan(used), moreMayFollow);
    if (d.status == DecodeStatus::NeedMore) break;
    if (d.status == DecodeStatus::Key) keys.push_back(d.key);
    used += d.length;
  }
  return used;
}

}  // namespace win32::detail
