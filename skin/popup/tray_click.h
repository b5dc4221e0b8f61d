// The click timing of the notification-area icon: a single click is told
// once the double-click time has passed (or at the release when that comes
// later), and a double click tells no single click.
#pragma once

namespace skin {

class TrayClickTracker {
 public:
  // A left press; the caller starts the click timer (the double-click time).
  void leftPress() { pressSeen_ = true; }
  // A left release; clickTimerRunning is whether the click timer still
  // runs. True when the click is to be told now.
  bool leftRelease(bool clickTimerRunning);
  // A left double click (the caller tells OnDblClick).
  void doubleClick() {
    releaseSeen_ = false;
    doubleSeen_ = true;
  }
  // The click timer fired (the caller stops it). True when the click is to
  // be told now.
  bool timerTick();

 private:
  bool pressSeen_ = false;
  bool releaseSeen_ = false;
  bool doubleSeen_ = false;
};

}  // namespace skin
