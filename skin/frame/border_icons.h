// The set of caption buttons and system-menu items a frame offers.
#pragma once

namespace skin {

enum TbsBorderIcon : unsigned {
  biSystemMenu = 1,
  biMinimize = 2,
  biMaximize = 4,
  biRollUp = 8,
  biMinimizeToTray = 16,
};

struct TbsBorderIcons {
  unsigned bits = biSystemMenu | biMinimize | biMaximize | biRollUp;

  constexpr bool has(TbsBorderIcon i) const { return (bits & i) != 0; }
  constexpr bool operator==(const TbsBorderIcons&) const = default;
  static constexpr TbsBorderIcons none() { return TbsBorderIcons{0}; }
};

// The frame's own window state; independent of the platform's window state.
enum class FrameWindowState { Normal, Minimized, Maximized };

}  // namespace skin
