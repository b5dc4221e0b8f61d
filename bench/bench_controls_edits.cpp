// The password box: one typed character in a full box (key handling,
// scrolling and repaint) against the repaint alone, on a shown form with a
// built-in skin.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <memory>
#include <string>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_password_edit.h"
#include "ui/form.h"
#include "ui/message.h"

namespace {

struct PasswordBench {
  PasswordBench() : skin(0) {
    form.setBounds(10, 10, 300, 100);
    form.show();
    box = new skin::TbsSkinPasswordEdit(&form);
    box->setParent(&form);
    box->setBounds(10, 10, 200, 21);
    box->SetSkinData(&skin.data);
    box->setPasswordText(std::string(1000, 'p'));
    box->setFocus();
    QApplication::processEvents();
    // The caret at the end, where typing goes on.
    ui::Message end{ui::WM_KEYDOWN, 0x23, 0, 0};
    box->windowProc(end);
  }
  app::LoadedBuiltinSkin skin;
  ui::Form form;
  skin::TbsSkinPasswordEdit* box = nullptr;
};

void BM_PaintPasswordEdit(benchmark::State& state) {
  PasswordBench b;
  for (auto _ : state) b.box->widget()->repaint();
  state.counters["length"] = b.box->textLength();
}
BENCHMARK(BM_PaintPasswordEdit)->Unit(benchmark::kMicrosecond);

void BM_PasswordKey_1000Chars(benchmark::State& state) {
  PasswordBench b;
  int typed = 0;
  for (auto _ : state) {
    ui::Message ch{ui::WM_CHAR, 'k', 0, 0};
    b.box->windowProc(ch);
    b.box->widget()->repaint();
    // The box goes back to 1000 characters now and then, untimed: pausing
    // the clock on every character would cost more than the key itself.
    if (++typed == 256) {
      state.PauseTiming();
      b.box->setPasswordText(std::string(1000, 'p'));
      ui::Message end{ui::WM_KEYDOWN, 0x23, 0, 0};
      b.box->windowProc(end);
      typed = 0;
      state.ResumeTiming();
    }
  }
  state.counters["length"] = b.box->textLength();
}
BENCHMARK(BM_PasswordKey_1000Chars)->Unit(benchmark::kMicrosecond);

}  // namespace
