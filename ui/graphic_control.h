// Windowless controls: drawn over their parent, never focused, never shaped.
#pragma once

#include "ui/control.h"

namespace ui {

class GraphicControl : public Control {
 public:
  explicit GraphicControl(Component* owner);

  using Control::setTransparent;
  using Control::transparent;
};

}  // namespace ui
