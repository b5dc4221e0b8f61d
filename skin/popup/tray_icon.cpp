// The notification-area icon: its properties, the pointer actions with the
// click timing, the popup menu, cycling, hiding the application to the tray,
// and the desktop's notification area on QSystemTrayIcon.
#include "skin/popup/tray_icon.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/menu_item.h"
#include "ui/scheduler.h"

namespace skin {

namespace {

constexpr gfx::Size kTrayIconSize{16, 16};

// The first count characters of a UTF-8 text; a character is never cut.
std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0u) == 0x80u) continue;  // a continuation byte
    if (chars == count) return text.substr(0, i);
    ++chars;
  }
  return text;
}

// The first item of the menu's top level marked as the default one; the
// default items of sub-menus are theirs, not the icon's.
ui::MenuItem* FirstDefault(const ui::MenuItem& parent) {
  for (ui::MenuItem* item : parent.items()) {
    if (item->isDefault()) return item;
  }
  return nullptr;
}

// --- the desktop's notification area ----------------------------------------

QIcon ToQIcon(const IconImage& icon) {
  if (icon.empty()) return {};
  QImage image = icon.picture.image().convertToFormat(QImage::Format_ARGB32);
  if (icon.transparent) {
    const QRgb key =
        qRgb(icon.transparent->red(), icon.transparent->green(), icon.transparent->blue());
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        if ((line[x] | 0xFF000000u) == key) line[x] = 0;
      }
    }
  }
  return QIcon(QPixmap::fromImage(image));
}

class DesktopArea final : public NotificationArea {
 public:
  DesktopArea() {
    // Qt tells no re-creation of the area; its coming back is seen as the
    // platform's tray turning available again, looked at every two seconds
    // while an icon is wanted.
    watch_.setInterval(2000);
    QObject::connect(&watch_, &QTimer::timeout, [this] { checkAvailability(); });
    // Releases of a press are seen through the pointer state.
    release_.setInterval(10);
    QObject::connect(&release_, &QTimer::timeout, [this] { checkRelease(); });
  }

  bool available() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

  void addIcon(const IconImage& icon, const std::string& tip) override {
    wanted_ = true;
    wasAvailable_ = available();
    watch_.start();
    if (!wasAvailable_) return;
    ensureIcon();
    apply(icon, tip);
    tray_->show();
  }

  void modifyIcon(const IconImage& icon, const std::string& tip) override {
    if (tray_ != nullptr) apply(icon, tip);
  }

  void deleteIcon() override {
    wanted_ = false;
    watch_.stop();
    if (tray_ != nullptr) tray_->hide();
  }

  gfx::Point pointerPos() const override {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
  }

  unsigned keyState() const override {
    const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
    unsigned s = 0;
    if (m & Qt::ShiftModifier) s |= ui::ssShift;
    if (m & Qt::AltModifier) s |= ui::ssAlt;
    if (m & Qt::ControlModifier) s |= ui::ssCtrl;
    return s;
  }

 private:
  void ensureIcon() {
    if (tray_ != nullptr) return;
    tray_ = std::make_unique<QSystemTrayIcon>();
    QObject::connect(tray_.get(), &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason r) { activated(r); });
  }

  void apply(const IconImage& icon, const std::string& tip) {
    tray_->setIcon(ToQIcon(icon));
    tray_->setToolTip(QString::fromStdString(tip));
  }

  void tell(TrayAction a) {
    if (onAction) onAction(a);
  }

  // Qt reports a press of the left button (Trigger), a double click, and
  // right and middle clicks; the release of a left press is seen when the
  // pointer state shows the button up.
  void activated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
      case QSystemTrayIcon::Trigger:
        tell(TrayAction::LeftDown);
        awaitRelease();
        break;
      case QSystemTrayIcon::DoubleClick:
        tell(TrayAction::LeftDblClick);
        awaitRelease();
        break;
      case QSystemTrayIcon::Context:
        tell(TrayAction::RightDown);
        tell(TrayAction::RightUp);
        break;
      case QSystemTrayIcon::MiddleClick:
        tell(TrayAction::MiddleDown);
        tell(TrayAction::MiddleUp);
        break;
      case QSystemTrayIcon::Unknown:
        break;
    }
  }

  void awaitRelease() {
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
      release_.stop();
      tell(TrayAction::LeftUp);
      return;
    }
    releaseChecks_ = 0;
    release_.start();
  }

  void checkRelease() {
    // A release the application never sees (the pointer left its windows)
    // ends the wait after five seconds.
    if ((QGuiApplication::mouseButtons() & Qt::LeftButton) && ++releaseChecks_ < 500) return;
    release_.stop();
    tell(TrayAction::LeftUp);
  }

  void checkAvailability() {
    const bool now = available();
    const bool cameBack = now && !wasAvailable_;
    wasAvailable_ = now;
    if (cameBack && wanted_ && onRecreated) onRecreated();
  }

  std::unique_ptr<QSystemTrayIcon> tray_;
  QTimer watch_;
  QTimer release_;
  int releaseChecks_ = 0;
  bool wanted_ = false;
  bool wasAvailable_ = false;
};

}  // namespace

std::unique_ptr<NotificationArea> DesktopNotificationArea() {
  return std::make_unique<DesktopArea>();
}

// --- TbsTrayIcon ---------------------------------------------------------------

TbsTrayIcon::TbsTrayIcon(ui::Component* owner, ui::Scheduler* clock,
                         std::unique_ptr<NotificationArea> area)
    : ui::Component(owner),
      area_(area ? std::move(area) : DesktopNotificationArea()),
      clock_(clock != nullptr ? clock : &ui::QtScheduler()),
      doubleClickTime_(QApplication::doubleClickInterval()) {
  area_->onAction = [this](TrayAction a) { HandleTrayAction(a); };
  area_->onRecreated = [this] { NotificationAreaRecreated(); };
  refreshPicture();
  // The icon hears of the application's minimizing (it may hide the
  // windows to the tray) before the application's own minimize event.
  minimizeListener_ =
      ui::Application::instance().addMinimizeListener([this] { applicationMinimized(); });
  if (ui::Form* form = ownerForm()) form->installHook(this);
  // The properties are set right after construction; the after-set-up step
  // follows from the event loop.
  loadedCall_ = clock_->start(0, [this] {
    loadedCall_ = 0;
    Loaded();
  });
}

TbsTrayIcon::~TbsTrayIcon() {
  *alive_ = false;
  for (int* id : {&loadedCall_, &cycleTimer_, &clickTimer_}) {
    if (*id != 0) clock_->cancel(*id);
    *id = 0;
  }
  if (iconPresent_) area_->deleteIcon();
  iconPresent_ = false;
  ui::Application::instance().removeMinimizeListener(minimizeListener_);
  if (popupMenu_ != nullptr && popupMenu_->popupComponent == this) {
    popupMenu_->popupComponent = nullptr;
  }
  if (ui::Form* form = ownerForm()) form->removeHook(this);
}

ui::Form* TbsTrayIcon::ownerForm() const { return dynamic_cast<ui::Form*>(owner()); }

void TbsTrayIcon::notification(ui::Component* component, Operation operation) {
  if (operation == Operation::Removing) {
    if (component == popupMenu_) popupMenu_ = nullptr;
    if (component == iconList_) {
      iconList_ = nullptr;
      iconIndex_ = 0;
    }
  }
  ui::Component::notification(component, operation);
}

void TbsTrayIcon::Loaded() {
  if (loaded_) return;
  loaded_ = true;
  if (loadedCall_ != 0) {
    clock_->cancel(loadedCall_);
    loadedCall_ = 0;
  }
  if (ownerForm() != nullptr && MinimizedOnStart) {
    iconVisible_ = true;
    MinimizeToTray = true;
    HideMainWindow();
  }
  if (iconVisible_) {
    AddTrayIcon();
  } else {
    RemoveTrayIcon();
  }
}

// --- the record passed on ------------------------------------------------------

std::string TbsTrayIcon::TrayTip() const {
  if (hint_.empty() || !showHint_) return {};
  return FirstCharacters(hint_, kMaxTipLength);
}

void TbsTrayIcon::refreshPicture() {
  if (!icon_.empty()) {
    trayPicture_ = IconFromBitmap(icon_, {icon_.width(), icon_.height()});
    return;
  }
  // Without a picture of its own the icon shows the application's.
  trayPicture_ = ApplicationIcon(kTrayIconSize);
  if (trayPicture_.empty()) trayPicture_ = DefaultApplicationIcon(kTrayIconSize);
}

void TbsTrayIcon::AddTrayIcon() {
  iconVisible_ = true;
  area_->addIcon(trayPicture_, TrayTip());
  iconPresent_ = true;
}

void TbsTrayIcon::RemoveTrayIcon() {
  iconVisible_ = false;
  if (iconPresent_) area_->deleteIcon();
  iconPresent_ = false;
}

void TbsTrayIcon::UpdateTrayIcon() {
  if (iconPresent_) area_->modifyIcon(trayPicture_, TrayTip());
}

void TbsTrayIcon::NotificationAreaRecreated() {
  // The icons of the old area went with it.
  if (iconVisible_) AddTrayIcon();
}

// --- properties ----------------------------------------------------------------

void TbsTrayIcon::setIcon(const gfx::Bitmap& icon) {
  icon_ = icon;
  refreshPicture();
  UpdateTrayIcon();
}

void TbsTrayIcon::setIconVisible(bool on) {
  if (on) {
    AddTrayIcon();
  } else {
    RemoveTrayIcon();
  }
}

void TbsTrayIcon::setHint(const std::string& hint) {
  hint_ = hint;
  UpdateTrayIcon();
}

void TbsTrayIcon::setShowHint(bool on) {
  showHint_ = on;
  UpdateTrayIcon();
}

void TbsTrayIcon::setPopupMenu(ui::PopupMenu* menu) {
  if (popupMenu_ == menu) return;
  if (popupMenu_ != nullptr) removeFreeNotification(popupMenu_);
  popupMenu_ = menu;
  if (popupMenu_ != nullptr) freeNotification(popupMenu_);
}

void TbsTrayIcon::setIconList(ui::ImageList* list) {
  if (iconList_ != list) {
    if (iconList_ != nullptr) removeFreeNotification(iconList_);
    iconList_ = list;
    if (iconList_ != nullptr) freeNotification(iconList_);
  }
  setIconIndex(0);
}

void TbsTrayIcon::setIconIndex(int index) {
  if (iconList_ != nullptr && iconList_->count() > 0) {
    iconIndex_ = std::clamp(index, 0, iconList_->count() - 1);
    if (const gfx::Bitmap* picture = iconList_->image(iconIndex_)) icon_ = *picture;
    refreshPicture();
  } else {
    iconIndex_ = 0;
  }
  UpdateTrayIcon();
}

void TbsTrayIcon::setCycleIcons(bool on) {
  cycleIcons_ = on;
  if (on) {
    setIconIndex(0);
    startCycleTimer();
  } else {
    stopCycleTimer();
  }
}

void TbsTrayIcon::setAnimateTimerInterval(int ms) {
  animateTimerInterval_ = std::max(ms, 0);
  if (cycleIcons_) startCycleTimer();
}

// --- cycling -------------------------------------------------------------------

void TbsTrayIcon::startCycleTimer() {
  stopCycleTimer();
  if (animateTimerInterval_ <= 0) return;  // an interval of 0 never fires
  cycleTimer_ = clock_->start(animateTimerInterval_, [this] {
    cycleTimer_ = 0;
    cycleTick();
    if (cycleIcons_ && cycleTimer_ == 0) startCycleTimer();
  });
}

void TbsTrayIcon::stopCycleTimer() {
  if (cycleTimer_ != 0) clock_->cancel(cycleTimer_);
  cycleTimer_ = 0;
}

void TbsTrayIcon::cycleTick() {
  if (iconList_ == nullptr || iconList_->count() == 0) return;
  const int count = iconList_->count();
  iconIndex_ = std::clamp(iconIndex_, 0, count - 1);
  if (const gfx::Bitmap* picture = iconList_->image(iconIndex_)) icon_ = *picture;
  refreshPicture();
  const int next = iconIndex_ < count - 1 ? iconIndex_ + 1 : 0;
  if (OnCycle) OnCycle(*this, next);
  UpdateTrayIcon();
  iconIndex_ = next;
}

// --- pointer actions -----------------------------------------------------------

void TbsTrayIcon::HandleTrayAction(TrayAction action) {
  if (!Enabled) return;
  const gfx::Point p = area_->pointerPos();
  const unsigned keys = area_->keyState();
  const auto down = [&](ui::MouseButton b, unsigned bit) {
    if (OnMouseDown) OnMouseDown(*this, b, keys | bit, p.x, p.y);
  };
  const auto up = [&](ui::MouseButton b, unsigned bit) {
    if (OnMouseUp) OnMouseUp(*this, b, keys | bit, p.x, p.y);
  };
  switch (action) {
    case TrayAction::MouseMove:
      if (OnMouseMove) OnMouseMove(*this, keys, p.x, p.y);
      break;
    case TrayAction::LeftDown:
      if (clickTimer_ != 0) clock_->cancel(clickTimer_);
      clickTimer_ = clock_->start(doubleClickTime_, [this] {
        clickTimer_ = 0;
        clickTimerTick();
      });
      down(ui::MouseButton::Left, ui::ssLeft);
      clicks_.leftPress();
      if (PopupByLeftButton) openPopupMenu();
      break;
    case TrayAction::LeftUp:
      if (clicks_.leftRelease(clickTimer_ != 0) && OnClick) OnClick(*this);
      up(ui::MouseButton::Left, ui::ssLeft);
      break;
    case TrayAction::LeftDblClick:
      clicks_.doubleClick();
      if (OnDblClick) OnDblClick(*this);
      if (popupMenu_ != nullptr && popupMenu_->autoPopup && !PopupByLeftButton) clickDefaultItem();
      break;
    case TrayAction::RightDown:
      down(ui::MouseButton::Right, ui::ssRight);
      openPopupMenu();
      break;
    case TrayAction::RightUp:
      up(ui::MouseButton::Right, ui::ssRight);
      break;
    case TrayAction::MiddleDown:
      down(ui::MouseButton::Middle, ui::ssMiddle);
      break;
    case TrayAction::MiddleUp:
      up(ui::MouseButton::Middle, ui::ssMiddle);
      break;
  }
}

void TbsTrayIcon::clickTimerTick() {
  if (clicks_.timerTick() && OnClick) OnClick(*this);
}

void TbsTrayIcon::clickDefaultItem() {
  if (ui::MenuItem* item = FirstDefault(popupMenu_->items())) item->click();
}

void TbsTrayIcon::openPopupMenu() {
  if (popupMenu_ == nullptr || !popupMenu_->autoPopup) return;
  const gfx::Point p = area_->pointerPos();
  const std::weak_ptr<bool> token = alive_;
  ui::Application::instance().processMessages();
  // Handlers run by the processing may have freed the icon (with the window
  // that owns it) or taken the menu away.
  if (token.expired() || !*token.lock()) return;
  if (popupMenu_ == nullptr) return;
  if (ui::Form* form = ownerForm(); form != nullptr && form->visible()) form->activate();
  popupMenu_->popupComponent = this;
  popupMenu_->popup(p.x, p.y);
}

// --- the application's windows -------------------------------------------------

void TbsTrayIcon::HideMainWindow() {
  ui::Application& app = ui::Application::instance();
  if (ownerForm() == nullptr || app.mainForm() == nullptr) return;
  app.mainForm()->hide();
  // Hiding the application: its other windows leave the screen and the task
  // bar with it. A modal window stays (hiding it would cancel it), minimized.
  for (ui::Form* f : app.forms()) {
    if (f == app.mainForm() || !f->visible() || f->modal()) continue;
    f->hide();
    hiddenForms_.push_back(f);
  }
}

void TbsTrayIcon::ShowMainWindow() {
  ui::Application& app = ui::Application::instance();
  if (ownerForm() == nullptr || app.mainForm() == nullptr) return;
  // The windows hidden with the application come back first, minimized as
  // the application left them; its restoring brings them up.
  const std::vector<ui::Form*> hidden = std::move(hiddenForms_);
  hiddenForms_.clear();
  for (ui::Form* f : hidden) {
    const auto& open = app.forms();
    if (std::find(open.begin(), open.end(), f) != open.end()) f->show();
  }
  ui::Form* main = app.mainForm();
  main->show();
  if (main->windowState() == ui::WindowState::wsMinimized) {
    main->setWindowState(ui::WindowState::wsNormal);
  }
}

void TbsTrayIcon::HideToTray() {
  HideMainWindow();
  AddTrayIcon();
}

void TbsTrayIcon::applicationMinimized() {
  if (MinimizeToTray) HideToTray();
}

void TbsTrayIcon::hookMessage(ui::Message& m) {
  callPrevious(m);
  // The owner shown by code while the application is minimized brings the
  // application back.
  if (m.id == ui::WM_SHOWWINDOW && m.wparam != 0 && ui::Application::instance().minimized()) {
    ui::Application::instance().restore();
  }
}

}  // namespace skin
