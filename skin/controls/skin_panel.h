// The skinned panel and group box: a background and border from a "panel"
// section (or the default look), an optional caption bar with a check box
// that enables the children and a roll-up arrow that rolls the panel up to
// its caption. Children align inside the panel's client area.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "skin/controls/panel_layout.h"
#include "skin/controls/skin_control.h"
#include "ui/graphics/bitmap.h"

namespace skin {

class TbsSkinPanel : public TbsSkinCustomControl {
 public:
  explicit TbsSkinPanel(ui::Component* owner);

  TbsSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void setBorderStyle(TbsSkinBorderStyle style);
  bool CaptionMode() const { return captionMode_; }
  void setCaptionMode(bool on);
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void setDefaultCaptionHeight(int h);
  TextAlignment DefaultAlignment() const { return defaultAlignment_; }
  void setDefaultAlignment(TextAlignment a);
  bool CheckedMode() const { return checkedMode_; }
  void setCheckedMode(bool on);
  bool Checked() const { return checked_; }
  void setChecked(bool on);
  bool AutoEnabledControls() const { return autoEnabledControls_; }
  void setAutoEnabledControls(bool on) { autoEnabledControls_ = on; }
  bool RollUpMode() const { return rollUpMode_; }
  void setRollUpMode(bool on);
  bool RollUpState() const { return rollUpState_; }
  void setRollUpState(bool on);
  int RealHeight() const { return realHeight_; }
  const gfx::Bitmap& Glyph() const { return glyph_; }
  void setGlyph(const gfx::Bitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void setNumGlyphs(int n);
  int Spacing() const { return spacing_; }
  void setSpacing(int s);

  std::function<void(ui::Control&)> OnChecked;
  std::function<void(ui::Control&)> OnChangeRollUpState;

  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void ChangeSkinData() override;
  void setBounds(int left, int top, int width, int height) override;

  // The caption rectangle in control coordinates as the last skinned paint
  // placed it (captionrect, mapped for stretching sections).
  gfx::Rect PlacedCaptionRect() const;
  // The panel section's keys as last read (-1 / empty without one).
  int BgPictureIndex() const { return bgPictureIndex_; }

 protected:
  void paint(gfx::Canvas& canvas) override;
  void adjustClientRect(gfx::Rect& rect) const override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;

  // The caption text, glyph, check box and roll-up arrow inside r.
  void drawSkinCaption(gfx::Canvas& canvas, gfx::Rect r);
  // Whether the skinned drawing tiles the section's client texture.
  bool tilesClientTexture() const;
  // The height of the rolled-up panel for the current skin and height.
  int rolledHeight() const;
  // Rolls up or down without the checks of setRollUpState.
  void applyRollUp(bool up);

  const gfx::Bitmap* bgPicture_ = nullptr;
  int bgPictureIndex_ = -1;
  gfx::Rect captionRect_;
  TextAlignment alignment_ = TextAlignment::LeftJustify;
  gfx::Rect checkImageRect_;
  gfx::Rect uncheckImageRect_;
  FontKeys fontKeys_;
  bool hasFontKeys_ = false;

 private:
  TbsSkinBorderStyle borderStyle_ = TbsSkinBorderStyle::bvFrame;
  bool captionMode_ = false;
  int defaultCaptionHeight_ = 22;
  TextAlignment defaultAlignment_ = TextAlignment::LeftJustify;
  bool checkedMode_ = false;
  bool checked_ = false;
  bool autoEnabledControls_ = true;
  bool rollUpMode_ = false;
  bool rollUpState_ = false;
  int realHeight_ = -1;
  gfx::Bitmap glyph_;
  int numGlyphs_ = 1;
  int spacing_ = 2;
  // The children the roll-up hid, shown again when unrolling; children the
  // application hid itself stay hidden.
  std::vector<ui::Control*> hiddenByRollUp_;
};

// A panel with the "groupbox" section and its caption shown.
class TbsSkinGroupBox : public TbsSkinPanel {
 public:
  explicit TbsSkinGroupBox(ui::Component* owner);
};

}  // namespace skin
