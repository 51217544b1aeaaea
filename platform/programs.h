#pragma once

#include <string_view>

namespace wagelyn::platform {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program at exactly this path, shown normally, with no
    // arguments and never through a shell; returns at once without waiting.
    // False when it cannot be started.
    virtual bool StartDetached(std::string_view path) = 0;
    // True when `path` is one this system starts as it stands, never looked
    // up from the current folder: a full path to a program file (Windows: see
    // IsFullWindowsProgramPath; elsewhere, one from the root).
    virtual bool IsFullProgramPath(std::string_view path) const = 0;

protected:
    ProgramStarter() = default;
    ProgramStarter(const ProgramStarter&) = default;
    ProgramStarter& operator=(const ProgramStarter&) = default;
};

ProgramStarter& SystemPrograms();

}  // namespace wagelyn::platform
