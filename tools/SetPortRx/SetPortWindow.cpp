#include "SetPortWindow.h"

#include "PortNumbers.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
enum Column
{
    ColPort,
    ColNumber,
    ColKind,
    ColDescription
};
}

SetPortWindow::SetPortWindow(const QString& settingsPath, QWidget* parent)
    : QDialog(parent), settingsPath_(settingsPath),
      current_(TLoaderSettings(settingsPath).ReadPortChoice())
{
    setObjectName(QStringLiteral("SetPortWindow"));
    setWindowTitle(QStringLiteral("SetPortRx - Choose the Keypad Port"));

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Choose how PadwrightRx reaches the keypad for "
                                            "Download and Test."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    currentLabel_ = new QLabel(QStringLiteral("Now set: %1").arg(DescribePort(current_)), this);
    currentLabel_->setObjectName(QStringLiteral("lblCurrent"));
    layout->addWidget(currentLabel_);

    serial_ = new QRadioButton(QStringLiteral("Serial port"), this);
    serial_->setObjectName(QStringLiteral("rbSerialPort"));
    layout->addWidget(serial_);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("listPorts"));
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({QStringLiteral("Port"), QStringLiteral("Number"),
                            QStringLiteral("Kind"), QStringLiteral("Description")});
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(ColPort, 110);
    list_->setColumnWidth(ColNumber, 80);
    list_->setColumnWidth(ColKind, 90);
    list_->setMinimumHeight(160);
    // The list and its check box belong to "Serial port": indent them under it.
    auto* serialBlock = new QVBoxLayout;
    serialBlock->setContentsMargins(20, 0, 0, 0);
    serialBlock->addWidget(list_, 1);
    layout->addLayout(serialBlock, 1);

    auto* listButtons = new QHBoxLayout;
    alsoKeyboard_ = new QCheckBox(QStringLiteral("Keypad may also be in keyboard mode"), this);
    alsoKeyboard_->setObjectName(QStringLiteral("cbAlsoKeyboard"));
    listButtons->addWidget(alsoKeyboard_, 1);
    auto* refreshButton = new QPushButton(QStringLiteral("Refresh"), this);
    refreshButton->setObjectName(QStringLiteral("btnRefresh"));
    connect(refreshButton, &QPushButton::clicked, this, &SetPortWindow::refresh);
    listButtons->addWidget(refreshButton);
    serialBlock->addLayout(listButtons);

    keyboard_ = new QRadioButton(QStringLiteral("Keyboard mode (no serial port)"), this);
    keyboard_->setObjectName(QStringLiteral("rbKeyboardMode"));
    layout->addWidget(keyboard_);
    auto* keyboardNote = new QLabel(QStringLiteral("For a keypad in USB HID keyboard host mode "
                                                   "(mode 3 or 11). Test then starts PadProbe."),
                                    this);
    keyboardNote->setWordWrap(true);
    keyboardNote->setIndent(20);
    layout->addWidget(keyboardNote);

    auto* buttons = new QDialogButtonBox(this);
    auto* save = buttons->addButton(QStringLiteral("Save"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("btnSave"));
    save->setDefault(true);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SetPortWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SetPortWindow::reject);
    layout->addWidget(buttons);

    connect(serial_, &QRadioButton::toggled, this, &SetPortWindow::updateControls);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &SetPortWindow::accept);

    alsoKeyboard_->setChecked(current_.bOstrellaK && current_.ComPort > 0);
    if (current_.ComPort == -1)
        keyboard_->setChecked(true);
    else
        serial_->setChecked(true);
    refresh();
    resize(620, 420);
}

void SetPortWindow::refresh()
{
    const int selected = list_->currentItem()
                             ? list_->currentItem()->data(ColPort, Qt::UserRole).toInt()
                             : current_.ComPort;
    ports_ = SerialPorts::list();
    // Keep the recorded port in the list even while it is unplugged.
    if (current_.ComPort > 0) {
        bool listed = false;
        for (const PortEntry& port : ports_)
            listed = listed || port.number == current_.ComPort;
        PortEntry recorded;
        QString error;
        if (!listed &&
            SerialPorts::resolve(QString::number(current_.ComPort), {}, recorded, error)) {
            recorded.usb = current_.ComType == QLatin1String("U");
            recorded.description = QStringLiteral("(recorded, not present now)");
            ports_.append(recorded);
        }
    }

    list_->clear();
    for (const PortEntry& port : ports_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(ColPort, port.name);
        item->setText(ColNumber, port.number > 0 ? QStringLiteral("COM%1").arg(port.number)
                                                 : QStringLiteral("-"));
        item->setText(ColKind, port.usb ? QStringLiteral("USB") : QStringLiteral("serial"));
        item->setText(ColDescription, port.description);
        item->setData(ColPort, Qt::UserRole, port.number);
        if (port.number <= 0) {
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
            item->setToolTip(ColPort, QStringLiteral("This port has no number the editor can "
                                                     "record."));
        }
        if (port.number > 0 && port.number == selected)
            list_->setCurrentItem(item);
    }
    updateControls();
}

void SetPortWindow::updateControls()
{
    list_->setEnabled(serial_->isChecked());
    alsoKeyboard_->setEnabled(serial_->isChecked());
}

void SetPortWindow::accept()
{
    TLoaderPortChoice choice;
    if (keyboard_->isChecked()) {
        choice.ComPort = -1;
        choice.ComType = QStringLiteral("U");
        choice.bOstrellaK = true;
    } else {
        const QTreeWidgetItem* item = list_->currentItem();
        const int number = item ? item->data(ColPort, Qt::UserRole).toInt() : 0;
        if (number <= 0) {
            QMessageBox::information(this, windowTitle(),
                                     QStringLiteral("Choose the keypad's port in the list, or "
                                                    "choose keyboard mode."));
            return;
        }
        for (const PortEntry& port : ports_) {
            if (port.number == number) {
                choice.ComPort = number;
                choice.ComType = SerialPorts::comType(port);
            }
        }
        choice.bOstrellaK = alsoKeyboard_->isChecked();
    }
    const TSaveResult written = TLoaderSettings(settingsPath_).WritePortChoice(choice);
    if (!written.Ok) {
        QMessageBox::critical(this, windowTitle(), written.Message);
        return;
    }
    QDialog::accept();
}
