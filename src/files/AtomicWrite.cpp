#include "files/AtomicWrite.h"

#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <vector>

namespace {

void (*BeforeReplace)(const QString& target) = nullptr;

// One file on its way: written to Temporary, then renamed over Target.
struct TPending
{
    QString Shown;     // the path as the caller gave it, for messages
    QString Target;    // where the bytes go: a link's target, or the path itself
    QString Temporary; // the new bytes, not yet in place
    QString Aside;     // the old target, kept until every file is in place
    bool Existed = false;
    bool Stranded = false; // the old bytes could not be put back: Aside stays for the user
};

QString RandomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix(6, Qt::Uninitialized);
    for (QChar& c : suffix)
        c = QLatin1Char(letters[QRandomGenerator::global()->bounded(36)]);
    return suffix;
}

// A name beside `target` that nothing uses yet.
QString FreeName(const QString& target)
{
    QString name;
    do
        name = target + QLatin1Char('.') + RandomSuffix();
    while (QFileInfo::exists(name));
    return name;
}

QString ResolveTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// Refuses a target that is there but is not a regular file.
bool CheckTarget(TPending& p, QString& error)
{
    p.Target = ResolveTarget(p.Shown);
    const QFileInfo info(p.Target);
    p.Existed = info.exists();
    if (p.Existed && !info.isFile()) {
        error = WriteRefusal(p.Shown, QStringLiteral("not a regular file"));
        return false;
    }
    if (p.Existed && !info.isWritable()) {
        error = WriteRefusal(p.Shown, QStringLiteral("the file is read-only"));
        return false;
    }
    return true;
}

bool WriteTemporary(TPending& p, const QByteArray& bytes, QString& error)
{
    QFile file;
    // A new name each time; a name taken in the meantime is tried again.
    for (int attempt = 0; attempt < 16; ++attempt) {
        file.setFileName(FreeName(p.Target));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (!QFileInfo::exists(file.fileName())) {
            error = WriteRefusal(p.Shown, file.errorString());
            return false;
        }
    }
    if (!file.isOpen()) {
        error = WriteRefusal(p.Shown, file.errorString());
        return false;
    }
    p.Temporary = file.fileName();
    const bool written =
        file.write(bytes) == bytes.size() && file.flush() && FileSystem::FlushToDisk(file);
    const QString reason = file.errorString();
    file.close();
    if (!written) {
        error = WriteRefusal(p.Shown, reason);
        return false;
    }
    // The new file keeps the access rights of the one it replaces.
    if (p.Existed)
        QFile::setPermissions(p.Temporary, QFileInfo(p.Target).permissions());
    return true;
}

// Puts back what the files before `count` held.
void RollBack(std::vector<TPending>& pending, size_t count)
{
    QString ignored;
    for (size_t i = count; i-- > 0;) {
        TPending& p = pending[i];
        if (!p.Aside.isEmpty())
            p.Stranded = !FileSystem::ReplaceFile(p.Aside, p.Target, ignored);
        else if (!p.Existed)
            QFile::remove(p.Target);
    }
}

bool PutInPlace(std::vector<TPending>& pending, QString& error)
{
    for (size_t i = 0; i < pending.size(); ++i) {
        TPending& p = pending[i];
        QString reason;
        // Every file but the last keeps its old bytes aside, so that a later
        // refusal can still put them back.
        if (p.Existed && i + 1 < pending.size()) {
            p.Aside = FreeName(p.Target);
            if (!FileSystem::KeepAside(p.Target, p.Aside, reason)) {
                p.Aside.clear();
                RollBack(pending, i);
                error = WriteRefusal(p.Shown, reason);
                return false;
            }
        }
        if (BeforeReplace)
            BeforeReplace(p.Target);
        if (!FileSystem::ReplaceFile(p.Temporary, p.Target, reason)) {
            RollBack(pending, i);
            error = WriteRefusal(p.Shown, reason);
            return false;
        }
        p.Temporary.clear();
    }
    return true;
}

} // namespace

void SetBeforeReplaceHook(void (*hook)(const QString& target))
{
    BeforeReplace = hook;
}

QString WriteRefusal(const QString& path, const QString& reason)
{
    QString text = QStringLiteral("Unable to write to ") + path;
    QString why = reason.trimmed();
    while (why.endsWith(QLatin1Char('.')))
        why.chop(1);
    if (!why.isEmpty())
        text += QStringLiteral(": ") + why + QLatin1Char('.');
    return text;
}

TSaveResult CheckWriteTarget(const QString& path)
{
    TPending p;
    p.Shown = path;
    QString error;
    const bool ok = CheckTarget(p, error);
    return {ok, error};
}

TSaveResult CommitFile(const QString& path, const QByteArray& bytes)
{
    return CommitFiles({{path, bytes}});
}

TSaveResult CommitFiles(const QList<TFileContent>& files)
{
    std::vector<TPending> pending(size_t(files.size()));
    QString error;
    bool ok = true;
    for (qsizetype i = 0; ok && i < files.size(); ++i) {
        pending[size_t(i)].Shown = files.at(i).Path;
        ok = CheckTarget(pending[size_t(i)], error);
    }
    for (qsizetype i = 0; ok && i < files.size(); ++i)
        ok = WriteTemporary(pending[size_t(i)], files.at(i).Bytes, error);
    if (ok)
        ok = PutInPlace(pending, error);
    for (const TPending& p : pending) {
        if (!p.Temporary.isEmpty())
            QFile::remove(p.Temporary);
        if (!p.Aside.isEmpty() && !p.Stranded)
            QFile::remove(p.Aside);
    }
    return {ok, ok ? QString() : error};
}
