#include "support/ScriptedPrompts.h"

TScriptedPrompts::TScriptedPrompts() : fPrevious(Prompts::Install(this)) {}

TScriptedPrompts::~TScriptedPrompts()
{
    Prompts::Install(fPrevious);
}

QStringList TScriptedPrompts::Texts() const
{
    QStringList texts;
    for (const TShown& shown : Shown)
        texts << shown.Text;
    return texts;
}

QStringList TScriptedPrompts::TextsOf(const QString& kind) const
{
    QStringList texts;
    for (const TShown& shown : Shown)
        if (shown.Kind == kind)
            texts << shown.Text;
    return texts;
}

TPromptAnswer TScriptedPrompts::nextAnswer(TPromptAnswer fallback)
{
    if (fAnswers.empty())
        return fallback;
    const TPromptAnswer answer = fAnswers.front();
    fAnswers.pop_front();
    return answer;
}

QString TScriptedPrompts::nextFileName()
{
    if (fFileNames.empty())
        return {};
    const QString path = fFileNames.front();
    fFileNames.pop_front();
    return path;
}

void TScriptedPrompts::Error(QWidget*, const QString& text)
{
    Shown.push_back({QStringLiteral("error"), QString(), text});
}

void TScriptedPrompts::Information(QWidget*, const QString& text)
{
    Shown.push_back({QStringLiteral("information"), QString(), text});
}

TPromptAnswer TScriptedPrompts::YesNo(QWidget*, const QString& caption, const QString& text)
{
    Shown.push_back({QStringLiteral("yesno"), caption, text});
    const TPromptAnswer answer = nextAnswer(TPromptAnswer::No);
    return answer == TPromptAnswer::Yes ? TPromptAnswer::Yes : TPromptAnswer::No;
}

TPromptAnswer TScriptedPrompts::YesNoCancel(QWidget*, const QString& caption, const QString& text)
{
    Shown.push_back({QStringLiteral("yesnocancel"), caption, text});
    return nextAnswer(TPromptAnswer::Cancel);
}

QString TScriptedPrompts::OpenFileName(QWidget*, const TFileDialogOptions& options)
{
    Shown.push_back({QStringLiteral("open"), QString(), options.Title});
    Dialogs.push_back(options);
    return nextFileName();
}

QString TScriptedPrompts::SaveFileName(QWidget*, const TFileDialogOptions& options)
{
    Shown.push_back({QStringLiteral("save"), QString(), options.Title});
    Dialogs.push_back(options);
    return nextFileName();
}
