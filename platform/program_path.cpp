#include "platform/program_path.h"

#include <algorithm>
#include <cctype>

namespace wagelyn::platform {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool EndsWithExe(std::string_view path) {
    constexpr std::string_view kExe = ".exe";
    if (path.size() <= kExe.size() || IsSeparator(path[path.size() - kExe.size() - 1])) {
        return false;
    }
    return std::equal(kExe.begin(), kExe.end(), path.end() - kExe.size(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

bool IsFullWindowsProgramPath(std::string_view path) {
    const bool onDrive = path.size() > 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                         path[1] == ':' && IsSeparator(path[2]);
    const bool onShare =
        path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
    return (onDrive || onShare) && EndsWithExe(path);
}

}  // namespace wagelyn::platform
