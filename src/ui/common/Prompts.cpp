#include "ui/common/Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

TPrompts* installedPrompts = nullptr;

QString captionFor(const QString& caption)
{
    return caption.isEmpty() ? QApplication::applicationName() : caption;
}

// Shared by the open and the save dialog.
QString runFileDialog(QWidget* parent, const TFileDialogOptions& options, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, options.Title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(options.QtFilter());
    const QStringList filters = dialog.nameFilters();
    if (options.FilterIndex >= 0 && options.FilterIndex < filters.size())
        dialog.selectNameFilter(filters.at(options.FilterIndex));
    dialog.setDefaultSuffix(options.DefaultExt);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.OverwritePrompt);
    if (!options.InitialDir.isEmpty())
        dialog.setDirectory(options.InitialDir);
    if (!options.FileName.isEmpty())
        dialog.selectFile(options.FileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

} // namespace

QString TFileDialogOptions::QtFilter() const
{
    QStringList parts;
    for (const TFileFilter& filter : Filters) {
        // The descriptions already name their pattern in most cases; Qt needs
        // it in parentheses at the end to apply it.
        const QString suffix = QStringLiteral("(%1)").arg(filter.Pattern);
        if (filter.Description.endsWith(suffix))
            parts << filter.Description;
        else
            parts << QStringLiteral("%1 %2").arg(filter.Description, suffix);
    }
    return parts.join(QStringLiteral(";;"));
}

void TQtPrompts::Error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QCoreApplication::translate("TPrompts", "Error"), text,
                          QMessageBox::Ok);
}

void TQtPrompts::Information(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QCoreApplication::translate("TPrompts", "Information"), text,
                             QMessageBox::Ok);
}

TPromptAnswer TQtPrompts::YesNo(QWidget* parent, const QString& caption, const QString& text)
{
    const auto button = QMessageBox::question(parent, captionFor(caption), text,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return button == QMessageBox::Yes ? TPromptAnswer::Yes : TPromptAnswer::No;
}

TPromptAnswer TQtPrompts::YesNoCancel(QWidget* parent, const QString& caption, const QString& text)
{
    const auto button = QMessageBox::question(
        parent, captionFor(caption), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes);
    switch (button) {
    case QMessageBox::Yes:
        return TPromptAnswer::Yes;
    case QMessageBox::No:
        return TPromptAnswer::No;
    default:
        return TPromptAnswer::Cancel;
    }
}

QString TQtPrompts::OpenFileName(QWidget* parent, const TFileDialogOptions& options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

QString TQtPrompts::SaveFileName(QWidget* parent, const TFileDialogOptions& options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

namespace Prompts {

TPrompts& Get()
{
    static TQtPrompts qtPrompts;
    return installedPrompts ? *installedPrompts : qtPrompts;
}

TPrompts* Install(TPrompts* prompts)
{
    TPrompts* previous = installedPrompts;
    installedPrompts = prompts;
    return previous;
}

} // namespace Prompts
