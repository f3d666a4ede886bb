#include "Loader.h"

#include "ImageCheck.h"
#include "PortNumbers.h"
#include "PortText.h"
#include "RomCheck.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {
constexpr qint64 MaxFileSize = 4 * 1024 * 1024; // far more than any definition needs

enum class FileKind
{
    Image,
    Definition,
    Unknown
};

FileKind kindOf(const QString& path, const QByteArray& bytes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("hex"))
        return FileKind::Image;
    if (suffix == QLatin1String("rom") || suffix == QLatin1String("ckd"))
        return FileKind::Definition;
    for (const char c : bytes) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        if (c == '"')
            return FileKind::Image;
        if (c == '[')
            return FileKind::Definition;
        break;
    }
    return FileKind::Unknown;
}

QStringList portReport()
{
    QStringList lines;
    const QString dataIni = Folders::PortSettingsFile();
    const QString programIni = Folders::DelaySettingsFile();
    const TLoaderPortChoice choice = TLoaderSettings(dataIni).ReadPortChoice();
    lines << QStringLiteral("Port settings:           %1").arg(QDir::toNativeSeparators(dataIni));
    lines << QStringLiteral("Port:                    %1").arg(DescribePort(choice));
    if (choice.ComPort > 0) {
        const QString name = PortNumbers::nameForNumber(choice.ComPort);
        bool present = false;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            present = present || PortNumbers::numberForName(info.portName()) == choice.ComPort;
        if (name.isEmpty())
            lines << QStringLiteral("                         This port number names no serial "
                                    "port on this computer.");
        else
            lines << QStringLiteral("                         %1 is %2 on this computer.")
                         .arg(name,
                              present ? QStringLiteral("present") : QStringLiteral("not present"));
    } else if (choice.ComPort == 0) {
        lines << QStringLiteral("                         Choose the port with Set Port first.");
    } else if (choice.ComPort == -1) {
        lines << QStringLiteral("                         A keypad in keyboard mode cannot take "
                                "a download; choose its serial port with Set Port.");
    }
    int32_t delay = 0;
    QString from = programIni;
    bool present = TLoaderSettings(programIni).ReadDownloadDelay(delay);
    if (!present) {
        present = TLoaderSettings(dataIni).ReadDownloadDelay(delay);
        from = dataIni;
    }
    if (present)
        lines << QStringLiteral("Download delay:          %1 ms (from %2)")
                     .arg(QString::number(delay), QDir::toNativeSeparators(from));
    else
        lines << QStringLiteral("Download delay:          none recorded");
    return lines;
}
} // namespace

QString pathFromArguments(const QStringList& arguments)
{
    QString path = arguments.join(QLatin1Char(' ')).trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2).trimmed();
    return path;
}

QString nothingSentText()
{
    return QStringLiteral("Nothing was sent to the keypad. RxLoad checks files only: the keypad's "
                          "transfer protocol is not part of PadwrightRx.");
}

LoadCheck checkFile(const QString& path)
{
    LoadCheck check;
    check.path = path;
    check.portLines = portReport();

    QFile file(path);
    if (path.isEmpty()) {
        check.readError = QStringLiteral("No file was given.");
        return check;
    }
    // A device or a FIFO would never end (or never start).
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile()) {
        check.readError = QStringLiteral("Cannot read %1: not a regular file")
                              .arg(QDir::toNativeSeparators(path));
        return check;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        check.readError = QStringLiteral("Cannot read %1: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString());
        return check;
    }
    if (file.size() > MaxFileSize) {
        check.readError = QStringLiteral("%1 is too large to be a keypad definition.")
                              .arg(QDir::toNativeSeparators(path));
        return check;
    }
    const QByteArray bytes = file.readAll();
    check.readable = true;
    switch (kindOf(path, bytes)) {
    case FileKind::Image:
        check.report = checkDownloadImage(bytes);
        break;
    case FileKind::Definition:
        check.report =
            checkDefinitionFile(bytes, QFileInfo(path).suffix().compare(QLatin1String("ckd"),
                                                                        Qt::CaseInsensitive) != 0);
        break;
    case FileKind::Unknown:
        check.report.kind = QStringLiteral("unknown file");
        check.report.faults << QStringLiteral("The file is neither a download image (.hex) nor "
                                              "a ROM file (.rom).");
        break;
    }
    return check;
}

int LoadCheck::exitStatus() const
{
    if (!readable)
        return 2;
    return report.ok() ? 0 : 1;
}

QString LoadCheck::headline() const
{
    if (!readable)
        return readError;
    if (report.ok())
        return QStringLiteral("The %1 was checked: no faults found.").arg(report.kind);
    return QStringLiteral("The %1 was checked: %2 fault%3 found. It must not be downloaded.")
        .arg(report.kind, QString::number(report.faults.size()),
             report.faults.size() == 1 ? QString() : QStringLiteral("s"));
}

QString LoadCheck::text() const
{
    QStringList out;
    out << QStringLiteral("RxLoad, keypad loader");
    if (!path.isEmpty())
        out << QStringLiteral("File:                    %1").arg(QDir::toNativeSeparators(path));
    if (readable)
        out << QStringLiteral("Kind:                    %1").arg(report.kind);
    out << QString();
    if (!report.faults.isEmpty()) {
        out << QStringLiteral("Faults");
        for (const QString& fault : report.faults)
            out << QStringLiteral("  - ") + fault;
        out << QString();
    }
    if (!report.notes.isEmpty()) {
        out << QStringLiteral("Notes");
        for (const QString& note : report.notes)
            out << QStringLiteral("  - ") + note;
        out << QString();
    }
    if (readable && !report.contents.isEmpty()) {
        out << report.contents;
        out << QString();
    }
    out << portLines;
    out << QString();
    out << headline();
    out << nothingSentText();
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
