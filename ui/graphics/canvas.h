// Drawing on a Bitmap with the operations the skin engine names, in the
// semantics of the classic desktop drawing calls:
// - a line from a to b ends one pixel short of b;
// - rectangle(r) draws the outline inside r with the pen (r.right - 1 and
//   r.bottom - 1 are the last pixels) and fills the inside with the brush;
// - frameRect outlines r with a colour, fillRect fills r with the brush;
// - clipping narrows with excludeClipRect and intersectClipRect.
// No antialiasing anywhere: skins are pixel art.
#pragma once

#include <string>
#include <vector>

#include "ui/graphics/bitmap.h"
#include "ui/graphics/font.h"
#include "ui/graphics/region.h"

class QPainter;

namespace gfx {

enum class BrushStyle { Solid, Clear };

// Flags of drawText, after the classic text-drawing flags.
enum TextFlags : unsigned {
  kTextLeft = 0,
  kTextCenter = 1,
  kTextRight = 2,
  kTextVCenter = 4,
  kTextBottom = 8,
  kTextWordBreak = 16,
  kTextSingleLine = 32,
  kTextNoPrefix = 64,   // "&" is shown as it is instead of underlining
  kTextNoClip = 128,
  kTextCalcRect = 256,  // only measure: the rect is widened or lowered to fit
  kTextEndEllipsis = 512,
};

class Canvas {
 public:
  explicit Canvas(Bitmap& target);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Bitmap& bitmap() { return target_; }

  // Pen and brush.
  Color penColor() const { return penColor_; }
  void setPenColor(Color c) { penColor_ = c; }
  int penWidth() const { return penWidth_; }
  void setPenWidth(int w) { penWidth_ = w < 1 ? 1 : w; }
  Color brushColor() const { return brushColor_; }
  void setBrushColor(Color c) {
    brushColor_ = c;
    brushStyle_ = BrushStyle::Solid;
  }
  BrushStyle brushStyle() const { return brushStyle_; }
  void setBrushStyle(BrushStyle s) { brushStyle_ = s; }
  const Font& font() const { return font_; }
  void setFont(const Font& f) { font_ = f; }
  // Whether text is drawn over a filled background of the brush colour.
  bool textBackgroundOpaque() const { return opaqueText_; }
  void setTextBackgroundOpaque(bool on) { opaqueText_ = on; }

  // The current position, for moveTo/lineTo.
  void moveTo(int x, int y) { pos_ = {x, y}; }
  void lineTo(int x, int y);
  Point penPos() const { return pos_; }
  // A line from a to b, b itself not drawn.
  void line(Point a, Point b);
  // Connected lines through the points; the last point is not drawn.
  void polyline(const std::vector<Point>& points);
  void polygon(const std::vector<Point>& points);  // filled with the brush, outlined
  void rectangle(const Rect& r);
  void roundRect(const Rect& r, int ellipseWidth, int ellipseHeight);
  void ellipse(const Rect& r);
  void fillRect(const Rect& r);                 // with the brush colour
  void fillRect(const Rect& r, Color c);
  void frameRect(const Rect& r, Color c);       // one-pixel outline inside r
  void setPixel(int x, int y, Color c);
  Color pixel(int x, int y) const;

  // Copies from another bitmap, through the clip (plain copy when the sizes
  // match, nearest-neighbour scale otherwise).
  void copyRect(const Rect& dst, const Bitmap& src, const Rect& srcRect);
  void draw(int x, int y, const Bitmap& src);
  void drawTransparent(int x, int y, const Bitmap& src, const Rect& srcRect, Color key);

  // Clipping. With no clip set, everything inside the bitmap is drawn.
  void excludeClipRect(const Rect& r);
  void intersectClipRect(const Rect& r);
  void setClipRegion(const Region& r);
  void resetClip();
  Region clipRegion() const;  // the bitmap's rect when no clip is set

  // Text, in the canvas font and its colour.
  Size textExtent(const std::string& text) const;
  int textWidth(const std::string& text) const { return textExtent(text).width; }
  int textHeight(const std::string& text) const { return textExtent(text).height; }
  // Draws text with its cell's left-top at (x, y).
  void textOut(int x, int y, const std::string& text);
  // Draws text with its cell's left-top at (x, y), clipped to r.
  void textRect(const Rect& r, int x, int y, const std::string& text);
  // Draws text in r by the flags; "&" underlines the next character unless
  // kTextNoPrefix is set ("&&" is a literal "&"). With kTextCalcRect nothing
  // is drawn and r is changed to the measured rect. Returns the text height.
  int drawText(const std::string& text, Rect& r, unsigned flags);
  // Text turned 90 degrees counter-clockwise (reading upwards), its baseline
  // starting at (x, y) as the classic escapement of 900 places it.
  void textOutRotated90(int x, int y, const std::string& text);

 private:
  // Every Qt-drawn operation uses a painter of its own with the clip set, so
  // that the bitmap's rows may be touched directly between operations.
  void beginPainter(QPainter& p) const;
  // Pen and brush of outlined, filled shapes.
  void setShapeTools(QPainter& p, int penWidth) const;
  // Fills r with c through the clip.
  void fillClipped(const Rect& r, Color c);
  bool insideClip(int x, int y) const;
  void plotLine(Point a, Point b);

  Bitmap& target_;
  Color penColor_ = kBlack;
  int penWidth_ = 1;
  Color brushColor_ = kWhite;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  bool opaqueText_ = false;
  Font font_;
  Point pos_;
  bool clipped_ = false;
  Region clip_;
};

// Text measurement without a bitmap.
Size MeasureText(const Font& font, const std::string& text);

}  // namespace gfx
