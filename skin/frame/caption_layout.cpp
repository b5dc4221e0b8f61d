// Border icons, default hints and the layout of the caption buttons.
#include "skin/frame/caption_layout.h"

#include "skin/frame/default_frame_metrics.h"

namespace skin {

namespace {

bool IsStdButtonOrAnimate(const TbsActiveSkinObject& o) { return ObjectCommand(o).has_value(); }

// Disabled, and shown only when drawn into the frame picture.
void Withdraw(TbsActiveSkinObject& o) {
  o.Enabled = false;
  o.Visible = !o.skinRectInAPicture;
}

bool Offered(StdCommand c, TbsBorderIcons icons) {
  switch (c) {
    case StdCommand::MinimizeToTray:
      return icons.has(biMinimizeToTray);
    case StdCommand::RollUp:
      return icons.has(biRollUp);
    case StdCommand::Maximize:
      return icons.has(biMaximize);
    case StdCommand::Minimize:
      return icons.has(biMinimize);
    case StdCommand::SysMenu:
      return icons.has(biSystemMenu);
    default:
      return true;
  }
}

// The commands of the row's buttons, from the row's outer end inward.
constexpr StdCommand kRowCommands[] = {StdCommand::Close, StdCommand::Maximize,
                                       StdCommand::Minimize, StdCommand::RollUp,
                                       StdCommand::MinimizeToTray};

bool Separate(const TbsActiveSkinObject& o) { return o.Visible && o.skinRectInAPicture; }

TbsActiveSkinObject* FirstSeparateWith(FrameObjectList& objects, StdCommand c) {
  for (auto& o : objects) {
    if (Separate(*o) && ObjectCommand(*o) == c) return o.get();
  }
  return nullptr;
}

TbsSkinCaptionObject* FirstCaption(FrameObjectList& objects) {
  for (auto& o : objects) {
    if (auto* c = dynamic_cast<TbsSkinCaptionObject*>(o.get())) return c;
  }
  return nullptr;
}

gfx::Size ButtonSize(const TbsActiveSkinObject& o, std::optional<gfx::Size> iconSize) {
  if (iconSize && o.skinRectInAPicture && ObjectCommand(o) == StdCommand::SysMenu) {
    return *iconSize;
  }
  return o.skinRect.size();
}

}  // namespace

void ApplyBorderIcons(FrameObjectList& objects, TbsBorderIcons icons, bool hideCaptionButtons,
                      const ActivateCustomObject& activateCustomObject) {
  for (auto& o : objects) {
    if (!IsStdButtonOrAnimate(*o)) continue;
    if (hideCaptionButtons) {
      Withdraw(*o);
      continue;
    }
    if (auto* a = dynamic_cast<TbsSkinAnimateObject*>(o.get()); a != nullptr && !a->buttonStyle) {
      continue;
    }
    const StdCommand c = *ObjectCommand(*o);
    if (c == StdCommand::Default) {
      bool visible = false;
      if (activateCustomObject) activateCustomObject(o->IDName, visible);
      o->Visible = visible;
    } else if (!Offered(c, icons)) {
      Withdraw(*o);
    }
  }
}

void ReadObjectHints(FrameObjectList& objects, const ResourceLookup& strings) {
  struct HintText {
    StdCommand command;
    const char* key;
    const char* builtIn;
  };
  static constexpr HintText kHints[] = {
      {StdCommand::Close, "CLOSEBUTTON_HINT", "关闭"},
      {StdCommand::Maximize, "MAXBUTTON_HINT", "最大化"},
      {StdCommand::Minimize, "MINBUTTON_HINT", "最小化"},
      {StdCommand::SysMenu, "MENUBUTTON_HINT", "系统菜单"},
      {StdCommand::RollUp, "ROLLUPBUTTON_HINT", "卷起"},
      {StdCommand::MinimizeToTray, "TRAYBUTTON_HINT", "最小化到系统托盘区"},
  };
  for (auto& o : objects) {
    const std::optional<StdCommand> c = ObjectCommand(*o);
    if (!c) continue;
    for (const HintText& h : kHints) {
      if (h.command == *c) o->Hint = strings ? strings(h.key) : std::string(h.builtIn);
    }
  }
}

void LayoutCaptionButtons(FrameObjectList& objects, const SkinFormInfo& info, gfx::Size pictureSize,
                          const PlacedFrameGeometry& placed, std::optional<gfx::Size> iconSize) {
  for (auto& o : objects) {
    if (!o->skinRectInAPicture)
      o->ObjectRect = MapFrameRect(info, pictureSize, placed, o->skinRect);
  }

  const bool buttonsRow = !gfx::IsNullRect(placed.buttonsArea);
  if (!buttonsRow && gfx::IsNullRect(placed.captionArea)) return;
  const gfx::Rect row = buttonsRow ? placed.buttonsArea : placed.captionArea;
  const int y = row.top;
  const int offset = placed.buttonsOffset;
  TbsSkinCaptionObject* caption = FirstCaption(objects);

  // The row's buttons: the first of each command, then the custom ones.
  std::vector<TbsActiveSkinObject*> rowButtons;
  for (StdCommand c : kRowCommands) {
    if (TbsActiveSkinObject* o = FirstSeparateWith(objects, c)) rowButtons.push_back(o);
  }
  for (auto& o : objects) {
    if (Separate(*o) && ObjectCommand(*o) == StdCommand::Default) rowButtons.push_back(o.get());
  }
  TbsActiveSkinObject* sysMenu = FirstSeparateWith(objects, StdCommand::SysMenu);

  if (!placed.buttonsInLeft) {
    int x = row.right;
    for (TbsActiveSkinObject* o : rowButtons) {
      const gfx::Size s = ButtonSize(*o, iconSize);
      o->ObjectRect = {x - s.width, y, x, y + s.height};
      x -= s.width + offset;
    }
    if (!buttonsRow && caption != nullptr) caption->ObjectRect.right = x + offset;

    x = placed.captionArea.left;
    if (sysMenu != nullptr) {
      const gfx::Size s = ButtonSize(*sysMenu, iconSize);
      const gfx::Rect& cap = placed.captionArea;
      const int top = cap.top + gfx::Div(cap.height(), 2) - gfx::Div(s.height, 2);
      sysMenu->ObjectRect = {x, top, x + s.width, top + s.height};
      x += s.width + offset;
      if (caption != nullptr) caption->ObjectRect.left = x - offset;
    }
  } else {
    int x = row.left;
    for (TbsActiveSkinObject* o : rowButtons) {
      const gfx::Size s = ButtonSize(*o, iconSize);
      o->ObjectRect = {x, y, x + s.width, y + s.height};
      x += s.width + offset;
    }
    if (!buttonsRow) {
      if (sysMenu != nullptr) {
        const gfx::Size s = ButtonSize(*sysMenu, iconSize);
        sysMenu->ObjectRect = {x, y, x + s.width, y + s.height};
        x += s.width + offset;
      }
      if (caption != nullptr) caption->ObjectRect.left = x + offset;
    }
  }
}

std::optional<gfx::Rect> LayoutDefaultButtons(FrameObjectList& objects, int composedWidth,
                                              bool toolWindow, std::optional<gfx::Size> iconSize) {
  if (objects.empty()) return std::nullopt;
  const int s = DefaultButtonSize(toolWindow);
  const int border = DefaultFrameLook::kBorder;
  const int top = DefaultFrameLook::kButtonTop;
  int x = composedWidth - border;
  for (StdCommand c : kRowCommands) {
    if (TbsActiveSkinObject* o = FirstSeparateWith(objects, c)) {
      o->ObjectRect = {x - s, top, x, top + s};
      x -= s;
    }
  }
  gfx::Rect caption{border, border, x, DefaultCaptionHeight(toolWindow)};
  if (TbsActiveSkinObject* o = FirstSeparateWith(objects, StdCommand::SysMenu)) {
    const gfx::Size size = iconSize.value_or(gfx::Size{s, s});
    o->ObjectRect = {border, top, border + size.width, top + size.height};
    caption.left = border + size.width;
  }
  return caption;
}

}  // namespace skin
