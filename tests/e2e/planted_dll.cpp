// A comctl32.dll such as a download could leave beside kelvaro.exe: once
// loaded, it leaves planted.log beside itself.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char path[MAX_PATH];
    std::string log(path, GetModuleFileNameA(self, path, MAX_PATH));
    log = log.substr(0, log.find_last_of('\\') + 1) + "planted.log";
    HANDLE file = CreateFileA(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return TRUE;
}
