// The figure boxes show every figure whole: in the box's whole inner width,
// then in a smaller font, down to the shared rule's smallest; a figure
// wider still is drawn cut with an ellipsis while the box has no focus, and
// its tooltip holds the whole figure. The box's text, which screen readers
// read and the user edits, always stays whole. Measured only when a
// figure is written or left: nothing of this runs at start-up.
#include "ui/win32/form_window.h"

#include <commctrl.h>

#include <string>

#include "ui/forms/text_fitting.h"
#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

constexpr UINT_PTR kElisionSubclass = 1;
constexpr UINT kOneLine = DT_SINGLELINE | DT_NOPREFIX;

// The design's box keeps one pixel between its sunken edge and its text;
// an edit control's own margins, from the font, may take several.
int FigureMargin(int dpi) {
    return MulDiv(1, dpi, USER_DEFAULT_SCREEN_DPI);
}

// The cut figure, drawn as the edit control draws its text: in its colours
// and font, from the top left of its formatting rectangle.
void PaintElided(HWND box) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(box, &paint);
    auto* brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box), WM_CTLCOLOREDIT,
                                                        reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(box)));
    RECT client{};
    GetClientRect(box, &client);
    FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
    RECT text{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    const Selection font(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring figure = WindowText(box);
    DrawTextW(dc, figure.c_str(), static_cast<int>(figure.size()), &text,
              kOneLine | DT_LEFT | DT_TOP | DT_END_ELLIPSIS);
    EndPaint(box, &paint);
}

}  // namespace

void FormWindow::SetFigureMargins(HWND box) const {
    const int margin = FigureMargin(dpi_);
    SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

void FormWindow::FitFigureBox(std::size_t index) {
    HWND box = controls_[index];
    const ControlDef& def = form_.controls[index];
    const std::wstring figure = WindowText(box);
    RECT client{};
    GetClientRect(box, &client);
    // The design's look first: its font, and the margins the edit control
    // takes from it (a new font sets them afresh).
    const HFONT design = FontFor(def.font);
    if (reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)) != design) {
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(design), FALSE);
    } else {
        SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(EC_USEFONTINFO, EC_USEFONTINFO));
    }
    figureFonts_.erase(index);  // no longer the box's
    const auto margins = static_cast<DWORD>(SendMessageW(box, EM_GETMARGINS, 0, 0));
    const RECT designRoom{0, 0, client.right - LOWORD(margins) - HIWORD(margins), client.bottom};
    const OwnedDc dc(CreateCompatibleDC(nullptr));
    bool fits = figure.empty() || !dc || TextFits(dc.get(), figure, design, designRoom, kOneLine);
    if (!fits) {
        // Then the box's whole inner width, then a smaller font.
        SetFigureMargins(box);
        const RECT room{0, 0, client.right - 2 * FigureMargin(dpi_), client.bottom};
        fits = TextFits(dc.get(), figure, design, room, kOneLine);
        if (!fits) {
            Font smaller = FittedDesignFont(dc.get(), figure, def.font, dpi_, room, kOneLine,
                                            kSmallestFigureScale);
            fits = TextFits(dc.get(), figure, smaller.get(), room, kOneLine);
            SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(smaller.get()), FALSE);
            SetFigureMargins(box);
            figureFonts_[index] = std::move(smaller);
        }
    }
    if (!fits && subclassed_.insert(box).second) {
        SetWindowSubclass(box, ElidedFigureProc, kElisionSubclass,
                          reinterpret_cast<DWORD_PTR>(this));
    }
    if (fits) {
        elided_.erase(box);
    } else {
        elided_.insert(box);
    }
    ShowFigureTip(box, !fits);
    InvalidateRect(box, nullptr, TRUE);
}

void FormWindow::RefitFigureBoxes() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (form_.controls[i].kind == ControlKind::TextBox &&
            GetWindowTextLengthW(controls_[i]) > 0) {
            FitFigureBox(i);
        }
    }
}

// A cut figure's box shows the whole figure as its tooltip; a whole one
// shows none. The tooltip control is made when a figure is first cut.
void FormWindow::ShowFigureTip(HWND box, bool elided) {
    if (figureTips_ == nullptr) {
        if (!elided) {
            return;
        }
        figureTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                      WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        if (figureTips_ == nullptr) {
            return;
        }
    }
    std::wstring figure = elided ? WindowText(box) : std::wstring();
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    SendMessageW(figureTips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (elided) {
        tool.lpszText = figure.data();
        SendMessageW(figureTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Put in front of a figure box's procedure when its figure is first cut:
// the cut figure is drawn while the box has no focus, the real text, to be
// edited, while it has.
LRESULT CALLBACK FormWindow::ElidedFigureProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<FormWindow*>(data);
    switch (message) {
        case WM_PAINT:
            if (self->elided_.count(box) > 0 && GetFocus() != box) {
                PaintElided(box);
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(box, nullptr, TRUE);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, ElidedFigureProc, id);
            self->elided_.erase(box);
            self->subclassed_.erase(box);
            break;
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace wagelyn::win32
