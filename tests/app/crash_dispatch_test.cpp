// An exception escaping a control's event handler on a shown form is caught
// where the framework delivers the event, reaches the crash reporter, and
// the application goes on taking events.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>
#include <stdexcept>

#include "app/crash/crash_reporter.h"
#include "crash_test_support.h"
#include "support/qt_wait.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/win_control.h"

namespace {

TEST(CrashDispatch, HandlerExceptionReachesTheReporterAndEventsGoOn) {
  crashtest::TempFolder dir;
  std::vector<std::string> shown;
  app::CrashReporter::Options options;
  options.folder = dir.path() + "/kavro";
  options.showMessage = [&shown](const std::string& text) { shown.push_back(text); };
  app::CrashReporter reporter(options);
  auto& application = ui::Application::instance();
  application.setExceptionHandler(
      [&reporter](std::exception_ptr e) { reporter.reportException(e); });

  ui::Form form;
  form.setBorderStyle(ui::BorderStyle::bsNone);
  form.setBounds(100, 100, 200, 100);
  auto* button = new ui::WinControl(&form);
  button->setParent(&form);
  button->setBounds(10, 10, 50, 50);
  int presses = 0, releases = 0;
  button->onMouseDown = [&presses](ui::Control&, ui::MouseButton, unsigned, int, int) {
    ++presses;
    throw std::runtime_error("the class list could not be read");
  };
  button->onMouseUp = [&releases](ui::Control&, ui::MouseButton, unsigned, int, int) {
    ++releases;
  };
  form.show();
  QWindow* window = form.widget()->window()->windowHandle();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(presses, 1);
  EXPECT_EQ(shown, (std::vector<std::string>{"the class list could not be read"}));
  // The next event of the same control is still delivered, and a second
  // failure is reported again.
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(releases, 1);
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(30, 30), 500);
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(presses, 2);
  EXPECT_EQ(releases, 2);
  EXPECT_EQ(shown.size(), 2u);
  EXPECT_TRUE(form.visible());

  const std::string log = crashtest::ReadAll(reporter.logPath());
  EXPECT_EQ(crashtest::CountOf(log, "exception: the class list could not be read\n"), 2);
  // Each record carries its backtrace, starting at the reporter.
  EXPECT_EQ(crashtest::CountOf(log, "backtrace:\napp::"), 0);
  EXPECT_GE(crashtest::CountOf(log, "CrashReporter::reportException("), 2) << log;

  // Without a handler the framework still keeps the exception out of Qt.
  application.setExceptionHandler(nullptr);
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(30, 30), 500);
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(presses, 3);
  EXPECT_EQ(releases, 3);
  EXPECT_EQ(shown.size(), 2u);
}

}  // namespace
