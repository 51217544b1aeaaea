#include "tests/support/memory_window.h"

#include "conversion/recalculation.h"

namespace wagelyn {

MemoryWindow::MemoryWindow() {
    colours_.fill(kDefaultText);
    colours_[IndexOf(Period::Annual)] = kBlue;
}

void MemoryWindow::SetBoxText(Period period, std::string_view text) {
    texts_[IndexOf(period)].assign(text);
}

void MemoryWindow::Convert(Period source, std::string_view figure, std::string_view tax,
                           const NumberFormat& format) {
    SetBoxText(source, figure);
    SetTaxText(tax);
    Recalculate(source, *this, factor, format);
}

}  // namespace wagelyn
