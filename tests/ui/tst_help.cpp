// Help > User Manual, the help window and F1 in a dialog, without the main
// window: the manual opener on its own, with a recording launcher.

#include "support/RecordingLauncher.h"
#include "support/ScriptedPrompts.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/ManualResource.h"
#include "ui/help/UserManual.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Records like the test launcher; a document exists but no program shows it
// when there is no viewer.
class TViewerlessLauncher : public TRecordingLauncher
{
public:
    bool Viewer = true;
    bool HasViewerFor(const QString&) override { return Viewer; }
};

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manualOpensSomewhere_data();
    void manualOpensSomewhere();
    void linksAndChaptersLeadToHeadings();
    void f1InADialogOpensItsChapter();
    void findWithCtrlF();
};

void TestHelp::manualOpensSomewhere_data()
{
    QTest::addColumn<bool>("pdfThere");
    QTest::addColumn<bool>("viewer");
    QTest::addColumn<bool>("builtIn");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("message");

    using S = TUserManual::TShown;
    QTest::newRow("viewer shows the PDF") << true << true << true << int(S::Pdf) << "";
    QTest::newRow("no viewer") << true << false << true << int(S::HelpWindow) << "";
    QTest::newRow("no PDF") << false << true << true << int(S::HelpWindow) << "";
    QTest::newRow("no viewer, no built-in copy")
        << true << false << false << int(S::Nothing)
        << "No program could open \"OstrellaPro.pdf\". Install a PDF viewer to read the manual.";
    QTest::newRow("nothing at all") << false << true << false << int(S::Nothing)
                                    << "Could not find \"OstrellaPro.pdf\" help file.";
}

void TestHelp::manualOpensSomewhere()
{
    QFETCH(bool, pdfThere);
    QFETCH(bool, viewer);
    QFETCH(bool, builtIn);
    QFETCH(int, shown);
    QFETCH(QString, message);

    QTemporaryDir program;
    qputenv("PADWRIGHT_PROGRAM_DIR", program.path().toLocal8Bit());
    if (pdfThere) {
        QFile pdf(program.filePath("OstrellaPro.pdf"));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
    }
    TViewerlessLauncher launcher;
    launcher.Viewer = viewer;
    TScriptedPrompts prompts;
    TUserManual manual(nullptr, builtIn ? ManualResource::Markdown() : QString(),
                       ManualResource::BaseUrl());

    QCOMPARE(int(manual.Open()), shown);
    QCOMPARE(prompts.TextsOf("error"), message.isEmpty() ? QStringList{} : QStringList{message});
    const bool windowShown = manual.HelpWindow() && manual.HelpWindow()->isVisible();
    QCOMPARE(windowShown, shown == int(TUserManual::TShown::HelpWindow));
    // The PDF is offered to the viewer only when there is one.
    const bool offered = !launcher.Calls.empty();
    QCOMPARE(offered, viewer);
    if (offered)
        QCOMPARE(launcher.Calls.front().Path, program.filePath("OstrellaPro.pdf"));
    qunsetenv("PADWRIGHT_PROGRAM_DIR");
}

// Every link inside the manual and every dialog's chapter names a heading,
// and the window goes there.
void TestHelp::linksAndChaptersLeadToHeadings()
{
    const QString markdown = ManualResource::Markdown();
    QVERIFY(markdown.startsWith("# PadwrightRx User Manual"));
    THelpWindow window;
    QVERIFY(window.Load(markdown, ManualResource::BaseUrl()));
    const QStringList anchors = window.Anchors();

    QStringList targets;
    const QRegularExpression link(R"(\]\(#([^)]+)\))");
    for (auto it = link.globalMatch(markdown); it.hasNext();)
        targets << it.next().captured(1);
    QVERIFY(targets.size() >= 11); // the contents at least
    for (const QString& dialog : TUserManual::DialogsWithChapters())
        targets << TUserManual::ChapterForDialog(dialog);
    for (const QString& target : targets) {
        QVERIFY2(anchors.contains(target), qPrintable(target));
        QVERIFY(window.ShowChapter(target));
        auto* contents = window.findChild<QTreeWidget*>("treeContents");
        QVERIFY(contents->currentItem());
    }
    QVERIFY(!window.ShowChapter("no-such-chapter"));

    // The pictures are built in with the text.
    const QRegularExpression picture(R"(!\[[^\]]*\]\(([^)]+)\))");
    for (auto it = picture.globalMatch(markdown); it.hasNext();) {
        const QString path = it.next().captured(1);
        QVERIFY2(QFile::exists(":/manual/" + path), qPrintable(path));
    }
}

void TestHelp::f1InADialogOpensItsChapter()
{
    TUserManual manual(nullptr);
    manual.InstallDialogHelpKey();
    QDialog dialog;
    dialog.setObjectName("frmParameters");
    auto* label = new QLabel("x", &dialog);
    label->setFocusPolicy(Qt::StrongFocus);
    bool checked = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog,
                        Qt::Key_F1);
        THelpWindow* window = manual.HelpWindow();
        checked = window && window->isVisible() && window->parentWidget() == &dialog;
        if (checked) {
            auto* contents = window->findChild<QTreeWidget*>("treeContents");
            checked = contents->currentItem() &&
                      contents->currentItem()->text(0) == "7. Keypad properties in USER Mode";
        }
        dialog.reject();
    });
    dialog.exec();
    QVERIFY(checked);
}

void TestHelp::findWithCtrlF()
{
    THelpWindow window;
    QVERIFY(window.Load(ManualResource::Markdown(), ManualResource::BaseUrl()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* find = window.findChild<QLineEdit*>("edFind");
    window.Browser()->setFocus();
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(find->hasFocus());

    QTest::keyClicks(find, "SetPortRx");
    QTest::keyClick(find, Qt::Key_Return);
    const int first = window.Browser()->textCursor().position();
    QCOMPARE(window.Browser()->textCursor().selectedText(), "SetPortRx");
    QTest::keyClick(find, Qt::Key_Return);
    QVERIFY(window.Browser()->textCursor().position() > first);
    // Past the last match the search starts again at the top.
    for (int i = 0; i < 100 && window.Browser()->textCursor().position() != first; ++i)
        QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(window.Browser()->textCursor().position(), first);

    find->clear();
    QTest::keyClicks(find, "no such words here");
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(window.findChild<QLabel*>("lblFindStatus")->text(), "Not found");
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
