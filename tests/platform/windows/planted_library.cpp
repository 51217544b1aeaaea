// A library planted beside a program under a system library's name: when
// loaded, it adds its own path as a line to C:\wagelyn-planted.txt. The
// program should never load it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        char line[MAX_PATH + 2] = {};
        DWORD length = GetModuleFileNameA(self, line, MAX_PATH);
        line[length++] = '\r';
        line[length++] = '\n';
        const HANDLE file = CreateFileA("C:\\wagelyn-planted.txt", FILE_APPEND_DATA,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line, length, &written, nullptr);
            CloseHandle(file);
        }
    }
    return TRUE;
}
