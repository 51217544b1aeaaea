#pragma once
// The system-information launcher and its registry reader, behind AboutDialog's
// StartSysInfo and GetKeyValue. Plain C++ over the platform seams, so the
// same code runs against the Windows API, the stand-in and test fakes.

#include <string>
#include <string_view>

#include "i18n/translation.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/programs.h"
#include "platform/registry.h"

namespace wagelyn {

inline constexpr std::string_view kSysInfoUnavailable =
    // TRANSLATORS: a message box's text, when the system's information tool
    // cannot be found or started.
    N_("System Information Is Unavailable At This Time");

struct SysInfoPlatform {
    platform::Registry& registry;
    platform::FileLookup& files;
    platform::ProgramStarter& programs;
    platform::Environment& environment;
};

// Reads one value: true with KeyVal set when it was read (a text as stored,
// without its terminator; a 32-bit number as its decimal text; any other
// type leaves KeyVal as it was), false with KeyVal empty when the key cannot
// be opened or the value cannot be read. The key is opened for reading only
// and always closed.
bool GetKeyValue(platform::Registry& registry, platform::KeyHandle KeyRoot,
                 std::string_view KeyName, std::string_view SubKeyRef, std::string& KeyVal);

// The registry, files, programs and environment of this system.
SysInfoPlatform ThisSystem();

enum class SysInfoOutcome { Started, Unavailable };

// Finds the tool through the registry (its registered path, else the shared
// tools folder + "\MSINFO32.EXE" where that file exists) and starts it.
// Only a non-empty text counts as a path or a folder (REG_SZ, or REG_EXPAND_SZ
// with its references expanded); a value of another type or an empty one is
// taken as missing, so nothing is looked for or started at a drive's root;
// so is a path the system would look up from the current folder (a relative
// one, or on Windows one that is no full path to an .exe).
// Unavailable means the caller shows kSysInfoUnavailable.
SysInfoOutcome LaunchSystemInformation(const SysInfoPlatform& platform);

}  // namespace wagelyn
