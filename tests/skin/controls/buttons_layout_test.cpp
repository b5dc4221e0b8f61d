// The buttons' arithmetic as tables: glyph and caption placement over
// layout, margin, spacing and glyph; the glyph cell of each state; and the
// state picture a button paints from its facts.
#include "skin/controls/button_layout.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace {

using skin::ButtonFacts;
using skin::ButtonPicture;
using skin::TbsButtonLayout;
using L = TbsButtonLayout;

// The layout rect of every row: 70 x 20 at (2, 3), so cx = 37 and cy = 13.
const gfx::Rect kR{2, 3, 72, 23};
const gfx::Size kGlyph{16, 14};
const gfx::Size kText{30, 12};

struct PlaceRow {
  const char* name;
  gfx::Rect r;
  gfx::Size glyph;
  gfx::Size text;
  TbsButtonLayout layout;
  int margin;
  int spacing;
  bool pressed;
  gfx::Point glyphAt;
  gfx::Point captionAt;
};

std::ostream& operator<<(std::ostream& os, const PlaceRow& r) { return os << r.name; }

class Placement : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(Placement, GlyphAndCaptionLandWhereTheArithmeticPutsThem) {
  const PlaceRow& row = GetParam();
  const skin::GlyphCaptionPlace p = skin::PlaceGlyphAndCaption(
      row.r, row.glyph, row.text, row.layout, row.margin, row.spacing, row.pressed);
  EXPECT_EQ(p.glyph, row.glyphAt);
  EXPECT_EQ(p.caption, row.captionAt);
}

// Expected points worked out by hand from the rect, the sizes and the rule
// of each layout (hw = (16 + 30 + 1) div 2 = 23, hh = (12 + 14 + 1) div 2 = 13).
INSTANTIATE_TEST_SUITE_P(
    Buttons, Placement,
    ::testing::Values(
        PlaceRow{"LeftMargin2", kR, kGlyph, kText, L::blGlyphLeft, 2, 1, false, {4, 6}, {21, 7}},
        PlaceRow{"RightMargin2", kR, kGlyph, kText, L::blGlyphRight, 2, 1, false, {54, 6}, {23, 7}},
        PlaceRow{"TopMargin2", kR, kGlyph, kText, L::blGlyphTop, 2, 1, false, {29, 5}, {22, 20}},
        PlaceRow{
            "BottomMargin2", kR, kGlyph, kText, L::blGlyphBottom, 2, 1, false, {29, 7}, {22, -6}},
        PlaceRow{"LeftSpacing5", kR, kGlyph, kText, L::blGlyphLeft, 0, 5, false, {2, 6}, {23, 7}},
        PlaceRow{"LeftCentred", kR, kGlyph, kText, L::blGlyphLeft, -1, 1, false, {14, 6}, {30, 7}},
        PlaceRow{
            "RightCentred", kR, kGlyph, kText, L::blGlyphRight, -1, 1, false, {44, 6}, {14, 7}},
        PlaceRow{"TopCentred", kR, kGlyph, kText, L::blGlyphTop, -1, 1, false, {29, 0}, {22, 14}},
        PlaceRow{
            "BottomCentred", kR, kGlyph, kText, L::blGlyphBottom, -1, 1, false, {29, 12}, {22, 0}},
        PlaceRow{
            "CentredPressed", kR, kGlyph, kText, L::blGlyphLeft, -1, 1, true, {15, 7}, {31, 8}},
        // No glyph, spacing 4: the caption's left edge is cx + (30 + 4) div 2 - 30 = 24,
        // two pixels right of the truly centred 22.
        PlaceRow{"NoGlyphCentredSpacing4",
                 kR,
                 {},
                 kText,
                 L::blGlyphLeft,
                 -1,
                 4,
                 false,
                 {20, 13},
                 {24, 7}},
        // A negative half width truncates toward zero: (0 + 4 - 7) div 2 = -1, so the
        // glyph sits at 10 + 1 and the caption starts at 10 - 1 - 4 = 5 (a floor
        // would give 12 and 4).
        PlaceRow{"NegativeHalfTruncates",
                 {0, 0, 20, 10},
                 {},
                 {4, 3},
                 L::blGlyphLeft,
                 -1,
                 -7,
                 false,
                 {11, 5},
                 {5, 4}},
        // An odd glyph in an empty rect: 0 - 5 div 2 = -2; hh = 5 div 2 = 2 puts
        // the (empty) caption at 0 + 2 - 0.
        PlaceRow{"OddGlyphEmptyRect",
                 {0, 0, 0, 0},
                 {5, 5},
                 {},
                 L::blGlyphTop,
                 -1,
                 0,
                 false,
                 {-2, -2},
                 {0, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GlyphCells, EachStateTakesItsCellByTheNumberOfCells) {
  struct Row {
    int n;
    bool active, down, disabled;
    int cell;
  };
  const Row rows[] = {
      // One cell serves every state.
      {1, false, false, false, 1},
      {1, true, true, false, 1},
      {1, false, false, true, 1},
      // Two: only disabled has a cell of its own.
      {2, false, false, true, 2},
      {2, true, true, false, 1},
      {2, true, false, false, 1},
      // Three: pressed gets cell 3, hot still shares cell 1.
      {3, true, true, false, 3},
      {3, true, false, false, 1},
      {3, false, false, true, 2},
      // Four: disabled 2, pressed 3, hot 4.
      {4, false, false, true, 2},
      {4, true, true, false, 3},
      {4, true, false, false, 4},
      {4, false, false, false, 1},
      {4, false, true, false, 1},  // down without the pointer over is not pressed
  };
  for (const Row& r : rows) {
    EXPECT_EQ(skin::GlyphCellFor(r.n, r.active, r.down, r.disabled), r.cell)
        << "n=" << r.n << " active=" << r.active << " down=" << r.down
        << " disabled=" << r.disabled;
  }
}

ButtonFacts Facts(bool enabled, bool down, bool over, bool focused, bool pressed, int group,
                  double morph, bool morphing = true) {
  ButtonFacts f;
  f.enabled = enabled;
  f.down = down;
  f.mouseOver = over;
  f.focused = focused;
  f.mousePressed = pressed;
  f.groupIndex = group;
  f.morphLevel = morph;
  f.morphing = morphing;
  return f;
}

TEST(ButtonPictures, ThePushButtonsPictureFollowsItsFactsInRuleOrder) {
  struct Row {
    const char* name;
    ButtonFacts f;
    bool hasDisabled;
    ButtonPicture picture;
  };
  const Row rows[] = {
      {"fading", Facts(true, false, true, false, false, 0, 0.4), true, ButtonPicture::Morph},
      {"fading but disabled", Facts(false, false, false, false, false, 0, 0.4), true,
       ButtonPicture::Disabled},
      {"fading without morphing", Facts(true, false, false, false, false, 0, 0.4, false), true,
       ButtonPicture::Normal},
      {"disabled without picture", Facts(false, false, false, false, false, 0, 0), false,
       ButtonPicture::Normal},
      {"disabled and down in a group", Facts(false, true, false, false, false, 3, 0), false,
       ButtonPicture::Down},
      {"held over", Facts(true, true, true, false, true, 0, 1), true, ButtonPicture::Down},
      {"held, dragged out", Facts(true, true, false, false, true, 0, 1, false), true,
       ButtonPicture::Normal},
      {"held, dragged out, focused", Facts(true, true, false, true, true, 0, 1, false), true,
       ButtonPicture::Active},
      {"space held while focused", Facts(true, true, false, true, false, 0, 1), true,
       ButtonPicture::Down},
      {"down in a group, pointer away", Facts(true, true, false, false, false, 2, 1), true,
       ButtonPicture::Down},
      {"focused", Facts(true, false, false, true, false, 0, 0), true, ButtonPicture::Active},
      {"over", Facts(true, false, true, false, false, 0, 0), true, ButtonPicture::Active},
      {"faded in, pointer gone", Facts(true, false, false, false, false, 0, 1), true,
       ButtonPicture::Active},
      {"level 1 without morphing", Facts(true, false, false, false, false, 0, 1, false), true,
       ButtonPicture::Normal},
      {"normal", Facts(true, false, false, false, false, 0, 0), true, ButtonPicture::Normal},
  };
  for (const Row& r : rows)
    EXPECT_EQ(skin::SkinButtonPicture(r.f, r.hasDisabled), r.picture) << r.name;
}

TEST(ButtonPictures, TheSpeedButtonNeverFocusesAndCanBeTransparent) {
  struct Row {
    const char* name;
    ButtonFacts f;
    bool transparent;
    ButtonPicture picture;
  };
  const Row rows[] = {
      {"fading even disabled", Facts(false, false, false, false, false, 0, 0.6), false,
       ButtonPicture::Morph},
      {"transparent never fades", Facts(true, false, true, false, false, 0, 0.6), true,
       ButtonPicture::Active},
      {"held over", Facts(true, true, true, false, true, 0, 1), false, ButtonPicture::Down},
      {"down in a group", Facts(true, true, false, false, false, 1, 1), false, ButtonPicture::Down},
      {"over", Facts(true, false, true, false, false, 0, 0), false, ButtonPicture::Active},
      {"transparent at rest", Facts(true, false, false, false, false, 0, 0), true,
       ButtonPicture::None},
      {"transparent disabled", Facts(false, false, false, false, false, 0, 0), true,
       ButtonPicture::None},
      {"normal", Facts(true, false, false, false, false, 0, 0), false, ButtonPicture::Normal},
      {"disabled", Facts(false, false, false, false, false, 0, 0), false, ButtonPicture::Disabled},
  };
  for (const Row& r : rows) {
    ButtonFacts f = r.f;
    f.transparent = r.transparent;
    EXPECT_EQ(skin::SpeedButtonPicture(f), r.picture) << r.name;
  }
}

TEST(ButtonPictures, TheDefaultLookHasThreeFaces) {
  using skin::DefaultButtonLook;
  EXPECT_EQ(skin::DefaultButtonLookFor(Facts(true, true, true, false, true, 0, 0)),
            DefaultButtonLook::Pressed);
  EXPECT_EQ(skin::DefaultButtonLookFor(Facts(true, true, false, false, true, 0, 0)),
            DefaultButtonLook::Normal);
  EXPECT_EQ(skin::DefaultButtonLookFor(Facts(true, false, false, true, false, 0, 0)),
            DefaultButtonLook::Hot);
  EXPECT_EQ(skin::DefaultButtonLookFor(Facts(true, false, false, false, false, 0, 0)),
            DefaultButtonLook::Normal);
}

}  // namespace
