// The panels and containers on shown forms: layout of children in the
// client area, the skinned and default looks checked against the picture
// and the drawing arithmetic, rolling, the caption buttons and the splitter
// driven with real input, and hostile input.
#include <gtest/gtest.h>
#include <QTest>
#include <QWindow>

#include <memory>
#include <string>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_ex_panel.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_splitter.h"
#include "support/qt_wait.h"
#include "ui/form.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"
#include "ui/message.h"

using gfx::Rect;
using skin::TbsExPanelRollKind;
using skin::TbsSkinBorderStyle;

namespace {

gfx::Color Sys(gfx::SysColor c) { return gfx::SystemColor(c); }

// The built-in skin the other expectations are written against: its
// "panel", "groupbox", "expanel", "vsplitter" and "hsplitter" sections.
int RedSkinIndex() {
  const auto skins = app::BuiltinSkins();
  for (std::size_t i = 0; i < skins.size(); ++i)
    if (std::string(skins[i].name) == "red") return static_cast<int>(i);
  return 0;
}

// One paint of a control through its window procedure, into a bitmap of its size.
gfx::Bitmap PaintOf(ui::Control& c) {
  gfx::Bitmap b(c.width(), c.height());
  gfx::Canvas canvas(b);
  ui::Message erase{ui::WM_ERASEBKGND, ui::ToParam(&canvas), 0, 0};
  c.windowProc(erase);
  ui::Message paint{ui::WM_PAINT, ui::ToParam(&canvas), 0, 0};
  c.windowProc(paint);
  return b;
}

template <class T>
T* Section(skin::TbsSkinData& data, const std::string& name) {
  const int i = data.FindControlData(name);
  if (i < 0) return nullptr;
  return dynamic_cast<T*>(data.ControlDataList()[static_cast<std::size_t>(i)].get());
}

struct PanelForm {
  app::LoadedBuiltinSkin skin{RedSkinIndex()};
  ui::Form form;
  PanelForm() {
    form.setBorderStyle(ui::BorderStyle::bsNone);
    form.setBounds(100, 100, 600, 500);
  }
  QWindow* win() { return form.widget()->window()->windowHandle(); }
  bool show() {
    form.show();
    return QTest::qWaitForWindowExposed(win());
  }
  const gfx::Bitmap& picture(int index) { return *skin.data.ActivePicture(index); }
  template <class T>
  T* add(int x, int y, int w, int h, bool skinned = true) {
    auto* c = new T(&form);
    c->setParent(&form);
    c->setBounds(x, y, w, h);
    if (skinned) c->SetSkinData(&skin.data);
    return c;
  }
  ui::WinControl* child(ui::WinControl* parent, ui::Align align) {
    auto* c = new ui::WinControl(&form);
    c->setParent(parent);
    c->setBounds(0, 0, 20, 20);
    c->setAlign(align);
    return c;
  }
};

}  // namespace

TEST(SkinPanel, GroupBoxLaysChildrenBelowTheSkinCaptionAndMapsItsCaption) {
  PanelForm f;
  auto* gb = f.add<skin::TbsSkinGroupBox>(10, 10, 200, 120);
  ui::WinControl* c = f.child(gb, ui::Align::alClient);
  // groupbox: skinrect 80x60, clientrect (6,22,74,56), captionrect
  // (6,1,74,19) from the left-top to the right-top corner area: the
  // client grows by (120, 60), the caption's right edge by 120.
  EXPECT_EQ(c->boundsRect(), (Rect{6, 22, 194, 116}));
  EXPECT_EQ(gb->PlacedCaptionRect(), (Rect{6, 1, 194, 19}));
  gb->setCaption("");
  const gfx::Bitmap plain = PaintOf(*gb);
  gb->setCaption("分组 Group");
  const gfx::Bitmap captioned = PaintOf(*gb);
  bool inside = false;
  bool outside = false;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) == captioned.pixel(x, y)) continue;
      (gfx::PtInRect({6, 1, 194, 19}, {x, y}) ? inside : outside) = true;
    }
  EXPECT_TRUE(inside) << "the caption is drawn";
  EXPECT_FALSE(outside) << "the caption stays inside its placed rect";
}

TEST(SkinPanel, BorderNoneTilesTheClientTextureAndGivesChildrenTheWholePanel) {
  PanelForm f;
  auto* p = f.add<skin::TbsSkinPanel>(10, 10, 100, 100);
  p->setBorderStyle(TbsSkinBorderStyle::bvNone);
  ui::WinControl* c = f.child(p, ui::Align::alClient);
  p->realign();
  EXPECT_EQ(c->boundsRect(), (Rect{0, 0, 100, 100}));
  // panel: skinrect (2,50,50,98), clientrect (2,2,46,46): the texture is
  // the picture's (4,52)-(48,96), 44 pixels square, repeated from (0, 0).
  const gfx::Bitmap b = PaintOf(*p);
  const gfx::Bitmap& pic = f.picture(0);
  for (const gfx::Point pt : {gfx::Point{0, 0}, {43, 43}, {44, 0}, {50, 70}, {99, 99}})
    EXPECT_EQ(b.pixel(pt.x, pt.y), pic.pixel(4 + pt.x % 44, 52 + pt.y % 44)) << pt.x << "," << pt.y;
  // With a frame border the nine-part image keeps the skin's corner.
  p->setBorderStyle(TbsSkinBorderStyle::bvFrame);
  const gfx::Bitmap framed = PaintOf(*p);
  EXPECT_EQ(framed.pixel(0, 0), pic.pixel(2, 50));
  EXPECT_EQ(framed.pixel(99, 99), pic.pixel(49, 97));
}

TEST(SkinPanel, EmptySkinCaptionRectShowsNoCaptionEvenInCaptionMode) {
  PanelForm f;
  auto* p = f.add<skin::TbsSkinPanel>(10, 10, 160, 80);
  p->setCaptionMode(true);
  p->setCaption("");
  const gfx::Bitmap without = PaintOf(*p);
  p->setCaption("Caption");
  EXPECT_TRUE(PaintOf(*p) == without);
}

TEST(SkinPanel, DefaultLookFrameCheckBoxAndRollArrowFromTheArithmetic) {
  PanelForm f;
  auto* p = f.add<skin::TbsSkinPanel>(10, 10, 120, 60, false);
  p->setCaptionMode(true);
  p->setCheckedMode(true);
  p->setRollUpMode(true);
  p->setChecked(true);
  const gfx::Bitmap b = PaintOf(*p);
  const gfx::Color shadow = Sys(gfx::SysColor::ButtonShadow);
  const gfx::Color face = Sys(gfx::SysColor::ButtonFace);
  const gfx::Color text = Sys(gfx::SysColor::ButtonText);
  EXPECT_EQ(b.pixel(0, 59), shadow);
  EXPECT_EQ(b.pixel(60, 40), face);
  // Caption bar (0,0,120,22), inner (2,2,118,20), cy = 11: the box
  // (5,4,19,18) framed in shadow.
  EXPECT_EQ(b.pixel(5, 4), shadow);
  EXPECT_EQ(b.pixel(18, 17), shadow);
  EXPECT_EQ(b.pixel(6, 5), face);
  // The mark: (9, 12) -> (11, 14) -> (16, 9) and two copies a row higher.
  EXPECT_EQ(b.pixel(9, 12), text);
  EXPECT_EQ(b.pixel(11, 14), text);
  EXPECT_EQ(b.pixel(9, 9), face);
  // The text area ends 10 pixels early at 108; the arrow in (108,2,118,20),
  // centre (113, 11), up: rows 9..12 of widths 1, 3, 5, 7.
  EXPECT_EQ(b.pixel(113, 9), text);
  EXPECT_EQ(b.pixel(112, 9), face);
  EXPECT_EQ(b.pixel(110, 12), text);
  EXPECT_EQ(b.pixel(116, 12), text);
  EXPECT_EQ(b.pixel(109, 12), face);
  p->setRollUpState(true);
  const gfx::Bitmap rolled = PaintOf(*p);
  // Down: rows 10..13 of widths 7, 5, 3, 1.
  EXPECT_EQ(rolled.pixel(110, 10), text);
  EXPECT_EQ(rolled.pixel(113, 13), text);
  EXPECT_EQ(rolled.pixel(112, 13), face);
}

TEST(SkinPanel, RollUpHidesChildrenAndRestoresTheHeight) {
  struct Row {
    bool skinned;
    int rolled;
  } rows[] = {{false, 23}, {true, 4}};  // DefaultCaptionHeight + 1; height - client height
  for (const Row& r : rows) {
    PanelForm f;
    auto* p = f.add<skin::TbsSkinPanel>(10, 10, 150, 150, r.skinned);
    p->setCaptionMode(true);
    ui::WinControl* a = f.child(p, ui::Align::alTop);
    ui::WinControl* hidden = f.child(p, ui::Align::alNone);
    hidden->hide();
    int fired = 0;
    p->OnChangeRollUpState = [&](ui::Control&) { ++fired; };
    p->setRollUpState(true);
    EXPECT_FALSE(p->RollUpState()) << "without RollUpMode nothing rolls";
    p->setRollUpMode(true);
    p->setRollUpState(true);
    EXPECT_EQ(p->height(), r.rolled) << r.skinned;
    EXPECT_EQ(p->RealHeight(), 150);
    EXPECT_FALSE(a->visible());
    p->setRollUpState(false);
    EXPECT_EQ(p->height(), 150);
    EXPECT_EQ(p->RealHeight(), -1);
    EXPECT_TRUE(a->visible());
    EXPECT_FALSE(hidden->visible()) << "a child hidden by the application stays hidden";
    EXPECT_EQ(fired, 2);
  }
}

TEST(SkinPanel, RolledPanelTakesTheRolledHeightOfANewSkin) {
  PanelForm f;
  auto* p = f.add<skin::TbsSkinPanel>(10, 10, 150, 150);
  p->setCaptionMode(true);
  p->setRollUpMode(true);
  p->setRollUpState(true);
  EXPECT_EQ(p->height(), 4);
  p->SetSkinDataName("no such section");
  p->BeforeChangeSkinData();
  p->ChangeSkinData();
  EXPECT_EQ(p->height(), 23);
  EXPECT_EQ(p->RealHeight(), 150);
  p->setRollUpState(false);
  EXPECT_EQ(p->height(), 150);
}

TEST(SkinPanel, ClickInTheCaptionTogglesCheckedAndEnablesChildren) {
  PanelForm f;
  auto* p = f.add<skin::TbsSkinPanel>(10, 10, 200, 100, false);
  p->setCaptionMode(true);
  p->setCheckedMode(true);
  ui::WinControl* a = f.child(p, ui::Align::alClient);
  int checks = 0;
  p->OnChecked = [&](ui::Control&) { ++checks; };
  ASSERT_TRUE(f.show());
  QTest::mouseClick(f.win(), Qt::LeftButton, {}, QPoint(10 + 50, 10 + 10));
  EXPECT_TRUE(p->Checked());
  EXPECT_TRUE(a->enabled());
  QTest::mouseClick(f.win(), Qt::LeftButton, {}, QPoint(10 + 50, 10 + 10));
  EXPECT_FALSE(p->Checked());
  EXPECT_FALSE(a->enabled());
  // Below the caption bar: nothing.
  QTest::mouseClick(f.win(), Qt::LeftButton, {}, QPoint(10 + 50, 10 + 30));
  EXPECT_FALSE(p->Checked());
  EXPECT_EQ(checks, 2);
}

TEST(SkinExPanel, RolledPanelOfEachKindKeepsItsRolledSizeOnResize) {
  struct Row {
    TbsExPanelRollKind kind;
    bool skinned;
    int rolled;
  } rows[] = {
      {TbsExPanelRollKind::rkRollHorizontal, false, 32},
      {TbsExPanelRollKind::rkRollVertical, false, 32},
      {TbsExPanelRollKind::rkRollHorizontal, true, 21},  // width of rollhskinrect
      {TbsExPanelRollKind::rkRollVertical, true, 21},    // height of rollvskinrect
  };
  for (const Row& r : rows) {
    PanelForm f;
    auto* p = f.add<skin::TbsSkinExPanel>(10, 10, 193, 300, r.skinned);
    p->setDefaultCaptionHeight(32);
    p->setRollKind(r.kind);
    ui::WinControl* c = f.child(p, ui::Align::alClient);
    int fired = 0;
    p->OnChangeRollState = [&](ui::Control&) { ++fired; };
    p->setRollState(true);
    const bool sideways = r.kind == TbsExPanelRollKind::rkRollHorizontal;
    const std::string what =
        std::string(sideways ? "sideways" : "up") + (r.skinned ? " skinned" : "");
    EXPECT_EQ(sideways ? p->width() : p->height(), r.rolled) << what;
    EXPECT_EQ(sideways ? p->height() : p->width(), sideways ? 300 : 193) << what;
    EXPECT_EQ(sideways ? p->RealWidth() : p->RealHeight(), sideways ? 193 : 300) << what;
    EXPECT_FALSE(c->visible());
    p->setBounds(0, 0, 400, 450);
    EXPECT_EQ(sideways ? p->width() : p->height(), r.rolled) << what;
    EXPECT_EQ(sideways ? p->height() : p->width(), sideways ? 450 : 400) << what;
    // Painting the rolled panel at its new size works in both looks.
    EXPECT_FALSE(PaintOf(*p).empty());
    p->setRollState(false);
    EXPECT_EQ(sideways ? p->width() : p->height(), sideways ? 193 : 300) << what;
    EXPECT_EQ(p->RealWidth(), 0);
    EXPECT_EQ(p->RealHeight(), 0);
    EXPECT_TRUE(c->visible());
    EXPECT_EQ(fired, 2);
  }
}

TEST(SkinExPanel, StripCaptionReadsUpwardsInTheTextArea) {
  PanelForm f;
  auto* p = f.add<skin::TbsSkinExPanel>(10, 10, 150, 300, false);
  p->setRollKind(TbsExPanelRollKind::rkRollHorizontal);
  p->setShowCloseButton(false);
  p->setCaption("");
  p->setRollState(true);
  const gfx::Bitmap blank = PaintOf(*p);
  p->setCaption("功能区 Functions");
  const gfx::Bitmap text = PaintOf(*p);
  // Strip 21 wide, roll button (3,3,18,18), text area (2,20,19,298).
  int minY = 1000, maxY = -1;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 21; ++x)
      if (!(blank.pixel(x, y) == text.pixel(x, y))) {
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
        EXPECT_TRUE(gfx::PtInRect({2, 20, 19, 298}, {x, y})) << x << "," << y;
      }
  ASSERT_GE(maxY, 0) << "the caption is drawn";
  // Turned text is taller than wide and starts at the bottom of the area.
  EXPECT_GT(maxY - minY, 40);
  EXPECT_GT(maxY, 250);
}

TEST(SkinExPanel, CaptionButtonsFollowThePointer) {
  PanelForm f;
  auto* p = f.add<skin::TbsSkinExPanel>(10, 10, 150, 100, false);
  int closes = 0;
  p->OnClose = [&](ui::Control&) { ++closes; };
  ASSERT_TRUE(f.show());
  // bs = 15: close (133,3,148,18), roll (118,3,133,18).
  const QPoint origin(10, 10);
  QTest::mouseMove(f.win(), origin + QPoint(140, 10));
  QTest::mousePress(f.win(), Qt::LeftButton, {}, origin + QPoint(140, 10));
  EXPECT_EQ(p->CaptureButton(), skin::TbsSkinExPanel::kCloseButton);
  EXPECT_TRUE(p->Button(0).down && p->Button(0).mouseIn);
  // Off the button: no longer shown pressed; over the roll button: that
  // one is not marked while the close button is captured.
  QTest::mouseMove(f.win(), origin + QPoint(125, 10));
  EXPECT_FALSE(p->Button(0).mouseIn);
  EXPECT_FALSE(p->Button(1).mouseIn);
  QTest::mouseMove(f.win(), origin + QPoint(141, 11));
  EXPECT_TRUE(p->Button(0).down && p->Button(0).mouseIn) << "pressed again when back over it";
  QTest::mouseMove(f.win(), origin + QPoint(60, 60));
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, origin + QPoint(60, 60));
  EXPECT_TRUE(p->visible()) << "released outside: nothing happens";
  EXPECT_EQ(closes, 0);
  EXPECT_FALSE(p->Button(0).down);
  EXPECT_FALSE(p->hasCapture());
  // The roll button rolls, the close button hides.
  QTest::mouseClick(f.win(), Qt::LeftButton, {}, origin + QPoint(125, 10));
  EXPECT_TRUE(p->RollState());
  EXPECT_EQ(p->height(), 21);
  QTest::mouseClick(f.win(), Qt::LeftButton, {}, origin + QPoint(125, 10));
  EXPECT_FALSE(p->RollState());
  QTest::mouseClick(f.win(), Qt::LeftButton, {}, origin + QPoint(140, 10));
  EXPECT_FALSE(p->visible());
  EXPECT_EQ(closes, 1);
}

TEST(SkinExPanel, DefaultButtonLooksFromTheArithmetic) {
  PanelForm f;
  auto* p = f.add<skin::TbsSkinExPanel>(10, 10, 150, 100, false);
  ASSERT_TRUE(f.show());
  QTest::mouseMove(f.win(), QPoint(10 + 125, 10 + 10));
  WAIT_TRUE(p->Button(1).mouseIn, 2000);
  gfx::Bitmap b = PaintOf(*p);
  // Roll button (118,3,133,18) hot: navy frame, fill (182,189,210); the
  // up arrow centred on (125, 10): rows 8..11.
  EXPECT_EQ(b.pixel(118, 3), gfx::kNavy);
  EXPECT_EQ(b.pixel(120, 5), gfx::Color::rgb(182, 189, 210));
  EXPECT_EQ(b.pixel(125, 8), gfx::kBlack);
  EXPECT_EQ(b.pixel(122, 11), gfx::kBlack);
  QTest::mousePress(f.win(), Qt::LeftButton, {}, QPoint(10 + 125, 10 + 10));
  b = PaintOf(*p);
  EXPECT_EQ(b.pixel(120, 5), gfx::Color::rgb(133, 147, 181));
  EXPECT_EQ(b.pixel(127, 10), gfx::kBlack) << "the mark moves by (2, 2)";
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(10 + 125, 10 + 10));
  EXPECT_TRUE(p->RollState());
}

TEST(SkinExPanel, SkinWithoutRolledPictureAndKindChangeWhileRolled) {
  PanelForm f;
  auto* s = Section<skin::TbsDataSkinExPanelControl>(f.skin.data, "expanel");
  ASSERT_NE(s, nullptr);
  s->rollVSkinRect = {};
  auto* p = f.add<skin::TbsSkinExPanel>(10, 10, 150, 200);
  p->setDefaultCaptionHeight(25);
  p->setRollState(true);
  EXPECT_EQ(p->height(), 25) << "an empty rolled picture rolls to the default caption height";
  EXPECT_FALSE(PaintOf(*p).empty());
  // Turning a panel rolled up and down into one rolled sideways keeps the
  // saved height for its own direction.
  p->setRollKind(TbsExPanelRollKind::rkRollHorizontal);
  EXPECT_EQ(p->height(), 200);
  EXPECT_EQ(p->width(), 21);
  EXPECT_EQ(p->RealHeight(), 0);
  p->setRollState(false);
  EXPECT_EQ(p->width(), 150);
  EXPECT_EQ(p->height(), 200);
}

TEST(SkinSplitter, ThicknessFromTheSkinOrDefaultSize) {
  PanelForm f;
  auto* s = new skin::TbsSkinSplitter(&f.form);
  s->setParent(&f.form);
  s->ChangeSkinData();
  EXPECT_EQ(s->width(), 10) << "no skin data: DefaultSize";
  s->setAlign(ui::Align::alTop);
  s->SetSkinDataName("hsplitter");
  s->SetSkinData(&f.skin.data);
  EXPECT_EQ(s->height(), 6);
  s->setAlign(ui::Align::alLeft);
  s->SetSkinDataName("vsplitter");
  s->ChangeSkinData();
  EXPECT_EQ(s->width(), 6);
  // vsplitter: skinrect (2,654,8,694), 40 high, ends of 4 rows each, the
  // middle rows 658..689 repeated.
  const gfx::Bitmap b = PaintOf(*s);
  const gfx::Bitmap& pic = f.picture(0);
  const int h = s->height();
  ASSERT_GT(h, 80);
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(b.pixel(x, 0), pic.pixel(2 + x, 654));
    EXPECT_EQ(b.pixel(x, 4), pic.pixel(2 + x, 658));
    EXPECT_EQ(b.pixel(x, 36), pic.pixel(2 + x, 658));
    EXPECT_EQ(b.pixel(x, 37), pic.pixel(2 + x, 659));
    EXPECT_EQ(b.pixel(x, h - 1), pic.pixel(2 + x, 693));
    EXPECT_EQ(b.pixel(x, h - 4), pic.pixel(2 + x, 690));
  }
  // A section of another kind draws the plain look.
  s->SetSkinDataName("button");
  s->setColor(gfx::Color::rgb(1, 2, 3));
  EXPECT_EQ(PaintOf(*s).pixel(2, 2), gfx::Color::rgb(1, 2, 3));
}

TEST(SkinSplitter, DragStopsAtBothNeighboursMinimumsAndEscapeCancels) {
  PanelForm f;
  f.form.setBounds(100, 100, 400, 300);
  auto* left = f.add<skin::TbsSkinPanel>(0, 0, 100, 300, false);
  left->setAlign(ui::Align::alLeft);
  auto* s = new skin::TbsSkinSplitter(&f.form);
  s->setParent(&f.form);
  s->setBounds(100, 0, 3, 300);
  auto* rest = f.add<skin::TbsSkinPanel>(0, 0, 10, 10, false);
  rest->setAlign(ui::Align::alClient);
  int moved = 0;
  s->OnMoved = [&](ui::Control&) { ++moved; };
  ASSERT_TRUE(f.show());
  ASSERT_EQ(s->left(), 100);
  auto drag = [&](int toX) {
    QTest::mousePress(f.win(), Qt::LeftButton, {}, QPoint(101, 50));
    QTest::mouseMove(f.win(), QPoint((101 + toX) / 2, 50));
    QTest::mouseMove(f.win(), QPoint(toX, 50));
    QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(toX, 50));
  };
  drag(-200);
  EXPECT_EQ(left->width(), 30);
  EXPECT_EQ(s->left(), 30);
  // Max: 400 - 30 - (30 + 3) + 30 = 367, leaving the client panel its 30.
  QTest::mousePress(f.win(), Qt::LeftButton, {}, QPoint(31, 50));
  QTest::mouseMove(f.win(), QPoint(200, 50));
  QTest::mouseMove(f.win(), QPoint(390, 50));
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(390, 50));
  EXPECT_EQ(left->width(), 367);
  EXPECT_EQ(rest->width(), 30);
  EXPECT_EQ(moved, 2);
  // Escape during a drag: nothing changes.
  QTest::mousePress(f.win(), Qt::LeftButton, {}, QPoint(368, 50));
  QTest::mouseMove(f.win(), QPoint(200, 50));
  EXPECT_TRUE(s->Dragging());
  QTest::keyClick(f.win(), Qt::Key_Escape);
  EXPECT_FALSE(s->Dragging());
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(200, 50));
  EXPECT_EQ(left->width(), 367);
  EXPECT_FALSE(s->hasCapture());
  // A parent too narrow for both minimums: the drag changes nothing.
  f.form.setBounds(100, 100, 50, 300);
  const int before = left->width();
  QTest::mousePress(f.win(), Qt::LeftButton, {}, QPoint(s->left() + 1, 50));
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(0, 50));
  EXPECT_EQ(left->width(), before);
  EXPECT_GE(left->width(), 0);
}

TEST(SkinPanels, HostileInputPaintsWithoutHarm) {
  PanelForm f;
  const std::string longText(10000, 'W');
  auto* p = f.add<skin::TbsSkinPanel>(0, 0, 150, 150);
  auto* e = f.add<skin::TbsSkinExPanel>(0, 0, 150, 100);
  for (skin::TbsSkinCustomControl* c :
       {static_cast<skin::TbsSkinCustomControl*>(p), static_cast<skin::TbsSkinCustomControl*>(e)}) {
    c->setCaption(longText);
    for (const char* name : {"panel", "expanel", "button", "label", "none"}) {
      c->SetSkinDataName(name);
      c->ChangeSkinData();
      for (const gfx::Size sz : {gfx::Size{0, 0}, gfx::Size{-5, -5}, gfx::Size{1, 1},
                                 gfx::Size{3, 200}, gfx::Size{400, 2}}) {
        c->setBounds(0, 0, sz.width, sz.height);
        if (c->width() > 0 && c->height() > 0) {
          EXPECT_FALSE(PaintOf(*c).empty()) << name;
        }
        EXPECT_GE(c->width(), 0);
      }
    }
  }
  p->SetSkinDataName("panel");
  p->setCaptionMode(true);
  p->setCheckedMode(true);
  p->setRollUpMode(true);
  p->setBounds(0, 0, 150, 150);
  // Pictures missing, corner points outside skinrect: the default look or
  // a clipped composition, never a crash.
  auto* s = Section<skin::TbsDataSkinPanelControl>(f.skin.data, "panel");
  s->rightBottomPoint = {500, 500};
  s->clientRect = {-20, -20, 900, 900};
  s->captionRect = {-50, -50, 5000, 30};
  s->checkImageRect = {-10, -10, 4000, 4000};
  p->ChangeSkinData();
  EXPECT_FALSE(PaintOf(*p).empty());
  s->pictureIndex = 99;
  p->ChangeSkinData();
  EXPECT_EQ(p->SectionIndex(), -1) << "a missing picture gives the default look";
  EXPECT_EQ(PaintOf(*p).pixel(0, 149), Sys(gfx::SysColor::ButtonShadow));
  s->pictureIndex = -1;
  s->bgPictureIndex = 1000;
  p->ChangeSkinData();
  EXPECT_FALSE(PaintOf(*p).empty());
}

TEST(SkinExPanel, SkinSwitchWhilePressedLeavesNothingCaptured) {
  PanelForm f;
  auto* p = f.add<skin::TbsSkinExPanel>(10, 10, 150, 100);
  ASSERT_TRUE(f.show());
  p->layoutButtons();
  const Rect roll = p->Button(1).rect;
  ASSERT_FALSE(gfx::IsNullRect(roll));
  const QPoint at(10 + roll.left + 2, 10 + roll.top + 2);
  QTest::mousePress(f.win(), Qt::LeftButton, {}, at);
  EXPECT_EQ(p->CaptureButton(), 1);
  p->BeforeChangeSkinData();
  p->SetSkinData(nullptr);
  p->ChangeSkinData();
  QTest::mouseRelease(f.win(), Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_EQ(p->CaptureButton(), -1);
  EXPECT_FALSE(p->Button(1).down);
  EXPECT_EQ(ui::Control::captureControl(), nullptr);
}

// The teacher console's arrangement: a side ex-panel rolling sideways, a
// 1-pixel splitter without skin data, a framed panel holding the main pane
// and a bottom ex-panel rolling up and down above a 1-pixel splitter.
struct ConsoleLayout {
  PanelForm f;
  skin::TbsSkinExPanel* side;
  skin::TbsSkinSplitter* split1;
  skin::TbsSkinPanel* panel1;
  skin::TbsSkinSplitter* split2;
  skin::TbsSkinExPanel* bottom;
  ui::WinControl* main;
  explicit ConsoleLayout(bool skinned) {
    f.form.setBounds(0, 0, 911, 787);
    side = f.add<skin::TbsSkinExPanel>(0, 0, 193, 787, false);
    side->setAlign(ui::Align::alLeft);
    side->setRollKind(TbsExPanelRollKind::rkRollHorizontal);
    side->setShowCloseButton(false);
    side->setDefaultCaptionHeight(32);
    side->setCaption("功能区");
    split1 = new skin::TbsSkinSplitter(&f.form);
    split1->setParent(&f.form);
    split1->setBounds(193, 0, 1, 787);
    panel1 = f.add<skin::TbsSkinPanel>(194, 0, 717, 787, false);
    panel1->setAlign(ui::Align::alClient);
    bottom = f.add<skin::TbsSkinExPanel>(0, 400, 717, 309, false);
    bottom->setParent(panel1);
    bottom->setAlign(ui::Align::alBottom);
    bottom->setShowCloseButton(false);
    split2 = new skin::TbsSkinSplitter(&f.form);
    split2->setParent(panel1);
    split2->setAlign(ui::Align::alBottom);
    split2->setBounds(0, 300, 717, 1);
    main = f.child(panel1, ui::Align::alClient);
    if (skinned) {
      for (skin::TbsSkinCustomControl* c : {static_cast<skin::TbsSkinCustomControl*>(side),
                                            static_cast<skin::TbsSkinCustomControl*>(panel1),
                                            static_cast<skin::TbsSkinCustomControl*>(bottom)})
        c->SetSkinData(&f.skin.data);
    }
  }
};

TEST(ConsolePanels, RollingTheSidePanelAndTheBottomPaneGivesTheMainPaneTheRoom) {
  for (const bool skinned : {false, true}) {
    ConsoleLayout c(skinned);
    EXPECT_EQ(c.split1->width(), 1) << "splitters without skin data keep their size";
    EXPECT_EQ(c.split2->height(), 1);
    EXPECT_EQ(c.split1->left(), 193);
    const int mainHeight = c.main->height();
    c.side->setRollState(true);
    const int strip = skinned ? 21 : 32;
    EXPECT_EQ(c.side->width(), strip) << skinned;
    EXPECT_EQ(c.side->height(), 787);
    EXPECT_EQ(c.split1->left(), strip);
    EXPECT_EQ(c.panel1->left(), strip + 1);
    c.bottom->setRollState(true);
    EXPECT_EQ(c.bottom->height(), 21);
    EXPECT_EQ(c.main->height(), mainHeight + 309 - 21) << skinned;
    // The window is resized while both are rolled: they keep their sizes.
    c.f.form.setBounds(0, 0, 1200, 900);
    EXPECT_EQ(c.side->width(), strip);
    EXPECT_EQ(c.side->height(), 900);
    EXPECT_EQ(c.bottom->height(), 21);
    // Across the framed panel's client area (1 pixel in on each side
    // without a skin, the placed client rect with one).
    const int areaWidth = skinned ? c.panel1->PlacedClientRect().width() : c.panel1->width() - 2;
    EXPECT_EQ(c.bottom->width(), areaWidth);
    c.side->setRollState(false);
    c.bottom->setRollState(false);
    EXPECT_EQ(c.side->width(), 193);
    EXPECT_EQ(c.bottom->height(), 309);
    EXPECT_EQ(c.split1->left(), 193);
  }
}

TEST(ConsolePanels, OnePixelSplitterDragsTheSidePanel) {
  ConsoleLayout c(true);
  ASSERT_TRUE(c.f.show());
  QTest::mousePress(c.f.win(), Qt::LeftButton, {}, QPoint(193, 300));
  ASSERT_TRUE(c.split1->Dragging());
  QTest::mouseMove(c.f.win(), QPoint(250, 300));
  QTest::mouseMove(c.f.win(), QPoint(293, 300));
  QTest::mouseRelease(c.f.win(), Qt::LeftButton, {}, QPoint(293, 300));
  EXPECT_EQ(c.side->width(), 293);
  EXPECT_EQ(c.split1->left(), 293);
  EXPECT_EQ(c.panel1->left(), 294);
}

TEST(SkinExPanel, SkinnedBarStripAndButtonPicturesFromTheSection) {
  PanelForm f;
  const gfx::Bitmap& pic = f.picture(0);
  auto* p = f.add<skin::TbsSkinExPanel>(10, 10, 150, 100);
  // expanel: skinrect 96 wide, captionrect (6,0,52,21): the caption area
  // is (6,0,106,21); close 15x15 at its right end, centred: (91,3); the
  // roll button (vrollbuttonrect 15x15) 2 pixels left of it: (74,3).
  gfx::Bitmap b = PaintOf(*p);
  EXPECT_EQ(p->Button(0).rect, (Rect{91, 3, 106, 18}));
  EXPECT_EQ(p->Button(1).rect, (Rect{74, 3, 89, 18}));
  for (const gfx::Point d : {gfx::Point{0, 0}, {7, 7}, {14, 14}}) {
    EXPECT_EQ(b.pixel(91 + d.x, 3 + d.y), pic.pixel(2 + d.x, 276 + d.y));  // closebuttonrect
    EXPECT_EQ(b.pixel(74 + d.x, 3 + d.y), pic.pixel(2 + d.x, 293 + d.y));  // vrollbuttonrect
  }
  // Rolled up: the bar is rollvskinrect (2,194,98,215) in three parts, ends
  // of 6 and 44; the roll button shows vrestorebuttonrect (53,293).
  p->setRollState(true);
  b = PaintOf(*p);
  ASSERT_EQ(b.height(), 21);
  EXPECT_EQ(b.pixel(0, 0), pic.pixel(2, 194));
  EXPECT_EQ(b.pixel(149, 20), pic.pixel(97, 214));
  EXPECT_EQ(b.pixel(120, 10), pic.pixel(2 + 96 - 30, 204));
  EXPECT_EQ(b.pixel(74 + 7, 3 + 7), pic.pixel(53 + 7, 293 + 7));
  // Rolled sideways: rollhskinrect (100,194,121,274) stacked, ends of 44 and 6.
  p->setRollState(false);
  p->setRollKind(TbsExPanelRollKind::rkRollHorizontal);
  p->setRollState(true);
  p->setHeight(200);
  b = PaintOf(*p);
  ASSERT_EQ(b.width(), 21);
  EXPECT_EQ(b.pixel(0, 0), pic.pixel(100, 194));
  EXPECT_EQ(b.pixel(20, 199), pic.pixel(120, 273));
  EXPECT_EQ(b.pixel(10, 190), pic.pixel(110, 274 - 10));
}
