#pragma once

#include "report/DefinitionReport.h"

#include <QList>
#include <QString>
#include <QStringList>

// Two definitions side by side, row by row, as a person compares them: the
// parameters with their meanings, every key with both levels, the screens.
// Made from the reports of the loaded definitions, so two files that differ
// only in what the readers ignore (comments, blank lines, order and letter
// case of sections and keys, blanks between code pairs) compare as the same.

struct TDiffRow
{
    QString Section; // "Global parameters", "Key 5", "Screen 2"
    QString Item;    // "Command prefix", "type", "level 1 codes"
    QString Left;    // the value on each side as text, with its meaning
    QString Right;
    bool Differs = false;
    int Key = -1;    // 0..19 for the rows of a key
    int Level = -1;  // 0 or 1 for the rows of one level
    int Screen = -1; // 0..7 for the rows of a screen
    // Code rows: one text per code, and which codes the other side does not
    // have at that point of the macro (codes inserted, removed or changed).
    QStringList LeftCells;
    QStringList RightCells;
    QList<bool> LeftChanged;
    QList<bool> RightChanged;
};

struct TDefinitionDiff
{
    QList<TDiffRow> Rows; // every row, also the equal ones
    int DifferenceCount() const;
    bool Same() const { return DifferenceCount() == 0; }
};

// `left` and `right` should be of the same kind (both user or both ROM).
TDefinitionDiff DiffDefinitions(const TDefinitionReport& left, const TDefinitionReport& right);

// One row as one line: "Global parameters, Command prefix: 64 ('@') -> 35 ('#')".
QString DiffLine(const TDiffRow& row);
