#include "analysis/DefinitionDiff.h"

#include "files/FileIO.h"

#include <QtTest>

namespace {

TDefinitionReport Report(const QByteArray& file, bool rom)
{
    TAppState state;
    const TLoadResult loaded = rom ? LoadRomFileData(state, file) : LoadUserFileData(state, file);
    return MakeDefinitionReport(state, rom ? TReportKind::Rom : TReportKind::User,
                                loaded.NumberOfKeys);
}

const QByteArray Base = "[GLOBAL_PARAMETERS]\r\nCommand_Prefix=64\r\n"
                        "[KEY0]\r\nKeyType=0\r\nLevel_1_Codes=61400132\r\nLevel_1_Name=A\r\n"
                        "[KEY5]\r\nLevel_2_Codes=0d\r\n";

} // namespace

class tst_DefinitionDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void diff_data();
    void diff();
    void changedCodesAreMarked();
};

void tst_DefinitionDiff::diff_data()
{
    QTest::addColumn<bool>("rom");
    QTest::addColumn<QByteArray>("right");
    QTest::addColumn<QStringList>("lines"); // the differences, Base on the left

    QTest::newRow("same") << false << Base << QStringList();
    // Comments, blank lines, order and letter case of sections and keys,
    // blanks between code pairs and upper-case digits are the reader's business.
    QTest::newRow("ignorable") << false
                               << QByteArray("; a comment\n\n[key5]\nlevel_2_codes = 0D\n\n"
                                             "[Key0]\nlevel_1_NAME=A\nLEVEL_1_CODES=61 40 01 32\n"
                                             "[global_parameters]\ncommand_prefix=$40\n")
                               << QStringList();
    QTest::newRow("different") << false
                               << QByteArray(
                                      "[GLOBAL_PARAMETERS]\nCommand_Prefix=35\n[KEY0]\nKeyType=2\n"
                                      "Level_1_Codes=61230164\nLevel_1_Name=A\nL1_AutoRepeat=1\n")
                               << QStringList{
                                      "Global parameters, Command prefix: 64 ('@') -> 35 ('#')",
                                      "Key 1, type: normal -> level toggle",
                                      "Key 1, level 1 flags: none -> auto-repeat",
                                      "Key 1, level 1 codes: a | Dly 200 -> a | Dly 400",
                                      "Key 6, level 2 codes: CR -> (empty)"};
    QTest::newRow("rom screens")
        << true << Base + "[SCREEN2]\r\nEnterAction=3\r\nTextLine1=%Hello%\r\n"
        << QStringList{"Screen 2, line 1: \"Line 1          \" -> \"Hello           \"",
                       "Screen 2, ENTER: Nothing -> Go to Screen 3"};
}

void tst_DefinitionDiff::diff()
{
    QFETCH(bool, rom);
    QFETCH(QByteArray, right);
    QFETCH(QStringList, lines);
    const TDefinitionDiff d = DiffDefinitions(Report(Base, rom), Report(right, rom));
    QStringList found;
    for (const TDiffRow& row : d.Rows)
        if (row.Differs)
            found << DiffLine(row);
    QCOMPARE(found, lines);
    QCOMPARE(d.Same(), lines.isEmpty());
}

void tst_DefinitionDiff::changedCodesAreMarked()
{
    const TDefinitionDiff d = DiffDefinitions(Report("[KEY0]\nLevel_1_Codes=616263\n", false),
                                              Report("[KEY0]\nLevel_1_Codes=61786364\n", false));
    const auto row = std::find_if(d.Rows.cbegin(), d.Rows.cend(), [](const TDiffRow& r) {
        return r.Key == 0 && r.Level == 0 && r.Item.endsWith(QLatin1String("codes"));
    });
    QVERIFY(row != d.Rows.cend());
    QCOMPARE(row->LeftCells, (QStringList{"a", "b", "c"}));
    QCOMPARE(row->LeftChanged, (QList<bool>{false, true, false}));
    QCOMPARE(row->RightChanged, (QList<bool>{false, true, false, true}));
}

QTEST_GUILESS_MAIN(tst_DefinitionDiff)
#include "tst_definitiondiff.moc"
