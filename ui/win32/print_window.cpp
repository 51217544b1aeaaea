#include "ui/win32/print_window.h"

#include <winspool.h>

#include <vector>

#include "app/application_info.h"
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
        const auto close = Function<BOOL(WINAPI*)(HANDLE)>("ClosePrinter");
        HANDLE handle = nullptr;
        if (open == nullptr || get == nullptr || close == nullptr ||
            !open(const_cast<wchar_t*>(printer.c_str()), &handle, nullptr)) {
            return false;
        }
        DWORD needed = 0;
        get(handle, 2, nullptr, 0, &needed);
        std::vector<BYTE> buffer(needed);
        bool troubled = false;
        if (needed > 0 && get(handle, 2, buffer.data(), needed, &needed)) {
            const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
            troubled = (info->Status &
                        (PRINTER_STATUS_ERROR | PRINTER_STATUS_OFFLINE | PRINTER_STATUS_PAPER_OUT |
                         PRINTER_STATUS_PAPER_JAM | PRINTER_STATUS_PAUSED)) != 0;
        }
        close(handle);
        return troubled;
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

// The client area as the screen shows it now, as a top-down 32-bit image.
struct Capture {
    BITMAPINFO info{};
    std::vector<std::uint32_t> pixels;
};

Capture CaptureClientArea(HWND window) {
    // Pending paints first, so that the image is what the user now sees.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(window, &client);
    Capture capture;
    const int width = client.right;
    const int height = client.bottom;
    BITMAPINFOHEADER& header = capture.info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;  // top-down
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const WindowDc screen(window);
    const OwnedDc memory(CreateCompatibleDC(screen.Get()));
    void* bits = nullptr;
    const Bitmap image(
        CreateDIBSection(screen.Get(), &capture.info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !image || width <= 0 || height <= 0) {
        return capture;
    }
    {
        const Selection selected(memory.get(), image.get());
        // BitBlt from the window's own DC takes the child controls too,
        // which PrintWindow does not draw everywhere (Wine 8).
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY)) {
            return capture;
        }
    }
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    capture.pixels.assign(first, first + static_cast<std::size_t>(width) * height);
    return capture;
}

bool PrintImage(const std::wstring& printer, const Capture& capture) {
    const OwnedDc dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr));
    if (!dc) {
        return false;
    }
    const std::wstring title = Widen(kApplicationTitle);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    if (StartDocW(dc.get(), &document) <= 0) {
        return false;
    }
    if (StartPage(dc.get()) <= 0) {
        AbortDoc(dc.get());
        return false;
    }
    const int width = capture.info.bmiHeader.biWidth;
    const int height = -capture.info.bmiHeader.biHeight;
    const int pageWidth = GetDeviceCaps(dc.get(), HORZRES);
    const int pageHeight = GetDeviceCaps(dc.get(), VERTRES);
    // As large as the printable area allows, its aspect kept, from the top left.
    int printedWidth = pageWidth;
    int printedHeight = MulDiv(height, pageWidth, width);
    if (printedHeight > pageHeight) {
        printedHeight = pageHeight;
        printedWidth = MulDiv(width, pageHeight, height);
    }
    SetStretchBltMode(dc.get(), COLORONCOLOR);
    const bool drawn =
        StretchDIBits(dc.get(), 0, 0, printedWidth, printedHeight, 0, 0, width, height,
                      capture.pixels.data(), &capture.info, DIB_RGB_COLORS, SRCCOPY) > 0;
    if (!drawn || EndPage(dc.get()) <= 0) {
        AbortDoc(dc.get());
        return false;
    }
    return EndDoc(dc.get()) > 0;
}

}  // namespace

PrintOutcome PrintClientArea(HWND window) {
    const Spooler spooler;
    const std::wstring printer = spooler.DefaultPrinter();
    if (printer.empty()) {
        return {PrintResult::NoDefaultPrinter, {}};
    }
    const Capture capture = CaptureClientArea(window);
    if (capture.pixels.empty() || !PrintImage(printer, capture)) {
        return {PrintResult::Failed, Narrow(printer)};
    }
    return {
        spooler.ReportsAProblem(printer) ? PrintResult::PrintedWithWarning : PrintResult::Printed,
        Narrow(printer)};
}

}  // namespace wagelyn::win32
