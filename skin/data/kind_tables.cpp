// The kind words of the object and control lists and the classes they make.
#include "skin/data/kind_tables.h"

#include <typeindex>
#include <typeinfo>

#include "skin/data/more_control_data.h"
#include "skin/data/skin_values.h"

namespace skin {

namespace {

template <class Base>
struct Kind {
  std::string_view word;
  std::unique_ptr<Base> (*create)(std::string name);
  std::type_index type;
};

template <class Base, class T>
Kind<Base> kind(std::string_view word) {
  return {word,
          [](std::string name) -> std::unique_ptr<Base> {
            return std::make_unique<T>(std::move(name));
          },
          std::type_index(typeid(T))};
}

// Compared in this order; the more specific words come first.
const std::vector<Kind<TbsDataSkinObject>>& objectKinds() {
  using O = TbsDataSkinObject;
  static const std::vector<Kind<O>> kinds = {
      kind<O, TbsDataSkinMenuItem>("menuitem"),
      kind<O, TbsDataSkinMainMenuBarItem>("mainmenubaritem"),
      kind<O, TbsDataSkinStdButton>("stdbutton"),
      kind<O, TbsDataSkinMainMenuBarButton>("mainmenubarbutton"),
      kind<O, TbsDataSkinButton>("button"),
      kind<O, TbsDataSkinCaption>("caption"),
      kind<O, TbsDataSkinAnimate>("animate"),
      kind<O, TbsDataUserObject>("userobject"),
  };
  return kinds;
}

const std::vector<Kind<TbsDataSkinControl>>& controlKinds() {
  using K = TbsDataSkinControl;
  static const std::vector<Kind<K>> kinds = {
      kind<K, TbsDataSkinPanelControl>("panel"),
      kind<K, TbsDataSkinExPanelControl>("expanel"),
      kind<K, TbsDataSkinMenuButtonControl>("menubutton"),
      kind<K, TbsDataSkinButtonControl>("button"),
      kind<K, TbsDataSkinCheckRadioControl>("checkradio"),
      kind<K, TbsDataSkinGaugeControl>("gauge"),
      kind<K, TbsDataSkinSplitterControl>("splitter"),
      kind<K, TbsDataSkinTrackBarControl>("trackbar"),
      kind<K, TbsDataSkinLabelControl>("label"),
      kind<K, TbsDataSkinStdLabelControl>("stdlabel"),
      kind<K, TbsDataSkinUpDownControl>("updown"),
      kind<K, TbsDataSkinGridControl>("grid"),
      kind<K, TbsDataSkinTabControl>("tab"),
      kind<K, TbsDataSkinMainMenuBar>("mainmenubar"),
      kind<K, TbsDataSkinControlBar>("controlbar"),
      kind<K, TbsDataSkinMemoControl>("memo"),
      kind<K, TbsDataSkinEditControl>("edit"),
      kind<K, TbsDataSkinCheckListBox>("checklistbox"),
      kind<K, TbsDataSkinListBox>("listbox"),
      kind<K, TbsDataSkinComboBox>("combobox"),
      kind<K, TbsDataSkinScrollBarControl>("scrollbar"),
      kind<K, TbsDataSkinSpinEditControl>("spinedit"),
      kind<K, TbsDataSkinScrollBoxControl>("scrollbox"),
      kind<K, TbsDataSkinTreeView>("treeview"),
      kind<K, TbsDataSkinBevel>("bevel"),
      kind<K, TbsDataSkinSlider>("slider"),
      kind<K, TbsDataSkinListView>("listview"),
      kind<K, TbsDataSkinRichEdit>("richedit"),
  };
  return kinds;
}

template <class Base>
std::unique_ptr<Base> create(const std::vector<Kind<Base>>& kinds, std::string_view word,
                             std::string name) {
  for (const Kind<Base>& k : kinds) {
    if (k.word == word) return k.create(std::move(name));
  }
  return nullptr;
}

template <class Base>
std::string_view wordOf(const std::vector<Kind<Base>>& kinds, const Base& obj) {
  const std::type_index type(typeid(obj));
  for (const Kind<Base>& k : kinds) {
    if (k.type == type) return k.word;
  }
  return {};
}

template <class Base>
std::vector<std::string_view> wordsOf(const std::vector<Kind<Base>>& kinds) {
  std::vector<std::string_view> words;
  for (const Kind<Base>& k : kinds) words.push_back(k.word);
  return words;
}

}  // namespace

std::unique_ptr<TbsDataSkinObject> CreateObjectData(std::string_view kind, std::string name) {
  return create(objectKinds(), kind, std::move(name));
}

std::unique_ptr<TbsDataSkinControl> CreateControlData(std::string_view kind, std::string name) {
  return create(controlKinds(), kind, std::move(name));
}

std::string_view ObjectKindWord(const TbsDataSkinObject& obj) { return wordOf(objectKinds(), obj); }

std::string_view ControlKindWord(const TbsDataSkinControl& ctrl) {
  return wordOf(controlKinds(), ctrl);
}

const std::vector<std::string_view>& ObjectKindWords() {
  static const std::vector<std::string_view> words = wordsOf(objectKinds());
  return words;
}

const std::vector<std::string_view>& ControlKindWords() {
  static const std::vector<std::string_view> words = wordsOf(controlKinds());
  return words;
}

std::vector<SkinListEntry> ReadSkinList(const SkinDefinition& def, std::string_view section) {
  std::vector<SkinListEntry> entries;
  const std::vector<std::string> lines = ReadStringList(def, section, "");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SkinListEntry e;
    e.index = static_cast<int>(i);
    e.text = lines[i];
    const std::size_t colon = lines[i].find(':');
    if (colon != std::string::npos) {
      e.name = lines[i].substr(0, colon);
      e.kind = lines[i].substr(colon + 1);
    }
    entries.push_back(std::move(e));
  }
  return entries;
}

}  // namespace skin
