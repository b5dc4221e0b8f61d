// The skinned edit box and the password box on shown forms, driven with
// real key and mouse input through the window: heights, rectangles, the
// skin picture behind the text, state colours, Enter and Escape, read-only,
// the skinned edit menu, the password box's caret, selection, scrolling,
// limits and highlight, and that no key or menu lets the secret reach the
// clipboard.
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/frame/form_frame.h"
#include "skin/popup/menu_messages.h"
#include "test_skin.h"
#include "ui/form.h"

namespace {

using controlstest::CoordinatePicture;
using controlstest::TestSkin;
using gfx::Color;

// One edit section, skinrect 40 x 21 at (0, 0) of a coordinate picture
// (tag 7), its hot picture at (0, 30); clientrect 15 high; a button right
// of the stretch line with its hot and pressed pictures.
const char* kSections =
    "[edit]\npictureindex=0\nskinrect=0,0,40,21\nlefttoppoint=3,3\nrighttoppoint=28,3\n"
    "leftbottompoint=3,18\nrightbottompoint=28,18\nclientrect=3,3,28,18\n"
    "activeskinrect=0,30,40,51\nfontname=Arial\nfontheight=13\nfontcolor=255\n"
    "activefontcolor=65280\ndisabledfontcolor=8421504\nbuttonrect=30,2,38,19\n"
    "activebuttonrect=50,0,58,17\ndownbuttonrect=60,0,68,17\n"
    "[notanedit]\npictureindex=0\nskinrect=0,0,40,21\n"
    "[emptyrect]\npictureindex=0\nskinrect=0,0,0,0\nclientrect=3,3,28,18\n"
    "[nopicture]\npictureindex=-1\nskinrect=0,0,40,21\nclientrect=3,3,28,18\n"
    "[pastpictures]\npictureindex=4\nskinrect=0,0,40,21\nclientrect=3,3,28,18\n"
    "[wildpoints]\npictureindex=0\nskinrect=0,0,40,21\nlefttoppoint=90,-5\n"
    "righttoppoint=-7,50\nclientrect=-10,30,80,2\nbuttonrect=70,70,99,99\n"
    "activeskinrect=500,500,540,521\n";

Color Source(int x, int y) { return Color::rgb(x, y, 7); }

Color PixelOf(ui::Control& c, int x, int y) {
  const QImage img = c.widget()->grab().toImage();
  return Color::fromPixel(img.pixel(x, y));
}

class Edits : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = std::make_unique<TestSkin>(
        std::vector<std::string>{"edit:edit", "notanedit:button", "emptyrect:edit",
                                 "nopicture:edit", "pastpictures:edit", "wildpoints:edit"},
        kSections, std::vector<gfx::Bitmap>{CoordinatePicture(80, 60, 7)});
    form_ = std::make_unique<ui::Form>();
    form_->setBounds(10, 10, 400, 200);
    form_->show();
    QApplication::setActiveWindow(form_->widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_->widget()));
  }

  template <class T>
  T* place(int w, int h, skin::TbsSkinData* data) {
    auto* c = new T(form_.get());
    c->setParent(form_.get());
    c->setBounds(5, 5 + 30 * placed_++, w, h);
    c->SetSkinData(data);
    return c;
  }

  QWindow* window() { return form_->widget()->windowHandle(); }
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(window(), k, m); }
  void type(const char* s) { QTest::keyClicks(form_->widget()->focusWidget(), s); }

  std::unique_ptr<TestSkin> skin_;
  std::unique_ptr<ui::Form> form_;
  int placed_ = 0;
};

// --- TbsSkinEdit --------------------------------------------------------------

TEST_F(Edits, EditHeightWithAndWithoutTheSkinFont) {
  auto* e = place<skin::TbsSkinEdit>(100, 18, &skin_->data());
  EXPECT_EQ(e->height(), 21);
  e->setBounds(5, 5, 100, 18);
  EXPECT_EQ(e->height(), 21);
  e->setUseSkinFont(false);
  e->setBounds(5, 5, 100, 18);
  const int line = QFontMetrics(gfx::ToQFont(e->DefaultFont())).height();
  EXPECT_EQ(e->height(), line + 21 - 15);
  // The native editor lies on the section's client rect placed for the size.
  const QRect native = e->lineEdit()->geometry();
  EXPECT_EQ(native, QRect(3, 3, 100 + 28 - 40 - 3, e->height() + 18 - 21 - 3));
  // Without a section and without the skin font: the line height + 4.
  auto* plain = place<skin::TbsSkinEdit>(100, 40, nullptr);
  plain->setUseSkinFont(false);
  plain->setBounds(5, 100, 100, 40);
  EXPECT_EQ(plain->height(), line + 4);
}

TEST_F(Edits, EditDrawsTheSkinPictureBehindItsTextAndGoesHot) {
  auto* e = place<skin::TbsSkinEdit>(100, 21, &skin_->data());
  // Frame corner and text-area background from skinrect.
  EXPECT_EQ(PixelOf(*e, 1, 1), Source(1, 1));
  EXPECT_EQ(PixelOf(*e, 99, 20), Source(39, 20));
  EXPECT_EQ(PixelOf(*e, 5, 10), Source(5, 10));
  EXPECT_EQ(e->textColor(), Color(255));
  e->lineEdit()->setFocus();
  ASSERT_TRUE(e->focused());
  EXPECT_EQ(PixelOf(*e, 1, 1), Source(1, 31));
  EXPECT_EQ(e->textColor(), Color(65280));
  e->setEnabled(false);
  EXPECT_EQ(e->textColor(), Color(8421504));
  // A section of another kind is no edit section: the default look.
  e->SetSkinDataName("notanedit");
  e->ChangeSkinData();
  EXPECT_EQ(PixelOf(*e, 0, 0), gfx::SystemColor(gfx::SysColor::ButtonShadow));
}

TEST_F(Edits, EditButtonIsOutsideTheNativeEditorAndClicks) {
  auto* e = place<skin::TbsSkinEdit>(100, 21, &skin_->data());
  e->setButtonMode(true);
  int clicks = 0;
  e->OnButtonClick = [&](skin::TbsSkinEdit&) { ++clicks; };
  EXPECT_EQ(e->places().buttonRect, gfx::Rect(90, 2, 98, 19));
  const QPoint inButton(e->left() + 94, e->top() + 10);
  QWidget* client = e->widget()->parentWidget();
  QTest::mouseMove(client, inButton);
  QTest::mousePress(window(), Qt::LeftButton, {}, client->mapTo(form_->widget(), inButton));
  EXPECT_TRUE(e->buttonPressed());
  EXPECT_EQ(PixelOf(*e, 92, 4), Source(62, 2));  // the pressed picture
  QTest::mouseRelease(window(), Qt::LeftButton, {}, client->mapTo(form_->widget(), inButton));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(e->buttonPressed());
  EXPECT_TRUE(e->focused());
}

TEST_F(Edits, EnterAndEscapeAreReportedNotInserted) {
  auto* e = place<skin::TbsSkinEdit>(100, 21, &skin_->data());
  std::u32string pressed;
  e->onKeyPress = [&](ui::Control&, char32_t& ch) { pressed.push_back(ch); };
  e->lineEdit()->setFocus();
  type("ab");
  key(Qt::Key_Return);
  key(Qt::Key_Escape);
  EXPECT_EQ(e->Text(), "ab");
  EXPECT_EQ(e->text(), "ab");
  EXPECT_EQ(pressed, std::u32string(U"ab\r\x1b"));
  // A key press handler can swallow or change characters.
  e->onKeyPress = [](ui::Control&, char32_t& ch) { ch = ch == U'x' ? 0 : U'Y'; };
  type("xz");
  EXPECT_EQ(e->Text(), "abY");
}

TEST_F(Edits, ReadOnlyRefusesEditsAndAutoSelectSelectsOnTab) {
  auto* first = place<skin::TbsSkinEdit>(100, 21, &skin_->data());
  auto* e = place<skin::TbsSkinEdit>(100, 21, &skin_->data());
  e->setEditText("fixed");
  e->setReadOnly(true);
  first->lineEdit()->setFocus();
  key(Qt::Key_Tab);
  ASSERT_TRUE(e->focused());
  EXPECT_EQ(e->selLength(), 5);
  type("zz");
  key(Qt::Key_Delete);
  key(Qt::Key_Backspace);
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(e->Text(), "fixed");
  // Without AutoSelect the focus coming by Tab keeps the selection there was.
  first->setEditText("server");
  first->setAutoSelect(false);
  first->setSelection(1, 2);
  key(Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_TRUE(first->focused());
  EXPECT_EQ(first->selStart(), 1);
  EXPECT_EQ(first->selLength(), 2);
}

TEST_F(Edits, ChineseComesThroughTheInputMethod) {
  auto* e = place<skin::TbsSkinEdit>(100, 21, &skin_->data());
  e->lineEdit()->setFocus();
  ASSERT_TRUE(e->lineEdit()->testAttribute(Qt::WA_InputMethodEnabled));
  // A composition in progress, then its commit, as an input method sends them.
  QInputMethodEvent preedit(QStringLiteral("jiaoshi"), {});
  QApplication::sendEvent(QApplication::focusWidget(), &preedit);
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("教室"));
  QApplication::sendEvent(QApplication::focusWidget(), &commit);
  EXPECT_EQ(e->Text(), "教室");
  EXPECT_EQ(e->text(), "教室");
}

TEST_F(Edits, AHundredThousandCharacterPasteIsTakenWhole) {
  auto* e = place<skin::TbsSkinEdit>(100, 21, &skin_->data());
  QApplication::clipboard()->setText(QString(100000, QChar('q')));
  e->lineEdit()->setFocus();
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(e->Text().size(), 100000u);
  e->widget()->grab();
}

TEST_F(Edits, TheSkinnedEditMenuActsAndIsFreedAfterItsItemRan) {
  app::LoadedBuiltinSkin builtin(0);
  auto* frame = new skin::TbsFormFrame(form_.get());
  frame->setSkinData(&builtin.data);
  auto* e = place<skin::TbsSkinEdit>(100, 21, &builtin.data);
  e->setEditText("hello world");
  e->lineEdit()->setFocus();
  e->setSelection(0, 5);
  QApplication::clipboard()->setText("before");
  e->showContextMenu(e->clientToScreen({10, 10}));
  skin::TbsSkinPopupMenu* menu = e->contextMenu();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->items().count(), 8);
  const char* captions[] = {"撤销", "-", "剪切", "复制", "粘贴", "删除", "-", "全部选择"};
  const bool enabled[] = {false, true, true, true, true, true, true, true};
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(menu->items().item(i)->caption(), captions[i]);
    EXPECT_EQ(menu->items().item(i)->enabled(), enabled[i]);
  }
  EXPECT_TRUE(frame->SkinMenu().Visible());
  menu->items().item(3)->click();
  e->perform(skin::MenuItemExecuted);
  EXPECT_EQ(QApplication::clipboard()->text(), "hello");
  QTRY_VERIFY(e->contextMenu() == nullptr);
  // Read-only with everything selected: only copy is left.
  e->setReadOnly(true);
  e->selectAll();
  e->showContextMenu(e->clientToScreen({10, 10}));
  menu = e->contextMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(menu->items().item(2)->enabled());
  EXPECT_TRUE(menu->items().item(3)->enabled());
  EXPECT_FALSE(menu->items().item(4)->enabled());
  EXPECT_FALSE(menu->items().item(7)->enabled());
  // A skin switch while the menu is open, then the edit goes while it is.
  app::LoadedBuiltinSkin other(4);
  frame->setSkinData(&other.data);
  e->SetSkinData(&other.data);
  e->widget()->grab();
  delete e;
  QTest::qWait(20);
  EXPECT_FALSE(frame->SkinMenu().Visible());
  frame->setSkinData(nullptr);
}

// --- TbsSkinPasswordEdit --------------------------------------------------------

TEST_F(Edits, PasswordMarksAreTenApartOnAFifteenHighClientRect) {
  auto* p = place<skin::TbsSkinPasswordEdit>(121, 30, &skin_->data());
  EXPECT_EQ(p->height(), 21);
  EXPECT_EQ(p->cells().cellWidth, 10);
  EXPECT_EQ(p->cells().editRect, gfx::Rect(3, 3, 109, 18));
  p->setUseSkinFont(false);
  p->setBounds(5, 5, 121, 30);
  EXPECT_EQ(p->height(), 30);
  EXPECT_EQ(p->cells().editRect, gfx::Rect(3, 3, 109, 27));
}

TEST_F(Edits, PasswordCaretAndSelectionAfterEachKey) {
  auto* p = place<skin::TbsSkinPasswordEdit>(121, 21, &skin_->data());
  p->setAutoSelect(false);
  p->setPasswordText("abcd efgh");
  p->setFocus();
  ASSERT_TRUE(p->focused());
  struct Row {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int caret, selLength;
  } rows[] = {
      {"End", Qt::Key_End, Qt::NoModifier, 9, 0},
      {"Home", Qt::Key_Home, Qt::NoModifier, 0, 0},
      {"Right", Qt::Key_Right, Qt::NoModifier, 1, 0},
      {"Shift+Right", Qt::Key_Right, Qt::ShiftModifier, 2, -1},
      {"Shift+Right again", Qt::Key_Right, Qt::ShiftModifier, 3, -2},
      {"Left clears", Qt::Key_Left, Qt::NoModifier, 2, 0},
      {"Ctrl+Right: next word", Qt::Key_Right, Qt::ControlModifier, 5, 0},
      {"Shift+End", Qt::Key_End, Qt::ShiftModifier, 9, -4},
      {"Ctrl+Shift+Left", Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, 5, 0},
      {"Shift+Home", Qt::Key_Home, Qt::ShiftModifier, 0, 5},
      {"Shift+Left at 0", Qt::Key_Left, Qt::ShiftModifier, 0, 5},
      {"Ctrl+Right from 0", Qt::Key_Right, Qt::ControlModifier, 5, 0},
      {"Ctrl+Right to the end", Qt::Key_Right, Qt::ControlModifier, 9, 0},
      {"Right at the end", Qt::Key_Right, Qt::NoModifier, 9, 0},
      {"Ctrl+Left", Qt::Key_Left, Qt::ControlModifier, 5, 0},
      {"Ctrl+Left to 0", Qt::Key_Left, Qt::ControlModifier, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    key(r.key, r.mods);
    EXPECT_EQ(p->caret(), r.caret);
    EXPECT_EQ(p->selLength(), r.selLength);
    EXPECT_EQ(p->caretPos().x, p->cells().gapX(r.caret));
  }
}

TEST_F(Edits, PasswordDeletionLimitsAndTyping) {
  auto* p = place<skin::TbsSkinPasswordEdit>(121, 21, &skin_->data());
  p->setAutoSelect(false);
  int changes = 0;
  p->OnChange = [&](skin::TbsSkinPasswordEdit&) { ++changes; };
  p->setFocus();
  type("abcd");
  EXPECT_EQ(p->Text(), "abcd");
  EXPECT_EQ(changes, 4);
  p->setMaxLength(4);
  type("x");
  EXPECT_EQ(p->Text(), "abcd");
  EXPECT_EQ(changes, 4);
  key(Qt::Key_Delete);  // at the end: nothing
  EXPECT_EQ(p->Text(), "abcd");
  key(Qt::Key_Home);
  key(Qt::Key_Backspace);  // at 0: nothing
  EXPECT_EQ(p->Text(), "abcd");
  EXPECT_EQ(changes, 4);
  key(Qt::Key_Delete);
  EXPECT_EQ(p->Text(), "bcd");
  key(Qt::Key_Right, Qt::ShiftModifier);
  key(Qt::Key_Right, Qt::ShiftModifier);
  // Replacing two of three selected characters by one fits the limit.
  type("Z");
  EXPECT_EQ(p->Text(), "Zd");
  EXPECT_EQ(p->caret(), 1);
  key(Qt::Key_End);
  key(Qt::Key_Backspace);
  EXPECT_EQ(p->Text(), "Z");
  p->setReadOnly(true);
  type("q");
  key(Qt::Key_Backspace);
  EXPECT_EQ(p->Text(), "Z");
  p->setReadOnly(false);
  p->setCharCase(skin::TEditCharCase::ecLowerCase);
  EXPECT_EQ(p->Text(), "z");
  type("AB");
  EXPECT_EQ(p->Text(), "zab");
}

TEST_F(Edits, PasswordFirstVisibleCharacterFollowsTypingPastTheWidth) {
  // Edit rect 3..109: 106 pixels hold 10 whole cells of 10.
  auto* p = place<skin::TbsSkinPasswordEdit>(121, 21, &skin_->data());
  p->setFocus();
  for (int n = 1; n <= 25; ++n) {
    type("k");
    SCOPED_TRACE(n);
    EXPECT_EQ(p->firstVisible(), std::max(1, n - 9));
    const skin::PasswordCells c = p->cells();
    EXPECT_LE(c.gapX(p->caret()), c.editRect.right);
  }
  // Only whole marks: the eleventh cell would cross the edge.
  EXPECT_EQ(p->cells().visibleCount(), 10);
  key(Qt::Key_Home);
  EXPECT_EQ(p->firstVisible(), 1);
}

TEST_F(Edits, AutoSelectDrawsTheHighlight) {
  auto* p = place<skin::TbsSkinPasswordEdit>(121, 21, &skin_->data());
  p->setPasswordKind(skin::TbsPasswordKind::pkRect);
  p->setPasswordText("abc");
  const gfx::Rect mark = skin::MarkSquare(p->cells().cell(1));
  const int mx = (mark.left + mark.right) / 2;
  const int my = (mark.top + mark.bottom) / 2;
  // Whatever an earlier test left under the pointer, it is not over the box.
  if (p->mouseInside()) p->perform(ui::CM_MOUSELEAVE);
  EXPECT_EQ(PixelOf(*p, mx, my), Color(255));  // fontcolor, not hot
  p->setFocus();
  EXPECT_EQ(p->selLength(), 3);
  EXPECT_EQ(p->caret(), 0);
  EXPECT_EQ(PixelOf(*p, mx, my), gfx::SystemColor(gfx::SysColor::HighlightText));
  EXPECT_EQ(PixelOf(*p, 14, 4), gfx::SystemColor(gfx::SysColor::Highlight));
  // Past the selection the hot picture shows: its middle (x 3..28) tiled
  // from x 3, so x 60 shows source x 3 + 57 mod 25 = 10, row 30 + 10.
  EXPECT_EQ(PixelOf(*p, 60, 10), Source(10, 40));
}

TEST_F(Edits, ThePasswordNeverReachesTheClipboard) {
  auto* p = place<skin::TbsSkinPasswordEdit>(121, 21, &skin_->data());
  QClipboard* clip = QApplication::clipboard();
  clip->setText("sentinel");
  if (clip->supportsSelection()) clip->setText("sentinel", QClipboard::Selection);
  p->setFocus();
  type("s3cret");
  ASSERT_EQ(p->Text(), "s3cret");
  const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
  key(Qt::Key_Home, Qt::ShiftModifier);
  key(Qt::Key_A, Qt::ControlModifier);
  key(Qt::Key_C, Qt::ControlModifier);
  key(Qt::Key_Insert, Qt::ControlModifier);
  key(Qt::Key_X, Qt::ControlModifier);
  key(Qt::Key_Menu);
  key(Qt::Key_F10, Qt::ShiftModifier);
  const QPoint at = p->widget()->mapTo(form_->widget(), QPoint(20, 10));
  QTest::mouseDClick(window(), Qt::LeftButton, {}, at);
  QTest::mouseClick(window(), Qt::RightButton, {}, at);
  key(Qt::Key_End, Qt::ShiftModifier);
  key(Qt::Key_Delete, Qt::ShiftModifier);  // deletes; no cut
  EXPECT_EQ(clip->text(), "sentinel");
  if (clip->supportsSelection()) {
    EXPECT_EQ(clip->text(QClipboard::Selection), "sentinel");
  }
  EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);
  EXPECT_EQ(p->text(), "");  // the framework's text holds no copy
}

TEST_F(Edits, AHundredThousandCharacterPasteIntoThePasswordBox) {
  auto* p = place<skin::TbsSkinPasswordEdit>(121, 21, &skin_->data());
  QApplication::clipboard()->setText(QString(100000, QChar('w')) + "\r\n");
  p->setFocus();
  key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(p->textLength(), 100000);
  EXPECT_EQ(p->caret(), 100000);
  EXPECT_EQ(p->firstVisible(), 100000 - 9);
  p->widget()->grab();
  key(Qt::Key_Home);
  EXPECT_EQ(p->firstVisible(), 1);
}

TEST_F(Edits, PasswordMouseSelectsAndSkinSwitchesLeaveNothingBehind) {
  auto* p = place<skin::TbsSkinPasswordEdit>(121, 21, &skin_->data());
  p->setPasswordText("abc def");
  const auto at = [&](int x) { return p->widget()->mapTo(form_->widget(), QPoint(x, 10)); };
  QTest::mousePress(window(), Qt::LeftButton, {}, at(14));  // gap 1
  EXPECT_TRUE(p->focused());
  EXPECT_EQ(p->caret(), 1);
  EXPECT_EQ(p->selLength(), 0);
  QTest::mouseMove(window(), at(44));  // gap 4
  EXPECT_EQ(p->caret(), 4);
  EXPECT_EQ(p->selLength(), -3);
  // The skin goes and comes back while the button is held.
  p->SetSkinData(nullptr);
  p->widget()->grab();
  p->SetSkinData(&skin_->data());
  QTest::mouseRelease(window(), Qt::LeftButton, {}, at(44));
  QTest::mouseMove(window(), at(70));
  EXPECT_EQ(p->caret(), 4);  // the drag ended with the release
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
  // A double click selects the word at the caret up to the next one.
  QTest::mouseDClick(window(), Qt::LeftButton, {}, at(14));
  EXPECT_EQ(p->selStart(), 0);
  EXPECT_EQ(p->selEnd(), 4);
  EXPECT_EQ(p->caret(), 4);
}

TEST_F(Edits, HostileSectionsAndSizesNeitherCrashNorLoseTheBox) {
  const std::string longText(10000, 'L');
  for (const char* section : {"emptyrect", "nopicture", "pastpictures", "wildpoints", "missing"}) {
    SCOPED_TRACE(section);
    auto* e = place<skin::TbsSkinEdit>(100, 21, &skin_->data());
    auto* p = place<skin::TbsSkinPasswordEdit>(100, 21, &skin_->data());
    e->SetSkinDataName(section);
    p->SetSkinDataName(section);
    e->setButtonMode(true);
    e->ChangeSkinData();
    p->ChangeSkinData();
    e->setEditText(longText);
    p->setPasswordText(longText);
    // A section without a usable picture leaves a box that can be seen.
    if (std::string(section) != "wildpoints") {
      EXPECT_GT(e->height(), 0);
      EXPECT_EQ(p->SectionIndex(), -1);
    }
    for (auto [w, h] : {std::pair{0, 0}, {-5, -5}, {3, 2}, {100, 21}}) {
      e->setBounds(5, 5, w, h);
      p->setBounds(5, 40, w, h);
      e->widget()->grab();
      p->widget()->grab();
    }
    p->setFocus();
    key(Qt::Key_End);
    type("z");
    EXPECT_EQ(p->textLength(), 10001);
    delete e;
    delete p;
  }
}

TEST_F(Edits, TheFrameworkTextPropertyFeedsThePasswordAndKeepsNoCopy) {
  auto* p = place<skin::TbsSkinPasswordEdit>(121, 21, &skin_->data());
  p->setText("given");
  EXPECT_EQ(p->Text(), "given");
  EXPECT_EQ(p->text(), "");
  EXPECT_EQ(p->selLength(), 0);
}

}  // namespace
