// padwright-cli labels and sheet: what they write, read back with poppler's
// pdftotext and pdfinfo and as XML, and how they refuse.

#include "files/FileTestHelpers.h"
#include "report/DefinitionReport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace filetest;

namespace {

struct TRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

TRun Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    TRun r;
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

TRun Cli(const QStringList& args)
{
    return Run(QStringLiteral(PADWRIGHT_CLI), args);
}

QString Sample(const QString& name)
{
    return QStringLiteral(PADWRIGHT_TEST_DATA "/../../docs/samples/") + name;
}

// Without blanks, and with the font's ligatures ("ﬀ") as their letters.
QString NoBlanks(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC)
        .remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class tst_CliPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void sheet_data();
    void sheet();
    void labels();
    void refusals_data();
    void refusals();

private:
    QTemporaryDir fDir;
};

void tst_CliPrint::initTestCase()
{
    QVERIFY(fDir.isValid());
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext is missing: install poppler-utils (scripts/bootstrap.sh test does)");
}

void tst_CliPrint::sheet_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("maxPages");
    QTest::newRow("20 keys, USER Mode") << "coffee-shop.ckd"
                                        << "user" << 2;
    QTest::newRow("12 keys, USER Mode") << "ticket-desk.ckd"
                                        << "user" << 2;
    QTest::newRow("20 keys, ROM Edit Mode") << "coffee-shop.ckd"
                                            << "rom" << 4;
}

void tst_CliPrint::sheet()
{
    QFETCH(QString, sample);
    QFETCH(QString, mode);
    QString in = Sample(sample);
    if (mode == QLatin1String("rom")) {
        const QString rom = fDir.filePath(QStringLiteral("in.rom"));
        QCOMPARE(Cli({"convert", "--mode", "rom", in, rom}).status, 0);
        in = rom;
    }
    const QString pdf = fDir.filePath(QStringLiteral("sheet.pdf"));
    const TRun run = Cli({"sheet", in, pdf});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const TRun info = Run(QStringLiteral("pdfinfo"), {pdf});
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                          .match(QString::fromUtf8(info.out))
                          .captured(1)
                          .toInt();
    QVERIFY(pages >= 1);
    QFETCH(int, maxPages);
    QVERIFY2(pages <= maxPages, qPrintable(QString::number(pages)));
    const QString text =
        NoBlanks(QString::fromUtf8(Run(QStringLiteral("pdftotext"), {pdf, "-"}).out));

    // Every key on the keypad with its names and its macros as the grid shows them.
    TAppState state;
    const TLoadResult loaded =
        mode == QLatin1String("rom") ? LoadRomFile(state, in) : LoadUserFile(state, in);
    const TDefinitionReport report = MakeDefinitionReport(
        state, mode == QLatin1String("rom") ? TReportKind::Rom : TReportKind::User,
        loaded.NumberOfKeys);
    int keys = 0;
    for (const TReportKey& key : report.Keys) {
        if (!key.OnLayout)
            continue;
        ++keys;
        QVERIFY(text.contains(QStringLiteral("Key%1").arg(key.Index + 1)));
        for (const TReportLevel& level : key.Levels) {
            QVERIFY2(text.contains(NoBlanks(level.Name)), qPrintable(level.Name));
            QVERIFY2(text.contains(NoBlanks(level.Cells.join(QString()))),
                     qPrintable(level.Cells.join(QLatin1Char('|'))));
        }
    }
    QCOMPARE(keys, loaded.NumberOfKeys);
    for (const TReportParam& p : report.Globals)
        QVERIFY2(text.contains(NoBlanks(p.Name)), qPrintable(p.Name));
    for (const TReportScreen& s : report.Screens)
        QVERIFY(text.contains(NoBlanks(s.Line1)) && text.contains(NoBlanks(s.Line2)));
}

void tst_CliPrint::labels()
{
    // The overrides beside the definition are used; the SVG is sized in millimetres.
    const QString in = fDir.filePath(QStringLiteral("pad.ckd"));
    QFile::remove(in);
    QVERIFY(QFile::copy(Sample(QStringLiteral("coffee-shop.ckd")), in));
    QVERIFY(WriteAll(fDir.filePath(QStringLiteral("pad.labels")), "[LABELS]\r\nKey3=Own text\r\n"));
    const QString svg = fDir.filePath(QStringLiteral("l.svg"));
    QCOMPARE(Cli({"labels", "--size", "20x12.5", "--paper", "Letter", in, svg}).status, 0);
    const QByteArray bytes = ReadAll(svg);
    QVERIFY(bytes.contains("width=\"215.9mm\" height=\"279.4mm\""));
    QVERIFY(bytes.contains(">Own text<"));
    QVERIFY(!bytes.contains(">Tea<"));
    const QString pdf = fDir.filePath(QStringLiteral("l.pdf"));
    QCOMPARE(Cli({"labels", "--cut-marks", in, pdf}).status, 0);
    QVERIFY(QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {pdf}).out)
                .contains(QStringLiteral("(A4)")));
}

void tst_CliPrint::refusals_data()
{
    QTest::addColumn<QStringList>("args"); // IN is the sample; "DIR" is a folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("size too small")
        << QStringList{"labels", "--size", "7.5x14", "IN", "o.pdf"} << 2 << "--size";
    QTest::newRow("size off its step")
        << QStringList{"labels", "--size", "14.2x14", "IN", "o.pdf"} << 2 << "--size";
    QTest::newRow("unknown paper")
        << QStringList{"labels", "--paper", "a3", "IN", "o.pdf"} << 2 << "unknown paper 'a3'";
    QTest::newRow("labels as PNG") << QStringList{"labels", "IN", "o.png"} << 2 << ".pdf or .svg";
    QTest::newRow("sheet as SVG") << QStringList{"sheet", "IN", "o.svg"} << 2 << ".pdf";
    QTest::newRow("no input") << QStringList{"sheet", "missing.ckd", "o.pdf"} << 2
                              << "No such file";
    QTest::newRow("labels into a folder")
        << QStringList{"labels", "IN", "DIR.pdf"} << 1 << "Unable to write to";
    QTest::newRow("sheet into a folder")
        << QStringList{"sheet", "IN", "DIR.pdf"} << 1 << "Unable to write to";
}

void tst_CliPrint::refusals()
{
    QFETCH(QStringList, args);
    QDir(fDir.path()).mkdir(QStringLiteral("DIR.pdf"));
    for (QString& arg : args) {
        if (arg == QLatin1String("IN"))
            arg = Sample(QStringLiteral("coffee-shop.ckd"));
        else if (QRegularExpression(QStringLiteral("^[\\w.]+\\.(pdf|svg|png|ckd)$"))
                     .match(arg)
                     .hasMatch())
            arg = fDir.filePath(arg);
    }
    const TRun run = Cli(args);
    QTEST(run.status, "status");
    QFETCH(QString, message);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(message), run.err.constData());
    QVERIFY(!QFile::exists(fDir.filePath(QStringLiteral("o.pdf"))));
}

QTEST_GUILESS_MAIN(tst_CliPrint)
#include "tst_cliprint.moc"
