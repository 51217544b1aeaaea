// Any text, under any of the formats: never a crash, never a value that is
// not finite, and every value read writes back and reads again unchanged.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "conversion/number_to_text.h"
#include "conversion/text_to_number.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const wagelyn::NumberFormat& format = wagelyn::fuzz::FormatFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto value = wagelyn::TextToNumber(text, format);
    if (!value) {
        return 0;
    }
    if (!std::isfinite(*value)) {
        std::abort();
    }
    // Written with 15 digits and read back, the figure reads the same again.
    const std::string written = wagelyn::NumberToText(*value, format);
    const auto back = wagelyn::TextToNumber(written, format);
    if (!back || wagelyn::NumberToText(*back, format) != written) {
        std::abort();
    }
    return 0;
}
