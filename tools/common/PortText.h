#pragma once

#include "files/LoaderSettings.h"

#include <QString>

// The port choice of the loader settings as a person reads it:
// "COM3 (ttyS2), serial (DB9)", "keyboard mode (no serial port)", "not set".
QString DescribePort(const TLoaderPortChoice& choice);
