// skintool builtin: writes the six skins the program carries as packed skin
// files, straight from the compressed bytes embedded in it.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "command.h"

#if __has_include("resources/builtin_skins.h")
#include "resources/builtin_skins.h"
#include "skin/data/compressed_stored_skin.h"
#define KAVRO_HAS_BUILTIN_SKINS 1
#endif

namespace {

const char kUsage[] =
    "usage: skintool builtin --out <folder>\n"
    "\n"
    "Writes the built-in skins as packed skin files red.skn, green.skn,\n"
    "blue.skn, wihte.skn, yellow.skn and winxp.skn into folder (created when\n"
    "missing): version 3, the length, and the compressed package bytes the\n"
    "program carries. 'skintool unpack' turns one into an editable folder.\n";

int run(const std::vector<std::string>& args) {
  if (args.size() != 2 || args[0] != "--out") {
    std::fputs(kUsage, stderr);
    return 2;
  }
#ifdef KAVRO_HAS_BUILTIN_SKINS
  const std::filesystem::path folder(args[1]);
  std::filesystem::create_directories(folder);
  for (const app::BuiltinSkin& b : app::BuiltinSkins()) {
    skin::TbsCompressedStoredSkin stored;
    app::LoadBuiltinSkin(b, stored);
    const std::filesystem::path file = folder / (std::string(b.name) + ".skn");
    skin::WritePackedFile(stored, file.string());
    std::printf("%s  %zu compressed bytes\n", file.string().c_str(), b.compressed.size());
  }
  return 0;
#else
  std::fputs("skintool builtin: this build carries no built-in skins (window-free build)\n",
             stderr);
  return 1;
#endif
}

const SkintoolCommand command("builtin", "write the built-in skins as packed skin files", kUsage,
                              run);

}  // namespace
