// TbsSkinData: reading packages of every version into pictures and data,
// the messages windows receive, the refusal of bad packages, the lookups
// and the references it holds; TbsResourceStrData and its table.
#include <gtest/gtest.h>

#include "package_bytes.h"
#include "skin/data/kind_tables.h"
#include "skin/data/more_control_data.h"
#include "skin/data/package_stream.h"
#include "skin/data/skin_data.h"
#include "skin/data/zlib_streams.h"
#include "ui/graphics/bmp.h"

namespace {

using skin::TbsCompressedStoredSkin;
using skin::TbsSkinData;
using testpkg::Bytes;
using testpkg::Package;

struct Received {
  std::string window;
  int message;
  TbsSkinData* sender;
  std::intptr_t param;
  bool empty;  // the sender's Empty while the message was handled
};

class RecordingWindow : public skin::SkinMessageListener {
 public:
  RecordingWindow(std::string name, std::vector<Received>* log)
      : name_(std::move(name)), log_(log) {}
  void skinMessage(int message, TbsSkinData* sender, std::intptr_t param) override {
    log_->push_back({name_, message, sender, param, sender->Empty()});
  }

 private:
  std::string name_;
  std::vector<Received>* log_;
};

class WindowList : public skin::SkinWindowList {
 public:
  std::vector<skin::SkinMessageListener*> windows;
  int windowCount() const override { return static_cast<int>(windows.size()); }
  skin::SkinMessageListener* window(int i) const override {
    return windows[static_cast<std::size_t>(i)];
  }
};

std::vector<std::string> sequence(const std::vector<Received>& log) {
  std::vector<std::string> out;
  for (const Received& r : log) out.push_back(r.window + ":" + std::to_string(r.message));
  return out;
}

void store(TbsCompressedStoredSkin& s, const Package& p) {
  s.setCompressedData(testpkg::Compress(p.bytes()));
}

const char* kDefinition =
    "[VERSION]\r\nskinname=Blue\r\nskinauthor=Me\r\nauthoremail=me@x\r\nauthorurl=http://x\r\n"
    "skincomments=c\r\n"
    "[PICTURES]\r\npicture=p.bmp\r\nmask=m.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n"
    "[FORMINFO]\r\nclientrect=7,27,371,112\r\nlefttoppoint=3,20\r\n"
    "[POPUPWINDOW]\r\nwindowpictureindex=1\r\n"
    "[HINTWINDOW]\r\nwindowpictureindex=0\r\nfontheight=11\r\n"
    "[SKINOBJECTS]\r\ncount=3\r\n0=close:stdbutton\r\n1=deco:userobject\r\n2=x:weird\r\n"
    "[SKINCONTROLS]\r\ncount=6\r\n0=button:button\r\n1=nocolon\r\n2=thing:Button\r\n"
    "3=button:panel\r\n4=list:listbox\r\n5=tree:treeview\r\n"
    "[close]\r\ncommand=cmclose\r\nskinrect=1,2,3,4\r\n"
    "[button]\r\nskinrect=0,0,60,20\r\n[list]\r\n";

Package fullPackage() {
  Package p;
  p.picture = testpkg::Bmp24(6, 4, 1);
  p.mask = testpkg::Bmp24(6, 4, 2);
  p.active = {testpkg::Bmp24(3, 3, 3), testpkg::Bmp24(4, 2, 4)};
  p.text = kDefinition;
  return p;
}

class SkinDataTest : public testing::Test {
 protected:
  std::vector<Received> log;
  RecordingWindow owner{"owner", &log};
  RecordingWindow login{"login", &log};
  RecordingWindow course{"course", &log};
  WindowList windows;
  TbsCompressedStoredSkin stored;
  std::unique_ptr<TbsSkinData> data;

  void SetUp() override {
    // The owner is also in the list of open windows; it is told once, first.
    windows.windows = {&login, &owner, &course};
    data = std::make_unique<TbsSkinData>(&owner, &windows);
  }
};

TEST_F(SkinDataTest, ReadsEveryPartOfAPackage) {
  store(stored, fullPackage());
  data->setCompressedStoredSkin(&stored);
  ASSERT_FALSE(data->Empty());
  EXPECT_EQ(data->SkinName(), "Blue");
  EXPECT_EQ(data->SkinAuthor(), "Me");
  EXPECT_EQ(data->AuthorEmail(), "me@x");
  EXPECT_EQ(data->AuthorURL(), "http://x");
  EXPECT_EQ(data->SkinComments(), "c");
  EXPECT_EQ(data->Picture().width(), 6);
  EXPECT_EQ(data->Picture().pixel(5, 3), gfx::Color::rgb(1, 3, 5));
  EXPECT_TRUE(data->InactivePicture().empty());
  EXPECT_EQ(data->MaskPicture().pixel(0, 0), gfx::Color::rgb(2, 0, 0));
  ASSERT_EQ(data->ActivePictures().size(), 2u);
  EXPECT_EQ(data->ActivePictures()[1].width(), 4);
  EXPECT_EQ(data->ActivePicture(1), &data->ActivePictures()[1]);
  EXPECT_EQ(data->ActivePicture(2), nullptr);
  EXPECT_EQ(data->ActivePicture(-1), nullptr);
  EXPECT_EQ(data->PictureName(), "p.bmp");
  EXPECT_EQ(data->MaskName(), "m.bmp");
  EXPECT_EQ(data->ActivePictureNames(), (std::vector<std::string>{"a.bmp", ""}));
  // With the mask name the mask area became the client rect; the corner moved in.
  EXPECT_EQ(data->FormInfo().maskRectArea, (gfx::Rect{7, 27, 371, 112}));
  EXPECT_EQ(data->FormInfo().leftTopPoint, (gfx::Point{7, 27}));
  EXPECT_EQ(data->PopupWindow().windowPictureIndex, 1);
  EXPECT_EQ(data->HintWindow().fontHeight, 11);
  EXPECT_EQ(data->HintWindow().fontName, "Arial");
}

TEST_F(SkinDataTest, ListsKeepEntryOrderSkipUnknownKindsAndFindExactNames) {
  store(stored, fullPackage());
  data->setCompressedStoredSkin(&stored);
  ASSERT_EQ(data->ObjectDataList().size(), 2u);
  auto* close = dynamic_cast<skin::TbsDataSkinStdButton*>(data->ObjectDataList()[0].get());
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->command, skin::StdCommand::Close);
  EXPECT_EQ(close->skinRect, (gfx::Rect{1, 2, 3, 4}));
  EXPECT_EQ(data->FindObjectData("deco"), 1);

  ASSERT_EQ(data->ControlDataList().size(), 4u);
  EXPECT_EQ(skin::ControlKindWord(*data->ControlDataList()[0]), "button");
  EXPECT_EQ(skin::ControlKindWord(*data->ControlDataList()[1]), "panel");
  // The same section twice: two objects, both reading it; lookups find the first.
  EXPECT_EQ(data->ControlDataList()[1]->skinRect, (gfx::Rect{0, 0, 60, 20}));
  EXPECT_EQ(data->FindControlData("button"), 0);
  EXPECT_EQ(data->FindControlData("Button"), -1);
  EXPECT_EQ(data->FindControlData("tree"), 3);
  EXPECT_EQ(data->FindControlData(""), -1);
  EXPECT_EQ(data->SkippedEntries(),
            (std::vector<std::string>{"SKINOBJECTS 2=x:weird", "SKINCONTROLS 1=nocolon",
                                      "SKINCONTROLS 2=thing:Button"}));
}

TEST_F(SkinDataTest, MessagesGoToTheOwnerFirstThenEveryOtherWindowInOrder) {
  store(stored, fullPackage());
  data->setCompressedStoredSkin(&stored);
  EXPECT_EQ(sequence(log), (std::vector<std::string>{"owner:1225", "login:1225", "course:1225",
                                                     "owner:1226", "login:1226", "course:1226",
                                                     "owner:1227", "login:1227", "course:1227"}));
  for (const Received& r : log) {
    EXPECT_EQ(r.sender, data.get());
    EXPECT_EQ(r.param, 1000);
    EXPECT_EQ(r.empty, r.message == skin::SkinChanging);
  }
  // Setting the same stored skin again reads it again, with all messages.
  log.clear();
  data->setCompressedStoredSkin(&stored);
  EXPECT_EQ(log.size(), 9u);
  // Null keeps the skin and says nothing.
  log.clear();
  data->setCompressedStoredSkin(nullptr);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(data->Empty());
  EXPECT_EQ(data->SkinName(), "Blue");
}

TEST_F(SkinDataTest, AnEmptyStoredSkinChangesNothing) {
  store(stored, fullPackage());
  data->setCompressedStoredSkin(&stored);
  log.clear();
  TbsCompressedStoredSkin empty;
  data->setCompressedStoredSkin(&empty);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(data->Empty());
  EXPECT_EQ(data->ControlDataList().size(), 4u);
}

TEST_F(SkinDataTest, VersionFourIsRefusedAfterSkinChanging) {
  Package p = fullPackage();
  p.version = 4;
  store(stored, p);
  data->setCompressedStoredSkin(&stored);
  EXPECT_TRUE(data->Empty());
  EXPECT_EQ(sequence(log), (std::vector<std::string>{"owner:1225", "login:1225", "course:1225"}));
  EXPECT_TRUE(data->ActivePictures().empty());
}

TEST_F(SkinDataTest, OlderVersionsReadLikeVersionThreeAndTwoSkipsItsLegacyPictures) {
  for (std::int32_t version : {0, 1, 2, 3}) {
    Package p = fullPackage();
    p.version = version;
    if (version == 2) p.legacy = {testpkg::Bmp24(9, 9, 9), Bytes{}};
    store(stored, p);
    data->ReadPackage(stored);
    ASSERT_FALSE(data->Empty()) << version;
    EXPECT_EQ(data->ActivePictures().size(), 2u) << version;
    EXPECT_EQ(data->ActivePictures()[0].width(), 3) << version;
    EXPECT_EQ(data->SkinName(), "Blue") << version;
  }
}

TEST_F(SkinDataTest, ACountOfZeroOrLessMeansTheTextFollowsTheCount) {
  for (std::int32_t count : {0, -1, -2000000000}) {
    Package p;
    p.overrideCount = true;
    p.countOverride = count;
    p.text = testpkg::MinimalDefinition();
    store(stored, p);
    data->ReadPackage(stored);
    ASSERT_FALSE(data->Empty()) << count;
    EXPECT_TRUE(data->ActivePictures().empty());
    EXPECT_EQ(data->SkinName(), "Test");
  }
}

TEST_F(SkinDataTest, TheDefinitionRunsToTheLastByte) {
  Package p;
  // No final line break: the last key still counts.
  p.text = testpkg::MinimalDefinition("[HINTWINDOW]\r\nfontheight=23");
  store(stored, p);
  data->ReadPackage(stored);
  EXPECT_EQ(data->HintWindow().fontHeight, 23);
}

struct BadPackage {
  const char* name;
  std::function<Bytes()> bytes;
};

class BadPackages : public SkinDataTest, public testing::WithParamInterface<BadPackage> {};

TEST_P(BadPackages, FailCleanlyAndLeaveTheSkinEmptyWithoutSkinChanged) {
  stored.setCompressedData(testpkg::Compress(GetParam().bytes()));
  EXPECT_THROW(data->ReadPackage(stored), std::exception);
  EXPECT_TRUE(data->Empty());
  EXPECT_EQ(sequence(log), (std::vector<std::string>{"owner:1225", "login:1225", "course:1225"}));
}

Bytes withCount(std::int32_t count) {
  Bytes b;
  testpkg::Int32(b, 3);
  b.insert(b.end(), {1, 1, 1});
  testpkg::Int32(b, count);
  testpkg::Append(b, testpkg::Bmp24(2, 2));
  return b;
}

Bytes hugeBmpHeader() {
  Bytes bmp = testpkg::Bmp24(2, 2);
  // Width and height claim 60000 x 60000 pixels: gigabytes that are not there.
  for (int i = 0; i < 4; ++i) {
    bmp[18 + i] = static_cast<std::uint8_t>(60000 >> (8 * i));
    bmp[22 + i] = static_cast<std::uint8_t>(60000 >> (8 * i));
  }
  Bytes b;
  testpkg::Int32(b, 3);
  b.push_back(0);
  testpkg::Append(b, bmp);
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    All, BadPackages,
    testing::Values(
        BadPackage{"TruncatedVersion",
                   [] {
                     return Bytes{3, 0};
                   }},
        BadPackage{"MissingFlag",
                   [] {
                     return Bytes{3, 0, 0, 0};
                   }},
        BadPackage{"FlagThenTruncatedBmp",
                   [] {
                     Bytes b;
                     testpkg::Int32(b, 3);
                     b.push_back(0);
                     Bytes bmp = testpkg::Bmp24(8, 8);
                     bmp.erase(bmp.end() - 20, bmp.end());
                     testpkg::Append(b, bmp);
                     return b;
                   }},
        BadPackage{"BmpHeaderClaimsGigabytes", hugeBmpHeader},
        BadPackage{"HugeActivePictureCount", [] { return withCount(2000000000); }},
        BadPackage{"CountOneMoreThanThePictures", [] { return withCount(2); }},
        BadPackage{"MissingCount",
                   [] {
                     Bytes b;
                     testpkg::Int32(b, 3);
                     b.insert(b.end(), {1, 1, 1, 0});
                     return b;
                   }},
        BadPackage{"EmptyRectValue",
                   [] {
                     Package p;
                     p.text = testpkg::MinimalDefinition() + "[FORMINFO]\r\nclientrect=\r\n";
                     return p.bytes();
                   }},
        BadPackage{"RectWithThreeNumbersInAControl",
                   [] {
                     Package p;
                     p.text =
                         "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n"
                         "[SKINCONTROLS]\r\ncount=1\r\n0=b:button\r\n[b]\r\nskinrect=1,2,3\r\n";
                     return p.bytes();
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SkinDataTest, CorruptCompressedBytesPropagateAsDecompressionErrors) {
  Bytes c = testpkg::Compress(fullPackage().bytes());
  for (std::size_t i = 4; i < c.size(); i += 3) c[i] ^= 0xA5;
  stored.setCompressedData(c);
  EXPECT_THROW(data->ReadPackage(stored), skin::EZlibError);
  EXPECT_TRUE(data->Empty());
}

TEST_F(SkinDataTest, APackageThatInflatesPastTheLimitIsRefused) {
  Package p;
  p.text = testpkg::MinimalDefinition() + std::string(3 << 20, ';');  // 3 MB of comment
  store(stored, p);
  EXPECT_LT(stored.compressedData().size(), 100000u);
  data->setMaxPackageSize(1 << 20);
  EXPECT_THROW(data->ReadPackage(stored), skin::ESkinPackageError);
  EXPECT_TRUE(data->Empty());
  data->setMaxPackageSize(4 << 20);
  data->ReadPackage(stored);
  EXPECT_FALSE(data->Empty());
}

TEST_F(SkinDataTest, AFailedReadKeepsWhatWasReadSoFar) {
  Package p = fullPackage();
  p.text += "[SKINCONTROLS]\r\n[list]\r\nitemrect=1\r\n";
  store(stored, p);
  EXPECT_THROW(data->ReadPackage(stored), skin::EConvertError);
  EXPECT_TRUE(data->Empty());
  EXPECT_EQ(data->ActivePictures().size(), 2u);
  EXPECT_EQ(data->FindControlData("button"), 0);
}

TEST_F(SkinDataTest, DestroyingTheStoredSkinClearsTheReferenceAndKeepsTheSkin) {
  auto own = std::make_unique<TbsCompressedStoredSkin>();
  store(*own, fullPackage());
  data->setCompressedStoredSkin(own.get());
  log.clear();
  own.reset();
  EXPECT_EQ(data->CompressedStoredSkin(), nullptr);
  EXPECT_FALSE(data->Empty());
  EXPECT_EQ(data->SkinName(), "Blue");
  EXPECT_TRUE(log.empty());
}

TEST_F(SkinDataTest, TheTextTableSetterTellsEveryWindowAndRemovalClearsIt) {
  auto strings = std::make_unique<skin::TbsResourceStrData>();
  data->setResourceStrData(strings.get());
  EXPECT_EQ(sequence(log), (std::vector<std::string>{"owner:1274", "login:1274", "course:1274"}));
  log.clear();
  strings.reset();
  EXPECT_EQ(data->ResourceStrData(), nullptr);
  EXPECT_TRUE(log.empty());
  data->setResourceStrData(nullptr);
  EXPECT_EQ(log.size(), 3u);
}

TEST_F(SkinDataTest, InTheDesignStateSettersOnlyStore) {
  store(stored, fullPackage());
  data->setDesigning(true);
  data->setCompressedStoredSkin(&stored);
  skin::TbsResourceStrData strings;
  data->setResourceStrData(&strings);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(data->Empty());
  EXPECT_EQ(data->CompressedStoredSkin(), &stored);
  data->setResourceStrData(nullptr);
}

TEST_F(SkinDataTest, ResetAndReleaseDropTheLoadedData) {
  store(stored, fullPackage());
  data->ReadPackage(stored);
  data->ReleaseDataObjects();
  EXPECT_TRUE(data->ObjectDataList().empty());
  EXPECT_TRUE(data->ControlDataList().empty());
  EXPECT_TRUE(data->ActivePictures().empty());
  EXPECT_EQ(data->PopupWindow().windowPictureIndex, -1);
  EXPECT_EQ(data->HintWindow().windowPictureIndex, -1);
  EXPECT_FALSE(data->Picture().empty());
  data->ResetSkin();
  EXPECT_TRUE(data->Picture().empty());
  EXPECT_TRUE(data->MaskPicture().empty());
  EXPECT_EQ(data->MaskName(), "");
  EXPECT_TRUE(data->Empty());
}

TEST_F(SkinDataTest, AnyNonZeroFlagMeansThePictureIsAbsent) {
  Bytes b;
  testpkg::Int32(b, 3);
  b.push_back(0);
  testpkg::Append(b, testpkg::Bmp24(2, 3, 9));
  b.push_back(0xFF);
  b.push_back(7);
  testpkg::Int32(b, 0);
  testpkg::Append(b, testpkg::MinimalDefinition());
  stored.setCompressedData(testpkg::Compress(b));
  data->ReadPackage(stored);
  ASSERT_FALSE(data->Empty());
  EXPECT_EQ(data->Picture().height(), 3);
  EXPECT_TRUE(data->InactivePicture().empty());
  EXPECT_TRUE(data->MaskPicture().empty());
}

// Closes another window while it handles a message, as a window may do.
class ClosingWindow : public skin::SkinMessageListener {
 public:
  ClosingWindow(WindowList* list, std::vector<Received>* log) : list_(list), log_(log) {}
  void skinMessage(int message, TbsSkinData* sender, std::intptr_t param) override {
    log_->push_back({"closer", message, sender, param, sender->Empty()});
    list_->windows.pop_back();
  }

 private:
  WindowList* list_;
  std::vector<Received>* log_;
};

TEST(SkinDataAlone, AWindowClosedDuringABroadcastIsNotVisited) {
  std::vector<Received> log;
  WindowList windows;
  ClosingWindow closer(&windows, &log);
  RecordingWindow a("a", &log), b("b", &log);
  windows.windows = {&a, &closer, &b};
  TbsSkinData data(nullptr, &windows);
  data.BroadcastSkinMessage(skin::SkinChanging);
  EXPECT_EQ(sequence(log), (std::vector<std::string>{"a:1225", "closer:1225"}));
}

TEST(SkinDataAlone, AWindowlessOwnerSendsOnlyToTheOpenWindows) {
  std::vector<Received> log;
  RecordingWindow a("a", &log);
  WindowList windows;
  windows.windows = {&a};
  TbsSkinData data(nullptr, &windows);
  EXPECT_TRUE(data.Empty());
  EXPECT_EQ(data.FormInfo().bgPictureIndex, -1);
  EXPECT_EQ(data.PopupWindow().maskPictureIndex, -1);
  data.BroadcastSkinMessage(skin::SkinChanged);
  EXPECT_EQ(sequence(log), std::vector<std::string>{"a:1226"});
}

TEST(ResourceStrings, TheBuiltInTableAndCaseInsensitiveLookup) {
  skin::TbsResourceStrData strings;
  EXPECT_EQ(strings.ResStrings().size(), 115u);
  EXPECT_EQ(strings.CharSet(), 1);
  EXPECT_EQ(strings.ResStrings().front(), "MI_MINCAPTION=Mi&nimize");
  EXPECT_EQ(strings.ResStrings().back().rfind("FIND_REPLACE_CLOSE=", 0), 0u);
  EXPECT_EQ(strings.GetResStr("mi_mincaption"), "Mi&nimize");
  EXPECT_EQ(strings.GetResStr("MSG_BTN_NOTOALL"), "N&oToAll");
  EXPECT_EQ(strings.GetResStr("FLV_MODIFIED"), "Modified");
  EXPECT_EQ(strings.GetResStr("NO_SUCH_KEY"), "");
  strings.setResStrings({"A=1=2", "a=second", "B"});
  EXPECT_EQ(strings.GetResStr("a"), "1=2");
  EXPECT_EQ(strings.GetResStr("B"), "");
  strings.FillDefaultStrings();
  EXPECT_EQ(strings.GetResStr("CLOSEBUTTON_HINT"), "Close");
}

}  // namespace
