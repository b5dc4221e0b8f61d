// The kind words of [SKINOBJECTS] and [SKINCONTROLS] entries and the data
// class each selects. Words compare exactly, letter case included.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/control_data.h"
#include "skin/data/object_data.h"

namespace skin {

// Object kinds, in the order they are compared: "menuitem",
// "mainmenubaritem", "stdbutton", "mainmenubarbutton", "button", "caption",
// "animate", "userobject". Null for any other word.
std::unique_ptr<TbsDataSkinObject> CreateObjectData(std::string_view kind, std::string name);
// The 28 control kinds. Null for any other word.
std::unique_ptr<TbsDataSkinControl> CreateControlData(std::string_view kind, std::string name);

// The kind word of a data object's class ("" for a class no word makes).
std::string_view ObjectKindWord(const TbsDataSkinObject& obj);
std::string_view ControlKindWord(const TbsDataSkinControl& ctrl);

const std::vector<std::string_view>& ObjectKindWords();
const std::vector<std::string_view>& ControlKindWords();

// One entry of a [SKINOBJECTS] or [SKINCONTROLS] list: the text before the
// first ":" names the section, the text after it is the kind. An entry
// without ":" has an empty name and kind.
struct SkinListEntry {
  int index = 0;
  std::string text;  // the entry as written
  std::string name;
  std::string kind;
};
std::vector<SkinListEntry> ReadSkinList(const SkinDefinition& def, std::string_view section);

}  // namespace skin
