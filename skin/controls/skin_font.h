// The font a skinned control draws its text with: with UseSkinFont the
// section's face, height and styles in the colour of the current state,
// else the control's whole default font; the character set comes from the
// skin's text table when it has one, else from the default font.
#pragma once

#include "skin/data/key_table.h"
#include "skin/data/skin_data.h"
#include "ui/graphics/font.h"

namespace skin {

// keys: the section's font group (null when the section has none, which
// gives the default font). stateColor: the section's colour for the state.
gfx::Font SelectSkinFont(bool useSkinFont, const FontKeys* keys, gfx::Color stateColor,
                         const gfx::Font& defaultFont, const TbsSkinData* skin);

}  // namespace skin
