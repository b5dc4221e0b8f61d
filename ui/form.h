// Forms: frameless top-level windows whose procedure decides the non-client
// area (client size, hit test, frame painting, non-client mouse messages,
// activation) and whose move/size loop is run by the framework itself. Also
// border styles, window states, positions, modal showing, closing with a
// close query, key preview and the dialog keys.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/graphics/bitmap.h"
#include "ui/win_control.h"

class QEventLoop;

namespace ui {

enum class BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class FormStyle { fsNormal, fsStayOnTop };
enum class Position { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter };
enum class WindowState { wsNormal, wsMinimized, wsMaximized };
enum class CloseAction { caNone, caHide, caFree, caMinimize };

class SizeMoveLoop;

class Form : public WinControl {
 public:
  explicit Form(Component* owner = nullptr);
  ~Form() override;

  // Bounds are the whole window's, in screen coordinates.
  void setBounds(int left, int top, int width, int height) override;
  // The client area in client coordinates, as the non-client size query placed it.
  gfx::Rect clientRect() const override;
  // Where the client area lies in window coordinates.
  gfx::Rect clientAreaInWindow() const { return clientArea_; }
  // Changes the window size so that the client area gets this size.
  void setClientSize(int width, int height);
  // Asks the procedure for the client area again (after a hook was
  // installed or the frame geometry changed) and repaints the frame.
  void recalcNonClient();
  // Repaints the non-client area (or a part of it, window coordinates).
  void invalidateFrame();
  void invalidateFrameRect(const gfx::Rect& r);
  // Paints the non-client area into a bitmap of the window's size, the way
  // the screen shows it (for tests and previews).
  gfx::Bitmap frameImage();

  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(BorderStyle s);
  bool sizeable() const {
    return borderStyle_ == BorderStyle::bsSizeable || borderStyle_ == BorderStyle::bsSizeToolWin;
  }
  bool toolWindow() const {
    return borderStyle_ == BorderStyle::bsToolWindow || borderStyle_ == BorderStyle::bsSizeToolWin;
  }
  FormStyle formStyle() const { return formStyle_; }
  void setFormStyle(FormStyle s);
  Position position() const { return position_; }
  void setPosition(Position p) { position_ = p; }

  WindowState windowState() const { return windowState_; }
  void setWindowState(WindowState s);
  // Bounds of the normal state (kept while maximized or minimized).
  gfx::Rect normalBounds() const;

  const gfx::Bitmap& icon() const { return icon_; }
  void setIcon(const gfx::Bitmap& icon);

  bool active() const { return active_; }
  // Brings the window to the front and makes it the active window.
  void activate();

  bool keyPreview() const { return keyPreview_; }
  void setKeyPreview(bool on) { keyPreview_ = on; }

  // Modal showing: runs a nested loop until the modal result is set (by
  // setModalResult, a button with a modal result or close) and returns it.
  // A form that is already shown modally returns mrNone at once.
  int showModal();
  bool modal() const { return modalLoop_ != nullptr; }
  int modalResult() const { return formModalResult_; }
  void setModalResult(int r);

  // Closes the window: the close query decides, then OnClose; a modal form
  // ends its modal loop with mrCancel, the main form ends the application.
  void close();
  // Whether the window may be closed now (OnCloseQuery).
  virtual bool closeQuery();

  // Runs the creation event once; called by derived forms at the end of
  // their constructors, else before the first showing.
  void afterConstruction();

  // The control that has the focus on this form.
  WinControl* activeControl() const;

  // The move/size loop, when one runs.
  bool inSizeMove() const;
  QWidget* containerWidget() const override;

  std::function<void(Form&)> onCreate;
  std::function<void(Form&)> onShow;
  std::function<void(Form&)> onHide;
  std::function<void(Form&)> onActivate;
  std::function<void(Form&)> onDeactivate;
  std::function<void(Form&, bool& canClose)> onCloseQuery;
  std::function<void(Form&, CloseAction& action)> onClose;

 protected:
  void wndProc(Message& m) override;
  void setVisible(bool visible) override;
  void keyDown(int& key, unsigned shift) override;
  // Enter and Escape for the default and cancel buttons; true when taken.
  virtual bool dialogKey(int key);

  // The built-in frame, used when no hook answers the non-client queries:
  // a plain border and caption in system colours.
  void defaultNcCalcSize(gfx::Rect& rect) const;
  int defaultNcHitTest(gfx::Point windowPoint) const;
  void defaultNcPaint(gfx::Bitmap& bitmap) const;

 private:
  friend class MessageTranslator;
  friend class SizeMoveLoop;

  // The bitmap the frame is painted into, of the window's size. Its pixel
  // storage is kept across size changes and grows with room to spare, so a
  // live resize allocates nothing at most of its steps; it is freed while
  // the window is hidden. The bitmap is valid until the next call.
  gfx::Bitmap& frameBuffer(int width, int height);
  void placeClientWidget();
  void applyWindowFlags();
  void applyPosition();
  void setActiveFlag(bool active);
  void fillMinMaxInfo(MinMaxInfo& info) const;

  std::unique_ptr<ControlWidget> client_;
  std::unique_ptr<SizeMoveLoop> sizeMove_;
  gfx::Rect clientArea_;
  QImage frameStorage_;      // the frame buffer's pixels
  gfx::Bitmap frameBuffer_;  // a view of frameStorage_ at the window's size
  gfx::Bitmap icon_;
  BorderStyle borderStyle_ = BorderStyle::bsSizeable;
  FormStyle formStyle_ = FormStyle::fsNormal;
  Position position_ = Position::poDesigned;
  WindowState windowState_ = WindowState::wsNormal;
  gfx::Rect restoreBounds_;
  bool active_ = false;
  bool keyPreview_ = false;
  bool created_ = false;
  bool shownOnce_ = false;
  bool closing_ = false;
  int formModalResult_ = 0;
  QEventLoop* modalLoop_ = nullptr;
  bool* destroyedFlag_ = nullptr;  // set while shown modally
};

// The default frame's sizes.
struct DefaultFrameMetrics {
  static constexpr int kBorder = 3;
  static constexpr int kCaptionHeight = 19;
  static constexpr int kToolCaptionHeight = 15;
};

}  // namespace ui
