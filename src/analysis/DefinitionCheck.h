#pragma once

#include "files/FileIO.h"
#include "files/ReadWarning.h"
#include "model/AppState.h"
#include "report/DefinitionReport.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The check before a download: what in a definition will not do on the
// keypad what it seems to, found without a keypad. Every finding names the
// place to go to (key and level, code position, screen) and says in a
// sentence what is wrong.

enum class TSeverity
{
    Note,    // worth knowing; nothing goes wrong
    Warning, // the keypad will not do what the definition seems to say
    Error    // the definition cannot reach the keypad as it stands
};

struct TFinding
{
    TSeverity Severity = TSeverity::Warning;
    QString Rule;      // a short stable name ("led-in-hid-mode"), for scripts
    int Key = -1;      // 0..19, or -1
    int Level = -1;    // 0 or 1, or -1
    int Position = -1; // the code in the macro, or -1 for the whole macro
    int Screen = -1;   // 0..7 in ROM Edit Mode, or -1
    QString Section;   // the file section a reader finding is about, or empty
    QString Text;      // a sentence for the user
};

using TFindings = QList<TFinding>;

// Every finding about `state` read as `kind`, with `numberOfKeys` the keypad
// model (12 or 20), and one finding for every entry of `readWarnings` (what
// the reader skipped, cut or ignored). Sorted by place: the definition as a
// whole first, then the keys in order, then the screens.
TFindings CheckDefinition(const TAppState& state, TReportKind kind, int numberOfKeys,
                          const TReadWarnings& readWarnings = {});

// What a load skipped, cut or ignored, as the check takes it.
TReadWarnings ReadWarningsOf(const TLoadResult& result);

// "note", "warning", "error".
QString SeverityName(TSeverity severity);
// How many findings have `severity`.
int CountOf(const TFindings& findings, TSeverity severity);
// "key 3, level 2", "key 3", "screen 4", "section KEY25"; empty for the
// definition as a whole. Numbers as the editor shows them, from 1.
QString FindingPlace(const TFinding& finding);
// The finding for scripts; numbers from 1, absent places left out.
QJsonObject FindingToJson(const TFinding& finding);
