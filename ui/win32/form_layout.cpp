// Where a form's window and controls stand, in pixels at the window's DPI,
// and the lines drawn between them.
#include <algorithm>

#include "ui/win32/form_window.h"

namespace wagelyn::win32 {

// Per-monitor DPI changes are handled here, not by the dialog manager's own
// rescaling of template dialogs. The call is looked up at run time: Windows
// 10 before version 1703 and Wine lack it, and neither rescales dialogs.
void FormWindow::TakeOverDpiScaling() {
    const HMODULE user = GetModuleHandleW(L"user32.dll");
    using DialogBehaviour = BOOL(WINAPI*)(HWND, int, int);
    if (auto set = reinterpret_cast<DialogBehaviour>(
            reinterpret_cast<void*>(GetProcAddress(user, "SetDialogDpiChangeBehavior")))) {
        constexpr int kDisableAll = 1;
        set(window_, kDisableAll, kDisableAll);
    }
}

RECT FormWindow::PlaceOf(const ControlDef& def) const {
    int height = Scaled(def.height);
    if (def.kind == ControlKind::ComboBox) {
        // A drop-down combo box is as high as its field and its open list.
        height += Scaled(16 * 240);
    }
    const int left = Scaled(def.left);
    const int top = Scaled(def.top);
    return {left, top, left + Scaled(def.width), top + height};
}

void FormWindow::Layout() {
    constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    HDWP moves = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    for (std::size_t i = 0; i < controls_.size() && moves != nullptr; ++i) {
        const RECT r = PlaceOf(form_.controls[i]);
        moves = DeferWindowPos(moves, controls_[i], nullptr, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, kFlags);
    }
    if (moves != nullptr && EndDeferWindowPos(moves)) {
        return;
    }
    // A DeferWindowPos that fails drops every move queued before it: each
    // control is moved on its own instead.
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const RECT r = PlaceOf(form_.controls[i]);
        SetWindowPos(controls_[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     kFlags);
    }
}

SIZE FormWindow::FrameSize(int dpi) const {
    RECT frame{0, 0, MulDiv(form_.clientWidth, dpi, 1440), MulDiv(form_.clientHeight, dpi, 1440)};
    AdjustWindowRectExForDpi(&frame, style_, GetMenu(window_) != nullptr, extendedStyle_,
                             static_cast<UINT>(dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// Asked before a DPI change: the frame that holds the client area at the
// new DPI, so that the rectangle the system then suggests is exactly it.
bool FormWindow::ScaledSize(int dpi, SIZE& size) const {
    size = FrameSize(dpi);
    return true;
}

void FormWindow::OnDpiChanged(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    MakeFonts();
    MakeIcons();
    Layout();
    RefitFigureBoxes();
    SIZE size = FrameSize(dpi_);
    POINT corner{};
    if (suggested != nullptr) {
        size = {suggested->right - suggested->left, suggested->bottom - suggested->top};
        corner = {suggested->left, suggested->top};
    } else {
        RECT now{};
        GetWindowRect(window_, &now);
        corner = {now.left, now.top};
    }
    SetWindowPos(window_, nullptr, corner.x, corner.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FitClientArea();
    // Every child, not only the window: each control draws itself anew in
    // its new font.
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The monitor the user is working on: the foreground window's (the one the
// program was started from), else the pointer's.
HMONITOR FormWindow::StartingMonitor() const {
    const HWND foreground = GetForegroundWindow();
    if (foreground != nullptr && foreground != window_) {
        if (const HMONITOR on = MonitorFromWindow(foreground, MONITOR_DEFAULTTONULL)) {
            return on;
        }
    }
    POINT pointer{};
    if (GetCursorPos(&pointer)) {
        return MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
    }
    return MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY);
}

// At start: centred in the work area of the monitor the user works on, or
// at the form's place; either way inside the work area, clear of the task
// bar.
void FormWindow::PlaceAtStart() {
    RECT frame{0, 0, Scaled(form_.clientWidth), Scaled(form_.clientHeight)};
    AdjustWindowRectExForDpi(&frame, style_, GetMenu(window_) != nullptr, extendedStyle_,
                             static_cast<UINT>(dpi_));
    const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    // The client area's corner, not the frame's, stands at the form's place.
    POINT corner{Scaled(form_.clientLeft) + frame.left, Scaled(form_.clientTop) + frame.top};
    const RECT wanted{corner.x, corner.y, corner.x + size.cx, corner.y + size.cy};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const HMONITOR on = form_.placedBySystem ? StartingMonitor()
                                             : MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST);
    if (GetMonitorInfoW(on, &monitor)) {
        const RECT& work = monitor.rcWork;
        if (form_.placedBySystem) {
            corner = {work.left + (work.right - work.left - size.cx) / 2,
                      work.top + (work.bottom - work.top - size.cy) / 2};
        }
        // Too big a window keeps its caption on the screen.
        corner.x = std::max(work.left, std::min(corner.x, work.right - size.cx));
        corner.y = std::max(work.top, std::min(corner.y, work.bottom - size.cy));
    }
    SetWindowPos(window_, nullptr, corner.x, corner.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FitClientArea();
}

// The client area is made exactly the form's size: a menu bar that wraps
// makes it lower than asked, and a frame drawn at another DPI than the one
// it was reckoned for (Wine draws every frame at the system's) makes it
// bigger or smaller.
void FormWindow::FitClientArea() {
    RECT client{};
    GetClientRect(window_, &client);
    const int wider = Scaled(form_.clientWidth) - client.right;
    const int higher = Scaled(form_.clientHeight) - client.bottom;
    if (wider != 0 || higher != 0) {
        RECT now{};
        GetWindowRect(window_, &now);
        SetWindowPos(window_, nullptr, 0, 0, now.right - now.left + wider,
                     now.bottom - now.top + higher, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

void FormWindow::PaintLines(HDC dc) {
    for (const LineDef& line : form_.lines) {
        const COLORREF colour = colours_.ForLine(line, form_.background);
        const int width = std::max(1, MulDiv(line.widthPixels, dpi_, USER_DEFAULT_SCREEN_DPI));
        const LineCover cover = CoverOf(
            line, [this](int twips) { return Scaled(twips); }, width);
        const RECT area{cover.left, cover.top, cover.left + cover.width, cover.top + cover.height};
        FillRect(dc, &area, BrushFor(colour));
    }
}

}  // namespace wagelyn::win32
