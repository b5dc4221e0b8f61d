// Panels: one paint of a full-screen skinned panel against copying a
// screen-sized buffer once.
//
// BM_PaintSkinPanel_1920x1080 runs the paint the framework runs for a
// control: a fresh bitmap of the control's size, erase-background and paint
// through the window procedure (the nine-part "panel" section of a built-in
// skin with a caption bar). BM_RenderSkinPanel_1920x1080 also copies that
// bitmap to a widget surface through Qt, as a real expose does.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <cstring>
#include <vector>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_panel.h"
#include "ui/graphics/canvas.h"
#include "ui/message.h"

namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;

void BM_Memcpy_1920x1080(benchmark::State& state) {
  std::vector<std::uint32_t> from(kW * kH, 7), to(kW * kH);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * 4);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memcpy_1920x1080)->Unit(benchmark::kMicrosecond);

struct SkinnedPanel {
  app::LoadedBuiltinSkin skin{0};
  skin::TbsSkinPanel panel{nullptr};
  SkinnedPanel() {
    panel.setBounds(0, 0, kW, kH);
    panel.setCaption("面板 Panel");
    panel.SetSkinData(&skin.data);
  }
};

void BM_PaintSkinPanel_1920x1080(benchmark::State& state) {
  SkinnedPanel p;
  for (auto _ : state) {
    gfx::Bitmap bmp(kW, kH);
    gfx::Canvas canvas(bmp);
    ui::Message erase{ui::WM_ERASEBKGND, ui::ToParam(&canvas), 0, 0};
    p.panel.windowProc(erase);
    ui::Message paint{ui::WM_PAINT, ui::ToParam(&canvas), 0, 0};
    p.panel.windowProc(paint);
    benchmark::DoNotOptimize(bmp.row(kH / 2));
    benchmark::ClobberMemory();
  }
  state.counters["skinned"] = p.panel.SectionIndex() != -1 ? 1 : 0;
}
BENCHMARK(BM_PaintSkinPanel_1920x1080)->Unit(benchmark::kMicrosecond);

void BM_RenderSkinPanel_1920x1080(benchmark::State& state) {
  SkinnedPanel p;
  QImage target(kW, kH, QImage::Format_RGB32);
  for (auto _ : state) {
    p.panel.widget()->render(&target);
    benchmark::DoNotOptimize(target.constBits());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RenderSkinPanel_1920x1080)->Unit(benchmark::kMicrosecond);

}  // namespace
