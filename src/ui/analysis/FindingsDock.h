#pragma once

#include "analysis/DefinitionCheck.h"

#include <QDockWidget>

class QTreeView;
class TFindingsModel;

// Tools > Check Definition: the findings of the check in a dockable list,
// errors, warnings and notes with their place and a sentence each, counted
// in the title. A double-click (or Enter) on a finding asks to go to its place.
class TFindingsDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit TFindingsDock(QWidget* parent = nullptr);

    void ShowFindings(const TFindings& findings);
    const TFindings& Findings() const;

Q_SIGNALS:
    // A finding was chosen; its Key, Level, Position and Screen say where it is.
    void findingChosen(TFinding finding);

private:
    TFindingsModel* fModel = nullptr;
    QTreeView* lvFindings = nullptr;
};

// "2 errors, 1 warning and 3 notes", or that there is nothing to report.
QString FindingsSummary(const TFindings& findings);
// One finding on one line: "error: key 3, level 1, code 5: text".
QString FindingLine(const TFinding& finding);
