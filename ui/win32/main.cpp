// Start-up on Windows: build the main window, run its load handler, show it
// with the focus in the Annual box; then answer messages until the last of
// the program's windows has closed.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/application_info.h"
#include "i18n/translation.h"
#include "platform/languages.h"
#include "ui/forms/main_form.h"
#include "ui/win32/handles.h"
#include "ui/win32/main_window.h"
#include "ui/win32/text.h"

namespace {

// Wine's own system libraries load some others by bare name when they first
// need them (its imm32 loads ole32 as the first window is made; msimg32
// follows when the controls first draw), searching the program's folder
// first whatever the default directories say. Loaded from the system folder now, and kept
// to the end, they are found already loaded then.
void PinSystemLibraries() {
    for (const wchar_t* name : {L"ole32.dll", L"msimg32.dll"}) {
        static_cast<void>(wagelyn::win32::LoadSystemLibrary(name).release());
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    // Libraries loaded from here on come from the system folder only, never
    // a file of that name planted beside the program or in the current folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The windows' words in the first of the user's display languages that
    // has a catalogue; figures keep following the regional settings.
    wagelyn::UseLanguage(wagelyn::platform::PreferredLanguages());
    PinSystemLibraries();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // The process ends with the last of its windows, whichever that is.
    wagelyn::win32::FormWindow::WhenAllClosed([] { PostQuitMessage(0); });
    if (!wagelyn::win32::MainWindow::Open()) {
        const std::wstring title = wagelyn::win32::Widen(wagelyn::kApplicationTitle);
        const std::wstring text = wagelyn::win32::Widen(wagelyn::TranslateFormat(
            wagelyn::main_form::kWindowNotOpened, {wagelyn::kApplicationTitle}));
        MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab, access keys, Enter and Escape, in whichever window has them.
        const HWND window = GetAncestor(message.hwnd, GA_ROOT);
        if (window != nullptr && IsDialogMessageW(window, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
