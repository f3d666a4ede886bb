#include "LinkProbeWindow.h"

#include "PortNumbers.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {
struct BaudChoice
{
    const char* caption;
    int rate;
};

// The keypad's baud rates, in the order of its baud rate codes.
const BaudChoice BaudChoices[] = {{"1200", 1200},   {"2400", 2400},     {"4800", 4800},
                                  {"9600", 9600},   {"19.2k", 19200},   {"38.4k", 38400},
                                  {"57.6k", 57600}, {"115.2k", 115200}, {"31.25k", 31250}};
constexpr int DefaultBaudIndex = 3; // 9600, the keypad's default

struct FormatChoice
{
    const char* caption;
    QSerialPort::DataBits dataBits;
    QSerialPort::Parity parity;
};

const FormatChoice FormatChoices[] = {
    {"8,N,1", QSerialPort::Data8, QSerialPort::NoParity},
    {"7,N,1", QSerialPort::Data7, QSerialPort::NoParity},
    {"7,E,1", QSerialPort::Data7, QSerialPort::EvenParity},
    {"7,O,1", QSerialPort::Data7, QSerialPort::OddParity},
};

QString portCaption(const QString& name, const QString& description)
{
    const int number = PortNumbers::numberForName(name);
    QString caption = name;
    if (number > 0 && PortNumbers::shortName(name).compare(QStringLiteral("COM%1").arg(number),
                                                           Qt::CaseInsensitive) != 0)
        caption += QStringLiteral(" (COM%1)").arg(number);
    if (!description.isEmpty())
        caption += QStringLiteral(" - ") + description;
    return caption;
}
} // namespace

LinkProbeWindow::LinkProbeWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("LinkProbeWindow"));
    setWindowTitle(QStringLiteral("LinkProbe - Serial Key Test"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    layout->addLayout(buildSettings(central));

    status_ = new QLabel(central);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setWordWrap(true);
    layout->addWidget(status_);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* heading = new QLabel(ByteLog::heading(), central);
    heading->setFont(fixed);
    heading->setTextInteractionFlags(Qt::NoTextInteraction);
    layout->addWidget(heading);

    view_ = new QPlainTextEdit(central);
    view_->setObjectName(QStringLiteral("edBytes"));
    view_->setReadOnly(true);
    view_->setFont(fixed);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(view_, 1);
    // Line the heading up with the text inside the view.
    heading->setContentsMargins(view_->frameWidth() + int(view_->document()->documentMargin()), 0,
                                0, 0);

    layout->addLayout(buildBottomRow(central));

    setCentralWidget(central);
    resize(860, 520);

    connect(&port_, &QSerialPort::readyRead, this, &LinkProbeWindow::readBytes);
    connect(&port_, &QSerialPort::errorOccurred, this, &LinkProbeWindow::portError);
    clock_.start();

    refreshPorts();
    clearLog();
    showStatus(QStringLiteral("Not connected. Choose the port that the keypad is connected to, "
                              "then press Open."),
               false);
    updateControls();
}

// The port, its speed and word format, with Refresh and Open.
QGridLayout* LinkProbeWindow::buildSettings(QWidget* central)
{
    auto* settings = new QGridLayout;
    settings->addWidget(new QLabel(QStringLiteral("Port:"), central), 0, 0);
    ports_ = new QComboBox(central);
    ports_->setObjectName(QStringLiteral("cboxPort"));
    ports_->setMinimumWidth(320);
    settings->addWidget(ports_, 0, 1, 1, 3);
    refresh_ = new QPushButton(QStringLiteral("Refresh"), central);
    refresh_->setObjectName(QStringLiteral("btnRefresh"));
    connect(refresh_, &QPushButton::clicked, this, &LinkProbeWindow::refreshPorts);
    settings->addWidget(refresh_, 0, 4);

    settings->addWidget(new QLabel(QStringLiteral("Baud rate:"), central), 1, 0);
    baud_ = new QComboBox(central);
    baud_->setObjectName(QStringLiteral("cboxBaudRate"));
    for (const BaudChoice& choice : BaudChoices)
        baud_->addItem(QLatin1String(choice.caption), choice.rate);
    baud_->setCurrentIndex(DefaultBaudIndex);
    settings->addWidget(baud_, 1, 1);
    settings->addWidget(new QLabel(QStringLiteral("Word format:"), central), 1, 2,
                        Qt::AlignRight | Qt::AlignVCenter);
    format_ = new QComboBox(central);
    format_->setObjectName(QStringLiteral("cboxWordFormat"));
    for (const FormatChoice& choice : FormatChoices)
        format_->addItem(QLatin1String(choice.caption));
    settings->addWidget(format_, 1, 3);
    open_ = new QPushButton(central);
    open_->setObjectName(QStringLiteral("btnOpen"));
    connect(open_, &QPushButton::clicked, this, &LinkProbeWindow::toggleOpen);
    settings->addWidget(open_, 1, 4);
    settings->setColumnStretch(1, 1);
    settings->setColumnStretch(3, 1);
    return settings;
}

// The byte count, with Clear and Close.
QHBoxLayout* LinkProbeWindow::buildBottomRow(QWidget* central)
{
    auto* bottom = new QHBoxLayout;
    count_ = new QLabel(central);
    count_->setObjectName(QStringLiteral("lblCount"));
    bottom->addWidget(count_, 1);
    auto* clearButton = new QPushButton(QStringLiteral("Clear"), central);
    clearButton->setObjectName(QStringLiteral("btnClear"));
    connect(clearButton, &QPushButton::clicked, this, &LinkProbeWindow::clearLog);
    bottom->addWidget(clearButton);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), central);
    closeButton->setObjectName(QStringLiteral("btnClose"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    bottom->addWidget(closeButton);
    return bottom;
}

void LinkProbeWindow::openRequested(const QString& portArgument)
{
    const QString argument = portArgument.trimmed().remove(QLatin1Char('"'));
    bool isNumber = false;
    const int number = argument.toInt(&isNumber);
    QString name = argument;
    if (isNumber) {
        name = PortNumbers::nameForNumber(number);
        if (name.isEmpty()) {
            showStatus(QStringLiteral("Port number %1 names no serial port on this computer. "
                                      "Choose the port, then press Open.")
                           .arg(number),
                       false);
            return;
        }
    }
    int index = -1;
    for (int i = 0; i < ports_->count(); ++i) {
        if (PortNumbers::shortName(ports_->itemData(i).toString()) == PortNumbers::shortName(name))
            index = i;
    }
    if (index < 0) {
        ports_->addItem(portCaption(name, QStringLiteral("not listed by the system")), name);
        index = ports_->count() - 1;
    }
    ports_->setCurrentIndex(index);
    openPort(ports_->itemData(index).toString());
}

void LinkProbeWindow::refreshPorts()
{
    const QString current = ports_->currentData().toString();
    ports_->clear();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports_->addItem(portCaption(info.portName(), info.description()), info.portName());
    const int index = ports_->findData(current);
    if (index >= 0)
        ports_->setCurrentIndex(index);
    if (ports_->count() == 0)
        showStatus(QStringLiteral("No serial ports found. Plug in the keypad, then press Refresh."),
                   false);
    updateControls();
}

void LinkProbeWindow::toggleOpen()
{
    if (port_.isOpen())
        closePort();
    else if (ports_->currentIndex() >= 0)
        openPort(ports_->currentData().toString());
}

void LinkProbeWindow::openPort(const QString& portName)
{
    if (port_.isOpen())
        port_.close();
    const FormatChoice& format = FormatChoices[qMax(0, format_->currentIndex())];
    port_.setPortName(portName);
    port_.setBaudRate(baud_->currentData().toInt());
    port_.setDataBits(format.dataBits);
    port_.setParity(format.parity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadOnly)) {
        showStatus(QStringLiteral("Could not open %1: %2").arg(portName, port_.errorString()),
                   false);
        updateControls();
        return;
    }
    showStatus(QStringLiteral("Listening on %1 at %2 baud, %3. Press keys on the keypad.")
                   .arg(portName, baud_->currentText(), format_->currentText()),
               true);
    updateControls();
}

void LinkProbeWindow::closePort(const QString& reason)
{
    const QString name = port_.portName();
    port_.close();
    showStatus(reason.isEmpty() ? QStringLiteral("Closed %1.").arg(name) : reason, false);
    updateControls();
}

void LinkProbeWindow::readBytes()
{
    const QByteArray bytes = port_.readAll();
    if (bytes.isEmpty())
        return;
    constexpr int MaxLines = 20000;
    if (log_.lineCount() >= MaxLines)
        clearLog(); // a keypad never sends this much; keep the window responsive
    const int first = log_.add(bytes, clock_.elapsed(), QTime::currentTime());

    // Drop the lines from `first` on and show them again.
    QTextCursor cursor(view_->document());
    const int existing = view_->document()->blockCount();
    const bool empty = view_->document()->isEmpty();
    if (!empty && first < existing) {
        const QTextBlock block = view_->document()->findBlockByNumber(first);
        cursor.setPosition(block.position());
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        if (first > 0)
            cursor.deletePreviousChar(); // the line break before the removed lines
    } else {
        cursor.movePosition(QTextCursor::End);
    }
    for (int i = first; i < log_.lineCount(); ++i) {
        if (!view_->document()->isEmpty())
            cursor.insertBlock();
        cursor.insertText(log_.formatLine(i));
    }
    view_->moveCursor(QTextCursor::End);
    view_->ensureCursorVisible();
    count_->setText(QStringLiteral("Bytes received: %1").arg(log_.byteCount()));
}

void LinkProbeWindow::portError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::ResourceError && port_.isOpen())
        closePort(QStringLiteral("The port %1 went away (was the keypad unplugged?).")
                      .arg(port_.portName()));
}

void LinkProbeWindow::clearLog()
{
    log_.clear();
    view_->clear();
    count_->setText(QStringLiteral("Bytes received: 0"));
}

void LinkProbeWindow::showStatus(const QString& text, bool good)
{
    status_->setText(text);
    status_->setStyleSheet(good ? QStringLiteral("color: rgb(0, 128, 0);")
                                : QStringLiteral("color: rgb(160, 0, 0);"));
}

void LinkProbeWindow::updateControls()
{
    const bool open = port_.isOpen();
    open_->setText(open ? QStringLiteral("Close port") : QStringLiteral("Open port"));
    open_->setEnabled(open || ports_->count() > 0);
    ports_->setEnabled(!open);
    baud_->setEnabled(!open);
    format_->setEnabled(!open);
    refresh_->setEnabled(!open);
}
