// The definition text: INI syntax, the value types and their written forms,
// lists, the required sections and the [FORMINFO] adjustments.
#include <gtest/gtest.h>

#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"
#include "skin/data/window_data.h"

namespace {

using skin::SkinDefinition;

TEST(SkinDefinitionSyntax, CaseInsensitiveNamesFirstKeyWinsAndTrimmedValues) {
  const SkinDefinition def = SkinDefinition::Parse(
      "; a comment\r\n"
      "stray=outside any section\r\n"
      "[Button]\r\n"
      "  SkinRect =  1,2,3,4  \r\n"
      "skinrect=9,9,9,9\r\n"
      "no equals sign here\n"
      "\n"
      "[other]\r"
      "Word=FsBold\r"
      "[BUTTON]\r\n"
      "late=1\r\n");
  EXPECT_EQ(*def.find("button", "SKINRECT"), "1,2,3,4");
  EXPECT_EQ(*def.find("OTHER", "word"), "FsBold");  // the value keeps its case
  EXPECT_EQ(*def.find("button", "late"), "1");      // a repeated section continues
  EXPECT_EQ(def.find("button", "stray"), nullptr);
  EXPECT_EQ(def.find("missing", "x"), nullptr);
  EXPECT_EQ(def.sections().size(), 2u);
}

TEST(SkinDefinitionSyntax, RequiredSectionsMayBeEmpty) {
  const SkinDefinition full =
      SkinDefinition::Parse("[version]\n[PICTURES]\n[FormInfo]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
  EXPECT_TRUE(skin::IsSkinDefinition(full));
  const SkinDefinition partial =
      SkinDefinition::Parse("[VERSION]\n[PICTURES]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
  EXPECT_FALSE(skin::IsSkinDefinition(partial));
  EXPECT_EQ(skin::MissingSkinSections(partial), std::vector<std::string>{"FORMINFO"});
}

struct ValueCase {
  const char* name;
  const char* line;  // the key=value line in [s], or "" for an absent key
  std::function<void(const SkinDefinition&)> check;
};

class ValueTypes : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueTypes, ReadsAsDocumented) {
  const SkinDefinition def = SkinDefinition::Parse(std::string("[s]\n") + GetParam().line + "\n");
  GetParam().check(def);
}

using gfx::Point;
using gfx::Rect;

INSTANTIATE_TEST_SUITE_P(
    All, ValueTypes,
    testing::Values(
        ValueCase{"RectMinusSignIsDropped", "r=5,-3,20,40",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadRect(d, "s", "r"), (Rect{5, 3, 20, 40}));
                  }},
        ValueCase{"RectSpacesVanish", "r=1, 2,  3 , 4",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadRect(d, "s", "r"), (Rect{1, 2, 3, 4}));
                  }},
        ValueCase{"RectAbsentIsZero", "",
                  [](auto& d) { EXPECT_EQ(skin::ReadRect(d, "s", "skinrect"), Rect{}); }},
        ValueCase{
            "RectEmptyFails", "skinrect=",
            [](auto& d) { EXPECT_THROW(skin::ReadRect(d, "s", "skinrect"), skin::EConvertError); }},
        ValueCase{"RectThreeNumbersFail", "r=1,2,3",
                  [](auto& d) { EXPECT_THROW(skin::ReadRect(d, "s", "r"), skin::EConvertError); }},
        ValueCase{"RectPieceWithoutDigitFails", "r=1,x,3,4",
                  [](auto& d) { EXPECT_THROW(skin::ReadRect(d, "s", "r"), skin::EConvertError); }},
        ValueCase{"RectExtraNumbersIgnored", "r=1,2,3,4,5,6",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadRect(d, "s", "r"), (Rect{1, 2, 3, 4}));
                  }},
        ValueCase{"RectOverflowFails", "r=1,2,3,99999999999",
                  [](auto& d) { EXPECT_THROW(skin::ReadRect(d, "s", "r"), skin::EConvertError); }},
        ValueCase{"PointExtraNumbersIgnored", "p=7,8,9",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadPoint(d, "s", "p"), (Point{7, 8}));
                  }},
        ValueCase{"PointOneNumberFails", "p=7",
                  [](auto& d) { EXPECT_THROW(skin::ReadPoint(d, "s", "p"), skin::EConvertError); }},
        ValueCase{"FontStyleWordsAnySeparator", "f=fsitalic fsbold",
                  [](auto& d) {
                    const auto s = skin::ReadFontStyles(d, "s", "f");
                    EXPECT_TRUE(s.bold && s.italic);
                    EXPECT_FALSE(s.underline || s.strikeOut);
                  }},
        ValueCase{
            "FontStyleCapitalsGiveNone", "f=FSBOLD",
            [](auto& d) { EXPECT_EQ(skin::ReadFontStyles(d, "s", "f"), skin::FontStyles{}); }},
        ValueCase{"BooleanOnlyOneIsTrue", "a=1",
                  [](auto& d) { EXPECT_TRUE(skin::ReadBoolean(d, "s", "a", false)); }},
        ValueCase{"BooleanTwoIsFalse", "a=2",
                  [](auto& d) { EXPECT_FALSE(skin::ReadBoolean(d, "s", "a", false)); }},
        ValueCase{"BooleanTrueWordIsFalse", "a=true",
                  [](auto& d) { EXPECT_FALSE(skin::ReadBoolean(d, "s", "a", false)); }},
        ValueCase{"EffectInCapitalsIsGrayscale", "e=IENOISE",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadInactiveEffect(d, "s", "e"),
                              skin::InactiveEffect::Grayscale);
                  }},
        ValueCase{"EffectWordNoise", "e=ienoise",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadInactiveEffect(d, "s", "e"), skin::InactiveEffect::Noise);
                  }},
        ValueCase{"EffectAbsentIsBrightness", "",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadInactiveEffect(d, "s", "e"),
                              skin::InactiveEffect::Brightness);
                  }},
        ValueCase{"AlignmentCenterWithoutPrefixIsRight", "alignment=center",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadAlignment(d, "s", "alignment"),
                              skin::TextAlignment::RightJustify);
                  }},
        ValueCase{"AlignmentAbsentIsCenter", "",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadAlignment(d, "s", "alignment"),
                              skin::TextAlignment::Center);
                  }},
        ValueCase{
            "MorphUnknownIsDefault", "m=mkPush",
            [](auto& d) { EXPECT_EQ(skin::ReadMorphKind(d, "s", "m"), skin::MorphKind::Default); }},
        ValueCase{"IntegerHexForms", "i=0x1F",
                  [](auto& d) { EXPECT_EQ(skin::ReadInteger(d, "s", "i", 0), 31); }},
        ValueCase{"IntegerDollarHexSpansAllBits", "i=$FFFFFFFF",
                  [](auto& d) { EXPECT_EQ(skin::ReadInteger(d, "s", "i", 0), -1); }},
        ValueCase{"IntegerNegative", "i=-12",
                  [](auto& d) { EXPECT_EQ(skin::ReadInteger(d, "s", "i", 0), -12); }},
        ValueCase{"IntegerGarbageGivesDefault", "i=12px",
                  [](auto& d) { EXPECT_EQ(skin::ReadInteger(d, "s", "i", -1), -1); }},
        ValueCase{"IntegerEmptyGivesDefault",
                  "i=", [](auto& d) { EXPECT_EQ(skin::ReadInteger(d, "s", "i", 14), 14); }},
        ValueCase{"IntegerOverflowGivesDefault", "i=2147483648",
                  [](auto& d) { EXPECT_EQ(skin::ReadInteger(d, "s", "i", 5), 5); }},
        ValueCase{"ColorIsTheIntegerValue", "c=16711935",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadColor(d, "s", "c", gfx::kBlack),
                              gfx::Color::rgb(255, 0, 255));
                  }},
        ValueCase{"CommandWrongCaseIsTray", "command=cmMinimize",
                  [](auto& d) {
                    EXPECT_EQ(skin::ReadCommand(d, "s", "command"),
                              skin::StdCommand::MinimizeToTray);
                  }},
        ValueCase{"StringIsTakenUnchanged", "n=Some Name; x",
                  [](auto& d) { EXPECT_EQ(skin::ReadString(d, "s", "n", ""), "Some Name; x"); }}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST(SkinDefinitionValues, WrittenForms) {
  EXPECT_EQ(skin::FormatRect({1, 2, 3, 4}), "1,2,3,4");
  EXPECT_EQ(skin::FormatPoint({5, 6}), "5,6");
  EXPECT_EQ(skin::FormatFontStyles({true, true, true, true}),
            "fsbold,fsitalic,fsunderline,fsstrikeout");
  EXPECT_EQ(skin::FormatFontStyles({false, true, false, true}), "fsitalic,fsstrikeout");
  EXPECT_EQ(skin::FormatFontStyles({}), "");
  EXPECT_STREQ(skin::AlignmentWord(skin::TextAlignment::LeftJustify), "taleftjustify");
  EXPECT_STREQ(skin::AlignmentWord(skin::TextAlignment::RightJustify), "tarightjustify");
  EXPECT_STREQ(skin::AlignmentWord(skin::TextAlignment::Center), "tacenter");
  EXPECT_STREQ(skin::CommandWord(skin::StdCommand::MinimizeToTray), "cmminimizetotray");
  EXPECT_STREQ(skin::CommandWord(skin::StdCommand::RollUp), "cmrollup");
  EXPECT_STREQ(skin::InactiveEffectWord(skin::InactiveEffect::Invert), "ieinvert");
  EXPECT_STREQ(skin::MorphKindWord(skin::MorphKind::Push), "mkpush");
}

TEST(SkinDefinitionLists, CountedListWithAMissingKeyGivesAnEmptyName) {
  const SkinDefinition def =
      SkinDefinition::Parse("[PICTURES]\nactivepicturescount=2\n0=frame.bmp\n");
  EXPECT_EQ(skin::ReadStringList(def, "PICTURES", "activepictures"),
            (std::vector<std::string>{"frame.bmp", ""}));
  const SkinDefinition none = SkinDefinition::Parse("[PICTURES]\nactivepicturescount=-3\n0=a\n");
  EXPECT_TRUE(skin::ReadStringList(none, "PICTURES", "activepictures").empty());
}

TEST(SkinDefinitionLists, AHugeCountIsCappedInsteadOfTrusted) {
  const SkinDefinition def = SkinDefinition::Parse("[SKINCONTROLS]\ncount=2000000000\n0=a:b\n");
  const auto list = skin::ReadStringList(def, "SKINCONTROLS", "");
  ASSERT_EQ(list.size(), static_cast<std::size_t>(skin::kMaxSkinListEntries));
  EXPECT_EQ(list[0], "a:b");
}

TEST(SkinDefinitionWriting, WriteReplacesInPlaceAndEraseRemovesTheSection) {
  SkinDefinition def = SkinDefinition::Parse("[a]\nx=1\ny=2\n[b]\nz=3\n");
  def.writeString("A", "X", "10");
  def.writeString("a", "w", "4");
  def.writeString("c", "k", "v");
  def.eraseSection("B");
  EXPECT_EQ(def.text(), "[a]\r\nx=10\r\ny=2\r\nw=4\r\n\r\n[c]\r\nk=v\r\n");
}

// [FORMINFO] with a client rect of 7,27,371,112.
skin::SkinFormInfo formInfo(const std::string& keys, bool hasMask) {
  skin::SkinFormInfo info;
  info.ReadSection(SkinDefinition::Parse("[FORMINFO]\nclientrect=7,27,371,112\n" + keys), hasMask);
  return info;
}

TEST(FormInfoAdjustments, CornerPointsArePulledInsideTheClientRect) {
  const auto info = formInfo(
      "lefttoppoint=3,20\nrighttoppoint=380,20\n"
      "leftbottompoint=3,120\nrightbottompoint=380,120\n",
      false);
  EXPECT_EQ(info.leftTopPoint, (Point{7, 27}));
  EXPECT_EQ(info.rightTopPoint, (Point{371, 27}));
  EXPECT_EQ(info.leftBottomPoint, (Point{7, 112}));
  EXPECT_EQ(info.rightBottomPoint, (Point{371, 112}));
}

TEST(FormInfoAdjustments, NoCornerPointMovesWhenRightBottomSharesAnXWithLeftTop) {
  const auto info =
      formInfo("lefttoppoint=3,20\nrightbottompoint=3,120\nrighttoppoint=380,2\n", false);
  EXPECT_EQ(info.leftTopPoint, (Point{3, 20}));
  EXPECT_EQ(info.rightBottomPoint, (Point{3, 120}));
  EXPECT_EQ(info.rightTopPoint, (Point{380, 2}));
}

TEST(FormInfoAdjustments, WithAMaskTheMaskAreaCoversTheClientRect) {
  EXPECT_EQ(formInfo("maskrectarea=0,0,0,0\n", true).maskRectArea, (Rect{7, 27, 371, 112}));
  EXPECT_EQ(formInfo("maskrectarea=4,3,374,116\n", true).maskRectArea, (Rect{4, 3, 374, 116}));
  EXPECT_EQ(formInfo("maskrectarea=10,3,300,116\n", true).maskRectArea, (Rect{7, 3, 371, 116}));
  // Without a mask name the area stays as read.
  EXPECT_EQ(formInfo("maskrectarea=0,0,0,0\n", false).maskRectArea, Rect{});
}

TEST(FormInfoAdjustments, WithAMaskNullHitTestPointsTakeTheCornerPoints) {
  const std::string keys =
      "lefttoppoint=10,30\nrighttoppoint=360,30\nleftbottompoint=10,100\n"
      "rightbottompoint=360,100\nhittestlefttoppoint=0,5\nhittestrighttoppoint=200,8\n";
  const auto masked = formInfo(keys, true);
  EXPECT_EQ(masked.hitTestLeftTopPoint, (Point{10, 30}));  // x 0 makes it null
  EXPECT_EQ(masked.hitTestRightTopPoint, (Point{200, 8}));
  EXPECT_EQ(masked.hitTestRightBottomPoint, (Point{360, 100}));
  const auto plain = formInfo(keys, false);
  EXPECT_EQ(plain.hitTestLeftTopPoint, (Point{0, 5}));
  EXPECT_EQ(plain.hitTestRightBottomPoint, Point{});
}

TEST(FormInfoDefaults, IndicesStartAtMinusOneAndTheEffectAtBrightness) {
  const auto info = formInfo("inactiveeffect=ieinvert\n", false);
  EXPECT_EQ(info.bgPictureIndex, -1);
  EXPECT_EQ(info.mdiBGPictureIndex, -1);
  EXPECT_EQ(info.inactiveEffect, skin::InactiveEffect::Invert);
  EXPECT_EQ(formInfo("", false).inactiveEffect, skin::InactiveEffect::Brightness);
}

}  // namespace
