// TbsSkinGauge: a progress bar drawn from a "gauge" section (the shipped
// ones are "gauge", "vgauge" and "statusgauge"): the section's picture,
// the fill taken from its progress image over the part of the progress area
// the value reaches, and an optional text of a fixed progress text and the
// percentage. Without a section: a framed window-coloured bar with a plain
// fill.
#pragma once

#include <string>

#include "skin/controls/skin_control.h"

namespace skin {

class TbsSkinGauge : public TbsSkinCustomControl {
 public:
  explicit TbsSkinGauge(ui::Component* owner);

  int MinValue() const { return minValue_; }
  // Stores the minimum and raises Value to it when below.
  void setMinValue(int v);
  int MaxValue() const { return maxValue_; }
  // Stores the maximum and lowers Value to it when above.
  void setMaxValue(int v);
  int Value() const { return value_; }
  // Kept within MinValue..MaxValue; with a reversed range MinValue wins.
  void setValue(int v);
  bool Vertical() const { return vertical_; }
  // Replaced by the section's own direction whenever a gauge section is read.
  void setVertical(bool on);
  const std::string& ProgressText() const { return progressText_; }
  void setProgressText(const std::string& text);
  bool ShowProgressText() const { return showProgressText_; }
  void setShowProgressText(bool on);
  bool ShowPercent() const { return showPercent_; }
  void setShowPercent(bool on);
  bool UseSkinSize() const { return useSkinSize_; }
  // Off: the gauge keeps any size, its picture is stretched to it and the
  // mask gives no region.
  void setUseSkinSize(bool on);

  // The text the gauge shows now ("" for none).
  std::string DisplayText() const;
  // The progress area placed for the size the section allows (section
  // coordinates moved with that size).
  const gfx::Rect& PlacedProgressArea() const { return placedProgressArea_; }

  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void CalcSkinSize(int& width, int& height) override;
  void UpdateRegion() override;

 private:
  double fraction() const;
  // The skinned image at the size the section allows for the control.
  void composeSkinImage(gfx::Bitmap& image, int width, int height);
  void drawText(gfx::Bitmap& bitmap) const;

  int minValue_ = 0;
  int maxValue_ = 100;
  int value_ = 50;
  bool vertical_ = false;
  std::string progressText_;
  bool showProgressText_ = false;
  bool showPercent_ = false;
  bool useSkinSize_ = true;

  // Cached from the last gauge section read.
  gfx::Rect progressArea_;
  gfx::Rect progressRect_;
  int beginOffset_ = 0;
  int endOffset_ = 0;
  bool progressTransparent_ = false;
  gfx::Color progressTransparentColor_;
  FontKeys fontKeys_;
  gfx::Rect placedProgressArea_;
};

}  // namespace skin
