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

class THostileWriter
{
public:
    explicit THostileWriter(quint32 start) : fRandom(start) {}

    QByteArray Definition(bool rom)
    {
        if (Chance(3))
            return Junk();
        QByteArray text = "[GLOBAL_PARAMETERS]\n";
        for (const char* key : {"Number_Of_Keys", "Key_Roll_Over", "LED_Function", "Baud_Rate",
                                "Command_Prefix", "Operating_Mode", "CDC_Serial_No", "Key_Click"})
            if (Chance(2))
                text += QByteArray(key) + '=' + Number() + '\n';
        if (rom)
            text += Advanced() + Screens();
        const int sections = Int(0, 24);
        for (int i = 0; i < sections; ++i)
            text += KeySection();
        return text;
    }

private:
    bool Chance(int oneIn) { return fRandom.bounded(oneIn) == 0; }
    int Int(int low, int high) { return int(fRandom.bounded(low, high + 1)); }

    QByteArray Number()
    {
        static const char* const edges[] = {"0",          "-1",          "255",  "256",
                                            "65535",      "$FF",         "12",   "0x30",
                                            "2147483647", "-2147483648", "junk", ""};
        return Chance(2) ? QByteArray(edges[Int(0, 11)]) : QByteArray::number(Int(-300, 70000));
    }

    QByteArray Codes()
    {
        static const char* const pieces[] = {"40",   "4001", "400132", "4002", "40", "4040",
                                             "4009", "4018", "90",     "3c",   "7f", "fc",
                                             "0d",   "FF",   "z",      " ",    "4",  "61"};
        QByteArray codes;
        const int count = Chance(10) ? Int(100, 400) : Int(0, 40);
        for (int i = 0; i < count; ++i)
            codes += Chance(3) ? QByteArray::number(Int(0, 255), 16).rightJustified(2, '0')
                               : QByteArray(pieces[Int(0, 17)]);
        return codes;
    }

    QByteArray KeySection()
    {
        const QByteArray number =
            Chance(8) ? QByteArray::number(Int(-3, 40)) : QByteArray::number(Int(0, 19));
        QByteArray s = (Chance(5) ? "[key" : "[KEY") + number + "]\n";
        s += "KeyType=" + QByteArray::number(Chance(4) ? Int(0, 300) : Int(0, 3)) + '\n';
        for (const char* level : {"1", "2"}) {
            s += QByteArray("Level_") + level + "_Codes=" + Codes() + '\n';
            s += QByteArray("Level_") + level +
                 "_Name=" + QByteArray(Chance(4) ? Int(30, 3000) : Int(0, 12), char(Int(32, 126))) +
                 '\n';
            s += QByteArray("L") + level + "_SendLineEditKeyASAP=" + Number() + '\n';
        }
        return s;
    }

    QByteArray Advanced()
    {
        QByteArray s = "[ADVANCED_PARAMETERS]\n";
        for (const char* key :
             {"ScreenEnable", "StartScreen", "LcdSize", "LcdXlate", "HostType", "ECR_Mode"})
            s += QByteArray(key) + '=' + Number() + '\n';
        s += "SignOnMsgLine1=%" + QByteArray(Int(0, 40), '%') + "x%\n";
        s += "ECR_String=" + QByteArray(Int(0, 20), 'e') + '\n';
        return s;
    }

    QByteArray Screens()
    {
        QByteArray s;
        for (int screen = 1; screen <= 8; ++screen) {
            if (Chance(2))
                continue;
            s += "[SCREEN" + QByteArray::number(screen) + "]\n";
            for (const char* key :
                 {"bTimeoutEnable", "TimeoutAction", "TimeoutPeriod", "EnterAction",
                  "UserDataAction", "LedModes", "bCardSwipeEnable", "CardSwipeAction"})
                s += QByteArray(key) + '=' + Number() + '\n';
        }
        return s;
    }

    QByteArray Junk()
    {
        QByteArray bytes(Int(0, 2000), '\0');
        for (char& b : bytes)
            b = char(Int(0, 255));
        return bytes;
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
            const QJsonArray findings = file.value(QStringLiteral("findings")).toArray();
            for (const TReadWarning& w : ReadWarningsOf(loaded)) {
                ++readerWarnings;
                const bool found =
                    std::any_of(findings.begin(), findings.end(), [&w](const QJsonValue& f) {
                        const QJsonObject o = f.toObject();
                        return o.value(QStringLiteral("rule")).toString() ==
                                   QLatin1String("reader") &&
                               o.value(QStringLiteral("text")).toString() == w.Text &&
                               o.value(QStringLiteral("key")).toInt(0) == w.Key + 1 &&
                               o.value(QStringLiteral("level")).toInt(0) == w.Level + 1;
                    });
                QVERIFY2(found, qPrintable(path + QStringLiteral(": ") + w.Text));
            }
        }
    }
    QCOMPARE(reported, FileCount);
    QVERIFY(readable > FileCount / 2);
    qInfo("%d files read, %d reader warnings, each a finding", readable, readerWarnings);
}

QTEST_GUILESS_MAIN(tst_CheckHostile)
#include "tst_checkhostile.moc"
