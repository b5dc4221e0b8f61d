// skin-demo: two forms wearing one of the six built-in skins, the second
// one inactive, with magnetic snapping on. Keys 1 to 6 switch the skin live
// on every open form, 0 takes the skin off (the default frame).
//
//   skin-demo [--skin N] [--shot FILE]
//
// With --shot the program paints both forms into FILE (a PNG, the main form
// above the second) once they are shown, and ends.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/form_frame.h"
#include "ui/application.h"
#include "ui/graphics/font.h"

namespace {

struct Demo {
  skin::FormSkinWindows windows;
  skin::TbsCompressedStoredSkin stored[6];
  std::unique_ptr<skin::TbsSkinData> data;
  ui::Form* main = nullptr;
  ui::Form* second = nullptr;

  void select(int n) {
    if (n < 1 || n > 6) return;
    try {
      data->setCompressedStoredSkin(&stored[n - 1]);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "skin-demo: skin %d could not be read: %s\n", n, e.what());
    }
    main->setCaption("商业模拟平台 - " + std::string(app::BuiltinSkins()[n - 1].name));
  }
};

ui::Form* MakeForm(Demo& demo, const char* caption, gfx::Rect bounds) {
  auto* form = new ui::Form();
  form->setBoundsRect(bounds);
  form->setCaption(caption);
  auto* frame = new skin::TbsFormFrame(form);
  frame->Magnetic = true;
  frame->setSkinData(demo.data.get());
  form->setKeyPreview(true);
  form->onKeyDown = [&demo](ui::Control&, int& key, unsigned) {
    if (key >= '0' && key <= '6') {
      if (key == '0') {
        demo.data->ResetSkin();
        for (ui::Form* f : ui::Application::instance().forms()) {
          for (ui::Component* c : f->components()) {
            if (auto* fr = dynamic_cast<skin::TbsFormFrame*>(c)) fr->ApplySkinData();
          }
        }
      } else {
        demo.select(key - '0');
      }
      key = 0;
    }
  };
  return form;
}

void Shot(Demo& demo, const std::string& file) {
  // The windows as they are drawn, frame and client (the shape is not cut).
  const QImage a = demo.main->widget()->grab().toImage();
  const QImage b = demo.second->widget()->grab().toImage();
  QImage out(std::max(a.width(), b.width()), a.height() + b.height() + 10, QImage::Format_RGB32);
  out.fill(Qt::white);
  QPainter p(&out);
  p.drawImage(0, 0, a);
  p.drawImage(0, a.height() + 10, b);
  p.end();
  if (!out.save(QString::fromStdString(file))) {
    std::fprintf(stderr, "skin-demo: cannot write %s\n", file.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  gfx::InstallProjectFontConfig();
  QApplication qapp(argc, argv);
  int skinNumber = 1;
  std::string shot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--skin") == 0 && i + 1 < argc) {
      skinNumber = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
      shot = argv[++i];
    } else {
      std::fprintf(stderr, "usage: skin-demo [--skin 1..6] [--shot FILE]\n");
      return 2;
    }
  }

  Demo demo;
  demo.data = std::make_unique<skin::TbsSkinData>(nullptr, &demo.windows);
  for (int i = 0; i < 6; ++i)
    app::LoadBuiltinSkin(app::BuiltinSkins()[static_cast<std::size_t>(i)], demo.stored[i]);
  demo.main = MakeForm(demo, "商业模拟平台", gfx::Rect::fromSize(80, 60, 560, 380));
  demo.second = MakeForm(demo, "第二个窗口 (inactive)", gfx::Rect::fromSize(200, 300, 420, 260));
  demo.select(skinNumber);
  demo.second->show();
  demo.main->show();
  demo.main->activate();

  if (!shot.empty()) {
    QTimer::singleShot(300, [&] {
      Shot(demo, shot);
      ui::Application::instance().terminate();
    });
  }
  return ui::Application::instance().run();
}
