// Test main for widget and end-to-end tests: a QApplication on the offscreen
// platform (unless QT_QPA_PLATFORM names another, as under xvfb-run) with the
// project's font configuration.
#include <cstdlib>

#include <QApplication>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "ui/graphics/font.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  gfx::InstallProjectFontConfig();
  // The browser engine shares OpenGL contexts with the widgets.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
