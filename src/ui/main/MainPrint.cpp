// File > Print Key Labels... and File > Export Setup Sheet...: the labels
// and the setup sheet of the definition being edited, each in its own
// modal window (the definition does not change while it is open).

#include "ui/main/Main.h"

#include "app/AppSettings.h"
#include "ui/labels/KeyLabelsWindow.h"
#include "ui/labels/SetupSheetWindow.h"

namespace {

TReportKind reportKind(bool romEditMode)
{
    return romEditMode ? TReportKind::Rom : TReportKind::User;
}

} // namespace

void TfrmMain::PrintKeyLabelsClick()
{
    // The layout shown is the one labelled; an untitled definition keeps no
    // label texts of its own.
    TfrmKeyLabels window(AppState, reportKind(IsRomEditMode()), GuiKeyLayout() == 1 ? 12 : 20,
                         fDocument->FileName(CurrentKind()), Settings(), this);
    window.exec();
}

void TfrmMain::ExportSetupSheetClick()
{
    TfrmSetupSheet window(AppState, reportKind(IsRomEditMode()), GuiKeyLayout() == 1 ? 12 : 20,
                          fDocument->FileName(CurrentKind()),
                          Settings().ReadKeyLabelSettings().Paper, this);
    window.exec();
}
