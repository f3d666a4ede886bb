#pragma once

#include "analysis/DefinitionDiff.h"
#include "report/DefinitionReport.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QTextBrowser;

// File > Compare With...: the definition being edited beside a definition
// file, row by row in two columns: the properties with their meanings, each
// key with its type and both levels' names, flags and codes (the codes that
// differ marked), the ROM properties and screens in ROM Edit Mode. "Only
// differences" hides the rows that are the same. The window stays open
// beside the main window, which keeps its left side up to date.
class TfrmCompare : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCompare(QWidget* parent = nullptr);

    // The definition being edited, shown on the left.
    void SetLeft(const TDefinitionReport& report, const QString& name);
    // The definition file compared with, on the right, and what its reader
    // skipped, cut or ignored (shown above the rows).
    void SetRight(const TDefinitionReport& report, const QString& name,
                  const QStringList& readNotes = {});

    const TDefinitionDiff& Diff() const { return fDiff; }
    QString RightName() const { return fRightName; }

private:
    void Redraw();

    TDefinitionReport fLeft;
    TDefinitionReport fRight;
    QString fLeftName;
    QString fRightName;
    TDefinitionDiff fDiff;

    QLabel* lblDifferences = nullptr;
    QCheckBox* cbOnlyDifferences = nullptr;
    QLabel* lblCompareNote = nullptr;
    QTextBrowser* txtCompare = nullptr;
};

// The rows of `diff` as an HTML table headed by the two names; with
// `onlyDifferences`, only the rows that differ, under their sections.
QString CompareHtml(const TDefinitionDiff& diff, const QString& leftName,
                    const QString& rightName, bool onlyDifferences);
