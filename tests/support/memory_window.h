#pragma once

#include <array>
#include <string>

#include "conversion/window_operations.h"

namespace wagelyn {

// The window's state in memory, as the main window first shows it: empty
// boxes, Text1 blue and the others in the default text colour.
class MemoryWindow final : public WindowOperations {
public:
    static constexpr Colour kDefaultText = 0x00000000;

    MemoryWindow();

    std::string BoxText(Period period) const override { return texts_[IndexOf(period)]; }
    void SetBoxText(Period period, std::string_view text) override;
    void SetBoxColour(Period period, Colour colour) override { colours_[IndexOf(period)] = colour; }
    std::string TaxText() const override { return tax_; }
    void SetTaxText(std::string_view text) override { tax_ = text; }
    void ShowError() override { ++errorsShown_; }

    Colour BoxColour(Period period) const { return colours_[IndexOf(period)]; }
    int ErrorsShown() const { return errorsShown_; }

private:
    std::array<std::string, kPeriodCount> texts_;
    std::array<Colour, kPeriodCount> colours_{};
    std::string tax_;
    int errorsShown_ = 0;
};

}  // namespace wagelyn
