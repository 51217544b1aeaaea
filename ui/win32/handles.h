#pragma once
// Every handle the front end creates is owned by one of these types, and
// released by it exactly once.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace wagelyn::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using OwnedDc =
    std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;  // CreateDC, CreateCompatibleDC
// A menu owned here until a window takes it with SetMenu (then release()).
using Menu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
using Module = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;  // LoadLibraryEx
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

// A system library loaded at run time, from the system folder only: never
// a file of that name beside the program or in the current folder.
inline Module LoadSystemLibrary(const wchar_t* name) {
    return Module(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

// A window's device context, from GetDC to ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A printer opened with the spooler's OpenPrinterW, until its ClosePrinter
// (looked up with it: the spooler is loaded only to print).
class PrinterHandle {
public:
    using Close = BOOL(WINAPI*)(HANDLE);
    PrinterHandle(HANDLE printer, Close close) : printer_(printer), close_(close) {}
    ~PrinterHandle() {
        if (printer_ != nullptr && close_ != nullptr) {
            close_(printer_);
        }
    }
    PrinterHandle(const PrinterHandle&) = delete;
    PrinterHandle& operator=(const PrinterHandle&) = delete;
    HANDLE Get() const { return printer_; }

private:
    HANDLE printer_;
    Close close_;
};

// An object selected into a device context until the end of the scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace wagelyn::win32
