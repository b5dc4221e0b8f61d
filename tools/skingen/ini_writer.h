// The skin definition as the generator writes it: sections and keys in the
// order they were first set, values in the written forms the definition
// reader expects (rects as "l,t,r,b", points as "x,y", booleans as 1 and 0),
// every line ended by CR LF.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/graphics/color.h"
#include "ui/graphics/geometry.h"

namespace skingen {

class IniWriter {
 public:
  // Sets a key; a key set twice keeps its first position and its last value.
  void set(const std::string& section, const std::string& key, const std::string& value);
  void setInt(const std::string& section, const std::string& key, int value);
  void setBool(const std::string& section, const std::string& key, bool value);
  void setColor(const std::string& section, const std::string& key, gfx::Color value);
  void setRect(const std::string& section, const std::string& key, const gfx::Rect& r);
  void setPoint(const std::string& section, const std::string& key, const gfx::Point& p);
  // Opens an empty section, so that it exists even without keys.
  void section(const std::string& name);

  // Value of a key, "" when absent (for the generator's own checks).
  std::string value(const std::string& section, const std::string& key) const;

  // The whole text; sections are separated by an empty line.
  std::string text() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
  };
  Section& find(const std::string& name);
  std::vector<Section> sections_;
};

std::string RectText(const gfx::Rect& r);
std::string PointText(const gfx::Point& p);

}  // namespace skingen
