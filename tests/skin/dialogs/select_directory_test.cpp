// The folder dialog answered through its window, on folders made in a
// temporary folder: opening on the computer folder, confirming it, Enter and
// Escape, the remembered folder and size, new folders and deleting to the
// trash.
#include <sys/stat.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "skin/controls/skin_button.h"
#include "skin/dialogs/dir_tree_view.h"
#include "skin/dialogs/select_directory_dialog.h"

namespace {

using platform::FolderNamespace;
using skin::TbsSelDirDlgForm;
using skin::TbsSkinSelectDirectoryDialog;

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

}  // namespace
