// Layout arithmetic of the edit boxes: text, button and native rectangles,
// heights, password cells, caret gaps, the first visible character and the
// secret store.
#include <gtest/gtest.h>

#include <string>

#include "skin/controls/edit_layout.h"
#include "skin/controls/secret_text.h"

namespace {

using gfx::Rect;
using skin::EditSectionGeometry;

// skinrect 40 x 21; ends 3 and 12 wide; clientrect 15 high; the button
// right of the stretch line.
EditSectionGeometry Section() {
  EditSectionGeometry g;
  g.skinRect = {10, 20, 50, 41};
  g.leftTop = {3, 3};
  g.rightTop = {28, 3};
  g.clientRect = {3, 3, 28, 18};
  g.buttonRect = {30, 2, 38, 19};
  return g;
}

struct PlaceRow {
  const char* name;
  bool section;
  int width, height;
  bool button, useSkinFont;
  Rect text, buttonRect, native;
};

TEST(EditLayout, TextButtonAndNativeRectangles) {
  const PlaceRow rows[] = {
      {"default", false, 121, 21, false, true, {2, 2, 119, 19}, {}, {2, 2, 119, 19}},
      // The button is the square at the right end; the native editor stays
      // left of it.
      {"default button",
       false,
       121,
       21,
       true,
       true,
       {2, 2, 98, 19},
       {100, 0, 121, 21},
       {2, 2, 98, 19}},
      // clientrect's right edge moves by 100 - 40.
      {"section", true, 100, 21, false, true, {3, 3, 88, 18}, {}, {3, 3, 88, 18}},
      {"section button",
       true,
       100,
       21,
       true,
       true,
       {3, 3, 88, 18},
       {90, 2, 98, 19},
       {3, 3, 88, 18}},
      // Without the skin font the rectangles grow down by 30 - 21.
      {"section button no skin font",
       true,
       100,
       30,
       true,
       false,
       {3, 3, 88, 27},
       {90, 2, 98, 28},
       {3, 3, 88, 27}},
  };
  for (const PlaceRow& r : rows) {
    SCOPED_TRACE(r.name);
    const EditSectionGeometry g = Section();
    const skin::EditPlaces p =
        skin::PlaceEdit(r.section ? &g : nullptr, r.width, r.height, r.button, r.useSkinFont);
    EXPECT_EQ(p.textRect, r.text);
    EXPECT_EQ(p.buttonRect, r.buttonRect);
    EXPECT_EQ(p.nativeRect, r.native);
  }
}

TEST(EditLayout, AButtonLeftOfTheStretchLineStays) {
  EditSectionGeometry g = Section();
  g.rightTop = {35, 3};
  EXPECT_EQ(skin::PlaceEdit(&g, 100, 21, true, true).buttonRect, Rect(30, 2, 38, 19));
}

TEST(EditLayout, Heights) {
  const EditSectionGeometry g = Section();
  // An 18-high request on a 21-high skinrect with the skin font: 21.
  EXPECT_EQ(skin::EditHeight(&g, true, 16, 18), 21);
  // Without it: the line height + 21 - 15.
  EXPECT_EQ(skin::EditHeight(&g, false, 16, 18), 22);
  EXPECT_EQ(skin::EditHeight(nullptr, false, 16, 18), 20);
  EXPECT_EQ(skin::EditHeight(nullptr, true, 16, 18), 18);
}

TEST(PasswordCells, CellWidthGapsAndPositions) {
  // A 21-high box on a 15-high clientrect: marks 15 div 2 + 3 = 10 apart.
  const Rect edit{3, 3, 97, 18};
  skin::PasswordCells c = skin::PlacePasswordCells(edit, 20, 1, skin::MarkAlignment::Left);
  EXPECT_EQ(c.cellWidth, 10);
  EXPECT_EQ(c.gapX(0), 3);
  EXPECT_EQ(c.gapX(1), 13);
  EXPECT_EQ(c.gapX(3), 33);
  EXPECT_EQ(c.gapX(25), 203);      // past the length counts as the length
  EXPECT_EQ(c.visibleCount(), 9);  // 94 pixels hold 9 whole cells
  EXPECT_EQ(c.gapAt(14), 1);
  EXPECT_EQ(c.gapAt(0), 0);
  EXPECT_EQ(c.gapAt(5000), 20);
  EXPECT_EQ(c.cell(2), Rect(23, 3, 33, 18));

  c = skin::PlacePasswordCells(edit, 20, 5, skin::MarkAlignment::Left);
  EXPECT_EQ(c.gapX(4), 3);
  EXPECT_EQ(c.gapX(5), 13);
  EXPECT_EQ(c.gapX(0), 3);
  EXPECT_EQ(c.gapAt(14), 5);
}

TEST(PasswordCells, AlignmentShiftsOnlyWhenAllMarksFit) {
  const Rect edit{3, 3, 97, 18};  // 94 wide, cells 10
  EXPECT_EQ(skin::PlacePasswordCells(edit, 3, 1, skin::MarkAlignment::Right).gapX(0), 3 + 64);
  EXPECT_EQ(skin::PlacePasswordCells(edit, 3, 1, skin::MarkAlignment::Center).gapX(0), 3 + 32);
  EXPECT_EQ(skin::PlacePasswordCells(edit, 10, 1, skin::MarkAlignment::Right).gapX(0), 3);
}

TEST(PasswordCells, TheFirstVisibleCharacterFollowsTheCaret) {
  struct Row {
    int first, caret, length, expected;
  } rows[] = {
      {1, 9, 30, 1},    // 9 marks of 10 fit in 94
      {1, 10, 30, 2},   // the tenth does not: one scrolled out
      {1, 30, 30, 22},  // typing at the end keeps the last 9 in view
      {22, 3, 30, 3},   // back left of the view: the caret's mark comes first
      {22, 0, 30, 1},  {1, 0, 0, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.caret);
    EXPECT_EQ(skin::ScrollFirstVisible(r.first, r.caret, r.length, 94, 10), r.expected);
  }
}

TEST(PasswordCells, MarkSquare) {
  // A 10 x 15 cell: 2 off each side, (15 - 10) div 2 + 2 = 4 off top and bottom.
  EXPECT_EQ(skin::MarkSquare({3, 3, 13, 18}), Rect(5, 7, 11, 14));
}

TEST(PasswordCells, RoundedMarkRows) {
  // Radius 2 on 8 rows: the corner row is cut by 2 - sqrt(4 - 1.5^2) = 0.68
  // -> 1, the next by 2 - sqrt(4 - 0.25) = 0.06 -> 0; the bottom mirrors it.
  const int expected[8] = {1, 0, 0, 0, 0, 0, 0, 1};
  for (int y = 0; y < 8; ++y) EXPECT_EQ(skin::RoundedRowInset(y, 8, 2), expected[y]) << y;
  // Radius 4 on 16 rows: 4 - sqrt(16 - 3.5^2) = 2.06 -> 2, then 0.84 -> 1,
  // 0.34 -> 0.
  EXPECT_EQ(skin::RoundedRowInset(0, 16, 4), 2);
  EXPECT_EQ(skin::RoundedRowInset(1, 16, 4), 1);
  EXPECT_EQ(skin::RoundedRowInset(2, 16, 4), 0);
  EXPECT_EQ(skin::RoundedRowInset(15, 16, 4), 2);
  EXPECT_EQ(skin::RoundedRowInset(3, 8, 0), 0);
}

TEST(SecretText, EditsAndUtf8) {
  skin::SecretText t;
  t.assignUtf8("pa密码");
  EXPECT_EQ(t.length(), 4);
  t.insert(2, U"ss");
  EXPECT_EQ(t.utf8(), "pass密码");
  t.erase(0, 4);
  EXPECT_EQ(t.utf8(), "密码");
  t.toUpper();
  t.insert(0, U"ab");
  t.toUpper();
  EXPECT_EQ(t.utf8(), "AB密码");
  // Bytes that are no UTF-8 become replacement characters, nothing is lost.
  t.assignUtf8(std::string("a\xff") + "b");
  EXPECT_EQ(t.length(), 3);
  t.clear();
  EXPECT_TRUE(t.empty());
}

}  // namespace
