# Fuzz targets of the skin data readers: the packed skin file, the package
# stream through ReadPackage, and the definition text.
foreach(part packed_file package definition)
  kavro_fuzz(fuzz_skin_${part} SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_skin_${part}.cpp
    LINKS kavro_skin_data SEEDS ${CMAKE_CURRENT_LIST_DIR}/seeds/skin_${part})
endforeach()
