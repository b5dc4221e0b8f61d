// kavro-teacher: the teacher's client of the classroom simulation.
//
//   kavro-teacher [--version] [--startup-probe]
//
//   --version        print the program's name and version, then end
//   --startup-probe  print the wall-clock time (ns, CLOCK_REALTIME) when the
//                    login window has painted its frame, then end
#include <time.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/crash/program_version.h"
#include "app/program/teacher_program.h"
#include "platform/browser/browser_profile.h"
#include "ui/application.h"
#include "ui/graphics/font.h"
#include "ui/high_dpi.h"

namespace {

long long WallNs() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// The windows are drawn for X11 (shaped windows, per-window opacity, the
// framework's own move loop); the user's own choice of platform wins.
void PreferX11() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  if (qEnvironmentVariableIsEmpty("DISPLAY")) return;  // nothing to connect to: Qt decides
  qputenv("QT_QPA_PLATFORM", "xcb");
}

}  // namespace

int main(int argc, char** argv) {
  bool probe = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("kavro-teacher %s\n", app::ProgramVersion());
      return 0;
    }
    if (std::strcmp(argv[i], "--startup-probe") == 0) {
      probe = true;
    } else {
      std::fprintf(stderr, "usage: kavro-teacher [--version] [--startup-probe]\n");
      return 2;
    }
  }

  gfx::InstallProjectFontConfig();
  PreferX11();
  platform::PrepareBrowserEngine();
  ui::PrepareHighDpi();
  QApplication qapp(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("kavro-teacher"));
  QGuiApplication::setDesktopFileName(QStringLiteral("kavro-teacher"));

  app::TeacherProgram program;
  program.createWindows();
  if (probe) {
    program.onLoginPainted = [] {
      std::printf("%lld\n", WallNs());
      std::fflush(stdout);
      // The probe only measures the start: end without the login flow.
      QTimer::singleShot(0, [] { std::_Exit(0); });
    };
  }
  return program.run();
}
