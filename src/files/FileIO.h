#pragma once

// Every file format in one include, for callers that use several: code
// strings, the user and ROM definition files, the download image and the
// loader settings. Each has its own header beside this one.

#include "files/AtomicWrite.h"
#include "files/CodeString.h"
#include "files/DownloadImage.h"
#include "files/FileResults.h"
#include "files/GlobalParams.h"
#include "files/LoaderSettings.h"
#include "files/RomFile.h"
#include "files/UserFile.h"
