// Gallery areas of the page control: a control with more tabs than fit (the
// up-down at the end of the row scrolls them), one with tabs at the bottom
// and TabHeight 26 (stretched tab pictures), one with tabs on the left; then
// tabs in several rows, raised and flat buttons, and a left row too long
// for its height, scrolled by a stacked up-down.
#include <string>

#include "gallery.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_up_down.h"

namespace {

skin::TbsSkinPageControl* MakePages(ui::WinControl& box, const gallery::Context& ctx,
                                    const gfx::Rect& r, const std::vector<std::string>& captions) {
  auto* pc = new skin::TbsSkinPageControl(ctx.form);
  pc->setParent(&box);
  pc->setBoundsRect(r);
  for (const std::string& caption : captions) {
    auto* sheet = new skin::TbsSkinTabSheet(ctx.form);
    sheet->setCaption(caption);
    sheet->setPageControl(pc);
  }
  return pc;
}

const bool registered = gallery::RegisterArea({
    "页面控件 / Pages",
    70,
    380,
    330,
    [](ui::WinControl& box, const gallery::Context& ctx) {
      // More tabs than fit: the up-down appears at the right end.
      auto* wide = MakePages(box, ctx, gfx::Rect::fromSize(0, 0, 380, 110),
                             {"常规", "网络设置", "代理服务器", "Appearance", "皮肤", "高级选项",
                              "关于本程序", "Page 8"});
      wide->setTabIndex(1);
      wide->SetSkinData(ctx.skinData);

      auto* bottom = MakePages(box, ctx, gfx::Rect::fromSize(0, 120, 230, 100),
                               {"登录", "教室", "A very long caption"});
      bottom->setTabPosition(skin::TabPosition::tpBottom);
      bottom->setTabHeight(26);
      bottom->SetSkinData(ctx.skinData);

      auto* left =
          MakePages(box, ctx, gfx::Rect::fromSize(240, 120, 140, 100), {"One", "二", "Three"});
      left->setTabPosition(skin::TabPosition::tpLeft);
      left->SetSkinData(ctx.skinData);

      // The up-down on its own, both orientations.
      auto* ud = new skin::TbsSkinUpDown(ctx.form);
      ud->setParent(&box);
      ud->setBounds(0, 232, 16, 20);
      ud->SetSkinData(ctx.skinData);
      auto* udh = new skin::TbsSkinUpDown(ctx.form);
      udh->setParent(&box);
      udh->setOrientation(skin::UpDownOrientation::udHorizontal);
      udh->setBounds(24, 232, 40, 20);
      udh->SetSkinData(ctx.skinData);

      // No pages at all.
      auto* empty = MakePages(box, ctx, gfx::Rect::fromSize(80, 232, 300, 90), {});
      empty->SetSkinData(ctx.skinData);
    },
});

const bool registeredMore = gallery::RegisterArea({
    "页面控件 多行与按钮 / Rows and buttons",
    71,
    380,
    300,
    [](ui::WinControl& box, const gallery::Context& ctx) {
      // Several rows: the chosen tab's row lies next to the page.
      auto* rows = MakePages(
          box, ctx, gfx::Rect::fromSize(0, 0, 250, 110),
          {"常规", "网络设置", "代理服务器", "Appearance", "皮肤", "高级选项", "关于本程序"});
      rows->setMultiLine(true);
      rows->setTabIndex(1);
      rows->SetSkinData(ctx.skinData);

      // A left row longer than the control: the stacked up-down scrolls it.
      auto* left = MakePages(box, ctx, gfx::Rect::fromSize(260, 0, 120, 110),
                             {"一", "Two", "三", "Four", "五", "Six", "七"});
      left->setTabPosition(skin::TabPosition::tpLeft);
      left->SetSkinData(ctx.skinData);

      auto* buttons =
          MakePages(box, ctx, gfx::Rect::fromSize(0, 120, 185, 80), {"按钮", "Buttons", "第三"});
      buttons->setStyle(skin::TTabStyle::tsButtons);
      buttons->setTabIndex(1);
      buttons->SetSkinData(ctx.skinData);

      auto* flat =
          MakePages(box, ctx, gfx::Rect::fromSize(195, 120, 185, 80), {"平面", "Flat", "第三"});
      flat->setStyle(skin::TTabStyle::tsFlatButtons);
      flat->SetSkinData(ctx.skinData);

      // Buttons in rows, at the bottom.
      auto* low = MakePages(box, ctx, gfx::Rect::fromSize(0, 210, 250, 90),
                            {"登录", "教室", "课程列表", "在线公司", "设置"});
      low->setTabPosition(skin::TabPosition::tpBottom);
      low->setMultiLine(true);
      low->setStyle(skin::TTabStyle::tsButtons);
      low->setTabIndex(3);
      low->SetSkinData(ctx.skinData);

      auto* right = MakePages(box, ctx, gfx::Rect::fromSize(260, 210, 120, 90),
                              {"甲", "乙", "丙", "丁", "戊"});
      right->setTabPosition(skin::TabPosition::tpRight);
      right->setTabIndex(4);
      right->SetSkinData(ctx.skinData);
    },
});

}  // namespace
