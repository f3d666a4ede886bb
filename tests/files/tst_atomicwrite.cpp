// Every write goes through one commit: whole files, never onto something that
// is not a regular file, and pairs written both or neither.

#include "app/AppSettings.h"
#include "files/AtomicWrite.h"
#include "files/FileTestHelpers.h"
#include "files/LoaderSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace filetest;

namespace {

// The temporary file of the target the hook is called for disappears, so
// that putting it in place fails.
QString gSabotaged;
void RemoveTemporary(const QString& target)
{
    if (!target.endsWith(gSabotaged))
        return;
    const QFileInfo info(target);
    for (const QString& name : QDir(info.path()).entryList({info.fileName() + ".*"}, QDir::Files))
        QFile::remove(info.path() + QLatin1Char('/') + name);
}

QStringList Listing(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                                  QDir::Name);
}

} // namespace

class tst_AtomicWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusesWhatIsNoRegularFile_data();
    void refusesWhatIsNoRegularFile();
    void writesThroughLinkToFile();
    void pairIsBothOrNeither_data();
    void pairIsBothOrNeither();
};

void tst_AtomicWrite::refusesWhatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("target"); // made in the folder; an absolute path is used as it is
    QTest::addColumn<QString>("writer");

    for (const char* writer : {"commit", "pair", "settings", "loader settings"}) {
        QTest::addRow("folder, %s", writer) << "folder" << writer;
        QTest::addRow("link to a folder, %s", writer) << "link" << writer;
#ifdef Q_OS_UNIX
        QTest::addRow("FIFO, %s", writer) << "fifo" << writer;
        QTest::addRow("device, %s", writer) << "/dev/null" << writer;
#endif
    }
}

void tst_AtomicWrite::refusesWhatIsNoRegularFile()
{
    QFETCH(QString, target);
    QFETCH(QString, writer);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(QFile::link(dir.filePath("folder"), dir.filePath("link")));
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
#endif
    const QString path = target.startsWith('/') ? target : dir.filePath(target);
    const QStringList before = Listing(dir.path());

    QString message;
    if (writer == "commit") {
        message = CommitFile(path, "new").Message;
    } else if (writer == "pair") {
        // The pair's second file: the first stays as it was (here: missing).
        message = CommitFiles({{dir.filePath("a.ckd"), "a"}, {path, "b"}}).Message;
    } else if (writer == "settings") {
        // Reading it first must not wait on a FIFO either.
        QCOMPARE(TAppSettings(path).Read().MidiChannel, uint8_t(1));
        QVERIFY(!TAppSettings(path).WriteMidiChannel(3));
    } else {
        message = TLoaderSettings(path).WritePortChoice(TLoaderPortChoice()).Message;
    }
    if (writer != "settings")
        QCOMPARE(message, "Unable to write to " + path + ": not a regular file.");
    QCOMPARE(Listing(dir.path()), before);
    QVERIFY(!QFileInfo(path).isFile());
}

void tst_AtomicWrite::writesThroughLinkToFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("real.ckd");
    const QString link = dir.filePath("link.ckd");
    QVERIFY(WriteAll(file, "old"));
    QVERIFY(QFile::link(file, link));
    QVERIFY(CommitFile(link, "new").Ok);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(ReadAll(file), QByteArray("new"));
    QCOMPARE(Listing(dir.path()), QStringList({"link.ckd", "real.ckd"}));
}

void tst_AtomicWrite::pairIsBothOrNeither_data()
{
    QTest::addColumn<bool>("oldFiles"); // a.ckd and a.hex exist before
    QTest::addColumn<QString>(
        "sabotage"); // "" none; "a.hex folder"; or the target whose rename fails
    QTest::addColumn<QString>("failing"); // the file the message names; empty: success

    for (const bool old : {true, false}) {
        const char* o = old ? "over old files" : "new files";
        QTest::addRow("written, %s", o) << old << ""
                                        << "";
        QTest::addRow("second is a folder, %s", o) << old << "a.hex folder"
                                                   << "a.hex";
        QTest::addRow("first cannot be put in place, %s", o) << old << "a.ckd"
                                                             << "a.ckd";
        // The first is in place already: its old bytes come back from aside.
        QTest::addRow("second cannot be put in place, %s", o) << old << "a.hex"
                                                              << "a.hex";
    }
}

void tst_AtomicWrite::pairIsBothOrNeither()
{
    QFETCH(bool, oldFiles);
    QFETCH(QString, sabotage);
    QFETCH(QString, failing);
    QTemporaryDir dir;
    const QString first = dir.filePath("a.ckd");
    const QString second = dir.filePath("a.hex");
    if (oldFiles) {
        QVERIFY(WriteAll(first, "old definition"));
        QVERIFY(WriteAll(second, "old image"));
    }
    if (sabotage == "a.hex folder") {
        QFile::remove(second);
        QVERIFY(QDir(dir.path()).mkdir("a.hex"));
    } else if (!sabotage.isEmpty()) {
        gSabotaged = sabotage;
        SetBeforeReplaceHook(&RemoveTemporary);
    }
    const QStringList before = Listing(dir.path());

    const TSaveResult r = CommitFiles({{first, "new definition"}, {second, "new image"}});
    SetBeforeReplaceHook(nullptr);

    if (failing.isEmpty()) {
        QVERIFY2(r.Ok, qPrintable(r.Message));
        QCOMPARE(ReadAll(first), QByteArray("new definition"));
        QCOMPARE(ReadAll(second), QByteArray("new image"));
        QCOMPARE(Listing(dir.path()), QStringList({"a.ckd", "a.hex"}));
        return;
    }
    QVERIFY(!r.Ok);
    QVERIFY2(r.Message.startsWith("Unable to write to " + dir.filePath(failing) + ": "),
             qPrintable(r.Message));
    // Both as they were, and nothing left behind.
    QCOMPARE(Listing(dir.path()), before);
    if (oldFiles) {
        QCOMPARE(ReadAll(first), QByteArray("old definition"));
        if (sabotage != "a.hex folder")
            QCOMPARE(ReadAll(second), QByteArray("old image"));
    }
}

QTEST_GUILESS_MAIN(tst_AtomicWrite)
#include "tst_atomicwrite.moc"
