// Text fitting with an ellipsis and text placed in a rect.
#include "skin/draw/text_fit.h"

namespace skin {

namespace {

// Removes the last UTF-8 character (its lead byte and continuation bytes).
void dropLastCharacter(std::string& text) {
  std::size_t n = text.size();
  while (n > 0) {
    --n;
    if ((static_cast<unsigned char>(text[n]) & 0xC0) != 0x80) break;
  }
  text.resize(n);
}

}  // namespace

void FitTextWithEllipsis(const gfx::Canvas& canvas, std::string& text, int maxWidth) {
  if (canvas.textWidth(text) <= maxWidth) return;
  while (!text.empty()) {
    dropLastCharacter(text);
    if (canvas.textWidth(text + "...") <= maxWidth) break;
  }
  text += "...";
}

void TextInRect(gfx::Canvas& canvas, const std::string& text, const gfx::Rect& rect,
                int extraLeft) {
  const int x = rect.left + 2 + extraLeft;
  const int y = rect.top + gfx::Div(rect.height(), 2) - gfx::Div(canvas.textHeight(text), 2);
  canvas.textRect(rect, x, y, text);
}

}  // namespace skin
