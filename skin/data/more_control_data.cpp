// Key tables of the remaining control kinds.
#include "skin/data/more_control_data.h"

#include "skin/data/data_class_definition.h"

namespace skin {

namespace {

using CheckRadio = TbsDataSkinCheckRadioControl;
const KeyDef<CheckRadio> kCheckRadioKeys[] = {
    FontGroupRow<CheckRadio>(),
    {"activefontcolor", &CheckRadio::activeFontColor},
    {"unenabledfontcolor", &CheckRadio::unenabledFontColor},
    {"framefontcolor", &CheckRadio::frameFontColor, "", "font"},
    {"activeskinrect", &CheckRadio::activeSkinRect},
    {"checkimagearea", &CheckRadio::checkImageArea},
    {"textarea", &CheckRadio::textArea},
    {"checkimagerect", &CheckRadio::checkImageRect},
    {"uncheckimagerect", &CheckRadio::uncheckImageRect},
    {"activecheckimagerect", &CheckRadio::activeCheckImageRect},
    {"activeuncheckimagerect", &CheckRadio::activeUncheckImageRect},
    {"unenabledcheckimagerect", &CheckRadio::unenabledCheckImageRect},
    {"unenableduncheckimagerect", &CheckRadio::unenabledUncheckImageRect},
    {"morphing", &CheckRadio::morphing},
    {"morphkind", &CheckRadio::morphKind, "mkdefault"},
};

using TrackBar = TbsDataSkinTrackBarControl;
const KeyDef<TrackBar> kTrackBarKeys[] = {
    {"trackarea", &TrackBar::trackArea},
    {"buttonrect", &TrackBar::buttonRect},
    {"activebuttonrect", &TrackBar::activeButtonRect},
    {"vertical", &TrackBar::vertical},
    {"buttontransparent", &TrackBar::buttonTransparent},
    {"buttontransparentcolor", &TrackBar::buttonTransparentColor},
};

using ControlBar = TbsDataSkinControlBar;
const KeyDef<ControlBar> kControlBarKeys[] = {
    {"itemrect", &ControlBar::itemRect},
    {"bgpictureindex", &ControlBar::bgPictureIndex, "-1"},
};

using SpinEdit = TbsDataSkinSpinEditControl;
const KeyDef<SpinEdit> kSpinEditKeys[] = {
    {"activeskinrect", &SpinEdit::activeSkinRect},
    FontGroupRow<SpinEdit>(),
    {"activefontcolor", &SpinEdit::activeFontColor},
    {"disabledfontcolor", &SpinEdit::disabledFontColor},
    {"upbuttonrect", &SpinEdit::upButtonRect},
    {"activeupbuttonrect", &SpinEdit::activeUpButtonRect},
    {"downupbuttonrect", &SpinEdit::downUpButtonRect},
    {"downbuttonrect", &SpinEdit::downButtonRect},
    {"activedownbuttonrect", &SpinEdit::activeDownButtonRect},
    {"downdownbuttonrect", &SpinEdit::downDownButtonRect},
};

using ScrollBox = TbsDataSkinScrollBoxControl;
const KeyDef<ScrollBox> kScrollBoxKeys[] = {
    {"bgpictureindex", &ScrollBox::bgPictureIndex, "-1"},
};

using Memo = TbsDataSkinMemoControl;
const KeyDef<Memo> kMemoKeys[] = {
    {"bgcolor", &Memo::bgColor},
    {"activebgcolor", &Memo::activeBGColor},
};

using CheckList = TbsDataSkinCheckListBox;
const KeyDef<CheckList> kCheckListBoxKeys[] = {
    {"itemcheckrect", &CheckList::itemCheckRect},
    {"checkimagerect", &CheckList::checkImageRect},
    {"uncheckimagerect", &CheckList::uncheckImageRect, "", "itemcheckrect"},
};

using Grid = TbsDataSkinGridControl;
const KeyDef<Grid> kGridKeys[] = {
    {"fixedcellrect", &Grid::fixedCellRect},
    {"selectcellrect", &Grid::selectCellRect},
    {"focuscellrect", &Grid::focusCellRect},
    {"fixedcellleftoffset", &Grid::fixedCellLeftOffset},
    {"fixedcellrightoffset", &Grid::fixedCellRightOffset},
    {"fixedcelltextrect", &Grid::fixedCellTextRect},
    {"cellleftoffset", &Grid::cellLeftOffset},
    {"cellrightoffset", &Grid::cellRightOffset},
    {"celltextrect", &Grid::cellTextRect},
    {"linescolor", &Grid::linesColor},
    {"bgcolor", &Grid::bgColor},
    FontGroupRow<Grid>(),
    {"selectfontcolor", &Grid::selectFontColor},
    {"focusfontcolor", &Grid::focusFontColor},
    {"fixedfontname", &Grid::fixedFontName, "Arial"},
    {"fixedfontheight", &Grid::fixedFontHeight, "14"},
    {"fixedfontstyle", &Grid::fixedFontStyle},
    {"fixedfontcolor", &Grid::fixedFontColor},
};

using MenuBar = TbsDataSkinMainMenuBar;
const KeyDef<MenuBar> kMainMenuBarKeys[] = {
    {"itemsrect", &MenuBar::itemsRect},
    {"menubaritem", &MenuBar::menuBarItem},
    {"closebutton", &MenuBar::closeButton},
    {"minbutton", &MenuBar::minButton},
    {"maxbutton", &MenuBar::maxButton},
    {"sysmenubutton", &MenuBar::sysMenuButton},
    {"trackmarkcolor", &MenuBar::trackMarkColor},
    {"trackmarkactivecolor", &MenuBar::trackMarkActiveColor},
};

// Tree views, list views and rich edits share their keys.
template <class T>
constexpr KeyDef<T> kTextViewKeys[] = {
    FontGroupRow<T>(),
    {"bgcolor", &T::bgColor},
};

using Bevel = TbsDataSkinBevel;
const KeyDef<Bevel> kBevelKeys[] = {
    {"lightcolor", &Bevel::lightColor},
    {"darkcolor", &Bevel::darkColor},
};

using Slider = TbsDataSkinSlider;
const KeyDef<Slider> kSliderKeys[] = {
    {"bgcolor", &Slider::bgColor},         {"hrulerrect", &Slider::hRulerRect},
    {"hthumbrect", &Slider::hThumbRect},   {"vrulerrect", &Slider::vRulerRect},
    {"vthumbrect", &Slider::vThumbRect},   {"edgesize", &Slider::edgeSize},
    {"pointscolor", &Slider::pointsColor},
};

}  // namespace

KAVRO_CONTROL_DATA_CLASS(TbsDataSkinCheckRadioControl, TbsDataSkinCustomControl, kCheckRadioKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinTrackBarControl, TbsDataSkinCustomControl, kTrackBarKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinControlBar, TbsDataSkinCustomControl, kControlBarKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinSpinEditControl, TbsDataSkinCustomControl, kSpinEditKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinScrollBoxControl, TbsDataSkinCustomControl, kScrollBoxKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinMemoControl, TbsDataSkinEditControl, kMemoKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinCheckListBox, TbsDataSkinListBox, kCheckListBoxKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinGridControl, TbsDataSkinControl, kGridKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinMainMenuBar, TbsDataSkinControl, kMainMenuBarKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinTreeView, TbsDataSkinControl,
                         kTextViewKeys<TbsDataSkinTreeView>)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinListView, TbsDataSkinControl,
                         kTextViewKeys<TbsDataSkinListView>)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinRichEdit, TbsDataSkinControl,
                         kTextViewKeys<TbsDataSkinRichEdit>)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinBevel, TbsDataSkinControl, kBevelKeys)
KAVRO_CONTROL_DATA_CLASS(TbsDataSkinSlider, TbsDataSkinControl, kSliderKeys)

}  // namespace skin
