// Data of the remaining control kinds a skin lists: check boxes and radio
// buttons, track bars, control bars, spin edits, scroll boxes, memos, check
// list boxes, grids, the main menu bar, tree, list and rich-edit views,
// bevels and sliders. They are read, kept and released with the other
// control data, so that any control of these kinds finds its section.
#pragma once

#include "skin/data/control_data.h"

namespace skin {

// "checkradio"
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinCheckRadioControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Color activeFontColor;
  gfx::Color unenabledFontColor;
  gfx::Color frameFontColor;
  gfx::Rect activeSkinRect;
  gfx::Rect checkImageArea;  // control
  gfx::Rect textArea;        // control
  gfx::Rect checkImageRect, uncheckImageRect;
  gfx::Rect activeCheckImageRect, activeUncheckImageRect;
  gfx::Rect unenabledCheckImageRect, unenabledUncheckImageRect;
  bool morphing = false;
  MorphKind morphKind = MorphKind::Default;
};

// "trackbar"
class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
 public:
  explicit TbsDataSkinTrackBarControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect trackArea;  // control
  gfx::Rect buttonRect;
  gfx::Rect activeButtonRect;
  bool vertical = false;
  bool buttonTransparent = false;
  gfx::Color buttonTransparentColor;
};

// "controlbar"
class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
 public:
  explicit TbsDataSkinControlBar(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect itemRect;
  int bgPictureIndex = -1;
};

// "spinedit"
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinSpinEditControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect activeSkinRect;
  gfx::Color activeFontColor;
  gfx::Color disabledFontColor;
  gfx::Rect upButtonRect;  // control
  gfx::Rect activeUpButtonRect, downUpButtonRect;
  gfx::Rect downButtonRect;  // control
  gfx::Rect activeDownButtonRect, downDownButtonRect;
};

// "scrollbox"
class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
 public:
  explicit TbsDataSkinScrollBoxControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  int bgPictureIndex = -1;
};

// "memo": the edit keys, then its colours.
class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
 public:
  explicit TbsDataSkinMemoControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Color bgColor;
  gfx::Color activeBGColor;
};

// "checklistbox": the list box keys, then the check mark.
class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
 public:
  explicit TbsDataSkinCheckListBox(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect itemCheckRect;  // item
  gfx::Rect checkImageRect;
  gfx::Rect uncheckImageRect;
};

// "grid"
class TbsDataSkinGridControl : public TbsDataSkinControl, public FontKeys {
 public:
  explicit TbsDataSkinGridControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect fixedCellRect;
  gfx::Rect selectCellRect;
  gfx::Rect focusCellRect;
  int fixedCellLeftOffset = 0;
  int fixedCellRightOffset = 0;
  gfx::Rect fixedCellTextRect;  // item
  int cellLeftOffset = 0;
  int cellRightOffset = 0;
  gfx::Rect cellTextRect;  // item
  gfx::Color linesColor;
  gfx::Color bgColor;
  gfx::Color selectFontColor;
  gfx::Color focusFontColor;
  std::string fixedFontName;
  int fixedFontHeight = 0;
  FontStyles fixedFontStyle;
  gfx::Color fixedFontColor;
};

// "mainmenubar": the bar's area and the object sections of its items and
// buttons.
class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
 public:
  explicit TbsDataSkinMainMenuBar(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect itemsRect;      // control
  std::string menuBarItem;  // a "mainmenubaritem" object section
  std::string closeButton;  // "mainmenubarbutton" object sections
  std::string minButton;
  std::string maxButton;
  std::string sysMenuButton;
  gfx::Color trackMarkColor;
  gfx::Color trackMarkActiveColor;
};

// "treeview", "listview" and "richedit" read the same keys.
class TbsDataSkinTreeView : public TbsDataSkinControl, public FontKeys {
 public:
  explicit TbsDataSkinTreeView(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Color bgColor;
};

class TbsDataSkinListView : public TbsDataSkinControl, public FontKeys {
 public:
  explicit TbsDataSkinListView(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Color bgColor;
};

class TbsDataSkinRichEdit : public TbsDataSkinControl, public FontKeys {
 public:
  explicit TbsDataSkinRichEdit(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Color bgColor;
};

// "bevel"
class TbsDataSkinBevel : public TbsDataSkinControl {
 public:
  explicit TbsDataSkinBevel(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Color lightColor;
  gfx::Color darkColor;
};

// "slider"
class TbsDataSkinSlider : public TbsDataSkinControl {
 public:
  explicit TbsDataSkinSlider(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Color bgColor;
  gfx::Rect hRulerRect, hThumbRect;
  gfx::Rect vRulerRect, vThumbRect;
  int edgeSize = 0;
  gfx::Color pointsColor;
};

}  // namespace skin
