#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

// Every message box and every open/save file dialog of the editor goes
// through TPrompts. The installed instance shows real Qt dialogs; tests
// install a scripted one that records what was shown and answers from a queue.

enum class TPromptAnswer
{
    Ok,
    Yes,
    No,
    Cancel
};

// One filter line of a file dialog: the description the user sees and the
// pattern it stands for ("Ostrella ROM Files (*.rom)", "*.rom").
struct TFileFilter
{
    QString Description;
    QString Pattern;
};

// The settings of one open or save dialog. The window keeps one of these per
// dialog, so the chosen file name and the initial folder live on between uses.
struct TFileDialogOptions
{
    QString Title;
    std::vector<TFileFilter> Filters;
    int FilterIndex = 0; // the filter selected when the dialog opens
    QString DefaultExt;  // appended when the user types a name without one
    QString InitialDir;
    QString FileName;             // proposed name; the chosen path after a use
    bool OverwritePrompt = false; // save dialogs: ask before replacing a file

    // The filter text in Qt's form: "desc (pattern);;desc (pattern)".
    QString QtFilter() const;
};

class TPrompts
{
public:
    virtual ~TPrompts() = default;

    // Error box with an OK button.
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // Information box with an OK button.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // Question with Yes and No; returns Yes or No.
    virtual TPromptAnswer YesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Confirmation with Yes, No and Cancel.
    virtual TPromptAnswer YesNoCancel(QWidget* parent, const QString& caption,
                                      const QString& text) = 0;
    // File dialogs: the chosen path, or an empty string when cancelled.
    virtual QString OpenFileName(QWidget* parent, const TFileDialogOptions& options) = 0;
    virtual QString SaveFileName(QWidget* parent, const TFileDialogOptions& options) = 0;
};

// The Qt implementation.
class TQtPrompts : public TPrompts
{
public:
    void Error(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text) override;
    TPromptAnswer YesNo(QWidget* parent, const QString& caption, const QString& text) override;
    TPromptAnswer YesNoCancel(QWidget* parent, const QString& caption,
                              const QString& text) override;
    QString OpenFileName(QWidget* parent, const TFileDialogOptions& options) override;
    QString SaveFileName(QWidget* parent, const TFileDialogOptions& options) override;
};

namespace Prompts {

// The prompts in use. Until something is installed, a TQtPrompts.
TPrompts& Get();
// Installs `prompts` (not owned) and returns the one it replaces; nullptr
// returns to the Qt implementation.
TPrompts* Install(TPrompts* prompts);

// Shorthands for the installed instance.
inline void Error(QWidget* parent, const QString& text)
{
    Get().Error(parent, text);
}
inline void Information(QWidget* parent, const QString& text)
{
    Get().Information(parent, text);
}
inline TPromptAnswer YesNo(QWidget* parent, const QString& caption, const QString& text)
{
    return Get().YesNo(parent, caption, text);
}
inline TPromptAnswer YesNoCancel(QWidget* parent, const QString& caption, const QString& text)
{
    return Get().YesNoCancel(parent, caption, text);
}
inline QString OpenFileName(QWidget* parent, const TFileDialogOptions& options)
{
    return Get().OpenFileName(parent, options);
}
inline QString SaveFileName(QWidget* parent, const TFileDialogOptions& options)
{
    return Get().SaveFileName(parent, options);
}

} // namespace Prompts
