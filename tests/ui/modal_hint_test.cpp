// Modal showing, closing with a close query, dialog keys, key preview, and
// the hint mechanism on a hand-moved clock.
#include <gtest/gtest.h>
#include <QTest>
#include <QTimer>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "ui/keys.h"
#include "ui/scheduler.h"
#include "ui_test_support.h"

namespace {

struct Dialog {
  ui::Form form;
  ui::WinControl* ok;
  ui::WinControl* cancel;
  int okClicks = 0, cancelClicks = 0;
  Dialog() {
    form.setBounds(100, 100, 200, 120);
    ok = new ui::WinControl(&form);
    ok->setParent(&form);
    ok->setBounds(10, 10, 60, 20);
    ok->setDefault(true);
    ok->setModalResult(ui::mrOk);
    ok->onClick = [this](ui::Control&) { ++okClicks; };
    cancel = new ui::WinControl(&form);
    cancel->setParent(&form);
    cancel->setBounds(80, 10, 60, 20);
    cancel->setCancel(true);
    cancel->setModalResult(ui::mrCancel);
    cancel->onClick = [this](ui::Control&) { ++cancelClicks; };
  }
};

TEST(Modal, ReturnsTheResultOfTheButtonThatEndedIt) {
  Dialog d;
  QTimer::singleShot(0, [&] { d.ok->click(); });
  EXPECT_EQ(d.form.showModal(), ui::mrOk);
  EXPECT_FALSE(d.form.visible());
  EXPECT_FALSE(d.form.modal());

  // Closing a modal form ends it with the cancel result.
  QTimer::singleShot(0, [&] { d.form.close(); });
  EXPECT_EQ(d.form.showModal(), ui::mrCancel);
}

TEST(Modal, CloseQueryCanKeepTheFormOpen) {
  Dialog d;
  int asked = 0;
  d.form.onCloseQuery = [&](ui::Form&, bool& canClose) { canClose = ++asked > 1; };
  QTimer::singleShot(0, [&] {
    d.form.close();  // refused
    EXPECT_TRUE(d.form.modal());
    EXPECT_TRUE(d.form.visible());
    QTimer::singleShot(0, [&] { d.ok->click(); });
  });
  EXPECT_EQ(d.form.showModal(), ui::mrOk);
  EXPECT_EQ(asked, 2);
}

TEST(Modal, ShowingAModalFormAgainFromInsideReturnsAtOnce) {
  Dialog d;
  int inner = -1;
  QTimer::singleShot(0, [&] {
    inner = d.form.showModal();
    d.ok->click();
  });
  EXPECT_EQ(d.form.showModal(), ui::mrOk);
  EXPECT_EQ(inner, ui::mrNone);
}

TEST(Modal, FreeingTheFormWhileItIsShownEndsTheLoop) {
  auto* d = new Dialog;
  QTimer::singleShot(0, [d] { delete d; });
  EXPECT_EQ(d->form.showModal(), ui::mrCancel);
}

TEST(DialogKeys, EnterAndEscapeClickTheDefaultAndCancelButtons) {
  Dialog d;
  ASSERT_TRUE(uitest::ShowAndWait(d.form));
  QWindow* win = uitest::WindowOf(d.form);
  QTest::keyClick(win, Qt::Key_Return);
  QTest::keyClick(win, Qt::Key_Escape);
  QTest::keyClick(win, Qt::Key_Enter);
  EXPECT_EQ(d.okClicks, 2);
  EXPECT_EQ(d.cancelClicks, 1);

  // A disabled default button is passed over.
  d.ok->setEnabled(false);
  QTest::keyClick(win, Qt::Key_Return);
  EXPECT_EQ(d.okClicks, 2);
}

TEST(DialogKeys, KeyPreviewLetsTheFormTakeKeysFirst) {
  Dialog d;
  auto* edit = new ui::WinControl(&d.form);
  edit->setParent(&d.form);
  edit->setBounds(10, 40, 100, 20);
  edit->setTabStop(true);
  std::vector<std::string> log;
  edit->onKeyDown = [&](ui::Control&, int& key, unsigned) {
    log.push_back("edit " + std::to_string(key));
  };
  d.form.onKeyDown = [&](ui::Control&, int& key, unsigned) {
    log.push_back("form " + std::to_string(key));
    if (key == ui::VK_RETURN) key = 0;  // the form keeps Enter
  };
  d.form.setKeyPreview(true);
  ASSERT_TRUE(uitest::ShowAndWait(d.form));
  edit->setFocus();
  WAIT_TRUE(edit->focused(), 5000);
  QTest::keyClick(uitest::WindowOf(d.form), Qt::Key_A);
  QTest::keyClick(uitest::WindowOf(d.form), Qt::Key_Return);
  EXPECT_EQ(log, (std::vector<std::string>{"form 65", "edit 65", "form 13"}));
  EXPECT_EQ(d.okClicks, 0);
}

// Hints, on a clock the test moves.
struct HintFixture : ::testing::Test {
  ui::ManualScheduler clock;
  ui::Form form;
  ui::GraphicControl* a;
  ui::GraphicControl* b;
  ui::GraphicControl* none;
  void SetUp() override {
    auto& app = ui::Application::instance();
    app.setHintScheduler(&clock);
    form.setBorderStyle(ui::BorderStyle::bsNone);
    form.setBounds(300, 300, 300, 100);
    auto make = [&](int x, const char* hint) {
      auto* c = new ui::GraphicControl(&form);
      c->setParent(&form);
      c->setBounds(x, 10, 50, 50);
      c->setHint(hint);
      return c;
    };
    a = make(10, "新建文件夹|makes a folder");
    b = make(100, "second");
    none = make(200, "");
    ASSERT_TRUE(uitest::ShowAndWait(form));
    // Start from a spot without a hint: the pointer stays where the last test left it.
    moveTo({295, 95});
  }
  void TearDown() override {
    auto& app = ui::Application::instance();
    app.cancelHint();
    app.onShowHint = nullptr;
    app.setHintScheduler(nullptr);
  }
  void moveTo(QPoint p) {
    QTest::mouseMove(uitest::WindowOf(form), p);
    QCoreApplication::processEvents();
  }
  static std::string shownText() {
    auto* w = ui::Application::instance().hintWindow();
    return (w && w->visible()) ? w->text() : std::string();
  }
};

TEST_F(HintFixture, ShowsAfterThePauseAndHidesAfterTheDisplayTime) {
  moveTo({30, 30});
  clock.advance(799);
  EXPECT_EQ(shownText(), "");
  clock.advance(1);
  // Only the short hint, the text before "|", is shown.
  EXPECT_EQ(shownText(), "新建文件夹");
  clock.advance(24999);
  EXPECT_EQ(shownText(), "新建文件夹");
  clock.advance(1);
  EXPECT_EQ(shownText(), "");
}

TEST_F(HintFixture, MovingOnFromAShownHintUsesTheShortDelay) {
  moveTo({30, 30});
  clock.advance(800);
  ASSERT_EQ(shownText(), "新建文件夹");
  moveTo({120, 30});
  EXPECT_EQ(shownText(), "");
  clock.advance(49);
  EXPECT_EQ(shownText(), "");
  clock.advance(1);
  EXPECT_EQ(shownText(), "second");
  // A control without a hint shows nothing, however long the pointer rests.
  moveTo({220, 30});
  clock.advance(30000);
  EXPECT_EQ(shownText(), "");
}

TEST_F(HintFixture, LeavingOrPressingBeforeThePauseShowsNothing) {
  moveTo({30, 30});
  clock.advance(400);
  moveTo({80, 80});  // onto the form itself
  clock.advance(1000);
  EXPECT_EQ(shownText(), "");
  moveTo({120, 30});
  clock.advance(400);
  QTest::mousePress(uitest::WindowOf(form), Qt::LeftButton, {}, QPoint(120, 30));
  QTest::mouseRelease(uitest::WindowOf(form), Qt::LeftButton, {}, QPoint(120, 30));
  clock.advance(1000);
  EXPECT_EQ(shownText(), "");
}

TEST_F(HintFixture, ShowHintEventChangesOrForbidsTheHint) {
  auto& app = ui::Application::instance();
  app.onShowHint = [&](std::string& text, bool& canShow, ui::HintInfo& info) {
    EXPECT_EQ(info.hintControl, b);
    EXPECT_EQ(info.hideTimeout, 25000);
    if (text == "second") text = "changed";
    info.hideTimeout = 100;
    canShow = true;
  };
  moveTo({120, 30});
  clock.advance(800);
  EXPECT_EQ(shownText(), "changed");
  clock.advance(100);
  EXPECT_EQ(shownText(), "");

  app.onShowHint = [](std::string&, bool& canShow, ui::HintInfo&) { canShow = false; };
  moveTo({30, 30});
  clock.advance(800);
  EXPECT_EQ(shownText(), "");
}

class MarkedHintWindow : public ui::HintWindow {
 public:
  static int made;
  MarkedHintWindow() { ++made; }
};
int MarkedHintWindow::made = 0;

TEST_F(HintFixture, FlippingTheSwitchRemakesTheWindowOfTheNewClass) {
  auto& app = ui::Application::instance();
  app.setHintWindowClass([] { return std::make_unique<MarkedHintWindow>(); });
  app.setShowHint(false);
  EXPECT_EQ(app.hintWindow(), nullptr);
  app.setShowHint(true);
  EXPECT_EQ(MarkedHintWindow::made, 1);
  EXPECT_NE(dynamic_cast<MarkedHintWindow*>(app.hintWindow()), nullptr);
  moveTo({30, 30});
  clock.advance(800);
  EXPECT_EQ(shownText(), "新建文件夹");
  app.setHintWindowClass(nullptr);
  app.setShowHint(false);
  app.setShowHint(true);
}

}  // namespace
