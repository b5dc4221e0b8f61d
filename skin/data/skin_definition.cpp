// Parsing, lookup and writing of skin definition text.
#include "skin/data/skin_definition.h"

#include <algorithm>

namespace skin {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  }
  return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || (c > 0 && c < ' '); }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

SkinDefinition SkinDefinition::Parse(std::string_view text) {
  const std::vector<std::string> lines = SplitLines(text);
  return Parse(lines);
}

SkinDefinition SkinDefinition::Parse(std::span<const std::string> lines) {
  SkinDefinition def;
  Section* current = nullptr;
  for (const std::string& raw : lines) {
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string_view name = trim(line.substr(1, line.size() - 2));
      current = def.findSection(name);
      if (current == nullptr) {
        def.sections_.push_back({std::string(name), {}});
        current = &def.sections_.back();
      }
      continue;
    }
    if (current == nullptr) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    current->entries.push_back(
        {std::string(trim(line.substr(0, eq))), std::string(trim(line.substr(eq + 1)))});
  }
  return def;
}

SkinDefinition::Section* SkinDefinition::findSection(std::string_view name) {
  for (Section& s : sections_) {
    if (sameName(s.name, name)) return &s;
  }
  return nullptr;
}

const SkinDefinition::Section* SkinDefinition::findSection(std::string_view name) const {
  for (const Section& s : sections_) {
    if (sameName(s.name, name)) return &s;
  }
  return nullptr;
}

bool SkinDefinition::hasSection(std::string_view section) const {
  return findSection(section) != nullptr;
}

const std::string* SkinDefinition::find(std::string_view section, std::string_view key) const {
  const Section* s = findSection(section);
  if (s == nullptr) return nullptr;
  for (const Entry& e : s->entries) {
    if (sameName(e.key, key)) return &e.value;
  }
  return nullptr;
}

std::string SkinDefinition::readString(std::string_view section, std::string_view key,
                                       std::string_view def) const {
  const std::string* v = find(section, key);
  return v != nullptr ? *v : std::string(def);
}

void SkinDefinition::writeString(std::string_view section, std::string_view key,
                                 std::string_view value) {
  Section* s = findSection(section);
  if (s == nullptr) {
    sections_.push_back({std::string(section), {}});
    s = &sections_.back();
  }
  for (Entry& e : s->entries) {
    if (sameName(e.key, key)) {
      e.value = std::string(value);
      return;
    }
  }
  s->entries.push_back({std::string(key), std::string(value)});
}

void SkinDefinition::eraseSection(std::string_view section) {
  std::erase_if(sections_, [&](const Section& s) { return sameName(s.name, section); });
}

std::string SkinDefinition::sectionText(std::string_view section) const {
  std::string out;
  const Section* s = findSection(section);
  if (s == nullptr) return out;
  for (const Entry& e : s->entries) out += e.key + "=" + e.value + "\r\n";
  return out;
}

std::string SkinDefinition::text() const {
  std::string out;
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) out += "\r\n";
    out += "[" + sections_[i].name + "]\r\n";
    for (const Entry& e : sections_[i].entries) out += e.key + "=" + e.value + "\r\n";
  }
  return out;
}

const char* const kRequiredSkinSections[5] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                              "SKINCONTROLS"};

std::vector<std::string> MissingSkinSections(const SkinDefinition& def) {
  std::vector<std::string> missing;
  for (const char* name : kRequiredSkinSections) {
    if (!def.hasSection(name)) missing.emplace_back(name);
  }
  return missing;
}

bool IsSkinDefinition(const SkinDefinition& def) { return MissingSkinSections(def).empty(); }

}  // namespace skin
