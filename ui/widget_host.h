// A windowed control that hosts a foreign widget (the browser control, a
// native editor) and keeps it filling its client area.
#pragma once

#include "ui/win_control.h"

namespace ui {

class WidgetHost : public WinControl {
 public:
  explicit WidgetHost(Component* owner = nullptr);
  ~WidgetHost() override;

  // Takes the widget as a child of the host's window; it is freed with the host.
  void setHostedWidget(QWidget* w);
  QWidget* hostedWidget() const { return hosted_; }
  // Whether w is the hosted widget or inside it.
  bool holds(const QWidget* w) const;

 protected:
  void wndProc(Message& m) override;

 private:
  QWidget* hosted_ = nullptr;
};

}  // namespace ui
