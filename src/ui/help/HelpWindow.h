#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// The user manual inside the program: the manual's Markdown in a text
// browser, its chapters and sections in a table of contents beside it, and a
// search line (Ctrl+F; F3 and Shift+F3 find the next and the previous match).
// Links between chapters work; links to web pages open in the browser.
class THelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows `markdown`, its pictures found below `baseUrl`. False when the
    // text is empty (nothing to show).
    bool Load(const QString& markdown, const QUrl& baseUrl);

    // Scrolls to the heading with `anchor` and selects it in the contents;
    // an empty anchor goes to the top. False when there is no such heading.
    bool ShowChapter(const QString& anchor);

    // Finds `text` after (or before) the cursor, wrapping around; selects it.
    bool Find(const QString& text, bool backward = false);

    // Every heading's anchor, in order.
    QStringList Anchors() const;

    QTextBrowser* Browser() const { return fBrowser; }

private:
    void BuildContents();
    void ContentsItemActivated(QTreeWidgetItem* item);
    void LinkClicked(const QUrl& url);
    void FindFromLine(bool backward);

    QTreeWidget* fContents = nullptr;
    QTextBrowser* fBrowser = nullptr;
    QLineEdit* fFindLine = nullptr;
    QLabel* fFindStatus = nullptr;
    QAction* fFindAction = nullptr;
};
