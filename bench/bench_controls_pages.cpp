// Benchmarks of the page control, each with its baseline in the same run:
// laying out a row of 50 tabs (every caption measured, the row placed, the
// up-down and the pages updated) against measuring the 50 captions alone,
// and painting the whole control against the row's layout; the layout of
// the same 50 tabs in several rows against the single row.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <QImage>
#include <QWidget>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_page_control.h"
#include "skin/data/control_data.h"
#include "ui/form.h"
#include "ui/graphics/canvas.h"

namespace {

app::LoadedBuiltinSkin& Skin() {
  static app::LoadedBuiltinSkin s(0);
  return s;
}

std::vector<std::string> Captions(int n) {
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i) out.push_back((i % 2 ? "网络设置 " : "Page ") + std::to_string(i));
  return out;
}

struct PagesFixture {
  explicit PagesFixture(int tabs) {
    form = new ui::Form();
    form->setBounds(0, 0, 800, 400);
    pc = new skin::TbsSkinPageControl(form);
    pc->setParent(form);
    pc->setBounds(0, 0, 600, 300);
    for (const std::string& c : Captions(tabs)) {
      auto* sheet = new skin::TbsSkinTabSheet(form);
      sheet->setCaption(c);
      sheet->setPageControl(pc);
    }
    pc->SetSkinData(&Skin().data);
  }
  ~PagesFixture() { delete form; }
  ui::Form* form;
  skin::TbsSkinPageControl* pc;
};

void BM_PageControlLayout_50Tabs(benchmark::State& state) {
  PagesFixture f(50);
  for (auto _ : state) {
    f.pc->updateTabs();
    benchmark::DoNotOptimize(f.pc->tabRect(49));
  }
}
BENCHMARK(BM_PageControlLayout_50Tabs)->Unit(benchmark::kMicrosecond);

// The same tabs broken into rows, stretched and turned to the chosen row.
void BM_PageControlLayout_50Tabs_MultiLine(benchmark::State& state) {
  PagesFixture f(50);
  f.pc->setMultiLine(true);
  f.pc->setTabIndex(10);
  for (auto _ : state) {
    f.pc->updateTabs();
    benchmark::DoNotOptimize(f.pc->tabRect(49));
  }
  state.counters["rows"] = f.pc->tabRows();
}
BENCHMARK(BM_PageControlLayout_50Tabs_MultiLine)->Unit(benchmark::kMicrosecond);

// Baseline: the 50 captions measured in the tab font, nothing else.
void BM_MeasureTabCaptions_50(benchmark::State& state) {
  const auto* s = dynamic_cast<const skin::TbsDataSkinTabControl*>(
      Skin()
          .data.ControlDataList()[static_cast<std::size_t>(Skin().data.FindControlData("tab"))]
          .get());
  gfx::Font f;
  f.name = s->fontName;
  f.height = s->fontHeight;
  const std::vector<std::string> captions = Captions(50);
  for (auto _ : state) {
    int total = 0;
    for (const std::string& c : captions) total += gfx::MeasureText(f, c).width;
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_MeasureTabCaptions_50)->Unit(benchmark::kMicrosecond);

// A resize step: the row placed again, the up-down and the page realigned.
void BM_PageControlResize_50Tabs(benchmark::State& state) {
  PagesFixture f(50);
  int w = 600;
  for (auto _ : state) {
    w = w == 600 ? 601 : 600;
    f.pc->setWidth(w);
    benchmark::DoNotOptimize(f.pc->upDown());
  }
}
BENCHMARK(BM_PageControlResize_50Tabs)->Unit(benchmark::kMicrosecond);

// The whole control painted (frame, band, the tabs that show).
void BM_PaintPageControl_50Tabs(benchmark::State& state) {
  PagesFixture f(50);
  for (auto _ : state) {
    QImage img = f.pc->widget()->grab().toImage();
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_PaintPageControl_50Tabs)->Unit(benchmark::kMicrosecond);

}  // namespace
