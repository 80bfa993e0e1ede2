// Stands in for netsh in the end-to-end tests: cmd.exe finds this netsh.exe in
// the current folder first. It appends its arguments, exactly as cmd.exe passed
// them, to netsh.log beside itself: "ARGS=[<arguments>]". Appends are atomic,
// so consoles running at the same time never lose each other's lines.
#include <windows.h>

#include <string>

int main() {
    std::string commandLine = GetCommandLineA();
    std::size_t end = commandLine[0] == '"' ? commandLine.find('"', 1) : commandLine.find(' ');
    std::string arguments = end == std::string::npos ? "" : commandLine.substr(end + 1);
    arguments.erase(0, arguments.find_first_not_of(' '));

    char self[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string log(self, length);
    log = log.substr(0, log.find_last_of('\\') + 1) + "netsh.log";
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::string line = "ARGS=[" + arguments + "]\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
