#include "ui/dialogs/LooseSpinBox.h"

#include <QLineEdit>

#include <limits>

namespace {

// Up to ten digits with an optional sign; anything longer cannot be an int.
bool IsNumberText(const QString& text)
{
    int i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    const int digits = text.size() - i;
    if (digits > 10)
        return false;
    for (; i < text.size(); ++i) {
        if (!text[i].isDigit() || text[i].unicode() > 127)
            return false;
    }
    return true;
}

} // namespace

TLooseSpinBox::TLooseSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

void TLooseSpinBox::setMaxDigits(int digits)
{
    lineEdit()->setMaxLength(digits > 0 ? digits : 32767);
}

QValidator::State TLooseSpinBox::validate(QString& text, int& pos) const
{
    Q_UNUSED(pos);
    // Every integer text counts; the range is applied to the stored value.
    return IsNumberText(text.trimmed()) ? QValidator::Acceptable : QValidator::Invalid;
}

int TLooseSpinBox::valueFromText(const QString& text) const
{
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok)
        return minimum();
    if (number < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (number > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return int(number);
}

void TLooseSpinBox::fixup(QString& input) const
{
    input = textFromValue(value());
}
