// The command line converter on many files: one batch process against one
// process per file, and the cost of one file in process against the floor of
// an atomic write of the same bytes with a plain QSaveFile.
//   build/dev/bench/bench_batch            (PADWRIGHT_BENCH_FILES=N for another count)
// The figures are printed; nothing here is a pass or fail limit.

#include "files/FileIO.h"
#include "platform/Version.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// 20 keys, both levels full (40 plain codes and 20 delays), long names.
void FillFull(TKeypadClass& d)
{
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        d.SetKeytype(key == 3 ? ktToggle : ktNormal);
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            int32_t position = 0;
            for (int i = 0; i < 40; ++i)
                d.InsertByte(position, 'a' + (i + key) % 26);
            for (int i = 0; i < 20; ++i)
                d.InsertByte(position, DelayFlag + i);
            d.SetMacroName(QStringLiteral("Key %1 level %2 ").arg(key + 1).arg(level + 1) +
                           QString(20, QLatin1Char('x')));
        }
    }
}

bool RunCli(const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral(PADWRIGHT_CLI), args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class bench_Batch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void batchAgainstProcesses();
    void perFileInProcess();
    void plainSaveFile();

private:
    QTemporaryDir fDir;
    QStringList fInputs;
    TAppState fState;
};

void bench_Batch::initTestCase()
{
    QVERIFY(fDir.isValid());
    FillFull(fState.KeypadDefinition);
    const int count = qEnvironmentVariableIsSet("PADWRIGHT_BENCH_FILES")
                          ? qEnvironmentVariableIntValue("PADWRIGHT_BENCH_FILES")
                          : 1000;
    QVERIFY(QDir(fDir.path()).mkpath(QStringLiteral("in")));
    TLevelKeyIndices indices;
    QByteArray bytes;
    QVERIFY(MakeUserFile(fState.KeypadDefinition, QString(), 20, GetOurVersion(), bytes, indices));
    for (int i = 0; i < count; ++i) {
        const QString path =
            fDir.filePath(QStringLiteral("in/pad%1.ckd").arg(i, 4, 10, QLatin1Char('0')));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        fInputs << path;
    }
}

void bench_Batch::batchAgainstProcesses()
{
    QVERIFY(QDir(fDir.path()).mkpath(QStringLiteral("batch")));
    QVERIFY(QDir(fDir.path()).mkpath(QStringLiteral("single")));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(RunCli(QStringList{QStringLiteral("convert"), QStringLiteral("--mode"),
                               QStringLiteral("user"), QStringLiteral("--out-dir"),
                               fDir.filePath(QStringLiteral("batch"))} +
                   fInputs));
    const qint64 batch = timer.elapsed();

    timer.restart();
    for (const QString& in : fInputs) {
        const QString out = fDir.filePath(QStringLiteral("single/") + QFileInfo(in).fileName());
        QVERIFY(RunCli({QStringLiteral("convert"), QStringLiteral("--mode"), QStringLiteral("user"),
                        in, out}));
    }
    const qint64 separate = timer.elapsed();
    qInfo("%lld files: one batch process %lld ms, one process each %lld ms; batch/separate = %.3f",
          qint64(fInputs.size()), batch, separate,
          separate ? double(batch) / double(separate) : 0.0);
}

// What the batch does for one file: read, convert, write definition and image as a pair.
void bench_Batch::perFileInProcess()
{
    const QString in = fInputs.first();
    const QString out = fDir.filePath(QStringLiteral("inproc.ckd"));
    const QString version = GetOurVersion();
    QBENCHMARK
    {
        TAppState state;
        const TLoadResult loaded = LoadUserFile(state, in);
        const TUserSaveResult saved = SaveUserDefinition(state.KeypadDefinition, out,
                                                         loaded.NumberOfKeys, version, QString());
        QVERIFY(saved.Pair.Ok);
    }
}

// The floor: the same two files' bytes written with QSaveFile, nothing read.
void bench_Batch::plainSaveFile()
{
    TLevelKeyIndices indices;
    QByteArray definition;
    QVERIFY(
        MakeUserFile(fState.KeypadDefinition, QString(), 20, GetOurVersion(), definition, indices));
    const QByteArray image = MakeDownloadImage(fState.KeypadDefinition, indices);
    const QString out = fDir.filePath(QStringLiteral("plain.ckd"));
    QBENCHMARK
    {
        for (const auto& [path, bytes] :
             {std::pair{out, definition}, std::pair{DownloadImagePath(out), image}}) {
            QSaveFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            QVERIFY(file.commit());
        }
    }
}

QTEST_GUILESS_MAIN(bench_Batch)
#include "bench_batch.moc"
