#pragma once

#include "analysis/DefinitionCheck.h"

#include <QAbstractTableModel>

// The findings of a check as a table for a list view: severity, place and
// text. Each row also carries where to go (key, level, code position,
// screen) in the roles below, so that a double-click can select the cell.
class TFindingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum TColumn
    {
        SeverityColumn,
        PlaceColumn,
        TextColumn,
        ColumnCount
    };
    enum TRole
    {
        SeverityRole = Qt::UserRole + 1, // TSeverity as an int
        KeyRole,                         // 0..19 or -1
        LevelRole,                       // 0 or 1 or -1
        PositionRole,                    // code position or -1
        ScreenRole                       // 0..7 or -1
    };

    explicit TFindingsModel(QObject* parent = nullptr);

    void SetFindings(const TFindings& findings);
    const TFindings& Findings() const { return fFindings; }
    const TFinding& FindingAt(int row) const { return fFindings.at(row); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    TFindings fFindings;
};
