// Icons: scaling, the transparent key, the application's icon and our own.
#include "skin/popup/icon_image.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyle>
#include <algorithm>

namespace skin {

namespace {

// The key that stands for transparent pixels. An opaque pixel of exactly this
// colour is moved one step in blue so that it stays visible.
constexpr gfx::Color kTransparentKey = gfx::Color::rgb(255, 0, 255);
constexpr gfx::Color kKeyNeighbour = gfx::Color::rgb(255, 0, 254);

// An image with alpha turned into a keyed picture: a pixel is drawn when it
// is at least half opaque, as an icon's mask decides.
IconImage Keyed(const QImage& source) {
  const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
  gfx::Bitmap picture(argb.width(), argb.height());
  bool anyTransparent = false;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = line[x];
      if (qAlpha(p) < 128) {
        picture.setPixel(x, y, kTransparentKey);
        anyTransparent = true;
        continue;
      }
      gfx::Color c = gfx::Color::rgb(qRed(p), qGreen(p), qBlue(p));
      if (c == kTransparentKey) c = kKeyNeighbour;
      picture.setPixel(x, y, c);
    }
  }
  IconImage icon{std::move(picture), std::nullopt};
  if (anyTransparent) icon.transparent = kTransparentKey;
  return icon;
}

}  // namespace

void IconImage::draw(gfx::Canvas& canvas, int x, int y) const {
  if (empty()) return;
  if (transparent) {
    canvas.drawTransparent(x, y, picture, picture.rect(), *transparent);
  } else {
    canvas.draw(x, y, picture);
  }
}

gfx::Size SmallIconSize(gfx::Size fallback) {
  int side = 0;
  if (QStyle* style = QApplication::style()) side = style->pixelMetric(QStyle::PM_SmallIconSize);
  return side > 0 ? gfx::Size{side, side} : fallback;
}

IconImage IconFromBitmap(const gfx::Bitmap& picture, gfx::Size size) {
  if (picture.empty() || size.width <= 0 || size.height <= 0) return {};
  gfx::Bitmap scaled(size.width, size.height);
  scaled.copyRect(scaled.rect(), picture, picture.rect());
  return {std::move(scaled), std::nullopt};
}

IconImage ApplicationIcon(gfx::Size size) {
  if (size.width <= 0 || size.height <= 0) return {};
  const QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) return {};
  const QPixmap pixmap = icon.pixmap(QSize(size.width, size.height));
  if (pixmap.isNull()) return {};
  QImage image = pixmap.toImage();
  if (image.width() != size.width || image.height() != size.height) {
    image = image.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return Keyed(image);
}

IconImage DefaultApplicationIcon(gfx::Size size) {
  if (size.width <= 0 || size.height <= 0) return {};
  gfx::Bitmap picture(size.width, size.height);
  picture.fill(kTransparentKey);
  gfx::Canvas c(picture);
  const int w = size.width;
  const int h = size.height;
  // A window: dark outline, blue title bar, white body.
  const gfx::Rect window{0, std::max(0, h / 8), w, h - std::max(0, h / 8)};
  const int bar = std::max(1, window.height() / 4);
  c.fillRect(window, gfx::Color::rgb(40, 60, 100));
  c.fillRect({window.left + 1, window.top + 1, window.right - 1, window.top + 1 + bar},
             gfx::Color::rgb(58, 110, 200));
  c.fillRect({window.left + 1, window.top + 1 + bar, window.right - 1, window.bottom - 1},
             gfx::kWhite);
  return {std::move(picture), kTransparentKey};
}

}  // namespace skin
