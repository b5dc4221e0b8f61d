// Drawing the caption text of a skinned frame.
#include "skin/frame/caption_text.h"

#include <vector>

#include "skin/draw/strip_image.h"

namespace skin {

namespace {

constexpr const char* kEllipsis = "...";

// Byte offsets where UTF-8 characters start, and the text's end.
std::vector<std::size_t> CharacterEnds(const std::string& text) {
  std::vector<std::size_t> ends;
  for (std::size_t i = 1; i <= text.size(); ++i) {
    if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ends.push_back(i);
  }
  return ends;
}

}  // namespace

std::string FitCaptionText(const gfx::Canvas& canvas, const std::string& text, int maxWidth) {
  if (canvas.textWidth(text) <= maxWidth) return text;
  // Beginnings of 0 .. n - 1 characters; find the longest that fits with "...".
  const std::vector<std::size_t> ends = CharacterEnds(text);
  int lo = 0;                                  // characters known to fit (0 always "fits")
  int hi = static_cast<int>(ends.size()) - 1;  // the whole text does not fit
  while (lo < hi) {
    const int mid = lo + (hi - lo + 1) / 2;
    const std::string candidate = text.substr(0, ends[static_cast<std::size_t>(mid - 1)]);
    if (canvas.textWidth(candidate + kEllipsis) <= maxWidth) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  if (lo == 0) return kEllipsis;
  return text.substr(0, ends[static_cast<std::size_t>(lo - 1)]) + kEllipsis;
}

gfx::Font CaptionFont(const TbsDataSkinCaption& data, bool active) {
  gfx::Font f = WithFontKeys(gfx::Font{}, data);
  f.color = active ? data.activeFontColor : data.fontColor;
  return f;
}

void DrawCaptionText(gfx::Canvas& canvas, const std::string& caption, const gfx::Rect& rect,
                     gfx::Point origin, const TbsDataSkinCaption& data, bool active,
                     const gfx::Bitmap* activePicture) {
  if (caption.empty() || gfx::IsNullRect(rect)) return;
  canvas.setFont(CaptionFont(data, active));
  canvas.setTextBackgroundOpaque(false);
  const std::string text = FitCaptionText(canvas, caption, rect.width());
  const gfx::Size size = canvas.textExtent(text);
  int x = rect.left;
  switch (data.alignment) {
    case TextAlignment::LeftJustify:
      break;
    case TextAlignment::RightJustify:
      x = rect.right - size.width;
      break;
    case TextAlignment::Center:
      x = rect.left + gfx::Div(rect.width(), 2) - gfx::Div(size.width, 2);
      break;
  }
  const int y = rect.top + gfx::Div(rect.height(), 2) - gfx::Div(size.height, 2) + origin.y;
  x += origin.x;

  if (!gfx::IsNullRect(data.frameRect) && activePicture != nullptr) {
    const gfx::Rect& source =
        active && !gfx::IsNullRect(data.activeFrameRect) ? data.activeFrameRect : data.frameRect;
    gfx::Bitmap plate;
    const int width = data.frameRect.width() + size.width - data.frameTextRect.width();
    ComposeHorzStrip(data.frameLeftOffset, data.frameRightOffset, plate, *activePicture, source,
                     width);
    if (!plate.empty()) canvas.draw(x - data.frameTextRect.left, y - data.frameTextRect.top, plate);
  }
  if (data.shadow) {
    gfx::Font shadow = canvas.font();
    shadow.color = active ? data.activeShadowColor : data.shadowColor;
    canvas.setFont(shadow);
    canvas.textOut(x + 1, y + 1, text);
    canvas.setFont(CaptionFont(data, active));
  }
  canvas.textOut(x, y, text);
}

}  // namespace skin
