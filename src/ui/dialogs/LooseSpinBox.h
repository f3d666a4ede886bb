#pragma once

#include <QSpinBox>

// A number box that lets the user type any integer, also one outside its
// range, the way the keypad's property pages always worked: while typing,
// every change reports the typed number limited to the range (text that is
// not a number reads as the minimum); when the box loses focus, the text is
// replaced by the value that was stored, so an out-of-range number turns
// into the nearer bound.
class TLooseSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit TLooseSpinBox(QWidget* parent = nullptr);

    // At most this many characters may be typed (0: no limit).
    void setMaxDigits(int digits);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;
};
