// Short-cut texts.
#include "ui/keys.h"

#include <cctype>
#include <vector>

namespace ui {

namespace {
std::string KeyName(int key) {
  struct Named {
    int key;
    const char* name;
  };
  static const Named kNames[] = {
      {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
      {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},    {VK_END, "End"},
      {VK_HOME, "Home"},   {VK_LEFT, "Left"},  {VK_UP, "Up"},        {VK_RIGHT, "Right"},
      {VK_DOWN, "Down"},   {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
  };
  for (const Named& n : kNames)
    if (n.key == key) return n.name;
  if (key >= VK_F1 && key <= VK_F1 + 23) return "F" + std::to_string(key - VK_F1 + 1);
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return std::string(1, static_cast<char>(key));
  return "";
}
}  // namespace

std::string ShortCutToText(ShortCut sc) {
  const std::string name = KeyName(sc & 0xFF);
  if (name.empty()) return "";
  std::string s;
  if (sc & scShift) s += "Shift+";
  if (sc & scCtrl) s += "Ctrl+";
  if (sc & scAlt) s += "Alt+";
  return s + name;
}

ShortCut TextToShortCut(const std::string& text) {
  int mods = 0;
  std::string rest = text;
  const std::pair<const char*, int> kMods[] = {
      {"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}};
  for (bool again = true; again;) {
    again = false;
    for (const auto& [prefix, bit] : kMods) {
      const std::string p = prefix;
      if (rest.size() > p.size() && rest.compare(0, p.size(), p) == 0) {
        mods |= bit;
        rest = rest.substr(p.size());
        again = true;
      }
    }
  }
  if (rest.empty()) return 0;
  for (int key = 1; key < 256; ++key)
    if (KeyName(key) == rest) return key | mods;
  return 0;
}

}  // namespace ui
