// Benchmarks of the skinned window frame, each with its baseline in the same
// run: composing the frame's four strips into the window's buffer against a
// plain copy of their bytes, one live-resize step of a shown form against its
// paint alone, and a skin switch over ten shown forms against reading the
// package alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <cstdio>
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

app::LoadedBuiltinSkin& Skin() {
  static app::LoadedBuiltinSkin s(0);
  return s;
}

void BM_PaintSkinnedFrame_1920x1080(benchmark::State& state) {
  const skin::TbsSkinData& d = Skin().data;
  const skin::SkinnedFrameSource source{&d.Picture(), &d.InactivePicture(), &d.FormInfo()};
  const auto placed =
      skin::PlaceFrameGeometry(d.FormInfo(), {d.Picture().width(), d.Picture().height()}, kW, kH);
  gfx::Bitmap target(kW, kH);
  skin::FrameObjectList none;
  skin::FramePaintContext ctx;
  for (auto _ : state) {
    skin::PaintSkinnedFrame(target, source, placed, none, ctx);
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

// Lets the platform expose a shown window, as the event loop would before
// its first paint.
void WaitExposed(QWidget* w) {
  QElapsedTimer t;
  t.start();
  while (!(w->windowHandle() && w->windowHandle()->isExposed()) && t.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  QCoreApplication::processEvents();
}

// A shown form at 1920 x 1080 whose pointer is pressed on its right sizing
// border, so that the framework's own move/size loop runs; each step moves
// the pointer by one pixel, which sizes the form through that loop, and then
// the form repaints as after a real resize (frame buffer, four bands to the
// window, the client area through its own widget).
class LiveResize {
 public:
  explicit LiveResize(bool framed) {
    form_.setBounds(0, 0, kW, kH);
    if (framed) (new skin::TbsFormFrame(&form_))->setSkinData(&Skin().data);
    form_.show();
    QWidget* w = form_.widget();
    WaitExposed(w);
    // Real input through the window, as the platform delivers it.
    press_ = QPoint(kW - 2, kH / 2);
    // The pointer rests on the border first, as a user's does before
    // pressing, so that the frame's hover tracking finds no object under it.
    QCursor::setPos(w->mapToGlobal(press_));
    QTest::qWait(120);
    QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, press_);
  }
  ~LiveResize() {
    QTest::mouseRelease(form_.widget()->windowHandle(), Qt::LeftButton, {}, press_);
    form_.hide();
  }
  void size() {
    wide_ = !wide_;
    const int before = form_.width();
    const QPoint global = form_.widget()->mapToGlobal(press_) - QPoint(wide_ ? 0 : 1, 0);
    QTest::mouseMove(form_.widget()->windowHandle(), form_.widget()->mapFromGlobal(global));
    if (form_.width() == before) ++unchanged_;
  }
  // Fails the benchmark unless every step went through the loop and sized.
  void check(benchmark::State& state) const {
    if (unchanged_ > 0) state.SkipWithError("a step did not size the form");
  }
  void paint() { form_.widget()->repaint(); }
  ui::Form& form() { return form_; }

 private:
  ui::Form form_;
  QPoint press_;
  bool wide_ = true;
  int unchanged_ = 0;
};

// One step of a live resize of the skinned form: loop, sizing, geometry,
// caption layout, region and the repaint.
void BM_LiveResizeStep_1920x1080(benchmark::State& state) {
  LiveResize r(true);
  for (auto _ : state) {
    r.size();
    r.paint();
  }
  r.check(state);
}
BENCHMARK(BM_LiveResizeStep_1920x1080)->Unit(benchmark::kMicrosecond);

// The paint alone: the same form repainted at a fixed size.
void BM_FramePaintOnly_1920x1080(benchmark::State& state) {
  LiveResize r(true);
  for (auto _ : state) r.paint();
}
BENCHMARK(BM_FramePaintOnly_1920x1080)->Unit(benchmark::kMicrosecond);

// The framework's own share: a form without a skinned frame, sized and
// repainted the same way.
void BM_FormResizeOnly_1920x1080(benchmark::State& state) {
  LiveResize r(false);
  for (auto _ : state) {
    r.size();
    r.paint();
  }
  r.check(state);
}
BENCHMARK(BM_FormResizeOnly_1920x1080)->Unit(benchmark::kMicrosecond);

// What a window-size bitmap made anew at every size costs: the same sizing
// step with the frame painted into a fresh bitmap (Form::frameImage).
void BM_LiveResizeStepFreshBuffer_1920x1080(benchmark::State& state) {
  LiveResize r(true);
  for (auto _ : state) {
    r.size();
    gfx::Bitmap image = r.form().frameImage();
    benchmark::DoNotOptimize(image.row(0));
  }
  r.check(state);
}
BENCHMARK(BM_LiveResizeStepFreshBuffer_1920x1080)->Unit(benchmark::kMicrosecond);

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

// Ten shown forms with frames; each iteration switches the skin once: the
// package is read, every frame rebuilt, and every form repainted.
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
    forms.back()->show();
    WaitExposed(forms.back()->widget());
  }
  int which = 0;
  for (auto _ : state) {
    data.setCompressedStoredSkin(&stored[which]);
    which = 1 - which;
    for (auto& f : forms) f->widget()->repaint();
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
  // One screen large enough for a 1920 x 1080 window to be sized within its
  // limits (the offscreen platform's own screen is 800 x 800).
  QTemporaryDir dir;
  QFile config(dir.filePath("screens.json"));
  if (!dir.isValid() || !config.open(QIODevice::WriteOnly) ||
      config.write(R"({"windowFrameMargins":false,"screens":[{"name":"s1","x":0,"y":0,)"
                   R"("width":2560,"height":1440,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})") <
          0) {
    std::fprintf(stderr, "bench_frame: cannot write the screen configuration\n");
    return 1;
  }
  config.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toLocal8Bit());
  QApplication qapp(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
