#include "display/x11/x11_keys.h"

#include <X11/keysym.h>

#include <array>
#include <cstring>

namespace win32::detail {

namespace {

struct KeyEntry {
  unsigned long keysym;
  WPARAM code;
  BYTE scan;
  bool extended;
};

// Every key of the PC keyboard that is not a letter or a digit.
constexpr KeyEntry kKeys[] = {
    {XK_BackSpace, 0x08, 0x0E, false},   {XK_Tab, 0x09, 0x0F, false},
    {XK_ISO_Left_Tab, 0x09, 0x0F, false}, {XK_Return, 0x0D, 0x1C, false},
    {XK_KP_Enter, 0x0D, 0x1C, true},     {XK_Shift_L, 0x10, 0x2A, false},
    {XK_Shift_R, 0x10, 0x36, false},     {XK_Control_L, 0x11, 0x1D, false},
    {XK_Control_R, 0x11, 0x1D, true},    {XK_Alt_L, 0x12, 0x38, false},
    {XK_Alt_R, 0x12, 0x38, true},        {XK_ISO_Level3_Shift, 0x12, 0x38, true},
    {XK_Meta_L, 0x12, 0x38, false},      {XK_Pause, 0x13, 0x45, false},
    {XK_Caps_Lock, 0x14, 0x3A, false},   {XK_Escape, 0x1B, 0x01, false},
    {XK_space, 0x20, 0x39, false},       {XK_Prior, 0x21, 0x49, true},
    {XK_Next, 0x22, 0x51, true},         {XK_End, 0x23, 0x4F, true},
    {XK_Home, 0x24, 0x47, true},         {XK_Left, 0x25, 0x4B, true},
    {XK_Up, 0x26, 0x48, true},           {XK_Right, 0x27, 0x4D, true},
    {XK_Down, 0x28, 0x50, true},         {XK_Print, 0x2C, 0x37, true},
    {XK_Insert, 0x2D, 0x52, true},       {XK_Delete, 0x2E, 0x53, true},
    {XK_Super_L, 0x5B, 0x5B, true},      {XK_Super_R, 0x5C, 0x5C, true},
    {XK_Menu, 0x5D, 0x5D, true},
    // The keypad's navigation keys (NumLock off) are the plain keys, sent
    // without the prefix.
    {XK_KP_Insert, 0x2D, 0x52, false},   {XK_KP_End, 0x23, 0x4F, false},
    {XK_KP_Down, 0x28, 0x50, false},     {XK_KP_Next, 0x22, 0x51, false},
    {XK_KP_Left, 0x25, 0x4B, false},     {XK_KP_Begin, 0x0C, 0x4C, false},
    {XK_KP_Right, 0x27, 0x4D, false},    {XK_KP_Home, 0x24, 0x47, false},
    {XK_KP_Up, 0x26, 0x48, false},       {XK_KP_Prior, 0x21, 0x49, false},
    {XK_KP_Delete, 0x2E, 0x53, false},
    {XK_KP_0, 0x60, 0x52, false},        {XK_KP_1, 0x61, 0x4F, false},
    {XK_KP_2, 0x62, 0x50, false},        {XK_KP_3, 0x63, 0x51, false},
    {XK_KP_4, 0x64, 0x4B, false},        {XK_KP_5, 0x65, 0x4C, false},
    {XK_KP_6, 0x66, 0x4D, false},        {XK_KP_7, 0x67, 0x47, false},
    {XK_KP_8, 0x68, 0x48, false},        {XK_KP_9, 0x69, 0x49, false},
    {XK_KP_Multiply, 0x6A, 0x37, false}, {XK_KP_Add, 0x6B, 0x4E, false},
    {XK_KP_Separator, 0x6C, 0x53, false}, {XK_KP_Subtract, 0x6D, 0x4A, false},
    {XK_KP_Decimal, 0x6E, 0x53, false},  {XK_KP_Divide, 0x6F, 0x35, true},
    {XK_Num_Lock, 0x90, 0x45, true},     {XK_Scroll_Lock, 0x91, 0x46, false},
    {XK_semicolon, 0xBA, 0x27, false},   {XK_equal, 0xBB, 0x0D, false},
    {XK_comma, 0xBC, 0x33, false},       {XK_minus, 0xBD, 0x0C, false},
    {XK_period, 0xBE, 0x34, false},      {XK_slash, 0xBF, 0x35, false},
    {XK_grave, 0xC0, 0x29, false},       {XK_bracketleft, 0xDB, 0x1A, false},
    {XK_backslash, 0xDC, 0x2B, false},   {XK_bracketright, 0xDD, 0x1B, false},
    {XK_apostrophe, 0xDE, 0x28, false},  {XK_less, 0xE2, 0x56, false},
};

// Function keys F1 to F12 have scan codes in two runs; F13 to F24 none.
constexpr std::array<BYTE, 12> kFunctionScans{0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x57, 0x58};

// Set-1 scan codes of the letters and digits, by their place on the keyboard.
constexpr const char* kLetterRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr BYTE kLetterRowStarts[] = {0x10, 0x1E, 0x2C};

BYTE letter_scan(char letter) {
  for (int row = 0; row < 3; ++row) {
    if (const char* found = std::strchr(kLetterRows[row], letter)) {
      return static_cast<BYTE>(kLetterRowStarts[row] + (found - kLetterRows[row]));
    }
  }
  return 0;
}

}  // namespace

VirtualKey virtual_key_of(unsigned long keysym) {
  if (keysym >= XK_a && keysym <= XK_z) keysym -= XK_a - XK_A;
  if (keysym >= XK_A && keysym <= XK_Z) {
    const char letter = static_cast<char>(keysym - XK_A + 'A');
    return VirtualKey{static_cast<WPARAM>(letter), letter_scan(letter), false};
  }
  if (keysym >= XK_0 && keysym <= XK_9) {
    const auto digit = static_cast<int>(keysym - XK_0);
    return VirtualKey{static_cast<WPARAM>('0' + digit), static_cast<BYTE>(digit == 0 ? 0x0B : 0x01 + digit), false};
  }
  if (keysym >= XK_F1 && keysym <= XK_F24) {
    const auto index = static_cast<std::size_t>(keysym - XK_F1);
    return VirtualKey{0x70 + index, index < kFunctionScans.size() ? kFunctionScans[index] : BYTE{0}, false};
  }
  for (const KeyEntry& entry : kKeys) {
    if (entry.keysym == keysym) return VirtualKey{entry.code, entry.scan, entry.extended};
  }
  return VirtualKey{};
}

}  // namespace win32::detail
