// Benchmarks of the combo box: opening the pop-up list of 100 000 items up
// to its first paint, against the same for 10 items. The list draws only
// its visible rows, so the two must cost about the same. And a list box's
// paint: rows scrolled far into a huge horizontal extent, and items in
// columns, against the plain rows of the same list; only what shows is
// drawn, so they too must cost about the same.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTest>
#include <string>
#include <vector>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_list_box.h"
#include "ui/form.h"

namespace {

void ComboDropDown(benchmark::State& state, int count) {
  app::LoadedBuiltinSkin skin(0);
  ui::Form form;
  form.setBounds(20, 20, 300, 200);
  auto* combo = new skin::TbsSkinComboBox(&form);
  combo->setParent(&form);
  combo->setBounds(10, 10, 150, 20);
  combo->SetSkinData(&skin.data);
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) items.push_back("item " + std::to_string(i));
  combo->setItems(std::move(items));
  combo->setItemIndex(count / 2);
  form.show();
  (void)QTest::qWaitForWindowExposed(form.widget());
  for (auto _ : state) {
    const long long before = combo->popupList().itemsDrawn();
    combo->DropDown();
    // Up to the list's first paint: the shown window is exposed and painted
    // by the event loop.
    for (int spin = 0; spin < 100000 && combo->popupList().itemsDrawn() == before; ++spin)
      QCoreApplication::processEvents();
    state.PauseTiming();
    combo->CloseUp(false);
    state.ResumeTiming();
  }
  state.counters["rows drawn"] = static_cast<double>(combo->popupList().itemsDrawn()) /
                                 static_cast<double>(state.iterations());
}

void BM_ComboDropDown_10(benchmark::State& state) { ComboDropDown(state, 10); }
void BM_ComboDropDown_100000(benchmark::State& state) { ComboDropDown(state, 100000); }

BENCHMARK(BM_ComboDropDown_10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComboDropDown_100000)->Unit(benchmark::kMicrosecond);

enum class ListKind { Plain, HugeExtent, Columns };

void PaintListBox(benchmark::State& state, ListKind kind) {
  app::LoadedBuiltinSkin skin(0);
  ui::Form form;
  form.setBounds(20, 20, 400, 300);
  auto* list = new skin::TbsSkinListBox(&form);
  list->setParent(&form);
  list->setBounds(10, 10, 300, 240);
  list->SetSkinData(&skin.data);
  std::vector<std::string> items;
  for (int i = 0; i < 100000; ++i) items.push_back("第二学期 · 经营决策报告 " + std::to_string(i));
  list->setItems(std::move(items));
  list->setItemIndex(500);
  if (kind == ListKind::HugeExtent) {
    list->setHorizontalExtent(2000000000);
    list->setHorizontalOffset(1000000000);
  } else if (kind == ListKind::Columns) {
    list->setColumns(3);
  }
  form.show();
  (void)QTest::qWaitForWindowExposed(form.widget());
  const long long before = list->itemsDrawn();
  for (auto _ : state) list->repaint();
  state.counters["rows drawn"] =
      static_cast<double>(list->itemsDrawn() - before) / static_cast<double>(state.iterations());
}

void BM_PaintListBox(benchmark::State& state) { PaintListBox(state, ListKind::Plain); }
void BM_PaintListBox_HugeExtent(benchmark::State& state) {
  PaintListBox(state, ListKind::HugeExtent);
}
void BM_PaintListBox_Columns(benchmark::State& state) { PaintListBox(state, ListKind::Columns); }

BENCHMARK(BM_PaintListBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintListBox_HugeExtent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintListBox_Columns)->Unit(benchmark::kMicrosecond);

}  // namespace
