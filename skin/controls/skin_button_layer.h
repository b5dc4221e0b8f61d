// What the windowed push button and the windowless speed button share,
// written once over either custom base: the glyph and caption, the pressed
// state with its toggle groups, auto-repeat, the fade between the normal
// and the hot picture ("morphing"), the state pictures of a button section
// and the press, release, enter and leave rules.
//
// Timers run on a replaceable clock (ui::Scheduler), so that tests can move
// time by hand; a periodic timer re-arms itself at each tick.
#pragma once

#include <functional>

#include "skin/controls/button_layout.h"
#include "skin/controls/skin_control.h"
#include "skin/data/control_data.h"
#include "ui/graphics/bitmap.h"
#include "ui/menu_item.h"
#include "ui/scheduler.h"

namespace skin {

// Morph timer period and step: five steps of 0.2 every 20 ms.
constexpr int kMorphInterval = 20;
constexpr int kMorphSteps = 5;
constexpr int kDefaultRepeatInterval = 100;

// The keys a button reads from a button section, with the empty state
// rects already replaced (active by skinrect, down by active).
struct ButtonSectionValues {
  gfx::Color fontColor;
  gfx::Color activeFontColor;
  gfx::Color downFontColor;
  gfx::Color disabledFontColor;
  gfx::Rect activeSkinRect;
  gfx::Rect downSkinRect;
  gfx::Rect disabledSkinRect;
  bool morphing = false;
  MorphKind morphKind = MorphKind::Default;
};

template <class Base>
class SkinButtonLayer : public Base {
 public:
  explicit SkinButtonLayer(ui::Component* owner);
  ~SkinButtonLayer() override;

  const gfx::Bitmap& Glyph() const { return glyph_; }
  void setGlyph(const gfx::Bitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void setNumGlyphs(int n);  // kept within 1..255
  TbsButtonLayout Layout() const { return layout_; }
  void setLayout(TbsButtonLayout layout);
  int Margin() const { return margin_; }
  // -1 centres glyph and caption together; values below -1 are refused.
  void setMargin(int margin);
  int Spacing() const { return spacing_; }
  void setSpacing(int spacing);

  bool Down() const { return down_; }
  // Runs the group rule (other buttons of the group go up) and the morph
  // reset: a button set down stops fading, one set up fades out.
  void setDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  virtual void setGroupIndex(int index);
  bool AllowAllUp() const { return allowAllUp_; }
  void setAllowAllUp(bool on) { allowAllUp_ = on; }
  bool RepeatMode() const { return repeatMode_; }
  void setRepeatMode(bool on) { repeatMode_ = on; }
  int RepeatInterval() const { return repeatInterval_; }
  void setRepeatInterval(int ms) { repeatInterval_ = ms < 1 ? 1 : ms; }

  // The action the button executes when OnClick is not set; its image
  // list picture is not used (no image list is linked here). Cleared when
  // the action is destroyed.
  ui::Action* Action() const { return action_; }
  void setAction(ui::Action* action);
  std::function<void(ui::Control&)> OnClick;

  bool MouseOver() const { return mouseOver_; }
  bool MousePressed() const { return mousePressed_; }
  double MorphLevel() const { return static_cast<double>(morphStep_) / kMorphSteps; }
  bool morphTimerRunning() const { return morphTimer_ != 0; }
  bool repeatTimerRunning() const { return repeatTimer_ != 0; }

  // The clock of the morph and repeat timers (null: the event loop's).
  void setScheduler(ui::Scheduler* scheduler);

  // The facts the look is derived from, as they are now.
  virtual ButtonFacts facts() const;
  // The section's button keys; null when there is no button section.
  const ButtonSectionValues* buttonValues() const { return hasButtonSection_ ? &values_ : nullptr; }

  // Virtual operations added by the buttons, in slot order.
  // Composes src of the section picture, then glyph and caption in the
  // section's font and the colour of the state.
  virtual void DrawStateImage(gfx::Bitmap& bitmap, const gfx::Rect& src, bool active, bool down);
  virtual void ButtonClick();

  void ReadSkinSection() override;
  void ChangeSkinData() override;
  // A programmatic click (also the framework's dialog keys): the button's click.
  void click() override;

 protected:
  void wndProc(ui::Message& m) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseEnter() override;
  void mouseLeave() override;
  void notification(ui::Component* component, ui::Component::Operation operation) override;

  // The left press and release rules; inside: the release lies over the button.
  virtual void pressLeft();
  virtual void releaseLeft(bool inside);
  // The pointer crossed the button's edge (also while pressed).
  virtual void pointerEntered();
  virtual void pointerLeft();
  // Whether a leaving pointer keeps the hot look (a default button's highlight).
  virtual bool keepsHighlightOnLeave() const { return false; }
  // Focused for the look (windowed buttons that may take the focus).
  virtual bool focusedForLook() const { return false; }
  // Whether the morph applies to this button now (a section that morphs).
  virtual bool morphApplies() const;

  // Starts the fade toward the current hot state, or just repaints.
  void StartMorph();
  void stopMorph();
  void setMorphLevelEnd(bool hot) { morphStep_ = hot ? kMorphSteps : 0; }
  void startRepeat();
  void stopRepeat();
  // Other buttons of the same group among the parent's children go up.
  void releaseGroup();
  void setMouseOver(bool on) { mouseOver_ = on; }
  void setMousePressed(bool on) { mousePressed_ = on; }
  bool wasDown() const { return wasDown_; }

  // Paints the blend of the normal and the active picture at the morph level.
  void drawMorph(gfx::Bitmap& bitmap);
  // The font of a state: the section's (UseSkinFont) or the default font,
  // in color.
  gfx::Font stateFont(gfx::Color color) const;
  gfx::Color stateFontColor(bool active, bool down) const;
  // Glyph (cell of the strip, or a picture given by drawGlyph) and caption
  // laid out in r; glyphSize is the size the layout reserves.
  void drawGlyphAndCaption(gfx::Canvas& canvas, const gfx::Rect& r, int cell, bool pressed,
                           bool showCaption);
  // Size and drawing of the glyph; the speed button replaces them with an
  // image of its tool bar's lists when it has no glyph of its own.
  virtual gfx::Size glyphSize() const;
  virtual void drawGlyph(gfx::Canvas& canvas, int x, int y, int cell);

 private:
  void morphTick();
  void repeatTick();
  ui::Scheduler& clock() const { return scheduler_ ? *scheduler_ : ui::QtScheduler(); }

  gfx::Bitmap glyph_;
  int numGlyphs_ = 1;
  TbsButtonLayout layout_ = TbsButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 1;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool repeatMode_ = false;
  int repeatInterval_ = kDefaultRepeatInterval;
  ui::Action* action_ = nullptr;

  bool mouseOver_ = false;
  bool mousePressed_ = false;
  bool wasDown_ = false;
  int morphStep_ = 0;  // MorphLevel in fifths
  ui::Scheduler* scheduler_ = nullptr;
  ui::Scheduler::Id morphTimer_ = 0;
  ui::Scheduler::Id repeatTimer_ = 0;

  ButtonSectionValues values_;
  bool hasButtonSection_ = false;
};

extern template class SkinButtonLayer<TbsSkinCustomControl>;
extern template class SkinButtonLayer<TbsGraphicSkinCustomControl>;

}  // namespace skin
