// The actions that hand a script to the network shell.

#include "launcher/main_form.h"

namespace launcher {

void TMainForm::ToolBtnOpenClick() {}

void TMainForm::ToolBtnSaveClick() {}

void TMainForm::ToolBtnExecClick() {}

void TMainForm::FormShow() {}

void TMainForm::WMDropFiles(HDROP drop) { DragFinish(drop); }

}  // namespace launcher
