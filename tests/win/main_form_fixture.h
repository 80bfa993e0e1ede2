// A main window built afresh for each test, with its own settings file.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "launcher/main_form.h"
#include "tests/common/recording_system.h"
#include "tests/win/access.h"
#include "tests/win/test_support.h"
#include "ui/application.h"

using launcher::TMainForm;

class MainFormTest : public testing::Test {
 public:
    void SetUp() override {
        test::RemoveTree(test::SettingsPath());
        test::ResetTermination();
    }
    void TearDown() override {
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);  // off any hint
        if (form) ShowWindow(form->Handle(), SW_HIDE);
        form.reset();
        test::RemoveTree(test::SettingsPath());
        test::ResetTermination();
    }

    void WriteSettings(const std::string& text) { test::WriteText(test::SettingsPath(), text); }
    void WriteSettingsForFolder(const std::string& folder, const std::string& otherExt = "0") {
        WriteSettings("[DIR]\r\nLoadFolder=" + folder + "\r\n[CHECKBOX]\r\nOtherExt=" + otherExt + "\r\n");
    }

    TMainForm& Create() {
        return Create(L"kelvaro.exe");  // not the test program's own arguments
    }
    // A main window started with this command line.
    TMainForm& Create(const std::wstring& commandLine) {
        form = std::make_unique<TMainForm>();
        test::Access::SetMainForm(form.get());
        test::Access::SetCommandLine(*form, commandLine);
        test::Access::UseSystem(*form, system);
        form->Create();
        return *form;
    }

    // The window's insides, through the tests' door.
    controls::THScrollListbox& List() { return test::Access::List(*form); }
    ui::ToolBar& Bar() { return test::Access::ToolBar(*form); }
    const launcher::LauncherState& State() { return test::Access::State(*form); }
    void LoadSettings() { test::Access::LoadSettings(*form); }
    void RefreshList(const std::string& folder) { test::Access::RefreshList(*form, folder); }

    // A tool button as the user sees it.
    RECT ButtonRect(int command) {
        RECT rect{};
        SendMessageA(Bar().Handle(), TB_GETRECT, command, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // The picture a button shows, as the bar has it.
    int ImageOf(int command) {
        TBBUTTONINFOA info{sizeof info, TBIF_IMAGE};
        SendMessageA(Bar().Handle(), TB_GETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
        return info.iImage;
    }
    bool Pressed(int command) { return SendMessageA(Bar().Handle(), TB_ISBUTTONPRESSED, command, 0) != 0; }
    // The hint as the user gets it: the pointer rests on the button until the
    // bar's tooltip shows for it; the text it shows. "" when none shows within 2 s.
    std::string TipText(int command) {
        HWND tip = Bar().Tooltips();
        // A hint is read when it shows: the one showing may be an old one.
        if (CurrentTool(tip) == command) SendMessageA(tip, TTM_POP, 0, 0);
        RECT r = ButtonRect(command);
        POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(Bar().Handle(), &at);
        SetCursorPos(at.x, at.y);
        char text[80] = {};
        for (DWORD start = GetTickCount(); GetTickCount() - start < 2000 && !text[0]; Sleep(10)) {
            test::Pump();
            if (IsWindowVisible(tip) && CurrentTool(tip) == command) GetWindowTextA(tip, text, sizeof text);
        }
        return text;
    }
    // The hint the tooltip would show now: it asks the bar for it each time.
    std::string HintNow(int command) {
        char text[80] = {};
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = Bar().Handle();
        tool.uId = static_cast<UINT_PTR>(command);
        tool.lpszText = text;
        SendMessageA(Bar().Tooltips(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        return text;
    }
    static int CurrentTool(HWND tip) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        return SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) ? static_cast<int>(tool.uId)
                                                                                            : 0;
    }
    void Select(int index) { SendMessageA(List().Handle(), LB_SETCURSEL, index, 0); }

    std::vector<std::string> Entries() {
        std::vector<std::string> entries;
        for (int i = 0; i < List().Count(); ++i) entries.push_back(List().Text(i));
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    // A folder with a.nsh, b.txt, a folder c.nsh, a hidden and a system script.
    void FillScriptFolder() {
        test::WriteText(folder / "a.nsh", "");
        test::WriteText(folder / "b.txt", "");
        CreateDirectoryA((folder / "c.nsh").c_str(), nullptr);
        test::WriteText(folder / "h.nsh", "");
        SetFileAttributesA((folder / "h.nsh").c_str(), FILE_ATTRIBUTE_HIDDEN);
        test::WriteText(folder / "s.nsh", "");
        SetFileAttributesA((folder / "s.nsh").c_str(), FILE_ATTRIBUTE_SYSTEM);
    }

    test::TempFolder folder;
    // What the window's launcher starts and asks: nothing runs for real.
    test::RecordingSystem system;
    std::unique_ptr<TMainForm> form;
};
