// The transparent, windowless text labels whose font comes from a
// "stdlabel" section: TbsSkinStdLabel shows its caption (with accelerator
// prefixes), TbsSkinTextLabel a list of lines. Both draw their text
// embossed when disabled (highlight colour one pixel down and right, shadow
// colour on top), place it by Alignment and Layout, wrap it with WordWrap
// and, with AutoSize, take the size of their text.
#pragma once

#include <string>
#include <vector>

#include "skin/controls/label_layout.h"
#include "skin/controls/skin_control.h"

namespace skin {

enum class TextLayout { Top, Center, Bottom };

// What the two labels share: the skin contract, the font rule, placement,
// embossing and automatic sizing.
class SkinTextLabelBase : public TbsGraphicSkinControl {
 public:
  explicit SkinTextLabelBase(ui::Component* owner);

  const gfx::Font& DefaultFont() const { return defaultFont_; }
  // Copies the font; nothing is repainted.
  void setDefaultFont(const gfx::Font& font) { defaultFont_ = font; }
  bool UseSkinFont() const { return useSkinFont_; }
  void setUseSkinFont(bool on);
  LabelAlignment Alignment() const { return alignment_; }
  void setAlignment(LabelAlignment a);
  TextLayout Layout() const { return layout_; }
  void setLayout(TextLayout l);
  bool WordWrap() const { return wordWrap_; }
  void setWordWrap(bool on);
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool on);

  // The font the text is drawn with now: without a section the default
  // font (UseSkinFont) or Font; with one the section's face (UseSkinFont)
  // or Font, in the section's colour.
  gfx::Font TextFont() const;

  // Stores the skin data and, when there is one, refreshes.
  void SetSkinData(TbsSkinData* data) override;
  // Reads the section, sizes to the text when AutoSize, repaints.
  void ChangeSkinData() override;
  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;

  // Sizes the label to its text now (AutoSize or not).
  void AdjustBounds();

 protected:
  // The text as drawn and as measured, and the drawing flags.
  virtual std::string drawnText() const = 0;
  virtual std::string measuredText() const { return drawnText(); }
  virtual unsigned textFlags() const;
  void wndProc(ui::Message& m) override;
  void textChanged();

 private:
  void drawLabelText(gfx::Bitmap& bitmap) const;

  gfx::Font defaultFont_;
  bool useSkinFont_ = true;
  LabelAlignment alignment_ = LabelAlignment::Left;
  TextLayout layout_ = TextLayout::Top;
  bool wordWrap_ = false;
  bool autoSize_ = true;
  FontKeys fontKeys_;
  bool adjusting_ = false;
};

class TbsSkinStdLabel : public SkinTextLabelBase {
 public:
  explicit TbsSkinStdLabel(ui::Component* owner);

  bool ShowAccelChar() const { return showAccelChar_; }
  void setShowAccelChar(bool on);

 protected:
  std::string drawnText() const override { return caption(); }
  // An empty caption, or a lone "&" shown as an accelerator, is measured
  // as one space, so the label keeps a line's height.
  std::string measuredText() const override;
  unsigned textFlags() const override;

 private:
  bool showAccelChar_ = true;
};

class TbsSkinTextLabel : public SkinTextLabelBase {
 public:
  explicit TbsSkinTextLabel(ui::Component* owner);

  const std::vector<std::string>& Lines() const { return lines_; }
  // Copies the lines, sizes to them when AutoSize and repaints.
  void setLines(const std::vector<std::string>& lines);

 protected:
  std::string drawnText() const override;

 private:
  std::vector<std::string> lines_;
};

}  // namespace skin
