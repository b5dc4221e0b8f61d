// The gallery's panels area: panels with a caption, checked and rolled up,
// a group box, ex-panels rolled sideways and up with splitters between the
// parts, and a tool bar of speed buttons that scrolls.
#include <string>

#include "gallery.h"
#include "skin/controls/skin_ex_panel.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_splitter.h"
#include "skin/controls/skin_tool_bar.h"

namespace {

template <class T>
T* Place(ui::WinControl& parent, const gallery::Context& ctx, int x, int y, int w, int h) {
  auto* c = new T(ctx.form);
  c->setParent(&parent);
  c->setBounds(x, y, w, h);
  return c;
}

void Build(ui::WinControl& box, const gallery::Context& ctx) {
  auto* captioned = Place<skin::TbsSkinPanel>(box, ctx, 0, 0, 140, 100);
  captioned->setCaptionMode(true);
  captioned->setCaption("面板 Panel");
  captioned->SetSkinData(ctx.skinData);

  auto* checked = Place<skin::TbsSkinPanel>(box, ctx, 150, 0, 140, 100);
  checked->setCaptionMode(true);
  checked->setCheckedMode(true);
  checked->setCaption("选中 Checked");
  auto* inner = Place<skin::TbsSkinSpeedButton>(*checked, ctx, 20, 40, 100, 25);
  inner->setCaption("子控件 Child");
  inner->SetSkinData(ctx.skinData);
  checked->setChecked(true);
  checked->SetSkinData(ctx.skinData);

  auto* rolled = Place<skin::TbsSkinPanel>(box, ctx, 300, 0, 140, 100);
  rolled->setCaptionMode(true);
  rolled->setRollUpMode(true);
  rolled->setCaption("已卷起 Rolled up");
  rolled->SetSkinData(ctx.skinData);
  rolled->setRollUpState(true);

  auto* group = Place<skin::TbsSkinGroupBox>(box, ctx, 450, 0, 150, 100);
  group->setBorderStyle(skin::TbsSkinBorderStyle::bvNone);
  group->setCaption("分组框 Group box");
  group->SetSkinData(ctx.skinData);

  // A console-like arrangement: a side panel rolled sideways, a splitter,
  // and on the right one ex-panel rolled up over another one below a
  // splitter.
  auto* frame = Place<skin::TbsSkinPanel>(box, ctx, 0, 110, 600, 150);
  frame->setBorderStyle(skin::TbsSkinBorderStyle::bvNone);
  auto* side = Place<skin::TbsSkinExPanel>(*frame, ctx, 0, 0, 150, 150);
  side->setAlign(ui::Align::alLeft);
  side->setCaption("功能区 Functions");
  side->setShowCloseButton(false);
  side->setRollKind(skin::TbsExPanelRollKind::rkRollHorizontal);
  side->SetSkinData(ctx.skinData);
  side->setRollState(true);
  auto* leftSplit = Place<skin::TbsSkinSplitter>(*frame, ctx, 150, 0, 6, 150);
  leftSplit->setAlign(ui::Align::alLeft);
  leftSplit->SetSkinData(ctx.skinData);
  auto* open = Place<skin::TbsSkinExPanel>(*frame, ctx, 160, 0, 200, 150);
  open->setAlign(ui::Align::alLeft);
  open->setCaption("展开 Unrolled");
  open->SetSkinData(ctx.skinData);
  auto* openSplit = Place<skin::TbsSkinSplitter>(*frame, ctx, 360, 0, 1, 150);
  openSplit->setAlign(ui::Align::alLeft);
  auto* right = Place<skin::TbsSkinPanel>(*frame, ctx, 370, 0, 200, 150);
  right->setAlign(ui::Align::alClient);
  right->SetSkinData(ctx.skinData);
  auto* top = Place<skin::TbsSkinExPanel>(*right, ctx, 0, 0, 100, 60);
  top->setAlign(ui::Align::alTop);
  top->setCaption("已卷起 Rolled up");
  top->SetSkinData(ctx.skinData);
  top->setRollState(true);
  auto* bottom = Place<skin::TbsSkinExPanel>(*right, ctx, 0, 80, 100, 70);
  bottom->setAlign(ui::Align::alBottom);
  bottom->setCaption("在线公司设置 Online settings");
  bottom->setShowCloseButton(false);
  bottom->SetSkinData(ctx.skinData);
  auto* bottomSplit = Place<skin::TbsSkinSplitter>(*right, ctx, 0, 70, 100, 6);
  bottomSplit->setAlign(ui::Align::alBottom);
  bottomSplit->SetSkinDataName("hsplitter");
  bottomSplit->SetSkinData(ctx.skinData);

  auto* bar = Place<skin::TbsSkinToolBar>(box, ctx, 0, 270, 600, 26);
  bar->setCanScroll(true);
  for (int i = 0; i < 40; ++i) {
    auto* b = Place<skin::TbsSkinSpeedButton>(*bar, ctx, i * 40, 1, 40, 24);
    b->setCaption("按钮" + std::to_string(i + 1));
  }
  bar->SetSkinData(ctx.skinData);
  bar->UpdateScrollState();
  bar->ScrollStep(true);
}

const bool registered = gallery::RegisterArea({"面板与容器 Panels", 20, 600, 300, Build});

}  // namespace
