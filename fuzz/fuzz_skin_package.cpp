// Fuzzes the package stream through ReadPackage: the input is the
// decompressed package; it is stored (zlib level 0) and read. A read either
// succeeds with a complete skin or raises a typed error and leaves the skin
// empty.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_values.h"
#include "skin/data/zlib_streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  skin::TbsCompressedStoredSkin stored;
  stored.setCompressedData(skin::ZlibCompress(std::span(data, size), skin::CompressionLevel::None));
  skin::TbsSkinData skinData;
  try {
    skinData.ReadPackage(stored);
    if (!skinData.Empty()) {
      // Every listed entry that made data can be found by its name.
      for (const auto& c : skinData.ControlDataList()) {
        const int i = skinData.FindControlData(c->sectionName);
        if (i < 0 || skinData.ControlDataList()[static_cast<std::size_t>(i)]->sectionName !=
                         c->sectionName) {
          __builtin_trap();
        }
      }
    }
  } catch (const skin::EStreamError&) {
    if (!skinData.Empty()) __builtin_trap();
  } catch (const skin::EConvertError&) {
    if (!skinData.Empty()) __builtin_trap();
  }
  return 0;
}
