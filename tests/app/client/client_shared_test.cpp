// What the console holds for every window: the stored skins switched on the
// one skin data component (failures ignored), the message dialog's answers,
// the right-click filter over the registered browsers, and the frames.
#include "app/client/client_shared.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/crash/crash_reporter.h"
#include "platform/browser/web_browser.h"
#include "skin/controls/skin_button.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/dialogs/skin_message.h"
#include "skin/frame/form_frame.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/message.h"

namespace {

using app::ClientShared;

class ClientSharedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(crashDir_.isValid());
    ClientShared::Options o;
    o.crashFolder = crashDir_.path().toStdString();
    o.installSignalHandlers = false;
    shared_ = std::make_unique<ClientShared>(o);
  }
  QTemporaryDir crashDir_;
  std::unique_ptr<ClientShared> shared_;
};

TEST_F(ClientSharedTest, EachSelectorItemLoadsItsOwnStoredSkinAndOtherIndexesDoNothing) {
  EXPECT_TRUE(shared_->skinData().Empty());
  EXPECT_EQ(shared_->storedSkinIndex(), -1);
  std::vector<std::string> names;
  for (int i = 0; i < app::kStoredSkinCount; ++i) {
    ASSERT_TRUE(shared_->selectStoredSkin(i)) << i;
    EXPECT_FALSE(shared_->skinData().Empty());
    EXPECT_EQ(shared_->skinData().CompressedStoredSkin(), &shared_->storedSkin(i));
    EXPECT_EQ(shared_->storedSkinIndex(), i);
    names.push_back(shared_->skinData().SkinName());
  }
  for (std::size_t a = 0; a < names.size(); ++a)
    for (std::size_t b = a + 1; b < names.size(); ++b) EXPECT_NE(names[a], names[b]);

  for (int bad : {-1, 6, 9, -3}) {
    EXPECT_FALSE(shared_->selectStoredSkin(bad)) << bad;
    EXPECT_EQ(shared_->storedSkinIndex(), 5) << bad;
    EXPECT_EQ(shared_->skinData().CompressedStoredSkin(), &shared_->storedSkin(5));
  }
}

TEST_F(ClientSharedTest, AStoredSkinThatCannotBeReadIsReportedAsFalseAndNeverThrows) {
  ASSERT_TRUE(shared_->selectStoredSkin(0));
  const std::vector<std::uint8_t> garbage = {0x78, 0x9c, 0xde, 0xad, 0xbe, 0xef, 1, 2, 3};
  shared_->storedSkin(2).setCompressedData(garbage);
  bool result = true;
  EXPECT_NO_THROW(result = shared_->selectStoredSkin(2));
  EXPECT_FALSE(result);
  EXPECT_EQ(shared_->storedSkinIndex(), 0);
}

TEST_F(ClientSharedTest, MessagesAnswerWithThePressedButton) {
  struct Row {
    const char* name;
    skin::TMsgDlgBtn press;  // mbHelp: close through the frame instead
    bool confirmed;
  };
  const Row rows[] = {{"yes", skin::mbYes, true},
                      {"no", skin::mbNo, false},
                      {"closed", skin::mbHelp, false}};
  for (const Row& row : rows) {
    shared_->message().OnShown = [&](skin::TbsMessageForm& f) {
      EXPECT_NE(f.button(skin::mbYes), nullptr) << row.name;
      EXPECT_NE(f.button(skin::mbNo), nullptr) << row.name;
      EXPECT_EQ(f.button(skin::mbOK), nullptr) << row.name;
      if (row.press == skin::mbHelp)
        f.close();
      else
        f.button(row.press)->click();
    };
    EXPECT_EQ(shared_->confirm("确定退出吗？"), row.confirmed) << row.name;
  }
  shared_->message().OnShown = [](skin::TbsMessageForm& f) {
    EXPECT_EQ(f.button(skin::mbNo), nullptr);
    f.button(skin::mbYes)->click();
  };
  EXPECT_EQ(shared_->showMessage("请填入服务器!", skin::TMsgDlgType::mtWarning), ui::mrYes);
}

TEST_F(ClientSharedTest, RightClicksAreSwallowedOnlyInsideRegisteredBrowsers) {
  QWidget window;
  auto* browser = new platform::WebBrowser(&window);
  auto* inner = new QWidget(browser);
  auto* other = new platform::WebBrowser(&window);
  auto* statusBar = new QWidget(&window);
  shared_->addRightClickBrowser(browser);
  shared_->installRightClickFilter();

  struct Row {
    QWidget* target;
    unsigned id;
    bool swallowed;
  };
  const Row rows[] = {
      {browser, ui::WM_RBUTTONDOWN, true},   {inner, ui::WM_RBUTTONDOWN, true},
      {inner, ui::WM_RBUTTONDBLCLK, true},   {inner, ui::WM_RBUTTONUP, false},
      {inner, ui::WM_LBUTTONDOWN, false},    {other, ui::WM_RBUTTONDOWN, false},
      {statusBar, ui::WM_RBUTTONDOWN, false}, {&window, ui::WM_RBUTTONDBLCLK, false},
  };
  for (const Row& row : rows) {
    ui::QueuedMessage msg;
    msg.window = row.target;
    msg.message.id = row.id;
    EXPECT_EQ(ui::Application::instance().filterMessage(msg), row.swallowed)
        << std::hex << row.id << " at " << row.target;
  }

  // A browser that is gone is no longer asked.
  delete browser;
  ui::QueuedMessage msg;
  msg.window = statusBar;
  msg.message.id = ui::WM_RBUTTONDOWN;
  EXPECT_FALSE(ui::Application::instance().filterMessage(msg));
}

TEST_F(ClientSharedTest, FramesCarryTheCommonSettingsAndTheirWindowsRow) {
  ui::Form form;
  skin::TbsFormFrame* frame = app::MakeClientFrame(form, *shared_, app::frame_settings::kLogin);
  EXPECT_EQ(frame->SkinData(), &shared_->skinData());
  EXPECT_EQ(frame->SkinHint(), &shared_->hint());
  EXPECT_EQ(frame->BorderIcons(), skin::TbsBorderIcons::none());
  EXPECT_TRUE(frame->HideCaptionButtons());
  EXPECT_TRUE(frame->ShowIcon());
  EXPECT_TRUE(frame->AlphaBlend());
  EXPECT_EQ(frame->AlphaBlendValue(), 255);
  EXPECT_EQ(frame->MagneticSize, 10);
  EXPECT_EQ(frame->DefMenuItemHeight(), 23);
  EXPECT_FALSE(frame->Magnetic);
  EXPECT_EQ(frame->DefCaptionFont.name, "Arial");
  EXPECT_EQ(frame->DefCaptionFont.height, 14);
  EXPECT_TRUE(frame->DefCaptionFont.bold);

  ui::Form console;
  skin::TbsFormFrame* c = app::MakeClientFrame(console, *shared_, app::frame_settings::kConsole);
  EXPECT_TRUE(c->BorderIcons().has(skin::biRollUp));
  EXPECT_FALSE(c->AlphaBlend());
  EXPECT_EQ(c->MagneticSize, 5);
}

TEST_F(ClientSharedTest, ReportedFailuresAreShownAsErrorsAndKeepNoProxyPassword) {
  shared_->state().ProxyPassword = "s3cret-proxy";
  std::string shown;
  shared_->message().OnShown = [&](skin::TbsMessageForm& f) {
    shown = f.caption();
    f.button(skin::mbYes)->click();
  };
  shared_->crash().report("proxy s3cret-proxy refused");
  EXPECT_FALSE(shown.empty());
  QFile log(QString::fromStdString(shared_->crash().logPath()));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QByteArray text = log.readAll();
  EXPECT_TRUE(text.contains("refused"));
  EXPECT_FALSE(text.contains("s3cret-proxy"));
}

}  // namespace
