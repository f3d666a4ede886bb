#include "analysis/Backups.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <tuple>

namespace {

const QString StampFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");

// "<name> <date> <time>[ (<n>)].<extension>": only files named so are backups.
const QRegularExpression& BackupPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(.*) (\d{4}-\d\d-\d\d \d\d-\d\d-\d\d)(?: \((\d+)\))?\.[^.]+$)"));
    return pattern;
}

struct TBackupSet
{
    QString Stamp;
    int Sequence = 1;
    QString Stem;
    QStringList Files;
};

// The backups in `folder`, newest first; the files of one share a stem.
QList<TBackupSet> BackupSets(const QString& folder)
{
    QList<TBackupSet> sets;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch m = BackupPattern().match(name);
        if (!m.hasMatch())
            continue;
        const QString stem = name.left(name.lastIndexOf(QLatin1Char('.')));
        auto it = std::find_if(sets.begin(), sets.end(),
                               [&stem](const TBackupSet& s) { return s.Stem == stem; });
        if (it == sets.end()) {
            TBackupSet set;
            set.Stamp = m.captured(2);
            set.Sequence = m.captured(3).isEmpty() ? 1 : m.captured(3).toInt();
            set.Stem = stem;
            sets << set;
            it = sets.end() - 1;
        }
        it->Files << dir.filePath(name);
    }
    std::sort(sets.begin(), sets.end(), [](const TBackupSet& a, const TBackupSet& b) {
        return std::tie(a.Stamp, a.Sequence, a.Stem) > std::tie(b.Stamp, b.Sequence, b.Stem);
    });
    return sets;
}

bool CopyWhole(const QString& from, const QString& to, QString& message)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        message = QStringLiteral("Unable to read ") + Folders::ForDisplay(from);
        return false;
    }
    const QByteArray bytes = in.readAll();
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        message = QStringLiteral("Unable to write to ") + Folders::ForDisplay(to);
        return false;
    }
    return true;
}

} // namespace

TBackups::TBackups(const QString& dataFolder, int kept, TClock clock)
    : fFolder(Folders::Join(dataFolder, QStringLiteral("Backups"))), fKept(kept),
      fClock(std::move(clock))
{
    if (!fClock)
        fClock = [] { return QDateTime::currentDateTime(); };
}

TBackupResult TBackups::Backup(const QString& sentFile, const QString& definitionFile) const
{
    TBackupResult result;
    if (fKept <= 0) {
        result.Ok = true;
        return result;
    }
    QStringList sources{sentFile};
    if (!definitionFile.isEmpty() &&
        QFileInfo(definitionFile).absoluteFilePath() != QFileInfo(sentFile).absoluteFilePath())
        sources << definitionFile;
    if (!Folders::EnsureFolder(fFolder)) {
        result.Message = QStringLiteral("Unable to write to ") + Folders::ForDisplay(fFolder);
        return result;
    }

    // Every file of the backup gets the same stem, one that no file has yet.
    const QString name = QFileInfo(sources.last()).completeBaseName();
    const QString stamp = fClock().toString(StampFormat);
    const QDir dir(fFolder);
    QSet<QString> taken;
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden))
        taken.insert(QFileInfo(entry).completeBaseName());
    QStringList targets;
    for (int sequence = 1; targets.isEmpty(); ++sequence) {
        QString stem = name + QLatin1Char(' ') + stamp;
        if (sequence > 1)
            stem += QStringLiteral(" (%1)").arg(sequence);
        if (taken.contains(stem))
            continue;
        for (const QString& source : sources)
            targets << dir.filePath(stem + QLatin1Char('.') + QFileInfo(source).suffix());
    }

    for (qsizetype i = 0; i < sources.size(); ++i) {
        if (!CopyWhole(sources.at(i), targets.at(i), result.Message)) {
            for (const QString& written : std::as_const(result.Written))
                QFile::remove(written);
            result.Written.clear();
            return result;
        }
        result.Written << targets.at(i);
    }
    result.Ok = true;
    result.Removed = Prune();
    return result;
}

QList<QStringList> TBackups::List() const
{
    QList<QStringList> list;
    for (const TBackupSet& set : BackupSets(fFolder))
        list << set.Files;
    return list;
}

QStringList TBackups::Prune() const
{
    QStringList removed;
    const QList<TBackupSet> sets = BackupSets(fFolder);
    for (qsizetype i = fKept; i < sets.size(); ++i) {
        for (const QString& file : sets.at(i).Files)
            if (QFile::remove(file))
                removed << file;
    }
    return removed;
}
