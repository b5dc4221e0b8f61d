// The skin definition writer.
#include "ini_writer.h"

namespace skingen {

std::string RectText(const gfx::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

std::string PointText(const gfx::Point& p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

IniWriter::Section& IniWriter::find(const std::string& name) {
  for (Section& s : sections_)
    if (s.name == name) return s;
  sections_.push_back({name, {}});
  return sections_.back();
}

void IniWriter::section(const std::string& name) { find(name); }

void IniWriter::set(const std::string& section, const std::string& key, const std::string& value) {
  Section& s = find(section);
  for (auto& kv : s.keys) {
    if (kv.first == key) {
      kv.second = value;
      return;
    }
  }
  s.keys.emplace_back(key, value);
}

void IniWriter::setInt(const std::string& s, const std::string& k, int v) {
  set(s, k, std::to_string(v));
}
void IniWriter::setBool(const std::string& s, const std::string& k, bool v) {
  set(s, k, v ? "1" : "0");
}
void IniWriter::setColor(const std::string& s, const std::string& k, gfx::Color v) {
  set(s, k, std::to_string(v.value));
}
void IniWriter::setRect(const std::string& s, const std::string& k, const gfx::Rect& r) {
  set(s, k, RectText(r));
}
void IniWriter::setPoint(const std::string& s, const std::string& k, const gfx::Point& p) {
  set(s, k, PointText(p));
}

std::string IniWriter::value(const std::string& section, const std::string& key) const {
  for (const Section& s : sections_) {
    if (s.name != section) continue;
    for (const auto& kv : s.keys)
      if (kv.first == key) return kv.second;
  }
  return {};
}

std::string IniWriter::text() const {
  std::string out;
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) out += "\r\n";
    out += "[" + sections_[i].name + "]\r\n";
    for (const auto& kv : sections_[i].keys) out += kv.first + "=" + kv.second + "\r\n";
  }
  return out;
}

}  // namespace skingen
