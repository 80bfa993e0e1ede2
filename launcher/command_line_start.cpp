// The command-line route: the scripts named as arguments run when the main
// window is first shown, and then the program ends.
#include <vector>

#include "core/command_line.h"
#include "core/long_path.h"
#include "launcher/files.h"
#include "launcher/main_form.h"

namespace launcher {

void TMainForm::FormShow() {
    const std::vector<std::string> arguments = core::SplitCommandLine(commandLine_);
    if (arguments.empty()) return;
    for (const std::string& argument : arguments) {
        std::string path = core::ExpandLongPath(argument, &FindLongName);
        if (FileExists(path)) RunScript(path);
    }
    // Every argument is run before the one close request, so a refused store
    // of the bounds cannot leave later scripts unrun.
    Close();
}

}  // namespace launcher
