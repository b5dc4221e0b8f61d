// The message dialog's layout arithmetic: client size from the text and the
// button row, the icon beside the text, the button row centred, and the
// default and cancel roles of each button set.
#include <gtest/gtest.h>

#include "skin/dialogs/message_layout.h"

namespace {

using namespace skin;

TEST(MessageLayout, AShortTextWithTwoButtonsIsAsWideAsTheRowAndItsMargin) {
  const MessageLayout l = LayoutMessage({60, 14}, MessageButtons({mbYes, mbNo}), 25);
  EXPECT_EQ(l.rowWidth, 150);
  EXPECT_EQ(l.clientWidth, 190);  // 70 + 10 + 70 + 40
  EXPECT_EQ(l.clientHeight, 25 + 50 + 14);
  EXPECT_EQ(l.textRect, (gfx::Rect{50, 15, 110, 29}));
  EXPECT_EQ(l.iconRect, (gfx::Rect{5, 10, 37, 42})) << "15 + 7 - 16 is below the least top of 10";
  const auto rects = l.buttonRects(l.clientWidth);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0], (gfx::Rect{20, 54, 90, 79}));
  EXPECT_EQ(rects[1], (gfx::Rect{100, 54, 170, 79}));
}

TEST(MessageLayout, ALongTextWidensTheWindowAndTheIconFollowsItsMiddle) {
  const MessageLayout l = LayoutMessage({400, 70}, MessageButtons({mbOK}), 30);
  EXPECT_EQ(l.clientWidth, 50 + 400 + 40);
  EXPECT_EQ(l.clientHeight, 30 + 50 + 70);
  EXPECT_EQ(l.iconRect.top, 15 + 35 - 16);
  // The row is centred in the width the window finally got (here limited).
  const auto rects = l.buttonRects(300);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0], (gfx::Rect::fromSize(115, 150 - 30 - 10, 70, 30)));
}

TEST(MessageLayout, DefaultAndCancelRolesPerButtonSet) {
  struct Row {
    const char* name;
    TMsgDlgButtons set;
    int def, cancel;
  } rows[] = {
      {"yes alone", MessageButtons({mbYes}), mbYes, -1},
      {"yes and no", MessageButtons({mbYes, mbNo}), mbYes, mbNo},
      {"ok and cancel", MessageButtons({mbOK, mbCancel}), mbOK, mbCancel},
      {"ok alone is both", MessageButtons({mbOK}), mbOK, mbOK},
      {"abort retry ignore", MessageButtons({mbAbort, mbRetry, mbIgnore}), mbRetry, -1},
      {"none", 0, -1, -1},
      {"all eleven", (1u << kMessageButtonCount) - 1, mbOK, mbCancel},
  };
  for (const Row& r : rows) {
    const MessageLayout l = LayoutMessage({10, 10}, r.set, 25);
    EXPECT_EQ(l.defaultButton, r.def) << r.name;
    EXPECT_EQ(l.cancelButton, r.cancel) << r.name;
  }
  const MessageLayout none = LayoutMessage({10, 10}, 0, 25);
  EXPECT_EQ(none.rowWidth, 0);
  EXPECT_EQ(none.clientWidth, 50 + 10 + 40);
  const MessageLayout all = LayoutMessage({10, 10}, (1u << kMessageButtonCount) - 1, 25);
  EXPECT_EQ(all.rowWidth, 11 * 70 + 10 * 10);
  EXPECT_EQ(all.buttons.front(), mbYes);
  EXPECT_EQ(all.buttons.back(), mbHelp);
}

TEST(MessageLayout, KindsAndButtonsCarryTheirTexts) {
  EXPECT_STREQ(MessageKind(TMsgDlgType::mtConfirmation).caption, "确认");
  EXPECT_STREQ(MessageKind(TMsgDlgType::mtConfirmation).iconName, "question");
  EXPECT_STREQ(MessageKind(TMsgDlgType::mtError).resourceKey, "MSG_CAP_ERROR");
  EXPECT_EQ(MessageKind(TMsgDlgType::mtCustom).caption, nullptr);
  EXPECT_STREQ(MessageButtonTable()[mbYes].caption, "是(&Y)");
  EXPECT_EQ(MessageButtonTable()[mbYes].result, 6);
  EXPECT_EQ(MessageButtonTable()[mbNoToAll].result, 9);
  EXPECT_EQ(MessageButtonTable()[mbHelp].result, 0);
}

}  // namespace
