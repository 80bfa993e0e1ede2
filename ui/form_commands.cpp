// The form's commands beyond its controls: entries of its system menu and
// shortcut keys through an accelerator table, which the message loop offers
// each key to before anything else sees it.
#include <string>
#include <vector>

#include "ui/form.h"

namespace ui {
namespace {

// Windows keeps the low four bits of a system command for itself; its own
// commands (SC_SIZE on) begin at 0xF000.
constexpr int kSystemIdShift = 4;
constexpr UINT kSystemIdMask = 0xFFF0;

UINT SystemMenuId(int command) { return static_cast<UINT>(command) << kSystemIdShift; }

// "Ctrl+O", "F5": as menus show a shortcut key after a tab.
std::string KeyName(const Form::ShortcutKey& key) {
    std::string name;
    if (key.modifiers & FCONTROL) name += "Ctrl+";
    if (key.modifiers & FSHIFT) name += "Shift+";
    if (key.modifiers & FALT) name += "Alt+";
    if (key.key >= VK_F1 && key.key <= VK_F24) return name + "F" + std::to_string(key.key - VK_F1 + 1);
    return name + static_cast<char>(key.key);  // a letter's or digit's virtual key is its character
}

}  // namespace

void Form::AddCommands(std::span<const Command> commands) {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    std::vector<ACCEL> keys;
    for (const Command& command : commands) {
        std::string text = std::string(command.label) + "(&" + command.accessKey + ")";
        if (command.shortcut.key) {
            text += "\t" + KeyName(command.shortcut);
            keys.push_back({static_cast<BYTE>(FVIRTKEY | command.shortcut.modifiers), command.shortcut.key,
                            static_cast<WORD>(command.id)});
        }
        AppendMenuA(menu, MF_STRING, SystemMenuId(command.id), text.c_str());
    }
    if (keys.empty()) return;
    shortcuts_ = Accelerators(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
    if (!shortcuts_) throw Error("CreateAcceleratorTable failed");
}

void Form::SetCommandChecked(int id, bool checked) {
    CheckMenuItem(GetSystemMenu(Handle(), FALSE), SystemMenuId(id),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// The key's command comes as WM_COMMAND with no control.
bool Form::TranslateShortcut(MSG& msg) {
    return shortcuts_ && TranslateAcceleratorA(Handle(), shortcuts_.Get(), &msg);
}

bool Form::SystemCommand(WPARAM command) {
    const UINT id = static_cast<UINT>(command) & kSystemIdMask;
    if (id >= SC_SIZE) return false;
    CommandChosen(static_cast<int>(id >> kSystemIdShift));
    return true;
}

}  // namespace ui
