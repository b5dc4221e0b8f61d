// The table of built-in skins over the byte arrays the build generates.
#include "resources/builtin_skins.h"

#include <array>

#include "skin/data/compressed_stored_skin.h"

namespace app {

// Generated from the skin generator's folders (builtin_skins_data.cpp).
namespace builtin_data {
extern const std::uint8_t kRed[], kGreen[], kBlue[], kWihte[], kYellow[], kWinxp[];
extern const std::size_t kRedSize, kGreenSize, kBlueSize, kWihteSize, kYellowSize, kWinxpSize;
}  // namespace builtin_data

std::span<const BuiltinSkin> BuiltinSkins() {
  using namespace builtin_data;
  static const std::array<BuiltinSkin, 6> skins = {{
      {"red", "skin.ini", {kRed, kRedSize}},
      {"green", "skin.ini", {kGreen, kGreenSize}},
      {"blue", "skin.ini", {kBlue, kBlueSize}},
      {"wihte", "skin.ini", {kWihte, kWihteSize}},
      {"yellow", "skin.ini", {kYellow, kYellowSize}},
      {"winxp", "skin.ini", {kWinxp, kWinxpSize}},
  }};
  return skins;
}

const BuiltinSkin* FindBuiltinSkin(std::string_view name) {
  for (const BuiltinSkin& s : BuiltinSkins())
    if (name == s.name) return &s;
  return nullptr;
}

void LoadBuiltinSkin(const BuiltinSkin& builtin, skin::TbsCompressedStoredSkin& stored) {
  stored.setFileName(builtin.fileName);
  stored.setCompressedData(builtin.compressed);
}

LoadedBuiltinSkin::LoadedBuiltinSkin(int index) {
  LoadBuiltinSkin(BuiltinSkins()[static_cast<std::size_t>(index)], stored);
  data.setCompressedStoredSkin(&stored);
}

}  // namespace app
