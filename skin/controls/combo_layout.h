// The arithmetic of the combo box: its text and button rectangles with and
// without a section, where the open list goes, Page Up / Page Down and the
// typed search prefix. Plain functions, checked as tables without a window.
#pragma once

#include <string>

#include "ui/graphics/geometry.h"

namespace skin {

struct ComboPlaces {
  gfx::Rect text;
  gfx::Rect button;
};

// Without a section: button (w - 19, 2, w - 2, h - 2), text (2, 2,
// button.left - 1, h - 2).
ComboPlaces DefaultComboPlaces(int width, int height);

// With a section: buttonrect, moved right by w - skinW when its left edge
// is at least skinW - rightTopX; text = clientrect with its right edge moved
// by w - skinW; without UseSkinSize both reach down by h - skinH.
ComboPlaces SkinComboPlaces(const gfx::Rect& buttonRect, const gfx::Rect& clientRect, int skinW,
                            int skinH, int rightTopX, int width, int height, bool useSkinSize);

// The list's top-left for a combo whose bottom-left is at (x, comboBottom):
// below the combo, or above it (comboBottom - comboHeight - listHeight)
// when it would reach below the work area's bottom.
gfx::Point ComboListPosition(int x, int comboBottom, int comboHeight, int listHeight,
                             const gfx::Rect& workArea);

// Page Up: max(0, index - rows - 1); Page Down: min(count - 1, index + rows - 1).
int ComboPageUp(int index, int dropDownCount);
int ComboPageDown(int index, int dropDownCount, int count);

// The search prefix after a typed character: with AutoComplete it grows,
// starting again when 500 ms or more passed since the previous character;
// without it the character alone.
std::string NextSearchPrefix(const std::string& prefix, const std::string& typed,
                             long long sinceLastMs, bool autoComplete);

}  // namespace skin
