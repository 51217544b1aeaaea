#include "ui/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

int openWindows = 0;

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

int FormWindow::OpenWindows() {
    return openWindows;
}

HWND FormWindow::Control(std::string_view name) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (form_.controls[i].name == name) {
            return controls_[i];
        }
    }
    return nullptr;
}

void FormWindow::Create(Frame frame) {
    style_ = frame.style;
    extendedStyle_ = frame.extendedStyle;
    EmptyDialog dialog{};
    dialog.header.style = style_;
    dialog.header.dwExtendedStyle = extendedStyle_;
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.header, nullptr, DialogProc,
                               reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) {
        DestroyMenu(frame.menu);
        return;
    }
    TakeOverDpiScaling();
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
    SetWindowTextW(window_, frame.caption.c_str());
    if (frame.menu != nullptr) {
        SetMenu(window_, frame.menu);
    }
    CreateControls();
    MakeFonts();
    Layout();
    PlaceWindow(nullptr);
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

void FormWindow::CreateControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    controls_.assign(form_.controls.size(), nullptr);
    textColours_.clear();
    // Created in tab order: the dialog manager moves the focus in the order
    // the controls stand in, first to last.
    std::vector<std::size_t> order(form_.controls.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
        textColours_.push_back(form_.controls[i].foreground);
    }
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return form_.controls[a].tabIndex < form_.controls[b].tabIndex;
    });
    for (std::size_t i : order) {
        const ControlDef& def = form_.controls[i];
        const ControlClass kind = ClassFor(def);
        const std::wstring text = def.kind == ControlKind::Picture ? L"" : Widen(def.text);
        controls_[i] = CreateWindowExW(
            kind.extendedStyle, kind.name, text.c_str(), WS_CHILD | WS_VISIBLE | kind.style, 0, 0,
            0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)),
            instance, nullptr);
        if (def.kind == ControlKind::TextBox) {
            SendMessageW(controls_[i], EM_SETLIMITTEXT, 0, 0);  // no length limit
        }
    }
}

INT_PTR CALLBACK FormWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<FormWindow*>(lParam);
        self->window_ = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        ++openWindows;
        return FALSE;  // the focus is set when the window is shown
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (message == WM_NCDESTROY) {
        --openWindows;
        if (self != nullptr) {
            self->window_ = nullptr;
            self->OnDestroyed();
        }
        if (openWindows == 0) {
            PostQuitMessage(0);
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
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        case WM_TIMER:
            OnTimer(wParam);
            return TRUE;
        case WM_CLOSE:
            // The close box closes; Escape (IDCANCEL) is each window's own affair.
            DestroyWindow(window_);
            return TRUE;
        case WM_DPICHANGED:
            dpi_ = HIWORD(wParam);
            MakeFonts();
            Layout();
            PlaceWindow(reinterpret_cast<const RECT*>(lParam));
            InvalidateRect(window_, nullptr, TRUE);
            return TRUE;
        case WM_SYSCOLORCHANGE:
            brushes_.clear();
            InvalidateRect(window_, nullptr, TRUE);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace wagelyn::win32
