#pragma once

#include <QList>
#include <QString>

// A serial port as SetPortRx offers it.
struct PortEntry
{
    QString name;   // as the system names it: COM3, ttyUSB0
    int number = 0; // the number the editor records; 0: none
    bool usb = false;
    QString description;
    bool present = true; // listed by the system right now
};

namespace SerialPorts {
// The ports of this computer, in the system's order.
QList<PortEntry> list();

// The port that a command-line argument names: a port name (with or without
// "/dev/") or a port number. A port that is not present is described from its
// name. Returns false with a message when the argument names no port that
// can be recorded.
bool resolve(const QString& argument, const QList<PortEntry>& ports, PortEntry& port,
             QString& error);

// "U" for a USB port, "R" for a classic serial port.
QString comType(const PortEntry& port);
} // namespace SerialPorts
