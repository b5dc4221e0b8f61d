// skintool pack: builds a packed skin file from a skin folder.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"
#include "skin/data/stream.h"

namespace {

const char kUsage[] =
    "usage: skintool pack <folder>/skin.ini <out.skn>\n"
    "\n"
    "Builds a skin package from a skin definition and the BMP pictures beside\n"
    "it (the names in its [PICTURES] section) and writes it as a packed skin\n"
    "file: version 3, the length, then the zlib-compressed package.\n"
    "The definition must hold the sections [VERSION], [PICTURES], [FORMINFO],\n"
    "[SKINOBJECTS] and [SKINCONTROLS].\n";

int run(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string& ini = args[0];
  const std::string& out = args[1];
  const std::vector<std::uint8_t> bytes = skin::ReadFileBytes(ini);
  const skin::SkinDefinition def = skin::SkinDefinition::Parse(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  const std::vector<std::string> missing = skin::MissingSkinSections(def);
  if (!missing.empty()) {
    std::string list;
    for (const std::string& m : missing) list += " [" + m + "]";
    throw std::runtime_error("'" + ini + "' is not a skin definition: missing" + list);
  }

  skin::TbsCompressedStoredSkin stored;
  stored.PackFolder(ini);
  if (stored.IsEmpty()) throw std::runtime_error("nothing was packed from '" + ini + "'");
  skin::WritePackedFile(stored, out);
  const auto active = skin::ReadStringList(def, "PICTURES", "activepictures");
  std::printf("%s: %zu active pictures, %zu compressed bytes\n", out.c_str(), active.size(),
              stored.compressedData().size());
  return 0;
}

const SkintoolCommand kPack("pack", "build a packed skin file from a skin folder", kUsage, run);

}  // namespace
