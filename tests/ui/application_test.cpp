// The application: main form, open forms, closing, minimizing all forms.
#include <string>

#include <gtest/gtest.h>
#include <QApplication>
#include <QPointer>
#include <QTest>

#include "ui/application.h"
#include "ui/form.h"
#include "ui_test_support.h"

namespace {

TEST(Application, FormsInOrderClosingAndFreeing) {
  auto& app = ui::Application::instance();
  const auto before = app.forms().size();
  auto* a = new ui::Form;
  auto* b = new ui::Form;
  ASSERT_EQ(app.forms().size(), before + 2);
  EXPECT_EQ(app.forms()[before], a);
  EXPECT_EQ(app.forms()[before + 1], b);
  EXPECT_NE(app.mainForm(), nullptr);

  // A secondary form hides on close; with caFree it is freed afterwards.
  ASSERT_TRUE(uitest::ShowAndWait(*b));
  b->close();
  EXPECT_FALSE(b->visible());
  b->onClose = [](ui::Form&, ui::CloseAction& action) { action = ui::CloseAction::caFree; };
  ASSERT_TRUE(uitest::ShowAndWait(*b));
  QPointer<QWidget> bw = b->widget();
  b->close();
  WAIT_TRUE(bw.isNull(), 5000);
  EXPECT_EQ(app.forms().size(), before + 1);

  // The close command of the window system asks the form too.
  bool asked = false;
  a->onCloseQuery = [&](ui::Form&, bool& canClose) {
    asked = true;
    canClose = false;
  };
  ASSERT_TRUE(uitest::ShowAndWait(*a));
  a->widget()->close();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(a->visible());
  delete a;
  EXPECT_EQ(app.forms().size(), before);
}

TEST(Application, MinimizeAndRestoreEveryVisibleForm) {
  auto& app = ui::Application::instance();
  ui::Form a, b, hidden;
  a.setBounds(10, 10, 200, 100);
  b.setBounds(300, 10, 200, 100);
  ASSERT_TRUE(uitest::ShowAndWait(a));
  ASSERT_TRUE(uitest::ShowAndWait(b));
  int minimized = 0, restored = 0;
  app.onMinimize = [&] { ++minimized; };
  app.onRestore = [&] { ++restored; };
  app.minimize();
  EXPECT_TRUE(app.minimized());
  EXPECT_TRUE(a.widget()->isMinimized());
  EXPECT_TRUE(b.widget()->isMinimized());
  EXPECT_FALSE(hidden.widget()->isVisible());
  app.restore();
  EXPECT_FALSE(app.minimized());
  EXPECT_FALSE(a.widget()->isMinimized());
  EXPECT_EQ(a.boundsRect(), gfx::Rect::fromSize(10, 10, 200, 100));
  EXPECT_EQ(minimized, 1);
  EXPECT_EQ(restored, 1);
  app.onMinimize = nullptr;
  app.onRestore = nullptr;
}

TEST(Application, MinimizeListenersHearLastAddedFirstAndLeaveInAnyOrder) {
  auto& app = ui::Application::instance();
  ui::Form a;
  a.setBounds(10, 10, 200, 100);
  ASSERT_TRUE(uitest::ShowAndWait(a));
  std::string heard;
  app.onMinimize = [&] { heard += "app "; };
  const int first = app.addMinimizeListener([&] { heard += "first "; });
  const int second = app.addMinimizeListener([&] { heard += "second "; });
  app.minimize();
  app.restore();
  EXPECT_EQ(heard, "second first app ");
  // The first to come leaves first: the second still hears, the first not.
  app.removeMinimizeListener(first);
  heard.clear();
  app.minimize();
  app.restore();
  EXPECT_EQ(heard, "second app ");
  app.removeMinimizeListener(second);
  heard.clear();
  app.minimize();
  app.restore();
  EXPECT_EQ(heard, "app ");
  app.onMinimize = nullptr;
}

TEST(Application, WindowStatesKeepTheNormalBounds) {
  ui::Form f;
  f.setBounds(100, 100, 300, 200);
  ASSERT_TRUE(uitest::ShowAndWait(f));
  f.setWindowState(ui::WindowState::wsMaximized);
  // The work area of the first screen of the test configuration.
  EXPECT_EQ(f.boundsRect(), (gfx::Rect{0, 0, 1024, 768}));
  EXPECT_EQ(f.normalBounds(), gfx::Rect::fromSize(100, 100, 300, 200));
  f.setWindowState(ui::WindowState::wsNormal);
  EXPECT_EQ(f.boundsRect(), gfx::Rect::fromSize(100, 100, 300, 200));
}

}  // namespace
