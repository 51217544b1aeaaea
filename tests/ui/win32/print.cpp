// "print SCREENSHOT.bmp": converts, saves the window's image and prints
// (run_print.sh checks the page); Print without a printer is the words'.
#include <memory>

#include "tests/ui/win32/driver.h"
#include "ui/forms/main_form.h"

namespace wagelyn::drive {

// Presses Print and waits until its work is done, watching the window.
PrintPress PressPrint(const Run& run) {
    PostMessageW(MainControl(run.main, "Command15"), BM_CLICK, 0, 0);
    // Answered once the click's handler has returned, or while a message box waits.
    const std::unique_ptr<void, decltype(&CloseHandle)> answered(
        CreateThread(
            nullptr, 0,
            [](void* window) -> DWORD {
                DWORD_PTR ignored = 0;
                SendMessageTimeoutW(static_cast<HWND>(window), WM_NULL, 0, 0, SMTO_NORMAL, 60000,
                                    &ignored);
                return 0;
            },
            run.main, 0, nullptr),
        &CloseHandle);
    PrintPress press;
    while (answered && WaitForSingleObject(answered.get(), 1) == WAIT_TIMEOUT) {
        press.tookNoInput = press.tookNoInput || IsWindowEnabled(run.main) == FALSE;
    }
    press.said = CloseMessageBox(run, 1000);
    return press;
}

void Print(const Run& run) {
    CheckConversions(run.main, false);
    if (!run.args.empty()) {
        SaveScreenshot(run.main, run.args.front().c_str());
    }
    const PrintPress press = PressPrint(run);
    Check(press.said.empty(), "Print prints without a word: \"" + press.said + "\"");
    Check(press.tookNoInput, "the window takes no input while the page is made");
    // The click gave Print the focus before the work began.
    const HWND print = MainControl(run.main, "Command15");
    Check(IsWindowEnabled(run.main) != FALSE &&
              WaitFor([&] { return FocusIn(run.main) == print; }, 2000),
          "then it takes input again, with the focus back on Print");
}

}  // namespace wagelyn::drive
