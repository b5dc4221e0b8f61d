// The dialogs area of the gallery: buttons that open a message of each kind
// and the folder dialog with and without its tool bar, all wearing the
// gallery's skin.
#include <memory>

#include "gallery.h"
#include "skin/controls/skin_button.h"
#include "skin/dialogs/select_directory_dialog.h"
#include "skin/dialogs/skin_message.h"

namespace {

struct Dialogs {
  std::unique_ptr<skin::TbsSkinMessage> message;
  std::unique_ptr<skin::TbsSkinSelectDirectoryDialog> folder;
  std::unique_ptr<skin::TbsSkinSelectDirectoryDialog> folderWithToolBar;
};
Dialogs& State() {
  static Dialogs d;
  return d;
}

skin::TbsSkinButton* AddButton(ui::WinControl& box, const gallery::Context& ctx,
                               const char* caption, int x, int y, std::function<void()> action) {
  auto* b = new skin::TbsSkinButton(ctx.form);
  b->setParent(&box);
  b->setCaption(caption);
  b->setBounds(x, y, 96, 25);
  b->SetSkinData(ctx.skinData);
  b->OnClick = [action = std::move(action)](ui::Control&) { action(); };
  return b;
}

void Build(ui::WinControl& box, const gallery::Context& ctx) {
  Dialogs& d = State();
  d.message = std::make_unique<skin::TbsSkinMessage>();
  d.message->setSkinData(ctx.skinData);
  d.message->setCtrlSkinData(ctx.skinData);
  skin::TbsSkinMessage* m = d.message.get();
  using skin::TMsgDlgType;
  const auto open = [m](const char* text, TMsgDlgType kind, skin::TMsgDlgButtons set) {
    return [m, text, kind, set] { m->ExecuteMessage(text, kind, set); };
  };
  const auto info = open("班级已经进入，教师控制台正在打开。", TMsgDlgType::mtInformation,
                         skin::MessageButtons({skin::mbYes}));
  const auto confirm = open("确定退出吗？", TMsgDlgType::mtConfirmation,
                            skin::MessageButtons({skin::mbYes, skin::mbNo}));
  AddButton(box, ctx, "信息", 8, 8, info);
  AddButton(box, ctx, "确认", 112, 8, confirm);
  const auto warning =
      open("请输入服务器地址。", TMsgDlgType::mtWarning, skin::MessageButtons({skin::mbYes}));
  const auto error =
      open("连接服务器失败，请检查服务器地址和端口是否正确，以及网络是否连通。",
           TMsgDlgType::mtError, skin::MessageButtons({skin::mbOK, skin::mbCancel, skin::mbHelp}));
  AddButton(box, ctx, "警告", 8, 40, warning);
  AddButton(box, ctx, "错误", 112, 40, error);
  const auto makeFolderDialog = [&ctx, m](bool toolBar) {
    auto dialog = std::make_unique<skin::TbsSkinSelectDirectoryDialog>();
    dialog->setSkinData(ctx.skinData);
    dialog->setCtrlSkinData(ctx.skinData);
    dialog->setMessage(m);
    dialog->ShowToolBar = toolBar;
    return dialog;
  };
  d.folder = makeFolderDialog(false);
  d.folderWithToolBar = makeFolderDialog(true);
  skin::TbsSkinSelectDirectoryDialog* folder = d.folder.get();
  skin::TbsSkinSelectDirectoryDialog* folderWithToolBar = d.folderWithToolBar.get();
  const auto chooseFolder = [folder] { folder->ChooseFolder(); };
  const auto chooseWithToolBar = [folderWithToolBar] { folderWithToolBar->ChooseFolder(); };
  AddButton(box, ctx, "选择文件夹", 8, 72, chooseFolder);
  AddButton(box, ctx, "带工具栏", 112, 72, chooseWithToolBar);
  gallery::RegisterAction("folder", chooseFolder);
  gallery::RegisterAction("folder-toolbar", chooseWithToolBar);
  gallery::RegisterAction("message", info);
  gallery::RegisterAction("confirm", confirm);
  gallery::RegisterAction("warning", warning);
  gallery::RegisterAction("error", error);
}

const bool registered = gallery::RegisterArea({"对话框", 90, 216, 104, Build});

}  // namespace
