#pragma once

#include "cli/CliCommon.h"
#include "report/DefinitionReport.h"

#include <QGuiApplication>

#include <memory>

// What the printing commands (labels, sheet) share. They need fonts, so they
// run a QGuiApplication, on the offscreen platform unless the user chose one;
// the other commands stay without an application object.
class TPrintSession
{
public:
    TPrintSession();
    TPrintSession(const TPrintSession&) = delete;
    TPrintSession& operator=(const TPrintSession&) = delete;

private:
    int fArgc = 1;
    char fName[16] = "padwright-cli";
    char* fArgv[2] = {fName, nullptr};
    std::unique_ptr<QGuiApplication> fApp;
};

// A definition read for printing.
struct TPrintInput
{
    TAppState State;
    TReportKind Kind = TReportKind::User;
    int NumberOfKeys = 20;
};

// Reads `path` in `mode` (Unset: by its extension, "rom" for ROM files);
// false, with the message printed, when it could not be loaded.
bool LoadForPrint(TCliMode mode, const QString& path, TPrintInput& input);

// The output's kind by its extension, in any letter case: "pdf", "svg" or empty.
QString OutputKind(const QString& path);
