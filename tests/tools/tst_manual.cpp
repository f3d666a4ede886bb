// The user manual is built into OstrellaPro.pdf beside the editor.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestManual : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pdfIsBuiltBesideTheEditor();
};

void TestManual::pdfIsBuiltBesideTheEditor()
{
    QFile pdf(
        QDir(QStringLiteral(PADWRIGHT_TOOLS_DIR)).filePath(QStringLiteral("OstrellaPro.pdf")));
    QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(pdf.fileName()));
    const QByteArray bytes = pdf.readAll();

    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    QVERIFY2(bytes.size() > 30000, QByteArray::number(bytes.size()).constData());

    // A real manual, not an empty page: every chapter starts on a page of its own.
    const QString text = QString::fromLatin1(bytes);
    const auto pages = text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")));
    QVERIFY2(pages >= 12, qPrintable(QString::number(pages)));

    // The document title, which viewers show, is stored in UTF-16.
    QByteArray title("/Title (\xFE\xFF");
    for (const char c : QByteArray("PadwrightRx User Manual"))
        title += QByteArray(1, '\0') + c;
    QVERIFY(bytes.contains(title));
}

QTEST_GUILESS_MAIN(TestManual)
#include "tst_manual.moc"
