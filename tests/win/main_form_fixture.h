// A main window built afresh for each test, with its own settings file.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "launcher/main_form.h"
#include "tests/win/test_support.h"
#include "ui/application.h"

using launcher::TMainForm;

class MainFormTest : public testing::Test {
 public:
    void SetUp() override {
        test::RemoveTree(test::SettingsPath());
        app.ResetTermination();
    }
    void TearDown() override {
        if (form) ShowWindow(form->Handle(), SW_HIDE);
        form.reset();
        test::RemoveTree(test::SettingsPath());
        app.ResetTermination();
    }

    void WriteSettings(const std::string& text) { test::WriteText(test::SettingsPath(), text); }
    void WriteSettingsForFolder(const std::string& folder, const std::string& otherExt = "0") {
        WriteSettings("[DIR]\r\nLoadFolder=" + folder + "\r\n[CHECKBOX]\r\nOtherExt=" + otherExt + "\r\n");
    }

    TMainForm& Create() {
        form = std::make_unique<TMainForm>();
        form->SetCommandLine("kelvaro.exe");  // not the test program's own arguments
        form->Create();
        return *form;
    }

    std::vector<std::string> Entries() {
        std::vector<std::string> entries;
        for (int i = 0; i < form->HScrollListbox1().Count(); ++i) entries.push_back(form->HScrollListbox1().Text(i));
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

    ui::Application& app = ui::Application::Instance();
    test::TempFolder folder;
    std::unique_ptr<TMainForm> form;
};
