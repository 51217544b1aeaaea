#include "ui/win32/print_window.h"

#include <winspool.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/application_info.h"
#include "ui/forms/print_command.h"
#include "ui/forms/text_fitting.h"
#include "ui/win32/form_window.h"
#include "ui/win32/handles.h"
#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

// The print spooler's functions, loaded from the system folder when the
// user prints: loading the spooler at start-up costs every start the
// printers' set-up (under Wine, asking CUPS for them).
class Spooler {
public:
    Spooler() : module_(LoadSystemLibrary(L"winspool.drv")) {}

    std::wstring DefaultPrinter() const {
        const auto get = Function<BOOL(WINAPI*)(LPWSTR, LPDWORD)>("GetDefaultPrinterW");
        DWORD size = 0;
        if (get == nullptr) {
            return {};
        }
        get(nullptr, &size);
        if (size == 0) {
            return {};
        }
        std::wstring name(size, L'\0');
        if (!get(name.data(), &size)) {
            return {};
        }
        name.resize(size > 0 ? size - 1 : 0);
        return name;
    }

    // Whether the printer says it is in trouble (offline, out of paper, jammed…).
    bool ReportsAProblem(const std::wstring& printer) const {
        const auto open =
            Function<BOOL(WINAPI*)(LPWSTR, LPHANDLE, LPPRINTER_DEFAULTSW)>("OpenPrinterW");
        const auto get =
            Function<BOOL(WINAPI*)(HANDLE, DWORD, LPBYTE, DWORD, LPDWORD)>("GetPrinterW");
        const auto close = Function<PrinterHandle::Close>("ClosePrinter");
        HANDLE opened = nullptr;
        if (open == nullptr || get == nullptr || close == nullptr ||
            !open(const_cast<wchar_t*>(printer.c_str()), &opened, nullptr)) {
            return false;
        }
        const PrinterHandle handle(opened, close);
        DWORD needed = 0;
        get(handle.Get(), 2, nullptr, 0, &needed);
        std::vector<BYTE> buffer(needed);
        if (needed == 0 || !get(handle.Get(), 2, buffer.data(), needed, &needed)) {
            return false;
        }
        const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
        return (info->Status &
                (PRINTER_STATUS_ERROR | PRINTER_STATUS_OFFLINE | PRINTER_STATUS_PAPER_OUT |
                 PRINTER_STATUS_PAPER_JAM | PRINTER_STATUS_PAUSED)) != 0;
    }

private:
    template <typename Pointer>
    Pointer Function(const char* name) const {
        return module_ == nullptr ? nullptr
                                  : reinterpret_cast<Pointer>(reinterpret_cast<void*>(
                                        GetProcAddress(module_.get(), name)));
    }

    Module module_;
};

// Colours are kept as 0x00BBGGRR, which is what a COLORREF is.
Colour ColourOf(HBRUSH brush, Colour otherwise) {
    LOGBRUSH info{};
    return brush != nullptr && GetObjectW(brush, sizeof info, &info) == sizeof info ? info.lbColor
                                                                                    : otherwise;
}

// A control's colours, asked of the window as the control asks before it
// paints: whatever the window answers is what the screen shows. Push
// buttons draw in the system's button colours.
page::ControlLook LookOfControl(HWND window, HWND control, const ControlDef& def, HDC probe) {
    if (def.kind == ControlKind::Button) {
        return {Narrow(WindowText(control)), GetSysColor(COLOR_BTNTEXT),
                GetSysColor(COLOR_BTNFACE)};
    }
    const bool field = def.kind == ControlKind::TextBox || def.kind == ControlKind::ComboBox;
    SetTextColor(probe, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(probe, GetSysColor(field ? COLOR_WINDOW : COLOR_BTNFACE));
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window, field ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                     reinterpret_cast<WPARAM>(probe), reinterpret_cast<LPARAM>(control)));
    return {Narrow(WindowText(control)), GetTextColor(probe), ColourOf(brush, GetBkColor(probe))};
}

page::FormLook LookOf(HWND window, const FormDef& form) {
    const OwnedDc probe(CreateCompatibleDC(nullptr));
    page::FormLook look;
    look.form = &form;
    look.face = ColourOf(reinterpret_cast<HBRUSH>(SendMessageW(
                             window, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(probe.get()),
                             reinterpret_cast<LPARAM>(window))),
                         GetSysColor(COLOR_BTNFACE));
    look.lineInk = GetSysColor(COLOR_WINDOWTEXT);
    look.edge = GetSysColor(COLOR_BTNSHADOW);
    look.buttonFace = GetSysColor(COLOR_BTNFACE);
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const HWND control = GetDlgItem(window, FormWindow::kFirstControlId + static_cast<int>(i));
        look.controls.push_back(
            control == nullptr ? page::ControlLook{}
                               : LookOfControl(window, control, form.controls[i], probe.get()));
    }
    return look;
}

// The page in the printer's own device units: the form as large as the
// printable area allows, its aspect kept, from the top left. Fonts are made
// at the printer's resolution (LOGPIXELSY), magnified as the form is.
class PrinterCanvas final : public page::Canvas {
public:
    PrinterCanvas(HDC dc, const FormDef& form) : dc_(dc) {
        const double dpiX = GetDeviceCaps(dc, LOGPIXELSX);
        const double dpiY = GetDeviceCaps(dc, LOGPIXELSY);
        const double magnified =
            std::min(GetDeviceCaps(dc, HORZRES) / dpiX * 1440.0 / form.clientWidth,
                     GetDeviceCaps(dc, VERTRES) / dpiY * 1440.0 / form.clientHeight);
        scaleX_ = magnified * dpiX / 1440.0;
        scaleY_ = magnified * dpiY / 1440.0;
        fontDpi_ = static_cast<int>(std::lround(magnified * dpiY));
        SetBkMode(dc_, TRANSPARENT);
    }

    void Fill(const page::Area& area, Colour colour) override {
        const RECT r = OnPage(area);
        const Brush brush(CreateSolidBrush(colour));
        FillRect(dc_, &r, brush.get());
    }

    void Text(const page::Area& area, std::string_view text, const FontDef& font, Colour colour,
              page::TextStyle style) override {
        RECT r = OnPage(area);
        const std::wstring wide = Widen(text);
        UINT flags = DT_NOPREFIX | (style.align == page::Align::Centre ? DT_CENTER : DT_LEFT);
        flags |= style.wrap ? DT_WORDBREAK | DT_TOP : DT_SINGLELINE | DT_VCENTER;
        // The printer may stand in a wider face than the screen shows: a
        // text that fits its control on the screen is made a little smaller
        // rather than cut.
        const Font printed =
            FittedDesignFont(dc_, wide, font, fontDpi_, r, flags, kSmallestLabelScale);
        const Selection selected(dc_, printed.get());
        SetTextColor(dc_, colour);
        DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, flags);
    }

private:
    // Edges from the form's own coordinates, so that neighbours meet.
    RECT OnPage(const page::Area& area) const {
        const auto x = [this](int twips) {
            return static_cast<LONG>(std::lround(twips * scaleX_));
        };
        const auto y = [this](int twips) {
            return static_cast<LONG>(std::lround(twips * scaleY_));
        };
        return {x(area.left), y(area.top), x(area.left + area.width), y(area.top + area.height)};
    }

    HDC dc_;
    double scaleX_ = 1.0;  // device units per twip
    double scaleY_ = 1.0;
    int fontDpi_ = USER_DEFAULT_SCREEN_DPI;
};

PrintResult PrintPage(const std::wstring& printer, const page::FormLook& look) {
    const OwnedDc dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr));
    if (!dc) {
        return PrintResult::Failed;
    }
    const std::wstring title = Widen(kApplicationTitle);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    if (StartDocW(dc.get(), &document) <= 0) {
        // The user closed the file dialog of a print to file.
        return GetLastError() == ERROR_CANCELLED ? PrintResult::Cancelled : PrintResult::Failed;
    }
    if (StartPage(dc.get()) <= 0) {
        AbortDoc(dc.get());
        return PrintResult::Failed;
    }
    {
        PrinterCanvas canvas(dc.get(), *look.form);
        page::PaintForm(look, canvas);
    }
    if (EndPage(dc.get()) <= 0) {
        AbortDoc(dc.get());
        return PrintResult::Failed;
    }
    return EndDoc(dc.get()) > 0 ? PrintResult::Printed : PrintResult::Failed;
}

// A window as the Print command sees it.
class PrintingWindow final : public PrintableWindow {
public:
    PrintingWindow(HWND window, const FormDef& form) : window_(window), form_(form) {}

    page::FormLook CurrentLook() const override { return LookOf(window_, form_); }

    void SetBusy(bool busy) override {
        if (busy) {
            focus_ = GetFocus();
            cursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            EnableWindow(window_, FALSE);
            return;
        }
        EnableWindow(window_, TRUE);
        if (focus_ != nullptr && IsWindow(focus_)) {
            SetFocus(focus_);
        }
        SetCursor(cursor_);
    }

    PrintOutcome PrintLook(const page::FormLook& look) override {
        const Spooler spooler;
        const std::wstring printer = spooler.DefaultPrinter();
        if (printer.empty()) {
            return {PrintResult::NoDefaultPrinter, {}};
        }
        const PrintResult result = PrintPage(printer, look);
        if (result == PrintResult::Printed && spooler.ReportsAProblem(printer)) {
            return {PrintResult::PrintedWithWarning, Narrow(printer)};
        }
        return {result, Narrow(printer)};
    }

    void ShowPrintProblem(std::string_view message) override {
        MessageBoxW(window_, Widen(message).c_str(), Widen(kApplicationTitle).c_str(),
                    MB_OK | MB_ICONWARNING);
    }

private:
    HWND window_;
    const FormDef& form_;
    HWND focus_ = nullptr;
    HCURSOR cursor_ = nullptr;
};

}  // namespace

void PrintForm(HWND window, const FormDef& form) {
    PrintingWindow printing(window, form);
    RunPrintCommand(printing);
}

}  // namespace wagelyn::win32
