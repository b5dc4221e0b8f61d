// TbsSkinSelectDirectoryDialog: the component that lets the user pick a
// folder in a modal window drawn with the skin: the folder tree with two
// skinned scroll bars standing in for its own, OK and Cancel, and its
// context menu (open, rename, delete, new folder, refresh). It remembers the
// chosen folder and the window's size between uses.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/folder_namespace.h"
#include "skin/dialogs/dialog_skins.h"
#include "ui/component.h"
#include "ui/form.h"
#include "ui/graphics/font.h"

namespace skin {

class TbsFormFrame;
class TbsSkinButton;
class TbsSkinDirTreeView;
class TbsSkinMessage;
class TbsSkinPanel;
class TbsSkinPopupMenu;
class TbsSkinScrollBar;

class TbsSelDirDlgForm : public ui::Form {
 public:
  explicit TbsSelDirDlgForm(std::shared_ptr<const platform::FolderNamespace> ns);
  ~TbsSelDirDlgForm() override;

  TbsFormFrame* frame() const { return frame_; }
  TbsSkinDirTreeView* tree() const { return tree_; }
  TbsSkinScrollBar* vScrollBar() const { return vBar_; }
  TbsSkinScrollBar* hScrollBar() const { return hBar_; }
  TbsSkinButton* okButton() const { return ok_; }
  TbsSkinButton* cancelButton() const { return cancel_; }
  TbsSkinPopupMenu* contextMenu() const { return menu_; }

  // Shows the message of a failed folder operation (the message dialog).
  std::function<void(const std::string&)> ShowError;
  // Asks whether to delete; true to go on.
  std::function<bool(const std::string&)> ConfirmDelete;
  // Opens a folder with the desktop's default handler.
  std::function<void(const std::string&)> OpenFolder;
  std::string NewFolderName = "新建文件夹";

  // The skinned scroll bars follow the tree's scroll positions.
  void syncScrollBars();
  // The context menu's commands on the selected folder.
  void openSelected();
  void renameSelected();
  void deleteSelected();
  void newFolder();
  void refreshSelected();

 private:
  friend class TbsSkinSelectDirectoryDialog;
  TbsFormFrame* frame_ = nullptr;
  TbsSkinPanel* treePanel_ = nullptr;
  TbsSkinPanel* buttonPanel_ = nullptr;
  TbsSkinDirTreeView* tree_ = nullptr;
  TbsSkinScrollBar* vBar_ = nullptr;
  TbsSkinScrollBar* hBar_ = nullptr;
  TbsSkinButton* ok_ = nullptr;
  TbsSkinButton* cancel_ = nullptr;
  TbsSkinPopupMenu* menu_ = nullptr;
  bool syncing_ = false;
};

class TbsSkinSelectDirectoryDialog : public ui::Component, public DialogSkins {
 public:
  explicit TbsSkinSelectDirectoryDialog(ui::Component* owner = nullptr);

  std::string Title = "Select folder";
  std::string Directory;
  int DialogWidth = 0, DialogHeight = 0;
  int DialogMinWidth = 0, DialogMinHeight = 0;
  gfx::Font DefaultFont;  // 宋体, 14 pixels
  bool ShowToolBar = false;
  bool AlphaBlend = false;
  int AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;

  // The message dialog for errors and the delete confirmation (null: one in
  // the default look).
  void setMessage(TbsSkinMessage* message) { message_ = message; }
  // The folder namespace (tests give their own; null: the user's).
  void setFolders(std::shared_ptr<const platform::FolderNamespace> ns) { ns_ = std::move(ns); }

  // Shows the window modally; true when the user confirmed, and Directory
  // then holds the chosen folder.
  bool ChooseFolder();

  // Told with the window once it is shown (tests and previews answer it).
  std::function<void(TbsSelDirDlgForm&)> OnShown;

 private:
  TbsSkinMessage* message_ = nullptr;
  std::shared_ptr<const platform::FolderNamespace> ns_;
};

}  // namespace skin
