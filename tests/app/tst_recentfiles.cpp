// The recent-files lists in the settings file.

#include "app/AppSettings.h"
#include "app/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using TKind = TRecentFiles::TKind;

class TestRecentFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void orderCapAndRemoval();
    void pathsReadBackExactly_data();
    void pathsReadBackExactly();
    void otherSettingsStayByteForByte();

private:
    QString touch(const QString& name);
    QTemporaryDir fDir;
    QString fIni;
};

void TestRecentFiles::init()
{
    fIni = fDir.filePath("PadwrightRx.ini");
    QFile::remove(fIni);
}

QString TestRecentFiles::touch(const QString& name)
{
    QFile file(fDir.filePath(name));
    file.open(QIODevice::WriteOnly);
    return file.fileName();
}

void TestRecentFiles::orderCapAndRemoval()
{
    const TRecentFiles recent(fIni);
    QStringList files;
    for (int i = 1; i <= 12; ++i)
        files << touch(QString("f%1.ckd").arg(i));
    for (const QString& file : files)
        QVERIFY(recent.Add(TKind::User, file));

    // Newest first, capped at ten: the two oldest fell off.
    QStringList expected;
    for (int i = 12; i >= 3; --i)
        expected << files.at(i - 1);
    QCOMPARE(recent.Read(TKind::User), expected);
    QVERIFY(recent.Read(TKind::Rom).isEmpty()); // the other mode's list is apart

    // Added again (by another spelling of the same path): moved to the top.
    QVERIFY(recent.Add(TKind::User, fDir.path() + "/./f5.ckd"));
    expected.removeAll(files.at(4));
    expected.prepend(files.at(4));
    QCOMPARE(recent.Read(TKind::User), expected);

    // A file that is gone is dropped and named; the order of the rest stays.
    QFile::remove(files.at(9));
    QFile::remove(files.at(4));
    QCOMPARE(recent.RemoveMissing(TKind::User), (QStringList{files.at(4), files.at(9)}));
    expected.removeAll(files.at(4));
    expected.removeAll(files.at(9));
    QCOMPARE(recent.Read(TKind::User), expected);
    QVERIFY(recent.RemoveMissing(TKind::User).isEmpty());

    QVERIFY(recent.Add(TKind::Rom, touch("a.rom")));
    QVERIFY(recent.Clear(TKind::User));
    QVERIFY(recent.Read(TKind::User).isEmpty());
    QCOMPARE(recent.Read(TKind::Rom).size(), 1);

    // A settings file that cannot be replaced is reported, not lost.
    const TRecentFiles blocked(fDir.path());
    QVERIFY(!blocked.Add(TKind::User, files.first()));
}

void TestRecentFiles::pathsReadBackExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "keys.ckd";
    QTest::newRow("blanks and quotes") << " 'my keys'.ckd ";
    QTest::newRow("Windows-1252") << "Kaffee-Größe €.ckd";
    QTest::newRow("beyond Windows-1252") << "Касса 100% #1.ckd";
}

void TestRecentFiles::pathsReadBackExactly()
{
    QFETCH(QString, name);
    const TRecentFiles recent(fIni);
    const QString path = QDir::cleanPath(fDir.filePath(name));
    QVERIFY(recent.Add(TKind::Rom, path));
    QCOMPARE(recent.Read(TKind::Rom), QStringList{path});
}

// Every line outside RECENT_FILES keeps its bytes; the section itself holds
// the ten keys of each list written.
void TestRecentFiles::otherSettingsStayByteForByte()
{
    const QByteArray before = "; my settings\r\n"
                              "[CONFIGURATION]\r\n"
                              "Keypad_Layout=1\r\n"
                              "advanced_enable = 1\r\n"
                              "MIDI_Channel=7\r\n"
                              "\r\n"
                              "[Other]\r\n"
                              "x=\"  y  \"\r\n";
    QFile file(fIni);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(before);
    file.close();

    const TRecentFiles recent(fIni);
    QVERIFY(recent.Add(TKind::User, "/data/a.ckd"));
    QVERIFY(recent.Add(TKind::Rom, "/data/b.rom"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    file.close();

    QVERIFY(after.startsWith(before));
    QByteArray section = "[RECENT_FILES]\r\nUser1=/data/a.ckd\r\n";
    for (int i = 2; i <= 10; ++i)
        section += "User" + QByteArray::number(i) + "=\r\n";
    section += "Rom1=/data/b.rom\r\n";
    for (int i = 2; i <= 10; ++i)
        section += "Rom" + QByteArray::number(i) + "=\r\n";
    QCOMPARE(after.mid(before.size()), section);

    const TAppSettingsValues values = TAppSettings(fIni).Read();
    QCOMPARE(values.KeypadLayout, 1);
    QVERIFY(values.AdvancedEnable);
    QCOMPARE(values.MidiChannel, uint8_t(7));
}

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
