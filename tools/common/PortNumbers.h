#pragma once

#include <QString>

// The editor and the loader record a serial port as one number, as the
// Windows COM port numbers are. On other systems the number is derived from
// the device name:
//
//   COMn        n           (Windows)
//   ttySn       n + 1       (ttyS0 is COM1, the classic correspondence)
//   ttyUSBn     101 + n     (USB serial adapters)
//   ttyACMn     201 + n     (USB modem-class devices, such as CDC keypads)
//   ttyAMAn     301 + n     (on-board serial ports of some boards)
//   rfcommn     401 + n     (Bluetooth serial links)
//
// with n from 0 to 98 for the device names, so each kind keeps to its own
// hundred. Other names have no number.
namespace PortNumbers {
// The device name without "/dev/" or "\\.\" in front.
QString shortName(const QString& portName);

// The number for a port name, or 0 when the name has none.
int numberForName(const QString& portName);

// The port name for a number on this system ("COM3" on Windows, "ttyS2"
// elsewhere), or an empty string for a number no name maps to.
QString nameForNumber(int number);

// Whether the name is one of the USB kinds (ttyUSB, ttyACM).
bool isUsbName(const QString& portName);
} // namespace PortNumbers
