// A notification area for the tray icon tests: it records what the icon
// passes on and reports a pointer position and keys set by the test.
#pragma once

#include <string>

#include "skin/popup/tray_icon.h"

namespace traytest {

class FakeNotificationArea : public skin::NotificationArea {
 public:
  struct Record {
    int adds = 0;
    int modifies = 0;
    int deletes = 0;
    bool present = false;
    std::string tip;
    gfx::Color pixel;  // the left-top pixel of the picture passed on last
    gfx::Point pointer{640, 780};
    unsigned keys = 0;
  };
  // The record lives with the test; the area belongs to the icon.
  explicit FakeNotificationArea(Record& record) : r_(record) {}

  bool available() const override { return true; }
  void addIcon(const skin::IconImage& icon, const std::string& tip) override {
    ++r_.adds;
    r_.present = true;
    take(icon, tip);
  }
  void modifyIcon(const skin::IconImage& icon, const std::string& tip) override {
    ++r_.modifies;
    take(icon, tip);
  }
  void deleteIcon() override {
    ++r_.deletes;
    r_.present = false;
  }
  gfx::Point pointerPos() const override { return r_.pointer; }
  unsigned keyState() const override { return r_.keys; }

  // The desktop re-created its notification area.
  void recreate() {
    r_.present = false;
    if (onRecreated) onRecreated();
  }

 private:
  void take(const skin::IconImage& icon, const std::string& tip) {
    r_.tip = tip;
    if (!icon.empty()) r_.pixel = icon.picture.pixel(0, 0);
  }
  Record& r_;
};

}  // namespace traytest
