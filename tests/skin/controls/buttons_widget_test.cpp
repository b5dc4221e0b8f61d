// The skinned buttons on real forms under the offscreen platform: state
// pictures and their fall-backs from a fixture skin, auto-repeat and the
// fade on a hand-moved clock, the toggle groups, the keyboard, dialog keys
// and accelerators, the menu button's menu, and skin switches, destroyed
// buttons and hostile input while a button is held.
#include <QImage>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_menu_button.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/package_stream.h"
#include "skin/data/zlib_streams.h"
#include "skin/frame/default_frame_metrics.h"
#include "skin/frame/form_frame.h"
#include "support/qt_wait.h"
#include "ui/form.h"
#include "ui/graphics/qt_convert.h"
#include "ui/keys.h"
#include "ui/scheduler.h"

namespace {

using gfx::Color;
using skin::TbsSkinButton;
using skin::TbsSkinMenuButton;
using skin::TbsSkinSpeedButton;

// The fixture picture: four 20 x 10 bands, one plain colour per state.
const Color kNormal = Color::rgb(200, 10, 10);
const Color kActive = Color::rgb(10, 200, 10);
const Color kDown = Color::rgb(10, 10, 200);
const Color kDisabled = Color::rgb(120, 120, 120);

gfx::Bitmap StatePicture() {
  gfx::Bitmap b(20, 40);
  b.fillRect({0, 0, 20, 10}, kNormal);
  b.fillRect({0, 10, 20, 20}, kActive);
  b.fillRect({0, 20, 20, 30}, kDown);
  b.fillRect({0, 30, 20, 40}, kDisabled);
  return b;
}

std::string ButtonSection(const std::string& name, const std::string& active,
                          const std::string& down, const std::string& extra = "", int picture = 0) {
  return "[" + name + "]\r\npictureindex=" + std::to_string(picture) +
         "\r\nmaskpictureindex=-1\r\nskinrect=0,0,20,10\r\n"
         "activeskinrect=" +
         active + "\r\ndownskinrect=" + down +
         "\r\ndisabledskinrect=0,30,20,40\r\nfontname=Arial\r\nfontheight=11\r\n"
         "fontcolor=0\r\nactivefontcolor=0\r\ndownfontcolor=0\r\ndisabledfontcolor=0\r\n" +
         extra;
}

std::string FixtureDefinition() {
  return "[VERSION]\r\nskinname=fixture\r\n"
         "[PICTURES]\r\nactivepicturescount=1\r\nactivepicture0=p.bmp\r\n"
         "[SKINCONTROLS]\r\ncount=8\r\n0=button:button\r\n1=noactive:button\r\n"
         "2=nodown:button\r\n3=noboth:button\r\n4=morph:button\r\n5=toolbutton:button\r\n"
         "6=menu:menubutton\r\n7=nopicture:button\r\n" +
         ButtonSection("button", "0,10,20,20", "0,20,20,30") +
         ButtonSection("noactive", "0,0,0,0", "0,20,20,30") +
         ButtonSection("nodown", "0,10,20,20", "0,0,0,0") +
         ButtonSection("noboth", "0,0,0,0", "0,0,0,0") +
         ButtonSection("morph", "0,10,20,20", "0,20,20,30",
                       "morphing=1\r\nmorphkind=mkdefault\r\n") +
         ButtonSection("toolbutton", "0,10,20,20", "0,20,20,30") +
         ButtonSection("menu", "0,10,20,20", "0,20,20,30", "trackbuttonrect=14,0,20,10\r\n") +
         ButtonSection("nopicture", "0,10,20,20", "0,20,20,30", "", 5);
}

class FixtureSkin {
 public:
  FixtureSkin() {
    skin::PackageParts parts;
    parts.activePictures = {StatePicture()};
    parts.definitionText = FixtureDefinition();
    stored_.setCompressedData(skin::ZlibCompress(skin::WritePackageStream(parts)));
    data.setCompressedStoredSkin(&stored_);
  }
  skin::TbsSkinData data;

 private:
  skin::TbsCompressedStoredSkin stored_;
};

Color PixelOf(ui::Control& c, int x, int y) {
  const QImage img = c.widget()->grab().toImage();
  return Color::fromPixel(img.pixel(x, y));
}

class ButtonTest : public ::testing::Test {
 protected:
  ButtonTest() {
    form_ = new ui::Form();
    form_->setBounds(100, 100, 320, 240);
    frame_ = new skin::TbsFormFrame(form_);
  }
  ~ButtonTest() override { delete form_; }

  void showActive() {
    form_->show();
    form_->activate();
    WAIT_TRUE(form_->active(), 2000);
  }
  static void press(ui::Control& c, int x = 5, int y = 5) {
    c.perform(ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::PackPoint(x, y));
  }
  static void release(ui::Control& c, int x = 5, int y = 5) {
    c.perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(x, y));
  }
  static void move(ui::Control& c, int x, int y) {
    c.perform(ui::WM_MOUSEMOVE, ui::MK_LBUTTON, ui::PackPoint(x, y));
  }
  template <class B>
  B* make(const std::string& section = "") {
    auto* b = new B(form_);
    b->setParent(form_);
    b->setBounds(10, 10, 60, 24);
    b->setScheduler(&clock_);
    if (!section.empty()) {
      b->SetSkinDataName(section);
      b->SetSkinData(&skin_.data);
    }
    b->OnClick = [this](ui::Control&) { ++clicks_; };
    return b;
  }

  FixtureSkin skin_;
  ui::ManualScheduler clock_;
  ui::Form* form_;
  skin::TbsFormFrame* frame_;
  int clicks_ = 0;
};

// --- State pictures ---------------------------------------------------------

TEST_F(ButtonTest, EachStateShowsItsPictureAndEmptyRectsFallBack) {
  struct Row {
    const char* section;
    Color normal, hot, pressed;
  };
  const Row rows[] = {
      {"button", kNormal, kActive, kDown},
      // No hot picture: hot shows the normal one, pressed its own.
      {"noactive", kNormal, kNormal, kDown},
      // No pressed picture: pressed shows the hot one.
      {"nodown", kNormal, kActive, kActive},
      // Neither: everything shows the normal picture.
      {"noboth", kNormal, kNormal, kNormal},
  };
  for (const Row& r : rows) {
    for (bool speed : {false, true}) {
      SCOPED_TRACE(std::string(r.section) + (speed ? " speed" : " push"));
      ui::Control* c = nullptr;
      if (speed) {
        c = make<TbsSkinSpeedButton>(r.section);
      } else {
        auto* b = make<TbsSkinButton>(r.section);
        b->setCanFocused(false);
        c = b;
      }
      // A fixed section pins the size to its skinrect.
      EXPECT_EQ(c->width(), 20);
      EXPECT_EQ(c->height(), 10);
      EXPECT_EQ(PixelOf(*c, 0, 0), r.normal);
      c->perform(ui::CM_MOUSEENTER);
      EXPECT_EQ(PixelOf(*c, 0, 0), r.hot);
      press(*c);
      EXPECT_EQ(PixelOf(*c, 0, 0), r.pressed);
      // Dragged out while held: the normal picture.
      move(*c, 40, 40);
      EXPECT_EQ(PixelOf(*c, 0, 0), r.normal);
      release(*c, 40, 40);
      c->perform(ui::CM_MOUSELEAVE);
      c->setEnabled(false);
      EXPECT_EQ(PixelOf(*c, 0, 0), kDisabled);
      delete c;
    }
  }
  EXPECT_EQ(clicks_, 0);  // every release was outside
}

TEST_F(ButtonTest, APictureIndexPastThePicturesGivesTheDefaultLook) {
  auto* b = make<TbsSkinButton>("nopicture");
  b->setCanFocused(false);
  EXPECT_EQ(b->SectionIndex(), -1);
  EXPECT_EQ(b->width(), 60);
  EXPECT_EQ(PixelOf(*b, 0, 0), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  EXPECT_EQ(PixelOf(*b, 5, 5), gfx::SystemColor(gfx::SysColor::ButtonFace));
}

TEST_F(ButtonTest, TheDefaultLookFramesAndFillsEachState) {
  auto* b = make<TbsSkinButton>();
  b->setCanFocused(false);
  EXPECT_EQ(PixelOf(*b, 0, 0), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  EXPECT_EQ(PixelOf(*b, 2, 2), gfx::SystemColor(gfx::SysColor::ButtonFace));
  b->perform(ui::CM_MOUSEENTER);
  EXPECT_EQ(PixelOf(*b, 0, 0), skin::kHotFrameColor);
  EXPECT_EQ(PixelOf(*b, 2, 2), skin::kHotFillColor);
  press(*b);
  EXPECT_EQ(PixelOf(*b, 59, 23), skin::kHotFrameColor);
  EXPECT_EQ(PixelOf(*b, 2, 2), skin::kPressedFillColor);
  release(*b);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(ButtonTest, TheMenuButtonArrowIsFiveThreeAndOnePixelsWide) {
  auto* b = make<TbsSkinMenuButton>();
  b->setCanFocused(false);
  b->setBounds(10, 10, 60, 24);
  const QImage img = b->widget()->grab().toImage();
  const Color text = gfx::SystemColor(gfx::SysColor::ButtonText);
  // The strip is x 45..60: its centre (52, 12).
  auto row = [&](int y) {
    std::string s;
    for (int x = 48; x <= 56; ++x) s += Color::fromPixel(img.pixel(x, y)) == text ? '#' : '.';
    return s;
  };
  EXPECT_EQ(row(11), ".........");
  EXPECT_EQ(row(12), "..#####..");
  EXPECT_EQ(row(13), "...###...");
  EXPECT_EQ(row(14), "....#....");
  EXPECT_EQ(row(15), ".........");
}

TEST_F(ButtonTest, TheHotPictureFadesInOverFiveStepsOfTwentyMilliseconds) {
  auto* b = make<TbsSkinSpeedButton>("morph");
  b->perform(ui::CM_MOUSEENTER);
  EXPECT_TRUE(b->morphTimerRunning());
  for (int step = 1; step <= 5; ++step) {
    clock_.advance(skin::kMorphInterval);
    EXPECT_DOUBLE_EQ(b->MorphLevel(), step * 0.2) << step;
  }
  // At the level 0.4 the picture is the blend 0.6 normal + 0.4 hot.
  b->perform(ui::CM_MOUSELEAVE);
  clock_.advance(skin::kMorphInterval * 3);
  EXPECT_DOUBLE_EQ(b->MorphLevel(), 0.4);
  EXPECT_EQ(PixelOf(*b, 0, 0), Color::rgb(124, 86, 10));
  clock_.advance(skin::kMorphInterval * 2);
  EXPECT_DOUBLE_EQ(b->MorphLevel(), 0.0);
  EXPECT_TRUE(b->morphTimerRunning());  // the tick after the end stops it
  clock_.advance(skin::kMorphInterval);
  EXPECT_FALSE(b->morphTimerRunning());
  EXPECT_EQ(PixelOf(*b, 0, 0), kNormal);
}

// --- Press, repeat and groups -----------------------------------------------

template <class B>
void CheckRepeat(ButtonTest* t, B* b, ui::ManualScheduler& clock, const int& clicks) {
  (void)t;
  b->setRepeatMode(true);
  const long long start = clock.now();
  b->perform(ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::PackPoint(5, 5));
  EXPECT_TRUE(b->Down());
  std::vector<long long> at;
  int seen = clicks;
  for (int ms = 0; ms < 350; ++ms) {
    clock.advance(1);
    if (clicks != seen) {
      at.push_back(clock.now() - start);
      seen = clicks;
    }
  }
  EXPECT_EQ(at, (std::vector<long long>{100, 200, 300}));
  b->perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(5, 5));
  EXPECT_EQ(clicks, 4);  // one more on the release over the button
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(b->repeatTimerRunning());

  // Held, dragged out: the repeat stops; back in, it starts over; released
  // outside: no click.
  b->perform(ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::PackPoint(5, 5));
  clock.advance(150);
  EXPECT_EQ(clicks, 5);
  b->perform(ui::WM_MOUSEMOVE, ui::MK_LBUTTON, ui::PackPoint(-30, 5));
  clock.advance(500);
  EXPECT_EQ(clicks, 5);
  b->perform(ui::WM_MOUSEMOVE, ui::MK_LBUTTON, ui::PackPoint(5, 5));
  clock.advance(99);
  EXPECT_EQ(clicks, 5);
  clock.advance(1);
  EXPECT_EQ(clicks, 6);
  b->perform(ui::WM_MOUSEMOVE, ui::MK_LBUTTON, ui::PackPoint(200, 5));
  b->perform(ui::WM_LBUTTONUP, 0, ui::PackPoint(200, 5));
  EXPECT_EQ(clicks, 6);
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(b->MousePressed());
  EXPECT_FALSE(b->repeatTimerRunning());
}

TEST_F(ButtonTest, RepeatClicksEveryIntervalWhileHeldAndOnceMoreOnReleaseInside) {
  {
    SCOPED_TRACE("speed button");
    clicks_ = 0;
    CheckRepeat(this, make<TbsSkinSpeedButton>(), clock_, clicks_);
  }
  {
    SCOPED_TRACE("push button");
    clicks_ = 0;
    auto* b = make<TbsSkinButton>();
    b->setCanFocused(false);
    CheckRepeat(this, b, clock_, clicks_);
  }
}

TEST_F(ButtonTest, AGroupClicksOnPressKeepsOneButtonDownAndMayAllowAllUp) {
  std::vector<TbsSkinSpeedButton*> g;
  std::vector<int> clicks(3, 0);
  for (int i = 0; i < 3; ++i) {
    auto* b = make<TbsSkinSpeedButton>();
    b->setLeft(10 + 30 * i);
    b->setGroupIndex(1);
    b->OnClick = [&clicks, i](ui::Control&) { ++clicks[static_cast<std::size_t>(i)]; };
    g.push_back(b);
  }
  auto* other = make<TbsSkinSpeedButton>();  // another group
  other->setGroupIndex(2);
  other->setDown(true);

  press(*g[0]);
  EXPECT_EQ(clicks[0], 1);  // the click comes with the press
  release(*g[0]);
  EXPECT_EQ(clicks[0], 1);
  EXPECT_TRUE(g[0]->Down());
  // Pressed again: stays down, no click.
  press(*g[0]);
  release(*g[0]);
  EXPECT_TRUE(g[0]->Down());
  EXPECT_EQ(clicks[0], 1);
  // Another of the group takes over.
  press(*g[1]);
  release(*g[1]);
  EXPECT_TRUE(g[1]->Down());
  EXPECT_FALSE(g[0]->Down());
  EXPECT_FALSE(g[2]->Down());
  EXPECT_TRUE(other->Down());
  EXPECT_EQ(clicks[1], 1);

  // With AllowAllUp a second press lets the button up on the release.
  for (auto* b : g) b->setAllowAllUp(true);
  press(*g[1]);
  EXPECT_TRUE(g[1]->Down());
  release(*g[1], 200, 5);  // outside: stays down
  EXPECT_TRUE(g[1]->Down());
  EXPECT_EQ(clicks[1], 1);
  press(*g[1]);
  release(*g[1]);
  EXPECT_FALSE(g[1]->Down());
  EXPECT_EQ(clicks[1], 2);
  // And the others are left as they are when one goes down.
  g[0]->setDown(true);
  g[2]->setDown(true);
  EXPECT_TRUE(g[0]->Down());
}

TEST_F(ButtonTest, AGroupWhoseDownButtonIsDestroyedGoesOnWorking) {
  std::vector<TbsSkinButton*> g;
  for (int i = 0; i < 3; ++i) {
    auto* b = make<TbsSkinButton>();
    b->setLeft(10 + 70 * i);
    b->setGroupIndex(4);
    EXPECT_FALSE(b->CanFocused());
    g.push_back(b);
  }
  press(*g[2]);
  delete g[2];  // destroyed while held and down
  press(*g[0]);
  release(*g[0]);
  EXPECT_TRUE(g[0]->Down());
  g[1]->setDown(true);
  EXPECT_FALSE(g[0]->Down());
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
}

TEST_F(ButtonTest, ASkinSwitchWhileHeldLeavesNothingPressed) {
  auto* b = make<TbsSkinButton>("button");
  b->setCanFocused(false);
  b->perform(ui::CM_MOUSEENTER);
  press(*b);
  // The skin goes away and comes back while the button is held.
  b->BeforeChangeSkinData();
  skin_.data.ResetSkin();
  b->ChangeSkinData();
  EXPECT_EQ(b->SectionIndex(), -1);
  EXPECT_EQ(PixelOf(*b, 2, 2), skin::kPressedFillColor);
  release(*b);
  EXPECT_EQ(clicks_, 1);
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(b->MousePressed());
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
}

TEST_F(ButtonTest, ADisabledHeldButtonIsLetGo) {
  auto* b = make<TbsSkinSpeedButton>();
  b->setRepeatMode(true);
  press(*b);
  b->setEnabled(false);
  EXPECT_FALSE(b->Down());
  EXPECT_FALSE(b->MousePressed());
  EXPECT_FALSE(b->repeatTimerRunning());
  clock_.advance(1000);
  release(*b);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(ButtonTest, HostileSizesAndCaptionsPaintWithoutHarm) {
  auto* b = make<TbsSkinButton>();
  b->setCaption(std::string(10000, 'W') + "\n" + std::string(5000, 'x'));
  b->setGlyph(gfx::Bitmap(64, 16));
  b->setNumGlyphs(4);
  (void)b->widget()->grab();
  b->setBounds(0, 0, 0, 0);
  (void)b->widget()->grab();
  b->setBounds(0, 0, -5, -5);
  EXPECT_EQ(b->width(), 0);
  b->setMargin(-7);  // refused
  EXPECT_EQ(b->Margin(), -1);
  auto* s = make<TbsSkinSpeedButton>("toolbutton");
  s->SetSkinDataName("menu");  // a section of the menu-button kind serves as well
  s->setCaption(std::string(10000, 'y'));
  (void)s->widget()->grab();
}

// --- Keyboard, focus and dialog keys -----------------------------------------

TEST_F(ButtonTest, EnterClicksTheDefaultOrTheFocusedButtonAndEscapeTheCancelOne) {
  auto* edit = new ui::WinControl(form_);
  edit->setParent(form_);
  edit->setBounds(10, 100, 80, 20);
  edit->setTabStop(true);
  int okClicks = 0, cancelClicks = 0, otherClicks = 0;
  auto* ok = make<TbsSkinButton>();
  ok->setCaption("OK");
  ok->setDefault(true);
  ok->setModalResult(ui::mrOk);
  ok->OnClick = [&](ui::Control&) { ++okClicks; };
  auto* cancel = make<TbsSkinButton>();
  cancel->setLeft(80);
  cancel->setCancel(true);
  cancel->OnClick = [&](ui::Control&) { ++cancelClicks; };
  auto* other = make<TbsSkinButton>();
  other->setLeft(160);
  other->setCaption("&Open");
  other->OnClick = [&](ui::Control&) { ++otherClicks; };
  showActive();
  QWindow* window = form_->widget()->windowHandle();

  edit->setFocus();
  WAIT_TRUE(edit->focused(), 1000);
  EXPECT_TRUE(ok->DefaultActive());
  // The default button shows its highlight while no button has the focus.
  EXPECT_TRUE(ok->MouseOver());
  QTest::keyClick(window, Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(form_->modalResult(), ui::mrOk);
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_EQ(cancelClicks, 1);

  // A focused button takes Enter itself, once; the default one is not clicked.
  other->setFocus();
  WAIT_TRUE(other->focused(), 1000);
  EXPECT_TRUE(other->DefaultActive());
  EXPECT_FALSE(ok->DefaultActive());
  EXPECT_FALSE(ok->MouseOver());
  QTest::keyClick(window, Qt::Key_Return);
  EXPECT_EQ(otherClicks, 1);
  EXPECT_EQ(okClicks, 1);
  // Space: down on the press, the click on the release.
  QTest::keyPress(window, Qt::Key_Space);
  EXPECT_TRUE(other->Down());
  EXPECT_EQ(otherClicks, 1);
  QTest::keyRelease(window, Qt::Key_Space);
  EXPECT_FALSE(other->Down());
  EXPECT_EQ(otherClicks, 2);

  // The accelerator letter focuses and clicks from anywhere in the window.
  edit->setFocus();
  WAIT_TRUE(edit->focused(), 1000);
  QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(otherClicks, 3);
  EXPECT_TRUE(other->focused());
}

TEST_F(ButtonTest, AcceleratorLettersComeFromTheAmpersand) {
  EXPECT_EQ(TbsSkinButton::AcceleratorOf("&Open"), 'O');
  EXPECT_EQ(TbsSkinButton::AcceleratorOf("Sa&ve"), 'V');
  EXPECT_EQ(TbsSkinButton::AcceleratorOf("A && B"), 0);
  EXPECT_EQ(TbsSkinButton::AcceleratorOf("Fish && &Chips"), 'C');
  EXPECT_EQ(TbsSkinButton::AcceleratorOf("trailing&"), 0);
  EXPECT_EQ(TbsSkinButton::AcceleratorOf("进入&教室"), 0);
}

TEST_F(ButtonTest, LosingTheFocusLetsAHeldButtonUpWithoutAClick) {
  auto* a = make<TbsSkinButton>();
  auto* b = make<TbsSkinButton>();
  b->setLeft(100);
  showActive();
  a->setFocus();
  WAIT_TRUE(a->focused(), 1000);
  QWindow* window = form_->widget()->windowHandle();
  QTest::keyPress(window, Qt::Key_Space);
  EXPECT_TRUE(a->Down());
  b->setFocus();
  WAIT_TRUE(b->focused(), 1000);
  EXPECT_FALSE(a->Down());
  QTest::keyRelease(window, Qt::Key_Space);
  EXPECT_EQ(clicks_, 0);
}

// --- Menu button ------------------------------------------------------------

class MenuButtonTest : public ButtonTest {
 protected:
  MenuButtonTest() {
    frame_->SkinMenu().setScheduler(&clock_);
    menu_ = new skin::TbsSkinPopupMenu(form_);
    menu_->setOwnerWindow(form_);
    for (const char* caption : {"One", "Two"}) {
      auto* item = new ui::MenuItem;
      item->setCaption(caption);
      menu_->items().add(item);
    }
    button_ = make<TbsSkinMenuButton>();
    button_->setSkinPopupMenu(menu_);
    button_->OnShowTrackMenu = [this](ui::Control&) { events_.push_back("show"); };
    button_->OnHideTrackMenu = [this](ui::Control&) { events_.push_back("hide"); };
  }
  bool menuOpen() { return frame_->SkinMenu().Visible(); }

  skin::TbsSkinPopupMenu* menu_;
  TbsSkinMenuButton* button_;
  std::vector<std::string> events_;
};

TEST_F(MenuButtonTest, TheWholeButtonOpensTheMenuAndStaysHeldUntilItCloses) {
  showActive();
  press(*button_);
  EXPECT_TRUE(menuOpen());
  EXPECT_TRUE(button_->MenuShown());
  EXPECT_TRUE(button_->Down());
  release(*button_);  // the release belongs to the menu
  EXPECT_TRUE(button_->Down());
  EXPECT_EQ(clicks_, 0);
  frame_->SkinMenu().CloseAllMenus();
  EXPECT_FALSE(button_->MenuShown());
  EXPECT_FALSE(button_->Down());
  EXPECT_EQ(events_, (std::vector<std::string>{"show", "hide"}));
}

TEST_F(MenuButtonTest, InTrackModeOnlyTheDropDownPartOpensTheMenu) {
  button_->setTrackButtonMode(true);
  showActive();
  // Without a section the part is the 15-pixel strip at the right edge.
  EXPECT_FALSE(button_->trackHit(44, 5));
  EXPECT_TRUE(button_->trackHit(45, 5));
  EXPECT_TRUE(button_->trackHit(60, 24));
  press(*button_, 10, 5);
  release(*button_, 10, 5);
  EXPECT_FALSE(menuOpen());
  EXPECT_EQ(clicks_, 1);
  press(*button_, 50, 5);
  EXPECT_TRUE(menuOpen());
  frame_->SkinMenu().CloseAllMenus();
  EXPECT_FALSE(button_->Down());

  // Skinned: the section's track rect, placed for the size (a fixed
  // section keeps it where it is).
  button_->SetSkinDataName("menu");
  button_->SetSkinData(&skin_.data);
  EXPECT_EQ(button_->trackArea(), (gfx::Rect{14, 0, 20, 10}));
  EXPECT_FALSE(button_->trackHit(13, 5));
  EXPECT_TRUE(button_->trackHit(14, 5));
}

TEST_F(MenuButtonTest, ASkinSwitchOrADestroyedMenuWhileOpenLeavesNothingHeld) {
  button_->SetSkinDataName("menu");
  button_->SetSkinData(&skin_.data);
  showActive();
  press(*button_);
  ASSERT_TRUE(button_->MenuShown());
  button_->BeforeChangeSkinData();
  skin_.data.ResetSkin();
  button_->ChangeSkinData();
  (void)button_->widget()->grab();
  EXPECT_TRUE(button_->Down());
  frame_->SkinMenu().CloseAllMenus();
  EXPECT_FALSE(button_->Down());
  EXPECT_FALSE(button_->MousePressed());

  press(*button_);
  ASSERT_TRUE(button_->MenuShown());
  delete menu_;
  EXPECT_EQ(button_->SkinPopupMenu(), nullptr);
  EXPECT_FALSE(button_->MenuShown());
  EXPECT_FALSE(button_->Down());
  // Without a menu it is an ordinary button.
  press(*button_);
  release(*button_);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(MenuButtonTest, AMenuThatCannotBeShownLeavesTheButtonUp) {
  // A menu with nothing visible in it opens nothing and sends no closing
  // notice: the button must not stay held.
  for (ui::MenuItem* item : menu_->items().items()) item->setVisible(false);
  showActive();
  press(*button_);
  EXPECT_FALSE(menuOpen());
  EXPECT_FALSE(button_->MenuShown());
  EXPECT_FALSE(button_->Down());
  EXPECT_FALSE(button_->MousePressed());
}

TEST_F(MenuButtonTest, AButtonDestroyedWhileItsMenuIsOpenIsForgotten) {
  showActive();
  press(*button_);
  ASSERT_TRUE(menuOpen());
  delete button_;
  frame_->SkinMenu().CloseAllMenus();
  EXPECT_FALSE(menuOpen());
}

}  // namespace
