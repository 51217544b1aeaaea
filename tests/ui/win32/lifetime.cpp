// "lifetime": the error dialog, the About dialog and System Info as they
// open and close, Reset, and Quit closing the main window only: the open
// dialogs keep the process until they, too, are closed.

#include "tests/ui/win32/driver.h"

namespace wagelyn::drive {

namespace {

// The picture box shows the program's own icon on the dialog's face: as
// many pixels in the icon's own colours (the icon as this process draws it
// from Wagelyn.exe on that face) as the icon has, and the face in its
// see-through corner.
void CheckIconDrawn(HWND picture, const std::wstring& exe) {
    const RECT box = Rect(picture);
    const auto pixelAt = [](LONG x, LONG y) { return ScreenPixels({x, y, x + 1, y + 1})[0]; };
    const std::uint32_t face = pixelAt(box.left - 2, box.top - 2);
    const bool cornerIsFace =
        WaitFor(3000, [&] { return pixelAt(box.left + 1, box.top + 1) == face; });
    const win32::Module module(LoadLibraryExW(
        exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    const win32::Icon icon(
        static_cast<HICON>(LoadImageW(module.get(), L"IDI_ICON1", IMAGE_ICON, 32, 32, 0)));
    std::vector<std::uint32_t> drawn = Drawn(32, 32, face, [&](HDC memory, HDC) {
        DrawIconEx(memory, 0, 0, icon.get(), 32, 32, 0, nullptr, DI_NORMAL);
    });
    std::erase(drawn, face);
    const std::set<std::uint32_t> own(drawn.begin(), drawn.end());
    const auto ownPixels = static_cast<long>(drawn.size());
    long shown = 0;
    WaitFor(3000, [&] {
        shown = std::ranges::count_if(PixelsIn(picture, 0),
                                      [&](std::uint32_t c) { return own.contains(c); });
        return shown >= ownPixels * 9 / 10;
    });
    Check(ownPixels > 200 && shown >= ownPixels * 9 / 10 && cornerIsFace,
          Said("the icon stands on the dialog's face: ", shown, " of its ", ownPixels,
               " pixels shown"));
}

void CheckErrorsAndReset(const Run& run) {
    const std::string caption = ShowDialog(run.main, error_form::Form());
    Click(MainControl(run.main, "Command2"));
    HWND error = run.program.Window(caption, 5000);
    Check(error != nullptr && run.program.Windows(caption).size() == 1,
          "two failed runs leave one error dialog");
    if (error != nullptr) {
        const RECT client = ClientOnScreen(error);
        const int dpi = static_cast<int>(GetDpiForWindow(error));
        Check(client.left == MulDiv(error_form::Form().clientLeft, dpi, 1440) &&
                  client.top == MulDiv(error_form::Form().clientTop, dpi, 1440) &&
                  GetWindow(error, GW_OWNER) == nullptr,
              "the error dialog stands at its place, with no owner");
        CheckHeard("the error dialog", error, error_form::Form(), &ControlDef::foreground);
        PressKeys(error, {VK_ESCAPE, VK_TAB});
        Check(IsWindowVisible(error), "Escape leaves the error dialog open");
        CloseDialog(error, error_form::Form());
        Check(WaitFor(5000, [&] { return run.program.Windows(caption).empty(); }), "OK closes it");
    }
    Click(MainControl(run.main, "Command7"));
    Check(std::ranges::all_of(
              main_form::kPeriodControls,
              [&](const auto& box) { return TextOf(MainControl(run.main, box.box)).empty(); }),
          "Reset empties all twelve boxes");
}

// A dialog as it stands while the main window is open.
struct OpenDialog {
    std::string caption;
    HWND window = nullptr;
    RECT client{};  // on the screen
    bool inTaskbar = false;
};

// Whether the task bar lists an unowned, visible window: it does unless it
// is a tool window, or when it asks for an entry.
bool InTaskbar(HWND window) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    return IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr &&
           ((style & WS_EX_APPWINDOW) != 0 || (style & WS_EX_TOOLWINDOW) == 0);
}

// The dialog captioned `caption` as it stands now. With no such window, its
// place and its entry are read of none, harmlessly, and not looked at.
OpenDialog Seen(const Run& run, const std::string& caption) {
    const HWND window = run.program.Window(caption, 5000);
    return {caption, window, ClientOnScreen(window), InTaskbar(window)};
}

}  // namespace

void CheckAboutAndSystemInfo(const Run& run) {
    const std::string caption = ShowDialog(run.main, about_form::Form());
    HWND about = run.program.Window(caption);
    if (!Check(about != nullptr, "Help > About shows \"" + caption + "\"")) {
        return;
    }
    ShowDialog(run.main, about_form::Form());
    Sleep(300);
    Check(run.program.Windows(caption).size() == 1, "a second Help > About shows the same dialog");
    // Escape closes it, as its cancel button (the error dialog has none).
    PressKeys(about, {VK_ESCAPE, VK_TAB});
    Check(WaitFor(3000, [&] { return run.program.Windows(caption).empty(); }),
          "Escape closes the About dialog");
    ShowDialog(run.main, about_form::Form());
    about = run.program.Window(caption);
    if (about == nullptr) {
        return;
    }
    const auto aboutControl = [&](std::string_view name) {
        return ControlAt(about, about_form::Form().controls, name);
    };
    Check(TextOf(aboutControl(about_form::kTitleLabel)) == "Wagelyn", "the title label");
    CheckHeard("the About dialog", about, about_form::Form(), &ControlDef::foreground);
    CheckIconDrawn(aboutControl(about_form::kIcon), run.exe);
    Check(TextOf(aboutControl(about_form::kVersionLabel)) == "Version 1.0.0", "the version line");

    // A registered path starts the tool.
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kToolKey, "PATH", REG_SZ, run.marker.c_str(),
                    static_cast<DWORD>(run.marker.size() + 1));
    const char* const started = "C:\\wagelyn-started.txt";  // what the marker tool writes
    DeleteFileA(started);
    PostMessageW(aboutControl(about_form::kSysInfoButton), BM_CLICK, 0, 0);
    Check(WaitFor(10000, [&] { return GetFileAttributesA(started) != INVALID_FILE_ATTRIBUTES; }),
          "System Info starts the registered tool");

    // None registered: the unavailable message, modal, captioned with the title.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kToolKey);
    PostMessageW(aboutControl(about_form::kSysInfoButton), BM_CLICK, 0, 0);
    HWND box = run.program.Window(kApplicationTitle, 5000);
    Check(box != nullptr && GetDlgItem(box, IDOK) != nullptr,
          "System Info without a tool shows a message box captioned \"Wagelyn\"");
    if (box != nullptr) {
        Check(SaidIn(box).find(Translate(kSysInfoUnavailable)) != std::string::npos,
              "the message box says the tool is unavailable");
        Check(!IsWindowEnabled(run.main), "the message box is modal to the program");
        Click(GetDlgItem(box, IDOK));
        Check(WaitFor(5000, [&] { return !IsWindow(box); }), "OK closes the message box");
    }
    Check(IsWindowVisible(about), "the About dialog stays open");
}

void Lifetime(const Run& run) {
    CheckErrorsAndReset(run);
    CheckAboutAndSystemInfo(run);
    const std::vector<OpenDialog> dialogs = {Seen(run, ShowDialog(run.main, error_form::Form())),
                                             Seen(run, about_form::Caption(kApplicationTitle))};
    Click(MainControl(run.main, "Command14"));
    Check(!IsWindow(run.main) && !run.program.Ended(500), "Quit closes the main window only");
    // Out of the task bar while the main window is open; once it has closed,
    // in it, so that the window that keeps the program cannot be lost, with
    // its client area where and as large as it was.
    for (const OpenDialog& dialog : dialogs) {
        Check(dialog.window != nullptr && !dialog.inTaskbar,
              dialog.caption + " is out of the task bar beside the main window");
        if (dialog.window == nullptr) {
            continue;
        }
        Check(WaitFor(2000, [&] { return InTaskbar(dialog.window); }),
              dialog.caption + " enters the task bar once the main window has closed");
        const RECT client = ClientOnScreen(dialog.window);
        Check(EqualRect(&client, &dialog.client) != FALSE,
              dialog.caption + " keeps its client area in place");
    }
    if (HWND about = run.program.Window(about_form::Caption(kApplicationTitle), 2000)) {
        CheckTextFits(about, about_form::Form().controls);
    }
    CloseDialog(dialogs[0].window, error_form::Form());
    CloseDialog(dialogs[1].window, about_form::Form());
    Check(run.program.Ended(10000), "the process ends with its last window");
}

}  // namespace wagelyn::drive
