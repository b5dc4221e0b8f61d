// The message dialog answered through its real window: the buttons of a
// set with their captions, roles and results, Enter and Escape, the close
// command, the Help button, the kinds' captions and icons, the layout with
// and without a skin, texts from a text table, and very long messages.
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_std_label.h"
#include "skin/dialogs/skin_message.h"
#include "test_skin.h"
#include "ui/application.h"
#include "ui/monitor.h"

namespace {

using namespace skin;

void Key(TbsMessageForm& f, Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr || target->window() != f.widget()) target = f.widget();
  QTest::keyClick(target, key);
}

struct Seen {
  std::vector<std::string> captions;
  std::string caption;
  bool icon = false;
  int clientWidth = 0, clientHeight = 0, buttonHeight = 0, labelHeight = 0, formWidth = 0;
  std::string defaultButton, cancelButton;
};

// Runs a message; `answer` acts on the shown window, after what it looked
// like was written down.
int Answer(TbsSkinMessage& m, const std::string& text, TMsgDlgType kind, TMsgDlgButtons set,
           Seen& seen, const std::function<void(TbsMessageForm&)>& answer) {
  m.OnShown = [&](TbsMessageForm& f) {
    seen.caption = f.caption();
    seen.icon = f.findComponent("Image") != nullptr;
    seen.clientWidth = f.clientWidth();
    seen.clientHeight = f.clientHeight();
    seen.formWidth = f.width();
    seen.labelHeight = f.messageLabel()->height();
    for (int b = 0; b < kMessageButtonCount; ++b) {
      if (TbsSkinButton* btn = f.button(static_cast<TMsgDlgBtn>(b))) {
        seen.captions.push_back(btn->caption());
        seen.buttonHeight = btn->height();
        if (btn->isDefault()) seen.defaultButton = btn->name();
        if (btn->isCancel()) seen.cancelButton = btn->name();
      }
    }
    answer(f);
  };
  return m.ExecuteMessage(text, kind, set);
}

TEST(SkinMessage, YesAloneIsTheDefaultAndEscapeDoesNothing) {
  TbsSkinMessage m;
  Seen seen;
  bool stillOpenAfterEscape = false;
  const int r = Answer(m, "操作完成", TMsgDlgType::mtInformation, MessageButtons({mbYes}), seen,
                       [&](TbsMessageForm& f) {
                         Key(f, Qt::Key_Escape);
                         QTest::qWait(20);
                         stillOpenAfterEscape = f.visible() && f.modal() && f.modalResult() == 0;
                         Key(f, Qt::Key_Return);
                       });
  EXPECT_EQ(r, 6);
  EXPECT_TRUE(stillOpenAfterEscape);
  EXPECT_EQ(seen.captions, (std::vector<std::string>{"是(&Y)"}));
  EXPECT_EQ(seen.defaultButton, "Yes");
  EXPECT_EQ(seen.cancelButton, "");
  EXPECT_EQ(seen.caption, "信息");
  EXPECT_TRUE(seen.icon);
}

TEST(SkinMessage, AConfirmationAnswersNoToEscape) {
  TbsSkinMessage m;
  Seen seen;
  const int r =
      Answer(m, "确定退出吗？", TMsgDlgType::mtConfirmation, MessageButtons({mbYes, mbNo}), seen,
             [](TbsMessageForm& f) { Key(f, Qt::Key_Escape); });
  EXPECT_EQ(r, 7);
  EXPECT_EQ(seen.caption, "确认");
  EXPECT_EQ(seen.captions, (std::vector<std::string>{"是(&Y)", "否(&N)"}));
  EXPECT_EQ(seen.defaultButton, "Yes");
  EXPECT_EQ(seen.cancelButton, "No");
  // A short text: the row of two buttons and its margin decide the width.
  EXPECT_EQ(seen.clientWidth, 190);
  EXPECT_EQ(seen.clientHeight, 25 + 50 + seen.labelHeight);
  EXPECT_EQ(seen.buttonHeight, 25);
}

TEST(SkinMessage, TheFramesCloseCommandAnswersTwoAndHelpDoesNotClose) {
  TbsSkinMessage m;
  int helped = 0;
  m.OnHelp = [&](int context) { helped = context; };
  Seen seen;
  bool openAfterHelp = false;
  m.OnShown = [&](TbsMessageForm& f) {
    f.button(mbHelp)->click();
    openAfterHelp = f.modal();
    f.close();
  };
  const int r =
      m.ExecuteMessage("帮助", TMsgDlgType::mtWarning, MessageButtons({mbOK, mbHelp}), 42);
  EXPECT_EQ(r, 2);
  EXPECT_EQ(helped, 42);
  EXPECT_TRUE(openAfterHelp);

  Seen custom;
  ui::Application::instance().setTitle("商业模拟平台");
  Answer(m, "x", TMsgDlgType::mtCustom, MessageButtons({mbOK}), custom,
         [](TbsMessageForm& f) { f.button(mbOK)->click(); });
  EXPECT_EQ(custom.caption, "商业模拟平台");
  EXPECT_FALSE(custom.icon);
}

TEST(SkinMessage, ASkinsButtonPictureSetsTheButtonHeightAndTextsComeFromItsTable) {
  controlstest::TestSkin skin({"button:button"},
                              "[button]\npictureindex=0\nskinrect=0,0,60,30\n"
                              "lefttoppoint=3,3\nrighttoppoint=57,3\nleftbottompoint=3,27\n"
                              "rightbottompoint=57,27\nclientrect=3,3,57,27\n",
                              {controlstest::CoordinatePicture(60, 30, 3)});
  TbsResourceStrData strings;
  strings.setResStrings({"MSG_BTN_YES=好", "MSG_CAP_CONFIRM=请确认"});
  skin.data().setResourceStrData(&strings);
  TbsSkinMessage m;
  m.setCtrlSkinData(&skin.data());
  Seen seen;
  Answer(m, "继续吗", TMsgDlgType::mtConfirmation, MessageButtons({mbYes, mbNo}), seen,
         [](TbsMessageForm& f) { f.button(mbYes)->click(); });
  EXPECT_EQ(seen.buttonHeight, 30);
  EXPECT_EQ(seen.clientHeight, 30 + 50 + seen.labelHeight);
  EXPECT_EQ(seen.caption, "请确认");
  EXPECT_EQ(seen.captions, (std::vector<std::string>{"好", ""}))
      << "a key the table lacks is empty";
  skin.data().setResourceStrData(nullptr);
}

TEST(SkinMessage, AVeryLongMessageWrapsAndTheWindowStaysOnTheScreen) {
  const gfx::Rect work = ui::PrimaryWorkArea();
  std::string longText(10000, 'x');
  std::string manyLines;
  for (int i = 0; i < 200; ++i) manyLines += "第 " + std::to_string(i) + " 行\n";
  for (const std::string* text : {&longText, &manyLines}) {
    TbsSkinMessage m;
    Seen seen;
    bool reachable = false;
    const int r = Answer(m, *text, TMsgDlgType::mtError, MessageButtons({mbOK}), seen,
                         [&](TbsMessageForm& f) {
                           const gfx::Rect b = f.button(mbOK)->boundsRect();
                           reachable = b.bottom <= f.clientHeight() && b.right <= f.clientWidth();
                           Key(f, Qt::Key_Return);
                         });
    EXPECT_EQ(r, 1);
    EXPECT_LE(seen.formWidth, work.width());
    EXPECT_LE(seen.clientHeight, work.height());
    EXPECT_TRUE(reachable);
  }
}

}  // namespace
