#include "app/RecentFiles.h"

#include "files/IniFile.h"
#include "platform/Folders.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace {

const QString Section = QStringLiteral("RECENT_FILES");
const QString UrlPrefix = QStringLiteral("file:");

QString keyOf(TRecentFiles::TKind kind, int number)
{
    return (kind == TRecentFiles::TKind::User ? QStringLiteral("User") : QStringLiteral("Rom")) +
           QString::number(number);
}

QString absolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The value stored for `path`: the path itself, or its file URL when
// Windows-1252 cannot hold it or reading would take it for a URL.
QString encode(const QString& path)
{
    const bool fits = TIniFile::DecodeWindows1252(TIniFile::EncodeWindows1252(path)) == path;
    if (fits && !path.startsWith(UrlPrefix, Qt::CaseInsensitive))
        return path;
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
}

QString decode(const QString& value)
{
    if (value.startsWith(UrlPrefix, Qt::CaseInsensitive))
        return QUrl::fromEncoded(value.toLatin1()).toLocalFile();
    return value;
}

} // namespace

QString TRecentFiles::MissingFileMessage(const QString& path)
{
    return QCoreApplication::translate("TRecentFiles",
                                       "The file \"%1\" could not be found. It has been "
                                       "removed from the list of recent files.")
        .arg(Folders::ForDisplay(path));
}

bool TRecentFiles::SamePath(const QString& a, const QString& b)
{
#if defined(Q_OS_WIN)
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return absolute(a).compare(absolute(b), cs) == 0;
}

QStringList TRecentFiles::Read(TKind kind) const
{
    TIniFile ini;
    ini.Load(fPath); // a missing file is an empty list
    QStringList paths;
    for (int i = 1; i <= MaxEntries; ++i) {
        const QString path = decode(ini.ReadString(Section, keyOf(kind, i), QString()));
        if (path.isEmpty())
            continue;
        const bool listed = std::any_of(paths.cbegin(), paths.cend(),
                                        [&](const QString& p) { return SamePath(p, path); });
        if (!listed)
            paths << path;
    }
    return paths;
}

bool TRecentFiles::Add(TKind kind, const QString& path) const
{
    QStringList paths = Read(kind);
    paths.removeIf([&](const QString& p) { return SamePath(p, path); });
    paths.prepend(absolute(path));
    return Write(kind, paths.mid(0, MaxEntries));
}

bool TRecentFiles::Remove(TKind kind, const QString& path) const
{
    QStringList paths = Read(kind);
    paths.removeIf([&](const QString& p) { return SamePath(p, path); });
    return Write(kind, paths);
}

bool TRecentFiles::Clear(TKind kind) const
{
    return Write(kind, {});
}

QStringList TRecentFiles::RemoveMissing(TKind kind) const
{
    QStringList kept;
    QStringList gone;
    const QStringList paths = Read(kind);
    for (const QString& path : paths)
        (QFileInfo(path).isFile() ? kept : gone) << path;
    if (!gone.isEmpty())
        Write(kind, kept);
    return gone;
}

bool TRecentFiles::Write(TKind kind, const QStringList& paths) const
{
    TIniFile ini;
    if (!ini.Load(fPath) && QFileInfo::exists(fPath))
        return false; // never replace a settings file that could not be read
    for (int i = 1; i <= MaxEntries; ++i) {
        // A value longer than a read returns would come back cut: leave it out.
        QString value = i <= paths.size() ? encode(paths.at(i - 1)) : QString();
        if (value.size() > TIniFile::MaxValueLength)
            value.clear();
        ini.WriteString(Section, keyOf(kind, i), value);
    }
    return ini.Save(fPath);
}
