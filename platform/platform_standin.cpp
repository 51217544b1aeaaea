// The stand-in for systems without a Windows registry. Its registry is a
// read-only store with one value: the first key's PATH, naming a desktop
// system-information program found on PATH at the moment of the lookup.
// Nothing else is in it. Programs start detached, never through a shell.
#include <unistd.h>
#include <QProcess>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "platform/files.h"
#include "platform/programs.h"
#include "platform/registry.h"

namespace wagelyn::platform {
namespace {

// Desktop system-information programs, the most complete first.
constexpr std::array<std::string_view, 4> kTools{"hardinfo2", "hardinfo", "kinfocenter",
                                                 "lshw-gtk"};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string FindSystemInformationTool() {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return {};
    }
    for (std::string_view tool : kTools) {
        std::string_view rest = path;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
            if (folder.empty()) {
                continue;  // never the current folder
            }
            const std::filesystem::path candidate = std::filesystem::path(folder) / tool;
            std::error_code error;
            if (std::filesystem::is_regular_file(candidate, error) &&
                ::access(candidate.c_str(), X_OK) == 0) {
                return candidate.string();
            }
        }
    }
    return {};
}

class StandInRegistry final : public Registry {
public:
    long OpenKey(KeyHandle root, std::string_view subKey, std::uint32_t /*options*/,
                 std::uint32_t access, KeyHandle& key) override {
        key = 0;
        if (root != kLocalMachine || !EqualsIgnoringCase(subKey, kToolKey)) {
            return kErrorFileNotFound;
        }
        std::string tool = FindSystemInformationTool();
        if (tool.empty()) {
            return kErrorFileNotFound;
        }
        // A read-only store: it grants no right that would change it.
        if ((access & kWriteRights) != 0) {
            return kErrorAccessDenied;
        }
        key = nextHandle_++;
        open_.emplace(key, std::move(tool));
        return kErrorSuccess;
    }

    long QueryValue(KeyHandle key, std::string_view name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override {
        const auto found = open_.find(key);
        if (found == open_.end()) {
            return kErrorInvalidHandle;
        }
        if (!EqualsIgnoringCase(name, kToolValue)) {
            return kErrorFileNotFound;
        }
        const std::string& text = found->second;
        const auto needed = static_cast<std::uint32_t>(text.size() + 1);
        type = kRegSz;
        if (data != nullptr && needed > size) {
            size = needed;
            return kErrorMoreData;
        }
        if (data != nullptr) {
            std::memcpy(data, text.c_str(), needed);
        }
        size = needed;
        return kErrorSuccess;
    }

    long CloseKey(KeyHandle key) override {
        return open_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
    }

private:
    std::map<KeyHandle, std::string> open_;
    KeyHandle nextHandle_ = 0x100;
};

class StandInFiles final : public FileLookup {
public:
    bool NormalFileExists(std::string_view path) override {
        const std::filesystem::path file(path);
        std::error_code error;
        return std::filesystem::is_regular_file(file, error) &&
               !file.filename().string().starts_with('.');
    }
};

class StandInPrograms final : public ProgramStarter {
public:
    bool StartDetached(std::string_view path) override {
        if (path.empty()) {
            return false;
        }
        return QProcess::startDetached(
            QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())), {});
    }
};

}  // namespace

Registry& SystemRegistry() {
    static StandInRegistry registry;
    return registry;
}

FileLookup& SystemFiles() {
    static StandInFiles files;
    return files;
}

ProgramStarter& SystemPrograms() {
    static StandInPrograms programs;
    return programs;
}

}  // namespace wagelyn::platform
