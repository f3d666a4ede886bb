#pragma once

#include "analysis/DefinitionCheck.h"

// Where a finding is; -1 where it does not apply.
struct TCheckPlace
{
    int Key = -1;
    int Level = -1;
    int Position = -1;
    int Screen = -1;
};

// What the rules of the definition check share: the list they add to.
class TCheckSink
{
public:
    using TPlace = TCheckPlace;

    void Add(TSeverity severity, const char* rule, const QString& text, const TPlace& place = {})
    {
        TFinding f;
        f.Severity = severity;
        f.Rule = QString::fromLatin1(rule);
        f.Key = place.Key;
        f.Level = place.Level;
        f.Position = place.Position;
        f.Screen = place.Screen;
        f.Text = text;
        List << f;
    }

    TFindings List;
};

// The rules of ROM Edit Mode: the LCD texts, card post-processing and the
// screens of Automated Screen Mode.
void CheckRomProperties(const TAppState& state, TCheckSink& sink);

// "Code 5": a code position as the user counts, from 1.
inline QString CodeName(int position)
{
    return QStringLiteral("Code ") + QString::number(position + 1);
}
