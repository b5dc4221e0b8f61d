// ui-demo: a form whose frame is painted and hit-tested by a hook, so the
// framework's move/size loop, the window region, opacity, hints and
// alignment can be seen working. Keys: A toggles opacity, M maximizes,
// Escape closes.
//   ui-demo                  the demo window
//   ui-demo --startup-probe  prints the wall-clock time (ns) when the first
//                            form has painted, then exits
// ui-browser-probe (beside it) measures three browser controls; the demo
// itself does not link the browser engine, whose loading alone costs more
// than the whole start of the demo.
#include <time.h>

#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QTimer>

#include "demo_frame.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "ui/high_dpi.h"
#include "ui/keys.h"
#include "ui/window_opacity.h"

namespace {

long long WallNs() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

class Swatch : public ui::GraphicControl {
 public:
  Swatch(ui::Component* owner, gfx::Color c) : ui::GraphicControl(owner) { setColor(c); }
};

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

}  // namespace

int main(int argc, char** argv) {
  const bool probe = argc > 1 && std::strcmp(argv[1], "--startup-probe") == 0;
  ui::PrepareHighDpi();
  QApplication qapp(argc, argv);

  auto& app = ui::Application::instance();
  app.setTitle("ui-demo");
  ui::Form form;
  form.setBounds(200, 150, 480, 320);
  form.setPosition(ui::Position::poScreenCenter);
  form.setCaption("商业模拟平台 — window framework demo");
  demo::DemoFrame frame(form);
  FirstPaintProbe firstPaint;
  if (probe) form.installHook(&firstPaint);

  auto* top = new Swatch(&form, gfx::Color::rgb(235, 240, 250));
  top->setParent(&form);
  top->setHeight(40);
  top->setAlign(ui::Align::alTop);
  top->setHint("A toggles opacity, M maximizes, Esc closes");
  auto* left = new Swatch(&form, gfx::Color::rgb(200, 215, 240));
  left->setParent(&form);
  left->setWidth(120);
  left->setAlign(ui::Align::alLeft);
  left->setHint("alLeft");
  auto* client = new ui::WinControl(&form);
  client->setColor(gfx::kWhite);
  client->setParent(&form);
  client->setAlign(ui::Align::alClient);
  client->setHint("alClient");
  auto* shaped = new ui::WinControl(&form);
  shaped->setParent(client);
  shaped->setColor(gfx::Color::rgb(250, 180, 60));
  shaped->setBounds(40, 40, 80, 80);
  shaped->setRegion(gfx::Region({gfx::Rect{20, 0, 60, 80}, gfx::Rect{0, 20, 80, 60}}));
  shaped->setHint("a child shaped by a region");

  form.onKeyDown = [&form](ui::Control&, int& key, unsigned) {
    if (key == 'A') form.setAlpha(form.alpha() == 255 ? 180 : 255);
    if (key == 'M')
      form.setWindowState(form.windowState() == ui::WindowState::wsMaximized
                              ? ui::WindowState::wsNormal
                              : ui::WindowState::wsMaximized);
    if (key == ui::VK_ESCAPE) form.close();
  };
  form.setKeyPreview(true);
  return app.run();
}
