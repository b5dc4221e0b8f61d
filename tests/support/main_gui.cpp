// Test main for code that measures or draws text: a QGuiApplication on the
// offscreen platform with the project's font configuration.
#include <cstdlib>

#include <QGuiApplication>
#include <gtest/gtest.h>

#include "ui/graphics/font.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  gfx::InstallProjectFontConfig();
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
