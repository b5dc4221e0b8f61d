// The folder dialog answered through its window, on folders made in a
// temporary folder: opening on the computer folder, confirming it, Enter and
// Escape, the remembered folder and size, new folders and deleting to the
// trash, and the tool bar's path box and new-folder button.
#include <sys/stat.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_std_label.h"
#include "skin/controls/skin_tool_bar.h"
#include "skin/dialogs/dir_tree_view.h"
#include "skin/dialogs/select_directory_dialog.h"
#include "skin/dialogs/skin_message.h"
#include "support/qt_wait.h"

namespace {

using platform::FolderNamespace;
using skin::TbsSelDirDlgForm;
using skin::TbsSkinSelectDirectoryDialog;

// Nothing has answered the window yet (no button gave it a result).
bool StillOpen(TbsSelDirDlgForm& f) {
  QTest::qWait(20);
  return f.visible() && f.modal() && f.modalResult() == 0;
}

// Types text into the path box (replacing what it shows) and presses key there.
void TypeInPathBox(TbsSelDirDlgForm& f, const std::string& text, Qt::Key key) {
  f.pathBox()->setFocus();
  QWidget* line = f.pathBox()->lineEdit();
  f.pathBox()->selectAll();
  QTest::keyClicks(line, QString::fromStdString(text));
  QTest::keyClick(line, key);
}

void Key(TbsSelDirDlgForm& f, Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr || target->window() != f.widget()) target = f.widget();
  QTest::keyClick(target, key);
}

class SelectDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp_.isValid());
    root_ = tmp_.path().toStdString();
    for (const char* d : {"/home", "/home/Desktop", "/home/docs", "/home/docs/a1"})
      ASSERT_EQ(mkdir((root_ + d).c_str(), 0755), 0) << d;
    FolderNamespace::Places p;
    p.desktopPath = root_ + "/home/Desktop";
    p.desktopName = "桌面";
    p.homePath = root_ + "/home";
    p.homeName = "主文件夹";
    p.volumes = {{"/", "/"}};
    dialog_.setFolders(std::make_shared<FolderNamespace>(p));
  }

  QTemporaryDir tmp_;
  std::string root_;
  TbsSkinSelectDirectoryDialog dialog_;
};

TEST_F(SelectDirectory, OpensOnTheComputerAndConfirmingItGivesItsName) {
  std::string seen;
  bool expanded = false;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    seen = f.tree()->SelectedPath();
    expanded = f.tree()->Selected()->expanded;
    EXPECT_EQ(f.caption(), "Select folder");
    EXPECT_EQ(f.okButton()->caption(), "确定");
    EXPECT_EQ(f.clientWidth(), 280);
    Key(f, Qt::Key_Return);  // Enter confirms through the OK button
  };
  EXPECT_TRUE(dialog_.ChooseFolder());
  EXPECT_EQ(seen, "计算机");
  EXPECT_TRUE(expanded);
  EXPECT_EQ(dialog_.Directory, "计算机");
}

TEST_F(SelectDirectory, CancelKeepsTheFolderButStoresTheSizeAndASecondUseReopensThere) {
  dialog_.Directory = root_ + "/home/docs/a1";
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    EXPECT_EQ(f.tree()->SelectedPath(), root_ + "/home/docs/a1");
    f.setClientSize(360, 300);
    Key(f, Qt::Key_Escape);
  };
  EXPECT_FALSE(dialog_.ChooseFolder());
  EXPECT_EQ(dialog_.Directory, root_ + "/home/docs/a1");
  EXPECT_EQ(dialog_.DialogWidth, 360);
  EXPECT_EQ(dialog_.DialogHeight, 300);

  int width = 0;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    width = f.clientWidth();
    f.tree()->SelectPath(root_ + "/home/docs");
    f.okButton()->click();
  };
  EXPECT_TRUE(dialog_.ChooseFolder());
  EXPECT_EQ(width, 360);
  EXPECT_EQ(dialog_.Directory, root_ + "/home/docs");

  // A folder that is gone opens on the computer again.
  dialog_.Directory = root_ + "/home/gone";
  std::string seen;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    seen = f.tree()->SelectedPath();
    f.cancelButton()->click();
  };
  EXPECT_FALSE(dialog_.ChooseFolder());
  EXPECT_EQ(seen, "计算机");
}

TEST_F(SelectDirectory, NewFoldersAndDeletingToTheTrash) {
  const std::string dataHome = root_ + "/data-home";
  ASSERT_EQ(mkdir(dataHome.c_str(), 0700), 0);
  setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
  dialog_.Directory = root_ + "/home/docs";
  std::string made, afterDelete;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    f.newFolder();
    made = f.tree()->SelectedPath();
    f.ConfirmDelete = [](const std::string&) { return true; };
    f.deleteSelected();
    afterDelete = f.tree()->SelectedPath();
    f.cancelButton()->click();
  };
  dialog_.ChooseFolder();
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(made, root_ + "/home/docs/新建文件夹");
  EXPECT_FALSE(FolderNamespace::directoryExists(made));
  EXPECT_TRUE(FolderNamespace::directoryExists(dataHome + "/Trash/files/新建文件夹"));
  EXPECT_EQ(afterDelete, root_ + "/home/docs");
}

TEST_F(SelectDirectory, WithoutAToolBarThereIsNone) {
  bool none = false;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    none = f.toolBar() == nullptr && f.pathBox() == nullptr && f.newFolderButton() == nullptr;
    f.cancelButton()->click();
  };
  dialog_.ChooseFolder();
  EXPECT_TRUE(none);
}

class SelectDirectoryToolBar : public SelectDirectory {
 protected:
  void SetUp() override {
    SelectDirectory::SetUp();
    dialog_.ShowToolBar = true;
    dialog_.setMessage(&message_);
    message_.OnShown = [this](skin::TbsMessageForm& m) {
      messages_.push_back(m.messageLabel()->caption());
      m.button(skin::mbOK)->click();
    };
  }

  skin::TbsSkinMessage message_;
  std::vector<std::string> messages_;
};

TEST_F(SelectDirectoryToolBar, ThePathBoxFollowsTheSelectionAndEnterSelectsATypedFolder) {
  dialog_.Directory = root_ + "/home/docs";
  std::string shown, afterEnter, boxAfterEnter, afterTilde, afterRelative, afterRelativeToComputer;
  bool open = false;
  gfx::Rect bar, box, button;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    bar = f.toolBar()->boundsRect();
    box = f.pathBox()->boundsRect();
    button = f.newFolderButton()->boundsRect();
    shown = f.pathBox()->Text();
    TypeInPathBox(f, root_ + "/home/docs/a1/", Qt::Key_Return);
    open = StillOpen(f);  // Enter in the path box is not the OK button's
    afterEnter = f.tree()->SelectedPath();
    boxAfterEnter = f.pathBox()->Text();
    TypeInPathBox(f, "~/docs/a1/../", Qt::Key_Enter);
    afterTilde = f.tree()->SelectedPath();
    TypeInPathBox(f, "a1", Qt::Key_Return);  // inside the selected folder
    afterRelative = f.tree()->SelectedPath();
    f.tree()->SelectMyComputer();
    TypeInPathBox(f, "docs", Qt::Key_Return);  // inside the home folder
    afterRelativeToComputer = f.tree()->SelectedPath();
    f.tree()->setFocus();
    Key(f, Qt::Key_Return);  // elsewhere Enter confirms as before
  };
  EXPECT_TRUE(dialog_.ChooseFolder());
  EXPECT_EQ(shown, root_ + "/home/docs");
  EXPECT_TRUE(open);
  EXPECT_EQ(afterEnter, root_ + "/home/docs/a1");
  EXPECT_EQ(boxAfterEnter, root_ + "/home/docs/a1");
  EXPECT_EQ(afterTilde, root_ + "/home/docs");
  EXPECT_EQ(afterRelative, root_ + "/home/docs/a1");
  EXPECT_EQ(afterRelativeToComputer, root_ + "/home/docs");
  EXPECT_EQ(dialog_.Directory, root_ + "/home/docs");
  EXPECT_TRUE(messages_.empty());
  // The bar across the top, 25 high; the button 27 wide at its right end,
  // then 5 pixels, then the path box; without a skin the box is 25 high.
  EXPECT_EQ(bar.top, 0);
  EXPECT_EQ(bar.height(), 25);
  EXPECT_EQ(button, gfx::Rect::fromSize(bar.width() - 27, 0, 27, 25));
  EXPECT_EQ(box, gfx::Rect::fromSize(0, 0, bar.width() - 32, 25));
}

TEST_F(SelectDirectoryToolBar, AFolderThatDoesNotExistIsToldAndTheSelectionStays) {
  dialog_.Directory = root_ + "/home/docs";
  std::string selected, box;
  bool open = false;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    TypeInPathBox(f, root_ + "/home/nowhere", Qt::Key_Return);
    open = StillOpen(f);
    selected = f.tree()->SelectedPath();
    box = f.pathBox()->Text();
    f.cancelButton()->click();
  };
  EXPECT_FALSE(dialog_.ChooseFolder());
  EXPECT_TRUE(open);
  EXPECT_EQ(messages_,
            (std::vector<std::string>{"Error setting path: \"" + root_ + "/home/nowhere\""}));
  EXPECT_EQ(selected, root_ + "/home/docs");
  EXPECT_EQ(box, root_ + "/home/nowhere") << "the typed text stays to be mended";
}

TEST_F(SelectDirectoryToolBar, EscapeBringsTheSelectedPathBackThenCloses) {
  dialog_.Directory = root_ + "/home/docs";
  std::string restored;
  bool openAfterFirst = false;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    TypeInPathBox(f, "/somewhere/else", Qt::Key_Escape);
    openAfterFirst = StillOpen(f);
    restored = f.pathBox()->Text();
    QTest::keyClick(f.pathBox()->lineEdit(), Qt::Key_Escape);
  };
  EXPECT_FALSE(dialog_.ChooseFolder());
  EXPECT_TRUE(openAfterFirst);
  EXPECT_EQ(restored, root_ + "/home/docs");
  EXPECT_EQ(dialog_.Directory, root_ + "/home/docs");

  // Escape in the tree cancels as before.
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    f.tree()->setFocus();
    Key(f, Qt::Key_Escape);
  };
  EXPECT_FALSE(dialog_.ChooseFolder());
}

TEST_F(SelectDirectoryToolBar, TheNewFolderButtonTakesTheNextFreeName) {
  ASSERT_EQ(mkdir((root_ + "/home/docs/新建文件夹").c_str(), 0755), 0);
  dialog_.Directory = root_ + "/home/docs";
  std::string made, box, hint;
  bool hasGlyph = false;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    hint = f.newFolderButton()->hint();
    hasGlyph = !f.newFolderButton()->Glyph().empty();
    f.newFolderButton()->click();
    made = f.tree()->SelectedPath();
    box = f.pathBox()->Text();
    f.cancelButton()->click();
  };
  dialog_.ChooseFolder();
  EXPECT_EQ(made, root_ + "/home/docs/新建文件夹 (2)");
  EXPECT_TRUE(FolderNamespace::directoryExists(made));
  EXPECT_EQ(box, made);
  EXPECT_EQ(hint, "新建文件夹");
  EXPECT_TRUE(hasGlyph);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SelectDirectoryToolBar, ANewFolderWhereNoneCanBeMadeIsToldClearly) {
  // The kernel's folder of devices takes no new folders, whoever asks.
  dialog_.Directory = "/sys";
  std::string selected;
  dialog_.OnShown = [&](TbsSelDirDlgForm& f) {
    f.newFolderButton()->click();
    selected = f.tree()->SelectedPath();
    f.tree()->SelectMyComputer();
    f.newFolderButton()->click();
    f.cancelButton()->click();
  };
  dialog_.ChooseFolder();
  EXPECT_EQ(selected, "/sys");
  EXPECT_FALSE(FolderNamespace::directoryExists("/sys/新建文件夹"));
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[0].rfind("Unable to create the folder \"新建文件夹\" in \"/sys\": ", 0), 0u)
      << messages_[0];
  EXPECT_GT(messages_[0].size(),
            std::string("Unable to create the folder \"新建文件夹\" in \"/sys\": ").size());
  EXPECT_EQ(messages_[1].rfind("Unable to create the folder \"新建文件夹\" in \"计算机\": ", 0), 0u)
      << messages_[1];
}

}  // namespace
