// Speed of composition, frame regions and image effects at 1920 x 1080,
// each with its baseline in the same run: memcpy of the same bytes, and
// Qt's own nine-part pixmap drawing for the nine-part image.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "skin/draw/effect_bmp.h"
#include "skin/draw/frame_image.h"
#include "skin/draw/mask_region.h"

#ifdef KAVRO_BENCH_QT_BORDER_PIXMAP
#include <QtWidgets/qdrawutil.h>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#endif

namespace {

using gfx::Bitmap;
using gfx::Color;
using gfx::Rect;
using skin::SkinImageGeometry;

constexpr int kW = 1920, kH = 1080;

// A picture with a pattern that no copy can shortcut.
Bitmap Pattern(int w, int h) {
  Bitmap b(w, h);
  std::uint32_t s = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      s = s * 1103515245u + 12345u;
      b.setPixel(x, y, Color(s >> 8));
    }
  return b;
}

// A control image of 64 x 48 with 6-pixel borders all round.
const SkinImageGeometry kControl{{6, 6}, {58, 6}, {6, 42}, {58, 42}, {6, 6, 58, 42}};

// A window frame picture of 200 x 150: a 30-pixel caption with fixed ends,
// 4-pixel side borders and bottom.
const SkinImageGeometry kFrame{{40, 40}, {160, 40}, {50, 130}, {150, 130}, {4, 30, 196, 146}};

void BM_Memcpy_1920x1080(benchmark::State& state) {
  std::vector<std::uint32_t> from(kW * kH, 7), to(kW * kH);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * 4);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memcpy_1920x1080);

void BM_ComposeFrameImage_1920x1080(benchmark::State& state) {
  const Bitmap picture = Pattern(64, 48);
  const SkinImageGeometry placed = skin::PlaceGeometry(kControl, kW - 64, kH - 48);
  Bitmap out;
  for (auto _ : state) {
    skin::ComposeFrameImage(kControl, placed, out, picture, picture.rect(), kW, kH, true);
    benchmark::DoNotOptimize(out.row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeFrameImage_1920x1080);

#ifdef KAVRO_BENCH_QT_BORDER_PIXMAP
void BM_QtBorderPixmap_1920x1080(benchmark::State& state) {
  const QPixmap pixmap = QPixmap::fromImage(Pattern(64, 48).image());
  QImage out(kW, kH, QImage::Format_RGB32);
  const QMargins margins(6, 6, 6, 6);
  for (auto _ : state) {
    QPainter p(&out);
    qDrawBorderPixmap(&p, QRect(0, 0, kW, kH), margins, pixmap, pixmap.rect(), margins,
                      QTileRules(Qt::RepeatTile, Qt::RepeatTile), QDrawBorderPixmap::OpaqueAll);
    p.end();
    benchmark::DoNotOptimize(out.constBits());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_QtBorderPixmap_1920x1080);
#endif

void BM_ComposeBorderStrips_1920x1080(benchmark::State& state) {
  const Bitmap picture = Pattern(200, 150);
  const SkinImageGeometry placed = skin::PlaceGeometry(kFrame, kW - 200, kH - 150);
  skin::BorderStrips strips;
  for (auto _ : state) {
    skin::ComposeBorderStrips(kFrame, placed, strips, picture, picture.rect(), kW, kH);
    benchmark::DoNotOptimize(strips.top.row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeBorderStrips_1920x1080);

void BM_MemcpyStrips_1920x1080(benchmark::State& state) {
  // The bytes of the four strips of that frame: top W x 30, bottom W x 4,
  // and the two 4-pixel sides between them.
  const std::size_t sides = static_cast<std::size_t>(kH - 30 - 4);
  const std::size_t bytes = 4 * (static_cast<std::size_t>(kW) * (30 + 4) + 2 * 4 * sides);
  std::vector<std::uint8_t> from(bytes, 7), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyStrips_1920x1080);

// A 200 x 150 frame mask whose four corners are rounded with a radius of 8.
Bitmap RoundedMask() {
  Bitmap m(200, 150);
  const int radius = 8;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) {
      const int cx = x < radius ? radius - x : (x >= 200 - radius ? x - (199 - radius) : 0);
      const int cy = y < radius ? radius - y : (y >= 150 - radius ? y - (149 - radius) : 0);
      m.setPixel(x, y, cx * cx + cy * cy > radius * radius ? gfx::kWhite : gfx::kBlack);
    }
  return m;
}

void BM_BuildFrameRegion_1920x1080(benchmark::State& state) {
  const Bitmap mask = RoundedMask();
  const SkinImageGeometry maskGeometry{
      {40, 40}, {160, 40}, {50, 130}, {150, 130}, {10, 10, 190, 140}};
  const SkinImageGeometry placed = skin::PlaceGeometry(maskGeometry, kW - 200, kH - 150);
  std::size_t rects = 0;
  for (auto _ : state) {
    const auto region = skin::BuildFrameRegion(maskGeometry, placed, mask, kW, kH);
    rects = region ? region->rects().size() : 0;
    benchmark::DoNotOptimize(rects);
  }
  // The rectangles the mask scan hands to the region, and the region's own.
  skin::MaskStrips strips;
  skin::ComposeMaskStrips(maskGeometry, placed, mask, strips, kW);
  std::size_t runs = 0;
  for (const Bitmap* s : {&strips.top, &strips.bottom, &strips.left, &strips.right})
    if (const auto data = skin::MaskToRects(*s, 0, 0)) runs += data->rects.size();
  state.counters["scanned_rects"] = static_cast<double>(runs);
  state.counters["region_rects"] = static_cast<double>(rects);
}
BENCHMARK(BM_BuildFrameRegion_1920x1080);

skin::TbsEffectBmp EffectPicture() { return skin::TbsEffectBmp(Pattern(kW, kH)); }

void BM_MemcpyEffect_1920x1080(benchmark::State& state) {
  const skin::TbsEffectBmp from = EffectPicture();
  skin::TbsEffectBmp to(kW, kH);
  for (auto _ : state) {
    std::memcpy(to.rowStart(0), from.rowStart(0), from.size());
    benchmark::DoNotOptimize(to.rowStart(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyEffect_1920x1080);

void BM_Lighten_1920x1080(benchmark::State& state) {
  skin::TbsEffectBmp b = EffectPicture();
  for (auto _ : state) {
    b.Lighten(0.5);
    benchmark::DoNotOptimize(b.rowStart(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Lighten_1920x1080);

void BM_ToGray_1920x1080(benchmark::State& state) {
  skin::TbsEffectBmp b = EffectPicture();
  for (auto _ : state) {
    b.ToGray();
    benchmark::DoNotOptimize(b.rowStart(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ToGray_1920x1080);

void BM_BlendWith_1920x1080(benchmark::State& state) {
  skin::TbsEffectBmp b = EffectPicture();
  const skin::TbsEffectBmp other(Bitmap(Pattern(kW + 1, kH).image().copy(1, 0, kW, kH)));
  for (auto _ : state) {
    b.BlendWith(other, 0.4);
    benchmark::DoNotOptimize(b.rowStart(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlendWith_1920x1080);

}  // namespace

int main(int argc, char** argv) {
  // Qt's pixmaps need a GUI application; no window is ever shown.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
