// The skinned ex-panel: a panel with its own caption bar holding a roll and
// a close button. Rolling collapses it to its caption bar, either up and
// down (to the bar's height) or sideways (to a narrow strip whose caption
// reads upwards); the close button hides it.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "skin/controls/panel_layout.h"
#include "skin/controls/skin_control.h"
#include "ui/graphics/bitmap.h"

namespace skin {

enum class TbsExPanelRollKind { rkRollHorizontal, rkRollVertical };

class TbsSkinExPanel : public TbsSkinCustomControl {
 public:
  explicit TbsSkinExPanel(ui::Component* owner);

  TbsExPanelRollKind RollKind() const { return rollKind_; }
  void setRollKind(TbsExPanelRollKind kind);
  bool RollState() const { return rollState_; }
  void setRollState(bool rolled);
  int RealWidth() const { return realWidth_; }
  int RealHeight() const { return realHeight_; }
  bool ShowRollButton() const { return showRollButton_; }
  void setShowRollButton(bool on);
  bool ShowCloseButton() const { return showCloseButton_; }
  void setShowCloseButton(bool on);
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void setDefaultCaptionHeight(int h);
  const gfx::Bitmap& Glyph() const { return glyph_; }
  void setGlyph(const gfx::Bitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void setNumGlyphs(int n);
  int Spacing() const { return spacing_; }
  void setSpacing(int s);

  std::function<void(ui::Control&)> OnChangeRollState;
  std::function<void(ui::Control&)> OnClose;

  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void ChangeSkinData() override;
  void setBounds(int left, int top, int width, int height) override;

  // The caption buttons: index 0 close, 1 roll. Rects in control
  // coordinates as the last paint placed them.
  static constexpr int kCloseButton = 0;
  static constexpr int kRollButton = 1;
  struct CaptionButton {
    gfx::Rect rect;
    bool mouseIn = false;
    bool down = false;
  };
  const CaptionButton& Button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
  // The button under the mouse and the captured one (-1 for none).
  int ActiveButton() const { return activeButton_; }
  int CaptureButton() const { return captureButton_; }
  // The size the panel takes when rolled, for its kind and the current skin.
  int RolledSize() const;
  // Places the caption buttons for the current size and state (as a paint
  // does), so that hit tests work before the first paint.
  void layoutButtons();

 protected:
  void adjustClientRect(gfx::Rect& rect) const override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseEnter() override;
  void mouseLeave() override;

 private:
  bool strip() const { return rollState_ && rollKind_ == TbsExPanelRollKind::rkRollHorizontal; }
  // The caption layout of the current state, default or skinned.
  ExPanelCaptionLayout captionLayout() const;
  void testActive(int x, int y);
  void redrawButton(int index);
  void drawButtons(gfx::Canvas& canvas);
  void drawDefaultButton(gfx::Canvas& canvas, int index);
  void drawCaptionText(gfx::Canvas& canvas, gfx::Rect area, bool vertical);
  gfx::Font captionFont() const;
  void roll();
  void unroll();

  TbsExPanelRollKind rollKind_ = TbsExPanelRollKind::rkRollVertical;
  bool rollState_ = false;
  int realWidth_ = 0;
  int realHeight_ = 0;
  bool showRollButton_ = true;
  bool showCloseButton_ = true;
  int defaultCaptionHeight_ = 21;
  gfx::Bitmap glyph_;
  int numGlyphs_ = 1;
  int spacing_ = 2;

  std::array<CaptionButton, 2> buttons_{};
  int activeButton_ = -1;
  int oldActiveButton_ = -1;
  int captureButton_ = -1;
  bool resizing_ = false;
  // The children the roll hid, shown again when unrolling.
  std::vector<ui::Control*> hiddenByRoll_;

  // The ex-panel section's keys (valid while skinned()).
  bool skinned() const { return sectionIndex_ != -1 && section_ != nullptr; }
  const TbsDataSkinExPanelControl* section_ = nullptr;
  gfx::Rect rollButton_[2][3];     // [horizontal, vertical][normal, active, down]
  gfx::Rect restoreButton_[2][3];  // the same for the restore button
};

}  // namespace skin
