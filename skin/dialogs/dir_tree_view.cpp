// The folder tree: nodes read lazily from the folder namespace, rows laid
// out from the expanded nodes, painting of the visible rows only, keys,
// pointer, wheel, label editing in place and the scroll positions.
#include "skin/dialogs/dir_tree_view.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <unordered_map>

#include "skin/data/more_control_data.h"
#include "ui/graphics/canvas.h"
#include "ui/keys.h"
#include "ui/widget_host.h"

namespace skin {

namespace {

constexpr int kIndent = 19;  // one level of the tree
constexpr int kIconSize = 16;
constexpr int kTextGap = 4;     // between icon and text
constexpr int kButtonSize = 9;  // the expand button's box
constexpr int kWheelRows = 3;

gfx::Rect Grown(const gfx::Rect& r, int by) {
  return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

// Waits with the wait cursor while folders are read.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Our own pictures of the folder kinds, for desktops whose icon theme has
// none (as on a bare machine): a folder (open or closed), the computer, the
// home folder, the desktop and a drive, drawn in 16 x 16.
QImage DrawnIcon(const std::string& name, bool open) {
  QImage img(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor outline(120, 90, 20);
  if (name == "computer" || name == "user-desktop") {
    p.setPen(QColor(60, 60, 70));
    p.setBrush(QColor(225, 228, 235));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 10), 1.5, 1.5);
    p.setBrush(name == "computer" ? QColor(70, 130, 210) : QColor(90, 170, 120));
    p.drawRect(QRectF(3.5, 3.5, 9, 6));
    p.setBrush(QColor(160, 165, 175));
    p.drawRect(QRectF(5.5, 12.5, 5, 2));
  } else if (name == "drive-harddisk") {
    p.setPen(QColor(70, 70, 80));
    p.setBrush(QColor(190, 195, 205));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 7), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 190, 90));
    p.drawEllipse(QRectF(11, 8, 2.5, 2.5));
  } else if (name == "user-home") {
    QPainterPath roof;
    roof.moveTo(1.5, 8);
    roof.lineTo(8, 1.5);
    roof.lineTo(14.5, 8);
    roof.closeSubpath();
    p.setPen(QColor(120, 40, 30));
    p.setBrush(QColor(210, 80, 60));
    p.drawPath(roof);
    p.setPen(QColor(110, 90, 60));
    p.setBrush(QColor(245, 225, 180));
    p.drawRect(QRectF(3.5, 8, 9, 6.5));
    p.setBrush(QColor(140, 95, 50));
    p.drawRect(QRectF(6.5, 10, 3, 4.5));
  } else {
    p.setPen(outline);
    p.setBrush(QColor(235, 190, 80));
    p.drawRoundedRect(QRectF(1.5, 3.5, 6, 3), 1, 1);  // the tab
    p.setBrush(QColor(250, 210, 100));
    if (open) {
      p.drawRect(QRectF(1.5, 5.5, 12, 8));
      QPainterPath flap;
      flap.moveTo(3.5, 8);
      flap.lineTo(15, 8);
      flap.lineTo(13, 13.5);
      flap.lineTo(1.5, 13.5);
      flap.closeSubpath();
      p.setBrush(QColor(255, 228, 140));
      p.drawPath(flap);
    } else {
      p.drawRoundedRect(QRectF(1.5, 5.5, 13, 8), 1, 1);
    }
  }
  return img;
}

const QImage& IconFor(const std::string& name, bool open) {
  static std::map<std::pair<std::string, bool>, QImage> cache;
  const auto key = std::make_pair(name, open);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  const QString themeName = QString::fromStdString(open && name == "folder" ? "folder-open" : name);
  QImage img;
  const QIcon icon = QIcon::fromTheme(themeName);
  if (!icon.isNull()) img = icon.pixmap(kIconSize, kIconSize).toImage();
  if (img.isNull()) img = DrawnIcon(name, open);
  return cache.emplace(key, img).first->second;
}

// The label editor: Enter commits, Escape cancels, losing the focus commits.
class LabelEdit : public QLineEdit {
 public:
  std::function<void(bool)> done;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Escape) {
      finish(false);
      return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
      finish(true);
      return;
    }
    QLineEdit::keyPressEvent(e);
  }
  void focusOutEvent(QFocusEvent* e) override {
    QLineEdit::focusOutEvent(e);
    finish(true);
  }

 private:
  void finish(bool commit) {
    if (auto d = std::exchange(done, nullptr)) d(commit);
  }
};

}  // namespace

TbsSkinDirTreeView::TbsSkinDirTreeView(ui::Component* owner,
                                       std::shared_ptr<const platform::FolderNamespace> ns)
    : TbsSkinControl(owner),
      ns_(ns ? std::move(ns) : std::make_shared<platform::FolderNamespace>()) {
  SetSkinDataName("treeview");
  DefaultFont.name = "宋体";
  DefaultFont.height = 14;
  setTabStop(true);
  setAcceptsFocus(true);
  root_ = makeNode(ns_->desktop(), nullptr);
  Expand(root_.get());
  Select(root_.get());
}

TbsSkinDirTreeView::~TbsSkinDirTreeView() {
  if (editor_ != nullptr) EndLabelEdit(false);
}

std::unique_ptr<TbsSkinDirTreeView::Node> TbsSkinDirTreeView::makeNode(
    const platform::FolderItem& item, Node* parent) const {
  auto n = std::make_unique<Node>();
  n->item = item;
  n->parent = parent;
  n->level = parent ? parent->level + 1 : 0;
  n->hasButton = item.mayHaveChildren;
  return n;
}

void TbsSkinDirTreeView::readChildren(Node& node) {
  if (node.childrenRead) return;
  node.childrenRead = true;
  WaitCursor wait;
  if (auto items = ns_->children(node.item)) {
    node.children.reserve(items->size());
    for (const auto& it : *items) node.children.push_back(makeNode(it, &node));
  }
  node.hasButton = !node.children.empty();
}

void TbsSkinDirTreeView::Expand(Node* node) {
  if (node == nullptr) return;
  if (node->item.kind == platform::FolderKind::Directory &&
      platform::FolderNamespace::isZipFolder(node->item.parsingName)) {
    // An archive opens with its default handler instead of being entered.
    node->childrenRead = true;
    node->hasButton = false;
    if (OpenWithDefault) OpenWithDefault(node->item.parsingName);
    invalidate();
    return;
  }
  readChildren(*node);
  node->hasButton = !node->children.empty();
  if (!node->expanded && !node->children.empty()) {
    node->expanded = true;
    rowsChanged();
  } else {
    invalidate();
  }
}

void TbsSkinDirTreeView::Collapse(Node* node) {
  if (node == nullptr || !node->expanded) return;
  node->expanded = false;
  // A selection inside the collapsed branch moves up to its folder.
  for (Node* s = selected_; s != nullptr; s = s->parent) {
    if (s->parent == node) {
      Select(node);
      break;
    }
  }
  rowsChanged();
}

void TbsSkinDirTreeView::Select(Node* node) {
  if (node == selected_) return;
  selected_ = node;
  if (node != nullptr) makeVisible(node);
  invalidate();
  if (OnChange) OnChange(*this);
}

const std::vector<TbsSkinDirTreeView::Node*>& TbsSkinDirTreeView::rows() const {
  if (rowsValid_) return rows_;
  rows_.clear();
  std::vector<Node*> stack{root_.get()};
  while (!stack.empty()) {
    Node* n = stack.back();
    stack.pop_back();
    rows_.push_back(n);
    if (n->expanded)
      for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
        stack.push_back(it->get());
  }
  rowsValid_ = true;
  contentWidth_ = -1;
  return rows_;
}

void TbsSkinDirTreeView::rowsChanged() {
  rowsValid_ = false;
  contentWidth_ = -1;
  clampScroll();
  invalidate();
  scrollChanged();
}

int TbsSkinDirTreeView::rowOf(const Node* node) const {
  const auto& r = rows();
  const auto it = std::find(r.begin(), r.end(), node);
  return it == r.end() ? -1 : static_cast<int>(it - r.begin());
}

int TbsSkinDirTreeView::RowHeight() const { return std::max(18, treeFont().height + 4); }
int TbsSkinDirTreeView::VisibleRowCount() const { return std::max(0, height() / RowHeight()); }
int TbsSkinDirTreeView::ItemCount() const { return static_cast<int>(rows().size()); }

void TbsSkinDirTreeView::makeVisible(const Node* node) {
  // Its ancestors are expanded so that it has a row.
  bool changed = false;
  for (Node* p = node->parent; p != nullptr; p = p->parent) {
    if (!p->expanded) {
      p->expanded = true;
      changed = true;
    }
  }
  if (changed) rowsValid_ = false;
  const int row = rowOf(node);
  const int visible = std::max(1, VisibleRowCount());
  if (row < topRow_)
    topRow_ = row;
  else if (row >= topRow_ + visible)
    topRow_ = row - visible + 1;
  clampScroll();
  if (changed)
    rowsChanged();
  else
    scrollChanged();
}

void TbsSkinDirTreeView::clampScroll() {
  const int maxTop = std::max(0, ItemCount() - std::max(1, VisibleRowCount()));
  topRow_ = std::clamp(topRow_, 0, maxTop);
  const int maxX = std::max(0, contentWidth() - width());
  scrollX_ = std::clamp(scrollX_, 0, maxX);
}

void TbsSkinDirTreeView::scrollChanged() {
  if (OnScrollChanged) OnScrollChanged(*this);
}

TbsSkinDirTreeView::ScrollInfo TbsSkinDirTreeView::VerticalScroll() const {
  return {0, std::max(0, ItemCount() - 1), VisibleRowCount(), topRow_};
}

TbsSkinDirTreeView::ScrollInfo TbsSkinDirTreeView::HorizontalScroll() const {
  return {0, contentWidth(), width(), scrollX_};
}

void TbsSkinDirTreeView::ScrollToRow(int row) {
  topRow_ = row;
  clampScroll();
  invalidate();
  scrollChanged();
}

void TbsSkinDirTreeView::ScrollToX(int x) {
  scrollX_ = x;
  clampScroll();
  invalidate();
  scrollChanged();
}

int TbsSkinDirTreeView::contentWidth() const {
  if (contentWidth_ >= 0 && rowsValid_) return contentWidth_;
  // Shaping a name is dear, and a folder may hold many thousand: for the
  // scroll range a row is as wide as the sum of its characters' advances
  // (unrounded, so that long names do not come out short), which only
  // kerning makes differ from the text drawn, by a pixel or two at most.
  const QFontMetricsF metrics(gfx::ToQFont(treeFont()));
  std::unordered_map<char32_t, qreal> advances;
  int w = 0;
  for (Node* n : rows()) {
    if (n->roughTextWidth < 0) {
      qreal sum = 0;
      for (char32_t c : QString::fromStdString(n->item.displayName).toUcs4()) {
        auto it = advances.find(c);
        if (it == advances.end())
          it = advances.emplace(c, metrics.horizontalAdvance(QString::fromUcs4(&c, 1))).first;
        sum += it->second;
      }
      n->roughTextWidth = static_cast<int>(std::ceil(sum));
    }
    w = std::max(w, (n->level + 1) * kIndent + kIconSize + kTextGap + n->roughTextWidth + 4);
  }
  contentWidth_ = w;
  return w;
}

gfx::Rect TbsSkinDirTreeView::RowRect(const Node* node) const {
  const int row = rowOf(node);
  if (row < topRow_ || row >= topRow_ + VisibleRowCount() + 1) return {};
  const int top = (row - topRow_) * RowHeight();
  return {0, top, width(), top + RowHeight()};
}

gfx::Rect TbsSkinDirTreeView::buttonRect(const Node* node, int rowTop) const {
  const int x = node->level * kIndent - scrollX_ + (kIndent - kButtonSize) / 2;
  const int y = rowTop + (RowHeight() - kButtonSize) / 2;
  return gfx::Rect::fromSize(x, y, kButtonSize, kButtonSize);
}

TbsSkinDirTreeView::Node* TbsSkinDirTreeView::NodeAt(int, int y) const {
  if (y < 0) return nullptr;
  const int row = topRow_ + y / RowHeight();
  const auto& r = rows();
  return row < static_cast<int>(r.size()) ? r[static_cast<std::size_t>(row)] : nullptr;
}

TbsSkinDirTreeView::Node* TbsSkinDirTreeView::findChild(Node& parent, const std::string& name) {
  readChildren(parent);
  for (auto& c : parent.children)
    if (c->item.parsingName == name) return c.get();
  return nullptr;
}

void TbsSkinDirTreeView::selectChain(const std::vector<platform::FolderItem>& chain) {
  Node* node = root_.get();
  for (std::size_t i = 1; i < chain.size(); ++i) {
    Expand(node);
    Node* next = findChild(*node, chain[i].parsingName);
    if (next == nullptr) break;  // gone meanwhile: the deepest folder found
    node = next;
  }
  Select(node);
  Expand(node);
}

void TbsSkinDirTreeView::SelectPath(const std::string& path) {
  const auto chain = ns_->chainTo(path);
  if (!chain) throw std::runtime_error("Error setting path: \"" + path + "\"");
  selectChain(*chain);
}

void TbsSkinDirTreeView::SelectMyComputer() { selectChain(ns_->chainToComputer()); }

std::string TbsSkinDirTreeView::SelectedPath() const {
  if (selected_ == nullptr) return {};
  const platform::FolderItem& it = selected_->item;
  if (it.parsingName.rfind("::{", 0) == 0) return it.displayName;
  return it.parsingName;
}

void TbsSkinDirTreeView::RefreshNode(Node* node) {
  if (node == nullptr) return;
  WaitCursor wait;
  std::set<std::string> expanded;
  const std::function<void(const Node&)> collect = [&](const Node& n) {
    for (const auto& c : n.children) {
      if (c->expanded) expanded.insert(c->item.parsingName);
      collect(*c);
    }
  };
  collect(*node);
  const std::string selectedName = selected_ ? selected_->item.parsingName : std::string();
  const auto& r = rows();
  const std::string topName = topRow_ < static_cast<int>(r.size())
                                  ? r[static_cast<std::size_t>(topRow_)]->item.parsingName
                                  : std::string();
  bool selectionInside = false;
  for (Node* s = selected_; s != nullptr; s = s->parent)
    if (s == node) selectionInside = true;

  node->children.clear();
  node->childrenRead = false;
  const bool wasExpanded = node->expanded;
  readChildren(*node);
  node->expanded = wasExpanded && !node->children.empty();
  const std::function<void(Node&)> reopen = [&](Node& n) {
    for (auto& c : n.children) {
      if (expanded.count(c->item.parsingName) != 0) {
        readChildren(*c);
        c->expanded = !c->children.empty();
        reopen(*c);
      }
    }
  };
  reopen(*node);
  rowsValid_ = false;
  if (selectionInside) {
    selected_ = nullptr;
    Node* found = node;
    for (Node* n : rows())
      if (n->item.parsingName == selectedName) found = n;
    selected_ = found;
    if (OnChange) OnChange(*this);
  }
  const auto& after = rows();
  for (std::size_t i = 0; i < after.size(); ++i)
    if (after[i]->item.parsingName == topName) topRow_ = static_cast<int>(i);
  rowsChanged();
}

void TbsSkinDirTreeView::reportError(const std::string& message) {
  if (OnError) OnError(message);
}

void TbsSkinDirTreeView::EditSelectedLabel() {
  if (selected_ == nullptr || editor_ != nullptr ||
      selected_->item.kind != platform::FolderKind::Directory)
    return;
  const gfx::Rect row = RowRect(selected_);
  if (gfx::IsNullRect(row)) return;
  editor_ = new ui::WidgetHost(this);
  editor_->setParent(this);
  auto* line = new LabelEdit();
  line->setText(QString::fromStdString(selected_->item.displayName));
  line->selectAll();
  line->done = [this](bool commit) {
    QTimer::singleShot(0, widget(), [this, commit] { EndLabelEdit(commit); });
  };
  editorLine_ = line;
  editor_->setHostedWidget(line);
  const int x = (selected_->level + 1) * kIndent - scrollX_ + kIconSize + kTextGap - 2;
  editor_->setBounds(x, row.top, std::max(80, width() - x - 2), row.height());
  editor_->show();
  line->setFocus();
}

void TbsSkinDirTreeView::EndLabelEdit(bool commit) {
  if (editor_ == nullptr) return;
  const std::string text = editorLine_->text().toStdString();
  ui::WidgetHost* host = std::exchange(editor_, nullptr);
  editorLine_ = nullptr;
  host->hide();
  // The editor may be inside its own key or focus handler: it goes later.
  removeComponent(host);
  host->setParent(nullptr);
  QTimer::singleShot(0, [host] { delete host; });
  if (commit && selected_ != nullptr && text != selected_->item.displayName && !text.empty()) {
    std::string why;
    if (auto renamed = ns_->rename(selected_->item, text, &why)) {
      selected_->item = *renamed;
      selected_->textWidth = -1;
      selected_->roughTextWidth = -1;
      contentWidth_ = -1;
      // Its sub-folders' paths changed with it: read them again when needed.
      selected_->children.clear();
      selected_->childrenRead = false;
      selected_->expanded = false;
      selected_->hasButton = renamed->mayHaveChildren;
      rowsChanged();
      if (OnChange) OnChange(*this);
    } else {
      reportError("Rename to " + text + " failed");
    }
  }
  setFocus();
  invalidate();
}

gfx::Font TbsSkinDirTreeView::treeFont() const {
  const auto* section = SectionAs<TbsDataSkinTreeView>();
  if (section != nullptr && UseSkinFont && !section->fontName.empty() && section->fontHeight > 0)
    return WithFontKeys(DefaultFont, *section);
  return DefaultFont;
}

void TbsSkinDirTreeView::ReadSkinSection() {
  TbsSkinControl::ReadSkinSection();
  hasSkinColors_ = false;
  if (const auto* s = SectionAs<TbsDataSkinTreeView>()) {
    fontColor_ = s->fontColor;
    bgColor_ = s->bgColor;
    hasSkinColors_ = true;
  }
}

void TbsSkinDirTreeView::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Font f = DefaultFont;
  f.color = gfx::SystemColor(gfx::SysColor::WindowText);
  draw(bitmap, gfx::SystemColor(gfx::SysColor::Window), f);
}

void TbsSkinDirTreeView::DrawSkinImage(gfx::Bitmap& bitmap) {
  gfx::Font f = treeFont();
  f.color = hasSkinColors_ ? fontColor_ : gfx::SystemColor(gfx::SysColor::WindowText);
  draw(bitmap, hasSkinColors_ ? bgColor_ : gfx::SystemColor(gfx::SysColor::Window), f);
}

void TbsSkinDirTreeView::draw(gfx::Bitmap& bitmap, gfx::Color background, const gfx::Font& font) {
  bitmap.fill(background);
  gfx::Canvas canvas(bitmap);
  const int rowH = RowHeight();
  const auto& r = rows();
  const bool hasFocus = focused() || editor_ != nullptr;
  const gfx::Color buttonInk = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  for (int row = topRow_, y = 0; row < static_cast<int>(r.size()) && y < height();
       ++row, y += rowH) {
    const Node* n = r[static_cast<std::size_t>(row)];
    const int x0 = n->level * kIndent - scrollX_;
    if (n->hasButton) {
      const gfx::Rect b = buttonRect(n, y);
      canvas.fillRect(b, background);
      canvas.frameRect(b, buttonInk);
      const int cy = b.top + kButtonSize / 2;
      const int cx = b.left + kButtonSize / 2;
      canvas.setPenColor(font.color);
      canvas.line({b.left + 2, cy}, {b.right - 2, cy});
      if (!n->expanded) canvas.line({cx, b.top + 2}, {cx, b.bottom - 2});
    }
    const bool selected = n == selected_;
    {
      QPainter p(&bitmap.image());
      p.drawImage(x0 + kIndent, y + (rowH - kIconSize) / 2,
                  IconFor(n->item.iconName, selected && n->item.iconName == "folder"));
    }
    const int textX = x0 + kIndent + kIconSize + kTextGap;
    gfx::Font f = font;
    if (selected) {
      const int tw =
          n->textWidth >= 0 ? n->textWidth : gfx::MeasureText(font, n->item.displayName).width;
      const gfx::Rect sel{textX - 2, y + 1, textX + tw + 2, y + rowH - 1};
      // The selection stays visible when the tree has no focus.
      canvas.fillRect(sel, hasFocus ? gfx::SystemColor(gfx::SysColor::Highlight)
                                    : gfx::SystemColor(gfx::SysColor::ButtonFace));
      f.color = hasFocus ? gfx::SystemColor(gfx::SysColor::HighlightText)
                         : gfx::SystemColor(gfx::SysColor::WindowText);
    }
    canvas.setFont(f);
    canvas.setBrushStyle(gfx::BrushStyle::Clear);
    gfx::Rect textRect{textX, y, width(), y + rowH};
    canvas.drawText(n->item.displayName, textRect,
                    gfx::kTextLeft | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix);
  }
}

void TbsSkinDirTreeView::wndProc(ui::Message& m) {
  switch (m.id) {
    case ui::WM_MOUSEWHEEL: {
      const int delta = static_cast<int>(static_cast<std::int16_t>((m.wparam >> 16) & 0xFFFF));
      ScrollToRow(topRow_ - delta / 120 * kWheelRows);
      m.result = 0;
      return;
    }
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS:
      invalidate();
      break;
    default:
      break;
  }
  TbsSkinControl::wndProc(m);
}

void TbsSkinDirTreeView::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinControl::mouseDown(button, shift, x, y);
  if (editor_ != nullptr) EndLabelEdit(true);
  Node* n = NodeAt(x, y);
  if (n == nullptr) return;
  if (button == ui::MouseButton::Left) {
    const int rowTop = (rowOf(n) - topRow_) * RowHeight();
    if (n->hasButton && gfx::PtInRect(Grown(buttonRect(n, rowTop), 2), {x, y})) {
      n->expanded ? Collapse(n) : Expand(n);
      return;
    }
    if (shift & ui::ssDouble) {
      n->expanded ? Collapse(n) : Expand(n);
      return;
    }
  }
  // Right clicks select too.
  Select(n);
}

void TbsSkinDirTreeView::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinControl::mouseUp(button, shift, x, y);
  if (button != ui::MouseButton::Right) return;
  Node* n = NodeAt(x, y);
  if (n != nullptr && n == selected_ && OnContextPopup)
    OnContextPopup(*this, *n, clientToScreen({x, y}));
  scrollChanged();
}

void TbsSkinDirTreeView::keyDown(int& key, unsigned shift) {
  TbsSkinControl::keyDown(key, shift);
  const auto& r = rows();
  if (r.empty()) return;
  int row = std::max(0, rowOf(selected_));
  const int page = std::max(1, VisibleRowCount() - 1);
  switch (key) {
    case ui::VK_UP:
      row -= 1;
      break;
    case ui::VK_DOWN:
      row += 1;
      break;
    case ui::VK_PRIOR:
      row -= page;
      break;
    case ui::VK_NEXT:
      row += page;
      break;
    case ui::VK_HOME:
      row = 0;
      break;
    case ui::VK_END:
      row = static_cast<int>(r.size()) - 1;
      break;
    case ui::VK_LEFT:
      if (selected_ && selected_->expanded)
        Collapse(selected_);
      else if (selected_ && selected_->parent)
        Select(selected_->parent);
      key = 0;
      return;
    case ui::VK_RIGHT:
      if (selected_ && !selected_->expanded)
        Expand(selected_);
      else if (selected_ && !selected_->children.empty())
        Select(selected_->children.front().get());
      key = 0;
      return;
    case ui::VK_F1 + 1:  // F2
      EditSelectedLabel();
      key = 0;
      return;
    default:
      return;
  }
  row = std::clamp(row, 0, static_cast<int>(r.size()) - 1);
  Select(r[static_cast<std::size_t>(row)]);
  key = 0;
}

void TbsSkinDirTreeView::resized() {
  TbsSkinControl::resized();
  clampScroll();
  scrollChanged();
}

}  // namespace skin
