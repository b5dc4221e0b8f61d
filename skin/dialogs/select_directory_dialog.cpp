// The folder dialog: its window (tool bar with the path box and the
// new-folder button, tree panel with stand-in scroll bars, button panel),
// the context menu's commands, and choosing a folder.
#include "skin/dialogs/select_directory_dialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <stdexcept>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_tool_bar.h"
#include "skin/dialogs/dir_tree_view.h"
#include "skin/dialogs/new_folder_glyph.h"
#include "skin/dialogs/skin_message.h"
#include "skin/frame/form_frame.h"
#include "skin/popup/skin_popup_menu.h"
#include "ui/keys.h"
#include "ui/menu_item.h"

namespace skin {

namespace {

constexpr int kDefaultClientSize = 280;
constexpr int kScrollBarThickness = 19;
constexpr int kButtonPanelHeight = 50;

ui::MenuItem* AddItem(ui::MenuItem& parent, const std::string& caption, std::function<void()> fn) {
  auto* item = new ui::MenuItem(&parent);
  item->setCaption(caption);
  item->onClick = [fn = std::move(fn)](ui::MenuItem&) { fn(); };
  parent.add(item);
  return item;
}

// The tool bar places its path box and button itself after every change of
// its bounds or skin: the path box keeps the height its section gives it
// and is centred in the bar.
class PathToolBar : public TbsSkinToolBar {
 public:
  using TbsSkinToolBar::TbsSkinToolBar;
  std::function<void()> place;

  void setBounds(int left, int top, int width, int height) override {
    TbsSkinToolBar::setBounds(left, top, width, height);
    if (place) place();
  }
  void ChangeSkinData() override {
    TbsSkinToolBar::ChangeSkinData();
    if (place) place();
  }
};

// The folder a path typed by the user names: "~" is the home folder, a
// relative path is taken inside the selected folder (inside the home folder
// when a virtual folder is selected), and "." and ".." steps are resolved.
std::string TypedFolder(const std::string& typed, const std::string& homePath,
                        const std::string& selectedPath) {
  std::string path = typed;
  if (typed == "~" || typed.rfind("~/", 0) == 0) {
    path = homePath + typed.substr(1);
  } else if (typed.front() != '/') {
    const std::string base =
        platform::FolderNamespace::directoryExists(selectedPath) ? selectedPath : homePath;
    path = base + "/" + typed;
  }
  return QDir::cleanPath(QString::fromStdString(path)).toStdString();
}

}  // namespace

TbsSelDirDlgForm::TbsSelDirDlgForm(std::shared_ptr<const platform::FolderNamespace> ns,
                                   bool withToolBar)
    : ui::Form(nullptr) {
  setBorderStyle(ui::BorderStyle::bsSizeable);
  setPosition(ui::Position::poScreenCenter);
  setKeyPreview(true);
  frame_ = new TbsFormFrame(this);
  frame_->setBorderIcons(TbsBorderIcons::none());

  buttonPanel_ = new TbsSkinPanel(this);
  buttonPanel_->setParent(this);
  buttonPanel_->setBorderStyle(TbsSkinBorderStyle::bvNone);
  buttonPanel_->setHeight(kButtonPanelHeight);
  buttonPanel_->setAlign(ui::Align::alBottom);

  treePanel_ = new TbsSkinPanel(this);
  treePanel_->setParent(this);
  treePanel_->setBorderStyle(TbsSkinBorderStyle::bvFrame);
  treePanel_->setAlign(ui::Align::alClient);

  vBar_ = new TbsSkinScrollBar(this);
  vBar_->setKind(TbsScrollBarKind::sbVertical);
  vBar_->SetSkinDataName("vscrollbar");
  vBar_->setParent(treePanel_);
  vBar_->setWidth(kScrollBarThickness);
  vBar_->setAlign(ui::Align::alRight);
  hBar_ = new TbsSkinScrollBar(this);
  hBar_->setKind(TbsScrollBarKind::sbHorizontal);
  hBar_->SetSkinDataName("hscrollbar");
  hBar_->setBothMarkerWidth(kScrollBarThickness);
  hBar_->setParent(treePanel_);
  hBar_->setHeight(kScrollBarThickness);
  hBar_->setAlign(ui::Align::alBottom);

  tree_ = new TbsSkinDirTreeView(this, std::move(ns));
  tree_->setParent(treePanel_);
  tree_->setAlign(ui::Align::alClient);
  tree_->OnScrollChanged = [this](TbsSkinDirTreeView&) { syncScrollBars(); };
  tree_->OnChange = [this](TbsSkinDirTreeView&) {
    syncScrollBars();
    if (pathBox_ != nullptr) pathBox_->setEditText(tree_->SelectedPath());
  };
  tree_->OnError = [this](const std::string& m) {
    if (ShowError) ShowError(m);
  };
  tree_->OpenWithDefault = [this](const std::string& path) {
    if (OpenFolder) OpenFolder(path);
  };
  vBar_->OnChange = [this](ui::Control&) {
    if (!syncing_) tree_->ScrollToRow(vBar_->Position());
  };
  hBar_->OnChange = [this](ui::Control&) {
    if (!syncing_) tree_->ScrollToX(hBar_->Position());
  };

  ok_ = new TbsSkinButton(this);
  ok_->setParent(buttonPanel_);
  ok_->setBounds(20, 15, 70, 25);
  ok_->setDefault(true);
  ok_->setModalResult(ui::mrOk);
  ok_->setCanFocused(true);
  cancel_ = new TbsSkinButton(this);
  cancel_->setParent(buttonPanel_);
  cancel_->setBounds(100, 15, 70, 25);
  cancel_->setCancel(true);
  cancel_->setModalResult(ui::mrCancel);
  cancel_->setCanFocused(true);

  menu_ = new TbsSkinPopupMenu(this);
  ui::MenuItem& root = menu_->items();
  AddItem(root, "打开", [this] { openSelected(); });
  AddItem(root, "重命名", [this] { renameSelected(); });
  AddItem(root, "删除", [this] { deleteSelected(); });
  AddItem(root, "-", [] {});
  AddItem(root, "新建文件夹", [this] { newFolder(); });
  AddItem(root, "刷新", [this] { refreshSelected(); });
  tree_->OnContextPopup = [this](TbsSkinDirTreeView&, TbsSkinDirTreeView::Node&, gfx::Point p) {
    menu_->Popup(p.x, p.y);
  };
  if (withToolBar) buildToolBar();
}

void TbsSelDirDlgForm::buildToolBar() {
  auto* bar = new PathToolBar(this);
  toolBar_ = bar;
  bar->setParent(this);
  bar->setBorderStyle(TbsSkinBorderStyle::bvNone);
  bar->setHeight(kToolBarHeight);
  bar->setAlign(ui::Align::alTop);

  pathBox_ = new TbsSkinEdit(this);
  pathBox_->SetSkinDataName("tooledit");
  pathBox_->setParent(bar);
  pathBox_->setEditText(tree_->SelectedPath());
  // Enter in the path box selects the folder typed there and never reaches
  // the OK button. Escape first brings the selected folder's path back;
  // only in a box that shows it already does it reach the Cancel button.
  pathBox_->onKeyDown = [this](ui::Control&, int& key, unsigned) {
    if (key == ui::VK_RETURN) {
      key = 0;
      selectTypedPath();
    } else if (key == ui::VK_ESCAPE && restorePath()) {
      key = 0;
    }
  };

  newFolderButton_ = new TbsSkinSpeedButton(this);
  newFolderButton_->SetSkinDataName("toolbutton");
  newFolderButton_->setParent(bar);
  newFolderButton_->setGlyph(NewFolderGlyph());
  newFolderButton_->setNumGlyphs(1);
  newFolderButton_->setShowHint(true);
  newFolderButton_->OnClick = [this](ui::Control&) { newFolder(); };

  bar->place = [this] { placeToolBar(); };
  placeToolBar();
}

void TbsSelDirDlgForm::placeToolBar() {
  if (toolBar_ == nullptr || pathBox_ == nullptr || newFolderButton_ == nullptr) return;
  const int w = toolBar_->width();
  const int h = toolBar_->height();
  newFolderButton_->setBounds(w - kNewFolderButtonWidth, 0, kNewFolderButtonWidth, h);
  const int boxWidth = std::max(0, w - kNewFolderButtonWidth - kToolBarSpacing);
  pathBox_->setBounds(0, 0, boxWidth, h);
  if (pathBox_->height() < h) pathBox_->setTop((h - pathBox_->height()) / 2);
}

void TbsSelDirDlgForm::selectTypedPath() {
  if (pathBox_ == nullptr) return;
  const std::string typed = pathBox_->Text();
  if (typed.empty()) return;
  if (typed == platform::kComputerDisplayName || typed == platform::kComputerParsingName) {
    tree_->SelectMyComputer();
  } else {
    try {
      const std::string path =
          TypedFolder(typed, tree_->folders().places().homePath, tree_->SelectedPath());
      if (!platform::FolderNamespace::directoryExists(path))
        throw std::runtime_error("Error setting path: \"" + typed + "\"");
      tree_->SelectPath(path);
    } catch (const std::runtime_error& e) {
      // The selection stays, and so does the typed text, to be mended.
      if (ShowError) ShowError(e.what());
      return;
    }
  }
  pathBox_->setEditText(tree_->SelectedPath());
  pathBox_->selectAll();
}

bool TbsSelDirDlgForm::restorePath() {
  if (pathBox_ == nullptr) return false;
  const std::string selected = tree_->SelectedPath();
  if (pathBox_->Text() == selected) return false;
  pathBox_->setEditText(selected);
  pathBox_->selectAll();
  return true;
}

TbsSelDirDlgForm::~TbsSelDirDlgForm() {
  // The tree tells the bars of its scrolling; they go first with the window.
  if (tree_ != nullptr) {
    tree_->OnScrollChanged = nullptr;
    tree_->OnChange = nullptr;
  }
}

void TbsSelDirDlgForm::syncScrollBars() {
  if (syncing_ || tree_ == nullptr) return;
  syncing_ = true;
  const auto v = tree_->VerticalScroll();
  const bool showV = v.max > 0 && v.max >= v.page && v.max < tree_->ItemCount();
  const auto h = tree_->HorizontalScroll();
  const bool showH = h.max > tree_->width();
  const bool changed = showV != vBar_->visible() || showH != hBar_->visible();
  if (showV) vBar_->SetRange(0, v.max, std::max(1, v.page), v.pos);
  if (showH) hBar_->SetRange(0, h.max, std::max(1, h.page), h.pos);
  if (showV)
    vBar_->show();
  else
    vBar_->hide();
  if (showH)
    hBar_->show();
  else
    hBar_->hide();
  hBar_->setBoth(showV && showH);
  if (changed) treePanel_->realign();
  syncing_ = false;
}

void TbsSelDirDlgForm::openSelected() {
  const std::string path = tree_->SelectedPath();
  if (path.empty() || !platform::FolderNamespace::directoryExists(path)) return;
  // The folder becomes the working directory while it is opened, and the
  // one before comes back after.
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(path));
  if (OpenFolder) OpenFolder(path);
  QDir::setCurrent(before);
}

void TbsSelDirDlgForm::renameSelected() { tree_->EditSelectedLabel(); }

void TbsSelDirDlgForm::deleteSelected() {
  TbsSkinDirTreeView::Node* node = tree_->Selected();
  if (node == nullptr || node->item.kind != platform::FolderKind::Directory) return;
  if (ConfirmDelete && !ConfirmDelete(node->item.displayName)) return;
  std::string why;
  if (!tree_->folders().moveToTrash(node->item, &why)) {
    if (ShowError) ShowError("Delete " + node->item.displayName + " failed: " + why);
    return;
  }
  // The node goes once its folder is gone; its parent is read again.
  if (!platform::FolderNamespace::directoryExists(node->item.parsingName) && node->parent) {
    TbsSkinDirTreeView::Node* parent = node->parent;
    tree_->Select(parent);
    tree_->RefreshNode(parent);
  }
}

void TbsSelDirDlgForm::newFolder() {
  TbsSkinDirTreeView::Node* node = tree_->Selected();
  if (node == nullptr) return;
  std::string why;
  const auto made = tree_->folders().createFolder(node->item, NewFolderName, &why);
  if (!made) {
    if (ShowError)
      ShowError("Unable to create the folder \"" + NewFolderName + "\" in \"" +
                tree_->SelectedPath() + "\": " + why);
    return;
  }
  tree_->RefreshNode(node);
  tree_->SelectPath(*made);
}

void TbsSelDirDlgForm::refreshSelected() {
  if (tree_->Selected() != nullptr) tree_->RefreshNode(tree_->Selected());
}

// --- the component -----------------------------------------------------------

TbsSkinSelectDirectoryDialog::TbsSkinSelectDirectoryDialog(ui::Component* owner)
    : ui::Component(owner) {
  DefaultFont.name = "宋体";
  DefaultFont.height = 14;
}

bool TbsSkinSelectDirectoryDialog::ChooseFolder() {
  auto ns = ns_ ? ns_ : std::make_shared<platform::FolderNamespace>();
  std::unique_ptr<TbsSelDirDlgForm> form = std::make_unique<TbsSelDirDlgForm>(ns, ShowToolBar);
  form->setCaption(Title);
  TbsFormFrame* frame = form->frame();
  frame->setSkinData(SkinData());
  frame->setMenusSkinData(CtrlSkinData());
  frame->MinWidth = DialogMinWidth;
  frame->MinHeight = DialogMinHeight;
  frame->setAlphaBlend(AlphaBlend);
  frame->AlphaBlendAnimation = AlphaBlendAnimation;
  frame->setAlphaBlendValue(AlphaBlendValue);

  form->ok_->setCaption(text("MSG_BTN_OK", "确定"));
  form->cancel_->setCaption(text("MSG_BTN_CANCEL", "取消"));
  form->NewFolderName = text("MSG_NEWFOLDER", "新建文件夹");
  for (TbsSkinButton* b : {form->ok_, form->cancel_}) {
    b->setDefaultFont(DefaultFont);
    b->SetSkinData(CtrlSkinData());
  }
  form->tree_->DefaultFont = DefaultFont;
  form->tree_->SetSkinData(CtrlSkinData());
  form->treePanel_->SetSkinData(CtrlSkinData());
  form->buttonPanel_->SetSkinData(CtrlSkinData());
  form->vBar_->SetSkinData(CtrlSkinData());
  form->hBar_->SetSkinData(CtrlSkinData());
  form->menu_->setSkinData(CtrlSkinData());
  if (form->toolBar_ != nullptr) {
    form->newFolderButton_->setHint(text("MSG_BTN_NEWFOLDER_HINT", "新建文件夹"));
    form->toolBar_->SetSkinData(CtrlSkinData());
    form->newFolderButton_->SetSkinData(CtrlSkinData());
    form->pathBox_->SetSkinData(CtrlSkinData());
    form->placeToolBar();
  }

  TbsSkinMessage plain;
  TbsSkinMessage* message = message_ != nullptr ? message_ : &plain;
  form->ShowError = [message](const std::string& m) {
    message->ExecuteMessage(m, TMsgDlgType::mtError, MessageButtons({mbOK}));
  };
  form->ConfirmDelete = [message](const std::string& name) {
    return message->ExecuteMessage("确定要把“" + name + "”移到回收站吗？",
                                   TMsgDlgType::mtConfirmation,
                                   MessageButtons({mbYes, mbNo})) == ui::mrYes;
  };
  form->OpenFolder = [](const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  };

  if (!Directory.empty() && platform::FolderNamespace::directoryExists(Directory)) {
    try {
      form->tree_->SelectPath(Directory);
    } catch (const std::runtime_error&) {
      // A folder that went between the check and the walk: the computer.
      form->tree_->SelectMyComputer();
    }
  } else {
    form->tree_->SelectMyComputer();
  }

  int w = DialogWidth > 0 ? DialogWidth : kDefaultClientSize;
  int h = DialogHeight > 0 ? DialogHeight : kDefaultClientSize;
  form->setClientSize(w, h);
  if (SkinData() != nullptr && !SkinData()->Empty()) {
    if (form->width() < frame->MinFrameWidth()) form->setWidth(frame->MinFrameWidth());
    if (form->height() < frame->MinFrameHeight()) form->setHeight(frame->MinFrameHeight());
  }
  form->syncScrollBars();
  form->tree_->setFocus();
  if (OnShown) {
    TbsSelDirDlgForm* f = form.get();
    QTimer::singleShot(0, f->widget(), [this, f] {
      if (OnShown) OnShown(*f);
    });
  }
  const int result = form->showModal();
  DialogWidth = form->clientWidth();
  DialogHeight = form->clientHeight();
  if (result != ui::mrOk) return false;
  Directory = form->tree_->SelectedPath();
  return true;
}

}  // namespace skin
