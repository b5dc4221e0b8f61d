// Benchmarks of the menu engine, each with its baseline in the same run:
// opening a level of 500 items (sizing measures every caption) against
// measuring those captions alone, and moving the selection with a key (two
// single items redrawn) against drawing those two item images alone.
#include <benchmark/benchmark.h>

#include <string>

#include "skin/popup/menu_paint.h"
#include "skin/popup/popup_window.h"
#include "skin/popup/skin_menu.h"
#include "ui/form.h"
#include "ui/keys.h"

namespace {

constexpr int kItems = 500;

void Fill(ui::MenuItem& root, int n) {
  for (int i = 0; i < n; ++i) {
    auto* item = new ui::MenuItem;
    item->setCaption("Item &" + std::to_string(i));
    root.add(item);
  }
}

// An engine on its own window and clock, with a menu of n items.
struct MenuOnWindow {
  explicit MenuOnWindow(int n) {
    menu.setScheduler(&clock);
    Fill(root, n);
  }
  void open() { menu.ShowMenu(nullptr, nullptr, false, root, {100, 100, 100, 100}, 0); }

  ui::Form owner;
  ui::ManualScheduler clock;
  skin::TbsSkinMenu menu{owner};
  ui::MenuItem root;
};

gfx::Font MenuFont() {
  gfx::Font f;
  f.name = "Arial";
  f.height = 14;
  return f;
}

void BM_MeasureCaptionsAlone(benchmark::State& state) {
  ui::MenuItem root;
  Fill(root, kItems);
  gfx::Bitmap probe(1, 1);
  gfx::Canvas c(probe);
  c.setFont(MenuFont());
  for (auto _ : state) {
    int widest = 0;
    for (const ui::MenuItem* item : root.items()) {
      gfx::Rect r{0, 0, 0, 0};
      c.drawText(item->caption(), r, gfx::kTextCalcRect | gfx::kTextSingleLine);
      widest = std::max(widest, r.width());
    }
    benchmark::DoNotOptimize(widest);
  }
}
BENCHMARK(BM_MeasureCaptionsAlone)->Unit(benchmark::kMicrosecond);

void BM_OpenAndCloseLevel(benchmark::State& state) {
  MenuOnWindow m(kItems);
  for (auto _ : state) {
    m.open();
    m.menu.CloseFromLevel(0);
  }
}
BENCHMARK(BM_OpenAndCloseLevel)->Unit(benchmark::kMicrosecond);

void BM_PaintTwoItemsAlone(benchmark::State& state) {
  skin::MenuItemPaint lit, normal;
  lit.caption = normal.caption = "Item &1";
  lit.lit = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(skin::PaintMenuItem(lit, {120, 20}, nullptr, MenuFont(), 19));
    benchmark::DoNotOptimize(skin::PaintMenuItem(normal, {120, 20}, nullptr, MenuFont(), 19));
  }
}
BENCHMARK(BM_PaintTwoItemsAlone)->Unit(benchmark::kMicrosecond);

void BM_SelectionMoveByKey(benchmark::State& state) {
  MenuOnWindow m(10);
  m.open();
  for (auto _ : state) m.menu.KeyDown(ui::VK_DOWN);
  m.menu.CloseFromLevel(0);
}
BENCHMARK(BM_SelectionMoveByKey)->Unit(benchmark::kMicrosecond);

}  // namespace
