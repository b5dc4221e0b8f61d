// Data of the skin control sections listed in [SKINCONTROLS]: the two base
// classes and the kinds the skinned controls draw from (panels, buttons,
// labels, the gauge, edits, combo and list boxes, scroll bars, up-down
// buttons and the page control). Each class reads its keys after its
// parent's (ReadSection) and writes them back (WriteSection); a control
// checks the class of the data it finds with dynamic_cast.
//
// Coordinates: "picture" rects lie in the active picture pictureIndex;
// "control" rects and points are relative to the left-top of skinRect;
// "item" rects are relative to the item image they belong to.
#pragma once

#include <string>

#include "skin/data/key_table.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"

namespace skin {

class TbsDataSkinControl {
 public:
  explicit TbsDataSkinControl(std::string name);
  TbsDataSkinControl(const TbsDataSkinControl&) = delete;
  TbsDataSkinControl& operator=(const TbsDataSkinControl&) = delete;

  virtual void ReadSection(const SkinDefinition& def);
  // TbsDataSkinControl erases the section first; derived classes add their
  // keys after their parent's.
  virtual void WriteSection(SkinDefinition& def) const;
  virtual ~TbsDataSkinControl() = default;

  std::string sectionName;  // by which the data is found

  int pictureIndex = -1;  // -1 or an index past the pictures: none
  int maskPictureIndex = -1;
  gfx::Rect skinRect;  // picture; its size is the control's natural size
};

// Corner points and client rect, so the image can be composed at any size:
// rightBottomPoint with both coordinates non-zero resizes in both
// directions, else rightTopPoint with one non-zero coordinate in width only,
// else leftBottomPoint in height only, else not at all.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
 public:
  explicit TbsDataSkinCustomControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Point leftTopPoint;
  gfx::Point rightTopPoint;
  gfx::Point leftBottomPoint;
  gfx::Point rightBottomPoint;
  gfx::Rect clientRect;
};

// "panel"
class TbsDataSkinPanelControl : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinPanelControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  int bgPictureIndex = -1;
  gfx::Rect captionRect;
  TextAlignment alignment = TextAlignment::Center;
  gfx::Rect checkImageRect;
  gfx::Rect uncheckImageRect;
};

// "expanel": a panel that rolls up to a strip.
class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinExPanelControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect rollHSkinRect;  // rolled up to a vertical strip
  gfx::Rect rollVSkinRect;  // rolled up to a horizontal strip
  int rollLeftOffset = 0;
  int rollRightOffset = 0;
  int rollTopOffset = 0;
  int rollBottomOffset = 0;
  gfx::Rect rollVCaptionRect;
  gfx::Rect rollHCaptionRect;
  gfx::Rect closeButtonRect, closeButtonActiveRect, closeButtonDownRect;
  gfx::Rect hRollButtonRect, hRollButtonActiveRect, hRollButtonDownRect;
  gfx::Rect hRestoreButtonRect, hRestoreButtonActiveRect, hRestoreButtonDownRect;
  gfx::Rect vRollButtonRect, vRollButtonActiveRect, vRollButtonDownRect;
  gfx::Rect vRestoreButtonRect, vRestoreButtonActiveRect, vRestoreButtonDownRect;
  gfx::Rect captionRect;
};

// "splitter": nothing of its own.
class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
};

// "button"
class TbsDataSkinButtonControl : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinButtonControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Color activeFontColor;
  gfx::Color downFontColor;
  gfx::Color disabledFontColor;
  gfx::Rect activeSkinRect;
  gfx::Rect downSkinRect;
  gfx::Rect disabledSkinRect;
  bool morphing = false;
  MorphKind morphKind = MorphKind::Default;
};

// "menubutton": a button with a drop-down part.
class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
 public:
  explicit TbsDataSkinMenuButtonControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect trackButtonRect;  // control
};

// "label"
class TbsDataSkinLabelControl : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinLabelControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;
};

// "stdlabel": no corner points or client rect.
class TbsDataSkinStdLabelControl : public TbsDataSkinControl, public FontKeys {
 public:
  explicit TbsDataSkinStdLabelControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Color activeFontColor;  // default 16711680 (blue): a link under the mouse
};

// "gauge"
class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinGaugeControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect progressArea;  // control
  gfx::Rect progressRect;  // picture
  int beginOffset = 0;
  int endOffset = 0;
  bool vertical = false;
  bool progressTransparent = false;
  gfx::Color progressTransparentColor;
};

// "edit"
class TbsDataSkinEditControl : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinEditControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect activeSkinRect;
  gfx::Color disabledFontColor;
  gfx::Color activeFontColor;
  gfx::Rect buttonRect;  // control
  gfx::Rect activeButtonRect;
  gfx::Rect downButtonRect;
  gfx::Rect unenabledButtonRect;
};

// "combobox"
class TbsDataSkinComboBox : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinComboBox(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect itemRect;
  gfx::Rect focusItemRect;
  int itemLeftOffset = 0;
  int itemRightOffset = 0;
  gfx::Rect itemTextRect;  // item
  gfx::Color focusFontColor;
  std::string listBoxName;  // list box data of the drop-down list
  gfx::Rect buttonRect;     // control
  gfx::Rect activeButtonRect;
  gfx::Rect downButtonRect;
  gfx::Rect unenabledButtonRect;
};

// "listbox". An absent scroll bar name means its usual section, an empty one
// no section (the default look).
class TbsDataSkinListBox : public TbsDataSkinCustomControl, public FontKeys {
 public:
  explicit TbsDataSkinListBox(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect itemRect;
  gfx::Rect activeItemRect;
  gfx::Rect focusItemRect;
  int itemLeftOffset = 0;
  int itemRightOffset = 0;
  gfx::Rect itemTextRect;  // item
  gfx::Color activeFontColor;
  gfx::Color focusFontColor;
  gfx::Rect captionRect;  // control
  std::string captionFontName;
  int captionFontHeight = 0;
  FontStyles captionFontStyle;
  gfx::Color captionFontColor;
  gfx::Rect upButtonRect;  // control
  gfx::Rect activeUpButtonRect, downUpButtonRect;
  gfx::Rect downButtonRect;  // control
  gfx::Rect activeDownButtonRect, downDownButtonRect;
  gfx::Rect checkButtonRect;  // control
  gfx::Rect activeCheckButtonRect, downCheckButtonRect;
  std::string vScrollBarName;      // "vscrollbar"
  std::string hScrollBarName;      // "hscrollbar"
  std::string bothHScrollBarName;  // "bothhscrollbar"
};

// "scrollbar"
class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
 public:
  explicit TbsDataSkinScrollBarControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect trackArea;     // control
  gfx::Rect upButtonRect;  // control
  gfx::Rect activeUpButtonRect, downUpButtonRect;
  gfx::Rect downButtonRect;  // control
  gfx::Rect activeDownButtonRect, downDownButtonRect;
  gfx::Rect thumbRect, activeThumbRect, downThumbRect;
  int thumbOffset1 = 0;
  int thumbOffset2 = 0;
  bool thumbTransparent = false;
  gfx::Color thumbTransparentColor;
  gfx::Rect glyphRect, activeGlyphRect, downGlyphRect;
};

// "updown": always drawn at its natural size, so its corner points and
// client rect are zero whatever the section says.
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
 public:
  explicit TbsDataSkinUpDownControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect upButtonRect;  // control
  gfx::Rect activeUpButtonRect, downUpButtonRect;
  gfx::Rect downButtonRect;  // control
  gfx::Rect activeDownButtonRect, downDownButtonRect;
};

// "tab": the page control; reads its own corner points and client rect.
class TbsDataSkinTabControl : public TbsDataSkinControl, public FontKeys {
 public:
  explicit TbsDataSkinTabControl(std::string name);
  void ReadSection(const SkinDefinition& def) override;
  void WriteSection(SkinDefinition& def) const override;

  gfx::Rect tabRect;
  gfx::Rect activeTabRect;
  gfx::Rect focusTabRect;
  gfx::Rect mouseInTabRect;
  gfx::Rect clientRect;  // control
  int bgPictureIndex = -1;
  gfx::Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
  int tabLeftOffset = 0;
  int tabRightOffset = 0;
  gfx::Rect tabsBGRect;
  gfx::Color activeFontColor;
  gfx::Color focusFontColor;
  gfx::Color mouseInFontColor;
  std::string upDown;  // up-down data that scrolls the tabs
};

}  // namespace skin
