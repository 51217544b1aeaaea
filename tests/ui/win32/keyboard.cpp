// "keyboard": the main window as a user has it from the keyboard, and the
// tax entry's list.

#include "tests/ui/win32/driver.h"

namespace wagelyn::drive {

// The window opens with the focus in the Annual box, and Tab walks the
// design's focus order, back to the start. The tax entry reads 0, from a
// list in a field of the system's colours, not on the form's face.
void CheckKeyboard(HWND main) {
    const auto focused = [&] {
        const HWND focus = FocusIn(main);
        // The tax entry's focus is in the edit field inside its combo box.
        for (const ControlDef& def : main_form::Controls()) {
            HWND control = MainControl(main, def.name);
            if (focus != nullptr && (focus == control || GetParent(focus) == control)) {
                return std::string(def.name);
            }
        }
        return std::string("(nothing)");
    };
    std::vector<ControlDef> order(main_form::Controls().begin(), main_form::Controls().end());
    std::erase_if(order, [](const ControlDef& def) { return def.kind == ControlKind::Label; });
    std::ranges::stable_sort(order, {}, &ControlDef::tabIndex);
    order.push_back(order.front());  // Tab after the last returns to the first
    std::string walked = focused();
    std::string expected(order.front().name);
    for (std::size_t i = 1; i < order.size(); ++i) {
        PressKeys(main, {VK_TAB});
        walked.append(" ").append(focused());
        expected.append(" ").append(order[i].name);
    }
    CheckSame(walked, expected, "Tab walks");

    HWND tax = MainControl(main, main_form::kTaxEntry);
    Check(TextOf(tax) == "0", "the tax entry reads 0 at start");
    Check(std::ranges::count(PixelsIn(tax), 0x8080FFU) == 0,
          "the tax entry's field is not drawn in the form's light blue");
    std::string list;
    for (LRESULT i = 0; i < SendMessageW(tax, CB_GETCOUNT, 0, 0); ++i) {
        wchar_t entry[16] = {};
        SendMessageW(tax, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
        list.append(i == 0 ? "" : " ").append(win32::Narrow(entry));
    }
    Check(list == "0 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30", "the tax list: " + list);
}

void Keyboard(const Run& run) {
    CheckKeyboard(run.main);
    Quit(run);
}

}  // namespace wagelyn::drive
