#include "ui/dialogs/HostTypeInfo.h"

#include <QCoreApplication>
#include <QLabel>
#include <QShowEvent>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

struct HostModeRow
{
    const char* mode;
    const char* cable;
    const char* connection;
    const char* availability;
    const char* comment;
};

// Mode numbers are the values of the ROM properties' HostType.
constexpr HostModeRow HostModes[] = {
    {"1", "RS232", QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "True DB-9 communications port"),
     QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "All"),
     QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "See Note 1")},
    {"2", "USB", QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "OstrellaPro virtual serial port #1"),
     QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "All"),
     QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "See Notes 1 &amp; 2")},
    {"3", "USB", QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "HID PC keyboard #1"),
     QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "All"),
     QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "See Note 4")},
    {"7", "USB", QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "CDC Class virtual serial port"), "v5.60+",
     QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "See Note 6")},
    {"10", "USB", QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "OstrellaPro virtual serial port #2"),
     "v6.16+", QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "See Note 3")},
    {"11", "USB", QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "HID PC keyboard #2"), "v6.16+",
     QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "See Note 5")},
};

constexpr const char* Notes[] = {
    QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "&quot;Default&quot; automatically chooses between "
                                          "Modes 1 &amp; 2 depending on cable plugged in."),
    QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "&quot;OstrellaPro #1&quot; is USB-Full-Speed below "
                                          "v6.16 and USB-Low-Speed on v6.16+."),
    QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "&quot;OstrellaPro #2&quot; is USB-Full-Speed and it "
                                          "is only available on v6.16+."),
    QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "&quot;HID PC Keyboard #1&quot; is USB-Full-Speed "
                                          "below v6.16 and USB-Low-Speed on v6.16+."),
    QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "&quot;HID PC Keyboard #2&quot; is USB-Full-Speed and "
                                          "it is only available on v 6.16+."),
    QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "&quot;CDC Class&quot; uses OS-built-in drivers. CDC "
                                          "is always USB-Full-Speed."),
};

QString text(const char* source)
{
    return QCoreApplication::translate("TfrmHostTypeInfo", source);
}

QString referenceHtml()
{
    QString html =
        QStringLiteral("<div style='font-size:13pt; font-weight:bold; margin-bottom:6px'>%1</div>"
                       "<table cellspacing='0' cellpadding='4' border='1' width='100%' "
                       "style='border-collapse:collapse; border-color:#7f7f7f; border-style:solid'>"
                       "<tr style='background-color:#e8edf3'>"
                       "<th align='center'>%2</th><th align='center'>%3</th>"
                       "<th align='left'>%4</th><th align='center'>%5</th>"
                       "<th align='left'>%6</th></tr>")
            .arg(
                text(QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "Host Mode (PC Connection) Choices **")),
                text(QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "Mode #")),
                text(QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "Cable")),
                text(QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "Host Connection")),
                text(QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "Availability")),
                text(QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "Comment")));
    for (const HostModeRow& row : HostModes) {
        html += QStringLiteral("<tr><td align='center'>%1</td><td align='center'>%2</td>"
                               "<td>%3</td><td align='center'>%4</td><td>%5</td></tr>")
                    .arg(QLatin1String(row.mode), QLatin1String(row.cable), text(row.connection),
                         text(row.availability), text(row.comment));
    }
    html += QStringLiteral("</table><p style='margin-top:8px'>%1</p>"
                           "<table cellspacing='0' cellpadding='1'>")
                .arg(text(QT_TRANSLATE_NOOP("TfrmHostTypeInfo",
                                            "** The Host Mode <u>always</u> defaults to RS-232 "
                                            "if the DB-9 cable is plugged in.")));
    int number = 1;
    for (const char* note : Notes) {
        html += QStringLiteral("<tr><td style='padding-right:6px'><b>%1</b></td><td>%2</td></tr>")
                    .arg(text(QT_TRANSLATE_NOOP("TfrmHostTypeInfo", "Note&nbsp;%1:")).arg(number++),
                         text(note));
    }
    html += QStringLiteral("</table>");
    return html;
}

} // namespace

TfrmHostTypeInfo::TfrmHostTypeInfo(QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmHostTypeInfo"));
    setWindowTitle(tr("Host Type Information"));
    setModal(false);

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setTextFormat(Qt::RichText);
    Image1->setText(referenceHtml());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Image1->setMinimumWidth(593);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 14);
    layout->addWidget(Image1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TfrmHostTypeInfo::PlainText() const
{
    QTextDocument document;
    document.setHtml(Image1->text());
    return document.toPlainText();
}

void TfrmHostTypeInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || !parentWidget())
        return;
    // Centred on the main window.
    const QRect main = parentWidget()->window()->frameGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(main.center());
    move(frame.topLeft());
}
