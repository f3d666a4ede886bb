#pragma once

#include <QDialog>

class QLabel;

// Reference table of the keypad's host connection modes, opened without
// blocking from the property dialogs. Created once, shown and hidden.
class TfrmHostTypeInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmHostTypeInfo(QWidget* parent = nullptr);

    // The reference text as shown, for anyone who needs it as plain text.
    QString PlainText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Image1 = nullptr; // the reference text fills the window
};
