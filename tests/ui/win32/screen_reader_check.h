#pragma once
// What a screen reader hears of another process's windows over Active
// Accessibility, against the forms' tables.

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/forms/form_data.h"

namespace wagelyn::test {

// For the window and every control of its form (and a combo box's edit
// field), the name, description and role read through
// AccessibleObjectFromWindow(OBJID_CLIENT); one line per difference from
// the form's data in the language in use. `colourOf` gives each control's
// text colour now.
std::vector<std::string> HeardDifferences(HWND window, const FormDef& form,
                                          const std::function<HWND(std::string_view)>& controlOf,
                                          const std::function<Colour(const ControlDef&)>& colourOf);

// The windows of a process that raised `event` while this lives, as screen
// readers are told (EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_SYSTEM_ALERT).
class WinEvents {
public:
    WinEvents(DWORD process, DWORD event);
    ~WinEvents();
    WinEvents(const WinEvents&) = delete;
    WinEvents& operator=(const WinEvents&) = delete;

    // Takes the events that arrive within `milliseconds`; the windows so far.
    const std::set<HWND>& Collect(int milliseconds);
    bool Hooked() const { return hook_ != nullptr; }

private:
    DWORD event_;
    HWINEVENTHOOK hook_ = nullptr;
};

// The name a screen reader hears of a window's client object.
std::string NameHeard(HWND window);

}  // namespace wagelyn::test
