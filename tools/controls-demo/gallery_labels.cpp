// The labels area of the gallery: skinned labels (skin-sized, stretched as
// on the console's status bar, sized to a long text), std labels normal,
// disabled and wrapped, a right-aligned text label, gauges horizontal,
// vertical and on the status bar with their text, and a link picture.
#include "gallery.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_link_image.h"
#include "skin/controls/skin_std_label.h"
#include "ui/graphics/canvas.h"

namespace {

template <class T>
T* Place(ui::WinControl& box, const gallery::Context& ctx, const char* section, int x, int y, int w,
         int h) {
  auto* c = new T(ctx.form);
  c->setParent(&box);
  if (section != nullptr) c->SetSkinDataName(section);
  c->setBounds(x, y, w, h);
  c->SetSkinData(ctx.skinData);
  return c;
}

// The link's picture: a small banner with the address, drawn here.
gfx::Bitmap Banner() {
  gfx::Bitmap b(150, 34);
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      b.setPixel(x, y, gfx::Color::rgb(40 + y * 3, 80 + y * 2, 150 + x / 3));
  gfx::Canvas c(b);
  gfx::Font f;
  f.name = "Arial";
  f.height = 14;
  f.bold = true;
  f.color = gfx::kWhite;
  c.setFont(f);
  c.setBrushStyle(gfx::BrushStyle::Clear);
  gfx::Rect r = b.rect();
  c.drawText("www.kavro.example", r, gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
  c.frameRect(b.rect(), gfx::Color::rgb(20, 40, 90));
  return b;
}

void Build(ui::WinControl& box, const gallery::Context& ctx) {
  auto* status = Place<skin::TbsSkinLabel>(box, ctx, nullptr, 8, 6, 160, 21);
  status->setCaption("就绪 Ready");
  auto* console = new skin::TbsSkinLabel(ctx.form);
  console->setParent(&box);
  gfx::Font bold;
  bold.name = "Arial";
  bold.height = 14;
  bold.bold = true;
  console->setDefaultFont(bold);
  console->setUseSkinFont(false);
  console->setUseSkinSize(false);
  console->setBounds(176, 6, 141, 17);
  console->SetSkinData(ctx.skinData);
  console->setCaption("耗时 1234ms");
  auto* wide = Place<skin::TbsSkinLabel>(box, ctx, nullptr, 8, 32, 60, 21);
  wide->setAlignment(skin::LabelAlignment::Center);
  wide->setAutoSize(true);
  wide->setCaption("A label that grows to hold this long caption — 自动宽度");

  auto* port = Place<skin::TbsSkinStdLabel>(box, ctx, nullptr, 8, 62, 80, 17);
  port->setCaption("连接端口：");
  auto* off = Place<skin::TbsSkinStdLabel>(box, ctx, nullptr, 100, 62, 80, 17);
  off->setCaption("Disabled 已禁用");
  off->setEnabled(false);
  auto* wrapped = Place<skin::TbsSkinStdLabel>(box, ctx, nullptr, 220, 62, 150, 17);
  wrapped->setWordWrap(true);
  wrapped->setBounds(220, 62, 150, 17);  // wrapped at this width
  wrapped->setCaption("A std label whose words wrap onto a second line");
  // Right-aligned: sized to its lines, it keeps its right edge at 118.
  auto* lines = new skin::TbsSkinTextLabel(ctx.form);
  lines->setParent(&box);
  lines->setAlignment(skin::LabelAlignment::Right);
  lines->setBounds(8, 96, 110, 13);
  lines->SetSkinData(ctx.skinData);
  lines->setLines({"服务器", "教室号码", "进入口令"});

  auto* gauge = Place<skin::TbsSkinGauge>(box, ctx, nullptr, 170, 96, 200, 20);
  gauge->setValue(35);
  auto* textGauge = Place<skin::TbsSkinGauge>(box, ctx, "statusgauge", 170, 124, 200, 24);
  textGauge->setProgressText("处理中，请稍候…");
  textGauge->setShowProgressText(true);
  textGauge->setShowPercent(true);
  auto* statusGauge = new skin::TbsSkinGauge(ctx.form);
  statusGauge->setParent(&box);
  statusGauge->SetSkinDataName("statusgauge");
  statusGauge->setUseSkinSize(false);
  statusGauge->setBounds(170, 156, 200, 17);
  statusGauge->SetSkinData(ctx.skinData);
  statusGauge->setValue(80);
  statusGauge->setShowPercent(true);
  auto* vertical = Place<skin::TbsSkinGauge>(box, ctx, "vgauge", 390, 6, 20, 170);
  vertical->setVertical(true);
  vertical->setValue(70);
  vertical->setShowPercent(true);

  auto* link = new skin::TbsSkinLinkImage(ctx.form);
  link->setParent(&box);
  link->setPicture(Banner());
  link->setBounds(8, 150, 0, 0);
  link->setHint("https://www.kavro.example/");
  link->setURL("https://www.kavro.example/");
}

const bool registered =
    gallery::RegisterArea({"标签、进度条与链接图片 Labels, gauges, link", 40, 420, 190, Build});

}  // namespace
