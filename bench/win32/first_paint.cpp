// Starts a Windows program and reports the time from its start until the
// screen shows its window painted: a visible top-level window of the
// process whose client area shows `colour` at (x, y). Then ends it.
//
//   first_paint.exe PROGRAM RRGGBB X Y [ARGUMENT]
//   prints: <milliseconds>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    DWORD process;
    HWND window;
};

BOOL CALLBACK Find(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) {
        search->window = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::printf("usage: first_paint PROGRAM RRGGBB X Y\n");
        return 2;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const unsigned long rgb = std::wcstoul(argv[2], nullptr, 16);
    const COLORREF wanted = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    POINT at{std::wcstol(argv[3], nullptr, 10), std::wcstol(argv[4], nullptr, 10)};

    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER now{};
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    if (argc > 5) {
        command += L" " + std::wstring(argv[5]);
    }
    if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 1;
    }
    const HDC screen = GetDC(nullptr);
    double milliseconds = -1;
    for (int i = 0; i < 200000 && milliseconds < 0; ++i) {
        Search search{process.dwProcessId, nullptr};
        EnumWindows(Find, reinterpret_cast<LPARAM>(&search));
        POINT point = at;
        if (search.window != nullptr && ClientToScreen(search.window, &point) &&
            GetPixel(screen, point.x, point.y) == wanted) {
            QueryPerformanceCounter(&now);
            milliseconds = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart);
        }
    }
    ReleaseDC(nullptr, screen);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("%.1f\n", milliseconds);
    return milliseconds < 0 ? 1 : 0;
}
