// The parsed text of a skin definition (skin.ini): INI sections of keys and
// values. Section and key names match without regard to ASCII letter case;
// the first matching key of a section counts; values are kept as written,
// trimmed of blanks. A section that appears twice in the text is one section
// whose keys continue after the first part.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

class SkinDefinition {
 public:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  SkinDefinition() = default;
  // Lines end at CR LF, LF or CR; blanks around keys and values are trimmed;
  // empty lines, lines starting with ";" and lines outside any section or
  // without "=" are ignored.
  static SkinDefinition Parse(std::string_view text);
  static SkinDefinition Parse(std::span<const std::string> lines);

  bool hasSection(std::string_view section) const;
  // The value of the first matching key, or null when the key or the
  // section is absent.
  const std::string* find(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view def) const;

  // Replaces the first matching key's value, or appends the key (creating
  // the section when needed).
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void eraseSection(std::string_view section);

  const std::vector<Section>& sections() const { return sections_; }
  // The whole text, every line ended by CR LF; sections are separated by an
  // empty line.
  std::string text() const;
  // The keys of one section as "key=value" lines, each ended by CR LF.
  std::string sectionText(std::string_view section) const;

 private:
  Section* findSection(std::string_view name);
  const Section* findSection(std::string_view name) const;
  std::vector<Section> sections_;
};

// Splits text into lines at CR LF, LF or CR; a final line break does not
// start another line.
std::vector<std::string> SplitLines(std::string_view text);

// The five sections every skin definition must hold, in this order.
extern const char* const kRequiredSkinSections[5];
// The required sections the definition lacks (empty sections count as present).
std::vector<std::string> MissingSkinSections(const SkinDefinition& def);
bool IsSkinDefinition(const SkinDefinition& def);

}  // namespace skin
