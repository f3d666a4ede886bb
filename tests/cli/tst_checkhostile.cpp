// padwright-cli check on 2,000 generated hostile definitions: it ends
// normally with one of its statuses for every batch, reports every file, and
// every warning of the reader is one of the findings of its file.

#include "analysis/DefinitionCheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int FileCount = 2000;
constexpr int Batch = 250;

// Definitions with edge and random values in every kind of section; one in
// three is random bytes.
class THostileWriter
{
public:
    explicit THostileWriter(quint32 start) : fRandom(start) {}

    QByteArray Definition(bool rom)
    {
        if (Chance(3))
            return Bytes(Int(0, 2000), 0, 255);
        QByteArray text =
            Section("[GLOBAL_PARAMETERS]",
                    {"Number_Of_Keys", "Key_Roll_Over", "LED_Function", "Baud_Rate",
                     "Command_Prefix", "Operating_Mode", "CDC_Serial_No", "Key_Click"});
        for (int screen = rom ? 0 : 9; screen <= 8; ++screen)
            text +=
                screen == 0
                    ? Section("[ADVANCED_PARAMETERS]",
                              {"ScreenEnable", "StartScreen", "LcdSize", "LcdXlate", "HostType",
                               "ECR_Mode", "SignOnMsgLine1", "ECR_String"})
                    : Section("[SCREEN" + QByteArray::number(screen) + ']',
                              {"bTimeoutEnable", "TimeoutAction", "TimeoutPeriod", "EnterAction",
                               "UserDataAction", "LedModes", "bCardSwipeEnable", "TextLine1"});
        for (int i = Int(0, 24); i > 0; --i)
            text += Section((Chance(5) ? "[key" : "[KEY") +
                                QByteArray::number(Chance(8) ? Int(-3, 40) : Int(0, 19)) + ']',
                            {"KeyType", "Level_1_Codes", "Level_1_Name", "L1_SendLineEditKeyASAP",
                             "Level_2_Codes", "Level_2_Name", "L2_AutoRepeat"});
        return text;
    }

private:
    bool Chance(int oneIn) { return fRandom.bounded(oneIn) == 0; }
    int Int(int low, int high) { return int(fRandom.bounded(low, high + 1)); }

    QByteArray Bytes(int count, int low, int high)
    {
        QByteArray bytes(count, '\0');
        for (char& b : bytes)
            b = char(Int(low, high));
        return bytes;
    }

    // Code strings of commands, MIDI, the prefix and junk; names and texts
    // long and short; numbers at the edges.
    QByteArray Value(const QByteArray& key)
    {
        static const char* const pieces[] = {"40",   "4001", "400132", "4002", "4040",
                                             "4009", "4018", "903c",   "7f",   "fc",
                                             "0D",   "z",    " ",      "4"};
        static const char* const edges[] = {"0",   "-1",   "255",        "256",
                                            "$FF", "0x30", "2147483647", "junk"};
        if (key.endsWith("Codes")) {
            QByteArray codes;
            for (int i = Chance(10) ? Int(100, 400) : Int(0, 40); i > 0; --i)
                codes += Chance(3) ? QByteArray::number(Int(0, 255), 16).rightJustified(2, '0')
                                   : QByteArray(pieces[Int(0, 13)]);
            return codes;
        }
        if (key.contains("Name") || key.contains("Line") || key.contains("String"))
            return (Chance(2) ? "%" : "") + Bytes(Chance(4) ? Int(17, 3000) : Int(0, 12), 32, 126);
        return Chance(2) ? QByteArray(edges[Int(0, 7)]) : QByteArray::number(Int(-300, 70000));
    }

    QByteArray Section(const QByteArray& header, std::initializer_list<const char*> keys)
    {
        QByteArray text = header + '\n';
        for (const char* key : keys)
            if (!Chance(3))
                text += QByteArray(key) + '=' + Value(key) + '\n';
        return text;
    }

    QRandomGenerator fRandom;
};

} // namespace

class tst_CheckHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hostileDefinitions();
};

void tst_CheckHostile::hostileDefinitions()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    THostileWriter writer(19);
    QStringList paths;
    for (int i = 0; i < FileCount; ++i) {
        const bool rom = i % 2 == 1;
        paths << dir.filePath(QStringLiteral("%1.%2").arg(i).arg(rom ? "rom" : "ckd"));
        QFile f(paths.last());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(writer.Definition(rom));
    }

    int reported = 0;
    int readable = 0;
    int readerWarnings = 0;
    for (int first = 0; first < FileCount; first += Batch) {
        QProcess p;
        p.start(QStringLiteral(PADWRIGHT_CLI),
                QStringList{QStringLiteral("check"), QStringLiteral("--json")} +
                    paths.mid(first, Batch));
        QVERIFY(p.waitForFinished(-1));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY(QList<int>({0, 1, 2, 4}).contains(p.exitCode()));
        const QJsonArray files =
            QJsonDocument::fromJson(p.readAllStandardOutput()).object().value("files").toArray();
        QCOMPARE(files.size(), qMin(Batch, FileCount - first));
        for (const QJsonValue& value : files) {
            const QJsonObject file = value.toObject();
            const QString path = file.value(QStringLiteral("file")).toString();
            QCOMPARE(path, paths.at(reported));
            ++reported;
            if (!file.value(QStringLiteral("readable")).toBool())
                continue;
            ++readable;
            // Whatever the loader reports as skipped, cut or ignored is a finding.
            TAppState state;
            const TLoadResult loaded = path.endsWith(QLatin1String(".rom"))
                                           ? LoadRomFile(state, path)
                                           : LoadUserFile(state, path);
            QStringList findings;
            for (const QJsonValue& f : file.value(QStringLiteral("findings")).toArray())
                findings << QJsonDocument(f.toObject()).toJson(QJsonDocument::Compact);
            for (const TReadWarning& w : ReadWarningsOf(loaded)) {
                ++readerWarnings;
                const TFinding expected{TSeverity::Warning,
                                        QStringLiteral("reader"),
                                        w.Key,
                                        w.Level,
                                        -1,
                                        -1,
                                        w.Section,
                                        w.Text};
                QVERIFY2(findings.contains(
                             QJsonDocument(FindingToJson(expected)).toJson(QJsonDocument::Compact)),
                         qPrintable(path + QStringLiteral(": ") + w.Text));
            }
        }
    }
    QCOMPARE(reported, FileCount);
    QVERIFY(readable > FileCount / 2);
    qInfo("%d files read, %d reader warnings, each a finding", readable, readerWarnings);
}

QTEST_GUILESS_MAIN(tst_CheckHostile)
#include "tst_checkhostile.moc"
