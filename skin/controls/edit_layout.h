// Layout arithmetic of the edit boxes, apart from any window: where the
// skinned edit puts its text, its button and its native editor, how high it
// is, and where the password box puts its mark cells, its caret gaps and its
// first visible character.
#pragma once

#include "ui/graphics/geometry.h"

namespace skin {

// The picture keys of an edit section that its layout needs (relative to
// skinrect's left-top corner, except skinRect itself).
struct EditSectionGeometry {
  gfx::Rect skinRect;
  gfx::Point leftTop;
  gfx::Point rightTop;
  gfx::Rect clientRect;
  gfx::Rect buttonRect;
};

struct EditPlaces {
  gfx::Rect textRect;    // the text area: everything else is frame
  gfx::Rect buttonRect;  // null unless in button mode
  gfx::Rect nativeRect;  // where the native editor lies
};

// section: null for the default look.
EditPlaces PlaceEdit(const EditSectionGeometry* section, int width, int height, bool buttonMode,
                     bool useSkinFont);

// The height an edit takes for a proposed one. lineHeight: the font's text
// line height. Without a section and with UseSkinFont the proposal stands.
int EditHeight(const EditSectionGeometry* section, bool useSkinFont, int lineHeight, int proposed);

// The password box's mark cells for a text of `length` characters shown
// from the first visible character `first` (1-based).
enum class MarkAlignment { Left, Right, Center };

struct PasswordCells {
  gfx::Rect editRect;
  int cellWidth = 1;  // height(editRect) div 2 + 3, at least 1
  int shift = 0;      // alignment shift when every mark fits
  int first = 1;
  int length = 0;

  // Left edge of the gap before character p (0..length).
  int gapX(int p) const;
  // The gap nearest to the left of x, limited to 0..length.
  int gapAt(int x) const;
  // The cell of the i-th shown mark (character first - 1 + i).
  gfx::Rect cell(int i) const;
  // How many whole cells fit from the first visible one.
  int visibleCount() const;
};

PasswordCells PlacePasswordCells(const gfx::Rect& editRect, int length, int first,
                                 MarkAlignment alignment);

// The first visible character after the caret moved to `caret`: it follows
// the caret so that the caret's mark stays visible.
int ScrollFirstVisible(int first, int caret, int length, int editWidth, int cellWidth);

// The square a mark is drawn in inside its cell.
gfx::Rect MarkSquare(const gfx::Rect& cell);

// How far row y (0-based) of a filled rounded square of h rows is cut in at
// each side, for corners of the given radius; the rows come out symmetric,
// top to bottom and left to right, at every size.
int RoundedRowInset(int y, int h, int radius);

}  // namespace skin
