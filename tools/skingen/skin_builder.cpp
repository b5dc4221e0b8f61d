// Builds a skin from its description and writes it as a skin folder.
#include "skin_builder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

#include "build_context.h"
#include "control_painter.h"
#include "paint.h"

namespace skingen {

namespace {

// A subtle woven texture around the background colour for the skins that
// carry a window background picture.
gfx::Bitmap BackgroundTile(const SkinStyle& s) {
  const int n = 32;
  gfx::Bitmap t(n, n);
  unsigned seed = 0x2545F491u;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int noise = static_cast<int>((seed >> 24) % 5) - 2;  // -2 .. 2
      const bool weave = ((x + y) % 8 == 0) || ((x - y + n) % 8 == 0);
      const double shade = (weave ? (s.dark ? 0.025 : -0.012) : 0.0) + noise * 0.004;
      t.setPixel(x, y,
                 shade >= 0 ? Lighter(s.colors.client, shade) : Darker(s.colors.client, -shade));
    }
  }
  return t;
}

int KindRank(const std::string& entry) {
  const std::string kind = entry.substr(entry.find(':') + 1);
  static const char* order[] = {"menuitem", "caption", "stdbutton", "mainmenubaritem",
                                "mainmenubarbutton"};
  for (int i = 0; i < 5; ++i)
    if (kind == order[i]) return i;
  return 5;
}

void WriteList(IniWriter& ini, const std::string& section, const std::vector<std::string>& list) {
  ini.setInt(section, "count", static_cast<int>(list.size()));
  for (std::size_t i = 0; i < list.size(); ++i) ini.set(section, std::to_string(i), list[i]);
}

}  // namespace

void WriteObjectBase(SkinBuild& b, const std::string& name, const std::string& kind,
                     const ObjectLooks& l) {
  b.objects.push_back(name + ":" + kind);
  IniWriter& ini = b.ini;
  ini.set(name, "hint", l.hint);
  ini.setInt(name, "activepictureindex", l.activePicture);
  ini.setBool(name, "skinrectinapicture", l.skinRectInPicture);
  ini.setRect(name, "skinrect", l.normal);
  ini.setRect(name, "activeskinrect", l.hot);
  ini.setRect(name, "inactiveskinrect", l.inactive);
  ini.setBool(name, "morphing", l.morphing);
  ini.set(name, "morphkind", l.morphKind);
}

BuiltSkin BuildSkin(const SkinStyle& style) {
  SkinBuild b(style);
  IniWriter& ini = b.ini;
  ini.set("VERSION", "ver", "3");
  ini.set("VERSION", "skinname", style.displayName);
  ini.set("VERSION", "skinauthor", "Kavro classroom team");
  ini.set("VERSION", "authoremail", "skins@kavro.example");
  ini.set("VERSION", "authorurl", "http://kavro.example/skins");
  ini.set("VERSION", "skincomments", style.comments);
  ini.section("PICTURES");
  ini.section("FORMINFO");

  b.active.resize(kHintMaskPicture + 1);
  if (style.backgroundTile)
    b.backgroundPicture = b.addPicture({"background.bmp", BackgroundTile(style), 24});

  BuildFrame(b);
  BuildCaptionButtons(b);
  BuildPopupAndHint(b);
  BuildControls(b);

  std::stable_sort(b.objects.begin(), b.objects.end(),
                   [](const auto& x, const auto& y) { return KindRank(x) < KindRank(y); });
  ini.set("PICTURES", "picture", "frame.bmp");
  ini.set("PICTURES", "inactivepicture", style.inactivePicture ? "inactiveframe.bmp" : "");
  ini.set("PICTURES", "mask", b.frameMask.empty() ? "" : "framemask.bmp");
  ini.setInt("PICTURES", "activepicturescount", static_cast<int>(b.active.size()));
  for (std::size_t i = 0; i < b.active.size(); ++i)
    ini.set("PICTURES", std::to_string(i), b.active[i].file);
  WriteList(ini, "SKINOBJECTS", b.objects);
  WriteList(ini, "SKINCONTROLS", b.controls);

  BuiltSkin out;
  out.definition = ini.text();
  out.picture = {"frame.bmp", b.frame, 24};
  if (style.inactivePicture) out.inactivePicture = {"inactiveframe.bmp", b.inactiveFrame, 24};
  if (!b.frameMask.empty()) out.mask = {"framemask.bmp", b.frameMask, 1};
  out.activePictures = std::move(b.active);
  return out;
}

void BuildControls(SkinBuild& b) {
  Painter P(b);
  PaintMenus(P);
  PaintPanels(P);
  PaintButtons(P);
  PaintFields(P);
  PaintLists(P);
  b.active[kControlsPicture] = {"controls.bmp", P.atlas.finish(), 24};
}

gfx::BmpFormat StoredFormatOf(const SkinPicture& picture) {
  gfx::BmpFormat f;
  f.bits = picture.bits;
  if (picture.bits == 1) {
    f.palette = {gfx::kBlack, gfx::kWhite};
  } else if (picture.bits == 8) {
    std::set<std::uint32_t> colours;
    const gfx::Bitmap& bmp = picture.bitmap;
    for (int y = 0; y < bmp.height(); ++y)
      for (int x = 0; x < bmp.width(); ++x) colours.insert(bmp.pixel(x, y).value);
    if (colours.size() > 255)
      throw std::runtime_error("skin picture " + picture.file + " uses " +
                               std::to_string(colours.size()) +
                               " colours, more than a 255-entry colour table holds");
    for (std::uint32_t v : colours) f.palette.push_back(Color(v));
    // The table always has 255 entries; the unused ones repeat the last colour.
    while (f.palette.size() < 255) f.palette.push_back(f.palette.back());
  }
  return f;
}

void WriteSkinFolder(const BuiltSkin& skin, const std::string& dir) {
  std::filesystem::create_directories(dir);
  auto write = [&](const SkinPicture& p) {
    if (p.bitmap.empty()) return;
    gfx::WriteBmpFile((std::filesystem::path(dir) / p.file).string(), p.bitmap, StoredFormatOf(p));
  };
  write(skin.picture);
  write(skin.inactivePicture);
  write(skin.mask);
  for (const SkinPicture& p : skin.activePictures) write(p);
  const auto iniPath = std::filesystem::path(dir) / "skin.ini";
  std::ofstream ini(iniPath, std::ios::binary | std::ios::trunc);
  ini << skin.definition;
  if (!ini.flush()) throw std::runtime_error("cannot write " + iniPath.string());
}

}  // namespace skingen
