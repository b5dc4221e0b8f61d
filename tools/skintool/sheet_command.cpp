// skintool sheet: a contact sheet of one packed skin. It shows the window
// frame, active and inactive, at two sizes with its region; the caption
// buttons in every look; the popup and hint frames composed around sample
// items; and every control section composed at two sizes in each of its
// state pictures, each labelled with its section name. Skin authors check
// seams, corners, masks and text colours with it.
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/package_stream.h"
#include "skin/data/skin_definition.h"
#include "skin/data/stream.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/frame_image.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/skin_image.h"
#include "skin/draw/strip_image.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/font.h"

namespace {

using gfx::Bitmap;
using gfx::Color;
using gfx::Point;
using gfx::Rect;
using skin::SkinDefinition;

const char kUsage[] =
    "usage: skintool sheet <file.skn> --out <sheet.png>\n"
    "\n"
    "Draws a contact sheet of a packed skin: the window frame active and\n"
    "inactive at two sizes (pixels outside its region chequered), the caption\n"
    "buttons in every look, the popup and hint frames around sample items, and\n"
    "every control section at two sizes in each of its state pictures, each\n"
    "labelled with its section name.\n";

constexpr int kSheetWidth = 1280;
const Color kPaper = Color::rgb(226, 228, 232);
const Color kInk = Color::rgb(40, 44, 52);

// The window frame's geometry from [FORMINFO], with the adjustments the
// skin engine makes after reading it.
struct FormGeometry {
  Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
  Rect clientRect, maskRectArea, captionRect;
  int bgPictureIndex = -1;
  int buttonsOffset = 0;
  bool leftStretch = false, topStretch = false, rightStretch = false, bottomStretch = false;
  bool autoRenderingInActiveImage = false;
  int inactiveEffect = 0;
};

// The loaded skin: pictures and the parsed definition.
struct Skin {
  std::vector<std::uint8_t> package;
  skin::PackageContents contents;
  SkinDefinition def;
  FormGeometry form;

  const Bitmap* active(int i) const {
    if (i < 0 || i >= static_cast<int>(contents.activePictures.size())) return nullptr;
    return &contents.activePictures[static_cast<std::size_t>(i)].bitmap;
  }
  std::string str(const std::string& s, const std::string& k, const std::string& d = "") const {
    return def.readString(s, k, d);
  }
  int num(const std::string& s, const std::string& k, int d = 0) const {
    const std::string v = str(s, k);
    try {
      return v.empty() ? d : std::stoi(v);
    } catch (const std::exception&) {
      return d;  // not a number: the reader's default, as the skin engine does
    }
  }
  std::vector<int> numbers(const std::string& s, const std::string& k) const {
    std::vector<int> out;
    std::string v = str(s, k), piece;
    v += ',';
    for (char ch : v) {
      if (ch == ',') {
        out.push_back(piece.empty() ? 0 : std::stoi(piece));
        piece.clear();
      } else if (ch >= '0' && ch <= '9') {
        piece += ch;
      }
    }
    return out;
  }
  Rect rect(const std::string& s, const std::string& k) const {
    const auto n = numbers(s, k);
    return n.size() >= 4 ? Rect{n[0], n[1], n[2], n[3]} : Rect{};
  }
  Point point(const std::string& s, const std::string& k) const {
    const auto n = numbers(s, k);
    return n.size() >= 2 ? Point{n[0], n[1]} : Point{};
  }
  Color color(const std::string& s, const std::string& k) const {
    return Color(static_cast<std::uint32_t>(num(s, k, 0)));
  }
  gfx::Font font(const std::string& s, const std::string& prefix = "") const {
    gfx::Font f;
    f.name = str(s, prefix + "fontname", "Arial");
    f.height = num(s, prefix + "fontheight", 14);
    const std::string style = str(s, prefix + "fontstyle");
    f.bold = style.find("fsbold") != std::string::npos;
    f.italic = style.find("fsitalic") != std::string::npos;
    f.color = color(s, prefix + "fontcolor");
    return f;
  }
  std::vector<std::pair<std::string, std::string>> list(const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> out;
    for (int i = 0; i < num(section, "count"); ++i) {
      const std::string e = str(section, std::to_string(i));
      const auto colon = e.find(':');
      if (colon != std::string::npos) out.emplace_back(e.substr(0, colon), e.substr(colon + 1));
    }
    return out;
  }
};

Skin LoadSkin(const std::string& path) {
  skin::TbsCompressedStoredSkin stored;
  stored.ReadPackedFile(path);
  if (stored.IsEmpty()) throw std::runtime_error("'" + path + "' holds no package");
  skin::MemoryStream raw;
  stored.Unpack(raw);
  Skin s;
  s.package = raw.takeBytes();
  s.contents = skin::ReadPackageContents(s.package);
  s.def = SkinDefinition::Parse(s.contents.definitionText);
  FormGeometry& f = s.form;
  const std::string fi = "FORMINFO";
  f.leftTopPoint = s.point(fi, "lefttoppoint");
  f.rightTopPoint = s.point(fi, "righttoppoint");
  f.leftBottomPoint = s.point(fi, "leftbottompoint");
  f.rightBottomPoint = s.point(fi, "rightbottompoint");
  f.clientRect = s.rect(fi, "clientrect");
  f.maskRectArea = s.rect(fi, "maskrectarea");
  f.captionRect = s.rect(fi, "captionrect");
  f.bgPictureIndex = s.num(fi, "bgpictureindex", -1);
  f.buttonsOffset = s.num(fi, "buttonsoffset");
  f.leftStretch = s.num(fi, "leftstretch") == 1;
  f.topStretch = s.num(fi, "topstretch") == 1;
  f.rightStretch = s.num(fi, "rightstretch") == 1;
  f.bottomStretch = s.num(fi, "bottomstretch") == 1;
  f.autoRenderingInActiveImage = s.num(fi, "autorenderinginactiveimage") == 1;
  const std::string effects[] = {"iebrightness", "iedarkness",  "iegrayscale",
                                 "ienoise",      "iesplitblur", "ieinvert"};
  const std::string effect = s.str(fi, "inactiveeffect", "iebrightness");
  f.inactiveEffect = 2;  // any other word: grayscale
  for (int i = 0; i < 6; ++i)
    if (effect == effects[i]) f.inactiveEffect = i;
  if (!s.str("PICTURES", "mask").empty()) {
    f.maskRectArea = gfx::IsNullRect(f.maskRectArea) ? f.clientRect
                                                     : gfx::UnionRect(f.maskRectArea, f.clientRect);
  }
  if (f.rightBottomPoint.x != f.leftTopPoint.x && f.rightBottomPoint.y != f.leftTopPoint.y) {
    const Rect& cl = f.clientRect;
    f.leftTopPoint.x = std::max(f.leftTopPoint.x, cl.left);
    f.leftBottomPoint.x = std::max(f.leftBottomPoint.x, cl.left);
    f.rightTopPoint.x = std::min(f.rightTopPoint.x, cl.right);
    f.rightBottomPoint.x = std::min(f.rightBottomPoint.x, cl.right);
    f.leftTopPoint.y = std::max(f.leftTopPoint.y, cl.top);
    f.rightTopPoint.y = std::max(f.rightTopPoint.y, cl.top);
    f.leftBottomPoint.y = std::min(f.leftBottomPoint.y, cl.bottom);
    f.rightBottomPoint.y = std::min(f.rightBottomPoint.y, cl.bottom);
  }
  return s;
}

// Places labelled items left to right in rows on the sheet.
class Sheet {
 public:
  Sheet() : bmp_(kSheetWidth, 6000) { bmp_.fill(kPaper); }
  Bitmap& bitmap() { return bmp_; }

  void heading(const std::string& text) {
    newRow();
    y_ += 8;
    gfx::Canvas c(bmp_);
    gfx::Font f;
    f.name = "Arial";
    f.height = 18;
    f.bold = true;
    f.color = kInk;
    c.setFont(f);
    c.textOut(kMargin, y_, text);
    y_ += 26;
  }
  // Reserves room for an item of w x h with a label under it; returns its
  // left-top corner.
  Point place(int w, int h, const std::string& label) {
    const int labelWidth = label.empty() ? 0 : gfx::MeasureText(LabelFont(), label).width;
    const int cellW = std::max(w, labelWidth);
    if (x_ + cellW > kSheetWidth - kMargin && x_ > kMargin) newRow();
    const Point at{x_, y_};
    if (!label.empty()) {
      gfx::Canvas c(bmp_);
      c.setFont(LabelFont());
      c.textOut(x_, y_ + h + 2, label);
    }
    x_ += cellW + kGap;
    rowHeight_ = std::max(rowHeight_, h + (label.empty() ? 0 : 16));
    return at;
  }
  void newRow() {
    if (rowHeight_ > 0) y_ += rowHeight_ + kGap;
    x_ = kMargin;
    rowHeight_ = 0;
  }
  Bitmap finish() {
    newRow();
    Bitmap out(kSheetWidth, std::min(bmp_.height(), y_ + kMargin));
    out.copyRect(out.rect(), bmp_, out.rect());
    return out;
  }

 private:
  static gfx::Font LabelFont() {
    gfx::Font f;
    f.name = "Arial";
    f.height = 12;
    f.color = Color::rgb(90, 96, 108);
    return f;
  }
  static constexpr int kMargin = 16, kGap = 14;
  Bitmap bmp_;
  int x_ = kMargin, y_ = kMargin, rowHeight_ = 0;
};

// Paints a chequer where a window region leaves pixels out, so the shape
// the mask cuts can be seen.
void ShowRegion(Bitmap& img, const std::optional<gfx::Region>& region) {
  if (!region) return;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (!region->contains({x, y}))
        img.setPixel(x, y,
                     ((x / 3 + y / 3) % 2) ? Color::rgb(255, 255, 255) : Color::rgb(200, 200, 205));
}

void DrawText(Bitmap& img, const gfx::Font& font, Color color, const Rect& r,
              const std::string& text, unsigned flags) {
  gfx::Canvas c(img);
  gfx::Font f = font;
  f.color = color;
  c.setFont(f);
  c.setBrushStyle(gfx::BrushStyle::Clear);
  Rect box = r;
  c.drawText(text, box, flags | gfx::kTextSingleLine | gfx::kTextVCenter | gfx::kTextNoPrefix);
}

void Blit(Bitmap& dst, Point at, const Bitmap& src) { dst.draw(at.x, at.y, src); }

// ---- The window frame -------------------------------------------------

Bitmap ComposeWindow(const Skin& s, int w, int h, bool activeLook) {
  const FormGeometry& f = s.form;
  const bool hasInactive = s.contents.inactivePicture.present;
  const Bitmap& pic =
      (!activeLook && hasInactive) ? s.contents.inactivePicture.bitmap : s.contents.picture.bitmap;
  const int pw = pic.width(), ph = pic.height();
  const skin::SkinImageGeometry stored{f.leftTopPoint, f.rightTopPoint, f.leftBottomPoint,
                                       f.rightBottomPoint, f.clientRect};
  const skin::SkinImageGeometry placed = skin::PlaceGeometry(stored, w - pw, h - ph);
  skin::BorderStrips strips;
  skin::ComposeBorderStrips(stored, placed, strips, pic, pic.rect(), w, h,
                            {f.leftStretch, f.topStretch, f.rightStretch, f.bottomStretch});
  Bitmap img(w, h);
  // The client background: the picture's client part (or the background
  // picture) tiled from the client's corner.
  const Bitmap* bg = s.active(f.bgPictureIndex);
  const Rect tileSrc = bg ? bg->rect() : f.clientRect;
  const Bitmap& tiles = bg ? *bg : pic;
  const Rect cl = placed.clientRect;
  for (int ty = cl.top; ty < cl.bottom; ty += tileSrc.height())
    for (int tx = cl.left; tx < cl.right; tx += tileSrc.width())
      img.copyRect(
          {tx, ty, std::min(cl.right, tx + tileSrc.width()),
           std::min(cl.bottom, ty + tileSrc.height())},
          tiles,
          {tileSrc.left, tileSrc.top, tileSrc.left + std::min(tileSrc.width(), cl.right - tx),
           tileSrc.top + std::min(tileSrc.height(), cl.bottom - ty)});

  // Caption buttons right-aligned in the caption row, the system menu button
  // at its left, the caption text between them.
  Rect row = f.captionRect;
  if (!gfx::IsNullRect(row)) row.right += w - pw;
  int x = row.right;
  int captionLeft = row.left, captionRight = row.right;
  for (const char* cmd : {"cmclose", "cmmaximize", "cmminimize", "cmrollup", "cmminimizetotray"}) {
    for (const auto& [name, kind] : s.list("SKINOBJECTS")) {
      if (kind != "stdbutton" || s.str(name, "command") != cmd) continue;
      const Bitmap* bp = s.active(s.num(name, "activepictureindex", -1));
      Rect look = s.rect(name, "skinrect");
      const Rect inactiveLook = s.rect(name, "inactiveskinrect");
      if (!activeLook && !gfx::IsNullRect(inactiveLook)) look = inactiveLook;
      if (!bp || gfx::IsNullRect(look)) continue;
      x -= look.width();
      strips.top.copyRect({x, row.top, x + look.width(), row.top + look.height()}, *bp, look);
      x -= s.form.buttonsOffset;
      break;
    }
  }
  captionRight = x + s.form.buttonsOffset;
  for (const auto& [name, kind] : s.list("SKINOBJECTS")) {
    if (kind != "stdbutton" || s.str(name, "command") != "cmsysmenu") continue;
    const Bitmap* bp = s.active(s.num(name, "activepictureindex", -1));
    Rect look = s.rect(name, "skinrect");
    const Rect inactiveLook = s.rect(name, "inactiveskinrect");
    if (!activeLook && !gfx::IsNullRect(inactiveLook)) look = inactiveLook;
    if (!bp || gfx::IsNullRect(look)) continue;
    const int top = row.top + row.height() / 2 - look.height() / 2;
    strips.top.copyRect({row.left, top, row.left + look.width(), top + look.height()}, *bp, look);
    captionLeft = row.left + look.width();
  }
  for (const auto& [name, kind] : s.list("SKINOBJECTS")) {
    if (kind != "caption") continue;
    Rect obj = s.rect(name, "skinrect");
    const int skinW = obj.width();
    obj.left = std::max(obj.left, captionLeft);
    obj.right = captionRight;
    Rect tr = s.rect(name, "textrect");
    tr.right += obj.width() - skinW;
    tr = gfx::OffsetRect(tr, obj.left, obj.top);
    const gfx::Font font = s.font(name);
    const Color color = s.color(name, activeLook ? "activefontcolor" : "fontcolor");
    const std::string align = s.str(name, "alignment", "tacenter");
    const unsigned flags = align == "tacenter"        ? gfx::kTextCenter
                           : align == "taleftjustify" ? gfx::kTextLeft
                                                      : gfx::kTextRight;
    const std::string text = "商业模拟平台 Kavro";
    if (s.num(name, "shadow") == 1)
      DrawText(strips.top, font, s.color(name, activeLook ? "activeshadowcolor" : "shadowcolor"),
               gfx::OffsetRect(tr, 1, 1), text, flags | gfx::kTextEndEllipsis);
    DrawText(strips.top, font, color, tr, text, flags | gfx::kTextEndEllipsis);
    break;
  }

  if (!activeLook && !hasInactive && f.autoRenderingInActiveImage) {
    for (Bitmap* strip : {&strips.top, &strips.bottom, &strips.left, &strips.right}) {
      if (strip->empty()) continue;
      skin::TbsEffectBmp e(*strip);
      skin::ApplyInactiveEffect(e, f.inactiveEffect);
      *strip = e.toBitmap();
    }
  }
  img.draw(0, 0, strips.top);
  img.draw(0, strips.top.height(), strips.left);
  img.draw(w - strips.right.width(), strips.top.height(), strips.right);
  img.draw(0, h - strips.bottom.height(), strips.bottom);

  const Bitmap& mask = s.contents.mask.bitmap;
  if (s.contents.mask.present) {
    const skin::SkinImageGeometry maskStored{f.leftTopPoint, f.rightTopPoint, f.leftBottomPoint,
                                             f.rightBottomPoint, f.maskRectArea};
    const skin::SkinImageGeometry maskPlaced = skin::PlaceGeometry(maskStored, w - pw, h - ph);
    ShowRegion(img, skin::BuildFrameRegion(maskStored, maskPlaced, mask, w, h));
  }
  return img;
}

void FrameSection(Sheet& sheet, const Skin& s) {
  sheet.heading("Window frame");
  const int pw = s.contents.picture.bitmap.width(), ph = s.contents.picture.bitmap.height();
  for (bool activeLook : {true, false}) {
    for (auto [w, h] : {std::pair{pw, ph}, std::pair{pw + 260, ph + 90}}) {
      const std::string label = std::string(activeLook ? "active " : "inactive ") +
                                std::to_string(w) + " x " + std::to_string(h);
      Blit(sheet.bitmap(), sheet.place(w, h, label), ComposeWindow(s, w, h, activeLook));
    }
  }
  sheet.newRow();
}

// ---- Caption buttons ----------------------------------------------------

void ButtonsSection(Sheet& sheet, const Skin& s) {
  sheet.heading("Caption and menu bar buttons: normal, hot, down, disabled, inactive, restore");
  const char* looks[] = {"skinrect",          "activeskinrect",   "downrect",
                         "disableskinrsect",  "inactiveskinrect", "restorerect",
                         "restoreactiverect", "restoredownrect",  "restoreinactiverect"};
  for (const auto& [name, kind] : s.list("SKINOBJECTS")) {
    if (kind != "stdbutton" && kind != "mainmenubarbutton") continue;
    const Bitmap* bp = s.active(s.num(name, "activepictureindex", -1));
    if (!bp) continue;
    int total = 0;
    for (const char* k : looks) total += s.rect(name, k).width() + 3;
    Bitmap row(std::max(1, total), std::max(1, s.rect(name, "skinrect").height()));
    row.fill(kPaper);
    int x = 0;
    for (const char* k : looks) {
      const Rect r = s.rect(name, k);
      if (gfx::IsNullRect(r)) continue;
      row.copyRect({x, 0, x + r.width(), r.height()}, *bp, r);
      x += r.width() + 3;
    }
    Blit(sheet.bitmap(), sheet.place(row.width(), row.height(), name), row);
  }
  sheet.newRow();
}

// ---- Popup menu and hint ---------------------------------------------------

void PopupSection(Sheet& sheet, const Skin& s) {
  sheet.heading("Popup menu and hint");
  const std::string p = "POPUPWINDOW";
  const Bitmap* pic = s.active(s.num(p, "windowpictureindex", -1));
  std::string itemName;
  for (const auto& [name, kind] : s.list("SKINOBJECTS"))
    if (kind == "menuitem" && itemName.empty()) itemName = name;
  const Bitmap* itemPic = s.active(s.num(itemName, "activepictureindex", -1));
  if (pic && itemPic) {
    const skin::SkinImageGeometry stored{s.point(p, "lefttoppoint"), s.point(p, "righttoppoint"),
                                         s.point(p, "leftbottompoint"),
                                         s.point(p, "rightbottompoint"), s.rect(p, "itemsrect")};
    const Rect item = s.rect(itemName, "skinrect"), lit = s.rect(itemName, "activeskinrect");
    const Rect divider = s.rect(itemName, "dividerrect");
    struct Row {
      std::string text;
      int kind;  // 0 item, 1 lit, 2 divider, 3 disabled
    };
    const std::vector<Row> rows = {{"还原 Restore", 0},
                                   {"最大化 Maximize", 1},
                                   {"", 2},
                                   {"卷起 Roll up", 3},
                                   {"关闭 Close", 0}};
    const int w = 180;
    int itemsH = 0;
    for (const Row& r : rows) itemsH += r.kind == 2 ? divider.height() : item.height();
    const int h = itemsH + pic->height() - stored.clientRect.height();
    const skin::SkinImageGeometry placed =
        skin::PlaceGeometry(stored, w - pic->width(), h - pic->height());
    Bitmap img;
    skin::ComposeFrameImage(stored, placed, img, *pic, pic->rect(), w, h, false,
                            {s.num(p, "leftstretch") == 1, s.num(p, "topstretch") == 1,
                             s.num(p, "rightstretch") == 1, s.num(p, "bottomstretch") == 1});
    int y = placed.clientRect.top;
    const int iw = placed.clientRect.width();
    const gfx::Font font = s.font(itemName);
    for (const Row& r : rows) {
      Bitmap piece;
      if (r.kind == 2) {
        skin::ComposeHorzStrip(s.num(itemName, "dividerleftoffset"),
                               s.num(itemName, "dividerrightoffset"), piece, *itemPic, divider, iw);
      } else {
        skin::ComposeHorzStrip(s.num(itemName, "itemleftoffset"),
                               s.num(itemName, "itemrightoffset"), piece, *itemPic,
                               r.kind == 1 ? lit : item, iw);
        Rect tr = s.rect(itemName, "textrect");
        tr.right += iw - item.width();
        const Color col = s.color(itemName, r.kind == 1   ? "activefontcolor"
                                            : r.kind == 3 ? "unenabledfontcolor"
                                                          : "fontcolor");
        DrawText(piece, font, col, tr, r.text, gfx::kTextLeft);
      }
      img.draw(placed.clientRect.left, y, piece);
      y += piece.height();
    }
    if (const Bitmap* mask = s.active(s.num(p, "maskpictureindex", -1)))
      ShowRegion(img, skin::BuildFrameRegion(stored, placed, *mask, w, h));
    Blit(sheet.bitmap(), sheet.place(w, h, "popup window"), img);
  }

  const std::string hsec = "HINTWINDOW";
  if (const Bitmap* hint = s.active(s.num(hsec, "windowpictureindex", -1))) {
    const skin::SkinImageGeometry stored{
        s.point(hsec, "lefttoppoint"), s.point(hsec, "righttoppoint"),
        s.point(hsec, "leftbottompoint"), s.point(hsec, "rightbottompoint"),
        s.rect(hsec, "clientrect")};
    const std::string text = "最小化到系统托盘区 Minimize to tray";
    const gfx::Font font = s.font(hsec);
    const gfx::Size ts = gfx::MeasureText(font, text);
    const int w = std::max(hint->width(), ts.width + 6 + stored.clientRect.left + hint->width() -
                                              stored.clientRect.right);
    const int h = std::max(hint->height(), ts.height + stored.clientRect.top + hint->height() -
                                               stored.clientRect.bottom);
    const skin::SkinImageGeometry placed =
        skin::PlaceGeometry(stored, w - hint->width(), h - hint->height());
    Bitmap img;
    skin::ComposeFrameImage(stored, placed, img, *hint, hint->rect(), w, h, true);
    DrawText(img, font, font.color, placed.clientRect, text, gfx::kTextCenter);
    if (const Bitmap* mask = s.active(s.num(hsec, "maskpictureindex", -1)))
      ShowRegion(img, skin::BuildFrameRegion(stored, placed, *mask, w, h));
    Blit(sheet.bitmap(), sheet.place(w, h, "hint window"), img);
  }
  sheet.newRow();
}

// ---- Controls -------------------------------------------------------------

// Keys whose rects are positions inside the control rather than pictures.
bool IsPositionKey(const std::string& kind, const std::string& key) {
  static const std::set<std::string> positions = {
      "clientrect",    "captionrect",       "trackbuttonrect",  "progressarea",     "trackarea",
      "upbuttonrect",  "downbuttonrect",    "checkbuttonrect",  "checkimagearea",   "textarea",
      "itemsrect",     "buttonrect",        "rollvcaptionrect", "rollhcaptionrect", "itemtextrect",
      "itemcheckrect", "fixedcelltextrect", "celltextrect"};
  if (kind == "trackbar" && key == "buttonrect") return false;
  if (key == "downbuttonrect" && (kind == "edit" || kind == "memo" || kind == "combobox"))
    return false;
  return positions.count(key) > 0;
}

// The text colour of the state a picture key shows.
std::string FontKeyOf(const std::string& key) {
  if (key.rfind("active", 0) == 0 || key.rfind("mousein", 0) == 0) return "activefontcolor";
  if (key.rfind("down", 0) == 0) return "downfontcolor";
  if (key.rfind("disabled", 0) == 0) return "disabledfontcolor";
  if (key.rfind("focus", 0) == 0) return "focusfontcolor";
  return "fontcolor";
}

Bitmap ComposeControl(const Skin& s, const std::string& name, const Bitmap& pic, const Rect& r,
                      int w, int h, Rect& client) {
  const skin::SkinImageGeometry stored{
      s.point(name, "lefttoppoint"), s.point(name, "righttoppoint"),
      s.point(name, "leftbottompoint"), s.point(name, "rightbottompoint"),
      s.rect(name, "clientrect")};
  Bitmap out;
  client = stored.clientRect;
  const bool both = stored.rightBottom.x != 0 && stored.rightBottom.y != 0;
  const bool across = !both && (stored.rightTop.x != 0 || stored.rightTop.y != 0);
  const bool along = !both && !across && (stored.leftBottom.x != 0 || stored.leftBottom.y != 0);
  if (both) {
    const skin::SkinImageGeometry placed =
        skin::PlaceGeometry(stored, w - r.width(), h - r.height());
    skin::ComposeFrameImage(stored, placed, out, pic, r, w, h, true);
    client = placed.clientRect;
  } else if (across) {
    skin::ComposeHorzStrip(stored.leftTop.x, r.width() - stored.rightTop.x, out, pic, r, w);
    client.right += w - r.width();
  } else if (along) {
    skin::ComposeVertStrip(stored.leftTop.y, r.height() - stored.leftBottom.y, out, pic, r, h);
    client.bottom += h - r.height();
  } else {
    out = Bitmap(r.width(), r.height());
    out.copyRect(out.rect(), pic, r);
  }
  return out;
}

void ControlsSection(Sheet& sheet, const Skin& s) {
  sheet.heading("Controls: natural size and larger, in every state picture");
  for (const auto& [name, kind] : s.list("SKINCONTROLS")) {
    const Bitmap* pic = s.active(s.num(name, "pictureindex", -1));
    const Rect skinRect = s.rect(name, "skinrect");
    const SkinDefinition::Section* sec = nullptr;
    for (const auto& x : s.def.sections())
      if (x.name == name) sec = &x;
    if (!sec) continue;
    const bool hasFont = s.def.find(name, "fontcolor") != nullptr;
    if (!pic || gfx::IsNullRect(skinRect)) {
      // Sections without an image: a sample of their text colours.
      if (!hasFont) continue;
      Bitmap sample(150, 22);
      sample.fill(s.def.find(name, "bgcolor")
                      ? s.color(name, "bgcolor")
                      : s.contents.picture.bitmap.pixel(s.form.clientRect.left + 2,
                                                        s.form.clientRect.top + 2));
      DrawText(sample, s.font(name), s.color(name, "fontcolor"), {4, 0, 150, 22}, "文字 Text",
               gfx::kTextLeft);
      if (s.def.find(name, "activefontcolor"))
        DrawText(sample, s.font(name), s.color(name, "activefontcolor"), {78, 0, 150, 22},
                 "链接 Link", gfx::kTextLeft);
      Blit(sheet.bitmap(), sheet.place(sample.width(), sample.height(), name), sample);
      continue;
    }
    // The state pictures: rects of the skinrect's size; every other picture
    // rect of the section is shown at its own size after them.
    std::vector<std::pair<std::string, Rect>> states = {{"skinrect", skinRect}};
    std::vector<std::pair<std::string, Rect>> extras;
    for (const auto& e : sec->entries) {
      if (e.key == "skinrect" || std::count(e.value.begin(), e.value.end(), ',') != 3) continue;
      if (IsPositionKey(kind, e.key)) continue;
      const Rect r = s.rect(name, e.key);
      if (gfx::IsNullRect(r)) continue;
      if (r.width() == skinRect.width() && r.height() == skinRect.height())
        states.emplace_back(e.key, r);
      else
        extras.emplace_back(e.key, r);
    }
    const bool both =
        s.point(name, "rightbottompoint").x != 0 && s.point(name, "rightbottompoint").y != 0;
    const bool across = !both && (s.point(name, "righttoppoint").x != 0);
    const bool along = !both && !across && s.point(name, "leftbottompoint").y != 0;
    const int bigW = skinRect.width() + ((both || across) ? 60 : 0);
    const int bigH = skinRect.height() + ((both || along) ? 26 : 0);
    for (const auto& [key, r] : states) {
      for (auto [w, h] : {std::pair{skinRect.width(), skinRect.height()}, std::pair{bigW, bigH}}) {
        Rect client;
        Bitmap img = ComposeControl(s, name, *pic, r, w, h, client);
        if (hasFont && !gfx::IsNullRect(client) && (both || across)) {
          std::string fk = FontKeyOf(key);
          if (!s.def.find(name, fk))
            fk = key.find("disabled") != std::string::npos ? "unenabledfontcolor" : "fontcolor";
          if (!s.def.find(name, fk)) fk = "fontcolor";
          Rect tr = client;
          if (tr.height() < 16) tr = {tr.left, 0, tr.right, h};
          DrawText(img, s.font(name), s.color(name, fk), tr, "确定 OK", gfx::kTextCenter);
        }
        const std::string label =
            name + (key == "skinrect" ? "" : " " + key.substr(0, key.size() - 4));
        Blit(sheet.bitmap(),
             sheet.place(
                 img.width(), img.height(),
                 w == bigW && h == bigH && (bigW != skinRect.width() || bigH != skinRect.height())
                     ? ""
                     : label),
             img);
        if (bigW == skinRect.width() && bigH == skinRect.height()) break;
      }
    }
    for (const auto& [key, r] : extras) {
      Bitmap img(r.width(), r.height());
      img.copyRect(img.rect(), *pic, r);
      Blit(sheet.bitmap(), sheet.place(img.width(), img.height(), ""), img);
    }
  }
  sheet.newRow();
}

// ---- A sample window ----------------------------------------------------

// Draws the section's image (or one of its state pictures) at r of the
// window, with a caption in the section's font; nothing when the skin has
// no such section.
void PutControl(const Skin& s, Bitmap& win, const std::string& name, const Rect& r,
                const std::string& stateKey, const std::string& text, unsigned align,
                const std::string& colorKey = "fontcolor") {
  const Bitmap* pic = s.active(s.num(name, "pictureindex", -1));
  const Rect look = s.rect(name, stateKey);
  if (!pic || gfx::IsNullRect(look)) return;
  Rect client;
  const Bitmap img = ComposeControl(s, name, *pic, look, r.width(), r.height(), client);
  win.draw(r.left, r.top, img);
  if (text.empty()) return;
  Rect tr = gfx::OffsetRect(client, r.left, r.top);
  if (tr.height() < 16) tr = {tr.left, r.top, tr.right, r.top + img.height()};
  if (align == gfx::kTextLeft) tr.left += 2;
  DrawText(win, s.font(name), s.color(name, colorKey), tr, text, align);
}

void SampleWindowSection(Sheet& sheet, const Skin& s) {
  sheet.heading("A window of the skin");
  const int w = 520, h = 300;
  Bitmap win = ComposeWindow(s, w, h, true);
  const Rect& cl = s.form.clientRect;
  const int ox = cl.left + 12, oy = cl.top + 12;
  PutControl(s, win, "groupbox", {ox, oy, ox + 300, oy + 190}, "skinrect", "", gfx::kTextLeft);
  DrawText(win, s.font("groupbox"), s.color("groupbox", "fontcolor"),
           gfx::OffsetRect(s.rect("groupbox", "captionrect"), ox, oy), "登录 Login",
           gfx::kTextLeft);
  const char* labels[] = {"服务器", "教室号", "密码"};
  for (int i = 0; i < 3; ++i) {
    const int y = oy + 34 + i * 30;
    DrawText(win, s.font("stdlabel"), s.color("stdlabel", "fontcolor"),
             {ox + 12, y, ox + 70, y + 21}, labels[i], gfx::kTextLeft);
    PutControl(s, win, i == 0 ? "combobox" : "edit", {ox + 74, y, ox + 284, y + 21},
               i == 1 ? "activeskinrect" : "skinrect", i == 2 ? "******" : "127.0.0.1",
               gfx::kTextLeft);
  }
  PutControl(s, win, "checkradio", {ox + 12, oy + 126, ox + 200, oy + 143}, "skinrect", "",
             gfx::kTextLeft);
  if (const Bitmap* pic = s.active(s.num("checkradio", "pictureindex", -1))) {
    const Rect check = s.rect("checkradio", "checkimagerect");
    const Rect area = gfx::OffsetRect(s.rect("checkradio", "checkimagearea"), ox + 12, oy + 126);
    win.copyRect({area.left, area.top, area.left + check.width(), area.top + check.height()}, *pic,
                 check);
    DrawText(win, s.font("checkradio"), s.color("checkradio", "fontcolor"),
             {area.left + 20, oy + 126, ox + 200, oy + 143}, "使用代理 Proxy", gfx::kTextLeft);
  }
  PutControl(s, win, "toolbutton", {ox + 110, oy + 152, ox + 190, oy + 177}, "skinrect", "进入教室",
             gfx::kTextCenter);
  PutControl(s, win, "toolbutton", {ox + 200, oy + 152, ox + 280, oy + 177}, "activeskinrect",
             "退出", gfx::kTextCenter, "activefontcolor");
  const int lx = ox + 314;
  PutControl(s, win, "listbox", {lx, oy + 6, lx + 160, oy + 130}, "skinrect", "", gfx::kTextLeft);
  const char* items[] = {"一班 Class 1", "二班 Class 2", "三班 Class 3"};
  for (int i = 0; i < 3; ++i) {
    const std::string key = i == 1 ? "focusitemrect" : "itemrect";
    const Rect place{lx + 2, oy + 8 + i * 18, lx + 142, oy + 26 + i * 18};
    PutControl(s, win, "listbox", place, "skinrect", "", gfx::kTextLeft);
    if (const Bitmap* pic = s.active(s.num("listbox", "pictureindex", -1))) {
      Bitmap piece;
      skin::ComposeHorzStrip(s.num("listbox", "itemleftoffset"),
                             s.num("listbox", "itemrightoffset"), piece, *pic,
                             s.rect("listbox", key), place.width());
      win.draw(place.left, place.top, piece);
      DrawText(win, s.font("listbox"), s.color("listbox", i == 1 ? "focusfontcolor" : "fontcolor"),
               {place.left + 4, place.top, place.right, place.top + piece.height()}, items[i],
               gfx::kTextLeft);
    }
  }
  PutControl(s, win, "vscrollbar", {lx + 143, oy + 7, lx + 160, oy + 129}, "skinrect", "",
             gfx::kTextLeft);
  PutControl(s, win, "statusgauge", {ox, oy + 204, ox + 300, oy + 220}, "skinrect", "",
             gfx::kTextLeft);
  if (const Bitmap* pic = s.active(s.num("statusgauge", "pictureindex", -1))) {
    const Rect area = gfx::OffsetRect(s.rect("statusgauge", "progressarea"), ox, oy + 204);
    Bitmap bar;
    skin::ComposeHorzStrip(s.num("statusgauge", "beginoffset"), s.num("statusgauge", "endoffset"),
                           bar, *pic, s.rect("statusgauge", "progressrect"), area.width() * 3 / 5);
    win.copyRect({area.left, area.top, area.left + bar.width(), area.bottom}, bar, bar.rect());
  }
  PutControl(s, win, "button", {lx, oy + 150, lx + 76, oy + 174}, "skinrect", "确定",
             gfx::kTextCenter);
  PutControl(s, win, "button", {lx + 84, oy + 150, lx + 160, oy + 174}, "disabledskinrect", "取消",
             gfx::kTextCenter, "disabledfontcolor");
  Blit(sheet.bitmap(), sheet.place(w, h, "active window with controls"), win);
  sheet.newRow();
}

int run(const std::vector<std::string>& args) {
  if (args.size() != 3 || args[1] != "--out") {
    std::fputs(kUsage, stderr);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  gfx::InstallProjectFontConfig();
  int argc = 1;
  char name[] = "skintool";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);

  const Skin s = LoadSkin(args[0]);
  Sheet sheet;
  sheet.heading(s.str("VERSION", "skinname", args[0]) + "  (" + args[0] + ")");
  SampleWindowSection(sheet, s);
  FrameSection(sheet, s);
  ButtonsSection(sheet, s);
  PopupSection(sheet, s);
  ControlsSection(sheet, s);
  const Bitmap out = sheet.finish();
  if (!out.image().save(QString::fromStdString(args[2]), "PNG"))
    throw std::runtime_error("cannot write '" + args[2] + "'");
  std::printf("%s: %d x %d\n", args[2].c_str(), out.width(), out.height());
  return 0;
}

const SkintoolCommand command("sheet", "draw a contact sheet of a packed skin", kUsage, run);

}  // namespace
