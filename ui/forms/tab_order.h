#pragma once
// The order the keyboard's Tab walks a form's controls in, decided once for
// every toolkit.

#include <cstddef>
#include <span>
#include <vector>

#include "ui/forms/form_data.h"

namespace wagelyn {

// Each control's place in `controls`, by its tab index; controls of equal
// index keep the table's order. Labels are included: a toolkit that gives
// them no focus skips them.
std::vector<std::size_t> TabOrder(std::span<const ControlDef> controls);

}  // namespace wagelyn
