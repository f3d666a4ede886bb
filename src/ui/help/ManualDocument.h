#pragma once

#include <QList>
#include <QString>

class QTextDocument;
class QUrl;

// The user manual as a text document, shared by the help window and by
// mkmanual, which prints it: the Markdown source of docs/manual.md, with an
// anchor on every heading so that links such as [Files](#6-files) lead there.
// Anchors are made as GitHub makes them, so the links also work when the
// Markdown is read there. Needs Qt Gui only.
namespace ManualDocument {

struct THeading
{
    int Level = 0; // 1 for the title, 2 for a chapter, 3 for a section
    QString Text;
    QString Anchor;
    int Position = 0; // of the heading's block in the document
};

// The anchor for heading text: lower case, punctuation other than '-' and
// '_' dropped, blanks made '-'.
QString Slug(const QString& heading);

// Sets `markdown` into `doc` (relative pictures and links resolved against
// `baseUrl`) and gives every heading its anchor; a repeated heading gets
// "-1", "-2", ... after its anchor.
void Load(QTextDocument& doc, const QString& markdown, const QUrl& baseUrl);

// Makes the pictures of a loaded document at most `maxWidth` wide (pixels
// at 96 dpi, as picture sizes count), each centred in a paragraph of its own
// with some room around it.
void FitPictures(QTextDocument& doc, double maxWidth);

// The headings of a loaded document, in order, with their anchors.
QList<THeading> Headings(const QTextDocument& doc);

} // namespace ManualDocument
