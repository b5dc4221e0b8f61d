// TbsSkinPasswordEdit: a self-drawn editor for secret text. It keeps the
// text itself and shows one mark per character (a rounded square, a square
// or a triangle), never the characters, on the frame of an "edit" section.
//
// Nothing of the secret leaves the control except through Text(): there is
// no copy, no cut, no context menu and no selection owned on the window
// system, and the characters are overwritten when the text is replaced or
// the control goes.
#pragma once

#include <functional>
#include <string>

#include "skin/controls/edit_layout.h"
#include "skin/controls/secret_text.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_edit.h"

namespace skin {

class TbsDataSkinEditControl;

enum class TbsPasswordKind { pkRoundRect, pkRect, pkTriangle };

class TbsSkinPasswordEdit : public TbsSkinCustomControl {
 public:
  explicit TbsSkinPasswordEdit(ui::Component* owner = nullptr);
  ~TbsSkinPasswordEdit() override;

  // The secret as UTF-8. Setting it stores the value (case-converted per
  // CharCase), repaints and, when it differs, fires OnChange.
  std::string Text() const { return text_.utf8(); }
  void setPasswordText(const std::string& text);
  int textLength() const { return text_.length(); }

  TbsPasswordKind PasswordKind() const { return kind_; }
  void setPasswordKind(TbsPasswordKind k);
  MarkAlignment TextAlignment() const { return alignment_; }
  void setTextAlignment(MarkAlignment a);
  bool AutoSelect() const { return autoSelect_; }
  void setAutoSelect(bool on) { autoSelect_ = on; }
  TEditCharCase CharCase() const { return charCase_; }
  void setCharCase(TEditCharCase c);
  bool HideSelection() const { return hideSelection_; }
  void setHideSelection(bool on);
  // 0 = no limit; tested at the next insertion.
  int MaxLength() const { return maxLength_; }
  void setMaxLength(int n) { maxLength_ = n < 0 ? 0 : n; }
  bool ReadOnly() const { return readOnly_; }
  void setReadOnly(bool on) { readOnly_ = on; }

  // Editing state: caret gap c, signed selection length l (the selection
  // runs from c to c + l), first visible character v (1-based).
  int caret() const { return caret_; }
  int selLength() const { return selLength_; }
  int selStart() const { return std::min(caret_, caret_ + selLength_); }
  int selEnd() const { return std::max(caret_, caret_ + selLength_); }
  int firstVisible() const { return first_; }
  void selectAll();

  // Inserts t at the selection as typing or a paste does.
  void insertText(const std::u32string& t);

  // Virtual operations of the password box, in slot order.
  virtual void GetEditRect(gfx::Rect& rect) const;
  virtual void GetSelectionRect(gfx::Rect& rect) const;
  virtual void ShowEditCaret();
  virtual void HideEditCaret();

  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void CalcSkinSize(int& width, int& height) override;

  PasswordCells cells() const;
  bool hot() const { return mouseInside() || focused(); }
  // Colour of the marks in the current state.
  gfx::Color markColor() const;

  std::function<void(TbsSkinPasswordEdit&)> OnChange;

 protected:
  void wndProc(ui::Message& m) override;
  void keyDown(int& key, unsigned shift) override;
  void keyPress(char32_t& ch) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseEnter() override;
  void mouseLeave() override;

 private:
  const TbsDataSkinEditControl* editSection() const;
  // Moves the caret; with extend the selection grows as with Shift held.
  void moveCaret(int to, bool extend);
  void deleteRange(int from, int to);
  void changed();
  void paste();
  void drawMarks(gfx::Bitmap& bitmap);
  void scroll();
  int wordStartBefore(int p) const;
  int wordStartAfter(int p) const;

  SecretText text_;
  TbsPasswordKind kind_ = TbsPasswordKind::pkRoundRect;
  MarkAlignment alignment_ = MarkAlignment::Left;
  TEditCharCase charCase_ = TEditCharCase::ecNormal;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  bool readOnly_ = false;
  int maxLength_ = 0;
  int caret_ = 0;
  int selLength_ = 0;
  int first_ = 1;
  bool mouseSelecting_ = false;
  bool takingText_ = false;
};

}  // namespace skin
