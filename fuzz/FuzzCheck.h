#pragma once

#include "files/FileResults.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with a message when a property of the readers does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// What a load says never carries a raw control character to a terminal.
inline bool PrintableMessages(const TLoadResult& result)
{
    auto printable = [](const QString& text) {
        for (const QChar c : text)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return false;
        return true;
    };
    if (!printable(result.Message))
        return false;
    for (const TReadWarning& warning : result.ReadWarnings)
        if (!printable(FormatReadWarning(warning)))
            return false;
    return true;
}
