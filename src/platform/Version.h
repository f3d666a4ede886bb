#pragma once

#include <QString>

// The program's version text as files record it and the about box shows it:
// the first five characters of the build's version ("1.0.0.0" gives "1.0.0"),
// or "NA" when the build carries no version.
QString GetOurVersion();
