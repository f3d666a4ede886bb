#pragma once

#include <QLabel>

// The port status panel: the serial port the loader and the key tester will
// use, as the port-setting program left it, in green when one is set and in
// red when not, with a note when the keypad will be a USB HID keyboard.
class TPortPanel : public QLabel
{
    Q_OBJECT

public:
    explicit TPortPanel(QWidget* parent = nullptr);

    // Rebuilds the text, colour and hint. `comPort` 0 or below: no COM port;
    // `comType` "U" for USB, "R" for the DB9 port; `keyboardToo`: the
    // keyboard mode was chosen as well; `hidKeyboardHost`: the definition
    // makes the keypad a USB HID keyboard.
    void ShowPort(int comPort, const QString& comType, bool keyboardToo, bool hidKeyboardHost);

    // Why no backup was made before the last download, said once in the
    // hint; empty when the last backup was made.
    void SetBackupFailure(const QString& message);

private:
    void ShowHint();

    QString fHint;
    QString fBackupFailure;
};
