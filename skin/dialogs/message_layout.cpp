// Kinds, buttons and layout of the message dialog.
#include "skin/dialogs/message_layout.h"

namespace skin {

const std::array<MessageButtonInfo, kMessageButtonCount>& MessageButtonTable() {
  static const std::array<MessageButtonInfo, kMessageButtonCount> table = {{
      {"Yes", "MSG_BTN_YES", "是(&Y)", 6},
      {"No", "MSG_BTN_NO", "否(&N)", 7},
      {"OK", "MSG_BTN_OK", "确定", 1},
      {"Cancel", "MSG_BTN_CANCEL", "取消", 2},
      {"Abort", "MSG_BTN_ABORT", "终止(&A)", 3},
      {"Retry", "MSG_BTN_RETRY", "重试(&R)", 4},
      {"Ignore", "MSG_BTN_IGNORE", "忽略(&I)", 5},
      {"All", "MSG_BTN_ALL", "全部(&A)", 8},
      {"NoToAll", "MSG_BTN_NOTOALL", "全部否(&O)", 9},
      {"YesToAll", "MSG_BTN_YESTOALL", "全部是(&Y)", 10},
      {"Help", "MSG_BTN_HELP", "帮助(&H)", 0},
  }};
  return table;
}

const MessageKindInfo& MessageKind(TMsgDlgType kind) {
  static const std::array<MessageKindInfo, 5> kinds = {{
      {"MSG_CAP_WARNING", "警告", "warning"},
      {"MSG_CAP_ERROR", "错误", "error"},
      {"MSG_CAP_INFORMATION", "信息", "information"},
      {"MSG_CAP_CONFIRM", "确认", "question"},
      {nullptr, nullptr, nullptr},
  }};
  const auto i = static_cast<std::size_t>(kind);
  return kinds[i < kinds.size() ? i : 4];
}

MessageLayout LayoutMessage(gfx::Size textSize, TMsgDlgButtons buttons, int buttonHeight) {
  using M = MessageMetrics;
  MessageLayout l;
  l.buttonHeight = buttonHeight;
  for (int i = 0; i < kMessageButtonCount; ++i)
    if (buttons & (1u << i)) l.buttons.push_back(i);
  const int n = static_cast<int>(l.buttons.size());
  l.rowWidth = n > 0 ? n * M::kButtonWidth + (n - 1) * M::kButtonSpacing : 0;

  l.textRect = gfx::Rect::fromSize(M::kTextLeft, M::kTextTop, textSize.width, textSize.height);
  const int textRight = l.textRect.right;
  int iconTop = l.textRect.top + gfx::Div(textSize.height, 2) - M::kIconSize / 2;
  if (iconTop < M::kIconTopMin) iconTop = M::kIconTopMin;
  l.iconRect = gfx::Rect::fromSize(M::kIconLeft, iconTop, M::kIconSize, M::kIconSize);

  l.clientHeight = buttonHeight + M::kExtraHeight + textSize.height;
  l.clientWidth = (l.rowWidth < textRight ? textRight : l.rowWidth) + M::kContentMargin;

  auto has = [&](int b) { return (buttons & (1u << b)) != 0; };
  l.defaultButton = has(mbOK) ? mbOK : has(mbYes) ? mbYes : has(mbRetry) ? mbRetry : -1;
  l.cancelButton = has(mbCancel) ? mbCancel : has(mbNo) ? mbNo : has(mbOK) ? mbOK : -1;
  return l;
}

std::vector<gfx::Rect> MessageLayout::buttonRects(int finalClientWidth) const {
  using M = MessageMetrics;
  std::vector<gfx::Rect> out;
  int x = gfx::Div(finalClientWidth - rowWidth, 2);
  const int y = clientHeight - buttonHeight - M::kButtonBottom;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    out.push_back(gfx::Rect::fromSize(x, y, M::kButtonWidth, buttonHeight));
    x += M::kButtonWidth + M::kButtonSpacing;
  }
  return out;
}

}  // namespace skin
