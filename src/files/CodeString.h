#pragma once

#include "model/KeypadClass.h"

#include <QString>
#include <QStringView>

// Code strings: a macro as lower-case hexadecimal byte pairs with the
// command prefix, as both definition files store it.

// What a code string held that did not come into the macro.
struct TCodeStringIssues
{
    qsizetype StopAt = -1; // index in the text where reading stopped (a character that is no hex
                           // digit, or an odd last digit); -1 when it ran to the end
    int DroppedCommands =
        0; // prefix pairs whose command byte has no meaning, or that lack their argument
    int DroppedBytes = 0; // bytes beyond the macro's capacity
    bool Any() const { return StopAt >= 0 || DroppedCommands > 0 || DroppedBytes > 0; }
};

// Decodes a code string into the selected macro of `definition`, from
// position 0. `issues`, when given, receives what was not taken.
void ParseCodeString(TKeypadClass& definition, const QString& text,
                     TCodeStringIssues* issues = nullptr);

// The value of the first two characters of `text` as two hex digits (either
// letter case); -1 when they are not two hex digits.
int HexPairToByte(QStringView text);
