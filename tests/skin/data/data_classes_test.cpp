// The object and control data classes: kind tables, the keys each class
// reads, the fix-ups after reading and the sections WriteSection produces.
#include <gtest/gtest.h>

#include "skin/data/control_data.h"
#include "skin/data/kind_tables.h"
#include "skin/data/more_control_data.h"
#include "skin/data/object_data.h"

namespace {

using gfx::Point;
using gfx::Rect;
using skin::SkinDefinition;

template <class T>
std::unique_ptr<T> readAs(const char* kind, const std::string& sectionText, bool object = true) {
  const SkinDefinition def = SkinDefinition::Parse("[sec]\n" + sectionText);
  if (object) {
    auto obj = skin::CreateObjectData(kind, "sec");
    EXPECT_NE(dynamic_cast<T*>(obj.get()), nullptr) << kind;
    obj->ReadSection(def);
    return std::unique_ptr<T>(dynamic_cast<T*>(obj.release()));
  }
  auto ctrl = skin::CreateControlData(kind, "sec");
  EXPECT_NE(dynamic_cast<T*>(ctrl.get()), nullptr) << kind;
  ctrl->ReadSection(def);
  return std::unique_ptr<T>(dynamic_cast<T*>(ctrl.release()));
}

template <class T>
std::unique_ptr<T> readControl(const char* kind, const std::string& sectionText) {
  return readAs<T>(kind, sectionText, false);
}

TEST(KindTables, EveryWordMakesItsOwnClassAndOthersNothing) {
  EXPECT_EQ(skin::ObjectKindWords().size(), 8u);
  EXPECT_EQ(skin::ControlKindWords().size(), 28u);
  for (std::string_view word : skin::ObjectKindWords()) {
    auto obj = skin::CreateObjectData(word, "x");
    ASSERT_NE(obj, nullptr) << word;
    EXPECT_EQ(skin::ObjectKindWord(*obj), word);
    EXPECT_EQ(obj->sectionName, "x");
  }
  for (std::string_view word : skin::ControlKindWords()) {
    auto ctrl = skin::CreateControlData(word, "x");
    ASSERT_NE(ctrl, nullptr) << word;
    EXPECT_EQ(skin::ControlKindWord(*ctrl), word);
  }
  for (const char* bad : {"Button", "stdButton", "", " button", "mainmenuitem", "custom"}) {
    EXPECT_EQ(skin::CreateObjectData(bad, "x"), nullptr) << bad;
  }
  EXPECT_EQ(skin::CreateControlData("Panel", "x"), nullptr);
  // Subclasses are told apart: a main menu bar button is a std button too.
  auto bb = skin::CreateObjectData("mainmenubarbutton", "x");
  EXPECT_NE(dynamic_cast<skin::TbsDataSkinMainMenuBarButton*>(bb.get()), nullptr);
  EXPECT_NE(dynamic_cast<skin::TbsDataSkinStdButton*>(bb.get()), nullptr);
  auto memo = skin::CreateControlData("memo", "x");
  EXPECT_NE(dynamic_cast<skin::TbsDataSkinEditControl*>(memo.get()), nullptr);
}

TEST(ObjectData, StdButtonReadsItsParentsKeysAndTheCommandWord) {
  auto b = readAs<skin::TbsDataSkinStdButton>(
      "stdbutton",
      "hint=Close it\nactivepictureindex=2\nskinrect=1,2,3,4\ndownrect=5,6,7,8\n"
      "disableskinrsect=9,10,11,12\ncommand=cmclose\nrestorerect=1,1,2,2\nmorphing=1\n"
      "morphkind=mkleftslide\n");
  EXPECT_EQ(b->hint, "Close it");
  EXPECT_EQ(b->activePictureIndex, 2);
  EXPECT_EQ(b->skinRect, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(b->downRect, (Rect{5, 6, 7, 8}));
  EXPECT_EQ(b->disableSkinRect, (Rect{9, 10, 11, 12}));
  EXPECT_EQ(b->command, skin::StdCommand::Close);
  EXPECT_EQ(b->restoreRect, (Rect{1, 1, 2, 2}));
  EXPECT_TRUE(b->morphing);
  EXPECT_EQ(b->morphKind, skin::MorphKind::LeftSlide);
  EXPECT_EQ(readAs<skin::TbsDataSkinStdButton>("stdbutton", "")->command,
            skin::StdCommand::Default);
}

TEST(ObjectData, CommandWithACapitalIsTrayAndIsWrittenBackAsSuch) {
  auto b = readAs<skin::TbsDataSkinStdButton>("stdbutton", "command=cmMinimize\n");
  EXPECT_EQ(b->command, skin::StdCommand::MinimizeToTray);
  SkinDefinition out;
  b->WriteSection(out);
  EXPECT_EQ(*out.find("sec", "command"), "cmminimizetotray");
}

TEST(ObjectData, AnimateNeverMorphsAndHasFrameDefaults) {
  auto a = readAs<skin::TbsDataSkinAnimate>("animate", "morphing=1\ncycle=1\n");
  EXPECT_FALSE(a->morphing);
  EXPECT_TRUE(a->cycle);
  EXPECT_EQ(a->countFrames, 1);
  EXPECT_EQ(a->timerInterval, 50);
  EXPECT_EQ(a->command, skin::StdCommand::Default);
}

TEST(ObjectData, UserObjectReadsOnlyItsImage) {
  auto u = readAs<skin::TbsDataUserObject>(
      "userobject", "hint=ignored\nactivepictureindex=3\nskinrect=1,2,3,4\nmorphing=1\n");
  EXPECT_EQ(u->hint, "");
  EXPECT_EQ(u->activePictureIndex, -1);
  EXPECT_FALSE(u->morphing);
  EXPECT_EQ(u->skinRect, (Rect{1, 2, 3, 4}));
}

TEST(ObjectData, MainMenuBarItemFindsItsDisabledColourInLowerCase) {
  auto item = readAs<skin::TbsDataSkinMainMenuBarItem>(
      "mainmenubaritem", "unenabledfontcolor=255\nfontname=Tahoma\ndownfontcolor=7\n");
  EXPECT_EQ(item->unenabledFontColor, gfx::Color(255));
  EXPECT_EQ(item->fontName, "Tahoma");
  EXPECT_EQ(item->fontHeight, 14);
  EXPECT_EQ(item->downFontColor, gfx::Color(7));
}

TEST(ObjectData, CaptionAlignmentAndShadow) {
  auto c = readAs<skin::TbsDataSkinCaption>("caption",
                                            "alignment=taleftjustify\nshadow=1\nshadowcolor=5\n");
  EXPECT_EQ(c->alignment, skin::TextAlignment::LeftJustify);
  EXPECT_TRUE(c->shadow);
  EXPECT_EQ(c->shadowColor, gfx::Color(5));
  EXPECT_EQ(readAs<skin::TbsDataSkinCaption>("caption", "")->alignment,
            skin::TextAlignment::Center);
}

TEST(ObjectData, ConstructionGivesMinusOnePictureAndZeroElsewhere) {
  skin::TbsDataSkinMenuItem item("m");
  EXPECT_EQ(item.activePictureIndex, -1);
  EXPECT_EQ(item.fontHeight, 0);
  EXPECT_EQ(item.fontName, "");
  EXPECT_EQ(item.skinRect, Rect{});
}

TEST(ObjectWriteSection, StdButtonLeavesOnlyItsOwnKeysInReadingOrder) {
  auto b = readAs<skin::TbsDataSkinStdButton>(
      "stdbutton",
      "unknownkey=1\nskinrect=1,2,3,4\ncommand=cmrollup\nstretcheffect=1\nmorphing=1\n"
      "morphkind=mkpush\nhint=h\n");
  SkinDefinition out = SkinDefinition::Parse("[sec]\nleftover=9\n[other]\nk=v\n");
  b->WriteSection(out);
  EXPECT_EQ(out.sectionText("sec"),
            "hint=h\r\nactivepictureindex=-1\r\nskinrectinapicture=0\r\n"
            "skinrect=1,2,3,4\r\nactiveskinrect=0,0,0,0\r\ninactiveskinrect=0,0,0,0\r\n"
            "morphing=1\r\nmorphkind=mkpush\r\n"
            "downrect=0,0,0,0\r\ndisableskinrsect=0,0,0,0\r\n"
            "command=cmrollup\r\nrestorerect=0,0,0,0\r\nrestoreactiverect=0,0,0,0\r\n"
            "restoredownrect=0,0,0,0\r\nrestoreinactiverect=0,0,0,0\r\n");
  EXPECT_EQ(*out.find("other", "k"), "v");
}

TEST(ObjectWriteSection, UserObjectWritesOnlyItsImageAndCaptionItsWords) {
  skin::TbsDataUserObject u("u");
  u.skinRect = {1, 2, 3, 4};
  SkinDefinition out;
  u.WriteSection(out);
  EXPECT_EQ(out.sectionText("u"), "skinrect=1,2,3,4\r\n");

  auto c = readAs<skin::TbsDataSkinCaption>(
      "caption", "fontstyle=fsitalic fsbold\nalignment=tarightjustify\nfontheight=12\n");
  SkinDefinition cap;
  c->WriteSection(cap);
  EXPECT_EQ(*cap.find("sec", "fontstyle"), "fsbold,fsitalic");
  EXPECT_EQ(*cap.find("sec", "alignment"), "tarightjustify");
  EXPECT_EQ(*cap.find("sec", "fontheight"), "12");
}

TEST(ControlData, ConstructionAppliesTheDocumentedDefaults) {
  skin::TbsDataSkinListBox list("l");
  EXPECT_EQ(list.pictureIndex, -1);
  EXPECT_EQ(list.maskPictureIndex, -1);
  EXPECT_EQ(list.fontName, "Arial");
  EXPECT_EQ(list.fontHeight, 14);
  EXPECT_EQ(list.captionFontHeight, 14);
  EXPECT_EQ(list.vScrollBarName, "vscrollbar");
  skin::TbsDataSkinStdLabelControl label("s");
  EXPECT_EQ(label.activeFontColor, gfx::Color(16711680));
  skin::TbsDataSkinTabControl tab("t");
  EXPECT_EQ(tab.bgPictureIndex, -1);
}

TEST(ControlData, ButtonReadsFontAndStatesButNoStretchKey) {
  auto b = readControl<skin::TbsDataSkinButtonControl>(
      "button",
      "pictureindex=1\nskinrect=0,0,60,20\nrightbottompoint=55,15\nleftstretch=1\n"
      "clientrect=5,5,55,15\nfontcolor=255\nactiveskinrect=0,20,60,40\nmorphing=1\n");
  EXPECT_EQ(b->pictureIndex, 1);
  EXPECT_EQ(b->rightBottomPoint, (Point{55, 15}));
  EXPECT_EQ(b->clientRect, (Rect{5, 5, 55, 15}));
  EXPECT_EQ(b->fontColor, gfx::Color(255));
  EXPECT_EQ(b->activeSkinRect, (Rect{0, 20, 60, 40}));
  EXPECT_TRUE(b->morphing);
  EXPECT_EQ(b->maskPictureIndex, -1);
}

TEST(ControlData, UpDownIsNeverResized) {
  auto u = readControl<skin::TbsDataSkinUpDownControl>(
      "updown",
      "rightbottompoint=10,10\nlefttoppoint=2,2\nclientrect=1,1,9,9\nupbuttonrect=0,0,10,5\n");
  EXPECT_EQ(u->rightBottomPoint, Point{});
  EXPECT_EQ(u->leftTopPoint, Point{});
  EXPECT_EQ(u->clientRect, Rect{});
  EXPECT_EQ(u->upButtonRect, (Rect{0, 0, 10, 5}));
  u->rightTopPoint = {4, 4};
  SkinDefinition out;
  u->WriteSection(out);
  EXPECT_EQ(*out.find("sec", "righttoppoint"), "0,0");
  EXPECT_EQ(*out.find("sec", "upbuttonrect"), "0,0,10,5");
}

TEST(ControlData, ListBoxScrollBarNamesAbsentAreUsualEmptyAreNoneAndCheckListBoxInheritsThem) {
  auto l = readControl<skin::TbsDataSkinListBox>("listbox",
                                                 "hscrollbarname=\nbothhscrollbarname=both2\n");
  EXPECT_EQ(l->vScrollBarName, "vscrollbar");
  EXPECT_EQ(l->hScrollBarName, "");
  EXPECT_EQ(l->bothHScrollBarName, "both2");
  // An empty name survives writing and reading back.
  SkinDefinition out;
  l->WriteSection(out);
  ASSERT_NE(out.find("sec", "hscrollbarname"), nullptr);
  EXPECT_EQ(*out.find("sec", "hscrollbarname"), "");
  auto c = readControl<skin::TbsDataSkinCheckListBox>("checklistbox", "itemcheckrect=1,1,5,5\n");
  EXPECT_EQ(c->vScrollBarName, "vscrollbar");
  EXPECT_EQ(c->itemCheckRect, (Rect{1, 1, 5, 5}));
}

TEST(ControlData, DefaultsOfAbsentKeys) {
  EXPECT_EQ(readControl<skin::TbsDataSkinStdLabelControl>("stdlabel", "")->activeFontColor,
            gfx::Color(16711680));
  EXPECT_EQ(readControl<skin::TbsDataSkinComboBox>("combobox", "")->listBoxName, "");
  EXPECT_EQ(readControl<skin::TbsDataSkinTreeView>("treeview", "")->bgColor, gfx::kBlack);
  EXPECT_EQ(readControl<skin::TbsDataSkinGridControl>("grid", "")->fixedFontName, "Arial");
  EXPECT_EQ(readControl<skin::TbsDataSkinControlBar>("controlbar", "")->bgPictureIndex, -1);
  auto tab = readControl<skin::TbsDataSkinTabControl>(
      "tab", "clientrect=2,2,40,40\nlefttoppoint=3,3\nupdown=tabupdown\n");
  EXPECT_EQ(tab->clientRect, (Rect{2, 2, 40, 40}));
  EXPECT_EQ(tab->leftTopPoint, (Point{3, 3}));
  EXPECT_EQ(tab->upDown, "tabupdown");
}

// The key order of one written section, without the values.
std::vector<std::string> writtenKeys(const skin::TbsDataSkinControl& c) {
  SkinDefinition out;
  c.WriteSection(out);
  std::vector<std::string> keys;
  for (const auto& e : out.sections().at(0).entries) keys.push_back(e.key);
  return keys;
}

std::vector<std::string> tail(std::vector<std::string> v, std::size_t n) {
  return {v.end() - static_cast<std::ptrdiff_t>(n), v.end()};
}

TEST(ControlWriteSection, OrdersWithTheirExceptions) {
  const std::vector<std::string> base = {"pictureindex",     "maskpictureindex", "skinrect",
                                         "lefttoppoint",     "righttoppoint",    "leftbottompoint",
                                         "rightbottompoint", "clientrect"};
  const auto combo = writtenKeys(skin::TbsDataSkinComboBox("c"));
  EXPECT_EQ(std::vector<std::string>(combo.begin(), combo.begin() + 8), base);
  EXPECT_EQ(tail(combo, 5),
            (std::vector<std::string>{"buttonrect", "activebuttonrect", "downbuttonrect",
                                      "unenabledbuttonrect", "listboxname"}));
  const auto check = writtenKeys(skin::TbsDataSkinCheckRadioControl("c"));
  EXPECT_EQ(std::vector<std::string>(check.begin() + 8, check.begin() + 15),
            (std::vector<std::string>{"fontname", "fontheight", "fontstyle", "fontcolor",
                                      "framefontcolor", "activefontcolor", "unenabledfontcolor"}));
  EXPECT_EQ(tail(writtenKeys(skin::TbsDataSkinCheckListBox("c")), 3),
            (std::vector<std::string>{"itemcheckrect", "uncheckimagerect", "checkimagerect"}));
  EXPECT_EQ(writtenKeys(skin::TbsDataSkinBevel("b")),
            (std::vector<std::string>{"pictureindex", "maskpictureindex", "skinrect", "lightcolor",
                                      "darkcolor"}));
}

TEST(ControlWriteSection, AWrittenSectionReadsBackToTheSameValues) {
  auto list = readControl<skin::TbsDataSkinListBox>(
      "listbox",
      "pictureindex=4\nskinrect=1,2,30,40\nitemrect=3,4,5,6\ncaptionfontstyle=fsunderline\n"
      "fontstyle=fsbold\nvscrollbarname=myv\nitemleftoffset=-2\n");
  SkinDefinition out;
  list->WriteSection(out);
  skin::TbsDataSkinListBox again("sec");
  again.ReadSection(out);
  SkinDefinition second;
  again.WriteSection(second);
  EXPECT_EQ(second.text(), out.text());
  EXPECT_EQ(again.itemLeftOffset, -2);
  EXPECT_EQ(again.captionFontStyle.underline, true);
  EXPECT_EQ(again.vScrollBarName, "myv");
}

}  // namespace
