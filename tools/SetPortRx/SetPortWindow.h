#pragma once

#include "PortText.h"
#include "SerialPorts.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;
class QTreeWidget;

// Lets the user pick the keypad's serial port, or keyboard mode, and
// records the choice in the loader settings file.
class SetPortWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SetPortWindow(const QString& settingsPath, QWidget* parent = nullptr);

    void accept() override;

private:
    void refresh();
    void updateControls();

    QString settingsPath_;
    TLoaderPortChoice current_;
    QList<PortEntry> ports_;
    QLabel* currentLabel_ = nullptr;
    QRadioButton* serial_ = nullptr;
    QRadioButton* keyboard_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QCheckBox* alsoKeyboard_ = nullptr;
};
