// TbsFormFrame: the component that takes over a form's frame. Hooked on the
// form's procedure, it answers the non-client size, hit-test and paint
// queries from the skin (or draws a plain default frame without one), keeps
// the form between its size limits, shapes it with the skin's mask, drives
// the caption buttons and the window states they command, fades the form in
// and snaps it to the work-area edges, and tells the form's skinned controls
// and components about skin changes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "skin/data/skin_data.h"
#include "skin/draw/frame_image.h"
#include "skin/draw/mask_region.h"
#include "skin/frame/border_icons.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_objects.h"
#include "skin/frame/frame_pointer.h"
#include "skin/frame/skin_change.h"
#include "skin/frame/system_menu.h"
#include "skin/popup/icon_image.h"
#include "skin/popup/skin_hint.h"
#include "skin/popup/skin_menu.h"
#include "skin/popup/skin_popup_menu.h"
#include "skin/popup/tray_icon.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu_item.h"

namespace skin {

// The frame objects' events: the object's IDName, the pointer in window
// coordinates, the object's rectangle and the button.
using TbsMouseEnterEvent = std::function<void(const std::string& idName)>;
using TbsMouseLeaveEvent = std::function<void(const std::string& idName)>;
using TbsMouseDownEvent = std::function<void(const std::string& idName, int x, int y,
                                             const gfx::Rect& objectRect, PointerButton button)>;
using TbsMouseUpEvent = TbsMouseDownEvent;
using TbsMouseMoveEvent =
    std::function<void(const std::string& idName, int x, int y, const gfx::Rect& objectRect)>;
// A user object is drawn: it paints itself onto canvas at objectRect.
using TbsPaintEvent = std::function<void(const std::string& idName, gfx::Canvas& canvas,
                                         const gfx::Rect& objectRect)>;

class TbsFormFrame : public ui::Component,
                     public ui::MessageHook,
                     public FrameObjectHost,
                     public FramePointerHost,
                     public SkinMenuHost,
                     private RemovalListener {
 public:
  // The owner must be a form; any other owner throws std::bad_cast.
  explicit TbsFormFrame(ui::Component* owner);
  ~TbsFormFrame() override;

  ui::Form& form() const { return *form_; }

  // The skin the frame draws from; setting it applies it at once.
  TbsSkinData* SkinData() const { return skinData_; }
  void setSkinData(TbsSkinData* data);
  TbsSkinData* MenusSkinData() const { return menusSkinData_; }
  void setMenusSkinData(TbsSkinData* data);

  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  int ClientWidth = 0, ClientHeight = 0;
  bool MaximizeOnFullScreen = false;
  bool Magnetic = false;
  int MagneticSize = 5;
  bool UseDefaultObjectHint = true;
  // Object hints: shown through a skinned hint component, when one is set.
  bool ShowObjectHint = false;
  TbsSkinHint* SkinHint() const { return skinHint_; }
  void setSkinHint(TbsSkinHint* hint);
  // The window's own cursor over the frame, except over the sizing borders.
  bool UseFormCursorInNCArea = false;
  // Drawn centred on the client background (transparent: without the colour
  // of its bottom-left pixel).
  gfx::Bitmap LogoBitMap;
  bool LogoBitMapTransparent = false;
  gfx::Font DefCaptionFont;
  gfx::Font DefInActiveCaptionFont;

  TbsBorderIcons BorderIcons() const { return borderIcons_; }
  void setBorderIcons(TbsBorderIcons icons);
  bool HideCaptionButtons() const { return hideCaptionButtons_; }
  void setHideCaptionButtons(bool on);

  bool AlphaBlend() const { return alphaBlend_; }
  void setAlphaBlend(bool on);
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void setAlphaBlendValue(int value);

  std::function<void(TbsFormFrame&)> OnChangeSkinData;
  std::function<void(TbsFormFrame&)> OnActivate;
  std::function<void(TbsFormFrame&)> OnDeActivate;
  std::function<void(TbsFormFrame&)> OnChangeRollUpState;
  std::function<void(const std::string& idName, bool& visible)> OnActivateCustomObject;
  TbsMouseEnterEvent OnMouseEnterEvent;
  TbsMouseLeaveEvent OnMouseLeaveEvent;
  TbsMouseDownEvent OnMouseDownEvent;
  TbsMouseUpEvent OnMouseUpEvent;
  TbsMouseMoveEvent OnMouseMoveEvent;
  TbsPaintEvent OnPaintEvent;
  std::function<void(TbsFormFrame&)> OnMinimizeToTray;
  std::function<void(TbsFormFrame&)> OnRestoreFromTray;

  // The system-menu button shows the window icon instead of its own look.
  bool ShowIcon() const { return showIcon_; }
  void setShowIcon(bool on);
  // The window icon at the small-icon size, made on first use from the
  // form's icon, else the application's, else a default one.
  const IconImage& WindowIcon();
  // The small-icon size: the platform's, or the caption-button size.
  gfx::Size SmallIconSize() const;

  // The notification-area icon the tray commands work through; cleared when
  // that component is destroyed. Without one every tray command does nothing.
  TbsTrayIcon* TrayIcon() const { return trayIcon_; }
  void setTrayIcon(TbsTrayIcon* icon);
  // The minimize command minimizes to the tray.
  bool AlwaysMinimizeToTray = false;
  // The tray icon stays visible while the window is shown.
  bool AlwaysShowInTray = false;
  void SendToTray();
  void ReturnFromTray();
  // The menu of the notification-area icon: restore, a divider, close.
  TbsSkinPopupMenu& TrayPopupMenu() const { return *trayMenu_; }

  // The window's menus: the engine that shows them, its settings, and menu
  // mode, in which the application's keys go to the open menu.
  TbsSkinMenu& SkinMenu() override { return *menu_; }
  void EnterMenuMode() override;
  void LeaveMenuMode() override;
  bool InMenuMode() const override { return menuFilter_ != 0; }
  TbsSkinData* MenusSkin() const override {
    return menusSkinData_ != nullptr ? menusSkinData_ : skinData_;
  }
  int MaxMenuItemsInWindow() const { return menu_->MaxMenuItemsInWindow(); }
  void setMaxMenuItemsInWindow(int n) { menu_->setMaxMenuItemsInWindow(n); }
  bool MenusAlphaBlend() const { return menu_->AlphaBlend; }
  void setMenusAlphaBlend(bool on) { menu_->AlphaBlend = on; }
  bool MenusAlphaBlendAnimation() const { return menu_->AlphaBlendAnimation; }
  void setMenusAlphaBlendAnimation(bool on) { menu_->AlphaBlendAnimation = on; }
  int MenusAlphaBlendValue() const { return menusAlphaBlendValue_; }
  void setMenusAlphaBlendValue(int value);
  int DefMenuItemHeight() const { return menu_->DefaultMenuItemHeight(); }
  void setDefMenuItemHeight(int h) { menu_->setDefaultMenuItemHeight(h); }
  const gfx::Font& DefMenuItemFont() const { return menu_->DefaultMenuItemFont; }
  void setDefMenuItemFont(const gfx::Font& font) { menu_->DefaultMenuItemFont = font; }
  bool UseSkinFontInMenu() const { return menu_->UseSkinFont; }
  void setUseSkinFontInMenu(bool on) { menu_->UseSkinFont = on; }
  std::function<void(TbsFormFrame&)> OnSkinMenuOpen;
  std::function<void(TbsFormFrame&)> OnSkinMenuClose;
  // Builds the system menu for the current state and opens it beside anchor
  // (screen coordinates).
  void ShowSystemMenu(const gfx::Rect& anchor);
  // The plain menu the system menu is built into.
  ui::PopupMenu& SystemPopupMenu() { return systemMenu_; }
  // The application's own system menu (not owned; null: the frame's own).
  // With UseDefaultSysMenu the frame's items are merged into it each time
  // it opens; without, it is shown as it is.
  ui::PopupMenu* SystemMenu() const { return appSystemMenu_; }
  void setSystemMenu(ui::PopupMenu* menu);
  bool UseDefaultSysMenu = true;

  // The state the frame keeps.
  bool HasSkin() const { return hasSkin_; }
  FrameWindowState FrameState() const { return flags_.state; }
  bool RolledUp() const { return flags_.rolledUp; }
  const FrameObjectList& FrameObjects() const { return objects_; }
  const PlacedFrameGeometry& placed() const { return placed_; }
  gfx::Rect DefaultCaptionArea() const { return defaultCaptionArea_; }
  const FramePointerTracker& pointer() const { return tracker_; }
  bool InSizeMove() const { return inSizeMove_; }

  void ApplySkinData();
  void SetFrameState(FrameWindowState state);
  void SetRollUp(bool value);
  bool IsFormActive() const override;
  void SyncCaptionActive(bool repaint);
  void ResetObjectStates();
  // The system menu's items for the current state.
  std::vector<SystemMenuEntry> BuildSystemMenu() const;
  // Runs what a system-menu item stands for.
  void RunSystemMenuAction(SystemMenuAction action);

  int MinFrameWidth() const;
  int MinFrameHeight() const;
  int MaxFrameWidth() const;
  int MaxFrameHeight() const;

  // Frame timers (window timer ids on the form); the fade-in uses timer 1.
  static constexpr int kFadeTimer = 1;
  static constexpr int kHoverTimer = 0x5B01;
  static constexpr int kMorphTimer = 0x5B02;
  static constexpr int kAnimationTimer = 0x5B03;

 protected:
  void hookMessage(ui::Message& m) override;
  void notification(ui::Component* component, Operation operation) override;

 private:
  // FrameObjectHost
  FrameWindowState frameState() const override { return flags_.state; }
  bool rolledUp() const override { return flags_.rolledUp; }
  const FramePaintContext& paintContext() const override { return paint_; }
  void redrawObject(TbsActiveSkinObject& object) override;
  void startMorphTimer() override;
  void startAnimationTimer() override;
  void runCommand(StdCommand command, TbsActiveSkinObject& object) override;
  void assignSystemMenu(TbsSkinButtonObject& button) override;
  void popupButtonMenu(TbsSkinButtonObject& button) override;
  void closeWindow() override;
  void objectEntered(const TbsActiveSkinObject& object) override;
  void objectLeft(const TbsActiveSkinObject& object) override;
  void objectPressed(const TbsActiveSkinObject& object, int x, int y,
                     PointerButton button) override;
  void objectReleased(const TbsActiveSkinObject& object, int x, int y,
                      PointerButton button) override;
  void objectMoved(const TbsActiveSkinObject& object, int x, int y) override;
  // FramePointerHost
  void capturePointer() override;
  void releasePointer() override;
  void showObjectHint(const std::string& text) override;
  void hideObjectHint() override;
  // RemovalListener
  void componentRemoved(DataComponent& component) override;
  // Stops hearing of data's removal unless the frame still uses it.
  void releaseSkinData(TbsSkinData* data);

  bool borderless() const { return form_->borderStyle() == ui::BorderStyle::bsNone; }
  gfx::Size pictureSize() const;
  const SkinFormInfo& info() const { return skinData_->FormInfo(); }
  bool skinUsable() const;
  void rebuildObjects();
  void updateGeometry(int width, int height);
  void layoutObjects();
  void UpdateFrameRegion();
  void paintFrame(gfx::Bitmap& target);
  void paintClientBackground(gfx::Canvas& canvas);
  void DrawLogo(gfx::Canvas& canvas);
  int hitTest(gfx::Point windowPoint);
  void hoverTick();
  void morphTick();
  void animationTick();
  void fadeIn();
  void nudgeWidth();
  void notifyControls(bool before, TbsSkinData* sender);
  void updatePaintContext();
  gfx::Point toWindow(ui::MessageParam screenPoint) const;
  void nonClientPress(const ui::Message& m, PointerButton button, bool doubleClick);
  void handleSkinMessage(ui::Message& m);
  void buildTrayMenu();
  void markIconButtons();
  std::optional<gfx::Size> iconButtonSize() const;
  void releaseTrayIcon();
  void rebuildSystemMenu();
  void mergeApplicationSystemMenu(ui::MenuItem& root);
  ui::MenuItem* makeSystemMenuItem(const SystemMenuEntry& entry);
  ui::MenuItem& systemMenuItems();
  ResourceLookup resourceLookup() const;
  void menuModeFilter(ui::QueuedMessage& msg, bool& handled);
  bool menuOpen() const { return menu_->Visible() || !menu_->PopupStack().empty(); }

  ui::Form* form_ = nullptr;
  TbsSkinData* skinData_ = nullptr;
  TbsSkinData* menusSkinData_ = nullptr;
  TbsSkinHint* skinHint_ = nullptr;
  bool hasSkin_ = false;
  TbsBorderIcons borderIcons_;
  bool hideCaptionButtons_ = false;
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 200;

  FrameObjectList objects_;
  FramePointerTracker tracker_;
  FrameStateFlags flags_;
  gfx::Rect savedBounds_;
  int savedHeight_ = 0;
  PlacedFrameGeometry placed_;
  gfx::Rect defaultCaptionArea_;
  MaskStrips maskStrips_;
  bool hasMaskStrips_ = false;
  FramePaintContext paint_;
  bool inSizeMove_ = false;
  bool geometryValid_ = false;  // placed_, the layout and the region match placed_'s size
  ui::BorderStyle geometryStyle_ = ui::BorderStyle::bsSizeable;
  bool showIcon_ = false;
  std::optional<IconImage> iconCopy_;
  TbsTrayIcon* trayIcon_ = nullptr;
  bool trayDblClickOurs_ = false;  // the tray icon's OnDblClick is our ReturnFromTray
  std::unique_ptr<TbsSkinPopupMenu> trayMenu_;
  ui::PopupMenu systemMenu_;
  ui::PopupMenu* appSystemMenu_ = nullptr;
  std::unique_ptr<TbsSkinMenu> menu_;
  int menusAlphaBlendValue_ = 200;
  int menuFilter_ = 0;  // the application message filter of menu mode
  bool skinMenuOpen_ = false;
  // Cleared when the frame goes: a menu item may free the window it runs in.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
