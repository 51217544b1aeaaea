#pragma once
// Tells screen-reader users what a command did where no focus moves to say
// it: a UI Automation notification (Windows 10 1709 and later), which
// Narrator, NVDA and JAWS speak; where the system has none, an alert from a
// window of no size whose text is the message, as Active Accessibility
// readers are told. Nothing is loaded before the first announcement.

#include <windows.h>

#include <string>

namespace wagelyn::win32 {

class Announcer {
public:
    explicit Announcer(HWND window) : window_(window) {}
    void Announce(const std::wstring& message);

private:
    void Alert(const std::wstring& message);

    HWND window_;
    HWND alert_ = nullptr;  // a child of window_, made at the first alert
};

}  // namespace wagelyn::win32
