#include "ui/main/Document.h"

#include "model/AppState.h"

TDocument::TDocument(TAppState& state, QObject* parent)
    : QObject(parent), fState(state), fUserFileName(UntitledName()), fRomFileName(UntitledName())
{
}

TKeypadClass& TDocument::Definition() const
{
    return fState.KeypadDefinition;
}

void TDocument::SetModified(bool modified)
{
    fModified = modified;
    Q_EMIT modifiedSet(modified);
}

QString TDocument::FileName(TFileKind kind) const
{
    return kind == TFileKind::Rom ? fRomFileName : fUserFileName;
}

void TDocument::SetFileName(TFileKind kind, const QString& path)
{
    (kind == TFileKind::Rom ? fRomFileName : fUserFileName) = path;
}

bool TDocument::IsUntitled(TFileKind kind) const
{
    return IsUntitledName(FileName(kind));
}

bool TDocument::IsUntitledName(const QString& fileName)
{
    return fileName.isEmpty() || fileName.compare(UntitledName(), Qt::CaseInsensitive) == 0;
}

QString TDocument::UntitledName()
{
    return QStringLiteral("untitled");
}

void TDocument::ForgetFiles()
{
    fUserFileName = UntitledName();
    fRomFileName = UntitledName();
    fDownloadArgument.clear();
    fReadWarnings.clear();
}
