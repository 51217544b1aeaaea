// Drives Wagelyn.exe from another process, as a user's tools do on Windows:
// controls found by their place on the screen, texts set and read with
// window messages, buttons pressed with BM_CLICK, colours read from the
// screen's pixels. Expected figures come from the conversion core itself.
//
//   drive_wagelyn.exe WAGELYN.EXE MARKER.EXE MODE [SCREENSHOT.bmp]
//     MODE: english|german|dpi144|dpichange|print|start|contrast|planted
//   drive_wagelyn.exe WAGELYN.EXE MARKER.EXE words|fit LANGUAGE [SHOTS]
//   drive_wagelyn.exe WAGELYN.EXE MARKER.EXE languages
//
// Every word expected is the forms' English through the program's own
// catalogues, in the language the system's preferred UI languages give
// this process, which the program started from here shares.
// "languages" prints "en" and each catalogue's language, one a line.
// "words" expects the system's preferred language to give the catalogue
// LANGUAGE ("en": the design's English) and reads every word of the three
// windows, the menu and the message boxes, as shown and as screen readers
// hear them, checks that each fits its control, and converts with the
// regional format "." and "," (run_wagelyn.sh sets it); SHOTS-main.bmp and
// SHOTS-about.bmp are the main window's and the About dialog's images.
// "fit" only checks that every text of the three windows fits, at the
// session's DPI.
// "dpichange" starts at 96 DPI and moves the window to 144 DPI, as Windows
// does when it is dragged to a monitor of that scale (Wine never does).
// "start" only sees the main window open and quits it.
// "contrast" reads every text's contrast in the three windows under the
// session's colour scheme (run_wagelyn.sh sets a high-contrast one).
// "planted" only uses what loads libraries at run time (a screen reader's
// request, Print, About, System Info) and quits: run_wagelyn.sh checks that
// none was taken from beside the program.
// "print" converts, saves the window's image as SCREENSHOT.bmp and prints
// (run_print.sh checks the page); "english" expects no printer at all.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/application_info.h"
#include "conversion/recalculation.h"
#include "i18n/embedded_catalogues.h"
#include "i18n/translation.h"
#include "platform/languages.h"
#include "system_info/system_info_launcher.h"
#include "tests/support/memory_window.h"
#include "tests/ui/win32/screen_reader_check.h"
#include "ui/forms/about_form.h"
#include "ui/forms/error_form.h"
#include "ui/forms/legible_colours.h"
#include "ui/forms/main_form.h"
#include "ui/forms/print_report.h"
#include "ui/win32/form_window.h"
#include "ui/win32/handles.h"
#include "ui/win32/main_window.h"
#include "ui/win32/text.h"

namespace {

using namespace wagelyn;
using win32::Narrow;
using win32::Widen;

struct KernelHandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// A thread handle, closed when it goes.
using KernelHandle = std::unique_ptr<void, KernelHandleCloser>;

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
    // Sends a message whose lParam points at `data`, placed in the
    // program's own memory (such pointers do not cross processes), and
    // reads `data` back after.
    template <typename Data>
    LRESULT SendPointing(HWND window, UINT message, WPARAM wParam, Data& data) const {
        void* remote = VirtualAllocEx(process_.hProcess, nullptr, sizeof data,
                                      MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (remote == nullptr) {
            return 0;
        }
        WriteProcessMemory(process_.hProcess, remote, &data, sizeof data, nullptr);
        const LRESULT result =
            SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process_.hProcess, remote, &data, sizeof data, nullptr);
        VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
        return result;
    }
    bool Ended(int milliseconds) const {
        return started_ && WaitForSingleObject(process_.hProcess,
                                               static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// Wine keeps reporting a window's first DPI: after a change the driver
// sent, the DPI it sent.
int changedDpi = 0;

int DpiOf(HWND window) {
    return changedDpi != 0 ? changedDpi : static_cast<int>(GetDpiForWindow(window));
}

// A control's design rectangle on the screen, at the window's DPI.
RECT OnScreen(HWND window, const ControlDef& def) {
    const int dpi = DpiOf(window);
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

// Every difference between what a screen reader hears of a window and its
// form, each a failure; `colourOf` gives each control's text colour now.
void CheckHeard(const std::string& when, HWND window, const FormDef& form,
                const std::function<Colour(const ControlDef&)>& colourOf) {
    const auto control = [&](std::string_view name) {
        return ControlAt(window, form.controls, name);
    };
    for (const std::string& difference : test::HeardDifferences(window, form, control, colourOf)) {
        Check(false, when + ": " + difference);
    }
}

Colour DesignColour(const ControlDef& def) {
    return def.foreground;
}

// The words a window shows, read with window messages: its caption and
// each label's and button's text, as the form's English through the
// catalogue in use; `loaded` holds the texts a window sets as it loads.
void CheckWords(HWND window, const FormDef& form, std::string_view caption,
                const std::map<std::string_view, std::string>& loaded = {}) {
    const auto compare = [](const std::string& what, const std::wstring& shown,
                            std::string_view expected) {
        Check(shown == Widen(expected),
              what + " reads \"" + Narrow(shown) + "\", not \"" + std::string(expected) + "\"");
    };
    compare("the caption", TextOf(window), caption);
    for (const ControlDef& def : form.controls) {
        if (def.kind == ControlKind::Label || def.kind == ControlKind::Button) {
            const auto set = loaded.find(def.name);
            compare(std::string(def.name), TextOf(ControlAt(window, form.controls, def.name)),
                    set != loaded.end() ? std::string_view(set->second) : Translate(def.text));
        }
    }
}

// The control with the keyboard focus in the program's thread that owns
// `window`, seen from this process.
HWND FocusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Escape as a user presses it: to the control with the focus, through the
// program's message loop and its dialog manager. Returns once the program
// has taken it: a Tab posted after it has moved the focus.
void PressEscape(HWND window) {
    const auto focus = [window] { return FocusIn(window); };
    const HWND focused = focus();
    for (const WPARAM key : {VK_ESCAPE, VK_TAB}) {
        PostMessageW(focused, WM_KEYDOWN, key, 0x00000001);
        PostMessageW(focused, WM_KEYUP, key, 0xC0000001);
    }
    WaitFor([&] { return focus() != focused; }, 2000);
}

// Pixels of the box's inside that are clearly blue or clearly red.
struct Ink {
    int blue = 0;
    int red = 0;
};

// The screen's pixels of `r` (screen coordinates), row by row, as 0x00RRGGBB.
std::vector<std::uint32_t> ScreenPixels(const RECT& r) {
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
    const auto* first = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    SelectObject(memory, previous);
    DeleteObject(image);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The screen's pixels inside a control, without a border (3 pixels unless
// told), as 0x00RRGGBB, from one copy of the screen.
std::vector<std::uint32_t> PixelsIn(HWND control, int border = 3) {
    RECT r{};
    GetWindowRect(control, &r);
    const int width = r.right - r.left;
    const std::vector<std::uint32_t> pixels = ScreenPixels(r);
    std::vector<std::uint32_t> inside;
    for (int y = border; y < r.bottom - r.top - border; ++y) {
        for (int x = border; x < width - border; ++x) {
            inside.push_back(pixels[static_cast<std::size_t>(y) * width + x]);
        }
    }
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

// What a control shows on the screen: the colour most of its inside is
// filled with, and the ink that stands out most from it, as 0x00BBGGRR.
struct Shown {
    Colour fill = 0;
    Colour ink = 0;
};

Shown ShownIn(HWND control) {
    std::map<Colour, int> counts;
    for (const std::uint32_t c : PixelsIn(control)) {
        ++counts[((c & 0xFFU) << 16U) | (c & 0xFF00U) | ((c >> 16U) & 0xFFU)];
    }
    Shown shown;
    int most = -1;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            most = count;
            shown.fill = colour;
        }
    }
    shown.ink = shown.fill;
    for (const auto& [colour, count] : counts) {
        if (ContrastRatio(colour, shown.fill) > ContrastRatio(shown.ink, shown.fill)) {
            shown.ink = colour;
        }
    }
    return shown;
}

// The pixels that stand out from an image's most common colour, cropped
// to their bounds: the shape of the text drawn in it, wherever it stands.
struct Shape {
    int width = 0;
    int height = 0;
    std::vector<bool> ink;
    bool operator==(const Shape&) const = default;
};

Shape ShapeOf(const std::vector<std::uint32_t>& pixels, int width) {
    std::map<std::uint32_t, int> counts;
    for (const std::uint32_t c : pixels) {
        ++counts[c];
    }
    const std::uint32_t face =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    const auto differs = [face](std::uint32_t c) {
        int distance = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            distance += std::abs(static_cast<int>((c >> shift) & 0xFF) -
                                 static_cast<int>((face >> shift) & 0xFF));
        }
        return distance > 96;
    };
    const int height = width > 0 ? static_cast<int>(pixels.size()) / width : 0;
    RECT bounds{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (differs(pixels[static_cast<std::size_t>(y) * width + x])) {
                bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                          std::max<LONG>(bounds.right, x + 1),
                          std::max<LONG>(bounds.bottom, y + 1)};
            }
        }
    }
    Shape shape;
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        for (int x = bounds.left; x < bounds.right; ++x) {
            shape.ink.push_back(differs(pixels[static_cast<std::size_t>(y) * width + x]));
        }
    }
    shape.width = std::max<int>(0, bounds.right - bounds.left);
    shape.height = std::max<int>(0, bounds.bottom - bounds.top);
    return shape;
}

// The shape of `text` as the system draws a menu bar's item here: in its
// menu font at `dpi`, in its menu text colour on `face` (0x00RRGGBB), so that
// the glyphs' smoothed edges blend alike.
Shape MenuTextShape(std::string_view text, int dpi, int width, int height, std::uint32_t face) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                               static_cast<UINT>(dpi));
    const HDC memory = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP image = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previousImage = SelectObject(memory, image);
    const HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    const HGDIOBJ previousFont = SelectObject(memory, font);
    RECT all{0, 0, width, height};
    const HBRUSH brush =
        CreateSolidBrush(RGB((face >> 16) & 0xFF, (face >> 8) & 0xFF, face & 0xFF));
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SetTextColor(memory, GetSysColor(COLOR_MENUTEXT));
    SetBkMode(memory, TRANSPARENT);
    const std::wstring wide = Widen(text);
    // Clipped, as the bar clips each item, to the text's advance.
    RECT item{};
    DrawTextW(memory, wide.c_str(), static_cast<int>(wide.size()), &item,
              DT_SINGLELINE | DT_CALCRECT);
    OffsetRect(&item, (width - item.right) / 2, (height - item.bottom) / 2);
    DrawTextW(memory, wide.c_str(), static_cast<int>(wide.size()), &item, DT_SINGLELINE);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFF;
    }
    SelectObject(memory, previousFont);
    DeleteObject(font);
    SelectObject(memory, previousImage);
    DeleteObject(image);
    DeleteDC(memory);
    return ShapeOf(pixels, width);
}

// Another process cannot read a window's menu under Wine (GetMenuStringW
// fails there): the menu bar is read by its pixels. It holds the one item
// `text`: the ink between the frame's sides, above the client area, has the
// shape of that text drawn in the menu font.
void CheckMenuBar(HWND window, std::string_view text) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const int height = GetSystemMetricsForDpi(SM_CYMENU, static_cast<UINT>(DpiOf(window)));
    // The bar's lowest row is the line between it and the client area.
    const RECT bar{client.left, client.top - height, client.right, client.top - 1};
    const int width = bar.right - bar.left;
    Shape shown, expected;
    WaitFor(
        [&] {
            const std::vector<std::uint32_t> pixels = ScreenPixels(bar);
            shown = ShapeOf(pixels, width);
            expected = MenuTextShape(text, DpiOf(window), width, height, pixels.back());
            return shown == expected;
        },
        2000);
    Check(expected.width > 0 && shown == expected,
          "the menu bar shows \"" + std::string(text) + "\": ink of " +
              std::to_string(shown.width) + " x " + std::to_string(shown.height) +
              " pixels, the text's " + std::to_string(expected.width) + " x " +
              std::to_string(expected.height));
}

// A control's colours in the usual Windows scheme (black text on white
// fields and on the 240-grey face), with its text in `text`.
ColourPair UsualColours(const FormDef& form, const ControlDef& def, Colour text) {
    constexpr Colour kUsualText = 0x000000;
    constexpr Colour kUsualField = 0xFFFFFF;
    constexpr Colour kUsualFace = 0xF0F0F0;
    Colour background = def.background;
    if (background == kSystemColour) {
        if (def.kind == ControlKind::TextBox || def.kind == ControlKind::ComboBox) {
            background = kUsualField;
        } else if (def.onFormFace && form.background != kSystemColour) {
            background = form.background;
        } else {
            background = kUsualFace;
        }
    }
    return {text == kSystemColour ? kUsualText : text, background};
}

// Every text of a window keeps on the screen at least min(4.5, the contrast
// it has in the usual scheme); `designText` gives each control's text colour
// as the design now wants it.
void CheckContrast(HWND window, const FormDef& form,
                   const std::function<Colour(const ControlDef&)>& designText) {
    struct Text {
        const ControlDef* def;
        HWND control;
        double wanted;
    };
    std::vector<Text> texts;
    for (const ControlDef& def : form.controls) {
        if (def.kind != ControlKind::Picture) {
            const ColourPair usual = UsualColours(form, def, designText(def));
            texts.push_back(
                {&def, ControlAt(window, form.controls, def.name),
                 std::min(kWantedContrast, ContrastRatio(usual.text, usual.background))});
        }
    }
    const auto contrastOf = [](const Text& text) {
        const Shown shown = ShownIn(text.control);
        return std::pair{shown, ContrastRatio(shown.ink, shown.fill)};
    };
    // Antialiased strokes may miss a full pixel of the ink by a shade.
    const auto legible = [&](const Text& text) {
        return contrastOf(text).second >= text.wanted - 0.05;
    };
    // A window just shown may not have drawn yet: its controls' pixels would
    // be another window's.
    WaitFor([&] {
        return GetUpdateRect(window, nullptr, FALSE) == FALSE &&
               std::none_of(texts.begin(), texts.end(), [](const Text& text) {
                   return GetUpdateRect(text.control, nullptr, FALSE) != FALSE;
               });
    });
    WaitFor([&] { return std::all_of(texts.begin(), texts.end(), legible); }, 3000);
    for (const Text& text : texts) {
        const auto [shown, contrast] = contrastOf(text);
        char said[160];
        std::snprintf(said, sizeof said,
                      "%s reads #%02X%02X%02X on #%02X%02X%02X at %.2f:1, wanted %.2f:1",
                      std::string(text.def->name).c_str(), RedOf(shown.ink), GreenOf(shown.ink),
                      BlueOf(shown.ink), RedOf(shown.fill), GreenOf(shown.fill), BlueOf(shown.fill),
                      contrast, text.wanted);
        std::printf("contrast: %s\n", said);
        Check(contrast >= text.wanted - 0.05, said);
    }
}

// Under the session's colour scheme, after a conversion from the Annual box:
// every text of the three windows stays legible, and the source figure's
// colour is told apart from the nets'.
void CheckSchemeContrast(const Program& program, HWND main) {
    CheckContrast(main, main_form::Form(), [](const ControlDef& def) {
        for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
            if (box.box == def.name) {
                return box.period == Period::Annual ? kBlue : kRed;
            }
        }
        return def.foreground;
    });
    const Shown source = ShownIn(MainControl(main, main_form::kPeriodControls[0].box));
    for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
        const Shown net = ShownIn(MainControl(main, box.box));
        const auto apart = [](Colour a, Colour b) {
            constexpr int kApart = 64;
            return std::abs(RedOf(a) - RedOf(b)) > kApart ||
                   std::abs(GreenOf(a) - GreenOf(b)) > kApart ||
                   std::abs(BlueOf(a) - BlueOf(b)) > kApart;
        };
        Check(box.period == Period::Annual || apart(source.ink, net.ink),
              std::string(box.box) + "'s net figure is told apart from the source figure");
    }
    const auto asDesigned = [](const ControlDef& def) { return def.foreground; };
    SetText(MainControl(main, "Text2"), "");
    SendMessageW(MainControl(main, "Command2"), BM_CLICK, 0, 0);
    if (HWND error = program.Window(Translate(error_form::kCaption), 5000)) {
        CheckContrast(error, error_form::Form(), asDesigned);
        SendMessageW(ControlAt(error, error_form::Form().controls, error_form::kOkButton), BM_CLICK,
                     0, 0);
    } else {
        Check(false, "a failed run shows the error dialog");
    }
    PostMessageW(main, WM_COMMAND, win32::kAboutItemId, 0);
    if (HWND about = program.Window(about_form::Caption(kApplicationTitle))) {
        CheckContrast(about, about_form::Form(), asDesigned);
        SendMessageW(ControlAt(about, about_form::Form().controls, about_form::kOkButton), BM_CLICK,
                     0, 0);
    } else {
        Check(false, "Help > About shows the About dialog");
    }
}

// A change of the system's colours or theme redraws every control. (Wine
// keeps a running program's system colours when another process changes
// them, so what can be seen is the redraw itself.) Each control is painted
// over from here, then the window hears of the change.
void CheckRedrawnOnColourChange(HWND main) {
    const auto scribbled = [](HWND control) {
        const std::vector<std::uint32_t> pixels = PixelsIn(control);
        constexpr std::uint32_t kMagenta = 0xFF00FF;  // in no scheme of the tests
        return std::find(pixels.begin(), pixels.end(), kMagenta) != pixels.end();
    };
    const std::pair<UINT, const char*> changes[] = {{WM_SYSCOLORCHANGE, "WM_SYSCOLORCHANGE"},
                                                    {WM_SETTINGCHANGE, "WM_SETTINGCHANGE"},
                                                    {WM_THEMECHANGED, "WM_THEMECHANGED"}};
    for (const auto& [message, name] : changes) {
        std::vector<std::pair<std::string_view, HWND>> controls;
        for (const ControlDef& def : main_form::Controls()) {
            HWND control = MainControl(main, def.name);
            RECT inside{};
            GetWindowRect(control, &inside);
            const HDC screen = GetDC(nullptr);
            const HBRUSH brush = CreateSolidBrush(RGB(0xFF, 0x00, 0xFF));
            FillRect(screen, &inside, brush);
            DeleteObject(brush);
            ReleaseDC(nullptr, screen);
            GdiFlush();
            if (scribbled(control)) {
                controls.emplace_back(def.name, control);
            }
        }
        if (controls.empty()) {
            std::printf("SKIPPED: %s: this system draws nothing over another program\n", name);
            continue;
        }
        SendMessageW(main, message, 0, 0);
        WaitFor(
            [&] {
                return std::none_of(controls.begin(), controls.end(),
                                    [&](const auto& c) { return scribbled(c.second); });
            },
            3000);
        for (const auto& [control, handle] : controls) {
            Check(!scribbled(handle), std::string(control) + " is redrawn on " + name);
        }
    }
}

RECT InkBounds(const RECT& r, POINT blank);

// The box shows its whole figure, or shows that it goes on: its last ink,
// an ellipsis wide, is dots on the baseline where a cut digit reaches up.
void CheckFigureShown(HWND box) {
    const std::wstring figure = TextOf(box);
    RECT client{};
    GetClientRect(box, &client);
    const int rightMargin = HIWORD(SendMessageW(box, EM_GETMARGINS, 0, 0));
    const int roomRight = client.right - rightMargin;
    // Where the text, as the box lays it out from its start, ends: its last
    // character's place and, above it, the widest advance of those before
    // (a digit's; no box tells where its text ends).
    const auto xOf = [box](std::size_t i) {
        return static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, i, 0)));
    };
    int widest = 0;
    for (std::size_t i = 1; i < figure.size(); ++i) {
        widest = std::max(widest, xOf(i) - xOf(i - 1));
    }
    const int endX = figure.empty() ? 0 : xOf(figure.size() - 1) + widest;
    RECT r = client;
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&r), 2);
    const POINT blank{r.left + 1, r.bottom - 2};
    const RECT ink = InkBounds(r, blank);
    const std::string what = std::string(Narrow(figure)) + " (its text ends at " +
                             std::to_string(endX) + ", its room at " + std::to_string(roomRight) +
                             ", its ink " + std::to_string(ink.left) + ".." +
                             std::to_string(ink.right) + ")";
    // The advances are whole pixels here: one more may be rounding.
    if (endX <= roomRight + 1) {
        Check(ink.right >= endX - 3 && ink.right <= roomRight + 1, "shown whole: " + what);
        return;
    }
    const int width = r.right - r.left;
    const std::vector<std::uint32_t> pixels = ScreenPixels(r);
    const std::uint32_t face =
        pixels[static_cast<std::size_t>(blank.y - r.top) * width + (blank.x - r.left)];
    const int dotsTop = ink.bottom - (ink.bottom - ink.top) / 3;
    bool dots = ink.right > ink.left;
    for (int y = ink.top; y < dotsTop; ++y) {
        for (int x = ink.right - (ink.bottom - ink.top) * 7 / 10; x < ink.right; ++x) {
            const std::uint32_t c = pixels[static_cast<std::size_t>(y) * width + x];
            int distance = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                distance += std::abs(static_cast<int>((c >> shift) & 0xFF) -
                                     static_cast<int>((face >> shift) & 0xFF));
            }
            dots = dots && distance <= 96;
        }
    }
    Check(dots, "shown cut with an ellipsis: " + what);
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
        // Salaries whose figures run to 9 and 14 characters.
        {Period::Annual, "1250000", "0"},
        {Period::Annual, "5200000", "0"},
        {Period::Annual, "520000000000", "0"},
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
            CheckFigureShown(MainControl(main, box.box));
        }
    }
}

// What a screen reader hears of every control before a conversion and
// after it, and that it is told of each box whose description changed.
void CheckHeardAcrossAConversion(HWND main, const NumberFormat& format) {
    // A control's colour in a window: a box's as the core leaves it.
    const auto colourIn = [](const MemoryWindow& window, const ControlDef& def) {
        for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
            if (box.box == def.name) {
                return window.BoxColour(box.period);
            }
        }
        return def.foreground;
    };
    MemoryWindow expected;  // as the window opens: Text1 blue, the others not
    const auto colourOf = [&](const ControlDef& def) { return colourIn(expected, def); };
    CheckHeard("before a conversion", main, main_form::Form(), colourOf);

    const MemoryWindow opening = expected;
    const Period source = Period::Hourly35;
    double factor = 1;
    expected.SetBoxText(source, "28");
    expected.SetTaxText("0");
    Recalculate(source, expected, factor, format);
    std::set<HWND> describedAnew;
    for (const AccessibleDef& def : main_form::Form().accessible) {
        const ControlDef* found = FindControl(main_form::Controls(), def.control);
        if (found == nullptr) {
            continue;  // the window itself, whose description never changes
        }
        const ControlDef& control = *found;
        if (DescriptionOf(def, colourIn(opening, control)) !=
            DescriptionOf(def, colourOf(control))) {
            describedAnew.insert(MainControl(main, def.control));
        }
    }
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    // What the run raised, collected before anything asks the program for
    // its objects: no hook stands while a cross-process call waits.
    std::set<HWND> changed;
    std::set<HWND> alerted;
    bool hooked = false;
    {
        test::WinEvents changes(process, EVENT_OBJECT_DESCRIPTIONCHANGE);
        test::WinEvents alerts(process, EVENT_SYSTEM_ALERT);
        const main_form::PeriodControls& period = main_form::kPeriodControls[IndexOf(source)];
        SetText(MainControl(main, period.box), "28");
        SetText(MainControl(main, main_form::kTaxEntry), "0");
        SendMessageW(MainControl(main, period.button), BM_CLICK, 0, 0);
        hooked = changes.Hooked();
        changed = changes.Collect(1000);
        alerted = alerts.Collect(0);
    }
    CheckHeard("after a conversion", main, main_form::Form(), colourOf);
    Check(hooked && changed == describedAnew,
          "screen readers hear of the " + std::to_string(describedAnew.size()) +
              " boxes whose description changed, and no others");

    // The run's result in words: a UI Automation notification where the
    // system has them, which Wine gives this driver no way to hear;
    // otherwise an alert, heard here.
    const win32::Module automation = win32::LoadSystemLibrary(L"uiautomationcore.dll");
    if (automation && GetProcAddress(automation.get(), "UiaRaiseNotificationEvent") != nullptr) {
        std::printf(
            "SKIPPED: the result is told by a UI Automation notification: not heard here\n");
        return;
    }
    const std::string told(Translate(main_form::kComputedAnnouncement));
    Check(alerted.size() == 1 && test::NameHeard(*alerted.begin()) == told,
          "screen readers are told \"" + told + "\" once when a period button has run");
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
        CheckFigureShown(box);
        // Under the pointer, its tooltip gives the whole figure.
        RECT r{};
        GetWindowRect(box, &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        // The program's tooltip standing on the screen now, or nullptr.
        const auto shownTip = [process] {
            HWND shown = nullptr;
            while ((shown = FindWindowExW(nullptr, shown, L"tooltips_class32", nullptr))) {
                DWORD owner = 0;
                GetWindowThreadProcessId(shown, &owner);
                if (owner == process && IsWindowVisible(shown)) {
                    return shown;
                }
            }
            return HWND{};
        };
        std::wstring tip;
        WaitFor(
            [&] {
                const HWND shown = shownTip();
                tip = shown != nullptr ? TextOf(shown) : std::wstring();
                return tip == TextOf(box);
            },
            5000);
        Check(tip == TextOf(box), std::string(name) + "'s tooltip says \"" + Narrow(tip) + "\"");
        // Gone with the pointer, or at once: later checks read the boxes' pixels.
        SetCursorPos(0, 0);
        if (!WaitFor([&] { return shownTip() == nullptr; }, 1000)) {
            SendMessageW(shownTip(), TTM_POP, 0, 0);
            WaitFor([&] { return shownTip() == nullptr; }, 1000);
        }
    }
}

void CheckLayout(HWND main) {
    const int dpi = DpiOf(main);
    RECT client{};
    GetClientRect(main, &client);
    Check(client.right == MulDiv(main_form::kClientWidth, dpi, 1440) &&
              client.bottom == MulDiv(main_form::kClientHeight, dpi, 1440),
          "client area " + std::to_string(client.right) + " x " + std::to_string(client.bottom) +
              " at " + std::to_string(dpi) + " DPI");
    RECT frame{};
    GetWindowRect(main, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    Check(frame.left >= work.left && frame.top >= work.top && frame.right <= work.right &&
              frame.bottom <= work.bottom,
          "the window stands inside the work area");
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
    const auto focused = [&] {
        const HWND focus = FocusIn(main);
        // The tax entry's focus is in the edit field inside its combo box.
        for (const ControlDef& def : main_form::Controls()) {
            HWND control = MainControl(main, def.name);
            if (focus != nullptr && (focus == control || GetParent(focus) == control)) {
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
        const HWND focus = FocusIn(main);
        const std::string before = focused();
        PostMessageW(focus, WM_KEYDOWN, VK_TAB, 0);
        PostMessageW(focus, WM_KEYUP, VK_TAB, 0xC0000001);
        WaitFor([&] { return focused() != before; }, 2000);
        walked.append(" ").append(focused());
        expected.append(" ").append(order[i]->name);
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
        list.append(i == 0 ? "" : " ").append(Narrow(entry));
    }
    Check(list == "0 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30", "the tax list: " + list);
}

// The bounds, relative to `r`, of the pixels in `r` that stand out from the
// colour at `blank` (a point of `r` where no text is drawn); empty if none.
RECT InkBounds(const RECT& r, POINT blank) {
    const int width = r.right - r.left;
    const std::vector<std::uint32_t> pixels = ScreenPixels(r);
    const std::uint32_t face =
        pixels[static_cast<std::size_t>(blank.y - r.top) * width + (blank.x - r.left)];
    const auto differs = [face](std::uint32_t c) {
        int distance = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            distance += std::abs(static_cast<int>((c >> shift) & 0xFF) -
                                 static_cast<int>((face >> shift) & 0xFF));
        }
        return distance > 96;  // anti-aliased fringes aside, the glyphs' own pixels
    };
    RECT ink{width, r.bottom - r.top, 0, 0};
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (differs(pixels[i])) {
            const int x = static_cast<int>(i % width);
            const int y = static_cast<int>(i / width);
            ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                   std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
        }
    }
    return ink.right > ink.left ? ink : RECT{};
}

// Every label's and button's text, as the control itself draws it, fits the
// room it has on the screen: nothing is cut off. With every other control
// hidden, each one is grown for a moment, so that it draws all of its text
// (a label wraps at its own width and grows downwards; a button grows around
// its centre, where its text stays), and the ink it draws then must lie
// inside its usual room: for a label its client area, for a button the
// inside of its frame.
void CheckTextFits(HWND window, std::span<const ControlDef> controls) {
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    struct Placed {
        HWND control;
        RECT rect;  // in the window's client coordinates
    };
    std::vector<Placed> shown;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
            shown.push_back({child, r});
        }
    }
    std::vector<std::pair<const ControlDef*, Placed>> measured;
    for (const ControlDef& def : controls) {
        if (def.kind == ControlKind::Label || def.kind == ControlKind::Button) {
            HWND control = ControlAt(window, controls, def.name);
            for (const Placed& placed : shown) {
                if (placed.control == control) {
                    measured.emplace_back(&def, placed);
                }
            }
        }
    }
    constexpr UINT kKeep = SWP_NOZORDER | SWP_NOACTIVATE;
    for (const Placed& placed : shown) {
        SetWindowPos(placed.control, nullptr, 0, 0, 0, 0,
                     kKeep | SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    }
    RECT client{};
    GetClientRect(window, &client);
    for (const auto& [def, placed] : measured) {
        const bool button = def->kind == ControlKind::Button;
        const RECT& r = placed.rect;
        const int width = r.right - r.left;
        const int height = r.bottom - r.top;
        const int wanted = height + MulDiv(40, dpi, 96);
        const int sideways = button ? std::min<int>(wanted, (client.right - width) / 2) : 0;
        const int upwards = button ? std::min<int>(wanted, (client.bottom - height) / 2) : 0;
        const int downwards = button ? upwards : std::min<int>(wanted, client.bottom - height);
        const int left = std::clamp<int>(r.left - sideways, 0, client.right - width - 2 * sideways);
        const int top =
            std::clamp<int>(r.top - upwards, 0, client.bottom - height - upwards - downwards);
        SetWindowPos(placed.control, nullptr, left, top, width + 2 * sideways,
                     height + upwards + downwards, kKeep | SWP_SHOWWINDOW);
        RedrawWindow(placed.control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT grown{};
        GetClientRect(placed.control, &grown);
        MapWindowPoints(placed.control, nullptr, reinterpret_cast<POINT*>(&grown), 2);
        // The usual client area, where it stands in the grown one.
        RECT room{sideways, upwards, grown.right - grown.left - sideways,
                  grown.bottom - grown.top - downwards};
        // A button's frame and focus rectangle take some pixels on each side.
        const int frame = button ? MulDiv(4, dpi, 96) : 0;
        InflateRect(&grown, -frame, -frame);
        InflateRect(&room, -frame, -frame);
        // Drawn anew once its ink has stayed the same for a tenth of a
        // second: two looks alike can both come before the control paints.
        RECT ink{};
        RECT before{-1, -1, -1, -1};
        int alike = 0;
        WaitFor(
            [&] {
                ink = InkBounds(grown, {grown.left, grown.bottom - 1});
                alike = ink.right > ink.left && EqualRect(&ink, &before) ? alike + 1 : 0;
                before = ink;
                return alike >= 5;
            },
            3000);
        OffsetRect(&ink, frame, frame);
        SetWindowPos(placed.control, nullptr, r.left, r.top, width, height, kKeep | SWP_HIDEWINDOW);
        // A label does not grow sideways: ink on its outermost column is cut
        // there, but a left-aligned one's text starts at its left edge.
        const bool fits = ink.right > ink.left && ink.top >= room.top &&
                          ink.bottom <= room.bottom &&
                          (button ? ink.left >= room.left && ink.right <= room.right
                                  : ink.right < room.right && (ink.left > 0 || !def->centred));
        Check(fits, std::string(def->name) + " holds its text at " + std::to_string(dpi) +
                        " DPI: its ink spans " + std::to_string(ink.left) + ".." +
                        std::to_string(ink.right) + " x " + std::to_string(ink.top) + ".." +
                        std::to_string(ink.bottom) + ", its room " + std::to_string(room.left) +
                        ".." + std::to_string(room.right) + " x " + std::to_string(room.top) +
                        ".." + std::to_string(room.bottom));
    }
    for (const Placed& placed : shown) {
        SetWindowPos(placed.control, nullptr, 0, 0, 0, 0,
                     kKeep | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// How many pixel rows the control's text covers: rows holding a pixel
// unlike the control's own background (its most common colour).
int InkRows(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    const int width = r.right - r.left - 6;  // PixelsIn leaves out 3 pixels each side
    const std::vector<std::uint32_t> pixels = PixelsIn(control);
    if (width <= 0 || pixels.empty()) {
        return 0;
    }
    std::map<std::uint32_t, int> counts;
    for (const std::uint32_t c : pixels) {
        ++counts[c];
    }
    const std::uint32_t background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    int first = -1;
    int last = -1;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != background) {
            const int row = static_cast<int>(i) / width;
            first = first < 0 ? row : first;
            last = row;
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// The window moves to a monitor of 144 DPI: the messages Windows sends then,
// the window's answer, and what the user sees after. Every control stands
// at its 144 DPI rectangle, and each label's and button's text is drawn
// anew in fonts half as big again.
void CheckDpiChange(const Program& program, HWND main) {
    std::vector<std::pair<std::string_view, int>> before;
    for (const ControlDef& def : main_form::Controls()) {
        if (def.kind == ControlKind::Label || def.kind == ControlKind::Button) {
            // The last controls may still be painting their first time.
            HWND control = MainControl(main, def.name);
            WaitFor([&] { return InkRows(control) > 0; }, 3000);
            before.emplace_back(def.name, InkRows(control));
        }
    }
    constexpr int kNewDpi = 144;
    RECT frame{};
    GetWindowRect(main, &frame);
    SIZE size{MulDiv(frame.right - frame.left, kNewDpi, 96),
              MulDiv(frame.bottom - frame.top, kNewDpi, 96)};
    const bool answered = program.SendPointing(main, WM_GETDPISCALEDSIZE, kNewDpi, size) != 0;
    Check(answered, "the window gives its size for the new DPI");
    // Where Windows would put it: on the new monitor, here the same one.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
    const POINT corner{monitor.rcWork.left, monitor.rcWork.top};
    RECT suggested{corner.x, corner.y, corner.x + size.cx, corner.y + size.cy};
    program.SendPointing(main, WM_DPICHANGED, MAKEWPARAM(kNewDpi, kNewDpi), suggested);
    changedDpi = kNewDpi;
    CheckLayout(main);
    for (const auto& [name, rows] : before) {
        HWND control = MainControl(main, name);
        // 1.5 times as high, give or take the rounding of a font's ascent.
        const auto grown = [&] { return InkRows(control) * 10 >= rows * 13; };
        WaitFor(grown, 3000);
        Check(rows > 0 && grown(), std::string(name) +
                                       "'s text is drawn anew at 144 DPI: " + std::to_string(rows) +
                                       " rows of ink, now " + std::to_string(InkRows(control)));
    }
}

void WriteRegistryText(HKEY root, const char* key, const char* name, const std::string& value) {
    HKEY opened = nullptr;
    RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr);
    RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
}

// The picture box shows the program's own icon on the dialog's face: as
// many pixels in the icon's own colours (the icon as this process draws it
// from Wagelyn.exe on that face) as the icon has, and the face in its
// see-through corner.
void CheckIconDrawn(HWND picture, const std::wstring& exe) {
    RECT box{};
    GetWindowRect(picture, &box);
    const HDC screen = GetDC(nullptr);
    const COLORREF face = GetPixel(screen, box.left - 2, box.top - 2);
    const bool cornerIsFace =
        WaitFor([&] { return GetPixel(screen, box.left + 1, box.top + 1) == face; }, 3000);
    std::set<COLORREF> own;
    int ownPixels = 0;
    const HMODULE module = LoadLibraryExW(
        exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP image = CreateCompatibleBitmap(screen, 32, 32);
    const HGDIOBJ previous = SelectObject(memory, image);
    const HBRUSH brush = CreateSolidBrush(face);
    const RECT all{0, 0, 32, 32};
    FillRect(memory, &all, brush);
    if (const auto icon =
            static_cast<HICON>(LoadImageW(module, L"IDI_ICON1", IMAGE_ICON, 32, 32, 0))) {
        DrawIconEx(memory, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
    }
    for (int i = 0; i < 32 * 32; ++i) {
        const COLORREF c = GetPixel(memory, i % 32, i / 32);
        ownPixels += c != face;
        if (c != face) {
            own.insert((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        }
    }
    DeleteObject(brush);
    SelectObject(memory, previous);
    DeleteObject(image);
    DeleteDC(memory);
    FreeLibrary(module);
    ReleaseDC(nullptr, screen);
    long shown = 0;
    WaitFor(
        [&] {
            const std::vector<std::uint32_t> pixels = PixelsIn(picture, 0);
            shown = std::count_if(pixels.begin(), pixels.end(),
                                  [&](std::uint32_t c) { return own.count(c) != 0; });
            return shown >= ownPixels * 9 / 10;
        },
        3000);
    Check(ownPixels > 200 && shown >= ownPixels * 9 / 10 && cornerIsFace,
          "the icon stands on the dialog's face: " + std::to_string(shown) + " of its " +
              std::to_string(ownPixels) + " pixels shown");
}

void CheckAboutAndSystemInfo(const Program& program, HWND main, const std::string& marker,
                             const std::wstring& exe) {
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
    // Escape closes it, as its cancel button (the error dialog has none).
    PressEscape(about);
    Check(WaitFor([&] { return program.Count(caption) == 0; }, 3000),
          "Escape closes the About dialog");
    PostMessageW(main, WM_COMMAND, win32::kAboutItemId, 0);
    about = program.Window(caption);
    if (about == nullptr) {
        return;
    }
    const auto aboutControl = [&](std::string_view name) {
        return ControlAt(about, about_form::Form().controls, name);
    };
    Check(TextOf(aboutControl(about_form::kTitleLabel)) == L"Wagelyn", "the title label");
    CheckHeard("the About dialog", about, about_form::Form(), DesignColour);
    CheckIconDrawn(aboutControl(about_form::kIcon), exe);
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
            said = said || Narrow(TextOf(child)) == Translate(kSysInfoUnavailable);
        }
        Check(said, "the message box says the tool is unavailable");
        Check(!IsWindowEnabled(main), "the message box is modal to the program");
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        Check(WaitFor([&] { return !IsWindow(box); }, 5000), "OK closes the message box");
    }
    Check(IsWindowVisible(about), "the About dialog stays open");
}

void CheckErrorsAndReset(const Program& program, HWND main) {
    const std::string caption(Translate(error_form::kCaption));
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
        CheckHeard("the error dialog", error, error_form::Form(), DesignColour);
        PressEscape(error);
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

// What a message box of the program says: all of its texts, its button's too.
std::string SaidIn(HWND box) {
    std::string said;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        said += Narrow(TextOf(child));
    }
    return said;
}

// What pressing Print did: what the message box it showed said, or nothing,
// and whether the window was seen disabled at some moment of the work.
struct PrintPress {
    std::string said;
    bool tookNoInput = false;
};

// Presses Print and waits until its work is done, watching the window.
PrintPress PressPrint(const Program& program, HWND main) {
    PostMessageW(MainControl(main, "Command15"), BM_CLICK, 0, 0);
    // Answered once the click's handler has returned, or while a message box waits.
    const KernelHandle answered(CreateThread(
        nullptr, 0,
        [](void* window) -> DWORD {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(static_cast<HWND>(window), WM_NULL, 0, 0, SMTO_NORMAL, 60000,
                                &ignored);
            return 0;
        },
        main, 0, nullptr));
    PrintPress press;
    while (answered && WaitForSingleObject(answered.get(), 1) == WAIT_TIMEOUT) {
        press.tookNoInput = press.tookNoInput || IsWindowEnabled(main) == FALSE;
    }
    if (HWND box = program.Window(kApplicationTitle, 1000)) {
        press.said = SaidIn(box);
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
    return press;
}

// A dialog as it stands while the main window is open.
struct OpenDialog {
    std::string caption;
    HWND window = nullptr;
    HWND ok = nullptr;
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

RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

OpenDialog Seen(const Program& program, std::string_view caption, const FormDef& form,
                std::string_view ok) {
    OpenDialog shown{std::string(caption)};
    shown.window = program.Window(caption, 5000);
    if (shown.window != nullptr) {
        shown.ok = ControlAt(shown.window, form.controls, ok);
        shown.client = ClientOnScreen(shown.window);
        shown.inTaskbar = InTaskbar(shown.window);
    }
    return shown;
}

// Out of the task bar while the main window is open; once it has closed,
// in it, so that the window that keeps the program cannot be lost, with
// its client area where and as large as it was.
void CheckTaskbarEntries(const std::vector<OpenDialog>& dialogs) {
    for (const OpenDialog& dialog : dialogs) {
        Check(dialog.window != nullptr && !dialog.inTaskbar,
              dialog.caption + " is out of the task bar beside the main window");
        if (dialog.window == nullptr) {
            continue;
        }
        Check(WaitFor([&] { return InTaskbar(dialog.window); }, 2000),
              dialog.caption + " enters the task bar once the main window has closed");
        const RECT client = ClientOnScreen(dialog.window);
        Check(EqualRect(&client, &dialog.client) != FALSE,
              dialog.caption + " keeps its client area in place");
    }
}

// The error dialog, shown by a failed run, and the About dialog, each
// checked by `check` and closed again.
void WithEachDialog(const Program& program, HWND main,
                    const std::function<void(HWND, const FormDef&, const std::string&)>& check) {
    SetText(MainControl(main, "Text2"), "");
    SendMessageW(MainControl(main, "Command2"), BM_CLICK, 0, 0);
    const std::string error(Translate(error_form::kCaption));
    if (HWND dialog = program.Window(error, 5000)) {
        check(dialog, error_form::Form(), error);
        SendMessageW(ControlAt(dialog, error_form::Form().controls, error_form::kOkButton),
                     BM_CLICK, 0, 0);
    } else {
        Check(false, "a failed run shows \"" + error + "\"");
    }
    PostMessageW(main, WM_COMMAND, win32::kAboutItemId, 0);
    const std::string about = about_form::Caption(kApplicationTitle);
    if (HWND dialog = program.Window(about, 5000)) {
        check(dialog, about_form::Form(), about);
        SendMessageW(ControlAt(dialog, about_form::Form().controls, about_form::kOkButton),
                     BM_CLICK, 0, 0);
    } else {
        Check(false, "Help > About shows \"" + about + "\"");
    }
}

// One language's row: every word the user meets, as shown and as screen
// readers hear it, in the catalogue's language; every text fitting its
// control; figures in the regional format, whatever the language.
void CheckLanguage(const Program& program, HWND main, const std::string& shots) {
    CheckWords(main, main_form::Form(), Translate(main_form::kCaption));
    CheckMenuBar(main, Translate(main_form::kHelpMenu));
    CheckTextFits(main, main_form::Controls());
    CheckHeardAcrossAConversion(main, ExpectedFormat("words"));
    CheckConversions(main, ExpectedFormat("words"));
    if (!shots.empty()) {
        SaveScreenshot(main, (shots + "-main.bmp").c_str());
    }
    const std::string printed = PressPrint(program, main).said;
    const std::string noPrinter = PrintReport(PrintResult::NoDefaultPrinter, {});
    Check(printed.find(noPrinter) != std::string::npos,
          "Print without a printer says \"" + noPrinter + "\": \"" + printed + "\"");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    WithEachDialog(program, main,
                   [&](HWND dialog, const FormDef& form, const std::string& caption) {
                       const bool about = &form == &about_form::Form();
                       std::map<std::string_view, std::string> loaded;
                       if (about) {
                           loaded[about_form::kTitleLabel] = kApplicationTitle;
                           loaded[about_form::kVersionLabel] = about_form::VersionLine();
                       }
                       CheckWords(dialog, form, caption, loaded);
                       CheckHeard(caption, dialog, form, DesignColour);
                       if (about && !shots.empty()) {
                           SaveScreenshot(dialog, (shots + "-about.bmp").c_str());
                       }
                       CheckTextFits(dialog, form.controls);
                       if (!about) {
                           return;
                       }
                       PostMessageW(ControlAt(dialog, form.controls, about_form::kSysInfoButton),
                                    BM_CLICK, 0, 0);
                       HWND box = program.Window(kApplicationTitle, 5000);
                       const std::string said = box != nullptr ? SaidIn(box) : std::string();
                       Check(said.find(Translate(kSysInfoUnavailable)) != std::string::npos,
                             "System Info without a tool says so: \"" + said + "\"");
                       if (box != nullptr) {
                           SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                           WaitFor([&] { return !IsWindow(box); }, 5000);
                       }
                   });
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::printf(
            "usage: drive_wagelyn WAGELYN.EXE MARKER.EXE "
            "english|german|dpi144|dpichange|print|start|contrast|planted "
            "[SHOT.bmp]\n"
            "       drive_wagelyn WAGELYN.EXE MARKER.EXE words|fit LANGUAGE [SHOTS]\n"
            "       drive_wagelyn WAGELYN.EXE MARKER.EXE languages\n");
        return 2;
    }
    // Physical pixels, as the program sees them, at any DPI.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // to read screen readers' objects
    const std::string mode = Narrow(argv[3]);
    if (mode == "languages") {
        std::printf("en\n");
        for (const EmbeddedCatalogue& catalogue : EmbeddedCatalogues()) {
            std::printf("%s\n", std::string(catalogue.language).c_str());
        }
        return 0;
    }
    // The words expected: the program chooses its catalogue from the same list.
    const std::string_view chosen = UseLanguage(platform::PreferredLanguages());
    const Program program(argv[1]);
    HWND main = program.Window(Translate(main_form::kCaption));
    Check(main != nullptr, "the main window appears");
    if (main == nullptr) {
        return 1;
    }
    if (mode == "words" || mode == "fit") {
        const std::string language = argc > 4 ? Narrow(argv[4]) : "";
        Check(chosen == (language == "en" ? "" : language),
              "the system's preferred language gives the catalogue \"" + language + "\", not \"" +
                  std::string(chosen) + "\"");
        if (mode == "words") {
            CheckLanguage(program, main, argc > 5 ? Narrow(argv[5]) : "");
        } else {
            CheckTextFits(main, main_form::Controls());
            WithEachDialog(program, main, [](HWND dialog, const FormDef& form, const std::string&) {
                CheckTextFits(dialog, form.controls);
            });
        }
        SendMessageW(MainControl(main, "Command14"), BM_CLICK, 0, 0);
        Check(program.Ended(10000), "Quit ends the program");
        std::printf("%s %s: %d failed\n", mode.c_str(), language.c_str(), failures);
        return failures == 0 ? 0 : 1;
    }
    if (mode == "planted") {
        CheckHeard("at start", main, main_form::Form(),
                   DesignColour);   // loads the readers' libraries
        PressPrint(program, main);  // whatever it says: what it loads counts
        CheckAboutAndSystemInfo(program, main, Narrow(argv[2]), argv[1]);
        SendMessageW(MainControl(main, "Command14"), BM_CLICK, 0, 0);
        if (HWND about = program.Window(about_form::Caption(kApplicationTitle), 2000)) {
            SendMessageW(ControlAt(about, about_form::Form().controls, about_form::kOkButton),
                         BM_CLICK, 0, 0);
        }
        Check(program.Ended(10000), "the process ends with its last window");
        std::printf("%s: %d failed\n", mode.c_str(), failures);
        return failures == 0 ? 0 : 1;
    }
    if (mode == "start") {
        SendMessageW(MainControl(main, "Command14"), BM_CLICK, 0, 0);
        Check(program.Ended(10000), "Quit ends the program");
        std::printf("%s: %d failed\n", mode.c_str(), failures);
        return failures == 0 ? 0 : 1;
    }
    if (mode == "contrast") {
        CheckConversions(main, ExpectedFormat(mode));
        if (argc > 4) {
            SaveScreenshot(main, Narrow(argv[4]).c_str());
        }
        CheckSchemeContrast(program, main);
        CheckRedrawnOnColourChange(main);
        std::printf("%s: %d failed\n", mode.c_str(), failures);
        return failures == 0 ? 0 : 1;
    }
    const int dpi = static_cast<int>(GetDpiForWindow(main));
    Check(dpi == (mode == "dpi144" ? 144 : 96),
          "the window runs at " + std::to_string(dpi) + " DPI");
    Check(TextOf(MainControl(main, main_form::kTaxEntry)) == L"0",
          "the tax entry reads 0 at start");
    CheckLayout(main);
    if (mode == "dpichange") {
        CheckDpiChange(program, main);
        std::printf("%s: %d failed\n", mode.c_str(), failures);
        return failures == 0 ? 0 : 1;
    }
    CheckKeyboard(main);
    CheckWords(main, main_form::Form(), Translate(main_form::kCaption));
    CheckTextFits(main, main_form::Controls());
    CheckHeardAcrossAConversion(main, ExpectedFormat(mode));
    CheckConversions(main, ExpectedFormat(mode));
    if (argc > 4) {
        SaveScreenshot(main, Narrow(argv[4]).c_str());
    }
    if (mode == "print") {
        const PrintPress press = PressPrint(program, main);
        Check(press.said.empty(), "Print prints without a word: \"" + press.said + "\"");
        Check(press.tookNoInput, "the window takes no input while the page is made");
        // The click gave Print the focus before the work began.
        const HWND print = MainControl(main, "Command15");
        Check(
            IsWindowEnabled(main) != FALSE && WaitFor([&] { return FocusIn(main) == print; }, 2000),
            "then it takes input again, with the focus back on Print");
    }
    if (mode == "english") {
        const std::string said = PressPrint(program, main).said;
        Check(said.find(PrintReport(PrintResult::NoDefaultPrinter, {})) != std::string::npos,
              "Print without a printer says so: \"" + said + "\"");
        CheckLeadingDigits(main);
        CheckErrorsAndReset(program, main);
        CheckAboutAndSystemInfo(program, main, Narrow(argv[2]), argv[1]);
        // Quit closes the main window only: the open dialogs keep the
        // process until they, too, are closed, and enter the task bar.
        SetText(MainControl(main, "Text2"), "");
        SendMessageW(MainControl(main, "Command2"), BM_CLICK, 0, 0);
        const std::vector<OpenDialog> dialogs = {
            Seen(program, Translate(error_form::kCaption), error_form::Form(),
                 error_form::kOkButton),
            Seen(program, about_form::Caption(kApplicationTitle), about_form::Form(),
                 about_form::kOkButton)};
        SendMessageW(MainControl(main, "Command14"), BM_CLICK, 0, 0);
        Check(!IsWindow(main) && !program.Ended(500), "Quit closes the main window only");
        CheckTaskbarEntries(dialogs);
        HWND about = program.Window(about_form::Caption(kApplicationTitle), 2000);
        if (about != nullptr) {
            CheckTextFits(about, about_form::Form().controls);
        }
        for (const OpenDialog& dialog : dialogs) {
            SendMessageW(dialog.ok, BM_CLICK, 0, 0);
        }
        Check(program.Ended(10000), "the process ends with its last window");
    }
    std::printf("%s: %d failed\n", mode.c_str(), failures);
    return failures == 0 ? 0 : 1;
}
