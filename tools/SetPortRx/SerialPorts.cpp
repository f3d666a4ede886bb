#include "SerialPorts.h"

#include "PortNumbers.h"

#include <QSerialPortInfo>

namespace SerialPorts {
QList<PortEntry> list()
{
    QList<PortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortEntry port;
        port.name = info.portName();
        port.number = PortNumbers::numberForName(info.portName());
        port.usb = info.hasVendorIdentifier() || PortNumbers::isUsbName(info.portName());
        port.description = info.description();
        ports.append(port);
    }
    return ports;
}

bool resolve(const QString& argument, const QList<PortEntry>& ports, PortEntry& port,
             QString& error)
{
    const QString text = argument.trimmed();
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    const int wanted = isNumber ? number : PortNumbers::numberForName(text);
    if (wanted <= 0) {
        error = isNumber
                    ? QStringLiteral("%1 is not a port number; port numbers start at 1.").arg(text)
                    : QStringLiteral("The port %1 has no number the editor can record.").arg(text);
        return false;
    }
    for (const PortEntry& candidate : ports) {
        if (candidate.number == wanted) {
            port = candidate;
            return true;
        }
    }
    port = PortEntry{};
    port.number = wanted;
    port.name = isNumber ? PortNumbers::nameForNumber(wanted) : PortNumbers::shortName(text);
    if (port.name.isEmpty()) {
        error = QStringLiteral("Port number %1 names no serial port on this system.").arg(wanted);
        return false;
    }
    port.usb = PortNumbers::isUsbName(port.name);
    port.present = false;
    return true;
}

QString comType(const PortEntry& port)
{
    return port.usb ? QStringLiteral("U") : QStringLiteral("R");
}
} // namespace SerialPorts
