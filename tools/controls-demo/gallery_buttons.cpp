// The buttons area of the gallery: push buttons normal, hot, pressed,
// focused, disabled and as the default button; glyphs on each side; long
// and CJK captions; tool buttons in a toggle group, flat, without caption;
// and menu buttons opening their menu from the whole button or from the
// drop-down part.
#include <string>

#include "gallery.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_menu_button.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/popup/skin_popup_menu.h"
#include "ui/graphics/canvas.h"
#include "ui/menu_item.h"

namespace {

// A strip of four 16 x 16 cells (normal, disabled, pressed, hot) on a
// magenta ground, the colour the bottom-left pixel gives as transparent.
gfx::Bitmap GlyphStrip() {
  gfx::Bitmap b(64, 16);
  b.fill(gfx::Color::rgb(255, 0, 255));
  const gfx::Color colours[4] = {gfx::Color::rgb(40, 110, 200), gfx::Color::rgb(150, 150, 150),
                                 gfx::Color::rgb(200, 60, 40), gfx::Color::rgb(40, 170, 70)};
  for (int cell = 0; cell < 4; ++cell) {
    const int x0 = cell * 16;
    for (int y = 2; y < 14; ++y) {
      const int half = y < 8 ? y - 2 : 13 - y;
      b.fillRect({x0 + 8 - half - 1, y, x0 + 8 + half + 1, y + 1}, colours[cell]);
    }
  }
  return b;
}

template <class B>
B* Place(ui::WinControl& box, const gallery::Context& ctx, int x, int y, int w, int h,
         const std::string& caption) {
  auto* b = new B(&box);
  b->setParent(&box);
  b->setBounds(x, y, w, h);
  b->setCaption(caption);
  b->SetSkinData(ctx.skinData);
  return b;
}

void Build(ui::WinControl& box, const gallery::Context& ctx) {
  using skin::TbsButtonLayout;
  using skin::TbsSkinButton;
  using skin::TbsSkinMenuButton;
  using skin::TbsSkinSpeedButton;

  // Row 1: the push button's states.
  Place<TbsSkinButton>(box, ctx, 0, 0, 75, 25, "普通");
  auto* hot = Place<TbsSkinButton>(box, ctx, 82, 0, 75, 25, "&Hot");
  hot->setCanFocused(false);
  hot->perform(ui::CM_MOUSEENTER);
  auto* pressed = Place<TbsSkinButton>(box, ctx, 164, 0, 75, 25, "按下");
  pressed->setCanFocused(false);
  pressed->perform(ui::CM_MOUSEENTER);
  pressed->perform(ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::PackPoint(10, 10));
  auto* disabled = Place<TbsSkinButton>(box, ctx, 246, 0, 75, 25, "禁用");
  disabled->setEnabled(false);
  auto* focused = Place<TbsSkinButton>(box, ctx, 328, 0, 90, 25, "默认 &OK");
  focused->setDefault(true);
  auto* cancel = Place<TbsSkinButton>(box, ctx, 425, 0, 75, 25, "取消");
  cancel->setCancel(true);

  // Row 2: glyphs on each side, and a glyph-only disabled button.
  const gfx::Bitmap glyph = GlyphStrip();
  struct Side {
    TbsButtonLayout layout;
    const char* caption;
  };
  const Side sides[] = {{TbsButtonLayout::blGlyphLeft, "左图"},
                        {TbsButtonLayout::blGlyphRight, "右图"},
                        {TbsButtonLayout::blGlyphTop, "上图"},
                        {TbsButtonLayout::blGlyphBottom, "下图"}};
  int x = 0;
  for (const Side& s : sides) {
    auto* b = Place<TbsSkinButton>(box, ctx, x, 34, 80, 44, s.caption);
    b->setCanFocused(false);
    b->setGlyph(glyph);
    b->setNumGlyphs(4);
    b->setLayout(s.layout);
    x += 87;
  }
  auto* glyphDisabled = Place<TbsSkinButton>(box, ctx, x, 34, 44, 44, "");
  glyphDisabled->setGlyph(glyph);
  glyphDisabled->setNumGlyphs(4);
  glyphDisabled->setEnabled(false);
  auto* margin = Place<TbsSkinButton>(box, ctx, x + 51, 34, 100, 44, "Margin 4");
  margin->setCanFocused(false);
  margin->setGlyph(glyph);
  margin->setNumGlyphs(4);
  margin->setMargin(4);
  margin->setSpacing(6);

  // Row 3: long and CJK captions.
  Place<TbsSkinButton>(box, ctx, 0, 86, 150, 25,
                       "A caption far too long for the button it is written on");
  Place<TbsSkinButton>(box, ctx, 157, 86, 100, 25, "进入教室");
  Place<TbsSkinButton>(box, ctx, 264, 86, 130, 25, "商业模拟平台");

  // Row 4: tool buttons: a toggle group with one down, a hot one, flat ones
  // and one without its caption.
  x = 0;
  for (int i = 0; i < 3; ++i) {
    auto* b = Place<TbsSkinSpeedButton>(box, ctx, x, 120, 60, 25, "组 " + std::to_string(i + 1));
    b->setGroupIndex(1);
    if (i == 1) b->setDown(true);
    x += 64;
  }
  auto* toolHot = Place<TbsSkinSpeedButton>(box, ctx, x, 120, 60, 25, "热点");
  toolHot->perform(ui::CM_MOUSEENTER);
  x += 64;
  auto* flat = Place<TbsSkinSpeedButton>(box, ctx, x, 120, 60, 25, "平面");
  flat->setFlat(true);
  x += 64;
  auto* noCaption = Place<TbsSkinSpeedButton>(box, ctx, x, 120, 25, 25, "隐藏");
  noCaption->setGlyph(glyph);
  noCaption->setNumGlyphs(4);
  noCaption->setShowCaption(false);
  x += 29;
  auto* toolDisabled = Place<TbsSkinSpeedButton>(box, ctx, x, 120, 60, 25, "禁用");
  toolDisabled->setEnabled(false);

  // Row 5: menu buttons with a menu: from the whole button and from the
  // drop-down part; and the resize-button look with its strip.
  auto* menu = new skin::TbsSkinPopupMenu(ctx.form);
  menu->setOwnerWindow(ctx.form);
  for (const char* caption : {"打开", "保存", "-", "退出"}) {
    auto* item = new ui::MenuItem;
    item->setCaption(caption);
    menu->items().add(item);
  }
  auto* whole = Place<TbsSkinMenuButton>(box, ctx, 0, 154, 100, 25, "菜单");
  whole->setSkinPopupMenu(menu);
  auto* track = Place<TbsSkinMenuButton>(box, ctx, 107, 154, 100, 25, "分离菜单");
  track->setSkinPopupMenu(menu);
  track->setTrackButtonMode(true);
  auto* resize = Place<TbsSkinMenuButton>(box, ctx, 214, 154, 100, 25, "缩放");
  resize->SetSkinDataName("resizebutton");
  resize->SetSkinData(ctx.skinData);
  resize->setSkinPopupMenu(menu);
  resize->setTrackButtonMode(true);
  Place<TbsSkinMenuButton>(box, ctx, 321, 154, 100, 25, "无菜单");

  focused->setFocus();
}

const bool registered = gallery::RegisterArea({"按钮 Buttons", 30, 560, 190, Build});

}  // namespace
