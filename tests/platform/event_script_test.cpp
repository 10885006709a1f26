// GRAPH_EVENTS scripts read into steps: every kind of step from its line,
// and each kind of fault refused with its line number and reason.
#include <gtest/gtest.h>

#include <string>

#include "display/event_script.h"
#include "platform/user.h"

namespace win32::detail {
namespace {

using Kind = ScriptStep::Kind;

TEST(EventScript, EveryStepIsReadFromItsLine) {
  const ScriptReading reading = read_event_script(
      "# a drag, keys and the rest\r\n"
      "\n"
      "   move 300 -20\n"
      "press left\n"
      "release MIDDLE\n"
      "key q\n"
      "key #\n"
      "key esc\n"
      "key Ctrl+Shift+Left\n"
      "\tkey   F12  \n"
      "wheel -3\n"
      "pause 60000\n"
      "snapshot\n"
      "close\n");
  ASSERT_FALSE(reading.refused()) << reading.fault;
  ASSERT_EQ(reading.steps.size(), 12u);
  const auto& s = reading.steps;

  EXPECT_EQ(s[0].kind, Kind::Move);
  EXPECT_EQ(s[0].line, 3);
  EXPECT_EQ(s[0].x, 300);
  EXPECT_EQ(s[0].y, -20);
  EXPECT_EQ(s[1].kind, Kind::Press);
  EXPECT_EQ(s[1].button, MK_LBUTTON);
  EXPECT_EQ(s[2].kind, Kind::Release);
  EXPECT_EQ(s[2].button, MK_MBUTTON);
  EXPECT_EQ(s[3].kind, Kind::Character);
  EXPECT_EQ(s[3].character, 'q');
  EXPECT_EQ(s[4].character, '#');  // a comment only where a line starts with it
  EXPECT_EQ(s[5].kind, Kind::Key);
  EXPECT_EQ(s[5].virtual_key, VK_ESCAPE);
  EXPECT_EQ(s[5].scan, 0x01);
  EXPECT_EQ(s[6].virtual_key, VK_LEFT);
  EXPECT_EQ(s[6].scan, 0x4B);
  EXPECT_TRUE(s[6].extended);
  EXPECT_EQ(s[6].modifiers, ScriptStep::kCtrl | ScriptStep::kShift);
  EXPECT_EQ(s[7].virtual_key, VK_F12);
  EXPECT_EQ(s[7].scan, 0x58);
  EXPECT_EQ(s[7].modifiers, 0u);
  EXPECT_EQ(s[8].kind, Kind::Wheel);
  EXPECT_EQ(s[8].amount, -3);
  EXPECT_EQ(s[9].kind, Kind::Pause);
  EXPECT_EQ(s[9].amount, 60000);
  EXPECT_EQ(s[10].kind, Kind::Snapshot);
  EXPECT_EQ(s[11].kind, Kind::Close);
  EXPECT_EQ(s[11].line, 14);
}

TEST(EventScript, ModifierKeysComeInTheOrderShiftCtrlAlt) {
  const std::vector<ModifierKey> keys = modifier_keys(ScriptStep::kAlt | ScriptStep::kShift);
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].virtual_key, VK_SHIFT);
  EXPECT_EQ(keys[1].virtual_key, VK_MENU);
  EXPECT_EQ(keys[1].scan, 0x38);
}

struct Fault {
  const char* script;
  int line;
  const char* reason;
};

class EventScriptFault : public ::testing::TestWithParam<Fault> {};

TEST_P(EventScriptFault, IsRefusedWithItsLineAndReason) {
  const ScriptReading reading = read_event_script(GetParam().script);
  EXPECT_TRUE(reading.refused());
  EXPECT_EQ(reading.fault_line, GetParam().line);
  EXPECT_EQ(reading.fault, GetParam().reason);
  EXPECT_TRUE(reading.steps.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EventScriptFault,
    ::testing::Values(
        Fault{"close\njump 3\n", 2, "unknown step 'jump' (key, move, press, release, wheel, pause, snapshot or close)"},
        Fault{"move 1\n", 1, "'move' takes two whole numbers, x and y"},
        Fault{"move 1 40000\n", 1, "'move' takes two whole numbers from -32768 to 32767, x and y"},
        Fault{"move 1 2x\n", 1, "'move' takes two whole numbers from -32768 to 32767, x and y"},
        Fault{"key\n", 1, "'key' takes a key name or one character"},
        Fault{"key \x7f\n", 1, "'key' takes a printable character"},
        Fault{"key Escape\n", 1, "unknown key 'Escape'"},
        Fault{"key Meta+Up\n", 1, "unknown modifier 'Meta' (Shift, Ctrl or Alt)"},
        Fault{"press side\n", 1, "unknown button 'side' (left, right or middle)"},
        Fault{"release\n", 1, "'release' takes a button: left, right or middle"},
        Fault{"\n\nwheel 0\n", 3, "'wheel' takes a whole number of notches from -100 to 100, not 0"},
        Fault{"wheel 101\n", 1, "'wheel' takes a whole number of notches from -100 to 100, not 0"},
        Fault{"pause -1\n", 1, "'pause' takes milliseconds from 0 to 60000"},
        Fault{"snapshot now\n", 1, "'snapshot' takes nothing after it"}));

}  // namespace
}  // namespace win32::detail
