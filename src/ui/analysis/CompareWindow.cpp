#include "ui/analysis/CompareWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Colours that read in black and white too: a light tint behind dark text.
const char* const SectionBackground = "#e3e8f0";
const char* const DifferingRow = "#fff4cc";
const char* const LeftChangedCode = "#f5c2c2";  // removed or changed on the left
const char* const RightChangedCode = "#c4e8c4"; // added or changed on the right
const char* const Separator = "#8a8a8a";

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// A macro's codes, the ones the other side lacks on a tint.
QString CodesHtml(const QStringList& cells, const QList<bool>& changed, const char* tint)
{
    if (cells.isEmpty())
        return QStringLiteral("<i>%1</i>").arg(Escaped(TfrmCompare::tr("(empty)")));
    QString html;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            html += QStringLiteral("<span style=\"color:%1\"> | </span>").arg(QLatin1String(Separator));
        const QString cell = Escaped(cells.at(i));
        html += i < changed.size() && changed.at(i)
                    ? QStringLiteral("<span style=\"background-color:%1\">%2</span>")
                          .arg(QLatin1String(tint), cell)
                    : cell;
    }
    return html;
}

QString RowHtml(const TDiffRow& row)
{
    // The codes of a level come one by one, so that the changed ones can be marked.
    const bool codes = row.Level >= 0 && row.Item.endsWith(QLatin1String("codes"));
    const QString left = codes ? CodesHtml(row.LeftCells, row.LeftChanged, LeftChangedCode)
                               : Escaped(row.Left);
    const QString right = codes ? CodesHtml(row.RightCells, row.RightChanged, RightChangedCode)
                                : Escaped(row.Right);
    const QString background =
        row.Differs ? QStringLiteral(" bgcolor=\"%1\"").arg(QLatin1String(DifferingRow)) : QString();
    return QStringLiteral("<tr%1><td>%2</td><td>%3</td><td>%4</td></tr>")
        .arg(background, Escaped(row.Item), left, right);
}

} // namespace

QString CompareHtml(const TDefinitionDiff& diff, const QString& leftName,
                    const QString& rightName, bool onlyDifferences)
{
    QString html = QStringLiteral(
        "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">"
        "<tr><th align=\"left\" width=\"20%\"></th><th align=\"left\" width=\"40%\">%1</th>"
        "<th align=\"left\" width=\"40%\">%2</th></tr>")
                       .arg(Escaped(leftName), Escaped(rightName));
    int shown = 0;
    for (qsizetype first = 0; first < diff.Rows.size();) {
        // One section: its rows follow each other.
        qsizetype end = first;
        bool differs = false;
        for (; end < diff.Rows.size() && diff.Rows.at(end).Section == diff.Rows.at(first).Section;
             ++end)
            differs = differs || diff.Rows.at(end).Differs;
        if (differs || !onlyDifferences) {
            html += QStringLiteral("<tr><td colspan=\"3\" bgcolor=\"%1\"><b>%2</b></td></tr>")
                        .arg(QLatin1String(SectionBackground), Escaped(diff.Rows.at(first).Section));
            for (qsizetype i = first; i < end; ++i) {
                if (diff.Rows.at(i).Differs || !onlyDifferences) {
                    html += RowHtml(diff.Rows.at(i));
                    ++shown;
                }
            }
        }
        first = end;
    }
    if (shown == 0)
        html += QStringLiteral("<tr><td colspan=\"3\"><i>%1</i></td></tr>")
                    .arg(Escaped(TfrmCompare::tr("The definitions are the same.")));
    return html + QStringLiteral("</table>");
}

TfrmCompare::TfrmCompare(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(tr("Compare Definitions"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    lblDifferences = new QLabel(this);
    lblDifferences->setObjectName(QStringLiteral("lblDifferences"));
    QFont bold = lblDifferences->font();
    bold.setBold(true);
    lblDifferences->setFont(bold);
    cbOnlyDifferences = new QCheckBox(tr("Only differences"), this);
    cbOnlyDifferences->setObjectName(QStringLiteral("cbOnlyDifferences"));
    cbOnlyDifferences->setChecked(true);
    top->addWidget(lblDifferences, 1);
    top->addWidget(cbOnlyDifferences);
    layout->addLayout(top);

    lblCompareNote = new QLabel(this);
    lblCompareNote->setObjectName(QStringLiteral("lblCompareNote"));
    lblCompareNote->setWordWrap(true);
    lblCompareNote->hide();
    layout->addWidget(lblCompareNote);

    txtCompare = new QTextBrowser(this);
    txtCompare->setObjectName(QStringLiteral("txtCompare"));
    txtCompare->setOpenLinks(false);
    layout->addWidget(txtCompare, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("btnClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);

    connect(cbOnlyDifferences, &QCheckBox::toggled, this, &TfrmCompare::Redraw);
    resize(900, 640);
}

void TfrmCompare::SetLeft(const TDefinitionReport& report, const QString& name)
{
    fLeft = report;
    fLeftName = name;
    Redraw();
}

void TfrmCompare::SetRight(const TDefinitionReport& report, const QString& name,
                           const QStringList& readNotes)
{
    fRight = report;
    fRightName = name;
    lblCompareNote->setText(
        readNotes.isEmpty()
            ? QString()
            : tr("Reading %1 skipped, cut or ignored:").arg(name) + QLatin1Char('\n') +
                  readNotes.join(QLatin1Char('\n')));
    lblCompareNote->setVisible(!readNotes.isEmpty());
    Redraw();
}

void TfrmCompare::Redraw()
{
    fDiff = DiffDefinitions(fLeft, fRight);
    const int count = fDiff.DifferenceCount();
    lblDifferences->setText(count == 0 ? tr("The definitions are the same.")
                            : count == 1 ? tr("1 difference")
                                         : tr("%1 differences").arg(count));
    // The list is redrawn while the user edits: it keeps its place.
    const int scrolled = txtCompare->verticalScrollBar()->value();
    txtCompare->setHtml(
        CompareHtml(fDiff, fLeftName, fRightName, cbOnlyDifferences->isChecked()));
    txtCompare->verticalScrollBar()->setValue(scrolled);
}
