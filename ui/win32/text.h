#pragma once
// Text crosses between the shared part (UTF-8) and the Windows API (UTF-16)
// here and nowhere else.

#include <string>
#include <string_view>

namespace wagelyn::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace wagelyn::win32
