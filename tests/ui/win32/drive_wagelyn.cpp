// Drives Wagelyn.exe from another process, as a user's tools do on Windows:
// controls found by their place on the screen, texts set and read with
// window messages, buttons pressed with BM_CLICK, colours read from the
// screen's pixels. Expected figures come from the conversion core itself.
//
//   drive_wagelyn.exe WAGELYN.EXE MARKER.EXE english|german|dpi144|print|start [SCREENSHOT.bmp]
//
// "start" only sees the main window open and quits it.
// "print" converts, saves the window's image as SCREENSHOT.bmp and prints
// (run_print.sh checks the page); "english" expects no printer at all.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/application_info.h"
#include "conversion/recalculation.h"
#include "tests/support/memory_window.h"
#include "ui/forms/about_form.h"
#include "ui/forms/error_form.h"
#include "ui/forms/main_form.h"
#include "ui/forms/system_info_launcher.h"
#include "ui/win32/form_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/text.h"

namespace {

using namespace wagelyn;
using win32::Narrow;
using win32::Widen;

int failures = 0;

void Check(bool ok, const std::string& what) {
    if (!ok) {
        ++failures;
        std::printf("FAILED: %s\n", what.c_str());
    }
}

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        if (condition()) {
            return true;
        }
        Sleep(20);
    }
    return condition();
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[4096] = {};
    SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

void SetText(HWND window, std::string_view text) {
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

// The program's visible top-level windows captioned `caption`.
std::vector<HWND> WindowsOf(DWORD process, const std::wstring& caption) {
    struct Search {
        DWORD process;
        const std::wstring* caption;
        std::vector<HWND> found;
    } search{process, &caption, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && IsWindowVisible(window) && TextOf(window) == *s->caption) {
                s->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class Program {
public:
    explicit Program(const std::wstring& exe) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + exe + L"\"";
        started_ = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != 0;
    }
    ~Program() {
        if (started_) {
            TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND Window(std::string_view caption, int milliseconds = 20000) const {
        HWND window = nullptr;
        WaitFor(
            [&] {
                const auto found = WindowsOf(process_.dwProcessId, Widen(caption));
                window = found.empty() ? nullptr : found.front();
                return window != nullptr;
            },
            milliseconds);
        return window;
    }
    std::size_t Count(std::string_view caption) const {
        return WindowsOf(process_.dwProcessId, Widen(caption)).size();
    }
    bool Ended(int milliseconds) const {
        return started_ && WaitForSingleObject(process_.hProcess,
                                               static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// A control's design rectangle on the screen, at the window's DPI.
RECT OnScreen(HWND window, const ControlDef& def) {
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    RECT r{MulDiv(def.left, dpi, 1440), MulDiv(def.top, dpi, 1440),
           MulDiv(def.left + def.width, dpi, 1440), MulDiv(def.top + def.height, dpi, 1440)};
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The control under the middle of its design rectangle.
HWND ControlAt(HWND window, std::span<const ControlDef> controls, std::string_view name) {
    const RECT r = OnScreen(window, *FindControl(controls, name));
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(window, &middle);
    return ChildWindowFromPointEx(window, middle, CWP_SKIPINVISIBLE);
}

HWND MainControl(HWND window, std::string_view name) {
    return ControlAt(window, main_form::Controls(), name);
}

// Pixels of the box's inside that are clearly blue or clearly red.
struct Ink {
    int blue = 0;
    int red = 0;
};

// The screen's pixels inside a control, without a 3-pixel border, as
// 0x00RRGGBB, from one copy of the screen.
std::vector<std::uint32_t> PixelsIn(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, image);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::vector<std::uint32_t> inside;
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int y = 3; y < height - 3; ++y) {
        for (int x = 3; x < width - 3; ++x) {
            inside.push_back(pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF);
        }
    }
    SelectObject(memory, previous);
    DeleteObject(image);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return inside;
}

Ink InkIn(HWND box) {
    Ink ink;
    for (const std::uint32_t c : PixelsIn(box)) {
        const int red = (c >> 16) & 0xFF;
        const int green = (c >> 8) & 0xFF;
        const int blue = c & 0xFF;
        ink.blue += blue > 150 && red < 100 && green < 100;
        ink.red += red > 150 && blue < 100 && green < 100;
    }
    return ink;
}

NumberFormat ExpectedFormat(std::string_view mode) {
    return mode == "german" ? NumberFormat{",", "."} : NumberFormat{".", ","};
}

// A conversion from a few sources against the core's own run.
void CheckConversions(HWND main, const NumberFormat& format) {
    struct Case {
        Period source;
        std::string figure;
        std::string tax;
    };
    const std::string decimal = format.decimal;
    const Case cases[] = {
        {Period::Hourly35, "28" + decimal + "57", "12" + decimal + "5"},
        {Period::Second40, "0" + decimal + "0069", "20"},
        {Period::Monthly, "4333" + decimal + "33", "150"},
        {Period::Annual, "52" + format.group + "000", "0"},  // last: what the screenshot shows
    };
    for (const Case& c : cases) {
        const main_form::PeriodControls& period = main_form::kPeriodControls[IndexOf(c.source)];
        MemoryWindow expected;
        double factor = 1;
        expected.SetBoxText(c.source, c.figure);
        expected.SetTaxText(c.tax);
        Recalculate(c.source, expected, factor, format);

        SetText(MainControl(main, period.box), c.figure);
        SetText(MainControl(main, main_form::kTaxEntry), c.tax);
        SendMessageW(MainControl(main, period.button), BM_CLICK, 0, 0);
        for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
            const std::string shown = Narrow(TextOf(MainControl(main, box.box)));
            Check(shown == expected.BoxText(box.period),
                  std::string(period.caption) + " gives " + std::string(box.box) + " \"" + shown +
                      "\", the core \"" + expected.BoxText(box.period) + "\"");
        }
        // The source box's figure in blue, the others in red, on the screen.
        const auto drawnRight = [&](const main_form::PeriodControls& box) {
            const Ink ink = InkIn(MainControl(main, box.box));
            return box.period == c.source ? ink.blue > 20 && ink.red == 0
                                          : ink.red > 20 && ink.blue == 0;
        };
        WaitFor(
            [&] {
                return std::all_of(main_form::kPeriodControls.begin(),
                                   main_form::kPeriodControls.end(), drawnRight);
            },
            3000);
        for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
            Check(drawnRight(box),
                  std::string(box.box) + " is drawn " + (box.period == c.source ? "blue" : "red"));
        }
    }
}

// A figure too long for its box shows its first digits: the character at
// the left edge of the box's text is the figure's first.
void CheckLeadingDigits(HWND main) {
    SetText(MainControl(main, "Text1"), "999999999999999999999");
    SetText(MainControl(main, main_form::kTaxEntry), "0");
    SendMessageW(MainControl(main, "Command1"), BM_CLICK, 0, 0);
    for (const char* name : {"Text2", "Text11"}) {
        HWND box = MainControl(main, name);
        RECT client{};
        GetClientRect(box, &client);
        const auto last = static_cast<WPARAM>(TextOf(box).size() - 1);
        const auto lastX = static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, last, 0)));
        const int left = LOWORD(SendMessageW(box, EM_GETMARGINS, 0, 0)) + 1;
        const LRESULT atLeft =
            SendMessageW(box, EM_CHARFROMPOS, 0, MAKELPARAM(left, client.bottom / 2));
        Check(lastX > client.right && LOWORD(atLeft) == 0,
              std::string(name) + " shows \"" + Narrow(TextOf(box)) + "\" from character " +
                  std::to_string(LOWORD(atLeft)) + ", its last at x " + std::to_string(lastX));
    }
}

void CheckLayout(HWND main) {
    const int dpi = static_cast<int>(GetDpiForWindow(main));
    RECT client{};
    GetClientRect(main, &client);
    Check(client.right == MulDiv(main_form::kClientWidth, dpi, 1440) &&
              client.bottom == MulDiv(main_form::kClientHeight, dpi, 1440),
          "client area " + std::to_string(client.right) + " x " + std::to_string(client.bottom) +
              " at " + std::to_string(dpi) + " DPI");
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    Check((style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) == 0 && (style & WS_SYSMENU),
          "a fixed frame with a close box only");
    for (const ControlDef& def : main_form::Controls()) {
        HWND control = MainControl(main, def.name);
        RECT actual{};
        GetWindowRect(control, &actual);
        const RECT design = OnScreen(main, def);
        const bool combo = def.kind == ControlKind::ComboBox;  // its height is its font's
        Check(control != main && actual.left == design.left && actual.top == design.top &&
                  actual.right == design.right && (combo || actual.bottom == design.bottom),
              std::string(def.name) + " stands at its design rectangle");
    }
}

// The keyboard as a user has it: the window opens with the focus in the
// Annual box, and Tab walks the design's focus order, back to the start.
void CheckKeyboard(HWND main) {
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    const auto focused = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(thread, &info);
        // The tax entry's focus is in the edit field inside its combo box.
        for (const ControlDef& def : main_form::Controls()) {
            HWND control = MainControl(main, def.name);
            if (info.hwndFocus != nullptr &&
                (info.hwndFocus == control || GetParent(info.hwndFocus) == control)) {
                return std::string(def.name);
            }
        }
        return std::string("(nothing)");
    };
    std::vector<const ControlDef*> order;
    for (const ControlDef& def : main_form::Controls()) {
        if (def.kind != ControlKind::Label) {
            order.push_back(&def);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const ControlDef* a, const ControlDef* b) {
        return a->tabIndex < b->tabIndex;
    });
    order.push_back(order.front());  // Tab after the last returns to the first
    std::string walked = focused();
    std::string expected(order.front()->name);
    for (std::size_t i = 1; i < order.size(); ++i) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(thread, &info);
        const std::string before = focused();
        PostMessageW(info.hwndFocus, WM_KEYDOWN, VK_TAB, 0);
        PostMessageW(info.hwndFocus, WM_KEYUP, VK_TAB, 0xC0000001);
        WaitFor([&] { return focused() != before; }, 2000);
        walked += " " + focused();
        expected += " " + std::string(order[i]->name);
    }
    Check(walked == expected, "Tab walks \"" + walked + "\", the design \"" + expected + "\"");

    HWND tax = MainControl(main, main_form::kTaxEntry);
    // The tax entry is a field in the system's colours, not on the form's face.
    const std::vector<std::uint32_t> field = PixelsIn(tax);
    Check(std::count(field.begin(), field.end(), 0x8080FFU) == 0,
          "the tax entry's field is not drawn in the form's light blue");
    std::string list;
    const auto count = SendMessageW(tax, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t entry[16] = {};
        SendMessageW(tax, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
        list += (i == 0 ? "" : " ") + Narrow(entry);
    }
    Check(list == "0 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30", "the tax list: " + list);
}

// Every label's and button's text, in its design font at the window's DPI
// (the program's own fonts cannot be read from another process), fits the
// room its control has on the screen: nothing is cut off.
void CheckTextFits(HWND window, std::span<const ControlDef> controls) {
    const HDC screen = GetDC(nullptr);
    for (const ControlDef& def : controls) {
        if (def.kind != ControlKind::Label && def.kind != ControlKind::Button) {
            continue;
        }
        HWND control = ControlAt(window, controls, def.name);
        const std::wstring text = TextOf(control);
        const int dpi = static_cast<int>(GetDpiForWindow(window));
        const win32::Font font = win32::CreateDesignFont(def.font, dpi);
        const HGDIOBJ previous = SelectObject(screen, font.get());
        RECT room{};
        GetClientRect(control, &room);
        // A button's frame and focus rectangle take some pixels on each side.
        const int margin = def.kind == ControlKind::Button ? MulDiv(6, dpi, 96) : 0;
        RECT needed{0, 0, room.right - margin, 0};
        const UINT flags = def.kind == ControlKind::Button ? DT_SINGLELINE : DT_WORDBREAK;
        DrawTextW(screen, text.c_str(), -1, &needed, DT_CALCRECT | flags);
        SelectObject(screen, previous);
        Check(needed.bottom <= room.bottom && needed.right <= room.right - margin,
              std::string(def.name) + " holds its text at " + std::to_string(dpi) + " DPI: needs " +
                  std::to_string(needed.right) + " x " + std::to_string(needed.bottom) + ", has " +
                  std::to_string(room.right) + " x " + std::to_string(room.bottom));
    }
    ReleaseDC(nullptr, screen);
}

void WriteRegistryText(HKEY root, const char* key, const char* name, const std::string& value) {
    HKEY opened = nullptr;
    RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr);
    RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
}

void CheckAboutAndSystemInfo(const Program& program, HWND main, const std::string& marker) {
    PostMessageW(main, WM_COMMAND, win32::kAboutItemId, 0);
    const std::string caption = about_form::Caption(kApplicationTitle);
    HWND about = program.Window(caption);
    Check(about != nullptr, "Help > About shows \"" + caption + "\"");
    if (about == nullptr) {
        return;
    }
    PostMessageW(main, WM_COMMAND, win32::kAboutItemId, 0);
    Sleep(300);
    Check(program.Count(caption) == 1, "a second Help > About shows the same dialog");
    const auto aboutControl = [&](std::string_view name) {
        return ControlAt(about, about_form::Form().controls, name);
    };
    Check(TextOf(aboutControl(about_form::kTitleLabel)) == L"Wagelyn", "the title label");
    // The icon's see-through corner shows the dialog's face, untinted.
    RECT icon{};
    GetWindowRect(aboutControl(about_form::kIcon), &icon);
    const HDC screen = GetDC(nullptr);
    Check(WaitFor(
              [&] {
                  return GetPixel(screen, icon.left + 1, icon.top + 1) ==
                         GetPixel(screen, icon.left - 2, icon.top - 2);
              },
              3000),
          "the icon stands on the dialog's face");
    ReleaseDC(nullptr, screen);
    Check(TextOf(aboutControl(about_form::kVersionLabel)) == L"Version 1.0.0", "the version line");

    // A registered path starts the tool.
    const char* toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    WriteRegistryText(HKEY_LOCAL_MACHINE, toolKey, "PATH", marker);
    DeleteFileA("C:\\wagelyn-started.txt");
    PostMessageW(aboutControl(about_form::kSysInfoButton), BM_CLICK, 0, 0);
    Check(WaitFor([] {
              return GetFileAttributesA("C:\\wagelyn-started.txt") != INVALID_FILE_ATTRIBUTES;
          }),
          "System Info starts the registered tool");

    // None registered: the unavailable message, modal, captioned with the title.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, toolKey);
    PostMessageW(aboutControl(about_form::kSysInfoButton), BM_CLICK, 0, 0);
    HWND box = program.Window(kApplicationTitle, 5000);
    Check(box != nullptr && GetDlgItem(box, IDOK) != nullptr,
          "System Info without a tool shows a message box captioned \"Wagelyn\"");
    if (box != nullptr) {
        bool said = false;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            said = said || Narrow(TextOf(child)) == kSysInfoUnavailable;
        }
        Check(said, "the message box says the tool is unavailable");
        Check(!IsWindowEnabled(main), "the message box is modal to the program");
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        Check(WaitFor([&] { return !IsWindow(box); }, 5000), "OK closes the message box");
    }
    Check(IsWindowVisible(about), "the About dialog stays open");
}

void CheckErrorsAndReset(const Program& program, HWND main) {
    const std::string caption(error_form::kCaption);
    SetText(MainControl(main, "Text2"), "");
    for (int press = 0; press < 2; ++press) {
        SendMessageW(MainControl(main, "Command2"), BM_CLICK, 0, 0);
    }
    HWND error = program.Window(caption, 5000);
    Check(error != nullptr && program.Count(caption) == 1,
          "two failed runs leave one error dialog");
    if (error != nullptr) {
        POINT corner{0, 0};
        ClientToScreen(error, &corner);
        const int dpi = static_cast<int>(GetDpiForWindow(error));
        Check(corner.x == MulDiv(error_form::Form().clientLeft, dpi, 1440) &&
                  corner.y == MulDiv(error_form::Form().clientTop, dpi, 1440) &&
                  GetWindow(error, GW_OWNER) == nullptr,
              "the error dialog stands at its place, with no owner");
        SendMessageW(error, WM_KEYDOWN, VK_ESCAPE, 0);
        SendMessageW(error, WM_COMMAND, IDCANCEL, 0);  // what Escape sends
        Check(IsWindowVisible(error), "Escape leaves the error dialog open");
        SendMessageW(ControlAt(error, error_form::Form().controls, error_form::kOkButton), BM_CLICK,
                     0, 0);
        Check(WaitFor([&] { return program.Count(caption) == 0; }, 5000), "OK closes it");
    }
    SendMessageW(MainControl(main, "Command7"), BM_CLICK, 0, 0);
    bool empty = true;
    for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
        empty = empty && TextOf(MainControl(main, box.box)).empty();
    }
    Check(empty, "Reset empties all twelve boxes");
}

// The screen's image of the window's client area, as a 24-bit BMP.
void SaveScreenshot(HWND window, const char* path) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, image);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3U;
    BITMAPFILEHEADER file{
        0x4D42,
        static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * height),
        0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    if (FILE* out = std::fopen(path, "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, stride, static_cast<std::size_t>(height), out);
        std::fclose(out);
    }
    SelectObject(memory, previous);
    DeleteObject(image);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// Presses Print, waits until its work is done and returns what the message
// box it showed said, or nothing.
std::string PressPrint(const Program& program, HWND main) {
    PostMessageW(MainControl(main, "Command15"), BM_CLICK, 0, 0);
    // Answered once the click's handler has returned, or while a message box waits.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored);
    HWND box = program.Window(kApplicationTitle, 1000);
    if (box == nullptr) {
        return {};
    }
    std::string said;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        said += Narrow(TextOf(child));
    }
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    return said;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::printf(
            "usage: drive_wagelyn WAGELYN.EXE MARKER.EXE english|german|dpi144 [SHOT.bmp]\n");
        return 2;
    }
    // Physical pixels, as the program sees them, at any DPI.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::string mode = Narrow(argv[3]);
    const Program program(argv[1]);
    HWND main = program.Window(main_form::kCaption);
    Check(main != nullptr, "the main window appears");
    if (main == nullptr) {
        return 1;
    }
    if (mode == "start") {
        SendMessageW(MainControl(main, "Command14"), BM_CLICK, 0, 0);
        Check(program.Ended(10000), "Quit ends the program");
        std::printf("%s: %d failed\n", mode.c_str(), failures);
        return failures == 0 ? 0 : 1;
    }
    const int dpi = static_cast<int>(GetDpiForWindow(main));
    Check(dpi == (mode == "dpi144" ? 144 : 96),
          "the window runs at " + std::to_string(dpi) + " DPI");
    Check(TextOf(MainControl(main, main_form::kTaxEntry)) == L"0",
          "the tax entry reads 0 at start");
    CheckLayout(main);
    CheckKeyboard(main);
    CheckTextFits(main, main_form::Controls());
    CheckConversions(main, ExpectedFormat(mode));
    if (argc > 4) {
        SaveScreenshot(main, Narrow(argv[4]).c_str());
    }
    if (mode == "print") {
        const std::string said = PressPrint(program, main);
        Check(said.empty(), "Print prints without a word: \"" + said + "\"");
    }
    if (mode == "english") {
        const std::string said = PressPrint(program, main);
        Check(said.find("no default printer") != std::string::npos,
              "Print without a printer says so: \"" + said + "\"");
        CheckLeadingDigits(main);
        CheckErrorsAndReset(program, main);
        CheckAboutAndSystemInfo(program, main, Narrow(argv[2]));
        // Quit closes the main window only: the open About dialog keeps the
        // process until it, too, is closed.
        SendMessageW(MainControl(main, "Command14"), BM_CLICK, 0, 0);
        Check(!IsWindow(main) && !program.Ended(500), "Quit closes the main window only");
        HWND about = program.Window(about_form::Caption(kApplicationTitle), 2000);
        if (about != nullptr) {
            CheckTextFits(about, about_form::Form().controls);
            SendMessageW(ControlAt(about, about_form::Form().controls, about_form::kOkButton),
                         BM_CLICK, 0, 0);
        }
        Check(program.Ended(10000), "the process ends with its last window");
    }
    std::printf("%s: %d failed\n", mode.c_str(), failures);
    return failures == 0 ? 0 : 1;
}
