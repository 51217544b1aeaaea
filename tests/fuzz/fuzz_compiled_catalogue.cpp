// Any bytes as a compiled catalogue: never a read outside them, and a
// catalogue that is read finds every one of its English texts.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "i18n/compiled_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto catalogue = wagelyn::CompiledCatalogue::Read(std::span(data, size));
    if (!catalogue) {
        return 0;
    }
    for (std::uint32_t i = 0; i < catalogue->Count(); ++i) {
        const auto [english, translation] = catalogue->Entry(i);
        if (catalogue->Find(english) != translation) {
            std::abort();
        }
    }
    return 0;
}
