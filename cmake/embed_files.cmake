# cmake -DOUTPUT=<file.cpp> -DNAMESPACE=<ns> -DFUNCTION=<name> -DFILES=<a;b;...> -P embed_files.cmake
#
# Writes a C++ source that carries the bytes of each file, found by its file
# name: std::span<const std::uint8_t> FUNCTION(std::string_view name), empty
# for a name it does not carry.
set(body "")
set(table "")
set(i 0)
foreach(f IN LISTS FILES)
  get_filename_component(name ${f} NAME)
  file(READ ${f} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const std::uint8_t kFile${i}[] = {${bytes}};\n")
  string(APPEND table "    {\"${name}\", kFile${i}, sizeof kFile${i}},\n")
  math(EXPR i "${i} + 1")
endforeach()
file(WRITE ${OUTPUT} "// Generated from the files it carries; do not edit.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace {
${body}
struct Entry {
  std::string_view name;
  const std::uint8_t* bytes;
  std::size_t size;
};
const Entry kEntries[] = {
${table}    {\"\", nullptr, 0},  // keeps the table non-empty
};
}  // namespace

namespace ${NAMESPACE} {
std::span<const std::uint8_t> ${FUNCTION}(std::string_view name) {
  for (const Entry& e : kEntries)
    if (e.bytes != nullptr && e.name == name) return {e.bytes, e.size};
  return {};
}
}  // namespace ${NAMESPACE}
")
