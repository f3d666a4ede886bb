#pragma once

#include <QWidget>

class QLineEdit;

// Two text boxes drawn as the lines of the keypad's 16-character LCD: bold
// fixed-pitch light-green text on green glass inside a painted display
// bezel. A disabled line goes black, as an unlit line does on the device.
class TLcdLinesPanel : public QWidget
{
    Q_OBJECT

public:
    TLcdLinesPanel(const QString& line1Name, const QString& line2Name, QWidget* parent = nullptr);

    QLineEdit* Line1() const { return fLine1; }
    QLineEdit* Line2() const { return fLine2; }

    // The look of one LCD line, also for boxes outside a panel.
    static void StyleLcdLine(QLineEdit* edit);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* fLine1;
    QLineEdit* fLine2;
};
