// Whole-number device pixel ratios.
#include "ui/high_dpi.h"

#include <QGuiApplication>

namespace ui {

void PrepareHighDpi() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

}  // namespace ui
