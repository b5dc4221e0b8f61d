// TbsSkinHint and TbsSkinHintWindow: the application's hints drawn from the
// skin's [HINTWINDOW] section (or a plain look without it), governed by the
// first active TbsSkinHint of the main form, and a free text hint shown at
// the pointer after the hint delay (the frame's caption-button hints).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "skin/data/skin_data.h"
#include "skin/popup/hint_geometry.h"
#include "ui/component.h"
#include "ui/hint_window.h"
#include "ui/scheduler.h"

namespace skin {

class TbsSkinHint;

class TbsSkinHintWindow : public ui::HintWindow {
 public:
  explicit TbsSkinHintWindow(ui::Component* owner = nullptr);

  // Shows text with the hint's left-top corner at rect's left-top corner;
  // nothing when no active TbsSkinHint governs the application's hints.
  void PresentHint(const gfx::Rect& rect, const std::string& text);
  bool presented() const { return presented_; }
  void hideHint();

  gfx::Rect calcHintRect(int maxWidth, const std::string& hint) override;
  void activateHint(const gfx::Rect& rect, const std::string& hint) override;
  void releaseHint() override { hideHint(); }

  // What the last showing used (for tests and painting).
  const HintGeometry& geometry() const { return geometry_; }
  const TbsSkinData* skinInUse() const { return skin_; }
  gfx::Font canvasFont() const { return font_; }

 protected:
  void paint(gfx::Canvas& canvas) override;
  void eraseBackground(gfx::Canvas&) override {}  // the paint step draws everything

 private:
  void choose(const TbsSkinHint* hint);
  gfx::Size measure(const std::string& text) const;
  void UpdateHintRegion();

  const TbsSkinHint* hint_ = nullptr;
  const TbsSkinData* skin_ = nullptr;
  std::optional<HintSkinLook> look_;
  gfx::Font font_;
  gfx::Color textColor_;
  HintGeometry geometry_;
  bool presented_ = false;
};

class TbsSkinHint : public ui::Component, private RemovalListener {
 public:
  // Installs the skinned hint window as the application's hint window class.
  explicit TbsSkinHint(ui::Component* owner, ui::Scheduler* scheduler = nullptr);
  ~TbsSkinHint() override;

  TbsSkinData* SkinData() const { return skinData_; }
  void setSkinData(TbsSkinData* data);
  bool Active() const { return active_; }
  void setActive(bool on);
  bool AlphaBlend = false;
  int AlphaBlendValue = 0;
  gfx::Font DefaultFont;
  bool UseSkinFont = true;
  std::function<void(std::string& text, bool& canShow, ui::HintInfo& info)> OnShowHint;

  void ShowTextHint(const std::string& text);
  void HideTextHint();
  TbsSkinHintWindow& textHintWindow() { return *textWindow_; }

  // The first active TbsSkinHint among the main form's components.
  static TbsSkinHint* FindActiveSkinHint();

  // The text hint is placed this far below the pointer: the pointer shape's
  // depth, which this platform does not expose, so the system pointer height.
  static constexpr int kPointerShapeDepth = 32;

 private:
  // The application's hint routing as this component installs it: known by
  // its type, so that only this component's own routing is taken away.
  struct HintRouting {
    TbsSkinHint* hint;
    void operator()(std::string& text, bool& canShow, ui::HintInfo& info) const;
  };
  void componentRemoved(DataComponent& component) override;
  void presentTextHint();
  void routeHints();

  TbsSkinData* skinData_ = nullptr;
  bool active_ = true;
  std::unique_ptr<TbsSkinHintWindow> textWindow_;
  ui::Scheduler* scheduler_;
  ui::Scheduler::Id timer_ = 0;
  std::string pendingText_;
};

}  // namespace skin
