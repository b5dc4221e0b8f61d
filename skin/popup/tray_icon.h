// TbsTrayIcon: the application's icon in the notification area. It reports
// pointer actions on the icon (a single click only once the double-click
// time has passed, none for a double click), opens a popup menu from it,
// cycles its picture through an image list, and hides the application's
// windows while the application is minimized to the tray. The notification
// area itself sits behind NotificationArea, so that the component's logic
// runs the same where the platform has none.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/popup/icon_image.h"
#include "skin/popup/tray_click.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/geometry.h"

namespace ui {
class Form;
class ImageList;
class PopupMenu;
class Scheduler;
}  // namespace ui

namespace skin {

// A pointer action on the icon, as the notification area reports it.
enum class TrayAction {
  MouseMove,
  LeftDown,
  LeftUp,
  LeftDblClick,
  RightDown,
  RightUp,
  MiddleDown,
  MiddleUp,
};

// The platform's notification area as the tray icon uses it: one icon with
// a picture and a tooltip, the pointer actions on it, and word when the area
// itself was re-created (the icons it held are then gone).
class NotificationArea {
 public:
  virtual ~NotificationArea() = default;
  // Whether the platform has a notification area now.
  virtual bool available() const = 0;
  virtual void addIcon(const IconImage& icon, const std::string& tip) = 0;
  virtual void modifyIcon(const IconImage& icon, const std::string& tip) = 0;
  virtual void deleteIcon() = 0;
  // The pointer's screen position and the Shift, Alt and Ctrl keys held
  // (ui::ShiftState bits), at the time of asking.
  virtual gfx::Point pointerPos() const = 0;
  virtual unsigned keyState() const = 0;

  // Set by the tray icon.
  std::function<void(TrayAction)> onAction;
  std::function<void()> onRecreated;
};

// The notification area of the desktop, on QSystemTrayIcon. Where the
// platform has none (QSystemTrayIcon::isSystemTrayAvailable() false, as on
// the offscreen platform) every icon operation does nothing; when one
// appears later, onRecreated tells it.
std::unique_ptr<NotificationArea> DesktopNotificationArea();

class TbsTrayIcon : public ui::Component, private ui::MessageHook {
 public:
  // clock runs the click and cycle timers (nullptr: the event loop's);
  // area is the notification area (nullptr: the desktop's).
  explicit TbsTrayIcon(ui::Component* owner = nullptr, ui::Scheduler* clock = nullptr,
                       std::unique_ptr<NotificationArea> area = nullptr);
  ~TbsTrayIcon() override;

  // The picture in the notification area; empty, the application's icon is shown.
  const gfx::Bitmap& Icon() const { return icon_; }
  void setIcon(const gfx::Bitmap& icon);
  bool IconVisible() const { return iconVisible_; }
  void setIconVisible(bool on);
  // The tooltip; at most kMaxTipLength characters of it are passed on.
  const std::string& Hint() const { return hint_; }
  void setHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void setShowHint(bool on);
  // Pointer actions on the icon are reported.
  bool Enabled = true;
  // The menu shown from the icon; cleared when that component is destroyed.
  ui::PopupMenu* PopupMenu() const { return popupMenu_; }
  void setPopupMenu(ui::PopupMenu* menu);
  // The left button opens the menu too.
  bool PopupByLeftButton = false;
  // Pictures to cycle through; cleared when that component is destroyed.
  ui::ImageList* IconList() const { return iconList_; }
  void setIconList(ui::ImageList* list);
  int IconIndex() const { return iconIndex_; }
  void setIconIndex(int index);
  bool CycleIcons() const { return cycleIcons_; }
  void setCycleIcons(bool on);
  // The cycle timer's interval in ms; 0: the timer never fires.
  int AnimateTimerInterval() const { return animateTimerInterval_; }
  void setAnimateTimerInterval(int ms);
  // The application starts hidden, with only the icon shown (Loaded).
  bool MinimizedOnStart = false;
  // Minimizing the application hides its windows and shows the icon.
  bool MinimizeToTray = true;
  // Shows the icon while the program is being designed; nothing at run time.
  bool DesignPreview = false;

  std::function<void(TbsTrayIcon&)> OnClick;
  std::function<void(TbsTrayIcon&)> OnDblClick;
  // Button, shift state (keys held plus the action's button), pointer
  // position on the screen.
  std::function<void(TbsTrayIcon&, ui::MouseButton, unsigned shift, int x, int y)> OnMouseDown;
  std::function<void(TbsTrayIcon&, ui::MouseButton, unsigned shift, int x, int y)> OnMouseUp;
  std::function<void(TbsTrayIcon&, unsigned shift, int x, int y)> OnMouseMove;
  // At each cycle step, with the index the picture advances to.
  std::function<void(TbsTrayIcon&, int nextIndex)> OnCycle;

  // The icon into / out of the notification area, and its picture and
  // tooltip replaced.
  void AddTrayIcon();
  void RemoveTrayIcon();
  void UpdateTrayIcon();
  // The application's main window back on screen / off it.
  void ShowMainWindow();
  void HideMainWindow();
  void HideToTray();
  // The step after the component's set-up: MinimizedOnStart hides the
  // application, and the icon is shown or removed by IconVisible. Runs by
  // itself from the event loop after construction; calling it earlier runs
  // it then, once.
  void Loaded();

  // A pointer action on the icon (what the notification area reports).
  void HandleTrayAction(TrayAction action);
  // The notification area was re-created: a visible icon is added again.
  void NotificationAreaRecreated();

  // What is passed on to the notification area: the tooltip and the picture.
  std::string TrayTip() const;
  const IconImage& TrayPicture() const { return trayPicture_; }
  // The double-click time the click timing waits for.
  int DoubleClickTime() const { return doubleClickTime_; }

  static constexpr int kMaxTipLength = 127;

 protected:
  void notification(ui::Component* component, Operation operation) override;

 private:
  void hookMessage(ui::Message& m) override;
  void applicationMinimized();
  void refreshPicture();
  void startCycleTimer();
  void stopCycleTimer();
  void cycleTick();
  void clickTimerTick();
  void openPopupMenu();
  void clickDefaultItem();
  ui::Form* ownerForm() const;

  std::unique_ptr<NotificationArea> area_;
  ui::Scheduler* clock_;
  gfx::Bitmap icon_;
  IconImage trayPicture_;
  bool iconVisible_ = true;
  bool iconPresent_ = false;  // added to the notification area
  std::string hint_;
  bool showHint_ = true;
  ui::PopupMenu* popupMenu_ = nullptr;
  ui::ImageList* iconList_ = nullptr;
  int iconIndex_ = 0;
  bool cycleIcons_ = false;
  int animateTimerInterval_ = 0;
  int doubleClickTime_ = 0;
  int cycleTimer_ = 0;  // scheduler ids, 0 = stopped
  int clickTimer_ = 0;
  int loadedCall_ = 0;
  bool loaded_ = false;
  TrayClickTracker clicks_;
  int minimizeListener_ = 0;
  std::vector<ui::Form*> hiddenForms_;  // hidden by HideMainWindow
  // Cleared when the icon goes: events processed before its menu opens may
  // free it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
