// Drawing of popup-menu levels and their items, skinned and plain.
#include "skin/popup/menu_paint.h"

#include <algorithm>
#include <string_view>

#include "skin/draw/effect_bmp.h"
#include "skin/draw/frame_image.h"
#include "skin/draw/glyphs.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/strip_image.h"
#include "ui/image_list.h"

namespace skin {

namespace {

// The plain look's hot fill and the sizes of its item content.
constexpr gfx::Color kPlainLitFill = gfx::Color(13811126);  // red 182, green 189, blue 210
constexpr int kPlainGlyphColumnWidth = 21;  // the window's glyph column without images
constexpr int kPlainItemInset = 2;          // the item content's inner rectangle
constexpr int kPlainMarkerInset = 3;        // the scroll markers' distance from the edges
constexpr int kPlainMarkerHeight = 10;

// Where the item content goes, per look.
struct ContentMetrics {
  int captionLeft;  // caption measured from text left + this
  int rightGap;     // caption and short-cut end this far before text right
  int checkLeft;    // check mark and radio circle at text left + this
};
constexpr int kGlyphLeft = 2;  // frame glyphs and images at text left + this
constexpr int kSkinnedCaptionLeft = 16;
constexpr int kSkinnedRightGap = 16;
constexpr int kPlainRightGap = 19;
constexpr int kArrowFromRight = 7;
constexpr int kRadioSize = 6;

int Centre(const gfx::Rect& r) { return r.top + gfx::Div(r.height(), 2); }

gfx::Color Sys(gfx::SysColor c) { return gfx::SystemColor(c); }

// The glyph of the frame's own items (system and tray menu), by item name.
// False for an item that has none.
bool PaintFrameItemGlyph(gfx::Canvas& canvas, std::string_view name, int x, int y,
                         gfx::Color color) {
  using GlyphPainter = void (*)(gfx::Canvas&, int, int, gfx::Color);
  static constexpr struct {
    std::string_view name;
    GlyphPainter paint;
  } kGlyphs[] = {
      {"FRM_CLOSE", PaintCross},          {"TRAY_FRM_CLOSE", PaintCross},
      {"FRM_MINITEM", PaintMinimizeBars}, {"FRM_MAXITEM", PaintWindowBox},
      {"FRM_RESTORE", PaintTwoBoxes},     {"TRAY_FRM_RESTORE", PaintTwoBoxes},
      {"FRM_ROLLUP", PaintTriangleUp},    {"FRM_MINTOTRAY", PaintTraySquare},
  };
  for (const auto& g : kGlyphs) {
    if (g.name == name) {
      g.paint(canvas, x, y, color);
      return true;
    }
  }
  return false;
}

// A right-pointing triangle of four columns, seven pixels high, at (x, y).
void PaintSubmenuArrow(gfx::Canvas& canvas, int x, int y, gfx::Color color) {
  canvas.setPenColor(color);
  for (int i = 0; i <= 3; ++i) canvas.line({x + i, y + i}, {x + i, y + 7 - i});
}

void PaintRadioCircle(gfx::Canvas& canvas, int x, int y, gfx::Color color) {
  canvas.setPenColor(color);
  canvas.setBrushColor(color);
  canvas.ellipse({x, y, x + kRadioSize, y + kRadioSize});
}

// Caption, short-cut, sub-menu arrow and the image or glyph of an item, in
// the text rectangle tr, with the canvas font already in the text colour.
void PaintItemContent(gfx::Canvas& canvas, const MenuItemPaint& item, const gfx::Rect& tr,
                      const ContentMetrics& m, gfx::Color color) {
  const int tc = Centre(tr);

  // The caption's line: measured, centred on the text rectangle, two wider.
  gfx::Rect caption{tr.left + m.captionLeft, 0, tr.right - m.rightGap, 0};
  canvas.drawText(item.caption, caption, gfx::kTextCalcRect | gfx::kTextSingleLine);
  const int lineHeight = std::max(caption.height(), canvas.textHeight(item.shortCutText));
  caption.top = tr.top + gfx::Div(tr.height() - lineHeight, 2);
  caption.bottom = caption.top + lineHeight;
  caption.right += 2;
  if (!item.caption.empty())
    canvas.drawText(item.caption, caption,
                    gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);

  if (!item.shortCutText.empty()) {
    gfx::Rect shortCut{tr.left, caption.top, tr.right - m.rightGap, caption.bottom};
    canvas.drawText(
        item.shortCutText, shortCut,
        gfx::kTextRight | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix);
  }

  if (item.hasSubItems) PaintSubmenuArrow(canvas, tr.right - kArrowFromRight, tc - 4, color);

  const gfx::Bitmap* image = item.images != nullptr ? item.images->image(item.imageIndex) : nullptr;
  if (image != nullptr) {
    const int x = tr.left + kGlyphLeft;
    const int y = tr.top + gfx::Div(tr.height() - item.images->height(), 2);
    item.images->draw(canvas, x, y, item.imageIndex, item.enabled);
    if (item.checked)
      canvas.frameRect({x - 1, y - 1, x + item.images->width() + 1, y + item.images->height() + 1},
                       color);
    return;
  }
  if (PaintFrameItemGlyph(canvas, item.name, tr.left + kGlyphLeft, tc - 4, color)) return;
  if (!item.checked) return;
  if (item.radio)
    PaintRadioCircle(canvas, tr.left + m.checkLeft, tc - 3, color);
  else
    PaintTick(canvas, tr.left + m.checkLeft, tc - 4, color);
}

// Sets the canvas up for text in colour, then draws the content of the item
// (or lets its owner draw it).
void PaintContent(gfx::Canvas& canvas, const MenuItemPaint& item, const gfx::Rect& textRect,
                  const ContentMetrics& m, gfx::Font font, gfx::Color color) {
  font.color = color;
  canvas.setFont(font);
  canvas.setTextBackgroundOpaque(false);
  if (item.ownerDraw) {
    item.ownerDraw(canvas, textRect, item.lit);
    return;
  }
  PaintItemContent(canvas, item, textRect, m, color);
}

// The area r of the item look's picture widened to the item's width with its
// fixed left and right parts, in a bitmap of the item's size.
gfx::Bitmap ItemStrip(const MenuItemLook& look, const gfx::Rect& r, int left, int right,
                      gfx::Size size) {
  gfx::Bitmap image(size.width, size.height);
  if (look.activePicture == nullptr || gfx::IsNullRect(r)) return image;
  gfx::Bitmap strip;
  ComposeHorzStrip(left, right, strip, *look.activePicture, r, size.width);
  if (!strip.empty()) image.draw(0, 0, strip);
  return image;
}

// Where the item stands between its normal (0) and lit (1) image. A morph
// runs while the factor has not reached the item's state; at its ends the
// plain images show, since the gradient and slide transitions already put
// a column or row of the other image in at 0.
double MorphPosition(const MenuItemLook& look, const MenuItemPaint& item) {
  const bool running = look.morphing && ((item.lit && item.morphFactor < 1.0) ||
                                         (!item.lit && item.morphFactor > 0.0));
  if (!running) return item.lit ? 1.0 : 0.0;
  return item.morphFactor >= 1.0 ? 1.0 : item.morphFactor > 0.0 ? item.morphFactor : 0.0;
}

gfx::Bitmap PaintSkinnedItem(const MenuItemPaint& item, gfx::Size size, const MenuItemLook& look) {
  if (item.divider)
    return ItemStrip(look, look.dividerRect, look.dividerLeftOffset, look.dividerRightOffset, size);

  const double k = MorphPosition(look, item);
  gfx::Bitmap image = ItemStrip(look, k >= 1.0 ? look.activeSkinRect : look.skinRect,
                                look.itemLeftOffset, look.itemRightOffset, size);
  if (k > 0.0 && k < 1.0) {
    const gfx::Bitmap lit =
        ItemStrip(look, look.activeSkinRect, look.itemLeftOffset, look.itemRightOffset, size);
    TbsEffectBmp blend(image);
    if (ApplyMorph(blend, TbsEffectBmp(lit), look.morphKind, k)) image = blend.toBitmap();
  }

  const gfx::Color color = item.lit       ? look.activeFontColor
                           : item.enabled ? look.fontColor
                                          : look.unenabledFontColor;
  gfx::Rect textRect = look.textRect;
  textRect.right += size.width - look.skinRect.width();
  gfx::Canvas canvas(image);
  const int captionLeft = item.images != nullptr ? item.images->width() + 5 : kSkinnedCaptionLeft;
  PaintContent(canvas, item, textRect, {captionLeft, kSkinnedRightGap, kGlyphLeft}, look.font,
               color);
  return image;
}

gfx::Bitmap PaintPlainItem(const MenuItemPaint& item, gfx::Size size, const gfx::Font& font,
                           int glyphColumn) {
  gfx::Bitmap image(size.width, size.height);
  gfx::Canvas canvas(image);
  const gfx::Rect all = image.rect();
  gfx::Color color;
  if (item.lit && !item.divider) {
    canvas.fillRect(all, kPlainLitFill);
    canvas.frameRect(all, gfx::kNavy);
    color = Sys(gfx::SysColor::WindowText);
  } else {
    // The glyph column continues the window's own, which starts two pixels
    // further left, at the window edge.
    canvas.fillRect({0, 0, glyphColumn, size.height}, Sys(gfx::SysColor::ButtonFace));
    canvas.fillRect({glyphColumn, 0, size.width, size.height}, Sys(gfx::SysColor::Window));
    color = item.enabled ? Sys(gfx::SysColor::WindowText) : Sys(gfx::SysColor::ButtonShadow);
  }
  if (item.divider) {
    const int y = gfx::Div(size.height, 2);
    canvas.fillRect({glyphColumn, y, size.width, y + 1}, Sys(gfx::SysColor::ButtonShadow));
    return image;
  }
  const gfx::Rect inner{kPlainItemInset, kPlainItemInset, size.width - kPlainItemInset,
                        size.height - kPlainItemInset};
  PaintContent(canvas, item, inner, {glyphColumn, kPlainRightGap, kGlyphLeft + 1}, font, color);
  return image;
}

gfx::Font LookFont(const TbsDataSkinMenuItem& data, const gfx::Font& defaultFont) {
  return WithFontKeys(defaultFont, data);
}

}  // namespace

std::optional<PopupWindowLook> ResolvePopupWindowLook(const TbsSkinData& skin) {
  if (skin.Empty()) return std::nullopt;
  const TbsDataSkinPopupWindow& data = skin.PopupWindow();
  const gfx::Bitmap* picture = skin.ActivePicture(data.windowPictureIndex);
  // A window picture index past the pictures gives nothing to compose the
  // window from: such a skin's menus keep the plain look instead of a black
  // window.
  if (picture == nullptr || picture->empty()) return std::nullopt;
  const gfx::Bitmap* mask = skin.ActivePicture(data.maskPictureIndex);
  return PopupWindowLook{&data, picture, mask != nullptr && !mask->empty() ? mask : nullptr};
}

std::optional<MenuItemLook> ResolveMenuItemLook(const TbsSkinData& skin, bool useSkinFont,
                                                const gfx::Font& defaultFont) {
  if (!ResolvePopupWindowLook(skin)) return std::nullopt;
  const TbsDataSkinMenuItem* data = nullptr;
  for (const auto& object : skin.ObjectDataList()) {
    data = dynamic_cast<const TbsDataSkinMenuItem*>(object.get());
    if (data != nullptr) break;
  }
  if (data == nullptr) return std::nullopt;

  MenuItemLook look;
  look.activePicture = skin.ActivePicture(data->activePictureIndex);
  if (look.activePicture != nullptr) {
    look.skinRect = data->skinRect;
    look.activeSkinRect = data->activeSkinRect;
  }
  look.dividerRect = data->dividerRect;
  look.textRect = data->textRect;
  look.itemLeftOffset = data->itemLeftOffset;
  look.itemRightOffset = data->itemRightOffset;
  look.dividerLeftOffset = data->dividerLeftOffset;
  look.dividerRightOffset = data->dividerRightOffset;
  look.morphing = data->morphing;
  look.morphKind = static_cast<int>(data->morphKind);
  look.font = useSkinFont ? LookFont(*data, defaultFont) : defaultFont;
  if (skin.ResourceStrData() != nullptr) look.font.charset = skin.ResourceStrData()->CharSet();
  look.fontColor = data->fontColor;
  look.activeFontColor = data->activeFontColor;
  look.unenabledFontColor = data->unenabledFontColor;
  return look;
}

MenuSkinLook ToMenuSkinLook(const PopupWindowLook& window, const MenuItemLook& item) {
  MenuSkinLook look;
  if (window.windowPicture != nullptr)
    look.picture = {window.windowPicture->width(), window.windowPicture->height()};
  if (window.data != nullptr) look.itemsRect = window.data->itemsRect;
  look.itemSkinRect = item.skinRect;
  look.dividerRect = item.dividerRect;
  look.textRect = item.textRect;
  return look;
}

SkinImageGeometry PopupImageGeometry(const TbsDataSkinPopupWindow& data) {
  return {data.leftTopPoint, data.rightTopPoint, data.leftBottomPoint, data.rightBottomPoint,
          data.itemsRect};
}

gfx::Bitmap PaintMenuItem(const MenuItemPaint& item, gfx::Size size, const MenuItemLook* look,
                          const gfx::Font& defaultFont, int glyphColumn) {
  if (size.width <= 0 || size.height <= 0) return {};
  if (look != nullptr) return PaintSkinnedItem(item, size, *look);
  return PaintPlainItem(item, size, defaultFont, glyphColumn);
}

void PaintMenuWindowBackground(gfx::Bitmap& target, const PopupWindowLook* look,
                               const gfx::Rect& placedItemsArea, bool scrolling, int glyphColumn,
                               bool hasImages) {
  const int w = target.width();
  const int h = target.height();
  if (target.empty()) return;
  if (look != nullptr && look->data != nullptr && look->windowPicture != nullptr) {
    const TbsDataSkinPopupWindow& d = *look->data;
    const gfx::Bitmap& picture = *look->windowPicture;
    const SkinImageGeometry stored = PopupImageGeometry(d);
    SkinImageGeometry placed = PlaceGeometry(stored, w - picture.width(), h - picture.height());
    placed.clientRect = placedItemsArea;
    gfx::Bitmap image;
    ComposeFrameImage(stored, placed, image, picture, picture.rect(), w, h, scrolling,
                      {d.leftStretch, d.topStretch, d.rightStretch, d.bottomStretch});
    if (!image.empty()) target.draw(0, 0, image);
    return;
  }
  const int column = hasImages ? glyphColumn + 2 : kPlainGlyphColumnWidth;
  target.fillRect({0, 0, column, h}, Sys(gfx::SysColor::ButtonFace));
  target.fillRect({column, 0, w, h}, Sys(gfx::SysColor::Window));
  gfx::Canvas canvas(target);
  canvas.frameRect({0, 0, w, h}, Sys(gfx::SysColor::ButtonShadow));
  canvas.frameRect({1, 1, w - 1, h - 1}, Sys(gfx::SysColor::Window));
}

gfx::Rect UpperScrollMarkerRect(const PopupWindowLook* look, const gfx::Rect& placedItemsArea,
                                gfx::Size window) {
  if (look == nullptr)
    return {kPlainMarkerInset, kPlainMarkerInset, window.width - kPlainMarkerInset,
            kPlainMarkerInset + kPlainMarkerHeight};
  const gfx::Rect& a = placedItemsArea;
  return {a.left, a.top, a.right, a.top + kScrollMarkerHeight};
}

gfx::Rect LowerScrollMarkerRect(const PopupWindowLook* look, const gfx::Rect& placedItemsArea,
                                gfx::Size window) {
  if (look == nullptr)
    return {kPlainMarkerInset, window.height - kPlainMarkerHeight, window.width - kPlainMarkerInset,
            window.height - kPlainMarkerInset};
  const gfx::Rect& a = placedItemsArea;
  return {a.left, a.bottom - kScrollMarkerHeight, a.right, a.bottom};
}

void PaintScrollMarkers(gfx::Bitmap& target, const PopupWindowLook* look,
                        const gfx::Rect& placedItemsArea, int activeDirection) {
  if (target.empty()) return;
  const bool skinned = look != nullptr && look->data != nullptr;
  const gfx::Color normal =
      skinned ? look->data->scrollMarkerColor : Sys(gfx::SysColor::ButtonShadow);
  const gfx::Color active =
      skinned ? look->data->scrollMarkerActiveColor : Sys(gfx::SysColor::ButtonText);
  const gfx::Size size{target.width(), target.height()};
  const PopupWindowLook* markerLook = skinned ? look : nullptr;
  gfx::Canvas canvas(target);
  PaintPointer(canvas, UpperScrollMarkerRect(markerLook, placedItemsArea, size),
               activeDirection == 1 ? active : normal, kPointUp);
  PaintPointer(canvas, LowerScrollMarkerRect(markerLook, placedItemsArea, size),
               activeDirection == 2 ? active : normal, kPointDown);
}

std::optional<gfx::Region> BuildMenuWindowRegion(const PopupWindowLook& look, int w, int h) {
  if (look.data == nullptr || look.windowPicture == nullptr || look.maskPicture == nullptr)
    return std::nullopt;
  const SkinImageGeometry stored = PopupImageGeometry(*look.data);
  const SkinImageGeometry placed =
      PlaceGeometry(stored, w - look.windowPicture->width(), h - look.windowPicture->height());
  return BuildFrameRegion(stored, placed, *look.maskPicture, w, h);
}

}  // namespace skin
