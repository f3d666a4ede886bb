// The sibling programs (loader, port setting, key testers), the user manual
// and the key label documents.

#include "ui/main/Main.h"

void TfrmMain::ToolBtnSetPortClick() {}

void TfrmMain::ToolBtnDownloadClick() {}

void TfrmMain::ToolButtonTestClick() {}

void TfrmMain::ToolButtonKeyLabelsClick() {}

void TfrmMain::UserManual1Click() {}
