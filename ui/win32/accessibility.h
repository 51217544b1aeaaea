#pragma once

#include <windows.h>

#include <string>

namespace wagelyn::win32 {

// Gives a standard control the name (and description) a screen reader says
// of it, through MSAA's dynamic annotation (IAccPropServices), which UI
// Automation reads too. Where the service is missing, the control keeps the
// name the system gives it.
void NameControl(HWND control, const std::wstring& name, const std::wstring& description);

}  // namespace wagelyn::win32
