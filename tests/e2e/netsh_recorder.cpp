// Stands in for netsh in the end-to-end tests: cmd.exe finds this netsh.exe in
// the current folder first. It appends its arguments, exactly as cmd.exe passed
// them, to netsh.log beside itself: "ARGS=[<arguments>]". The log is opened
// for this writer alone, waiting while another has it, so consoles running
// at the same time never overwrite each other's lines.
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
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 1000 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileA(log.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) Sleep(10);
    }
    if (file == INVALID_HANDLE_VALUE) return 1;
    SetFilePointer(file, 0, nullptr, FILE_END);
    std::string line = "ARGS=[" + arguments + "]\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
