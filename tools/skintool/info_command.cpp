// skintool info: describes a packed skin file: versions, pictures, the
// [VERSION] strings and the object and control entries with their kinds.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/kind_tables.h"
#include "skin/data/package_stream.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"
#include "skin/data/stream.h"

namespace {

const char kUsage[] =
    "usage: skintool info <file.skn>\n"
    "\n"
    "Describes a packed skin file: the file and package versions, the picture\n"
    "flags and sizes, the active pictures, the [VERSION] strings, and the\n"
    "entries of [SKINOBJECTS] and [SKINCONTROLS] with their kinds, marking any\n"
    "entry that is skipped because its kind is unknown. Then loads the skin as\n"
    "the program would and reports an error that stops the loading.\n";

std::string describe(const skin::PackagePicture& p) {
  if (!p.present) return "none";
  return std::to_string(p.bitmap.width()) + "x" + std::to_string(p.bitmap.height()) + ", " +
         std::to_string(p.bitmap.storedBits()) + "-bit, " + std::to_string(p.bytes.size()) +
         " bytes";
}

std::int32_t fileVersion(const std::vector<std::uint8_t>& file) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i)
    u |= static_cast<std::uint32_t>(file[static_cast<std::size_t>(i)]) << (8 * i);
  return static_cast<std::int32_t>(u);
}

void listEntries(const skin::SkinDefinition& def, const char* section, bool objects) {
  const std::vector<skin::SkinListEntry> entries = skin::ReadSkinList(def, section);
  std::printf("[%s]: %zu entries\n", section, entries.size());
  for (const skin::SkinListEntry& e : entries) {
    const bool known = objects ? skin::CreateObjectData(e.kind, e.name) != nullptr
                               : skin::CreateControlData(e.kind, e.name) != nullptr;
    if (known) {
      std::printf("  %d %s: %s\n", e.index, e.name.c_str(), e.kind.c_str());
    } else {
      std::printf("  %d skipped, unknown kind: %s\n", e.index, e.text.c_str());
    }
  }
}

int run(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::vector<std::uint8_t> file = skin::ReadFileBytes(args[0]);
  skin::TbsCompressedStoredSkin stored;
  stored.ReadPackedBytes(file);
  std::printf("file: %s\n", args[0].c_str());
  std::printf("packed file version: %d\n", fileVersion(file));
  if (stored.IsEmpty()) {
    throw std::runtime_error("no package: the file's version is above 3 or its length is 0");
  }
  std::printf("compressed bytes: %zu\n", stored.compressedData().size());
  skin::MemoryStream raw;
  stored.Unpack(raw);
  std::printf("package bytes: %lld\n", static_cast<long long>(raw.size()));
  const skin::PackageContents c = skin::ReadPackageContents(raw.bytes());
  std::printf("package version: %d\n", c.version);
  if (c.version > 3) throw std::runtime_error("package version above 3: it is not read");
  std::printf("picture: %s\n", describe(c.picture).c_str());
  std::printf("inactive picture: %s\n", describe(c.inactivePicture).c_str());
  std::printf("mask: %s\n", describe(c.mask).c_str());
  for (std::size_t i = 0; i < c.legacyPictures.size(); ++i) {
    std::printf("legacy picture %zu (skipped): %s\n", i + 1, describe(c.legacyPictures[i]).c_str());
  }
  std::printf("active pictures: %zu\n", c.activePictures.size());
  for (std::size_t i = 0; i < c.activePictures.size(); ++i) {
    std::printf("  %zu: %s\n", i, describe(c.activePictures[i]).c_str());
  }
  std::printf("definition: %zu bytes\n", c.definitionText.size());

  const skin::SkinDefinition def = skin::SkinDefinition::Parse(c.definitionText);
  std::printf("[VERSION]\n");
  for (const char* key : {"skinname", "skinauthor", "authoremail", "authorurl", "skincomments"}) {
    std::printf("  %s: %s\n", key, skin::ReadString(def, "VERSION", key, "").c_str());
  }
  listEntries(def, "SKINOBJECTS", true);
  listEntries(def, "SKINCONTROLS", false);

  // Load it the way the program does, so that a value that stops the
  // loading (an empty rect, say) is reported here.
  skin::TbsSkinData data;
  data.ReadPackage(stored);
  std::printf("loads: %s\n", data.Empty() ? "no" : "yes");
  return data.Empty() ? 1 : 0;
}

const SkintoolCommand kInfo("info", "describe a packed skin file", kUsage, run);

}  // namespace
