#include "platform/Version.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/HostTypeInfo.h"
#include "ui/dialogs/MacroLen.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestSmallDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void warningText_data();
    void warningText();
    void warningTickBox_data();
    void warningTickBox();
    void aboutBoxContents();
    void aboutBoxShowsModallyOverMainWindow();
    void hostTypeInformation();
};

void TestSmallDialogs::warningText_data()
{
    QTest::addColumn<bool>("wholeText");
    QTest::addColumn<QString>("text");
    const QString first = QStringLiteral("In Line Edit mode only the first character in each \n"
                                         "macro is used (unless you have an ALPHA shift\n"
                                         "key).  Any other macro data is ignored.");
    QTest::newRow("first paragraph") << false << first;
    QTest::newRow("whole text")
        << true
        << first + QStringLiteral("\n\nIf Line Edit Character Translation is enabled, then \n"
                                  "the first character is transmitted to the host and the \n"
                                  "second character, if present, is shown on the LCD.");
}

void TestSmallDialogs::warningText()
{
    QFETCH(bool, wholeText);
    QFETCH(QString, text);

    QWidget main;
    TfrmMacroLenWarning warning(&main);
    QCOMPARE(warning.windowTitle(), QStringLiteral("Macro Length Warning"));
    QVERIFY(!warning.isVisible());

    warning.ShowWarning(wholeText);
    QVERIFY(warning.isVisible());
    QVERIFY(!warning.isModal());
    auto* memo = warning.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QVERIFY(memo);
    QCOMPARE(memo->toPlainText(), text);
    QVERIFY(memo->isReadOnly());

    // Shown again with the other amount of text while still open: it stays
    // open, and the text area follows the number of lines.
    const int height = memo->height();
    warning.ShowWarning(!wholeText);
    QVERIFY(warning.isVisible());
    QCOMPARE(memo->height() > height, !wholeText);
    QCOMPARE(memo->toPlainText().count(QLatin1Char('\n')), wholeText ? 2 : 6);
}

void TestSmallDialogs::warningTickBox_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("pressOk");
    QTest::addColumn<bool>("turnedOff");
    QTest::newRow("ticked, OK") << true << true << true;
    QTest::newRow("ticked, close box") << true << false << false;
    QTest::newRow("unticked, OK") << false << true << false;
}

void TestSmallDialogs::warningTickBox()
{
    QFETCH(bool, ticked);
    QFETCH(bool, pressOk);
    QFETCH(bool, turnedOff);

    TfrmMacroLenWarning warning;
    QSignalSpy spy(&warning, &TfrmMacroLenWarning::warningTurnedOff);
    warning.ShowWarning(false);
    auto* box = warning.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    auto* ok = warning.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(box && ok);
    QCOMPARE(box->text(), QStringLiteral("Don't show this message again"));
    QVERIFY(!box->isChecked());
    QCOMPARE(ok->text(), QStringLiteral("OK"));

    if (ticked)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QCOMPARE(box->isChecked(), ticked);
    if (pressOk)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        warning.close();

    QVERIFY(!warning.isVisible());
    QCOMPARE(warning.WarningTurnedOff(), turnedOff);
    QCOMPARE(spy.count(), turnedOff ? 1 : 0);
}

void TestSmallDialogs::aboutBoxContents()
{
    TfrmAbout about;
    auto* version = about.findChild<QLabel*>(QStringLiteral("lblVersion"));
    auto* description = about.findChild<QLabel*>(QStringLiteral("lblDescription"));
    QVERIFY(version && description);
    QCOMPARE(version->text(), QStringLiteral("Version ") + GetOurVersion());
    QCOMPARE(description->text(),
             QStringLiteral("PadwrightRx redefinition software for Ostrella Rx"));
    QVERIFY(description->wordWrap());
    QVERIFY(description->font().bold());
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QVERIFY(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (const char* picture : {"HalvLogoImage", "Image1"}) {
        auto* label = about.findChild<QLabel*>(QLatin1String(picture));
        QVERIFY2(label && !label->pixmap().isNull(), picture);
    }

    // White, with a black frame one unit inside the edges.
    about.adjustSize();
    const QImage image = about.grab().toImage();
    const int w = image.width();
    const int h = image.height();
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    for (const QPoint& p : {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2),
                            QPoint(w / 2, 1), QPoint(1, h / 2)})
        QCOMPARE(image.pixel(p), black);
    for (const QPoint& p : {QPoint(0, 0), QPoint(w - 1, h - 1), QPoint(2, 2), QPoint(w - 3, h - 3),
                            QPoint(w / 2, h - 1)})
        QCOMPARE(image.pixel(p), white);
}

void TestSmallDialogs::aboutBoxShowsModallyOverMainWindow()
{
    QWidget main;
    main.setGeometry(100, 80, 900, 640);
    main.show();

    bool seen = false;
    QPoint centre;
    QWidget* focused = nullptr;
    // Find the box once its modal loop runs, note where it is, press OK.
    std::function<void()> pressOk = [&] {
        auto* box = qobject_cast<TfrmAbout*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(0, pressOk);
            return;
        }
        seen = true;
        centre = box->geometry().center();
        focused = box->focusWidget();
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("btnOk")), Qt::LeftButton);
    };
    QTimer::singleShot(0, pressOk);
    const int result = TfrmAbout::Execute(&main);

    QVERIFY(seen);
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(qAbs(centre.x() - main.frameGeometry().center().x()) <= 1);
    QVERIFY(qAbs(centre.y() - main.frameGeometry().center().y()) <= 1);
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), QStringLiteral("btnOk"));
    // Created for the showing only.
    QVERIFY(main.findChildren<TfrmAbout*>().isEmpty());
}

void TestSmallDialogs::hostTypeInformation()
{
    QWidget main;
    main.setGeometry(50, 40, 1000, 700);
    main.show();
    TfrmHostTypeInfo info(&main);
    QCOMPARE(info.windowTitle(), QStringLiteral("Host Type Information"));
    QVERIFY(info.windowFlags().testFlag(Qt::Tool));
    QVERIFY(!info.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!info.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    const QString text = info.PlainText();
    const QStringList expected{
        "Host Mode (PC Connection) Choices **",
        "True DB-9 communications port",
        "OstrellaPro virtual serial port #1",
        "See Notes 1 & 2",
        "CDC Class virtual serial port",
        "v5.60+",
        "HID PC keyboard #2",
        "** The Host Mode always defaults to RS-232 if the DB-9 cable is plugged in.",
        "\"Default\" automatically chooses between Modes 1 & 2 depending on cable plugged in.",
        "\"OstrellaPro #1\" is USB-Full-Speed below v6.16 and USB-Low-Speed on v6.16+.",
        "\"OstrellaPro #2\" is USB-Full-Speed and it is only available on v6.16+.",
        "\"HID PC Keyboard #1\" is USB-Full-Speed below v6.16 and USB-Low-Speed on v6.16+.",
        "\"HID PC Keyboard #2\" is USB-Full-Speed and it is only available on v 6.16+.",
        "\"CDC Class\" uses OS-built-in drivers. CDC is always USB-Full-Speed.",
    };
    for (const QString& line : expected)
        QVERIFY2(text.contains(line), qPrintable(line));
    for (int note = 1; note <= 6; ++note)
        QVERIFY(text.contains(QStringLiteral("Note %1:").arg(note)));
    // The six modes in the order of the table.
    int from = 0;
    for (const char* mode : {"\n1\n", "\n2\n", "\n3\n", "\n7\n", "\n10\n", "\n11\n"}) {
        const int at = text.indexOf(QLatin1String(mode), from);
        QVERIFY2(at > from, mode);
        from = at;
    }

    info.show();
    QVERIFY(qAbs(info.frameGeometry().center().x() - main.frameGeometry().center().x()) <= 1);
    QVERIFY(qAbs(info.frameGeometry().center().y() - main.frameGeometry().center().y()) <= 1);
    info.close();
    QVERIFY(!info.isVisible());
}

QTEST_MAIN(TestSmallDialogs)
#include "tst_smalldialogs.moc"
