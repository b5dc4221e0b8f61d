// Benchmarks of the skinned buttons, each with its baseline in the same
// run: one paint of a skinned 75 x 25 push button through the control's
// real paint path against a QPushButton styled with a border-image of the
// same picture area, the same nine-part borders and the same caption, both
// rendered with QWidget::render into an image of their size.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <string>

#include "resources/builtin_skins.h"
#include "skin/controls/skin_button.h"
#include "skin/data/control_data.h"
#include "ui/form.h"
#include "ui/graphics/font.h"
#include "ui/graphics/qt_convert.h"

namespace {

constexpr int kW = 75;
constexpr int kH = 25;
const char* const kCaption = "确定";

app::LoadedBuiltinSkin& Skin() {
  static app::LoadedBuiltinSkin s(0);
  return s;
}

const skin::TbsDataSkinButtonControl& ButtonSection() {
  const skin::TbsSkinData& d = Skin().data;
  const int i = d.FindControlData("button");
  return dynamic_cast<const skin::TbsDataSkinButtonControl&>(
      *d.ControlDataList().at(static_cast<std::size_t>(i)));
}

void BM_PaintSkinButton_75x25(benchmark::State& state) {
  ui::Form form;
  auto* button = new skin::TbsSkinButton(&form);
  button->setParent(&form);
  button->setCanFocused(false);
  button->SetSkinData(&Skin().data);
  button->setBounds(0, 0, kW, kH);
  button->setCaption(kCaption);
  if (button->SectionIndex() == -1 || button->width() != kW || button->height() != kH) {
    state.SkipWithError("the skin's button section is missing or pins another size");
    return;
  }
  QImage target(kW, kH, QImage::Format_RGB32);
  for (auto _ : state) {
    button->widget()->render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_PaintSkinButton_75x25)->Unit(benchmark::kMicrosecond);

void BM_PaintQssButton_75x25(benchmark::State& state) {
  const skin::TbsDataSkinButtonControl& s = ButtonSection();
  const gfx::Bitmap* picture = Skin().data.ActivePicture(s.pictureIndex);
  if (picture == nullptr) {
    state.SkipWithError("the skin's button picture is missing");
    return;
  }
  // The normal picture of the section as a file the style sheet can name.
  QTemporaryDir dir;
  const QString file = dir.filePath("button.png");
  const gfx::Rect& r = s.skinRect;
  picture->image().copy(r.left, r.top, r.width(), r.height()).save(file);
  const int left = s.leftTopPoint.x;
  const int top = s.leftTopPoint.y;
  const int right = r.width() - s.rightTopPoint.x;
  const int bottom = r.height() - s.leftBottomPoint.y;
  const gfx::Color c = s.fontColor;
  const QString sheet =
      QString(
          "QPushButton { border-image: url(%1) %2 %3 %4 %5; border-width: %2px %3px %4px %5px; "
          "font-family: \"%6\"; font-size: %7px; color: rgb(%8, %9, %10); padding: 0; }")
          .arg(file)
          .arg(top)
          .arg(right)
          .arg(bottom)
          .arg(left)
          .arg(QString::fromStdString(s.fontName))
          .arg(s.fontHeight)
          .arg(c.red())
          .arg(c.green())
          .arg(c.blue());
  QPushButton button(QString::fromUtf8(kCaption));
  button.setStyleSheet(sheet);
  button.resize(kW, kH);
  button.ensurePolished();
  QImage target(kW, kH, QImage::Format_RGB32);
  button.render(&target);  // the style sheet's picture is loaded on the first paint
  for (auto _ : state) {
    button.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_PaintQssButton_75x25)->Unit(benchmark::kMicrosecond);

}  // namespace
