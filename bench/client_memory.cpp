// Memory of the client with the console's three pages loaded: starts the
// demo classroom server, logs into classroom 7 through the real login and
// course windows, enters class 7, waits until the console's three panes
// have finished loading, then prints the proportional set size (PSS) of
// this process and of every helper process below it, and ends.
//
//   client_memory CLASSROOM_SERVER
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/client/course_form.h"
#include "app/client/login_form.h"
#include "app/client/main_form.h"
#include "app/program/teacher_program.h"
#include "platform/browser/web_browser.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/controls/skin_std_label.h"
#include "skin/dialogs/skin_message.h"
#include "ui/graphics/font.h"

namespace {

long PssKb(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
  std::string key;
  long value = 0;
  while (in >> key) {
    if (key == "Pss:") {
      in >> value;
      return value;
    }
    std::string rest;
    std::getline(in, rest);
  }
  return 0;
}

std::vector<pid_t> Children(pid_t pid) {
  std::vector<pid_t> out;
  std::ifstream in("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/children");
  pid_t c = 0;
  while (in >> c) out.push_back(c);
  return out;
}

long TreePssKb(pid_t pid, pid_t skip) {
  long total = PssKb(pid);
  for (pid_t c : Children(pid))
    if (c != skip) total += TreePssKb(c, skip);
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: client_memory CLASSROOM_SERVER\n");
    return 2;
  }
  QTemporaryDir scratch;
  const std::string root = scratch.path().toStdString();
  const std::string portFile = root + "/port";
  const pid_t server = fork();
  if (server == 0) {
    execl(argv[1], argv[1], "--port", "0", "--port-file", portFile.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  std::string port;
  for (int i = 0; i < 100 && port.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(portFile);
    in >> port;
  }
  if (port.empty()) {
    std::fprintf(stderr, "client_memory: the classroom server did not start\n");
    kill(server, SIGTERM);
    return 1;
  }

  QDir().mkpath(QString::fromStdString(root + "/work"));
  setenv("HOME", root.c_str(), 1);
  setenv("XDG_STATE_HOME", (root + "/state").c_str(), 1);
  setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
  if (chdir((root + "/work").c_str()) != 0) return 1;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  gfx::InstallProjectFontConfig();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication qapp(argc, argv);

  app::TeacherProgram program;
  program.createWindows();
  app::ClientWindows& w = program.windows();
  program.shared().message().OnShown = [](skin::TbsMessageForm& f) {
    std::fprintf(stderr, "client_memory: message \"%s\"\n", f.messageLabel()->caption().c_str());
    kill(getpid(), SIGTERM);
  };
  auto finish = [&](long kb) {
    std::printf("PSS with the console's three pages loaded: %.1f MB\n", kb / 1024.0);
    std::fflush(stdout);
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    std::_Exit(0);
  };

  QTimer poll;
  int phase = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (phase == 0 && w.LoginForm->widget()->isVisible()) {
      phase = 1;
      w.LoginForm->bsSkinComboBox1->setComboText("127.0.0.1");
      w.LoginForm->bsSkinEdit5->setEditText(port);
      w.LoginForm->bsSkinEdit1->setEditText("7");
      QTimer::singleShot(0, [&] { w.LoginForm->bsSkinButton1Click(); });
    } else if (phase == 1 && w.CourseForm->widget()->isVisible() && !w.CourseForm->WB().Busy() &&
               w.CourseForm->WB().LocationName() == "课程列表") {
      phase = 2;
      w.CourseForm->WB().evaluate("document.getElementById('c7').checked=true;1");
      QTimer::singleShot(0, [&] { w.CourseForm->bsSkinButton1Click(); });
    } else if (phase == 2 && w.MainForm->widget()->isVisible() && !w.MainForm->WB->Busy() &&
               !w.MainForm->WB1->Busy() && !w.MainForm->WB2->Busy() &&
               !w.MainForm->WB2->LocationURL().empty()) {
      phase = 3;
      // Let the panes settle, then count.
      QTimer::singleShot(2000, [&] { finish(TreePssKb(getpid(), server)); });
    }
  });
  poll.start(50);
  QTimer::singleShot(120000, [&] {
    std::fprintf(stderr, "client_memory: the console did not load (phase %d)\n", phase);
    kill(server, SIGTERM);
    std::_Exit(1);
  });
  return program.run();
}
