#pragma once

#include <array>
#include <string>

#include "conversion/number_format.h"
#include "conversion/recalculation.h"
#include "conversion/window_operations.h"

namespace wagelyn {

// The window's state in memory, as the main window first shows it: empty
// boxes, Text1 blue and the others in the default text colour.
class MemoryWindow : public WindowOperations {
public:
    static constexpr Colour kDefaultText = 0x00000000;
    using Texts = std::array<std::string, kPeriodCount>;
    using Colours = std::array<Colour, kPeriodCount>;

    MemoryWindow() {
        colours_.fill(kDefaultText);
        colours_[IndexOf(Period::Annual)] = kBlue;
    }

    std::string BoxText(Period period) const override { return texts_[IndexOf(period)]; }
    void SetBoxText(Period period, std::string_view text) override {
        texts_[IndexOf(period)] = text;
    }
    void SetBoxColour(Period period, Colour colour) override { colours_[IndexOf(period)] = colour; }
    std::string TaxText() const override { return tax_; }
    void SetTaxText(std::string_view text) override { tax_ = text; }
    void ShowError() override { ++errorsShown_; }

    Colour BoxColour(Period period) const { return colours_[IndexOf(period)]; }
    int ErrorsShown() const { return errorsShown_; }
    const Texts& AllTexts() const { return texts_; }
    const Colours& AllColours() const { return colours_; }

    // Types `figure` into `source`'s box and `tax` into the tax box, then
    // presses `source`'s button.
    void Convert(Period source, std::string_view figure, std::string_view tax,
                 const NumberFormat& format) {
        SetBoxText(source, figure);
        SetTaxText(tax);
        Recalculate(source, *this, factor, format);
    }

    // The colours after a run from `source`: its box blue, the others red.
    static Colours ColoursAfterRunFrom(Period source) {
        Colours colours;
        colours.fill(kRed);
        colours[IndexOf(source)] = kBlue;
        return colours;
    }

    // The take-home factor that runs keep between them: 0, not the 1 that a tax
    // of 0 gives, so that a run that leaves it unwritten shows.
    double factor = 0.0;

private:
    Texts texts_;
    Colours colours_;
    std::string tax_;
    int errorsShown_ = 0;
};

}  // namespace wagelyn
