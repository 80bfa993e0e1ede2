// The main window: a tool bar over the list of scripts in the load folder.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "controls/hscroll_listbox.h"
#include "launcher/launcher_state.h"
#include "ui/file_dialog.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/shell.h"
#include "ui/system_api.h"
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

// When cmd.exe would read another path than `path`, shows why in the error
// box (`format`: %1 the path, %2 the part cmd would replace) and returns true.
bool RefusedForCmd(const std::string& path, const char* format);

class TMainForm : public ui::Form {
 public:
    static constexpr char kClassName[] = "KelvaroMainForm";


    TMainForm();
    ~TMainForm() override;

    // Creates the window hidden; its creation applies the settings file.
    void Create();
    // The dialogs that the tool buttons show; created after the main window.
    void SetDialogs(ui::Form* settings, ui::Form* aboutBox);

    const LauncherState& State() const { return state_; }
    controls::THScrollListbox& HScrollListbox1() { return list_; }
    ui::ToolBar& ToolBar1() { return toolBar_; }

    // Settings file operations.
    void LoadSettings();
    void LoadFormPosition();
    void SaveFormPosition();

    // Replaces the list with the files of `folder` that match ListExt.
    void RefreshList(const std::string& folder);
    // Makes the window topmost and gives the pin button its pressed look.
    void Pin();
    // Starts the network shell on a script, visible or not as ShowPrompt says.
    void RunScript(const std::string& path);
    void SetShellExecute(ui::ShellExecuteFunction function) { shellExecute_ = function; }
    // The command line whose arguments the first showing runs (the process's own by default).
    void SetCommandLine(std::string commandLine) { commandLine_ = std::move(commandLine); }

    ui::FileDialog OpenDialog1;
    ui::FileDialog SaveDialog1;

 protected:
    void CreateControls() override;
    void FormCreate() override;
    void FormShow() override;
    void FormClose() override;
    void FormKeyPress(char& key) override;
    void ControlCommand(int id, int code) override;
    LRESULT ControlNotify(NMHDR& header, bool& handled) override;
    void ClientResized(int width, int height) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
    void CreateToolBar();
    void CreateList();

    void ToolBtnOpenClick();
    void ToolBtnSaveClick();
    void ToolBtnExecClick();
    void ToolBtnTopClick();
    void ToolBtnSettingsClick();
    void ToolBtnAboutClick();
    void HScrollListbox1DblClick();
    void HScrollListbox1KeyPress(char& key);
    void WMDropFiles(HDROP drop);

    void SetPinLook(bool pinned);

    ui::Font font_;
    HIMAGELIST images_ = nullptr;
    ui::ToolBar toolBar_;
    controls::THScrollListbox list_;
    ui::ShellExecuteFunction shellExecute_ = &ui::api::ShellExecuteA;
    std::string commandLine_ = GetCommandLineA();
    ui::Form* settings_ = nullptr;
    ui::Form* aboutBox_ = nullptr;
    LauncherState state_;
};

}  // namespace launcher
