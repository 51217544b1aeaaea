#include "ui/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

int openWindows = 0;

// The form's default font: MS Sans Serif 8.25 pt.
constexpr FontDef kFormFont{Face::SansSerif, 8.25, false};

// MS Sans Serif is a bitmap face that does not scale: Microsoft Sans Serif
// is its scalable twin. Where that is missing (Wine), Tahoma stands in.
constexpr const wchar_t* kSansSerifFaces[] = {L"Microsoft Sans Serif", L"Tahoma", L"MS Sans Serif"};
constexpr const wchar_t* kArialFaces[] = {L"Arial", L"Liberation Sans", L"Tahoma"};

// Whether the font mapper gives the face itself when asked for it, rather
// than a stand-in; cheaper than enumerating every installed font.
bool Installed(const wchar_t* face) {
    const Font font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, face));
    const WindowDc screen(nullptr);
    const Selection selected(screen.Get(), font.get());
    wchar_t chosen[LF_FACESIZE] = {};
    GetTextFaceW(screen.Get(), LF_FACESIZE, chosen);
    return _wcsicmp(chosen, face) == 0;
}

const wchar_t* FirstInstalled(std::span<const wchar_t* const> faces) {
    for (const wchar_t* face : faces) {
        if (Installed(face)) {
            return face;
        }
    }
    return faces.front();
}

// The first installed face of the preference list, looked up once.
const wchar_t* FaceFor(Face face) {
    static const wchar_t* const sansSerif = FirstInstalled(kSansSerifFaces);
    static const wchar_t* const arial = FirstInstalled(kArialFaces);
    return face == Face::Arial ? arial : sansSerif;
}

const FontDef& Effective(const FontDef& def) {
    return def.face == Face::FormDefault ? kFormFont : def;
}

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

// Per-monitor DPI changes are handled here, not by the dialog manager's own
// rescaling of template dialogs. The call is looked up, not imported, so
// that the program still starts where it is missing.
void TakeOverDpiScaling(HWND window) {
    const HMODULE user = GetModuleHandleW(L"user32.dll");
    using DialogBehaviour = BOOL(WINAPI*)(HWND, int, int);
    if (auto set = reinterpret_cast<DialogBehaviour>(
            reinterpret_cast<void*>(GetProcAddress(user, "SetDialogDpiChangeBehavior")))) {
        constexpr int kDisableAll = 1;
        set(window, kDisableAll, kDisableAll);
    }
}

}  // namespace

Font CreateDesignFont(const FontDef& def, int dpi) {
    const FontDef& font = Effective(def);
    const int hundredths = static_cast<int>(std::lround(font.points * 100));
    return Font(CreateFontW(-MulDiv(hundredths, dpi, 7200), 0, 0, 0,
                            font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, FaceFor(font.face)));
}

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
    TakeOverDpiScaling(window_);
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
    SetWindowTextW(window_, frame.caption.c_str());
    if (frame.menu != nullptr) {
        SetMenu(window_, frame.menu);
    }
    CreateControls();
    screenReader_.Attach(form_, window_, controls_);
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

Colour FormWindow::TextColour(HWND control) const {
    const auto index = TableIndex(control);
    return index ? textColours_[*index] : kSystemColour;
}

void FormWindow::SetTextColour(HWND control, Colour colour) {
    const auto index = TableIndex(control);
    if (index && textColours_[*index] != colour) {
        textColours_[*index] = colour;
        InvalidateRect(control, nullptr, TRUE);
        screenReader_.ColourChanged(control, colour);
    }
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

HFONT FormWindow::FontFor(const FontDef& def) const {
    const FontDef& font = Effective(def);
    const auto found = fonts_.find({font.face, font.points, font.bold});
    return found == fonts_.end() ? nullptr : found->second.get();
}

void FormWindow::MakeFonts() {
    fonts_.clear();
    const auto make = [this](const FontDef& def) {
        const FontDef& font = Effective(def);
        auto& slot = fonts_[{font.face, font.points, font.bold}];
        if (!slot) {
            slot = CreateDesignFont(font, dpi_);
        }
    };
    make(kFormFont);
    for (const ControlDef& def : form_.controls) {
        make(def.font);
    }
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        // Drawn anew when shown or laid out: no repaint is asked for here.
        SendMessageW(controls_[i], WM_SETFONT,
                     reinterpret_cast<WPARAM>(FontFor(form_.controls[i].font)), FALSE);
    }

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [instance](int size) {
        return Icon(
            static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, size, size, 0)));
    };
    bigIcon_ = load(GetSystemMetricsForDpi(SM_CXICON, dpi_));
    smallIcon_ = load(GetSystemMetricsForDpi(SM_CXSMICON, dpi_));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (form_.controls[i].kind == ControlKind::Picture) {
            pictureIcon_ = load(MulDiv(32, dpi_, USER_DEFAULT_SCREEN_DPI));
            SendMessageW(controls_[i], STM_SETICON, reinterpret_cast<WPARAM>(pictureIcon_.get()),
                         0);
        }
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

COLORREF FormWindow::FormFace() const {
    return form_.background == kSystemColour ? GetSysColor(COLOR_BTNFACE) : form_.background;
}

HBRUSH FormWindow::BrushFor(COLORREF colour) {
    Brush& brush = brushes_[colour];
    if (!brush) {
        brush.reset(CreateSolidBrush(colour));
    }
    return brush.get();
}

// Colours are kept as 0x00BBGGRR, which is what a COLORREF is.
HBRUSH FormWindow::ColourControl(HDC dc, HWND control) {
    // A combo box's own edit field and list ask through the combo box.
    if (GetParent(control) != window_) {
        control = GetParent(control);
    }
    const auto index = TableIndex(control);
    if (!index) {
        SetBkColor(dc, FormFace());
        return BrushFor(FormFace());
    }
    const ControlDef& def = form_.controls[*index];
    const bool field = def.kind == ControlKind::TextBox || def.kind == ControlKind::ComboBox;
    COLORREF background = GetSysColor(field ? COLOR_WINDOW : COLOR_BTNFACE);
    if (def.background != kSystemColour) {
        background = def.background;
    } else if (def.onFormFace || def.kind == ControlKind::Picture) {
        background = FormFace();
    }
    const Colour text = textColours_[*index];
    SetTextColor(dc, text == kSystemColour ? GetSysColor(COLOR_WINDOWTEXT) : text);
    SetBkColor(dc, background);
    return BrushFor(background);
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
