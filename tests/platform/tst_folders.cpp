// The platform folders and their test overrides.

#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void overridesAndDefaults();
    void joinAndEnsure();
};

void TestFolders::overridesAndDefaults()
{
    qunsetenv("PADWRIGHT_DOCUMENTS_DIR");
    qunsetenv("PADWRIGHT_PROGRAM_DIR");
    QCOMPARE(Folders::ProgramFolder(), QCoreApplication::applicationDirPath());
    const QString documents = Folders::DocumentsFolder();
    QVERIFY(!documents.isEmpty());

    qputenv("PADWRIGHT_DOCUMENTS_DIR", "/tmp/some//docs/");
    qputenv("PADWRIGHT_PROGRAM_DIR", "/opt/pad/bin");
    QCOMPARE(Folders::DocumentsFolder(), "/tmp/some/docs");
    QCOMPARE(Folders::ProgramFolder(), "/opt/pad/bin");
    // The one set of folder rules that the editor, the tools and the command line share.
    QCOMPARE(Folders::DataFolder(), "/tmp/some/docs/Halvorsten/OstrellaPro");
    QCOMPARE(Folders::MacroFolder(), "/tmp/some/docs/Halvorsten/OstrellaPro/Macro_Files");
    QCOMPARE(Folders::KeyLabelFolder(), "/tmp/some/docs/Halvorsten/OstrellaPro/Keycap_Labels");
    QCOMPARE(Folders::SettingsFile(), "/tmp/some/docs/Halvorsten/OstrellaPro/PadwrightRx.ini");
    QCOMPARE(Folders::PortSettingsFile(), "/tmp/some/docs/Halvorsten/OstrellaPro/RxLoad.ini");
    QCOMPARE(Folders::DelaySettingsFile(), "/opt/pad/bin/RxLoad.ini");
    // Set but empty counts as not set.
    qputenv("PADWRIGHT_DOCUMENTS_DIR", "");
    QCOMPARE(Folders::DocumentsFolder(), documents);
    qunsetenv("PADWRIGHT_DOCUMENTS_DIR");
    qunsetenv("PADWRIGHT_PROGRAM_DIR");
    QCOMPARE(Folders::DocumentsFolder(), documents);
}

void TestFolders::joinAndEnsure()
{
    QCOMPARE(Folders::Join("/a/b", "c.ini"), "/a/b/c.ini");
    QCOMPARE(Folders::Join("/a/b/", "c.ini"), "/a/b/c.ini");
    QCOMPARE(Folders::Join("", "c.ini"), "c.ini");
    QCOMPARE(Folders::ForDisplay("/a/b"), QDir::toNativeSeparators("/a/b"));

    QTemporaryDir root;
    const QString folder = root.path() + "/new";
    QVERIFY(Folders::EnsureFolder(folder));
    QVERIFY(QDir(folder).exists());
    QVERIFY(Folders::EnsureFolder(folder)); // already there
    // A documents folder that does not exist yet is made with the data folder.
    QVERIFY(Folders::EnsureFolder(root.path() + "/Documents/Halvorsten"));
    QVERIFY(QDir(root.path() + "/Documents/Halvorsten").exists());
    // A file in the way is a failure, not a crash.
    QFile blocker(root.path() + "/file");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!Folders::EnsureFolder(root.path() + "/file/deeper"));

    // The data folders are made as far as they can be; the others are named.
    qputenv("PADWRIGHT_DOCUMENTS_DIR", QFile::encodeName(root.path() + "/Documents"));
    QVERIFY(Folders::MakeDataFolders().isEmpty());
    QVERIFY(QDir(Folders::KeyLabelFolder()).exists());
    QVERIFY(QDir(Folders::MacroFolder()).removeRecursively());
    QFile macros(Folders::MacroFolder());
    QVERIFY(macros.open(QIODevice::WriteOnly));
    macros.close();
    QCOMPARE(Folders::MakeDataFolders(), QStringList{Folders::MacroFolder()});
    qunsetenv("PADWRIGHT_DOCUMENTS_DIR");
}

QTEST_GUILESS_MAIN(TestFolders)
#include "tst_folders.moc"
