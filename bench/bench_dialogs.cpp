// The skinned dialogs against what Qt itself offers, in the same run.
//
// BM_MessageDialogBuild builds a two-button confirmation in a built-in skin,
// shows it, paints it once and closes it; BM_MessageDialogBuildDefaultLook
// does the same without a skin; BM_QMessageBoxBuild takes the same steps for
// the same text in a QMessageBox.
//
// BM_ExpandFolder_20000 expands a folder of 20 000 sub-folders in the folder
// tree (reading, sorting and laying out its children) up to the tree's first
// paint; BM_QDirEntryList_20000 lists and sorts the same folder's
// sub-folders with QDir, the least a Qt program would do to show them.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QWidget>
#include <QtGlobal>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/folder_namespace.h"
#include "resources/builtin_skins.h"
#include "skin/dialogs/dir_tree_view.h"
#include "skin/dialogs/skin_message.h"
#include "ui/form.h"

namespace {

const char* const kText = "确定要退出商业模拟平台吗？";

// The offscreen platform says for every QMessageBox shown that it cannot
// pass size hints on; thousands of such lines would bury the results.
const bool kQuietPlatform = [] {
  static QtMessageHandler previous = nullptr;
  previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("This plugin does not support"))) return;
        if (previous != nullptr)
          previous(type, context, message);
        else
          std::fprintf(stderr, "%s\n", qPrintable(message));
      });
  return true;
}();

app::LoadedBuiltinSkin& Skin() {
  static app::LoadedBuiltinSkin s(0);
  return s;
}

void RunMessage(benchmark::State& state, skin::TbsSkinData* data) {
  skin::TbsSkinMessage message;
  message.setSkinData(data);
  message.setCtrlSkinData(data);
  const auto buttons = skin::MessageButtons({skin::mbYes, skin::mbNo});
  for (auto _ : state) {
    std::unique_ptr<skin::TbsMessageForm> form(
        message.BuildMessageForm(kText, skin::TMsgDlgType::mtConfirmation, buttons));
    form->show();
    form->widget()->repaint();
    form->hide();
  }
}

void BM_MessageDialogBuild(benchmark::State& state) { RunMessage(state, &Skin().data); }
BENCHMARK(BM_MessageDialogBuild)->Unit(benchmark::kMicrosecond);

void BM_MessageDialogBuildDefaultLook(benchmark::State& state) { RunMessage(state, nullptr); }
BENCHMARK(BM_MessageDialogBuildDefaultLook)->Unit(benchmark::kMicrosecond);

void BM_QMessageBoxBuild(benchmark::State& state) {
  for (auto _ : state) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Question, QString::fromUtf8("确认"),
                                      QString::fromUtf8(kText), QMessageBox::Yes | QMessageBox::No);
    box->show();
    box->repaint();
    box->hide();
  }
}
BENCHMARK(BM_QMessageBoxBuild)->Unit(benchmark::kMicrosecond);

constexpr int kFolders = 20000;

// A home folder of 20 000 sub-folders with names of letters and numbers,
// made once for the run.
struct BigFolder {
  QTemporaryDir tmp;
  std::string home;
  std::string desktop;
  BigFolder() {
    home = tmp.path().toStdString() + "/home";
    desktop = tmp.path().toStdString() + "/Desktop";
    mkdir(home.c_str(), 0755);
    mkdir(desktop.c_str(), 0755);
    for (int i = 0; i < kFolders; ++i) {
      const std::string name = home + "/文件夹 " + std::to_string((i * 7919) % kFolders);
      if (mkdir(name.c_str(), 0755) != 0) std::perror(name.c_str());
    }
  }
  std::shared_ptr<platform::FolderNamespace> folders() const {
    platform::FolderNamespace::Places p;
    p.desktopPath = desktop;
    p.desktopName = "桌面";
    p.homePath = home;
    p.homeName = "主文件夹";
    p.volumes = {{"/", "/"}};
    return std::make_shared<platform::FolderNamespace>(p);
  }
};

BigFolder& Big() {
  static BigFolder b;
  return b;
}

void BM_ExpandFolder_20000(benchmark::State& state) {
  const auto ns = Big().folders();
  ui::Form form;
  form.setBounds(0, 0, 400, 500);
  form.show();
  std::size_t rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto* tree = new skin::TbsSkinDirTreeView(&form, ns);
    tree->setParent(&form);
    tree->setBounds(0, 0, 380, 480);
    tree->widget()->repaint();
    skin::TbsSkinDirTreeView::Node* home = tree->TopNode()->children[1].get();
    state.ResumeTiming();
    tree->Expand(home);
    tree->widget()->repaint();
    state.PauseTiming();
    rows = home->children.size();
    delete tree;
    state.ResumeTiming();
  }
  state.counters["folders"] = static_cast<double>(rows);
}
BENCHMARK(BM_ExpandFolder_20000)->Unit(benchmark::kMillisecond);

void BM_QDirEntryList_20000(benchmark::State& state) {
  const QString home = QString::fromStdString(Big().home);
  qsizetype n = 0;
  for (auto _ : state) {
    QDir dir(home);
    const QStringList names =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    n = names.size();
    benchmark::DoNotOptimize(names.constData());
  }
  state.counters["folders"] = static_cast<double>(n);
}
BENCHMARK(BM_QDirEntryList_20000)->Unit(benchmark::kMillisecond);

}  // namespace
