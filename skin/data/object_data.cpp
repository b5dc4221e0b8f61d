// Key tables and section reading of the skin object classes.
#include "skin/data/object_data.h"

#include "skin/data/data_class_definition.h"

namespace skin {

namespace {

const KeyDef<TbsDataSkinObject> kObjectKeys[] = {
    {"hint", &TbsDataSkinObject::hint},
    {"activepictureindex", &TbsDataSkinObject::activePictureIndex, "-1"},
    {"skinrectinapicture", &TbsDataSkinObject::skinRectInAPicture},
    {"skinrect", &TbsDataSkinObject::skinRect},
    {"activeskinrect", &TbsDataSkinObject::activeSkinRect},
    {"inactiveskinrect", &TbsDataSkinObject::inactiveSkinRect},
    {"morphing", &TbsDataSkinObject::morphing},
    {"morphkind", &TbsDataSkinObject::morphKind, "mkdefault"},
};

const KeyDef<TbsDataUserObject> kUserObjectKeys[] = {
    {"skinrect", &TbsDataUserObject::skinRect},
};

const KeyDef<TbsDataSkinButton> kButtonKeys[] = {
    {"downrect", &TbsDataSkinButton::downRect},
    {"disableskinrsect", &TbsDataSkinButton::disableSkinRect},
};

const KeyDef<TbsDataSkinStdButton> kStdButtonKeys[] = {
    {"command", &TbsDataSkinStdButton::command, "cmdefault"},
    {"restorerect", &TbsDataSkinStdButton::restoreRect},
    {"restoreactiverect", &TbsDataSkinStdButton::restoreActiveRect},
    {"restoredownrect", &TbsDataSkinStdButton::restoreDownRect},
    {"restoreinactiverect", &TbsDataSkinStdButton::restoreInactiveRect},
};

const KeyDef<TbsDataSkinAnimate> kAnimateKeys[] = {
    {"countframes", &TbsDataSkinAnimate::countFrames, "1"},
    {"cycle", &TbsDataSkinAnimate::cycle},
    {"buttonstyle", &TbsDataSkinAnimate::buttonStyle},
    {"timerinterval", &TbsDataSkinAnimate::timerInterval, "50"},
    {"command", &TbsDataSkinAnimate::command, "cmdefault"},
};

const KeyDef<TbsDataSkinMenuItem> kMenuItemKeys[] = {
    {"itemleftoffset", &TbsDataSkinMenuItem::itemLeftOffset},
    {"itemrightoffset", &TbsDataSkinMenuItem::itemRightOffset},
    {"dividerrect", &TbsDataSkinMenuItem::dividerRect},
    {"dividerleftoffset", &TbsDataSkinMenuItem::dividerLeftOffset},
    {"dividerrightoffset", &TbsDataSkinMenuItem::dividerRightOffset},
    {"textrect", &TbsDataSkinMenuItem::textRect},
    FontGroupRow<TbsDataSkinMenuItem>(),
    {"activefontcolor", &TbsDataSkinMenuItem::activeFontColor},
    {"unenabledfontcolor", &TbsDataSkinMenuItem::unenabledFontColor},
};

const KeyDef<TbsDataSkinMainMenuItem> kMainMenuItemKeys[] = {
    {"itemleftoffset", &TbsDataSkinMainMenuItem::itemLeftOffset},
    {"itemrightoffset", &TbsDataSkinMainMenuItem::itemRightOffset},
    {"downrect", &TbsDataSkinMainMenuItem::downRect},
    {"textrect", &TbsDataSkinMainMenuItem::textRect},
    FontGroupRow<TbsDataSkinMainMenuItem>(),
    {"activefontcolor", &TbsDataSkinMainMenuItem::activeFontColor},
    {"downfontcolor", &TbsDataSkinMainMenuItem::downFontColor},
    // Written with this capital letter by the skins; matching ignores case.
    {"unenabledfontColor", &TbsDataSkinMainMenuItem::unenabledFontColor},
};

const KeyDef<TbsDataSkinCaption> kCaptionKeys[] = {
    {"textrect", &TbsDataSkinCaption::textRect},
    FontGroupRow<TbsDataSkinCaption>(),
    {"activefontcolor", &TbsDataSkinCaption::activeFontColor},
    {"alignment", &TbsDataSkinCaption::alignment, "tacenter"},
    {"shadow", &TbsDataSkinCaption::shadow},
    {"shadowcolor", &TbsDataSkinCaption::shadowColor},
    {"activeshadowcolor", &TbsDataSkinCaption::activeShadowColor},
    {"framerect", &TbsDataSkinCaption::frameRect},
    {"activeframerect", &TbsDataSkinCaption::activeFrameRect},
    {"frametextrect", &TbsDataSkinCaption::frameTextRect},
    {"frameleftoffset", &TbsDataSkinCaption::frameLeftOffset},
    {"framerightoffset", &TbsDataSkinCaption::frameRightOffset},
};

}  // namespace

void TbsDataSkinObject::ReadSection(const SkinDefinition& def) {
  ReadKeys<TbsDataSkinObject>(def, sectionName, kObjectKeys, *this);
}

void TbsDataSkinObject::WriteSection(SkinDefinition& def) const {
  def.eraseSection(sectionName);
  WriteKeys<TbsDataSkinObject>(def, sectionName, kObjectKeys, *this);
}

// A decoration has only its image: the base class keys are not read.
void TbsDataUserObject::ReadSection(const SkinDefinition& def) {
  ReadKeys<TbsDataUserObject>(def, sectionName, kUserObjectKeys, *this);
}

void TbsDataUserObject::WriteSection(SkinDefinition& def) const {
  def.eraseSection(sectionName);
  WriteKeys<TbsDataUserObject>(def, sectionName, kUserObjectKeys, *this);
}

KAVRO_DATA_CLASS_SECTIONS(TbsDataSkinButton, TbsDataSkinObject, kButtonKeys)

KAVRO_DATA_CLASS_SECTIONS(TbsDataSkinStdButton, TbsDataSkinButton, kStdButtonKeys)

void TbsDataSkinAnimate::ReadSection(const SkinDefinition& def) {
  TbsDataSkinObject::ReadSection(def);
  ReadKeys<TbsDataSkinAnimate>(def, sectionName, kAnimateKeys, *this);
  // Frames already change over time; a morph between them is never wanted.
  morphing = false;
}

void TbsDataSkinAnimate::WriteSection(SkinDefinition& def) const {
  TbsDataSkinObject::WriteSection(def);
  WriteKeys<TbsDataSkinAnimate>(def, sectionName, kAnimateKeys, *this);
}

KAVRO_DATA_CLASS_SECTIONS(TbsDataSkinMenuItem, TbsDataSkinObject, kMenuItemKeys)

KAVRO_DATA_CLASS_SECTIONS(TbsDataSkinMainMenuItem, TbsDataSkinObject, kMainMenuItemKeys)

KAVRO_DATA_CLASS_SECTIONS(TbsDataSkinCaption, TbsDataSkinObject, kCaptionKeys)

}  // namespace skin
