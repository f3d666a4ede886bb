#pragma once

#include "files/FileResults.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

// A sectioned key=value file held in memory: the definition files, the
// settings file and the loader settings file all go through this class.
//
// Reading follows the Windows profile conventions: Windows-1252 text, names
// matched without regard to ASCII letter case, the first section and the
// first key of a name win, values trimmed of blanks and of one pair of
// enclosing quotes. Writing updates the text in place, so every line the
// program does not name (other sections, comments, junk) survives a save.
// The whole text is written at once, atomically.
class TIniFile
{
public:
    TIniFile() = default;

    // Parses `bytes`; any byte sequence is accepted.
    static TIniFile FromBytes(const QByteArray& bytes);

    // Replaces the content with the file at `path`. Returns false, leaving the
    // content empty, when the file cannot be opened or read.
    bool Load(const QString& path);

    // The text as written to disk: Windows-1252, CR LF after every line.
    QByteArray ToBytes() const;

    // Writes ToBytes() to `path` in one atomic step; the previous file stays as
    // it was when that fails, and the result says why ("Unable to write to
    // PATH: REASON.").
    TSaveResult Commit(const QString& path) const;
    bool Save(const QString& path) const { return Commit(path).Ok; }

    // Every section header in file order, duplicates included.
    QStringList SectionNames() const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // The length of the value as a read finds it before it is cut to
    // MaxValueLength; -1 when there is no such key.
    qsizetype FullValueLength(const QString& section, const QString& key) const;
    int32_t ReadInteger(const QString& section, const QString& key, int32_t def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int32_t value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // The integer rules on their own: optional sign, then decimal digits that
    // fit in 32 bits, or "$", "0x", "0X" and one to eight hex digits.
    static bool ParseInteger(const QString& text, int32_t& value);
    static QString DecodeWindows1252(const QByteArray& bytes);
    static QByteArray EncodeWindows1252(const QString& text);

    // Longest value a read returns, in characters.
    static constexpr int MaxValueLength = 2047;

private:
    struct Line
    {
        QString text;
        int keyBegin = 0; // key lines only: the trimmed key is text[keyBegin, keyEnd)
        int keyEnd = 0;
        int equals = -1; // key lines only: index of the first '='
        bool IsKey() const { return equals >= 0; }
        QStringView Key() const { return QStringView(text).mid(keyBegin, keyEnd - keyBegin); }
    };

    struct Section
    {
        QString header; // the header line as it stands in the file
        QString name;   // trimmed name between the brackets
        std::vector<Line> lines;
    };

    static Line MakeLine(QString text);
    static QStringView WholeValueOf(const Line& line);
    static QString ValueOf(const Line& line);
    int FindSectionIndex(const QString& section) const;
    const Section* FindSection(const QString& section) const;
    Section* FindSection(const QString& section);
    static const Line* FindKey(const Section& section, QStringView key);
    const Line* FindValue(const QString& section, const QString& key) const;
    void AddLine(QString text);

    std::vector<Line> fPreamble; // lines before the first header
    std::vector<Section> fSections;
    QHash<QString, int> fFirstSection; // lower-case name -> index of its first section
    // The last section asked for: readers and writers go section by section.
    mutable QString fLastQuery;
    mutable int fLastIndex = -1;
};
