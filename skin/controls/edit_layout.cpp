// Layout arithmetic of the edit boxes.
#include "skin/controls/edit_layout.h"

#include <algorithm>
#include <cmath>

namespace skin {

EditPlaces PlaceEdit(const EditSectionGeometry* s, int width, int height, bool buttonMode,
                     bool useSkinFont) {
  EditPlaces p;
  if (s == nullptr) {
    const int buttonLeft = buttonMode ? width - height : width;
    p.textRect = {2, 2, buttonLeft - 2, height - 2};
    if (buttonMode) p.buttonRect = {width - height, 0, width, height};
    p.nativeRect = {2, 2, width - 2 - (buttonMode ? height : 0), height - 2};
    return p;
  }
  const int skinW = s->skinRect.width();
  const int skinH = s->skinRect.height();
  const int dw = width - skinW;
  p.textRect = s->clientRect;
  p.textRect.right += dw;
  if (buttonMode) {
    p.buttonRect = s->buttonRect;
    if (p.buttonRect.left >= s->rightTop.x) p.buttonRect = gfx::OffsetRect(p.buttonRect, dw, 0);
  }
  if (!useSkinFont) {
    p.textRect.bottom += height - skinH;
    if (buttonMode) p.buttonRect.bottom += height - skinH;
  }
  p.nativeRect = {s->clientRect.left, s->clientRect.top, width + s->clientRect.right - skinW,
                  height + s->clientRect.bottom - skinH};
  return p;
}

int EditHeight(const EditSectionGeometry* s, bool useSkinFont, int lineHeight, int proposed) {
  if (s == nullptr) return useSkinFont ? proposed : lineHeight + 4;
  if (useSkinFont) return s->skinRect.height();
  return lineHeight + s->skinRect.height() - s->clientRect.height();
}

int PasswordCells::gapX(int p) const {
  if (p <= 0) return editRect.left + shift;
  p = std::min(p, length);
  return editRect.left + shift + cellWidth * (p - first + 1);
}

int PasswordCells::gapAt(int x) const {
  const int p = first - 1 + (x - shift - editRect.left) / cellWidth;
  return std::clamp(p, 0, length);
}

gfx::Rect PasswordCells::cell(int i) const {
  const int x0 = editRect.left + shift + i * cellWidth;
  return {x0, editRect.top, x0 + cellWidth, editRect.bottom};
}

int PasswordCells::visibleCount() const {
  const int room = editRect.width() - shift;
  const int whole = room > 0 ? room / cellWidth : 0;
  return std::clamp(length - first + 1, 0, whole);
}

PasswordCells PlacePasswordCells(const gfx::Rect& editRect, int length, int first,
                                 MarkAlignment alignment) {
  PasswordCells c;
  c.editRect = editRect;
  c.cellWidth = std::max(1, editRect.height() / 2 + 3);
  c.first = std::max(1, first);
  c.length = std::max(0, length);
  // Long texts make the product large: compare in 64 bits.
  const long long used = static_cast<long long>(c.length) * c.cellWidth;
  if (used < editRect.width()) {
    const int spare = editRect.width() - static_cast<int>(used);
    if (alignment == MarkAlignment::Right) c.shift = spare;
    if (alignment == MarkAlignment::Center) c.shift = spare / 2;
  }
  return c;
}

int ScrollFirstVisible(int first, int caret, int length, int editWidth, int cellWidth) {
  if (first < caret + 1) {
    // The marks from `first` to the caret must fit; the first visible one
    // never passes the last character.
    while (static_cast<long long>(editWidth) <
               static_cast<long long>(cellWidth) * (caret - first + 1) &&
           first < length)
      ++first;
    return first;
  }
  return std::max(caret, 1);
}

gfx::Rect MarkSquare(const gfx::Rect& cell) {
  const int v = (cell.height() - cell.width()) / 2 + 2;
  return {cell.left + 2, cell.top + v, cell.right - 2, cell.bottom - v};
}

int RoundedRowInset(int y, int h, int radius) {
  if (radius <= 0 || y < 0 || y >= h) return 0;
  const int fromEdge = std::min(y, h - 1 - y);  // rows from the nearer edge
  if (fromEdge >= radius) return 0;
  // The corner circle's centre lies radius pixels in; the row's middle is
  // fromEdge + 0.5 pixels from the edge.
  const double dy = radius - (fromEdge + 0.5);
  const double dx = std::sqrt(std::max(0.0, double(radius) * radius - dy * dy));
  return static_cast<int>(std::lround(radius - dx));
}

}  // namespace skin
