// skintool unpack: writes the definition and the pictures of a packed skin
// file into a folder, so that it can be edited and packed again.
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/package_stream.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"
#include "skin/data/stream.h"

namespace {

namespace fs = std::filesystem;

const char kUsage[] =
    "usage: skintool unpack <file.skn> <folder>\n"
    "\n"
    "Writes skin.ini and the BMP pictures of a packed skin file into folder\n"
    "(created when missing), under the file names its [PICTURES] section\n"
    "gives. The pictures are written byte for byte as the package holds them.\n"
    "A picture without a name is written under a made-up name, with a warning.\n";

// A name from the package becomes a path below the folder only when it
// stays there: no absolute paths, no ".." parts.
fs::path safePath(const fs::path& folder, const std::string& name) {
  const fs::path rel = fs::path(name).lexically_normal();
  if (rel.empty() || rel.is_absolute() || rel.has_root_name() || *rel.begin() == "..") {
    throw std::runtime_error("picture name '" + name + "' would leave the folder");
  }
  for (const fs::path& part : rel) {
    if (part == "..")
      throw std::runtime_error("picture name '" + name + "' would leave the folder");
  }
  return folder / rel;
}

void writeTo(const fs::path& path, std::span<const std::uint8_t> bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  skin::WriteFileBytes(path.string(), bytes);
}

int run(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const fs::path folder(args[1]);
  skin::TbsCompressedStoredSkin stored;
  stored.ReadPackedFile(args[0]);
  if (stored.IsEmpty()) {
    throw std::runtime_error("'" + args[0] +
                             "' holds no package (its version is above 3 or its length is 0)");
  }
  skin::MemoryStream raw;
  stored.Unpack(raw);
  const skin::PackageContents c = skin::ReadPackageContents(raw.bytes());
  if (c.version > 3) {
    throw std::runtime_error("package version " + std::to_string(c.version) +
                             " is above 3: it is not read");
  }
  const skin::SkinDefinition def = skin::SkinDefinition::Parse(c.definitionText);

  fs::create_directories(folder);
  writeTo(folder / "skin.ini", {reinterpret_cast<const std::uint8_t*>(c.definitionText.data()),
                                c.definitionText.size()});
  int written = 0;
  const auto writePicture = [&](const skin::PackagePicture& p, std::string name,
                                const std::string& fallback) {
    if (!p.present) return;
    if (name.empty()) {
      std::fprintf(stderr,
                   "skintool unpack: warning: %s has no name in [PICTURES]; written as %s\n",
                   fallback.c_str(), (fallback + ".bmp").c_str());
      name = fallback + ".bmp";
    }
    writeTo(safePath(folder, name), p.bytes);
    ++written;
  };
  writePicture(c.picture, skin::ReadString(def, "PICTURES", "picture", ""), "picture");
  writePicture(c.inactivePicture, skin::ReadString(def, "PICTURES", "inactivepicture", ""),
               "inactivepicture");
  writePicture(c.mask, skin::ReadString(def, "PICTURES", "mask", ""), "mask");
  const std::vector<std::string> names = skin::ReadStringList(def, "PICTURES", "activepictures");
  for (std::size_t i = 0; i < c.activePictures.size(); ++i) {
    writePicture(c.activePictures[i], i < names.size() ? names[i] : std::string(),
                 "activepicture" + std::to_string(i));
  }
  std::printf("%s: skin.ini and %d pictures\n", folder.string().c_str(), written);
  return 0;
}

const SkintoolCommand kUnpack("unpack", "write the definition and pictures of a packed skin",
                              kUsage, run);

}  // namespace
