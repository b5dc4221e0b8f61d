// The edits area of the gallery: an edit with text and a selection, one in
// ButtonMode, a disabled one, one with CJK text, and a password box in each
// mark shape (one focused with its text selected).
#include <string>

#include "gallery.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_password_edit.h"

namespace {

template <class E>
E* Place(ui::WinControl& box, const gallery::Context& ctx, int x, int y, int w,
         const std::string& section = "edit") {
  auto* e = new E(&box);
  e->setParent(&box);
  e->SetSkinDataName(section);
  e->setBounds(x, y, w, 21);
  e->SetSkinData(ctx.skinData);
  return e;
}

void Build(ui::WinControl& box, const gallery::Context& ctx) {
  using skin::TbsSkinEdit;
  using skin::TbsSkinPasswordEdit;

  auto* selected = Place<TbsSkinEdit>(box, ctx, 0, 0, 150);
  selected->setEditText("192.168.1.10");
  selected->setSelection(4, 3);
  selected->setAutoSelect(false);
  auto* button = Place<TbsSkinEdit>(box, ctx, 160, 0, 150, "buttonedit");
  button->setButtonMode(true);
  button->setEditText("D:\\课程\\资料");
  auto* disabled = Place<TbsSkinEdit>(box, ctx, 0, 30, 150);
  disabled->setEditText("不可用");
  disabled->setEnabled(false);
  auto* cjk = Place<TbsSkinEdit>(box, ctx, 160, 30, 150);
  cjk->setEditText("教室 1024");

  const skin::TbsPasswordKind kinds[] = {skin::TbsPasswordKind::pkRoundRect,
                                         skin::TbsPasswordKind::pkRect,
                                         skin::TbsPasswordKind::pkTriangle};
  for (int i = 0; i < 3; ++i) {
    auto* p = Place<TbsSkinPasswordEdit>(box, ctx, i * 105, 60, 100);
    p->setPasswordKind(kinds[i]);
    p->setPasswordText(std::string(static_cast<std::size_t>(5 + 3 * i), 'x'));
  }
  // A long password scrolled to its end, with its text selected.
  auto* focused = Place<TbsSkinPasswordEdit>(box, ctx, 0, 90, 310);
  focused->setPasswordText(std::string(60, 'y'));
  focused->setHideSelection(false);
  focused->selectAll();
}

const bool registered = gallery::RegisterArea({"编辑框 Edits", 40, 320, 115, Build});

}  // namespace
