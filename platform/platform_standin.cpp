// The stand-in for systems without a Windows registry. Its registry is a
// read-only store with one value: the first key's PATH, naming a desktop
// system-information program found on PATH at the moment of the lookup.
// Nothing else is in it. Programs start detached, never through a shell.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/languages.h"
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
            if (folder.empty() || folder.front() != '/') {
                continue;  // never the current folder, nor one relative to it
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
    // Started from a child that ends at once, so the program belongs to no
    // one and is never left a zombie; a pipe closed on exec tells whether it
    // started. Between fork and exec only async-signal-safe calls are made.
    bool StartDetached(std::string_view path) override {
        if (path.empty()) {
            return false;
        }
        std::string program(path);
        char* const arguments[] = {program.data(), nullptr};
        int status[2];
        if (::pipe2(status, O_CLOEXEC) != 0) {
            return false;
        }
        const pid_t child = ::fork();
        if (child == 0) {
            ::setsid();
            const pid_t grandchild = ::fork();
            if (grandchild == 0) {
                ::execv(program.c_str(), arguments);
                const int error = errno;
                (void)!::write(status[1], &error, sizeof error);
                ::_exit(127);
            }
            ::_exit(grandchild < 0 ? 1 : 0);
        }
        ::close(status[1]);
        bool started = false;
        if (child > 0) {
            int childStatus = 0;
            while (::waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
            }
            int error = 0;
            ssize_t read = 0;
            do {
                read = ::read(status[0], &error, sizeof error);
            } while (read < 0 && errno == EINTR);
            started = WIFEXITED(childStatus) && WEXITSTATUS(childStatus) == 0 && read == 0;
        }
        ::close(status[0]);
        return started;
    }

    bool IsFullProgramPath(std::string_view path) const override { return path.starts_with('/'); }
};

class StandInEnvironment final : public Environment {
public:
    std::string Expand(std::string_view text) override {
        std::string out;
        while (!text.empty()) {
            const std::size_t open = text.find('%');
            const std::size_t close =
                open == std::string_view::npos ? open : text.find('%', open + 1);
            if (close == std::string_view::npos) {
                break;
            }
            out.append(text.substr(0, open));
            const std::string name(text.substr(open + 1, close - open - 1));
            const char* value = name.empty() ? nullptr : std::getenv(name.c_str());
            if (value != nullptr) {
                out += value;
                text.remove_prefix(close + 1);
            } else {
                // Left as it stands; its closing % may open the next name.
                out.append(text.substr(open, close - open));
                text.remove_prefix(close);
            }
        }
        out.append(text);
        return out;
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

Environment& SystemEnvironment() {
    static StandInEnvironment environment;
    return environment;
}

std::vector<std::string> PreferredLanguages() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string_view(value != nullptr ? value : "");
    };
    return LanguagesFromLocaleVariables(variable("LANGUAGE"), variable("LC_ALL"),
                                        variable("LC_MESSAGES"), variable("LANG"));
}

}  // namespace wagelyn::platform
