#pragma once
// The catalogues, as msgfmt compiled them from po/ (GNU .mo files), written
// into the program by the build (cmake/embed_catalogues.cmake).

#include <span>
#include <string_view>

namespace wagelyn {

struct EmbeddedCatalogue {
    std::string_view language;  // "de", "pt_BR"
    std::span<const unsigned char> compiled;
};

std::span<const EmbeddedCatalogue> EmbeddedCatalogues();

}  // namespace wagelyn
