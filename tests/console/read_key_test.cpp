// Console key events to the characters and extended codes ReadKey returns.
#include <vector>

#include "console_fixture.h"

namespace console {
namespace {

using win32::DWORD;
constexpr DWORD kLeftAlt = win32::LEFT_ALT_PRESSED;
constexpr DWORD kRightAlt = win32::RIGHT_ALT_PRESSED;
constexpr DWORD kCtrl = win32::LEFT_CTRL_PRESSED;
constexpr DWORD kShift = win32::SHIFT_PRESSED;
constexpr DWORD kEnhanced = win32::ENHANCED_KEY;
constexpr DWORD kNumLock = win32::NUMLOCK_ON;

struct KeyCodes {
  const char* name;
  win32::WORD vk;
  win32::WORD scan;
  unsigned char ch;
  DWORD state;
  std::vector<int> codes;
};

class ReadKeyCodes : public InMemoryConsole, public testing::WithParamInterface<KeyCodes> {};

TEST_P(ReadKeyCodes, FromOneKeyEvent) {
  const KeyCodes& k = GetParam();
  Type(k.vk, k.scan, k.ch, k.state);
  std::vector<int> codes;
  while (KeyPressed()) codes.push_back(ReadKey());
  EXPECT_EQ(codes, k.codes);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ReadKeyCodes,
    testing::Values(
        KeyCodes{"F1", win32::VK_F1, 59, 0, 0, {0, 59}}, KeyCodes{"ShiftF1", win32::VK_F1, 59, 0, kShift, {0, 84}},
        KeyCodes{"CtrlF1", win32::VK_F1, 59, 0, kCtrl, {0, 94}},
        KeyCodes{"AltF1", win32::VK_F1, 59, 0, kLeftAlt, {0, 104}},
        KeyCodes{"F12", win32::VK_F12, 88, 0, 0, {0, 134}}, KeyCodes{"ShiftF12", win32::VK_F12, 88, 0, kShift, {0, 136}},
        KeyCodes{"CtrlF11", win32::VK_F11, 87, 0, kCtrl, {0, 137}},
        KeyCodes{"AltF12", win32::VK_F12, 88, 0, kRightAlt, {0, 140}},
        KeyCodes{"CtrlLeft", win32::VK_LEFT, 75, 0, kCtrl | kEnhanced, {0, 115}},
        KeyCodes{"CtrlHome", win32::VK_HOME, 71, 0, kCtrl | kEnhanced, {0, 119}},
        KeyCodes{"CtrlKeypadPlus", win32::VK_ADD, 78, '+', kCtrl, {'+'}},
        KeyCodes{"CtrlTab", win32::VK_TAB, 15, 0, kCtrl, {0, 148}},
        KeyCodes{"AltLeft", win32::VK_LEFT, 75, 0, kLeftAlt | kEnhanced, {0, 155}},
        KeyCodes{"AltX", 'X', 45, 'x', kLeftAlt, {0, 45}}, KeyCodes{"AltOne", '1', 2, '1', kLeftAlt, {0, 120}},
        KeyCodes{"AltEnter", win32::VK_RETURN, 28, 13, kLeftAlt, {13}},
        KeyCodes{"RightAltCharacter", 'Q', 16, '@', kRightAlt | kCtrl, {'@'}},
        KeyCodes{"KeypadEnter", win32::VK_RETURN, 28, 13, kEnhanced, {13}},
        KeyCodes{"KeypadSlash", win32::VK_DIVIDE, 53, '/', kEnhanced, {0, 53}},
        KeyCodes{"AltKeypad7NumLockOff", win32::VK_HOME, 71, 0, kLeftAlt, {0, 151}},
        KeyCodes{"Up", win32::VK_UP, 72, 0, kEnhanced, {0, 72}}, KeyCodes{"Del", win32::VK_DELETE, 83, 0, kEnhanced, {0, 83}},
        KeyCodes{"CtrlA", 'A', 30, 1, kCtrl, {1}}, KeyCodes{"ShiftA", 'A', 30, 'A', kShift, {'A'}},
        KeyCodes{"ShiftAlone", win32::VK_SHIFT, 42, 0, kShift, {}},
        KeyCodes{"CtrlAlone", win32::VK_CONTROL, 29, 0, kCtrl, {}},
        KeyCodes{"AltAlone", win32::VK_MENU, 56, 0, kLeftAlt, {}}, KeyCodes{"CapsLock", win32::VK_CAPITAL, 58, 0, 0, {}},
        KeyCodes{"NumLock", win32::VK_NUMLOCK, 69, 0, kEnhanced, {}},
        KeyCodes{"ScrollLock", win32::VK_SCROLL, 70, 0, 0, {}}),
    [](const testing::TestParamInfo<KeyCodes>& info) { return std::string(info.param.name); });

TEST_F(InMemoryConsole, AltAndKeypadDigitsComposeACharacterOnAltRelease) {
  Send(KeyRecord(win32::VK_MENU, 56, 0, kLeftAlt | kNumLock));
  Type(win32::VK_NUMPAD0 + 6, 77, '6', kLeftAlt | kNumLock);
  Type(win32::VK_NUMPAD0 + 5, 76, '5', kLeftAlt | kNumLock);
  EXPECT_FALSE(KeyPressed());  // the digits themselves give nothing
  Send(KeyRecord(win32::VK_MENU, 56, 0, kNumLock, false));
  ASSERT_TRUE(KeyPressed());
  EXPECT_EQ(ReadKey(), 65);
  EXPECT_FALSE(KeyPressed());
}

TEST_F(InMemoryConsole, ACompositionThatComesToZeroDeliversNothing) {
  for (int digit : {2, 5, 6}) {
    Type(static_cast<win32::WORD>(win32::VK_NUMPAD0 + digit), 80, static_cast<unsigned char>('0' + digit),
         kLeftAlt | kNumLock);
  }
  Send(KeyRecord(win32::VK_MENU, 56, 0, kNumLock, false));
  EXPECT_FALSE(KeyPressed());
  // The next composition starts afresh.
  Type(win32::VK_NUMPAD0 + 9, 73, '9', kLeftAlt | kNumLock);
  Type(win32::VK_NUMPAD0 + 7, 71, '7', kLeftAlt | kNumLock);
  Send(KeyRecord(win32::VK_MENU, 56, 0, kNumLock, false));
  ASSERT_TRUE(KeyPressed());
  EXPECT_EQ(ReadKey(), 97);
}

TEST_F(InMemoryConsole, AKeyEventWithARepeatCountGivesOneKey) {
  Send(KeyRecord('A', 30, 'a', 0, true, 5));
  EXPECT_EQ(ReadKey(), 'a');
  EXPECT_FALSE(KeyPressed());
}

TEST_F(InMemoryConsole, OtherEventsAndReleasesAreDroppedAndConsumed) {
  win32::INPUT_RECORD resize{};
  resize.EventType = win32::WINDOW_BUFFER_SIZE_EVENT;
  Send(resize);
  Send(KeyRecord('B', 48, 'b', 0, false));
  EXPECT_FALSE(KeyPressed());
  DWORD left = 1;
  ASSERT_TRUE(win32::GetNumberOfConsoleInputEvents(InputHandle, &left));
  EXPECT_EQ(left, 0u);
}

TEST_F(InMemoryConsole, ExtendedCodeStaysPendingAfterItsZero) {
  Type(win32::VK_F1, 59, 0);
  Type('Z', 44, 'z');
  EXPECT_EQ(ReadKey(), 0);
  EXPECT_TRUE(KeyPressed());
  EXPECT_EQ(ReadKey(), 59);
  EXPECT_EQ(ReadKey(), 'z');
}

TEST(RemapScanCode, OnlyTheFirstModifierGroupCounts) {
  // Alt before Ctrl before Shift; right-hand keys count as their group.
  EXPECT_EQ(RemapScanCode(80, win32::RIGHT_CTRL_PRESSED, win32::VK_DOWN), 145);
  EXPECT_EQ(RemapScanCode(59, kLeftAlt | kCtrl | kShift, win32::VK_F1), 104);
  EXPECT_EQ(RemapScanCode(59, kCtrl | kShift, win32::VK_F1), 94);
  EXPECT_EQ(RemapScanCode(28, kLeftAlt, win32::VK_RETURN), 166);
  EXPECT_EQ(RemapScanCode(53, kLeftAlt, win32::VK_DIVIDE), 164);
  EXPECT_EQ(RemapScanCode(13, kLeftAlt, win32::VK_OEM_PLUS), 131);
  EXPECT_EQ(RemapScanCode(55, kCtrl, win32::VK_MULTIPLY), 150);
  EXPECT_EQ(RemapScanCode(53, kCtrl, win32::VK_DIVIDE), 149);
  EXPECT_EQ(RemapScanCode(30, kShift, 'A'), 30);
  DoingNumChars = false;
  DoingNumCode = 0;
}

}  // namespace
}  // namespace console
