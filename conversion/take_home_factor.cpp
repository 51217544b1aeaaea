#include "conversion/take_home_factor.h"

#include "conversion/text_to_number.h"

namespace wagelyn {

std::optional<double> TakeHomeFactorOf(std::string_view taxText, const NumberFormat& format) {
    const std::optional<double> tax = TextToNumber(taxText, format);
    if (!tax) {
        return std::nullopt;
    }
    return (100.0 - *tax) / 100.0;
}

bool ComputeTakeHomeFactor(const WindowOperations& window, double& takeHomeFactor,
                           const NumberFormat& format) {
    const std::optional<double> factor = TakeHomeFactorOf(window.TaxText(), format);
    if (!factor) {
        return false;
    }
    takeHomeFactor = *factor;
    return true;
}

}  // namespace wagelyn
