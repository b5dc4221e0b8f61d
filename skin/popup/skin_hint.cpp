// The skinned hint component and its window.
#include "skin/popup/skin_hint.h"

#include "skin/draw/frame_image.h"
#include "skin/draw/mask_region.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/monitor.h"
#include "ui/window_opacity.h"

namespace skin {

namespace {
constexpr int kShortHintPause = 100;
}  // namespace

// --- TbsSkinHintWindow -----------------------------------------------------

TbsSkinHintWindow::TbsSkinHintWindow(ui::Component* owner) : ui::HintWindow(owner) {}

void TbsSkinHintWindow::choose(const TbsSkinHint* hint) {
  hint_ = hint;
  skin_ = nullptr;
  look_.reset();
  const TbsSkinData* data = hint->SkinData();
  const gfx::Bitmap* picture = nullptr;
  if (data != nullptr && !data->Empty())
    picture = data->ActivePicture(data->HintWindow().windowPictureIndex);
  // A [HINTWINDOW] naming no picture is drawn in the plain look.
  if (picture != nullptr && !picture->empty()) {
    skin_ = data;
    const TbsDataSkinHintWindow& h = data->HintWindow();
    look_ = HintSkinLook{
        {picture->width(), picture->height()},
        {h.leftTopPoint, h.rightTopPoint, h.leftBottomPoint, h.rightBottomPoint, h.clientRect}};
  }
  font_ = hint->DefaultFont;
  if (skin_ != nullptr && hint->UseSkinFont) {
    font_ = WithFontKeys(font_, skin_->HintWindow());
  }
  if (data != nullptr && data->ResourceStrData() != nullptr) {
    font_.charset = data->ResourceStrData()->CharSet();
  }
  // A skinned hint writes in the skin's colour, a plain one in the tooltip
  // colour; the default font's own colour is never used.
  textColor_ =
      skin_ != nullptr ? skin_->HintWindow().fontColor : gfx::SystemColor(gfx::SysColor::InfoText);
  font_.color = textColor_;
}

gfx::Size TbsSkinHintWindow::measure(const std::string& text) const {
  gfx::Bitmap probe(1, 1);
  gfx::Canvas c(probe);
  c.setFont(font_);
  gfx::Rect r{0, 0, 0, 0};
  c.drawText(text, r, gfx::kTextCalcRect | gfx::kTextLeft);
  return r.size();
}

gfx::Rect TbsSkinHintWindow::calcHintRect(int, const std::string& hint) {
  if (const TbsSkinHint* h = TbsSkinHint::FindActiveSkinHint()) choose(h);
  const gfx::Size s = MeasureHint(measure(hint), look_).size;
  return {0, 0, s.width, s.height};
}

void TbsSkinHintWindow::activateHint(const gfx::Rect& rect, const std::string& hint) {
  PresentHint(rect, hint);
}

void TbsSkinHintWindow::PresentHint(const gfx::Rect& rect, const std::string& text) {
  const TbsSkinHint* hint = TbsSkinHint::FindActiveSkinHint();
  if (hint == nullptr) return;
  choose(hint);
  setText(text);
  geometry_ = MeasureHint(measure(text), look_);
  const gfx::Rect bounds = PlaceHint(rect.topLeft(), geometry_.size, ui::PrimaryScreenSize());
  if (ui::LayeredWindowsAvailable()) setAlpha(hint->AlphaBlend ? hint->AlphaBlendValue : 255);
  setBoundsRect(bounds);
  UpdateHintRegion();
  show();
  invalidate();
  presented_ = true;
}

void TbsSkinHintWindow::hideHint() {
  presented_ = false;
  hide();
}

void TbsSkinHintWindow::UpdateHintRegion() {
  const gfx::Bitmap* mask =
      skin_ != nullptr ? skin_->ActivePicture(skin_->HintWindow().maskPictureIndex) : nullptr;
  if (mask == nullptr || mask->empty() || !look_) {
    if (hasRegion()) clearRegion();
    return;
  }
  const auto region = BuildFrameRegion(look_->geometry, geometry_.placed, *mask,
                                       geometry_.size.width, geometry_.size.height);
  if (region) {
    setRegion(*region);
  } else if (hasRegion()) {
    clearRegion();
  }
}

void TbsSkinHintWindow::paint(gfx::Canvas& canvas) {
  const int w = geometry_.size.width;
  const int h = geometry_.size.height;
  canvas.setFont(font_);
  canvas.setTextBackgroundOpaque(false);
  const gfx::Bitmap* picture =
      skin_ != nullptr ? skin_->ActivePicture(skin_->HintWindow().windowPictureIndex) : nullptr;
  if (picture != nullptr && look_) {
    const TbsDataSkinHintWindow& hw = skin_->HintWindow();
    gfx::Bitmap image;
    ComposeFrameImage(look_->geometry, geometry_.placed, image, *picture, picture->rect(), w, h,
                      true, {hw.leftStretch, hw.topStretch, hw.rightStretch, hw.bottomStretch});
    canvas.draw(0, 0, image);
    const gfx::Size ts = measure(text());
    gfx::Rect r = HintTextRect(geometry_.placed.clientRect, ts);
    canvas.drawText(text(), r, gfx::kTextLeft);
    return;
  }
  canvas.fillRect({0, 0, w, h}, gfx::SystemColor(gfx::SysColor::InfoBackground));
  canvas.frameRect({0, 0, w, h}, gfx::SystemColor(gfx::SysColor::ButtonShadow));
  gfx::Rect r{2, 2, w - 2, h - 2};
  canvas.drawText(text(), r, gfx::kTextLeft);
}

// --- TbsSkinHint -----------------------------------------------------------

void TbsSkinHint::HintRouting::operator()(std::string& text, bool& canShow,
                                          ui::HintInfo& info) const {
  if (hint->OnShowHint) hint->OnShowHint(text, canShow, info);
}

TbsSkinHint::TbsSkinHint(ui::Component* owner, ui::Scheduler* scheduler)
    : ui::Component(owner),
      textWindow_(std::make_unique<TbsSkinHintWindow>()),
      scheduler_(scheduler != nullptr ? scheduler : &ui::QtScheduler()) {
  textWindow_->hide();
  ui::Application& app = ui::Application::instance();
  app.setHintWindowClass([] { return std::make_unique<TbsSkinHintWindow>(); });
  // Flipping the switch twice makes the application take a window of the
  // new class while its hints end as they were.
  const bool on = app.showHint();
  app.setShowHint(!on);
  app.setShowHint(on);
  routeHints();
  app.setHintShortPause(kShortHintPause);
}

TbsSkinHint::~TbsSkinHint() {
  if (timer_ != 0) scheduler_->cancel(timer_);
  if (skinData_ != nullptr) skinData_->removeRemovalListener(this);
  // The routing must not outlive this component; a newer component's (or
  // the application's own) stays.
  std::function<void(std::string&, bool&, ui::HintInfo&)>& routing =
      ui::Application::instance().onShowHint;
  if (const auto* r = routing.target<HintRouting>(); r != nullptr && r->hint == this) {
    routing = nullptr;
  }
}

void TbsSkinHint::routeHints() { ui::Application::instance().onShowHint = HintRouting{this}; }

void TbsSkinHint::componentRemoved(DataComponent& component) {
  if (&component == skinData_) skinData_ = nullptr;
}

void TbsSkinHint::setSkinData(TbsSkinData* data) {
  if (skinData_ != nullptr) skinData_->removeRemovalListener(this);
  skinData_ = data;
  if (skinData_ != nullptr) skinData_->addRemovalListener(this);
}

void TbsSkinHint::setActive(bool on) {
  active_ = on;
  if (!on) return;
  if (ui::Form* main = ui::Application::instance().mainForm()) {
    for (ui::Component* c : main->components()) {
      if (auto* other = dynamic_cast<TbsSkinHint*>(c); other != nullptr && other != this) {
        other->active_ = false;
      }
    }
  }
  routeHints();
}

TbsSkinHint* TbsSkinHint::FindActiveSkinHint() {
  ui::Form* main = ui::Application::instance().mainForm();
  if (main == nullptr) return nullptr;
  for (ui::Component* c : main->components()) {
    if (auto* h = dynamic_cast<TbsSkinHint*>(c); h != nullptr && h->active_) return h;
  }
  return nullptr;
}

void TbsSkinHint::ShowTextHint(const std::string& text) {
  if (timer_ != 0) scheduler_->cancel(timer_);
  pendingText_ = text;
  timer_ =
      scheduler_->start(ui::Application::instance().hintPause(), [this] { presentTextHint(); });
}

void TbsSkinHint::presentTextHint() {
  const gfx::Point p = ui::CursorPos();
  const int d = kPointerShapeDepth;
  textWindow_->PresentHint({p.x, p.y + d, p.x, p.y + d}, pendingText_);
  timer_ = scheduler_->start(ui::Application::instance().hintHidePause(), [this] {
    timer_ = 0;
    HideTextHint();
  });
}

void TbsSkinHint::HideTextHint() {
  if (timer_ != 0) scheduler_->cancel(timer_);
  timer_ = 0;
  if (textWindow_->presented()) textWindow_->hideHint();
}

}  // namespace skin
