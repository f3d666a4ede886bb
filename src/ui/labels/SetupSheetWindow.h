#pragma once

#include "model/AppState.h"
#include "print/SetupSheet.h"

#include <QDialog>

class QLabel;
class QScrollArea;
class QVBoxLayout;

// Export Setup Sheet: the whole definition as the record that goes with a
// deployed keypad, shown page by page, saved as a PDF or printed.
//
// Modal:
//   TfrmSetupSheet sheet(state, kind, numberOfKeys, fileName, paper, parent);
//   sheet.exec();
class TfrmSetupSheet : public QDialog
{
    Q_OBJECT

public:
    // `definitionPath`: the definition's file; empty or "untitled" when never saved.
    TfrmSetupSheet(const TAppState& state, TReportKind kind, int numberOfKeys,
                   const QString& definitionPath, TPaper paper, QWidget* parent = nullptr);

    TSetupSheet& Sheet() { return fSheet; }
    // Asks for a file name and writes the PDF; true when it was written.
    bool SavePdf();

private:
    void ShowPages();

    TSetupSheet fSheet;
    QString fDefinitionPath;
    QScrollArea* scrollPages = nullptr;
    QVBoxLayout* fPages = nullptr;
    QLabel* lblPages = nullptr;
};

// What the sheet says about a definition's file.
TSetupSheetInfo SetupSheetInfo(const QString& definitionPath, TPaper paper);
