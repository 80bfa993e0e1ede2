// Every command of the main window from the keyboard (shortcut keys, the
// system menu), and what accessibility clients read of the windows.
#include <windows.h>
#include <dlgs.h>
#include <oleacc.h>

#include <cstring>
#include <map>
#include <tuple>

#include "dialogs/about_box.h"
#include "tests/win/main_form_fixture.h"

namespace {

class AccessibilityTest : public MainFormTest {
 protected:
    void SetUp() override {
        MainFormTest::SetUp();
        WriteSettingsForFolder(folder.Path());
        Create();
        settings.Create(form->Handle());
        about.Create(form->Handle());
        form->SetDialogs(&settings, &about);
        form->Show();
    }
    // What a key pressed in the list (or `in`), Ctrl held or not, did: the
    // dialog it opened (closed at once: a file dialog named by its first
    // filter, a form by its caption), else "pin" or "list" for what changed
    // (a script is added first, for a refresh to show).
    std::string Press(bool control, WORD key, UINT message = WM_KEYDOWN, LPARAM flags = 1, HWND in = nullptr) {
        test::WriteText(folder / (std::to_string(List().Count()) + ".nsh"), "");
        const bool pinned = Pressed(launcher::kToolBtnTop);
        const int count = List().Count();
        static char shown[64];
        shown[0] = 0;
        test::DialogDriver fileDialog([](HWND dialog, void*) {
            SendMessageA(GetDlgItem(dialog, cmb1), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(shown));
            test::PressButton(dialog, IDCANCEL);
        }, nullptr);
        test::Soon ownDialog([](void* self) {
            for (ui::Form* f : static_cast<AccessibilityTest*>(self)->forms_)
                if (f->Visible()) GetWindowTextA(f->Handle(), shown, sizeof shown), f->Close();
        }, this);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageA(in ? in : List().Handle(), message, key, flags);
        test::Pump();
        if (shown[0]) return shown;
        return Pressed(launcher::kToolBtnTop) != pinned ? "pin" : List().Count() != count ? "list" : "";
    }

    dialogs::TSettings settings;
    dialogs::TAboutBox about;
    ui::Form* forms_[2] = {&settings, &about};
};

// Alt+Space, as the keyboard sends it, and the access key typed then.
constexpr LPARAM kAltDown = 1 | KF_ALTDOWN << 16;
char access;

// Each key and each entry of the system menu (Alt+Space, then its access key)
// runs what its button runs. Plain letters are the list's; in a dialog the
// keys are the dialog's.
TEST_F(AccessibilityTest, EveryCommandRunsFromItsKeyAndItsSystemMenuEntry) {
    HMENU menu = GetSystemMenu(form->Handle(), FALSE);
    DeleteMenu(menu, 0xF141, MF_BYCOMMAND);  // Wine's own last entry, "Wineについて(&A)"
    int entry = GetMenuItemCount(menu) - 6;
    const int pin = entry + 3;
    EXPECT_TRUE(GetMenuState(menu, entry - 1, MF_BYPOSITION) & MF_SEPARATOR);
    const std::tuple<WORD, const char*, const char*> commands[] = {
        {'O', "ファイルを選択して実行(&O)\tCtrl+O", "全てのファイル"}, {'S', "現在の設定を保存(&D)\tCtrl+S", "nshファイル"},
        {VK_F5, "最新の情報に更新(&F)\tF5", "list"},                 {'T', "常に最前面に表示(&T)\tCtrl+T", "pin"},
        {0, "設定(&E)", "設定"},                                      {0, "バージョン情報(&A)", "バージョン情報"}};
    for (const auto& [key, entryText, outcome] : commands) {
        char text[80] = {};
        GetMenuStringA(menu, entry++, text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(std::string(text), entryText);
        access = std::strchr(text, '&')[1];
        test::Soon typed([](void*) { PostMessageA(GetFocus(), WM_CHAR, access, 1); }, nullptr, 10);
        EXPECT_EQ(Press(false, VK_SPACE, WM_SYSKEYDOWN, kAltDown), outcome) << entryText;
        EXPECT_EQ((GetMenuState(menu, pin, MF_BYPOSITION) & MF_CHECKED) != 0, Pressed(launcher::kToolBtnTop));
        if (key) {
            EXPECT_EQ(Press(key != VK_F5, key), outcome) << entryText;
        }
    }
    EXPECT_EQ(Press(true, 'T', WM_KEYDOWN, 1, test::Find(settings.Handle(), dialogs::kBtnSet)), "");
    for (WORD letter : {'O', 'S', 'T'}) EXPECT_EQ(Press(false, letter), "") << letter;  // leaves Ctrl up
}

// Annotations kept as Windows keeps them: Wine's oleacc refuses them.
std::map<HWND, ui::accessibility::Annotation> kept;

// The name a client reads: the annotation's, else the standard object's, from
// oleacc loaded by its full path.
std::string NameOf(HWND window) {
    char folder[MAX_PATH];
    GetSystemDirectoryA(folder, MAX_PATH);
    static auto* const fromWindow = reinterpret_cast<decltype(&AccessibleObjectFromWindow)>(reinterpret_cast<void*>(
        GetProcAddress(LoadLibraryA((std::string(folder) + "\\oleacc.dll").c_str()), "AccessibleObjectFromWindow")));
    IAccessible* object = nullptr;
    fromWindow(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object));
    VARIANT self{};
    self.vt = VT_I4;
    BSTR wide = nullptr;
    object->get_accName(self, &wide);
    object->Release();
    char name[80] = {};
    if (wide) WideCharToMultiByte(CP_ACP, 0, wide, -1, name, sizeof name, nullptr, nullptr);
    SysFreeString(wide);
    return kept[window].name ? kept[window].name : name;
}

TEST_F(AccessibilityTest, ControlsAreNamedAndDialogsAreDialogsFromAClientsFirstRequest) {
    const auto real = std::exchange(ui::accessibility::annotate,
                                    [](HWND window, const ui::accessibility::Annotation& a) { kept[window] = a; });
    test::Access::ShowSettings(settings, {});
    about.Show();
    EXPECT_TRUE(kept.empty()) << "nothing is annotated before a client asks";
    const std::pair<HWND, const char*> names[] = {{Bar().Handle(), "ツール バー"},
                                                  {List().Handle(), "ネットワーク設定の一覧"},
                                                  {test::Find(settings.Handle(), dialogs::kEdtDirOpen), "読込フォルダ"},
                                                  {test::Find(settings.Handle(), dialogs::kBtnDirSel1), "参照..."}};
    for (auto [window, name] : names) EXPECT_EQ(NameOf(window), name);
    for (HWND window : {settings.Handle(), about.Handle(), form->Handle()}) {
        NameOf(window);
        EXPECT_EQ(kept[window].role, window == form->Handle() ? 0 : ROLE_SYSTEM_DIALOG);
    }
    ui::accessibility::annotate = real;
    kept.clear();
}

}  // namespace
