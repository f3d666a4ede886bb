#include "PdfOutline.h"

#include <QHash>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <iterator>
#include <map>

namespace PdfOutline {

namespace {

// The objects of the file: number -> offset of "N 0 obj". Later definitions
// (of earlier updates) win, as they do for a reader.
std::map<int, qsizetype> objectOffsets(const QByteArray& pdf)
{
    std::map<int, qsizetype> offsets;
    static const QRegularExpression object(QStringLiteral("(?:^|[\\r\\n])(\\d+) 0 obj\\b"));
    const QString text = QString::fromLatin1(pdf);
    for (auto it = object.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        offsets[match.captured(1).toInt()] = match.capturedStart(1);
    }
    return offsets;
}

QByteArray objectBody(const QByteArray& pdf, qsizetype offset)
{
    const qsizetype begin = pdf.indexOf("obj", offset) + 3;
    const qsizetype end = pdf.indexOf("endobj", begin);
    return end < 0 ? QByteArray() : pdf.mid(begin, end - begin).trimmed();
}

// A PDF text string that holds any character: UTF-16 with its byte order mark.
QByteArray textString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

QByteArray ref(int number)
{
    return QByteArray::number(number) + " 0 R";
}

QByteArray destination(const QList<int>& pages, const TPlace& place, double pageHeight)
{
    const double top = pageHeight - place.Top;
    return '[' + ref(pages.value(place.Page, pages.last())) + " /XYZ null " +
           QByteArray::number(top, 'f', 1) + " null]";
}

struct TWriter
{
    QByteArray Out;
    std::map<int, qsizetype> Offsets;
    qsizetype Base = 0;

    void Object(int number, const QByteArray& body)
    {
        Offsets[number] = Base + Out.size();
        Out += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    }
};

QByteArray crossReference(const std::map<int, qsizetype>& offsets)
{
    QByteArray xref = "xref\n";
    for (const auto& [number, offset] : offsets) {
        xref += QByteArray::number(number) + " 1\n";
        xref += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    return xref;
}

// The outline tree: chapters at the top, each with its sections.
void writeOutline(TWriter& writer, int outlinesNumber, int firstNumber,
                  const QList<TEntry>& entries, const QList<int>& pages, double pageHeight)
{
    // Numbers in entry order; parent of a section is the chapter before it.
    QList<int> parent;
    int chapter = -1;
    for (int i = 0; i < entries.size(); ++i) {
        const bool isSection = entries[i].Level > 2 && chapter >= 0;
        if (!isSection)
            chapter = i;
        parent << (isSection ? chapter : -1);
    }
    auto number = [&](int i) { return firstNumber + i; };
    auto children = [&](int p) {
        QList<int> list;
        for (int i = 0; i < entries.size(); ++i)
            if (parent[i] == p)
                list << i;
        return list;
    };
    const QList<int> top = children(-1);
    for (int i = 0; i < entries.size(); ++i) {
        const QList<int> siblings = children(parent[i]);
        const int at = siblings.indexOf(i);
        QByteArray body = "<<\n/Title " + textString(entries[i].Title) + "\n/Parent " +
                          ref(parent[i] < 0 ? outlinesNumber : number(parent[i])) + "\n/Dest " +
                          destination(pages, entries[i].Place, pageHeight) + '\n';
        if (at > 0)
            body += "/Prev " + ref(number(siblings[at - 1])) + '\n';
        if (at + 1 < siblings.size())
            body += "/Next " + ref(number(siblings[at + 1])) + '\n';
        const QList<int> mine = children(i);
        if (!mine.isEmpty())
            body += "/First " + ref(number(mine.first())) + "\n/Last " + ref(number(mine.last())) +
                    "\n/Count -" + QByteArray::number(mine.size()) + '\n'; // sections closed
        writer.Object(number(i), body + ">>");
    }
    writer.Object(outlinesNumber, "<<\n/Type /Outlines\n/First " + ref(number(top.first())) +
                                      "\n/Last " + ref(number(top.last())) + "\n/Count " +
                                      QByteArray::number(top.size()) + "\n>>");
}

} // namespace

namespace {

// What the update builds on: the original trailer's values, the catalog and
// the pages in order.
struct TStructure
{
    int Size = 0;
    int Root = 0;
    int Info = -1;
    qsizetype PreviousXref = 0;
    QByteArray Catalog;
    QList<int> Pages;
    std::map<int, qsizetype> Offsets;
};

QString readStructure(const QByteArray& pdf, TStructure& file)
{
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt)
        return QStringLiteral("no classic trailer");
    const QString trailer = QString::fromLatin1(pdf.mid(trailerAt, startAt - trailerAt));
    static const QRegularExpression sizeRe(QStringLiteral("/Size (\\d+)"));
    static const QRegularExpression rootRe(QStringLiteral("/Root (\\d+) 0 R"));
    static const QRegularExpression infoRe(QStringLiteral("/Info (\\d+) 0 R"));
    const auto size = sizeRe.match(trailer);
    const auto root = rootRe.match(trailer);
    const auto info = infoRe.match(trailer);
    file.PreviousXref = pdf.mid(startAt + 9).trimmed().split('\n').value(0).trimmed().toLongLong();
    if (!size.hasMatch() || !root.hasMatch() || file.PreviousXref <= 0)
        return QStringLiteral("no /Size, /Root or startxref");
    file.Size = size.captured(1).toInt();
    file.Root = root.captured(1).toInt();
    file.Info = info.hasMatch() ? info.captured(1).toInt() : -1;

    file.Offsets = objectOffsets(pdf);
    if (!file.Offsets.count(file.Root))
        return QStringLiteral("no catalog object");
    file.Catalog = objectBody(pdf, file.Offsets.at(file.Root));
    static const QRegularExpression pagesRe(QStringLiteral("/Pages (\\d+) 0 R"));
    const auto pagesRef = pagesRe.match(QString::fromLatin1(file.Catalog));
    if (!file.Catalog.endsWith(">>") || !pagesRef.hasMatch() ||
        !file.Offsets.count(pagesRef.captured(1).toInt()))
        return QStringLiteral("no page tree");
    static const QRegularExpression kidsRe(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
    const auto kids = kidsRe.match(
        QString::fromLatin1(objectBody(pdf, file.Offsets.at(pagesRef.captured(1).toInt()))));
    static const QRegularExpression pageRef(QStringLiteral("(\\d+) 0 R"));
    for (auto it = pageRef.globalMatch(kids.captured(1)); it.hasNext();)
        file.Pages << it.next().captured(1).toInt();
    return file.Pages.isEmpty() ? QStringLiteral("no pages") : QString();
}

// Links to "#anchor": the same annotations, now going to the places.
QString rewriteLinks(const QByteArray& pdf, const TStructure& file, const QList<TEntry>& entries,
                     double pageHeight, TWriter& writer)
{
    QHash<QString, TPlace> places;
    for (const TEntry& entry : entries)
        places.insert(entry.Anchor, entry.Place);
    static const QRegularExpression uriRe(QStringLiteral("/URI \\(#([^)]*)\\)"));
    static const QRegularExpression actionRe(QStringLiteral("/A\\s*<<"));
    for (const auto& [number, offset] : file.Offsets) {
        QByteArray body = objectBody(pdf, offset);
        const auto uri = uriRe.match(QString::fromLatin1(body));
        if (!body.contains("/Subtype /Link") || !uri.hasMatch())
            continue;
        const QString anchor = QUrl::fromPercentEncoding(uri.captured(1).toLatin1());
        if (!places.contains(anchor))
            return QStringLiteral("a link to the unknown place #%1").arg(anchor);
        const qsizetype actionAt = actionRe.match(QString::fromLatin1(body)).capturedStart();
        const qsizetype actionEnd = actionAt < 0 ? -1 : body.indexOf(">>", actionAt);
        if (actionEnd < 0)
            return QStringLiteral("a link without an action");
        body.replace(actionAt, actionEnd + 2 - actionAt,
                     "/Dest " + destination(file.Pages, places.value(anchor), pageHeight));
        writer.Object(number, body);
    }
    return QString();
}

} // namespace

QByteArray AddOutlineAndLinks(const QByteArray& pdf, const QList<TEntry>& entries,
                              double pageHeight, QString* error)
{
    TStructure file;
    QString problem = entries.isEmpty() ? QStringLiteral("no headings") : readStructure(pdf, file);
    TWriter writer;
    writer.Base = pdf.size() + 1;
    if (problem.isEmpty())
        problem = rewriteLinks(pdf, file, entries, pageHeight, writer);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return QByteArray();
    }

    QList<TEntry> outline;
    std::copy_if(entries.cbegin(), entries.cend(), std::back_inserter(outline),
                 [](const TEntry& entry) { return entry.Level == 2 || entry.Level == 3; });
    if (outline.isEmpty()) {
        if (error)
            *error = QStringLiteral("no chapters");
        return QByteArray();
    }
    const int outlines = file.Size;
    writeOutline(writer, outlines, outlines + 1, outline, file.Pages, pageHeight);
    QByteArray catalog = file.Catalog;
    catalog.chop(2);
    catalog = catalog.trimmed() + "\n/Outlines " + ref(outlines) + "\n/PageMode /UseOutlines\n>>";
    writer.Object(file.Root, catalog);

    const qsizetype xrefAt = writer.Base + writer.Out.size();
    QByteArray update = crossReference(writer.Offsets);
    update += "trailer\n<<\n/Size " + QByteArray::number(outlines + 1 + outline.size()) +
              "\n/Root " + ref(file.Root) + '\n';
    if (file.Info >= 0)
        update += "/Info " + ref(file.Info) + '\n';
    update += "/Prev " + QByteArray::number(file.PreviousXref) + "\n>>\nstartxref\n" +
              QByteArray::number(xrefAt) + "\n%%EOF\n";
    return pdf + '\n' + writer.Out + update;
}

} // namespace PdfOutline
