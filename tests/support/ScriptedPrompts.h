#pragma once

#include "ui/common/Prompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

// Prompts for tests: records every box and dialog, answers from queues and
// never blocks. Installed for its lifetime.
class TScriptedPrompts : public TPrompts
{
public:
    struct TShown
    {
        QString Kind; // "error", "information", "yesno", "yesnocancel", "open", "save"
        QString Caption;
        QString Text; // message text, or the dialog title
    };

    TScriptedPrompts();
    ~TScriptedPrompts() override;
    TScriptedPrompts(const TScriptedPrompts&) = delete;
    TScriptedPrompts& operator=(const TScriptedPrompts&) = delete;

    // Answers for the next questions; without one a question gets Cancel
    // (No for a Yes/No question).
    void QueueAnswer(TPromptAnswer answer) { fAnswers.push_back(answer); }
    // Paths for the next file dialogs; an empty path cancels. Without one
    // the dialog is cancelled.
    void QueueFileName(const QString& path) { fFileNames.push_back(path); }
    // Drops the answers and paths no question has used.
    void DropQueued()
    {
        fAnswers.clear();
        fFileNames.clear();
    }

    std::vector<TShown> Shown;
    // The settings of every file dialog shown, in order.
    std::vector<TFileDialogOptions> Dialogs;

    QStringList Texts() const;
    QStringList TextsOf(const QString& kind) const;
    void Clear()
    {
        Shown.clear();
        Dialogs.clear();
    }

    void Error(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text) override;
    TPromptAnswer YesNo(QWidget* parent, const QString& caption, const QString& text) override;
    TPromptAnswer YesNoCancel(QWidget* parent, const QString& caption,
                              const QString& text) override;
    QString OpenFileName(QWidget* parent, const TFileDialogOptions& options) override;
    QString SaveFileName(QWidget* parent, const TFileDialogOptions& options) override;

private:
    TPromptAnswer nextAnswer(TPromptAnswer fallback);
    QString nextFileName();

    std::deque<TPromptAnswer> fAnswers;
    std::deque<QString> fFileNames;
    TPrompts* fPrevious = nullptr;
};
