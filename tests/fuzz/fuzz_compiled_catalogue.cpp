// Any bytes as a compiled catalogue: never a read outside them, and a
// catalogue that is read finds every one of its English texts.
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "i18n/compiled_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto catalogue = wagelyn::CompiledCatalogue::Read(std::span(data, size));
    for (std::uint32_t i = 0; catalogue && i < catalogue->Count(); ++i) {
        const auto [english, translation] = catalogue->Entry(i);
        wagelyn::fuzz::Require(catalogue->Find(english) == translation);
    }
    return 0;
}
