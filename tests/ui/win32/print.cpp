// "print SCREENSHOT.bmp": converts, saves the window's image and prints
// (run_print.sh checks the page); Print without a printer is the words'.
#include <memory>

#include "tests/ui/win32/driver.h"

namespace wagelyn::drive {

namespace {

// The screen's image of the window's client area, as a 32-bit BMP, its
// rows from the bottom up, as most readers of BMP files expect; none for
// an empty path, which no file can be opened at.
void SaveScreenshot(HWND window, const char* path) {
    const RECT r = ClientOnScreen(window);
    const std::vector<std::uint32_t> pixels = ScreenPixels(r);
    const LONG width = r.right - r.left;
    const LONG height = r.bottom - r.top;
    const DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(headers + pixels.size() * 4), 0, 0,
                                headers};
    const BITMAPINFOHEADER info{sizeof info, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    if (FILE* out = std::fopen(path, "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info, sizeof info, 1, out);
        for (LONG y = height - 1; y >= 0; --y) {
            std::fwrite(&pixels[static_cast<std::size_t>(y * width)], 4, width, out);
        }
        std::fclose(out);
    }
}

}  // namespace

// Presses Print and waits until its work is done, watching the window.
PrintPress PressPrint(const Run& run) {
    const HWND print = MainControl(run.main, "Command15");
    PostMessageW(print, BM_CLICK, 0, 0);
    PrintPress press;
    const auto watch = [&] { press.tookNoInput |= IsWindowEnabled(run.main) == FALSE; };
    // Taken once the click has given Print the focus or its work has begun:
    // a message sent before that would be answered before the click.
    WaitFor(10000, [&] {
        watch();
        return press.tookNoInput || FocusIn(run.main) == print;
    });
    // Answered once the click's handler has returned, or while a message box
    // waits; the window is watched every millisecond meanwhile, so that even a
    // short busy spell is seen.
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
    while (answered && WaitForSingleObject(answered.get(), 1) == WAIT_TIMEOUT) {
        watch();
    }
    press.said = CloseMessageBox(run, 1000);
    return press;
}

void Print(const Run& run) {
    CheckConversions(run.main, false);
    SaveScreenshot(run.main, run.arg.c_str());
    const PrintPress press = PressPrint(run);
    Check(press.said.empty(), "Print prints without a word: \"" + press.said + "\"");
    Check(press.tookNoInput, "the window takes no input while the page is made");
    // The click gave Print the focus before the work began.
    const HWND print = MainControl(run.main, "Command15");
    Check(IsWindowEnabled(run.main) != FALSE &&
              WaitFor(2000, [&] { return FocusIn(run.main) == print; }),
          "then it takes input again, with the focus back on Print");
}

}  // namespace wagelyn::drive
