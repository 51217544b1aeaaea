#include "system_info/system_info_launcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/program_path.h"
#include "tests/support/row_names.h"

namespace wagelyn {
namespace {

using namespace testing;

// In-memory stand-ins for the platform seams that follow the Windows API's
// contract: result codes, size rules, access rights; and they record calls.
struct StoredValue {
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;
};

StoredValue Text(const std::string& text, bool terminated = true,
                 std::uint32_t type = platform::kRegSz) {
    const char* chars = text.c_str();  // its terminator included
    return {type, {chars, chars + text.size() + (terminated ? 1 : 0)}};
}

StoredValue Expandable(const std::string& text) {
    return Text(text, true, platform::kRegExpandSz);
}

StoredValue Dword(std::uint32_t number) {
    return {platform::kRegDword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

struct StoredKey {
    bool readOnly = false;  // the user holds read rights only
    std::map<std::string, StoredValue> values;
};

// A machine's registry, normal files, startable programs and environment
// variables; it records the keys opened, the files looked for and the
// programs started.
class FakeMachine final : public platform::Registry,
                          public platform::FileLookup,
                          public platform::ProgramStarter,
                          public platform::Environment {
public:
    std::map<std::string, StoredKey> keys;  // under HKEY_LOCAL_MACHINE
    std::vector<std::string> asked;         // every key an open was tried on
    std::vector<std::uint32_t> accessRequested;
    int closes = 0;
    std::map<platform::KeyHandle, const StoredKey*> live;  // the open keys
    std::set<std::string> files;
    bool lookupThrows = false;
    std::vector<std::string> filesAsked;
    std::set<std::string> startable;
    std::vector<std::string> started;

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
        key = 0x1000 + accessRequested.size();  // a handle no other open was given
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

    // Expands %SystemRoot%, as ExpandEnvironmentStringsA does where it is
    // C:\Windows; any other reference stays as it is, as an unset one would.
    std::string Expand(std::string_view text) override {
        constexpr std::string_view kReference = "%SystemRoot%";
        std::string out(text);
        for (auto at = out.find(kReference); at != std::string::npos; at = out.find(kReference)) {
            out.replace(at, kReference.size(), "C:\\Windows");
        }
        return out;
    }
};

constexpr const char* kKey = "SOFTWARE\\Test";
constexpr const char* kTool = "C:\\Tools\\info.exe";

enum class Key { Writable, ReadOnly, Missing };

struct ReadCase : NamedRow {
    std::optional<StoredValue> value;  // none: the value is missing
    bool expectedRead;
    std::string expectedText;
    Key key = Key::Writable;
};

class GetKeyValueTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GetKeyValueTest, ReadsAndAlwaysClosesTheKey) {
    const ReadCase& c = GetParam();
    FakeMachine machine;
    if (c.key != Key::Missing) {
        machine.keys[kKey].readOnly = c.key == Key::ReadOnly;
    }
    if (c.value) {
        machine.keys[kKey].values["Value"] = *c.value;
    }

    std::string text = "before";
    EXPECT_EQ(GetKeyValue(machine, platform::kLocalMachine, kKey, "Value", text), c.expectedRead);
    EXPECT_EQ(text, c.expectedText);
    EXPECT_EQ(machine.accessRequested, std::vector<std::uint32_t>{platform::kKeyRead});
    // Closed once when it opened, not at all when it did not.
    EXPECT_EQ(machine.closes, c.key == Key::Missing ? 0 : 1);
    EXPECT_TRUE(machine.live.empty()) << "the key was left open";
}

const std::string k1023(1023, 'a');
const std::string k1024(1024, 'b');

// clang-format off
const ReadCase kReads[] = {
    {"TextWithTerminator", Text(kTool), true, kTool},
    {"TextWithoutTerminator", Text(kTool, false), true, kTool},
    {"EmptyText", Text(""), true, ""},
    {"ZeroBytes", StoredValue{platform::kRegSz, {}}, true, ""},
    {"FullBuffer1023PlusTerminator", Text(k1023), true, k1023},
    {"OneByteTooMany", Text(k1024), false, ""},
    {"FullBufferWithoutTerminator", Text(k1024, false), true, k1024},
    {"DwordSmall", Dword(5), true, "5"},
    {"DwordWithInnerZeroByte", Dword(4096), true, "4096"},
    {"DwordLargest", Dword(0xFFFFFFFF), true, "4294967295"},
    {"OtherTypeLeavesTheText", StoredValue{3, {1, 2, 3}}, true, "before"},
    {"MissingValue", std::nullopt, false, ""},
    {"ReadOnlyKeyIsRead", Text("C:\\x.exe"), true, "C:\\x.exe", Key::ReadOnly},
    {"MissingKeyFailsWithEmptyText", std::nullopt, false, "", Key::Missing},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, ::testing::ValuesIn(kReads), RowName{});

// The launcher, end to end over the fakes.
constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kSharedTool = "C:\\Shared\\MSINFO32.EXE";
const StoredValue kShared = Text("C:\\Shared");

struct LaunchCase : NamedRow {
    std::optional<StoredValue> path;    // first key's PATH
    std::optional<StoredValue> folder;  // second key's MSINFO
    std::vector<std::string> files;     // normal files that exist, and start
    std::vector<std::string> started;   // none: the tool is unavailable
    bool secondKeyRead;
    std::vector<std::string> decoys = {};  // would start, but must not be
    bool filesThrow = false;
    bool readOnlyKey = false;  // the user may only read the first key
};

class LaunchTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchTest, StartsTheToolOrSaysItIsUnavailable) {
    const LaunchCase& c = GetParam();
    FakeMachine machine;
    if (c.path) {
        machine.keys[kToolKey].values["PATH"] = *c.path;
        machine.keys[kToolKey].readOnly = c.readOnlyKey;
    }
    if (c.folder) {
        machine.keys[kFolderKey].values["MSINFO"] = *c.folder;
    }
    machine.files.insert(c.files.begin(), c.files.end());
    machine.lookupThrows = c.filesThrow;
    for (const auto* programs : {&c.files, &c.started, &c.decoys}) {
        machine.startable.insert(programs->begin(), programs->end());
    }

    EXPECT_EQ(LaunchSystemInformation({machine, machine, machine, machine}),
              c.started.empty() ? SysInfoOutcome::Unavailable : SysInfoOutcome::Started);
    EXPECT_EQ(machine.started, c.started);
    EXPECT_EQ(std::ranges::count(machine.asked, kFolderKey), c.secondKeyRead ? 1 : 0);
    // A registered path is started as it stands: no file is looked for.
    EXPECT_TRUE(c.secondKeyRead || machine.filesAsked.empty());
    for (const std::string& asked : machine.filesAsked) {
        EXPECT_TRUE(machine.IsFullProgramPath(asked)) << "looked for " << asked;
    }
    EXPECT_TRUE(machine.live.empty());
}

constexpr std::nullopt_t kNone = std::nullopt;

// clang-format off
const LaunchCase kLaunches[] = {
    {"RegisteredPathStartsAndSecondKeyIsNeverRead", Text(kTool), kShared, {}, {kTool}, false},
    {"RegisteredPathIsNotCheckedForExistence", Text("C:\\Gone\\info.exe"), kNone, {}, {}, false},
    {"FolderWithTheTool", kNone, kShared, {kSharedTool}, {kSharedTool}, true},
    {"FolderWithoutTheTool", kNone, kShared, {}, {}, true},
    {"NeitherValue", kNone, kNone, {}, {}, true},
    // Only a non-empty text is a path: anything else is as good as missing.
    {"ZeroBytePathFallsBackToTheFolder", StoredValue{platform::kRegSz, {}}, kShared, {kSharedTool},
     {kSharedTool}, true},
    {"EmptyTextPathFallsBack", Text(""), kNone, {}, {}, true, {""}},
    {"BinaryPathFallsBack", StoredValue{3, {'C', ':', '\\', 'x'}}, kNone, {}, {}, true},
    {"NumberAsFolderProbesNothing", kNone, Dword(7), {"7\\MSINFO32.EXE"}, {}, true},
    {"BinaryFolderProbesNothingAtTheRoot", kNone, StoredValue{3, {1, 2}}, {"\\MSINFO32.EXE"}, {},
     true},
    {"EmptyFolderProbesNothingAtTheRoot", kNone, Text(""), {"\\MSINFO32.EXE"}, {}, true},
    {"ExpandablePathIsExpanded", Expandable("%SystemRoot%\\info.exe"), kNone, {},
     {"C:\\Windows\\info.exe"}, false},
    {"ExpandableFolderIsExpanded", kNone, Expandable("%SystemRoot%\\System32"),
     {"C:\\Windows\\System32\\MSINFO32.EXE"}, {"C:\\Windows\\System32\\MSINFO32.EXE"}, true},
    // Only a full path to an .exe: Windows would look for any other from the
    // current folder or drive.
    {"RelativePathIsNotStarted", Text("Tools\\info.exe"), kNone, {}, {}, true, {"Tools\\info.exe"}},
    {"DriveRelativePathIsNotStarted", Text("C:info.exe"), kNone, {}, {}, true, {"C:info.exe"}},
    {"RootRelativePathFallsBackToTheFolder", Text("\\Tools\\info.exe"), kShared, {kSharedTool},
     {kSharedTool}, true, {"\\Tools\\info.exe"}},
    {"UnexpandedPathIsNotStarted", Expandable("%Tools%\\info.exe"), kNone, {}, {},
     true, {"%Tools%\\info.exe"}},
    {"OtherKindOfFileIsNotStarted", Text("C:\\Tools\\info.bat"), kNone, {}, {}, true,
     {"C:\\Tools\\info.bat"}},
    {"UpperCaseExeStarts", Text("C:\\TOOLS\\INFO.EXE"), kNone, {}, {"C:\\TOOLS\\INFO.EXE"}, false},
    {"NetworkPathStarts", Text("\\\\server\\tools\\info.exe"), kNone, {},
     {"\\\\server\\tools\\info.exe"}, false},
    {"RelativeFolderProbesNothing", kNone, Text("Shared"), {"Shared\\MSINFO32.EXE"}, {}, true},
    {"LookupErrorGivesTheMessage", kNone, kShared, {}, {}, true, {}, true},
    {"ReadOnlyKeysStillFindTheTool", Text(kTool), kNone, {}, {kTool}, false, {}, false, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Launches, LaunchTest, ::testing::ValuesIn(kLaunches), RowName{});

}  // namespace
}  // namespace wagelyn
