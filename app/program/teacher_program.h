// The teacher client as one object: the window set made once in its order,
// the login window shown modally, then the message loop with the console
// shown maximised. The program entry runs it; the end-to-end tests run the
// very same object in their own process.
#pragma once

#include <functional>
#include <memory>

#include "app/client/client_shared.h"

namespace ui {
class Form;
}

namespace app {

class TeacherProgram {
 public:
  explicit TeacherProgram(ClientShared::Options options = {});
  ~TeacherProgram();
  TeacherProgram(const TeacherProgram&) = delete;
  TeacherProgram& operator=(const TeacherProgram&) = delete;

  ClientShared& shared() { return *shared_; }
  ClientWindows& windows() { return shared_->windows; }

  // Makes the seven windows in their order (the console first, so it is
  // the application's main window), sets the hint timing and hands the
  // exceptions no window handles to crash reporting.
  void createWindows();

  // Shows the login window modally; when its modal loop has ended, runs
  // the message loop, which shows the console maximised. Returns the exit
  // code of the loop (the console's close step normally ends the process
  // before).
  int run();

  // Told once the login window has painted its frame for the first time.
  std::function<void()> onLoginPainted;

 private:
  class FirstPaintHook;
  std::unique_ptr<ClientShared> shared_;
  std::unique_ptr<FirstPaintHook> firstPaint_;
};

// The application's title, shown on the task bar.
inline constexpr const char* kApplicationTitle = "商业模拟平台";

}  // namespace app
