#include "system_info/system_info_launcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/platform/fake_platform.h"
#include "tests/support/row_names.h"

namespace wagelyn {
namespace {

using namespace testing;

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
    FakeRegistry registry;
    if (c.key != Key::Missing) {
        registry.keys[kKey].readOnly = c.key == Key::ReadOnly;
    }
    if (c.value) {
        registry.keys[kKey].values["Value"] = *c.value;
    }

    std::string text = "before";
    EXPECT_EQ(GetKeyValue(registry, platform::kLocalMachine, kKey, "Value", text), c.expectedRead);
    EXPECT_EQ(text, c.expectedText);
    ASSERT_EQ(registry.accessRequested.size(), 1U);
    EXPECT_EQ(registry.accessRequested[0], platform::kKeyRead);
    // Closed once when it opened, not at all when it did not.
    EXPECT_EQ(registry.closes, c.key == Key::Missing ? 0 : 1);
    EXPECT_TRUE(registry.live.empty()) << "the key was left open";
}

const std::string k1023(1023, 'a');
const std::string k1024(1024, 'b');

// clang-format off
const ReadCase kReads[] = {
    {"TextWithTerminator", StoredValue::Text(kTool), true, kTool},
    {"TextWithoutTerminator", StoredValue::Text(kTool, false), true, kTool},
    {"EmptyText", StoredValue::Text(""), true, ""},
    {"ZeroBytes", StoredValue{platform::kRegSz, {}}, true, ""},
    {"FullBuffer1023PlusTerminator", StoredValue::Text(k1023), true, k1023},
    {"OneByteTooMany", StoredValue::Text(k1024), false, ""},
    {"FullBufferWithoutTerminator", StoredValue::Text(k1024, false), true, k1024},
    {"DwordSmall", StoredValue::Dword(5), true, "5"},
    {"DwordWithInnerZeroByte", StoredValue::Dword(4096), true, "4096"},
    {"DwordLargest", StoredValue::Dword(0xFFFFFFFF), true, "4294967295"},
    {"OtherTypeLeavesTheText", StoredValue{3, {1, 2, 3}}, true, "before"},
    {"MissingValue", std::nullopt, false, ""},
    {"ReadOnlyKeyIsRead", StoredValue::Text("C:\\x.exe"), true, "C:\\x.exe", Key::ReadOnly},
    {"MissingKeyFailsWithEmptyText", std::nullopt, false, "", Key::Missing},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, ::testing::ValuesIn(kReads), RowName{});

// The launcher, end to end over the fakes.
constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kSharedTool = "C:\\Shared\\MSINFO32.EXE";
const StoredValue kShared = StoredValue::Text("C:\\Shared");

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
    FakeRegistry registry;
    if (c.path) {
        registry.keys[kToolKey].values["PATH"] = *c.path;
        registry.keys[kToolKey].readOnly = c.readOnlyKey;
    }
    if (c.folder) {
        registry.keys[kFolderKey].values["MSINFO"] = *c.folder;
    }
    FakeMachine machine;
    machine.files.insert(c.files.begin(), c.files.end());
    machine.lookupThrows = c.filesThrow;
    for (const auto* programs : {&c.files, &c.started, &c.decoys}) {
        machine.startable.insert(programs->begin(), programs->end());
    }
    machine.variables["SystemRoot"] = "C:\\Windows";

    EXPECT_EQ(LaunchSystemInformation({registry, machine, machine, machine}),
              c.started.empty() ? SysInfoOutcome::Unavailable : SysInfoOutcome::Started);
    EXPECT_EQ(machine.started, c.started);
    EXPECT_EQ(std::ranges::count(registry.asked, kFolderKey), c.secondKeyRead ? 1 : 0);
    if (!c.secondKeyRead) {
        // A registered path is started as it stands: no file is looked for.
        EXPECT_TRUE(machine.filesAsked.empty());
    }
    for (const std::string& asked : machine.filesAsked) {
        EXPECT_TRUE(machine.IsFullProgramPath(asked)) << "looked for " << asked;
    }
    EXPECT_TRUE(registry.live.empty());
}

constexpr std::nullopt_t kNone = std::nullopt;

StoredValue Text(const std::string& text) {
    return StoredValue::Text(text);
}

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
    {"NumberAsFolderProbesNothing", kNone, StoredValue::Dword(7), {"7\\MSINFO32.EXE"}, {}, true},
    {"BinaryFolderProbesNothingAtTheRoot", kNone, StoredValue{3, {1, 2}}, {"\\MSINFO32.EXE"}, {},
     true},
    {"EmptyFolderProbesNothingAtTheRoot", kNone, Text(""), {"\\MSINFO32.EXE"}, {}, true},
    {"ExpandablePathIsExpanded", StoredValue::Expandable("%SystemRoot%\\info.exe"), kNone, {},
     {"C:\\Windows\\info.exe"}, false},
    {"ExpandableFolderIsExpanded", kNone, StoredValue::Expandable("%SystemRoot%\\System32"),
     {"C:\\Windows\\System32\\MSINFO32.EXE"}, {"C:\\Windows\\System32\\MSINFO32.EXE"}, true},
    // Only a full path to an .exe: Windows would look for any other from the
    // current folder or drive.
    {"RelativePathIsNotStarted", Text("Tools\\info.exe"), kNone, {}, {}, true, {"Tools\\info.exe"}},
    {"DriveRelativePathIsNotStarted", Text("C:info.exe"), kNone, {}, {}, true, {"C:info.exe"}},
    {"RootRelativePathFallsBackToTheFolder", Text("\\Tools\\info.exe"), kShared, {kSharedTool},
     {kSharedTool}, true, {"\\Tools\\info.exe"}},
    {"UnexpandedPathIsNotStarted", StoredValue::Expandable("%Tools%\\info.exe"), kNone, {}, {},
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
