// The page control's geometry as plain arithmetic: the length of each tab
// from its caption, the tab rectangles of a single row (scrolled by the
// number of tabs pushed out at its start) or of several rows, which tabs
// are hidden, the tab under a point, the frame around the page area and the
// page area itself.
// The control places everything through these functions, then paints and
// hit-tests from the placed values.
#pragma once

#include <vector>

#include "ui/graphics/geometry.h"

namespace skin {

enum class TabPosition { tpTop, tpBottom, tpLeft, tpRight };
// Tabs, raised buttons, or flat buttons that show only when hot or chosen.
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// Space between buttons in a row and between rows of buttons, and between
// the buttons and the page area.
constexpr int kTabButtonGap = 3;

// Space between a tab's edge and its content, on each side along the row.
constexpr int kTabPadding = 6;
// Gap between a tab's image and its caption, and the extra space the pair
// takes (image width + caption width + 2 + 2).
constexpr int kTabImageGap = 2;
// A tab whose right edge comes this close to the up-down (or the control's
// right edge) counts as hidden.
constexpr int kTabHiddenMargin = 3;

// Length of a tab along its row: TabWidth when it is above 0, else the
// content (caption, and the image with its gaps when the tab has one) plus
// the padding on both sides.
int TabLength(int captionWidth, int imageWidth, int tabWidth);

// The tab side of the control: vertical rows for left and right tabs.
constexpr bool TabsVertical(TabPosition p) {
  return p == TabPosition::tpLeft || p == TabPosition::tpRight;
}

struct TabRowInput {
  TabPosition position = TabPosition::tpTop;
  int width = 0;  // the control's client size
  int height = 0;
  int tabHeight = 0;         // thickness of the row
  std::vector<int> lengths;  // per visible tab, TabLength
  // Tabs scrolled out at the start of a single row: the row starts with tab
  // firstTab at 0.
  int firstTab = 0;
  // Pixels between neighbouring tabs and between rows (buttons: kTabButtonGap).
  int gap = 0;
  // Several rows instead of one that scrolls.
  bool multiLine = false;
  // With multiLine: the selected tab (-1 none), whose row moves next to the
  // page area when rotateRows (the tab style) is set.
  int selected = -1;
  bool rotateRows = false;
};

struct TabRow {
  std::vector<gfx::Rect> tabs;  // per visible tab, in control coordinates
  gfx::Rect band;               // the strip of the control the rows lie in
  int rows = 1;                 // number of rows
  bool vertical = false;        // the row runs down the left or right edge
  // Thickness of the band: rows x tabHeight and the gaps between rows.
  int thickness() const { return vertical ? band.width() : band.height(); }
};

// Top tabs lie side by side from (0, 0), bottom tabs along the bottom edge,
// left tabs stacked from the top at the left edge, right tabs at the right
// edge; each tab is tabHeight thick, gap apart. A firstTab past the tabs is
// clamped. Multi-line: tabs fill a row while they fit the control's length
// along the row (a longer tab has a row of its own), rows of more than one
// row are stretched to that length, the first row lies farthest from the
// page area, and with rotateRows the rows are turned so that the selected
// tab's row lies next to it (the rows after it come first).
TabRow LayoutTabRow(const TabRowInput& in);

// The control's length along the row (width for top and bottom tabs,
// height for left and right).
int TabRowLength(TabPosition position, int width, int height);

// Tabs of a single row that do not show whole: the far edge along the row
// beyond length - scrollerLength - kTabHiddenMargin, or at or before 0.
int HiddenTabs(const TabRow& row, int length, int scrollerLength);
// Tabs scrolled out at the start (far edge at or before 0).
int ScrolledOutTabs(const TabRow& row);

// Index of the tab containing p, -1 for none. Only the part of the row
// before limit along it counts (the up-down covers the rest).
int TabAt(const TabRow& row, gfx::Point p, int limit);

// The frame edges of the section: cL, cT (clientrect's left and top), fR, fB
// (the section's width less clientrect.right, height less clientrect.bottom).
struct TabFrameEdges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The frame around the page area: the control less the band (tabHeight:
// its thickness) on the tabs' side. Empty (null) when nothing is left.
gfx::Rect TabFrameRect(TabPosition position, int width, int height, int tabHeight);
// The page area: the frame less its edges (edges null: the default look's
// 1-pixel frame).
gfx::Rect TabPageArea(TabPosition position, int width, int height, int tabHeight,
                      const TabFrameEdges* edges);

}  // namespace skin
