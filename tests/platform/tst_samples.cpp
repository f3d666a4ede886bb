// The sample definitions beside the program.

#include "platform/Samples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSamples : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsTheSamplesFolder();
};

void TestSamples::listsTheSamplesFolder()
{
    QTemporaryDir program;
    qputenv("PADWRIGHT_PROGRAM_DIR", program.path().toLocal8Bit());
    QVERIFY(Samples::List().isEmpty()); // no folder: no samples, no failure

    QVERIFY(QDir(program.path()).mkdir("samples"));
    for (const char* name : {"b.ckd", "A.rom", "notes.txt", "c.CKD"}) {
        QFile file(program.filePath(QString("samples/") + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(program.path()).mkpath("samples/d.ckd")); // a folder, not a sample
    const QStringList samples = Samples::List();
    QCOMPARE(samples,
             (QStringList{program.filePath("samples/A.rom"), program.filePath("samples/b.ckd"),
                          program.filePath("samples/c.CKD")}));
    QCOMPARE(Samples::DisplayName(samples.at(1)), "b.ckd");
    qunsetenv("PADWRIGHT_PROGRAM_DIR");
}

QTEST_GUILESS_MAIN(TestSamples)
#include "tst_samples.moc"
