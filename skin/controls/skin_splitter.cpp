// The skinned splitter: section look, thickness from the skin, dragging.
#include "skin/controls/skin_splitter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QWidget>
#include <algorithm>

#include "skin/controls/panel_layout.h"
#include "skin/draw/strip_image.h"

namespace skin {

namespace {

// Catches Escape while a drag runs, wherever the focus is.
class EscapeFilter : public QObject {
 public:
  explicit EscapeFilter(TbsSkinSplitter* s) : splitter_(s) {}

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
      splitter_->CancelDrag();
      return true;
    }
    return false;
  }

 private:
  TbsSkinSplitter* splitter_;
};

bool Contains(const ui::WinControl* parent, const ui::Control* c) {
  if (parent == nullptr) return false;
  const auto& list = parent->controls();
  return std::find(list.begin(), list.end(), c) != list.end();
}

}  // namespace

TbsSkinSplitter::TbsSkinSplitter(ui::Component* owner) : TbsGraphicSkinControl(owner) {
  SetSkinDataName("vsplitter");
  setBounds(0, 0, 3, 100);
  setAlign(ui::Align::alLeft);
  setCursor(ui::Cursor::HSplit);
}

TbsSkinSplitter::~TbsSkinSplitter() { endDrag(); }

bool TbsSkinSplitter::horizontalBar() const {
  return align() == ui::Align::alTop || align() == ui::Align::alBottom;
}

void TbsSkinSplitter::ReadSkinSection() {
  TbsGraphicSkinControl::ReadSkinSection();
  picture_ = nullptr;
  if (sectionIndex_ == -1) return;
  const auto* s = SectionAs<TbsDataSkinSplitterControl>();
  if (s != nullptr) picture_ = SkinData()->ActivePicture(s->pictureIndex);
  // Only a splitter section with its picture and a picture area draws.
  if (s == nullptr || picture_ == nullptr || gfx::IsNullRect(s->skinRect)) {
    sectionIndex_ = -1;
    picture_ = nullptr;
    return;
  }
  skinRect_ = s->skinRect;
  leftTop_ = s->leftTopPoint;
  rightTop_ = s->rightTopPoint;
  leftBottom_ = s->leftBottomPoint;
}

void TbsSkinSplitter::ChangeSkinData() {
  ReadSkinSection();
  const bool skinned = sectionIndex_ != -1;
  switch (align()) {
    case ui::Align::alTop:
    case ui::Align::alBottom:
      setHeight(skinned ? skinRect_.height() : defaultSize_);
      break;
    case ui::Align::alLeft:
    case ui::Align::alRight:
      setWidth(skinned ? skinRect_.width() : defaultSize_);
      break;
    default:
      break;
  }
  invalidate();
}

void TbsSkinSplitter::DrawDefaultImage(gfx::Bitmap& bitmap) { bitmap.fill(color()); }

void TbsSkinSplitter::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (picture_ == nullptr || align() == ui::Align::alNone || align() == ui::Align::alClient) {
    DrawDefaultImage(bitmap);
    return;
  }
  gfx::Bitmap part;
  if (horizontalBar()) {
    ComposeHorzStrip(leftTop_.x, skinRect_.width() - rightTop_.x, part, *picture_, skinRect_,
                     width());
  } else {
    ComposeVertStrip(leftTop_.y, skinRect_.height() - leftBottom_.y, part, *picture_, skinRect_,
                     height());
  }
  bitmap.fill(color());
  if (!part.empty()) bitmap.draw(0, 0, part);
}

ui::Control* TbsSkinSplitter::findNeighbour() const {
  if (parent() == nullptr) return nullptr;
  const gfx::Rect b = boundsRect();
  gfx::Point p;
  switch (align()) {
    case ui::Align::alLeft:
      p = {b.left - 1, b.top};
      break;
    case ui::Align::alRight:
      p = {b.right, b.top};
      break;
    case ui::Align::alTop:
      p = {b.left, b.top - 1};
      break;
    case ui::Align::alBottom:
      p = {b.left, b.bottom};
      break;
    default:
      return nullptr;
  }
  for (ui::Control* c : parent()->controls()) {
    if (c == this || !c->visible() || !c->enabled()) continue;
    if (gfx::PtInRect(c->boundsRect(), p)) return c;
  }
  return nullptr;
}

int TbsSkinSplitter::neighbourExtent(const ui::Control& c) const {
  return horizontalBar() ? c.height() : c.width();
}

void TbsSkinSplitter::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsGraphicSkinControl::mouseDown(button, shift, x, y);
  if (button != ui::MouseButton::Left || neighbour_ != nullptr) return;
  ui::Control* n = findNeighbour();
  if (n == nullptr) return;
  neighbour_ = n;
  const bool across = horizontalBar();
  const int parentExtent = across ? parent()->clientHeight() : parent()->clientWidth();
  int others = 0;
  for (ui::Control* c : parent()->controls()) {
    if (!c->visible()) continue;
    const ui::Align a = c->align();
    if (across ? (a == ui::Align::alTop || a == ui::Align::alBottom)
               : (a == ui::Align::alLeft || a == ui::Align::alRight))
      others += across ? c->height() : c->width();
  }
  oldSize_ = neighbourExtent(*n);
  maxSize_ = SplitterMaxSize(parentExtent, minSize_, others, oldSize_);
  newSize_ = oldSize_;
  downPos_ = across ? y : x;
  setCapture();
  escapeFilter_ = std::make_unique<EscapeFilter>(this);
  qApp->installEventFilter(escapeFilter_.get());
  showFeedback();
}

void TbsSkinSplitter::mouseMove(unsigned shift, int x, int y) {
  TbsGraphicSkinControl::mouseMove(shift, x, y);
  if (neighbour_ == nullptr) return;
  if (!Contains(parent(), neighbour_)) {
    CancelDrag();
    return;
  }
  const int offset = (horizontalBar() ? y : x) - downPos_;
  const bool grows = align() == ui::Align::alLeft || align() == ui::Align::alTop;
  newSize_ = ClampSplitSize(oldSize_ + (grows ? offset : -offset), minSize_, maxSize_, oldSize_);
  showFeedback();
}

void TbsSkinSplitter::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  if (neighbour_ != nullptr && button == ui::MouseButton::Left) {
    ui::Control* n = neighbour_;
    const int size = newSize_;
    const bool alive = Contains(parent(), n);
    endDrag();
    if (alive && size != neighbourExtent(*n)) {
      const gfx::Rect b = n->boundsRect();
      switch (align()) {
        case ui::Align::alLeft:
          n->setWidth(size);
          break;
        case ui::Align::alTop:
          n->setHeight(size);
          break;
        case ui::Align::alRight:
          // The far edge stays where it is.
          n->setBounds(b.right - size, b.top, size, b.height());
          break;
        case ui::Align::alBottom:
          n->setBounds(b.left, b.bottom - size, b.width(), size);
          break;
        default:
          break;
      }
      if (OnMoved) OnMoved(*this);
    }
  }
  TbsGraphicSkinControl::mouseUp(button, shift, x, y);
}

void TbsSkinSplitter::CancelDrag() { endDrag(); }

void TbsSkinSplitter::endDrag() {
  if (escapeFilter_) {
    qApp->removeEventFilter(escapeFilter_.get());
    escapeFilter_.reset();
  }
  line_.reset();
  if (neighbour_ != nullptr && hasCapture()) releaseCapture();
  neighbour_ = nullptr;
}

void TbsSkinSplitter::showFeedback() {
  if (parent() == nullptr || neighbour_ == nullptr) return;
  if (!line_) {
    line_ = std::make_unique<QWidget>(parent()->containerWidget());
    QPalette pal;
    pal.setBrush(QPalette::Window, QBrush(Qt::black, Qt::Dense4Pattern));
    line_->setPalette(pal);
    line_->setAutoFillBackground(true);
    line_->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  const gfx::Rect nb = neighbour_->boundsRect();
  const gfx::Rect b = boundsRect();
  gfx::Rect r = b;
  switch (align()) {
    case ui::Align::alLeft:
      r = gfx::Rect::fromSize(nb.left + newSize_, b.top, b.width(), b.height());
      break;
    case ui::Align::alRight:
      r = gfx::Rect::fromSize(nb.right - newSize_ - b.width(), b.top, b.width(), b.height());
      break;
    case ui::Align::alTop:
      r = gfx::Rect::fromSize(b.left, nb.top + newSize_, b.width(), b.height());
      break;
    case ui::Align::alBottom:
      r = gfx::Rect::fromSize(b.left, nb.bottom - newSize_ - b.height(), b.width(), b.height());
      break;
    default:
      break;
  }
  line_->setGeometry(r.left, r.top, std::max(1, r.width()), std::max(1, r.height()));
  line_->show();
  line_->raise();
}

void TbsSkinSplitter::wndProc(ui::Message& m) {
  // The cursor follows the direction the bar lies in.
  if (m.id == ui::CM_MOUSEENTER)
    setCursor(horizontalBar() ? ui::Cursor::VSplit : ui::Cursor::HSplit);
  TbsGraphicSkinControl::wndProc(m);
}

}  // namespace skin
