// drive_wagelyn.exe WAGELYN.EXE MARKER.EXE MODE [ARGS...]: starts the
// program, finds its main window and runs one concern's checks on it (see
// each mode's file); "languages" prints "en" and each catalogue's
// language, one a line. Every word expected is the forms' English through
// the program's own catalogues, in the language the system's preferred UI
// languages give this process, which the program started from here shares.
#include "tests/ui/win32/driver.h"

#include <objbase.h>

#include <cstdlib>

#include "i18n/embedded_catalogues.h"
#include "platform/languages.h"
#include "ui/win32/main_window.h"

namespace wagelyn::drive {

Program::Program(const std::wstring& exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exe + L"\"";
    started_ = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_) != 0;
}

Program::~Program() {
    if (started_) {
        TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

std::vector<HWND> Program::Windows(std::string_view caption) const {
    std::vector<HWND> found = TopWindows(process_.dwProcessId);
    std::erase_if(found, [&](HWND window) { return TextOf(window) != caption; });
    return found;
}

HWND Program::Window(std::string_view caption, int milliseconds) const {
    std::vector<HWND> found;
    WaitFor(milliseconds, [&] { return !(found = Windows(caption)).empty(); });
    return found.empty() ? nullptr : found.front();
}

LRESULT Program::SendPointing(HWND window, UINT message, WPARAM wParam, void* data,
                              std::size_t size) const {
    void* remote =
        VirtualAllocEx(process_.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr) {
        return 0;
    }
    WriteProcessMemory(process_.hProcess, remote, data, size, nullptr);
    const LRESULT result = SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process_.hProcess, remote, data, size, nullptr);
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    return result;
}

bool Program::Ended(int milliseconds) const {
    return started_ && WaitForSingleObject(process_.hProcess, static_cast<DWORD>(milliseconds)) ==
                           WAIT_OBJECT_0;
}

std::vector<HWND> TopWindows(DWORD process, const wchar_t* windowClass) {
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, windowClass, nullptr))) {
        if (ProcessOf(window) == process && IsWindowVisible(window)) {
            found.push_back(window);
        }
    }
    return found;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

RECT Rect(HWND window, BOOL(WINAPI* get)(HWND, LPRECT)) {
    RECT r{};
    get(window, &r);
    return r;
}

std::string TextOf(HWND window) {
    wchar_t buffer[4096] = {};
    SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
    return win32::Narrow(buffer);
}

void SetText(HWND window, std::string_view text) {
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win32::Widen(text).c_str()));
}

void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

int changedDpi = 0;

int DpiOf(HWND window) {
    return changedDpi != 0 ? changedDpi : static_cast<int>(GetDpiForWindow(window));
}

RECT OnScreen(HWND window, const ControlDef& def) {
    const int dpi = DpiOf(window);
    RECT r{MulDiv(def.left, dpi, 1440), MulDiv(def.top, dpi, 1440),
           MulDiv(def.left + def.width, dpi, 1440), MulDiv(def.top + def.height, dpi, 1440)};
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND ControlAt(HWND window, std::span<const ControlDef> controls, std::string_view name) {
    const RECT r = OnScreen(window, *FindControl(controls, name));
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(window, &middle);
    return ChildWindowFromPointEx(window, middle, CWP_SKIPINVISIBLE);
}

HWND MainControl(HWND window, std::string_view name) {
    return ControlAt(window, main_form::Controls(), name);
}

RECT ClientOnScreen(HWND window) {
    RECT client = Rect(window, GetClientRect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

HWND FocusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Through the program's message loop and its dialog manager.
void PressKeys(HWND window, std::initializer_list<WPARAM> keys) {
    const HWND focused = FocusIn(window);
    for (const WPARAM key : keys) {
        PostMessageW(focused, WM_KEYDOWN, key, 0x00000001);
        PostMessageW(focused, WM_KEYUP, key, 0xC0000001);
    }
    WaitFor(2000, [&] { return FocusIn(window) != focused; });
}

RECT WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

void Quit(const Run& run) {
    Click(MainControl(run.main, "Command14"));
    Check(run.program.Ended(10000), "Quit ends the program");
}

void Convert(HWND main, Period source, std::string_view figure, std::string_view tax) {
    const main_form::PeriodControls& period = main_form::kPeriodControls[IndexOf(source)];
    SetText(MainControl(main, period.box), figure);
    SetText(MainControl(main, main_form::kTaxEntry), tax);
    Click(MainControl(main, period.button));
}

win32::Brush Brush(std::uint32_t colour) {
    return win32::Brush(CreateSolidBrush(RGB(colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF)));
}

std::vector<std::uint32_t> Drawn(int width, int height, std::uint32_t face,
                                 const std::function<void(HDC memory, HDC screen)>& draw) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const win32::WindowDc screen(nullptr);
    const win32::OwnedDc memory(CreateCompatibleDC(screen.Get()));
    void* bits = nullptr;
    const std::unique_ptr<std::remove_pointer_t<HBITMAP>, win32::GdiObjectDeleter> image(
        CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        const win32::Selection selected(memory.get(), image.get());
        const RECT all{0, 0, width, height};
        FillRect(memory.get(), &all, Brush(face).get());
        draw(memory.get(), screen.Get());
        GdiFlush();
    }
    const auto* first = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    std::transform(first, first + pixels.size(), pixels.begin(),
                   [](std::uint32_t pixel) { return pixel & 0xFFFFFF; });
    return pixels;
}

std::vector<std::uint32_t> ScreenPixels(const RECT& r) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    return Drawn(width, height, 0, [&](HDC memory, HDC screen) {
        BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    });
}

std::vector<std::uint32_t> PixelsIn(HWND control, int border) {
    RECT inside = Rect(control);
    InflateRect(&inside, -border, -border);
    return ScreenPixels(inside);
}

std::uint32_t MostCommon(const std::vector<std::uint32_t>& pixels) {
    std::map<std::uint32_t, int> counts;
    for (const std::uint32_t c : pixels) {
        ++counts[c];
    }
    const auto most = std::ranges::max_element(counts, {}, [](const auto& c) { return c.second; });
    return most == counts.end() ? 0 : most->first;
}

bool Differs(std::uint32_t pixel, std::uint32_t face) {
    int distance = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        distance += std::abs(static_cast<int>((pixel >> shift) & 0xFF) -
                             static_cast<int>((face >> shift) & 0xFF));
    }
    return distance > 96;
}

RECT BoundsOf(const std::vector<std::uint32_t>& pixels, int width,
              const std::function<bool(std::uint32_t)>& ink) {
    RECT bounds{width, static_cast<LONG>(pixels.size()) / std::max(width, 1), 0, 0};
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (ink(pixels[i])) {
            const auto x = static_cast<LONG>(i % width);
            const auto y = static_cast<LONG>(i / width);
            bounds = {std::min(bounds.left, x), std::min(bounds.top, y),
                      std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
        }
    }
    return bounds.right > bounds.left ? bounds : RECT{};
}

std::string SaidIn(HWND box) {
    std::string said;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        said += TextOf(child);
    }
    return said;
}

std::string CloseMessageBox(const Run& run, int milliseconds) {
    const HWND box = run.program.Window(kApplicationTitle, milliseconds);
    if (box == nullptr) {
        return {};
    }
    const std::string said = SaidIn(box);
    Click(GetDlgItem(box, IDOK));
    WaitFor(5000, [&] { return !IsWindow(box); });
    return said;
}

std::string ShowDialog(HWND main, const FormDef& form) {
    if (&form == &about_form::Form()) {
        PostMessageW(main, WM_COMMAND, win32::kAboutItemId, 0);
        return about_form::Caption(kApplicationTitle);
    }
    SetText(MainControl(main, "Text2"), "");
    Click(MainControl(main, "Command2"));
    return std::string(Translate(error_form::kCaption));
}

void CloseDialog(HWND dialog, const FormDef& form) {
    const bool about = &form == &about_form::Form();
    if (dialog != nullptr) {
        Click(ControlAt(dialog, form.controls,
                        about ? about_form::kOkButton : error_form::kOkButton));
    }
}

void WithEachDialog(const Run& run,
                    const std::function<void(HWND, const FormDef&, const std::string&)>& check) {
    for (const FormDef* form : {&error_form::Form(), &about_form::Form()}) {
        const std::string caption = ShowDialog(run.main, *form);
        const HWND dialog = run.program.Window(caption, 5000);
        if (Check(dialog != nullptr, "\"" + caption + "\" is shown")) {
            check(dialog, *form, caption);
            CloseDialog(dialog, *form);
        }
    }
}

}  // namespace wagelyn::drive

int wmain(int argc, wchar_t** argv) {
    using namespace wagelyn;
    using namespace wagelyn::drive;
    // Physical pixels, as the program sees them, at any DPI.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // to read screen readers' objects
    const std::string mode = argc > 3 ? win32::Narrow(argv[3]) : "";
    if (mode == "languages") {
        std::printf("en\n");
        for (const EmbeddedCatalogue& catalogue : EmbeddedCatalogues()) {
            std::printf("%s\n", std::string(catalogue.language).c_str());
        }
        return 0;
    }
    const std::map<std::string, void (*)(const Run&)> modes = {
        {"words", Words},     {"german", Words},      {"layout", Layout},
        {"fit", Fit},         {"keyboard", Keyboard}, {"dpichange", DpiChange},
        {"dpi144", Dpi144},   {"contrast", Contrast}, {"print", Print},
        {"planted", Planted}, {"lifetime", Lifetime}, {"start", Quit}};
    const auto found = modes.find(mode);
    if (found == modes.end()) {
        std::printf("usage: drive_wagelyn WAGELYN.EXE MARKER.EXE MODE [ARGS...]\n");
        return 2;
    }
    // The words expected: the program chooses its catalogue from the same list.
    const std::string_view chosen = UseLanguage(platform::PreferredLanguages());
    const std::string arg = argc > 4 ? win32::Narrow(argv[4]) : "";
    // A mode given a language expects the system's preferred language to
    // give its catalogue ("en": the design's English).
    if (mode == "words" || mode == "fit") {
        CheckSame(chosen, arg == "en" ? "" : arg, "the system's preferred language gives");
    }
    const Program program(argv[1]);
    const HWND main = program.Window(Translate(main_form::kCaption));
    if (Check(main != nullptr, "the main window appears")) {
        found->second(Run{program, main, argv[1], win32::Narrow(argv[2]), mode, arg});
    }
    return testing::Report(arg.empty() ? mode : mode + " " + arg);
}
