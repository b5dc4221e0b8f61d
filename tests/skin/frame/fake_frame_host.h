// A frame stand-in for the object tests: it records what the objects ask of
// their frame.
#pragma once

#include <string>
#include <vector>

#include "skin/frame/frame_objects.h"
#include "skin/frame/frame_pointer.h"

namespace frametest {

class FakeFrameHost : public skin::FrameObjectHost, public skin::FramePointerHost {
 public:
  bool active = true;
  skin::FrameWindowState state = skin::FrameWindowState::Normal;
  bool rolled = false;
  skin::FramePaintContext paint;

  std::vector<skin::StdCommand> commands;
  int redraws = 0;
  int morphTimerStarts = 0;
  int animationTimerStarts = 0;
  int closeRequests = 0;
  int menusShown = 0;
  int captures = 0;
  int releases = 0;
  std::vector<std::string> events;
  std::vector<std::string> hints;  // shown texts, "-" for a hide

  bool IsFormActive() const override { return active; }
  skin::FrameWindowState frameState() const override { return state; }
  bool rolledUp() const override { return rolled; }
  const skin::FramePaintContext& paintContext() const override { return paint; }
  void redrawObject(skin::TbsActiveSkinObject&) override { ++redraws; }
  void startMorphTimer() override { ++morphTimerStarts; }
  void startAnimationTimer() override { ++animationTimerStarts; }
  void runCommand(skin::StdCommand c, skin::TbsActiveSkinObject&) override {
    commands.push_back(c);
  }
  void assignSystemMenu(skin::TbsSkinButtonObject&) override {}
  void popupButtonMenu(skin::TbsSkinButtonObject&) override { ++menusShown; }
  void closeWindow() override { ++closeRequests; }
  void objectEntered(const skin::TbsActiveSkinObject& o) override {
    events.push_back("enter " + o.IDName);
  }
  void objectLeft(const skin::TbsActiveSkinObject& o) override {
    events.push_back("leave " + o.IDName);
  }
  void objectPressed(const skin::TbsActiveSkinObject& o, int, int, skin::PointerButton) override {
    events.push_back("down " + o.IDName);
  }
  void objectReleased(const skin::TbsActiveSkinObject& o, int, int, skin::PointerButton) override {
    events.push_back("up " + o.IDName);
  }
  void objectMoved(const skin::TbsActiveSkinObject& o, int, int) override {
    events.push_back("move " + o.IDName);
  }
  void capturePointer() override { ++captures; }
  void releasePointer() override { ++releases; }
  void showObjectHint(const std::string& text) override { hints.push_back(text); }
  void hideObjectHint() override { hints.push_back("-"); }
};

}  // namespace frametest
