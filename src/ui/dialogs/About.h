#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: a white, borderless window with a thin black frame, the
// maker's logo, a keypad picture, the description and the version.
// Created each time it is shown.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    // Creates the box, centres it on mainWindow, shows it modally and
    // destroys it again. Returns the dialog result.
    static int Execute(QWidget* mainWindow);

    // Puts the box's centre on the centre of mainWindow.
    void CentreOn(const QWidget* mainWindow);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    void btnOkClick();

    QLabel* HalvLogoImage = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* btnOk = nullptr;
};
