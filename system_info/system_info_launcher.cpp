#include "system_info/system_info_launcher.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <optional>

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

// One value as read: its type and its bytes as a text, without the
// terminator where the stored text has one. Empty when the key cannot be
// opened or the value cannot be read.
struct RawValue {
    std::uint32_t type = 0;
    std::string text;
    std::array<std::uint8_t, 4> firstBytes{};
    std::uint32_t size = 0;
};

std::optional<RawValue> ReadValue(platform::Registry& registry, platform::KeyHandle root,
                                  std::string_view keyName, std::string_view valueName) {
    const OpenKey key(registry, root, keyName);
    std::array<std::uint8_t, kBufferSize> buffer{};
    RawValue value;
    value.size = kBufferSize;
    if (!key.IsOpen() || registry.QueryValue(key.Handle(), valueName, value.type, buffer.data(),
                                             value.size) != platform::kErrorSuccess) {
        return std::nullopt;
    }
    // Exactly the bytes returned: a value stored without its terminator can
    // fill the buffer, and one of zero bytes is simply empty.
    value.size = std::min(value.size, kBufferSize);
    value.text.assign(reinterpret_cast<const char*>(buffer.data()), value.size);
    if (!value.text.empty() && value.text.back() == '\0') {
        value.text.pop_back();
    }
    std::copy_n(buffer.begin(), value.firstBytes.size(), value.firstBytes.begin());
    return value;
}

// A path or folder the launcher can use: a non-empty text, expanded where the
// value asks for it.
std::optional<std::string> ReadPath(const SysInfoPlatform& system, std::string_view keyName,
                                    std::string_view valueName) {
    std::optional<RawValue> value =
        ReadValue(system.registry, platform::kLocalMachine, keyName, valueName);
    if (!value || value->text.empty()) {
        return std::nullopt;
    }
    if (value->type == platform::kRegSz) {
        return std::move(value->text);
    }
    if (value->type == platform::kRegExpandSz) {
        std::string expanded = system.environment.Expand(value->text);
        if (!expanded.empty()) {
            return expanded;
        }
    }
    return std::nullopt;
}

}  // namespace

bool GetKeyValue(platform::Registry& registry, platform::KeyHandle KeyRoot,
                 std::string_view KeyName, std::string_view SubKeyRef, std::string& KeyVal) {
    std::optional<RawValue> value = ReadValue(registry, KeyRoot, KeyName, SubKeyRef);
    if (!value) {
        KeyVal.clear();
        return false;
    }
    if (value->type == platform::kRegSz) {
        KeyVal = std::move(value->text);
    } else if (value->type == platform::kRegDword) {
        std::uint32_t number = 0;
        for (std::uint32_t i = 0; i < std::min<std::uint32_t>(value->size, 4); ++i) {
            number |= static_cast<std::uint32_t>(value->firstBytes[i]) << (8 * i);  // little-endian
        }
        KeyVal = std::to_string(number);
    }
    return true;
}

SysInfoPlatform ThisSystem() {
    return {platform::SystemRegistry(), platform::SystemFiles(), platform::SystemPrograms(),
            platform::SystemEnvironment()};
}

SysInfoOutcome LaunchSystemInformation(const SysInfoPlatform& system) {
    try {
        std::optional<std::string> path = ReadPath(system, kToolKey, kToolValue);
        if (path && !system.programs.IsFullProgramPath(*path)) {
            path.reset();  // never a program found from the current folder
        }
        if (!path) {
            path = ReadPath(system, kFolderKey, kFolderValue);
            if (!path) {
                return SysInfoOutcome::Unavailable;
            }
            *path += kToolFile;
            if (!system.programs.IsFullProgramPath(*path) ||
                !system.files.NormalFileExists(*path)) {
                return SysInfoOutcome::Unavailable;
            }
        }
        return system.programs.StartDetached(*path) ? SysInfoOutcome::Started
                                                    : SysInfoOutcome::Unavailable;
    } catch (const std::exception&) {
        return SysInfoOutcome::Unavailable;
    }
}

}  // namespace wagelyn
