// TbsSkinSelectDirectoryDialog: the component that lets the user pick a
// folder in a modal window drawn with the skin: the folder tree with two
// skinned scroll bars standing in for its own, OK and Cancel, its context
// menu (open, rename, delete, new folder, refresh) and, when asked for, a
// tool bar with a path box and a new-folder button. It remembers the chosen
// folder and the window's size between uses.
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
class TbsSkinEdit;
class TbsSkinMessage;
class TbsSkinPanel;
class TbsSkinPopupMenu;
class TbsSkinScrollBar;
class TbsSkinSpeedButton;
class TbsSkinToolBar;

class TbsSelDirDlgForm : public ui::Form {
 public:
  // withToolBar: the tool bar with the path box and the new-folder button.
  explicit TbsSelDirDlgForm(std::shared_ptr<const platform::FolderNamespace> ns,
                            bool withToolBar = false);
  ~TbsSelDirDlgForm() override;

  // Sizes of the tool bar and its new-folder button.
  static constexpr int kToolBarHeight = 25;
  static constexpr int kNewFolderButtonWidth = 27;
  static constexpr int kToolBarSpacing = 5;  // between the path box and the button

  TbsFormFrame* frame() const { return frame_; }
  TbsSkinDirTreeView* tree() const { return tree_; }
  TbsSkinScrollBar* vScrollBar() const { return vBar_; }
  TbsSkinScrollBar* hScrollBar() const { return hBar_; }
  TbsSkinButton* okButton() const { return ok_; }
  TbsSkinButton* cancelButton() const { return cancel_; }
  TbsSkinPopupMenu* contextMenu() const { return menu_; }
  // The tool bar and its controls; null without a tool bar.
  TbsSkinToolBar* toolBar() const { return toolBar_; }
  TbsSkinEdit* pathBox() const { return pathBox_; }
  TbsSkinSpeedButton* newFolderButton() const { return newFolderButton_; }

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
  // The path box's Enter: selects the folder typed there; a path that names
  // no folder is told through ShowError and the selection stays.
  void selectTypedPath();
  // The path box's Escape: the selected folder's path comes back. False
  // when the box already showed it (the key then closes the window).
  bool restorePath();

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
  TbsSkinToolBar* toolBar_ = nullptr;
  TbsSkinEdit* pathBox_ = nullptr;
  TbsSkinSpeedButton* newFolderButton_ = nullptr;
  bool syncing_ = false;

  void buildToolBar();
  void placeToolBar();
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
