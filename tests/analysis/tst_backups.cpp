#include "analysis/Backups.h"

#include "app/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList Names(const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace

class tst_Backups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namingAndPruning();
    void failureLeavesNothing();
    void limitFromSettings_data();
    void limitFromSettings();
};

void tst_Backups::namingAndPruning()
{
    QTemporaryDir data;
    QVERIFY(data.isValid());
    const QString ckd = data.filePath(QStringLiteral("till.ckd"));
    const QString hex = data.filePath(QStringLiteral("till.hex"));
    const QString rom = data.filePath(QStringLiteral("desk.rom"));
    QVERIFY(Write(ckd, "[KEY0]\r\n") && Write(hex, "\"40\"\r\n") && Write(rom, "[KEY1]\r\n"));
    // A file of the user's own in the folder is never touched.
    QVERIFY(QDir(data.path()).mkpath(QStringLiteral("Backups")));
    QVERIFY(Write(data.filePath(QStringLiteral("Backups/notes.txt")), "mine"));

    QDateTime now(QDate(2024, 5, 3), QTime(14, 25, 1));
    const TBackups backups(data.path(), 3, [&now] { return now; });
    QCOMPARE(backups.Folder(), data.filePath(QStringLiteral("Backups")));

    TBackupResult r = backups.Backup(hex, ckd);
    QVERIFY(r.Ok);
    QCOMPARE(Names(r.Written),
             (QStringList{"till 2024-05-03 14-25-01.hex", "till 2024-05-03 14-25-01.ckd"}));
    QFile copy(r.Written.first());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("\"40\"\r\n"));
    // A ROM file is sent and is its definition; the same name in the same second
    // gets a name of its own.
    QCOMPARE(Names(backups.Backup(rom, rom).Written), QStringList{"desk 2024-05-03 14-25-01.rom"});
    QCOMPARE(Names(backups.Backup(hex, ckd).Written),
             (QStringList{"till 2024-05-03 14-25-01 (2).hex", "till 2024-05-03 14-25-01 (2).ckd"}));

    for (int minute = 26; minute <= 28; ++minute) {
        now = now.addSecs(60);
        QVERIFY(backups.Backup(hex, ckd).Ok);
    }
    // Three kept, newest first; the oldest went first, both files of a backup together.
    const QList<QStringList> kept = backups.List();
    QCOMPARE(kept.size(), 3);
    QCOMPARE(Names(kept.first()),
             (QStringList{"till 2024-05-03 14-28-01.ckd", "till 2024-05-03 14-28-01.hex"}));
    QCOMPARE(Names(kept.last()),
             (QStringList{"till 2024-05-03 14-26-01.ckd", "till 2024-05-03 14-26-01.hex"}));
    QVERIFY(QFileInfo::exists(data.filePath(QStringLiteral("Backups/notes.txt"))));
}

void tst_Backups::failureLeavesNothing()
{
    QTemporaryDir data;
    const QString ckd = data.filePath(QStringLiteral("till.ckd"));
    QVERIFY(Write(ckd, "[KEY0]\r\n"));
    const TBackups backups(data.path());
    // The image was never written: no half backup stays.
    const TBackupResult r = backups.Backup(data.filePath(QStringLiteral("till.hex")), ckd);
    QVERIFY(!r.Ok);
    QVERIFY(r.Message.startsWith(QLatin1String("Unable to read ")));
    QVERIFY(backups.List().isEmpty());
    // A limit of 0 keeps no backups at all.
    QVERIFY(TBackups(data.path(), 0).Backup(ckd).Written.isEmpty());
}

void tst_Backups::limitFromSettings_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("kept");
    QTest::newRow("missing") << QByteArray("[CONFIGURATION]\r\nKeypad_Layout=1\r\n") << 50;
    QTest::newRow("set") << QByteArray("[backups]\r\nkeep=7\r\n") << 7;
    QTest::newRow("off") << QByteArray("[BACKUPS]\r\nKeep=0\r\n") << 0;
    QTest::newRow("negative") << QByteArray("[BACKUPS]\r\nKeep=-3\r\n") << 50;
}

void tst_Backups::limitFromSettings()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, kept);
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("PadwrightRx.ini"));
    QVERIFY(Write(path, ini));
    QCOMPARE(TAppSettings(path).Read().BackupsKept, kept);
}

QTEST_GUILESS_MAIN(tst_Backups)
#include "tst_backups.moc"
