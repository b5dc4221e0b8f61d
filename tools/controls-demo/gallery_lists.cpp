// The lists areas of the gallery: fixed-style combos (one with 100 000
// items), an editable combo, a list box with more items than fit, and scroll
// bars of each kind; then list boxes scrolled sideways (a horizontal bar,
// both bars with their corner), one in columns and one with a caption bar.
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

std::vector<std::string> Rows(const std::string& stem, int n) {
  std::vector<std::string> rows;
  for (int i = 0; i < n; ++i) rows.push_back(stem + std::to_string(i + 1));
  return rows;
}

void BuildListBoxes(ui::WinControl& box, const gallery::Context& ctx) {
  // Rows wider than the list: only the horizontal bar.
  auto* wide = Place<skin::TbsSkinListBox>(box, ctx, 0, 0, 118, 100);
  wide->setItems({"http://192.168.0.10:8080/KVRCS/", "教室 101 · 商业模拟 A 班", "short"});
  wide->setHorizontalExtent(260);
  wide->setItemIndex(1);
  wide->setHorizontalOffset(40);

  // More rows than fit and wider than the list: both bars and the corner.
  auto* both = Place<skin::TbsSkinListBox>(box, ctx, 124, 0, 118, 100);
  both->setItems(Rows("第二学期 · 经营决策报告 ", 20));
  both->setHorizontalExtent(240);
  both->setItemIndex(3);

  // Items down columns, scrolled a column at a time.
  auto* columns = Place<skin::TbsSkinListBox>(box, ctx, 248, 0, 122, 100);
  columns->setColumns(2);
  columns->setItems(Rows("组 ", 17));
  columns->setItemIndex(5);

  // A caption bar above the rows.
  auto* captioned = Place<skin::TbsSkinListBox>(box, ctx, 0, 108, 242, 80);
  captioned->setCaptionMode(true);
  captioned->setCaption("在线公司 Companies online");
  captioned->setItems(Rows("公司 ", 8));
  captioned->setItemIndex(0);

  auto* centred = Place<skin::TbsSkinListBox>(box, ctx, 248, 108, 122, 80);
  centred->setCaptionMode(true);
  centred->setCaption("居中 Centred");
  centred->setCaptionAlignment(skin::TextAlignment::Center);
  centred->setColumns(2);
  centred->setItems(Rows("项 ", 9));
}

const bool registered = gallery::RegisterArea({"列表与组合框", 60, 370, 190, Build});
const bool registeredBoxes =
    gallery::RegisterArea({"列表框 List boxes", 61, 370, 190, BuildListBoxes});

}  // namespace
