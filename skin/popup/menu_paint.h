// Drawing of the popup-menu levels: the window background (from the skin's
// [POPUPWINDOW] picture or the plain look), the two scroll markers of a level
// that scrolls, the window region from the mask picture, and every item's
// image (from the skin's menu-item object or the plain look) with its
// caption, short-cut, sub-menu arrow, image or glyph. Pure functions of their
// arguments: the menu engine decides what is shown and where, and copies the
// images to the screen.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "skin/data/skin_data.h"
#include "skin/draw/skin_image.h"
#include "skin/popup/menu_layout.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/font.h"
#include "ui/graphics/region.h"

namespace ui {
class ImageList;
}

namespace skin {

// The popup-window look from [POPUPWINDOW] with its pictures. There is one
// only when the skin is not empty and its window picture exists; the mask
// picture is null when its index is -1 or past the pictures.
struct PopupWindowLook {
  const TbsDataSkinPopupWindow* data = nullptr;
  const gfx::Bitmap* windowPicture = nullptr;
  const gfx::Bitmap* maskPicture = nullptr;
};
std::optional<PopupWindowLook> ResolvePopupWindowLook(const TbsSkinData& skin);

// The skin's menu-item look, resolved from the first menu-item object of the
// skin and its active picture (null picture: skinRect and activeSkinRect are
// empty).
struct MenuItemLook {
  const gfx::Bitmap* activePicture = nullptr;
  gfx::Rect skinRect, activeSkinRect, dividerRect, textRect;
  int itemLeftOffset = 0, itemRightOffset = 0, dividerLeftOffset = 0, dividerRightOffset = 0;
  bool morphing = false;
  int morphKind = 0;  // the morph kind word as its int value
  gfx::Font font;     // the window font: the item look's font, or the default
  gfx::Color fontColor, activeFontColor, unenabledFontColor;
};
// Builds the look from a skin; none when the skin has no popup-window look or
// no menu-item object. The font is the item look's with useSkinFont, else
// defaultFont; its character set is the skin's text table's when it has one.
std::optional<MenuItemLook> ResolveMenuItemLook(const TbsSkinData& skin, bool useSkinFont,
                                                const gfx::Font& defaultFont);

// The level geometry's view of the two looks (for SizeMenuLevel and friends).
MenuSkinLook ToMenuSkinLook(const PopupWindowLook& window, const MenuItemLook& item);

// The popup picture's corner points with the items rect as its client rect.
SkinImageGeometry PopupImageGeometry(const TbsDataSkinPopupWindow& data);

// One item as drawing sees it.
struct MenuItemPaint {
  std::string caption, shortCutText;
  std::string name;  // "FRM_CLOSE", "TRAY_FRM_RESTORE", ...: the frame's items draw its glyphs
  bool divider = false, enabled = true, hasSubItems = false, checked = false, radio = false;
  bool lit = false;                       // Selected or SubmenuOpen
  double morphFactor = 0.0;               // 0 (normal) .. 1 (lit)
  const ui::ImageList* images = nullptr;  // the image list of the menu, or null
  int imageIndex = -1;
  // The owner-draw event: when set, it draws the item's content (text
  // rectangle, lit) over the item's background instead of the caption,
  // short-cut, arrow, image and glyph.
  std::function<void(gfx::Canvas&, const gfx::Rect& textRect, bool lit)> ownerDraw;
};

// The item's image at size (its ObjectRect's size). look == nullptr draws
// the plain look with defaultFont (the engine's DefaultMenuItemFont) and
// glyphColumn (image list width + 5, or 19 without images).
gfx::Bitmap PaintMenuItem(const MenuItemPaint& item, gfx::Size size, const MenuItemLook* look,
                          const gfx::Font& defaultFont, int glyphColumn);

// The window background at the target's size. With a look the window picture
// is composed to that size, its items area tiled only while the level
// scrolls; without one the plain look (glyph column, frames) is drawn.
void PaintMenuWindowBackground(gfx::Bitmap& target, const PopupWindowLook* look,
                               const gfx::Rect& placedItemsArea, bool scrolling, int glyphColumn,
                               bool hasImages);

// The rectangles of the upper and lower scroll markers of a level of the
// target's size.
gfx::Rect UpperScrollMarkerRect(const PopupWindowLook* look, const gfx::Rect& placedItemsArea,
                                gfx::Size window);
gfx::Rect LowerScrollMarkerRect(const PopupWindowLook* look, const gfx::Rect& placedItemsArea,
                                gfx::Size window);

// Both scroll markers; activeDirection 0 none, 1 up, 2 down: the marker of
// the running direction is drawn in the active colour.
void PaintScrollMarkers(gfx::Bitmap& target, const PopupWindowLook* look,
                        const gfx::Rect& placedItemsArea, int activeDirection);

// The region of a level of w x h from the mask picture (BuildFrameRegion with
// the popup geometry placed for that size); none without a mask picture or
// when the mask gives none.
std::optional<gfx::Region> BuildMenuWindowRegion(const PopupWindowLook& look, int w, int h);

}  // namespace skin
