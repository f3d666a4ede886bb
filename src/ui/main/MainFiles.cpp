// File commands: New, Open, Save and Save As.

#include "ui/main/Main.h"

void TfrmMain::ToolBtnNewClick() {}

void TfrmMain::ToolBtnOpenClick() {}

void TfrmMain::ToolBtnSaveClick() {}

void TfrmMain::ToolBtnSaveAsClick() {}
