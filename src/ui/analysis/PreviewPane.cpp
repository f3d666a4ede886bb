#include "ui/analysis/PreviewPane.h"

#include "analysis/SendsPreview.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

namespace {

// Lines of text the sends box shows before it scrolls.
constexpr int SendsLines = 2;

// Blanks are kept as they are: two spaces a macro sends are two.
QString Paragraph(const QString& text, const QString& style = QString())
{
    return QStringLiteral("<p style=\"white-space:pre-wrap;%1\">").arg(style) +
           text.toHtmlEscaped() + QStringLiteral("</p>");
}

// A hint that wraps: the whole text of a field that shows only part of it.
QString WrappingHint(const QString& text)
{
    return text.isEmpty() ? QString() : QStringLiteral("<p>") + text.toHtmlEscaped() +
                                             QStringLiteral("</p>");
}

} // namespace

TPreviewPane::TPreviewPane(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlPreview"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 5, 8, 6);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(4);

    auto* title = new QLabel(tr("What the keypad sends"), this);
    title->setObjectName(QStringLiteral("lblPreviewTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    lblPreviewTime = new QLabel(this);
    lblPreviewTime->setObjectName(QStringLiteral("lblPreviewTime"));
    lblPreviewTime->setToolTip(tr("The delays of the macro and the character pacing between the "
                                  "bytes it sends; beeps are not counted."));

    edPreviewSends = new QTextEdit(this);
    edPreviewSends->setObjectName(QStringLiteral("edPreviewSends"));
    edPreviewSends->setReadOnly(true);
    edPreviewSends->setTabChangesFocus(true);
    edPreviewSends->setPlaceholderText(tr("Nothing: the macro is empty."));
    edPreviewSends->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int margin = int(edPreviewSends->document()->documentMargin());
    edPreviewSends->setFixedHeight(SendsLines * edPreviewSends->fontMetrics().lineSpacing() +
                                   2 * margin + 2 * edPreviewSends->frameWidth());

    lblPreviewBytes = new QLabel(tr("Bytes:"), this);
    lblPreviewBytes->setObjectName(QStringLiteral("lblPreviewBytes"));
    edPreviewBytes = new QLineEdit(this);
    edPreviewBytes->setObjectName(QStringLiteral("edPreviewBytes"));
    edPreviewBytes->setReadOnly(true);
    edPreviewBytes->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lblPreviewBytes->setBuddy(edPreviewBytes);

    layout->addWidget(title, 0, 0, 1, 2);
    layout->addWidget(lblPreviewTime, 0, 2, Qt::AlignRight);
    layout->addWidget(edPreviewSends, 1, 0, 1, 3);
    layout->addWidget(lblPreviewBytes, 2, 0);
    layout->addWidget(edPreviewBytes, 2, 1, 1, 2);
    layout->setColumnStretch(1, 1);
}

void TPreviewPane::ShowMacro(const TMacroData& macro, const TPlaybackSettings& settings)
{
    const TSendsPreview preview = PreviewSends(macro, settings);

    lblPreviewTime->setText(tr("Total time: %1 ms").arg(preview.TotalMs));

    QString html;
    if (!preview.Text.isEmpty())
        html = Paragraph(preview.Text);
    if (!preview.Note.isEmpty())
        html += Paragraph(preview.Note, QStringLiteral("color:#7a5200; font-style:italic"));
    edPreviewSends->setHtml(html);
    edPreviewSends->setToolTip(WrappingHint(preview.Text));

    // A keyboard host has no serial line: it receives key presses, not bytes.
    edPreviewBytes->setEnabled(preview.Terminal);
    lblPreviewBytes->setEnabled(preview.Terminal);
    edPreviewBytes->setPlaceholderText(
        preview.Terminal ? tr("none")
                         : tr("none: in a USB HID keyboard mode the host receives key presses"));
    edPreviewBytes->setText(preview.Terminal ? preview.Hex() : QString());
    edPreviewBytes->setCursorPosition(0);
    edPreviewBytes->setToolTip(WrappingHint(edPreviewBytes->text()));
}
