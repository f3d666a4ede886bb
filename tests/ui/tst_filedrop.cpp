// What a drop of files on the main window opens or refuses.

#include "ui/common/FileDrop.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class TestFileDrop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decide_data();
    void decide();
};

void TestFileDrop::decide_data()
{
    QTest::addColumn<QStringList>("names"); // files in a scratch folder; "web:" a web address
    QTest::addColumn<bool>("romMode");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<QString>("refusal");

    const QString ckd = "a user definition file (.ckd)";
    const QString rom = "a ROM definition file (.rom)";
    QTest::newRow("ckd in USER Mode") << QStringList{"keys.ckd"} << false << "keys.ckd" << "";
    QTest::newRow("upper case") << QStringList{"KEYS.CKD"} << false << "KEYS.CKD" << "";
    QTest::newRow("rom in ROM Edit Mode") << QStringList{"t.rom"} << true << "t.rom" << "";
    QTest::newRow("rom in USER Mode") << QStringList{"t.rom"} << false << ""
                                      << "Only " + ckd + " can be opened in this mode.";
    QTest::newRow("ckd in ROM Edit Mode") << QStringList{"keys.ckd"} << true << ""
                                          << "Only " + rom + " can be opened in this mode.";
    QTest::newRow("two files") << QStringList{"a.ckd", "b.ckd"} << false << ""
                               << "Drop one file at a time: " + ckd + ".";
    QTest::newRow("a folder") << QStringList{"dir.ckd/"} << false << ""
                              << "The file \"dir.ckd\" could not be found.";
    QTest::newRow("web address") << QStringList{"web:"} << false << ""
                                 << "Only " + ckd + " can be opened in this mode.";
    QTest::newRow("text only") << QStringList{} << false << ""
                               << "Drop one file at a time: " + ckd + ".";
}

void TestFileDrop::decide()
{
    QFETCH(QStringList, names);
    QFETCH(bool, romMode);
    QFETCH(QString, opens);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    QList<QUrl> urls;
    for (const QString& name : names) {
        if (name == "web:") {
            urls << QUrl("https://example.org/keys.ckd");
        } else if (name.endsWith('/')) {
            QDir(dir.path()).mkdir(name);
            urls << QUrl::fromLocalFile(dir.filePath(name.chopped(1)));
        } else {
            QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
            urls << QUrl::fromLocalFile(dir.filePath(name));
        }
    }
    QMimeData data;
    data.setUrls(urls);
    if (names.isEmpty())
        data.setText("keys.ckd");
    const TFileDrop drop = DroppedDefinition(data, romMode);
    QCOMPARE(drop.Path, opens.isEmpty() ? QString() : dir.filePath(opens));
    QCOMPARE(drop.Refusal, refusal);
    QCOMPARE(CarriesFiles(data), !names.isEmpty() && !names.contains("web:"));
}

QTEST_GUILESS_MAIN(TestFileDrop)
#include "tst_filedrop.moc"
