#include "ui/win32/text.h"

#include <windows.h>

#include <climits>

namespace wagelyn::win32 {

// Texts longer than an int can count are cut there: no box holds 2 GB.
std::wstring Widen(std::string_view utf8) {
    const int length = static_cast<int>(std::min<std::size_t>(utf8.size(), INT_MAX));
    if (length == 0) {
        return {};
    }
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(std::wstring_view utf16) {
    const int length = static_cast<int>(std::min<std::size_t>(utf16.size(), INT_MAX));
    if (length == 0) {
        return {};
    }
    std::string narrow(static_cast<std::size_t>(WideCharToMultiByte(
                           CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace wagelyn::win32
