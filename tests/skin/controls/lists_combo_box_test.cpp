// The combo box with its pop-up list: layout and key arithmetic as tables,
// then a fixed-style combo on a shown form driven with real input: keys,
// the typed prefix on a manual clock, opening below and above, choosing by
// press-drag-release, plain clicks, Escape, rows and the list's scroll bar,
// skin changes while open, and destruction while open.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include <gtest/gtest.h>

#include "lists_input.h"
#include "resources/builtin_skins.h"
#include "skin/controls/combo_layout.h"
#include "skin/controls/list_box_layout.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/data/control_data.h"
#include "ui/form.h"
#include "ui/keys.h"
#include "ui/monitor.h"
#include "ui/scheduler.h"

namespace {

using skin::TbsSkinComboBox;

TEST(ComboArithmetic, PlacesWithAndWithoutASection) {
  const skin::ComboPlaces d = skin::DefaultComboPlaces(120, 20);
  EXPECT_EQ(d.button, (gfx::Rect{101, 2, 118, 18}));
  EXPECT_EQ(d.text, (gfx::Rect{2, 2, 100, 18}));
  // The red skin's combobox: skinrect 100 x 21, righttoppoint.x 80,
  // buttonrect 82,2,98,19, clientrect 3,3,80,18; a combo 150 wide.
  const skin::ComboPlaces s =
      skin::SkinComboPlaces({82, 2, 98, 19}, {3, 3, 80, 18}, 100, 21, 80, 150, 21, true);
  EXPECT_EQ(s.button, (gfx::Rect{132, 2, 148, 19}));
  EXPECT_EQ(s.text, (gfx::Rect{3, 3, 130, 18}));
  // Without UseSkinSize a 30-high combo reaches 9 pixels further down.
  const skin::ComboPlaces t =
      skin::SkinComboPlaces({82, 2, 98, 19}, {3, 3, 80, 18}, 100, 21, 80, 150, 30, false);
  EXPECT_EQ(t.button, (gfx::Rect{132, 2, 148, 28}));
  EXPECT_EQ(t.text, (gfx::Rect{3, 3, 130, 27}));
}

TEST(ComboArithmetic, ListGoesAboveOnlyWhenItWouldPassTheWorkArea) {
  const gfx::Rect work{0, 0, 800, 600};
  EXPECT_EQ(skin::ComboListPosition(10, 100, 20, 164, work), (gfx::Point{10, 100}));
  EXPECT_EQ(skin::ComboListPosition(10, 436, 20, 164, work), (gfx::Point{10, 436}));  // ends at 600
  EXPECT_EQ(skin::ComboListPosition(10, 437, 20, 164, work), (gfx::Point{10, 253}));
}

TEST(ComboArithmetic, PagingAndTheTypedPrefix) {
  // Page Up goes DropDownCount + 1 back, Page Down DropDownCount - 1 on.
  EXPECT_EQ(skin::ComboPageUp(15, 8), 6);
  EXPECT_EQ(skin::ComboPageUp(5, 8), 0);
  EXPECT_EQ(skin::ComboPageDown(5, 8, 20), 12);
  EXPECT_EQ(skin::ComboPageDown(15, 8, 20), 19);
  EXPECT_EQ(skin::ComboPageDown(-1, 8, 20), 6);
  EXPECT_EQ(skin::NextSearchPrefix("a", "b", 499, true), "ab");
  EXPECT_EQ(skin::NextSearchPrefix("a", "b", 500, true), "b");
  EXPECT_EQ(skin::NextSearchPrefix("a", "b", 10, false), "b");
  const std::vector<std::string> items{"Beta", "alpha", "Abc", "abd", "gamma"};
  EXPECT_EQ(skin::FindItemWithPrefix(items, "a", 1), 2);  // after 1, any case
  EXPECT_EQ(skin::FindItemWithPrefix(items, "a", 3), 1);  // wraps
  EXPECT_EQ(skin::FindItemWithPrefix(items, "ABD", -1), 3);
  EXPECT_EQ(skin::FindItemWithPrefix(items, "x", -1), -1);
}

TEST(ListArithmetic, HeightsRowsAndHits) {
  EXPECT_EQ(skin::ListHeightForRows(8, 20, false, 0, 0), 164);
  // The red listbox: skinrect 60 high, clientrect 56 high, items 18 high.
  EXPECT_EQ(skin::ListHeightForRows(8, 18, true, 60, 56), 148);
  EXPECT_EQ(skin::VisibleListRows(160, 20), 8);
  EXPECT_EQ(skin::VisibleListRows(159, 20), 7);
  EXPECT_EQ(skin::MaxTopIndex(20, 8), 12);
  EXPECT_EQ(skin::MaxTopIndex(3, 8), 0);
  EXPECT_EQ(skin::ListItemAt(45, 10, 20, 20), 12);
  EXPECT_EQ(skin::ListItemAt(45, 19, 20, 20), -1);
  EXPECT_EQ(skin::ListItemAt(-1, 0, 20, 20), -1);
}

class ComboOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<ui::Form>();
    form_->setBounds(20, 20, 300, 260);
    combo_ = new TbsSkinComboBox(form_.get());
    combo_->setParent(form_.get());
    combo_->setBounds(10, 10, 150, 20);
    combo_->setScheduler(&clock_);
    combo_->setClock([this] { return clock_.now(); });
    combo_->OnClick = [this](ui::Control&) { ++clicks_; };
    combo_->OnChange = [this](ui::Control&) { ++changes_; };
    combo_->OnCloseUp = [this](ui::Control&) { ++closeUps_; };
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_->widget()));
    combo_->setFocus();
  }
  void TearDown() override { form_.reset(); }

  void items(int n) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) v.push_back("item " + std::to_string(i));
    combo_->setItems(v);
  }
  void key(int vk, unsigned shift = 0) {
    int k = vk;
    ui::Message m{shift & ui::ssAlt ? ui::WM_SYSKEYDOWN : ui::WM_KEYDOWN,
                  static_cast<ui::MessageParam>(k), static_cast<ui::MessageParam>(shift), 0};
    combo_->windowProc(m);
  }
  void type(char c) { QTest::keyClick(form_->widget()->windowHandle(), c); }
  // A point of the list (list coordinates) as a point of the combo.
  QPoint listPointInCombo(int x, int y) {
    const gfx::Point s = combo_->popupList().clientToScreen({x, y});
    const gfx::Point c = combo_->screenToClient(s);
    return {c.x, c.y};
  }

  ui::ManualScheduler clock_;
  std::unique_ptr<ui::Form> form_;
  TbsSkinComboBox* combo_ = nullptr;
  int clicks_ = 0, changes_ = 0, closeUps_ = 0;
};

TEST_F(ComboOnForm, ArrowKeysMoveThroughTheItemsAndStopAtTheEnds) {
  combo_->setItems({"one", "two", "three"});
  combo_->setItemIndex(0);
  clicks_ = changes_ = 0;
  key(ui::VK_DOWN);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(combo_->Text(), "two");
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(changes_, 1);
  key(ui::VK_RIGHT);
  key(ui::VK_DOWN);  // on the last item: nothing
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(clicks_, 2);
  key(ui::VK_UP);
  key(ui::VK_LEFT);
  key(ui::VK_UP);
  EXPECT_EQ(combo_->ItemIndex(), 0);
  EXPECT_EQ(clicks_, 4);
  // Alt+Down opens, Alt+Up closes without choosing.
  key(ui::VK_DOWN, ui::ssAlt);
  EXPECT_TRUE(combo_->droppedDown());
  key(ui::VK_UP, ui::ssAlt);
  EXPECT_FALSE(combo_->droppedDown());
  EXPECT_EQ(closeUps_, 0);
}

TEST_F(ComboOnForm, PageKeysFollowTheirArithmetic) {
  items(20);
  combo_->setItemIndex(15);
  key(ui::VK_PRIOR);
  EXPECT_EQ(combo_->ItemIndex(), 6);
  key(ui::VK_NEXT);
  EXPECT_EQ(combo_->ItemIndex(), 13);
  key(ui::VK_NEXT);
  EXPECT_EQ(combo_->ItemIndex(), 19);
}

TEST_F(ComboOnForm, TypedLettersSearchByPrefixWithThe500MsPause) {
  combo_->setItems({"banana", "apple", "avocado", "abc", "abd", "cherry"});
  combo_->setItemIndex(0);
  type('a');
  EXPECT_EQ(combo_->ItemIndex(), 1);  // the next item starting with a
  clock_.advance(499);
  type('b');  // within the pause: "ab", searched from the first item
  EXPECT_EQ(combo_->searchPrefix(), "ab");
  EXPECT_EQ(combo_->ItemIndex(), 3);
  // The same letter after pauses of 500 ms cycles through its items.
  clock_.advance(500);
  type('a');
  EXPECT_EQ(combo_->ItemIndex(), 4);
  clock_.advance(500);
  type('a');
  EXPECT_EQ(combo_->ItemIndex(), 1);
  clock_.advance(600);
  type('z');  // no match: nothing changes
  EXPECT_EQ(combo_->ItemIndex(), 1);
}

TEST_F(ComboOnForm, TwentyItemsWithEightRowsShowEightRowsAndAScrollBarOfPageEight) {
  for (int skinIndex : {-1, 0, 3}) {
    std::unique_ptr<app::LoadedBuiltinSkin> skin;
    if (skinIndex >= 0) {
      skin = std::make_unique<app::LoadedBuiltinSkin>(skinIndex);
      combo_->SetSkinData(&skin->data);
    }
    items(20);
    combo_->setItemIndex(0);
    combo_->DropDown();
    skin::TbsPopupListBox& list = combo_->popupList();
    ASSERT_TRUE(list.visible()) << skinIndex;
    EXPECT_EQ(list.RowCount(), 8) << skinIndex;
    EXPECT_EQ(list.visibleRows(), 8) << skinIndex;
    EXPECT_EQ(list.height(), list.heightForRows(8)) << skinIndex;
    ASSERT_NE(list.vScrollBar(), nullptr) << skinIndex;
    EXPECT_TRUE(list.vScrollBar()->visible()) << skinIndex;
    EXPECT_EQ(list.vScrollBar()->PageSize(), 8) << skinIndex;
    EXPECT_EQ(list.vScrollBar()->Max(), 19) << skinIndex;
    EXPECT_EQ(list.vScrollBar()->LargeChange(), 8) << skinIndex;
    // Scrolling the bar moves the rows; the list never scrolls past its end.
    list.vScrollBar()->setPosition(50);
    EXPECT_EQ(list.TopIndex(), 12) << skinIndex;
    combo_->CloseUp(false);
    combo_->SetSkinData(nullptr);
  }
}

TEST_F(ComboOnForm, PressDragReleaseChoosesAndReleasingOutsideRestores) {
  items(5);
  combo_->setItemIndex(1);
  clicks_ = 0;
  const gfx::Rect button = combo_->places().button;
  const int bx = button.left + 4, by = button.top + 4;
  liststest::Press(*combo_, bx, by);
  ASSERT_TRUE(combo_->droppedDown());
  EXPECT_TRUE(combo_->tracking());
  skin::TbsPopupListBox& list = combo_->popupList();
  const gfx::Rect area = list.listArea();
  const int ih = list.ItemHeight();
  // Over item 3 of the list, moved to through the combo's pressed window.
  const QPoint over = listPointInCombo(area.left + 10, area.top + 3 * ih + ih / 2);
  liststest::Move(*combo_, over.x(), over.y());
  EXPECT_EQ(list.ItemIndex(), 3);
  liststest::Release(*combo_, over.x(), over.y());
  EXPECT_FALSE(combo_->droppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 3);
  EXPECT_EQ(combo_->Text(), "item 3");
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(closeUps_, 1);
  EXPECT_FALSE(combo_->hasCapture());

  // Again, but released to the right of the list: the choice stays item 3.
  liststest::Press(*combo_, bx, by);
  const QPoint item1 = listPointInCombo(area.left + 10, area.top + ih + ih / 2);
  liststest::Move(*combo_, item1.x(), item1.y());
  EXPECT_EQ(list.ItemIndex(), 1);
  const QPoint outside = listPointInCombo(list.width() + 40, area.top + ih);
  liststest::Move(*combo_, outside.x(), outside.y());
  liststest::Release(*combo_, outside.x(), outside.y());
  EXPECT_FALSE(combo_->droppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 3);
  EXPECT_EQ(closeUps_, 1);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
}

TEST_F(ComboOnForm, HoldingThePointerBelowTheListScrollsItEvery25Ms) {
  items(20);
  combo_->setItemIndex(0);
  const gfx::Rect button = combo_->places().button;
  liststest::Press(*combo_, button.left + 4, button.top + 4);
  skin::TbsPopupListBox& list = combo_->popupList();
  const gfx::Rect area = list.listArea();
  const int ih = list.ItemHeight();
  // Below the list before the pointer has been in it: nothing.
  const QPoint below = listPointInCombo(area.left + 5, area.bottom + 10);
  liststest::Move(*combo_, below.x(), below.y());
  EXPECT_EQ(combo_->autoScrollDirection(), 0);
  const QPoint last = listPointInCombo(area.left + 5, area.top + 7 * ih + 2);
  liststest::Move(*combo_, last.x(), last.y());
  EXPECT_EQ(list.ItemIndex(), 7);
  liststest::Move(*combo_, below.x(), below.y());
  EXPECT_EQ(combo_->autoScrollDirection(), 1);
  clock_.advance(24);
  EXPECT_EQ(list.ItemIndex(), 7);
  clock_.advance(1);
  EXPECT_EQ(list.ItemIndex(), 8);
  clock_.advance(50);
  EXPECT_EQ(list.ItemIndex(), 10);
  EXPECT_EQ(list.TopIndex(), 3);  // the selection is kept in view
  // Back inside the list the scrolling stops.
  liststest::Move(*combo_, last.x(), last.y());
  EXPECT_EQ(combo_->autoScrollDirection(), 0);
  EXPECT_FALSE(clock_.pending());
  liststest::Release(*combo_, last.x(), last.y());
  EXPECT_EQ(combo_->ItemIndex(), 10);
}

TEST_F(ComboOnForm, AClickOpensAndKeepsTheListOpenASecondClickClosesWithoutChoosing) {
  items(5);
  combo_->setItemIndex(2);
  clicks_ = 0;
  const gfx::Rect button = combo_->places().button;
  liststest::Press(*combo_, button.left + 4, button.top + 4);
  liststest::Release(*combo_, button.left + 4, button.top + 4);
  EXPECT_TRUE(combo_->droppedDown());
  EXPECT_FALSE(combo_->tracking());
  // The pointer over the open list selects the item under it.
  skin::TbsPopupListBox& list = combo_->popupList();
  liststest::Move(list, list.listArea().left + 5, list.listArea().top + list.ItemHeight() * 4 + 2);
  EXPECT_EQ(list.ItemIndex(), 4);
  liststest::Press(*combo_, 20, 8);
  liststest::Release(*combo_, 20, 8);
  EXPECT_FALSE(combo_->droppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(closeUps_, 0);
  // A press and release inside the open list chooses.
  liststest::Press(*combo_, button.left + 4, button.top + 4);
  liststest::Release(*combo_, button.left + 4, button.top + 4);
  const int y = list.listArea().top + list.ItemHeight() * 4 + 2;
  liststest::Press(list, list.listArea().left + 5, y);
  liststest::Release(list, list.listArea().left + 5, y);
  EXPECT_FALSE(combo_->droppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 4);
  EXPECT_EQ(closeUps_, 1);
}

TEST_F(ComboOnForm, EscapeRestoresTheIndexSavedOnOpeningEnterAccepts) {
  items(6);
  combo_->setItemIndex(2);
  combo_->DropDown();
  combo_->popupList().setItemIndex(5);  // as the pointer would
  key(ui::VK_ESCAPE);
  EXPECT_FALSE(combo_->droppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(combo_->Text(), "item 2");
  combo_->DropDown();
  combo_->popupList().setItemIndex(4);
  key(ui::VK_RETURN);
  EXPECT_EQ(combo_->ItemIndex(), 4);
  EXPECT_EQ(combo_->Text(), "item 4");
  EXPECT_EQ(closeUps_, 1);
}

TEST_F(ComboOnForm, TheListOpensBelowOrAboveNearTheBottomOfTheWorkArea) {
  items(20);
  combo_->DropDown();
  const gfx::Point below = combo_->clientToScreen({0, combo_->height()});
  EXPECT_EQ(combo_->popupList().left(), below.x);
  EXPECT_EQ(combo_->popupList().top(), below.y);
  combo_->CloseUp(false);
  const gfx::Rect work = ui::MonitorWorkArea(*combo_);
  form_->setBounds(20, work.bottom - 80, 300, 80);
  QTest::qWait(10);
  combo_->DropDown();
  const gfx::Point top = combo_->clientToScreen({0, 0});
  EXPECT_EQ(combo_->popupList().top() + combo_->popupList().height(), top.y);
  EXPECT_LE(combo_->popupList().top() + combo_->popupList().height(), work.bottom);
}

TEST_F(ComboOnForm, BadValuesAreRefusedOrHarmless) {
  combo_->DropDown();  // no items: never opens
  EXPECT_FALSE(combo_->droppedDown());
  key(ui::VK_NEXT);
  key(ui::VK_DOWN);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  combo_->setDropDownCount(0);
  combo_->setDropDownCount(-3);
  EXPECT_EQ(combo_->DropDownCount(), 8);
  items(3);
  combo_->setItemIndex(7);  // past the end: nothing chosen, text unchanged
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->Text(), "");
  combo_->setBounds(10, 10, 0, 0);  // zero size paints nothing and opens harmlessly
  combo_->repaint();
  combo_->DropDown();
  EXPECT_TRUE(combo_->droppedDown());
  combo_->CloseUp(true);
  combo_->setBounds(10, 10, 150, 20);
}

TEST_F(ComboOnForm, ASkinChangeWhileOpenKeepsTheListUsableAndDestructionWhileOpenIsSafe) {
  app::LoadedBuiltinSkin first(0);
  combo_->SetSkinData(&first.data);
  items(20);
  combo_->setItemIndex(3);
  const gfx::Rect button = combo_->places().button;
  liststest::Press(*combo_, button.left + 3, button.top + 3);
  ASSERT_TRUE(combo_->droppedDown());
  // Another skin is read into the same component while the list is open and
  // the pointer held.
  skin::TbsCompressedStoredSkin other;
  app::LoadBuiltinSkin(app::BuiltinSkins()[4], other);
  combo_->BeforeChangeSkinData();
  first.data.setCompressedStoredSkin(&other);
  combo_->ChangeSkinData();
  skin::TbsPopupListBox& list = combo_->popupList();
  EXPECT_TRUE(list.visible());
  EXPECT_EQ(list.height(), list.heightForRows(8));
  combo_->popupList().repaint();
  liststest::Release(*combo_, button.left + 3, button.top + 3);
  EXPECT_TRUE(combo_->droppedDown());
  // Dragging the list's thumb, then the combo destroyed with the list open.
  ASSERT_NE(list.vScrollBar(), nullptr);
  skin::TbsSkinScrollBar& bar = *list.vScrollBar();
  const gfx::Rect thumb = bar.thumbRect();
  liststest::Press(bar, thumb.left + 2, thumb.top + 2);
  EXPECT_EQ(bar.pressedPart(), skin::TbsSkinScrollBar::Part::Thumb);
  delete combo_;
  combo_ = nullptr;
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
  QTest::qWait(10);
}

}  // namespace

namespace {

class EditComboOnForm : public ComboOnForm {
 protected:
  void SetUp() override {
    ComboOnForm::SetUp();
    combo_->setItems({"banana", "apple", "apricot", "cherry"});
    combo_->setStyle(skin::TbsSkinCustomComboBoxStyle::bscbEditStyle);
    ASSERT_NE(combo_->innerEdit(), nullptr);
    combo_->innerEdit()->setFocus();
    QTest::qWait(10);
  }
  QLineEdit* line() { return combo_->innerEdit()->lineEdit(); }
};

TEST_F(EditComboOnForm, TypingCompletesAndSelectsTheCompletedTail) {
  EXPECT_FALSE(combo_->tabStop());
  QTest::keyClick(line(), 'a');
  EXPECT_EQ(combo_->Text(), "apple");
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(combo_->innerEdit()->selStart(), 1);
  EXPECT_EQ(combo_->innerEdit()->selLength(), 4);
  clock_.advance(200);
  QTest::keyClick(line(), 'p');
  clock_.advance(200);
  QTest::keyClick(line(), 'r');  // "apr": apricot
  EXPECT_EQ(combo_->Text(), "apricot");
  EXPECT_EQ(combo_->ItemIndex(), 2);
  // Backspace does not complete again.
  clock_.advance(200);
  QTest::keyClick(line(), Qt::Key_Backspace);
  EXPECT_EQ(combo_->Text(), "apr");
}

TEST_F(EditComboOnForm, UpAndDownChooseEnterClosesTheListWithoutPressingTheDefaultButton) {
  combo_->setItemIndex(0);
  clicks_ = 0;
  QTest::keyClick(line(), Qt::Key_Down);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(combo_->innerEdit()->Text(), "apple");
  EXPECT_EQ(combo_->innerEdit()->selLength(), 5);
  EXPECT_EQ(clicks_, 1);
  combo_->DropDown();
  ASSERT_TRUE(combo_->droppedDown());
  EXPECT_TRUE(combo_->innerEdit()->focused());
  combo_->popupList().setItemIndex(3);
  int defaults = 0;
  form_->onKeyDown = [&](ui::Control&, int&, unsigned) {};
  auto* button = new ui::WinControl(form_.get());
  button->setParent(form_.get());
  button->setDefault(true);
  button->onClick = [&](ui::Control&) { ++defaults; };
  QTest::keyClick(line(), Qt::Key_Return);
  EXPECT_FALSE(combo_->droppedDown());
  EXPECT_EQ(combo_->Text(), "cherry");
  EXPECT_EQ(combo_->innerEdit()->Text(), "cherry");
  EXPECT_EQ(defaults, 0);
  // Back to fixed style: the edit goes, the text stays.
  combo_->setStyle(skin::TbsSkinCustomComboBoxStyle::bscbFixedStyle);
  EXPECT_EQ(combo_->innerEdit(), nullptr);
  EXPECT_EQ(combo_->Text(), "cherry");
  EXPECT_TRUE(combo_->tabStop());
}

TEST_F(EditComboOnForm, TheWheelOverTheEditChoosesLikeUpAndDown) {
  combo_->setItemIndex(0);
  clicks_ = 0;
  // Turned over the editor itself.
  const auto wheel = [this](int delta) {
    QWheelEvent e({5, 5}, {}, {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(line(), &e);
  };
  wheel(-120);  // towards the user: the next item
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(combo_->innerEdit()->Text(), "apple");
  EXPECT_EQ(combo_->innerEdit()->selLength(), 5);
  EXPECT_EQ(clicks_, 1);
  wheel(120);
  EXPECT_EQ(combo_->ItemIndex(), 0);
  EXPECT_EQ(combo_->Text(), "banana");
  wheel(120);  // at the first item: nothing
  EXPECT_EQ(combo_->ItemIndex(), 0);
  EXPECT_EQ(clicks_, 2);
  // With the list open the choice moves and the list keeps it in view.
  combo_->DropDown();
  for (int i = 0; i < 5; ++i) wheel(-120);
  EXPECT_EQ(combo_->ItemIndex(), 3);
  EXPECT_EQ(combo_->popupList().ItemIndex(), 3);
  EXPECT_TRUE(combo_->droppedDown());
  combo_->CloseUp(false);
}

}  // namespace
