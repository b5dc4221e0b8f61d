// The six skins the program carries: each a skin package compressed at zlib
// level 9, in the order of the login window's skin selector (light blue,
// light green, vivid purple, orange-yellow, black crystal, plain). The
// console makes one stored-skin component of each.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"

namespace app {

struct BuiltinSkin {
  const char* name;      // the stored skin: red, green, blue, wihte, yellow, winxp
  const char* fileName;  // the definition file the package was built from: "skin.ini"
  std::span<const std::uint8_t> compressed;  // the zlib stream of the package
};

// All six, in selector order.
std::span<const BuiltinSkin> BuiltinSkins();
// The one of that name, or null.
const BuiltinSkin* FindBuiltinSkin(std::string_view name);

// Fills a stored-skin component with a built-in skin: its file name and its
// compressed bytes, as the component's stored properties would.
void LoadBuiltinSkin(const BuiltinSkin& builtin, skin::TbsCompressedStoredSkin& stored);

// Built-in skin number index (selector order) in a stored-skin component of
// its own, read into a skin data component ready to draw from.
struct LoadedBuiltinSkin {
  explicit LoadedBuiltinSkin(int index);
  LoadedBuiltinSkin(const LoadedBuiltinSkin&) = delete;
  LoadedBuiltinSkin& operator=(const LoadedBuiltinSkin&) = delete;

  skin::TbsCompressedStoredSkin stored;
  skin::TbsSkinData data;
};

}  // namespace app
