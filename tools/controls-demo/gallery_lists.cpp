// The lists area of the gallery: fixed-style combos (one with 100 000
// items), an editable combo, a list box with more items than fit, and scroll bars of each
// kind.
#include <string>
#include <vector>

#include "gallery.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_list_box.h"
#include "skin/controls/skin_scroll_bar.h"

namespace {

template <class T>
T* Place(ui::WinControl& box, const gallery::Context& ctx, int x, int y, int w, int h) {
  auto* c = new T(&box);
  c->setParent(&box);
  c->setBounds(x, y, w, h);
  c->SetSkinData(ctx.skinData);
  return c;
}

void Build(ui::WinControl& box, const gallery::Context& ctx) {
  auto* skins = Place<skin::TbsSkinComboBox>(box, ctx, 8, 8, 160, 20);
  skins->setItems({"红色", "蓝色", "绿色", "白色", "黄色", "Windows XP"});
  skins->setItemIndex(0);

  auto* proxy = Place<skin::TbsSkinComboBox>(box, ctx, 8, 36, 160, 20);
  proxy->setItems({"不使用代理", "使用系统代理", "自定义代理"});
  proxy->setItemIndex(1);

  auto* many = Place<skin::TbsSkinComboBox>(box, ctx, 8, 64, 160, 20);
  std::vector<std::string> items;
  items.reserve(100000);
  for (int i = 0; i < 100000; ++i) items.push_back("第 " + std::to_string(i + 1) + " 项");
  many->setItems(std::move(items));
  many->setItemIndex(41999);

  auto* tall = Place<skin::TbsSkinComboBox>(box, ctx, 8, 92, 160, 30);
  tall->setUseSkinSize(false);
  tall->setItems({"UseSkinSize off", "second"});
  tall->setItemIndex(0);

  auto* server = Place<skin::TbsSkinComboBox>(box, ctx, 8, 158, 160, 20);
  server->setStyle(skin::TbsSkinCustomComboBoxStyle::bscbEditStyle);
  server->setItems({"192.168.0.10", "192.168.0.20", "classroom.local"});
  server->setItemIndex(0);

  auto* list = Place<skin::TbsSkinListBox>(box, ctx, 180, 8, 150, 120);
  std::vector<std::string> rows;
  for (int i = 0; i < 30; ++i) rows.push_back("list item " + std::to_string(i + 1));
  list->setItems(std::move(rows));
  list->setItemIndex(2);

  auto* v = Place<skin::TbsSkinScrollBar>(box, ctx, 340, 8, 19, 120);
  v->setKind(skin::TbsScrollBarKind::sbVertical);
  v->SetSkinDataName("vscrollbar");
  v->setBounds(340, 8, 19, 120);
  v->SetRange(0, 100, 20, 30);

  auto* h = Place<skin::TbsSkinScrollBar>(box, ctx, 180, 134, 180, 19);
  h->SetRange(0, 100, 0, 60);

  auto* both = Place<skin::TbsSkinScrollBar>(box, ctx, 180, 160, 180, 19);
  both->setBoth(true);
  both->SetRange(0, 100, 25, 10);
}

const bool registered = gallery::RegisterArea({"列表与组合框", 60, 370, 190, Build});

}  // namespace
