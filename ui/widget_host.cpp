// Hosting a foreign widget.
#include "ui/widget_host.h"

#include <QWidget>

namespace ui {

WidgetHost::WidgetHost(Component* owner) : WinControl(owner) {}

WidgetHost::~WidgetHost() {
  delete hosted_;
  hosted_ = nullptr;
}

void WidgetHost::setHostedWidget(QWidget* w) {
  if (w == hosted_) return;
  delete hosted_;
  hosted_ = w;
  if (!w) return;
  w->setParent(widget());
  w->setGeometry(0, 0, width(), height());
  w->show();
}

bool WidgetHost::holds(const QWidget* w) const {
  return hosted_ && w && (w == hosted_ || hosted_->isAncestorOf(w));
}

void WidgetHost::wndProc(Message& m) {
  if (m.id == WM_SIZE && hosted_) hosted_->setGeometry(0, 0, width(), height());
  WinControl::wndProc(m);
}

}  // namespace ui
