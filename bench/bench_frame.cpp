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
// geometry, caption layout, region) and the frame is painted.
void BM_LiveResizeStep_1920x1080(benchmark::State& state) {
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
BENCHMARK(BM_LiveResizeStep_1920x1080)->Unit(benchmark::kMicrosecond);

// The same form painted at a fixed size: the paint alone.
void BM_FramePaintOnly_1920x1080(benchmark::State& state) {
  ui::Form form;
  form.setBounds(0, 0, kW, kH);
  auto* frame = new skin::TbsFormFrame(&form);
  frame->setSkinData(&Skin().data);
  for (auto _ : state) {
    gfx::Bitmap image = form.frameImage();
    benchmark::DoNotOptimize(image.row(0));
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
