#pragma once

#include "files/ReadWarning.h"

#include <QObject>
#include <QString>

class TAppState;
class TKeypadClass;

// The kind of definition file a title, a file name or a load result refers to.
enum class TFileKind
{
    User, // user definition file (ckd)
    Rom   // ROM definition file (rom)
};

// The definition being edited: the keypad definition and the ROM properties
// (held by the application state), the current file of each kind, the
// argument Download hands the loader, and whether there are unsaved changes.
// The main window owns one; edits report themselves through SetModified.
class TDocument : public QObject
{
    Q_OBJECT

public:
    explicit TDocument(TAppState& state, QObject* parent = nullptr);

    TAppState& State() const { return fState; }
    TKeypadClass& Definition() const;

    // Unsaved changes. Every call is announced, also one that repeats the
    // state, so that the window's change mark and Save follow each call.
    bool IsModified() const { return fModified; }
    void SetModified(bool modified);

    // The current file of each kind: "untitled" until one is opened or saved.
    QString FileName(TFileKind kind) const;
    void SetFileName(TFileKind kind, const QString& path);
    // No file chosen yet: the name is empty or "untitled" (any letter case).
    bool IsUntitled(TFileKind kind) const;
    static bool IsUntitledName(const QString& fileName);
    static QString UntitledName();

    // The quoted path of the download image that Download passes to the
    // loader in USER Mode; empty while no user definition file is known.
    QString DownloadArgument() const { return fDownloadArgument; }
    void SetDownloadArgument(const QString& argument) { fDownloadArgument = argument; }

    // After New: no file of either kind, no download argument, no reader warnings.
    void ForgetFiles();

    // What the reader skipped, cut or ignored in the file last opened: the
    // definition check reports it until the next New or Open.
    const TReadWarnings& ReadWarnings() const { return fReadWarnings; }
    void SetReadWarnings(const TReadWarnings& warnings) { fReadWarnings = warnings; }

Q_SIGNALS:
    void modifiedSet(bool modified);

private:
    TAppState& fState;
    bool fModified = false;
    QString fUserFileName;
    QString fRomFileName;
    QString fDownloadArgument;
    TReadWarnings fReadWarnings;
};
