# Writes the compiled catalogues (.mo files) into a C++ source as byte
# arrays, so that the program carries them and reads nothing at run time.
#   cmake -DLANGUAGES="de;fr" -DMO_DIR=dir -DOUTPUT=file.cpp -P embed_catalogues.cmake
# Each LL.mo comes with the LL.mo.po it was compiled from. The program's
# reader has no contexts and no plural forms, so a catalogue with either
# stops the build here rather than show those entries in English.
set(arrays "")
set(entries "")
foreach(language IN LISTS LANGUAGES)
    file(STRINGS "${MO_DIR}/${language}.mo.po" unsupported REGEX "^(msgctxt|msgid_plural)[ \t]")
    if(unsupported)
        list(JOIN unsupported "\n  " unsupported)
        message(FATAL_ERROR "The ${language} catalogue has entries with msgctxt or plural forms, "
            "which the program cannot show:\n  ${unsupported}")
    endif()
    file(READ "${MO_DIR}/${language}.mo" bytes HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    " bytes "${bytes}")
    string(APPEND arrays "alignas(4) constexpr unsigned char k_${language}[] = {\n    ${bytes}\n};\n")
    string(APPEND entries "    {\"${language}\", k_${language}},\n")
endforeach()
if(entries STREQUAL "")
    set(table "std::span<const EmbeddedCatalogue> EmbeddedCatalogues() {\n    return {};\n}\n")
else()
    set(table "constexpr EmbeddedCatalogue kCatalogues[] = {\n${entries}};\n\n}  // namespace\n\nstd::span<const EmbeddedCatalogue> EmbeddedCatalogues() {\n    return kCatalogues;\n}\n")
    set(arrays "namespace {\n\n${arrays}\n")
endif()
if(entries STREQUAL "")
    set(content "// Written by cmake/embed_catalogues.cmake.\n#include \"i18n/embedded_catalogues.h\"\n\nnamespace wagelyn {\n\n${table}\n}  // namespace wagelyn\n")
else()
    set(content "// Written by cmake/embed_catalogues.cmake from po/*.po.\n#include \"i18n/embedded_catalogues.h\"\n\nnamespace wagelyn {\n${arrays}${table}\n}  // namespace wagelyn\n")
endif()
file(WRITE "${OUTPUT}.new" "${content}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
