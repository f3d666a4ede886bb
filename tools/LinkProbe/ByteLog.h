#pragma once

#include <QByteArray>
#include <QString>
#include <QTime>
#include <QVector>

// The bytes received so far, grouped into lines of at most 16 bytes. A pause
// between two bytes starts a new line, so each key press of the keypad
// usually gets a line of its own.
class ByteLog
{
public:
    static constexpr int BytesPerLine = 16;
    static constexpr qint64 PauseMs = 300;

    // Adds bytes that arrived at `elapsedMs` (a monotonic clock) and at the
    // wall-clock time `clock`. Returns the index of the first line that
    // changed; every line from there on must be shown again.
    int add(const QByteArray& bytes, qint64 elapsedMs, const QTime& clock);

    void clear();
    int lineCount() const { return lines_.size(); }
    qint64 byteCount() const { return total_; }

    // One line as shown: time, the bytes in hexadecimal, the bytes as text.
    QString formatLine(int index) const;

    // The heading that matches formatLine's columns.
    static QString heading();

    // One byte as text: printable characters as themselves, control
    // characters by name in angle brackets (<CR>, <ESC>, <DEL>).
    static QString byteText(unsigned char byte);

private:
    struct Line
    {
        QTime time;
        QByteArray bytes;
    };
    QVector<Line> lines_;
    qint64 lastMs_ = -1;
    qint64 total_ = 0;
};
