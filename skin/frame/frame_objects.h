// The frame objects: the caption, the caption buttons, animated pieces and
// user objects that a skinned frame holds, with their looks' rectangles and
// their pointer behaviour. They talk to their frame through FrameObjectHost,
// so that their state machine runs without a window.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/object_data.h"
#include "skin/frame/border_icons.h"
#include "skin/popup/icon_image.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/geometry.h"

namespace ui {
class MenuItem;
}

namespace skin {

class TbsActiveSkinObject;
class TbsSkinButtonObject;

enum class PointerButton { Left, Right };

// What the objects draw from: the frame's state as the frame paints it.
struct FramePaintContext {
  const gfx::Bitmap* framePicture = nullptr;  // null: no skin, the default look
  bool active = true;                         // the window is active
  bool autoRenderInactive = false;            // "autorenderinginactiveimage"
  int inactiveEffect = 0;                     // "inactiveeffect"
  gfx::Point skinLeftTop, skinRightTop;       // the frame's corner points (caption end widths)
  std::string captionText;                    // the window's caption
  const IconImage* icon = nullptr;            // the window icon, while ShowIcon is on
  // OnPaintEvent of user objects: IDName, canvas, ObjectRect.
  std::function<void(const std::string&, gfx::Canvas&, const gfx::Rect&)> onPaintEvent;
};

// What a frame object needs of its frame.
class FrameObjectHost {
 public:
  virtual bool IsFormActive() const = 0;
  virtual FrameWindowState frameState() const = 0;
  virtual bool rolledUp() const = 0;
  virtual const FramePaintContext& paintContext() const = 0;
  // Redraws one object alone on the window surface.
  virtual void redrawObject(TbsActiveSkinObject& object) = 0;
  virtual void startMorphTimer() = 0;
  virtual void startAnimationTimer() = 0;
  virtual void runCommand(StdCommand command, TbsActiveSkinObject& object) = 0;
  // Takes the system menu (built for the current state) as the button's menu.
  virtual void assignSystemMenu(TbsSkinButtonObject& button) = 0;
  // Shows the button's menu below it.
  virtual void popupButtonMenu(TbsSkinButtonObject& button) = 0;
  // Asks the window to close (its close query decides).
  virtual void closeWindow() = 0;
  // The frame's object events (OnMouseEnterEvent, ...).
  virtual void objectEntered(const TbsActiveSkinObject& object) = 0;
  virtual void objectLeft(const TbsActiveSkinObject& object) = 0;
  virtual void objectPressed(const TbsActiveSkinObject& object, int x, int y,
                             PointerButton button) = 0;
  virtual void objectReleased(const TbsActiveSkinObject& object, int x, int y,
                              PointerButton button) = 0;
  virtual void objectMoved(const TbsActiveSkinObject& object, int x, int y) = 0;

 protected:
  ~FrameObjectHost() = default;
};

class TbsActiveSkinObject {
 public:
  // Built from the skin's object data; activePicture is null when the
  // object's active picture index names none.
  TbsActiveSkinObject(FrameObjectHost& parent, const TbsDataSkinObject& data,
                      const gfx::Bitmap* activePicture);
  // A default object (no skin).
  TbsActiveSkinObject(FrameObjectHost& parent, std::string idName);
  virtual ~TbsActiveSkinObject() = default;
  TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
  TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

  // Slot order of the extension points.
  virtual bool NeedsMorphStep() const;
  // Draws the object at ObjectRect. single: redrawn alone over the frame
  // already on screen; false while the whole frame is composed, when an
  // object whose normal look is part of the frame picture draws nothing.
  virtual void Paint(gfx::Canvas& canvas, bool single);
  virtual void DblClick();
  virtual void PointerDown(int x, int y, PointerButton button);
  virtual void PointerUp(int x, int y, PointerButton button);
  virtual void PointerMove(int x, int y);
  virtual void PointerEnter();
  virtual void PointerLeave();

  // Moves the morph factor one 0.2 step toward the current look.
  void MorphStep();
  // Starts the morph timer, or redraws at once when the object does not morph.
  void StartMorph();

  FrameObjectHost& parent() const { return *parent_; }

  std::string IDName;
  std::string Hint;
  const gfx::Bitmap* activePicture = nullptr;
  gfx::Rect skinRect, activeSkinRect, inactiveSkinRect;
  bool skinRectInAPicture = false;
  gfx::Rect ObjectRect;
  bool morphing = false;
  MorphKind morphKind = MorphKind::Default;
  double MorphFactor = 0.0;
  bool Lit = false;
  bool MouseInside = false;
  bool Enabled = true;
  bool Visible = true;

 private:
  FrameObjectHost* parent_;
};

class TbsSkinButtonObject : public TbsActiveSkinObject {
 public:
  TbsSkinButtonObject(FrameObjectHost& parent, const TbsDataSkinButton& data,
                      const gfx::Bitmap* activePicture);
  TbsSkinButtonObject(FrameObjectHost& parent, std::string idName);

  bool NeedsMorphStep() const override;
  void Paint(gfx::Canvas& canvas, bool single) override;
  void PointerDown(int x, int y, PointerButton button) override;
  void PointerUp(int x, int y, PointerButton button) override;
  void PointerEnter() override;
  void PointerLeave() override;

  void SetDown(bool value);
  bool hasMenu() const { return menu != nullptr; }

  bool Down = false;
  gfx::Rect disableSkinRect;  // "disableskinrsect"
  gfx::Rect downRect;
  ui::MenuItem* menu = nullptr;  // items shown below the button; not owned
  bool popupUp = false;
};

class TbsSkinStdButtonObject : public TbsSkinButtonObject {
 public:
  TbsSkinStdButtonObject(FrameObjectHost& parent, const TbsDataSkinStdButton& data,
                         const gfx::Bitmap* activePicture);
  // One of the six default buttons: placed by the default layout, drawn in
  // the default look.
  TbsSkinStdButtonObject(FrameObjectHost& parent, std::string idName, StdCommand command);

  bool NeedsMorphStep() const override;
  void Paint(gfx::Canvas& canvas, bool single) override;
  void DblClick() override;
  void PointerDown(int x, int y, PointerButton button) override;
  void PointerUp(int x, int y, PointerButton button) override;

  // The command's state is on: a maximized window's maximize button, a
  // minimized one's minimize button, a rolled-up one's roll-up button.
  bool commandStateOn() const;

  StdCommand command = StdCommand::Close;
  gfx::Rect restoreRect, restoreActiveRect, restoreInactiveRect, restoreDownRect;
  bool skinSupported = true;
  bool showsIcon = false;  // a system-menu button showing the window icon
};

class TbsSkinCaptionObject : public TbsActiveSkinObject {
 public:
  TbsSkinCaptionObject(FrameObjectHost& parent, const TbsDataSkinCaption& data,
                       const gfx::Bitmap* activePicture);

  void Paint(gfx::Canvas& canvas, bool single) override;
  void PointerUp(int x, int y, PointerButton button) override;
  void PointerEnter() override;
  void PointerLeave() override;

  // The text rectangle relative to the object's left-top corner.
  gfx::Rect textRect() const;

  const TbsDataSkinCaption* data = nullptr;  // text, font and plate keys
};

class TbsSkinAnimateObject : public TbsActiveSkinObject {
 public:
  TbsSkinAnimateObject(FrameObjectHost& parent, const TbsDataSkinAnimate& data,
                       const gfx::Bitmap* activePicture);

  bool NeedsMorphStep() const override { return false; }
  void Paint(gfx::Canvas& canvas, bool single) override;
  void DblClick() override;
  void PointerUp(int x, int y, PointerButton button) override;
  void PointerEnter() override;
  void PointerLeave() override;

  // One 25 ms tick of the animation timer; true when the frame changed.
  bool AnimationTick();

  int frame = 1;
  int countFrames = 0;
  bool cycle = false;
  bool buttonStyle = false;
  int timerInterval = 25;
  StdCommand command = StdCommand::Close;
  bool forward = true;
  int tickCounter = 25;
};

class TbsUserObject : public TbsActiveSkinObject {
 public:
  TbsUserObject(FrameObjectHost& parent, const TbsDataUserObject& data);
  void Paint(gfx::Canvas& canvas, bool single) override;
};

// The command of a standard button or animated object, or none for any
// other object.
std::optional<StdCommand> ObjectCommand(const TbsActiveSkinObject& object);

using FrameObjectList = std::vector<std::unique_ptr<TbsActiveSkinObject>>;

// The six default buttons, in the order close, maximize, minimize, roll-up,
// system menu, minimize to tray.
FrameObjectList CreateDefaultButtons(FrameObjectHost& parent);

}  // namespace skin
