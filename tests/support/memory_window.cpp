#include "tests/support/memory_window.h"

namespace wagelyn {

MemoryWindow::MemoryWindow() {
    colours_.fill(kDefaultText);
    colours_[IndexOf(Period::Annual)] = kBlue;
}

void MemoryWindow::SetBoxText(Period period, std::string_view text) {
    texts_[IndexOf(period)].assign(text);
}

}  // namespace wagelyn
