// TbsSkinSpeedButton: the windowless tool button. It never takes the focus;
// it presses, repeats and toggles in groups like the push button, can be
// flat and transparent, can hide its caption (switching between two widths)
// and, on a tool bar, draws a picture of the tool bar's image lists when it
// has no glyph of its own. Default section: "toolbutton".
#pragma once

#include "skin/controls/skin_button_layer.h"
#include "ui/image_list.h"

namespace skin {

// What a container of speed buttons (a tool bar) offers them: the image
// lists a button without a glyph draws its ImageIndex picture from. Any
// list may be null.
class TbsSpeedButtonImages {
 public:
  virtual ~TbsSpeedButtonImages() = default;
  virtual ui::ImageList* Images() const = 0;
  virtual ui::ImageList* HotImages() const = 0;
  virtual ui::ImageList* DisabledImages() const = 0;
};

class TbsSkinSpeedButton : public SkinButtonLayer<TbsGraphicSkinCustomControl> {
 public:
  explicit TbsSkinSpeedButton(ui::Component* owner);

  bool ShowCaption() const { return showCaption_; }
  // When both widths are set, the width follows: WidthWithCaption or
  // WidthWithoutCaption.
  void setShowCaption(bool on);
  int WidthWithCaption() const { return widthWithCaption_; }
  void setWidthWithCaption(int w) { widthWithCaption_ = w; }
  int WidthWithoutCaption() const { return widthWithoutCaption_; }
  void setWidthWithoutCaption(int w) { widthWithoutCaption_ = w; }
  bool Transparent() const { return transparent_; }
  // The parent shows through; no background is drawn in the normal state.
  void setTransparentLook(bool on);
  bool Flat() const { return flat_; }
  // No frame in the normal default look; also sets Transparent alike.
  void setFlat(bool on);
  int ImageIndex() const { return imageIndex_; }
  void setImageIndex(int index);

  ButtonFacts facts() const override;
  void ButtonClick() override;
  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;

 protected:
  bool morphApplies() const override;
  gfx::Size glyphSize() const override;
  void drawGlyph(gfx::Canvas& canvas, int x, int y, int cell) override;

 private:
  // The image list a glyph-less button on a tool bar draws from now, and
  // whether it draws its picture greyed.
  const ui::ImageList* imageList(bool* greyed) const;

  bool showCaption_ = true;
  int widthWithCaption_ = 0;
  int widthWithoutCaption_ = 0;
  bool transparent_ = false;
  bool flat_ = false;
  int imageIndex_ = 0;
};

}  // namespace skin
