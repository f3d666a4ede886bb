#pragma once

#include "CheckReport.h"

#include <QByteArray>

// Checks a definition file (a ROM file, or a user file): the section
// GLOBAL_PARAMETERS, key sections whose names the editor can read, and macros
// written as whole hexadecimal pairs. `romFile` says whether the file is
// meant to be a ROM file, which also needs its ROM parameters.
CheckReport checkDefinitionFile(const QByteArray& bytes, bool romFile);
