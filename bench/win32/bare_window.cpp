// The floors on Windows: the least a Win32 program does to show a window of
// Wagelyn's size and background. With the argument "controls" it also shows
// the main window's 33 standard controls at their places, written plainly
// (one CreateWindowEx and one font each, no logic), so that what any window
// with such controls pays can be told apart. Wagelyn.exe's start-up is
// measured against both.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>

#include "ui/forms/main_form.h"

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void AddControls(HWND window) {
    for (const wagelyn::ControlDef& def : wagelyn::main_form::Controls()) {
        const wchar_t* kind = def.kind == wagelyn::ControlKind::TextBox    ? L"EDIT"
                              : def.kind == wagelyn::ControlKind::Button   ? L"BUTTON"
                              : def.kind == wagelyn::ControlKind::ComboBox ? L"COMBOBOX"
                                                                           : L"STATIC";
        wchar_t text[512] = {};
        MultiByteToWideChar(CP_UTF8, 0, def.text.data(), static_cast<int>(def.text.size()), text,
                            511);
        const auto scaled = [](int twips) { return MulDiv(twips, 96, 1440); };
        const HWND control = CreateWindowExW(
            0, kind, text,
            WS_CHILD | WS_VISIBLE | (def.kind == wagelyn::ControlKind::ComboBox ? CBS_DROPDOWN : 0),
            scaled(def.left), scaled(def.top), scaled(def.width), scaled(def.height), window,
            nullptr, nullptr, nullptr);
        const double points = def.font.points > 0 ? def.font.points : 8.25;
        SendMessageW(
            control, WM_SETFONT,
            reinterpret_cast<WPARAM>(CreateFontW(-static_cast<int>(points * 96 / 72), 0, 0, 0,
                                                 def.font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                                 FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma")),
            FALSE);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR command, int /*show*/) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = CreateSolidBrush(RGB(128, 128, 255));
    windowClass.lpszClassName = L"floor";
    RegisterClassW(&windowClass);
    RECT frame{0, 0, 595, 537};
    AdjustWindowRect(&frame, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE);
    HWND window = CreateWindowW(L"floor", L"floor", WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 100,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
    if (std::wcscmp(command, L"controls") == 0) {
        AddControls(window);
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
