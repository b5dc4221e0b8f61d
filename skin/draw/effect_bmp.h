// TbsEffectBmp: a raw 24-bit pixel buffer with the colour effects of
// inactive window frames, the transitions of morphing buttons and captions,
// and the turns and flips of tab images.
//
// The buffer is top-down; each row holds blue, green, red per pixel followed
// by width mod 4 padding bytes, which keeps every row a multiple of 4 bytes.
// All arithmetic is per channel on integers 0..255; "round" is round half to
// even, results are clamped to 0..255. Factors are clamped to 0..1 (a value
// that is not a number counts as 0). Operations with a second image do
// nothing unless it has exactly the same size.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"

namespace skin {

class TbsEffectBmp {
 public:
  // A buffer of that size, all black. Sizes below 0 count as 0.
  TbsEffectBmp(int width, int height);
  // A buffer holding the bitmap's pixels.
  explicit TbsEffectBmp(const gfx::Bitmap& bitmap);

  int width() const { return width_; }
  int height() const { return height_; }
  std::size_t stride() const { return stride_; }
  // Byte size of the pixel data: height x stride.
  std::size_t size() const { return bits_.size(); }
  // The 40-byte bitmap information header of the buffer: header size 40,
  // width, negated height (rows run from the top), 1 plane, 24 bits per
  // pixel, no compression; little-endian.
  std::array<std::uint8_t, 40> bitmapInfo() const;

  gfx::Color pixel(int x, int y) const;
  void setPixel(int x, int y, gfx::Color c);
  // Copies the width x 3 bytes of row y out or in (at most the buffer's
  // size); nothing for a row outside the image.
  void getRow(int y, std::span<std::uint8_t> buffer) const;
  void setRow(int y, std::span<const std::uint8_t> buffer);
  std::uint8_t* rowStart(int y) { return bits_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* rowStart(int y) const {
    return bits_.data() + static_cast<std::size_t>(y) * stride_;
  }

  gfx::Bitmap toBitmap() const;
  // Copies all pixels at their own size with the left-top corner at (x, y).
  void DrawTo(gfx::Canvas& canvas, int x, int y) const;
  void DrawTo(gfx::Bitmap& target, int x, int y) const;

  // Colour effects.
  void Lighten(double k);  // v -> round((1 - k) v + 255 k)
  void Darken(double k);   // v -> round((1 - k) v)
  void ToGray();           // all channels -> round(0.3 red + 0.59 green + 0.11 blue)
  // Adds to every channel of a pixel one random r - a div 2, 0 <= r < a;
  // nothing for a <= 0. The seeded form draws a repeatable sequence.
  void AddNoise(int a);
  void AddNoise(int a, std::uint32_t seed);
  // Each pixel becomes the average, rounded down, of the pixels a rows above
  // and below, a columns left and right, in place; rows and columns beyond an
  // edge fall back to the pixel's own. Nothing for a <= 0.
  void BlurSplit(int a);
  void InvertColours();

  // Transitions from this image toward other by k: 0 keeps this, 1 is other.
  void BlendWith(const TbsEffectBmp& other, double k);
  void BlendFromCentre(const TbsEffectBmp& other, double k);  // across rows when taller than wide
  void BlendFromCentreH(const TbsEffectBmp& other, double k);
  void BlendFromCentreV(const TbsEffectBmp& other, double k);
  void BlendFromLeft(const TbsEffectBmp& other, double k);
  void BlendFromRight(const TbsEffectBmp& other, double k);
  void SlideFromLeft(const TbsEffectBmp& other, double k);
  void SlideFromRight(const TbsEffectBmp& other, double k);
  void PushFromLeft(const TbsEffectBmp& other, double k);

  // Into a target the caller made: height x width for the turns, the same
  // size for the flip. Returns false, changing nothing, for another size.
  bool TurnLeftInto(TbsEffectBmp& target) const;   // a quarter turn counter-clockwise
  bool TurnRightInto(TbsEffectBmp& target) const;  // a quarter turn clockwise
  bool FlipVertInto(TbsEffectBmp& target) const;   // upside down

 private:
  bool sameSize(const TbsEffectBmp& o) const { return o.width_ == width_ && o.height_ == height_; }
  void applyTable(const std::array<std::uint8_t, 256>& table);
  // Applies the table of v -> round((1 - k) v + k towards) by blocks.
  void applyLinear(const std::array<std::uint8_t, 256>& table, double k, std::uint8_t towards);

  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> bits_;
};

// Applies the effect of that "inactiveeffect" value (0 to 5): Lighten(0.5),
// Darken(0.3), ToGray(), AddNoise(50), BlurSplit(1), InvertColours(). False
// for an unknown value. The skin data's effect words carry these values.
bool ApplyInactiveEffect(TbsEffectBmp& image, int effect);
// Runs the transition of that "morphkind" value (0 to 6) from image toward
// other by k: BlendWith, BlendFromCentre, BlendFromLeft, BlendFromRight,
// SlideFromLeft, SlideFromRight, PushFromLeft. False for an unknown value.
bool ApplyMorph(TbsEffectBmp& image, const TbsEffectBmp& other, int kind, double k);

}  // namespace skin
