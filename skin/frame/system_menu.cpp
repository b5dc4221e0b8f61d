// The system menu and tray menu items of the frame.
#include "skin/frame/system_menu.h"

#include <algorithm>
#include <array>

namespace skin {

namespace {

struct ItemText {
  const char* name;
  const char* key;
  const char* builtIn;
  SystemMenuAction action;
};

constexpr ItemText kMinimize{"FRM_MINITEM", "MI_MINCAPTION", "最小化(&N)",
                             SystemMenuAction::Minimize};
constexpr ItemText kMaximize{"FRM_MAXITEM", "MI_MAXCAPTION", "最大化(&X)",
                             SystemMenuAction::Maximize};
constexpr ItemText kRestore{"FRM_RESTORE", "MI_RESTORECAPTION", "恢复(&R)",
                            SystemMenuAction::Restore};
constexpr ItemText kRollUp{"FRM_ROLLUP", "MI_ROLLUPCAPTION", "卷起(&L)", SystemMenuAction::RollUp};
constexpr ItemText kToTray{"FRM_MINTOTRAY", "MI_MINTOTRAYCAPTION", "最小化到系统托盘区(&T)",
                           SystemMenuAction::MinimizeToTray};
constexpr ItemText kClose{"FRM_CLOSE", "MI_CLOSECAPTION", "关闭(&C)", SystemMenuAction::Close};
constexpr ItemText kTrayRestore{"TRAY_FRM_RESTORE", "MI_RESTORECAPTION", "恢复(&R)",
                                SystemMenuAction::ReturnFromTray};
constexpr ItemText kTrayClose{"TRAY_FRM_CLOSE", "MI_CLOSECAPTION", "关闭(&C)",
                              SystemMenuAction::Close};
constexpr const char* kCloseShortCut = "Alt+F4";

SystemMenuEntry Entry(const ItemText& t, const ResourceLookup& strings) {
  SystemMenuEntry e;
  e.name = t.name;
  e.caption = strings ? strings(t.key) : std::string(t.builtIn);
  e.action = t.action;
  if (t.action == SystemMenuAction::Close) e.shortCut = kCloseShortCut;
  return e;
}

SystemMenuEntry Divider() { return SystemMenuEntry{"", "-", "", SystemMenuAction::None}; }

bool Minimized(const FrameStateFlags& f) { return f.state == FrameWindowState::Minimized; }

// The conditional items in table order, each with whether it is offered now.
std::array<std::pair<const ItemText*, bool>, 5> ConditionalItems(TbsBorderIcons icons,
                                                                 const FrameStateFlags& f) {
  return {{
      {&kMinimize, icons.has(biMinimize) && !Minimized(f)},
      {&kMaximize, icons.has(biMaximize) && f.state != FrameWindowState::Maximized},
      {&kRestore, f.state != FrameWindowState::Normal || f.rolledUp},
      {&kRollUp, icons.has(biRollUp) && !f.rolledUp && !Minimized(f)},
      {&kToTray, icons.has(biMinimizeToTray)},
  }};
}

}  // namespace

std::vector<SystemMenuEntry> DefaultSystemMenu(TbsBorderIcons icons, const FrameStateFlags& flags,
                                               const ResourceLookup& strings) {
  std::vector<SystemMenuEntry> items;
  for (const auto& [text, offered] : ConditionalItems(icons, flags)) {
    if (offered) items.push_back(Entry(*text, strings));
  }
  if (!items.empty()) items.push_back(Divider());
  items.push_back(Entry(kClose, strings));
  return items;
}

std::vector<SystemMenuEntry> MergeSystemMenu(std::vector<SystemMenuEntry> applicationItems,
                                             TbsBorderIcons icons, const FrameStateFlags& flags,
                                             const ResourceLookup& strings) {
  std::erase_if(applicationItems,
                [](const SystemMenuEntry& e) { return IsFrameMenuItemName(e.name); });
  // Inserted at the top one after the other, tray first and minimize last,
  // so that they read minimize, restore, maximize, roll-up, minimize to tray.
  const auto conditional = ConditionalItems(icons, flags);
  for (const ItemText* text : {&kToTray, &kRollUp, &kMaximize, &kRestore, &kMinimize}) {
    const auto offered = std::find_if(conditional.begin(), conditional.end(),
                                      [&](const auto& c) { return c.first == text; });
    if (offered->second) applicationItems.insert(applicationItems.begin(), Entry(*text, strings));
  }
  applicationItems.push_back(Entry(kClose, strings));
  return applicationItems;
}

std::vector<SystemMenuEntry> TrayMenu(const ResourceLookup& strings) {
  return {Entry(kTrayRestore, strings), Divider(), Entry(kTrayClose, strings)};
}

bool IsFrameMenuItemName(std::string_view name) {
  for (const ItemText* t : {&kMinimize, &kMaximize, &kRestore, &kRollUp, &kToTray, &kClose}) {
    if (name == t->name) return true;
  }
  return false;
}

}  // namespace skin
