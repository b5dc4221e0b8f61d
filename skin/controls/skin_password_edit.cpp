// The self-drawn password box.
#include "skin/controls/skin_password_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>
#include <algorithm>

#include "skin/data/control_data.h"
#include "skin/draw/strip_image.h"
#include "skin/draw/tiling.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"
#include "ui/keys.h"

namespace skin {

namespace {

gfx::Rect OrIfNull(const gfx::Rect& r, const gfx::Rect& other) {
  return gfx::IsNullRect(r) ? other : r;
}

bool IsSpace(char32_t c) { return c == U' ' || c == U'\t' || c == 0x3000; }

}  // namespace

TbsSkinPasswordEdit::TbsSkinPasswordEdit(ui::Component* owner) : TbsSkinCustomControl(owner) {
  SetSkinDataName("edit");
  setTabStop(true);
  setAcceptsFocus(true);
  setCursor(ui::Cursor::IBeam);
  setColor(gfx::SystemColor(gfx::SysColor::Window));
  setBounds(0, 0, 121, 21);
}

TbsSkinPasswordEdit::~TbsSkinPasswordEdit() { text_.clear(); }

void TbsSkinPasswordEdit::setPasswordText(const std::string& text) {
  SecretText next;
  next.assignUtf8(text);
  if (charCase_ == TEditCharCase::ecUpperCase) next.toUpper();
  if (charCase_ == TEditCharCase::ecLowerCase) next.toLower();
  const bool differs = !next.equals(text_);
  // The old characters go with `next`, which wipes them.
  text_.swap(next);
  caret_ = std::min(caret_, text_.length());
  selLength_ = 0;
  first_ = std::clamp(first_, 1, std::max(1, text_.length()));
  invalidate();
  if (differs) changed();
}

void TbsSkinPasswordEdit::setPasswordKind(TbsPasswordKind k) {
  if (kind_ == k) return;
  kind_ = k;
  invalidate();
}

void TbsSkinPasswordEdit::setTextAlignment(MarkAlignment a) {
  if (alignment_ == a) return;
  alignment_ = a;
  invalidate();
}

void TbsSkinPasswordEdit::setHideSelection(bool on) {
  if (hideSelection_ == on) return;
  hideSelection_ = on;
  invalidate();
}

void TbsSkinPasswordEdit::setCharCase(TEditCharCase c) {
  charCase_ = c;
  if (c == TEditCharCase::ecUpperCase) text_.toUpper();
  if (c == TEditCharCase::ecLowerCase) text_.toLower();
  invalidate();
}

void TbsSkinPasswordEdit::selectAll() {
  caret_ = 0;
  selLength_ = text_.length();
  scroll();
  ShowEditCaret();
  invalidate();
}

const TbsDataSkinEditControl* TbsSkinPasswordEdit::editSection() const {
  return sectionIndex_ == -1 ? nullptr : SectionAs<TbsDataSkinEditControl>();
}

void TbsSkinPasswordEdit::ReadSkinSection() {
  TbsSkinCustomControl::ReadSkinSection();
  // A section of another kind carries no edit keys: default look.
  // Nor has one with an empty skinrect a picture to fix the height by.
  if (sectionIndex_ != -1 &&
      (SectionAs<TbsDataSkinEditControl>() == nullptr || gfx::IsNullRect(SkinRect()))) {
    sectionIndex_ = -1;
    sectionPicture().clear();
  }
}

void TbsSkinPasswordEdit::CalcSkinSize(int& width, int& height) {
  const int proposed = height;
  TbsSkinCustomControl::CalcSkinSize(width, height);
  // The skin font fixes the height at the picture's; without it the
  // height follows the request.
  height = UseSkinFont() ? SkinRect().height() : proposed;
  sectionPicture().placeFor(width, height);
}

void TbsSkinPasswordEdit::GetEditRect(gfx::Rect& rect) const {
  if (editSection() == nullptr) {
    rect = {2, 2, width() - 2, height() - 2};
    return;
  }
  rect = SkinPoints().clientRect;
  rect.right += width() - SkinRect().width();
  if (!UseSkinFont()) rect.bottom += height() - SkinRect().height();
}

PasswordCells TbsSkinPasswordEdit::cells() const {
  gfx::Rect r;
  GetEditRect(r);
  return PlacePasswordCells(r, text_.length(), first_, alignment_);
}

void TbsSkinPasswordEdit::GetSelectionRect(gfx::Rect& rect) const {
  const PasswordCells c = cells();
  rect = {c.gapX(selStart()), c.editRect.top, c.gapX(selEnd()), c.editRect.bottom};
  rect = gfx::IntersectRect(rect, c.editRect);
}

void TbsSkinPasswordEdit::ShowEditCaret() {
  if (!focused()) return;
  const PasswordCells c = cells();
  setCaretPos(c.gapX(caret_), c.editRect.top);
  showCaret();
}

void TbsSkinPasswordEdit::HideEditCaret() { destroyCaret(); }

gfx::Color TbsSkinPasswordEdit::markColor() const {
  const TbsDataSkinEditControl* s = editSection();
  if (!enabled()) return s ? s->disabledFontColor : gfx::SystemColor(gfx::SysColor::GrayText);
  if (s == nullptr) return gfx::SystemColor(gfx::SysColor::WindowText);
  return hot() ? s->activeFontColor : s->fontColor;
}

void TbsSkinPasswordEdit::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas c(bitmap);
  c.fillRect({0, 0, width(), height()}, color());
  c.frameRect({0, 0, width(), height()}, gfx::SystemColor(gfx::SysColor::ButtonShadow));
  c.frameRect({1, 1, width() - 1, height() - 1}, gfx::SystemColor(gfx::SysColor::ButtonFace));
  drawMarks(bitmap);
}

void TbsSkinPasswordEdit::DrawSkinImage(gfx::Bitmap& bitmap) {
  const TbsDataSkinEditControl* s = editSection();
  const gfx::Bitmap* pic = Picture();
  if (s == nullptr || pic == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  const gfx::Rect skin = SkinRect();
  const gfx::Rect state = hot() ? OrIfNull(s->activeSkinRect, skin) : skin;
  const gfx::Rect area = gfx::Rect::fromSize(state.left, state.top, skin.width(), skin.height());
  bitmap.fill(color());
  gfx::Bitmap strip;
  ComposeHorzStrip(std::max(0, SkinPoints().leftTop.x),
                   std::max(0, skin.width() - SkinPoints().rightTop.x), strip, *pic, area, width());
  if (!strip.empty()) {
    if (strip.height() == height()) {
      bitmap.draw(0, 0, strip);
    } else {
      StretchPiece(bitmap, {0, 0, width(), height()}, strip, strip.rect());
    }
  }
  drawMarks(bitmap);
}

void TbsSkinPasswordEdit::drawMarks(gfx::Bitmap& bitmap) {
  const PasswordCells c = cells();
  if (gfx::IsNullRect(c.editRect)) return;
  gfx::Canvas canvas(bitmap);
  const bool showSelection = selLength_ != 0 && (focused() || !hideSelection_);
  if (showSelection) {
    gfx::Rect sel;
    GetSelectionRect(sel);
    if (!gfx::IsNullRect(sel)) canvas.fillRect(sel, gfx::SystemColor(gfx::SysColor::Highlight));
  }
  const gfx::Color normal = markColor();
  const gfx::Color selected = gfx::SystemColor(gfx::SysColor::HighlightText);
  const int count = c.visibleCount();
  for (int i = 0; i < count; ++i) {
    const int k = c.first - 1 + i;
    const gfx::Color col = showSelection && k >= selStart() && k < selEnd() ? selected : normal;
    const gfx::Rect cell = c.cell(i);
    gfx::Rect sq = MarkSquare(cell);
    if (gfx::IsNullRect(sq)) continue;
    switch (kind_) {
      case TbsPasswordKind::pkRect:
        canvas.fillRect(sq, col);
        break;
      case TbsPasswordKind::pkRoundRect: {
        // Corner ellipses half the side wide and high: a radius of a
        // quarter side (rounded up, so that even the small marks of a
        // low box lose their corner pixels), drawn row by row so that
        // they stay symmetric.
        const int radius = (std::min(sq.width(), sq.height()) + 3) / 4;
        for (int y = 0; y < sq.height(); ++y) {
          const int in = RoundedRowInset(y, sq.height(), radius);
          canvas.fillRect({sq.left + in, sq.top + y, sq.right - in, sq.top + y + 1}, col);
        }
        break;
      }
      case TbsPasswordKind::pkTriangle: {
        int side = sq.width();
        if (side % 2 == 0) ++side;
        const int left = cell.left + (cell.width() - side) / 2;
        const int top = cell.top + (cell.height() - side) / 2;
        const int right = left + side;
        const int bottom = top + side;
        canvas.setPenColor(col);
        canvas.setBrushColor(col);
        canvas.polygon({{left + side / 2 + 1, top}, {right, bottom}, {left, bottom}});
        break;
      }
    }
  }
}

void TbsSkinPasswordEdit::scroll() {
  const PasswordCells c = cells();
  first_ = ScrollFirstVisible(first_, caret_, text_.length(), c.editRect.width(), c.cellWidth);
}

void TbsSkinPasswordEdit::moveCaret(int to, bool extend) {
  to = std::clamp(to, 0, text_.length());
  if (extend) {
    selLength_ += caret_ - to;
  } else {
    selLength_ = 0;
  }
  caret_ = to;
  scroll();
  ShowEditCaret();
  invalidate();
}

void TbsSkinPasswordEdit::deleteRange(int from, int to) {
  text_.erase(from, to - from);
  caret_ = from;
  selLength_ = 0;
  changed();
}

void TbsSkinPasswordEdit::changed() {
  if (enabled()) {
    scroll();
    ShowEditCaret();
  }
  invalidate();
  if (OnChange) OnChange(*this);
}

void TbsSkinPasswordEdit::insertText(const std::u32string& t) {
  if (readOnly_) return;
  const int s = selStart();
  const int e = selEnd();
  const long long result =
      static_cast<long long>(text_.length()) - (e - s) + static_cast<long long>(t.size());
  if (maxLength_ > 0 && result > maxLength_) {
    selLength_ = 0;
    invalidate();
    return;
  }
  std::u32string ins = t;
  for (char32_t& ch : ins) {
    if (charCase_ == TEditCharCase::ecUpperCase) ch = QChar::toUpper(ch);
    if (charCase_ == TEditCharCase::ecLowerCase) ch = QChar::toLower(ch);
  }
  text_.erase(s, e - s);
  text_.insert(s, ins);
  WipeBytes(ins.data(), ins.size() * sizeof(char32_t));
  caret_ = s + static_cast<int>(t.size());
  selLength_ = 0;
  changed();
}

void TbsSkinPasswordEdit::paste() {
  const QString clip = QGuiApplication::clipboard()->text();
  std::u32string t;
  t.reserve(static_cast<std::size_t>(clip.size()));
  // A single line takes no line breaks or other control characters.
  for (char32_t c : clip.toUcs4())
    if (c >= 0x20 && c != 0x7F) t.push_back(c);
  if (!t.empty()) insertText(t);
  WipeBytes(t.data(), t.size() * sizeof(char32_t));
}

int TbsSkinPasswordEdit::wordStartBefore(int p) const {
  p = std::min(p, text_.length());
  while (p > 0 && IsSpace(text_.at(p - 1))) --p;
  while (p > 0 && !IsSpace(text_.at(p - 1))) --p;
  return p;
}

int TbsSkinPasswordEdit::wordStartAfter(int p) const {
  const int n = text_.length();
  while (p < n && !IsSpace(text_.at(p))) ++p;
  while (p < n && IsSpace(text_.at(p))) ++p;
  return p;
}

void TbsSkinPasswordEdit::keyDown(int& key, unsigned shift) {
  TbsSkinCustomControl::keyDown(key, shift);
  if (key == 0) return;
  const bool withShift = (shift & ui::ssShift) != 0;
  const bool ctrl = (shift & ui::ssCtrl) != 0;
  const bool alt = (shift & ui::ssAlt) != 0;
  switch (key) {
    case ui::VK_HOME:
      moveCaret(0, withShift);
      break;
    case ui::VK_END:
      moveCaret(text_.length(), withShift);
      break;
    case ui::VK_LEFT:
      moveCaret(ctrl ? wordStartBefore(caret_) : caret_ - 1, withShift);
      break;
    case ui::VK_RIGHT:
      moveCaret(ctrl ? wordStartAfter(caret_) : caret_ + 1, withShift);
      break;
    case ui::VK_BACK:
    case ui::VK_DELETE:
      if (readOnly_) break;
      if (selLength_ != 0) {
        deleteRange(selStart(), selEnd());
      } else if (key == ui::VK_DELETE && caret_ < text_.length()) {
        deleteRange(caret_, caret_ + 1);
      } else if (key == ui::VK_BACK && caret_ > 0) {
        deleteRange(caret_ - 1, caret_);
      }
      break;
    case ui::VK_INSERT:
      if (withShift && !ctrl && !alt) paste();
      break;
    case 'V':
      if (ctrl && !withShift && !alt) paste();
      break;
    default:
      return;
  }
  ShowEditCaret();
}

void TbsSkinPasswordEdit::keyPress(char32_t& ch) {
  TbsSkinCustomControl::keyPress(ch);
  if (ch < 0x20 || ch == 0x7F) return;
  insertText(std::u32string(1, ch));
}

void TbsSkinPasswordEdit::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseDown(button, shift, x, y);
  if (button != ui::MouseButton::Left) return;
  if (!focused()) setFocus();
  if (shift & ui::ssDouble) {
    int start = caret_;
    while (start > 0 && !IsSpace(text_.at(start - 1))) --start;
    const int end = wordStartAfter(caret_);
    caret_ = end;
    selLength_ = start - end;
    mouseSelecting_ = false;
    scroll();
    ShowEditCaret();
    invalidate();
    return;
  }
  mouseSelecting_ = true;
  moveCaret(cells().gapAt(x), false);
}

void TbsSkinPasswordEdit::mouseMove(unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseMove(shift, x, y);
  if (!mouseSelecting_) return;
  const PasswordCells c = cells();
  int p = c.gapAt(x);
  if (x >= c.editRect.right) ++p;
  if (p != caret_) moveCaret(p, true);
}

void TbsSkinPasswordEdit::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseUp(button, shift, x, y);
  if (button == ui::MouseButton::Left) mouseSelecting_ = false;
}

void TbsSkinPasswordEdit::mouseEnter() {
  TbsSkinCustomControl::mouseEnter();
  invalidate();
}

void TbsSkinPasswordEdit::mouseLeave() {
  TbsSkinCustomControl::mouseLeave();
  invalidate();
}

void TbsSkinPasswordEdit::wndProc(ui::Message& m) {
  switch (m.id) {
    case ui::WM_SETFOCUS: {
      TbsSkinCustomControl::wndProc(m);
      gfx::Rect r;
      GetEditRect(r);
      createCaret(1, std::max(1, r.height()));
      caret_ = 0;
      selLength_ = autoSelect_ ? text_.length() : 0;
      first_ = 1;
      scroll();
      ShowEditCaret();
      invalidate();
      return;
    }
    case ui::WM_KILLFOCUS:
      TbsSkinCustomControl::wndProc(m);
      HideEditCaret();
      mouseSelecting_ = false;
      invalidate();
      return;
    case ui::CM_TEXTCHANGED: {
      if (takingText_) return;
      // Text given through the framework's text property: the password box
      // takes it over and leaves no copy of it in the framework.
      takingText_ = true;
      const std::string& framework = text();
      setPasswordText(framework);
      WipeBytes(const_cast<char*>(framework.data()), framework.size());
      setText(std::string());
      takingText_ = false;
      selLength_ = 0;
      invalidate();
      return;
    }
    default:
      break;
  }
  TbsSkinCustomControl::wndProc(m);
}

}  // namespace skin
