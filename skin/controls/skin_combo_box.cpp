// The skinned combo box: layout, painting with and without a section and
// with and without UseSkinSize, DropDown and CloseUp with the saved index,
// tracking from a press into the list with auto-scrolling, the keys, the
// typed prefix search and the wheel.
#include "skin/controls/skin_combo_box.h"

#include <QApplication>
#include <QEvent>
#include <QString>
#include <QWidget>
#include <algorithm>

#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_font.h"
#include "skin/data/control_data.h"
#include "skin/draw/strip_image.h"
#include "skin/draw/tiling.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"
#include "ui/keys.h"
#include "ui/monitor.h"
#include "ui/window_opacity.h"

namespace skin {

namespace {
constexpr int kAutoScrollMs = 25;
const gfx::Color kHotFill = gfx::Color::rgb(182, 189, 210);
const gfx::Color kPressedFill = gfx::Color::rgb(133, 147, 181);

gfx::Rect OrRect(const gfx::Rect& r, const gfx::Rect& fallback) {
  return gfx::IsNullRect(r) ? fallback : r;
}

// The drop-down arrow: rows 7, 5, 3, 1 pixels wide downwards from the
// centre - 1.
void DrawDownArrow(gfx::Bitmap& b, const gfx::Rect& r, gfx::Color c, int dy = 0) {
  const int cx = r.left + r.width() / 2;
  const int cy = r.top + r.height() / 2 - 1 + dy;
  for (int i = 0; i < 4; ++i) b.fillRect({cx - 3 + i, cy + i, cx + 4 - i, cy + i + 1}, c);
}

void DrawFocusRect(gfx::Bitmap& b, const gfx::Rect& r) {
  for (int x = r.left; x < r.right; x += 2) {
    b.setPixel(x, r.top, gfx::kBlack);
    b.setPixel(x, r.bottom - 1, gfx::kBlack);
  }
  for (int y = r.top; y < r.bottom; y += 2) {
    b.setPixel(r.left, y, gfx::kBlack);
    b.setPixel(r.right - 1, y, gfx::kBlack);
  }
}

std::string Utf8(char32_t ch) {
  std::string s;
  if (ch < 0x80) {
    s += static_cast<char>(ch);
  } else if (ch < 0x800) {
    s += static_cast<char>(0xC0 | (ch >> 6));
    s += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    s += static_cast<char>(0xE0 | (ch >> 12));
    s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (ch >> 18));
    s += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (ch & 0x3F));
  }
  return s;
}

// The signed wheel distance of a wheel message (its high word).
int WheelDelta(const ui::Message& m) {
  return static_cast<short>(static_cast<std::uint64_t>(m.wparam) >> 16 & 0xFFFF);
}

long long SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace

// Closes the open list when the pointer is pressed on any other window or
// control of the application, or the application loses the activation.
class ComboCancelFilter : public QObject {
 public:
  explicit ComboCancelFilter(TbsSkinCustomComboBox& combo) : combo_(combo) {}

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::ApplicationDeactivate) {
      combo_.CloseUp(false);
    } else if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
      auto* w = qobject_cast<QWidget*>(watched);
      if (w != nullptr && (!owns(w) || inEdit(w)) && combo_.droppedDown()) combo_.CloseUp(false);
    }
    return false;
  }

 private:
  bool inEdit(QWidget* w) const {
    if (combo_.edit_ == nullptr) return false;
    for (QWidget* p = w; p != nullptr; p = p->parentWidget())
      if (p == combo_.edit_->widget()) return true;
    return false;
  }
  bool owns(QWidget* w) const {
    QWidget* comboWidget = combo_.widget();
    QWidget* listWidget = combo_.list_->widget();
    for (QWidget* p = w; p != nullptr; p = p->parentWidget())
      if (p == comboWidget || p == listWidget) return true;
    return false;
  }
  TbsSkinCustomComboBox& combo_;
};

// The edit of edit style: a skinned edit box without a section of its own
// whose background is the combo's text area behind it, so its text lies
// over the combo's picture.
class ComboInnerEdit : public TbsSkinEdit {
 public:
  ComboInnerEdit(ui::Component* owner, TbsSkinCustomComboBox& combo)
      : TbsSkinEdit(owner), combo_(combo) {}

 protected:
  void DrawDefaultImage(gfx::Bitmap& bitmap) override {
    if (combo_.width() <= 0 || combo_.height() <= 0) return;
    gfx::Bitmap whole(combo_.width(), combo_.height());
    combo_.paintInto(whole);
    bitmap.copyRect(bitmap.rect(), whole,
                    gfx::Rect::fromSize(left(), top(), bitmap.width(), bitmap.height()));
  }
  void wndProc(ui::Message& m) override {
    if (m.id == ui::WM_MOUSEWHEEL) {
      combo_.editWheel(WheelDelta(m));
      m.result = 1;
      return;
    }
    TbsSkinEdit::wndProc(m);
  }

 private:
  TbsSkinCustomComboBox& combo_;
};

TbsSkinCustomComboBox::TbsSkinCustomComboBox(ui::Component* owner)
    : TbsSkinCustomControl(owner),
      list_(std::make_unique<TbsPopupListBox>(nullptr)),
      scheduler_(&ui::QtScheduler()),
      nowMs_(SteadyMs) {
  SetSkinDataName("combobox");
  setBounds(0, 0, 120, 20);
  setTabStop(true);
  setAcceptsFocus(true);
  list_->SetSkinDataName("");
  list_->OnListPress = [this](gfx::Point p) { listPressed(p); };
  list_->OnListRelease = [this](gfx::Point p) { listReleased(p); };
  list_->OnListMove = [this](gfx::Point p) {
    if (tracking_) trackInList(p);
  };
}

TbsSkinCustomComboBox::~TbsSkinCustomComboBox() {
  setAutoScroll(0);
  delete edit_;
  edit_ = nullptr;
  if (cancelFilter_ && qApp != nullptr) qApp->removeEventFilter(cancelFilter_.get());
  cancelFilter_.reset();
  if (hasCapture()) releaseCapture();
  list_.reset();
}

const TbsDataSkinComboBox* TbsSkinCustomComboBox::comboSection() const {
  return sectionIndex_ != -1 ? SectionAs<TbsDataSkinComboBox>() : nullptr;
}

void TbsSkinCustomComboBox::setScheduler(ui::Scheduler* scheduler) {
  setAutoScroll(0);
  scheduler_ = scheduler != nullptr ? scheduler : &ui::QtScheduler();
}

void TbsSkinCustomComboBox::setClock(std::function<long long()> nowMs) {
  nowMs_ = nowMs ? std::move(nowMs) : std::function<long long()>(SteadyMs);
}

// --- items, index, properties ----------------------------------------------------

void TbsSkinCustomComboBox::setItems(std::vector<std::string> items) {
  list_->setItems(std::move(items));
  if (savedIndex_ >= count()) savedIndex_ = -1;
  if (droppedDown()) CloseUp(false);
  invalidate();
}

void TbsSkinCustomComboBox::setItemIndex(int index) {
  list_->setItemIndex(index);
  const int chosen = list_->ItemIndex();
  if (count() > 0 && chosen >= 0) setText(list_->Items()[static_cast<std::size_t>(chosen)]);
  savedIndex_ = chosen;
  invalidate();
  if (OnClick) OnClick(*this);
}

void TbsSkinCustomComboBox::setDropDownCount(int rows) {
  if (rows <= 0) return;
  dropDownCount_ = rows;
}

void TbsSkinCustomComboBox::setImages(ui::ImageList* images) {
  images_ = images;
  list_->setImages(images);
  invalidate();
}

void TbsSkinCustomComboBox::setImageIndex(int index) {
  imageIndex_ = index;
  list_->setImageIndex(index);
  invalidate();
}

void TbsSkinCustomComboBox::setUseSkinSize(bool on) {
  if (useSkinSize_ == on) return;
  useSkinSize_ = on;
  ChangeSkinData();
}

// --- edit style ----------------------------------------------------------------------

void TbsSkinCustomComboBox::setStyle(TbsSkinCustomComboBoxStyle style) {
  if (style == style_) return;
  if (droppedDown()) CloseUp(false);
  style_ = style;
  if (style_ == TbsSkinCustomComboBoxStyle::bscbEditStyle) {
    const bool hadFocus = focused();
    edit_ = new ComboInnerEdit(this, *this);
    edit_->setParent(this);
    edit_->setUseSkinFont(false);
    edit_->setAutoSelect(true);
    edit_->setEditText(text());
    edit_->onKeyDown = [this](ui::Control&, int& key, unsigned shift) { editKeyDown(key, shift); };
    edit_->onKeyUp = [this](ui::Control&, int& key, unsigned shift) { editKeyUp(key, shift); };
    edit_->onKeyPress = [this](ui::Control&, char32_t& ch) {
      if (onKeyPress) onKeyPress(*this, ch);
    };
    edit_->onExit = [this](ui::Control&) {
      if (droppedDown()) CloseUp(false);
    };
    edit_->OnChange = [this](TbsSkinEdit&) { editTextChanged(); };
    setTabStop(false);
    applyEditFont();
    placeEdit();
    if (hadFocus) edit_->setFocus();
  } else {
    delete edit_;
    edit_ = nullptr;
    setTabStop(true);
  }
  invalidate();
}

void TbsSkinCustomComboBox::applyEditFont() {
  if (edit_ == nullptr) return;
  const TbsDataSkinComboBox* s = comboSection();
  gfx::Font f = DefaultFont();
  if (s != nullptr) {
    f = UseSkinFont() ? SelectSkinFont(true, s, s->fontColor, DefaultFont(), SkinData())
                      : DefaultFont();
    f.color = s->fontColor;
  }
  edit_->setDefaultFont(f);
}

void TbsSkinCustomComboBox::placeEdit() {
  if (edit_ == nullptr) return;
  const gfx::Rect r = places().text;
  const int h = edit_->height();
  edit_->setBounds(r.left, r.top + (r.height() - h) / 2, std::max(0, r.width()), h);
  edit_->invalidate();
}

void TbsSkinCustomComboBox::setBounds(int left, int top, int width, int height) {
  TbsSkinCustomControl::setBounds(left, top, width, height);
  placeEdit();
}

void TbsSkinCustomComboBox::DefaultFontChanged() {
  applyEditFont();
  placeEdit();
  invalidate();
}

void TbsSkinCustomComboBox::paintInto(gfx::Bitmap& bitmap) {
  ReadSkinSection();
  if (sectionIndex_ == -1) {
    DrawDefaultImage(bitmap);
  } else {
    DrawSkinImage(bitmap);
  }
}

void TbsSkinCustomComboBox::editChoose(int index) {
  if (index < 0 || index >= count()) return;
  setItemIndex(index);
  edit_->selectAll();
  if (droppedDown()) list_->scrollIntoView(index);
}

void TbsSkinCustomComboBox::editWheel(int delta) {
  const int index = ItemIndex() + (delta <= 0 ? 1 : -1);
  if (index >= 0 && index < count()) editChoose(index);
}

void TbsSkinCustomComboBox::editKeyDown(int& key, unsigned shift) {
  if (onKeyDown) onKeyDown(*this, key, shift);
  if (key == 0) return;
  const bool alt = (shift & ui::ssAlt) != 0;
  switch (key) {
    case ui::VK_RETURN:
    case ui::VK_ESCAPE:
      // The key that closes the list is spent on it: it does not also press
      // the window's default or cancel button.
      if (!droppedDown()) return;
      CloseUp(key == ui::VK_RETURN);
      break;
    case ui::VK_PRIOR:
    case ui::VK_NEXT: {
      if (!droppedDown()) return;
      const int index = key == ui::VK_PRIOR ? list_->ItemIndex() - dropDownCount_ - 1
                                            : list_->ItemIndex() + dropDownCount_ - 1;
      list_->setItemIndex(std::clamp(index, 0, count() - 1));
      break;
    }
    case ui::VK_UP:
      if (alt) {
        if (droppedDown()) CloseUp(false);
      } else if (ItemIndex() > 0) {
        editChoose(ItemIndex() - 1);
      }
      break;
    case ui::VK_DOWN:
      if (alt) {
        if (!droppedDown()) DropDown();
      } else if (ItemIndex() < count() - 1) {
        editChoose(ItemIndex() + 1);
      }
      break;
    default:
      return;
  }
  key = 0;
}

void TbsSkinCustomComboBox::editKeyUp(int& key, unsigned shift) {
  if (onKeyUp) onKeyUp(*this, key, shift);
  if (key == 0 || !autoComplete_) return;
  // Character sets whose characters arrive through an input method: every
  // key but the deleting ones completes, after dropping the selection.
  const int charset = edit_->font().charset;
  const bool multiByte = charset == 134 || charset == 128 || charset == 136;
  if (multiByte) {
    if (key == ui::VK_DELETE || key == ui::VK_BACK) return;
    edit_->setSelection(edit_->selStart() + edit_->selLength(), 0);
  } else if (key < '0') {
    return;
  }
  completeEdit();
}

void TbsSkinCustomComboBox::completeEdit() {
  const long long now = nowMs_();
  if (now - lastCompleteMs_ < 200) return;
  lastCompleteMs_ = now;
  const std::string typed = edit_->Text();
  if (typed.empty()) return;
  const QString typedChars = QString::fromStdString(typed);
  // A one-character text searches from the current item itself: the text
  // change has just made the first match current, and starting after it
  // would complete to the second item with that letter.
  const int match =
      list_->findPrefix(typed, typedChars.size() == 1 ? std::max(-1, ItemIndex() - 1) : -1);
  if (match < 0) return;
  setItemIndex(match);
  const int length = static_cast<int>(
      QString::fromStdString(list_->Items()[static_cast<std::size_t>(match)]).size());
  edit_->setSelection(static_cast<int>(typedChars.size()),
                      std::max(0, length - static_cast<int>(typedChars.size())));
}

void TbsSkinCustomComboBox::editTextChanged() {
  if (syncingEdit_ || edit_ == nullptr) return;
  const std::string t = edit_->Text();
  if (!t.empty()) {
    const int match = list_->findPrefix(t, -1);
    if (match >= 0) {
      if (autoComplete_) {
        list_->setItemIndex(match);
      } else {
        list_->setTopIndex(match);
      }
    }
  }
  syncingEdit_ = true;
  setText(t);
  syncingEdit_ = false;
}

// --- skin --------------------------------------------------------------------------

void TbsSkinCustomComboBox::ReadSkinSection() {
  TbsSkinCustomControl::ReadSkinSection();
  if (sectionIndex_ != -1 && SectionAs<TbsDataSkinComboBox>() == nullptr) {
    sectionIndex_ = -1;
    sectionPicture().clear();
  }
}

void TbsSkinCustomComboBox::refreshList() {
  const TbsDataSkinComboBox* s = comboSection();
  list_->SetSkinDataName(s != nullptr ? s->listBoxName : std::string());
  if (list_->SkinData() != SkinData()) {
    list_->SetSkinData(SkinData());
  } else {
    list_->ChangeSkinData();
  }
}

void TbsSkinCustomComboBox::SetSkinData(TbsSkinData* data) {
  TbsSkinCustomControl::SetSkinData(data);
  refreshList();
}

void TbsSkinCustomComboBox::BeforeChangeSkinData() {
  TbsSkinCustomControl::BeforeChangeSkinData();
  list_->BeforeChangeSkinData();
}

void TbsSkinCustomComboBox::ChangeSkinData() {
  TbsSkinCustomControl::ChangeSkinData();
  refreshList();
  applyEditFont();
  placeEdit();
  if (droppedDown()) {
    // The open list takes the new skin's item height and frame where it is.
    const gfx::Point at{list_->left(), list_->top()};
    list_->setRowCount(std::min(count(), dropDownCount_));
    list_->setBounds(at.x, at.y, list_->width(), list_->height());
    list_->scrollIntoView(list_->ItemIndex());
    list_->invalidate();
  }
}

void TbsSkinCustomComboBox::CalcSkinSize(int& width, int& height) {
  if (useSkinSize_) {
    TbsSkinCustomControl::CalcSkinSize(width, height);
  } else {
    sectionPicture().placeFor(width, height);
  }
}

void TbsSkinCustomComboBox::UpdateRegion() {
  if (useSkinSize_) {
    TbsSkinCustomControl::UpdateRegion();
  } else if (hasRegion()) {
    clearRegion();
  }
}

ComboPlaces TbsSkinCustomComboBox::places() const {
  const TbsDataSkinComboBox* s = comboSection();
  if (s == nullptr) return DefaultComboPlaces(width(), height());
  return SkinComboPlaces(s->buttonRect, s->clientRect, SkinRect().width(), SkinRect().height(),
                         s->rightTopPoint.x, width(), height(), useSkinSize_);
}

// --- drop down and close up ----------------------------------------------------------

bool TbsSkinCustomComboBox::droppedDown() const { return list_->visible(); }

void TbsSkinCustomComboBox::DropDown() {
  if (count() == 0 || droppedDown()) return;
  moved_ = false;
  setAutoScroll(0);
  if (OnDropDown) OnDropDown(*this);
  if (count() == 0) return;  // the handler may have emptied the list
  refreshList();
  const int listWidth = listBoxWidth_ > 0 ? listBoxWidth_ : width();
  list_->setBounds(list_->left(), list_->top(), listWidth, list_->height());
  list_->setRowCount(std::min(count(), dropDownCount_));
  const int listHeight = list_->height();
  const gfx::Point bottomLeft = clientToScreen({0, height()});
  const gfx::Point at = ComboListPosition(bottomLeft.x, bottomLeft.y, height(), listHeight,
                                          ui::MonitorWorkArea(*this));
  if (edit_ != nullptr && !edit_->focused()) edit_->setFocus();
  savedIndex_ = ItemIndex();
  list_->setBounds(at.x, at.y, listWidth, listHeight);
  list_->scrollIntoView(ItemIndex(), true);
  const bool layered = ui::LayeredWindowsAvailable();
  if (layered)
    list_->setAlpha(alphaBlend_ && alphaBlendAnimation_ ? 0 : alphaBlend_ ? alphaBlendValue_ : 255);
  list_->show();
  if (layered && alphaBlend_ && alphaBlendAnimation_) {
    for (int a = 0; a < alphaBlendValue_; a += 2) list_->setAlpha(a);
    list_->setAlpha(alphaBlendValue_);
  }
  if (!cancelFilter_) cancelFilter_ = std::make_unique<ComboCancelFilter>(*this);
  if (qApp != nullptr) qApp->installEventFilter(cancelFilter_.get());
}

void TbsSkinCustomComboBox::CloseUp(bool accept) {
  setAutoScroll(0);
  if (cancelFilter_ && qApp != nullptr) qApp->removeEventFilter(cancelFilter_.get());
  if (list_->visible()) {
    if (list_->vScrollBar() != nullptr) list_->vScrollBar()->CancelTracking();
    list_->hide();
  }
  tracking_ = false;
  if (hasCapture()) releaseCapture();
  const int index = list_->ItemIndex();
  if (index < 0) {
    list_->setItemIndex(savedIndex_);
  } else if (accept && index < count()) {
    setText(list_->Items()[static_cast<std::size_t>(index)]);
    if (edit_ != nullptr) edit_->selectAll();
    savedIndex_ = index;
    invalidate();
    if (OnClick) OnClick(*this);
  } else {
    list_->setItemIndex(savedIndex_);
  }
  invalidate();
  if (accept && OnCloseUp) OnCloseUp(*this);
}

// --- tracking ------------------------------------------------------------------------

gfx::Point TbsSkinCustomComboBox::toList(gfx::Point comboPoint) const {
  return list_->screenToClient(clientToScreen(comboPoint));
}

bool TbsSkinCustomComboBox::overList(gfx::Point listPoint) const {
  return droppedDown() && gfx::PtInRect(list_->listArea(), listPoint);
}

void TbsSkinCustomComboBox::trackInList(gfx::Point p) {
  if (!droppedDown()) return;
  const gfx::Rect area = list_->listArea();
  const bool hasBar = list_->vScrollBar() != nullptr && list_->vScrollBar()->visible();
  if (p.y < area.top) {
    if (hasBar && moved_) setAutoScroll(-1);
  } else if (p.y >= area.bottom) {
    if (hasBar && moved_) setAutoScroll(1);
  } else {
    setAutoScroll(0);
    const int index = list_->itemAtPoint(p);
    if (index >= 0) list_->setItemIndex(index);
    moved_ = true;
  }
}

void TbsSkinCustomComboBox::setAutoScroll(int direction) {
  if (direction == autoScroll_ && (direction == 0 || autoScrollCall_ != 0)) return;
  autoScroll_ = direction;
  if (autoScrollCall_ != 0) scheduler_->cancel(autoScrollCall_);
  autoScrollCall_ = 0;
  if (direction != 0) {
    autoScrollCall_ = scheduler_->start(kAutoScrollMs, [this] {
      autoScrollCall_ = 0;
      autoScrollTick();
    });
  }
}

void TbsSkinCustomComboBox::autoScrollTick() {
  if (autoScroll_ == 0 || !droppedDown()) return;
  const int index = list_->ItemIndex();
  if (autoScroll_ < 0 && index > 0) list_->setItemIndex(index - 1);
  if (autoScroll_ > 0 && index < count() - 1) list_->setItemIndex(index + 1);
  autoScrollCall_ = scheduler_->start(kAutoScrollMs, [this] {
    autoScrollCall_ = 0;
    autoScrollTick();
  });
}

void TbsSkinCustomComboBox::listPressed(gfx::Point p) {
  tracking_ = true;
  moved_ = true;
  const int index = list_->itemAtPoint(p);
  if (index >= 0) list_->setItemIndex(index);
}

void TbsSkinCustomComboBox::listReleased(gfx::Point p) {
  if (!tracking_ || !moved_) return;
  tracking_ = false;
  CloseUp(overList(p));
}

void TbsSkinCustomComboBox::endTracking() {
  tracking_ = false;
  setAutoScroll(0);
  if (hasCapture()) releaseCapture();
}

// --- mouse ---------------------------------------------------------------------------

void TbsSkinCustomComboBox::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseDown(button, shift, x, y);
  if (style_ == TbsSkinCustomComboBoxStyle::bscbFixedStyle && canFocus() && !focused()) setFocus();
  if (button != ui::MouseButton::Left || !enabled()) return;
  const ComboPlaces p = places();
  const gfx::Point pt{x, y};
  const bool onButton = gfx::PtInRect(p.button, pt);
  const bool onText =
      style_ == TbsSkinCustomComboBoxStyle::bscbFixedStyle && gfx::PtInRect(p.text, pt);
  if (droppedDown()) {
    CloseUp(false);
    if (onButton) {
      buttonPressed_ = true;
      invalidate();
    }
    return;
  }
  if (!onButton && !onText) return;
  buttonPressed_ = true;
  invalidate();
  tracking_ = true;
  moved_ = false;
  setCapture();
  DropDown();
  if (!droppedDown()) endTracking();
}

void TbsSkinCustomComboBox::mouseMove(unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseMove(shift, x, y);
  if (tracking_) {
    trackInList(toList({x, y}));
    return;
  }
  const bool hot = gfx::PtInRect(places().button, {x, y});
  if (hot != buttonHot_) {
    buttonHot_ = hot;
    invalidate();
  }
}

void TbsSkinCustomComboBox::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  if (button == ui::MouseButton::Left) {
    if (tracking_ && moved_) {
      endTracking();
      CloseUp(overList(toList({x, y})));
    } else {
      // A plain click leaves the list open, following the pointer itself.
      endTracking();
    }
  }
  TbsSkinCustomControl::mouseUp(button, shift, x, y);
  if (buttonPressed_) {
    buttonPressed_ = false;
    invalidate();
  }
}

void TbsSkinCustomComboBox::mouseLeave() {
  TbsSkinCustomControl::mouseLeave();
  if (buttonHot_) {
    buttonHot_ = false;
    invalidate();
  }
}

// --- keys and wheel ------------------------------------------------------------------

void TbsSkinCustomComboBox::chooseFromKeys(int index) {
  if (count() == 0) return;
  setItemIndex(index);
  if (droppedDown()) list_->scrollIntoView(ItemIndex());
}

void TbsSkinCustomComboBox::keyDown(int& key, unsigned shift) {
  TbsSkinCustomControl::keyDown(key, shift);
  if (key == 0 || style_ != TbsSkinCustomComboBoxStyle::bscbFixedStyle) return;
  const bool alt = (shift & ui::ssAlt) != 0;
  const int index = ItemIndex();
  switch (key) {
    case ui::VK_RETURN:
      if (!droppedDown()) return;
      CloseUp(true);
      break;
    case ui::VK_ESCAPE:
      if (!droppedDown()) return;
      CloseUp(false);
      break;
    case ui::VK_PRIOR:
      chooseFromKeys(ComboPageUp(index, dropDownCount_));
      break;
    case ui::VK_NEXT:
      chooseFromKeys(ComboPageDown(index, dropDownCount_, count()));
      break;
    case ui::VK_LEFT:
    case ui::VK_UP:
      if (alt) {
        if (droppedDown()) CloseUp(false);
      } else if (index > 0) {
        chooseFromKeys(index - 1);
      }
      break;
    case ui::VK_RIGHT:
    case ui::VK_DOWN:
      if (alt) {
        if (!droppedDown()) DropDown();
      } else if (index < count() - 1) {
        chooseFromKeys(index + 1);
      }
      break;
    default:
      return;
  }
  key = 0;
}

void TbsSkinCustomComboBox::searchTyped(const std::string& typed) {
  const long long now = nowMs_();
  prefix_ = NextSearchPrefix(prefix_, typed, now - lastKeyMs_, autoComplete_);
  lastKeyMs_ = now;
  const bool oneChar = prefix_ == typed;
  const int match = list_->findPrefix(prefix_, oneChar ? ItemIndex() : -1);
  if (match >= 0) chooseFromKeys(match);
}

void TbsSkinCustomComboBox::keyPress(char32_t& ch) {
  TbsSkinCustomControl::keyPress(ch);
  if (ch == 0 || ch < 0x20 || style_ != TbsSkinCustomComboBoxStyle::bscbFixedStyle) return;
  searchTyped(Utf8(ch));
  ch = 0;
}

void TbsSkinCustomComboBox::moveSelection(int delta, bool) {
  if (count() == 0) return;
  if (droppedDown()) {
    const int index = std::clamp(list_->ItemIndex() + delta, 0, count() - 1);
    list_->setItemIndex(index);
    return;
  }
  const int index = ItemIndex() + delta;
  if (index >= 0 && index < count()) setItemIndex(index);
}

void TbsSkinCustomComboBox::wndProc(ui::Message& m) {
  switch (m.id) {
    case ui::WM_MOUSEWHEEL:
      if (style_ == TbsSkinCustomComboBoxStyle::bscbFixedStyle) {
        moveSelection(WheelDelta(m) <= 0 ? 1 : -1, true);
        m.result = 1;
        return;
      }
      break;
    case ui::WM_KILLFOCUS:
      TbsSkinCustomControl::wndProc(m);
      if (droppedDown() && style_ == TbsSkinCustomComboBoxStyle::bscbFixedStyle) CloseUp(false);
      return;
    case ui::WM_CAPTURECHANGED:
      TbsSkinCustomControl::wndProc(m);
      if (tracking_ && !hasCapture() && moved_) tracking_ = false;
      return;
    case ui::WM_SETFOCUS:
      TbsSkinCustomControl::wndProc(m);
      if (edit_ != nullptr) edit_->setFocus();
      return;
    case ui::CM_TEXTCHANGED:
      TbsSkinCustomControl::wndProc(m);
      if (edit_ != nullptr && !syncingEdit_ && edit_->Text() != text()) {
        syncingEdit_ = true;
        edit_->setEditText(text());
        syncingEdit_ = false;
      }
      if (style_ == TbsSkinCustomComboBoxStyle::bscbFixedStyle) invalidate();
      if (OnChange) OnChange(*this);
      return;
    default:
      break;
  }
  TbsSkinCustomControl::wndProc(m);
}

// --- drawing -------------------------------------------------------------------------

void TbsSkinCustomComboBox::drawButtonDefault(gfx::Bitmap& b, const gfx::Rect& r) const {
  if (gfx::IsNullRect(r)) return;
  gfx::Canvas c(b);
  if (buttonPressed_ && buttonHot_) {
    c.fillRect(r, kPressedFill);
    c.frameRect(r, gfx::kNavy);
  } else if (buttonHot_) {
    c.fillRect(r, kHotFill);
    c.frameRect(r, gfx::kNavy);
  } else {
    c.fillRect(r, gfx::SystemColor(gfx::SysColor::ButtonFace));
    c.frameRect(r, gfx::SystemColor(gfx::SysColor::ButtonShadow));
  }
  DrawDownArrow(b, r, enabled() ? gfx::kBlack : gfx::SystemColor(gfx::SysColor::ButtonShadow));
}

void TbsSkinCustomComboBox::drawResizeButton(gfx::Bitmap& b, const gfx::Rect& r) const {
  if (gfx::IsNullRect(r)) return;
  const TbsSkinData* skin = SkinData();
  const int index = skin != nullptr ? skin->FindControlData("resizebutton") : -1;
  const auto* section = index >= 0
                            ? dynamic_cast<const TbsDataSkinButtonControl*>(
                                  skin->ControlDataList()[static_cast<std::size_t>(index)].get())
                            : nullptr;
  SectionPicture picture;
  if (section != nullptr) picture.read(*skin, section, false);
  if (section == nullptr || picture.picture() == nullptr || gfx::IsNullRect(picture.skinRect())) {
    drawButtonDefault(b, r);
    return;
  }
  const bool pressed = buttonPressed_ && buttonHot_;
  gfx::Rect src = section->skinRect;
  gfx::Color color = section->fontColor;
  if (pressed) {
    src = OrRect(section->downSkinRect, section->skinRect);
    color = section->downFontColor;
  } else if (buttonHot_) {
    src = OrRect(section->activeSkinRect, section->skinRect);
    color = section->activeFontColor;
  }
  int w = r.width(), h = r.height();
  picture.calcSkinSize(w, h);
  gfx::Bitmap piece(w, h);
  piece.fill(gfx::SystemColor(gfx::SysColor::ButtonFace));
  picture.draw(piece, src, w, h);
  StretchPiece(b, r, piece, piece.rect());
  if (enabled()) DrawDownArrow(b, r, color, pressed ? 2 : 0);
}

void TbsSkinCustomComboBox::DrawDefaultImage(gfx::Bitmap& bitmap) {
  bitmap.fill(gfx::SystemColor(gfx::SysColor::ButtonFace));
  gfx::Canvas c(bitmap);
  c.frameRect(bitmap.rect(), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  bitmap.fillRect({1, 1, width() - 1, height() - 1}, gfx::SystemColor(gfx::SysColor::Window));
  drawButtonDefault(bitmap, places().button);
  if (style_ == TbsSkinCustomComboBoxStyle::bscbFixedStyle) drawTextArea(bitmap, false);
}

void TbsSkinCustomComboBox::DrawSkinImage(gfx::Bitmap& bitmap) {
  const TbsDataSkinComboBox* s = comboSection();
  if (s == nullptr || Picture() == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  const ComboPlaces p = places();
  if (useSkinSize_) {
    drawSkinArea(bitmap, SkinRect());
    gfx::Rect src;
    if (!enabled() && !gfx::IsNullRect(s->unenabledButtonRect)) {
      src = s->unenabledButtonRect;
    } else if (enabled() && buttonPressed_ && buttonHot_) {
      src = s->downButtonRect;
    } else if (enabled() && buttonHot_) {
      src = s->activeButtonRect;
    }
    if (!gfx::IsNullRect(src) && !gfx::IsNullRect(p.button))
      StretchPiece(bitmap, p.button, *Picture(), src);
  } else {
    // The picture's strip at its own height, stretched to the control.
    const gfx::Rect sr = SkinRect();
    gfx::Bitmap strip;
    ComposeHorzStrip(s->leftTopPoint.x, sr.width() - s->rightTopPoint.x, strip, *Picture(), sr,
                     width());
    if (!strip.empty()) StretchPiece(bitmap, bitmap.rect(), strip, strip.rect());
    drawResizeButton(bitmap, p.button);
  }
  if (style_ == TbsSkinCustomComboBoxStyle::bscbFixedStyle) drawTextArea(bitmap, true);
}

void TbsSkinCustomComboBox::drawTextArea(gfx::Bitmap& bitmap, bool skinned) {
  const gfx::Rect tr = gfx::IntersectRect(places().text, bitmap.rect());
  if (gfx::IsNullRect(tr)) return;
  const int shown = droppedDown() ? savedIndex_ : ItemIndex();
  const bool focus = focused();
  gfx::Bitmap area(tr.width(), tr.height());
  area.copyRect(area.rect(), bitmap, tr);
  gfx::Font font = DefaultFont();
  gfx::Rect itemRect{2, 0, tr.width() - 2, tr.height()};
  const TbsDataSkinComboBox* s = skinned ? comboSection() : nullptr;
  if (s == nullptr) {
    area.fill(gfx::SystemColor(focus ? gfx::SysColor::Highlight : gfx::SysColor::Window));
    font.color = gfx::SystemColor(focus ? gfx::SysColor::HighlightText : gfx::SysColor::WindowText);
  } else {
    const gfx::Rect src = focus ? OrRect(s->focusItemRect, s->itemRect) : s->itemRect;
    if (!gfx::IsNullRect(src)) {
      gfx::Bitmap piece;
      ComposeHorzStrip(s->itemLeftOffset, s->itemRightOffset, piece, *Picture(), src, tr.width());
      if (!piece.empty()) {
        if (useSkinSize_) {
          area.copyRect({0, 0, piece.width(), std::min(piece.height(), area.height())}, piece,
                        {0, 0, piece.width(), std::min(piece.height(), area.height())});
        } else {
          StretchPiece(area, area.rect(), piece, piece.rect());
        }
      }
    }
    itemRect = s->itemTextRect;
    itemRect.right +=
        tr.width() - (gfx::IsNullRect(s->itemRect) ? s->clientRect.width() : s->itemRect.width());
    if (!useSkinSize_) itemRect.bottom += height() - SkinRect().height();
    if (gfx::IsNullRect(s->itemTextRect)) itemRect = {2, 0, tr.width() - 2, tr.height()};
    font = SelectSkinFont(UseSkinFont(), s, focus ? s->focusFontColor : s->fontColor, DefaultFont(),
                          SkinData());
  }
  gfx::Canvas c(area);
  c.setFont(font);
  if (shown >= 0 && shown < count()) {
    if (OnComboBoxDrawItem) {
      OnComboBoxDrawItem(*this, c, shown, itemRect, focus ? odFocused : 0u);
    } else {
      gfx::Rect textRect = itemRect;
      const int image = imageIndex_ >= 0 ? imageIndex_ : shown;
      if (images_ != nullptr && image < images_->count()) {
        images_->draw(c, textRect.left, (area.height() - images_->height()) / 2, image, enabled());
        textRect.left += images_->width() + 2;
      }
      c.drawText(list_->Items()[static_cast<std::size_t>(shown)], textRect,
                 gfx::kTextLeft | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix);
    }
  }
  if (focus && s == nullptr) DrawFocusRect(area, area.rect());
  bitmap.copyRect(tr, area, area.rect());
}

}  // namespace skin
