// The program's windows under Wine, in this process, with each window
// creation that opening one makes refused in turn (by a CBT hook, as the
// system refuses one when it runs out of resources). Whatever fails, a window
// is either wholly made, with every control, and counted open, or reported
// failed and not counted; a failure never ends the program, which ends once,
// when the last window that did open has closed.
//
//   window_lifetime_test.exe
#include <windows.h>

#include <algorithm>
#include <ranges>
#include <string>

#include "app/application_info.h"
#include "tests/support/checks.h"
#include "ui/forms/about_form.h"
#include "ui/forms/error_form.h"
#include "ui/forms/main_form.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/form_window.h"
#include "ui/win32/main_window.h"

namespace {

using wagelyn::FormDef;
using wagelyn::testing::Check;
using wagelyn::testing::Said;
using wagelyn::win32::FormWindow;

int ends = 0;     // how often the program was told to end
int created = 0;  // creations since the count was last cleared
int refused = 0;  // the creation to refuse, counted from 1; 0 refuses none

LRESULT CALLBACK RefuseOne(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && ++created == refused) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct Window {
    const char* what;
    const FormDef& form;
    std::string caption;
    bool (*open)();  // true when the window now stands on the screen
};

// The program's windows standing now: every dialog-class window of this thread.
int OpenWindows() {
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", nullptr));) {
        count += GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() ? 1 : 0;
    }
    return count;
}

HWND Find(const std::string& caption) {
    return FindWindowA("#32770", caption.c_str());
}

bool Whole(const Window& window, HWND frame) {
    const auto count = static_cast<int>(window.form.controls.size());
    return std::ranges::all_of(std::views::iota(0, count), [frame](int i) {
        return GetDlgItem(frame, FormWindow::kFirstControlId + i) != nullptr;
    });
}

// Opens `window` once with each of its creations refused, first to last,
// while `openBefore` windows are open; after each try, closes what opened.
void RefuseEachCreation(const Window& window, int openBefore) {
    created = 0;
    refused = 0;
    window.open();
    const int creations = created;
    DestroyWindow(Find(window.caption));
    for (int step = 1; step <= creations; ++step) {
        const std::string row =
            Said(window.what, ", creation ", step, " of ", creations, " refused: ");
        created = 0;
        refused = step;
        ends = 0;
        const bool reported = window.open();
        refused = 0;
        const HWND frame = Find(window.caption);
        const bool opened = frame != nullptr;
        Check(reported == opened, row + "opening reports what the screen shows");
        Check(OpenWindows() == openBefore + (opened ? 1 : 0),
              Said(row, "open windows counted: ", OpenWindows()));
        Check(ends == 0, row + "the program is not ended");
        if (opened) {
            Check(Whole(window, frame), row + "the window that opened has every control");
            DestroyWindow(frame);
            Check(ends == (openBefore == 0 ? 1 : 0) && OpenWindows() == openBefore,
                  row + "closing it ends the program only if it was the last");
        }
    }
}

}  // namespace

int main() {
    using namespace wagelyn;
    FormWindow::WhenAllClosed([] { ++ends; });
    const HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseOne, nullptr, GetCurrentThreadId());
    if (!testing::Precondition(hook != nullptr, "a hook to refuse creations with")) {
        return testing::Report("window lifetime");
    }
    const Window main{"the main window", main_form::Form(), std::string(main_form::kCaption),
                      win32::MainWindow::Open};
    // The dialogs report nothing: whether one opened is what the screen shows.
    const Window about{"About", about_form::Form(), about_form::Caption(kApplicationTitle), [] {
                           win32::ShowAboutDialog();
                           return Find(about_form::Caption(kApplicationTitle)) != nullptr;
                       }};
    const Window error{"the error dialog", error_form::Form(), std::string(error_form::kCaption),
                       [] {
                           win32::ShowErrorDialog();
                           return Find(std::string(error_form::kCaption)) != nullptr;
                       }};

    RefuseEachCreation(main, 0);
    Check(win32::MainWindow::Open(), "the main window opens after its failures");
    RefuseEachCreation(about, 1);
    RefuseEachCreation(error, 1);

    // A dialog open at Quit keeps the program, to its own close.
    win32::ShowAboutDialog();
    ends = 0;
    DestroyWindow(Find(main.caption));
    Check(ends == 0 && OpenWindows() == 1, "About keeps the program after Quit");
    DestroyWindow(Find(about.caption));
    Check(ends == 1 && OpenWindows() == 0, "closing About then ends it, once");

    UnhookWindowsHookEx(hook);
    return testing::Report("window lifetime");
}
