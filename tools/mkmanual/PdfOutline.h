#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Adds what Qt's PDF writer does not make to a finished PDF, as an
// incremental update appended to the file (the original bytes stay):
//   - an outline (bookmarks) of chapters and their sections;
//   - internal links: every link annotation whose URI is "#anchor" is made
//     to go to that anchor's place in the document.
// The viewer opens with the outline shown.
namespace PdfOutline {

// A place in the document: a zero-based page and the distance from the top
// of the page in points.
struct TPlace
{
    int Page = 0;
    double Top = 0;
};

struct TEntry
{
    // 2: chapter, 3: section within the chapter before it; the outline shows
    // these two levels, links may lead to any.
    int Level = 2;
    QString Title;
    QString Anchor;
    TPlace Place;
};

// `pdf`: the file as written by QPdfWriter. `pageHeight`: the page height in
// points. Returns the updated file, or an empty array with `error` set when
// the file does not look as expected.
QByteArray AddOutlineAndLinks(const QByteArray& pdf, const QList<TEntry>& entries,
                              double pageHeight, QString* error);

} // namespace PdfOutline
