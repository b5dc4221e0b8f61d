// Benchmarks of the skinned window frame, each with its baseline in the same
// run: composing and copying the frame's four strips against a plain copy of
// their bytes, one live-resize step against the paint alone, and a skin
// switch over ten open forms against reading the package alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>
#include <memory>
#include <vector>

#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/form_frame.h"
#include "skin/frame/frame_paint.h"
#include "ui/application.h"

namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;

struct LoadedSkin {
  skin::TbsCompressedStoredSkin stored;
  skin::TbsSkinData data;
  explicit LoadedSkin(int index) {
    app::LoadBuiltinSkin(app::BuiltinSkins()[static_cast<std::size_t>(index)], stored);
    data.setCompressedStoredSkin(&stored);
  }
};

LoadedSkin& Skin() {
  static LoadedSkin s(0);
  return s;
}

void BM_PaintSkinnedFrame_1920x1080(benchmark::State& state) {
  const skin::TbsSkinData& d = Skin().data;
  const skin::SkinnedFrameSource source{&d.Picture(), &d.InactivePicture(), &d.FormInfo()};
  const auto placed =
      skin::PlaceFrameGeometry(d.FormInfo(), {d.Picture().width(), d.Picture().height()}, kW, kH);
  gfx::Bitmap target(kW, kH);
  skin::BorderStrips strips;
  skin::FrameObjectList none;
  skin::FramePaintContext ctx;
  for (auto _ : state) {
    skin::PaintSkinnedFrame(target, source, placed, none, ctx, strips);
    benchmark::DoNotOptimize(target.row(0));
  }
}
BENCHMARK(BM_PaintSkinnedFrame_1920x1080)->Unit(benchmark::kMicrosecond);

// The baseline: the strips' bytes copied from a ready buffer, no composition.
void BM_MemcpyFrameStrips_1920x1080(benchmark::State& state) {
  const skin::TbsSkinData& d = Skin().data;
  const skin::SkinnedFrameSource source{&d.Picture(), &d.InactivePicture(), &d.FormInfo()};
  const auto placed =
      skin::PlaceFrameGeometry(d.FormInfo(), {d.Picture().width(), d.Picture().height()}, kW, kH);
  skin::BorderStrips strips;
  skin::ComposeFrameStrips(source, placed, true, strips);
  std::size_t bytes = 0;
  for (const gfx::Bitmap* s : {&strips.top, &strips.bottom, &strips.left, &strips.right}) {
    bytes += static_cast<std::size_t>(s->width()) * static_cast<std::size_t>(s->height()) * 4;
  }
  std::vector<std::uint8_t> from(bytes, 7), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MemcpyFrameStrips_1920x1080)->Unit(benchmark::kMicrosecond);

// One step of a live resize: the framework sizes the form (non-client size,
// geometry, caption layout, region) and the frame is painted into the
// window's frame buffer. The two buffers of the two sizes are kept, as the
// window keeps its own, so that the step does not measure the allocator.
void BM_LiveResizeStep_1920x1080(benchmark::State& state) {
  ui::Form form;
  form.setBounds(0, 0, kW, kH);
  auto* frame = new skin::TbsFormFrame(&form);
  frame->setSkinData(&Skin().data);
  gfx::Bitmap buffers[2] = {gfx::Bitmap(kW, kH), gfx::Bitmap(kW - 1, kH)};
  int which = 0;
  for (auto _ : state) {
    which = 1 - which;
    gfx::Bitmap& buffer = buffers[which];
    form.setBounds(0, 0, buffer.width(), kH);
    form.perform(ui::WM_NCPAINT, 0, ui::ToParam(&buffer));
    benchmark::DoNotOptimize(buffer.row(0));
  }
}
BENCHMARK(BM_LiveResizeStep_1920x1080)->Unit(benchmark::kMicrosecond);

// The same step with a window-size bitmap made anew each time, as
// Form::frameImage does: what a fresh frame buffer per size costs.
void BM_LiveResizeStepFreshBuffer_1920x1080(benchmark::State& state) {
  ui::Form form;
  form.setBounds(0, 0, kW, kH);
  auto* frame = new skin::TbsFormFrame(&form);
  frame->setSkinData(&Skin().data);
  int w = kW;
  for (auto _ : state) {
    w = w == kW ? kW - 1 : kW;
    form.setBounds(0, 0, w, kH);
    gfx::Bitmap image = form.frameImage();
    benchmark::DoNotOptimize(image.row(0));
  }
}
BENCHMARK(BM_LiveResizeStepFreshBuffer_1920x1080)->Unit(benchmark::kMicrosecond);

// The framework's own share: a form without a frame sized the same way.
void BM_FormResizeOnly_1920x1080(benchmark::State& state) {
  ui::Form form;
  form.setBounds(0, 0, kW, kH);
  int w = kW;
  for (auto _ : state) {
    w = w == kW ? kW - 1 : kW;
    form.setBounds(0, 0, w, kH);
    benchmark::DoNotOptimize(form.width());
  }
}
BENCHMARK(BM_FormResizeOnly_1920x1080)->Unit(benchmark::kMicrosecond);

// The window-shape update a resize step makes: a region of a 1920 x 1080
// window set on the form, alternating between two widths.
void BM_FormSetRegionOnly_1920x1080(benchmark::State& state) {
  ui::Form form;
  form.setBounds(0, 0, kW, kH);
  const gfx::Region a(gfx::Rect{2, 0, kW - 2, kH});
  const gfx::Region b(gfx::Rect{2, 0, kW - 3, kH});
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    form.setRegion(flip ? a : b);
  }
}
BENCHMARK(BM_FormSetRegionOnly_1920x1080)->Unit(benchmark::kMicrosecond);

// The same form painted at a fixed size into a kept buffer: the paint alone.
void BM_FramePaintOnly_1920x1080(benchmark::State& state) {
  ui::Form form;
  form.setBounds(0, 0, kW, kH);
  auto* frame = new skin::TbsFormFrame(&form);
  frame->setSkinData(&Skin().data);
  gfx::Bitmap buffer(kW, kH);
  for (auto _ : state) {
    form.perform(ui::WM_NCPAINT, 0, ui::ToParam(&buffer));
    benchmark::DoNotOptimize(buffer.row(0));
  }
}
BENCHMARK(BM_FramePaintOnly_1920x1080)->Unit(benchmark::kMicrosecond);

// Ten open forms with frames; each iteration switches the skin once: the
// package is read, every frame rebuilt and repainted.
void BM_SwitchSkin_10Forms(benchmark::State& state) {
  skin::FormSkinWindows windows;
  skin::TbsCompressedStoredSkin stored[2];
  app::LoadBuiltinSkin(app::BuiltinSkins()[0], stored[0]);
  app::LoadBuiltinSkin(app::BuiltinSkins()[4], stored[1]);
  skin::TbsSkinData data(nullptr, &windows);
  std::vector<std::unique_ptr<ui::Form>> forms;
  for (int i = 0; i < 10; ++i) {
    forms.push_back(std::make_unique<ui::Form>());
    forms.back()->setBounds(20 * i, 20 * i, 640, 480);
    (new skin::TbsFormFrame(forms.back().get()))->setSkinData(&data);
  }
  int which = 0;
  for (auto _ : state) {
    data.setCompressedStoredSkin(&stored[which]);
    which = 1 - which;
    for (auto& f : forms) {
      gfx::Bitmap image = f->frameImage();
      benchmark::DoNotOptimize(image.row(0));
    }
  }
  data.setWindowList(nullptr);
}
BENCHMARK(BM_SwitchSkin_10Forms)->Unit(benchmark::kMillisecond);

// The baseline: the same packages read with no window listening.
void BM_ReadPackageOnly(benchmark::State& state) {
  skin::TbsCompressedStoredSkin stored[2];
  app::LoadBuiltinSkin(app::BuiltinSkins()[0], stored[0]);
  app::LoadBuiltinSkin(app::BuiltinSkins()[4], stored[1]);
  skin::TbsSkinData data;
  int which = 0;
  for (auto _ : state) {
    data.setCompressedStoredSkin(&stored[which]);
    which = 1 - which;
  }
}
BENCHMARK(BM_ReadPackageOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
