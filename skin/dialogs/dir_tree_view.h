// TbsSkinDirTreeView: the folder tree of the folder dialog, drawn by itself
// from the "treeview" section (font, font colour and background colour) or
// in system colours without one. The desktop is the top node; a folder's
// sub-folders are read when it is first expanded. It keeps its own scroll
// positions and tells them through ScrollInfo, so that skinned scroll bars
// can stand in for scroll bars of its own.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/folder_namespace.h"
#include "skin/controls/skin_control.h"

class QLineEdit;

namespace ui {
class WidgetHost;
}

namespace skin {

class TbsSkinDirTreeView : public TbsSkinControl {
 public:
  struct Node {
    platform::FolderItem item;
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
    bool childrenRead = false;
    bool expanded = false;
    bool hasButton = false;  // an expand button is shown
    int level = 0;
    int textWidth = -1;       // the name's width as drawn, measured once
    int roughTextWidth = -1;  // the sum of the name's character advances
  };

  // ns: the folder namespace (null: the user's own).
  explicit TbsSkinDirTreeView(ui::Component* owner,
                              std::shared_ptr<const platform::FolderNamespace> ns = nullptr);
  ~TbsSkinDirTreeView() override;

  const platform::FolderNamespace& folders() const { return *ns_; }
  Node* TopNode() const { return root_.get(); }
  Node* Selected() const { return selected_; }
  void Select(Node* node);

  // Shows and selects the folder at path, expanding its ancestors, then
  // expands it. Throws std::runtime_error "Error setting path: "<path>"" for
  // a path that names no folder.
  void SelectPath(const std::string& path);
  void SelectMyComputer();
  // The selected folder's path; the display name for a virtual folder; ""
  // when nothing is selected.
  std::string SelectedPath() const;
  // Reads the node's folder again, keeping the expanded children, the
  // selected folder and the top visible folder.
  void RefreshNode(Node* node);

  void Expand(Node* node);
  void Collapse(Node* node);
  // Starts editing the selected node's name in place (real folders only).
  void EditSelectedLabel();
  bool editingLabel() const { return editor_ != nullptr; }
  // Ends the editing: commit renames the folder.
  void EndLabelEdit(bool commit);

  // Font of the tree without a section (and with UseSkinFont off).
  gfx::Font DefaultFont;
  bool UseSkinFont = true;

  // Scroll positions: rows for the vertical bar, pixels for the horizontal.
  struct ScrollInfo {
    int min = 0, max = 0, page = 0, pos = 0;
  };
  ScrollInfo VerticalScroll() const;
  ScrollInfo HorizontalScroll() const;
  void ScrollToRow(int row);
  void ScrollToX(int x);
  int RowHeight() const;
  int VisibleRowCount() const;                // whole rows that fit
  int ItemCount() const;                      // rows of the expanded tree
  gfx::Rect RowRect(const Node* node) const;  // in client coordinates; empty when scrolled away
  Node* NodeAt(int x, int y) const;

  // Told after the selection changed, after the scroll ranges changed, when
  // a node is right-clicked (at a screen point), when a ".zip" folder is to
  // be opened instead of expanded, and when an operation failed (a message
  // for the user: "Rename to <name> failed").
  std::function<void(TbsSkinDirTreeView&)> OnChange;
  std::function<void(TbsSkinDirTreeView&)> OnScrollChanged;
  std::function<void(TbsSkinDirTreeView&, Node&, gfx::Point)> OnContextPopup;
  std::function<void(const std::string& path)> OpenWithDefault;
  std::function<void(const std::string& message)> OnError;

  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;

 protected:
  void wndProc(ui::Message& m) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void keyDown(int& key, unsigned shift) override;
  void resized() override;

 private:
  void readChildren(Node& node);
  std::unique_ptr<Node> makeNode(const platform::FolderItem& item, Node* parent) const;
  const std::vector<Node*>& rows() const;
  void rowsChanged();
  int rowOf(const Node* node) const;
  void makeVisible(const Node* node);
  void clampScroll();
  void scrollChanged();
  Node* findChild(Node& parent, const std::string& parsingName);
  void selectChain(const std::vector<platform::FolderItem>& chain);
  void draw(gfx::Bitmap& bitmap, gfx::Color background, const gfx::Font& font);
  gfx::Font treeFont() const;
  int contentWidth() const;
  gfx::Rect buttonRect(const Node* node, int rowTop) const;
  void reportError(const std::string& message);

  std::shared_ptr<const platform::FolderNamespace> ns_;
  std::unique_ptr<Node> root_;
  Node* selected_ = nullptr;
  int topRow_ = 0;
  int scrollX_ = 0;
  mutable std::vector<Node*> rows_;
  mutable bool rowsValid_ = false;
  mutable int contentWidth_ = -1;
  ui::WidgetHost* editor_ = nullptr;
  QLineEdit* editorLine_ = nullptr;
  gfx::Color fontColor_;
  gfx::Color bgColor_;
  bool hasSkinColors_ = false;
};

}  // namespace skin
