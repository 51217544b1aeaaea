#pragma once
// In-memory stand-ins for the platform seams that follow the Windows API's
// contract: result codes, size rules, access rights; and they record calls.

#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/program_path.h"
#include "platform/programs.h"
#include "platform/registry.h"

namespace wagelyn::testing {

struct StoredValue {
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;

    static StoredValue Text(const std::string& text, bool terminated = true,
                            std::uint32_t type = platform::kRegSz) {
        const char* chars = text.c_str();  // its terminator included
        return {type, {chars, chars + text.size() + (terminated ? 1 : 0)}};
    }
    static StoredValue Expandable(const std::string& text) {
        return Text(text, true, platform::kRegExpandSz);
    }
    static StoredValue Dword(std::uint32_t number) {
        return {platform::kRegDword,
                {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                 static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
    }
};

struct StoredKey {
    bool readOnly = false;  // the user holds read rights only
    std::map<std::string, StoredValue> values;
};

class FakeRegistry final : public platform::Registry {
public:
    std::map<std::string, StoredKey> keys;  // under HKEY_LOCAL_MACHINE
    std::vector<std::string> asked;         // every key an open was tried on
    std::vector<std::uint32_t> accessRequested;
    int closes = 0;
    std::map<platform::KeyHandle, const StoredKey*> live;  // the open keys

    long OpenKey(platform::KeyHandle root, std::string_view subKey, std::uint32_t /*options*/,
                 std::uint32_t access, platform::KeyHandle& key) override {
        accessRequested.push_back(access);
        asked.emplace_back(subKey);
        key = 0;
        const auto found = keys.find(std::string(subKey));
        if (root != platform::kLocalMachine || found == keys.end()) {
            return platform::kErrorFileNotFound;
        }
        if (found->second.readOnly && (access & platform::kWriteRights) != 0) {
            return platform::kErrorAccessDenied;
        }
        key = next_++;
        live[key] = &found->second;
        return platform::kErrorSuccess;
    }

    long QueryValue(platform::KeyHandle key, std::string_view name, std::uint32_t& type,
                    std::uint8_t* data, std::uint32_t& size) override {
        if (live.count(key) == 0) {
            return platform::kErrorInvalidHandle;
        }
        const auto& values = live[key]->values;
        const auto value = values.find(std::string(name));
        if (value == values.end()) {
            return platform::kErrorFileNotFound;
        }
        const auto needed = static_cast<std::uint32_t>(value->second.bytes.size());
        type = value->second.type;
        const bool fits = needed <= size;
        if (fits && needed > 0) {
            std::memcpy(data, value->second.bytes.data(), needed);
        }
        size = needed;
        return fits ? platform::kErrorSuccess : platform::kErrorMoreData;
    }

    long CloseKey(platform::KeyHandle key) override {
        ++closes;
        return live.erase(key) == 1 ? platform::kErrorSuccess : platform::kErrorInvalidHandle;
    }

private:
    platform::KeyHandle next_ = 0x1000;
};

// A machine's normal files, startable programs and environment variables;
// it records the files looked for and the programs started.
class FakeMachine final : public platform::FileLookup,
                          public platform::ProgramStarter,
                          public platform::Environment {
public:
    std::set<std::string> files;
    bool lookupThrows = false;
    std::vector<std::string> filesAsked;
    std::set<std::string> startable;
    std::vector<std::string> started;
    std::map<std::string, std::string> variables;

    bool NormalFileExists(std::string_view path) override {
        filesAsked.emplace_back(path);
        if (lookupThrows) {
            throw std::runtime_error("path cannot be searched");
        }
        return files.count(std::string(path)) == 1;
    }

    bool StartDetached(std::string_view path) override {
        const bool starts = startable.count(std::string(path)) == 1;
        if (starts) {
            started.emplace_back(path);
        }
        return starts;
    }

    bool IsFullProgramPath(std::string_view path) const override {
        return platform::IsFullWindowsProgramPath(path);
    }

    // Expands %NAME% from `variables`, as ExpandEnvironmentStringsA does.
    std::string Expand(std::string_view text) override {
        std::string out(text);
        for (const auto& [name, value] : variables) {
            const std::string reference = "%" + name + "%";
            for (std::size_t at = out.find(reference); at != std::string::npos;
                 at = out.find(reference, at + value.size())) {
                out.replace(at, reference.size(), value);
            }
        }
        return out;
    }
};

}  // namespace wagelyn::testing
