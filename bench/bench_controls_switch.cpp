// A skin switch on a form of 50 skinned controls (buttons, panels, labels,
// gauges, edits, combos, scroll bars, a page control): the skin data reads
// the next built-in skin and the frame tells every control, which re-reads
// its section, re-sizes and repaints. Baseline: reading the package alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <array>
#include <memory>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/controls/skin_std_label.h"
#include "skin/frame/form_frame.h"
#include "skin/frame/skin_change.h"
#include "ui/form.h"

namespace {

struct Gallery {
  skin::FormSkinWindows windows;
  std::array<skin::TbsCompressedStoredSkin, 6> stored;
  skin::TbsSkinData data{nullptr, &windows};
  std::unique_ptr<ui::Form> form;

  Gallery() {
    for (std::size_t i = 0; i < stored.size(); ++i)
      app::LoadBuiltinSkin(app::BuiltinSkins()[i], stored[i]);
    form = std::make_unique<ui::Form>();
    form->setBounds(0, 0, 800, 600);
    auto* frame = new skin::TbsFormFrame(form.get());
    frame->setSkinData(&data);
    data.setCompressedStoredSkin(&stored[0]);
    for (int i = 0; i < 10; ++i) {
      const int y = 10 + i * 40;
      place<skin::TbsSkinButton>(10, y, 75, 25);
      place<skin::TbsSkinStdLabel>(100, y, 80, 16)->setCaption("标签");
      place<skin::TbsSkinEdit>(200, y, 120, 21);
      place<skin::TbsSkinGauge>(340, y, 150, 20);
      if (i % 2 == 0) {
        place<skin::TbsSkinComboBox>(510, y, 120, 21);
      } else {
        place<skin::TbsSkinScrollBar>(510, y, 120, 19);
      }
    }
    form->show();
    QApplication::processEvents();
  }

  template <class T>
  T* place(int x, int y, int w, int h) {
    auto* c = new T(form.get());
    c->setParent(form.get());
    c->setBounds(x, y, w, h);
    c->SetSkinData(&data);
    return c;
  }
};

void BM_SkinSwitch_Gallery(benchmark::State& state) {
  static Gallery g;
  std::size_t next = 1;
  for (auto _ : state) {
    g.data.setCompressedStoredSkin(&g.stored[next]);
    g.form->repaint();
    next = (next + 1) % g.stored.size();
  }
}
BENCHMARK(BM_SkinSwitch_Gallery)->Unit(benchmark::kMillisecond);

void BM_ReadPackageOnly(benchmark::State& state) {
  std::array<skin::TbsCompressedStoredSkin, 6> stored;
  for (std::size_t i = 0; i < stored.size(); ++i)
    app::LoadBuiltinSkin(app::BuiltinSkins()[i], stored[i]);
  skin::TbsSkinData data;
  std::size_t next = 1;
  for (auto _ : state) {
    data.ReadPackage(stored[next]);
    next = (next + 1) % stored.size();
  }
}
BENCHMARK(BM_ReadPackageOnly)->Unit(benchmark::kMillisecond);

}  // namespace
