// Where a form's window and controls stand, in pixels at the window's DPI,
// and the lines drawn between them.
#include <algorithm>

#include "ui/win32/form_window.h"

namespace wagelyn::win32 {

// Per-monitor DPI changes are handled here, not by the dialog manager's own
// rescaling of template dialogs. The call is looked up, not imported, so
// that the program still starts where it is missing.
void FormWindow::TakeOverDpiScaling() {
    const HMODULE user = GetModuleHandleW(L"user32.dll");
    using DialogBehaviour = BOOL(WINAPI*)(HWND, int, int);
    if (auto set = reinterpret_cast<DialogBehaviour>(
            reinterpret_cast<void*>(GetProcAddress(user, "SetDialogDpiChangeBehavior")))) {
        constexpr int kDisableAll = 1;
        set(window_, kDisableAll, kDisableAll);
    }
}

void FormWindow::Layout() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlDef& def = form_.controls[i];
        int height = Scaled(def.height);
        if (def.kind == ControlKind::ComboBox) {
            // A drop-down combo box is as high as its field and its open list.
            height += Scaled(16 * 240);
        }
        SetWindowPos(controls_[i], nullptr, Scaled(def.left), Scaled(def.top), Scaled(def.width),
                     height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FormWindow::PlaceWindow(const RECT* suggested) {
    RECT frame{0, 0, Scaled(form_.clientWidth), Scaled(form_.clientHeight)};
    AdjustWindowRectExForDpi(&frame, style_, GetMenu(window_) != nullptr, extendedStyle_,
                             static_cast<UINT>(dpi_));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    int x = 0;
    int y = 0;
    if (suggested != nullptr) {
        x = suggested->left;
        y = suggested->top;
    } else if (form_.placedBySystem) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        x = monitor.rcWork.left +
            std::max(0L, (monitor.rcWork.right - monitor.rcWork.left - width) / 2);
        y = monitor.rcWork.top +
            std::max(0L, (monitor.rcWork.bottom - monitor.rcWork.top - height) / 2);
    } else {
        // The client area's corner, not the frame's, stands at the given place.
        x = Scaled(form_.clientLeft) + frame.left;
        y = Scaled(form_.clientTop) + frame.top;
    }
    SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps makes the client area lower than asked: add it.
    RECT client{};
    GetClientRect(window_, &client);
    if (client.bottom < Scaled(form_.clientHeight)) {
        SetWindowPos(window_, nullptr, 0, 0, width,
                     height + Scaled(form_.clientHeight) - client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

void FormWindow::PaintLines(HDC dc) {
    for (const LineDef& line : form_.lines) {
        const COLORREF colour =
            line.colour == kSystemColour ? GetSysColor(COLOR_WINDOWTEXT) : line.colour;
        // Whole pixels, as the design counts them: a line w pixels wide
        // covers the pixels from its coordinate - (w - 1) / 2 on.
        const int width = std::max(1, MulDiv(line.widthPixels, dpi_, USER_DEFAULT_SCREEN_DPI));
        const int before = (width - 1) / 2;
        const int x1 = Scaled(std::min(line.x1, line.x2)) - before;
        const int y1 = Scaled(std::min(line.y1, line.y2)) - before;
        const int x2 = Scaled(std::max(line.x1, line.x2)) + width - before;
        const int y2 = Scaled(std::max(line.y1, line.y2)) + width - before;
        const RECT area{x1, y1, line.y1 == line.y2 ? x2 : x1 + width,
                        line.x1 == line.x2 ? y2 : y1 + width};
        FillRect(dc, &area, BrushFor(colour));
    }
}

}  // namespace wagelyn::win32
