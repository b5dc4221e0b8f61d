// The folder namespace on a tree of folders made in a temporary folder:
// the desktop's children, sub-folders sorted as a file manager sorts them
// with hidden ones and files left out, links and link loops, the chain of
// items down to a path, renaming, the trash and new folders.
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/folder_namespace.h"

namespace {

using platform::FolderItem;
using platform::FolderKind;
using platform::FolderNamespace;

std::vector<std::string> Names(const std::vector<FolderItem>& items) {
  std::vector<std::string> out;
  for (const auto& i : items) out.push_back(i.displayName);
  return out;
}

class FolderNamespaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp_.isValid());
    root_ = tmp_.path().toStdString();
    home_ = root_ + "/home";
    desktop_ = home_ + "/Desktop";
    for (const char* d : {"/home", "/home/Desktop", "/home/Desktop/项目", "/home/docs",
                          "/home/docs/a10", "/home/docs/A2", "/home/docs/a1", "/home/docs/B",
                          "/home/docs/.hidden", "/home/docs/a1/inner", "/vol"})
      ASSERT_EQ(mkdir((root_ + d).c_str(), 0755), 0) << d;
    std::ofstream(home_ + "/docs/file.txt") << "not a folder";
    FolderNamespace::Places p;
    p.desktopPath = desktop_;
    p.desktopName = "桌面";
    p.homePath = home_;
    p.homeName = "主文件夹";
    p.volumes = {{"/", "/"}, {root_ + "/vol", "数据"}};
    ns_ = std::make_unique<FolderNamespace>(p);
  }

  std::string folder(const std::string& rel) const { return root_ + rel; }

  QTemporaryDir tmp_;
  std::string root_, home_, desktop_;
  std::unique_ptr<FolderNamespace> ns_;
};

TEST_F(FolderNamespaceTest, TheDesktopHoldsTheComputerTheHomeAndItsOwnFolders) {
  const FolderItem d = ns_->desktop();
  EXPECT_EQ(d.displayName, "桌面");
  const auto kids = ns_->children(d);
  ASSERT_TRUE(kids.has_value());
  ASSERT_EQ(kids->size(), 3u);
  EXPECT_EQ((*kids)[0].kind, FolderKind::Computer);
  EXPECT_EQ((*kids)[0].displayName, "计算机");
  EXPECT_EQ((*kids)[0].parsingName.rfind("::{", 0), 0u);
  EXPECT_EQ((*kids)[1].kind, FolderKind::Home);
  EXPECT_EQ((*kids)[1].parsingName, home_);
  EXPECT_EQ((*kids)[2].displayName, "项目");
  const auto volumes = ns_->children((*kids)[0]);
  ASSERT_TRUE(volumes.has_value());
  EXPECT_EQ(Names(*volumes), (std::vector<std::string>{"/", "数据"}));
  EXPECT_EQ((*volumes)[1].kind, FolderKind::Volume);
}

TEST_F(FolderNamespaceTest, SubFoldersAreSortedByNumberAndLetterWithoutHiddenOnesOrFiles) {
  const auto docs = ns_->itemFor(folder("/home/docs"));
  ASSERT_TRUE(docs.has_value());
  const auto kids = ns_->children(*docs);
  ASSERT_TRUE(kids.has_value());
  EXPECT_EQ(Names(*kids), (std::vector<std::string>{"a1", "A2", "a10", "B"}));
  // Only a1 has a sub-folder; the link count tells on this file system,
  // and where it cannot, every folder may have some.
  for (const FolderItem& k : *kids) {
    if (k.displayName == "a1") {
      EXPECT_TRUE(k.mayHaveChildren);
    }
    // A listed folder is the same item as the one its path gives.
    const auto alone = ns_->itemFor(k.parsingName);
    ASSERT_TRUE(alone.has_value()) << k.parsingName;
    EXPECT_EQ(k.displayName, alone->displayName);
    EXPECT_EQ(k.iconName, alone->iconName);
    EXPECT_EQ(k.mayHaveChildren, alone->mayHaveChildren) << k.displayName;
    EXPECT_EQ(k.linkLoop, alone->linkLoop);
  }
  EXPECT_FALSE(
      ns_->children(FolderItem{FolderKind::Directory, "x", folder("/gone"), "folder", false, false})
          .has_value())
      << "a folder that cannot be read has no children";
}

TEST_F(FolderNamespaceTest, LinksToFoldersAreListedButALoopIsNeverEntered) {
  ASSERT_EQ(symlink(folder("/home/docs/a1").c_str(), folder("/home/docs/to-a1").c_str()), 0);
  ASSERT_EQ(symlink(folder("/home/docs").c_str(), folder("/home/docs/a1/back").c_str()), 0);
  const auto kids = ns_->children(*ns_->itemFor(folder("/home/docs")));
  ASSERT_TRUE(kids.has_value());
  EXPECT_EQ(Names(*kids), (std::vector<std::string>{"a1", "A2", "a10", "B", "to-a1"}));
  const auto inner = ns_->children(*ns_->itemFor(folder("/home/docs/a1")));
  ASSERT_TRUE(inner.has_value());
  ASSERT_EQ(Names(*inner), (std::vector<std::string>{"back", "inner"}));
  EXPECT_TRUE((*inner)[0].linkLoop);
  EXPECT_FALSE((*inner)[0].mayHaveChildren);
  EXPECT_TRUE(ns_->children((*inner)[0])->empty());
}

TEST_F(FolderNamespaceTest, NamesThatAreNotUtf8AreShownReadablyAndKeptExactly) {
  const std::string raw = folder("/home/docs/\xff\xfe-x");
  ASSERT_EQ(mkdir(raw.c_str(), 0755), 0);
  const auto kids = ns_->children(*ns_->itemFor(folder("/home/docs")));
  ASSERT_TRUE(kids.has_value());
  bool found = false;
  for (const FolderItem& k : *kids) {
    if (k.parsingName != raw) continue;
    found = true;
    EXPECT_NE(k.displayName.find("-x"), std::string::npos);
    EXPECT_EQ(k.displayName.find('\xff'), std::string::npos) << "shown as valid UTF-8";
  }
  EXPECT_TRUE(found);
  rmdir(raw.c_str());
}

TEST_F(FolderNamespaceTest, TheChainDownToAPathGoesThroughItsMostSpecificPlace) {
  struct Row {
    std::string path;
    std::vector<std::string> names;
  } rows[] = {
      {folder("/home/docs/a1/inner"), {"桌面", "主文件夹", "docs", "a1", "inner"}},
      {folder("/home/docs/a1/inner/"), {"桌面", "主文件夹", "docs", "a1", "inner"}},
      {folder("/home/Desktop/项目"), {"桌面", "项目"}},
      {desktop_, {"桌面"}},
      {home_, {"桌面", "主文件夹"}},
      {folder("/vol"), {"桌面", "计算机", "数据"}},
      {"/", {"桌面", "计算机", "/"}},
      {platform::kComputerParsingName, {"桌面", "计算机"}},
  };
  for (const Row& row : rows) {
    const auto chain = ns_->chainTo(row.path);
    ASSERT_TRUE(chain.has_value()) << row.path;
    EXPECT_EQ(Names(*chain), row.names) << row.path;
  }
  EXPECT_FALSE(ns_->chainTo(folder("/home/nothing")).has_value());
  EXPECT_FALSE(ns_->chainTo(folder("/home/docs/file.txt")).has_value());
  EXPECT_FALSE(ns_->chainTo("").has_value());
}

TEST_F(FolderNamespaceTest, RenamingRefusesBadAndTakenNames) {
  const FolderItem b = *ns_->itemFor(folder("/home/docs/B"));
  std::string why;
  for (const char* bad : {"", ".", "..", "x/y", "a1"}) {
    EXPECT_FALSE(ns_->rename(b, bad, &why).has_value()) << bad;
    EXPECT_FALSE(why.empty()) << bad;
  }
  const auto renamed = ns_->rename(b, "新名字", &why);
  ASSERT_TRUE(renamed.has_value()) << why;
  EXPECT_EQ(renamed->parsingName, folder("/home/docs/新名字"));
  EXPECT_TRUE(FolderNamespace::directoryExists(folder("/home/docs/新名字")));
  EXPECT_FALSE(FolderNamespace::directoryExists(folder("/home/docs/B")));
  EXPECT_FALSE(ns_->rename(ns_->computer(), "x", &why).has_value());
}

TEST_F(FolderNamespaceTest, DeletingMovesToTheTrashAndNewFoldersTakeTheNextFreeName) {
  const std::string dataHome = folder("/data-home");
  ASSERT_EQ(mkdir(dataHome.c_str(), 0700), 0);
  setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
  std::string why;
  ASSERT_TRUE(ns_->moveToTrash(*ns_->itemFor(folder("/home/docs/A2")), &why)) << why;
  EXPECT_FALSE(FolderNamespace::directoryExists(folder("/home/docs/A2")));
  EXPECT_TRUE(FolderNamespace::directoryExists(dataHome + "/Trash/files/A2"))
      << "kept in the trash, not removed for good";
  unsetenv("XDG_DATA_HOME");

  const FolderItem docs = *ns_->itemFor(folder("/home/docs"));
  EXPECT_EQ(ns_->createFolder(docs, "新建文件夹", &why), folder("/home/docs/新建文件夹"));
  EXPECT_EQ(ns_->createFolder(docs, "新建文件夹", &why), folder("/home/docs/新建文件夹 (2)"));
  EXPECT_EQ(ns_->createFolder(docs, "新建文件夹", &why), folder("/home/docs/新建文件夹 (3)"));
  EXPECT_FALSE(ns_->createFolder(ns_->computer(), "x", &why).has_value());
  const FolderItem gone{
      FolderKind::Directory, "gone", folder("/gone/deeper"), "folder", false, false};
  EXPECT_FALSE(ns_->createFolder(gone, "x", &why).has_value());
  EXPECT_FALSE(why.empty());
}

TEST(FolderNames, ZipFoldersAndRecognisedVolumes) {
  EXPECT_TRUE(FolderNamespace::isZipFolder("/a/b.ZIP"));
  EXPECT_TRUE(FolderNamespace::isZipFolder("/a/b.Zip"));
  EXPECT_FALSE(FolderNamespace::isZipFolder("/a/b.zipx"));
  EXPECT_FALSE(FolderNamespace::isZipFolder("zip"));
  struct Row {
    const char* type;
    const char* mount;
    bool shown;
  } rows[] = {
      {"ext4", "/", true},
      {"ext4", "/home", true},
      {"vfat", "/media/u/STICK", true},
      {"ext4", "/run/media/u/disk", true},
      {"proc", "/proc", false},
      {"tmpfs", "/run/user/0", false},
      {"overlay", "/", false},
      {"squashfs", "/snap/core/1", false},
      {"ext4", "/snap/x", false},
      {"vfat", "/boot/efi", false},
      {"sysfs", "/sys", false},
      {"ext4", "/run/something", false},
  };
  for (const Row& r : rows)
    EXPECT_EQ(platform::IsRecognisedVolume(r.type, r.mount), r.shown) << r.type << " " << r.mount;
  EXPECT_TRUE(platform::FolderNameLess("文件2", "文件10"));
  EXPECT_TRUE(platform::FolderNameLess("abc", "ABD"));
  EXPECT_FALSE(platform::FolderNameLess("B", "a"));
}

}  // namespace
