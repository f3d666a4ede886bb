#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QWidget;
class THelpWindow;

// Help > User Manual and F1 in a dialog.
//
// The manual is the PDF OstrellaPro.pdf in the program folder, opened with
// the system's viewer through the Launcher. When no viewer can show it, the
// built-in copy of the manual opens in the help window instead; only when
// neither exists does the user get "Could not find "OstrellaPro.pdf" help
// file.". F1 in a dialog opens the help window at the dialog's chapter.
class TUserManual : public QObject
{
    Q_OBJECT

public:
    enum class TShown
    {
        Pdf,
        HelpWindow,
        Nothing
    };

    // `messageParent`: the window that message boxes belong to (the main
    // window).
    explicit TUserManual(QWidget* messageParent);
    // With another built-in manual (tests: an empty text stands for a
    // program built without it).
    TUserManual(QWidget* messageParent, QString markdown, QUrl baseUrl);
    ~TUserManual() override;
    TUserManual(const TUserManual&) = delete;
    TUserManual& operator=(const TUserManual&) = delete;

    // Help > User Manual.
    TShown Open();

    // The help window at the heading `anchor` (the top when empty or unknown),
    // in front of `owner` when that is a modal dialog, so that the help
    // window can be used while the dialog waits. False when the built-in
    // manual is missing (nothing is shown).
    bool ShowChapter(const QString& anchor, QWidget* owner = nullptr);

    // F1 in `dialog`: ShowChapter with the dialog's chapter.
    bool ShowForDialog(QWidget* dialog);

    // Makes F1 in any dialog of the application call ShowForDialog (an event
    // filter on the application; the main window's own F1 is its Help >
    // User Manual command).
    void InstallDialogHelpKey();

    // The chapter of a dialog, by its objectName; empty for a dialog the
    // manual has no chapter for.
    static QString ChapterForDialog(const QString& objectName);
    // Every dialog objectName that has a chapter.
    static QStringList DialogsWithChapters();

    // The help window; nullptr until it was first shown.
    THelpWindow* HelpWindow() const { return fWindow; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    THelpWindow* Window();

    QWidget* fMessageParent;
    QString fMarkdown;
    QUrl fBaseUrl;
    QPointer<THelpWindow> fWindow;
    bool fLoaded = false;
};
