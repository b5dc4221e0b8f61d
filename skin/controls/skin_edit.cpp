// The skinned edit box over the native line editor.
#include "skin/controls/skin_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QWheelEvent>
#include <algorithm>
#include <climits>

#include "skin/controls/skin_font.h"
#include "skin/data/control_data.h"
#include "skin/data/resource_str_data.h"
#include "skin/draw/strip_image.h"
#include "skin/draw/tiling.h"
#include "skin/frame/default_frame_metrics.h"
#include "skin/popup/menu_messages.h"
#include "skin/popup/skin_menu.h"
#include "ui/form.h"
#include "ui/graphics/color.h"
#include "ui/keys.h"
#include "ui/message_translator.h"

namespace skin {

namespace {

// Posted to itself after a menu item ran: the menu that sent the notice is
// still on the stack then, so it is freed from the queue.
constexpr unsigned kFreeContextMenu = ui::WM_USER + 0x51;

unsigned ShiftOf(Qt::KeyboardModifiers m) {
  unsigned s = 0;
  if (m & Qt::ShiftModifier) s |= ui::ssShift;
  if (m & Qt::ControlModifier) s |= ui::ssCtrl;
  if (m & Qt::AltModifier) s |= ui::ssAlt;
  return s;
}

QColor ToQColor(gfx::Color c) { return QColor(c.red(), c.green(), c.blue()); }

gfx::Rect OrIfNull(const gfx::Rect& r, const gfx::Rect& other) {
  return gfx::IsNullRect(r) ? other : r;
}

// Draws piece of the picture into to, stretched when the sizes differ.
void PutPiece(gfx::Bitmap& dst, const gfx::Rect& to, const gfx::Bitmap& src,
              const gfx::Rect& piece) {
  if (gfx::IsNullRect(to) || gfx::IsNullRect(piece)) return;
  if (to.width() == piece.width() && to.height() == piece.height()) {
    CopyPiece(dst, to, src, piece);
  } else {
    StretchPiece(dst, to, src, piece);
  }
}

// A three-part strip of area (ends `left` and `right` wide) composed to
// to.width() and, when the heights differ, stretched to to.height().
void PutStrip(gfx::Bitmap& dst, const gfx::Rect& to, const gfx::Bitmap& src, const gfx::Rect& area,
              int left, int right) {
  if (gfx::IsNullRect(to) || gfx::IsNullRect(area)) return;
  gfx::Bitmap strip;
  ComposeHorzStrip(std::max(0, left), std::max(0, right), strip, src, area, to.width());
  if (strip.empty()) return;
  PutPiece(dst, to, strip, strip.rect());
}

}  // namespace

// --- the native editor ---------------------------------------------------

class NativeLineEdit : public QLineEdit {
 public:
  NativeLineEdit(TbsSkinEdit& owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {
    setFrame(false);
    setAutoFillBackground(false);
    // The text is drawn with a transparent background over the skin
    // picture that the control paints behind the editor.
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      pal.setBrush(group, QPalette::Base, Qt::transparent);
      pal.setBrush(group, QPalette::Window, Qt::transparent);
    }
    setPalette(pal);
    setTextMargins(2, 0, 0, 0);
    setMaxLength(INT_MAX);
    setContextMenuPolicy(Qt::DefaultContextMenu);
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    std::u32string text;
    for (char32_t c : e->text().toUcs4()) text.push_back(c);
    if (owner_.nativeKeyPress(e->key(), ShiftOf(e->modifiers()), text)) {
      e->accept();
      return;
    }
    QLineEdit::keyPressEvent(e);
  }
  void keyReleaseEvent(QKeyEvent* e) override {
    owner_.nativeKeyRelease(e->key(), ShiftOf(e->modifiers()));
    QLineEdit::keyReleaseEvent(e);
  }
  void focusInEvent(QFocusEvent* e) override {
    // Without AutoSelect the selection stays what it was: the toolkit
    // would select everything when the focus comes by Tab.
    const int start = selectionStart();
    const int length = selectionLength();
    const int cursor = cursorPosition();
    QLineEdit::focusInEvent(e);
    if (!owner_.AutoSelect()) {
      if (start >= 0 && length > 0) {
        if (cursor == start) {
          setSelection(start + length, -length);
        } else {
          setSelection(start, length);
        }
      } else {
        deselect();
        setCursorPosition(cursor);
      }
    }
    owner_.nativeFocus(true, e->reason() == Qt::MouseFocusReason);
  }
  void focusOutEvent(QFocusEvent* e) override {
    QLineEdit::focusOutEvent(e);
    owner_.nativeFocus(false, false);
  }
  void wheelEvent(QWheelEvent* e) override {
    // The control's procedure hears of the wheel first (a combo's inner
    // edit chooses items with it); untaken, it goes on to the parents.
    const QPoint g = e->globalPosition().toPoint();
    ui::Message m{ui::WM_MOUSEWHEEL,
                  static_cast<ui::MessageParam>(static_cast<std::uint16_t>(e->angleDelta().y()))
                      << 16,
                  ui::PackPoint(g.x(), g.y()), 0};
    owner_.windowProc(m);
    if (m.result != 0) {
      e->accept();
    } else {
      QLineEdit::wheelEvent(e);
    }
  }
  void contextMenuEvent(QContextMenuEvent* e) override {
    // The skinned menu takes the place of the toolkit's own.
    e->accept();
    gfx::Point at{e->globalPos().x(), e->globalPos().y()};
    if (e->reason() != QContextMenuEvent::Mouse)
      at = owner_.clientToScreen({owner_.width() / 2, owner_.height() / 2});
    owner_.showContextMenu(at);
  }

 private:
  TbsSkinEdit& owner_;
};

// --- TbsSkinEdit -----------------------------------------------------------

TbsSkinEdit::TbsSkinEdit(ui::Component* owner) : SkinCustomLayer(owner) {
  SetSkinDataName("edit");
  setTabStop(true);
  setAcceptsFocus(true);
  setCursor(ui::Cursor::IBeam);
  native_ = new NativeLineEdit(*this, widget());
  setHostedWidget(native_);
  widget()->setFocusProxy(native_);
  QObject::connect(native_, &QLineEdit::textChanged, native_, [this] { nativeTextChanged(); });
  setFont(DefaultFont());
  applyFont();
  setBounds(0, 0, 121, 20);
  placeNative();
  applyStateColor();
}

TbsSkinEdit::~TbsSkinEdit() {
  // The menu goes before the editor its items act on.
  contextMenu_.reset();
}

QLineEdit* TbsSkinEdit::lineEdit() const { return native_; }

std::string TbsSkinEdit::Text() const { return native_->text().toStdString(); }

void TbsSkinEdit::setEditText(const std::string& text) {
  native_->setText(QString::fromStdString(text));
}

void TbsSkinEdit::setAlignment(EditAlignment a) {
  alignment_ = a;
  native_->setAlignment(a == EditAlignment::Left    ? Qt::AlignLeft | Qt::AlignVCenter
                        : a == EditAlignment::Right ? Qt::AlignRight | Qt::AlignVCenter
                                                    : Qt::AlignHCenter | Qt::AlignVCenter);
}

void TbsSkinEdit::setButtonMode(bool on) {
  if (buttonMode_ == on) return;
  buttonMode_ = on;
  buttonHot_ = buttonPressed_ = false;
  placeNative();
  invalidate();
}

void TbsSkinEdit::setReadOnly(bool on) {
  readOnly_ = on;
  native_->setReadOnly(on);
}

void TbsSkinEdit::setMaxLength(int n) {
  maxLength_ = std::max(0, n);
  // The toolkit's default limit is 32767 characters: "no limit" is none.
  native_->setMaxLength(maxLength_ > 0 ? maxLength_ : INT_MAX);
}

void TbsSkinEdit::setCharCase(TEditCharCase c) {
  charCase_ = c;
  nativeTextChanged();
}

void TbsSkinEdit::selectAll() { native_->selectAll(); }

void TbsSkinEdit::setSelection(int start, int length) { native_->setSelection(start, length); }

int TbsSkinEdit::selStart() const {
  return native_->hasSelectedText() ? native_->selectionStart() : native_->cursorPosition();
}

int TbsSkinEdit::selLength() const {
  return native_->hasSelectedText() ? native_->selectionLength() : 0;
}

bool TbsSkinEdit::hot() const { return mouseInside() || focused(); }

const TbsDataSkinEditControl* TbsSkinEdit::editSection() const {
  return sectionIndex_ == -1 ? nullptr : SectionAs<TbsDataSkinEditControl>();
}

EditSectionGeometry TbsSkinEdit::sectionGeometry() const {
  EditSectionGeometry g;
  g.skinRect = SkinRect();
  g.leftTop = SkinPoints().leftTop;
  g.rightTop = SkinPoints().rightTop;
  g.clientRect = SkinPoints().clientRect;
  if (const auto* s = editSection()) g.buttonRect = s->buttonRect;
  return g;
}

EditPlaces TbsSkinEdit::places() const {
  if (editSection() == nullptr)
    return PlaceEdit(nullptr, width(), height(), buttonMode_, UseSkinFont());
  const EditSectionGeometry g = sectionGeometry();
  return PlaceEdit(&g, width(), height(), buttonMode_, UseSkinFont());
}

void TbsSkinEdit::ReadSkinSection() {
  SkinCustomLayer::ReadSkinSection();
  // A section of another kind has none of the edit's keys: default look.
  // Nor has one with an empty skinrect a picture to fix the height by.
  if (sectionIndex_ != -1 &&
      (SectionAs<TbsDataSkinEditControl>() == nullptr || gfx::IsNullRect(SkinRect()))) {
    sectionIndex_ = -1;
    sectionPicture().clear();
  }
}

int TbsSkinEdit::lineHeight() const { return QFontMetrics(gfx::ToQFont(font())).height(); }

void TbsSkinEdit::CalcSkinSize(int& width, int& height) {
  if (editSection() == nullptr) return;
  const EditSectionGeometry g = sectionGeometry();
  height = EditHeight(&g, UseSkinFont(), lineHeight(), height);
  sectionPicture().placeFor(width, height);
}

void TbsSkinEdit::setBounds(int left, int top, int width, int height) {
  ReadSkinSection();
  applyFont();
  // The height rule holds for every bounds change, also one that keeps the
  // size (a skin change or a font change re-applies it).
  if (editSection() != nullptr) {
    CalcSkinSize(width, height);
  } else if (!UseSkinFont()) {
    height = EditHeight(nullptr, false, lineHeight(), height);
  }
  SkinCustomLayer::setBounds(left, top, width, height);
  placeNative();
}

void TbsSkinEdit::applyFont() {
  const TbsDataSkinEditControl* s = editSection();
  gfx::Font f = DefaultFont();
  if (s != nullptr && UseSkinFont()) {
    f = SelectSkinFont(true, s, focused() ? s->activeFontColor : s->fontColor, DefaultFont(),
                       SkinData());
  }
  if (f == font() && fontApplied_) return;
  fontApplied_ = true;
  setFont(f);
  native_->setFont(gfx::ToQFont(f));
  native_->setTextMargins(2, 0, 0, 0);
}

void TbsSkinEdit::applyStateColor() {
  const TbsDataSkinEditControl* s = editSection();
  if (!enabled()) {
    textColor_ = s ? s->disabledFontColor : gfx::SystemColor(gfx::SysColor::GrayText);
  } else if (s == nullptr) {
    textColor_ = DefaultFont().color;
  } else {
    textColor_ = hot() ? s->activeFontColor : s->fontColor;
  }
  QPalette pal = native_->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    pal.setColor(group, QPalette::Text, ToQColor(textColor_));
  native_->setPalette(pal);
  invalidate();
}

void TbsSkinEdit::placeNative() {
  if (native_ == nullptr) return;
  const gfx::Rect r = places().nativeRect;
  native_->setGeometry(r.left, r.top, std::max(0, r.width()), std::max(0, r.height()));
}

void TbsSkinEdit::ChangeSkinData() {
  ReadSkinSection();
  if (editSection() == nullptr) {
    setFont(DefaultFont());
    applyFont();
    const int w = DefaultWidth() > 0 ? DefaultWidth() : width();
    const int h = DefaultHeight() > 0 ? DefaultHeight() : height();
    setBounds(left(), top(), w, h);
  } else {
    applyFont();
    setBounds(left(), top(), width(), height());
  }
  applyStateColor();
  placeNative();
  invalidate();
}

void TbsSkinEdit::DefaultFontChanged() {
  ReadSkinSection();
  if (editSection() == nullptr || !UseSkinFont()) {
    applyFont();
    if (!UseSkinFont()) setBounds(left(), top(), width(), height());
    applyStateColor();
  }
}

void TbsSkinEdit::wndProc(ui::Message& m) {
  switch (m.id) {
    case ui::WM_SIZE:
      SkinCustomLayer::wndProc(m);
      placeNative();
      return;
    case ui::CM_TEXTCHANGED:
      if (!syncingText_ && native_ && native_->text().toStdString() != text())
        native_->setText(QString::fromStdString(text()));
      break;
    case ui::CM_ENABLEDCHANGED:
      SkinCustomLayer::wndProc(m);
      applyStateColor();
      return;
    case MenuItemExecuted:
      if (!menuFreePending_) {
        menuFreePending_ = true;
        postMessage(kFreeContextMenu);
      }
      return;
    case kFreeContextMenu:
      menuFreePending_ = false;
      contextMenu_.reset();
      return;
    default:
      break;
  }
  SkinCustomLayer::wndProc(m);
}

void TbsSkinEdit::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas c(bitmap);
  const int w = width();
  const int h = height();
  c.fillRect({0, 0, w, h}, gfx::SystemColor(gfx::SysColor::Window));
  const int frameRight = buttonMode_ ? w - h : w;
  c.frameRect({0, 0, frameRight, h}, gfx::SystemColor(gfx::SysColor::ButtonShadow));
  c.frameRect({1, 1, frameRight - 1, h - 1}, gfx::SystemColor(gfx::SysColor::ButtonFace));
  if (!buttonMode_) return;
  const gfx::Rect b = places().buttonRect;
  gfx::Color frame = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  gfx::Color fill = gfx::SystemColor(gfx::SysColor::ButtonFace);
  if (buttonPressed_ && buttonHot_) {
    frame = kHotFrameColor;
    fill = kPressedFillColor;
  } else if (buttonHot_) {
    frame = kHotFrameColor;
    fill = kHotFillColor;
  }
  c.fillRect(b, fill);
  c.frameRect(b, frame);
  // Three dots: the button opens something.
  const gfx::Color dots = enabled() ? gfx::SystemColor(gfx::SysColor::ButtonText)
                                    : gfx::SystemColor(gfx::SysColor::GrayText);
  const int cy = (b.top + b.bottom) / 2;
  const int cx = (b.left + b.right) / 2;
  for (int i = -1; i <= 1; ++i) c.fillRect({cx + i * 3 - 1, cy, cx + i * 3 + 1, cy + 2}, dots);
}

void TbsSkinEdit::DrawSkinImage(gfx::Bitmap& bitmap) {
  const TbsDataSkinEditControl* s = editSection();
  const gfx::Bitmap* pic = Picture();
  if (s == nullptr || pic == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  const EditSectionGeometry g = sectionGeometry();
  const gfx::Rect state = hot() ? OrIfNull(s->activeSkinRect, g.skinRect) : g.skinRect;
  const int skinW = g.skinRect.width();
  const int skinH = g.skinRect.height();
  const int frameH = UseSkinFont() ? skinH : height();
  bitmap.fill(gfx::SystemColor(gfx::SysColor::Window));
  // The frame: the state picture's ends kept and its middle repeated.
  const gfx::Rect stateArea = gfx::Rect::fromSize(state.left, state.top, skinW, skinH);
  PutStrip(bitmap, {0, 0, width(), frameH}, *pic, stateArea, g.leftTop.x, skinW - g.rightTop.x);
  // The background of the text area, from the picture under clientrect.
  const EditPlaces p = places();
  const gfx::Rect under = gfx::OffsetRect(g.clientRect, state.left, state.top);
  PutStrip(bitmap, p.textRect, *pic, under, g.leftTop.x - g.clientRect.left,
           g.clientRect.right - g.rightTop.x);
  if (!buttonMode_) return;
  gfx::Rect piece;
  if (!enabled() && !gfx::IsNullRect(s->unenabledButtonRect)) {
    piece = s->unenabledButtonRect;
  } else if (buttonPressed_ && buttonHot_) {
    piece = OrIfNull(s->downButtonRect, s->activeButtonRect);
  } else if (buttonHot_) {
    piece = s->activeButtonRect;
  }
  if (!gfx::IsNullRect(piece)) PutPiece(bitmap, p.buttonRect, *pic, piece);
}

void TbsSkinEdit::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  SkinCustomLayer::mouseDown(button, shift, x, y);
  if (button != ui::MouseButton::Left) return;
  if (buttonMode_ && gfx::PtInRect(places().buttonRect, {x, y})) {
    buttonPressed_ = true;
    buttonHot_ = true;
    invalidate();
    return;
  }
  // A press on the frame puts the focus into the editor.
  if (!focused()) native_->setFocus(Qt::MouseFocusReason);
}

void TbsSkinEdit::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  SkinCustomLayer::mouseUp(button, shift, x, y);
  if (button != ui::MouseButton::Left || !buttonPressed_) return;
  buttonPressed_ = false;
  invalidate();
  if (buttonMode_ && gfx::PtInRect(places().buttonRect, {x, y})) {
    if (!focused()) native_->setFocus(Qt::MouseFocusReason);
    if (OnButtonClick) OnButtonClick(*this);
  }
}

void TbsSkinEdit::mouseMove(unsigned shift, int x, int y) {
  SkinCustomLayer::mouseMove(shift, x, y);
  const bool over = buttonMode_ && gfx::PtInRect(places().buttonRect, {x, y});
  if (over != buttonHot_) {
    buttonHot_ = over;
    invalidate();
  }
}

void TbsSkinEdit::mouseEnter() {
  SkinCustomLayer::mouseEnter();
  applyStateColor();
}

void TbsSkinEdit::mouseLeave() {
  SkinCustomLayer::mouseLeave();
  buttonHot_ = false;
  buttonPressed_ = false;
  applyStateColor();
}

bool TbsSkinEdit::nativeKeyPress(int qtKey, unsigned shift, const std::u32string& text) {
  const int vk = ui::MessageTranslator::virtualKey(qtKey);
  if (vk != 0) {
    ui::Message m{(shift & ui::ssAlt) ? ui::WM_SYSKEYDOWN : ui::WM_KEYDOWN,
                  static_cast<ui::MessageParam>(vk), static_cast<ui::MessageParam>(shift), 0};
    windowProc(m);
    if (m.wparam == 0) return true;
  }
  // Enter and Escape never reach the text: they are told to OnKeyPress and
  // keep their dialog meaning (default and cancel buttons).
  if (vk == ui::VK_RETURN || vk == ui::VK_ESCAPE) {
    ui::Message ch{ui::WM_CHAR, vk == ui::VK_RETURN ? U'\r' : char32_t{0x1B},
                   static_cast<ui::MessageParam>(shift), 0};
    windowProc(ch);
    if (ui::Form* form = parentForm()) form->perform(ui::CM_DIALOGKEY, vk);
    return true;
  }
  if (text.empty() || (shift & (ui::ssCtrl | ui::ssAlt))) return false;
  std::u32string typed;
  bool changed = false;
  for (char32_t c : text) {
    if (c < 0x20) return false;
    ui::Message ch{ui::WM_CHAR, static_cast<ui::MessageParam>(c),
                   static_cast<ui::MessageParam>(shift), 0};
    windowProc(ch);
    const auto out = static_cast<char32_t>(ch.wparam);
    if (out != c) changed = true;
    if (out != 0) typed.push_back(out);
  }
  if (!changed) return false;
  if (!readOnly_ && !typed.empty())
    native_->insert(QString::fromUcs4(typed.data(), static_cast<qsizetype>(typed.size())));
  return true;
}

void TbsSkinEdit::nativeKeyRelease(int qtKey, unsigned shift) {
  const int vk = ui::MessageTranslator::virtualKey(qtKey);
  if (vk == 0) return;
  ui::Message m{(shift & ui::ssAlt) ? ui::WM_SYSKEYUP : ui::WM_KEYUP,
                static_cast<ui::MessageParam>(vk), static_cast<ui::MessageParam>(shift), 0};
  windowProc(m);
}

void TbsSkinEdit::nativeFocus(bool in, bool byMouse) {
  perform(in ? ui::WM_SETFOCUS : ui::WM_KILLFOCUS);
  if (in && !byMouse && autoSelect_) native_->selectAll();
  applyFont();
  applyStateColor();
}

void TbsSkinEdit::nativeTextChanged() {
  if (syncingText_) return;
  QString t = native_->text();
  if (charCase_ != TEditCharCase::ecNormal) {
    const QString converted = charCase_ == TEditCharCase::ecUpperCase ? t.toUpper() : t.toLower();
    if (converted != t) {
      const int cursor = native_->cursorPosition();
      syncingText_ = true;
      native_->setText(converted);
      native_->setCursorPosition(cursor);
      syncingText_ = false;
      t = converted;
    }
  }
  syncingText_ = true;
  setText(t.toStdString());
  syncingText_ = false;
  invalidate();
  if (OnChange) OnChange(*this);
}

std::string TbsSkinEdit::menuCaption(const char* key, const char* builtIn) const {
  if (SkinMenuHost* host = FindSkinMenuHost(parentForm())) {
    if (TbsSkinData* skin = host->MenusSkin()) {
      if (TbsResourceStrData* strings = skin->ResourceStrData()) {
        std::string s = strings->GetResStr(key);
        if (!s.empty()) return s;
      }
    }
  }
  return builtIn;
}

void TbsSkinEdit::buildContextMenu() {
  contextMenu_ = std::make_unique<TbsSkinPopupMenu>(this);
  contextMenu_->setOwnerWindow(parentForm());
  const bool selected = native_->hasSelectedText();
  const QMimeData* mime = QApplication::clipboard()->mimeData();
  const bool clipText = mime != nullptr && mime->hasText();
  const bool allSelected = native_->selectedText().size() == native_->text().size();
  struct Row {
    const char* key;
    const char* caption;
    bool enabled;
    std::function<void(QLineEdit&)> action;
  };
  const Row rows[] = {
      {"EDIT_UNDO", "撤销", native_->isUndoAvailable(), [](QLineEdit& e) { e.undo(); }},
      {nullptr, "-", true, nullptr},
      {"EDIT_CUT", "剪切", selected && !readOnly_, [](QLineEdit& e) { e.cut(); }},
      {"EDIT_COPY", "复制", selected, [](QLineEdit& e) { e.copy(); }},
      {"EDIT_PASTE", "粘贴", clipText && !readOnly_, [](QLineEdit& e) { e.paste(); }},
      {"EDIT_DELETE", "删除", selected && !readOnly_, [](QLineEdit& e) { e.del(); }},
      {nullptr, "-", true, nullptr},
      {"EDIT_SELECTALL", "全部选择", !allSelected, [](QLineEdit& e) { e.selectAll(); }},
  };
  for (const Row& r : rows) {
    auto* item = new ui::MenuItem(contextMenu_.get());
    item->setCaption(r.key ? menuCaption(r.key, r.caption) : r.caption);
    item->setEnabled(r.enabled);
    if (r.action) {
      item->onClick = [this, action = r.action](ui::MenuItem&) { action(*native_); };
    }
    contextMenu_->items().add(item);
  }
}

void TbsSkinEdit::showContextMenu(gfx::Point screen) {
  if (popupMenu_ != nullptr) {
    popupMenu_->popupComponent = this;
    popupMenu_->popup(screen.x, screen.y);
    return;
  }
  buildContextMenu();
  contextMenu_->PopupForEdit(this, screen.x, screen.y);
}

}  // namespace skin
