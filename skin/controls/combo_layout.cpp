// Combo box arithmetic: places, list position, paging, search prefix.
#include "skin/controls/combo_layout.h"

#include <algorithm>

namespace skin {

namespace {
constexpr int kButtonWidth = 19;
constexpr long long kPrefixPause = 500;
}  // namespace

ComboPlaces DefaultComboPlaces(int width, int height) {
  ComboPlaces p;
  p.button = {width - kButtonWidth, 2, width - 2, height - 2};
  p.text = {2, 2, p.button.left - 1, height - 2};
  return p;
}

ComboPlaces SkinComboPlaces(const gfx::Rect& buttonRect, const gfx::Rect& clientRect, int skinW,
                            int skinH, int rightTopX, int width, int height, bool useSkinSize) {
  ComboPlaces p;
  p.button = buttonRect;
  if (buttonRect.left >= skinW - rightTopX)
    p.button = gfx::OffsetRect(buttonRect, width - skinW, 0);
  p.text = clientRect;
  p.text.right += width - skinW;
  if (!useSkinSize) {
    p.button.bottom += height - skinH;
    p.text.bottom += height - skinH;
  }
  return p;
}

gfx::Point ComboListPosition(int x, int comboBottom, int comboHeight, int listHeight,
                             const gfx::Rect& workArea) {
  if (comboBottom + listHeight > workArea.bottom)
    return {x, comboBottom - comboHeight - listHeight};
  return {x, comboBottom};
}

int ComboPageUp(int index, int dropDownCount) { return std::max(0, index - dropDownCount - 1); }

int ComboPageDown(int index, int dropDownCount, int count) {
  return std::min(count - 1, index + dropDownCount - 1);
}

std::string NextSearchPrefix(const std::string& prefix, const std::string& typed,
                             long long sinceLastMs, bool autoComplete) {
  if (!autoComplete) return typed;
  if (sinceLastMs >= kPrefixPause) return typed;
  return prefix + typed;
}

}  // namespace skin
