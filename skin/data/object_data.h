// Data of the skin objects listed in [SKINOBJECTS]: the caption, caption
// buttons, animated frame pieces, free decorations, popup menu items and the
// main menu bar's items and buttons. Each class reads its section after its
// parent's keys (ReadSection) and writes it back (WriteSection).
//
// Rect coordinates: "skinrect" lies in the main picture, or in the active
// picture activePictureIndex when skinRectInAPicture is set; every other
// rect lies in the active picture, except textRect and frameTextRect, which
// are relative to the object's own area.
#pragma once

#include <string>

#include "skin/data/key_table.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"

namespace skin {

class TbsDataSkinObject {
 public:
  explicit TbsDataSkinObject(std::string name) : sectionName(std::move(name)) {}
  TbsDataSkinObject(const TbsDataSkinObject&) = delete;
  TbsDataSkinObject& operator=(const TbsDataSkinObject&) = delete;

  // Reads the object's keys from its section.
  virtual void ReadSection(const SkinDefinition& def);
  // Erases the section and writes the object's keys back into it.
  virtual void WriteSection(SkinDefinition& def) const;
  virtual ~TbsDataSkinObject() = default;

  std::string sectionName;  // the section name, by which the object is found

  std::string hint;
  int activePictureIndex = -1;  // -1 or an index past the pictures: none
  bool skinRectInAPicture = false;
  gfx::Rect skinRect;  // its size is the object's size
  gfx::Rect activeSkinRect;
  gfx::Rect inactiveSkinRect;
  bool morphing = false;
  MorphKind morphKind = MorphKind::Default;
};

// "userobject": a free decoration. Reads only "skinrect".
class TbsDataUserObject : public TbsDataSkinObject {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;
};

// "button"
class TbsDataSkinButton : public TbsDataSkinObject {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect downRect;
  gfx::Rect disableSkinRect;  // key "disableskinrsect", spelled so in every skin
};

// "stdbutton": a caption button with a window command.
class TbsDataSkinStdButton : public TbsDataSkinButton {
 public:
  using TbsDataSkinButton::TbsDataSkinButton;
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  StdCommand command = StdCommand::Close;
  // Images while the window is in the state the button changes (maximized,
  // minimized, rolled up).
  gfx::Rect restoreRect;
  gfx::Rect restoreActiveRect;
  gfx::Rect restoreDownRect;
  gfx::Rect restoreInactiveRect;
};

// "mainmenubarbutton"
class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
 public:
  using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

// "animate": frame n (from 1) is a skinRect-sized rect whose left-top is
// activeSkinRect's moved right by (n - 1) * skinRect width. Never morphs.
class TbsDataSkinAnimate : public TbsDataSkinObject {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  int countFrames = 0;
  bool cycle = false;
  bool buttonStyle = false;
  int timerInterval = 0;
  StdCommand command = StdCommand::Close;
};

// "menuitem": an item of a popup menu.
class TbsDataSkinMenuItem : public TbsDataSkinObject, public FontKeys {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  int itemLeftOffset = 0;
  int itemRightOffset = 0;
  gfx::Rect dividerRect;
  int dividerLeftOffset = 0;
  int dividerRightOffset = 0;
  gfx::Rect textRect;
  // fontName, fontHeight, fontStyle, fontColor
  gfx::Color activeFontColor;
  gfx::Color unenabledFontColor;
};

// An item of the main menu bar; no kind word makes this class itself.
class TbsDataSkinMainMenuItem : public TbsDataSkinObject, public FontKeys {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  int itemLeftOffset = 0;
  int itemRightOffset = 0;
  gfx::Rect downRect;
  gfx::Rect textRect;
  // fontName, fontHeight, fontStyle, fontColor
  gfx::Color activeFontColor;
  gfx::Color downFontColor;
  gfx::Color unenabledFontColor;
};

// "mainmenubaritem"
class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
 public:
  using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

// "caption": the caption text of a window frame.
class TbsDataSkinCaption : public TbsDataSkinObject, public FontKeys {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect textRect;
  // fontName, fontHeight, fontStyle, fontColor (inactive window)
  gfx::Color activeFontColor;
  TextAlignment alignment = TextAlignment::LeftJustify;
  bool shadow = false;
  gfx::Color shadowColor;
  gfx::Color activeShadowColor;
  gfx::Rect frameRect;
  gfx::Rect activeFrameRect;
  gfx::Rect frameTextRect;
  int frameLeftOffset = 0;
  int frameRightOffset = 0;
};

}  // namespace skin
