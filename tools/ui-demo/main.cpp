// ui-demo: forms wearing the six built-in skins. A row of skin tiles (or
// the keys 1 to 6, 0 for no skin) switches the skin live on every open form;
// the second form shows the inactive look; a right click in a form opens a
// popup menu with sub-menus, dividers, a checked item, radio items and a
// long list that scrolls; the caption buttons show their hints; the forms
// snap to the work-area edges.
//
//   ui-demo [--skin N] [--menu] [--shot FILE] [--startup-probe]
//
//   --skin N         start with skin N (1..6, 0: no skin)
//   --menu           open the demo menu at start, with its skin sub-menu
//   --shot FILE      paint both forms into FILE (PNG) once shown, then end
//   --startup-probe  print the wall-clock time (ns) when the first form has
//                    painted its frame, then end
#include <time.h>

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/form_frame.h"
#include "skin/popup/skin_hint.h"
#include "skin/popup/skin_popup_menu.h"
#include "ui/application.h"
#include "ui/graphic_control.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/font.h"
#include "ui/high_dpi.h"
#include "ui/keys.h"
#include "ui/menu_item.h"

namespace {

// The names the skin selector shows, in the order of the built-in skins.
constexpr std::array<const char*, 6> kSkinTitles = {"淡蓝", "浅绿", "艳紫", "橙黄", "黑晶", "素雅"};
// A colour of each skin's caption, for its tile.
constexpr std::array<gfx::Color, 6> kSkinSwatches = {
    gfx::Color::rgb(170, 205, 240), gfx::Color::rgb(140, 205, 140), gfx::Color::rgb(120, 70, 190),
    gfx::Color::rgb(245, 180, 70),  gfx::Color::rgb(40, 44, 52),    gfx::Color::rgb(236, 238, 242)};

long long WallNs() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Prints the time of the first frame painting and ends the program.
class FirstPaintProbe : public ui::MessageHook {
 protected:
  void hookMessage(ui::Message& m) override {
    callPrevious(m);
    if (m.id != ui::WM_NCPAINT || done_) return;
    done_ = true;
    std::printf("%lld\n", WallNs());
    std::fflush(stdout);
    QTimer::singleShot(0, [] { ui::Application::instance().terminate(0); });
  }

 private:
  bool done_ = false;
};

class Demo;
void SetTextColor(gfx::Canvas& canvas, const Demo& demo);

// One tile of the skin selector: a swatch with the skin's name; the
// current skin's tile is outlined.
class SkinTile : public ui::GraphicControl {
 public:
  SkinTile(ui::Component* owner, Demo& demo, int skin)
      : ui::GraphicControl(owner), demo_(demo), skin_(skin) {
    setTransparent(true);
  }

 protected:
  void paint(gfx::Canvas& canvas) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;

 private:
  Demo& demo_;
  int skin_;  // 1..6, 0: no skin
};

// A line of text on the form's background.
class Note : public ui::GraphicControl {
 public:
  Note(ui::Component* owner, const Demo& demo, std::string text)
      : ui::GraphicControl(owner), demo_(demo), text_(std::move(text)) {
    setTransparent(true);
  }

 protected:
  void paint(gfx::Canvas& canvas) override {
    canvas.setBrushStyle(gfx::BrushStyle::Clear);
    SetTextColor(canvas, demo_);
    gfx::Rect r = clientRect();
    canvas.drawText(text_, r, gfx::kTextLeft | gfx::kTextWordBreak | gfx::kTextNoPrefix);
  }

 private:
  const Demo& demo_;
  std::string text_;
};

class Demo {
 public:
  skin::FormSkinWindows windows;
  std::array<skin::TbsCompressedStoredSkin, 6> stored;
  std::unique_ptr<skin::TbsSkinData> data;
  std::vector<ui::Form*> forms;
  std::vector<skin::TbsFormFrame*> frames;
  skin::TbsSkinHint* hint = nullptr;
  skin::TbsSkinPopupMenu* menu = nullptr;
  std::array<ui::MenuItem*, 7> skinItems{};  // 0: no skin
  int current = 1;

  void select(int n) {
    if (n < 0 || n > 6) return;
    if (n == 0) {
      data->ResetSkin();
      for (skin::TbsFormFrame* f : frames) f->ApplySkinData();
    } else {
      try {
        data->setCompressedStoredSkin(&stored[static_cast<std::size_t>(n - 1)]);
      } catch (const std::exception& e) {
        std::fprintf(stderr, "ui-demo: skin %d could not be read: %s\n", n, e.what());
        return;
      }
    }
    current = n;
    if (!forms.empty())
      forms.front()->setCaption(
          n == 0 ? std::string("商业模拟平台 - 无皮肤")
                 : "商业模拟平台 - " + std::string(kSkinTitles[static_cast<std::size_t>(n - 1)]));
    for (int i = 0; i <= 6; ++i)
      if (skinItems[static_cast<std::size_t>(i)] != nullptr)
        skinItems[static_cast<std::size_t>(i)]->setChecked(i == n);
    for (ui::Form* f : forms) f->invalidate();
  }

  // Text on the client background: light on the dark crystal skin.
  gfx::Color textColor() const {
    return current == 5 ? gfx::Color::rgb(226, 230, 238) : gfx::kBlack;
  }

  void buildMenu(ui::Form& owner);
  ui::Form* makeForm(const char* caption, gfx::Rect bounds, bool withSelector);
};

void SetTextColor(gfx::Canvas& canvas, const Demo& demo) {
  gfx::Font font = canvas.font();
  font.color = demo.textColor();
  canvas.setFont(font);
}

void SkinTile::paint(gfx::Canvas& canvas) {
  const gfx::Rect r = clientRect();
  const gfx::Color swatch = skin_ == 0 ? gfx::SystemColor(gfx::SysColor::ButtonFace)
                                       : kSkinSwatches[static_cast<std::size_t>(skin_ - 1)];
  canvas.fillRect(gfx::Rect{r.left + 2, r.top + 2, r.right - 2, r.top + 26}, swatch);
  canvas.setBrushStyle(gfx::BrushStyle::Clear);
  SetTextColor(canvas, demo_);
  gfx::Rect label{r.left, r.top + 28, r.right, r.bottom};
  canvas.drawText(skin_ == 0 ? "无皮肤" : kSkinTitles[static_cast<std::size_t>(skin_ - 1)], label,
                  gfx::kTextCenter | gfx::kTextSingleLine);
  const gfx::Color outline = demo_.current != skin_ ? gfx::Color::rgb(160, 160, 160)
                             : demo_.current == 5   ? gfx::Color::rgb(120, 190, 255)
                                                    : gfx::Color::rgb(0, 0, 128);
  canvas.frameRect(gfx::Rect{r.left + 1, r.top + 1, r.right - 1, r.top + 27}, outline);
  if (demo_.current == skin_)
    canvas.frameRect(gfx::Rect{r.left, r.top, r.right, r.top + 28}, outline);
}

void SkinTile::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  ui::GraphicControl::mouseUp(button, shift, x, y);
  if (button == ui::MouseButton::Left) demo_.select(skin_);
}

ui::MenuItem* AddItem(ui::MenuItem& parent, const std::string& caption,
                      std::function<void()> onClick = {}) {
  auto* item = new ui::MenuItem(&parent);
  item->setCaption(caption);
  if (onClick) item->onClick = [fn = std::move(onClick)](ui::MenuItem&) { fn(); };
  parent.add(item);
  return item;
}

void Demo::buildMenu(ui::Form& owner) {
  menu = new skin::TbsSkinPopupMenu(&owner);
  ui::MenuItem& root = menu->items();

  ui::MenuItem* skins = AddItem(root, "皮肤(&S)");
  for (int i = 1; i <= 6; ++i) {
    ui::MenuItem* item = AddItem(
        *skins, "&" + std::to_string(i) + " " + kSkinTitles[static_cast<std::size_t>(i - 1)],
        [this, i] { select(i); });
    item->setRadioItem(true);
    item->setGroupIndex(1);
    skinItems[static_cast<std::size_t>(i)] = item;
  }
  AddItem(*skins, "-");
  ui::MenuItem* none = AddItem(*skins, "&0 无皮肤", [this] { select(0); });
  none->setRadioItem(true);
  none->setGroupIndex(1);
  skinItems[0] = none;

  ui::MenuItem* magnetic = AddItem(root, "磁性吸附(&M)");
  magnetic->setChecked(true);
  magnetic->onClick = [this](ui::MenuItem& item) {
    item.setChecked(!item.checked());
    for (skin::TbsFormFrame* f : frames) f->Magnetic = item.checked();
  };
  ui::MenuItem* hints = AddItem(root, "按钮提示(&H)");
  hints->setChecked(true);
  hints->onClick = [this](ui::MenuItem& item) {
    item.setChecked(!item.checked());
    for (skin::TbsFormFrame* f : frames) f->ShowObjectHint = item.checked();
  };
  AddItem(root, "-");

  ui::MenuItem* list = AddItem(root, "长列表(&L)");
  for (int i = 1; i <= 80; ++i) AddItem(*list, "项目 " + std::to_string(i));
  ui::MenuItem* nested = AddItem(root, "子菜单(&U)");
  AddItem(*nested, "第一项");
  ui::MenuItem* deeper = AddItem(*nested, "更多");
  AddItem(*deeper, "第三层的项");
  AddItem(*nested, "-");
  AddItem(*nested, "不可用的项")->setEnabled(false);
  AddItem(root, "不可用的项")->setEnabled(false);
  AddItem(root, "-");
  ui::MenuItem* close = AddItem(root, "关闭(&C)", [&owner] { owner.close(); });
  close->setShortCut(ui::MakeShortCut(ui::VK_F1 + 3, ui::scAlt));
}

ui::Form* Demo::makeForm(const char* caption, gfx::Rect bounds, bool withSelector) {
  auto* form = new ui::Form();
  form->setBoundsRect(bounds);
  form->setCaption(caption);
  auto* frame = new skin::TbsFormFrame(form);
  frame->Magnetic = true;
  frame->ShowObjectHint = true;
  frame->setSkinData(data.get());
  if (hint != nullptr) frame->setSkinHint(hint);
  frames.push_back(frame);
  forms.push_back(form);

  // A right click anywhere in the form (also on its tiles and text) opens
  // the demo menu at the pointer.
  auto openMenu = [this](ui::Control&, ui::MouseButton button, unsigned, int, int) {
    if (button != ui::MouseButton::Right || menu == nullptr) return;
    const QPoint p = QCursor::pos();
    menu->Popup(p.x(), p.y());
  };
  form->onMouseUp = openMenu;

  if (withSelector) {
    for (int i = 0; i <= 6; ++i) {
      auto* tile = new SkinTile(form, *this, i == 6 ? 0 : i + 1);
      tile->setParent(form);
      tile->setBounds(12 + i * 70, 12, 64, 48);
      tile->onMouseUp = openMenu;
      tile->setHint(i == 6 ? "去掉皮肤"
                           : std::string("换成") + kSkinTitles[static_cast<std::size_t>(i)]);
    }
    auto* note = new Note(form, *this,
                          "单击上面的方块或按 1–6 切换所有窗口的皮肤，0 去掉皮肤。\n"
                          "在窗口里单击右键打开菜单；在标题栏单击右键打开系统菜单。\n"
                          "把窗口拖近屏幕边缘，它会吸附过去。");
    note->onMouseUp = openMenu;
    note->setParent(form);
    note->setBounds(12, 76, 480, 80);
  }

  form->setKeyPreview(true);
  form->onKeyDown = [this](ui::Control&, int& key, unsigned) {
    if (key >= '0' && key <= '6') {
      select(key - '0');
      key = 0;
    }
  };
  return form;
}

void Shot(const Demo& demo, const std::string& file) {
  // The windows as they are drawn, frame and client (the shape is not cut).
  const QImage a = demo.forms[0]->widget()->grab().toImage();
  const QImage b = demo.forms[1]->widget()->grab().toImage();
  QImage out(std::max(a.width(), b.width()), a.height() + b.height() + 10, QImage::Format_RGB32);
  out.fill(Qt::white);
  QPainter p(&out);
  p.drawImage(0, 0, a);
  p.drawImage(0, a.height() + 10, b);
  p.end();
  if (!out.save(QString::fromStdString(file)))
    std::fprintf(stderr, "ui-demo: cannot write %s\n", file.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  int skinNumber = 1;
  bool probe = false;
  bool openMenu = false;
  std::string shot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--skin") == 0 && i + 1 < argc) {
      skinNumber = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
      shot = argv[++i];
    } else if (std::strcmp(argv[i], "--menu") == 0) {
      openMenu = true;
    } else if (std::strcmp(argv[i], "--startup-probe") == 0) {
      probe = true;
    } else {
      std::fprintf(stderr,
                   "usage: ui-demo [--skin 0..6] [--menu] [--shot FILE] [--startup-probe]\n");
      return 2;
    }
  }

  gfx::InstallProjectFontConfig();
  ui::PrepareHighDpi();
  QApplication qapp(argc, argv);
  auto& app = ui::Application::instance();
  app.setTitle("ui-demo");

  Demo demo;
  demo.data = std::make_unique<skin::TbsSkinData>(nullptr, &demo.windows);
  for (std::size_t i = 0; i < demo.stored.size(); ++i)
    app::LoadBuiltinSkin(app::BuiltinSkins()[i], demo.stored[i]);

  ui::Form* main = demo.makeForm("商业模拟平台", gfx::Rect::fromSize(80, 60, 600, 400), true);
  demo.hint = new skin::TbsSkinHint(main);
  demo.hint->setSkinData(demo.data.get());
  for (skin::TbsFormFrame* f : demo.frames) f->setSkinHint(demo.hint);
  ui::Form* second = demo.makeForm("第二个窗口", gfx::Rect::fromSize(380, 480, 440, 240), false);
  demo.buildMenu(*main);
  demo.select(std::clamp(skinNumber, 0, 6));

  FirstPaintProbe firstPaint;
  if (probe) main->installHook(&firstPaint);
  second->show();
  main->show();
  main->activate();

  if (openMenu) {
    QTimer::singleShot(300, [&demo, main] {
      const gfx::Rect r = main->boundsRect();
      demo.menu->Popup(r.left + 160, r.top + 150);
    });
  }
  if (!shot.empty()) {
    QTimer::singleShot(400, [&demo, shot] {
      Shot(demo, shot);
      ui::Application::instance().terminate();
    });
  }
  return app.run();
}
