// Key labels and their settings: the label texts, the sheet geometry read
// back from the PDF and the SVG, text that never leaves its label, and the
// overrides and settings files.

#include "app/AppSettings.h"
#include "print/LabelRenderer.h"
#include "print/MmCanvas.h"
#include "report/LabelOverrides.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

constexpr double MmPerPt = 25.4 / 72;

// A definition whose every key shows `name` (and a macro of `codes` text) on
// level 1 and `second` on level 2, with the key types in turn when `types`.
TDefinitionReport Report(const QString& name, const QString& second, const QString& codes,
                         bool types, int numberOfKeys)
{
    TAppState state;
    TKeypadClass& d = state.KeypadDefinition;
    for (int key = 0; key < MaxKeys; ++key) {
        d.SetKey(key);
        d.SetKeytype(types ? TKeyType(key % 4) : ktNormal);
        for (int level = 0; level < MaxLevels; ++level) {
            d.SetLevel(level);
            int32_t at = 0;
            for (QChar c : codes)
                d.InsertByte(at, c.unicode());
            d.InsertByte(at, 13);
            d.SetMacroName(level == 0 ? name : second);
        }
    }
    return MakeDefinitionReport(state, TReportKind::User, numberOfKeys);
}

TLabelRenderer Renderer(const TKeyLabelSettings& s, const TDefinitionReport& report)
{
    return TLabelRenderer(s, report.NumberOfKeys, KeyLabelTexts(report, {}), QStringLiteral("t"));
}

// The outlines' outer edges in mm, from the first page's content stream.
QList<QRectF> PdfRects(const QByteArray& pdf)
{
    QList<QRectF> rects;
    int at = 0;
    while ((at = pdf.indexOf("stream\n", at)) >= 0) {
        const int begin = at + 7;
        const int end = pdf.indexOf("endstream", begin);
        at = end;
        QByteArray zipped = pdf.mid(begin, end - begin);
        const quint32 hint = quint32(zipped.size()) * 20;
        zipped.prepend(QByteArray(1, char(hint >> 24)) + char(hint >> 16) + char(hint >> 8) +
                       char(hint));
        const QList<QByteArray> words = qUncompress(zipped).simplified().split(' ');
        double scale = 0, width = 0;
        for (int i = 6; i < words.size(); ++i) {
            if (words[i] == "cm" && scale == 0) {
                scale = words[i - 6].toDouble(); // device dots to points; y from the top
            } else if (words[i] == "w") {
                width = words[i - 1].toDouble();
            } else if (words[i] == "re" && scale > 0) {
                QRectF r(words[i - 4].toDouble(), words[i - 3].toDouble(), words[i - 2].toDouble(),
                         words[i - 1].toDouble());
                r.adjust(-width / 2, -width / 2, width / 2, width / 2);
                rects << QRectF(r.x() * scale * MmPerPt, (r.y() * scale) * MmPerPt,
                                r.width() * scale * MmPerPt, r.height() * scale * MmPerPt);
            }
        }
        if (scale > 0)
            break;
    }
    return rects;
}

QSizeF PdfPageMm(const QByteArray& pdf)
{
    const int at = pdf.indexOf("/MediaBox [");
    const QList<QByteArray> box = pdf.mid(at + 11, 60).replace(']', ' ').split(' ');
    return QSizeF(box.value(2).toDouble() * MmPerPt, box.value(3).toDouble() * MmPerPt);
}

// The SVG's rectangles in mm (outer edges of their outlines), and its page size.
QList<QRectF> SvgRects(const QByteArray& svg, QSizeF& pageMm)
{
    QList<QRectF> rects;
    QXmlStreamReader xml(svg);
    double unit = 1; // mm per user unit
    QList<QPair<QTransform, double>> groups{{QTransform(), 1.0}};
    while (!xml.atEnd()) {
        xml.readNext();
        const auto a = xml.attributes();
        if (xml.isStartElement() && xml.name() == QLatin1String("svg")) {
            const QStringList box = a.value(QLatin1String("viewBox")).toString().split(' ');
            pageMm = QSizeF(a.value(QLatin1String("width")).toString().chopped(2).toDouble(),
                            a.value(QLatin1String("height")).toString().chopped(2).toDouble());
            unit = pageMm.width() / box.value(2).toDouble();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("g")) {
            QTransform t = groups.last().first;
            const QString m = a.value(QLatin1String("transform")).toString();
            if (m.startsWith(QLatin1String("matrix("))) {
                const QStringList v = m.mid(7).chopped(1).split(',');
                t = QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(),
                               v[4].toDouble(), v[5].toDouble()) *
                    t;
            }
            const double w = a.hasAttribute(QLatin1String("stroke-width"))
                                 ? a.value(QLatin1String("stroke-width")).toDouble()
                                 : groups.last().second;
            groups.append({t, w});
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            groups.removeLast();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("rect")) {
            const double w = groups.last().second;
            const QRectF r = QRectF(a.value(QLatin1String("x")).toDouble(),
                                    a.value(QLatin1String("y")).toDouble(),
                                    a.value(QLatin1String("width")).toDouble(),
                                    a.value(QLatin1String("height")).toDouble())
                                 .adjusted(-w / 2, -w / 2, w / 2, w / 2);
            const QRectF mapped = groups.last().first.mapRect(r);
            rects << QRectF(mapped.topLeft() * unit, mapped.size() * unit);
        }
    }
    return rects;
}

// Every expected label has a drawn rectangle within 0.1 mm on all edges.
void CompareRects(const TLabelSheetGeometry& g, const QList<QRectF>& drawn, const char* where)
{
    int matched = 0;
    for (const TPlacedLabel& label : g.Labels) {
        for (const QRectF& r : drawn) {
            if (std::abs(r.left() - label.RectMm.left()) <= 0.1 &&
                std::abs(r.top() - label.RectMm.top()) <= 0.1 &&
                std::abs(r.right() - label.RectMm.right()) <= 0.1 &&
                std::abs(r.bottom() - label.RectMm.bottom()) <= 0.1) {
                ++matched;
                break;
            }
        }
    }
    QVERIFY2(matched == g.Labels.size(), qPrintable(QStringLiteral("%1: %2 of %3 labels in place")
                                                        .arg(where)
                                                        .arg(matched)
                                                        .arg(g.Labels.size())));
}

} // namespace

class tst_LabelPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelText_data();
    void labelText();
    void geometry_data();
    void geometry();
    void inkStaysInLabels_data();
    void inkStaysInLabels();
    void fitOrder_data();
    void fitOrder();
    void overridesRoundTrip();
    void settingsRoundTrip();
};

void tst_LabelPrint::labelText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("overrideText");
    QTest::addColumn<QString>("main");
    QTest::addColumn<bool>("overridden");
    QTest::newRow("name") << "Espresso"
                          << "PLU 1" << 0 << ""
                          << "Espresso" << false;
    QTest::newRow("override wins") << "Espresso"
                                   << "" << 1 << "  Big  "
                                   << "Big" << true;
    QTest::newRow("macro text") << ""
                                << "PLU 1" << 0 << ""
                                << "PLU 1 CR" << false;
    QTest::newRow("macro cut") << ""
                               << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789" << 0 << ""
                               << "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234…" << false;
    QTest::newRow("type word") << ""
                               << "" << 3 << ""
                               << "Alpha Lock" << false;
}

void tst_LabelPrint::labelText()
{
    QFETCH(QString, name);
    QFETCH(QString, codes);
    QFETCH(int, type);
    QFETCH(QString, overrideText);
    TAppState state;
    TKeypadClass& d = state.KeypadDefinition;
    d.SetKeytype(TKeyType(type));
    int32_t at = 0;
    for (QChar c : codes)
        d.InsertByte(at, c == QLatin1Char(' ') ? 32 : c.unicode());
    if (!codes.isEmpty())
        d.InsertByte(at, 13);
    d.SetMacroName(name);
    d.SetLevel(1);
    d.SetMacroName(QStringLiteral("Level two"));
    const TReportKey key = MakeDefinitionReport(state, TReportKind::User, 20).Keys.at(0);
    const TLabelText text = KeyLabelText(key, overrideText);
    QTEST(text.Main, "main");
    QTEST(text.Overridden, "overridden");
    QCOMPARE(text.Second, QStringLiteral("Level two"));
    QCOMPARE(int(text.Type), type);
}

void tst_LabelPrint::geometry_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("keys");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("gap");
    QTest::addColumn<bool>("cutMarks");
    QTest::addColumn<int>("copies");
    QTest::newRow("A4 20 keys 14x14") << 0 << 20 << 14.0 << 14.0 << 2.0 << false << 6;
    QTest::newRow("Letter 12 keys 20x12.5 marks") << 1 << 12 << 20.0 << 12.5 << 2.0 << true << 6;
    QTest::newRow("A4 20 keys 30x30 no gap") << 0 << 20 << 30.0 << 30.0 << 0.0 << true << 1;
    QTest::newRow("Letter 20 keys 8x8") << 1 << 20 << 8.0 << 8.0 << 10.0 << false << 4;
}

void tst_LabelPrint::geometry()
{
    QFETCH(int, paper);
    QFETCH(int, keys);
    TKeyLabelSettings s;
    s.Paper = TPaper(paper);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, gap);
    QFETCH(bool, cutMarks);
    s.WidthMm = width;
    s.HeightMm = height;
    s.GapMm = gap;
    s.CutMarks = cutMarks;
    TLabelRenderer renderer = Renderer(s, Report(QStringLiteral("Key"), {}, {}, true, keys));
    const TLabelSheetGeometry& g = renderer.Geometry();
    QTEST(g.Copies(), "copies");
    QCOMPARE(g.Labels.size(), g.Copies() * keys);
    // Every label inside the margins, none on another, the gap between neighbours.
    const QRectF inside(LabelPageMarginMm, LabelPageMarginMm,
                        g.PageMm.width() - 2 * LabelPageMarginMm,
                        g.PageMm.height() - 2 * LabelPageMarginMm);
    for (int i = 0; i < g.Labels.size(); ++i) {
        const QRectF r = g.Labels.at(i).RectMm;
        QVERIFY(inside.contains(r));
        QCOMPARE(r.size(), QSizeF(width, height));
        for (int j = i + 1; j < g.Labels.size(); ++j)
            QVERIFY(!r.intersects(g.Labels.at(j).RectMm));
        if (i % g.Columns != g.Columns - 1)
            QCOMPARE(g.Labels.at(i + 1).RectMm.left() - r.right() + 1, gap + 1);
    }
    for (const QLineF& mark : g.CutMarks)
        for (const TPlacedLabel& label : g.Labels)
            QVERIFY(!label.RectMm.contains(mark.center()));

    QTemporaryDir dir;
    QVERIFY(PrintOutput::WritePdf(renderer, dir.filePath("l.pdf"), "t").Ok);
    QVERIFY(PrintOutput::WriteSvg(renderer, dir.filePath("l.svg"), "t").Ok);
    QFile pdf(dir.filePath("l.pdf"));
    QFile svg(dir.filePath("l.svg"));
    QVERIFY(pdf.open(QIODevice::ReadOnly) && svg.open(QIODevice::ReadOnly));
    const QByteArray pdfBytes = pdf.readAll();
    // PDF pages are whole points: 595 x 842 for A4, 612 x 792 for Letter.
    const QSizeF pdfPage = PdfPageMm(pdfBytes);
    QVERIFY(std::abs(pdfPage.width() - g.PageMm.width()) < 0.2);
    QVERIFY(std::abs(pdfPage.height() - g.PageMm.height()) < 0.2);
    CompareRects(g, PdfRects(pdfBytes), "PDF");
    QSizeF svgPage;
    const QList<QRectF> svgRects = SvgRects(svg.readAll(), svgPage);
    QVERIFY(std::abs(svgPage.width() - g.PageMm.width()) < 0.1);
    QVERIFY(std::abs(svgPage.height() - g.PageMm.height()) < 0.1);
    CompareRects(g, svgRects, "SVG");
}

void tst_LabelPrint::inkStaysInLabels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("points");
    QTest::newRow("long word, smallest label, largest font") << "Supercalifragilisticexpialidocious"
                                                             << "Antidisestablishmentarianism"
                                                             << "x" << 8.0 << 24.0;
    QTest::newRow("long sentence") << "Please ask the customer for the loyalty card now"
                                   << "And then the stamp card as well"
                                   << "" << 14.0 << 9.0;
    QTest::newRow("empty names, long macro") << ""
                                             << ""
                                             << "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW" << 12.0 << 12.0;
    QTest::newRow("empty names, no macro") << ""
                                           << ""
                                           << "" << 8.0 << 5.0;
    QTest::newRow("wide letters, large label") << "WWWW MMMM WWWW MMMM ÉÅÇ gjpqy"
                                               << "ÉÅ gjpqy WWWWWW"
                                               << "" << 30.0 << 24.0;
}

void tst_LabelPrint::inkStaysInLabels()
{
    QFETCH(QString, name);
    QFETCH(QString, second);
    QFETCH(QString, codes);
    QFETCH(double, size);
    QFETCH(double, points);
    TKeyLabelSettings s;
    s.WidthMm = size;
    s.HeightMm = size * 0.75 < 8 ? 8 : size * 0.75;
    s.FontSizePt = points;
    // Every key type in turn, on the 20-key and the 12-key keypad.
    for (int keys : {20, 12}) {
        TLabelRenderer renderer = Renderer(s, Report(name, second, codes, true, keys));
        const int dpi = 300;
        const QImage page = PrintOutput::RenderPage(renderer, 0, dpi);
        const double dots = dpi / 25.4;
        QImage allowed(page.size(), QImage::Format_Grayscale8);
        allowed.fill(0);
        QPainter mask(&allowed);
        auto allow = [&](const QRectF& mm) {
            mask.fillRect(
                QRect(QPoint(int(std::floor(mm.left() * dots)), int(std::floor(mm.top() * dots))),
                      QPoint(int(std::ceil(mm.right() * dots)) - 1,
                             int(std::ceil(mm.bottom() * dots)) - 1)),
                Qt::white);
        };
        allow(renderer.Geometry().HeaderMm);
        for (const TPlacedLabel& label : renderer.Geometry().Labels)
            allow(label.RectMm);
        mask.end();
        int outside = 0;
        for (int y = 0; y < page.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
            const uchar* ok = allowed.constScanLine(y);
            for (int x = 0; x < page.width(); ++x)
                outside += !ok[x] && qGray(line[x]) < 250;
        }
        QCOMPARE(outside, 0);

        // And the text is there: whole, or cut with "…" only when it does not fit.
        QImage probe(10, 10, QImage::Format_RGB32);
        probe.setDotsPerMeterX(qRound(dpi / 0.0254));
        probe.setDotsPerMeterY(qRound(dpi / 0.0254));
        const TMmCanvas canvas(&probe);
        for (const TPlacedLabel& label : renderer.Geometry().Labels) {
            const TLabelText& text = renderer.Texts()[size_t(label.Key)];
            const QRectF main = LabelSlots(label.RectMm, text).Main;
            const TFittedText fitted = FitLabelText(canvas, s.FontFamily, text.Main, main.width(),
                                                    main.height(), points, KeyLabelLimits::MinFont);
            QCOMPARE(fitted.Lines.isEmpty(), text.Main.isEmpty());
            const QString shown = fitted.Lines.join(QString()).remove(QLatin1Char(' '));
            if (shown != QString(text.Main).remove(QLatin1Char(' ')))
                QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        }
    }
}

void tst_LabelPrint::fitOrder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("cut");
    QTest::newRow("fits") << "Tea" << 9.0 << 1 << false;
    QTest::newRow("one word shrinks") << "Cappuccino" << 5.5 << 1 << false;
    QTest::newRow("words wrap") << "Soup of the day" << 8.5 << 2 << false;
    QTest::newRow("wraps smaller") << "Croissant almond" << 7.0 << 2 << false;
    QTest::newRow("then cuts") << "Soup of the day with bread and butter" << 5.0 << 2 << true;
    QTest::newRow("one long word") << "Supercalifragilisticexpialidocious" << 5.0 << 2 << true;
}

void tst_LabelPrint::fitOrder()
{
    QFETCH(QString, text);
    QImage probe(10, 10, QImage::Format_RGB32);
    probe.setDotsPerMeterX(qRound(1200 / 0.0254));
    probe.setDotsPerMeterY(qRound(1200 / 0.0254));
    // The main slot of a 14 mm label.
    const TFittedText fitted =
        FitLabelText(TMmCanvas(&probe), QStringLiteral("DejaVu Sans"), text, 12.0, 8.0, 9.0, 5.0);
    QTEST(fitted.Points, "points");
    QTEST(int(fitted.Lines.size()), "lines");
    QTEST(fitted.Lines.last().endsWith(QChar(0x2026)), "cut");
}

void tst_LabelPrint::overridesRoundTrip()
{
    QCOMPARE(LabelOverridesPath(QStringLiteral("/a/shop.v2.ckd")),
             QStringLiteral("/a/shop.v2.labels"));
    QCOMPARE(LabelOverridesPath(QStringLiteral("/a/pad")), QStringLiteral("/a/pad.labels"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pad.labels"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; mine\r\n[OTHER]\r\nKey1=kept\r\n[labels]\r\nKey3=old\r\nKey5=gone\r\n");
    file.close();
    TLabelOverrideTexts texts = ReadLabelOverrides(path);
    QCOMPARE(texts[3], QStringLiteral("old"));
    texts[5].clear();
    texts[0] = QStringLiteral(" blanks and \"quotes\" ");
    texts[19] = QStringLiteral("a=b [X] Café €5");
    QVERIFY(SaveLabelOverrides(path, texts).Ok);
    QVERIFY(ReadLabelOverrides(path) == texts);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    QVERIFY(
        bytes.startsWith("; mine\r\n[OTHER]\r\nKey1=kept\r\n[labels]\r\nKey3=old\r\nKey5=\r\n"));
    // A name that is taken by a folder is refused, and nothing is written.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x.labels")));
    const TSaveResult refused = SaveLabelOverrides(dir.filePath(QStringLiteral("x.labels")), texts);
    QVERIFY(!refused.Ok);
    QVERIFY(refused.Message.startsWith(QStringLiteral("Unable to write to ")));
}

void tst_LabelPrint::settingsRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PadwrightRx.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[CONFIGURATION]\r\nKeypad_Layout=1\r\n[KEY_LABELS]\r\nLabel_Width=99\r\n"
               "Label_Height=14.3\r\nLabel_Gap=x\r\nPaper=letter\r\nFont_Size=2\r\n");
    file.close();
    const TAppSettings settings(path);
    TKeyLabelSettings s = settings.ReadKeyLabelSettings();
    // Out of range to the bound, off the step to the nearest step, junk to the default.
    QCOMPARE(s.WidthMm, 30.0);
    QCOMPARE(s.HeightMm, 14.5);
    QCOMPARE(s.GapMm, 2.0);
    QCOMPARE(s.Paper, TPaper::Letter);
    QCOMPARE(s.FontSizePt, 5.0);
    s.WidthMm = 8.5;
    s.CutMarks = true;
    s.FontFamily = QStringLiteral("DejaVu Serif");
    QVERIFY(settings.WriteKeyLabelSettings(s));
    QVERIFY(settings.ReadKeyLabelSettings() == s);
    QCOMPARE(settings.Read().KeypadLayout, 1);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("[KEY_LABELS]\r\nLabel_Width=8.5\r\nLabel_Height=14.5\r\n"));
}

QTEST_MAIN(tst_LabelPrint)
#include "tst_labelprint.moc"
