// Fuzzes the definition text: it is loaded as the definition of a package
// without pictures. When it loads, every data object's written section
// reads back into a fresh object of the same kind that writes the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/kind_tables.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_definition.h"
#include "skin/data/skin_values.h"
#include "skin/data/zlib_streams.h"

namespace {

template <class T, class Make>
void checkRoundTrip(const T& item, std::string_view kind, Make make) {
  skin::SkinDefinition first;
  item.WriteSection(first);
  auto again = make(kind, item.sectionName);
  if (!again) __builtin_trap();
  again->ReadSection(first);
  skin::SkinDefinition second;
  again->WriteSection(second);
  if (first.text() != second.text()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // Parsing and writing settle after one pass.
  const std::string once = skin::SkinDefinition::Parse(text).text();
  if (skin::SkinDefinition::Parse(once).text() != once) __builtin_trap();

  std::vector<std::uint8_t> package = {3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0};
  package.insert(package.end(), data, data + size);
  skin::TbsCompressedStoredSkin stored;
  stored.setCompressedData(skin::ZlibCompress(package, skin::CompressionLevel::None));
  skin::TbsSkinData skinData;
  try {
    skinData.ReadPackage(stored);
  } catch (const skin::EConvertError&) {
    if (!skinData.Empty()) __builtin_trap();
    return 0;
  }
  if (skinData.Empty()) __builtin_trap();
  for (const auto& o : skinData.ObjectDataList()) {
    checkRoundTrip(*o, skin::ObjectKindWord(*o), skin::CreateObjectData);
  }
  for (const auto& c : skinData.ControlDataList()) {
    checkRoundTrip(*c, skin::ControlKindWord(*c), skin::CreateControlData);
  }
  return 0;
}
