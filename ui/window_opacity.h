// Whether per-window opacity can be used on this platform. Tests fix the
// answer; the skin engine keeps its own version rules on top of it.
#pragma once

#include <optional>

namespace ui {

bool LayeredWindowsAvailable();
// Overrides the answer (std::nullopt: ask the platform again).
void SetLayeredWindowsAvailable(std::optional<bool> available);

}  // namespace ui
