// The window frame of a skin: the frame picture (and its inactive twin and
// mask), [FORMINFO], the caption object, the caption buttons and the small
// buttons of the main menu bar.
#include <algorithm>
#include <string>

#include "build_context.h"
#include "glyphs.h"
#include "paint.h"

namespace skingen {

namespace {

constexpr int kFrameWidth = 200;  // the narrowest a window of the skin can be
constexpr int kClientHeight = 64;
constexpr int kCornerPiece = 40;  // fixed end pieces of the top and bottom edges

// Whether pixel (x, y) belongs to the window's shape: a rectangle whose top
// corners are rounded by r and bottom corners by rb.
bool InShape(int w, int h, int r, int rb, int x, int y) {
  if (x < 0 || y < 0 || x >= w || y >= h) return false;
  const gfx::Rect all{0, 0, w, h};
  return y < h / 2 ? InRound(all, r, x, y) : InRound(all, rb, x, y);
}

struct CaptionColors {
  Color top, upper, lower, bottom;
};

void PaintFramePicture(const SkinBuild& b, gfx::Bitmap& bmp, const CaptionColors& cap) {
  const SkinStyle& s = b.style;
  const SkinColors& c = s.colors;
  const int w = b.frameWidth, h = b.frameHeight, C = s.captionHeight, B = s.borderWidth;
  bmp = gfx::Bitmap(w, h);
  bmp.fill(c.client);
  // Side and bottom borders: one shade per column (sides) or row (bottom),
  // so the tiled middles repeat without seams.
  const Color inner = Darker(c.frameFace, 0.22);
  for (int i = 0; i < B; ++i) {
    const double t = B <= 1 ? 0.0 : static_cast<double>(i) / (B - 1);
    Color col = Mix(Lighter(c.frameFace, 0.25), c.frameFace, t);
    if (i == B - 1 && B > 2) col = inner;
    VLine(bmp, i, C, h, col);
    VLine(bmp, w - 1 - i, C, h, col);
    HLine(bmp, i, w - i, h - 1 - i, col);
  }
  // The caption bar: a glass gradient, a highlight row and a closing line.
  GlossV(bmp, {0, 0, w, C}, cap.top, cap.upper, cap.lower, cap.bottom, 0.48);
  HLine(bmp, 0, w, C - 1,
        s.accentCaptionLine ? Mix(c.accent, cap.bottom, 0.25) : Darker(cap.bottom, 0.18));
  for (int x = 0; x < w; ++x) Blend(bmp, x, 1, gfx::kWhite, s.dark ? 0.18 : 0.45);
  // Where the caption meets the side borders below it.
  for (int y = C - 1; y < h - B; ++y) {
    Plot(bmp, B - 1, y, inner);
    Plot(bmp, w - B, y, inner);
  }
  // Outline of the whole shape and a soft light ring inside it; outside the
  // rounded corners the pixels take the background (the mask cuts them).
  const int r = s.cornerRadius, rb = s.bottomRadius;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!InShape(w, h, r, rb, x, y)) {
        bmp.setPixel(x, y, gfx::kWhite);
        continue;
      }
      const bool edge = !InShape(w, h, r, rb, x - 1, y) || !InShape(w, h, r, rb, x + 1, y) ||
                        !InShape(w, h, r, rb, x, y - 1) || !InShape(w, h, r, rb, x, y + 1);
      if (edge) {
        bmp.setPixel(x, y, c.frameOuter);
        continue;
      }
      const bool second = !InShape(w, h, r, rb, x - 2, y) || !InShape(w, h, r, rb, x + 2, y) ||
                          !InShape(w, h, r, rb, x, y - 2) || !InShape(w, h, r, rb, x, y + 2);
      if (second) Blend(bmp, x, y, gfx::kWhite, s.dark ? 0.12 : 0.35);
    }
  }
}

void PaintFrameMask(const SkinBuild& b, gfx::Bitmap& mask) {
  const SkinStyle& s = b.style;
  mask = gfx::Bitmap(b.frameWidth, b.frameHeight);
  for (int y = 0; y < b.frameHeight; ++y)
    for (int x = 0; x < b.frameWidth; ++x)
      mask.setPixel(x, y,
                    InShape(b.frameWidth, b.frameHeight, s.cornerRadius, s.bottomRadius, x, y)
                        ? gfx::kBlack
                        : gfx::kWhite);
}

}  // namespace

void BuildFrame(SkinBuild& b) {
  const SkinStyle& s = b.style;
  const SkinColors& c = s.colors;
  const int C = s.captionHeight, B = s.borderWidth;
  b.frameWidth = kFrameWidth;
  b.frameHeight = C + kClientHeight + B;
  const int w = b.frameWidth, h = b.frameHeight;

  PaintFramePicture(b, b.frame, {c.captionTop, c.captionUpper, c.captionLower, c.captionBottom});
  if (s.inactivePicture)
    PaintFramePicture(b, b.inactiveFrame,
                      {c.inactiveTop, c.inactiveUpper, c.inactiveLower, c.inactiveBottom});
  if (s.cornerRadius > 0) PaintFrameMask(b, b.frameMask);

  const gfx::Rect client{B, C, w - B, h - B};
  const int buttonTop = (C - s.buttonHeight + 1) / 2;
  b.buttonRow = {B + 2, buttonTop, w - B - 2, buttonTop + s.buttonHeight};

  IniWriter& ini = b.ini;
  const std::string f = "FORMINFO";
  ini.setPoint(f, "lefttoppoint", {kCornerPiece, C});
  ini.setPoint(f, "righttoppoint", {w - kCornerPiece, C});
  ini.setPoint(f, "leftbottompoint", {kCornerPiece, h - B});
  ini.setPoint(f, "rightbottompoint", {w - kCornerPiece, h - B});
  ini.setRect(f, "clientrect", client);
  ini.setInt(f, "bgpictureindex", b.backgroundPicture);
  ini.setInt(f, "mdibgpictureindex", -1);
  for (const char* k : {"leftstretch", "rightstretch", "topstretch", "bottomstretch"})
    ini.setBool(f, k, false);
  if (!b.frameMask.empty()) ini.setRect(f, "maskrectarea", client);
  // Corners for resizing: a generous square at each corner of the window.
  const int grip = std::max(12, s.cornerRadius + 6);
  ini.setPoint(f, "hittestlefttoppoint", {grip, grip});
  ini.setPoint(f, "hittestrighttoppoint", {w - grip, grip});
  ini.setPoint(f, "hittestleftbottompoint", {grip, h - grip});
  ini.setPoint(f, "hittestrightbottompoint", {w - grip, h - grip});
  ini.setRect(f, "buttonsrect", {});
  ini.setRect(f, "captionrect", b.buttonRow);
  ini.setInt(f, "buttonsoffset", s.buttonsOffset);
  ini.setBool(f, "buttonsinleft", false);
  ini.setBool(f, "mainmenupopupup", false);
  ini.setInt(f, "borderwidth", std::max(4, B));
  ini.setBool(f, "autorenderinginactiveimage", s.autoRenderInactive);
  ini.set(f, "inactiveeffect", s.inactiveEffect);
  ini.setInt(f, "formminwidth", w);

  // The caption object: the whole caption band of the frame picture; the
  // caption-button layout trims it to the space left of the buttons.
  const std::string cap = "caption";
  const gfx::Rect capRect{3, 0, w - 3, C - 1};
  WriteObjectBase(b, cap, "caption", {"", kButtonsPicture, false, capRect, {}, {}});
  ini.setRect(cap, "textrect", {5, 0, capRect.width() - 5, capRect.height()});
  ini.set(cap, "fontname", s.fontName);
  ini.setInt(cap, "fontheight", s.fontHeight + 1);
  ini.set(cap, "fontstyle", "fsbold");
  ini.setColor(cap, "fontcolor", c.captionTextInactive);
  ini.setColor(cap, "activefontcolor", c.captionText);
  ini.set(cap, "alignment", s.captionCentered ? "tacenter" : "taleftjustify");
  ini.setBool(cap, "shadow", s.captionShadow);
  ini.setColor(cap, "shadowcolor", Mix(c.captionShadow, c.inactiveLower, 0.5));
  ini.setColor(cap, "activeshadowcolor", c.captionShadow);
  ini.setRect(cap, "framerect", {});
  ini.setRect(cap, "activeframerect", {});
  ini.setRect(cap, "frametextrect", {});
  ini.setInt(cap, "frameleftoffset", 0);
  ini.setInt(cap, "framerightoffset", 0);
}

namespace {

enum Look { kNormal, kHot, kDown, kDisabled, kInactive, kLookCount };

struct ButtonKind {
  const char* section;
  const char* command;
  const char* hint;
  Glyph glyph;
  bool hasRestore;
  Glyph restoreGlyph;
};

const ButtonKind kCaptionButtons[] = {
    {"closebutton", "cmclose", "关闭", Glyph::Close, false, Glyph::Close},
    {"maxbutton", "cmmaximize", "最大化", Glyph::Maximize, true, Glyph::Restore},
    {"minbutton", "cmminimize", "最小化", Glyph::Minimize, true, Glyph::Restore},
    {"rollupbutton", "cmrollup", "卷起", Glyph::RollUp, true, Glyph::RollDown},
    {"traybutton", "cmminimizetotray", "最小化到系统托盘区", Glyph::Tray, false, Glyph::Tray},
    {"sysmenubutton", "cmsysmenu", "系统菜单", Glyph::SysMenu, false, Glyph::SysMenu},
};

const ButtonKind kMenuBarButtons[] = {
    {"mmsysmenubutton", "cmsysmenu", "系统菜单", Glyph::SysMenu, false, Glyph::SysMenu},
    {"mmclosebutton", "cmclose", "关闭", Glyph::SmallCross, false, Glyph::SmallCross},
    {"mmmaxbutton", "cmmaximize", "最大化", Glyph::Maximize, true, Glyph::Restore},
    {"mmminbutton", "cmminimize", "最小化", Glyph::Minimize, true, Glyph::Restore},
};

// Paints one caption button cell over its background (already in place).
void PaintCaptionButton(const SkinBuild& b, gfx::Bitmap& bmp, const gfx::Rect& r, Glyph glyph,
                        Look look, bool isClose) {
  const SkinStyle& s = b.style;
  const SkinColors& c = s.colors;
  const double g = s.gloss;
  const Color face = c.buttonFace;
  Color glyphColor = c.glyph;
  const Color bg = bmp.pixel(r.left + r.width() / 2, r.top + r.height() / 2);
  auto plate = [&](Color base, Color border, double lift) {
    FaceLook l{Lighter(base, 0.7 * g * lift),
               Lighter(base, 0.35 * g * lift),
               base,
               Lighter(base, 0.25 * g),
               border,
               s.dark ? Lighter(base, 0.35) : gfx::kWhite,
               {}};
    PaintFace(bmp, r, l, s.buttonRadius, -1, -1, 0.46);
  };
  const Color border = s.dark ? Darker(face, 0.6) : Darker(Mix(face, c.captionBottom, 0.5), 0.35);
  const Color hotBase = isClose ? c.closeHot : Mix(face, c.accent, s.dark ? 0.5 : 0.55);
  switch (look) {
    case kNormal:
    case kInactive:
      if (s.buttonShape == ButtonShape::Glossy)
        plate(look == kInactive ? Mix(face, bg, 0.5) : face,
              look == kInactive ? Mix(border, bg, 0.5) : border, 1.0);
      if (look == kInactive) glyphColor = Mix(c.glyph, bg, 0.5);
      break;
    case kHot:
      plate(s.buttonShape == ButtonShape::Glossy ? Lighter(hotBase, isClose ? 0.0 : 0.15)
                                                 : Mix(hotBase, bg, isClose ? 0.0 : 0.35),
            Darker(hotBase, 0.35), 1.2);
      glyphColor = isClose ? gfx::kWhite : c.glyphHot;
      break;
    case kDown:
      plate(Darker(hotBase, 0.22), Darker(hotBase, 0.5), 0.5);
      glyphColor = isClose ? gfx::kWhite : c.glyphHot;
      break;
    case kDisabled:
      if (s.buttonShape == ButtonShape::Glossy)
        plate(Mix(face, bg, 0.6), Mix(border, bg, 0.6), 0.8);
      glyphColor = Mix(c.glyph, bg, 0.62);
      break;
    case kLookCount:
      break;
  }
  gfx::Rect gr = r;
  if (look == kDown) gr = gfx::OffsetRect(r, 1, 1);
  const bool engraved = !s.dark && look != kDisabled && Luma(glyphColor) < 128;
  DrawGlyph(bmp, glyph, gr, glyphColor, engraved ? gfx::kWhite : Darker(glyphColor, 0.8),
            engraved ? 0.55 : (s.dark ? 0.0 : 0.35));
}

void WriteButtonObject(SkinBuild& b, const ButtonKind& k, const std::string& kind,
                       const gfx::Rect looks[kLookCount], const gfx::Rect restore[kLookCount],
                       bool withInactive) {
  const SkinStyle& s = b.style;
  IniWriter& ini = b.ini;
  const std::string n = k.section;
  WriteObjectBase(
      b, n, kind,
      {k.hint, kButtonsPicture, true, looks[kNormal], looks[kHot],
       withInactive ? looks[kInactive] : gfx::Rect{}, s.buttonMorph, s.buttonMorphKind});
  ini.setRect(n, "downrect", looks[kDown]);
  ini.setRect(n, "disableskinrsect", looks[kDisabled]);
  ini.set(n, "command", k.command);
  // Buttons without a second state show their usual looks there too.
  const gfx::Rect* r = k.hasRestore ? restore : looks;
  ini.setRect(n, "restorerect", r[kNormal]);
  ini.setRect(n, "restoreactiverect", r[kHot]);
  ini.setRect(n, "restoredownrect", r[kDown]);
  ini.setRect(n, "restoreinactiverect", withInactive ? r[kInactive] : gfx::Rect{});
}

}  // namespace

void BuildCaptionButtons(SkinBuild& b) {
  const SkinStyle& s = b.style;
  const int bw = s.buttonWidth, bh = s.buttonHeight;
  constexpr int kGap = 2;
  const int small = 16, smallH = 14;
  const int rowsBig = 2 * 6, rowsSmall = 2 * 4;  // each kind, and its restore look
  const int width = kGap + kLookCount * (bw + kGap);
  const int height = kGap + rowsBig * (bh + kGap) + rowsSmall * (smallH + kGap);
  gfx::Bitmap pic(width, height);
  pic.fill(s.colors.client);
  const bool withInactive = s.inactivePicture;
  const int x0 = b.frameWidth / 2;  // the tiled middle of the caption

  int y = kGap;
  auto paintRow = [&](const ButtonKind& k, Glyph glyph, int cw, int ch, int captionY,
                      gfx::Rect out[kLookCount], bool isSmall) {
    for (int look = 0; look < kLookCount; ++look) {
      const gfx::Rect r = gfx::Rect::fromSize(kGap + look * (cw + kGap), y, cw, ch);
      out[look] = r;
      // The caption behind the button, so that its soft corners and the
      // flat buttons melt into the bar.
      const gfx::Bitmap& src =
          (look == kInactive && !b.inactiveFrame.empty()) ? b.inactiveFrame : b.frame;
      for (int j = 0; j < ch; ++j)
        HLine(pic, r.left, r.right, r.top + j,
              src.pixel(x0, std::clamp(captionY + j, 0, src.height() - 1)));
      if (isSmall) {
        // Menu bar buttons sit on the bar's face, not on the caption.
        pic.fillRect(r, s.colors.face);
      }
      PaintCaptionButton(b, pic, r, glyph, static_cast<Look>(look), k.glyph == Glyph::Close);
    }
    y += ch + kGap;
  };

  for (const ButtonKind& k : kCaptionButtons) {
    gfx::Rect looks[kLookCount], restore[kLookCount];
    paintRow(k, k.glyph, bw, bh, b.buttonRow.top, looks, false);
    paintRow(k, k.restoreGlyph, bw, bh, b.buttonRow.top, restore, false);
    WriteButtonObject(b, k, "stdbutton", looks, restore, withInactive);
  }
  b.active[kButtonsPicture] = {"buttons.bmp", {}, 24};
  // The menu bar's buttons come after the main menu bar item in the object
  // list; keep their looks until then.
  for (const ButtonKind& k : kMenuBarButtons) {
    gfx::Rect looks[kLookCount], restore[kLookCount];
    paintRow(k, k.glyph, small, smallH, 0, looks, true);
    paintRow(k, k.restoreGlyph, small, smallH, 0, restore, true);
    looks[kInactive] = restore[kInactive] = {};
    WriteButtonObject(b, k, "mainmenubarbutton", looks, restore, false);
  }
  b.active[kButtonsPicture].bitmap = Crop(pic, {0, 0, width, std::min(height, y)});
}

}  // namespace skingen
