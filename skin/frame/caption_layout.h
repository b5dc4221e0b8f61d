// Which caption buttons a frame offers and where they sit: the border-icon
// and hide-caption-buttons settings applied to the frame objects, their
// default hints, the layout of the skinned caption row and the layout of the
// six default buttons.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "skin/data/window_data.h"
#include "skin/frame/border_icons.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_objects.h"
#include "skin/frame/system_menu.h"

namespace skin {

// OnActivateCustomObject(IDName, ObjectVisible): decides whether a
// "cmdefault" object shows.
using ActivateCustomObject = std::function<void(const std::string& idName, bool& visible)>;

// Disables and hides the buttons the icons do not offer (a button drawn into
// the frame picture stays visible in its disabled look); with
// hideCaptionButtons every button and animated object, close included.
void ApplyBorderIcons(FrameObjectList& objects, TbsBorderIcons icons, bool hideCaptionButtons,
                      const ActivateCustomObject& activateCustomObject);

// Replaces the hints of the standard buttons and animated objects by the
// default hint of their command, from the text table or the built-in texts.
void ReadObjectHints(FrameObjectList& objects, const ResourceLookup& strings);

// Lays out the skinned frame's objects for the placed geometry: objects of
// the frame picture are mapped, separate buttons are put in a row at the
// right (or left) of the buttons or caption area, the system-menu button at
// the caption's left, and the caption object is fitted between them.
// iconSize replaces the system-menu button's size while it shows the icon.
void LayoutCaptionButtons(FrameObjectList& objects, const SkinFormInfo& info, gfx::Size pictureSize,
                          const PlacedFrameGeometry& placed, std::optional<gfx::Size> iconSize);

// Lays out the default buttons (no skin) for a window composedWidth wide and
// returns DefaultCaptionArea; nullopt when there are no objects (the caption
// area then stays as it was).
std::optional<gfx::Rect> LayoutDefaultButtons(FrameObjectList& objects, int composedWidth,
                                              bool toolWindow, std::optional<gfx::Size> iconSize);

}  // namespace skin
