// ui-browser-probe: three browser controls on pages of a server started
// here on 127.0.0.1; prints the cold start of the first Navigate to its
// DocumentComplete and the resident memory of the whole process tree.
#include <QApplication>

#include "measurements.h"
#include "platform/browser/browser_profile.h"
#include "ui/high_dpi.h"

int main(int argc, char** argv) {
  ui::PrepareHighDpi();
  platform::PrepareBrowserEngine();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  return demo::RunBrowserMeasurement();
}
