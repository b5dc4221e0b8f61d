// A skin made in a test: a definition text and its active pictures, packed
// and read into a skin data component, so that control tests draw from
// sections whose every value the test knows.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/package_stream.h"
#include "skin/data/skin_data.h"
#include "skin/data/zlib_streams.h"
#include "ui/form.h"
#include "ui/graphics/bitmap.h"

namespace controlstest {

class TestSkin {
 public:
  // controls: the [SKINCONTROLS] entries ("name:kind"); sections: the text
  // of the sections themselves (with "\r\n" line ends or plain "\n").
  TestSkin(const std::vector<std::string>& controls, const std::string& sections,
           std::vector<gfx::Bitmap> pictures) {
    std::string def = "[PICTURES]\r\nactivepicturescount=" + std::to_string(pictures.size()) +
                      "\r\n[SKINCONTROLS]\r\ncount=" + std::to_string(controls.size()) + "\r\n";
    for (std::size_t i = 0; i < controls.size(); ++i)
      def += std::to_string(i) + "=" + controls[i] + "\r\n";
    def += sections;
    skin::PackageParts parts;
    parts.activePictures = std::move(pictures);
    parts.definitionText = def;
    stored_.setCompressedData(skin::ZlibCompress(skin::WritePackageStream(parts)));
    data_.setCompressedStoredSkin(&stored_);
  }

  skin::TbsSkinData& data() { return data_; }

 private:
  skin::TbsCompressedStoredSkin stored_;
  skin::TbsSkinData data_;
};

// A picture whose every pixel tells where it lies: red = x, green = y,
// blue = the given tag, so a test can say which source pixel landed where.
inline gfx::Bitmap CoordinatePicture(int width, int height, int tag) {
  gfx::Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.setPixel(x, y, gfx::Color::rgb(x, y, tag));
  return b;
}

// A control of class T on form at (5, 5) with the size w x h, drawing from
// section of data (no section name: the class's own).
template <class T>
T* PlaceControl(ui::Form& form, skin::TbsSkinData* data, const std::string& section, int w, int h) {
  auto* c = new T(&form);
  c->setParent(&form);
  if (!section.empty()) c->SetSkinDataName(section);
  c->setBounds(5, 5, w, h);
  c->SetSkinData(data);
  return c;
}

}  // namespace controlstest
