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
}

QTEST_GUILESS_MAIN(TestFolders)
#include "tst_folders.moc"
