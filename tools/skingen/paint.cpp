// Pixel painting for the skin generator.
#include "paint.h"

#include <algorithm>
#include <cmath>

namespace skingen {

namespace {
int Channel(int a, int b, double t) {
  return static_cast<int>(std::lround(a + (b - a) * std::clamp(t, 0.0, 1.0)));
}
bool Inside(const Bitmap& bmp, int x, int y) {
  return x >= 0 && y >= 0 && x < bmp.width() && y < bmp.height();
}
double Ramp(int i, int n) { return n <= 1 ? 0.0 : static_cast<double>(i) / (n - 1); }
}  // namespace

Color Mix(Color a, Color b, double t) {
  return Color::rgb(Channel(a.red(), b.red(), t), Channel(a.green(), b.green(), t),
                    Channel(a.blue(), b.blue(), t));
}

int Luma(Color c) { return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000; }

void Plot(Bitmap& bmp, int x, int y, Color c) {
  if (Inside(bmp, x, y)) bmp.setPixel(x, y, c);
}

void Blend(Bitmap& bmp, int x, int y, Color c, double a) {
  if (!Inside(bmp, x, y) || a <= 0) return;
  bmp.setPixel(x, y, a >= 1 ? c : Mix(bmp.pixel(x, y), c, a));
}

void HLine(Bitmap& bmp, int x0, int x1, int y, Color c) { bmp.fillRect({x0, y, x1, y + 1}, c); }
void VLine(Bitmap& bmp, int x, int y0, int y1, Color c) { bmp.fillRect({x, y0, x + 1, y1}, c); }

void Outline(Bitmap& bmp, const Rect& r, Color c) { Bevel(bmp, r, c, c); }

void Bevel(Bitmap& bmp, const Rect& r, Color tl, Color br) {
  if (IsNullRect(r)) return;
  HLine(bmp, r.left, r.right, r.top, tl);
  VLine(bmp, r.left, r.top, r.bottom, tl);
  HLine(bmp, r.left, r.right, r.bottom - 1, br);
  VLine(bmp, r.right - 1, r.top, r.bottom, br);
  Plot(bmp, r.right - 1, r.top, Mix(tl, br, 0.5));
  Plot(bmp, r.left, r.bottom - 1, Mix(tl, br, 0.5));
}

void VGradient(Bitmap& bmp, const Rect& r, Color from, Color to) {
  for (int y = r.top; y < r.bottom; ++y)
    HLine(bmp, r.left, r.right, y, Mix(from, to, Ramp(y - r.top, r.height())));
}

void HGradient(Bitmap& bmp, const Rect& r, Color from, Color to) {
  for (int x = r.left; x < r.right; ++x)
    VLine(bmp, x, r.top, r.bottom, Mix(from, to, Ramp(x - r.left, r.width())));
}

void GlossV(Bitmap& bmp, const Rect& r, Color top, Color upperEnd, Color lowerStart, Color bottom,
            double split) {
  const int upper = std::clamp(static_cast<int>(std::lround(r.height() * split)), 0, r.height());
  VGradient(bmp, {r.left, r.top, r.right, r.top + upper}, top, upperEnd);
  VGradient(bmp, {r.left, r.top + upper, r.right, r.bottom}, lowerStart, bottom);
}

void GlossH(Bitmap& bmp, const Rect& r, Color left, Color leftEnd, Color rightStart, Color right,
            double split) {
  const int part = std::clamp(static_cast<int>(std::lround(r.width() * split)), 0, r.width());
  HGradient(bmp, {r.left, r.top, r.left + part, r.bottom}, left, leftEnd);
  HGradient(bmp, {r.left + part, r.top, r.right, r.bottom}, rightStart, right);
}

namespace {
// Whether the sample point (fx, fy) lies in the rounded rectangle.
bool SampleIn(const Rect& r, double rad, double fx, double fy) {
  if (fx < r.left || fy < r.top || fx >= r.right || fy >= r.bottom) return false;
  // A radius larger than half the shape makes a pill, not an inside-out shape.
  rad = std::min({rad, r.width() / 2.0, r.height() / 2.0});
  const double cx = std::clamp(fx, r.left + rad, r.right - rad);
  const double cy = std::clamp(fy, r.top + rad, r.bottom - rad);
  const double dx = fx - cx, dy = fy - cy;
  return dx * dx + dy * dy <= rad * rad;
}
}  // namespace

double RoundCoverage(const Rect& r, int rad, int x, int y) {
  int n = 0;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) n += SampleIn(r, rad, x + (i + 0.5) / 4, y + (j + 0.5) / 4);
  return n / 16.0;
}

bool InRound(const Rect& r, int rad, int x, int y) { return SampleIn(r, rad, x + 0.5, y + 0.5); }

void RoundRing(Bitmap& img, const Rect& r, int rad, Color c) {
  const Rect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  for (int y = std::max(0, r.top); y < std::min(img.height(), r.bottom); ++y) {
    for (int x = std::max(0, r.left); x < std::min(img.width(), r.right); ++x) {
      const double outer = RoundCoverage(r, rad, x, y);
      if (outer <= 0) continue;
      const double ring = outer - RoundCoverage(inner, std::max(0, rad - 1), x, y);
      if (ring <= 0) continue;
      img.setPixel(x, y, Mix(img.pixel(x, y), c, std::min(1.0, ring / outer)));
    }
  }
}

void CompositeRound(Bitmap& dst, const Rect& r, const Bitmap& img, int rad) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (!Inside(dst, x, y)) continue;
      const double cov = RoundCoverage(r, rad, x, y);
      if (cov > 0) Blend(dst, x, y, img.pixel(x - r.left, y - r.top), cov);
    }
  }
}

void RoundOutlineHard(Bitmap& bmp, const Rect& r, int rad, Color c) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (!InRound(r, rad, x, y)) continue;
      const bool edge = !InRound(r, rad, x - 1, y) || !InRound(r, rad, x + 1, y) ||
                        !InRound(r, rad, x, y - 1) || !InRound(r, rad, x, y + 1);
      if (edge) Plot(bmp, x, y, c);
    }
  }
}

void GripDots(Bitmap& bmp, const Rect& r, bool horizontal, Color dark, Color light, int step) {
  if (horizontal) {
    const int y = r.top + (r.height() - 3) / 2;
    for (int x = r.left; x + 2 < r.right; x += step) {
      bmp.fillRect({x + 1, y + 1, x + 3, y + 3}, light);
      bmp.fillRect({x, y, x + 2, y + 2}, dark);
    }
  } else {
    const int x = r.left + (r.width() - 3) / 2;
    for (int y = r.top; y + 2 < r.bottom; y += step) {
      bmp.fillRect({x + 1, y + 1, x + 3, y + 3}, light);
      bmp.fillRect({x, y, x + 2, y + 2}, dark);
    }
  }
}

Bitmap Crop(const Bitmap& src, const Rect& r) {
  Bitmap out(r.width(), r.height());
  out.copyRect({0, 0, r.width(), r.height()}, src, r);
  return out;
}

}  // namespace skingen
