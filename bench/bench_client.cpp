// A skin switch from the login window's selector, as the teacher makes it:
// the seven windows of the client made as the program makes them, the login
// window shown, each iteration making the next stored skin the skin of the
// one skin data component, which re-skins all seven (the hidden ones too).
// Baseline in the same run: reading the same packages into a skin data
// component that no window draws from.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "app/client/client_shared.h"
#include "app/client/login_form.h"
#include "app/program/teacher_program.h"
#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "ui/application.h"
#include "ui/graphics/font.h"

namespace {

void BM_SwitchSkin_ClientWindows(benchmark::State& state) {
  QTemporaryDir dir;
  app::ClientShared::Options options;
  options.crashFolder = dir.path().toStdString();
  options.installSignalHandlers = false;
  app::TeacherProgram program(options);
  program.createWindows();
  program.windows().LoginForm->show();
  QApplication::processEvents();
  int next = 0;
  for (auto _ : state) {
    program.shared().selectStoredSkin(next);
    next = (next + 1) % app::kStoredSkinCount;
    QApplication::processEvents();  // the repaints the switch asked for
  }
  program.windows().LoginForm->hide();
}
BENCHMARK(BM_SwitchSkin_ClientWindows)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ReadPackageOnly(benchmark::State& state) {
  std::vector<std::unique_ptr<skin::TbsCompressedStoredSkin>> stored;
  for (const app::BuiltinSkin& b : app::BuiltinSkins()) {
    stored.push_back(std::make_unique<skin::TbsCompressedStoredSkin>());
    app::LoadBuiltinSkin(b, *stored.back());
  }
  skin::TbsSkinData data;
  std::size_t next = 0;
  for (auto _ : state) {
    data.setCompressedStoredSkin(stored[next].get());
    next = (next + 1) % stored.size();
  }
}
BENCHMARK(BM_ReadPackageOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  gfx::InstallProjectFontConfig();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // The windows hold browser engine parts that need no orderly teardown.
  std::_Exit(0);
}
