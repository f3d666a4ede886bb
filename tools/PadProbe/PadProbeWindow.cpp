#include "PadProbeWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column
{
    ColNumber,
    ColKey,
    ColText,
    ColDecimal,
    ColHex,
    ColScan,
    ColModifiers,
    ColCount
};

const char* const ControlNames[32] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                      "BS",  "TAB", "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                      "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                      "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

// The text of a key as a person reads it: control characters by name.
QString readableText(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 32)
            out += QLatin1Char('<') + QLatin1String(ControlNames[u]) + QLatin1Char('>');
        else if (u == 127)
            out += QStringLiteral("<DEL>");
        else if (u == 32)
            out += QStringLiteral("<Space>");
        else
            out += c;
    }
    return out;
}

QString keyName(int key)
{
    if (key == 0 || key == Qt::Key_unknown)
        return QStringLiteral("(unknown)");
    const QString name = QKeySequence(key).toString(QKeySequence::NativeText);
    return name.isEmpty() ? QStringLiteral("0x%1").arg(key, 0, 16) : name;
}

QString modifierNames(Qt::KeyboardModifiers m)
{
    QStringList names;
    if (m & Qt::ShiftModifier)
        names << QStringLiteral("Shift");
    if (m & Qt::ControlModifier)
        names << QStringLiteral("Ctrl");
    if (m & Qt::AltModifier)
        names << QStringLiteral("Alt");
    if (m & Qt::MetaModifier)
        names << QStringLiteral("Meta");
    if (m & Qt::KeypadModifier)
        names << QStringLiteral("Keypad");
    return names.join(QLatin1Char('+'));
}
} // namespace

PadProbeWindow::PadProbeWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("PadProbeWindow"));
    setWindowTitle(QStringLiteral("PadProbe - Keyboard Mode Key Test"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* intro = new QLabel(
        QStringLiteral("Set the keypad's host mode to a USB HID keyboard mode, plug it in and "
                       "press its keys. Every key it types is listed below with its code. "
                       "This window keeps the keyboard to itself while it is active, so keys "
                       "typed on the PC keyboard are listed too."),
        central);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    table_ = new QTableWidget(0, ColCount, central);
    table_->setObjectName(QStringLiteral("tableKeys"));
    table_->setHorizontalHeaderLabels({QStringLiteral("#"), QStringLiteral("Key"),
                                       QStringLiteral("Text"), QStringLiteral("Code (dec)"),
                                       QStringLiteral("Code (hex)"), QStringLiteral("Scan code"),
                                       QStringLiteral("Modifiers")});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(ColNumber, 50);
    table_->setColumnWidth(ColKey, 130);
    table_->setColumnWidth(ColText, 80);
    table_->setColumnWidth(ColDecimal, 90);
    table_->setColumnWidth(ColHex, 90);
    table_->setColumnWidth(ColScan, 90);
    layout->addWidget(table_, 1);

    auto* typedRow = new QHBoxLayout;
    typedRow->addWidget(new QLabel(QStringLiteral("Typed so far:"), central));
    typed_ = new QLineEdit(central);
    typed_->setObjectName(QStringLiteral("edTyped"));
    typed_->setReadOnly(true);
    typed_->setFocusPolicy(Qt::NoFocus);
    typedRow->addWidget(typed_, 1);
    layout->addLayout(typedRow);

    auto* bottom = new QHBoxLayout;
    count_ = new QLabel(central);
    count_->setObjectName(QStringLiteral("lblCount"));
    bottom->addWidget(count_, 1);
    auto* clearButton = new QPushButton(QStringLiteral("Clear"), central);
    clearButton->setObjectName(QStringLiteral("btnClear"));
    clearButton->setFocusPolicy(Qt::NoFocus);
    connect(clearButton, &QPushButton::clicked, this, &PadProbeWindow::clear);
    bottom->addWidget(clearButton);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), central);
    closeButton->setObjectName(QStringLiteral("btnClose"));
    closeButton->setFocusPolicy(Qt::NoFocus);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    bottom->addWidget(closeButton);
    layout->addLayout(bottom);

    setCentralWidget(central);
    resize(720, 480);
    clear();
    qApp->installEventFilter(this);
}

bool PadProbeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            if (event->type() == QEvent::KeyPress)
                recordKey(*static_cast<QKeyEvent*>(event));
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void PadProbeWindow::recordKey(const QKeyEvent& event)
{
    // A keypad types Shift and Ctrl only together with another key; that key's
    // row names them, so the modifier keys alone get no row.
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return;
    default:
        break;
    }
    ++keys_;
    const QString text = event.text();
    QStringList decimal;
    QStringList hex;
    for (const QChar c : text) {
        decimal << QString::number(c.unicode());
        hex << QStringLiteral("0x") +
                   QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    QString keyText = keyName(event.key());
    if (event.isAutoRepeat())
        keyText += QStringLiteral(" (repeat)");

    const QString cells[ColCount] = {
        QString::number(keys_),
        keyText,
        readableText(text),
        decimal.isEmpty() ? QStringLiteral("-") : decimal.join(QLatin1Char(' ')),
        hex.isEmpty() ? QStringLiteral("-") : hex.join(QLatin1Char(' ')),
        event.nativeScanCode() ? QString::number(event.nativeScanCode()) : QStringLiteral("-"),
        modifierNames(event.modifiers()),
    };
    const int row = table_->rowCount();
    table_->insertRow(row);
    for (int col = 0; col < ColCount; ++col)
        table_->setItem(row, col, new QTableWidgetItem(cells[col]));
    table_->scrollToBottom();

    QString typed = typed_->text() + readableText(text);
    constexpr int MaxTyped = 2000;
    if (typed.size() > MaxTyped)
        typed = typed.right(MaxTyped);
    typed_->setText(typed);
    typed_->setCursorPosition(typed.size());
    count_->setText(QStringLiteral("Keys received: %1").arg(keys_));
}

void PadProbeWindow::clear()
{
    keys_ = 0;
    table_->setRowCount(0);
    typed_->clear();
    count_->setText(QStringLiteral("Keys received: 0"));
}
