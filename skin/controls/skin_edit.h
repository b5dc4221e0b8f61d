// TbsSkinEdit: a single-line edit box whose frame and background come from
// an "edit" section of the skin, over the platform's native line editor.
//
// The native editor (a QLineEdit hosted in the control) edits and draws the
// text, the caret and the selection, keeps undo and talks to the clipboard
// and the input methods, so every kind of text, Chinese too, can be typed.
// It draws its text with a transparent background over the skin picture the
// control paints behind it. The control adds the skin's frame and state
// colours, a button at the right end (ButtonMode), Enter and Escape kept out
// of the text and the skinned context menu.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "skin/controls/edit_layout.h"
#include "skin/controls/skin_control.h"
#include "skin/popup/skin_popup_menu.h"

class QLineEdit;
class QEvent;

namespace skin {

class TbsDataSkinEditControl;
class NativeLineEdit;

enum class EditAlignment { Left, Right, Center };
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TbsSkinEdit : public SkinCustomLayer<SkinControlLayer<ui::WidgetHost>> {
 public:
  explicit TbsSkinEdit(ui::Component* owner = nullptr);
  ~TbsSkinEdit() override;

  // The edited text (the native editor's); also what text() reads.
  std::string Text() const;
  void setEditText(const std::string& text);

  EditAlignment Alignment() const { return alignment_; }
  void setAlignment(EditAlignment a);
  bool ButtonMode() const { return buttonMode_; }
  void setButtonMode(bool on);
  bool ReadOnly() const { return readOnly_; }
  void setReadOnly(bool on);
  // 0 = no limit.
  int MaxLength() const { return maxLength_; }
  void setMaxLength(int n);
  TEditCharCase CharCase() const { return charCase_; }
  void setCharCase(TEditCharCase c);
  bool AutoSelect() const { return autoSelect_; }
  void setAutoSelect(bool on) { autoSelect_ = on; }
  // A menu of the application's own replaces the skinned edit menu.
  ui::PopupMenu* PopupMenu() const { return popupMenu_; }
  void setPopupMenu(ui::PopupMenu* menu) { popupMenu_ = menu; }

  // Selection in characters of the native editor.
  void selectAll();
  void setSelection(int start, int length);
  int selStart() const;
  int selLength() const;

  // The font the native editor draws with; managed by the skin rules.
  const gfx::Font& Font() const { return font(); }
  // Colour the text has in the current state.
  gfx::Color textColor() const { return textColor_; }

  // Virtual operations of the skin contract.
  void ReadSkinSection() override;
  void ChangeSkinData() override;
  void DefaultFontChanged() override;
  void CalcSkinSize(int& width, int& height) override;
  void setBounds(int left, int top, int width, int height) override;

  // Placed geometry for the current size (tests and hit testing).
  EditPlaces places() const;
  // The edit's context menu while it exists (it is made on demand).
  TbsSkinPopupMenu* contextMenu() const { return contextMenu_.get(); }
  // Opens the context menu at a screen point, as a right click does.
  void showContextMenu(gfx::Point screen);

  bool buttonHot() const { return buttonHot_; }
  bool buttonPressed() const { return buttonPressed_; }
  bool hot() const;

  QLineEdit* lineEdit() const;

  std::function<void(TbsSkinEdit&)> OnButtonClick;
  std::function<void(TbsSkinEdit&)> OnChange;

 protected:
  void wndProc(ui::Message& m) override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseEnter() override;
  void mouseLeave() override;

 private:
  friend class NativeLineEdit;
  const TbsDataSkinEditControl* editSection() const;
  EditSectionGeometry sectionGeometry() const;
  // Font, colours and height for the section (or its absence).
  void applyFont();
  void applyStateColor();
  void placeNative();
  int lineHeight() const;
  // Events of the native editor, before it handles them; true = consumed.
  bool nativeKeyPress(int qtKey, unsigned shift, const std::u32string& text);
  void nativeKeyRelease(int qtKey, unsigned shift);
  void nativeFocus(bool in, bool byMouse);
  void nativeTextChanged();
  void buildContextMenu();
  std::string menuCaption(const char* key, const char* builtIn) const;

  NativeLineEdit* native_ = nullptr;
  std::unique_ptr<TbsSkinPopupMenu> contextMenu_;
  ui::PopupMenu* popupMenu_ = nullptr;
  EditAlignment alignment_ = EditAlignment::Left;
  TEditCharCase charCase_ = TEditCharCase::ecNormal;
  int maxLength_ = 0;
  bool buttonMode_ = false;
  bool readOnly_ = false;
  bool autoSelect_ = true;
  bool buttonHot_ = false;
  bool buttonPressed_ = false;
  bool syncingText_ = false;
  bool menuFreePending_ = false;
  bool fontApplied_ = false;
  gfx::Color textColor_ = gfx::kBlack;
};

}  // namespace skin
