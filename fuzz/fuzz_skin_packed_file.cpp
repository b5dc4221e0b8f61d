// Fuzzes the packed skin file: any bytes either leave the stored skin empty,
// raise a read error, or give compressed bytes within the input that the
// skin data then loads or refuses with a typed error, empty afterwards.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_values.h"
#include "skin/data/zlib_streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  skin::TbsCompressedStoredSkin stored;
  try {
    stored.ReadPackedBytes(std::span(data, size));
  } catch (const skin::EReadError&) {
    if (!stored.IsEmpty()) __builtin_trap();
    return 0;
  }
  if (size < 8 && !stored.IsEmpty()) __builtin_trap();
  if (stored.compressedData().size() > size) __builtin_trap();
  skin::TbsSkinData skinData;
  try {
    // A load without an error is complete, or refused for a newer version.
    skinData.ReadPackage(stored);
  } catch (const skin::EZlibError&) {
    if (!skinData.Empty()) __builtin_trap();
  } catch (const skin::EStreamError&) {
    if (!skinData.Empty()) __builtin_trap();
  } catch (const skin::EConvertError&) {
    if (!skinData.Empty()) __builtin_trap();
  }
  return 0;
}
