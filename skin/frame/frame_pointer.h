// Pointer tracking over the frame objects: which object is hot (lit under
// the pointer) and which is pressed, and how presses and releases reach
// them. While a button is held no other object lights up, so a press inside
// a button and a release outside it runs nothing.
#pragma once

#include <string>

#include "skin/frame/frame_objects.h"
#include "ui/graphics/geometry.h"

namespace skin {

// What the tracker needs of its frame besides the objects.
class FramePointerHost {
 public:
  virtual void capturePointer() = 0;
  virtual void releasePointer() = 0;
  // The object hint of an object with a hint text (the frame decides
  // whether object hints are shown at all).
  virtual void showObjectHint(const std::string& text) = 0;
  virtual void hideObjectHint() = 0;

 protected:
  ~FramePointerHost() = default;
};

class FramePointerTracker {
 public:
  int HotObject = -1;
  int PreviousHotObject = -1;
  int PressedObject = -1;

  void Reset() { HotObject = PreviousHotObject = PressedObject = -1; }

  // Lights the first enabled, visible object under p (window coordinates)
  // and lets the previous one go. Nothing while the window is inactive.
  void TrackHover(FrameObjectList& objects, gfx::Point p, bool formActive, FramePointerHost& host);

  // A press on the frame: the hot object is pressed and captures the
  // pointer (a caption object does not). A press that answered the caption
  // code leaves nothing pressed and nothing captured (the framework drags
  // the window): only a caption object under it gets the press.
  void Press(FrameObjectList& objects, gfx::Point p, PointerButton button, int hitCode,
             bool formActive, FramePointerHost& host);

  // The release of a press: the pressed object gets it and nothing stays
  // pressed. The object may run its command, which may close the window,
  // so the tracker is not touched after that call.
  void Release(FrameObjectList& objects, gfx::Point p, PointerButton button,
               FramePointerHost& host);

  // A pointer move: to the pressed object, else the hot one.
  void Move(FrameObjectList& objects, gfx::Point p);
};

}  // namespace skin
