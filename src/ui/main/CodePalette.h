#pragma once

#include "model/KeypadClass.h"

#include <QWidget>

class QAbstractButton;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class TPcKeyboard;

// The code entry palette below the keypad and the grid: the on-screen PC
// keyboard with its modifier keys, the Delay and Beep commands with their
// lengths, and the manual entry of a byte in decimal or hexadecimal. It only
// says which code was chosen; the macro editor inserts it.
class TCodePalette : public QWidget
{
    Q_OBJECT

public:
    explicit TCodePalette(QWidget* parent = nullptr);

    // The Shift and Ctrl keys' down state from `mkset` (Caps Lock stays).
    void UpdateKeyboard(TSetModifierKeys mkset);
    // All five modifier keys come up.
    void ReleaseModifierButtons();

Q_SIGNALS:
    // A keyboard key (its key number), Delay or Beep (their command codes):
    // a code for AddData.
    void keyCodeChosen(int32_t code);
    // F1..F12: a plain code for AddByte.
    void functionKeyChosen(int32_t code);
    // The manual entry's value, by Enter in the edit (which then empties).
    void manualByteEntered(int32_t value);
    // The manual entry's value, by the Insert button (the text stays).
    void manualByteInserted(int32_t value);
    // A modifier key went down or up; `bit` is its bit of the pending mask.
    void modifierToggled(int bit, bool down);

private:
    QWidget* BuildDelayAndBeep();
    QWidget* BuildManualEntry();

    // Handlers.
    void spdBtnEscClick(int tag);
    void tbDelayValueChange();
    void tbBeepValueChange();
    bool edManualInputKeyPress(QKeyEvent* event); // true: the key was handled or dropped
    void rbDecimalClick();
    void rbHexadecimalClick();
    void spdbtnInsertClick();
    // The manual entry's value; false (with the message shown) when there is
    // none to insert.
    bool ManualValue(int& value);

    TPcKeyboard* pnlKeyboard = nullptr;
    QSlider* tbDelayValue = nullptr;
    QSlider* tbBeepValue = nullptr;
    QLineEdit* edManualInput = nullptr;
    QRadioButton* rbDecimal = nullptr;
    QRadioButton* rbHexadecimal = nullptr;
};
