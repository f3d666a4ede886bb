#include "ui/help/HelpWindow.h"

#include "ui/help/ManualDocument.h"

#include <QAction>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const int AnchorRole = Qt::UserRole;
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("PadwrightRx User Manual"));
    resize(1120, 780);

    auto* findLabel = new QLabel(tr("&Find:"));
    fFindLine = new QLineEdit;
    fFindLine->setObjectName(QStringLiteral("edFind"));
    fFindLine->setPlaceholderText(tr("Text to find in the manual"));
    fFindLine->setClearButtonEnabled(true);
    findLabel->setBuddy(fFindLine);
    auto* previous = new QPushButton(tr("&Previous"));
    previous->setObjectName(QStringLiteral("btnFindPrevious"));
    auto* next = new QPushButton(tr("&Next"));
    next->setObjectName(QStringLiteral("btnFindNext"));
    fFindStatus = new QLabel;
    fFindStatus->setObjectName(QStringLiteral("lblFindStatus"));
    fFindStatus->setMinimumWidth(fontMetrics().horizontalAdvance(tr("Not found")) + 8);

    auto* findBar = new QHBoxLayout;
    findBar->addWidget(findLabel);
    findBar->addWidget(fFindLine, 1);
    findBar->addWidget(previous);
    findBar->addWidget(next);
    findBar->addWidget(fFindStatus);

    fContents = new QTreeWidget;
    fContents->setObjectName(QStringLiteral("treeContents"));
    fContents->setHeaderHidden(true);
    fContents->setColumnCount(1);
    fContents->header()->setStretchLastSection(true);

    fBrowser = new QTextBrowser;
    fBrowser->setObjectName(QStringLiteral("browserManual"));
    fBrowser->setOpenLinks(false);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(fContents);
    splitter->addWidget(fBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({290, 830});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(findBar);
    layout->addWidget(splitter, 1);

    fFindAction = new QAction(tr("Find"), this);
    fFindAction->setObjectName(QStringLiteral("actFind"));
    fFindAction->setShortcut(QKeySequence::Find);
    addAction(fFindAction);
    connect(fFindAction, &QAction::triggered, this, [this] {
        fFindLine->setFocus(Qt::ShortcutFocusReason);
        fFindLine->selectAll();
    });
    auto* findNext = new QAction(tr("Find Next"), this);
    findNext->setShortcut(QKeySequence::FindNext);
    addAction(findNext);
    auto* findPrevious = new QAction(tr("Find Previous"), this);
    findPrevious->setShortcut(QKeySequence::FindPrevious);
    addAction(findPrevious);

    connect(findNext, &QAction::triggered, this, [this] { FindFromLine(false); });
    connect(findPrevious, &QAction::triggered, this, [this] { FindFromLine(true); });
    connect(next, &QPushButton::clicked, this, [this] { FindFromLine(false); });
    connect(previous, &QPushButton::clicked, this, [this] { FindFromLine(true); });
    connect(fFindLine, &QLineEdit::returnPressed, this, [this] { FindFromLine(false); });
    connect(fFindLine, &QLineEdit::textChanged, fFindStatus, &QLabel::clear);
    connect(fContents, &QTreeWidget::itemActivated, this, &THelpWindow::ContentsItemActivated);
    connect(fContents, &QTreeWidget::itemClicked, this, &THelpWindow::ContentsItemActivated);
    connect(fBrowser, &QTextBrowser::anchorClicked, this, &THelpWindow::LinkClicked);
}

bool THelpWindow::Load(const QString& markdown, const QUrl& baseUrl)
{
    if (markdown.trimmed().isEmpty())
        return false;
    ManualDocument::Load(*fBrowser->document(), markdown, baseUrl);
    // The pictures read well at this size and leave the text its width.
    ManualDocument::FitPictures(*fBrowser->document(), 720);
    BuildContents();
    return true;
}

void THelpWindow::BuildContents()
{
    fContents->clear();
    QTreeWidgetItem* chapter = nullptr;
    const QList<ManualDocument::THeading> headings =
        ManualDocument::Headings(*fBrowser->document());
    for (const ManualDocument::THeading& heading : headings) {
        QTreeWidgetItem* item = nullptr;
        if (heading.Level <= 2 || !chapter) {
            item = new QTreeWidgetItem(fContents);
            if (heading.Level == 2)
                chapter = item;
        } else if (heading.Level == 3) {
            item = new QTreeWidgetItem(chapter);
        } else {
            continue; // deeper headings would crowd the contents
        }
        item->setText(0, heading.Text);
        item->setData(0, AnchorRole, heading.Anchor);
    }
}

QStringList THelpWindow::Anchors() const
{
    QStringList anchors;
    const QList<ManualDocument::THeading> headings =
        ManualDocument::Headings(*fBrowser->document());
    for (const ManualDocument::THeading& heading : headings)
        anchors << heading.Anchor;
    return anchors;
}

bool THelpWindow::ShowChapter(const QString& anchor)
{
    if (anchor.isEmpty()) {
        fBrowser->moveCursor(QTextCursor::Start);
        fBrowser->verticalScrollBar()->setValue(0);
        fContents->setCurrentItem(nullptr);
        return true;
    }
    if (!Anchors().contains(anchor))
        return false;
    fBrowser->scrollToAnchor(anchor);
    for (QTreeWidgetItemIterator it(fContents); *it; ++it) {
        if ((*it)->data(0, AnchorRole).toString() == anchor) {
            fContents->setCurrentItem(*it);
            fContents->scrollToItem(*it);
            break;
        }
    }
    return true;
}

void THelpWindow::ContentsItemActivated(QTreeWidgetItem* item)
{
    if (item)
        ShowChapter(item->data(0, AnchorRole).toString());
}

void THelpWindow::LinkClicked(const QUrl& url)
{
    if (url.isRelative() && url.path().isEmpty()) { // "#anchor": a place in the manual
        ShowChapter(url.fragment());
        return;
    }
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        QDesktopServices::openUrl(url);
}

bool THelpWindow::Find(const QString& text, bool backward)
{
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (fBrowser->find(text, flags))
        return true;
    // Wrap around: start again from the other end.
    const QTextCursor before = fBrowser->textCursor();
    fBrowser->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
    if (fBrowser->find(text, flags))
        return true;
    fBrowser->setTextCursor(before);
    return false;
}

void THelpWindow::FindFromLine(bool backward)
{
    const bool found = Find(fFindLine->text(), backward);
    fFindStatus->setText(found || fFindLine->text().isEmpty() ? QString() : tr("Not found"));
}
