// Any text, under any of the formats: never a crash, never a value that is
// not finite, and every value read writes back and reads again unchanged.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "conversion/number_to_text.h"
#include "conversion/text_to_number.h"
#include "fuzz_support.h"

using namespace wagelyn;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const NumberFormat& format = fuzz::FormatFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto value = TextToNumber(text, format);
    if (!value) {
        return 0;
    }
    Require(std::isfinite(*value));
    // Written with 15 digits and read back, the figure reads the same again.
    const std::string written = NumberToText(*value, format);
    const auto back = TextToNumber(written, format);
    Require(back && NumberToText(*back, format) == written);
    return 0;
}
