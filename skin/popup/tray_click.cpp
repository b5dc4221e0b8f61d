// Click timing of the notification-area icon.
#include "skin/popup/tray_click.h"

namespace skin {

bool TrayClickTracker::leftRelease(bool clickTimerRunning) {
  bool click = false;
  if (pressSeen_) {
    releaseSeen_ = true;
    if (!clickTimerRunning) {
      // Released after the double-click time: a click at once.
      releaseSeen_ = false;
      click = true;
    }
  }
  pressSeen_ = false;
  return click;
}

bool TrayClickTracker::timerTick() {
  const bool click = !doubleSeen_ && releaseSeen_;
  if (click) releaseSeen_ = false;
  doubleSeen_ = false;
  return click;
}

}  // namespace skin
