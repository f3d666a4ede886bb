#pragma once

#include <QString>
#include <QStringList>

// What a check found in a file: what it holds, and what is wrong with it.
struct CheckReport
{
    QString kind;         // "download image" or "ROM file"
    QStringList contents; // what the file holds, as lines for a person to read
    QStringList faults;   // reasons the file must not go to a keypad
    QStringList notes;    // things worth knowing that do not stop a download
    bool ok() const { return faults.isEmpty(); }
};

// Shared texts for values that both kinds of file hold.
namespace ValueText {
// A character code with its name: 13 (CR), 64 (@), 0 (none).
QString character(int code);
// A baud rate code: 3 gives 9600.
QString baudRate(int code);
// A serial word format in the short layout: 8 gives 8,N,1.
QString wordFormat(int code);
// One LED's use: 0 off, 1 level indicator, 2 host/macro control, 3 power indicator.
QString ledUse(int code);
// The host interface mode number: 0, 3, 7, 10, 11.
QString hostMode(int mode);
// Bytes as upper-case hexadecimal pairs separated by blanks.
QString hexBytes(const QByteArray& bytes);
} // namespace ValueText
