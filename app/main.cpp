// The program's entry: the application object, the main window and the two
// dialogs it shows, then the message loop.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "core/path_text.h"
#include "dialogs/about_box.h"
#include "dialogs/settings_dialog.h"
#include "launcher/main_form.h"
#include "launcher/settings_file.h"
#include "resources/texts.h"
#include "ui/application.h"
#include "ui/screen.h"
#include "ui/system_api.h"


namespace {

// Paths are walked with the lead bytes of the code page the system uses.
void UseSystemCodePage() {
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info)) return;
    int pairs = 0;
    while (pairs < MAX_LEADBYTES / 2 && info.LeadByte[2 * pairs] != 0) ++pairs;
    core::path_text::UseLeadByteRanges(info.LeadByte, pairs);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ui::api::LoadDllsFromSystemFolderOnly();  // before anything loads one
    ui::screen::DeclareAwareness();  // before the first window and the first font
    UseSystemCodePage();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    ui::api::InitCommonControlsEx(&controls);

    ui::Application& app = ui::Application::Instance();
    app.SetTitle(text::kAppTitle);
    // Made inside the guard: creating a font or a window can fail, and the
    // error box says so. They live until the process ends.
    std::optional<launcher::TMainForm> mainForm;
    std::optional<dialogs::TSettings> settings;
    std::optional<dialogs::TAboutBox> aboutBox;
    app.Guard([&] {
        launcher::ExeFolder();  // a folder the program cannot name ends it here, with the reason
        mainForm.emplace().Create();
        settings.emplace().Create(mainForm->Handle());
        aboutBox.emplace().Create(mainForm->Handle());
        mainForm->SetDialogs(&*settings, &*aboutBox);
    });
    if (!mainForm || !mainForm->Handle()) return 1;
    int exitCode = app.Run(*mainForm);
    // Windows go with the process: destroying them one by one costs time and
    // changes nothing the user can see.
    ExitProcess(static_cast<UINT>(exitCode));
}
