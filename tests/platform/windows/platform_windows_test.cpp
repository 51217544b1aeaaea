// The platform layer and the launcher on the real Windows API (run under
// Wine by run_platform.sh): registry size rules, read rights, exact-path
// program start, file lookup, expansion, and the launcher end to end.
//
//   platform_windows_test.exe MARKER.EXE
// windows.h first: the other Windows headers need what it declares.
#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/programs.h"
#include "platform/registry.h"
#include "system_info/system_info_launcher.h"
#include "tests/support/checks.h"

namespace {

using namespace wagelyn;

#define WHERE(condition) ("line " + std::to_string(__LINE__) + ": " #condition)
#define CHECK(condition) testing::Check((condition), WHERE(condition))
#define PRECONDITION(condition) testing::Precondition((condition), WHERE(condition))

constexpr const char* kTestKey = "SOFTWARE\\WagelynTest";
constexpr const char* kMarker = "C:\\wagelyn-started.txt";
constexpr const char* kToolFolder = "C:\\Program Files\\Wagelyn Test";
constexpr const char* kTool = "C:\\Program Files\\Wagelyn Test\\tool.exe";
constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kToolsLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Stores exactly `size` bytes of `data` (a text without its terminator, or
// no bytes) as `name` in the key at `path`, made if need be; gives the key,
// still open, or closes it.
HKEY Store(const std::string& path, const char* name, DWORD type, const void* data, DWORD size,
           bool keepOpen = false) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    return keepOpen ? key : (RegCloseKey(key), nullptr);
}

// Stores `text` and its terminator as `name` in the key at `path`.
void SetText(const std::string& path, const char* name, DWORD type, const char* text) {
    Store(path, name, type, text, static_cast<DWORD>(strlen(text) + 1));
}

// Reads `name` of the test key over the text "kept".
std::string Read(const char* name, bool* ok) {
    std::string text = "kept";
    *ok = GetKeyValue(platform::SystemRegistry(), platform::kLocalMachine, kTestKey, name, text);
    return text;
}

// Waits for a started tool's marker and returns the path it recorded.
std::string WaitForMarker() {
    for (int i = 0; i < 200; ++i, Sleep(50)) {
        if (std::ifstream file{kMarker, std::ios::binary}) {
            return {std::istreambuf_iterator<char>(file), {}};
        }
    }
    return {};
}

// Stores exactly `size` bytes of `data` as `name`: the reader gives `read`, and
// says whether it read a value.
void CheckStored(const char* name, DWORD type, const std::string& data, DWORD size,
                 const std::string& read, bool ok) {
    Store(kTestKey, name, type, data.data(), size);  // data() ends in a NUL
    bool readOk = !ok;
    testing::Check(Read(name, &readOk) == read && readOk == ok, std::string("stored ") + name);
}

void TestValueSizes() {
    const std::string full(1024, 'c');
    CheckStored("Fits", REG_SZ, std::string(1023, 'a'), 1024, std::string(1023, 'a'), true);
    CheckStored("TooLong", REG_SZ, std::string(1024, 'b'), 1025, "", false);
    // A non-zero byte after the data, or Wine (like Windows) adds the NUL.
    CheckStored("FullNoTerminator", REG_SZ, full + "X", 1024, full, true);
    CheckStored("ZeroBytes", REG_SZ, "", 0, "", true);
    CheckStored("WithTerminator", REG_SZ, "C:\\tool.exe", 12, "C:\\tool.exe", true);
    CheckStored("WithoutTerminator", REG_SZ, "C:\\tool.exeX", 11, "C:\\tool.exe", true);
    // 4096 as a little-endian DWORD.
    CheckStored("Number", REG_DWORD, std::string("\x00\x10\x00\x00", 4), 4, "4096", true);
    CheckStored("Binary", REG_BINARY, "\x01\x02", 2, "kept", true);
    bool ok = true;
    CHECK(Read("Missing", &ok).empty() && !ok);
}

void TestReadRightsOnly() {
    const std::string path = std::string(kTestKey) + "\\ReadOnly";
    const HKEY key = Store(path, "PATH", REG_SZ, "C:\\ro.exe", 10, true);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                         &descriptor, nullptr);
    PRECONDITION(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS);
    LocalFree(descriptor);
    RegCloseKey(key);

    // Asking for write rights as well is refused to a reader...
    HKEY opened = nullptr;
    PRECONDITION(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, 0x2003F, &opened) ==
                 ERROR_ACCESS_DENIED);
    // ...while the reader, which asks for read rights only, gets the value.
    std::string text;
    CHECK(GetKeyValue(platform::SystemRegistry(), platform::kLocalMachine, path, "PATH", text));
    CHECK(text == "C:\\ro.exe");
}

void TestProgramStart(const std::string& marker) {
    CreateDirectoryA(kToolFolder, nullptr);
    CHECK(CopyFileA(marker.c_str(), "C:\\Program.exe", FALSE));
    CHECK(CopyFileA(marker.c_str(), kTool, FALSE));

    // The hazard: an unquoted command line starts C:\Program.exe.
    DeleteFileA(kMarker);
    PRECONDITION(WinExec(kTool, SW_HIDE) > 31);
    PRECONDITION(WaitForMarker().ends_with("\\Program.exe"));

    // The program layer starts the program at exactly the path given.
    DeleteFileA(kMarker);
    CHECK(platform::SystemPrograms().StartDetached(kTool));
    CHECK(WaitForMarker().ends_with("\\tool.exe"));
    CHECK(!platform::SystemPrograms().StartDetached("C:\\Nothing\\here.exe"));
    CHECK(!platform::SystemPrograms().StartDetached(""));
    // Only a full path to an .exe is one Windows starts as it stands.
    CHECK(platform::SystemPrograms().IsFullProgramPath(kTool));
    CHECK(!platform::SystemPrograms().IsFullProgramPath("tool.exe"));
}

void TestFileLookup() {
    platform::FileLookup& files = platform::SystemFiles();
    CHECK(files.NormalFileExists(kTool));
    CHECK(!files.NormalFileExists(kToolFolder));
    CHECK(!files.NormalFileExists("C:\\Program Files\\Wagelyn Test\\*.exe"));
    const std::string hidden = std::string(kToolFolder) + "\\hidden.exe";
    CopyFileA(kTool, hidden.c_str(), FALSE);
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    CHECK(!files.NormalFileExists(hidden));
    CHECK(!files.NormalFileExists("C:\\Nothing\\here.exe"));
}

std::string Ansi(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), size, nullptr, nullptr);
    ansi.pop_back();
    return ansi;
}

// A folder outside ASCII, its tool, and variables naming both; expanded
// texts come back whole, however much they grow.
const wchar_t* const kAccentedFolder =
    L"C:\\Program Files\\Wagelyn Test\\\u00dcbung \u2013 Pr\u00fcfung";

void TestExpansion() {
    platform::Environment& environment = platform::SystemEnvironment();
    SetEnvironmentVariableA("WAGELYN_FOLDER", kToolFolder);
    SetEnvironmentVariableW(L"WAGELYN_ACCENTED", kAccentedFolder);
    const std::string accented = Ansi(kAccentedFolder);
    const std::string accentedTool = accented + "\\tool.exe";
    CHECK(environment.Expand("%WAGELYN_FOLDER%") == kToolFolder);
    CHECK(environment.Expand("%WAGELYN_FOLDER%\\tool.exe") == kTool);
    CHECK(environment.Expand("%WAGELYN_ACCENTED%") == accented);
    CHECK(environment.Expand("%WAGELYN_ACCENTED%\\tool.exe") == accentedTool);
    CHECK(environment.Expand(accentedTool) == accentedTool);
    CHECK(environment.Expand("%WAGELYN_UNSET%\\tool.exe") == "%WAGELYN_UNSET%\\tool.exe");
}

// The launcher reports the tool started, and the tool that records its start
// is `tool`.
void CheckLaunchStarts(const SysInfoPlatform& system, const std::string& tool) {
    DeleteFileA(kMarker);
    testing::Check(LaunchSystemInformation(system) == SysInfoOutcome::Started,
                   "the launcher starts " + tool);
    testing::Check(WaitForMarker().ends_with("\\" + tool), tool + " records its start");
}

void TestLauncher() {
    const SysInfoPlatform system = ThisSystem();
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kToolKey);

    // A folder value that is no text must not lead to \MSINFO32.EXE at the
    // root of the current drive, though one stands there.
    SetCurrentDirectoryA("C:\\");
    CopyFileA(kTool, "C:\\MSINFO32.EXE", FALSE);
    for (const DWORD type : {DWORD{REG_BINARY}, DWORD{REG_MULTI_SZ}, DWORD{REG_SZ}}) {
        // REG_SZ: the empty text
        Store(kToolsLocation, "MSINFO", type, "", type == REG_SZ ? 1 : 0);
        DeleteFileA(kMarker);
        CHECK(LaunchSystemInformation(system) == SysInfoOutcome::Unavailable);
        Sleep(300);
        CHECK(GetFileAttributesA(kMarker) == INVALID_FILE_ATTRIBUTES);
    }
    DeleteFileA("C:\\MSINFO32.EXE");

    // No registered path, and a folder without the tool: the message.
    SetText(kToolsLocation, "MSINFO", REG_SZ, kToolFolder);
    DeleteFileA("C:\\Program Files\\Wagelyn Test\\MSINFO32.EXE");
    CHECK(LaunchSystemInformation(system) == SysInfoOutcome::Unavailable);

    // The folder with the tool in it.
    CopyFileA(kTool, "C:\\Program Files\\Wagelyn Test\\MSINFO32.EXE", FALSE);
    CheckLaunchStarts(system, "MSINFO32.EXE");

    // A registered path wins, and names a path with blanks in it.
    SetText(kToolKey, "PATH", REG_SZ, kTool);
    CheckLaunchStarts(system, "tool.exe");

    // A registered path with references to the environment, expanded: one
    // that grows, and one that expands to a folder outside ASCII.
    CreateDirectoryW(kAccentedFolder, nullptr);
    PRECONDITION(CopyFileA(kTool, (Ansi(kAccentedFolder) + "\\tool.exe").c_str(), FALSE));
    for (const char* expandable :
         {"%SystemDrive%\\Program Files\\Wagelyn Test\\tool.exe", "%WAGELYN_ACCENTED%\\tool.exe"}) {
        SetText(kToolKey, "PATH", REG_EXPAND_SZ, expandable);
        CheckLaunchStarts(system, "tool.exe");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: platform_windows_test MARKER.EXE\n");
        return 2;
    }
    TestValueSizes();
    TestReadRightsOnly();
    TestProgramStart(argv[1]);
    TestFileLookup();
    TestExpansion();
    TestLauncher();
    return testing::Report("platform layer under Wine");
}
