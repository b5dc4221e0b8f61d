// Windowless controls.
#include "ui/graphic_control.h"

#include <QWidget>

namespace ui {

GraphicControl::GraphicControl(Component* owner) : Control(owner) {
  widget()->setFocusPolicy(Qt::NoFocus);
}

}  // namespace ui
