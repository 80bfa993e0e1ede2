// The main window: a tool bar over the list of scripts in the load folder.
//
// Its handlers, by what the user does, and the file that holds them:
//   main_form.cpp           the window: creation, layout, densities, FormCreate,
//                           the tool buttons' table and commands, the keys
//   main_form_runs.cpp      the list and the runs: RefreshList, RunScript,
//                           ToolBtnExecClick, ToolBtnOpenClick, WMDropFiles,
//                           FormShow (the command line), HScrollListbox1DblClick,
//                           HScrollListbox1KeyPress
//   main_form_save_pin.cpp  save and pin: ToolBtnSaveClick, ToolBtnTopClick, Pin
//   main_form_settings.cpp  settings and position: LoadSettings, LoadFormPosition,
//                           SaveFormPosition, FormClose, WMEndSession,
//                           ToolBtnSettingsClick, ToolBtnAboutClick
#pragma once

#include <windows.h>

#include <string>

#include "controls/hscroll_listbox.h"
#include "launcher/launcher_state.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/shell.h"
#include "ui/system_api.h"
#include "ui/test_access.h"
#include "ui/toolbar.h"

namespace launcher {

// Tool button and control identifiers of the main window.
enum MainCommand : int {
    kToolBtnOpen = 101,
    kToolBtnSave,
    kToolBtnExec,
    kToolBtnTop,
    kToolBtnSettings,
    kToolBtnAbout,
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
    void SetDialogs(ui::Form* settings, ui::Form* aboutBox);
    // Esc closes, wherever it is typed; Enter in the list runs the selection.
    bool PreviewKey(const MSG& msg) override;

 protected:
    void CreateControls() override;
    void FormCreate() override;
    void FormShow() override;
    void FormClose() override;
    void ControlCommand(int id, int code) override;
    void ClientResized(int width, int height) override;
    void DpiChanged() override;
    int LeastClientWidth(int dpi) const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
    friend struct test::Access;

    // A tool button: its image, its hint and what a click does; a separator has none.
    struct ToolButton {
        int command = 0;
        int image = 0;
        const char* hint = nullptr;
        void (TMainForm::*click)() = nullptr;
    };
    static const ToolButton kToolButtons[];

    void CreateToolBar();
    void CreateList();
    ui::ImageList CreateToolImages() const;
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
    // Makes the window topmost and gives the pin button its pressed look.
    void Pin();
    void SetPinLook(bool pinned);
    // Starts the network shell on a script, visible or not as ShowPrompt says.
    void RunScript(const std::string& path);
    // When cmd.exe would read another path than `path`, shows why in the error
    // box (`format`: %1 the path, %2 the part cmd would replace); true then.
    static bool RefusedForCmd(const std::string& path, const char* format);

    void ToolBtnOpenClick();
    void ToolBtnSaveClick();
    void ToolBtnExecClick();
    void ToolBtnTopClick();
    void ToolBtnSettingsClick();
    void ToolBtnAboutClick();
    void HScrollListbox1DblClick();
    void HScrollListbox1KeyPress(char& key);
    void WMDropFiles(WPARAM drop);  // the HDROP
    // Windows ends the session (sign-out, shut-down) and the process with it.
    void WMEndSession();

    // Released only after Destroy() has taken the windows that draw with them.
    ui::ImageList images_;
    ui::Icon windowIcons_[2];  // big and small, where the density wants other sizes than the class's
    ui::ToolBar toolBar_;
    controls::THScrollListbox list_;
    ui::FileDialog OpenDialog1;
    ui::FileDialog SaveDialog1;
    ui::ShellExecuteFunction shellExecute_;
    ui::api::MessageFilterFunction changeMessageFilter_;  // null before Windows 7
    std::string commandLine_;  // whose arguments the first showing runs
    ui::Form* settings_ = nullptr;
    ui::Form* aboutBox_ = nullptr;
    LauncherState state_;
};

}  // namespace launcher
