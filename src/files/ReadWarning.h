#pragma once

#include <QList>
#include <QString>

// Something a reader skipped, cut or ignored in a file that still loaded.
// The reading itself stays as stored files need it; these tell the user
// (and the definition check) what did not come through as written.
struct TReadWarning
{
    QString Section; // the section as written in the file; empty when not about one section
    int Key = -1;    // key index 0..19 when about a key, else -1
    int Level = -1;  // 0 or 1 when about one level's macro or name, else -1
    QString Text;    // what happened, as a sentence for the user
};

using TReadWarnings = QList<TReadWarning>;

// One warning as a line for the user: where it is ("[KEY3] key 4, level 1"),
// then what happened. Key and level are shown counted from 1, as the editor
// shows them.
QString FormatReadWarning(const TReadWarning& warning);
