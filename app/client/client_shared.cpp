#include "app/client/client_shared.h"

#include <QObject>
#include <QWidget>
#include <algorithm>
#include <exception>
#include <stdexcept>

#include "app/crash/crash_reporter.h"
#include "platform/browser/web_browser.h"
#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/dialogs/select_directory_dialog.h"
#include "skin/dialogs/skin_message.h"
#include "skin/frame/form_frame.h"
#include "skin/frame/skin_change.h"
#include "skin/popup/skin_hint.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/graphics/color.h"
#include "ui/message.h"

namespace app {

namespace {

gfx::Font ArialFont(int height, bool bold = false) {
  gfx::Font f;
  f.name = "Arial";
  f.height = height;
  f.bold = bold;
  return f;
}

}  // namespace

ClientShared::ClientShared() : ClientShared(Options{}) {}

ClientShared::ClientShared(Options options)
    : skinWindows_(std::make_unique<skin::FormSkinWindows>()),
      holder_(std::make_unique<ui::Component>()),
      browserWatch_(std::make_unique<QObject>()) {
  for (int i = 0; i < kStoredSkinCount; ++i) {
    auto stored = std::make_unique<skin::TbsCompressedStoredSkin>();
    const auto builtins = BuiltinSkins();
    if (static_cast<std::size_t>(i) < builtins.size())
      LoadBuiltinSkin(builtins[static_cast<std::size_t>(i)], *stored);
    stored_.push_back(std::move(stored));
  }
  skinData_ = std::make_unique<skin::TbsSkinData>(nullptr, skinWindows_.get());
  // While a server request waits, the windows go on repainting and taking
  // input: every client's wait dispatches the pending messages.
  HttpClient::setDefaultEventPump([] { ui::Application::instance().processMessages(); });

  // bsSkinMessage: the skin's frame, buttons and label, the client's fonts.
  message_ = new skin::TbsSkinMessage(holder_.get());
  message_->setName("bsSkinMessage");
  message_->setSkinData(skinData_.get());
  message_->setCtrlSkinData(skinData_.get());
  message_->AlphaBlend = true;
  message_->AlphaBlendAnimation = true;
  message_->AlphaBlendValue = 255;
  message_->DefaultFont = ArialFont(14);
  message_->DefaultButtonFont = ArialFont(14);
  message_->UseSkinFont = false;
  skin::TbsSkinMessage::setApplicationMessage(message_);

  // bsSkinHint1: every hint of the client, red "MS Sans Serif" 15 pixels.
  hint_ = new skin::TbsSkinHint(holder_.get());
  hint_->setName("bsSkinHint1");
  hint_->setSkinData(skinData_.get());
  hint_->setActive(true);
  hint_->AlphaBlend = true;
  hint_->AlphaBlendValue = 250;
  hint_->DefaultFont.name = "MS Sans Serif";
  hint_->DefaultFont.height = 15;
  hint_->DefaultFont.color = gfx::Color::rgb(255, 0, 0);
  hint_->UseSkinFont = false;

  // bsSkinSelectDirectoryDialog1: no skin at all, so always the default look.
  folderDialog_ = new skin::TbsSkinSelectDirectoryDialog(holder_.get());
  folderDialog_->setName("bsSkinSelectDirectoryDialog1");
  folderDialog_->Title = "Select folder";
  folderDialog_->DefaultFont.name = "宋体";
  folderDialog_->DefaultFont.height = 14;
  folderDialog_->DialogWidth = 0;
  folderDialog_->DialogHeight = 0;
  folderDialog_->AlphaBlend = false;
  folderDialog_->ShowToolBar = false;
  folderDialog_->setMessage(message_);

  CrashReporter::Options crashOptions;
  crashOptions.folder = options.crashFolder;
  crashOptions.showMessage = [this](const std::string& text) {
    showMessage(text, skin::TMsgDlgType::mtError);
  };
  crash_ = std::make_unique<CrashReporter>(std::move(crashOptions));
  // Neither the entry password nor the proxy password is ever written.
  crash_->addSecret([this] { return state().ProxyPassword; });
  if (options.installSignalHandlers) crash_->installSignalHandlers();
}

ClientShared::~ClientShared() {
  if (filterToken_ != 0) ui::Application::instance().removeMessageFilter(filterToken_);
  if (!attached_) {
    if (skin::TbsSkinMessage::applicationMessage() == message_)
      skin::TbsSkinMessage::setApplicationMessage(nullptr);
    holder_.reset();  // the components no console took over
  }
}

void ClientShared::attachConsole(ui::Form& console) {
  // The console carries the client's components, so that the application
  // finds its hint among the main window's components.
  for (ui::Component* c : std::vector<ui::Component*>{message_, hint_, folderDialog_})
    console.insertComponent(c);
  attached_ = true;
}

skin::TbsCompressedStoredSkin& ClientShared::storedSkin(int index) {
  if (index < 0 || index >= kStoredSkinCount) throw std::out_of_range("stored skin index");
  return *stored_[static_cast<std::size_t>(index)];
}

bool ClientShared::selectStoredSkin(int index) {
  if (index < 0 || index >= kStoredSkinCount) return false;
  try {
    skinData_->setCompressedStoredSkin(stored_[static_cast<std::size_t>(index)].get());
  } catch (const std::exception&) {
    // The skin selector ignores every failure of a switch: the windows keep
    // whatever look the skin data was left with.
    return false;
  }
  storedSkinIndex_ = index;
  return true;
}

int ClientShared::showMessage(const std::string& text, skin::TMsgDlgType kind) {
  return message_->ExecuteMessage(text, kind, skin::MessageButtons({skin::mbYes}));
}

bool ClientShared::confirm(const std::string& text) {
  return message_->ExecuteMessage(
             text, skin::TMsgDlgType::mtConfirmation,
             skin::MessageButtons({skin::mbYes, skin::mbNo})) ==
         ui::mrYes;
}

void ClientShared::addRightClickBrowser(platform::WebBrowser* browser) {
  if (browser == nullptr) return;
  if (std::find(rightClickBrowsers_.begin(), rightClickBrowsers_.end(), browser) ==
      rightClickBrowsers_.end())
    rightClickBrowsers_.push_back(browser);
  QObject::connect(browser, &QObject::destroyed, browserWatch_.get(), [this, browser] {
    rightClickBrowsers_.erase(
        std::remove(rightClickBrowsers_.begin(), rightClickBrowsers_.end(), browser),
        rightClickBrowsers_.end());
  });
}

bool ClientShared::swallowsRightClickAt(const QWidget* target) const {
  if (target == nullptr) return false;
  return std::any_of(rightClickBrowsers_.begin(), rightClickBrowsers_.end(),
                     [target](const platform::WebBrowser* b) { return b->ownsWindow(target); });
}

void ClientShared::installRightClickFilter() {
  if (filterToken_ != 0) return;
  filterToken_ = ui::Application::instance().installMessageFilter(
      [this](ui::QueuedMessage& msg, bool& handled) {
        const unsigned id = msg.message.id;
        if ((id == ui::WM_RBUTTONDOWN || id == ui::WM_RBUTTONDBLCLK) &&
            swallowsRightClickAt(msg.window))
          handled = true;
      });
}

skin::TbsFormFrame* MakeClientFrame(ui::Form& form, ClientShared& shared,
                                    const ClientFrameSettings& settings) {
  auto* frame = new skin::TbsFormFrame(&form);
  frame->setName("bsFormFrame1");
  gfx::Font caption = ArialFont(14, true);
  caption.color = gfx::SystemColor(gfx::SysColor::ButtonText);
  frame->DefCaptionFont = caption;
  caption.color = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  frame->DefInActiveCaptionFont = caption;
  frame->setDefMenuItemFont(ArialFont(14));
  frame->setUseSkinFontInMenu(true);
  frame->UseDefaultSysMenu = true;
  frame->ShowObjectHint = false;
  frame->UseDefaultObjectHint = true;
  frame->setMenusAlphaBlend(false);
  frame->Magnetic = false;
  frame->MinWidth = frame->MinHeight = frame->MaxWidth = frame->MaxHeight = 0;
  frame->MaximizeOnFullScreen = false;

  frame->setBorderIcons(settings.borderIcons);
  frame->setHideCaptionButtons(settings.hideCaptionButtons);
  frame->setShowIcon(settings.showIcon);
  frame->setAlphaBlend(settings.alphaBlend);
  frame->AlphaBlendAnimation = settings.alphaBlendAnimation;
  frame->setAlphaBlendValue(settings.alphaBlendValue);
  frame->MagneticSize = settings.magneticSize;
  frame->setDefMenuItemHeight(settings.defMenuItemHeight);

  frame->setSkinHint(&shared.hint());
  frame->setSkinData(&shared.skinData());
  return frame;
}

}  // namespace app
