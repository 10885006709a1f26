// The terminal key decoder: byte sequences to the key events a Win32
// console reports for the same keys.
#include "console/key_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "fuzz/decoder_property.h"
#include "platform/console.h"

namespace win32::detail {
namespace {

std::vector<unsigned char> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

std::vector<KeyPress> DecodeAll(std::string_view s, bool moreMayFollow = false) {
  std::vector<KeyPress> keys;
  const auto bytes = Bytes(s);
  decode_keys(bytes, moreMayFollow, keys);
  return keys;
}

constexpr DWORD kShift = SHIFT_PRESSED;
constexpr DWORD kCtrl = LEFT_CTRL_PRESSED;
constexpr DWORD kAlt = LEFT_ALT_PRESSED;
constexpr DWORD kEnh = ENHANCED_KEY;

struct KeyCase {
  const char* bytes;
  KeyPress key;
};

class DecodesOneKey : public testing::TestWithParam<KeyCase> {};

bool IsLetterOrDigit(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A case is named by its bytes: letters and digits as they are, ESC as
// "Esc", any other byte in hexadecimal ("\x1b[1;5D" is Esc_x5B_1_x3B_5D).
std::string CaseName(const testing::TestParamInfo<KeyCase>& info) {
  std::string name;
  bool inWord = false;
  for (const unsigned char c : std::string_view(info.param.bytes)) {
    const bool letterOrDigit = IsLetterOrDigit(c);
    if (!name.empty() && !(letterOrDigit && inWord)) name += '_';
    if (letterOrDigit) {
      name += static_cast<char>(c);
    } else if (c == 0x1b) {
      name += "Esc";
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "x%02X", c);
      name += hex;
    }
    inWord = letterOrDigit;
  }
  return name;
}

TEST_P(DecodesOneKey, WithWin32Fields) {
  const KeyCase& c = GetParam();
  const auto bytes = Bytes(c.bytes);
  const Decoded d = decode_key(bytes, true);
  ASSERT_EQ(d.status, DecodeStatus::Key) << testing::PrintToString(c.bytes);
  EXPECT_EQ(d.length, bytes.size());
  EXPECT_EQ(d.key.virtualKey, c.key.virtualKey);
  EXPECT_EQ(d.key.scanCode, c.key.scanCode);
  EXPECT_EQ(d.key.character, c.key.character);
  EXPECT_EQ(d.key.controlKeyState, c.key.controlKeyState);
}

INSTANTIATE_TEST_SUITE_P(
    CharactersAndControls, DecodesOneKey,
    testing::Values(KeyCase{"a", {'A', 30, 'a', 0}}, KeyCase{"Z", {'Z', 44, 'Z', kShift}},
                    KeyCase{"5", {'5', 6, '5', 0}}, KeyCase{"%", {'5', 6, '%', kShift}},
                    KeyCase{" ", {VK_SPACE, 57, ' ', 0}}, KeyCase{"/", {VK_OEM_2, 53, '/', 0}},
                    KeyCase{"?", {VK_OEM_2, 53, '?', kShift}}, KeyCase{"~", {VK_OEM_3, 41, '~', kShift}},
                    KeyCase{"\r", {VK_RETURN, 28, 13, 0}}, KeyCase{"\t", {VK_TAB, 15, 9, 0}},
                    KeyCase{"\x7f", {VK_BACK, 14, 8, 0}}, KeyCase{"\x08", {VK_BACK, 14, 8, 0}},
                    KeyCase{"\x01", {'A', 30, 1, kCtrl}}, KeyCase{"\x1a", {'Z', 44, 26, kCtrl}},
                    KeyCase{"\x0a", {'J', 36, 10, kCtrl}}, KeyCase{"\x1d", {VK_OEM_6, 27, 29, kCtrl}},
                    KeyCase{"\xc3\xa9", {0, 0, 0xE9, 0}}, KeyCase{"\xe2\x82\xac", {0, 0, '?', 0}},
                    KeyCase{"\xa9", {0, 0, 0xA9, 0}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    AltPrefix, DecodesOneKey,
    testing::Values(KeyCase{"\x1bx", {'X', 45, 'x', kAlt}}, KeyCase{"\x1bX", {'X', 45, 'X', kAlt | kShift}},
                    KeyCase{"\x1b\x7f", {VK_BACK, 14, 8, kAlt}}, KeyCase{"\x1b\r", {VK_RETURN, 28, 13, kAlt}},
                    KeyCase{"\x1b\x1b[D", {VK_LEFT, 75, 0, kEnh | kAlt}},
                    KeyCase{"\x1b\x1bOP", {VK_F1, 59, 0, kAlt}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    CursorBlock, DecodesOneKey,
    testing::Values(KeyCase{"\x1b[A", {VK_UP, 72, 0, kEnh}}, KeyCase{"\x1bOB", {VK_DOWN, 80, 0, kEnh}},
                    KeyCase{"\x1b[C", {VK_RIGHT, 77, 0, kEnh}}, KeyCase{"\x1bOD", {VK_LEFT, 75, 0, kEnh}},
                    KeyCase{"\x1b[H", {VK_HOME, 71, 0, kEnh}}, KeyCase{"\x1bOF", {VK_END, 79, 0, kEnh}},
                    KeyCase{"\x1b[1~", {VK_HOME, 71, 0, kEnh}}, KeyCase{"\x1b[7~", {VK_HOME, 71, 0, kEnh}},
                    KeyCase{"\x1b[4~", {VK_END, 79, 0, kEnh}}, KeyCase{"\x1b[8~", {VK_END, 79, 0, kEnh}},
                    KeyCase{"\x1b[2~", {VK_INSERT, 82, 0, kEnh}}, KeyCase{"\x1b[3~", {VK_DELETE, 83, 0, kEnh}},
                    KeyCase{"\x1b[5~", {VK_PRIOR, 73, 0, kEnh}}, KeyCase{"\x1b[6~", {VK_NEXT, 81, 0, kEnh}},
                    KeyCase{"\x1b[E", {VK_CLEAR, 76, 0, 0}}, KeyCase{"\x1b[Z", {VK_TAB, 15, 9, kShift}},
                    KeyCase{"\x1bOM", {VK_RETURN, 28, 13, kEnh}}, KeyCase{"\x1bOo", {VK_DIVIDE, 53, '/', kEnh}},
                    KeyCase{"\x1bOt", {VK_NUMPAD0 + 4, 75, '4', NUMLOCK_ON}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    FunctionKeys, DecodesOneKey,
    testing::Values(KeyCase{"\x1bOP", {VK_F1, 59, 0, 0}}, KeyCase{"\x1bOS", {VK_F1 + 3, 62, 0, 0}},
                    KeyCase{"\x1b[11~", {VK_F1, 59, 0, 0}}, KeyCase{"\x1b[15~", {VK_F1 + 4, 63, 0, 0}},
                    KeyCase{"\x1b[17~", {VK_F1 + 5, 64, 0, 0}}, KeyCase{"\x1b[21~", {VK_F10, 68, 0, 0}},
                    KeyCase{"\x1b[23~", {VK_F11, 87, 0, 0}}, KeyCase{"\x1b[24~", {VK_F12, 88, 0, 0}},
                    KeyCase{"\x1b[[A", {VK_F1, 59, 0, 0}}, KeyCase{"\x1b[[E", {VK_F1 + 4, 63, 0, 0}},
                    KeyCase{"\x1b[P", {VK_F1, 59, 0, 0}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Modifiers, DecodesOneKey,
    testing::Values(KeyCase{"\x1b[1;5D", {VK_LEFT, 75, 0, kEnh | kCtrl}},
                    KeyCase{"\x1b[1;2A", {VK_UP, 72, 0, kEnh | kShift}},
                    KeyCase{"\x1b[1;3C", {VK_RIGHT, 77, 0, kEnh | kAlt}},
                    KeyCase{"\x1b[1;8H", {VK_HOME, 71, 0, kEnh | kShift | kAlt | kCtrl}},
                    KeyCase{"\x1b[1;9F", {VK_END, 79, 0, kEnh | kAlt}},  // Meta counts as Alt
                    KeyCase{"\x1b[1;2P", {VK_F1, 59, 0, kShift}}, KeyCase{"\x1bO5P", {VK_F1, 59, 0, kCtrl}},
                    KeyCase{"\x1bO1;3Q", {VK_F1 + 1, 60, 0, kAlt}},
                    KeyCase{"\x1b[15;2~", {VK_F1 + 4, 63, 0, kShift}},
                    KeyCase{"\x1b[24;5~", {VK_F12, 88, 0, kCtrl}}, KeyCase{"\x1b[3;3~", {VK_DELETE, 83, 0, kEnh | kAlt}},
                    KeyCase{"\x1b[5^", {VK_PRIOR, 73, 0, kEnh | kCtrl}},
                    KeyCase{"\x1b[2$", {VK_INSERT, 82, 0, kEnh | kShift}},
                    KeyCase{"\x1b[11@", {VK_F1, 59, 0, kCtrl | kShift}},
                    KeyCase{"\x1b[a", {VK_UP, 72, 0, kEnh | kShift}}, KeyCase{"\x1bOd", {VK_LEFT, 75, 0, kEnh | kCtrl}},
                    KeyCase{"\x1b[27;5;13~", {VK_RETURN, 28, 13, kCtrl}}),
    CaseName);

TEST(KeyDecoder, IncompleteSequencesNeedMoreUntilTheTerminalIsQuiet) {
  for (const char* partial : {"\x1b", "\x1b[", "\x1b[1", "\x1b[1;", "\x1b[1;5", "\x1bO", "\x1b[[", "\xc3", "\xe2\x82",
                              "\x1b\x1b", "\x1b\x1b[", "\x1b\xc3"}) {
    const auto bytes = Bytes(partial);
    EXPECT_EQ(decode_key(bytes, true).status, DecodeStatus::NeedMore) << testing::PrintToString(partial);
    const Decoded settled = decode_key(bytes, false);
    EXPECT_NE(settled.status, DecodeStatus::NeedMore) << testing::PrintToString(partial);
    EXPECT_GE(settled.length, 1u);
  }
}

TEST(KeyDecoder, QuietTerminalSettlesEscAndItsIntroducers) {
  EXPECT_EQ(DecodeAll("\x1b"), (std::vector<KeyPress>{{VK_ESCAPE, 1, 27, 0}}));
  EXPECT_EQ(DecodeAll("\x1b\x1b"), (std::vector<KeyPress>{{VK_ESCAPE, 1, 27, 0}, {VK_ESCAPE, 1, 27, 0}}));
  // Alt+[ and Alt+Shift+O typed alone.
  EXPECT_EQ(DecodeAll("\x1b["), (std::vector<KeyPress>{{VK_OEM_4, 26, '[', kAlt}}));
  EXPECT_EQ(DecodeAll("\x1bO"), (std::vector<KeyPress>{{'O', 24, 'O', kAlt | kShift}}));
  // A cut-off UTF-8 character is its first byte, as Latin-1.
  EXPECT_EQ(DecodeAll("\xc3"), (std::vector<KeyPress>{{0, 0, 0xC3, 0}}));
  // A sequence cut off after its parameters is no key at all.
  EXPECT_TRUE(DecodeAll("\x1b[1;5").empty());
}

TEST(KeyDecoder, SequenceSplitAcrossReadsGivesOneKey) {
  const std::string whole = "\x1b[15;5~";
  for (std::size_t cut = 1; cut < whole.size(); ++cut) {
    std::vector<unsigned char> pending = Bytes(whole.substr(0, cut));
    std::vector<KeyPress> keys;
    const std::size_t used = decode_keys(pending, true, keys);
    EXPECT_EQ(used, 0u) << cut;
    EXPECT_TRUE(keys.empty()) << cut;
    const auto rest = Bytes(whole.substr(cut));
    pending.insert(pending.end(), rest.begin(), rest.end());
    decode_keys(pending, true, keys);
    EXPECT_EQ(keys, (std::vector<KeyPress>{{VK_F1 + 4, 63, 0, kCtrl}})) << cut;
  }
}

TEST(KeyDecoder, UnknownSequencesAreDroppedWhole) {
  for (const char* unknown : {"\x1b[200~", "\x1b[201~", "\x1b[99~", "\x1b[?1;2c", "\x1b[3;3R", "\x1b[1;2;3;4;5A",
                              "\x1bOz", "\x1b[ q", "\x1b[[z", "\x1b[>0;95;0c"}) {
    const auto bytes = Bytes(unknown);
    const Decoded d = decode_key(bytes, true);
    EXPECT_EQ(d.status, DecodeStatus::NotAKey) << testing::PrintToString(unknown);
    EXPECT_EQ(d.length, bytes.size()) << testing::PrintToString(unknown);
  }
}

TEST(KeyDecoder, BracketedPasteArrivesAsPlainCharacters) {
  const auto keys = DecodeAll("\x1b[200~hi\r\x1b[201~");
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].character, 'h');
  EXPECT_EQ(keys[1].character, 'i');
  EXPECT_EQ(keys[2].virtualKey, VK_RETURN);
}

TEST(KeyDecoder, ABrokenSequenceDoesNotSwallowTheKeyThatBrokeIt) {
  EXPECT_EQ(DecodeAll("\x1b[1;\x1b[A"), (std::vector<KeyPress>{{VK_UP, 72, 0, kEnh}}));
  EXPECT_EQ(DecodeAll("\x1b[\x1bOP"), (std::vector<KeyPress>{{VK_F1, 59, 0, 0}}));
  EXPECT_EQ(DecodeAll("\x1bO5\rq"), (std::vector<KeyPress>{{VK_RETURN, 28, 13, 0}, {'Q', 16, 'q', 0}}));
  EXPECT_EQ(DecodeAll("\xe2\x82q"), (std::vector<KeyPress>{{0, 0, 0xE2, 0}, {0, 0, 0x82, 0}, {'Q', 16, 'q', 0}}));
}

// Any bytes at all: the keys typed after them still arrive (the same
// property the fuzz target checks).
TEST(KeyDecoder, RandomBytesNeverCostTheKeysBehindThem) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> length(0, 24);
  // Bytes that matter to the decoder come up far more often than by chance.
  const std::string interesting = "\x1b[O;0123456789~ABCDHPZ^$@\x7f\r\xc3\xe2\xf0\x80\xbf";
  std::uniform_int_distribution<std::size_t> pick(0, interesting.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 20000; ++round) {
    std::string input;
    for (int n = length(random); n > 0; --n) {
      input += random() % 2 ? interesting[pick(random)] : static_cast<char>(byte(random));
    }
    const auto bytes = Bytes(input);
    ASSERT_EQ(check_keys_survive(bytes), "") << testing::PrintToString(input);
  }
}

}  // namespace
}  // namespace win32::detail
