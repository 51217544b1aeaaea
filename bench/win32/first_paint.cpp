// Starts a Windows program and reports the time from its start until the
// screen shows its window painted: a visible top-level window of the
// process whose client area shows each `colour` at its (x, y). A colour is
// RRGGBB, or BTNFACE for the system's button face. Then ends it.
//
//   first_paint.exe PROGRAM ARGUMENT|- COLOUR X Y [COLOUR X Y]...
//   prints: <milliseconds>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Pixel {
    COLORREF colour;
    POINT at;  // in the client area
};

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
    if (argc < 6 || (argc - 3) % 3 != 0) {
        std::printf("usage: first_paint PROGRAM ARGUMENT|- COLOUR X Y [COLOUR X Y]...\n");
        return 2;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    std::vector<Pixel> pixels;
    for (int i = 3; i + 2 < argc; i += 3) {
        const unsigned long rgb = std::wcstoul(argv[i], nullptr, 16);
        const COLORREF colour = std::wcscmp(argv[i], L"BTNFACE") == 0
                                    ? GetSysColor(COLOR_BTNFACE)
                                    : RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        pixels.push_back(
            {colour,
             {std::wcstol(argv[i + 1], nullptr, 10), std::wcstol(argv[i + 2], nullptr, 10)}});
    }

    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER now{};
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    if (std::wcscmp(argv[2], L"-") != 0) {
        command += L" " + std::wstring(argv[2]);
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
        bool painted = search.window != nullptr;
        for (const Pixel& pixel : pixels) {
            POINT point = pixel.at;
            painted = painted && ClientToScreen(search.window, &point) &&
                      GetPixel(screen, point.x, point.y) == pixel.colour;
        }
        if (painted) {
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
