// The graph window's key messages as the keys a program reads, message by
// message: characters from WM_CHAR, extended codes from the keys that type
// none under the modifiers held, and nothing twice for one key.
#include <gtest/gtest.h>

#include <optional>

#include "platform/console.h"
#include "platform/user.h"
#include "win32gui/window_keys.h"

namespace graph {
namespace {

constexpr win32::LPARAM kAltContext = win32::LPARAM{1} << 29;

win32::LPARAM Scan(int scan) { return static_cast<win32::LPARAM>(1 | (scan << 16)); }

struct KeyRow {
  const char* name;
  win32::UINT message;
  win32::WPARAM key;
  win32::LPARAM lParam;
  std::optional<WindowKey> read;
};

TEST(WindowKeys, EachMessageGivesItsKeyOrNothing) {
  const KeyRow rows[] = {
      {"character", win32::WM_CHAR, 'q', Scan(0x10), WindowKey{false, 'q'}},
      {"Esc's character", win32::WM_CHAR, 27, Scan(0x01), WindowKey{false, 27}},
      {"a letter's key: its WM_CHAR follows", win32::WM_KEYDOWN, 'Q', Scan(0x10), std::nullopt},
      {"Left", win32::WM_KEYDOWN, win32::VK_LEFT, Scan(0x4B), WindowKey{true, 75}},
      {"F12", win32::WM_KEYDOWN, win32::VK_F12, Scan(0x58), WindowKey{true, 134}},
      {"Del", win32::WM_KEYDOWN, win32::VK_DELETE, Scan(0x53), WindowKey{true, 83}},
      {"Alt-F4", win32::WM_SYSKEYDOWN, win32::VK_F1 + 3, Scan(0x3E) | kAltContext, WindowKey{true, 107}},
      {"Alt-X", win32::WM_SYSKEYDOWN, 'X', Scan(0x2D) | kAltContext, WindowKey{true, 45}},
      {"Alt-X's character", win32::WM_SYSCHAR, 'x', Scan(0x2D) | kAltContext, std::nullopt},
      {"Alt-Enter", win32::WM_SYSKEYDOWN, win32::VK_RETURN, Scan(0x1C) | kAltContext, WindowKey{false, 13}},
      {"Alt with a keypad digit", win32::WM_SYSKEYDOWN, win32::VK_NUMPAD0 + 6, Scan(0x4D) | kAltContext,
       std::nullopt},
      {"F10 without Alt", win32::WM_SYSKEYDOWN, win32::VK_F10, Scan(0x44), WindowKey{true, 68}},
      {"a key's release", win32::WM_KEYUP, win32::VK_LEFT, Scan(0x4B), std::nullopt},
      {"Alt alone", win32::WM_SYSKEYDOWN, win32::VK_MENU, Scan(0x38) | kAltContext, std::nullopt},
  };
  for (const KeyRow& row : rows) {
    WindowKeyTranslator keys;
    const std::optional<WindowKey> read = keys.Translate(row.message, row.key, row.lParam);
    ASSERT_EQ(read.has_value(), row.read.has_value()) << row.name;
    if (!read) continue;
    EXPECT_EQ(read->Extended, row.read->Extended) << row.name;
    EXPECT_EQ(read->Code, row.read->Code) << row.name;
  }
}

TEST(WindowKeys, ShiftAndCtrlCountWhileTheyAreDown) {
  WindowKeyTranslator keys;
  EXPECT_FALSE(keys.Translate(win32::WM_KEYDOWN, win32::VK_SHIFT, Scan(0x2A)));
  EXPECT_EQ(keys.Translate(win32::WM_KEYDOWN, win32::VK_F1, Scan(0x3B))->Code, 84);
  EXPECT_FALSE(keys.Translate(win32::WM_KEYDOWN, win32::VK_CONTROL, Scan(0x1D)));
  EXPECT_EQ(keys.Translate(win32::WM_KEYDOWN, win32::VK_F1, Scan(0x3B))->Code, 94);  // Ctrl before Shift
  EXPECT_EQ(keys.Translate(win32::WM_KEYDOWN, win32::VK_HOME, Scan(0x47))->Code, 119);
  EXPECT_FALSE(keys.Translate(win32::WM_KEYUP, win32::VK_CONTROL, Scan(0x1D)));
  EXPECT_FALSE(keys.Translate(win32::WM_KEYUP, win32::VK_SHIFT, Scan(0x2A)));
  EXPECT_EQ(keys.Translate(win32::WM_KEYDOWN, win32::VK_HOME, Scan(0x47))->Code, 71);

  (void)keys.Translate(win32::WM_KEYDOWN, win32::VK_CONTROL, Scan(0x1D));
  keys.Reset();  // a new window starts with no modifier down
  EXPECT_EQ(keys.Translate(win32::WM_KEYDOWN, win32::VK_HOME, Scan(0x47))->Code, 71);
}

}  // namespace
}  // namespace graph
