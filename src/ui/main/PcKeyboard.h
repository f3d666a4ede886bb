#pragma once

#include "model/KeypadClass.h"

#include <QWidget>

class QAbstractButton;

// The on-screen PC keyboard: one keycap per key in six rows, the numeric
// block at the right. Keys carry key numbers, F1..F12 carry plain codes, and
// the Shift, Ctrl and Caps Lock keys latch a bit of the pending modifier
// mask. Keys whose character can also be typed into the grid are green.
class TPcKeyboard : public QWidget
{
    Q_OBJECT

public:
    explicit TPcKeyboard(QWidget* parent = nullptr);

    // Sets the down state of the Shift and Ctrl keys from `mkset`; Caps Lock
    // and the pending mask stay as they are.
    void UpdateKeyboard(TSetModifierKeys mkset);
    // All five latching keys come up.
    void ReleaseModifierButtons();

Q_SIGNALS:
    // A key with a key number was clicked.
    void keyNumberClicked(int keyNumber);
    // F1..F12 was clicked: `code` is its plain code.
    void plainCodeClicked(int code);
    // A latching key went down or up; `bit` is its bit of the modifier mask.
    void modifierClicked(int bit, bool down);

private:
    QAbstractButton* sbtnLShift = nullptr;
    QAbstractButton* sbtnRShift = nullptr;
    QAbstractButton* sbtnLCtrl = nullptr;
    QAbstractButton* sbtnRCtrl = nullptr;
    QAbstractButton* spdbtnCapsLock = nullptr;
};
