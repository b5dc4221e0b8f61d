// Frame objects: their data, morph steps, animation and pointer behaviour.
#include "skin/frame/frame_objects.h"

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

constexpr double kMorphStep = 0.2;
constexpr int kAnimationTick = 25;  // ms per animation timer tick

}  // namespace

// --- TbsActiveSkinObject ---------------------------------------------------

TbsActiveSkinObject::TbsActiveSkinObject(FrameObjectHost& parent, const TbsDataSkinObject& data,
                                         const gfx::Bitmap* picture)
    : IDName(data.sectionName),
      Hint(data.hint),
      activePicture(picture),
      skinRect(data.skinRect),
      activeSkinRect(picture != nullptr ? data.activeSkinRect : gfx::Rect{}),
      inactiveSkinRect(data.inactiveSkinRect),
      skinRectInAPicture(data.skinRectInAPicture),
      ObjectRect(data.skinRect),
      morphing(data.morphing),
      morphKind(data.morphKind),
      parent_(&parent) {
  // Without a hot look there is nothing to morph toward.
  if (gfx::IsNullRect(activeSkinRect)) morphing = false;
}

TbsActiveSkinObject::TbsActiveSkinObject(FrameObjectHost& parent, std::string idName)
    : IDName(std::move(idName)), parent_(&parent) {}

bool TbsActiveSkinObject::NeedsMorphStep() const {
  return (Lit && MorphFactor < 1.0) || (!Lit && MorphFactor > 0.0);
}

void TbsActiveSkinObject::MorphStep() {
  // Counted in whole steps so that five ticks always reach the end exactly.
  const double target = MorphFactor + (Lit ? kMorphStep : -kMorphStep);
  MorphFactor = std::clamp(std::round(target / kMorphStep) * kMorphStep, 0.0, 1.0);
}

void TbsActiveSkinObject::StartMorph() {
  if (morphing) {
    parent().startMorphTimer();
  } else {
    parent().redrawObject(*this);
  }
}

void TbsActiveSkinObject::DblClick() {}

void TbsActiveSkinObject::PointerDown(int x, int y, PointerButton button) {
  parent().objectPressed(*this, x, y, button);
}

void TbsActiveSkinObject::PointerUp(int x, int y, PointerButton button) {
  if (MouseInside) parent().objectReleased(*this, x, y, button);
}

void TbsActiveSkinObject::PointerMove(int x, int y) { parent().objectMoved(*this, x, y); }

void TbsActiveSkinObject::PointerEnter() {
  MouseInside = true;
  Lit = true;
  if (!gfx::IsNullRect(activeSkinRect)) StartMorph();
  parent().objectEntered(*this);
}

void TbsActiveSkinObject::PointerLeave() {
  MouseInside = false;
  Lit = false;
  if (!gfx::IsNullRect(activeSkinRect)) StartMorph();
  parent().objectLeft(*this);
}

// --- TbsSkinButtonObject ---------------------------------------------------

TbsSkinButtonObject::TbsSkinButtonObject(FrameObjectHost& parent, const TbsDataSkinButton& data,
                                         const gfx::Bitmap* picture)
    : TbsActiveSkinObject(parent, data, picture),
      disableSkinRect(data.disableSkinRect),
      downRect(data.downRect) {}

TbsSkinButtonObject::TbsSkinButtonObject(FrameObjectHost& parent, std::string idName)
    : TbsActiveSkinObject(parent, std::move(idName)) {}

bool TbsSkinButtonObject::NeedsMorphStep() const {
  // A button held down by its open menu keeps its look.
  if (Down && hasMenu()) return false;
  return TbsActiveSkinObject::NeedsMorphStep();
}

void TbsSkinButtonObject::SetDown(bool value) {
  Down = value;
  if (morphing && Lit) MorphFactor = 1.0;
  parent().redrawObject(*this);
  if (morphing && !Down) parent().startMorphTimer();
}

void TbsSkinButtonObject::PointerDown(int x, int y, PointerButton button) {
  if (!Enabled) return;
  if (button == PointerButton::Left && !Down) {
    SetDown(true);
    if (hasMenu()) parent().popupButtonMenu(*this);
  }
  parent().objectPressed(*this, x, y, button);
}

void TbsSkinButtonObject::PointerUp(int x, int y, PointerButton button) {
  if (!Enabled) return;
  if (button == PointerButton::Left && !hasMenu() && Down) SetDown(false);
  TbsActiveSkinObject::PointerUp(x, y, button);
}

void TbsSkinButtonObject::PointerEnter() {
  MouseInside = true;
  Lit = true;
  if (!gfx::IsNullRect(downRect) && Down) {
    if (morphing) MorphFactor = 1.0;
    parent().redrawObject(*this);
  } else if (!gfx::IsNullRect(activeSkinRect)) {
    StartMorph();
  }
  parent().objectEntered(*this);
}

void TbsSkinButtonObject::PointerLeave() {
  MouseInside = false;
  Lit = false;
  if (!(hasMenu() && Down)) {
    parent().redrawObject(*this);
    if (morphing) parent().startMorphTimer();
  }
  parent().objectLeft(*this);
}

// --- TbsSkinStdButtonObject ------------------------------------------------

TbsSkinStdButtonObject::TbsSkinStdButtonObject(FrameObjectHost& parent,
                                               const TbsDataSkinStdButton& data,
                                               const gfx::Bitmap* picture)
    : TbsSkinButtonObject(parent, data, picture),
      command(data.command),
      restoreRect(data.restoreRect),
      restoreActiveRect(data.restoreActiveRect),
      restoreInactiveRect(data.restoreInactiveRect),
      restoreDownRect(data.restoreDownRect) {}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(FrameObjectHost& parent, std::string idName,
                                               StdCommand cmd)
    : TbsSkinButtonObject(parent, std::move(idName)), command(cmd), skinSupported(false) {
  skinRectInAPicture = true;
  skinRect = activeSkinRect = downRect = {0, 0, 1, 1};
  ObjectRect = skinRect;
}

bool TbsSkinStdButtonObject::NeedsMorphStep() const {
  if (showsIcon) return false;
  return TbsSkinButtonObject::NeedsMorphStep();
}

bool TbsSkinStdButtonObject::commandStateOn() const {
  switch (command) {
    case StdCommand::Maximize:
      return parent().frameState() == FrameWindowState::Maximized;
    case StdCommand::Minimize:
      return parent().frameState() == FrameWindowState::Minimized;
    case StdCommand::RollUp:
      return parent().rolledUp();
    default:
      return false;
  }
}

void TbsSkinStdButtonObject::DblClick() {
  if (command == StdCommand::SysMenu) parent().closeWindow();
}

void TbsSkinStdButtonObject::PointerDown(int, int, PointerButton button) {
  if (!Enabled || button != PointerButton::Left || Down) return;
  SetDown(true);
  if (command == StdCommand::SysMenu) {
    parent().assignSystemMenu(*this);
    if (hasMenu()) parent().popupButtonMenu(*this);
  }
}

void TbsSkinStdButtonObject::PointerUp(int x, int y, PointerButton button) {
  const bool runs = Enabled && Lit && button == PointerButton::Left;
  if (command != StdCommand::Close) {
    if (runs) parent().runCommand(command, *this);
    TbsSkinButtonObject::PointerUp(x, y, button);
  } else {
    // The close command may free the frame and its objects: it runs last.
    TbsSkinButtonObject::PointerUp(x, y, button);
    if (runs) parent().runCommand(command, *this);
  }
}

// --- TbsSkinCaptionObject --------------------------------------------------

TbsSkinCaptionObject::TbsSkinCaptionObject(FrameObjectHost& parent,
                                           const TbsDataSkinCaption& captionData,
                                           const gfx::Bitmap* picture)
    : TbsActiveSkinObject(parent, captionData, picture), data(&captionData) {}

void TbsSkinCaptionObject::PointerUp(int x, int y, PointerButton button) {
  parent().objectReleased(*this, x, y, button);
}

void TbsSkinCaptionObject::PointerEnter() {
  MouseInside = true;
  parent().objectEntered(*this);
}

void TbsSkinCaptionObject::PointerLeave() {
  MouseInside = false;
  parent().objectLeft(*this);
}

// --- TbsSkinAnimateObject --------------------------------------------------

TbsSkinAnimateObject::TbsSkinAnimateObject(FrameObjectHost& parent, const TbsDataSkinAnimate& data,
                                           const gfx::Bitmap* picture)
    : TbsActiveSkinObject(parent, data, picture),
      countFrames(data.countFrames),
      cycle(data.cycle),
      buttonStyle(data.buttonStyle),
      timerInterval(std::max(data.timerInterval, kAnimationTick)),
      command(data.command) {
  morphing = false;
}

void TbsSkinAnimateObject::DblClick() {
  if (command == StdCommand::SysMenu) parent().closeWindow();
}

void TbsSkinAnimateObject::PointerUp(int x, int y, PointerButton button) {
  TbsActiveSkinObject::PointerUp(x, y, button);
  if (MouseInside && buttonStyle && button == PointerButton::Left) {
    parent().runCommand(command, *this);
  }
}

void TbsSkinAnimateObject::PointerEnter() {
  MouseInside = true;
  if (buttonStyle) {
    Lit = true;
    forward = true;
    parent().startAnimationTimer();
  }
  parent().objectEntered(*this);
}

void TbsSkinAnimateObject::PointerLeave() {
  if (!MouseInside) return;
  MouseInside = false;
  if (buttonStyle) {
    // Plays back to the first frame.
    Lit = true;
    forward = false;
    parent().startAnimationTimer();
  }
  parent().objectLeft(*this);
}

bool TbsSkinAnimateObject::AnimationTick() {
  if (!Lit) return false;
  if (tickCounter < timerInterval) {
    tickCounter += kAnimationTick;
    return false;
  }
  const int last = std::max(countFrames, 1);
  if (forward) {
    frame = frame >= last ? 1 : frame + 1;
    if (!cycle && frame == last) Lit = false;
  } else {
    frame = frame <= 1 ? last : frame - 1;
    if (frame == 1) Lit = false;
  }
  tickCounter = kAnimationTick;
  return true;
}

// --- TbsUserObject ---------------------------------------------------------

TbsUserObject::TbsUserObject(FrameObjectHost& parent, const TbsDataUserObject& data)
    : TbsActiveSkinObject(parent, data, nullptr) {}

// ---------------------------------------------------------------------------

std::optional<StdCommand> ObjectCommand(const TbsActiveSkinObject& object) {
  if (const auto* b = dynamic_cast<const TbsSkinStdButtonObject*>(&object)) return b->command;
  if (const auto* a = dynamic_cast<const TbsSkinAnimateObject*>(&object)) return a->command;
  return std::nullopt;
}

FrameObjectList CreateDefaultButtons(FrameObjectHost& parent) {
  FrameObjectList list;
  const std::pair<const char*, StdCommand> buttons[] = {
      {"closebutton", StdCommand::Close},     {"maxbutton", StdCommand::Maximize},
      {"minbutton", StdCommand::Minimize},    {"rollupbutton", StdCommand::RollUp},
      {"sysmenubutton", StdCommand::SysMenu}, {"traybutton", StdCommand::MinimizeToTray},
  };
  for (const auto& [name, command] : buttons) {
    list.push_back(std::make_unique<TbsSkinStdButtonObject>(parent, name, command));
  }
  return list;
}

}  // namespace skin
