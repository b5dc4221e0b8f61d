// controls-demo: every skinned control on one skinned form, in the built-in
// skins switched live (keys 1 to 6, 0 for the default look), in the states
// that matter: normal, hot, pressed, focused, disabled, checked, rolled,
// with long captions and CJK text.
//
//   controls-demo [--skin N] [--shot FILE] [--action NAME]
//
//   --skin N       start with skin N (1..6, 0: the default look)
//   --shot FILE    paint the form (and an open dialog beside it) into FILE
//                  (PNG) once shown, then end
//   --action NAME  run a gallery action once shown (open a dialog: message,
//                  confirm, folder, folder-toolbar)
#include <QApplication>
#include <QImage>
#include <QPainter>
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

#include "gallery.h"
#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/form_frame.h"
#include "skin/frame/skin_change.h"
#include "ui/application.h"
#include "ui/graphic_control.h"
#include "ui/graphics/canvas.h"
#include "ui/high_dpi.h"

namespace gallery {

namespace {
std::vector<Area>& Registry() {
  static std::vector<Area> areas;
  return areas;
}
}  // namespace

bool RegisterArea(Area area) {
  Registry().push_back(std::move(area));
  return true;
}

const std::vector<Area>& Areas() { return Registry(); }

namespace {
std::vector<std::pair<std::string, std::function<void()>>>& ActionRegistry() {
  static std::vector<std::pair<std::string, std::function<void()>>> actions;
  return actions;
}
}  // namespace

void RegisterAction(const std::string& name, std::function<void()> action) {
  ActionRegistry().emplace_back(name, std::move(action));
}

const std::vector<std::pair<std::string, std::function<void()>>>& Actions() {
  return ActionRegistry();
}

}  // namespace gallery

namespace {

constexpr std::array<const char*, 6> kSkinTitles = {"淡蓝", "浅绿", "艳紫", "橙黄", "黑晶", "素雅"};

// The title of an area, drawn over the form's background.
class AreaTitle : public ui::GraphicControl {
 public:
  AreaTitle(ui::Component* owner, std::string text, const int& skin)
      : ui::GraphicControl(owner), text_(std::move(text)), skin_(skin) {
    setTransparent(true);
  }

 protected:
  void paint(gfx::Canvas& canvas) override {
    gfx::Font f = canvas.font();
    f.bold = true;
    f.color = skin_ == 5 ? gfx::Color::rgb(226, 230, 238) : gfx::Color::rgb(30, 30, 60);
    canvas.setFont(f);
    canvas.setBrushStyle(gfx::BrushStyle::Clear);
    gfx::Rect r = clientRect();
    canvas.drawText(text_, r, gfx::kTextLeft | gfx::kTextSingleLine | gfx::kTextNoPrefix);
  }

 private:
  std::string text_;
  const int& skin_;
};

struct Gallery {
  skin::FormSkinWindows windows;
  std::array<skin::TbsCompressedStoredSkin, 6> stored;
  std::unique_ptr<skin::TbsSkinData> data;
  ui::Form* form = nullptr;
  skin::TbsFormFrame* frame = nullptr;
  int current = 1;

  // Every skinned control of the form follows the skin: on a loaded skin
  // the frame tells them; taking the skin off is told by hand.
  static void refreshControls(ui::WinControl& parent) {
    const std::vector<ui::Control*> children = parent.controls();
    for (ui::Control* c : children) {
      if (auto* r = dynamic_cast<skin::SkinChangeReceiver*>(c)) {
        r->BeforeChangeSkinData();
        r->ChangeSkinData();
      }
      if (auto* w = dynamic_cast<ui::WinControl*>(c)) refreshControls(*w);
    }
  }

  void select(int n) {
    if (n < 0 || n > 6) return;
    if (n == 0) {
      data->ResetSkin();
      frame->ApplySkinData();
      refreshControls(*form);
    } else {
      try {
        data->setCompressedStoredSkin(&stored[static_cast<std::size_t>(n - 1)]);
      } catch (const std::exception& e) {
        std::fprintf(stderr, "controls-demo: skin %d could not be read: %s\n", n, e.what());
        return;
      }
    }
    current = n;
    form->setCaption(n == 0 ? std::string("控件一览 - 无皮肤")
                            : "控件一览 - " +
                                  std::string(kSkinTitles[static_cast<std::size_t>(n - 1)]));
    form->invalidate();
  }

  void build() {
    form = new ui::Form();
    form->setBoundsRect(gfx::Rect::fromSize(20, 20, 1240, 900));
    form->setCaption("控件一览");
    frame = new skin::TbsFormFrame(form);
    frame->setSkinData(data.get());

    std::vector<gallery::Area> areas = gallery::Areas();
    std::stable_sort(areas.begin(), areas.end(), [](const auto& a, const auto& b) {
      return a.order != b.order ? a.order < b.order : a.title < b.title;
    });
    // Areas flow down in columns; a column is as wide as its widest area.
    const int top = 8;
    const int maxBottom = 860;
    int x = 8;
    int y = top;
    int columnWidth = 0;
    const gallery::Context ctx{data.get(), form};
    for (const gallery::Area& a : areas) {
      if (y > top && y + 20 + a.height > maxBottom) {
        x += columnWidth + 16;
        y = top;
        columnWidth = 0;
      }
      auto* title = new AreaTitle(form, a.title, current);
      title->setParent(form);
      title->setBounds(x, y, a.width, 18);
      auto* box = new ui::WinControl(form);
      box->setParent(form);
      box->setBounds(x, y + 20, a.width, a.height);
      box->setColor(gfx::SystemColor(gfx::SysColor::ButtonFace));
      a.build(*box, ctx);
      y += 20 + a.height + 12;
      columnWidth = std::max(columnWidth, a.width);
    }

    form->setKeyPreview(true);
    form->onKeyDown = [this](ui::Control&, int& key, unsigned) {
      if (key >= '0' && key <= '6') {
        select(key - '0');
        key = 0;
      }
    };
  }
};

}  // namespace

int main(int argc, char** argv) {
  int skinNumber = 1;
  std::string shot;
  std::string action;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--skin") == 0 && i + 1 < argc) {
      skinNumber = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
      shot = argv[++i];
    } else if (std::strcmp(argv[i], "--action") == 0 && i + 1 < argc) {
      action = argv[++i];
    } else {
      std::fprintf(stderr, "usage: controls-demo [--skin 0..6] [--shot FILE] [--action NAME]\n");
      return 2;
    }
  }

  gfx::InstallProjectFontConfig();
  ui::PrepareHighDpi();
  QApplication qapp(argc, argv);
  auto& app = ui::Application::instance();
  app.setTitle("controls-demo");

  Gallery g;
  g.data = std::make_unique<skin::TbsSkinData>(nullptr, &g.windows);
  for (std::size_t i = 0; i < g.stored.size(); ++i)
    app::LoadBuiltinSkin(app::BuiltinSkins()[i], g.stored[i]);
  g.build();
  g.select(std::clamp(skinNumber, 0, 6));
  g.form->show();
  g.form->activate();

  if (!action.empty()) {
    QTimer::singleShot(300, [action] {
      for (const auto& [name, fn] : gallery::Actions())
        if (name == action) return fn();
      std::fprintf(stderr, "controls-demo: no action %s\n", action.c_str());
    });
  }
  if (!shot.empty()) {
    QTimer::singleShot(900, [&g, shot] {
      QImage img = g.form->widget()->grab().toImage();
      // An open dialog is drawn beside the gallery.
      if (QWidget* modal = QApplication::activeModalWidget();
          modal != nullptr && modal != g.form->widget()) {
        const QImage d = modal->grab().toImage();
        QImage both(img.width() + 20 + d.width(), std::max(img.height(), d.height()),
                    QImage::Format_RGB32);
        both.fill(Qt::white);
        QPainter p(&both);
        p.drawImage(0, 0, img);
        p.drawImage(img.width() + 20, 0, d);
        p.end();
        img = both;
      }
      if (!img.save(QString::fromStdString(shot)))
        std::fprintf(stderr, "controls-demo: cannot write %s\n", shot.c_str());
      ui::Application::instance().terminate();
    });
  }
  return app.run();
}
