// The font selection rule of the skinned controls.
#include "skin/controls/skin_font.h"

namespace skin {

gfx::Font SelectSkinFont(bool useSkinFont, const FontKeys* keys, gfx::Color stateColor,
                         const gfx::Font& defaultFont, const TbsSkinData* skin) {
  gfx::Font f = defaultFont;
  if (useSkinFont && keys != nullptr) {
    f = WithFontKeys(defaultFont, *keys);
    f.color = stateColor;
  }
  if (skin != nullptr && skin->ResourceStrData() != nullptr) {
    f.charset = skin->ResourceStrData()->CharSet();
  } else {
    f.charset = defaultFont.charset;
  }
  return f;
}

}  // namespace skin
