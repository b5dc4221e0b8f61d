// The six skins the program carries: what every package holds (pictures and
// their formats, the definition's sections, objects and controls, every rect
// inside its picture) and that each one loads as a live skin.
#include "resources/builtin_skins.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_definition.h"
#include "skin/data/stream.h"
#include "ui/graphics/bmp.h"

namespace {

using app::BuiltinSkin;
using gfx::Rect;
using skin::SkinDefinition;

// One BMP file image of the package with the header fields that matter here.
struct StoredPicture {
  bool present = false;
  int bits = 0;
  int colorsUsed = 0;
  gfx::Bitmap bitmap;
};

// The package stream of a built-in skin, decoded field by field.
struct Package {
  std::int32_t version = 0;
  StoredPicture picture, inactive, mask;
  std::vector<StoredPicture> active;
  std::string definition;
};

std::int32_t Int32At(std::span<const std::uint8_t> b, std::size_t at) {
  std::int32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

StoredPicture TakeBmp(std::span<const std::uint8_t> bytes, std::size_t& pos) {
  StoredPicture p;
  std::size_t consumed = 0;
  p.bitmap = gfx::ReadBmp(bytes.subspan(pos), consumed);
  p.present = true;
  p.bits = bytes[pos + 28] | (bytes[pos + 29] << 8);
  p.colorsUsed = Int32At(bytes, pos + 46);
  pos += consumed;
  return p;
}

Package Decode(const BuiltinSkin& b) {
  skin::TbsCompressedStoredSkin stored;
  app::LoadBuiltinSkin(b, stored);
  skin::MemoryStream stream;
  stored.Unpack(stream);
  const std::span<const std::uint8_t> bytes = stream.bytes();
  Package pkg;
  std::size_t pos = 0;
  pkg.version = Int32At(bytes, pos);
  pos += 4;
  for (StoredPicture* p : {&pkg.picture, &pkg.inactive, &pkg.mask}) {
    const std::uint8_t flag = bytes[pos++];
    if (flag == 0)
      *p = TakeBmp(bytes, pos);
    else
      EXPECT_EQ(flag, 1) << b.name << ": writers mark a missing picture with 1";
  }
  const std::int32_t count = Int32At(bytes, pos);
  pos += 4;
  for (int i = 0; i < count; ++i) pkg.active.push_back(TakeBmp(bytes, pos));
  pkg.definition.assign(bytes.begin() + static_cast<std::ptrdiff_t>(pos), bytes.end());
  return pkg;
}

// Rect and point values as the stored skins write them: plain numbers.
Rect RectOf(const SkinDefinition& d, const std::string& section, const std::string& key) {
  const std::string* v = d.find(section, key);
  if (!v || v->empty()) return {};
  Rect r;
  EXPECT_EQ(std::sscanf(v->c_str(), "%d,%d,%d,%d", &r.left, &r.top, &r.right, &r.bottom), 4)
      << section << "." << key << "=" << *v;
  return r;
}

gfx::Point PointOf(const SkinDefinition& d, const std::string& section, const std::string& key) {
  const std::string* v = d.find(section, key);
  gfx::Point p;
  if (v) {
    EXPECT_EQ(std::sscanf(v->c_str(), "%d,%d", &p.x, &p.y), 2) << section << "." << key;
  }
  return p;
}

int IntOf(const SkinDefinition& d, const std::string& section, const std::string& key,
          int def = 0) {
  const std::string* v = d.find(section, key);
  return v ? std::stoi(*v) : def;
}

std::string StrOf(const SkinDefinition& d, const std::string& section, const std::string& key) {
  const std::string* v = d.find(section, key);
  return v ? *v : std::string();
}

// A rect given in a skin lies inside its area; a null rect is "not given".
::testing::AssertionResult Inside(const Rect& r, int w, int h, const std::string& what) {
  if (gfx::IsNullRect(r)) return ::testing::AssertionSuccess();
  if (r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << what << " (" << r.left << "," << r.top << "," << r.right << "," << r.bottom
         << ") leaves its area of " << w << " x " << h;
}

std::vector<std::pair<std::string, std::string>> Entries(const SkinDefinition& d,
                                                         const std::string& list) {
  std::vector<std::pair<std::string, std::string>> out;
  const int n = IntOf(d, list, "count");
  for (int i = 0; i < n; ++i) {
    const std::string e = StrOf(d, list, std::to_string(i));
    const auto colon = e.find(':');
    out.emplace_back(e.substr(0, colon), colon == std::string::npos ? "" : e.substr(colon + 1));
  }
  return out;
}

class EachBuiltinSkin : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    skin_ = &app::BuiltinSkins()[static_cast<std::size_t>(GetParam())];
    pkg_ = Decode(*skin_);
    def_ = SkinDefinition::Parse(pkg_.definition);
  }
  const gfx::Bitmap* active(int index) const {
    if (index < 0 || index >= static_cast<int>(pkg_.active.size())) return nullptr;
    return &pkg_.active[static_cast<std::size_t>(index)].bitmap;
  }
  const BuiltinSkin* skin_ = nullptr;
  Package pkg_;
  SkinDefinition def_;
};

std::string SkinName(const ::testing::TestParamInfo<int>& info) {
  return app::BuiltinSkins()[static_cast<std::size_t>(info.param)].name;
}

INSTANTIATE_TEST_SUITE_P(Skins, EachBuiltinSkin, ::testing::Range(0, 6), SkinName);

TEST(BuiltinSkins, SixCompressedPackagesInSelectorOrder) {
  const auto skins = app::BuiltinSkins();
  ASSERT_EQ(skins.size(), 6u);
  const char* names[] = {"red", "green", "blue", "wihte", "yellow", "winxp"};
  for (std::size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(names[i]);
    EXPECT_STREQ(skins[i].name, names[i]);
    EXPECT_STREQ(skins[i].fileName, "skin.ini");
    EXPECT_EQ(app::FindBuiltinSkin(names[i]), &skins[i]);
    ASSERT_GE(skins[i].compressed.size(), 2u);
    EXPECT_EQ(skins[i].compressed[0], 0x78);  // zlib header of level 9
    EXPECT_EQ(skins[i].compressed[1], 0xDA);
    EXPECT_GE(skins[i].compressed.size(), 15u * 1024);
    EXPECT_LE(skins[i].compressed.size(), 80u * 1024);
  }
  EXPECT_EQ(app::FindBuiltinSkin("purple"), nullptr);
}

TEST_P(EachBuiltinSkin, PackageHoldsVersionPicturesInTheirFormatsAndTheDefinition) {
  EXPECT_EQ(pkg_.version, 3);
  ASSERT_TRUE(pkg_.picture.present);
  EXPECT_EQ(pkg_.picture.bits, 24);
  if (pkg_.inactive.present) {
    EXPECT_EQ(pkg_.inactive.bits, 24);
    EXPECT_EQ(pkg_.inactive.bitmap.rect().size(), pkg_.picture.bitmap.rect().size());
  }
  if (pkg_.mask.present) {
    EXPECT_EQ(pkg_.mask.bits, 1);
    EXPECT_EQ(pkg_.mask.bitmap.rect().size(), pkg_.picture.bitmap.rect().size());
  }
  ASSERT_GE(pkg_.active.size(), 5u);
  ASSERT_LE(pkg_.active.size(), 7u);
  std::set<int> depths;
  for (const StoredPicture& p : pkg_.active) {
    depths.insert(p.bits);
    EXPECT_TRUE(p.bits == 24 || p.bits == 8 || p.bits == 1) << p.bits;
    if (p.bits == 8) {
      EXPECT_EQ(p.colorsUsed, 255) << "8-bit pictures carry 255 colours";
    }
    if (p.bits == 1) {
      for (int y = 0; y < p.bitmap.height(); ++y)
        for (int x = 0; x < p.bitmap.width(); ++x)
          ASSERT_TRUE(p.bitmap.pixel(x, y) == gfx::kBlack || p.bitmap.pixel(x, y) == gfx::kWhite);
    }
  }
  EXPECT_EQ(depths, (std::set<int>{1, 8, 24}));

  ASSERT_GE(pkg_.definition.size(), 2u);
  EXPECT_EQ(pkg_.definition.rfind("[VERSION]", 0), 0u);
  EXPECT_EQ(pkg_.definition.substr(pkg_.definition.size() - 2), "\r\n");
  for (std::size_t i = 0; i < pkg_.definition.size(); ++i)
    if (pkg_.definition[i] == '\n') {
      ASSERT_EQ(pkg_.definition[i - 1], '\r') << "at byte " << i;
    }
}

TEST_P(EachBuiltinSkin, GlobalSectionsDescribeFramePopupAndHint) {
  for (const char* k : {"skinname", "skinauthor", "authoremail", "authorurl", "skincomments"})
    EXPECT_FALSE(StrOf(def_, "VERSION", k).empty()) << k;
  EXPECT_TRUE(skin::IsSkinDefinition(def_));

  const int pw = pkg_.picture.bitmap.width(), ph = pkg_.picture.bitmap.height();
  const std::string f = "FORMINFO";
  for (const char* k : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint",
                        "clientrect", "captionrect", "buttonsrect", "buttonsinleft",
                        "buttonsoffset", "borderwidth", "leftstretch", "rightstretch", "topstretch",
                        "bottomstretch", "autorenderinginactiveimage", "inactiveeffect"})
    EXPECT_NE(def_.find(f, k), nullptr) << k;
  EXPECT_TRUE(gfx::IsNullRect(RectOf(def_, f, "buttonsrect")));
  EXPECT_EQ(IntOf(def_, f, "buttonsinleft"), 0);
  const Rect client = RectOf(def_, f, "clientrect");
  EXPECT_FALSE(gfx::IsNullRect(client));
  EXPECT_TRUE(Inside(client, pw, ph, "clientrect"));
  EXPECT_TRUE(Inside(RectOf(def_, f, "captionrect"), pw, ph, "captionrect"));
  EXPECT_TRUE(Inside(RectOf(def_, f, "maskrectarea"), pw, ph, "maskrectarea"));
  for (const char* k : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"}) {
    const gfx::Point p = PointOf(def_, f, k);
    EXPECT_TRUE(gfx::PointInRect(p, client)) << k << " lies in the client rect's span";
  }
  const int bg = IntOf(def_, f, "bgpictureindex", -1);
  EXPECT_TRUE(bg == -1 || active(bg) != nullptr) << "bgpictureindex " << bg;

  bool someMask = false;
  for (const auto& [section, area] :
       {std::pair{"POPUPWINDOW", "itemsrect"}, std::pair{"HINTWINDOW", "clientrect"}}) {
    SCOPED_TRACE(section);
    const gfx::Bitmap* pic = active(IntOf(def_, section, "windowpictureindex", -1));
    ASSERT_NE(pic, nullptr) << "skinned: the window picture exists";
    EXPECT_TRUE(Inside(RectOf(def_, section, area), pic->width(), pic->height(), area));
    const int maskIndex = IntOf(def_, section, "maskpictureindex", -1);
    if (maskIndex != -1) {
      someMask = true;
      ASSERT_NE(active(maskIndex), nullptr);
      EXPECT_EQ(pkg_.active[static_cast<std::size_t>(maskIndex)].bits, 1);
      EXPECT_EQ(active(maskIndex)->rect().size(), pic->rect().size());
    }
  }
  EXPECT_TRUE(someMask) << "the popup or the hint is shaped by a mask";
}

TEST_P(EachBuiltinSkin, ObjectsAreCaptionMenusAndSeparateCaptionButtons) {
  const auto objects = Entries(def_, "SKINOBJECTS");
  ASSERT_EQ(objects.size(), 13u);
  std::map<std::string, int> kinds;
  std::set<std::string> commands, menuBarCommands;
  const gfx::Bitmap& main = pkg_.picture.bitmap;
  for (const auto& [name, kind] : objects) {
    SCOPED_TRACE(name);
    ++kinds[kind];
    const bool inActive = IntOf(def_, name, "skinrectinapicture") == 1;
    const gfx::Bitmap* pic = active(IntOf(def_, name, "activepictureindex", -1));
    ASSERT_NE(pic, nullptr) << "activepictureindex names a picture";
    const Rect skinRect = RectOf(def_, name, "skinrect");
    ASSERT_FALSE(gfx::IsNullRect(skinRect));
    const gfx::Bitmap& home = inActive ? *pic : main;
    EXPECT_TRUE(Inside(skinRect, home.width(), home.height(), "skinrect"));
    for (const char* k : {"activeskinrect", "inactiveskinrect", "downrect", "disableskinrsect",
                          "restorerect", "restoreactiverect", "restoredownrect",
                          "restoreinactiverect", "dividerrect", "framerect", "activeframerect"})
      EXPECT_TRUE(Inside(RectOf(def_, name, k), pic->width(), pic->height(), k));
    EXPECT_TRUE(
        Inside(RectOf(def_, name, "textrect"), skinRect.width(), skinRect.height(), "textrect"));
    if (kind == "caption") {
      EXPECT_FALSE(inActive) << "the caption is part of the frame picture";
    }
    if (kind == "stdbutton" || kind == "mainmenubarbutton") {
      EXPECT_TRUE(inActive) << "caption buttons are separate images";
      for (const char* k : {"activeskinrect", "downrect", "disableskinrsect", "restorerect",
                            "restoreactiverect", "restoredownrect"}) {
        EXPECT_FALSE(gfx::IsNullRect(RectOf(def_, name, k))) << k;
        EXPECT_EQ(RectOf(def_, name, k).size(), skinRect.size()) << k;
      }
      (kind == "stdbutton" ? commands : menuBarCommands).insert(StrOf(def_, name, "command"));
    }
  }
  EXPECT_EQ(kinds, (std::map<std::string, int>{{"menuitem", 1},
                                               {"caption", 1},
                                               {"stdbutton", 6},
                                               {"mainmenubaritem", 1},
                                               {"mainmenubarbutton", 4}}));
  EXPECT_EQ(commands, (std::set<std::string>{"cmclose", "cmminimize", "cmmaximize", "cmrollup",
                                             "cmsysmenu", "cmminimizetotray"}));
  EXPECT_EQ(menuBarCommands,
            (std::set<std::string>{"cmsysmenu", "cmclose", "cmmaximize", "cmminimize"}));
}

// Where the rects of a control section live: in the section's picture, in
// the control's own image (relative to skinrect), in an item image, or in
// one of the rolled-up strips of an expanding panel.
enum class Area { Picture, Control, Item, RolledV, RolledH };
Area AreaOf(const std::string& kind, const std::string& key) {
  static const std::set<std::string> control = {
      "clientrect",     "captionrect",  "trackbuttonrect", "progressarea",
      "trackarea",      "upbuttonrect", "downbuttonrect",  "checkbuttonrect",
      "checkimagearea", "textarea",     "itemsrect",       "buttonrect"};
  static const std::set<std::string> item = {"itemtextrect", "itemcheckrect", "fixedcelltextrect",
                                             "celltextrect"};
  if (key == "rollvcaptionrect") return Area::RolledV;
  if (key == "rollhcaptionrect") return Area::RolledH;
  if (kind == "trackbar" && key == "buttonrect") return Area::Picture;  // the thumb image
  // The pressed image of an edit's or a combo box's button, not a position.
  if (key == "downbuttonrect" && (kind == "edit" || kind == "memo" || kind == "combobox"))
    return Area::Picture;
  if (control.count(key)) return Area::Control;
  if (item.count(key)) return Area::Item;
  return Area::Picture;
}

TEST_P(EachBuiltinSkin, ControlSectionsOfAllKindsWithRectsInsideTheirPictures) {
  const auto controls = Entries(def_, "SKINCONTROLS");
  std::map<std::string, std::string> kindOf;
  std::set<std::string> kinds;
  for (const auto& [name, kind] : controls) {
    EXPECT_TRUE(kindOf.emplace(name, kind).second) << name << " is listed once";
    kinds.insert(kind);
  }
  EXPECT_EQ(kinds.size(), 28u);
  const std::map<std::string, std::string> required = {{"panel", "panel"},
                                                       {"expanel", "expanel"},
                                                       {"toolpanel", "panel"},
                                                       {"groupbox", "panel"},
                                                       {"button", "button"},
                                                       {"toolbutton", "button"},
                                                       {"bigtoolbutton", "button"},
                                                       {"resizebutton", "button"},
                                                       {"toolmenubutton", "menubutton"},
                                                       {"label", "label"},
                                                       {"stdlabel", "stdlabel"},
                                                       {"gauge", "gauge"},
                                                       {"vgauge", "gauge"},
                                                       {"statusgauge", "gauge"},
                                                       {"edit", "edit"},
                                                       {"buttonedit", "edit"},
                                                       {"tooledit", "edit"},
                                                       {"combobox", "combobox"},
                                                       {"listbox", "listbox"},
                                                       {"vscrollbar", "scrollbar"},
                                                       {"hscrollbar", "scrollbar"},
                                                       {"bothhscrollbar", "scrollbar"},
                                                       {"tab", "tab"},
                                                       {"updown", "updown"},
                                                       {"vsplitter", "splitter"},
                                                       {"hsplitter", "splitter"},
                                                       {"treeview", "treeview"},
                                                       {"checkradio", "checkradio"},
                                                       {"trackbar", "trackbar"},
                                                       {"memo", "memo"},
                                                       {"checklistbox", "checklistbox"},
                                                       {"grid", "grid"},
                                                       {"mainmenubar", "mainmenubar"},
                                                       {"controlbar", "controlbar"},
                                                       {"spinedit", "spinedit"},
                                                       {"scrollbox", "scrollbox"},
                                                       {"bevel", "bevel"},
                                                       {"slider", "slider"},
                                                       {"listview", "listview"},
                                                       {"richedit", "richedit"}};
  for (const auto& [name, kind] : required) {
    auto it = kindOf.find(name);
    ASSERT_NE(it, kindOf.end()) << name;
    EXPECT_EQ(it->second, kind) << name;
  }
  EXPECT_EQ(kindOf[StrOf(def_, "combobox", "listboxname")], "listbox");
  EXPECT_EQ(kindOf[StrOf(def_, "tab", "updown")], "updown");

  for (const auto& [name, kind] : controls) {
    SCOPED_TRACE(name);
    const gfx::Bitmap* pic = active(IntOf(def_, name, "pictureindex", -1));
    ASSERT_NE(pic, nullptr) << "pictureindex names a picture";
    const int maskIndex = IntOf(def_, name, "maskpictureindex", -1);
    EXPECT_TRUE(maskIndex == -1 || active(maskIndex) != nullptr);
    const Rect skinRect = RectOf(def_, name, "skinrect");
    EXPECT_TRUE(Inside(skinRect, pic->width(), pic->height(), "skinrect"));
    const std::string itemKey = kind == "grid" ? "fixedcellrect" : "itemrect";
    const Rect item = RectOf(def_, name, itemKey);
    const SkinDefinition::Section* sec = nullptr;
    for (const auto& s : def_.sections())
      if (s.name == name) sec = &s;
    ASSERT_NE(sec, nullptr);
    for (const auto& e : sec->entries) {
      const std::string& k = e.key;
      const auto commas = std::count(e.value.begin(), e.value.end(), ',');
      if (commas == 1) {
        const gfx::Point p = PointOf(def_, name, k);
        EXPECT_TRUE(gfx::PointInRect(p, {0, 0, skinRect.width(), skinRect.height()})) << k;
      }
      if (commas != 3 || k == "skinrect") continue;
      const Rect r = RectOf(def_, name, k);
      switch (AreaOf(kind, k)) {
        case Area::Picture:
          EXPECT_TRUE(Inside(r, pic->width(), pic->height(), k));
          break;
        case Area::Control:
          EXPECT_TRUE(Inside(r, skinRect.width(), skinRect.height(), k));
          break;
        case Area::Item: {
          const Rect image = k == "celltextrect" ? RectOf(def_, name, "selectcellrect") : item;
          EXPECT_TRUE(Inside(r, image.width(), image.height(), k));
          break;
        }
        case Area::RolledV:
        case Area::RolledH: {
          const Rect strip = RectOf(
              def_, name, AreaOf(kind, k) == Area::RolledV ? "rollvskinrect" : "rollhskinrect");
          EXPECT_TRUE(Inside(r, strip.width(), strip.height(), k));
          break;
        }
      }
    }
  }
}

TEST(BuiltinSkins, GivenSizesOfTheLightBlueEditAndTheVividPurpleTab) {
  const SkinDefinition blue =
      SkinDefinition::Parse(Decode(*app::FindBuiltinSkin("red")).definition);
  EXPECT_EQ(RectOf(blue, "edit", "skinrect").height(), 21);
  EXPECT_EQ(RectOf(blue, "edit", "clientrect").height(), 15);
  const SkinDefinition purple =
      SkinDefinition::Parse(Decode(*app::FindBuiltinSkin("blue")).definition);
  EXPECT_EQ(RectOf(purple, "tab", "tabrect").height(), 18);
}

TEST(BuiltinSkins, PicturesMasksEffectsAndMorphsDifferAcrossTheSix) {
  int plain = 0, mainAndMask = 0, allThree = 0;
  std::set<std::string> effects, morphKinds;
  int morphing = 0;
  for (const BuiltinSkin& b : app::BuiltinSkins()) {
    const Package pkg = Decode(b);
    const SkinDefinition def = SkinDefinition::Parse(pkg.definition);
    if (!pkg.inactive.present && !pkg.mask.present) ++plain;
    if (!pkg.inactive.present && pkg.mask.present) ++mainAndMask;
    if (pkg.inactive.present && pkg.mask.present) ++allThree;
    effects.insert(StrOf(def, "FORMINFO", "inactiveeffect"));
    if (IntOf(def, "closebutton", "morphing") == 1) {
      ++morphing;
      morphKinds.insert(StrOf(def, "closebutton", "morphkind"));
    }
  }
  EXPECT_EQ(plain, 4);
  EXPECT_EQ(mainAndMask, 1);
  EXPECT_EQ(allThree, 1);
  EXPECT_GE(effects.size(), 3u);
  EXPECT_GE(morphing, 2);
  EXPECT_GE(morphKinds.size(), 2u);
}

// A mask cuts only the fixed corner pieces of its picture: a white pixel in
// a repeated middle would be repeated along the whole edge of a large window.
::testing::AssertionResult ShapedOnlyInCorners(const gfx::Bitmap& mask, gfx::Point lt,
                                               gfx::Point rt, gfx::Point lb, gfx::Point rb,
                                               const Rect& inside) {
  bool cut = false;
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (mask.pixel(x, y) == gfx::kBlack) continue;
      cut = true;
      const bool top = y < lt.y || y < rt.y, bottom = y >= lb.y || y >= rb.y;
      const bool left = x < lt.x || x < lb.x, right = x >= rt.x || x >= rb.x;
      if (gfx::PtInRect(inside, {x, y}) || !((top || bottom) && (left || right)))
        return ::testing::AssertionFailure() << "white mask pixel at " << x << "," << y;
    }
  }
  if (!cut) return ::testing::AssertionFailure() << "the mask shapes nothing";
  return ::testing::AssertionSuccess();
}

TEST_P(EachBuiltinSkin, MasksRoundOnlyTheCorners) {
  const std::string f = "FORMINFO";
  if (pkg_.mask.present) {
    EXPECT_TRUE(
        ShapedOnlyInCorners(pkg_.mask.bitmap, PointOf(def_, f, "lefttoppoint"),
                            PointOf(def_, f, "righttoppoint"), PointOf(def_, f, "leftbottompoint"),
                            PointOf(def_, f, "rightbottompoint"), RectOf(def_, f, "clientrect")));
    EXPECT_NE(pkg_.mask.bitmap.pixel(0, 0), gfx::kBlack) << "the top corners are rounded";
  }
  for (const char* section : {"POPUPWINDOW", "HINTWINDOW"}) {
    SCOPED_TRACE(section);
    const gfx::Bitmap* mask = active(IntOf(def_, section, "maskpictureindex", -1));
    if (!mask) continue;
    const Rect inside =
        RectOf(def_, section, section == std::string("POPUPWINDOW") ? "itemsrect" : "clientrect");
    EXPECT_TRUE(ShapedOnlyInCorners(*mask, PointOf(def_, section, "lefttoppoint"),
                                    PointOf(def_, section, "righttoppoint"),
                                    PointOf(def_, section, "leftbottompoint"),
                                    PointOf(def_, section, "rightbottompoint"), inside));
  }
}

TEST_P(EachBuiltinSkin, LoadsAsTheLiveSkin) {
  skin::TbsCompressedStoredSkin stored;
  app::LoadBuiltinSkin(*skin_, stored);
  skin::TbsSkinData data;
  ASSERT_NO_THROW(data.ReadPackage(stored));
  EXPECT_FALSE(data.Empty());
  EXPECT_TRUE(data.SkippedEntries().empty());
  EXPECT_EQ(data.ObjectDataList().size(), 13u);
  EXPECT_EQ(data.ControlDataList().size(), Entries(def_, "SKINCONTROLS").size());
  EXPECT_EQ(data.ActivePictures().size(), pkg_.active.size());
  EXPECT_EQ(data.Picture().rect().size(), pkg_.picture.bitmap.rect().size());
  EXPECT_GE(data.FindControlData("combobox"), 0);
  EXPECT_EQ(data.SkinName(), StrOf(def_, "VERSION", "skinname"));
}

}  // namespace
