// The bases of the skinned controls, windowed and windowless.
//
// TbsSkinControl (windowed) and TbsGraphicSkinControl (windowless) find
// their section in the skin data on every paint, paint through the
// control's off-screen bitmap (the skinned look, or the default look when
// there is no section) and follow skin changes. TbsSkinCustomControl and
// TbsGraphicSkinCustomControl add the default font and size and the
// section's picture geometry: they pin the size the section allows and
// compose the picture by its stretch kind; the windowed one also shapes its
// window by the section's mask.
//
// Both layers are written once, over the framework's windowed or windowless
// control, and the four classes are those written-once layers put together.
#pragma once

#include <functional>
#include <string>

#include "skin/controls/section_picture.h"
#include "skin/data/data_component.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_change.h"
#include "ui/graphic_control.h"
#include "ui/graphics/font.h"
#include "ui/widget_host.h"
#include "ui/win_control.h"

namespace skin {

// The section lookup, the reference to the skin data and painting, over a
// framework control Base (ui::WinControl or ui::GraphicControl).
template <class Base>
class SkinControlLayer : public Base, public SkinChangeReceiver, private RemovalListener {
 public:
  // Extra arguments go to the framework control (a window kind for a
  // windowed control that is its own top-level window, such as a pop-up).
  template <class... Extra>
  explicit SkinControlLayer(ui::Component* owner, Extra... extra) : Base(owner, extra...) {}
  ~SkinControlLayer() override;

  TbsSkinData* SkinData() const { return skinData_; }
  const std::string& SkinDataName() const { return skinDataName_; }
  // Index of the found section in the skin's control list, -1 for none.
  int SectionIndex() const { return sectionIndex_; }

  // The found section (null for none), and as a given kind (null when it
  // is of another kind).
  const TbsDataSkinControl* Section() const;
  template <class T>
  const T* SectionAs() const {
    return dynamic_cast<const T*>(Section());
  }

  // Virtual operations, in their slot order.
  virtual void ReadSkinSection();
  // Stores the name; the section is used from the next paint or skin change.
  virtual void SetSkinDataName(const std::string& name);
  // Stores the reference and, for a loaded skin, refreshes at once.
  virtual void SetSkinData(TbsSkinData* data);
  // The default look: the client area in the button-face colour.
  virtual void DrawDefaultImage(gfx::Bitmap& bitmap);
  virtual void DrawSkinImage(gfx::Bitmap& bitmap);
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;

  TbsSkinData* receiverSkinData() const override { return skinData_; }

  // Fired after the framework's own enter and leave handling.
  std::function<void(ui::Control&)> OnMouseEnter;
  std::function<void(ui::Control&)> OnMouseLeave;

 protected:
  // The section is looked up, then the skinned or the default look is drawn
  // into the control's off-screen bitmap, which the framework copies to the
  // screen in one operation. Background erasing draws nothing, so nothing
  // is painted twice.
  void paint(gfx::Canvas& canvas) override;
  void eraseBackground(gfx::Canvas& canvas) override;
  void mouseEnter() override;
  void mouseLeave() override;
  // True while the control is inside its own paint handler.
  bool painting() const { return painting_; }

  int sectionIndex_ = -1;

 private:
  void componentRemoved(DataComponent& component) override;

  TbsSkinData* skinData_ = nullptr;
  std::string skinDataName_;
  bool painting_ = false;
};

// The default font and size and the section's picture, over a
// SkinControlLayer.
template <class Base>
class SkinCustomLayer : public Base {
 public:
  template <class... Extra>
  explicit SkinCustomLayer(ui::Component* owner, Extra... extra) : Base(owner, extra...) {
    defaultFont_.name = "Arial";
    defaultFont_.height = 14;
  }

  const gfx::Font& DefaultFont() const { return defaultFont_; }
  // Copies the font; DefaultFontChanged runs, then a repaint without a section.
  void setDefaultFont(const gfx::Font& font);
  int DefaultWidth() const { return defaultWidth_; }
  void setDefaultWidth(int width);
  int DefaultHeight() const { return defaultHeight_; }
  void setDefaultHeight(int height);
  bool UseSkinFont() const { return useSkinFont_; }
  void setUseSkinFont(bool on);

  StretchKind stretchKind() const { return picture_.stretchKind(); }
  const gfx::Rect& SkinRect() const { return picture_.skinRect(); }
  const SkinImageGeometry& SkinPoints() const { return picture_.points(); }
  const SkinImageGeometry& PlacedPoints() const { return picture_.placed(); }
  const gfx::Rect& PlacedClientRect() const { return picture_.placedClientRect(); }
  const gfx::Bitmap* Picture() const { return picture_.picture(); }
  const gfx::Bitmap* MaskPicture() const { return picture_.maskPicture(); }

  // Also copies the section's picture geometry and resolves its pictures. A
  // section of a picture kind whose picture is missing counts as no section:
  // the control shows its default look.
  void ReadSkinSection() override;
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;
  // Composes skinrect by the stretch kind.
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  virtual void DefaultFontChanged() {}
  // Turns a proposed size into the one the section allows, placing the points.
  virtual void CalcSkinSize(int& width, int& height);

  // Moves and sizes the control; a section pins what it does not let change.
  void setBounds(int left, int top, int width, int height) override;

  // A rect in section picture coordinates placed into the control.
  gfx::Rect MapSkinRect(const gfx::Rect& r) const {
    return picture_.mapSkinRect(r, this->width(), this->height());
  }

 protected:
  // Composes another area of the same picture (a state picture) with the
  // geometry of skinrect; an empty area composes skinrect itself.
  void drawSkinArea(gfx::Bitmap& bitmap, const gfx::Rect& area, bool fillClient = true) const;
  // The window region after a size or section change (windowed only).
  virtual void regionChanged() {}
  SectionPicture& sectionPicture() { return picture_; }
  const SectionPicture& sectionPicture() const { return picture_; }

 private:
  SectionPicture picture_;
  gfx::Font defaultFont_;
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
  bool useSkinFont_ = true;
};

extern template class SkinControlLayer<ui::WinControl>;
extern template class SkinControlLayer<ui::GraphicControl>;
extern template class SkinCustomLayer<SkinControlLayer<ui::WinControl>>;
extern template class SkinCustomLayer<SkinControlLayer<ui::GraphicControl>>;
// Controls over a hosted native widget (the skinned edit box).
extern template class SkinControlLayer<ui::WidgetHost>;
extern template class SkinCustomLayer<SkinControlLayer<ui::WidgetHost>>;

// A windowed skinned control: own window, can take the focus, can be shaped.
class TbsSkinControl : public SkinControlLayer<ui::WinControl> {
 public:
  using SkinControlLayer::SkinControlLayer;
};

class TbsSkinCustomControl : public SkinCustomLayer<SkinControlLayer<ui::WinControl>> {
 public:
  explicit TbsSkinCustomControl(ui::Component* owner, ui::WindowKind kind = ui::WindowKind::Child);
  ~TbsSkinCustomControl() override;

  // Shapes the window by the section's mask, or makes it rectangular again
  // when there is no mask or no section.
  virtual void UpdateRegion();

 protected:
  void regionChanged() override { UpdateRegion(); }
};

// A windowless skinned control: drawn on its parent's surface, opaque.
class TbsGraphicSkinControl : public SkinControlLayer<ui::GraphicControl> {
 public:
  using SkinControlLayer::SkinControlLayer;
};

class TbsGraphicSkinCustomControl : public SkinCustomLayer<SkinControlLayer<ui::GraphicControl>> {
 public:
  using SkinCustomLayer::SkinCustomLayer;
};

}  // namespace skin
