#pragma once
// The platform seams: the registry, "a normal file exists here", "start
// this program, do not wait" and expanding environment references. Each has a Windows
// implementation on the real API and a stand-in for other systems; CMake picks one. All are plain
// C++, with the Windows API's result codes and size rules, so the code above them and its tests
// read the same on every system.

#include <cstdint>
#include <string_view>

namespace wagelyn::platform {

// A registry key handle: an open key, or one of the predefined roots.
using KeyHandle = std::uintptr_t;

// HKEY_LOCAL_MACHINE, sign-extended as the Windows headers define it.
inline constexpr KeyHandle kLocalMachine =
    static_cast<KeyHandle>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002U)));

// Result codes, as the Windows API returns them.
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;  // a text with %NAME% references
inline constexpr std::uint32_t kRegDword = 4;

// Access masks.
inline constexpr std::uint32_t kKeyRead = 0x20019;
// KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_CREATE_LINK, WRITE_DAC, WRITE_OWNER:
// the rights that would change a key.
inline constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0020 | 0x00040000 | 0x00080000;

// Where the system-information tool is registered: its full path, or the
// folder of the shared tools that holds it.
inline constexpr std::string_view kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kToolValue = "PATH";
inline constexpr std::string_view kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kFolderValue = "MSINFO";

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyExA: on kErrorSuccess, `key` holds the open key.
    virtual long OpenKey(KeyHandle root, std::string_view subKey, std::uint32_t options,
                         std::uint32_t access, KeyHandle& key) = 0;
    // RegQueryValueExA: `size` is the buffer's size on entry and the data's
    // size on return (with the terminator, where the stored text has one).
    // Data larger than the buffer gives kErrorMoreData.
    virtual long QueryValue(KeyHandle key, std::string_view name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& size) = 0;
    virtual long CloseKey(KeyHandle key) = 0;

protected:
    Registry() = default;
    Registry(const Registry&) = default;
    Registry& operator=(const Registry&) = default;
};

// The registry of this system: the Windows registry, or the stand-in.
Registry& SystemRegistry();

}  // namespace wagelyn::platform
