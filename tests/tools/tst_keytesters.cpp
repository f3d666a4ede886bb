// The two key testers: PadProbe lists typed keys, LinkProbe lists the bytes
// that arrive on a serial port.

#include "ByteLog.h"
#include "LinkProbeWindow.h"
#include "PadProbeWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#ifdef Q_OS_LINUX
#include <pty.h>
#include <unistd.h>
#endif

class TestKeyTesters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void padProbeListsEachTypedKey();
    void byteLogGroupsBytesIntoLines();
    void byteLogShowsTextAndHex();
    void linkProbeShowsWhatArrives();
    void linkProbeExplainsAnUnknownPortNumber();
};

void TestKeyTesters::padProbeListsEachTypedKey()
{
    PadProbeWindow window;
    window.show();
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("tableKeys"));
    auto* typed = window.findChild<QLineEdit*>(QStringLiteral("edTyped"));
    auto* count = window.findChild<QLabel*>(QStringLiteral("lblCount"));
    QVERIFY(table && typed && count);

    // What a keypad in keyboard mode sends for "A", Enter, Tab and F13;
    // the Shift key on its own gets no row.
    QTest::keyClick(&window, Qt::Key_Shift);
    QTest::keyClick(&window, 'A', Qt::ShiftModifier);
    QTest::keyClick(&window, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_Tab);
    QTest::keyClick(&window, Qt::Key_F13);

    QCOMPARE(table->rowCount(), 4);
    auto cell = [&](int row, int col) { return table->item(row, col)->text(); };
    QCOMPARE(cell(0, 2), QStringLiteral("A"));
    QCOMPARE(cell(0, 3), QStringLiteral("65"));
    QCOMPARE(cell(0, 4), QStringLiteral("0x41"));
    QCOMPARE(cell(0, 6), QStringLiteral("Shift"));
    QCOMPARE(cell(1, 2), QStringLiteral("<CR>"));
    QCOMPARE(cell(1, 4), QStringLiteral("0x0D"));
    QCOMPARE(cell(2, 3), QStringLiteral("9"));
    QCOMPARE(cell(3, 1), QStringLiteral("F13"));
    QCOMPARE(cell(3, 3), QStringLiteral("-"));
    QCOMPARE(typed->text(), QStringLiteral("A<CR><TAB>"));
    QCOMPARE(count->text(), QStringLiteral("Keys received: 4"));

    // Tab did not move the focus away: the next key is still recorded.
    QTest::keyClick(&window, Qt::Key_1);
    QCOMPARE(table->rowCount(), 5);

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnClear")), Qt::LeftButton);
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(typed->text().isEmpty());
}

void TestKeyTesters::byteLogGroupsBytesIntoLines()
{
    ByteLog log;
    const QTime t(12, 0);

    // 20 bytes at once fill one line and start a second.
    QCOMPARE(log.add(QByteArray(20, 'x'), 0, t), 0);
    QCOMPARE(log.lineCount(), 2);
    // More bytes right after continue the second line, which changes.
    QCOMPARE(log.add("abc", 10, t), 1);
    QCOMPARE(log.lineCount(), 2);
    // Enough to pass 16 on that line: it changes and a third one starts.
    QCOMPARE(log.add(QByteArray(10, 'y'), 20, t), 1);
    QCOMPARE(log.lineCount(), 3);
    // After a pause the next key press gets a line of its own.
    QCOMPARE(log.add("k", 20 + ByteLog::PauseMs + 1, t), 3);
    QCOMPARE(log.lineCount(), 4);
    QCOMPARE(log.byteCount(), 34);
    // Nothing arriving changes nothing.
    QCOMPARE(log.add(QByteArray(), 1000, t), 4);

    log.clear();
    QCOMPARE(log.lineCount(), 0);
    QCOMPARE(log.add("z", 1, t), 0);
}

void TestKeyTesters::byteLogShowsTextAndHex()
{
    ByteLog log;
    log.add(QByteArray("AB\r\x80\x7f\x1b ", 7), 0, QTime(9, 5, 7, 30));
    QCOMPARE(log.formatLine(0), QStringLiteral("09:05:07.030  41 42 0D 80 7F 1B 20 ") +
                                    QString(48 - 21, QLatin1Char(' ')) +
                                    QStringLiteral("  AB<CR><80><DEL><ESC> "));
    QCOMPARE(ByteLog::byteText(0), QStringLiteral("<NUL>"));
    QCOMPARE(ByteLog::byteText(64), QStringLiteral("@"));
    QCOMPARE(ByteLog::byteText(200), QStringLiteral("<C8>"));
    // The heading's columns start where the line's do.
    QCOMPARE(ByteLog::heading().indexOf(QStringLiteral("Hexadecimal")), 14);
    QCOMPARE(ByteLog::heading().indexOf(QStringLiteral("Text")), 14 + 48 + 2);
}

void TestKeyTesters::linkProbeShowsWhatArrives()
{
#ifdef Q_OS_LINUX
    // A pseudo terminal stands in for the keypad's serial port.
    int master = -1;
    int slave = -1;
    char name[256] = {};
    QVERIFY(openpty(&master, &slave, name, nullptr, nullptr) == 0);

    LinkProbeWindow window;
    window.show();
    window.openRequested(QString::fromLocal8Bit(name));
    auto* status = window.findChild<QLabel*>(QStringLiteral("lblStatus"));
    QVERIFY2(status->text().startsWith(QStringLiteral("Listening on")), qPrintable(status->text()));

    QCOMPARE(::write(master, "hi\r", 3), ssize_t(3));
    auto* view = window.findChild<QPlainTextEdit*>(QStringLiteral("edBytes"));
    QTRY_VERIFY(view->toPlainText().contains(QStringLiteral("68 69 0D")));
    QVERIFY(view->toPlainText().endsWith(QStringLiteral("hi<CR>")));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblCount"))->text(),
             QStringLiteral("Bytes received: 3"));

    auto* open = window.findChild<QPushButton*>(QStringLiteral("btnOpen"));
    QCOMPARE(open->text(), QStringLiteral("Close port"));
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(open->text(), QStringLiteral("Open port"));
    QVERIFY(status->text().startsWith(QStringLiteral("Closed")));
    ::close(slave);
    ::close(master);
#else
    QSKIP("needs a pseudo terminal");
#endif
}

void TestKeyTesters::linkProbeExplainsAnUnknownPortNumber()
{
    LinkProbeWindow window;
    window.openRequested(QStringLiteral("500"));
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblStatus"))
                ->text()
                .startsWith(QStringLiteral("Port number 500 names no serial port")));
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("btnOpen"))->text(),
             QStringLiteral("Open port"));
}

QTEST_MAIN(TestKeyTesters)
#include "tst_keytesters.moc"
