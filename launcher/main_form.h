// The main window: a tool bar over the list of scripts in the load folder.
//
// The window only routes what the user does: the launcher (launcher.h)
// decides what runs and what follows. Its handlers, by what the user does,
// and the file that holds them:
//   main_form.cpp           the window: creation, layout, densities, colours,
//                           FormCreate, the tool buttons' and commands' tables,
//                           the keys
//   main_form_runs.cpp      the list and the runs: RefreshList, RefreshLoadFolder,
//                           ToolBtnExecClick, ToolBtnOpenClick, FilesDropped,
//                           FormShow (the command line), HScrollListbox1DblClick,
//                           HScrollListbox1KeyPress
//   main_form_save_pin.cpp  save and pin: ToolBtnSaveClick, ToolBtnTopClick, Pin
//   main_form_settings.cpp  settings and position: LoadSettings, LoadFormPosition,
//                           SaveFormPosition, FormClose, SessionEnding,
//                           ToolBtnSettingsClick, ToolBtnAboutClick
#pragma once

#include <windows.h>

#include <string>

#include "controls/hscroll_listbox.h"
#include "dialogs/settings_dialog.h"
#include "launcher/launcher.h"
#include "launcher/windows_system.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/test_access.h"
#include "ui/toolbar.h"

namespace launcher {

// Command and control identifiers of the main window.
enum MainCommand : int {
    kToolBtnOpen = 101,
    kToolBtnSave,
    kToolBtnExec,
    kToolBtnTop,
    kToolBtnSettings,
    kToolBtnAbout,
    kRefresh,  // F5 and the system menu: no button
    kToolBar1 = 201,
    kHScrollListbox1,
};

// Image indexes of the pin button's two looks.
inline constexpr int kImageUnpinned = 5;
inline constexpr int kImagePinned = 6;

class TMainForm : public ui::Form {
 public:
    static constexpr char kClassName[] = "KelvaroMainForm";

    TMainForm();
    ~TMainForm() override;

    // Creates the window hidden; its creation applies the settings file.
    void Create();
    // The dialogs that the tool buttons show; created after the main window.
    void SetDialogs(dialogs::TSettings* settings, ui::Form* aboutBox);

 protected:
    void CreateControls() override;
    void FormCreate() override;
    void FormShow() override;
    void FormClose() override;
    void ControlCommand(int id, int code) override;
    void CommandChosen(int id) override;
    void ClientResized(int width, int height) override;
    void DpiChanged() override;
    int LeastClientWidth(int dpi) const override;
    void ColorsChanged() override;
    // Esc closes, wherever it is typed; Enter in the list runs the selection.
    void KeyPress(HWND target, char& key) override;
    void FilesDropped(HDROP drop) override;
    void SessionEnding() override;

 private:
    friend struct test::Access;

    // A tool button: its image and its hint; a separator has none.
    struct ToolButton {
        int command = 0;
        int image = 0;
        const char* hint = nullptr;
    };
    static const ToolButton kToolButtons[];
    struct Handler {
        int command;
        void (TMainForm::*run)();
    };
    static const Handler kHandlers[];
    static const Command kMenuCommands[];

    void CreateToolBar();
    void CreateList();
    ui::ImageList CreateToolImages() const;
    void ApplyToolImages();
    SIZE ButtonSize() const;
    void ApplyIcons();
    // Lets a drop from Explorer through to the window when it runs elevated.
    void AcceptDropsFromExplorer();

    // Settings file operations.
    void LoadSettings();
    void LoadFormPosition();
    void SaveFormPosition();
    // Replaces the list with the files of `folder` that match ListExt.
    void RefreshList(const std::string& folder);
    void RefreshLoadFolder();
    // Makes the window topmost and gives the pin button its pressed look.
    void Pin();
    void SetPinLook(bool pinned);
    // Closes the window when the route that ran says so.
    void Follow(After after);

    void ToolBtnOpenClick();
    void ToolBtnSaveClick();
    void ToolBtnExecClick();
    void ToolBtnTopClick();
    void ToolBtnSettingsClick();
    void ToolBtnAboutClick();
    void HScrollListbox1DblClick();
    void HScrollListbox1KeyPress(char& key);

    // Released only after Destroy() has taken the windows that draw with them.
    ui::ImageList images_;
    ui::Icon windowIcons_[2];  // big and small, where the density wants other sizes than the class's
    ui::ToolBar toolBar_;
    controls::THScrollListbox list_;
    ui::FileDialog OpenDialog1;
    ui::FileDialog SaveDialog1;
    WindowsSystem windows_{this};
    Launcher launcher_{windows_};
    std::wstring commandLine_;  // whose arguments the first showing runs
    dialogs::TSettings* settings_ = nullptr;
    ui::Form* aboutBox_ = nullptr;
};

}  // namespace launcher
