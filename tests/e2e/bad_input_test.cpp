// Text the program does not control, handed to the real exe: settings files
// edited by hand, odd file names, odd arguments. It must keep running, run
// exactly the file named, and lose nothing of the settings file.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/e2e_support.h"

namespace {

// The lines of `text` that are not the window bounds the program stores.
std::vector<std::string> LinesBesidesBounds(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(begin, end - begin);
        // Wine's private-profile service drops blanks around values when it
        // rewrites a file; what the program reads of them is the same.
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        bool bounds = line.rfind("Left=", 0) == 0 || line.rfind("Top=", 0) == 0 || line.rfind("Width=", 0) == 0 ||
                      line.rfind("Height=", 0) == 0 || line == "[FORM]";
        if (!bounds && !line.empty()) lines.push_back(line);
        begin = end + 1;
    }
    return lines;
}

TEST(BadInput, HandEditedSettingsFilesKeepTheProgramRunningAndLoseNothing) {
    const std::string junkValue(100000, 'x');
    const std::string files[] = {
        "; my notes\r\n[DIR]\r\nLoadFolder=" + junkValue + "\r\n[MINE]\r\nkeep=this\r\n",
        "[FORM]\r\nLeft=0x\r\nTop=$\r\nWidth=-0x10\r\nHeight= 12\r\n[CHECKBOX]\r\nDos=1 \r\nTop=\xEF\xBC\x91\r\n",
        "[CHECKBOX]\r\nClose=1\r\n[CHECKBOX]\r\nClose=0\r\nClose=1\r\n[other]\r\nx=1\r\n",
        "\x01\x02\xFF\xFE[\x80\x80=\x95\x5C no line end",
    };
    for (const std::string& original : files) {
        e2e::Installation installation;
        e2e::WriteText(installation / "kelvaro.ini", original);
        e2e::Process kelvaro(installation);
        HWND window = kelvaro.MainWindow();
        ASSERT_NE(window, nullptr) << original.substr(0, 40);
        e2e::PressKey(FindWindowExA(window, nullptr, "LISTBOX", nullptr), VK_ESCAPE);
        DWORD exitCode = 99;
        ASSERT_TRUE(kelvaro.WaitForExit(&exitCode));
        EXPECT_EQ(exitCode, 0u);
        const std::string after = e2e::ReadText(installation / "kelvaro.ini");
        EXPECT_EQ(LinesBesidesBounds(after), LinesBesidesBounds(original)) << original.substr(0, 40);
        EXPECT_NE(after.find("Width="), std::string::npos);
    }
}

TEST(BadInput, SettingsFileHeldByAnotherProgramIsReportedAndNothingIsLost) {
    e2e::Installation installation;
    const std::string original = "[MINE]\r\nkeep=this\r\n";
    e2e::WriteText(installation / "kelvaro.ini", original);
    // Held open with no sharing, as an editor or a backup program may.
    HANDLE held = CreateFileA((installation / "kelvaro.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    e2e::Process kelvaro(installation);
    HWND window = kelvaro.MainWindow();
    ASSERT_NE(window, nullptr) << "the settings cannot be read: the defaults hold";
    e2e::PressKey(FindWindowExA(window, nullptr, "LISTBOX", nullptr), VK_ESCAPE);
    HWND error = kelvaro.Dialog();
    ASSERT_NE(error, nullptr) << "the refused write is reported";
    PostMessageA(error, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    DWORD exitCode = 99;
    EXPECT_TRUE(kelvaro.WaitForExit(&exitCode)) << "then the program ends: nobody is kept in";
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(held);
    EXPECT_EQ(e2e::ReadText(installation / "kelvaro.ini"), original) << "only the bounds are lost";
}

TEST(BadInput, NamesWithShellCharactersReachNetshExactly) {
    e2e::Installation installation;
    e2e::InstallRecordingNetsh(installation);
    const std::string names[] = {"a&b.nsh", "x^y.nsh", "(1) copy.nsh", "a;b,c=d!.nsh",
                                 "\x95\x5C\x83\x5C & more.nsh", std::string(200, 'n') + ".nsh"};
    std::string arguments;
    std::vector<std::string> expected;
    for (const std::string& name : names) {
        e2e::WriteText(installation / name, "");
        arguments += "\"" + installation / name + "\" ";
        expected.push_back("ARGS=[-f \"" + installation / name + "\"]");
    }
    std::sort(expected.begin(), expected.end());
    e2e::Process kelvaro(installation, arguments);
    ASSERT_TRUE(kelvaro.WaitForExit());
    EXPECT_EQ(e2e::WaitForNetshLog(installation, expected.size()), expected);
}

BOOL CALLBACK AppendText(HWND window, LPARAM texts) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    *reinterpret_cast<std::string*>(texts) += text;
    return TRUE;
}

// Started from a folder whose name code page 932 cannot hold ("café", which
// the "A" functions would read as "cafe", a folder beside it), it says why,
// ends, and writes no settings file anywhere.
TEST(BadInput, AFolderTheCodePageCannotNameIsReportedAndNothingWritten) {
    e2e::Installation installation;
    std::wstring exe(MAX_PATH, L'\0');
    exe.resize(MultiByteToWideChar(CP_ACP, 0, installation.Exe().c_str(), -1, exe.data(), MAX_PATH) - 1);
    const std::wstring folder = exe.substr(0, exe.rfind(L'\\')) + L"\\caf\u00e9";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((installation / "cafe").c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(exe.c_str(), (folder + L"\\kelvaro.exe").c_str(), FALSE));
    e2e::Process kelvaro(folder + L"\\kelvaro.exe", folder);
    HWND box = kelvaro.Dialog();
    ASSERT_NE(box, nullptr);
    std::string texts;
    EnumChildWindows(box, &AppendText, reinterpret_cast<LPARAM>(&texts));
    EXPECT_NE(texts.find("caf?\\ \x82\xCC\x96\xBC\x91O"), std::string::npos) << texts;  // "caf?\ の名前"
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    DWORD exitCode = 0;
    ASSERT_TRUE(kelvaro.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 1u);
    EXPECT_EQ(GetFileAttributesW((folder + L"\\kelvaro.ini").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((installation / "cafe\\kelvaro.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
