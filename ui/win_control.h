// Windowed controls: a control with its own widget that can hold child
// controls, align them, take the focus, be shaped by a region, show a caret
// and, as a top-level window, be made translucent.
#pragma once

#include <vector>

#include "ui/control.h"

namespace ui {

// What kind of window a parentless windowed control becomes when shown.
enum class WindowKind {
  Child,      // no window of its own until it gets a parent
  Popup,      // borderless topmost pop-up that never takes activation (menus)
  HintPopup,  // like Popup, and the pointer passes through it (hints)
};

class WinControl : public Control {
 public:
  explicit WinControl(Component* owner, WindowKind kind = WindowKind::Child);
  ~WinControl() override;

  // Child controls in the order they were placed.
  const std::vector<Control*>& controls() const { return controls_; }
  int controlCount() const { return static_cast<int>(controls_.size()); }
  Control* controlAt(gfx::Point clientPoint) const;

  // Alignment of the children. Suspending it (disableAlign) lets many
  // changes be made at once; the last enableAlign realigns.
  void realign();
  void disableAlign() { ++alignLock_; }
  void enableAlign();
  bool alignDisabled() const { return alignLock_ > 0; }

  // Focus and tab order.
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool on);
  int tabOrder() const;
  void setTabOrder(int order);
  // Whether a click gives the control the focus (set for editors and buttons).
  bool acceptsFocus() const { return acceptsFocus_; }
  void setAcceptsFocus(bool on);
  bool canFocus() const;
  void setFocus();
  bool focused() const;

  // The window region (empty: rectangular). Setting the same region again
  // does nothing.
  const gfx::Region& region() const { return region_; }
  bool hasRegion() const { return hasRegion_; }
  void setRegion(const gfx::Region& region);
  void clearRegion();

  // Per-window opacity of a top-level window, 0..255. Stored always; given
  // to the window system only when layered windows are available and the
  // value changed.
  int alpha() const { return alpha_; }
  void setAlpha(int alpha);
  // The opacity the window system was last given (255 when never).
  double appliedOpacity() const;

  // The caret: a blinking bar drawn over the control's picture.
  void createCaret(int width, int height);
  void destroyCaret();
  void setCaretPos(int x, int y);
  gfx::Point caretPos() const { return caretPos_; }
  void showCaret();
  void hideCaret();
  bool caretVisible() const { return caretShown_ && caretWidth_ > 0; }

  WindowKind windowKind() const { return kind_; }
  // The widget that child controls are placed in (the client widget of a form).
  virtual QWidget* containerWidget() const;

  std::function<void(Control&)> onEnter;  // got the focus
  std::function<void(Control&)> onExit;   // lost the focus
  // Key events; setting key to 0 consumes it.
  std::function<void(Control&, int& key, unsigned shift)> onKeyDown;
  std::function<void(Control&, int& key, unsigned shift)> onKeyUp;
  std::function<void(Control&, char32_t& ch)> onKeyPress;

 protected:
  WinControl(Component* owner, std::unique_ptr<ControlWidget> widget);

  void wndProc(Message& m) override;
  void setVisible(bool visible) override;
  // The rectangle children align in; controls with borders shrink it.
  virtual void adjustClientRect(gfx::Rect& rect) const;
  virtual void keyDown(int& key, unsigned shift);
  virtual void keyUp(int& key, unsigned shift);
  virtual void keyPress(char32_t& ch);

 private:
  friend class Control;
  friend class MessageTranslator;
  void insertControl(Control* c);
  void removeControl(Control* c);
  void restackTabOrder();
  void paintCaret(QWidget* target);
  void blinkCaret();

  std::vector<Control*> controls_;
  WindowKind kind_ = WindowKind::Child;
  int alignLock_ = 0;
  bool aligning_ = false;
  bool tabStop_ = false;
  bool acceptsFocus_ = false;
  int tabOrderHint_ = -1;
  gfx::Region region_;
  bool hasRegion_ = false;
  int alpha_ = 255;
  int appliedAlpha_ = 255;
  int caretWidth_ = 0;
  int caretHeight_ = 0;
  gfx::Point caretPos_;
  bool caretShown_ = false;
  bool caretOn_ = false;
  int caretTimer_ = 0;
};

}  // namespace ui
