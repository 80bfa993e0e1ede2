// Stands in for netsh in the end-to-end tests, from the system folder where
// the real one is (Wine runs it there when its load order says "native"). It
// appends its arguments, exactly as cmd.exe passed them, to netsh.log:
// "ARGS=[<arguments>]"; and the whole command line of the process that
// started it (cmd.exe's, whose switches say how cmd read the line) to
// parent.log. The logs go to the folder that KELVARO_NETSH_LOG_DIR names,
// where it is set (the test's, inherited through kelvaro and cmd), else beside
// itself. Like netsh, it writes to its output (the "ARGS" line, which a dump's
// redirection keeps) and ends with 0, or with the number that netsh.exit
// beside the logs holds, so that a running test can make it fail. The logs are opened for this writer alone,
// waiting while another has them, so consoles running at the same time never
// overwrite each other's lines.
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <string>

namespace {

std::string LogFolder() {
    char folder[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("KELVARO_NETSH_LOG_DIR", folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return std::string(folder, length) + "\\";
    length = GetModuleFileNameA(nullptr, folder, MAX_PATH);
    std::string path(folder, length);
    return path.substr(0, path.find_last_of('\\') + 1);
}

bool AppendLine(const std::string& log, const std::string& line) {
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 1000 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileA(log.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) Sleep(10);
    }
    if (file == INVALID_HANDLE_VALUE) return false;
    SetFilePointer(file, 0, nullptr, FILE_END);
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return true;
}

// Read from the parent's process parameters, which hold it as it was given.
std::string ParentCommandLine() {
    PROCESS_BASIC_INFORMATION own{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &own, sizeof own, nullptr);
    HANDLE parent = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE,
                                static_cast<DWORD>(own.InheritedFromUniqueProcessId));
    if (!parent) return "(parent gone)";
    PROCESS_BASIC_INFORMATION info{};
    PEB peb{};
    RTL_USER_PROCESS_PARAMETERS parameters{};
    std::wstring line;
    if (NT_SUCCESS(NtQueryInformationProcess(parent, ProcessBasicInformation, &info, sizeof info, nullptr)) &&
        ReadProcessMemory(parent, info.PebBaseAddress, &peb, sizeof peb, nullptr) &&
        ReadProcessMemory(parent, peb.ProcessParameters, &parameters, sizeof parameters, nullptr)) {
        line.resize(parameters.CommandLine.Length / sizeof(wchar_t));
        ReadProcessMemory(parent, parameters.CommandLine.Buffer, line.data(), parameters.CommandLine.Length, nullptr);
    }
    CloseHandle(parent);
    std::string text(line.size() * 2, '\0');
    text.resize(WideCharToMultiByte(CP_ACP, 0, line.data(), static_cast<int>(line.size()), text.data(),
                                    static_cast<int>(text.size()), nullptr, nullptr));
    return text;
}

}  // namespace

int main() {
    std::string commandLine = GetCommandLineA();
    std::size_t end = commandLine[0] == '"' ? commandLine.find('"', 1) : commandLine.find(' ');
    std::string arguments = end == std::string::npos ? "" : commandLine.substr(end + 1);
    arguments.erase(0, arguments.find_first_not_of(' '));

    const std::string folder = LogFolder();
    // parent.log first: it is complete once netsh.log shows the call.
    const std::string line = "ARGS=[" + arguments + "]";
    const bool logged = AppendLine(folder + "parent.log", ParentCommandLine()) && AppendLine(folder + "netsh.log", line);
    std::printf("%s\n", line.c_str());
    if (!logged) return 1;
    int exitCode = 0;
    if (FILE* given = std::fopen((folder + "netsh.exit").c_str(), "r")) {
        if (std::fscanf(given, "%d", &exitCode) != 1) exitCode = 0;
        std::fclose(given);
    }
    return exitCode;
}
