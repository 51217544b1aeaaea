#include "ui/forms/tab_order.h"

#include <algorithm>
#include <numeric>

namespace wagelyn {

std::vector<std::size_t> TabOrder(std::span<const ControlDef> controls) {
    std::vector<std::size_t> order(controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [controls](std::size_t a, std::size_t b) {
        return controls[a].tabIndex < controls[b].tabIndex;
    });
    return order;
}

}  // namespace wagelyn
