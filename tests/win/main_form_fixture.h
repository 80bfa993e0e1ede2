// A main window built afresh for each test, with its own settings file.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "launcher/main_form.h"
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
        form = std::make_unique<TMainForm>();
        test::Access::SetCommandLine(*form, "kelvaro.exe");  // not the test program's own arguments
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
    bool Pressed(int command) { return SendMessageA(Bar().Handle(), TB_ISBUTTONPRESSED, command, 0) != 0; }
    // The pointer comes over the tool bar, as Windows tells the bar and its parent.
    void HoverBar() {
        SendMessageA(Bar().Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Bar().Handle()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    // What the button's tooltip is given when it next shows.
    std::string TipText(int command) {
        HoverBar();
        NMTTDISPINFOA info{};
        info.hdr.hwndFrom = Bar().Tooltips();
        info.hdr.idFrom = static_cast<UINT_PTR>(command);
        info.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? info.lpszText : "";
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
    std::unique_ptr<TMainForm> form;
};
