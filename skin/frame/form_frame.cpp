// The frame component: message dispatch, geometry updates, painting, hit
// testing, size limits, window states, fade-in, snapping and skin changes.
#include "skin/frame/form_frame.h"

#include <algorithm>
#include <typeinfo>

#include "skin/frame/caption_layout.h"
#include "skin/frame/default_frame_metrics.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_limits.h"
#include "skin/frame/frame_paint.h"
#include "skin/frame/window_states.h"
#include "skin/popup/menu_messages.h"
#include "skin/popup/popup_window.h"
#include "ui/application.h"
#include "ui/monitor.h"
#include "ui/window_opacity.h"

namespace skin {

namespace {

constexpr int kHoverInterval = 50;
constexpr int kMorphInterval = 20;
constexpr int kAnimationInterval = 25;
constexpr int kFadeStep = 5;

ui::Form* RequireForm(ui::Component* owner) {
  auto* form = dynamic_cast<ui::Form*>(owner);
  if (form == nullptr) throw std::bad_cast();
  return form;
}

// The messages of its own window before which the frame closes its menus.
bool ClosesMenus(unsigned id) {
  switch (id) {
    case ui::WM_MOVE:
    case ui::WM_SIZE:
    case ui::WM_ACTIVATE:
    case ui::WM_KILLFOCUS:
    case ui::WM_CANCELMODE:
    case ui::WM_MOUSEACTIVATE:
    case ui::WM_NCLBUTTONDOWN:
    case ui::WM_NCLBUTTONDBLCLK:
    case ui::WM_NCRBUTTONDOWN:
    case ui::WM_NCRBUTTONDBLCLK:
    case ui::WM_LBUTTONDOWN:
    case ui::WM_LBUTTONDBLCLK:
    case ui::WM_RBUTTONDOWN:
    case ui::WM_RBUTTONDBLCLK:
    case ui::WM_MBUTTONDOWN:
    case ui::WM_MBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool IsButtonPress(unsigned id) {
  return id != ui::WM_MOVE && id != ui::WM_SIZE && id != ui::WM_ACTIVATE &&
         id != ui::WM_KILLFOCUS && id != ui::WM_CANCELMODE && id != ui::WM_MOUSEACTIVATE &&
         ClosesMenus(id);
}

// Whether the frame a token of was taken from still lives (a free function:
// nothing of a freed frame may be touched to ask).
bool Alive(const std::weak_ptr<bool>& token) { return !token.expired() && *token.lock(); }

bool IsSkinMessage(unsigned id) {
  return id == SkinChanging || id == SkinChanged || id == SkinChangedMdi ||
         id == SkinStringsChanged || id == MenuClosed;
}

}  // namespace

TbsFormFrame::TbsFormFrame(ui::Component* owner)
    : ui::Component(RequireForm(owner)), form_(static_cast<ui::Form*>(owner)) {
  DefCaptionFont = DefaultCaptionFont(true);
  DefInActiveCaptionFont = DefaultCaptionFont(false);
  paint_.onPaintEvent = [this](const std::string& idName, gfx::Canvas& canvas,
                               const gfx::Rect& objectRect) {
    if (OnPaintEvent) OnPaintEvent(idName, canvas, objectRect);
  };
  menu_ = std::make_unique<TbsSkinMenu>(*form_);
  buildTrayMenu();
  form_->installHook(this);
  objects_ = CreateDefaultButtons(*this);
  ApplyBorderIcons(objects_, borderIcons_, hideCaptionButtons_, OnActivateCustomObject);
  updatePaintContext();
  form_->recalcNonClient();
}

TbsFormFrame::~TbsFormFrame() {
  *alive_ = false;
  if (menuFilter_ != 0) ui::Application::instance().removeMessageFilter(menuFilter_);
  menuFilter_ = 0;
  releaseTrayIcon();
  if (skinData_ != nullptr) skinData_->removeRemovalListener(this);
  if (menusSkinData_ != nullptr) menusSkinData_->removeRemovalListener(this);
  if (form_ != nullptr) {
    for (int id : {kHoverTimer, kMorphTimer, kAnimationTimer, kFadeTimer}) form_->killTimer(id);
    form_->removeHook(this);
  }
}

void TbsFormFrame::notification(ui::Component* component, Operation operation) {
  if (operation == Operation::Removing && component == skinHint_) skinHint_ = nullptr;
  if (operation == Operation::Removing && component == appSystemMenu_) appSystemMenu_ = nullptr;
  if (operation == Operation::Removing && component == trayIcon_) {
    trayIcon_ = nullptr;
    trayDblClickOurs_ = false;
  }
  ui::Component::notification(component, operation);
}

void TbsFormFrame::setSkinHint(TbsSkinHint* hint) {
  if (skinHint_ != nullptr) removeFreeNotification(skinHint_);
  skinHint_ = hint;
  if (skinHint_ != nullptr) freeNotification(skinHint_);
}

void TbsFormFrame::showObjectHint(const std::string& text) {
  if (ShowObjectHint && skinHint_ != nullptr) skinHint_->ShowTextHint(text);
}

void TbsFormFrame::hideObjectHint() {
  if (ShowObjectHint && skinHint_ != nullptr) skinHint_->HideTextHint();
}

void TbsFormFrame::componentRemoved(DataComponent& component) {
  if (&component == menusSkinData_) menusSkinData_ = nullptr;
  if (&component == skinData_) {
    skinData_ = nullptr;
    ApplySkinData();
  }
}

void TbsFormFrame::releaseSkinData(TbsSkinData* data) {
  // One skin may serve as the frame's and as the menus' skin.
  if (data != nullptr && data != skinData_ && data != menusSkinData_) {
    data->removeRemovalListener(this);
  }
}

void TbsFormFrame::setSkinData(TbsSkinData* data) {
  TbsSkinData* old = skinData_;
  skinData_ = data;
  releaseSkinData(old);
  if (skinData_ != nullptr) skinData_->addRemovalListener(this);
  trayMenu_->setSkinData(data);
  ApplySkinData();
}

void TbsFormFrame::setMenusSkinData(TbsSkinData* data) {
  TbsSkinData* old = menusSkinData_;
  menusSkinData_ = data;
  releaseSkinData(old);
  if (menusSkinData_ != nullptr) menusSkinData_->addRemovalListener(this);
}

void TbsFormFrame::setBorderIcons(TbsBorderIcons icons) {
  borderIcons_ = icons;
  rebuildObjects();
  layoutObjects();
  form_->invalidateFrame();
}

void TbsFormFrame::setHideCaptionButtons(bool on) {
  hideCaptionButtons_ = on;
  rebuildObjects();
  layoutObjects();
  form_->invalidateFrame();
}

void TbsFormFrame::setAlphaBlend(bool on) {
  if (on == alphaBlend_) return;
  alphaBlend_ = on;
  if (!ui::LayeredWindowsAvailable()) return;
  form_->setAlpha(on ? alphaBlendValue_ : 255);
}

void TbsFormFrame::setAlphaBlendValue(int value) {
  value = std::clamp(value, 0, 255);
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  if (alphaBlend_ && ui::LayeredWindowsAvailable()) form_->setAlpha(value);
}

// --- skin ------------------------------------------------------------------

bool TbsFormFrame::skinUsable() const {
  // A skin without a frame picture has nothing to draw a frame from: the
  // default frame serves instead of an invisible one.
  return skinData_ != nullptr && !skinData_->Empty() && !skinData_->Picture().empty();
}

gfx::Size TbsFormFrame::pictureSize() const {
  if (!hasSkin_) return {};
  return {skinData_->Picture().width(), skinData_->Picture().height()};
}

void TbsFormFrame::rebuildObjects() {
  geometryValid_ = false;
  tracker_.Reset();
  objects_.clear();
  if (!hasSkin_) {
    objects_ = CreateDefaultButtons(*this);
  } else {
    for (const auto& data : skinData_->ObjectDataList()) {
      const gfx::Bitmap* picture = skinData_->ActivePicture(data->activePictureIndex);
      // Menu items and the main menu bar's items and buttons are not frame objects.
      if (dynamic_cast<const TbsDataSkinMainMenuBarButton*>(data.get()) != nullptr) continue;
      if (auto* sb = dynamic_cast<const TbsDataSkinStdButton*>(data.get())) {
        objects_.push_back(std::make_unique<TbsSkinStdButtonObject>(*this, *sb, picture));
      } else if (auto* b = dynamic_cast<const TbsDataSkinButton*>(data.get())) {
        objects_.push_back(std::make_unique<TbsSkinButtonObject>(*this, *b, picture));
      } else if (auto* c = dynamic_cast<const TbsDataSkinCaption*>(data.get())) {
        objects_.push_back(std::make_unique<TbsSkinCaptionObject>(*this, *c, picture));
      } else if (auto* a = dynamic_cast<const TbsDataSkinAnimate*>(data.get())) {
        objects_.push_back(std::make_unique<TbsSkinAnimateObject>(*this, *a, picture));
      } else if (auto* u = dynamic_cast<const TbsDataUserObject*>(data.get())) {
        objects_.push_back(std::make_unique<TbsUserObject>(*this, *u));
      }
    }
  }
  ApplyBorderIcons(objects_, borderIcons_, hideCaptionButtons_, OnActivateCustomObject);
  if (UseDefaultObjectHint && skinData_ != nullptr) ReadObjectHints(objects_, resourceLookup());
  for (auto& o : objects_) {
    if (auto* c = dynamic_cast<TbsSkinCaptionObject*>(o.get())) c->Lit = IsFormActive();
  }
  markIconButtons();
}

void TbsFormFrame::ApplySkinData() {
  tracker_.Reset();
  hasSkin_ = skinUsable();
  rebuildObjects();
  if (!hasSkin_) {
    maskStrips_ = {};
    hasMaskStrips_ = false;
    form_->clearRegion();
  }
  updatePaintContext();

  // Keep the window at least the frame's size; else nudge it so that it
  // lays out and repaints completely.
  const int minW = MinFrameWidth();
  const int minH = MinFrameHeight();
  const gfx::Rect b = form_->boundsRect();
  if (b.width() < minW && b.height() < minH) {
    form_->setBounds(b.left, b.top, minW, minH);
  } else if (b.height() < minH) {
    form_->setHeight(minH);
  } else if (b.width() < minW) {
    form_->setWidth(minW);
  } else {
    nudgeWidth();
  }
  if ((flags_.rolledUp || flags_.state == FrameWindowState::Minimized) &&
      form_->height() != MinFrameHeight()) {
    form_->setHeight(MinFrameHeight());
  }
  if (flags_.state == FrameWindowState::Minimized && form_->width() != MinFrameWidth()) {
    form_->setWidth(MinFrameWidth());
  }

  updateGeometry(form_->width(), form_->height());
  form_->recalcNonClient();
  form_->invalidate();
  SyncCaptionActive(true);
  form_->setTimer(kHoverTimer, kHoverInterval);
  if (OnChangeSkinData) OnChangeSkinData(*this);
  if (ClientWidth > 0 || ClientHeight > 0) {
    form_->setClientSize(ClientWidth > 0 ? ClientWidth : form_->clientWidth(),
                         ClientHeight > 0 ? ClientHeight : form_->clientHeight());
  }
}

void TbsFormFrame::updatePaintContext() {
  paint_.framePicture = hasSkin_ ? &skinData_->Picture() : nullptr;
  paint_.active = IsFormActive();
  paint_.captionText = form_->caption();
  if (hasSkin_) {
    paint_.autoRenderInactive = info().autoRenderingInActiveImage;
    paint_.inactiveEffect = static_cast<int>(info().inactiveEffect);
    paint_.skinLeftTop = info().leftTopPoint;
    paint_.skinRightTop = info().rightTopPoint;
  }
  paint_.icon = showIcon_ ? &WindowIcon() : nullptr;
}

// --- geometry --------------------------------------------------------------

void TbsFormFrame::updateGeometry(int width, int height) {
  // The non-client size query and the size message both ask for the same
  // size; the placed values, layout and region are made once per size.
  if (geometryValid_ && placed_.composedWidth == width && placed_.composedHeight == height &&
      geometryStyle_ == form_->borderStyle()) {
    return;
  }
  geometryValid_ = true;
  geometryStyle_ = form_->borderStyle();
  if (hasSkin_) {
    placed_ = PlaceFrameGeometry(info(), pictureSize(), width, height);
  } else {
    placed_ = PlacedFrameGeometry{};
    placed_.composedWidth = width;
    placed_.composedHeight = height;
  }
  layoutObjects();
  UpdateFrameRegion();
}

void TbsFormFrame::layoutObjects() {
  if (hasSkin_) {
    LayoutCaptionButtons(objects_, info(), pictureSize(), placed_, iconButtonSize());
  } else if (auto area = LayoutDefaultButtons(objects_, placed_.composedWidth, form_->toolWindow(),
                                              iconButtonSize())) {
    defaultCaptionArea_ = *area;
  }
}

void TbsFormFrame::UpdateFrameRegion() {
  if (borderless() || !hasSkin_ || skinData_->MaskPicture().empty()) {
    if (form_->hasRegion()) form_->clearRegion();
    maskStrips_ = {};
    hasMaskStrips_ = false;
    return;
  }
  const int w = placed_.composedWidth;
  const int h = placed_.composedHeight;
  if (w < MinFrameWidth() || h < MinFrameHeight()) return;
  const SkinFormInfo& f = info();
  const SkinImageGeometry stored{f.leftTopPoint, f.rightTopPoint, f.leftBottomPoint,
                                 f.rightBottomPoint, f.maskRectArea};
  const SkinImageGeometry placed{placed_.leftTop, placed_.rightTop, placed_.leftBottom,
                                 placed_.rightBottom, placed_.maskArea};
  ComposeMaskStrips(stored, placed, skinData_->MaskPicture(), maskStrips_, w);
  hasMaskStrips_ = true;
  const gfx::Rect& a = placed_.maskArea;
  gfx::Region region = gfx::IsNullRect(a) ? gfx::Region() : gfx::Region(a);
  bool keepsFrame = false;
  const auto add = [&](const gfx::Bitmap& strip, int dx, int dy) {
    if (strip.empty()) return;
    if (auto data = MaskToRects(strip, dx, dy); data && !data->rects.empty()) {
      keepsFrame = true;
      region = region.united(RegionFromData(*data));
    }
  };
  add(maskStrips_.top, 0, 0);
  add(maskStrips_.bottom, 0, a.bottom);
  add(maskStrips_.left, 0, a.top);
  add(maskStrips_.right, a.right, a.top);
  // The window never reaches past its own rectangle.
  region = region.intersected(gfx::Region(gfx::Rect{0, 0, w, h}));
  if (!keepsFrame || region.empty()) {
    // A mask without a black pixel in its borders (all white, say) would
    // cut the whole frame away, caption and buttons with it, or leave no
    // pixel at all: such a mask counts as none, as an empty one does.
    if (form_->hasRegion()) form_->clearRegion();
    maskStrips_ = {};
    hasMaskStrips_ = false;
    return;
  }
  form_->setRegion(region);
}

void TbsFormFrame::nudgeWidth() {
  const int w = form_->width();
  if (w - 1 < MinFrameWidth()) {
    form_->setWidth(w + 1);
  } else {
    form_->setWidth(w - 1);
  }
  form_->setWidth(w);
}

// --- size limits -----------------------------------------------------------

namespace {
FrameLimitsInput LimitsInput(const TbsFormFrame& f, bool hasSkin, const TbsSkinData* skin, int minW,
                             int minH, int maxW, int maxH, bool fullScreen) {
  FrameLimitsInput in;
  in.hasSkin = hasSkin;
  if (hasSkin) {
    in.picture = {skin->Picture().width(), skin->Picture().height()};
    in.clientRect = skin->FormInfo().clientRect;
  }
  in.defaultCaptionHeight = DefaultCaptionHeight(f.form().toolWindow());
  in.minWidth = minW;
  in.minHeight = minH;
  in.maxWidth = maxW;
  in.maxHeight = maxH;
  in.minimized = f.FrameState() == FrameWindowState::Minimized;
  in.rolledUp = f.RolledUp();
  in.monitorArea = fullScreen ? ui::MonitorRect(f.form()) : ui::MonitorWorkArea(f.form());
  return in;
}
}  // namespace

int TbsFormFrame::MinFrameWidth() const {
  return skin::MinFrameWidth(LimitsInput(*this, hasSkin_, skinData_, MinWidth, MinHeight, MaxWidth,
                                         MaxHeight, MaximizeOnFullScreen));
}
int TbsFormFrame::MinFrameHeight() const {
  return skin::MinFrameHeight(LimitsInput(*this, hasSkin_, skinData_, MinWidth, MinHeight, MaxWidth,
                                          MaxHeight, MaximizeOnFullScreen));
}
int TbsFormFrame::MaxFrameWidth() const {
  return skin::MaxFrameWidth(LimitsInput(*this, hasSkin_, skinData_, MinWidth, MinHeight, MaxWidth,
                                         MaxHeight, MaximizeOnFullScreen));
}
int TbsFormFrame::MaxFrameHeight() const {
  return skin::MaxFrameHeight(LimitsInput(*this, hasSkin_, skinData_, MinWidth, MinHeight, MaxWidth,
                                          MaxHeight, MaximizeOnFullScreen));
}

// --- activation ------------------------------------------------------------

bool TbsFormFrame::IsFormActive() const { return form_->active(); }

void TbsFormFrame::SyncCaptionActive(bool repaint) {
  const bool active = IsFormActive();
  paint_.active = active;
  for (auto& o : objects_) {
    auto* c = dynamic_cast<TbsSkinCaptionObject*>(o.get());
    if (c == nullptr || c->Lit == active) continue;
    c->Lit = active;
    if (repaint) {
      form_->invalidateFrame();
      if (c->morphing) startMorphTimer();
    } else if (c->morphing) {
      c->MorphFactor = active ? 1.0 : 0.0;
    }
    break;
  }
  if (active) {
    if (OnActivate) OnActivate(*this);
  } else if (OnDeActivate) {
    OnDeActivate(*this);
  }
}

void TbsFormFrame::ResetObjectStates() {
  for (auto& o : objects_) {
    if (auto* a = dynamic_cast<TbsSkinAnimateObject*>(o.get())) {
      a->MouseInside = false;
      a->Lit = false;
      a->frame = 1;
    } else if (dynamic_cast<TbsSkinCaptionObject*>(o.get()) == nullptr) {
      o->Lit = false;
      o->MouseInside = false;
      o->MorphFactor = 0.0;
      if (auto* b = dynamic_cast<TbsSkinButtonObject*>(o.get()); b != nullptr && !b->hasMenu()) {
        b->Down = false;  // nothing stays pressed across activation or a drag
      }
    }
  }
}

// --- objects' requests -----------------------------------------------------

void TbsFormFrame::redrawObject(TbsActiveSkinObject& object) {
  if (borderless()) return;
  form_->invalidateFrameRect(object.ObjectRect);
}

void TbsFormFrame::startMorphTimer() { form_->setTimer(kMorphTimer, kMorphInterval); }
void TbsFormFrame::startAnimationTimer() { form_->setTimer(kAnimationTimer, kAnimationInterval); }
void TbsFormFrame::capturePointer() { form_->setCapture(); }
void TbsFormFrame::releasePointer() {
  if (form_->hasCapture()) form_->releaseCapture();
}
void TbsFormFrame::closeWindow() { form_->close(); }

void TbsFormFrame::assignSystemMenu(TbsSkinButtonObject& button) {
  rebuildSystemMenu();
  button.menu = &systemMenuItems();
}

void TbsFormFrame::popupButtonMenu(TbsSkinButtonObject& button) {
  if (button.menu == nullptr || button.menu->count() == 0) return;
  const gfx::Rect& r = button.ObjectRect;
  const gfx::Rect anchor{form_->left() + r.left, form_->top() + r.top, form_->left() + r.right,
                         form_->top() + r.bottom};
  const ui::MenuItem* root = button.menu;
  while (root->parentItem() != nullptr) root = root->parentItem();
  // A fading menu processes pending events, which may free the window.
  const std::weak_ptr<bool> token = alive_;
  if (auto* popup = dynamic_cast<TbsSkinPopupMenu*>(root->owner())) {
    popup->PopupItemsAt(*button.menu, anchor, button.popupUp);
  } else {
    EnterMenuMode();
    if (!Alive(token)) return;
    menu_->ShowMenu(nullptr, MenusSkin(), button.popupUp, *button.menu, anchor, 0);
  }
  if (!Alive(token)) return;
  // A menu with nothing to show holds no button down and no menu mode.
  if (!menu_->Visible()) LeaveMenuMode();
}

// --- menus -----------------------------------------------------------------

void TbsFormFrame::setMenusAlphaBlendValue(int value) {
  menusAlphaBlendValue_ = value;
  menu_->AlphaBlendValue = value;
}

void TbsFormFrame::setSystemMenu(ui::PopupMenu* menu) {
  if (appSystemMenu_ != nullptr) removeFreeNotification(appSystemMenu_);
  appSystemMenu_ = menu;
  if (appSystemMenu_ != nullptr) freeNotification(appSystemMenu_);
}

ui::MenuItem* TbsFormFrame::makeSystemMenuItem(const SystemMenuEntry& entry) {
  auto* item = new ui::MenuItem();
  item->setName(entry.name);
  item->setCaption(entry.caption);
  item->setShortCut(ui::TextToShortCut(entry.shortCut));
  if (entry.action != SystemMenuAction::None) {
    const SystemMenuAction action = entry.action;
    item->onClick = [this, action](ui::MenuItem&) { RunSystemMenuAction(action); };
  }
  return item;
}

void TbsFormFrame::rebuildSystemMenu() {
  if (appSystemMenu_ != nullptr) {
    if (UseDefaultSysMenu) mergeApplicationSystemMenu(appSystemMenu_->items());
    return;
  }
  ui::MenuItem& root = systemMenu_.items();
  root.clear();
  for (const SystemMenuEntry& entry : BuildSystemMenu()) root.add(makeSystemMenuItem(entry));
}

void TbsFormFrame::mergeApplicationSystemMenu(ui::MenuItem& root) {
  // The frame's items of an earlier showing (or items the application
  // named like them) go; the state may have changed since.
  for (ui::MenuItem* item : std::vector<ui::MenuItem*>(root.items())) {
    if (IsFrameMenuItemName(item->name())) delete item;
  }
  std::vector<ui::MenuItem*> own = root.items();
  std::vector<SystemMenuEntry> ownEntries;
  for (ui::MenuItem* item : own) {
    ownEntries.push_back(
        {item->name(), item->caption(), item->shortCutText(), SystemMenuAction::None});
    root.remove(item);
  }
  // The merged list holds the application's items in their order, as
  // entries without an action, between the frame's items.
  std::size_t next = 0;
  for (const SystemMenuEntry& entry :
       MergeSystemMenu(std::move(ownEntries), borderIcons_, flags_, resourceLookup())) {
    if (entry.action == SystemMenuAction::None && next < own.size()) {
      root.add(own[next++]);
    } else {
      root.add(makeSystemMenuItem(entry));
    }
  }
  while (next < own.size()) root.add(own[next++]);
}

ui::MenuItem& TbsFormFrame::systemMenuItems() {
  return appSystemMenu_ != nullptr ? appSystemMenu_->items() : systemMenu_.items();
}

void TbsFormFrame::ShowSystemMenu(const gfx::Rect& anchor) {
  if (menuOpen()) menu_->CloseAllMenus();
  rebuildSystemMenu();
  // A fading menu processes pending events, which may free the window.
  const std::weak_ptr<bool> token = alive_;
  EnterMenuMode();
  if (!Alive(token)) return;
  menu_->ShowMenu(nullptr, MenusSkin(), false, systemMenuItems(), anchor, 0);
  if (!Alive(token)) return;
  if (!menu_->Visible()) LeaveMenuMode();
}

void TbsFormFrame::EnterMenuMode() {
  if (menuFilter_ == 0) {
    menuFilter_ = ui::Application::instance().installMessageFilter(
        [this](ui::QueuedMessage& msg, bool& handled) { menuModeFilter(msg, handled); });
  }
  if (!skinMenuOpen_) {
    skinMenuOpen_ = true;
    if (OnSkinMenuOpen) OnSkinMenuOpen(*this);
  }
}

void TbsFormFrame::LeaveMenuMode() {
  const bool wasOpen = skinMenuOpen_;
  skinMenuOpen_ = false;
  for (auto& o : objects_) {
    if (auto* b = dynamic_cast<TbsSkinButtonObject*>(o.get()); b && b->hasMenu() && b->Down) {
      b->SetDown(false);
      break;
    }
  }
  if (menuFilter_ != 0) ui::Application::instance().removeMessageFilter(menuFilter_);
  menuFilter_ = 0;
  if (wasOpen && OnSkinMenuClose) OnSkinMenuClose(*this);
}

void TbsFormFrame::menuModeFilter(ui::QueuedMessage& msg, bool& handled) {
  const unsigned id = msg.message.id;
  if (id == ui::WM_KEYDOWN) {
    handled = true;
    const std::weak_ptr<bool> alive = alive_;
    menu_->KeyDown(static_cast<int>(msg.message.wparam));
    if (alive.expired() || !*alive.lock()) return;
    if (menuFilter_ != 0 && !menu_->Visible()) LeaveMenuMode();
    return;
  }
  if (id == ui::WM_MOUSEWHEEL) {
    handled = true;
    return;
  }
  // A press anywhere but on an open level (another window, a control of
  // this one) ends the menu; the press itself goes on.
  if (IsButtonPress(id) && menuOpen()) {
    const auto* level =
        dynamic_cast<const TbsSkinPopupWindow*>(ui::Control::fromWidget(msg.window));
    if (level == nullptr || menu_->levelOf(*level) < 0) menu_->CloseAllMenus();
  }
}

void TbsFormFrame::runCommand(StdCommand command, TbsActiveSkinObject& object) {
  switch (command) {
    case StdCommand::Close:
      form_->close();
      break;
    case StdCommand::Maximize:
      SetFrameState(flags_.state == FrameWindowState::Maximized ? FrameWindowState::Normal
                                                                : FrameWindowState::Maximized);
      break;
    case StdCommand::Minimize:
      if (AlwaysMinimizeToTray) {
        SendToTray();
      } else {
        SetFrameState(flags_.state == FrameWindowState::Minimized ? FrameWindowState::Normal
                                                                  : FrameWindowState::Minimized);
      }
      break;
    case StdCommand::RollUp:
      SetRollUp(!flags_.rolledUp);
      break;
    case StdCommand::MinimizeToTray:
      SendToTray();
      break;
    case StdCommand::SysMenu:
      // A button opens it on the press; an animated object below itself.
      if (dynamic_cast<TbsSkinButtonObject*>(&object) == nullptr) {
        const gfx::Rect& r = object.ObjectRect;
        ShowSystemMenu({form_->left() + r.left, form_->top() + r.top, form_->left() + r.right,
                        form_->top() + r.bottom});
      }
      break;
    case StdCommand::Default:
      // Custom objects carry no menu here.
      break;
  }
}

// --- window states ---------------------------------------------------------

void TbsFormFrame::SetFrameState(FrameWindowState state) {
  if (state == flags_.state) return;
  const bool isMain = ui::Application::instance().mainForm() == form_;
  if (state == FrameWindowState::Minimized && isMain) {
    ui::Application::instance().minimize();
    return;
  }
  flags_.state = state;
  switch (state) {
    case FrameWindowState::Minimized: {
      if (gfx::IsNullRect(savedBounds_)) savedBounds_ = form_->boundsRect();
      std::vector<gfx::Point> taken;
      for (ui::Form* other : ui::Application::instance().forms()) {
        if (other == form_ || other == ui::Application::instance().mainForm() || !other->visible())
          continue;
        for (ui::Component* c : other->components()) {
          auto* f = dynamic_cast<TbsFormFrame*>(c);
          if (f != nullptr && f->FrameState() == FrameWindowState::Minimized) {
            taken.push_back(other->boundsRect().topLeft());
          }
        }
      }
      const int w = MinFrameWidth();
      const int h = MinFrameHeight();
      const gfx::Point slot = FindMinimizedSlot(ui::MonitorWorkArea(*form_), w, h, taken);
      form_->setBounds(slot.x, slot.y, w, h);
      break;
    }
    case FrameWindowState::Maximized: {
      if (gfx::IsNullRect(savedBounds_)) savedBounds_ = form_->boundsRect();
      const gfx::Size screen = ui::PrimaryScreenSize();
      form_->setBoundsRect(MaximizeTarget(ui::MonitorRect(*form_), ui::MonitorWorkArea(*form_),
                                          {0, 0, screen.width, screen.height},
                                          MaximizeOnFullScreen));
      break;
    }
    case FrameWindowState::Normal: {
      flags_.rolledUpWhileMaximized = false;
      const gfx::Size before = form_->boundsRect().size();
      if (!gfx::IsNullRect(savedBounds_)) form_->setBoundsRect(savedBounds_);
      form_->setTimer(kHoverTimer, kHoverInterval);
      if (form_->boundsRect().size() == before) nudgeWidth();
      savedBounds_ = {};
      break;
    }
  }
  form_->invalidateFrame();
}

void TbsFormFrame::SetRollUp(bool value) {
  if (!RollUpAllowed(borderIcons_, flags_)) return;
  if (value == flags_.rolledUp) return;
  if (flags_.state == FrameWindowState::Maximized) flags_.rolledUpWhileMaximized = value;
  flags_.rolledUp = value;
  if (value) {
    savedHeight_ = form_->height();
    form_->setHeight(MinFrameHeight());
  } else {
    form_->setHeight(savedHeight_);
  }
  if (OnChangeRollUpState) OnChangeRollUpState(*this);
  form_->invalidateFrame();
}

ResourceLookup TbsFormFrame::resourceLookup() const {
  if (skinData_ != nullptr) {
    if (const TbsResourceStrData* table = skinData_->ResourceStrData()) {
      return [table](std::string_view key) { return table->GetResStr(key); };
    }
  }
  return {};
}

std::vector<SystemMenuEntry> TbsFormFrame::BuildSystemMenu() const {
  return DefaultSystemMenu(borderIcons_, flags_, resourceLookup());
}

void TbsFormFrame::RunSystemMenuAction(SystemMenuAction action) {
  switch (action) {
    case SystemMenuAction::Minimize:
      if (AlwaysMinimizeToTray) {
        SendToTray();
      } else {
        SetFrameState(FrameWindowState::Minimized);
      }
      break;
    case SystemMenuAction::Maximize:
      SetFrameState(FrameWindowState::Maximized);
      break;
    case SystemMenuAction::Restore:
      if (flags_.rolledUpWhileMaximized ||
          (flags_.rolledUp && flags_.state == FrameWindowState::Normal)) {
        SetRollUp(false);
      } else {
        SetFrameState(FrameWindowState::Normal);
      }
      break;
    case SystemMenuAction::RollUp:
      SetRollUp(true);
      break;
    case SystemMenuAction::Close:
      form_->close();
      break;
    case SystemMenuAction::MinimizeToTray:
      SendToTray();
      break;
    case SystemMenuAction::ReturnFromTray:
      ReturnFromTray();
      break;
    case SystemMenuAction::None:
      break;
  }
}

// --- the window icon -------------------------------------------------------

gfx::Size TbsFormFrame::SmallIconSize() const {
  const int button = DefaultButtonSize(form_->toolWindow());
  return skin::SmallIconSize({button, button});
}

const IconImage& TbsFormFrame::WindowIcon() {
  if (!iconCopy_) {
    const gfx::Size size = SmallIconSize();
    IconImage icon = IconFromBitmap(form_->icon(), size);
    if (icon.empty()) icon = ApplicationIcon(size);
    if (icon.empty()) icon = DefaultApplicationIcon(size);
    iconCopy_ = std::move(icon);
  }
  return *iconCopy_;
}

std::optional<gfx::Size> TbsFormFrame::iconButtonSize() const {
  if (!showIcon_) return std::nullopt;
  return SmallIconSize();
}

void TbsFormFrame::markIconButtons() {
  for (auto& o : objects_) {
    if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(o.get());
        b != nullptr && b->command == StdCommand::SysMenu) {
      b->showsIcon = showIcon_;
      if (showIcon_) b->MorphFactor = 0.0;
    }
  }
}

void TbsFormFrame::setShowIcon(bool on) {
  showIcon_ = on;
  markIconButtons();
  paint_.icon = showIcon_ ? &WindowIcon() : nullptr;
  // The system-menu button changes its size with the icon.
  geometryValid_ = false;
  layoutObjects();
  form_->invalidateFrame();
}

// --- the objects' events ---------------------------------------------------

void TbsFormFrame::objectEntered(const TbsActiveSkinObject& object) {
  if (OnMouseEnterEvent) OnMouseEnterEvent(object.IDName);
}

void TbsFormFrame::objectLeft(const TbsActiveSkinObject& object) {
  if (OnMouseLeaveEvent) OnMouseLeaveEvent(object.IDName);
}

void TbsFormFrame::objectPressed(const TbsActiveSkinObject& object, int x, int y,
                                 PointerButton button) {
  if (OnMouseDownEvent) OnMouseDownEvent(object.IDName, x, y, object.ObjectRect, button);
}

void TbsFormFrame::objectReleased(const TbsActiveSkinObject& object, int x, int y,
                                  PointerButton button) {
  if (OnMouseUpEvent) OnMouseUpEvent(object.IDName, x, y, object.ObjectRect, button);
}

void TbsFormFrame::objectMoved(const TbsActiveSkinObject& object, int x, int y) {
  if (OnMouseMoveEvent) OnMouseMoveEvent(object.IDName, x, y, object.ObjectRect);
}

// --- the notification area -------------------------------------------------

void TbsFormFrame::buildTrayMenu() {
  trayMenu_ = std::make_unique<TbsSkinPopupMenu>();
  trayMenu_->setOwnerWindow(form_);
  for (const SystemMenuEntry& entry : TrayMenu(resourceLookup())) {
    auto* item = new ui::MenuItem();
    item->setName(entry.name);
    item->setCaption(entry.caption);
    item->setShortCut(ui::TextToShortCut(entry.shortCut));
    switch (entry.action) {
      case SystemMenuAction::ReturnFromTray:
        item->onClick = [this](ui::MenuItem&) { ReturnFromTray(); };
        break;
      case SystemMenuAction::Close:
        item->onClick = [this](ui::MenuItem&) { form_->close(); };
        break;
      default:
        break;
    }
    trayMenu_->items().add(item);
  }
}

void TbsFormFrame::releaseTrayIcon() {
  if (trayIcon_ == nullptr) return;
  // The icon keeps nothing of this frame.
  if (trayDblClickOurs_) trayIcon_->OnDblClick = nullptr;
  if (trayIcon_->PopupMenu() == trayMenu_.get()) trayIcon_->setPopupMenu(nullptr);
  removeFreeNotification(trayIcon_);
  trayIcon_ = nullptr;
  trayDblClickOurs_ = false;
}

void TbsFormFrame::setTrayIcon(TbsTrayIcon* icon) {
  if (icon == trayIcon_) return;
  releaseTrayIcon();
  trayIcon_ = icon;
  if (trayIcon_ == nullptr) return;
  freeNotification(trayIcon_);
  if (!AlwaysShowInTray) trayIcon_->setIconVisible(false);
  trayIcon_->MinimizeToTray = false;
  if (trayIcon_->PopupMenu() == nullptr) trayIcon_->setPopupMenu(trayMenu_.get());
  if (!trayIcon_->OnDblClick) {
    trayIcon_->OnDblClick = [this](TbsTrayIcon&) { ReturnFromTray(); };
    trayDblClickOurs_ = true;
  }
}

void TbsFormFrame::SendToTray() {
  if (trayIcon_ == nullptr) return;
  trayIcon_->MinimizeToTray = true;
  ui::Application& app = ui::Application::instance();
  if (app.minimized()) {
    // Already minimized: the application's minimizing will not come again.
    trayIcon_->HideToTray();
  } else {
    app.minimize();  // the tray icon hides the windows and shows itself
  }
  if (OnMinimizeToTray) OnMinimizeToTray(*this);
}

void TbsFormFrame::ReturnFromTray() {
  if (trayIcon_ == nullptr) return;
  trayIcon_->MinimizeToTray = false;
  trayIcon_->ShowMainWindow();
  ui::Application::instance().restore();
  if (!AlwaysShowInTray) trayIcon_->setIconVisible(false);
  if (OnRestoreFromTray) OnRestoreFromTray(*this);
}

// --- painting --------------------------------------------------------------

void TbsFormFrame::paintFrame(gfx::Bitmap& target) {
  if (borderless()) return;
  paint_.captionText = form_->caption();
  paint_.active = IsFormActive();
  const int w = target.width();
  const int h = target.height();
  if (hasSkin_) {
    if (w < MinFrameWidth() || h < MinFrameHeight()) return;
    if (placed_.composedWidth != w || placed_.composedHeight != h) updateGeometry(w, h);
    const SkinnedFrameSource source{&skinData_->Picture(), &skinData_->InactivePicture(), &info()};
    PaintSkinnedFrame(target, source, placed_, objects_, paint_);
    return;
  }
  if (placed_.composedWidth != w || placed_.composedHeight != h) updateGeometry(w, h);
  DefaultFrameInput in;
  in.width = w;
  in.height = h;
  in.captionHeight = DefaultCaptionHeight(form_->toolWindow());
  in.captionArea = defaultCaptionArea_;
  in.caption = form_->caption();
  in.font = paint_.active ? DefCaptionFont : DefInActiveCaptionFont;
  PaintDefaultFrame(target, in, objects_);
}

void TbsFormFrame::paintClientBackground(gfx::Canvas& canvas) {
  const gfx::Rect client = canvas.bitmap().rect();
  const gfx::Color face = gfx::SystemColor(gfx::SysColor::ButtonFace);
  if (!hasSkin_) {
    canvas.fillRect(client, face);
    DrawLogo(canvas);
    return;
  }
  const gfx::Bitmap* tile = nullptr;
  gfx::Rect piece;
  if (info().bgPictureIndex < 0) {
    tile = &skinData_->Picture();
    piece = info().clientRect;
  } else if (const gfx::Bitmap* bg = skinData_->ActivePicture(info().bgPictureIndex)) {
    tile = bg;
    piece = bg->rect();
  }
  piece = gfx::IntersectRect(piece, tile != nullptr ? tile->rect() : gfx::Rect{});
  // No usable tile (an empty client rect, or an index naming no picture).
  if (tile == nullptr || gfx::IsNullRect(piece)) {
    canvas.fillRect(client, face);
    return;
  }
  for (int x = 0; x < client.width(); x += piece.width()) {
    for (int y = 0; y < client.height(); y += piece.height()) {
      canvas.copyRect({x, y, x + piece.width(), y + piece.height()}, *tile, piece);
    }
  }
  DrawLogo(canvas);
}

void TbsFormFrame::DrawLogo(gfx::Canvas& canvas) {
  if (LogoBitMap.empty()) return;
  const gfx::Rect client = canvas.bitmap().rect();
  const int x = std::max(0, gfx::Div(client.width(), 2) - gfx::Div(LogoBitMap.width(), 2));
  const int y = std::max(0, gfx::Div(client.height(), 2) - gfx::Div(LogoBitMap.height(), 2));
  if (LogoBitMapTransparent) {
    canvas.drawTransparent(x, y, LogoBitMap, LogoBitMap.rect(),
                           LogoBitMap.pixel(0, LogoBitMap.height() - 1));
  } else {
    canvas.draw(x, y, LogoBitMap);
  }
}

// --- hit testing and the pointer -------------------------------------------

int TbsFormFrame::hitTest(gfx::Point p) {
  FrameHitState s;
  s.width = form_->width();
  s.height = form_->height();
  s.sizeable = form_->sizeable();
  s.maximized = flags_.state == FrameWindowState::Maximized;
  s.minimized = flags_.state == FrameWindowState::Minimized;
  s.rolledUp = flags_.rolledUp;
  s.hotObject = tracker_.HotObject != -1;
  s.inSizeMove = inSizeMove_;
  if (placed_.composedWidth != s.width || placed_.composedHeight != s.height) {
    updateGeometry(s.width, s.height);
  }
  if (!hasSkin_) {
    return HitTestDefault(p, defaultCaptionArea_, DefaultCaptionHeight(form_->toolWindow()), s);
  }
  std::vector<gfx::Rect> captions;
  for (const auto& o : objects_) {
    if (o->Visible && dynamic_cast<const TbsSkinCaptionObject*>(o.get()) != nullptr) {
      captions.push_back(o->ObjectRect);
    }
  }
  return HitTestSkinned(p, placed_, info().borderWidth, s, captions,
                        hasMaskStrips_ ? &maskStrips_ : nullptr);
}

gfx::Point TbsFormFrame::toWindow(ui::MessageParam screenPoint) const {
  const gfx::Point p = ui::UnpackPoint(screenPoint);
  return {p.x - form_->left(), p.y - form_->top()};
}

void TbsFormFrame::hoverTick() {
  if (!IsFormActive()) return;
  if (inSizeMove_) {
    form_->killTimer(kHoverTimer);
    return;
  }
  if (borderless()) {
    // The whole window is client area: no frame object to hover.
    if (tracker_.HotObject != -1) tracker_.TrackHover(objects_, {-1, -1}, true, *this);
    return;
  }
  const gfx::Point c = ui::CursorPos();
  const gfx::Point p{c.x - form_->left(), c.y - form_->top()};
  const gfx::Rect client = hasSkin_ ? placed_.clientArea : form_->clientAreaInWindow();
  if (!gfx::PtInRect(client, p)) {
    tracker_.TrackHover(objects_, p, true, *this);
  } else if (tracker_.HotObject != -1) {
    tracker_.TrackHover(objects_, {-1, -1}, true, *this);
  }
}

void TbsFormFrame::morphTick() {
  bool moved = false;
  for (auto& o : objects_) {
    if (o->morphing && o->NeedsMorphStep()) {
      o->MorphStep();
      redrawObject(*o);
      moved = true;
    }
  }
  if (!moved) form_->killTimer(kMorphTimer);
}

void TbsFormFrame::animationTick() {
  bool lit = false;
  for (auto& o : objects_) {
    auto* a = dynamic_cast<TbsSkinAnimateObject*>(o.get());
    if (a == nullptr || !a->Lit) continue;
    lit = true;
    if (a->AnimationTick()) redrawObject(*a);
  }
  if (!lit) form_->killTimer(kAnimationTimer);
}

void TbsFormFrame::fadeIn() {
  form_->killTimer(kFadeTimer);
  if (!alphaBlend_ && !AlphaBlendAnimation) return;
  const int target = (AlphaBlendAnimation && !alphaBlend_) ? 255 : alphaBlendValue_;
  if (AlphaBlendAnimation) {
    // The pending events may close and free the window, or this frame.
    const std::weak_ptr<bool> token = alive_;
    ui::Application::instance().processMessages();
    if (!Alive(token)) return;
    for (int a = kFadeStep;; a += kFadeStep) {
      form_->setAlpha(std::min(a, target));
      if (a >= target) break;
    }
  } else if (target != 255) {
    form_->setAlpha(target);
  }
  // Fully opaque: no longer a translucent window.
  if (target == 255) form_->setAlpha(255);
}

void TbsFormFrame::nonClientPress(const ui::Message& m, PointerButton button, bool doubleClick) {
  // A press that started the framework's move/size loop belongs to it.
  if (form_->inSizeMove()) return;
  const gfx::Point p = toWindow(m.lparam);
  const int code = static_cast<int>(m.wparam);
  tracker_.Press(objects_, p, button, code, IsFormActive(), *this);
  if (!doubleClick || button != PointerButton::Left) return;
  if (auto* hot = tracker_.HotObject >= 0 && tracker_.HotObject < static_cast<int>(objects_.size())
                      ? objects_[static_cast<std::size_t>(tracker_.HotObject)].get()
                      : nullptr) {
    hot->DblClick();
  }
  if (code != ui::HTCAPTION) return;
  tracker_.PressedObject = -1;
  switch (CaptionDoubleClickAction(form_->sizeable(), borderIcons_, flags_)) {
    case CaptionDoubleClick::Restore:
      SetFrameState(FrameWindowState::Normal);
      break;
    case CaptionDoubleClick::Maximize:
      SetFrameState(FrameWindowState::Maximized);
      break;
    case CaptionDoubleClick::ToggleRollUp:
      SetRollUp(!flags_.rolledUp);
      break;
  }
}

// --- skin changes ----------------------------------------------------------

void TbsFormFrame::notifyControls(bool before, TbsSkinData* sender) {
  // A control may add or free controls and components while it changes its
  // skin: the lists are walked as they were, passing over what went since.
  const std::function<void(ui::WinControl&)> walk = [&](ui::WinControl& parent) {
    const std::vector<ui::Control*> controls = parent.controls();
    for (ui::Control* c : controls) {
      const auto& now = parent.controls();
      if (std::find(now.begin(), now.end(), c) == now.end()) continue;
      if (auto* r = dynamic_cast<SkinChangeReceiver*>(c)) {
        if (sender == nullptr || r->receiverSkinData() == sender) {
          if (before) {
            r->BeforeChangeSkinData();
          } else {
            r->ChangeSkinData();
          }
        }
      }
      // The change may have freed the control itself.
      if (std::find(now.begin(), now.end(), c) == now.end()) continue;
      if (auto* w = dynamic_cast<ui::WinControl*>(c)) walk(*w);
    }
  };
  walk(*form_);
  const std::vector<ui::Component*> components = form_->components();
  for (ui::Component* c : components) {
    const auto& now = form_->components();
    if (std::find(now.begin(), now.end(), c) == now.end()) continue;
    if (auto* s = dynamic_cast<TbsSkinComponent*>(c)) {
      if (before) {
        s->BeforeChangeSkinData();
      } else {
        s->ChangeSkinData();
      }
    }
  }
}

void TbsFormFrame::handleSkinMessage(ui::Message& m) {
  auto* sender = ui::FromParam<TbsSkinData>(m.wparam);
  switch (m.id) {
    case SkinChanging:
      if (sender == skinData_ && sender != nullptr) {
        hasSkin_ = false;
        for (int id : {kHoverTimer, kMorphTimer, kAnimationTimer}) form_->killTimer(id);
        tracker_.Reset();
        releasePointer();
        objects_.clear();  // they point into the skin's data, which is going away
        geometryValid_ = false;
        paint_.framePicture = nullptr;
      }
      notifyControls(true, sender);
      break;
    case SkinChanged:
      if (sender == skinData_ && sender != nullptr) ApplySkinData();
      notifyControls(false, sender);
      break;
    case MenuClosed:
      LeaveMenuMode();
      break;
    case SkinStringsChanged:
      if (UseDefaultObjectHint && skinData_ != nullptr) ReadObjectHints(objects_, resourceLookup());
      break;
    default:
      break;  // SkinChangedMdi: no multiple-document windows here
  }
}

// --- dispatch --------------------------------------------------------------

void TbsFormFrame::hookMessage(ui::Message& m) {
  using namespace ui;
  if (ClosesMenus(m.id) && menuOpen()) menu_->CloseAllMenus();
  if (IsSkinMessage(m.id)) {
    handleSkinMessage(m);
    callPrevious(m);
    return;
  }
  switch (m.id) {
    // Moves, sizes, activation and presses end an object hint.
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      hideObjectHint();
      break;
    default:
      break;
  }
  switch (m.id) {
    case WM_DESTROY:
      for (int id : {kHoverTimer, kMorphTimer, kAnimationTimer}) form_->killTimer(id);
      break;
    case WM_NCCALCSIZE: {
      auto* r = FromParam<gfx::Rect>(m.lparam);
      if (r == nullptr || borderless()) return;
      updateGeometry(r->width(), r->height());
      if (hasSkin_) {
        *r = SkinnedClientRect(info(), pictureSize(), *r);
      } else {
        const int b = DefaultFrameLook::kBorder;
        *r = {r->left + b, r->top + DefaultCaptionHeight(form_->toolWindow()) + b, r->right - b,
              r->bottom - b};
        if (r->right < r->left) r->right = r->left;
        if (r->bottom < r->top) r->bottom = r->top;
      }
      return;
    }
    case WM_NCHITTEST:
      // A borderless window has no frame: the form answers (all client).
      if (borderless()) break;
      m.result = hitTest(toWindow(m.lparam));
      if (m.result == HTOBJECT && !form_->timerRunning(kHoverTimer)) {
        tracker_.TrackHover(objects_, toWindow(m.lparam), IsFormActive(), *this);
        form_->setTimer(kHoverTimer, kHoverInterval);
      }
      return;
    case WM_NCPAINT:
      if (auto* bmp = FromParam<gfx::Bitmap>(m.lparam)) paintFrame(*bmp);
      return;
    case WM_NCACTIVATE:
      m.result = 1;
      if (!borderless()) form_->invalidateFrame();
      SyncCaptionActive(!borderless());
      return;
    case WM_ACTIVATE:
      callPrevious(m);
      form_->invalidateFrame();
      ResetObjectStates();
      SyncCaptionActive(true);
      return;
    case WM_SETTEXT:
      callPrevious(m);
      paint_.captionText = form_->caption();
      if (!borderless()) form_->invalidateFrame();
      return;
    case WM_ERASEBKGND:
      if (auto* canvas = FromParam<gfx::Canvas>(m.wparam)) paintClientBackground(*canvas);
      m.result = 1;
      return;
    case WM_SHOWWINDOW:
      if (m.wparam != 0 && (alphaBlend_ || AlphaBlendAnimation) && LayeredWindowsAvailable()) {
        form_->setAlpha(0);
        form_->setTimer(kFadeTimer, 1);
      }
      break;
    case WM_TIMER:
      switch (static_cast<int>(m.wparam)) {
        case kFadeTimer:
          fadeIn();
          return;
        case kHoverTimer:
          hoverTick();
          return;
        case kMorphTimer:
          morphTick();
          return;
        case kAnimationTimer:
          animationTick();
          return;
        default:
          break;
      }
      break;
    case WM_SETCURSOR:
      if (UseFormCursorInNCArea && m.wparam != HTCLIENT &&
          !IsSizingHitCode(static_cast<int>(m.wparam))) {
        m.wparam = HTCLIENT;
      }
      break;
    case WM_GETMINMAXINFO:
      if (auto* info = FromParam<MinMaxInfo>(m.lparam)) {
        callPrevious(m);
        info->minTrackSize = {MinFrameWidth(), MinFrameHeight()};
        info->maxTrackSize = {MaxFrameWidth(), MaxFrameHeight()};
        return;
      }
      break;
    case WM_MOVING:
      if (auto* r = FromParam<gfx::Rect>(m.lparam)) {
        *r = LockMaximizedMove(*r, form_->boundsRect(), flags_.state);
        if (Magnetic && flags_.state != FrameWindowState::Maximized) {
          *r = SnapToWorkArea(*r, MonitorWorkArea(*form_), MagneticSize);
        }
      }
      break;
    case WM_SIZE:
      callPrevious(m);
      updateGeometry(form_->width(), form_->height());
      form_->invalidateFrame();
      if (alphaBlend_ && alphaBlendValue_ != 255 && LayeredWindowsAvailable()) form_->invalidate();
      return;
    case WM_ENTERSIZEMOVE:
      ResetObjectStates();
      form_->killTimer(kHoverTimer);
      tracker_.Reset();
      inSizeMove_ = true;
      break;
    case WM_EXITSIZEMOVE:
      form_->killTimer(kHoverTimer);
      tracker_.Reset();
      inSizeMove_ = false;
      if (hasSkin_) form_->invalidateFrame();
      break;
    case WM_NCMOUSEMOVE:
      callPrevious(m);
      tracker_.Move(objects_, toWindow(m.lparam));
      return;
    case WM_NCLBUTTONDOWN:
      callPrevious(m);
      nonClientPress(m, PointerButton::Left, false);
      return;
    case WM_NCLBUTTONDBLCLK:
      callPrevious(m);
      nonClientPress(m, PointerButton::Left, true);
      return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
      callPrevious(m);
      if (!form_->inSizeMove()) {
        tracker_.Press(objects_, toWindow(m.lparam), PointerButton::Right,
                       static_cast<int>(m.wparam), IsFormActive(), *this);
        if (static_cast<int>(m.wparam) == HTCAPTION) {
          tracker_.PressedObject = -1;
          // The system menu opens at the pointer.
          const gfx::Point p = UnpackPoint(m.lparam);
          if (m.id == WM_NCRBUTTONDOWN) ShowSystemMenu({p.x, p.y, p.x, p.y});
        }
      }
      return;
    case WM_SYSCOMMAND:
      if ((m.wparam & 0xFFF0) == SC_KEYMENU) {
        // The menu key ends menu mode; the open levels close with the next
        // press or move of the window. The platform's own menu loop never runs.
        if (InMenuMode()) {
          LeaveMenuMode();
          m.result = 1;
        }
        return;
      }
      break;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP: {
      callPrevious(m);
      const PointerButton b = m.id == WM_NCLBUTTONUP ? PointerButton::Left : PointerButton::Right;
      tracker_.Release(objects_, toWindow(m.lparam), b, *this);
      return;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      callPrevious(m);
      if (tracker_.PressedObject != -1) {
        const PointerButton b = m.id == WM_LBUTTONUP ? PointerButton::Left : PointerButton::Right;
        tracker_.Release(objects_, {-1, -1}, b, *this);
      }
      return;
    default:
      break;
  }
  callPrevious(m);
}

}  // namespace skin
