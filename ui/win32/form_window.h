#pragma once
// The Windows front end: each of the program's three windows is a dialog-class
// window built from its shared form. The dialog manager gives Tab and
// Shift+Tab, access keys, the default button, Enter and Escape; the controls
// are the standard ones (EDIT, BUTTON, COMBOBOX, STATIC), so screen readers
// know them. Positions come from the form in twips, scaled to the window's
// DPI with MulDiv(twips, dpi, 1440), and again whenever the DPI changes.

#include <windows.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ui/forms/form_data.h"
#include "ui/win32/handles.h"
#include "ui/win32/screen_reader.h"
#include "ui/win32/system_colours.h"

namespace wagelyn::win32 {

// The font a control of a form is drawn in, at `dpi`: the design's face and
// size, or the form's default font (MS Sans Serif 8.25 pt).
Font CreateDesignFont(const FontDef& def, int dpi);

// Whether DrawTextW with `flags` draws `text` in `font` within `room` on
// `dc`: a wrapped text (DT_WORDBREAK) within its width and height, one line
// within its width.
bool TextFits(HDC dc, const std::wstring& text, HFONT font, const RECT& room, UINT flags);
// The design's font at `dpi` where the text fits in it; otherwise the
// largest a little smaller that fits, down to `smallest` of it (the shared
// rule of ui/forms/text_fitting.h), or that smallest where none fits.
Font FittedDesignFont(HDC dc, const std::wstring& text, const FontDef& def, int dpi,
                      const RECT& room, UINT flags, double smallest);

class FormWindow {
public:
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    virtual ~FormWindow();

    HWND Handle() const { return window_; }
    // The control of that name in the form, or nullptr.
    HWND Control(std::string_view name) const;
    // The name of the control with that command identifier, or "".
    std::string_view ControlName(int id) const;
    // Each control's command identifier: its place in the table, from here.
    static constexpr int kFirstControlId = 1000;

    // A window kept out of the task bar (a tool window) gains an entry
    // there, its client area where and as large as it was.
    void EnterTaskbar();

    // What happens when the last of the program's open windows has gone.
    static void WhenAllClosed(void (*callback)());

    struct Frame {
        DWORD style;
        DWORD extendedStyle;
        std::wstring caption;
        Menu menu{};  // the window's once it is created
    };

protected:
    explicit FormWindow(const FormDef& form);

    // Creates the window, its controls and fonts at the window's DPI, sized
    // and placed as the form says, still hidden; false when any of it failed.
    bool Create(Frame frame);
    // Shows the window, or brings it to the front, and activates it.
    void ShowInFront(HWND focus = nullptr);

    // A control's design text colour now, and its change (a figure box
    // turns blue or red).
    Colour TextColour(HWND control) const;
    void SetTextColour(HWND control, Colour colour);
    int Dpi() const { return dpi_; }
    // After controls' texts are set anew: each label and button is given the
    // font its text now fits in.
    void FitFonts();
    int Scaled(int twips) const { return MulDiv(twips, dpi_, 1440); }

    // What the window does with a control's command or a menu item; true when handled.
    virtual bool OnCommand(int id, int notification);
    // The window is gone: the object may delete itself here, and nothing after.
    virtual void OnDestroyed() {}

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The control's place in the form's table, from its command identifier.
    std::optional<std::size_t> TableIndex(HWND control) const;
    bool CreateControls();
    void MakeFonts();
    void MakeIcons();
    HFONT FontFor(const FontDef& def) const;
    HFONT ControlFont(std::size_t index) const;
    std::map<std::size_t, Font> FitLabelsAndButtons() const;
    // Figure boxes: each figure shown whole in the box's inner width, in a
    // smaller font where needed, or cut with an ellipsis while the box has
    // no focus, the whole figure in its tooltip (figure_boxes.cpp).
    void SetFigureMargins(HWND box) const;
    void FitFigureBox(std::size_t index);
    void RefitFigureBoxes();
    void ShowFigureTip(HWND box, bool elided);
    static LRESULT CALLBACK ElidedFigureProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR data);
    void TakeOverDpiScaling();
    RECT PlaceOf(const ControlDef& def) const;
    void Layout();
    SIZE FrameSize(int dpi) const;
    bool ScaledSize(int dpi, SIZE& size) const;
    void OnDpiChanged(int dpi, const RECT* suggested);
    HMONITOR StartingMonitor() const;
    void PlaceAtStart();
    void FitClientArea();
    HBRUSH ColourControl(HDC dc, HWND control);
    HBRUSH BrushFor(COLORREF colour);
    COLORREF FormFace() const;
    void PaintLines(HDC dc);

    const FormDef& form_;
    HWND window_ = nullptr;
    DWORD style_ = 0;
    DWORD extendedStyle_ = 0;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::vector<HWND> controls_;       // in table order
    std::vector<Colour> textColours_;  // each control's text colour now
    std::map<std::tuple<Face, double, bool>, Font> fonts_;
    std::map<std::size_t, Font> fitted_;  // by table index: text too wide for the design's font
    std::map<std::size_t, Font> figureFonts_;  // by table index: figures shrunk to fit
    std::set<HWND> elided_;                    // figure boxes showing their figure cut
    std::set<HWND> subclassed_;                // boxes that paint an elided figure
    HWND figureTips_ = nullptr;                // made at the first figure cut
    SystemColours colours_;
    std::map<COLORREF, Brush> brushes_;
    Icon bigIcon_, smallIcon_, pictureIcon_;
    ScreenReaderTexts screenReader_;
};

}  // namespace wagelyn::win32
