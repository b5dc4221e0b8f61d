// What the login and course windows are built from: their controls as one
// table (name, class, container, place, size, caption, skin section) made
// by one builder, the plain picture control of the login window's rows, the
// wait cursor of a server request, and the way a message for the teacher is
// shown and followed by its focus move.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include <QImage>

#include "app/core/user_message.h"
#include "ui/graphic_control.h"

namespace skin {
class TbsSkinData;
}
namespace ui {
class Control;
class Form;
class WinControl;
}  // namespace ui

namespace app {

class ClientShared;

// The classes a window table can place.
enum class ControlClass {
  PageControl,   // TbsSkinPageControl
  TabSheet,      // TbsSkinTabSheet (its container is the page control)
  TextLabel,     // TbsSkinTextLabel, the caption as its one line
  StdLabel,      // TbsSkinStdLabel
  ComboBox,      // TbsSkinComboBox, a fixed list
  EditCombo,     // TbsSkinComboBox with an editable text
  Edit,          // TbsSkinEdit
  PasswordEdit,  // TbsSkinPasswordEdit
  SpeedButton,   // TbsSkinSpeedButton
  MenuButton,    // TbsSkinMenuButton
  GroupBox,      // TbsSkinGroupBox
  Picture,       // WindowPicture: not skinned
  Browser,       // a ui::WidgetHost holding a platform::WebBrowser: not skinned
};

// One control of a window. The container is named by an earlier row; an
// empty container is the window itself. A picture's "section" is the name
// of its picture file.
struct ControlRow {
  const char* name;
  ControlClass cls;
  const char* container;
  int left, top, width, height;
  const char* caption;
  const char* section;
};

// Makes the rows' controls on the form, owned by it, in table order, each
// drawing from `skinData` with its section. Returns them by name.
std::map<std::string, ui::Control*> BuildControls(ui::Form& form, skin::TbsSkinData* skinData,
                                                  std::span<const ControlRow> rows);

// A picture the program carries, drawn at the control's size over its
// parent (transparent where the picture is). Not skinned.
class WindowPicture : public ui::GraphicControl {
 public:
  WindowPicture(ui::Component* owner, std::string_view pictureName);
  const QImage& picture() const { return picture_; }

 protected:
  void paint(gfx::Canvas& canvas) override;

 private:
  QImage picture_;
};

// The wait cursor over the whole application while a server request runs;
// the normal cursor comes back when the guard goes, however the step ends.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Shows the message with a single Yes button through the client's message
// dialog, in its kind.
void ShowUserMessage(ClientShared& shared, const UserMessage& message);

}  // namespace app
