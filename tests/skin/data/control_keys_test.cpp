// Key reading of the control kinds the skinned controls draw from (panel,
// expanel, label, stdlabel, gauge, button, menubutton, checkradio,
// splitter): one section per kind gives every key a value no other key of
// the section has, and each member is read back on its own, so a key read
// into the wrong member, or not read at all, fails. Each kind is read twice:
// with the booleans set one way and key names in lower case, then with the
// booleans the other way and key names in upper case.
#include <algorithm>
#include <cctype>
#include <string>

#include <gtest/gtest.h>

#include "skin/data/control_data.h"
#include "skin/data/more_control_data.h"
#include "skin/data/skin_definition.h"

namespace {

using gfx::Color;
using gfx::Point;
using gfx::Rect;

// Hands out distinct values and records the section text that carries them.
class Values {
 public:
  explicit Values(int pass) : pass_(pass) {}

  int integer(const char* key) {
    const int v = next();
    line(key, std::to_string(v));
    return v;
  }
  Color color(const char* key) {
    const int v = next() * 65793;  // grey levels: every channel distinct from other keys
    line(key, std::to_string(v));
    return Color(static_cast<std::uint32_t>(v));
  }
  Rect rect(const char* key) {
    const int a = next();
    const Rect r{a, a + 1, a + 102, a + 203};
    line(key, std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
                  "," + std::to_string(r.bottom));
    return r;
  }
  Point point(const char* key) {
    const int a = next();
    line(key, std::to_string(a) + "," + std::to_string(a + 1));
    return {a, a + 1};
  }
  std::string text(const char* key) {
    const std::string v = "name" + std::to_string(next());
    line(key, v);
    return v;
  }
  // Booleans alternate, starting the other way round in the second pass.
  bool flag(const char* key) {
    const bool v = (flags_++ + pass_) % 2 == 0;
    line(key, v ? "1" : "0");
    return v;
  }
  void word(const char* key, const char* value) { line(key, value); }

  skin::SkinDefinition definition(const std::string& section) const {
    return skin::SkinDefinition::Parse("[" + section + "]\r\n" + text_);
  }

 private:
  int next() { return counter_ += 7; }
  void line(const char* key, const std::string& value) {
    std::string k = key;
    if (pass_ == 1)
      std::transform(k.begin(), k.end(), k.begin(),
                     [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    text_ += k + "=" + value + "\r\n";
  }

  int pass_;
  int counter_ = 3;
  int flags_ = 0;
  std::string text_;
};

template <class T>
void ReadFrom(const Values& v, T& data) {
  data.ReadSection(v.definition(data.sectionName));
}

// The keys of TbsDataSkinControl and TbsDataSkinCustomControl.
struct BaseKeys {
  int pictureIndex, maskPictureIndex;
  Rect skinRect;
  Point leftTop, rightTop, leftBottom, rightBottom;
  Rect clientRect;
};

BaseKeys WriteControlKeys(Values& v, bool custom) {
  BaseKeys b{};
  b.pictureIndex = v.integer("pictureindex");
  b.maskPictureIndex = v.integer("maskpictureindex");
  b.skinRect = v.rect("skinrect");
  if (custom) {
    b.leftTop = v.point("lefttoppoint");
    b.rightTop = v.point("righttoppoint");
    b.leftBottom = v.point("leftbottompoint");
    b.rightBottom = v.point("rightbottompoint");
    b.clientRect = v.rect("clientrect");
  }
  return b;
}

void ExpectControlKeys(const skin::TbsDataSkinControl& d, const BaseKeys& b) {
  EXPECT_EQ(d.pictureIndex, b.pictureIndex);
  EXPECT_EQ(d.maskPictureIndex, b.maskPictureIndex);
  EXPECT_EQ(d.skinRect, b.skinRect);
}

void ExpectCustomKeys(const skin::TbsDataSkinCustomControl& d, const BaseKeys& b) {
  ExpectControlKeys(d, b);
  EXPECT_EQ(d.leftTopPoint, b.leftTop);
  EXPECT_EQ(d.rightTopPoint, b.rightTop);
  EXPECT_EQ(d.leftBottomPoint, b.leftBottom);
  EXPECT_EQ(d.rightBottomPoint, b.rightBottom);
  EXPECT_EQ(d.clientRect, b.clientRect);
}

struct FontGroup {
  std::string name;
  int height;
  Color color;
};

FontGroup WriteFontKeys(Values& v) {
  FontGroup f;
  f.name = v.text("fontname");
  f.height = v.integer("fontheight");
  v.word("fontstyle", "fsitalic,fsunderline");
  f.color = v.color("fontcolor");
  return f;
}

void ExpectFontKeys(const skin::FontKeys& d, const FontGroup& f) {
  EXPECT_EQ(d.fontName, f.name);
  EXPECT_EQ(d.fontHeight, f.height);
  EXPECT_EQ(d.fontStyle, (skin::FontStyles{false, true, true, false}));
  EXPECT_EQ(d.fontColor, f.color);
}

class ControlKeys : public ::testing::TestWithParam<int> {};

TEST_P(ControlKeys, Panel) {
  Values v(GetParam());
  const BaseKeys b = WriteControlKeys(v, true);
  const int bg = v.integer("bgpictureindex");
  const Rect caption = v.rect("captionrect");
  v.word("alignment", "tarightjustify");
  const FontGroup f = WriteFontKeys(v);
  const Rect check = v.rect("checkimagerect");
  const Rect uncheck = v.rect("uncheckimagerect");
  skin::TbsDataSkinPanelControl d("panel");
  ReadFrom(v, d);
  ExpectCustomKeys(d, b);
  EXPECT_EQ(d.bgPictureIndex, bg);
  EXPECT_EQ(d.captionRect, caption);
  EXPECT_EQ(d.alignment, skin::TextAlignment::RightJustify);
  ExpectFontKeys(d, f);
  EXPECT_EQ(d.checkImageRect, check);
  EXPECT_EQ(d.uncheckImageRect, uncheck);
}

TEST_P(ControlKeys, ExPanel) {
  Values v(GetParam());
  const BaseKeys b = WriteControlKeys(v, true);
  const Rect rollH = v.rect("rollhskinrect");
  const Rect rollV = v.rect("rollvskinrect");
  const int leftOff = v.integer("rollleftoffset");
  const int rightOff = v.integer("rollrightoffset");
  const int topOff = v.integer("rolltopoffset");
  const int bottomOff = v.integer("rollbottomoffset");
  const Rect rollVCaption = v.rect("rollvcaptionrect");
  const Rect rollHCaption = v.rect("rollhcaptionrect");
  const Rect close = v.rect("closebuttonrect");
  const Rect closeActive = v.rect("closebuttonactiverect");
  const Rect closeDown = v.rect("closebuttondownrect");
  const Rect hRoll = v.rect("hrollbuttonrect");
  const Rect hRollActive = v.rect("hrollbuttonactiverect");
  const Rect hRollDown = v.rect("hrollbuttondownrect");
  const Rect hRestore = v.rect("hrestorebuttonrect");
  const Rect hRestoreActive = v.rect("hrestorebuttonactiverect");
  const Rect hRestoreDown = v.rect("hrestorebuttondownrect");
  const Rect vRoll = v.rect("vrollbuttonrect");
  const Rect vRollActive = v.rect("vrollbuttonactiverect");
  const Rect vRollDown = v.rect("vrollbuttondownrect");
  const Rect vRestore = v.rect("vrestorebuttonrect");
  const Rect vRestoreActive = v.rect("vrestorebuttonactiverect");
  const Rect vRestoreDown = v.rect("vrestorebuttondownrect");
  const Rect caption = v.rect("captionrect");
  const FontGroup f = WriteFontKeys(v);
  skin::TbsDataSkinExPanelControl d("expanel");
  ReadFrom(v, d);
  ExpectCustomKeys(d, b);
  EXPECT_EQ(d.rollHSkinRect, rollH);
  EXPECT_EQ(d.rollVSkinRect, rollV);
  EXPECT_EQ(d.rollLeftOffset, leftOff);
  EXPECT_EQ(d.rollRightOffset, rightOff);
  EXPECT_EQ(d.rollTopOffset, topOff);
  EXPECT_EQ(d.rollBottomOffset, bottomOff);
  EXPECT_EQ(d.rollVCaptionRect, rollVCaption);
  EXPECT_EQ(d.rollHCaptionRect, rollHCaption);
  EXPECT_EQ(d.closeButtonRect, close);
  EXPECT_EQ(d.closeButtonActiveRect, closeActive);
  EXPECT_EQ(d.closeButtonDownRect, closeDown);
  EXPECT_EQ(d.hRollButtonRect, hRoll);
  EXPECT_EQ(d.hRollButtonActiveRect, hRollActive);
  EXPECT_EQ(d.hRollButtonDownRect, hRollDown);
  EXPECT_EQ(d.hRestoreButtonRect, hRestore);
  EXPECT_EQ(d.hRestoreButtonActiveRect, hRestoreActive);
  EXPECT_EQ(d.hRestoreButtonDownRect, hRestoreDown);
  EXPECT_EQ(d.vRollButtonRect, vRoll);
  EXPECT_EQ(d.vRollButtonActiveRect, vRollActive);
  EXPECT_EQ(d.vRollButtonDownRect, vRollDown);
  EXPECT_EQ(d.vRestoreButtonRect, vRestore);
  EXPECT_EQ(d.vRestoreButtonActiveRect, vRestoreActive);
  EXPECT_EQ(d.vRestoreButtonDownRect, vRestoreDown);
  EXPECT_EQ(d.captionRect, caption);
  ExpectFontKeys(d, f);
}

TEST_P(ControlKeys, LabelAndSplitter) {
  Values v(GetParam());
  const BaseKeys b = WriteControlKeys(v, true);
  const FontGroup f = WriteFontKeys(v);
  skin::TbsDataSkinLabelControl label("label");
  ReadFrom(v, label);
  ExpectCustomKeys(label, b);
  ExpectFontKeys(label, f);
  skin::TbsDataSkinSplitterControl splitter("label");  // the same section
  ReadFrom(v, splitter);
  ExpectCustomKeys(splitter, b);
}

TEST_P(ControlKeys, StdLabel) {
  Values v(GetParam());
  const BaseKeys b = WriteControlKeys(v, false);
  // Corner keys in the section are not the std label's: it has none.
  const FontGroup f = WriteFontKeys(v);
  const Color active = v.color("activefontcolor");
  skin::TbsDataSkinStdLabelControl d("stdlabel");
  ReadFrom(v, d);
  ExpectControlKeys(d, b);
  ExpectFontKeys(d, f);
  EXPECT_EQ(d.activeFontColor, active);
  // Without the key, the link colour.
  skin::TbsDataSkinStdLabelControl plain("stdlabel");
  plain.ReadSection(skin::SkinDefinition::Parse("[stdlabel]\r\nfontcolor=5\r\n"));
  EXPECT_EQ(plain.activeFontColor, Color(16711680));
}

TEST_P(ControlKeys, Gauge) {
  Values v(GetParam());
  const BaseKeys b = WriteControlKeys(v, true);
  const Rect area = v.rect("progressarea");
  const Rect image = v.rect("progressrect");
  const int begin = v.integer("beginoffset");
  const int end = v.integer("endoffset");
  const bool vertical = v.flag("vertical");
  const FontGroup f = WriteFontKeys(v);
  const bool transparent = v.flag("progresstransparent");
  const Color transparentColor = v.color("progresstransparentcolor");
  skin::TbsDataSkinGaugeControl d("gauge");
  ReadFrom(v, d);
  ExpectCustomKeys(d, b);
  EXPECT_EQ(d.progressArea, area);
  EXPECT_EQ(d.progressRect, image);
  EXPECT_EQ(d.beginOffset, begin);
  EXPECT_EQ(d.endOffset, end);
  EXPECT_EQ(d.vertical, vertical);
  ExpectFontKeys(d, f);
  EXPECT_EQ(d.progressTransparent, transparent);
  EXPECT_EQ(d.progressTransparentColor, transparentColor);
}

struct ButtonKeys {
  FontGroup font;
  Color active, down, disabled;
  Rect activeRect, downRect, disabledRect;
  bool morphing;
};

ButtonKeys WriteButtonKeys(Values& v) {
  ButtonKeys k;
  k.font = WriteFontKeys(v);
  k.active = v.color("activefontcolor");
  k.down = v.color("downfontcolor");
  k.disabled = v.color("disabledfontcolor");
  k.activeRect = v.rect("activeskinrect");
  k.downRect = v.rect("downskinrect");
  k.disabledRect = v.rect("disabledskinrect");
  k.morphing = v.flag("morphing");
  v.word("morphkind", "mkrightslide");
  return k;
}

void ExpectButtonKeys(const skin::TbsDataSkinButtonControl& d, const ButtonKeys& k) {
  ExpectFontKeys(d, k.font);
  EXPECT_EQ(d.activeFontColor, k.active);
  EXPECT_EQ(d.downFontColor, k.down);
  EXPECT_EQ(d.disabledFontColor, k.disabled);
  EXPECT_EQ(d.activeSkinRect, k.activeRect);
  EXPECT_EQ(d.downSkinRect, k.downRect);
  EXPECT_EQ(d.disabledSkinRect, k.disabledRect);
  EXPECT_EQ(d.morphing, k.morphing);
  EXPECT_EQ(d.morphKind, skin::MorphKind::RightSlide);
}

TEST_P(ControlKeys, Button) {
  Values v(GetParam());
  const BaseKeys b = WriteControlKeys(v, true);
  const ButtonKeys k = WriteButtonKeys(v);
  skin::TbsDataSkinButtonControl d("button");
  ReadFrom(v, d);
  ExpectCustomKeys(d, b);
  ExpectButtonKeys(d, k);
}

TEST_P(ControlKeys, MenuButton) {
  Values v(GetParam());
  const BaseKeys b = WriteControlKeys(v, true);
  const ButtonKeys k = WriteButtonKeys(v);
  const Rect track = v.rect("trackbuttonrect");
  skin::TbsDataSkinMenuButtonControl d("menubutton");
  ReadFrom(v, d);
  ExpectCustomKeys(d, b);
  ExpectButtonKeys(d, k);
  EXPECT_EQ(d.trackButtonRect, track);
}

TEST_P(ControlKeys, CheckRadio) {
  Values v(GetParam());
  const BaseKeys b = WriteControlKeys(v, true);
  const FontGroup f = WriteFontKeys(v);
  const Color active = v.color("activefontcolor");
  const Color unenabled = v.color("unenabledfontcolor");
  const Color frame = v.color("framefontcolor");
  const Rect activeSkin = v.rect("activeskinrect");
  const Rect checkArea = v.rect("checkimagearea");
  const Rect textArea = v.rect("textarea");
  const Rect check = v.rect("checkimagerect");
  const Rect uncheck = v.rect("uncheckimagerect");
  const Rect activeCheck = v.rect("activecheckimagerect");
  const Rect activeUncheck = v.rect("activeuncheckimagerect");
  const Rect unenabledCheck = v.rect("unenabledcheckimagerect");
  const Rect unenabledUncheck = v.rect("unenableduncheckimagerect");
  const bool morphing = v.flag("morphing");
  v.word("morphkind", "mkleftgradient");
  skin::TbsDataSkinCheckRadioControl d("checkradio");
  ReadFrom(v, d);
  ExpectCustomKeys(d, b);
  ExpectFontKeys(d, f);
  EXPECT_EQ(d.activeFontColor, active);
  EXPECT_EQ(d.unenabledFontColor, unenabled);
  EXPECT_EQ(d.frameFontColor, frame);
  EXPECT_EQ(d.activeSkinRect, activeSkin);
  EXPECT_EQ(d.checkImageArea, checkArea);
  EXPECT_EQ(d.textArea, textArea);
  EXPECT_EQ(d.checkImageRect, check);
  EXPECT_EQ(d.uncheckImageRect, uncheck);
  EXPECT_EQ(d.activeCheckImageRect, activeCheck);
  EXPECT_EQ(d.activeUncheckImageRect, activeUncheck);
  EXPECT_EQ(d.unenabledCheckImageRect, unenabledCheck);
  EXPECT_EQ(d.unenabledUncheckImageRect, unenabledUncheck);
  EXPECT_EQ(d.morphing, morphing);
  EXPECT_EQ(d.morphKind, skin::MorphKind::LeftGradient);
}

INSTANTIATE_TEST_SUITE_P(BothWays, ControlKeys, ::testing::Values(0, 1), [](const auto& info) {
  return info.param == 0 ? std::string("LowerCase") : std::string("UpperCaseFlagsFlipped");
});

}  // namespace
