#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Reminds the user that a keypad in line edit mode uses only the first
// character of a macro. Modeless, created once and shown again and again.
class TfrmMacroLenWarning : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmMacroLenWarning(QWidget* parent = nullptr);

    // Shows the window without blocking and without taking the keyboard
    // focus, or brings it to the front when it is already shown. wholeText: both paragraphs (line
    // edit character translation on); otherwise the first paragraph only.
    void ShowWarning(bool wholeText);

    // True once OK has been pressed with "Don't show this message again"
    // ticked. Closing the window any other way leaves it alone.
    bool WarningTurnedOff() const { return fWarningTurnedOff; }

    // The seven lines of the full text; the first three are the first paragraph.
    static const QStringList& MessageLines();

Q_SIGNALS:
    // OK was pressed with the box ticked: the main window stops warning.
    void warningTurnedOff();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BitBtn1Click();
    void setLineCount(int lineCount);

    QLabel* Image1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    bool fWarningTurnedOff = false;
};
