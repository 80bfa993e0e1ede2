// The tests' one door into the windows: what they read or replace inside them.
#pragma once

#include <string>

#include "controls/hscroll_listbox.h"
#include "dialogs/about_box.h"
#include "dialogs/settings_dialog.h"
#include "launcher/main_form.h"
#include "launcher/settings_file.h"
#include "ui/application.h"

namespace test {

struct Access {
    using MessageBoxFunction = ui::Application::MessageBoxFunction;

    static bool Terminated() { return ui::Application::Instance().terminated_; }
    // Lets a test go on pumping after a termination it has checked.
    static void ResetTermination();
    // Handles every message already queued, as the program's loop would.
    static void HandlePendingMessages();
    static void SetMessageBox(MessageBoxFunction function) { ui::Application::Instance().messageBox_ = function; }

    static const launcher::LauncherState& State(const launcher::TMainForm& form) { return form.launcher_.State(); }
    static controls::THScrollListbox& List(launcher::TMainForm& form) { return form.list_; }
    static ui::ToolBar& ToolBar(launcher::TMainForm& form) { return form.toolBar_; }
    static void LoadSettings(launcher::TMainForm& form) { form.LoadSettings(); }
    static void RefreshList(launcher::TMainForm& form, const std::string& folder) { form.RefreshList(folder); }
    static void SetCommandLine(launcher::TMainForm& form, std::wstring line) { form.commandLine_ = std::move(line); }
    // What the first showing does: runs the command line.
    static void FormShow(launcher::TMainForm& form) { form.FormShow(); }
    // The launcher of the window asks `system` from now on.
    static void UseSystem(launcher::TMainForm& form, launcher::System& system) { form.launcher_.system_ = &system; }
    static void SetShellExecute(launcher::WindowsSystem& system, launcher::WindowsSystem::ShellExecuteFunction function) {
        system.shellExecute_ = function;
    }
    // The form whose close ends the program, as Run would make it.
    static void SetMainForm(ui::Form* form) { ui::Application::Instance().main_ = form; }
    // Shows the dialog not modally, as Edit shows these settings, storing
    // what the user confirms in the settings file.
    static void ShowSettings(dialogs::TSettings& dialog, const core::Settings& shown) {
        dialog.shown_ = shown;
        dialog.store_ = &launcher::WriteSettings;
        dialog.Show();
    }
    static void SetShellExecute(dialogs::TAboutBox& box, ui::ShellExecuteFunction function) {
        box.shellExecute_ = function;
    }

    static int MaxWidth(const controls::THScrollListbox& list) { return list.FMaxWidth; }
};

}  // namespace test
