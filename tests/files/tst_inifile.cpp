#include "files/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

using IniEdit = std::function<void(TIniFile&)>;
Q_DECLARE_METATYPE(IniEdit)

class tst_IniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void sectionNames_data();
    void sectionNames();
    void windows1252();
    void write_data();
    void write();
    void stringsReadBackAsWritten_data();
    void stringsReadBackAsWritten();
    void saveIsAtomic();
    void refusedSaveKeepsOldFile_data();
    void refusedSaveKeepsOldFile();
    void hostileInput_data();
    void hostileInput();
};

void tst_IniFile::readString_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString def = QStringLiteral("<default>");
    QTest::newRow("plain") << QByteArray("[S]\r\nk=v\r\n") << "S"
                           << "k"
                           << "v";
    QTest::newRow("blanks and tabs trimmed") << QByteArray("[S]\r\n \tk \t= \t v w \t\r\n") << "S"
                                             << "k"
                                             << "v w";
    QTest::newRow("double quotes removed") << QByteArray("[S]\nk= \" v \" \n") << "S"
                                           << "k"
                                           << " v ";
    QTest::newRow("single quotes removed") << QByteArray("[S]\nk='x'\n") << "S"
                                           << "k"
                                           << "x";
    QTest::newRow("mixed quotes kept") << QByteArray("[S]\nk=\"x'\n") << "S"
                                       << "k"
                                       << "\"x'";
    QTest::newRow("lone quote kept") << QByteArray("[S]\nk=\"\n") << "S"
                                     << "k"
                                     << "\"";
    QTest::newRow("empty quotes") << QByteArray("[S]\nk=\"\"\n") << "S"
                                  << "k"
                                  << "";
    QTest::newRow("only one pair removed") << QByteArray("[S]\nk=\"\"a\"\"\n") << "S"
                                           << "k"
                                           << "\"a\"";
    QTest::newRow("equals in value") << QByteArray("[S]\nk=a=b\n") << "S"
                                     << "k"
                                     << "a=b";
    QTest::newRow("empty value") << QByteArray("[S]\nk=\n") << "S"
                                 << "k"
                                 << "";
    QTest::newRow("missing key") << QByteArray("[S]\nk=v\n") << "S"
                                 << "x" << def;
    QTest::newRow("missing section") << QByteArray("[S]\nk=v\n") << "T"
                                     << "k" << def;
    QTest::newRow("section case") << QByteArray("[Key0]\nk=v\n") << "KEY0"
                                  << "k"
                                  << "v";
    QTest::newRow("key case") << QByteArray("[S]\nLevel_1_Codes=61\n") << "s"
                              << "LEVEL_1_CODES"
                              << "61";
    QTest::newRow("first section wins") << QByteArray("[S]\na=1\n[s]\nk=2\n") << "S"
                                        << "k" << def;
    QTest::newRow("first key wins") << QByteArray("[S]\nk=1\nK=2\n") << "S"
                                    << "k"
                                    << "1";
    QTest::newRow("preamble never read") << QByteArray("k=v\n[S]\n") << ""
                                         << "k" << def;
    QTest::newRow("line without equals is no key") << QByteArray("[S]\nk\n") << "S"
                                                   << "k" << def;
    QTest::newRow("header trimmed") << QByteArray("  [  S 1 ]  junk\nk=v\n") << "S 1"
                                    << "k"
                                    << "v";
    QTest::newRow("header without bracket") << QByteArray("[S\nk=v\n") << "S"
                                            << "k"
                                            << "v";
    QTest::newRow("indented header") << QByteArray("\t[S]\nk=v\n") << "S"
                                     << "k"
                                     << "v";
    QTest::newRow("CR line ends") << QByteArray("[S]\rk=v\r[T]\rk=w\r") << "T"
                                  << "k"
                                  << "w";
    QTest::newRow("LF line ends") << QByteArray("[S]\nk=v\n") << "S"
                                  << "k"
                                  << "v";
    QTest::newRow("no final line end") << QByteArray("[S]\r\nk=v") << "S"
                                       << "k"
                                       << "v";
    QTest::newRow("CR CR LF is two ends") << QByteArray("[S]\r\r\nk=v\r\n") << "S"
                                          << "k"
                                          << "v";
    QTest::newRow("Windows-1252 value") << QByteArray("[S]\nk=\x80\xe9\x81\n") << "S"
                                        << "k" << QString::fromUtf16(u"\u20ac\u00e9\u0081");
    QTest::newRow("cut at 2047") << QByteArray("[S]\nk=" + QByteArray(3000, 'x') + "\n") << "S"
                                 << "k" << QString(2047, QLatin1Char('x'));
    QTest::newRow("cut after quotes")
        << QByteArray("[S]\nk=\"" + QByteArray(2050, 'y') + "\"\n") << "S"
        << "k" << QString(2047, QLatin1Char('y'));
}

void tst_IniFile::readString()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const TIniFile ini = TIniFile::FromBytes(file);
    QCOMPARE(ini.ReadString(section, key, QStringLiteral("<default>")), expected);
}

void tst_IniFile::readInteger_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected"); // default is -999

    QTest::newRow("decimal") << "12" << 12;
    QTest::newRow("negative") << "-12" << -12;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("leading zeros") << "000000000000000012" << 12;
    QTest::newRow("blanks around") << "  42\t" << 42;
    QTest::newRow("quoted") << "\"42\"" << 42;
    QTest::newRow("dollar hex") << "$FF" << 255;
    QTest::newRow("0x lower") << "0x1f" << 31;
    QTest::newRow("0X upper") << "0X1F" << 31;
    QTest::newRow("negative hex") << "-$10" << -16;
    QTest::newRow("hex all ones") << "$FFFFFFFF" << -1;
    QTest::newRow("hex minimum") << "0x80000000" << int(0x80000000u);
    QTest::newRow("negated hex all ones") << "-$FFFFFFFF" << 1;
    QTest::newRow("eight hex digits") << "$7FFFFFFF" << 2147483647;
    QTest::newRow("nine hex digits") << "$123456789" << -999;
    QTest::newRow("hex without digits") << "0x" << -999;
    QTest::newRow("dollar alone") << "$" << -999;
    QTest::newRow("hex with junk") << "$1G" << -999;
    QTest::newRow("int max") << "2147483647" << 2147483647;
    QTest::newRow("int max + 1") << "2147483648" << -999;
    QTest::newRow("int min") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("int min - 1") << "-2147483649" << -999;
    QTest::newRow("huge") << "99999999999999999999999" << -999;
    QTest::newRow("empty") << "" << -999;
    QTest::newRow("sign alone") << "-" << -999;
    QTest::newRow("two signs") << "--1" << -999;
    QTest::newRow("inner blank") << "1 2" << -999;
    QTest::newRow("trailing junk") << "12a" << -999;
    QTest::newRow("decimal point") << "1.5" << -999;
    QTest::newRow("sign after 0x") << "0x-1" << -999;
    QTest::newRow("blank after sign") << "- 1" << -999;
    QTest::newRow("full-width digit") << QString::fromUtf16(u"\uff11") << -999;
}

void tst_IniFile::readInteger()
{
    QFETCH(QString, value);
    QFETCH(int, expected);
    // The value as it stands in a file (the writer would protect its blanks).
    const TIniFile ini =
        TIniFile::FromBytes("[S]\r\nk=" + TIniFile::EncodeWindows1252(value) + "\r\n");
    QCOMPARE(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("k"), -999), expected);
    QCOMPARE(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("missing"), -999), -999);
}

void tst_IniFile::readBool_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");

    QTest::newRow("0") << QByteArray("[S]\nb=0\n") << true << false;
    QTest::newRow("1") << QByteArray("[S]\nb=1\n") << false << true;
    QTest::newRow("any non-zero") << QByteArray("[S]\nb=-5\n") << false << true;
    QTest::newRow("hex zero") << QByteArray("[S]\nb=$0\n") << true << false;
    QTest::newRow("not a number, default true") << QByteArray("[S]\nb=yes\n") << true << true;
    QTest::newRow("not a number, default false") << QByteArray("[S]\nb=true\n") << false << false;
    QTest::newRow("missing") << QByteArray("[S]\n") << true << true;
}

void tst_IniFile::readBool()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, def);
    QFETCH(bool, expected);
    QCOMPARE(TIniFile::FromBytes(file).ReadBool(QStringLiteral("S"), QStringLiteral("b"), def),
             expected);
}

void tst_IniFile::sectionNames_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("order and duplicates")
        << QByteArray("x=1\n[KEY3]\n[GLOBAL_PARAMETERS]\n[key3]\n[ Notes ]\n[]\n")
        << QStringList{"KEY3", "GLOBAL_PARAMETERS", "key3", "Notes", ""};
    QTest::newRow("brackets inside keys are not headers")
        << QByteArray("[A]\nk=[B]\n [C\n") << QStringList{"A", "C"};
}

void tst_IniFile::sectionNames()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    QCOMPARE(TIniFile::FromBytes(file).SectionNames(), expected);
}

void tst_IniFile::windows1252()
{
    // Every byte survives a read and a write.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(TIniFile::EncodeWindows1252(TIniFile::DecodeWindows1252(all)), all);

    const QString decoded =
        TIniFile::DecodeWindows1252(QByteArray("\x80\x81\x8d\x8f\x90\x9d\x9f\xa0\xff"));
    QCOMPARE(decoded,
             QString::fromUtf16(u"\u20ac\u0081\u008d\u008f\u0090\u009d\u0178\u00a0\u00ff"));

    // Characters the code page cannot hold become one '?' each.
    QCOMPARE(TIniFile::EncodeWindows1252(QString::fromUtf16(u"a\u0101\u0080\u2122\U0001F600z")),
             QByteArray("a??\x99?z"));
}

void tst_IniFile::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<IniEdit>("edit");
    QTest::addColumn<QByteArray>("after");

    const QString s = QStringLiteral("CONFIGURATION");
    QTest::newRow("new file in writing order") << QByteArray() << IniEdit([](TIniFile& ini) {
        ini.WriteString(QStringLiteral("A"), QStringLiteral("Name"), QStringLiteral("x y"));
        ini.WriteInteger(QStringLiteral("A"), QStringLiteral("Neg"), -40);
        ini.WriteBool(QStringLiteral("B"), QStringLiteral("On"), true);
        ini.WriteBool(QStringLiteral("A"), QStringLiteral("Off"), false);
    }) << QByteArray("[A]\r\nName=x y\r\nNeg=-40\r\nOff=0\r\n[B]\r\nOn=1\r\n");
    QTest::newRow("update keeps spelling, drops blanks")
        << QByteArray("[configuration]\r\n  key_click = 99 \r\nOther=1\r\n")
        << IniEdit([s](TIniFile& ini) { ini.WriteInteger(s, QStringLiteral("Key_Click"), 40); })
        << QByteArray("[configuration]\r\nkey_click=40\r\nOther=1\r\n");
    QTest::newRow("insert after last key, before blank and comment lines")
        << QByteArray("[A]\na=1\n; note\nb=2\n\n; trailing\n[B]\nc=3\n")
        << IniEdit([](TIniFile& ini) {
               ini.WriteString(QStringLiteral("a"), QStringLiteral("New"), QStringLiteral("v"));
           })
        << QByteArray("[A]\r\na=1\r\n; note\r\nb=2\r\nNew=v\r\n\r\n; trailing\r\n[B]\r\nc=3\r\n");
    QTest::newRow("insert after header when no key line")
        << QByteArray("[A]\n; only a comment\n\n[B]\n") << IniEdit([](TIniFile& ini) {
               ini.WriteString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v"));
           })
        << QByteArray("[A]\r\nk=v\r\n; only a comment\r\n\r\n[B]\r\n");
    QTest::newRow("append section without blank line")
        << QByteArray("top line\n[A]\nk=v\n\n") << IniEdit([](TIniFile& ini) {
               ini.WriteInteger(QStringLiteral("Z"), QStringLiteral("n"), 5);
           })
        << QByteArray("top line\r\n[A]\r\nk=v\r\n\r\n[Z]\r\nn=5\r\n");
    QTest::newRow("first of duplicate sections, first of duplicate keys")
        << QByteArray("[A]\nk=1\nk=2\n[a]\nk=3\n") << IniEdit([](TIniFile& ini) {
               ini.WriteInteger(QStringLiteral("A"), QStringLiteral("K"), 9);
           })
        << QByteArray("[A]\r\nk=9\r\nk=2\r\n[a]\r\nk=3\r\n");
    QTest::newRow("kept lines byte for byte, line ends become CR LF")
        << QByteArray("\xff junk \x81\r[A]\n  odd = line  \rk=1") << IniEdit([](TIniFile& ini) {
               ini.WriteInteger(QStringLiteral("A"), QStringLiteral("k"), 2);
           })
        << QByteArray("\xff junk \x81\r\n[A]\r\n  odd = line  \r\nk=2\r\n");
    QTest::newRow("line breaks in a value become blanks")
        << QByteArray("[A]\n") << IniEdit([](TIniFile& ini) {
               ini.WriteString(QStringLiteral("A"), QStringLiteral("Name"),
                               QStringLiteral("a\r\n[B]\nb\rc"));
           })
        << QByteArray("[A]\r\nName=a  [B] b c\r\n");
    QTest::newRow("unencodable characters") << QByteArray() << IniEdit([](TIniFile& ini) {
        ini.WriteString(QStringLiteral("A"), QStringLiteral("Name"),
                        QString::fromUtf16(u"\u20ac\u0394"));
    }) << QByteArray("[A]\r\nName=\x80?\r\n");
}

void tst_IniFile::write()
{
    QFETCH(QByteArray, before);
    QFETCH(IniEdit, edit);
    QFETCH(QByteArray, after);
    TIniFile ini = TIniFile::FromBytes(before);
    edit(ini);
    QCOMPARE(ini.ToBytes(), after);
    // What was written reads back the same way.
    QCOMPARE(TIniFile::FromBytes(ini.ToBytes()).ToBytes(), after);
}

void tst_IniFile::stringsReadBackAsWritten_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("plain") << "Log in" << QByteArray("k=Log in");
    QTest::newRow("quotes inside") << "say \"hi\" now" << QByteArray("k=say \"hi\" now");
    QTest::newRow("one quote") << "\"" << QByteArray("k=\"");
    QTest::newRow("unpaired quotes") << "\"a'" << QByteArray("k=\"a'");
    // What the reader would strip is protected by a pair of double quotes.
    QTest::newRow("in double quotes") << "\"c{.\"" << QByteArray("k=\"\"c{.\"\"");
    QTest::newRow("in single quotes") << "'x'" << QByteArray("k=\"'x'\"");
    QTest::newRow("empty quotes") << "''" << QByteArray("k=\"''\"");
    QTest::newRow("leading blank") << " a" << QByteArray("k=\" a\"");
    QTest::newRow("trailing tab") << "a\t" << QByteArray("k=\"a\t\"");
    QTest::newRow("only blanks") << "  " << QByteArray("k=\"  \"");
    QTest::newRow("line break at the end") << "a\n" << QByteArray("k=\"a \"");
}

void tst_IniFile::stringsReadBackAsWritten()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, line);
    TIniFile ini;
    ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), value);
    QCOMPARE(ini.ToBytes(), QByteArray("[S]\r\n") + line + "\r\n");
    QString expected = value;
    expected.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QCOMPARE(TIniFile::FromBytes(ini.ToBytes()).ReadString(QStringLiteral("S"), QStringLiteral("k"), {}),
             expected);
}

void tst_IniFile::saveIsAtomic()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    QVERIFY(WriteAll(path, "[A]\nold=1\n"));
    TIniFile ini;
    QVERIFY(ini.Load(path));
    ini.WriteInteger(QStringLiteral("A"), QStringLiteral("new"), 2);
    QVERIFY(ini.Save(path));
    QCOMPARE(ReadAll(path), QByteArray("[A]\r\nold=1\r\nnew=2\r\n"));
    // No temporary files left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.ini"});

    QVERIFY(!ini.Load(dir.filePath(QStringLiteral("missing.ini"))));
    QVERIFY(ini.SectionNames().isEmpty());
}

void tst_IniFile::refusedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("path is a directory") << "directory";
    QTest::newRow("folder missing") << "missing";
    QTest::newRow("read-only folder") << "readonly";
}

void tst_IniFile::refusedSaveKeepsOldFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TIniFile ini;
    ini.WriteInteger(QStringLiteral("A"), QStringLiteral("k"), 1);

    if (kind == QLatin1String("directory")) {
        const QString path = dir.filePath(QStringLiteral("sub.ini"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub.ini")));
        QVERIFY(!ini.Save(path));
        QVERIFY(QFileInfo(path).isDir());
    } else if (kind == QLatin1String("missing")) {
        QVERIFY(!ini.Save(dir.filePath(QStringLiteral("no/such/a.ini"))));
    } else {
        const QString path = dir.filePath(QStringLiteral("a.ini"));
        QVERIFY(WriteAll(path, "[A]\r\nk=0\r\n"));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile probe(dir.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
            QSKIP("the file system does not refuse writes to this user (running as root)");
        }
        const bool saved = ini.Save(path);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(ReadAll(path), QByteArray("[A]\r\nk=0\r\n"));
    }
}

void tst_IniFile::hostileInput_data()
{
    QTest::addColumn<QByteArray>("file");
    QByteArray many;
    for (int i = 0; i < 5000; ++i)
        many += "[KEY" + QByteArray::number(i % 7) + "]\nk=" + QByteArray::number(i) + "\n";
    QTest::newRow("thousands of sections") << many;
    QTest::newRow("one huge line") << QByteArray(1 << 20, '[');
    QTest::newRow("only line ends") << QByteArray(10000, '\r');
    QTest::newRow("NUL bytes") << QByteArray("[A\0]\nk\0=\0v\n", 11);
}

void tst_IniFile::hostileInput()
{
    QFETCH(QByteArray, file);
    TIniFile ini = TIniFile::FromBytes(file);
    const QStringList names = ini.SectionNames();
    for (const QString& name : names.mid(0, 50))
        ini.ReadInteger(name, QStringLiteral("k"), 0);
    ini.WriteInteger(QStringLiteral("KEY3"), QStringLiteral("k"), 1);
    // Rewriting keeps every line: parsing the output gives the same sections.
    QCOMPARE(TIniFile::FromBytes(ini.ToBytes()).SectionNames(), ini.SectionNames());
}

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_inifile.moc"
