#include "ui/analysis/FindingsDock.h"

#include "analysis/FindingsModel.h"

#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <array>

namespace {

// Rows the list shows when the dock is below the window: with them the
// window still fits on a screen of 1080 lines.
constexpr int VisibleRows = 4;

// A list that asks for room for a few rows only.
class TFindingsView : public QTreeView
{
public:
    using QTreeView::QTreeView;

    QSize sizeHint() const override
    {
        const int row = qMax(fontMetrics().height() + 4, iconSize().height());
        return {QTreeView::sizeHint().width(),
                VisibleRows * row + header()->sizeHint().height() + 2 * frameWidth()};
    }
};

// The findings with the style's error, warning and information signs.
class TSeverityIcons : public QIdentityProxyModel
{
public:
    TSeverityIcons(const QStyle* style, QObject* parent)
        : QIdentityProxyModel(parent),
          fIcons{style->standardIcon(QStyle::SP_MessageBoxInformation),
                 style->standardIcon(QStyle::SP_MessageBoxWarning),
                 style->standardIcon(QStyle::SP_MessageBoxCritical)}
    {
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DecorationRole && index.column() == TFindingsModel::SeverityColumn) {
            const int severity = index.data(TFindingsModel::SeverityRole).toInt();
            if (severity >= 0 && severity < 3)
                return fIcons[size_t(severity)];
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    std::array<QIcon, 3> fIcons; // by TSeverity: note, warning, error
};

QString Counted(int n, const QString& one, const QString& many)
{
    return QString::number(n) + QLatin1Char(' ') + (n == 1 ? one : many);
}

} // namespace

QString FindingsSummary(const TFindings& findings)
{
    QStringList parts;
    const int errors = CountOf(findings, TSeverity::Error);
    const int warnings = CountOf(findings, TSeverity::Warning);
    const int notes = CountOf(findings, TSeverity::Note);
    if (errors > 0)
        parts << Counted(errors, TFindingsDock::tr("error"), TFindingsDock::tr("errors"));
    if (warnings > 0)
        parts << Counted(warnings, TFindingsDock::tr("warning"), TFindingsDock::tr("warnings"));
    if (notes > 0)
        parts << Counted(notes, TFindingsDock::tr("note"), TFindingsDock::tr("notes"));
    if (parts.isEmpty())
        return TFindingsDock::tr("no errors, warnings or notes");
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + TFindingsDock::tr(" and ") + last;
}

QString FindingLine(const TFinding& finding)
{
    QString place = FindingPlace(finding);
    if (finding.Position >= 0)
        place += TFindingsDock::tr(", code %1").arg(finding.Position + 1);
    QString line = SeverityName(finding.Severity) + QStringLiteral(": ");
    if (!place.isEmpty())
        line += place + QStringLiteral(": ");
    return line + finding.Text;
}

TFindingsDock::TFindingsDock(QWidget* parent) : QDockWidget(tr("Check Definition"), parent)
{
    setObjectName(QStringLiteral("dockFindings"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::RightDockWidgetArea);
    fModel = new TFindingsModel(this);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 0, 4, 4);
    lvFindings = new TFindingsView(body);
    lvFindings->setObjectName(QStringLiteral("lvFindings"));
    auto* icons = new TSeverityIcons(style(), lvFindings);
    icons->setSourceModel(fModel);
    lvFindings->setModel(icons);
    lvFindings->setRootIsDecorated(false);
    lvFindings->setUniformRowHeights(true);
    lvFindings->setAlternatingRowColors(true);
    lvFindings->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvFindings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvFindings->header()->setStretchLastSection(true);
    lvFindings->setToolTip(tr("Double-click a finding to go to it."));
    layout->addWidget(lvFindings);
    setWidget(body);

    connect(lvFindings, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (!index.isValid() || index.row() >= fModel->rowCount())
            return;
        // A copy: going to the finding changes the definition's layout or
        // selection, and the list is checked anew meanwhile.
        const TFinding chosen = fModel->FindingAt(index.row());
        Q_EMIT findingChosen(chosen);
    });
}

void TFindingsDock::ShowFindings(const TFindings& findings)
{
    fModel->SetFindings(findings);
    // The title says how many there are, so the list keeps all its rows.
    setWindowTitle(tr("Check Definition: %1").arg(FindingsSummary(findings)));
    for (int column = 0; column < TFindingsModel::TextColumn; ++column)
        lvFindings->resizeColumnToContents(column);
}

const TFindings& TFindingsDock::Findings() const
{
    return fModel->Findings();
}
