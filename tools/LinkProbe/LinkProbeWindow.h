#pragma once

#include "ByteLog.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QSerialPort>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Opens a serial port and shows every byte that arrives on it, as text and
// in hexadecimal.
class LinkProbeWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit LinkProbeWindow(QWidget* parent = nullptr);

    // Selects the port given on the command line (a port number as the
    // editor passes it, or a port name) and opens it.
    void openRequested(const QString& portArgument);

private:
    QGridLayout* buildSettings(QWidget* central);
    QHBoxLayout* buildBottomRow(QWidget* central);
    void refreshPorts();
    void toggleOpen();
    void openPort(const QString& portName);
    void closePort(const QString& reason = {});
    void readBytes();
    void portError(QSerialPort::SerialPortError error);
    void clearLog();
    void showStatus(const QString& text, bool good);
    void updateControls();

    QSerialPort port_;
    ByteLog log_;
    QElapsedTimer clock_;
    QComboBox* ports_ = nullptr;
    QComboBox* baud_ = nullptr;
    QComboBox* format_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPushButton* open_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* count_ = nullptr;
    QPlainTextEdit* view_ = nullptr;
};
