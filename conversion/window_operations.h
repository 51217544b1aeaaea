#pragma once

#include <string>
#include <string_view>

#include "conversion/colours.h"
#include "conversion/period.h"

namespace wagelyn {

// All the procedures need of the window: six operations (the tax entry is
// read and replaced by two). Each front end's main window implements them on
// its controls; the tests' MemoryWindow keeps them in memory.
class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    virtual std::string BoxText(Period period) const = 0;
    virtual void SetBoxText(Period period, std::string_view text) = 0;
    virtual void SetBoxColour(Period period, Colour colour) = 0;
    virtual std::string TaxText() const = 0;
    virtual void SetTaxText(std::string_view text) = 0;
    // Shows the error dialog and returns at once, without waiting for it.
    virtual void ShowError() = 0;

protected:
    WindowOperations() = default;
    WindowOperations(const WindowOperations&) = default;
    WindowOperations& operator=(const WindowOperations&) = default;
};

}  // namespace wagelyn
