// The window shape on a real X server: a form wearing a skin with a mask is
// cut at its corners on screen, over a backdrop window of a known colour,
// while a square skin and the default frame keep their corners. Runs under
// Xvfb with the X11 platform (the offscreen platform records a shape but
// never applies it). The expected corners come from the skin's mask: rounded
// corners of radius 9 at the top and 4 at the bottom, whose pixels belong to
// the window when their centre lies within the corner's circle; the mask's
// corner pieces are copied unchanged at every window size.
#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/form_frame.h"
#include "support/qt_wait.h"
#include "ui/graphics/color.h"

namespace {

constexpr int kVioletSkin = 2;  // the built-in skin with rounded corners
constexpr int kSquareSkin = 0;
constexpr int kTopRadius = 9;
constexpr int kBottomRadius = 4;

const QColor kBackdrop(0, 255, 0);

// Whether the pixel i columns and j rows in from a corner rounded with
// radius r belongs to the window: its centre lies within the circle.
bool InCorner(int i, int j, int r) {
  if (i >= r || j >= r) return true;
  const double dx = r - (i + 0.5), dy = r - (j + 0.5);
  return dx * dx + dy * dy <= r * r;
}

gfx::Color ColorOf(QRgb p) { return gfx::Color::rgb(qRed(p), qGreen(p), qBlue(p)); }

class ShapedWindowX11 : public ::testing::Test {
 protected:
  static constexpr int kLeft = 120, kTop = 90, kW = 360, kH = 250;

  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "this check needs a real X server";
    // A plain window of a known colour over the whole screen, mapped first so
    // that the form lies above it.
    backdrop_.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    backdrop_.setAutoFillBackground(true);
    QPalette pal = backdrop_.palette();
    pal.setColor(QPalette::Window, kBackdrop);
    backdrop_.setPalette(pal);
    backdrop_.setGeometry(QGuiApplication::primaryScreen()->geometry());
    backdrop_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&backdrop_));
    WAIT_TRUE(screenPixel(5, 5) == kBackdrop.rgb(), 5000);
  }

  // Shows the form at its place, active, and waits until its frame shows at
  // `painted` (window coordinates) in `colour`.
  void showForm(ui::Form& form, gfx::Point painted, gfx::Color colour) {
    form.setBounds(kLeft, kTop, kW, kH);
    form.show();
    form.widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.widget()->windowHandle()));
    WAIT_TRUE(form.active(), 5000);
    WAIT_TRUE(ColorOf(screenPixel(kLeft + painted.x, kTop + painted.y)) == colour, 5000);
    shot_ = grabScreen();
  }

  static QImage grabScreen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
  }
  static QRgb screenPixel(int x, int y) { return grabScreen().pixel(x, y); }
  // The shot's pixel at window point (x, y) of the form.
  QRgb at(int x, int y) const { return shot_.pixel(kLeft + x, kTop + y); }

  QWidget backdrop_;
  QImage shot_;
};

TEST_F(ShapedWindowX11, MaskCutsTheCornersOfTheVioletFrame) {
  app::LoadedBuiltinSkin skin(kVioletSkin);
  ASSERT_FALSE(skin.data.MaskPicture().empty());
  const gfx::Bitmap& picture = skin.data.Picture();
  const int pw = picture.width(), ph = picture.height();
  const skin::SkinFormInfo& info = skin.data.FormInfo();
  ASSERT_GT(info.leftTopPoint.x, kTopRadius);  // the corners lie in fixed pieces
  ASSERT_LT(info.rightTopPoint.x, pw - kTopRadius);

  ui::Form form;
  auto* frame = new skin::TbsFormFrame(&form);
  frame->setSkinData(&skin.data);
  // Top border, middle tiled from the strip's own origin: window x shows the
  // middle's column (x mod its width) counted from its left end.
  const int mx = kW / 2;
  const int middle = info.rightTopPoint.x - info.leftTopPoint.x;
  const gfx::Color topMiddle = picture.pixel(info.leftTopPoint.x + mx % middle, 2);
  showForm(form, {mx, 2}, topMiddle);
  ASSERT_EQ(form.width(), kW);
  ASSERT_EQ(form.height(), kH);

  const auto coveredByObject = [&](int x, int y) {
    for (const auto& o : frame->FrameObjects())
      if (o->Visible && gfx::PtInRect(o->ObjectRect, {x, y})) return true;
    return false;
  };
  struct Corner {
    const char* name;
    bool right, bottom;
  };
  int cut = 0, kept = 0;
  for (const Corner c : {Corner{"top left", false, false}, Corner{"top right", true, false},
                         Corner{"bottom left", false, true}, Corner{"bottom right", true, true}}) {
    const int r = c.bottom ? kBottomRadius : kTopRadius;
    for (int j = 0; j < r; ++j) {
      for (int i = 0; i < r; ++i) {
        const int x = c.right ? kW - 1 - i : i, y = c.bottom ? kH - 1 - j : j;
        SCOPED_TRACE(testing::Message() << c.name << " (" << x << ", " << y << ")");
        if (!InCorner(i, j, r)) {
          EXPECT_EQ(at(x, y), kBackdrop.rgb());
          ++cut;
          continue;
        }
        EXPECT_NE(at(x, y), kBackdrop.rgb());
        // A corner piece of the frame picture, unchanged where no object lies.
        if (!coveredByObject(x, y)) {
          const int px = c.right ? pw - 1 - i : i, py = c.bottom ? ph - 1 - j : j;
          EXPECT_EQ(ColorOf(at(x, y)), picture.pixel(px, py));
          ++kept;
        }
      }
    }
  }
  EXPECT_GT(cut, 0);
  EXPECT_GT(kept, 0);
  // Beyond the corners the edges are whole: the first row inside the top
  // corners and the middle of each edge show the frame.
  for (const gfx::Point p :
       {gfx::Point{0, kTopRadius}, gfx::Point{kW - 1, kTopRadius}, gfx::Point{kW / 2, 0},
        gfx::Point{kW / 2, kH - 1}, gfx::Point{0, kH - 1 - kBottomRadius}})
    EXPECT_NE(at(p.x, p.y), kBackdrop.rgb()) << p.x << ", " << p.y;
  // Just outside the window the backdrop shows.
  EXPECT_EQ(shot_.pixel(kLeft - 1, kTop + kH / 2), kBackdrop.rgb());
  EXPECT_EQ(shot_.pixel(kLeft + kW, kTop + kH / 2), kBackdrop.rgb());
}

TEST_F(ShapedWindowX11, SquareSkinAndDefaultFrameKeepTheirCorners) {
  {
    app::LoadedBuiltinSkin skin(kSquareSkin);
    ASSERT_TRUE(skin.data.MaskPicture().empty());
    const gfx::Bitmap& picture = skin.data.Picture();
    ui::Form form;
    (new skin::TbsFormFrame(&form))->setSkinData(&skin.data);
    showForm(form, {0, 0}, picture.pixel(0, 0));
    EXPECT_EQ(ColorOf(at(kW - 1, 0)), picture.pixel(picture.width() - 1, 0));
    EXPECT_EQ(ColorOf(at(0, kH - 1)), picture.pixel(0, picture.height() - 1));
    EXPECT_EQ(ColorOf(at(kW - 1, kH - 1)),
              picture.pixel(picture.width() - 1, picture.height() - 1));
  }
  {
    // No skin: the default frame's three-pixel 3-D border, rectangular; its
    // outer line is light along the top and left, dark along the right and
    // bottom, which take the top-right and bottom-left pixels.
    ui::Form form;
    new skin::TbsFormFrame(&form);
    showForm(form, {0, 0}, gfx::SystemColor(gfx::SysColor::Light3D));
    EXPECT_EQ(ColorOf(at(0, kH - 2)), gfx::SystemColor(gfx::SysColor::Light3D));
    EXPECT_EQ(ColorOf(at(kW - 2, 0)), gfx::SystemColor(gfx::SysColor::Light3D));
    EXPECT_EQ(ColorOf(at(0, kH - 1)), gfx::SystemColor(gfx::SysColor::DarkShadow3D));
    EXPECT_EQ(ColorOf(at(kW - 1, 0)), gfx::SystemColor(gfx::SysColor::DarkShadow3D));
    EXPECT_EQ(ColorOf(at(kW - 1, kH - 1)), gfx::SystemColor(gfx::SysColor::DarkShadow3D));
  }
}

}  // namespace
