// Benchmarks of the display controls, each with its baseline in the same
// run: one paint of the please-wait window's skinned gauge (314 x 24, status
// gauge of a built-in skin, progress text and percentage) through the real
// paint path, against a QProgressBar of the same size and text rendered the
// same way; and one paint of a std label against a QLabel with the same text.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <memory>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_std_label.h"
#include "ui/form.h"

namespace {

constexpr int kW = 314;
constexpr int kH = 24;

app::LoadedBuiltinSkin& Skin() {
  static app::LoadedBuiltinSkin s(0);
  return s;
}

ui::Form& Host() {
  static ui::Form* form = [] {
    auto* f = new ui::Form();
    f->setBounds(0, 0, 400, 120);
    f->show();
    return f;
  }();
  return *form;
}

void BM_PaintSkinGauge_314x24(benchmark::State& state) {
  auto* g = new skin::TbsSkinGauge(&Host());
  g->setParent(&Host());
  g->SetSkinDataName("statusgauge");
  g->setBounds(0, 0, kW, kH);
  g->SetSkinData(&Skin().data);
  g->setProgressText("处理中，请稍候…");
  g->setShowProgressText(true);
  g->setShowPercent(true);
  QImage image(kW, kH, QImage::Format_ARGB32_Premultiplied);
  int v = 0;
  for (auto _ : state) {
    g->setValue(v = (v + 7) % 101);
    g->widget()->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  delete g;
}
BENCHMARK(BM_PaintSkinGauge_314x24)->Unit(benchmark::kMicrosecond);

void BM_PaintQProgressBar_314x24(benchmark::State& state) {
  QProgressBar bar;
  bar.resize(kW, kH);
  bar.setRange(0, 100);
  bar.setFormat(QString::fromUtf8("处理中，请稍候…%p%"));
  bar.setTextVisible(true);
  QImage image(kW, kH, QImage::Format_ARGB32_Premultiplied);
  int v = 0;
  for (auto _ : state) {
    bar.setValue(v = (v + 7) % 101);
    bar.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintQProgressBar_314x24)->Unit(benchmark::kMicrosecond);

void BM_PaintSkinStdLabel(benchmark::State& state) {
  auto* l = new skin::TbsSkinStdLabel(&Host());
  l->setParent(&Host());
  l->SetSkinData(&Skin().data);
  l->setCaption("连接端口：");
  QImage image(l->width(), l->height(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::transparent);
    l->widget()->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  delete l;
}
BENCHMARK(BM_PaintSkinStdLabel)->Unit(benchmark::kMicrosecond);

void BM_PaintQLabel(benchmark::State& state) {
  QLabel label(QString::fromUtf8("连接端口："));
  label.adjustSize();
  QImage image(label.width(), label.height(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::transparent);
    label.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PaintQLabel)->Unit(benchmark::kMicrosecond);

}  // namespace
