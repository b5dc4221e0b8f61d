// The Qt widget behind every control. It hands each Qt event to the message
// translator, which turns it into window messages for the control.
#pragma once

#include <QWidget>

namespace ui {

class Control;

class ControlWidget : public QWidget {
 public:
  // Control: the whole widget is the control's client area. Window: a
  // form's top-level widget, whose own area is the non-client frame.
  // Client: a form's client widget, placed where the frame leaves room.
  enum class Role { Control, Window, Client };

  ControlWidget(Control* control, Role role, QWidget* parent = nullptr, Qt::WindowFlags flags = {});

  Control* control() const { return control_; }
  // Called when the control starts going away: from then on the widget's
  // events reach no procedure.
  void detach() { control_ = nullptr; }
  Role role() const { return role_; }

 protected:
  bool event(QEvent* e) override;

 private:
  Control* control_;
  Role role_;
};

}  // namespace ui
