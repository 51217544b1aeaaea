// The Windows side: the ANSI registry functions of advapi32, file attributes,
// CreateProcessA and ExpandEnvironmentStringsA, called as documented.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/languages.h"
#include "platform/program_path.h"
#include "platform/programs.h"
#include "platform/registry.h"

namespace wagelyn::platform {
namespace {

HKEY ToHkey(KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}  // NOLINT(performance-no-int-to-ptr)

class WindowsRegistry final : public Registry {
public:
    long OpenKey(KeyHandle root, std::string_view subKey, std::uint32_t options,
                 std::uint32_t access, KeyHandle& key) override {
        const std::string path(subKey);
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(ToHkey(root), path.c_str(), options, access, &opened);
        key = result == ERROR_SUCCESS ? reinterpret_cast<KeyHandle>(opened) : 0;
        return result;
    }

    long QueryValue(KeyHandle key, std::string_view name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override {
        const std::string valueName(name);
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG result =
            RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
        type = valueType;
        size = valueSize;
        return result;
    }

    long CloseKey(KeyHandle key) override { return RegCloseKey(ToHkey(key)); }
};

class WindowsFiles final : public FileLookup {
public:
    bool NormalFileExists(std::string_view path) override {
        const std::string text(path);
        const DWORD attributes = GetFileAttributesA(text.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return false;
        }
        return (attributes &
                (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
    }
};

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// A process or thread handle, closed by its owner's end.
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

class WindowsPrograms final : public ProgramStarter {
public:
    bool StartDetached(std::string_view path) override {
        if (path.empty()) {
            return false;
        }
        // The application name is given, and the command line quotes it: an
        // unquoted "C:\Program Files\..." would start C:\Program.exe instead.
        const std::string application(path);
        std::string commandLine = "\"" + application + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            return false;
        }
        // Detached: neither handle is waited on, so both are let go at once.
        const OwnedHandle thread(process.hThread);
        const OwnedHandle started(process.hProcess);
        return true;
    }

    bool IsFullProgramPath(std::string_view path) const override {
        return IsFullWindowsProgramPath(path);
    }
};

class WindowsEnvironment final : public Environment {
public:
    std::string Expand(std::string_view text) override {
        const std::string source(text);
        // The ANSI function wants room for the text, its terminator and one
        // byte more, and may count characters rather than bytes where one
        // takes several: the text's length is read from the text, and a text
        // that reaches the spare byte may have been cut, so it is asked for
        // again with more room. A variable may also change between calls.
        std::string expanded(source.size() + 2, '\0');
        while (expanded.size() <= kMostBytes) {
            const DWORD needed = ExpandEnvironmentStringsA(source.c_str(), expanded.data(),
                                                           static_cast<DWORD>(expanded.size()));
            if (needed == 0) {
                return source;
            }
            const std::size_t length = std::strlen(expanded.c_str());
            if (std::size_t{needed} + 1 <= expanded.size() && length + 2 <= expanded.size()) {
                expanded.resize(length);
                return expanded;
            }
            expanded.assign(std::max<std::size_t>(std::size_t{needed} + 1, expanded.size() * 2),
                            '\0');
        }
        return source;
    }

private:
    // An expanded text is at most 32 K characters, each at most 4 bytes.
    static constexpr std::size_t kMostBytes = 4 * 32768 + 2;
};

}  // namespace

Registry& SystemRegistry() {
    static WindowsRegistry registry;
    return registry;
}

FileLookup& SystemFiles() {
    static WindowsFiles files;
    return files;
}

ProgramStarter& SystemPrograms() {
    static WindowsPrograms programs;
    return programs;
}

Environment& SystemEnvironment() {
    static WindowsEnvironment environment;
    return environment;
}

std::vector<std::string> PreferredLanguages() {
    ULONG count = 0;
    ULONG length = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &length) || length == 0) {
        return {};
    }
    std::wstring names(length, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &length)) {
        return {};
    }
    // A list of names, each ending in a null, the list in a second one. The
    // names are language tags ("de-DE"): plain ASCII.
    std::vector<std::string> languages;
    for (std::size_t start = 0; start < names.size() && names[start] != L'\0';) {
        const std::size_t end = names.find(L'\0', start);
        std::string name;
        for (std::size_t i = start; i < end; ++i) {
            name.push_back(names[i] < 0x80 ? static_cast<char>(names[i]) : '?');
        }
        languages.push_back(std::move(name));
        start = end + 1;
    }
    return languages;
}

}  // namespace wagelyn::platform
