// What the login and course window tests share: input on the controls, the
// messages the client showed, and the process-wide set-up of a suite of
// window tests (a browser profile of their own, the event pump of waiting
// requests, a stand-in for the console as the application's main window).
#pragma once

#include <QApplication>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "app/client/client_shared.h"
#include "app/core/http_client.h"
#include "classroom_server_process.h"
#include "platform/browser/browser_profile.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_std_label.h"
#include "skin/dialogs/message_layout.h"
#include "skin/dialogs/skin_message.h"
#include "ui/form.h"

namespace windowtest {

inline void TypeInto(ui::WinControl* control, const std::string& text) {
  control->setFocus();
  QApplication::processEvents();
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr) target = control->widget();
  QTest::keyClicks(target, QString::fromStdString(text));
}

inline void ClickOn(ui::Control* control) {
  QWidget* w = control->widget();
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, w->height() / 2));
}

// Whether the focus is on the control or inside it.
inline bool HasFocus(ui::Form& form, ui::WinControl* control) {
  for (ui::Control* c = form.activeControl(); c != nullptr; c = c->parent())
    if (c == control) return true;
  return false;
}

// The messages shown through the client's message dialog, each answered Yes.
class Messages {
 public:
  struct Shown {
    std::string text;
    std::string caption;  // names the kind
    bool onTop = false;   // stays on top of the other windows
  };
  void attach(app::ClientShared& shared) {
    shared.message().OnShown = [this](skin::TbsMessageForm& f) {
      shown.push_back(
          {f.messageLabel()->caption(), f.caption(), f.formStyle() == ui::FormStyle::fsStayOnTop});
      f.button(skin::mbYes)->click();
    };
  }
  bool lastIs(const std::string& text, skin::TMsgDlgType kind) const {
    return !shown.empty() && shown.back().text == text &&
           shown.back().caption == skin::MessageKind(kind).caption;
  }
  std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }
  std::vector<Shown> shown;
};

// Set up once per suite, before any window is made.
class SuiteSetUp {
 public:
  SuiteSetUp() {
    platform::BrowserProfile::setStorageRoot(dir_.path() + "/profile");
    platform::BrowserProfile::setSettingsPath(dir_.path() + "/browser-settings.ini");
    // Windows repaint and take input while a request waits.
    app::HttpClient::setDefaultEventPump([] { QApplication::processEvents(); });
    // The first window made is the application's main window, as the
    // console is in the program: closing a window under test must not end
    // the event loop.
    console_ = std::make_unique<ui::Form>();
  }
  ~SuiteSetUp() {
    console_.reset();
    app::HttpClient::setDefaultEventPump(nullptr);
  }
  const std::string& path() const { return dir_.path(); }

 private:
  testsupport::ScratchDir dir_;
  std::unique_ptr<ui::Form> console_;
};

// Options of a client object for a test: crash records in `folder`, no
// signal handlers.
inline app::ClientShared::Options TestClientOptions(const std::string& folder) {
  app::ClientShared::Options o;
  o.crashFolder = folder;
  o.installSignalHandlers = false;
  return o;
}

}  // namespace windowtest
