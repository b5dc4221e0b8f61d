// TbsSkinLabel: a windowed one-line label drawn on a "label" section's
// picture (a framed status-panel look), or as a button-face panel with a
// one-pixel border without a section. With UseSkinSize off it keeps any
// height and the picture's horizontal strip is stretched to it.
#pragma once

#include <string>

#include "skin/controls/label_layout.h"
#include "skin/controls/skin_border_style.h"
#include "skin/controls/skin_control.h"

namespace skin {

class TbsSkinLabel : public TbsSkinCustomControl {
 public:
  explicit TbsSkinLabel(ui::Component* owner);

  LabelAlignment Alignment() const { return alignment_; }
  void setAlignment(LabelAlignment a);
  bool AutoSize() const { return autoSize_; }
  // On: the width follows the text at once.
  void setAutoSize(bool on);
  TbsSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void setBorderStyle(TbsSkinBorderStyle style);
  bool UseSkinSize() const { return useSkinSize_; }
  void setUseSkinSize(bool on);

  // The rect the text is drawn in, for the current size and look.
  gfx::Rect TextRect() const;
  // How much wider the label must be to hold its text (negative: narrower).
  int ExcessWidth() const;
  // The font the text is drawn with now.
  gfx::Font TextFont() const;

  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void CalcSkinSize(int& width, int& height) override;
  void UpdateRegion() override;

 protected:
  void wndProc(ui::Message& m) override;

 private:
  // Picture composed by the section's own rules (the size it allows, or a
  // both-ways stretch).
  bool composedBySection() const;
  void adjustWidth();
  void drawCaption(gfx::Bitmap& bitmap, const gfx::Rect& r) const;

  LabelAlignment alignment_ = LabelAlignment::Left;
  bool autoSize_ = false;
  TbsSkinBorderStyle borderStyle_ = TbsSkinBorderStyle::bvFrame;
  bool useSkinSize_ = true;
  FontKeys fontKeys_;
  bool adjusting_ = false;
};

}  // namespace skin
