#include "ui/win32/form_window.h"

#include <commctrl.h>

#include <optional>
#include <set>

#include "i18n/translation.h"
#include "ui/forms/tab_order.h"
#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

// The program's windows that are open: each is counted once it is wholly
// made and let go as it goes, so a window that failed half-way neither
// counts nor, going, ends the process.
std::set<HWND>& OpenSet() {
    static std::set<HWND> windows;
    return windows;
}
void (*whenAllClosed)() = nullptr;

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass ClassFor(const ControlDef& def) {
    switch (def.kind) {
        case ControlKind::Label: {
            DWORD style = SS_NOPREFIX | (def.centred ? SS_CENTER : SS_LEFT);
            return {WC_STATICW, style | (def.bordered ? WS_BORDER : 0), 0};
        }
        case ControlKind::TextBox:
            return {WC_EDITW, WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox:
            return {WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
        case ControlKind::Button:
            return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::Picture:
            return {WC_STATICW, SS_ICON | SS_REALSIZEIMAGE, 0};
    }
    return {WC_STATICW, 0, 0};
}

// The system dialog template: no controls, no font; the controls come from
// the form. It must start on a DWORD boundary.
struct alignas(DWORD) EmptyDialog {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

}  // namespace

FormWindow::FormWindow(const FormDef& form) : form_(form) {}

FormWindow::~FormWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

void FormWindow::WhenAllClosed(void (*callback)()) {
    whenAllClosed = callback;
}

HWND FormWindow::Control(std::string_view name) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (form_.controls[i].name == name) {
            return controls_[i];
        }
    }
    return nullptr;
}

bool FormWindow::Create(Frame frame) {
    style_ = frame.style;
    extendedStyle_ = frame.extendedStyle;
    EmptyDialog dialog{};
    dialog.header.style = style_;
    dialog.header.dwExtendedStyle = extendedStyle_;
    if (CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.header, nullptr, DialogProc,
                                   reinterpret_cast<LPARAM>(this)) == nullptr ||
        window_ == nullptr) {
        return false;  // the menu goes with the frame
    }
    TakeOverDpiScaling();
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
    SetWindowTextW(window_, frame.caption.c_str());
    if (frame.menu && SetMenu(window_, frame.menu.get())) {
        frame.menu.release();  // the window's now: destroyed with it
    }
    MakeFonts();
    MakeIcons();
    if (!CreateControls()) {
        // Gone without a word to the object, which is still being built.
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(window_);
        window_ = nullptr;
        return false;
    }
    screenReader_.Attach(form_, window_, controls_);
    PlaceAtStart();
    OpenSet().insert(window_);
    return true;
}

void FormWindow::ShowInFront(HWND focus) {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    if (focus != nullptr) {
        SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
    }
}

std::string_view FormWindow::ControlName(int id) const {
    const int index = id - kFirstControlId;
    return index >= 0 && static_cast<std::size_t>(index) < controls_.size()
               ? form_.controls[static_cast<std::size_t>(index)].name
               : std::string_view{};
}

std::optional<std::size_t> FormWindow::TableIndex(HWND control) const {
    const int index = GetDlgCtrlID(control) - kFirstControlId;
    if (index < 0 || static_cast<std::size_t>(index) >= controls_.size() ||
        controls_[static_cast<std::size_t>(index)] != control) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

bool FormWindow::OnCommand(int /*id*/, int /*notification*/) {
    return false;
}

// Each control is made at its place, with its font and picture, in one
// pass: moving and re-fonting them after costs start-up time.
bool FormWindow::CreateControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    controls_.assign(form_.controls.size(), nullptr);
    textColours_.clear();
    for (const ControlDef& def : form_.controls) {
        textColours_.push_back(def.foreground);
    }
    // Created in tab order: the dialog manager moves the focus in the order
    // the controls stand in, first to last.
    for (std::size_t i : TabOrder(form_.controls)) {
        const ControlDef& def = form_.controls[i];
        const ControlClass kind = ClassFor(def);
        const std::wstring text =
            def.kind == ControlKind::Picture ? L"" : Widen(Translate(def.text));
        const RECT place = PlaceOf(def);
        controls_[i] = CreateWindowExW(
            kind.extendedStyle, kind.name, text.c_str(), WS_CHILD | WS_VISIBLE | kind.style,
            place.left, place.top, place.right - place.left, place.bottom - place.top, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance, nullptr);
        if (controls_[i] == nullptr) {
            return false;
        }
        // Not yet shown: drawn for the first time with this font.
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont(i)), FALSE);
        if (def.kind == ControlKind::TextBox) {
            SendMessageW(controls_[i], EM_SETLIMITTEXT, 0, 0);  // no length limit
        } else if (def.kind == ControlKind::Picture) {
            SendMessageW(controls_[i], STM_SETICON, reinterpret_cast<WPARAM>(pictureIcon_.get()),
                         0);
        }
    }
    return true;
}

INT_PTR CALLBACK FormWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<FormWindow*>(lParam);
        self->window_ = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return FALSE;  // the focus is set when the window is shown
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (message == WM_NCDESTROY) {
        const bool wasOpen = OpenSet().erase(window) > 0;
        if (self != nullptr) {
            self->window_ = nullptr;
            self->OnDestroyed();
        }
        if (wasOpen && OpenSet().empty() && whenAllClosed != nullptr) {
            whenAllClosed();
        }
        return FALSE;
    }
    return self == nullptr ? FALSE : self->HandleMessage(message, wParam, lParam);
}

INT_PTR FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<INT_PTR>(
                ColourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(BrushFor(FormFace()));
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            const HDC dc = BeginPaint(window_, &paint);
            PaintLines(dc);
            EndPaint(window_, &paint);
            return TRUE;
        }
        case WM_COMMAND: {
            // A figure box's figure is fitted once the user leaves it, and
            // whenever it changes while the user is elsewhere (written by a
            // conversion or by another program).
            auto* control = reinterpret_cast<HWND>(lParam);
            const int notification = HIWORD(wParam);
            if (notification == EN_KILLFOCUS ||
                (notification == EN_CHANGE && GetFocus() != control)) {
                if (const auto index = TableIndex(control);
                    index && form_.controls[*index].kind == ControlKind::TextBox) {
                    FitFigureBox(*index);
                }
            }
            return OnCommand(LOWORD(wParam), notification) ? TRUE : FALSE;
        }
        case WM_CLOSE:
            // The close box closes; Escape (IDCANCEL) is each window's own affair.
            DestroyWindow(window_);
            return TRUE;
        case WM_GETDPISCALEDSIZE: {
            // A dialog procedure's answer travels in DWLP_MSGRESULT.
            const BOOL answered =
                ScaledSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, answered);
            return answered;
        }
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED:
            colours_.Refresh();
            brushes_.clear();
            RedrawAfterColourChange(window_, message, wParam, lParam);
            return FALSE;
        default:
            return FALSE;
    }
}

void FormWindow::EnterTaskbar() {
    if (window_ == nullptr || (extendedStyle_ & WS_EX_APPWINDOW) != 0) {
        return;
    }
    POINT corner{0, 0};
    ClientToScreen(window_, &corner);
    RECT client{};
    GetClientRect(window_, &client);
    // The task bar reads a window's style when the window is shown.
    const bool visible = IsWindowVisible(window_) != FALSE;
    ShowWindow(window_, SW_HIDE);
    extendedStyle_ = (extendedStyle_ & ~static_cast<DWORD>(WS_EX_TOOLWINDOW)) | WS_EX_APPWINDOW;
    SetWindowLongPtrW(window_, GWL_EXSTYLE, static_cast<LONG_PTR>(extendedStyle_));
    // An ordinary caption is higher than a tool window's: the frame grows.
    RECT frame = client;
    AdjustWindowRectExForDpi(&frame, style_, GetMenu(window_) != nullptr, extendedStyle_,
                             static_cast<UINT>(dpi_));
    SetWindowPos(window_, nullptr, corner.x + frame.left, corner.y + frame.top,
                 frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (visible) {
        ShowWindow(window_, SW_SHOW);
    }
}

}  // namespace wagelyn::win32
