// The folder tree on a tree of folders made in a temporary folder: its
// first rows, selecting a path and the computer folder, keys, the expand
// button under real input, archives opened instead of entered, renaming in
// place and its failure, refreshing a node, and the skin's colours.
#include <sys/stat.h>

#include <QFontMetrics>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <stdexcept>

#include <gtest/gtest.h>

#include "skin/dialogs/dir_tree_view.h"
#include "support/qt_wait.h"
#include "test_skin.h"
#include "ui/form.h"
#include "ui/keys.h"

namespace {

using platform::FolderNamespace;
using skin::TbsSkinDirTreeView;

std::vector<std::string> RowNames(const TbsSkinDirTreeView& t) {
  std::vector<std::string> out;
  std::vector<const TbsSkinDirTreeView::Node*> stack{t.TopNode()};
  while (!stack.empty()) {
    const auto* n = stack.back();
    stack.pop_back();
    out.push_back(n->item.displayName);
    if (n->expanded)
      for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
        stack.push_back(it->get());
  }
  return out;
}

class DirTree : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp_.isValid());
    root_ = tmp_.path().toStdString();
    for (const char* d :
         {"/home", "/home/Desktop", "/home/Desktop/项目", "/home/docs", "/home/docs/a1",
          "/home/docs/a1/inner", "/home/docs/a10", "/home/docs/a2", "/home/docs/pack.ZIP", "/vol"})
      ASSERT_EQ(mkdir((root_ + d).c_str(), 0755), 0) << d;
    FolderNamespace::Places p;
    p.desktopPath = root_ + "/home/Desktop";
    p.desktopName = "桌面";
    p.homePath = root_ + "/home";
    p.homeName = "主文件夹";
    p.volumes = {{"/", "/"}, {root_ + "/vol", "数据"}};
    form_ = std::make_unique<ui::Form>();
    form_->setBounds(10, 10, 400, 300);
    tree_ = new TbsSkinDirTreeView(form_.get(), std::make_shared<FolderNamespace>(p));
    tree_->setParent(form_.get());
    tree_->setBounds(0, 0, 300, 200);
    form_->show();
  }

  std::string folder(const std::string& rel) const { return root_ + rel; }

  QTemporaryDir tmp_;
  std::string root_;
  std::unique_ptr<ui::Form> form_;
  TbsSkinDirTreeView* tree_ = nullptr;
};

TEST_F(DirTree, OpensOnTheDesktopExpandedAndSelected) {
  EXPECT_EQ(tree_->Selected(), tree_->TopNode());
  EXPECT_EQ(RowNames(*tree_), (std::vector<std::string>{"桌面", "计算机", "主文件夹", "项目"}));
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/Desktop"));
}

TEST_F(DirTree, SelectingAPathExpandsItsAncestorsAndTheFolderItself) {
  tree_->SelectPath(folder("/home/docs/a1"));
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/docs/a1"));
  EXPECT_TRUE(tree_->Selected()->expanded);
  EXPECT_EQ(RowNames(*tree_),
            (std::vector<std::string>{"桌面", "计算机", "主文件夹", "Desktop", "docs", "a1",
                                      "inner", "a2", "a10", "pack.ZIP", "项目"}));
  EXPECT_NE(tree_->RowRect(tree_->Selected()).height(), 0) << "scrolled into view";

  tree_->SelectMyComputer();
  EXPECT_EQ(tree_->SelectedPath(), "计算机") << "a virtual folder gives its display name";
  EXPECT_TRUE(tree_->Selected()->expanded);
  ASSERT_EQ(tree_->Selected()->children.size(), 2u);
  EXPECT_EQ(tree_->Selected()->children[1]->item.displayName, "数据");

  try {
    tree_->SelectPath(folder("/home/none"));
    ADD_FAILURE() << "no error for a missing folder";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "Error setting path: \"" + folder("/home/none") + "\"");
  }
}

TEST_F(DirTree, KeysMoveTheSelectionAndOpenAndCloseFolders) {
  tree_->SelectPath(folder("/home/docs"));
  tree_->setFocus();
  QWidget* w = tree_->widget();
  QTest::keyClick(w, Qt::Key_Down);
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/docs/a1"));
  QTest::keyClick(w, Qt::Key_Right);
  EXPECT_TRUE(tree_->Selected()->expanded);
  QTest::keyClick(w, Qt::Key_Right);
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/docs/a1/inner"));
  QTest::keyClick(w, Qt::Key_Left);
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/docs/a1"));
  QTest::keyClick(w, Qt::Key_Left);
  EXPECT_FALSE(tree_->Selected()->expanded);
  QTest::keyClick(w, Qt::Key_Home);
  EXPECT_EQ(tree_->Selected(), tree_->TopNode());
  QTest::keyClick(w, Qt::Key_End);
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/Desktop/项目"));
}

TEST_F(DirTree, TheExpandButtonOpensAFolderUnderRealInput) {
  auto* home = tree_->TopNode()->children[1].get();
  ASSERT_FALSE(home->expanded);
  const gfx::Rect row = tree_->RowRect(home);
  QWindow* window = form_->widget()->windowHandle();
  const QPoint button =
      tree_->widget()->mapTo(form_->widget(), QPoint(19 + 9, row.top + row.height() / 2));
  QTest::mouseClick(window, Qt::LeftButton, {}, button);
  EXPECT_TRUE(home->expanded);
  EXPECT_EQ(tree_->Selected(), tree_->TopNode()) << "the button does not select";
  QTest::mouseClick(window, Qt::LeftButton, {}, button);
  EXPECT_FALSE(home->expanded);
}

TEST_F(DirTree, AnArchiveIsOpenedInsteadOfEntered) {
  std::string opened;
  tree_->OpenWithDefault = [&](const std::string& p) { opened = p; };
  tree_->SelectPath(folder("/home/docs"));
  auto* docs = tree_->Selected();
  auto* zip = docs->children.back().get();
  ASSERT_EQ(zip->item.displayName, "pack.ZIP");
  tree_->Expand(zip);
  EXPECT_EQ(opened, folder("/home/docs/pack.ZIP"));
  EXPECT_FALSE(zip->expanded);
  EXPECT_FALSE(zip->hasButton);
}

TEST_F(DirTree, RenamingInPlaceAndItsFailure) {
  std::string error;
  tree_->OnError = [&](const std::string& m) { error = m; };
  tree_->SelectPath(folder("/home/docs/a2"));
  tree_->EditSelectedLabel();
  ASSERT_TRUE(tree_->editingLabel());
  auto* line = tree_->widget()->findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
  line->setText("新名字");
  QTest::keyClick(line, Qt::Key_Return);
  WAIT_TRUE(!tree_->editingLabel(), 2000);
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/docs/新名字"));
  EXPECT_TRUE(FolderNamespace::directoryExists(folder("/home/docs/新名字")));
  EXPECT_TRUE(error.empty());

  tree_->EditSelectedLabel();
  line = tree_->widget()->findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
  line->setText("a1");
  QTest::keyClick(line, Qt::Key_Return);
  WAIT_TRUE(!tree_->editingLabel(), 2000);
  EXPECT_EQ(error, "Rename to a1 failed");
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/docs/新名字"));

  // Escape keeps the name.
  tree_->EditSelectedLabel();
  line = tree_->widget()->findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
  line->setText("其他");
  QTest::keyClick(line, Qt::Key_Escape);
  WAIT_TRUE(!tree_->editingLabel(), 2000);
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/docs/新名字"));
}

TEST_F(DirTree, RefreshingKeepsExpandedChildrenTheSelectionAndShowsNewFolders) {
  tree_->SelectPath(folder("/home/docs/a1/inner"));
  auto* docs = tree_->Selected()->parent->parent;
  ASSERT_EQ(mkdir(folder("/home/docs/a3").c_str(), 0755), 0);
  tree_->RefreshNode(docs);
  EXPECT_EQ(tree_->SelectedPath(), folder("/home/docs/a1/inner"));
  EXPECT_EQ(RowNames(*tree_),
            (std::vector<std::string>{"桌面", "计算机", "主文件夹", "Desktop", "docs", "a1",
                                      "inner", "a2", "a3", "a10", "pack.ZIP", "项目"}));
}

TEST_F(DirTree, TheSkinGivesTheBackgroundAndTheRowsScroll) {
  controlstest::TestSkin skin({"treeview:treeview"},
                              "[treeview]\nfontname=Arial\nfontheight=12\nfontcolor=255\n"
                              "bgcolor=12632256\n",
                              {});
  tree_->SetSkinData(&skin.data());
  const QImage img = tree_->widget()->grab().toImage();
  EXPECT_EQ(gfx::Color::fromPixel(img.pixel(290, 190)), gfx::Color(12632256));
  tree_->SetSkinData(nullptr);
  const QImage plain = tree_->widget()->grab().toImage();
  EXPECT_EQ(gfx::Color::fromPixel(plain.pixel(290, 190)), gfx::SystemColor(gfx::SysColor::Window));

  for (int i = 0; i < 40; ++i)
    ASSERT_EQ(mkdir(folder("/home/docs/x" + std::to_string(i)).c_str(), 0755), 0);
  tree_->SelectPath(folder("/home/docs"));
  const auto v = tree_->VerticalScroll();
  EXPECT_EQ(v.max, tree_->ItemCount() - 1);
  EXPECT_EQ(v.page, 200 / tree_->RowHeight());
  tree_->ScrollToRow(1000);
  EXPECT_EQ(tree_->VerticalScroll().pos, tree_->ItemCount() - tree_->VisibleRowCount());
  tree_->ScrollToRow(-5);
  EXPECT_EQ(tree_->VerticalScroll().pos, 0);
}

TEST_F(DirTree, TheHorizontalRangeReachesTheEndOfTheWidestName) {
  // A row is indented 19 pixels a level, then come the expand button's
  // column (19), the 16-pixel icon, a 4-pixel gap and the name.
  const std::string name = "一个很长很长的文件夹名字 with Latin letters AVAWAY 0123456789";
  ASSERT_EQ(mkdir(folder("/home/docs/a1/" + name).c_str(), 0755), 0);
  tree_->SelectPath(folder("/home/docs/a1/" + name));
  const auto* n = tree_->Selected();
  ASSERT_EQ(n->level, 4);
  const int drawn = QFontMetrics(gfx::ToQFont(tree_->DefaultFont))
                        .horizontalAdvance(QString::fromStdString(name));
  const int end = 4 * 19 + 19 + 16 + 4 + drawn;
  const auto h = tree_->HorizontalScroll();
  EXPECT_GE(h.max, end);
  EXPECT_LE(h.max, end + 12);
  tree_->ScrollToX(100000);
  EXPECT_EQ(tree_->HorizontalScroll().pos, h.max - tree_->width());
}

}  // namespace
