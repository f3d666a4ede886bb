#pragma once

#include <QString>
#include <QStringView>

// A value from a file as a message quotes it: its first 40 characters
// (then "..." when there were more), with every control character and DEL
// shown as \x and two lower-case hex digits, so that no byte of a file
// reaches a terminal or a message box raw.
QString MessageValue(QStringView value);
