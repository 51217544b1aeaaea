#pragma once

#include <string_view>

namespace wagelyn::platform {

class FileLookup {
public:
    virtual ~FileLookup() = default;
    // True when a normal file (not a folder, not hidden, not a system file)
    // stands at exactly this path; wildcards are not patterns.
    virtual bool NormalFileExists(std::string_view path) = 0;

protected:
    FileLookup() = default;
    FileLookup(const FileLookup&) = default;
    FileLookup& operator=(const FileLookup&) = default;
};

FileLookup& SystemFiles();

}  // namespace wagelyn::platform
