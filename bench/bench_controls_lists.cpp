// Benchmarks of the combo box: opening the pop-up list of 100 000 items up
// to its first paint, against the same for 10 items. The list draws only
// its visible rows, so the two must cost about the same.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTest>
#include <string>
#include <vector>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_combo_box.h"
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

}  // namespace
