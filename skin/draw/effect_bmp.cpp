// TbsEffectBmp: colour effects, transitions, turns and flips.
#include "skin/draw/effect_bmp.h"

#include "skin/draw/effect_kernels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

namespace skin {

namespace {

std::uint8_t clampByte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

// A factor clamped to 0..1; not a number counts as 0.
double clampFactor(double k) {
  if (std::isnan(k)) return 0;
  return std::clamp(k, 0.0, 1.0);
}

// Blending with weight w keeps w of self's value v and 1 - w of other's o.
std::uint8_t blendWeight(std::uint8_t v, std::uint8_t o, double w) {
  return clampByte(gfx::Round(w * v + (1 - w) * o));
}

void blendPixel(std::uint8_t* d, const std::uint8_t* o, double w) {
  for (int c = 0; c < 3; ++c) d[c] = blendWeight(d[c], o[c], w);
}

// Grey of a pixel: round(0.3 red + 0.59 green + 0.11 blue), computed on
// the exact sum 30 red + 59 green + 11 blue (hundredths), halves to even.
const std::array<std::uint8_t, 25501>& grayTable() {
  static const std::array<std::uint8_t, 25501> table = [] {
    std::array<std::uint8_t, 25501> t{};
    for (int n = 0; n <= 25500; ++n) {
      int q = n / 100;
      const int rest = n % 100;
      if (rest > 50 || (rest == 50 && q % 2 == 1)) ++q;
      t[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(q);
    }
    return t;
  }();
  return table;
}

}  // namespace

TbsEffectBmp::TbsEffectBmp(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  const std::size_t w = static_cast<std::size_t>(width_);
  stride_ = w * 3 + w % 4;
  bits_.assign(stride_ * static_cast<std::size_t>(height_), 0);
}

TbsEffectBmp::TbsEffectBmp(const gfx::Bitmap& bitmap)
    : TbsEffectBmp(bitmap.empty() ? 0 : bitmap.width(), bitmap.empty() ? 0 : bitmap.height()) {
  for (int y = 0; y < height_; ++y) {
    const std::uint32_t* s = bitmap.row(y);
    std::uint8_t* d = rowStart(y);
    for (int x = 0; x < width_; ++x, d += 3) {
      d[0] = static_cast<std::uint8_t>(s[x]);
      d[1] = static_cast<std::uint8_t>(s[x] >> 8);
      d[2] = static_cast<std::uint8_t>(s[x] >> 16);
    }
  }
}

std::array<std::uint8_t, 40> TbsEffectBmp::bitmapInfo() const {
  std::array<std::uint8_t, 40> b{};
  auto put = [&b](std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
      b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put(0, 40, 4);
  put(4, static_cast<std::uint32_t>(width_), 4);
  put(8, static_cast<std::uint32_t>(-height_), 4);
  put(12, 1, 2);
  put(14, 24, 2);
  return b;  // compression 0 and the remaining fields stay 0
}

gfx::Color TbsEffectBmp::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return gfx::kBlack;
  const std::uint8_t* p = rowStart(y) + 3 * x;
  return gfx::Color::rgb(p[2], p[1], p[0]);
}

void TbsEffectBmp::setPixel(int x, int y, gfx::Color c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t* p = rowStart(y) + 3 * x;
  p[0] = static_cast<std::uint8_t>(c.blue());
  p[1] = static_cast<std::uint8_t>(c.green());
  p[2] = static_cast<std::uint8_t>(c.red());
}

void TbsEffectBmp::getRow(int y, std::span<std::uint8_t> buffer) const {
  if (y < 0 || y >= height_) return;
  std::memcpy(buffer.data(), rowStart(y),
              std::min(buffer.size(), static_cast<std::size_t>(width_) * 3));
}

void TbsEffectBmp::setRow(int y, std::span<const std::uint8_t> buffer) {
  if (y < 0 || y >= height_) return;
  std::memcpy(rowStart(y), buffer.data(),
              std::min(buffer.size(), static_cast<std::size_t>(width_) * 3));
}

gfx::Bitmap TbsEffectBmp::toBitmap() const {
  gfx::Bitmap out(width_, height_);
  DrawTo(out, 0, 0);
  return out;
}

void TbsEffectBmp::DrawTo(gfx::Canvas& canvas, int x, int y) const {
  canvas.draw(x, y, toBitmap());
}

void TbsEffectBmp::DrawTo(gfx::Bitmap& target, int x, int y) const {
  const gfx::Rect to =
      gfx::IntersectRect(gfx::Rect::fromSize(x, y, width_, height_), target.rect());
  if (gfx::IsNullRect(to)) return;
  for (int ty = to.top; ty < to.bottom; ++ty) {
    const std::uint8_t* s = rowStart(ty - y) + 3 * (to.left - x);
    std::uint32_t* d = target.row(ty);
    for (int tx = to.left; tx < to.right; ++tx, s += 3)
      d[tx] = 0xFF000000u | (std::uint32_t{s[2]} << 16) | (std::uint32_t{s[1]} << 8) | s[0];
  }
}

// ---- Colour effects ----

void TbsEffectBmp::applyTable(const std::array<std::uint8_t, 256>& table) {
  const std::size_t n = static_cast<std::size_t>(width_) * 3;
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = rowStart(y);
    for (std::size_t i = 0; i < n; ++i) p[i] = table[p[i]];
  }
}

namespace {

struct TableBlock {
  std::uint8_t* row;
  const std::array<std::uint8_t, 256>* table;
};

void tableBlock(void* context, std::size_t start) {
  const TableBlock& c = *static_cast<const TableBlock*>(context);
  for (std::size_t i = start; i < start + kBlendBlockSize; ++i) c.row[i] = (*c.table)[c.row[i]];
}

}  // namespace

void TbsEffectBmp::applyLinear(const std::array<std::uint8_t, 256>& table, double k,
                               std::uint8_t towards) {
  FixedWeights w;
  if (!MakeFixedWeights(k, w)) {
    applyTable(table);
    return;
  }
  // v -> (1 - k) v + k towards in blocks; blocks near a rounding boundary
  // and the row's tail go through the table.
  const std::size_t n = static_cast<std::size_t>(width_) * 3;
  for (int y = 0; y < height_; ++y) {
    TableBlock context{rowStart(y), &table};
    const std::size_t done = BlendBlocksWith(context.row, towards, n, w, tableBlock, &context);
    for (std::size_t i = done; i < n; ++i) context.row[i] = table[context.row[i]];
  }
}

void TbsEffectBmp::Lighten(double k) {
  k = clampFactor(k);
  std::array<std::uint8_t, 256> t;
  for (int v = 0; v < 256; ++v)
    t[static_cast<std::size_t>(v)] = clampByte(gfx::Round((1 - k) * v + 255 * k));
  applyLinear(t, k, 255);
}

void TbsEffectBmp::Darken(double k) {
  k = clampFactor(k);
  std::array<std::uint8_t, 256> t;
  for (int v = 0; v < 256; ++v) t[static_cast<std::size_t>(v)] = clampByte(gfx::Round((1 - k) * v));
  applyLinear(t, k, 0);
}

void TbsEffectBmp::InvertColours() {
  const std::size_t n = static_cast<std::size_t>(width_) * 3;
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = rowStart(y);
    for (std::size_t i = 0; i < n; ++i) p[i] = static_cast<std::uint8_t>(255 - p[i]);
  }
}

void TbsEffectBmp::ToGray() {
  const std::array<std::uint8_t, 25501>& gray = grayTable();
  for (int y = 0; y < height_; ++y) {
    const int done = GrayBlocks(rowStart(y), width_);
    std::uint8_t* p = rowStart(y) + 3 * done;
    for (int x = done; x < width_; ++x, p += 3) {
      const std::uint8_t g = gray[static_cast<std::size_t>(30 * p[2] + 59 * p[1] + 11 * p[0])];
      p[0] = p[1] = p[2] = g;
    }
  }
}

void TbsEffectBmp::AddNoise(int a) {
  static std::mt19937 engine{std::random_device{}()};
  AddNoise(a, static_cast<std::uint32_t>(engine()));
}

void TbsEffectBmp::AddNoise(int a, std::uint32_t seed) {
  if (a <= 0) return;
  std::mt19937 engine(seed);
  std::uniform_int_distribution<int> draw(0, a - 1);
  const int half = gfx::Div(a, 2);
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = rowStart(y);
    for (int x = 0; x < width_; ++x, p += 3) {
      const int r = draw(engine) - half;
      for (int c = 0; c < 3; ++c) p[c] = clampByte(p[c] + r);
    }
  }
}

void TbsEffectBmp::BlurSplit(int a) {
  if (a <= 0) return;
  // In place on purpose: pixels already changed above and to the left feed
  // the later ones, which gives the split look.
  for (int y = 0; y < height_; ++y) {
    const int up = y - a < 0 ? y : y - a;
    const int down = y + a < height_ ? y + a : y;
    for (int x = 0; x < width_; ++x) {
      const int left = x - a < 0 ? x : x - a;
      const int right = x + a < width_ ? x + a : x;
      const std::uint8_t* ul = rowStart(up) + 3 * left;
      const std::uint8_t* ll = rowStart(down) + 3 * left;
      const std::uint8_t* ur = rowStart(up) + 3 * right;
      const std::uint8_t* lr = rowStart(down) + 3 * right;
      std::uint8_t* p = rowStart(y) + 3 * x;
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<std::uint8_t>((ul[c] + ll[c] + ur[c] + lr[c]) / 4);
    }
  }
}

// ---- Transitions ----

void TbsEffectBmp::BlendWith(const TbsEffectBmp& other, double k) {
  if (!sameSize(other)) return;
  k = clampFactor(k);
  if (k == 0) return;
  // Blocks go through the fixed-point kernel; the blocks it is unsure of and
  // the row tails take the formula itself, its two products from tables
  // built once per call.
  std::array<double, 256> mine, theirs;
  for (int v = 0; v < 256; ++v) {
    mine[static_cast<std::size_t>(v)] = (1 - k) * v;
    theirs[static_cast<std::size_t>(v)] = k * v;
  }
  struct Exact {
    std::uint8_t* p;
    const std::uint8_t* o;
    const std::array<double, 256>* mine;
    const std::array<double, 256>* theirs;
    void run(std::size_t from, std::size_t to) const {
      for (std::size_t i = from; i < to; ++i)
        p[i] = clampByte(gfx::Round((*mine)[p[i]] + (*theirs)[o[i]]));
    }
  };
  FixedWeights w;
  const bool blocks = MakeFixedWeights(k, w);
  const std::size_t n = static_cast<std::size_t>(width_) * 3;
  for (int y = 0; y < height_; ++y) {
    Exact exact{rowStart(y), other.rowStart(y), &mine, &theirs};
    std::size_t done = 0;
    if (blocks)
      done = BlendBlocks(
          exact.p, exact.o, n, w,
          [](void* c, std::size_t start) {
            static_cast<Exact*>(c)->run(start, start + kBlendBlockSize);
          },
          &exact);
    exact.run(done, n);
  }
}

void TbsEffectBmp::BlendFromCentre(const TbsEffectBmp& other, double k) {
  if (width_ < height_)
    BlendFromCentreV(other, k);
  else
    BlendFromCentreH(other, k);
}

void TbsEffectBmp::BlendFromCentreH(const TbsEffectBmp& other, double k) {
  if (!sameSize(other) || width_ == 0) return;
  k = clampFactor(k);
  const int W = width_;
  const int a = gfx::Round(W * k);
  const int b = gfx::Div(W - a, 2), c = gfx::Div(a, 2);
  const double s = b != 0 ? 1.0 / b : 1.0;
  const int m = gfx::Div(W, 2);
  const int g = std::max(0, m - c), e = std::min(W - 1, m + c);
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = rowStart(y);
    const std::uint8_t* o = other.rowStart(y);
    if (e >= g) std::memcpy(p + 3 * g, o + 3 * g, static_cast<std::size_t>(e - g + 1) * 3);
    double w = 0;
    for (int x = g; x >= 0; --x) {
      blendPixel(p + 3 * x, o + 3 * x, w);
      w = std::min(1.0, w + s);
    }
    w = 0;
    for (int x = e; x <= W - 1; ++x) {
      blendPixel(p + 3 * x, o + 3 * x, w);
      w = std::min(1.0, w + s);
    }
  }
}

void TbsEffectBmp::BlendFromCentreV(const TbsEffectBmp& other, double k) {
  if (!sameSize(other) || height_ == 0) return;
  k = clampFactor(k);
  const int H = height_;
  const int a = gfx::Round(H * k);
  const int d = gfx::Div(H - 1 - a, 2);
  const double s = d != 0 ? 1.0 / d : 0.0;
  const int c = gfx::Div(a, 2);
  const int n = std::max(0, gfx::Div(H, 2) - c), e = std::min(H - 1, gfx::Div(H, 2) + c);
  const std::size_t bytes = static_cast<std::size_t>(width_) * 3;
  for (int y = n; y <= e; ++y) std::memcpy(rowStart(y), other.rowStart(y), bytes);
  auto blendRow = [&](int y, double w) {
    std::uint8_t* p = rowStart(y);
    const std::uint8_t* o = other.rowStart(y);
    for (std::size_t i = 0; i < bytes; ++i) p[i] = blendWeight(p[i], o[i], w);
  };
  double w = 0;
  for (int y = n; y >= 0; --y) {
    blendRow(y, w);
    w = std::min(1.0, w + s);
  }
  w = 0;
  for (int y = e; y <= H - 1; ++y) {
    blendRow(y, w);
    w = std::min(1.0, w + s);
  }
}

void TbsEffectBmp::BlendFromLeft(const TbsEffectBmp& other, double k) {
  if (!sameSize(other) || width_ == 0) return;
  k = clampFactor(k);
  int a = gfx::Round(width_ * k);
  if (a <= 0) a = 1;
  if (a > width_ - 1) a = width_ - 1;
  const double s = a > 0 ? 1.0 / a : 1.0;
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = rowStart(y);
    const std::uint8_t* o = other.rowStart(y);
    double w = 0;
    for (int x = 0; x <= a; ++x) {
      blendPixel(p + 3 * x, o + 3 * x, w);
      w = std::min(1.0, w + s);
    }
  }
}

void TbsEffectBmp::BlendFromRight(const TbsEffectBmp& other, double k) {
  if (!sameSize(other) || width_ == 0) return;
  k = clampFactor(k);
  const int W = width_;
  int a = W - gfx::Round(W * k);
  if (a < 0) a = 0;
  if (a > W - 1) a = W - 1;
  const double s = W - a > 0 ? 1.0 / (W - a) : 1.0;
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = rowStart(y);
    const std::uint8_t* o = other.rowStart(y);
    double w = 0;
    for (int x = W - 1; x >= a; --x) {
      blendPixel(p + 3 * x, o + 3 * x, w);
      w = std::min(1.0, w + s);
    }
  }
}

namespace {

// The width of a slide: round(W k), raised to 1 and lowered to W - 1.
int slideWidth(int W, double k) {
  int b = gfx::Round(W * k);
  if (b <= 0) b = 1;
  if (b > W - 1) b = W - 1;
  return b;
}

}  // namespace

void TbsEffectBmp::SlideFromLeft(const TbsEffectBmp& other, double k) {
  if (!sameSize(other) || width_ == 0) return;
  const int W = width_, b = slideWidth(W, clampFactor(k));
  if (b <= 0) return;
  for (int y = 0; y < height_; ++y)
    std::memcpy(rowStart(y), other.rowStart(y) + 3 * (W - b), static_cast<std::size_t>(b) * 3);
}

void TbsEffectBmp::SlideFromRight(const TbsEffectBmp& other, double k) {
  if (!sameSize(other) || width_ == 0) return;
  const int W = width_, b = slideWidth(W, clampFactor(k));
  if (b <= 0) return;
  for (int y = 0; y < height_; ++y)
    std::memcpy(rowStart(y) + 3 * (W - b), other.rowStart(y), static_cast<std::size_t>(b) * 3);
}

void TbsEffectBmp::PushFromLeft(const TbsEffectBmp& other, double k) {
  if (!sameSize(other) || width_ == 0) return;
  k = clampFactor(k);
  const int W = width_;
  int a = gfx::Round(W * k);
  if (a < 0) a = 0;
  if (a > W - 1) a = W - 1;
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = rowStart(y);
    const std::uint8_t* o = other.rowStart(y);
    // Self moves a + 1 pixels to the right; pixel a repeats self's first.
    std::memmove(p + 3 * (a + 1), p, static_cast<std::size_t>(W - a - 1) * 3);
    std::memmove(p + 3 * a, p, 3);
    for (int x = 0; x <= a; ++x) {
      const int from = std::min(W - 1, W - a - 1 + x);
      std::memcpy(p + 3 * x, o + 3 * from, 3);
    }
  }
}

// ---- Turns and flips ----

bool TbsEffectBmp::TurnLeftInto(TbsEffectBmp& target) const {
  if (target.width_ != height_ || target.height_ != width_) return false;
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* s = rowStart(y);
    for (int x = 0; x < width_; ++x, s += 3)
      std::memcpy(target.rowStart(width_ - 1 - x) + 3 * y, s, 3);
  }
  return true;
}

bool TbsEffectBmp::TurnRightInto(TbsEffectBmp& target) const {
  if (target.width_ != height_ || target.height_ != width_) return false;
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* s = rowStart(y);
    for (int x = 0; x < width_; ++x, s += 3)
      std::memcpy(target.rowStart(x) + 3 * (height_ - 1 - y), s, 3);
  }
  return true;
}

bool TbsEffectBmp::FlipVertInto(TbsEffectBmp& target) const {
  if (!sameSize(target)) return false;
  for (int y = 0; y < height_; ++y)
    std::memcpy(target.rowStart(height_ - 1 - y), rowStart(y),
                static_cast<std::size_t>(width_) * 3);
  return true;
}

// ---- Selection by the skin's values ----

namespace {

// The values of the skin's effect and morph words.
enum InactiveEffectValue { kBrightness = 0, kDarkness, kGrayscale, kNoise, kSplitBlur, kInvert };
enum MorphKindValue {
  kMorphDefault = 0,
  kMorphGradient,
  kMorphLeftGradient,
  kMorphRightGradient,
  kMorphLeftSlide,
  kMorphRightSlide,
  kMorphPush
};

}  // namespace

bool ApplyInactiveEffect(TbsEffectBmp& image, int effect) {
  switch (effect) {
    case kBrightness:
      image.Lighten(0.5);
      return true;
    case kDarkness:
      image.Darken(0.3);
      return true;
    case kGrayscale:
      image.ToGray();
      return true;
    case kNoise:
      image.AddNoise(50);
      return true;
    case kSplitBlur:
      image.BlurSplit(1);
      return true;
    case kInvert:
      image.InvertColours();
      return true;
  }
  return false;
}

bool ApplyMorph(TbsEffectBmp& image, const TbsEffectBmp& other, int kind, double k) {
  switch (kind) {
    case kMorphDefault:
      image.BlendWith(other, k);
      return true;
    case kMorphGradient:
      image.BlendFromCentre(other, k);
      return true;
    case kMorphLeftGradient:
      image.BlendFromLeft(other, k);
      return true;
    case kMorphRightGradient:
      image.BlendFromRight(other, k);
      return true;
    case kMorphLeftSlide:
      image.SlideFromLeft(other, k);
      return true;
    case kMorphRightSlide:
      image.SlideFromRight(other, k);
      return true;
    case kMorphPush:
      image.PushFromLeft(other, k);
      return true;
  }
  return false;
}

}  // namespace skin
