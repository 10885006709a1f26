#include "display/event_script.h"

#include <charconv>
#include <strings.h>

#include "platform/user.h"

namespace win32::detail {

namespace {

struct NamedKey {
  const char* name;
  WORD virtual_key;
  BYTE scan;
  bool extended;
};

constexpr NamedKey kNamedKeys[] = {
    {"Esc", VK_ESCAPE, 0x01, false},     {"Enter", VK_RETURN, 0x1C, false}, {"Space", VK_SPACE, 0x39, false},
    {"Tab", VK_TAB, 0x0F, false},        {"Backspace", VK_BACK, 0x0E, false}, {"Left", VK_LEFT, 0x4B, true},
    {"Right", VK_RIGHT, 0x4D, true},     {"Up", VK_UP, 0x48, true},         {"Down", VK_DOWN, 0x50, true},
    {"Home", VK_HOME, 0x47, true},       {"End", VK_END, 0x4F, true},       {"PgUp", VK_PRIOR, 0x49, true},
    {"PgDn", VK_NEXT, 0x51, true},       {"Ins", VK_INSERT, 0x52, true},    {"Del", VK_DELETE, 0x53, true},
    {"F1", VK_F1, 0x3B, false},          {"F2", VK_F1 + 1, 0x3C, false},    {"F3", VK_F1 + 2, 0x3D, false},
    {"F4", VK_F1 + 3, 0x3E, false},      {"F5", VK_F1 + 4, 0x3F, false},    {"F6", VK_F1 + 5, 0x40, false},
    {"F7", VK_F1 + 6, 0x41, false},      {"F8", VK_F1 + 7, 0x42, false},    {"F9", VK_F1 + 8, 0x43, false},
    {"F10", VK_F10, 0x44, false},        {"F11", VK_F11, 0x57, false},      {"F12", VK_F12, 0x58, false},
};

struct NamedModifier {
  const char* name;
  unsigned bit;
  ModifierKey key;
};

constexpr NamedModifier kModifiers[] = {
    {"Shift", ScriptStep::kShift, {VK_SHIFT, 0x2A}},
    {"Ctrl", ScriptStep::kCtrl, {VK_CONTROL, 0x1D}},
    {"Alt", ScriptStep::kAlt, {VK_MENU, 0x38}},
};

constexpr int kLongestPause = 60000;
constexpr int kMostNotches = 100;  // a turn of WHEEL_DELTA per notch stays within wParam's 16 bits

bool same_name(std::string_view word, const char* name) {
  return word.size() == std::char_traits<char>::length(name) && strncasecmp(word.data(), name, word.size()) == 0;
}

std::vector<std::string_view> words_of(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    const std::size_t start = at;
    while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
    if (at > start) words.push_back(line.substr(start, at - start));
  }
  return words;
}

std::optional<int> whole_number(std::string_view word, int lowest, int highest) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc{} || end != word.data() + word.size() || value < lowest || value > highest) return std::nullopt;
  return value;
}

// Reads the step of one line's words into `step`; on a fault, says why.
std::optional<std::string> read_step(const std::vector<std::string_view>& words, ScriptStep& step) {
  const std::string_view verb = words[0];
  const std::size_t arguments = words.size() - 1;
  const auto takes = [&](std::size_t count, const char* form) -> std::optional<std::string> {
    if (arguments == count) return std::nullopt;
    return "'" + std::string(verb) + "' takes " + form;
  };

  if (verb == "key") {
    if (auto fault = takes(1, "a key name or one character")) return fault;
    std::string_view name = words[1];
    if (name.size() == 1) {
      if (name[0] <= ' ' || name[0] > '~') return std::string("'key' takes a printable character");
      step.kind = ScriptStep::Kind::Character;
      step.character = name[0];
      return std::nullopt;
    }
    // Modifiers before the name, each followed by '+'.
    for (std::size_t plus = name.find('+'); plus != std::string_view::npos && plus + 1 < name.size();
         plus = name.find('+')) {
      const std::string_view prefix = name.substr(0, plus);
      const NamedModifier* found = nullptr;
      for (const NamedModifier& modifier : kModifiers)
        if (same_name(prefix, modifier.name)) found = &modifier;
      if (!found) return "unknown modifier '" + std::string(prefix) + "' (Shift, Ctrl or Alt)";
      step.modifiers |= found->bit;
      name.remove_prefix(plus + 1);
    }
    for (const NamedKey& key : kNamedKeys) {
      if (!same_name(name, key.name)) continue;
      step.kind = ScriptStep::Kind::Key;
      step.virtual_key = key.virtual_key;
      step.scan = key.scan;
      step.extended = key.extended;
      return std::nullopt;
    }
    return "unknown key '" + std::string(name) + "'";
  }
  if (verb == "move") {
    if (auto fault = takes(2, "two whole numbers, x and y")) return fault;
    const std::optional<int> x = whole_number(words[1], -32768, 32767);
    const std::optional<int> y = whole_number(words[2], -32768, 32767);
    if (!x || !y) return std::string("'move' takes two whole numbers from -32768 to 32767, x and y");
    step.kind = ScriptStep::Kind::Move;
    step.x = *x;
    step.y = *y;
    return std::nullopt;
  }
  if (verb == "press" || verb == "release") {
    if (auto fault = takes(1, "a button: left, right or middle")) return fault;
    const std::string_view button = words[1];
    if (same_name(button, "left")) {
      step.button = MK_LBUTTON;
    } else if (same_name(button, "right")) {
      step.button = MK_RBUTTON;
    } else if (same_name(button, "middle")) {
      step.button = MK_MBUTTON;
    } else {
      return "unknown button '" + std::string(button) + "' (left, right or middle)";
    }
    step.kind = verb == "press" ? ScriptStep::Kind::Press : ScriptStep::Kind::Release;
    return std::nullopt;
  }
  if (verb == "wheel") {
    const std::optional<int> notches = arguments == 1 ? whole_number(words[1], -kMostNotches, kMostNotches)
                                                      : std::nullopt;
    if (!notches || *notches == 0) return std::string("'wheel' takes a whole number of notches from -100 to 100, not 0");
    step.kind = ScriptStep::Kind::Wheel;
    step.amount = *notches;
    return std::nullopt;
  }
  if (verb == "pause") {
    const std::optional<int> milliseconds = arguments == 1 ? whole_number(words[1], 0, kLongestPause)
                                                           : std::nullopt;
    if (!milliseconds) return std::string("'pause' takes milliseconds from 0 to 60000");
    step.kind = ScriptStep::Kind::Pause;
    step.amount = *milliseconds;
    return std::nullopt;
  }
  if (verb == "snapshot" || verb == "close") {
    if (auto fault = takes(0, "nothing after it")) return fault;
    step.kind = verb == "snapshot" ? ScriptStep::Kind::Snapshot : ScriptStep::Kind::Close;
    return std::nullopt;
  }
  return "unknown step '" + std::string(verb) +
         "' (key, move, press, release, wheel, pause, snapshot or close)";
}

}  // namespace

ScriptReading read_event_script(std::string_view text) {
  ScriptReading reading;
  int line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    const std::vector<std::string_view> words = words_of(line);
    if (words.empty() || words[0].front() == '#') continue;
    ScriptStep step;
    step.line = line_number;
    if (std::optional<std::string> fault = read_step(words, step)) {
      reading.steps.clear();
      reading.fault_line = line_number;
      reading.fault = std::move(*fault);
      return reading;
    }
    reading.steps.push_back(step);
  }
  return reading;
}

std::vector<ModifierKey> modifier_keys(unsigned modifiers) {
  std::vector<ModifierKey> keys;
  for (const NamedModifier& modifier : kModifiers)
    if (modifiers & modifier.bit) keys.push_back(modifier.key);
  return keys;
}

}  // namespace win32::detail
