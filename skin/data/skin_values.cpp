// Readers and writers of the skin definition's value types.
#include "skin/data/skin_values.h"

#include <array>
#include <cstdint>
#include <limits>

namespace skin {

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The pieces of a number list, each with its non-digits dropped.
template <std::size_t N>
std::array<int, N> parseNumberList(std::string_view text) {
  std::array<int, N> out{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < N; ++i) {
    if (start > text.size()) {
      throw EConvertError("'' is not a valid integer value");
    }
    std::size_t end = text.find(',', start);
    if (end == std::string_view::npos) end = text.size();
    std::string digits;
    for (char c : text.substr(start, end - start)) {
      if (c >= '0' && c <= '9') digits += c;
    }
    if (digits.empty()) throw EConvertError("'' is not a valid integer value");
    std::int64_t v = 0;
    for (char c : digits) {
      v = v * 10 + (c - '0');
      if (v > std::numeric_limits<int>::max()) {
        throw EConvertError("'" + digits + "' is not a valid integer value");
      }
    }
    out[i] = static_cast<int>(v);
    start = end + 1;  // past the comma; past the end when there was none
  }
  return out;
}

constexpr std::array<const char*, 6> kEffectWords = {"iebrightness", "iedarkness",  "iegrayscale",
                                                     "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> kMorphWords = {
    "mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
    "mkleftslide", "mkrightslide", "mkpush"};
// Read in this order; any other word is minimize to tray.
constexpr std::array<const char*, 6> kCommandWords = {"cmclose",   "cmmaximize", "cmminimize",
                                                      "cmsysmenu", "cmdefault",  "cmrollup"};

}  // namespace

int ParseInteger(std::string_view text, int def) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return def;
  std::int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (hex) {
      const int d = hexDigit(text[i]);
      if (d < 0) return def;
      v = v * 16 + d;
      if (v > 0xFFFFFFFFLL) return def;
    } else {
      if (text[i] < '0' || text[i] > '9') return def;
      v = v * 10 + (text[i] - '0');
      if (v > 0x80000000LL) return def;
    }
  }
  if (hex) {
    // Hexadecimal spans all 32 bits: $FFFFFFFF is -1.
    const auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return negative ? static_cast<int>(-static_cast<std::int64_t>(bits)) : bits;
  }
  if (negative) return static_cast<int>(-v);
  if (v > std::numeric_limits<int>::max()) return def;
  return static_cast<int>(v);
}

gfx::Rect ParseRect(std::string_view text) {
  const auto n = parseNumberList<4>(text);
  return {n[0], n[1], n[2], n[3]};
}

gfx::Point ParsePoint(std::string_view text) {
  const auto n = parseNumberList<2>(text);
  return {n[0], n[1]};
}

FontStyles ParseFontStyles(std::string_view text) {
  FontStyles s;
  s.bold = text.find("fsbold") != std::string_view::npos;
  s.italic = text.find("fsitalic") != std::string_view::npos;
  s.underline = text.find("fsunderline") != std::string_view::npos;
  s.strikeOut = text.find("fsstrikeout") != std::string_view::npos;
  return s;
}

TextAlignment ParseAlignment(std::string_view text) {
  if (text == "tacenter") return TextAlignment::Center;
  if (text == "taleftjustify") return TextAlignment::LeftJustify;
  return TextAlignment::RightJustify;
}

InactiveEffect ParseInactiveEffect(std::string_view text) {
  for (std::size_t i = 0; i < kEffectWords.size(); ++i) {
    if (text == kEffectWords[i]) return static_cast<InactiveEffect>(i);
  }
  return InactiveEffect::Grayscale;
}

MorphKind ParseMorphKind(std::string_view text) {
  for (std::size_t i = 0; i < kMorphWords.size(); ++i) {
    if (text == kMorphWords[i]) return static_cast<MorphKind>(i);
  }
  return MorphKind::Default;
}

StdCommand ParseCommand(std::string_view text) {
  for (std::size_t i = 0; i < kCommandWords.size(); ++i) {
    if (text == kCommandWords[i]) return static_cast<StdCommand>(i);
  }
  return StdCommand::MinimizeToTray;
}

std::string FormatRect(const gfx::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

std::string FormatPoint(const gfx::Point& p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string FormatFontStyles(const FontStyles& s) {
  std::string out;
  const auto add = [&](bool on, const char* word) {
    if (!on) return;
    if (!out.empty()) out += ",";
    out += word;
  };
  add(s.bold, "fsbold");
  add(s.italic, "fsitalic");
  add(s.underline, "fsunderline");
  add(s.strikeOut, "fsstrikeout");
  return out;
}

const char* AlignmentWord(TextAlignment a) {
  switch (a) {
    case TextAlignment::Center:
      return "tacenter";
    case TextAlignment::RightJustify:
      return "tarightjustify";
    case TextAlignment::LeftJustify:
      break;
  }
  return "taleftjustify";
}

const char* InactiveEffectWord(InactiveEffect e) {
  return kEffectWords[static_cast<std::size_t>(e) % kEffectWords.size()];
}

const char* MorphKindWord(MorphKind m) {
  return kMorphWords[static_cast<std::size_t>(m) % kMorphWords.size()];
}

const char* CommandWord(StdCommand c) {
  if (c == StdCommand::MinimizeToTray) return "cmminimizetotray";
  return kCommandWords[static_cast<std::size_t>(c) % kCommandWords.size()];
}

int ReadInteger(const SkinDefinition& def, std::string_view section, std::string_view key,
                int dflt) {
  const std::string* v = def.find(section, key);
  return v != nullptr ? ParseInteger(*v, dflt) : dflt;
}

gfx::Color ReadColor(const SkinDefinition& def, std::string_view section, std::string_view key,
                     gfx::Color dflt) {
  const int v = ReadInteger(def, section, key, static_cast<int>(dflt.value));
  return gfx::Color(static_cast<std::uint32_t>(v));
}

bool ReadBoolean(const SkinDefinition& def, std::string_view section, std::string_view key,
                 bool dflt) {
  return ReadInteger(def, section, key, dflt ? 1 : 0) == 1;
}

gfx::Rect ReadRect(const SkinDefinition& def, std::string_view section, std::string_view key) {
  const std::string* v = def.find(section, key);
  return v != nullptr ? ParseRect(*v) : gfx::Rect{};
}

gfx::Point ReadPoint(const SkinDefinition& def, std::string_view section, std::string_view key) {
  const std::string* v = def.find(section, key);
  return v != nullptr ? ParsePoint(*v) : gfx::Point{};
}

FontStyles ReadFontStyles(const SkinDefinition& def, std::string_view section,
                          std::string_view key) {
  const std::string* v = def.find(section, key);
  return v != nullptr ? ParseFontStyles(*v) : FontStyles{};
}

TextAlignment ReadAlignment(const SkinDefinition& def, std::string_view section,
                            std::string_view key) {
  const std::string* v = def.find(section, key);
  return v != nullptr ? ParseAlignment(*v) : TextAlignment::Center;
}

InactiveEffect ReadInactiveEffect(const SkinDefinition& def, std::string_view section,
                                  std::string_view key) {
  const std::string* v = def.find(section, key);
  return v != nullptr ? ParseInactiveEffect(*v) : InactiveEffect::Brightness;
}

MorphKind ReadMorphKind(const SkinDefinition& def, std::string_view section, std::string_view key) {
  const std::string* v = def.find(section, key);
  return v != nullptr ? ParseMorphKind(*v) : MorphKind::Default;
}

StdCommand ReadCommand(const SkinDefinition& def, std::string_view section, std::string_view key) {
  const std::string* v = def.find(section, key);
  return v != nullptr ? ParseCommand(*v) : StdCommand::Default;
}

std::string ReadString(const SkinDefinition& def, std::string_view section, std::string_view key,
                       std::string_view dflt) {
  return def.readString(section, key, dflt);
}

void WriteInteger(SkinDefinition& def, std::string_view section, std::string_view key, int v) {
  def.writeString(section, key, std::to_string(v));
}

void WriteColor(SkinDefinition& def, std::string_view section, std::string_view key, gfx::Color v) {
  def.writeString(section, key, std::to_string(v.value));
}

void WriteBoolean(SkinDefinition& def, std::string_view section, std::string_view key, bool v) {
  def.writeString(section, key, v ? "1" : "0");
}

void WriteRect(SkinDefinition& def, std::string_view section, std::string_view key,
               const gfx::Rect& v) {
  def.writeString(section, key, FormatRect(v));
}

void WritePoint(SkinDefinition& def, std::string_view section, std::string_view key,
                const gfx::Point& v) {
  def.writeString(section, key, FormatPoint(v));
}

void WriteFontStyles(SkinDefinition& def, std::string_view section, std::string_view key,
                     const FontStyles& v) {
  def.writeString(section, key, FormatFontStyles(v));
}

void WriteAlignment(SkinDefinition& def, std::string_view section, std::string_view key,
                    TextAlignment v) {
  def.writeString(section, key, AlignmentWord(v));
}

void WriteInactiveEffect(SkinDefinition& def, std::string_view section, std::string_view key,
                         InactiveEffect v) {
  def.writeString(section, key, InactiveEffectWord(v));
}

void WriteMorphKind(SkinDefinition& def, std::string_view section, std::string_view key,
                    MorphKind v) {
  def.writeString(section, key, MorphKindWord(v));
}

void WriteCommand(SkinDefinition& def, std::string_view section, std::string_view key,
                  StdCommand v) {
  def.writeString(section, key, CommandWord(v));
}

void WriteString(SkinDefinition& def, std::string_view section, std::string_view key,
                 std::string_view v) {
  def.writeString(section, key, v);
}

std::vector<std::string> ReadStringList(const SkinDefinition& def, std::string_view section,
                                        std::string_view name) {
  const int count = ReadInteger(def, section, std::string(name) + "count", 0);
  std::vector<std::string> out;
  const int n = std::min(count, kMaxSkinListEntries);
  for (int i = 0; i < n; ++i) out.push_back(def.readString(section, std::to_string(i), ""));
  return out;
}

}  // namespace skin
