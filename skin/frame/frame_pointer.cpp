// Pointer tracking over the frame objects.
#include "skin/frame/frame_pointer.h"

#include "ui/message.h"

namespace skin {

namespace {

TbsActiveSkinObject* At(FrameObjectList& objects, int index) {
  if (index < 0 || index >= static_cast<int>(objects.size())) return nullptr;
  return objects[static_cast<std::size_t>(index)].get();
}

bool IsCaption(const TbsActiveSkinObject* o) {
  return dynamic_cast<const TbsSkinCaptionObject*>(o) != nullptr;
}

}  // namespace

void FramePointerTracker::TrackHover(FrameObjectList& objects, gfx::Point p, bool formActive,
                                     FramePointerHost& host) {
  if (objects.empty() || !formActive) return;
  PreviousHotObject = HotObject;
  int hot = -1;
  for (int i = 0; i < static_cast<int>(objects.size()); ++i) {
    const TbsActiveSkinObject& o = *objects[static_cast<std::size_t>(i)];
    if (o.Enabled && o.Visible && gfx::PtInRect(o.ObjectRect, p)) {
      hot = i;
      break;
    }
  }
  if (PressedObject != -1 && PressedObject != hot) hot = -1;
  if (At(objects, hot) == nullptr) hot = -1;
  if (hot == HotObject) return;

  TbsActiveSkinObject* previous = At(objects, HotObject);
  HotObject = hot;
  if (previous != nullptr && previous->Enabled && previous->Visible) {
    previous->PointerLeave();
    if (!previous->Hint.empty()) host.hideObjectHint();
  }
  if (TbsActiveSkinObject* next = At(objects, hot);
      next != nullptr && next->Enabled && next->Visible) {
    next->PointerEnter();
    if (!next->Hint.empty()) host.showObjectHint(next->Hint);
  }
}

void FramePointerTracker::Press(FrameObjectList& objects, gfx::Point p, PointerButton button,
                                int hitCode, bool formActive, FramePointerHost& host) {
  TrackHover(objects, p, formActive, host);
  TbsActiveSkinObject* hot = At(objects, HotObject);
  if (hitCode == ui::HTCAPTION) {
    // The press drags the window or opens its system menu: only a caption
    // object hears it. An object of a skin that lies over the caption is
    // not pressed, or it would stay down and keep the pointer with no
    // release ever reaching it.
    PressedObject = -1;
    if (hot != nullptr && IsCaption(hot)) hot->PointerDown(p.x, p.y, button);
    return;
  }
  if (hot != nullptr) {
    if (!IsCaption(hot)) host.capturePointer();
    PressedObject = HotObject;
    hot->PointerDown(p.x, p.y, button);
  }
}

void FramePointerTracker::Release(FrameObjectList& objects, gfx::Point p, PointerButton button,
                                  FramePointerHost& host) {
  TbsActiveSkinObject* pressed = At(objects, PressedObject);
  PressedObject = -1;
  if (pressed == nullptr) return;
  if (!IsCaption(pressed)) host.releasePointer();
  pressed->PointerUp(p.x, p.y, button);
}

void FramePointerTracker::Move(FrameObjectList& objects, gfx::Point p) {
  TbsActiveSkinObject* target = At(objects, PressedObject);
  if (target == nullptr) target = At(objects, HotObject);
  if (target != nullptr) target->PointerMove(p.x, p.y);
}

}  // namespace skin
