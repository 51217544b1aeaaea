// A stand-in for a started tool: records its own path in C:\wagelyn-started.txt.
#include <windows.h>

#include <cstring>

int main() {
    char name[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, name, MAX_PATH);
    // Written aside, then moved into place: a reader never sees half of it.
    HANDLE file = CreateFileA("C:\\wagelyn-started.tmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(file, name, static_cast<DWORD>(std::strlen(name)), &written, nullptr);
    CloseHandle(file);
    MoveFileExA("C:\\wagelyn-started.tmp", "C:\\wagelyn-started.txt", MOVEFILE_REPLACE_EXISTING);
    return 0;
}
