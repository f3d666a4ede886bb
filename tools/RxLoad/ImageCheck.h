#pragma once

#include "CheckReport.h"

#include <QByteArray>

// Checks a download image: one quoted hexadecimal byte per line, a header of
// 33 lines, then one record for each of the keys 0 to 19.
CheckReport checkDownloadImage(const QByteArray& bytes);
