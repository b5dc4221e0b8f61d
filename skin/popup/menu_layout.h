// The geometry of one popup-menu level, apart from its window: item
// heights, the window size, the layout of the shown items (with room for
// the scroll markers of a level that scrolls), the placement beside its
// anchor within the work area, and keyboard selection with its wrapping and
// scrolling. All in pixels; the level's window coordinates start at (0, 0).
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "ui/graphics/geometry.h"

namespace skin {

// The skinned look of a level: the popup picture's geometry and the item
// look's rectangles (from [POPUPWINDOW] and the skin's menu-item object).
struct MenuSkinLook {
  gfx::Size picture;       // the popup window picture
  gfx::Rect itemsRect;     // where items go in that picture
  gfx::Rect itemSkinRect;  // the item look's "skinrect": its height is an item's
  gfx::Rect dividerRect;   // its "dividerrect": its height is a divider's
  gfx::Rect textRect;      // its "textrect"
};

// One item of a level as sizing and navigation see it.
struct MenuLevelItem {
  bool divider = false;
  bool enabled = true;
  bool hasSubItems = false;
  int textWidth = 0;  // caption, plus two spaces and the short-cut text when it has one
};

struct MenuLevelMetrics {
  int defaultItemHeight = 20;
  int glyphColumn = 19;              // image list width + 5, or 19 without images
  int maxItemsInWindow = 0;          // > 0: a longer level shows this many and scrolls
  std::optional<MenuSkinLook> look;  // none: the default look
};

// Height of the scroll-marker bands at the top and bottom of a scrolling level.
constexpr int kScrollMarkerHeight = 10;

int MenuItemHeight(const MenuLevelItem& item, const MenuLevelMetrics& m);

struct MenuLevelSize {
  int width = 0;
  int height = 0;
  bool scrolling = false;
  bool scrollLimited = false;  // scrolls because of maxItemsInWindow, not the work area
};

// The window size of a level shown in a work area workAreaHeight high and
// workAreaWidth wide. A level is never wider than the work area (0: no
// limit): a caption wider than the screen is cut, not the level moved off it.
MenuLevelSize SizeMenuLevel(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                            int workAreaHeight, int workAreaWidth = 0);

// The items area placed for the window size (PlacedItemsArea).
gfx::Rect PlaceMenuItemsArea(const MenuLevelMetrics& m, int width, int height);

struct MenuLevelLayout {
  std::vector<gfx::Rect> rects;  // per item; meaningful where shown
  std::vector<bool> shown;
  int firstShown = 0;
  int shownCount = 0;
};

// Lays the items out from firstShown down the items area.
MenuLevelLayout LayoutMenuLevel(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                                const gfx::Rect& itemsArea, bool scrolling, int firstShown);

// The largest first item that still shows the last item at the bottom.
int LastStartPosition(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                      const gfx::Rect& itemsArea);

struct MenuPlacementInput {
  gfx::Rect anchor;    // screen rectangle the level opens beside
  gfx::Rect workArea;  // MenuWorkArea
  gfx::Size size;      // the level's window
  int itemsTop = 0;    // PlacedItemsArea.top
  bool submenu = false;
  bool up = false;
  bool scrolling = false;
  bool scrollLimited = false;
};

// The screen position of a level's left-top corner.
gfx::Point PlaceMenuLevel(const MenuPlacementInput& in);

// Keyboard selection. Returns the new selected item (or the old one when
// nothing selectable was found) and scrolls firstShown so that it shows.
struct MenuSelection {
  int selected = -1;
  int firstShown = 0;
};
MenuSelection SelectNextItem(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                             const gfx::Rect& itemsArea, bool scrolling, int selected,
                             int firstShown);
MenuSelection SelectPreviousItem(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                                 const gfx::Rect& itemsArea, bool scrolling, int selected,
                                 int firstShown);

// The first enabled item that is not a divider, or -1.
int FirstSelectableItem(const std::vector<MenuLevelItem>& items);

// The accelerator character of a caption: the character after a single
// "&" ("&&" is a literal "&"), lower-cased for ASCII letters; 0 when none.
char32_t AcceleratorOf(std::string_view caption);

}  // namespace skin
