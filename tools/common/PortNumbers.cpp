#include "PortNumbers.h"

#include <array>

namespace PortNumbers {
namespace {
struct DeviceKind
{
    const char* prefix;
    int base;
    bool usb;
};

constexpr std::array<DeviceKind, 5> DeviceKinds{{
    {"ttyS", 1, false},
    {"ttyUSB", 101, true},
    {"ttyACM", 201, true},
    {"ttyAMA", 301, false},
    {"rfcomm", 401, false},
}};

constexpr int MaxDeviceIndex = 98;
constexpr int MaxComNumber = 255;

// The decimal number after `prefix` in `name`, or -1.
int suffixNumber(const QString& name, const QString& prefix, Qt::CaseSensitivity cs)
{
    if (!name.startsWith(prefix, cs) || name.size() == prefix.size())
        return -1;
    const QString digits = name.mid(prefix.size());
    if (digits.size() > 3)
        return -1;
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}
} // namespace

QString shortName(const QString& portName)
{
    QString name = portName.trimmed();
    if (name.startsWith(QLatin1String("/dev/")))
        name = name.mid(5);
    else if (name.startsWith(QLatin1String("\\\\.\\")))
        name = name.mid(4);
    return name;
}

int numberForName(const QString& portName)
{
    const QString name = shortName(portName);
    const int com = suffixNumber(name, QStringLiteral("COM"), Qt::CaseInsensitive);
    if (com >= 1 && com <= MaxComNumber)
        return com;
    for (const DeviceKind& kind : DeviceKinds) {
        const int n = suffixNumber(name, QLatin1String(kind.prefix), Qt::CaseSensitive);
        if (n >= 0 && n <= MaxDeviceIndex)
            return kind.base + n;
    }
    return 0;
}

QString nameForNumber(int number)
{
#ifdef Q_OS_WIN
    if (number >= 1 && number <= MaxComNumber)
        return QStringLiteral("COM%1").arg(number);
    return {};
#else
    for (const DeviceKind& kind : DeviceKinds) {
        const int n = number - kind.base;
        if (n >= 0 && n <= MaxDeviceIndex)
            return QLatin1String(kind.prefix) + QString::number(n);
    }
    return {};
#endif
}

bool isUsbName(const QString& portName)
{
    const QString name = shortName(portName);
    for (const DeviceKind& kind : DeviceKinds) {
        if (kind.usb && suffixNumber(name, QLatin1String(kind.prefix), Qt::CaseSensitive) >= 0)
            return true;
    }
    return false;
}
} // namespace PortNumbers
