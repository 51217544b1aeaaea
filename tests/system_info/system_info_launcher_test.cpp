#include "system_info/system_info_launcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/platform/fake_platform.h"

namespace wagelyn {
namespace {

using testing::FakeEnvironment;
using testing::FakeFiles;
using testing::FakeRegistry;
using testing::RecordingPrograms;
using testing::StoredKey;
using testing::StoredValue;

constexpr const char* kKey = "SOFTWARE\\Test";

struct ReadCase {
    const char* name;
    std::optional<StoredValue> value;  // none: the value is missing
    bool readOnlyKey;
    bool expectedRead;
    std::string expectedText;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class GetKeyValueTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GetKeyValueTest, ReadsAndAlwaysClosesTheKey) {
    const ReadCase& c = GetParam();
    FakeRegistry registry;
    StoredKey key;
    key.readOnly = c.readOnlyKey;
    if (c.value) {
        key.values["Value"] = *c.value;
    }
    registry.keys[kKey] = key;

    std::string text = "before";
    EXPECT_EQ(GetKeyValue(registry, platform::kLocalMachine, kKey, "Value", text), c.expectedRead);
    EXPECT_EQ(text, c.expectedText);
    ASSERT_EQ(registry.accessRequested.size(), 1U);
    EXPECT_EQ(registry.accessRequested[0], platform::kKeyRead);
    EXPECT_TRUE(registry.live.empty()) << "the key was left open";
}

const std::string k1023(1023, 'a');
const std::string k1024(1024, 'b');

// clang-format off
const ReadCase kReads[] = {
    {"TextWithTerminator", StoredValue::Text("C:\\Tools\\info.exe"), false, true,
     "C:\\Tools\\info.exe"},
    {"TextWithoutTerminator", StoredValue::Text("C:\\Tools\\info.exe", false), false, true,
     "C:\\Tools\\info.exe"},
    {"EmptyText", StoredValue::Text(""), false, true, ""},
    {"ZeroBytes", StoredValue{platform::kRegSz, {}}, false, true, ""},
    {"FullBuffer1023PlusTerminator", StoredValue::Text(k1023), false, true, k1023},
    {"OneByteTooMany", StoredValue::Text(k1024), false, false, ""},
    {"FullBufferWithoutTerminator", StoredValue::Text(k1024, false), false, true, k1024},
    {"DwordSmall", StoredValue::Dword(5), false, true, "5"},
    {"DwordWithInnerZeroByte", StoredValue::Dword(4096), false, true, "4096"},
    {"DwordLargest", StoredValue::Dword(0xFFFFFFFF), false, true, "4294967295"},
    {"OtherTypeLeavesTheText", StoredValue{3, {1, 2, 3}}, false, true, "before"},
    {"MissingValue", std::nullopt, false, false, ""},
    {"ReadOnlyKeyIsRead", StoredValue::Text("C:\\x.exe"), true, true, "C:\\x.exe"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, ::testing::ValuesIn(kReads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GetKeyValue, MissingKeyFailsWithEmptyText) {
    FakeRegistry registry;
    std::string text = "before";
    EXPECT_FALSE(GetKeyValue(registry, platform::kLocalMachine, kKey, "Value", text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(registry.closes, 0);  // nothing was opened, nothing to close
}

// The launcher, end to end over the fakes.
std::vector<std::uint8_t> Bytes(std::string_view text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct LaunchCase {
    const char* name;
    std::optional<StoredValue> path;    // first key's PATH
    std::optional<StoredValue> folder;  // second key's MSINFO
    std::vector<std::string> files;     // normal files that exist
    std::vector<std::string> startable;
    bool filesThrow;
    SysInfoOutcome expected;
    std::vector<std::string> expectedStarted;
    bool secondKeyRead;
};

void PrintTo(const LaunchCase& c, std::ostream* os) {
    *os << c.name;
}

class LaunchTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchTest, StartsTheToolOrSaysItIsUnavailable) {
    const LaunchCase& c = GetParam();
    FakeRegistry registry;
    if (c.path) {
        registry.keys[kToolKey].values["PATH"] = *c.path;
    }
    if (c.folder) {
        registry.keys[kFolderKey].values["MSINFO"] = *c.folder;
    }
    FakeFiles files;
    files.files.insert(c.files.begin(), c.files.end());
    files.throws = c.filesThrow;
    RecordingPrograms programs;
    programs.startable.insert(c.startable.begin(), c.startable.end());
    FakeEnvironment environment;
    environment.variables["SystemRoot"] = "C:\\Windows";

    EXPECT_EQ(LaunchSystemInformation({registry, files, programs, environment}), c.expected);
    EXPECT_EQ(programs.started, c.expectedStarted);
    const bool secondRead =
        std::find(registry.asked.begin(), registry.asked.end(), kFolderKey) != registry.asked.end();
    EXPECT_EQ(secondRead, c.secondKeyRead);
    if (!c.secondKeyRead) {
        // A registered path is started as it stands: no file is looked for.
        EXPECT_TRUE(files.asked.empty());
    }
    for (const std::string& asked : files.asked) {
        EXPECT_TRUE(programs.IsFullProgramPath(asked)) << "looked for " << asked;
    }
    EXPECT_TRUE(registry.live.empty());
}

// clang-format off
const LaunchCase kLaunches[] = {
    {"RegisteredPathStartsAndSecondKeyIsNeverRead", StoredValue::Text("C:\\Tools\\info.exe"),
     StoredValue::Text("C:\\Shared"), {}, {"C:\\Tools\\info.exe"}, false,
     SysInfoOutcome::Started, {"C:\\Tools\\info.exe"}, false},
    {"RegisteredPathIsNotCheckedForExistence", StoredValue::Text("C:\\Gone\\info.exe"),
     std::nullopt, {}, {}, false, SysInfoOutcome::Unavailable, {}, false},
    {"FolderWithTheTool", std::nullopt, StoredValue::Text("C:\\Shared"),
     {"C:\\Shared\\MSINFO32.EXE"}, {"C:\\Shared\\MSINFO32.EXE"}, false, SysInfoOutcome::Started,
     {"C:\\Shared\\MSINFO32.EXE"}, true},
    {"FolderWithoutTheTool", std::nullopt, StoredValue::Text("C:\\Shared"), {}, {}, false,
     SysInfoOutcome::Unavailable, {}, true},
    {"NeitherValue", std::nullopt, std::nullopt, {}, {}, false, SysInfoOutcome::Unavailable, {},
     true},
    // Only a non-empty text is a path: anything else is as good as missing.
    {"ZeroBytePathFallsBackToTheFolder", StoredValue{platform::kRegSz, {}},
     StoredValue::Text("C:\\Shared"), {"C:\\Shared\\MSINFO32.EXE"}, {"C:\\Shared\\MSINFO32.EXE"},
     false, SysInfoOutcome::Started, {"C:\\Shared\\MSINFO32.EXE"}, true},
    {"EmptyTextPathFallsBack", StoredValue::Text(""), std::nullopt, {}, {""}, false,
     SysInfoOutcome::Unavailable, {}, true},
    {"BinaryPathFallsBack", StoredValue{3, {'C', ':', '\\', 'x'}}, std::nullopt, {}, {}, false,
     SysInfoOutcome::Unavailable, {}, true},
    {"NumberAsFolderProbesNothing", std::nullopt, StoredValue::Dword(7), {"7\\MSINFO32.EXE"},
     {"7\\MSINFO32.EXE"}, false, SysInfoOutcome::Unavailable, {}, true},
    {"BinaryFolderProbesNothingAtTheRoot", std::nullopt, StoredValue{3, {1, 2}},
     {"\\MSINFO32.EXE"}, {"\\MSINFO32.EXE"}, false, SysInfoOutcome::Unavailable, {}, true},
    {"EmptyFolderProbesNothingAtTheRoot", std::nullopt, StoredValue::Text(""),
     {"\\MSINFO32.EXE"}, {"\\MSINFO32.EXE"}, false, SysInfoOutcome::Unavailable, {}, true},
    {"ExpandablePathIsExpanded", StoredValue{platform::kRegExpandSz, Bytes("%SystemRoot%\\info.exe")},
     std::nullopt, {}, {"C:\\Windows\\info.exe"}, false, SysInfoOutcome::Started,
     {"C:\\Windows\\info.exe"}, false},
    {"ExpandableFolderIsExpanded", std::nullopt,
     StoredValue{platform::kRegExpandSz, Bytes("%SystemRoot%\\System32")},
     {"C:\\Windows\\System32\\MSINFO32.EXE"}, {"C:\\Windows\\System32\\MSINFO32.EXE"}, false,
     SysInfoOutcome::Started, {"C:\\Windows\\System32\\MSINFO32.EXE"}, true},
    // Only a full path to an .exe: Windows would look for any other from the
    // current folder or drive.
    {"RelativePathIsNotStarted", StoredValue::Text("Tools\\info.exe"), std::nullopt, {},
     {"Tools\\info.exe"}, false, SysInfoOutcome::Unavailable, {}, true},
    {"DriveRelativePathIsNotStarted", StoredValue::Text("C:info.exe"), std::nullopt, {},
     {"C:info.exe"}, false, SysInfoOutcome::Unavailable, {}, true},
    {"RootRelativePathFallsBackToTheFolder", StoredValue::Text("\\Tools\\info.exe"),
     StoredValue::Text("C:\\Shared"), {"C:\\Shared\\MSINFO32.EXE"},
     {"\\Tools\\info.exe", "C:\\Shared\\MSINFO32.EXE"}, false, SysInfoOutcome::Started,
     {"C:\\Shared\\MSINFO32.EXE"}, true},
    {"UnexpandedPathIsNotStarted", StoredValue{platform::kRegExpandSz, Bytes("%Tools%\\info.exe")},
     std::nullopt, {}, {"%Tools%\\info.exe"}, false, SysInfoOutcome::Unavailable, {}, true},
    {"OtherKindOfFileIsNotStarted", StoredValue::Text("C:\\Tools\\info.bat"), std::nullopt, {},
     {"C:\\Tools\\info.bat"}, false, SysInfoOutcome::Unavailable, {}, true},
    {"UpperCaseExeStarts", StoredValue::Text("C:\\TOOLS\\INFO.EXE"), std::nullopt, {},
     {"C:\\TOOLS\\INFO.EXE"}, false, SysInfoOutcome::Started, {"C:\\TOOLS\\INFO.EXE"}, false},
    {"NetworkPathStarts", StoredValue::Text("\\\\server\\tools\\info.exe"), std::nullopt, {},
     {"\\\\server\\tools\\info.exe"}, false, SysInfoOutcome::Started,
     {"\\\\server\\tools\\info.exe"}, false},
    {"RelativeFolderProbesNothing", std::nullopt, StoredValue::Text("Shared"),
     {"Shared\\MSINFO32.EXE"}, {"Shared\\MSINFO32.EXE"}, false, SysInfoOutcome::Unavailable, {},
     true},
    {"LookupErrorGivesTheMessage", std::nullopt, StoredValue::Text("C:\\Shared"), {}, {}, true,
     SysInfoOutcome::Unavailable, {}, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Launches, LaunchTest, ::testing::ValuesIn(kLaunches),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LaunchSystemInformation, ReadOnlyKeysStillFindTheTool) {
    FakeRegistry registry;
    registry.keys[kToolKey].readOnly = true;
    registry.keys[kToolKey].values["PATH"] = StoredValue::Text("C:\\Tools\\info.exe");
    FakeFiles files;
    RecordingPrograms programs;
    programs.startable.insert("C:\\Tools\\info.exe");
    FakeEnvironment environment;
    EXPECT_EQ(LaunchSystemInformation({registry, files, programs, environment}),
              SysInfoOutcome::Started);
}

}  // namespace
}  // namespace wagelyn
