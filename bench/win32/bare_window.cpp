// The floors on Windows: the least a Win32 program does to show a window of
// Wagelyn's size and background. With the argument "controls" it shows all
// that Wagelyn's main window has: the Help menu, the icon, the 33 standard
// controls at their places (each made in one CreateWindowEx with its text,
// then given its font), their colours, tab stops and the keyboard's dialog
// navigation, the tax list and the five lines; written plainly, with none of
// Wagelyn's logic (no face look-up, no shared dialog class, no bindings).
// Wagelyn.exe's start-up is measured against both.
#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <cwchar>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/forms/main_form.h"
#include "ui/forms/tab_order.h"

namespace {

using wagelyn::ControlDef;
using wagelyn::ControlKind;
using wagelyn::kSystemColour;

constexpr COLORREF kFormFace = wagelyn::main_form::kBackground;

// Each control's background brush, by its identifier (its place in the
// table, from 1).
std::vector<HBRUSH> brushes;

COLORREF Background(const ControlDef& def) {
    if (def.background != kSystemColour) {
        return def.background;
    }
    const bool field = def.kind == ControlKind::TextBox || def.kind == ControlKind::ComboBox;
    return GetSysColor(field ? COLOR_WINDOW : COLOR_BTNFACE);
}

LRESULT Colour(HDC dc, HWND control, HWND window) {
    if (GetParent(control) != window) {
        control = GetParent(control);  // a combo box's own field
    }
    const auto controls = wagelyn::main_form::Controls();
    const int id = GetDlgCtrlID(control);
    if (id < 1 || static_cast<std::size_t>(id) > controls.size()) {
        return 0;
    }
    const ControlDef& def = controls[static_cast<std::size_t>(id - 1)];
    const bool field = def.kind == ControlKind::TextBox || def.kind == ControlKind::ComboBox;
    SetTextColor(dc, def.foreground != kSystemColour
                         ? def.foreground
                         : GetSysColor(field ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(dc, Background(def));
    return reinterpret_cast<LRESULT>(brushes[static_cast<std::size_t>(id - 1)]);
}

void PaintLines(HWND window) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window, &paint);
    for (const wagelyn::LineDef& line : wagelyn::main_form::Lines()) {
        // Three pixels wide, centred on the line.
        const int x1 = MulDiv(line.x1, 96, 1440) - 1;
        const int y1 = MulDiv(line.y1, 96, 1440) - 1;
        const int x2 = MulDiv(line.x2, 96, 1440) + 2;
        const int y2 = MulDiv(line.y2, 96, 1440) + 2;
        const RECT area{x1, y1, line.y1 == line.y2 ? x2 : x1 + 3, line.x1 == line.x2 ? y2 : y1 + 3};
        FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            if (!brushes.empty()) {
                return Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                              window);
            }
            break;
        case WM_PAINT:
            if (!brushes.empty()) {
                PaintLines(window);
                return 0;
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HFONT FontFor(const wagelyn::FontDef& def) {
    const bool form = def.face == wagelyn::Face::FormDefault;
    const double points = form ? 8.25 : def.points;
    // The faces Wine gives for the design's: Tahoma for MS Sans Serif.
    const wchar_t* face = def.face == wagelyn::Face::Arial ? L"Arial" : L"Tahoma";
    return CreateFontW(-MulDiv(static_cast<int>(std::lround(points * 100)), 96, 7200), 0, 0, 0,
                       def.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, face);
}

void AddControls(HWND window) {
    const auto controls = wagelyn::main_form::Controls();
    for (const ControlDef& def : controls) {
        brushes.push_back(CreateSolidBrush(Background(def)));
    }
    HWND tax = nullptr;
    for (std::size_t i : wagelyn::TabOrder(controls)) {
        const ControlDef& def = controls[i];
        const wchar_t* kind = L"STATIC";
        DWORD style =
            SS_NOPREFIX | (def.centred ? SS_CENTER : SS_LEFT) | (def.bordered ? WS_BORDER : 0);
        DWORD extended = 0;
        int height = MulDiv(def.height, 96, 1440);
        if (def.kind == ControlKind::TextBox) {
            kind = L"EDIT";
            style = WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
            extended = WS_EX_CLIENTEDGE;
        } else if (def.kind == ControlKind::ComboBox) {
            kind = L"COMBOBOX";
            style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
            height += 16 * 16;  // the open list
        } else if (def.kind == ControlKind::Button) {
            kind = L"BUTTON";
            style = WS_TABSTOP | BS_PUSHBUTTON;
        }
        wchar_t text[512] = {};
        MultiByteToWideChar(CP_UTF8, 0, def.text.data(), static_cast<int>(def.text.size()), text,
                            511);
        const HWND control = CreateWindowExW(
            extended, kind, text, WS_CHILD | WS_VISIBLE | style, MulDiv(def.left, 96, 1440),
            MulDiv(def.top, 96, 1440), MulDiv(def.width, 96, 1440), height, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), nullptr, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(def.font)), FALSE);
        if (def.kind == ControlKind::ComboBox) {
            tax = control;
        }
    }
    for (std::string_view entry : wagelyn::main_form::kTaxList) {
        wchar_t text[8] = {};
        MultiByteToWideChar(CP_UTF8, 0, entry.data(), static_cast<int>(entry.size()), text, 7);
        SendMessageW(tax, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SetWindowTextW(tax, L"0");
    // The focus in the Annual box, as Wagelyn opens.
    const ControlDef* annual = wagelyn::FindControl(controls, "Text1");
    SetFocus(GetDlgItem(window, static_cast<int>(annual - controls.data()) + 1));
}

HMENU HelpMenu() {
    const HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, 900, L"About the program");
    const HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"Help");
    return bar;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR command, int /*show*/) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const bool full = std::wcscmp(command, L"controls") == 0;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = CreateSolidBrush(kFormFace);
    windowClass.lpszClassName = L"floor";
    RegisterClassW(&windowClass);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | (full ? WS_CLIPCHILDREN : 0);
    const HMENU menu = full ? HelpMenu() : nullptr;
    RECT frame{0, 0, 595, 537};
    AdjustWindowRectEx(&frame, style, menu != nullptr, WS_EX_CONTROLPARENT);
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, L"floor", L"floor", style, 100, 100,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, menu,
                                  instance, nullptr);
    if (full) {
        for (const auto& [kind, metric] :
             {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
            const int size = GetSystemMetrics(metric);
            SendMessageW(window, WM_SETICON, kind,
                         reinterpret_cast<LPARAM>(
                             LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, size, size, 0)));
        }
        AddControls(window);
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (full && IsDialogMessageW(window, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
