#pragma once
// Drives Wagelyn.exe from another process, as a user's tools do on Windows:
// controls found by their place on the screen, texts set and read with
// window messages, buttons pressed with BM_CLICK, colours read from the
// screen's pixels. What each concern's file shares.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/application_info.h"
#include "conversion/colours.h"
#include "conversion/period.h"
#include "i18n/translation.h"
#include "system_info/system_info_launcher.h"
#include "tests/support/checks.h"
#include "ui/forms/about_form.h"
#include "ui/forms/error_form.h"
#include "ui/forms/form_data.h"
#include "ui/forms/main_form.h"
#include "ui/win32/handles.h"
#include "ui/win32/text.h"

namespace wagelyn::drive {

using testing::Check;
using testing::Said;

// Checks that `shown` is `expected`, saying what each is when not.
template <typename Shown, typename Expected>
bool CheckSame(const Shown& shown, const Expected& expected, std::string_view what) {
    return Check(shown == expected, Said(what, " \"", shown, "\", not \"", expected, '"'));
}

template <typename Condition>
bool WaitFor(int milliseconds, Condition condition) {
    bool met = condition();
    for (int waited = 0; !met && waited < milliseconds; waited += 20) {
        Sleep(20);
        met = condition();
    }
    return met;
}

// Wagelyn.exe, started by this process and ended with it.
class Program {
public:
    explicit Program(const std::wstring& exe);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The program's first visible top-level window captioned `caption`.
    HWND Window(std::string_view caption, int milliseconds = 20000) const;
    // All of them, at once.
    std::vector<HWND> Windows(std::string_view caption) const;
    // Sends a message whose lParam points at `size` bytes of `data`, placed
    // in the program's own memory (such pointers do not cross processes),
    // and reads them back after.
    LRESULT SendPointing(HWND window, UINT message, WPARAM wParam, void* data,
                         std::size_t size) const;
    bool Ended(int milliseconds) const;

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// What a mode is given: the program, its main window, the marker tool's
// path, the mode and the argument after it, if any.
struct Run {
    const Program& program;
    HWND main;
    std::wstring exe;
    std::string marker;
    std::string mode;
    std::string arg;
};

// The visible top-level windows of `process`, of `windowClass` if given.
std::vector<HWND> TopWindows(DWORD process, const wchar_t* windowClass = nullptr);
DWORD ProcessOf(HWND window);
// A window's rectangle on the screen, or as `get` gives it.
RECT Rect(HWND window, BOOL(WINAPI* get)(HWND, LPRECT) = GetWindowRect);
std::string TextOf(HWND window);  // UTF-8
void Click(HWND button);          // BM_CLICK, sent: returns once the click's work is done

// Wine keeps reporting a window's first DPI: after a change the driver
// sent, the DPI it sent.
extern int changedDpi;
int DpiOf(HWND window);
// A control's design rectangle on the screen, at the window's DPI.
RECT OnScreen(HWND window, const ControlDef& def);
// The control under the middle of its design rectangle.
HWND ControlAt(HWND window, std::span<const ControlDef> controls, std::string_view name);
HWND MainControl(HWND window, std::string_view name);
RECT ClientOnScreen(HWND window);
// The work area of the monitor the window stands on.
RECT WorkArea(HWND window);
// The control with the keyboard focus in the program's thread that owns
// `window`, seen from this process.
HWND FocusIn(HWND window);
// Keys as a user presses them, to the control with the focus; returns once
// the focus has moved (Escape is taken once a Tab after it has moved it).
void PressKeys(HWND window, std::initializer_list<WPARAM> keys);
// Quit on the main window; checks that it ends the program.
void Quit(const Run& run);
// Types `figure` into `source`'s box and `tax` into the tax entry, and runs.
void Convert(HWND main, Period source, std::string_view figure, std::string_view tax);

// The pixels, as 0x00RRGGBB row by row, of a 32-bit image that `draw`
// makes on a memory device context compatible with the screen's, filled
// with `face` (0x00RRGGBB) first.
std::vector<std::uint32_t> Drawn(int width, int height, std::uint32_t face,
                                 const std::function<void(HDC memory, HDC screen)>& draw);
// A brush of a colour given as 0x00RRGGBB.
win32::Brush Brush(std::uint32_t colour);
// The screen's pixels of `r` (screen coordinates).
std::vector<std::uint32_t> ScreenPixels(const RECT& r);
// The screen's pixels inside a control, without a border (3 pixels unless
// told), from one copy of the screen.
std::vector<std::uint32_t> PixelsIn(HWND control, int border = 3);
// The most common of `pixels`: the face a text is drawn on.
std::uint32_t MostCommon(const std::vector<std::uint32_t>& pixels);
// Whether a pixel stands out from `face`: anti-aliased fringes aside, a
// glyph's own pixel.
bool Differs(std::uint32_t pixel, std::uint32_t face);
// The bounds of the pixels (`width` a row) that `ink` picks; empty if none.
RECT BoundsOf(const std::vector<std::uint32_t>& pixels, int width,
              const std::function<bool(std::uint32_t)>& ink);

// Where System Info's tool is registered.
inline constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// What a message box of the program says: all of its texts, its button's too.
std::string SaidIn(HWND box);
// The program's message box captioned with its title, if one comes within
// `milliseconds`: what it says, once closed with OK.
std::string CloseMessageBox(const Run& run, int milliseconds);

// The error dialog, shown by a failed run, and the About dialog, each
// checked by `check` and closed again.
void WithEachDialog(const Run& run,
                    const std::function<void(HWND, const FormDef&, const std::string&)>& check);
// The error dialog, by a failed run, or the About dialog, as `form` says;
// gives its caption.
std::string ShowDialog(HWND main, const FormDef& form);
void CloseDialog(HWND dialog, const FormDef& form);  // none: nothing to do

// What a screen reader hears of every control of a window, and of the
// window, against its form; `colourOf` gives each control's text colour now
// (&ControlDef::foreground: as designed).
void CheckHeard(const std::string& when, HWND window, const FormDef& form,
                const std::function<Colour(const ControlDef&)>& colourOf);

// Each concern's checks, in a file of its own.
// A window's caption and each label's and button's text, read with window
// messages, as the form's English through the catalogue in use; `loaded`
// holds the texts a window sets as it loads.
void CheckWords(HWND window, const FormDef& form, std::string_view caption,
                const std::map<std::string_view, std::string>& loaded = {});
void CheckTextFits(HWND window, std::span<const ControlDef> controls);
// The window at `dpi`: its client area, frame and every control's place.
void CheckLayout(HWND main, int dpi);
void CheckKeyboard(HWND main);
// Every worked example, and salaries whose figures run long, converted in
// the window with the decimal comma or point.
void CheckConversions(HWND main, bool decimalComma);
// The box shows its whole figure, or shows that it goes on.
void CheckFigureShown(HWND box);
void CheckHeardAcrossAConversion(HWND main);
// Each control's text colour after a run from `source`: blue there, `others`
// in the other boxes, and as designed in every other control.
std::function<Colour(const ControlDef&)> BoxColours(Period source, Colour others);
void CheckAboutAndSystemInfo(const Run& run);
// What pressing Print did: what the message box it showed said, or
// nothing, and whether the window was seen disabled during the work.
struct PrintPress {
    std::string said;
    bool tookNoInput = false;
};
PrintPress PressPrint(const Run& run);

// The modes, each a concern's file: drive_wagelyn.exe EXE MARKER MODE ARGS...
void Words(const Run& run);  // "german" too
void Layout(const Run& run);
void Fit(const Run& run);
void Keyboard(const Run& run);
void DpiChange(const Run& run);
void Dpi144(const Run& run);
void Contrast(const Run& run);
void Print(const Run& run);
void Planted(const Run& run);
void Lifetime(const Run& run);

}  // namespace wagelyn::drive
