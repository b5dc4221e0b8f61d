// skintool preview: composes a skin's window frame, or one of its control
// sections, at a size of the author's choosing and writes the picture, so
// that a skin can be looked at without running the program.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QImage>

#include "command.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/control_data.h"
#include "skin/data/skin_data.h"
#include "skin/data/stream.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/frame_image.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/strip_image.h"
#include "skin/draw/tiling.h"
#include "ui/graphics/bmp.h"

namespace {

const char kUsage[] =
    "usage: skintool preview <file.skn> --frame WxH [--inactive] --out FILE\n"
    "       skintool preview <file.skn> --control <section> WxH --out FILE\n"
    "\n"
    "Composes the window frame of the skin at W x H from its four border strips,\n"
    "with the client area filled as a window fills it and the window region of\n"
    "the skin's mask applied; --inactive uses the inactive frame picture and the\n"
    "skin's inactive effect. --control composes the control section at W x H the\n"
    "way its corner points select: both directions, width only (the height\n"
    "stays the section's), height only, or not at all; a section with a mask\n"
    "picture is shaped by it.\n"
    "\n"
    "The picture is written as PNG or as a 24-bit BMP by the extension of FILE.\n"
    "Pixels outside the region are transparent in a PNG; in a BMP they are\n"
    "painted with --background COLOR (red + 256 green + 65536 blue, decimal or\n"
    "0x hexadecimal; default 16711935, magenta).\n";

constexpr int kMaxPreviewSide = 16384;

struct Options {
  std::string skin;
  std::optional<gfx::Size> frame;
  std::optional<std::string> control;
  gfx::Size controlSize;
  bool inactive = false;
  std::string out;
  gfx::Color background = gfx::Color(16711935);
};

[[noreturn]] void usageError(const std::string& message) {
  throw std::invalid_argument(message + "\n\n" + kUsage);
}

gfx::Size parseSize(const std::string& text) {
  const std::size_t x = text.find_first_of("xX");
  auto number = [&](const std::string& part) {
    if (part.empty() || part.size() > 6 || !std::all_of(part.begin(), part.end(), [](char c) {
          return std::isdigit(static_cast<unsigned char>(c));
        }))
      usageError("size '" + text + "' is not WxH with whole numbers");
    return std::stoi(part);
  };
  if (x == std::string::npos) usageError("size '" + text + "' is not WxH");
  const gfx::Size s{number(text.substr(0, x)), number(text.substr(x + 1))};
  if (s.width < 1 || s.height < 1 || s.width > kMaxPreviewSide || s.height > kMaxPreviewSide)
    usageError("size '" + text + "' must be 1 to " + std::to_string(kMaxPreviewSide) +
               " on each side");
  return s;
}

gfx::Color parseColor(const std::string& text) {
  std::size_t used = 0;
  unsigned long v = 0;
  try {
    v = std::stoul(text, &used, 0);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || text.empty() || text[0] == '-' || v > 0xFFFFFFul)
    usageError("background '" + text + "' is not a colour value 0 to 16777215");
  return gfx::Color(static_cast<std::uint32_t>(v));
}

Options parse(const std::vector<std::string>& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto next = [&](const char* what) -> const std::string& {
      if (i + 1 >= args.size()) usageError(a + " needs " + what);
      return args[++i];
    };
    if (a == "--frame") {
      o.frame = parseSize(next("a size WxH"));
    } else if (a == "--control") {
      o.control = next("a section name");
      o.controlSize = parseSize(next("a size WxH"));
    } else if (a == "--inactive") {
      o.inactive = true;
    } else if (a == "--out") {
      o.out = next("a file name");
    } else if (a == "--background") {
      o.background = parseColor(next("a colour value"));
    } else if (!a.empty() && a[0] == '-') {
      usageError("unknown option '" + a + "'");
    } else if (o.skin.empty()) {
      o.skin = a;
    } else {
      usageError("more than one skin file given");
    }
  }
  if (o.skin.empty()) usageError("no skin file given");
  if (o.frame.has_value() == o.control.has_value()) usageError("give either --frame or --control");
  if (o.out.empty()) usageError("no --out file given");
  if (o.inactive && o.control) usageError("--inactive applies to --frame only");
  return o;
}

std::string lowerExtension(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

// The composed picture and the region that shapes it (none: all of it).
struct Preview {
  gfx::Bitmap picture;
  std::optional<gfx::Region> region;
};

// The frame's client area as a window fills it: the additional picture of
// bgpictureindex, else the client part of the frame picture, tiled from the
// client area's left-top; button face when there is neither.
void fillClient(gfx::Bitmap& out, const gfx::Rect& area, const skin::TbsSkinData& data,
                const gfx::Bitmap& picture) {
  const skin::SkinFormInfo& fi = data.FormInfo();
  if (const gfx::Bitmap* bg = data.ActivePicture(fi.bgPictureIndex); bg && !bg->empty()) {
    skin::TileArea(out, area, *bg, bg->rect());
  } else if (!gfx::IsNullRect(fi.clientRect)) {
    skin::TileArea(out, area, picture, fi.clientRect);
  } else {
    out.fillRect(area, gfx::SystemColor(gfx::SysColor::ButtonFace));
  }
}

Preview previewFrame(const skin::TbsSkinData& data, gfx::Size size, bool inactive) {
  const skin::SkinFormInfo& fi = data.FormInfo();
  const bool useInactive = inactive && !data.InactivePicture().empty();
  const gfx::Bitmap& picture = useInactive ? data.InactivePicture() : data.Picture();
  if (picture.empty()) throw std::runtime_error("the skin has no frame picture");
  const int W = size.width, H = size.height;
  const int dW = W - picture.width(), dH = H - picture.height();
  const skin::SkinImageGeometry stored{fi.leftTopPoint, fi.rightTopPoint, fi.leftBottomPoint,
                                       fi.rightBottomPoint, fi.clientRect};
  const skin::SkinImageGeometry placed = skin::PlaceGeometry(stored, dW, dH);

  skin::BorderStrips strips;
  skin::ComposeBorderStrips(stored, placed, strips, picture, picture.rect(), W, H,
                            {fi.leftStretch, fi.topStretch, fi.rightStretch, fi.bottomStretch});
  if (inactive && fi.autoRenderingInActiveImage) {
    for (gfx::Bitmap* s : {&strips.top, &strips.bottom, &strips.left, &strips.right}) {
      if (s->empty()) continue;
      skin::TbsEffectBmp effect(*s);
      skin::ApplyInactiveEffect(effect, static_cast<int>(fi.inactiveEffect));
      effect.DrawTo(*s, 0, 0);
    }
  }

  Preview p;
  p.picture = gfx::Bitmap(W, H);
  const gfx::Rect client = placed.clientRect;
  if (!gfx::IsNullRect(client)) fillClient(p.picture, client, data, picture);
  const int top = strips.top.height(), bottom = strips.bottom.height();
  p.picture.draw(0, 0, strips.top);
  p.picture.draw(0, top, strips.left);
  p.picture.draw(W - strips.right.width(), top, strips.right);
  p.picture.draw(0, H - bottom, strips.bottom);

  if (!data.MaskPicture().empty()) {
    // The mask is shaped with the mask area as its client rect.
    const skin::SkinImageGeometry maskStored{fi.leftTopPoint, fi.rightTopPoint, fi.leftBottomPoint,
                                             fi.rightBottomPoint, fi.maskRectArea};
    p.region = skin::BuildFrameRegion(maskStored, skin::PlaceGeometry(maskStored, dW, dH),
                                      data.MaskPicture(), W, H);
  }
  return p;
}

Preview previewControl(const skin::TbsSkinData& data, const std::string& section, gfx::Size size) {
  const int index = data.FindControlData(section);
  if (index < 0) throw std::runtime_error("the skin has no control section '" + section + "'");
  const skin::TbsDataSkinControl& c = *data.ControlDataList()[static_cast<std::size_t>(index)];
  const gfx::Bitmap* picture = data.ActivePicture(c.pictureIndex);
  if (picture == nullptr || picture->empty())
    throw std::runtime_error("control section '" + section + "' names no picture");
  const gfx::Rect r = c.skinRect;
  const int skinW = r.width(), skinH = r.height();
  if (skinW <= 0 || skinH <= 0)
    throw std::runtime_error("control section '" + section + "' has an empty skinrect");
  const gfx::Bitmap* mask = data.ActivePicture(c.maskPictureIndex);

  Preview p;
  const auto* custom = dynamic_cast<const skin::TbsDataSkinCustomControl*>(&c);
  skin::SkinImageGeometry g;
  if (custom)
    g = {custom->leftTopPoint, custom->rightTopPoint, custom->leftBottomPoint,
         custom->rightBottomPoint, custom->clientRect};
  auto nonZero = [](gfx::Point q) { return q.x != 0 || q.y != 0; };
  int w = skinW, h = skinH;
  skin::SkinImageGeometry maskStored = g, maskPlaced = g;
  if (custom && g.rightBottom.x != 0 && g.rightBottom.y != 0) {
    w = size.width;
    h = size.height;
    const skin::SkinImageGeometry placed = skin::PlaceGeometry(g, w - skinW, h - skinH);
    skin::ComposeFrameImage(g, placed, p.picture, *picture, r, w, h, true);
    maskPlaced = placed;
  } else if (custom && nonZero(g.rightTop)) {
    w = size.width;
    skin::ComposeHorzStrip(g.leftTop.x, skinW - g.rightTop.x, p.picture, *picture, r, w);
    // The mask's bottom points are its top points.
    maskStored.leftBottom = g.leftTop;
    maskStored.rightBottom = g.rightTop;
    maskPlaced = skin::PlaceGeometry(maskStored, w - skinW, 0);
  } else if (custom && nonZero(g.leftBottom)) {
    h = size.height;
    skin::ComposeVertStrip(g.leftTop.y, skinH - g.leftBottom.y, p.picture, *picture, r, h);
    // The mask's right points are its left points.
    maskStored.rightTop = g.leftTop;
    maskStored.rightBottom = g.leftBottom;
    maskPlaced = skin::PlaceGeometry(maskStored, 0, h - skinH);
  } else {
    p.picture = gfx::Bitmap(skinW, skinH);
    p.picture.copyRect(p.picture.rect(), *picture, r);
    if (mask && !mask->empty()) p.region = skin::BuildMaskRegion(*mask);
    if (size.width != skinW || size.height != skinH)
      std::fprintf(stderr, "note: section '%s' is not resizable; composed at %dx%d\n",
                   section.c_str(), skinW, skinH);
    return p;
  }
  if (w != size.width || h != size.height)
    std::fprintf(stderr, "note: section '%s' resizes in one direction only; composed at %dx%d\n",
                 section.c_str(), w, h);
  if (mask && !mask->empty())
    p.region = skin::BuildFrameRegion(maskStored, maskPlaced, *mask, w, h);
  return p;
}

void write(const Preview& p, const Options& o) {
  const std::string ext = lowerExtension(o.out);
  const gfx::Bitmap& pic = p.picture;
  auto outside = [&](int x, int y) { return p.region && !p.region->contains({x, y}); };
  if (ext == "png") {
    QImage image(pic.width(), pic.height(), QImage::Format_ARGB32);
    for (int y = 0; y < pic.height(); ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
      for (int x = 0; x < pic.width(); ++x)
        row[x] = outside(x, y) ? 0u : (pic.row(y)[x] | 0xFF000000u);
    }
    if (!image.save(QString::fromStdString(o.out), "PNG"))
      throw std::runtime_error("cannot write '" + o.out + "'");
  } else if (ext == "bmp") {
    gfx::Bitmap flat = pic;
    for (int y = 0; y < flat.height(); ++y)
      for (int x = 0; x < flat.width(); ++x)
        if (outside(x, y)) flat.setPixel(x, y, o.background);
    gfx::BmpFormat format;
    format.bits = 24;
    gfx::WriteBmpFile(o.out, flat, format);
  } else {
    usageError("--out '" + o.out + "' must end in .png or .bmp");
  }
}

int run(const std::vector<std::string>& args) {
  Options o;
  try {
    o = parse(args);
  } catch (const std::invalid_argument& e) {
    std::fprintf(stderr, "skintool preview: %s", e.what());
    return 2;
  }
  skin::TbsCompressedStoredSkin stored;
  stored.ReadPackedBytes(skin::ReadFileBytes(o.skin));
  if (stored.IsEmpty()) throw std::runtime_error("'" + o.skin + "' holds no skin package");
  skin::TbsSkinData data;
  data.ReadPackage(stored);
  if (data.Empty()) throw std::runtime_error("'" + o.skin + "' could not be loaded");

  const Preview p = o.frame ? previewFrame(data, *o.frame, o.inactive)
                            : previewControl(data, *o.control, o.controlSize);
  try {
    write(p, o);
  } catch (const std::invalid_argument& e) {
    std::fprintf(stderr, "skintool preview: %s", e.what());
    return 2;
  }
  std::printf("%s: %dx%d%s\n", o.out.c_str(), p.picture.width(), p.picture.height(),
              p.region ? ", shaped by the mask" : "");
  return 0;
}

const SkintoolCommand kPreview("preview", "compose a skin's frame or a control at a size", kUsage,
                               run);

}  // namespace
