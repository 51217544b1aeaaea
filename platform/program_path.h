#pragma once

#include <string_view>

namespace wagelyn::platform {

// True when `path` names a program file on Windows by its full path: a
// drive's ("C:\...") or a network share's ("\\server\share\...") ending in
// ".exe". Anything else ("tool.exe", "C:tool.exe", "\Tools\tool.exe") would
// be looked for from the current folder or drive, where anyone may have put
// a file of that name; and another kind of file is not a program.
bool IsFullWindowsProgramPath(std::string_view path);

}  // namespace wagelyn::platform
