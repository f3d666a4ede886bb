#include "analysis/FindingsModel.h"

TFindingsModel::TFindingsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TFindingsModel::SetFindings(const TFindings& findings)
{
    beginResetModel();
    fFindings = findings;
    endResetModel();
}

int TFindingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(fFindings.size());
}

int TFindingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TFindingsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= fFindings.size())
        return QVariant();
    const TFinding& f = fFindings.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == SeverityColumn)
            return SeverityName(f.Severity);
        if (index.column() == PlaceColumn) {
            const QString place = FindingPlace(f);
            if (f.Position < 0)
                return place;
            return place + QStringLiteral(", code ") + QString::number(f.Position + 1);
        }
        return f.Text;
    case Qt::ToolTipRole:
        return f.Text;
    case SeverityRole:
        return int(f.Severity);
    case KeyRole:
        return f.Key;
    case LevelRole:
        return f.Level;
    case PositionRole:
        return f.Position;
    case ScreenRole:
        return f.Screen;
    default:
        return QVariant();
    }
}

QVariant TFindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case SeverityColumn:
        return tr("Severity");
    case PlaceColumn:
        return tr("Where");
    case TextColumn:
        return tr("Finding");
    default:
        return QVariant();
    }
}
