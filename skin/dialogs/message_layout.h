// The message dialog's kinds, buttons and layout: which caption, icon and
// buttons a message gets, and where the text, the icon and the button row
// lie in its window. Pure arithmetic, tested without a window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/graphics/geometry.h"

namespace skin {

enum class TMsgDlgType {
  mtWarning = 0,
  mtError = 1,
  mtInformation = 2,
  mtConfirmation = 3,
  mtCustom = 4
};

// Button indexes; a button set has bit i for button i.
enum TMsgDlgBtn : int {
  mbYes = 0,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp,
};
constexpr int kMessageButtonCount = 11;
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons MessageButtons(std::initializer_list<TMsgDlgBtn> list) {
  TMsgDlgButtons set = 0;
  for (TMsgDlgBtn b : list) set |= 1u << b;
  return set;
}

struct MessageButtonInfo {
  const char* name;         // the button's component name
  const char* resourceKey;  // its caption's key in a text table
  const char* caption;      // the built-in caption
  int result;               // the modal result it gives (0: does not close)
};
const std::array<MessageButtonInfo, kMessageButtonCount>& MessageButtonTable();

struct MessageKindInfo {
  const char* resourceKey;  // null for a custom message: the application title
  const char* caption;
  const char* iconName;  // "error", "warning", "information", "question"; null for none
};
const MessageKindInfo& MessageKind(TMsgDlgType kind);

// The layout constants of the message window.
struct MessageMetrics {
  static constexpr int kButtonWidth = 70;
  static constexpr int kButtonHeight = 25;
  static constexpr int kButtonSpacing = 10;
  static constexpr int kTextLeft = 50;
  static constexpr int kTextTop = 15;
  static constexpr int kIconLeft = 5;
  static constexpr int kIconSize = 32;
  static constexpr int kIconTopMin = 10;
  static constexpr int kContentMargin = 40;
  static constexpr int kButtonBottom = 10;
  static constexpr int kExtraHeight = 50;
};

struct MessageLayout {
  int buttonHeight = MessageMetrics::kButtonHeight;
  int rowWidth = 0;  // width of the button row
  gfx::Rect textRect;
  gfx::Rect iconRect;
  int clientWidth = 0;
  int clientHeight = 0;
  int defaultButton = -1;    // index of the default button, -1 for none
  int cancelButton = -1;     // index of the cancel button, -1 for none
  std::vector<int> buttons;  // the requested buttons in index order

  // The button rects for the client width the window finally has (after
  // the frame's width limits), in the order of `buttons`.
  std::vector<gfx::Rect> buttonRects(int finalClientWidth) const;
};

// Lays out a message whose text measures textSize, with the button set and
// the button height (25, or the height of the button section's skinrect).
MessageLayout LayoutMessage(gfx::Size textSize, TMsgDlgButtons buttons, int buttonHeight);

}  // namespace skin
