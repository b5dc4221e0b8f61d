// Key tables and section reading of the control data classes the skinned
// controls draw from.
#include "skin/data/control_data.h"

#include "skin/data/data_class_definition.h"

namespace skin {

namespace {

using C = TbsDataSkinControl;
const KeyDef<C> kControlKeys[] = {
    {"pictureindex", &C::pictureIndex, "-1"},
    {"maskpictureindex", &C::maskPictureIndex, "-1"},
    {"skinrect", &C::skinRect},
};

using CC = TbsDataSkinCustomControl;
const KeyDef<CC> kCustomControlKeys[] = {
    {"lefttoppoint", &CC::leftTopPoint},       {"righttoppoint", &CC::rightTopPoint},
    {"leftbottompoint", &CC::leftBottomPoint}, {"rightbottompoint", &CC::rightBottomPoint},
    {"clientrect", &CC::clientRect},
};

using Panel = TbsDataSkinPanelControl;
const KeyDef<Panel> kPanelKeys[] = {
    {"bgpictureindex", &Panel::bgPictureIndex, "-1"},
    {"captionrect", &Panel::captionRect},
    {"alignment", &Panel::alignment, "tacenter"},
    FontGroupRow<Panel>(),
    {"checkimagerect", &Panel::checkImageRect},
    {"uncheckimagerect", &Panel::uncheckImageRect},
};

using ExPanel = TbsDataSkinExPanelControl;
const KeyDef<ExPanel> kExPanelKeys[] = {
    {"rollhskinrect", &ExPanel::rollHSkinRect},
    {"rollvskinrect", &ExPanel::rollVSkinRect},
    {"rollleftoffset", &ExPanel::rollLeftOffset},
    {"rollrightoffset", &ExPanel::rollRightOffset},
    {"rolltopoffset", &ExPanel::rollTopOffset},
    {"rollbottomoffset", &ExPanel::rollBottomOffset},
    {"rollvcaptionrect", &ExPanel::rollVCaptionRect},
    {"rollhcaptionrect", &ExPanel::rollHCaptionRect},
    {"closebuttonrect", &ExPanel::closeButtonRect},
    {"closebuttonactiverect", &ExPanel::closeButtonActiveRect},
    {"closebuttondownrect", &ExPanel::closeButtonDownRect},
    {"hrollbuttonrect", &ExPanel::hRollButtonRect},
    {"hrollbuttonactiverect", &ExPanel::hRollButtonActiveRect},
    {"hrollbuttondownrect", &ExPanel::hRollButtonDownRect},
    {"hrestorebuttonrect", &ExPanel::hRestoreButtonRect},
    {"hrestorebuttonactiverect", &ExPanel::hRestoreButtonActiveRect},
    {"hrestorebuttondownrect", &ExPanel::hRestoreButtonDownRect},
    {"vrollbuttonrect", &ExPanel::vRollButtonRect},
    {"vrollbuttonactiverect", &ExPanel::vRollButtonActiveRect},
    {"vrollbuttondownrect", &ExPanel::vRollButtonDownRect},
    {"vrestorebuttonrect", &ExPanel::vRestoreButtonRect},
    {"vrestorebuttonactiverect", &ExPanel::vRestoreButtonActiveRect},
    {"vrestorebuttondownrect", &ExPanel::vRestoreButtonDownRect},
    {"captionrect", &ExPanel::captionRect},
    FontGroupRow<ExPanel>(),
};

using Button = TbsDataSkinButtonControl;
const KeyDef<Button> kButtonKeys[] = {
    FontGroupRow<Button>(),
    {"activefontcolor", &Button::activeFontColor},
    {"downfontcolor", &Button::downFontColor},
    {"disabledfontcolor", &Button::disabledFontColor},
    {"activeskinrect", &Button::activeSkinRect},
    {"downskinrect", &Button::downSkinRect},
    {"disabledskinrect", &Button::disabledSkinRect},
    {"morphing", &Button::morphing},
    {"morphkind", &Button::morphKind, "mkdefault"},
};

using MenuButton = TbsDataSkinMenuButtonControl;
const KeyDef<MenuButton> kMenuButtonKeys[] = {
    {"trackbuttonrect", &MenuButton::trackButtonRect},
};

using Label = TbsDataSkinLabelControl;
const KeyDef<Label> kLabelKeys[] = {FontGroupRow<Label>()};

using StdLabel = TbsDataSkinStdLabelControl;
const KeyDef<StdLabel> kStdLabelKeys[] = {
    FontGroupRow<StdLabel>(),
    {"activefontcolor", &StdLabel::activeFontColor, "16711680"},
};

using Gauge = TbsDataSkinGaugeControl;
const KeyDef<Gauge> kGaugeKeys[] = {
    {"progressarea", &Gauge::progressArea},
    {"progressrect", &Gauge::progressRect},
    {"beginoffset", &Gauge::beginOffset},
    {"endoffset", &Gauge::endOffset},
    {"vertical", &Gauge::vertical},
    FontGroupRow<Gauge>(),
    {"progresstransparent", &Gauge::progressTransparent},
    {"progresstransparentcolor", &Gauge::progressTransparentColor},
};

using Edit = TbsDataSkinEditControl;
const KeyDef<Edit> kEditKeys[] = {
    {"activeskinrect", &Edit::activeSkinRect},
    FontGroupRow<Edit>(),
    {"disabledfontcolor", &Edit::disabledFontColor},
    {"activefontcolor", &Edit::activeFontColor},
    {"buttonrect", &Edit::buttonRect},
    {"activebuttonrect", &Edit::activeButtonRect},
    {"downbuttonrect", &Edit::downButtonRect},
    {"unenabledbuttonrect", &Edit::unenabledButtonRect},
};

using Combo = TbsDataSkinComboBox;
const KeyDef<Combo> kComboKeys[] = {
    {"itemrect", &Combo::itemRect},
    {"focusitemrect", &Combo::focusItemRect},
    {"itemleftoffset", &Combo::itemLeftOffset},
    {"itemrightoffset", &Combo::itemRightOffset},
    {"itemtextrect", &Combo::itemTextRect},
    FontGroupRow<Combo>(),
    {"focusfontcolor", &Combo::focusFontColor},
    {"listboxname", &Combo::listBoxName, "", "unenabledbuttonrect"},
    {"buttonrect", &Combo::buttonRect},
    {"activebuttonrect", &Combo::activeButtonRect},
    {"downbuttonrect", &Combo::downButtonRect},
    {"unenabledbuttonrect", &Combo::unenabledButtonRect},
};

using List = TbsDataSkinListBox;
constexpr const char* kVScrollBarName = "vscrollbar";
constexpr const char* kHScrollBarName = "hscrollbar";
constexpr const char* kBothHScrollBarName = "bothhscrollbar";
const KeyDef<List> kListBoxKeys[] = {
    {"itemrect", &List::itemRect},
    {"activeitemrect", &List::activeItemRect},
    {"focusitemrect", &List::focusItemRect},
    {"itemleftoffset", &List::itemLeftOffset},
    {"itemrightoffset", &List::itemRightOffset},
    {"itemtextrect", &List::itemTextRect},
    FontGroupRow<List>(),
    {"activefontcolor", &List::activeFontColor},
    {"focusfontcolor", &List::focusFontColor},
    {"captionrect", &List::captionRect},
    {"captionfontname", &List::captionFontName, "Arial"},
    {"captionfontheight", &List::captionFontHeight, "14"},
    {"captionfontstyle", &List::captionFontStyle},
    {"captionfontcolor", &List::captionFontColor},
    {"upbuttonrect", &List::upButtonRect},
    {"activeupbuttonrect", &List::activeUpButtonRect},
    {"downupbuttonrect", &List::downUpButtonRect},
    {"downbuttonrect", &List::downButtonRect},
    {"activedownbuttonrect", &List::activeDownButtonRect},
    {"downdownbuttonrect", &List::downDownButtonRect},
    {"checkbuttonrect", &List::checkButtonRect},
    {"activecheckbuttonrect", &List::activeCheckButtonRect},
    {"downcheckbuttonrect", &List::downCheckButtonRect},
    {"vscrollbarname", &List::vScrollBarName, kVScrollBarName},
    {"hscrollbarname", &List::hScrollBarName, kHScrollBarName},
    {"bothhscrollbarname", &List::bothHScrollBarName, kBothHScrollBarName},
};

using ScrollBar = TbsDataSkinScrollBarControl;
const KeyDef<ScrollBar> kScrollBarKeys[] = {
    {"trackarea", &ScrollBar::trackArea},
    {"upbuttonrect", &ScrollBar::upButtonRect},
    {"activeupbuttonrect", &ScrollBar::activeUpButtonRect},
    {"downupbuttonrect", &ScrollBar::downUpButtonRect},
    {"downbuttonrect", &ScrollBar::downButtonRect},
    {"activedownbuttonrect", &ScrollBar::activeDownButtonRect},
    {"downdownbuttonrect", &ScrollBar::downDownButtonRect},
    {"thumbrect", &ScrollBar::thumbRect},
    {"activethumbrect", &ScrollBar::activeThumbRect},
    {"downthumbrect", &ScrollBar::downThumbRect},
    {"thumboffset1", &ScrollBar::thumbOffset1},
    {"thumboffset2", &ScrollBar::thumbOffset2},
    {"thumbtransparent", &ScrollBar::thumbTransparent},
    {"thumbtransparentcolor", &ScrollBar::thumbTransparentColor},
    {"glyphrect", &ScrollBar::glyphRect},
    {"activeglyphrect", &ScrollBar::activeGlyphRect},
    {"downglyphrect", &ScrollBar::downGlyphRect},
};

using UpDown = TbsDataSkinUpDownControl;
const KeyDef<UpDown> kUpDownKeys[] = {
    {"upbuttonrect", &UpDown::upButtonRect},
    {"activeupbuttonrect", &UpDown::activeUpButtonRect},
    {"downupbuttonrect", &UpDown::downUpButtonRect},
    {"downbuttonrect", &UpDown::downButtonRect},
    {"activedownbuttonrect", &UpDown::activeDownButtonRect},
    {"downdownbuttonrect", &UpDown::downDownButtonRect},
};

using Tab = TbsDataSkinTabControl;
const KeyDef<Tab> kTabKeys[] = {
    {"tabrect", &Tab::tabRect},
    {"activetabrect", &Tab::activeTabRect},
    {"focustabrect", &Tab::focusTabRect},
    {"mouseintabrect", &Tab::mouseInTabRect},
    {"clientrect", &Tab::clientRect},
    {"bgpictureindex", &Tab::bgPictureIndex, "-1"},
    {"lefttoppoint", &Tab::leftTopPoint},
    {"righttoppoint", &Tab::rightTopPoint},
    {"leftbottompoint", &Tab::leftBottomPoint},
    {"rightbottompoint", &Tab::rightBottomPoint},
    {"tableftoffset", &Tab::tabLeftOffset},
    {"tabrightoffset", &Tab::tabRightOffset},
    {"tabsbgrect", &Tab::tabsBGRect},
    FontGroupRow<Tab>(),
    {"activefontcolor", &Tab::activeFontColor},
    {"focusfontcolor", &Tab::focusFontColor},
    {"mouseinfontcolor", &Tab::mouseInFontColor},
    {"updown", &Tab::upDown},
};

}  // namespace

TbsDataSkinControl::TbsDataSkinControl(std::string name) : sectionName(std::move(name)) {
  ApplyKeyDefaults<C>(kControlKeys, *this);
}

void TbsDataSkinControl::ReadSection(const SkinDefinition& def) {
  ReadKeys<C>(def, sectionName, kControlKeys, *this);
}

void TbsDataSkinControl::WriteSection(SkinDefinition& def) const {
  def.eraseSection(sectionName);
  WriteKeys<C>(def, sectionName, kControlKeys, *this);
}

KAVRO_CONTROL_DATA_CLASS(TbsDataSkinCustomControl, TbsDataSkinControl, kCustomControlKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinPanelControl, TbsDataSkinCustomControl, kPanelKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinExPanelControl, TbsDataSkinCustomControl, kExPanelKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinButtonControl, TbsDataSkinCustomControl, kButtonKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinMenuButtonControl, TbsDataSkinButtonControl, kMenuButtonKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinLabelControl, TbsDataSkinCustomControl, kLabelKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinStdLabelControl, TbsDataSkinControl, kStdLabelKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinGaugeControl, TbsDataSkinCustomControl, kGaugeKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinEditControl, TbsDataSkinCustomControl, kEditKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinComboBox, TbsDataSkinCustomControl, kComboKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinScrollBarControl, TbsDataSkinCustomControl, kScrollBarKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinTabControl, TbsDataSkinControl, kTabKeys)

TbsDataSkinListBox::TbsDataSkinListBox(std::string name)
    : TbsDataSkinCustomControl(std::move(name)) {
  ApplyKeyDefaults<List>(kListBoxKeys, *this);
}

void TbsDataSkinListBox::ReadSection(const SkinDefinition& def) {
  TbsDataSkinCustomControl::ReadSection(def);
  // An absent name means the usual section; a name given empty means no
  // skinned scroll bar section, so the list's scroll bars draw their default
  // look.
  ReadKeys<List>(def, sectionName, kListBoxKeys, *this);
}

void TbsDataSkinListBox::WriteSection(SkinDefinition& def) const {
  TbsDataSkinCustomControl::WriteSection(def);
  WriteKeys<List>(def, sectionName, kListBoxKeys, *this);
}

TbsDataSkinUpDownControl::TbsDataSkinUpDownControl(std::string name)
    : TbsDataSkinCustomControl(std::move(name)) {
  ApplyKeyDefaults<UpDown>(kUpDownKeys, *this);
}

void TbsDataSkinUpDownControl::ReadSection(const SkinDefinition& def) {
  TbsDataSkinCustomControl::ReadSection(def);
  ReadKeys<UpDown>(def, sectionName, kUpDownKeys, *this);
  // An up-down control is drawn at its natural size only.
  leftTopPoint = rightTopPoint = leftBottomPoint = rightBottomPoint = {};
  clientRect = {};
}

void TbsDataSkinUpDownControl::WriteSection(SkinDefinition& def) const {
  TbsDataSkinCustomControl::WriteSection(def);
  // The resizing geometry is written as zero, whatever the fields hold.
  for (const char* key : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"}) {
    WritePoint(def, sectionName, key, {});
  }
  WriteRect(def, sectionName, "clientrect", {});
  WriteKeys<UpDown>(def, sectionName, kUpDownKeys, *this);
}

}  // namespace skin
