// The user manual is built into OstrellaPro.pdf beside the editor.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class TestManual : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pdfIsBuiltBesideTheEditor();
    void outlineAndContentsLeadToTheChapters();
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

namespace {
QString manualPath()
{
    return QDir(QStringLiteral(PADWRIGHT_TOOLS_DIR)).filePath(QStringLiteral("OstrellaPro.pdf"));
}

QJsonObject qpdfJson(const QStringList& options)
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), QStringList{"--json"} + options + QStringList{manualPath()});
    if (!qpdf.waitForFinished(60000) || qpdf.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(qpdf.readAllStandardOutput()).object();
}
} // namespace

// Read by another program (qpdf, Debian package qpdf): the file is sound, its
// outline lists every chapter with its sections, and the contents' links go
// to pages within the document, not to web addresses.
void TestManual::outlineAndContentsLeadToTheChapters()
{
    QProcess check;
    check.start(QStringLiteral("qpdf"), {"--check", manualPath()});
    QVERIFY2(check.waitForFinished(60000), "qpdf (package qpdf) is needed");
    QVERIFY2(check.exitCode() == 0, check.readAll().constData());

    const QJsonArray outline = qpdfJson({"--json-key=outlines"}).value("outlines").toArray();
    QStringList chapters;
    int previousPage = 0;
    for (const QJsonValue& entry : outline) {
        const QJsonObject chapter = entry.toObject();
        chapters << chapter.value("title").toString().section(' ', 1);
        const int page = chapter.value("destpageposfrom1").toInt();
        QVERIFY2(page >= previousPage && page > 0, qPrintable(chapter.value("title").toString()));
        previousPage = page;
    }
    QVERIFY2(chapters.size() >= 12, qPrintable(chapters.join('|')));
    QCOMPARE(chapters.first(), "Getting started");
    QVERIFY(chapters.contains("Menus, shortcuts and the command line"));
    QVERIFY(!outline.first().toObject().value("kids").toArray().isEmpty());

    const QByteArray pdf = [] {
        QFile file(manualPath());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    // The links are rewritten in an update appended to what QPdfWriter
    // wrote: every link to "#anchor" there becomes one to a place in the file.
    const QString text = QString::fromLatin1(pdf);
    const qsizetype update = text.lastIndexOf("%%EOF", text.size() - 10);
    const QRegularExpression webLink("/URI \\(#");
    const int written = text.left(update).count(webLink);
    QVERIFY(written >= 12);
    QCOMPARE(text.mid(update).count("/Subtype /Link"), written);
    QCOMPARE(text.mid(update).count(webLink), 0);
    QVERIFY(text.mid(update).contains("/Outlines"));
}

QTEST_GUILESS_MAIN(TestManual)
#include "tst_manual.moc"
