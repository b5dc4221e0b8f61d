// A form's non-client area answered by a hook: client placement, painting,
// and the move/size loop driven by the hit test.
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "ui/graphics/qt_convert.h"
#include "ui_test_support.h"

namespace {

using gfx::Rect;
using ui::Form;
using uitest::TestFrame;

constexpr Rect kStart = Rect::fromSize(100, 100, 200, 150);

struct DragRow {
  const char* name;
  QPoint press;  // window coordinates
  int dx, dy;
  gfx::Point minTrack, maxTrack;
  bool maximized;
  Rect expected;  // screen coordinates
};

// Expected rectangles follow from the start rectangle (100, 100)-(300, 250):
// the dragged edges move by the delta, the size is clamped to the limits and
// the edge opposite the dragged one stays put.
const DragRow kDragRows[] = {
    {"caption_moves",
     {50, 10},
     30,
     20,
     {1, 1},
     {5000, 5000},
     false,
     Rect::fromSize(130, 120, 200, 150)},
    {"client_does_not_move", {100, 75}, 30, 20, {1, 1}, {5000, 5000}, false, kStart},
    {"left", {1, 75}, -30, 5, {1, 1}, {5000, 5000}, false, {70, 100, 300, 250}},
    {"right", {198, 75}, 40, 5, {1, 1}, {5000, 5000}, false, {100, 100, 340, 250}},
    {"top", {100, 1}, 5, -20, {1, 1}, {5000, 5000}, false, {100, 80, 300, 250}},
    {"bottom", {100, 148}, 5, 25, {1, 1}, {5000, 5000}, false, {100, 100, 300, 275}},
    {"top_left", {1, 1}, 10, 10, {1, 1}, {5000, 5000}, false, {110, 110, 300, 250}},
    {"top_right", {198, 1}, 20, -10, {1, 1}, {5000, 5000}, false, {100, 90, 320, 250}},
    {"bottom_left", {1, 148}, -10, 10, {1, 1}, {5000, 5000}, false, {90, 100, 300, 260}},
    {"bottom_right", {198, 148}, 30, 30, {1, 1}, {5000, 5000}, false, {100, 100, 330, 280}},
    {"right_stops_at_max", {198, 75}, 40, 0, {1, 1}, {220, 5000}, false, {100, 100, 320, 250}},
    {"left_stops_at_min_right_edge_kept",
     {1, 75},
     50,
     0,
     {180, 1},
     {5000, 5000},
     false,
     {120, 100, 300, 250}},
    {"bottom_right_stops_at_min",
     {198, 148},
     -100,
     -100,
     {150, 120},
     {5000, 5000},
     false,
     {100, 100, 250, 220}},
    {"top_left_stops_at_max", {1, 1}, -50, -50, {1, 1}, {220, 160}, false, {80, 90, 300, 250}},
    {"maximized_caption_stays", {50, 10}, 30, 20, {1, 1}, {5000, 5000}, true, {0, 0, 1024, 768}},
    {"maximized_corner_stays",
     {1022, 766},
     -30,
     -30,
     {1, 1},
     {5000, 5000},
     true,
     {0, 0, 1024, 768}},
};

class DragTest : public ::testing::TestWithParam<DragRow> {};

TEST_P(DragTest, HitCodeDrivesTheLoop) {
  const DragRow& row = GetParam();
  Form form;
  form.setBoundsRect(kStart);
  TestFrame frame(form);
  frame.minTrack = row.minTrack;
  frame.maxTrack = row.maxTrack;
  ASSERT_TRUE(uitest::ShowAndWait(form));
  if (row.maximized) form.setWindowState(ui::WindowState::wsMaximized);
  frame.seen.clear();

  uitest::Drag(form, row.press, row.dx, row.dy);

  EXPECT_EQ(form.boundsRect(), row.expected);
  EXPECT_EQ(gfx::fromQRect(form.widget()->geometry()), row.expected);
  EXPECT_FALSE(form.inSizeMove());
  const bool loops = std::string(row.name).find("stays") == std::string::npos &&
                     std::string(row.name) != "client_does_not_move";
  EXPECT_EQ(frame.count(ui::WM_ENTERSIZEMOVE), loops ? 1 : 0);
  EXPECT_EQ(frame.count(ui::WM_EXITSIZEMOVE), loops ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, DragTest, ::testing::ValuesIn(kDragRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormLoop, MessagesComeInTheLoopsOrder) {
  Form form;
  form.setBoundsRect(kStart);
  TestFrame frame(form);
  ASSERT_TRUE(uitest::ShowAndWait(form));
  frame.seen.clear();
  uitest::Drag(form, {198, 148}, 20, 20);
  const auto ids = frame.ids({ui::WM_NCLBUTTONDOWN, ui::WM_ENTERSIZEMOVE, ui::WM_GETMINMAXINFO,
                              ui::WM_SIZING, ui::WM_EXITSIZEMOVE, ui::WM_NCLBUTTONUP});
  const std::vector<unsigned> expected = {ui::WM_NCLBUTTONDOWN, ui::WM_ENTERSIZEMOVE,
                                          ui::WM_GETMINMAXINFO, ui::WM_SIZING,
                                          ui::WM_SIZING,        ui::WM_EXITSIZEMOVE};
  EXPECT_EQ(ids, expected);
  // The press carried its hit code and the screen point.
  for (const ui::Message& m : frame.seen) {
    if (m.id != ui::WM_NCLBUTTONDOWN) continue;
    EXPECT_EQ(m.wparam, ui::HTBOTTOMRIGHT);
    EXPECT_EQ(ui::UnpackPoint(m.lparam), (gfx::Point{298, 248}));
  }
  // Each sizing step reported the edge that moved.
  for (const ui::Message& m : frame.seen) {
    if (m.id != ui::WM_SIZING) continue;
    EXPECT_EQ(m.wparam, ui::WMSZ_BOTTOMRIGHT);
  }
}

TEST(FormLoop, MovingMessageMayChangeTheRectangle) {
  Form form;
  form.setBoundsRect(kStart);
  TestFrame frame(form);
  frame.snapDistance = 10;
  ASSERT_TRUE(uitest::ShowAndWait(form));
  // From left 100 to 6: within the snap distance of the screen edge.
  uitest::Drag(form, {50, 10}, -94, 0);
  EXPECT_EQ(form.boundsRect(), Rect::fromSize(0, 100, 200, 150));
  // From 0 to 40: outside it.
  uitest::Drag(form, {50, 10}, 40, 0);
  EXPECT_EQ(form.boundsRect(), Rect::fromSize(40, 100, 200, 150));
}

// A frame that paints each pixel in a colour of its own coordinates and
// records the bitmaps it is given.
class PatternFrame : public TestFrame {
 public:
  using TestFrame::TestFrame;
  static QRgb Expected(int x, int y) { return QColor(x % 256, y % 256, 77).rgb(); }
  void hookMessage(ui::Message& m) override {
    if (m.id != ui::WM_NCPAINT) {
      TestFrame::hookMessage(m);
      return;
    }
    gfx::Bitmap& b = *ui::FromParam<gfx::Bitmap>(m.lparam);
    sizes.push_back(b.rect());
    storage.push_back(b.row(0));
    for (int y = 0; y < b.height(); ++y)
      for (int x = 0; x < b.width(); ++x) b.setPixel(x, y, gfx::Color::rgb(x % 256, y % 256, 77));
  }
  std::vector<Rect> sizes;
  std::vector<const std::uint32_t*> storage;
};

TEST(FormNonClient, FrameBufferKeptAcrossSizesShowsTheFrameAtEverySize) {
  // Smaller sizes paint into the kept pixels (rows longer than the window),
  // a larger one gets new pixels with room to spare; every size shows the
  // frame where the procedure painted it.
  Form form;
  form.setBoundsRect(kStart);
  PatternFrame frame(form);
  ASSERT_TRUE(uitest::ShowAndWait(form));
  const struct { int w, h; } sizes[] = {{200, 150}, {160, 120}, {230, 170}, {210, 160}};
  std::vector<const std::uint32_t*> kept;
  for (const auto& s : sizes) {
    SCOPED_TRACE(testing::Message() << s.w << " x " << s.h);
    form.setBounds(100, 100, s.w, s.h);
    const QImage shot = form.widget()->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(s.w, s.h));
    ASSERT_FALSE(frame.sizes.empty());
    EXPECT_EQ(frame.sizes.back(), (Rect{0, 0, s.w, s.h}));
    kept.push_back(frame.storage.back());
    for (const QPoint p :
         {QPoint(0, 0), QPoint(s.w - 1, 0), QPoint(s.w / 2, 23), QPoint(3, s.h / 2),
          QPoint(s.w - 4, s.h / 2), QPoint(s.w - 1, s.h - 1), QPoint(0, s.h - 1)})
      EXPECT_EQ(shot.pixel(p), PatternFrame::Expected(p.x(), p.y())) << p.x() << ", " << p.y();
  }
  EXPECT_EQ(kept[1], kept[0]);  // smaller: the same pixels
  EXPECT_EQ(kept[3], kept[2]);  // within the grown room: the same pixels
}

TEST(FormNonClient, ClientAreaPaintingAndHitCodes) {
  Form form;
  form.setBoundsRect(kStart);
  auto* child = new ui::GraphicControl(&form);
  child->setParent(&form);
  child->setAlign(ui::Align::alClient);
  child->setColor(gfx::Color::rgb(0, 0, 255));
  TestFrame frame(form);
  ASSERT_TRUE(uitest::ShowAndWait(form));

  // The client area is the window less the border and caption.
  EXPECT_EQ(form.clientAreaInWindow(), (Rect{4, 24, 196, 146}));
  EXPECT_EQ(form.clientRect(), (Rect{0, 0, 192, 122}));
  EXPECT_EQ(child->boundsRect(), (Rect{0, 0, 192, 122}));

  const QImage shot = form.widget()->grab().toImage();
  ASSERT_EQ(shot.size(), QSize(200, 150));
  EXPECT_EQ(shot.pixel(0, 0), QColor(200, 0, 0).rgb());      // frame
  EXPECT_EQ(shot.pixel(100, 23), QColor(200, 0, 0).rgb());   // last caption row
  EXPECT_EQ(shot.pixel(4, 24), QColor(0, 0, 255).rgb());     // first client pixel
  EXPECT_EQ(shot.pixel(195, 145), QColor(0, 0, 255).rgb());  // last client pixel
  EXPECT_EQ(shot.pixel(196, 145), QColor(200, 0, 0).rgb());

  // Non-client presses reach the procedure with their hit code; a press in
  // the client area reaches the control under it as a client message.
  frame.seen.clear();
  int childPresses = 0;
  child->onMouseDown = [&](ui::Control&, ui::MouseButton, unsigned, int x, int y) {
    ++childPresses;
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 5);
  };
  QTest::mouseClick(uitest::WindowOf(form), Qt::RightButton, {}, QPoint(50, 10));
  QTest::mouseClick(uitest::WindowOf(form), Qt::LeftButton, {}, QPoint(14, 29));
  EXPECT_EQ(frame.count(ui::WM_NCRBUTTONDOWN), 1);
  EXPECT_EQ(frame.count(ui::WM_NCRBUTTONUP), 1);
  EXPECT_EQ(childPresses, 1);
}

TEST(FormNonClient, TextChangeShowAndActivationReachTheProcedure) {
  Form form;
  form.setBoundsRect(kStart);
  TestFrame frame(form);
  form.setCaption("商业模拟平台");
  EXPECT_EQ(frame.count(ui::WM_SETTEXT), 1);
  EXPECT_EQ(form.widget()->windowTitle().toStdString(), "商业模拟平台");
  ASSERT_TRUE(uitest::ShowAndWait(form));
  EXPECT_EQ(frame.count(ui::WM_SHOWWINDOW), 1);
  WAIT_TRUE(form.active(), 5000);
  const auto order = frame.ids({ui::WM_NCACTIVATE, ui::WM_ACTIVATE});
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(order[0], ui::WM_NCACTIVATE);
  EXPECT_EQ(order[1], ui::WM_ACTIVATE);
  EXPECT_EQ(ui::Application::instance().activeForm(), &form);
  form.hide();
  EXPECT_EQ(frame.count(ui::WM_SHOWWINDOW), 2);
}

TEST(FormNonClient, DoubleClickOnCaptionEndsTheLoopAndReportsTheDoubleClick) {
  Form form;
  form.setBoundsRect(kStart);
  TestFrame frame(form);
  ASSERT_TRUE(uitest::ShowAndWait(form));
  frame.seen.clear();
  QTest::mouseDClick(uitest::WindowOf(form), Qt::LeftButton, {}, QPoint(50, 10));
  EXPECT_EQ(frame.count(ui::WM_NCLBUTTONDBLCLK), 1);
  EXPECT_FALSE(form.inSizeMove());
  EXPECT_EQ(frame.count(ui::WM_ENTERSIZEMOVE), frame.count(ui::WM_EXITSIZEMOVE));
  EXPECT_EQ(form.boundsRect(), kStart);
}

}  // namespace
