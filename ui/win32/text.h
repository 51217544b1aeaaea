#pragma once
// Text crosses between the shared part (UTF-8) and the Windows API (UTF-16)
// here and nowhere else.

#include <windows.h>

#include <string>
#include <string_view>

namespace wagelyn::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// The text a window or control holds now.
std::wstring WindowText(HWND window);

}  // namespace wagelyn::win32
