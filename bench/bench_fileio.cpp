// How long the definition files take: a full definition (20 keys, both
// levels at 100 bytes, long names) saved, imaged and loaded in a temp folder.
//   build/release/bench/bench_fileio            (add -iterations N for steadier figures)

#include "files/FileIO.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Version = QStringLiteral("1.0.0");

void FillFull(TKeypadClass& d)
{
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        d.SetKeytype(key == 3 ? ktToggle : ktNormal);
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            int32_t position = 0;
            // 40 plain codes and 20 delays: 100 bytes.
            for (int i = 0; i < 40; ++i)
                d.InsertByte(position, 'a' + (i + key) % 26);
            for (int i = 0; i < 20; ++i)
                d.InsertByte(position, DelayFlag + i);
            d.SetMacroName(QStringLiteral("Key %1 level %2 ").arg(key + 1).arg(level + 1) +
                           QString(180, QLatin1Char('x')));
            d.SetCanAutoRepeat(key % 2 == 0);
        }
    }
}

} // namespace

class bench_FileIO : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void userRoundTrip();
    void saveUserFile();
    void writeDownloadImage();
    void loadUserFile();
    void romRoundTrip();

private:
    QTemporaryDir fDir;
    TAppState fState;
    QString fUserPath;
    QString fRomPath;
};

void bench_FileIO::initTestCase()
{
    QVERIFY(fDir.isValid());
    FillFull(fState.KeypadDefinition);
    fState.KeypadDefinition.SetKey(0);
    fState.KeypadDefinition.SetLevel(0);
    QCOMPARE(fState.KeypadDefinition.CodeCount(), 100);
    fUserPath = fDir.filePath(QStringLiteral("full.ckd"));
    fRomPath = fDir.filePath(QStringLiteral("full.rom"));
    TLevelKeyIndices indices;
    QVERIFY(SaveUserFile(fState, fUserPath, 20, Version, indices).Ok);
    QVERIFY(SaveRomFile(fState, fRomPath, 20, Version).Ok);
}

// Save (over the existing file), image, open: what Save and Open cost together.
void bench_FileIO::userRoundTrip()
{
    TAppState loaded;
    QBENCHMARK
    {
        TLevelKeyIndices indices;
        QVERIFY(SaveUserFile(fState, fUserPath, 20, Version, indices).Ok);
        QVERIFY(WriteDownloadImage(fState.KeypadDefinition, indices, DownloadImagePath(fUserPath),
                                   QString())
                    .Ok);
        QCOMPARE(LoadUserFile(loaded, fUserPath).Status, TLoadStatus::Loaded);
    }
}

void bench_FileIO::saveUserFile()
{
    QBENCHMARK
    {
        TLevelKeyIndices indices;
        SaveUserFile(fState, fUserPath, 20, Version, indices);
    }
}

void bench_FileIO::writeDownloadImage()
{
    const QString image = DownloadImagePath(fUserPath);
    QBENCHMARK
    {
        WriteDownloadImage(fState.KeypadDefinition, TLevelKeyIndices(), image, QString());
    }
}

void bench_FileIO::loadUserFile()
{
    TAppState loaded;
    QBENCHMARK
    {
        LoadUserFile(loaded, fUserPath);
    }
}

void bench_FileIO::romRoundTrip()
{
    TAppState loaded;
    QBENCHMARK
    {
        QVERIFY(SaveRomFile(fState, fRomPath, 20, Version).Ok);
        QCOMPARE(LoadRomFile(loaded, fRomPath).Status, TLoadStatus::Loaded);
    }
}

QTEST_GUILESS_MAIN(bench_FileIO)
#include "bench_fileio.moc"
