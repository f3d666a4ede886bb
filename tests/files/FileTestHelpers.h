#pragma once

// Small helpers shared by the definition-file tests.

#include "files/FileIO.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace filetest {

inline QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QString TestData(const QString& name)
{
    return QStringLiteral(PADWRIGHT_TEST_DATA "/") + name;
}

// The elements of the selected macro.
inline QList<int> Elements(const TKeypadClass& d)
{
    QList<int> values;
    for (int i = 0; i < d.NumOfElements(); ++i)
        values << d.SelectedMacro().Values[size_t(i)];
    return values;
}

// Fills the selected macro with `values` through InsertByte.
inline void SetElements(TKeypadClass& d, std::initializer_list<int> values)
{
    int32_t position = 0;
    for (int v : values)
        d.InsertByte(position, v);
}

// Everything a definition file holds, as text: two definitions with the same
// text hold the same file content.
inline QString Describe(TKeypadClass d)
{
    QStringList out;
    out << QStringLiteral("globals %1 %2 %3 %4 %5 %6 %7 %8 %9")
               .arg(d.KeyRollOver())
               .arg(d.LEDBehavior())
               .arg(d.CharacterPacing())
               .arg(d.DownloadDelay())
               .arg(d.OpMode())
               .arg(d.TailChar())
               .arg(d.KeyClick())
               .arg(d.CmdPrefix())
               .arg(d.BaudRate());
    out << QStringLiteral("more %1 %2 %3 %4 %5 %6 %7 %8 %9")
               .arg(d.XonChar())
               .arg(d.XoffChar())
               .arg(d.WordFormat())
               .arg(d.FormCardType())
               .arg(d.CardPrefix())
               .arg(d.CardPrefixEnable())
               .arg(d.CardSuffix())
               .arg(d.CardSuffixEnable())
               .arg(d.CardTracks());
    out << QStringLiteral("card %1 %2 %3 %4 %5")
               .arg(d.CardStartSentinel())
               .arg(d.CardEndSentinel())
               .arg(d.CardFieldSeparator())
               .arg(d.CardBadSwipe())
               .arg(d.CdcSerialNo());
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        out << QStringLiteral("key %1 type %2").arg(key).arg(int(d.Keytype()));
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            QStringList values;
            for (int v : Elements(d))
                values << QString::number(v, 16);
            out << QStringLiteral("  level %1 repeat %2 now %3 name [%4] codes %5")
                       .arg(level)
                       .arg(d.CanAutoRepeat())
                       .arg(d.SendKeyNow())
                       .arg(d.GetMacroName(), values.join(QLatin1Char(',')));
        }
    }
    return out.join(QLatin1Char('\n'));
}

// A definition that uses every feature the files store.
inline void FillDefinition(TKeypadClass& d)
{
    d.SetKeyRollOver(1);
    d.SetLEDBehavior(0x21);
    d.SetCharacterPacing(10);
    d.SetDownloadDelay(25);
    d.SetOpMode(0x73);
    d.SetTailChar(10);
    d.SetKeyClick(42);
    d.SetCmdPrefix(126);
    d.SetBaudRate(7);
    d.SetXonChar(17);
    d.SetXoffChar(19);
    d.SetWordFormat(6);
    d.SetFormCardType(2);
    d.SetCardPrefix(2);
    d.SetCardPrefixEnable(true);
    d.SetCardSuffix(3);
    d.SetCardSuffixEnable(false);
    d.SetCardTracks(1);
    d.SetCardStartSentinel(37);
    d.SetCardEndSentinel(63);
    d.SetCardFieldSeparator(94);
    d.SetCardBadSwipe(21);
    d.SetCdcSerialNo(4321);

    d.SetKey(0);
    d.SetLevel(0);
    SetElements(d, {'a', 0x1032, 13, 0x4040, 0x4009, 0x2019});
    d.SetMacroName(QStringLiteral("first key"));
    d.SetCanAutoRepeat(true);
    d.SetLevel(1);
    SetElements(d, {0xE9, 0x80, 0x4018, 0});
    d.SetMacroName(QString::fromUtf16(u"caf\u00e9 \u20ac"));
    d.SetSendKeyNow(true);

    d.SetKey(3);
    d.SetKeytype(ktToggle);
    d.SetKey(5);
    d.SetKeytype(ktShift);
    d.SetLevel(0);
    SetElements(d, {0x90, 0x3C, 0x40}); // a MIDI note: the plain byte 64 last
    d.SetKey(9);
    d.SetKeytype(ktAlpha);
    d.SetKey(19);
    d.SetLevel(1);
    d.SetMacroName(QStringLiteral("last key"));
    SetElements(d, {'z'});
}

} // namespace filetest
