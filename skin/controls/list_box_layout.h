// The arithmetic of the skinned list boxes: item heights, the height of a
// list for a number of rows, the rows that fit, the item under a point, the
// text rectangle of an item, which scroll bars a list shows and where (with
// a horizontal extent wider than the rows, or items laid out in columns),
// the caption bar, and the case-insensitive prefix search. Plain functions,
// checked as tables without a window.
#pragma once

#include <string>
#include <vector>

#include "ui/graphics/geometry.h"

namespace skin {

// rows x item height + 4 without a section, with one skinH + rows x item
// height - height(clientrect); plus the height of a caption bar that takes
// room from the rows.
int ListHeightForRows(int rows, int itemHeight, bool skinned, int skinHeight, int clientRectHeight,
                      int captionHeight = 0);

// The rows wholly visible in an area of that height (at least 0).
int VisibleListRows(int areaHeight, int itemHeight);

// The largest top row that still fills the area (0 when all fit).
int MaxTopIndex(int count, int visibleRows);

// The item at y in the list area, -1 outside the items.
int ListItemAt(int y, int topIndex, int itemHeight, int count);

// itemtextrect with its right edge moved by itemWidth - width(itemrect).
gfx::Rect ListItemTextRect(const gfx::Rect& itemTextRect, const gfx::Rect& itemRect, int itemWidth);

// The first item starting with prefix (case-insensitive for ASCII and
// exact for other bytes), searching from the item after `after` and
// wrapping; after = -1 searches from the first. -1 when none matches.
int FindItemWithPrefix(const std::vector<std::string>& items, const std::string& prefix, int after);

// Which scroll bars a list shows and where everything lies inside its
// client area (the area inside the frame, below a caption bar).
struct ListBarsInput {
  gfx::Rect client;
  int count = 0;
  int rowCount = 0;  // rows the list was sized for (0: none)
  int itemHeight = 1;
  // Items in columns of the client's height, Columns of them across the
  // width (0: one column of rows).
  int columns = 0;
  // Width of the rows' content in pixels (single column only; 0: the width).
  int horizontalExtent = 0;
  int vBarWidth = 19;   // breadth of the vertical bar
  int hBarHeight = 19;  // breadth of the horizontal bar
};

struct ListBarsLayout {
  bool vBar = false;
  bool hBar = false;
  gfx::Rect rows;  // where the items are drawn
  gfx::Rect vBarRect;
  gfx::Rect hBarRect;
  // With both bars: the square right of the horizontal bar, below the
  // vertical one.
  gfx::Rect corner;
  int rowsPerColumn = 0;   // rows wholly visible (a column's items)
  int columnWidth = 0;     // multi-column: width of a column; else the rows' width
  int itemColumns = 0;     // multi-column: columns the items fill
  int visibleColumns = 0;  // multi-column: columns wholly visible (at least 1)
};

// Single column: the vertical bar shows when the list was not sized for
// exactly its items and fewer rows than items fit; the horizontal bar when
// the extent is wider than the rows; each bar takes room from the other's
// test. Multi-column: no vertical bar; column width = rows width div
// Columns (at least 1), a column holds the rows that fit (at least 1), and
// the horizontal bar shows when the items fill more columns than Columns.
ListBarsLayout LayoutListBars(const ListBarsInput& in);

// The first item of a multi-column list starts a column: the largest first
// column that still fills the visible columns.
int MaxFirstColumn(int itemColumns, int visibleColumns);

// The rectangle of an item in a multi-column list whose first visible
// column is firstColumn (may lie outside the rows area).
gfx::Rect ListColumnItemRect(const ListBarsLayout& l, int index, int firstColumn, int itemHeight);
// The item at a point in a multi-column list, -1 for none.
int ListColumnItemAt(const ListBarsLayout& l, gfx::Point p, int firstColumn, int itemHeight,
                     int count);

// The largest horizontal offset of rows extent wide in an area width wide.
int MaxHorizontalOffset(int extent, int width);

// The caption bar of a list in caption mode. With the section's captionrect
// (placed for the control's size) the caption lies there, inside the frame
// picture, and takes no room of the client area; without one it is a bar
// captionHeight high at the top of the client area, which the rows give up.
struct ListCaptionPlaces {
  gfx::Rect caption;
  gfx::Rect client;  // the client area left for the rows and bars
};
ListCaptionPlaces PlaceListCaption(const gfx::Rect& client, bool captionMode,
                                   const gfx::Rect& placedCaptionRect, int captionHeight);

}  // namespace skin
