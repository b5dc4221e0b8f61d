// The border of a skinned control's default look.
#pragma once

namespace skin {

// bvFrame: shadow on every side; bvRaised: highlight top and left, shadow
// bottom and right; bvLowered: the reverse; bvNone: no border.
enum class TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

}  // namespace skin
