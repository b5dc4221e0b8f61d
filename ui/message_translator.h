// The one place where Qt events become window messages: input, painting,
// timers, focus, activation, showing, posted messages and the
// application-wide filter that sees messages of every widget.
#pragma once

#include "ui/control.h"
#include "ui/message.h"

class QEvent;
class QRect;
class QWidget;

namespace ui {

class ControlWidget;
class Form;

class MessageTranslator {
 public:
  // Handles event e of widget w; false leaves it to Qt.
  static bool translate(ControlWidget& w, QEvent* e);
  static void post(Control& c, const Message& m);
  static void applyCursor(QWidget& w, Cursor c);
  static void applyHitCursor(QWidget& w, int hitCode, Cursor own);
  static unsigned shiftFromKeys(MessageParam keys);
  // Installs the filter on the QApplication once it exists.
  static void installApplicationFilter();
  // The virtual key of a Qt key (0 when there is none).
  static int virtualKey(int qtKey);

 private:
  static void paintClient(ControlWidget& w, Control& c, const QRect& dirty);
  static void paintFrame(ControlWidget& w, Form& f);
};

}  // namespace ui
