// Virtual key codes carried by the key messages, and the short-cut values
// of menu items (a key code plus modifier bits) with their display text.
#pragma once

#include <string>

namespace ui {

enum VirtualKey : int {
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL = 0x11,
  VK_MENU = 0x12,  // Alt
  VK_PAUSE = 0x13,
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_PRIOR = 0x21,
  VK_NEXT = 0x22,
  VK_END = 0x23,
  VK_HOME = 0x24,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_INSERT = 0x2D,
  VK_DELETE = 0x2E,
  // '0'..'9' and 'A'..'Z' are their ASCII codes.
  VK_F1 = 0x70,
  VK_F10 = 0x79,
  VK_F12 = 0x7B,
};

// Short-cuts: key code in the low byte, modifiers above.
enum ShortCutModifier : int { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
using ShortCut = int;

constexpr ShortCut MakeShortCut(int key, int modifiers) { return (key & 0xFF) | modifiers; }

// "Ctrl+Shift+F4", "Alt+F4", "Enter"; "" for 0.
std::string ShortCutToText(ShortCut sc);
// The reverse of ShortCutToText; 0 for a text it does not know.
ShortCut TextToShortCut(const std::string& text);

}  // namespace ui
