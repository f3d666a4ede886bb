#pragma once

#include "model/AppState.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// A definition as a person reads it: the global parameters with what their
// values mean, the eight screens of a ROM definition, and every key with
// both levels. The dump, the setup sheet and the comparison of two
// definitions all show this one report, so they name and explain things alike.

enum class TReportKind
{
    User, // the global parameters of the keypad definition
    Rom   // the committed ROM properties and screens
};

// One line of settings: its name, its value, and what the value means (may be empty).
struct TReportParam
{
    QString Name;
    QString Value;
    QString Meaning;
};

struct TReportScreen
{
    int Number = 1; // 1..8
    QString Line1;
    QString Line2;
    QList<TReportParam> Params;
};

struct TReportLevel
{
    QString Name;
    bool AutoRepeat = false;
    bool SendKeyNow = false;
    int Bytes = 0;
    QList<int32_t> Codes;
    QStringList Cells; // one text per code, as the macro grid shows it
    bool IsEmpty() const { return Codes.isEmpty() && Name.isEmpty() && !AutoRepeat && !SendKeyNow; }
};

struct TReportKey
{
    int Index = 0;        // 0..19, shown as 1..20
    QString Caption;      // the 12-key keypad's caption ("7", "CLR"); empty on 20 keys
    bool OnLayout = true; // the key has a button in the definition's layout
    TKeyType Type = ktNormal;
    std::array<TReportLevel, MaxLevels> Levels;
    bool IsEmpty() const { return Levels[0].IsEmpty() && Levels[1].IsEmpty(); }
};

struct TDefinitionReport
{
    TReportKind Kind = TReportKind::User;
    int NumberOfKeys = 20;
    QList<TReportParam> Globals;
    QList<TReportScreen> Screens; // ROM definitions only
    QList<TReportKey> Keys;       // all 20, in key order
};

// `numberOfKeys` is the layout the definition was read with (12 or 20);
// `hexView` shows the cells as the grid's hex view does.
TDefinitionReport MakeDefinitionReport(const TAppState& state, TReportKind kind, int numberOfKeys,
                                       bool hexView = false);

// "normal", "level shift", "level toggle", "alpha lock".
QString KeyTypeName(TKeyType type);
// The caption a key carries on the 12-key keypad; empty for the keys that layout hides.
QString TwelveKeyCaption(int key);
// A character byte as the dialogs name it: 'a', a sentinel's name, or "code 7".
QString CharacterName(int code);
// A value in double quotes.
QString Quoted(const QString& text);
