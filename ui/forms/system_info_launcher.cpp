#include "ui/forms/system_info_launcher.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>

namespace wagelyn {
namespace {

using platform::kFolderKey;
using platform::kFolderValue;
using platform::kToolKey;
using platform::kToolValue;
constexpr std::string_view kToolFile = "\\MSINFO32.EXE";
constexpr std::uint32_t kBufferSize = 1024;

// Closes an opened key on every way out.
class OpenKey {
public:
    OpenKey(platform::Registry& registry, platform::KeyHandle root, std::string_view name)
        : registry_(registry) {
        // Read rights only: asking for write rights as well would fail for
        // every user who may not change HKEY_LOCAL_MACHINE.
        result_ = registry_.OpenKey(root, name, 0, platform::kKeyRead, key_);
    }
    ~OpenKey() {
        if (result_ == platform::kErrorSuccess) {
            registry_.CloseKey(key_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    bool IsOpen() const { return result_ == platform::kErrorSuccess; }
    platform::KeyHandle Handle() const { return key_; }

private:
    platform::Registry& registry_;
    platform::KeyHandle key_ = 0;
    long result_ = platform::kErrorFileNotFound;
};

}  // namespace

bool GetKeyValue(platform::Registry& registry, platform::KeyHandle KeyRoot,
                 std::string_view KeyName, std::string_view SubKeyRef, std::string& KeyVal) {
    const OpenKey key(registry, KeyRoot, KeyName);
    std::array<std::uint8_t, kBufferSize> buffer{};
    std::uint32_t size = kBufferSize;
    std::uint32_t type = 0;
    if (!key.IsOpen() || registry.QueryValue(key.Handle(), SubKeyRef, type, buffer.data(), size) !=
                             platform::kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    // Exactly the bytes returned: a value stored without its terminator can
    // fill the buffer, and one of zero bytes is simply empty.
    size = std::min(size, kBufferSize);
    std::string text(reinterpret_cast<const char*>(buffer.data()), size);
    if (!text.empty() && text.back() == '\0') {
        text.pop_back();
    }
    if (type == platform::kRegSz) {
        KeyVal = std::move(text);
    } else if (type == platform::kRegDword) {
        std::uint32_t number = 0;
        for (std::uint32_t i = 0; i < std::min<std::uint32_t>(size, 4); ++i) {
            number |= static_cast<std::uint32_t>(buffer[i]) << (8 * i);  // little-endian
        }
        KeyVal = std::to_string(number);
    }
    return true;
}

SysInfoOutcome LaunchSystemInformation(const SysInfoPlatform& platform) {
    try {
        std::string path;
        if (!GetKeyValue(platform.registry, platform::kLocalMachine, kToolKey, kToolValue, path)) {
            if (!GetKeyValue(platform.registry, platform::kLocalMachine, kFolderKey, kFolderValue,
                             path)) {
                return SysInfoOutcome::Unavailable;
            }
            path += kToolFile;
            if (!platform.files.NormalFileExists(path)) {
                return SysInfoOutcome::Unavailable;
            }
        }
        return platform.programs.StartDetached(path) ? SysInfoOutcome::Started
                                                     : SysInfoOutcome::Unavailable;
    } catch (const std::exception&) {
        return SysInfoOutcome::Unavailable;
    }
}

}  // namespace wagelyn
