#pragma once
// What screen readers hear of a form's controls: the names and descriptions
// of the form's table, in the user's language, told through Active
// Accessibility. Each annotated
// control answers WM_GETOBJECT for its client object with the system's own
// object for its class, but for the name and the description; Windows'
// screen readers and UI Automation read that, and so does Wine.
//
// Why a wrapper and not Dynamic Annotation (IAccPropServices), which does the
// same in a few calls: that service is a COM object, and starting COM for it
// at start-up costs about 30 ms under Wine, of a start of about 230 ms. The
// wrapper needs only oleacc, loaded when a screen reader first asks.

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/forms/form_data.h"

namespace wagelyn::win32 {

class ScreenReaderTexts {
public:
    ScreenReaderTexts() = default;
    ScreenReaderTexts(const ScreenReaderTexts&) = delete;
    ScreenReaderTexts& operator=(const ScreenReaderTexts&) = delete;
    ~ScreenReaderTexts();

    // Annotates the window and its controls (`controls` in the form's table
    // order) as the form says, at once: the texts hold from the first focus.
    void Attach(const FormDef& form, HWND window, std::span<const HWND> controls);
    // The control's text is drawn in `colour` now: its description follows,
    // and screen readers are told that it changed.
    void ColourChanged(HWND control, Colour colour);

    // The texts one window gives out.
    struct Texts {
        const AccessibleDef* def;
        std::wstring name;         // empty: the control's own text names it
        std::wstring description;  // empty: none
    };

private:
    void Annotate(HWND window, Texts& texts);

    std::vector<std::unique_ptr<Texts>> texts_;
    std::vector<HWND> annotated_;  // each window that carries a Texts, control or field
};

}  // namespace wagelyn::win32
