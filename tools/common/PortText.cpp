#include "PortText.h"

#include "PortNumbers.h"

QString DescribePort(const TLoaderPortChoice& choice)
{
    if (choice.ComPort == -1)
        return QStringLiteral("keyboard mode (no serial port)");
    if (choice.ComPort <= 0)
        return QStringLiteral("not set");
    QString text = QStringLiteral("COM%1").arg(choice.ComPort);
    const QString name = PortNumbers::nameForNumber(choice.ComPort);
    if (!name.isEmpty() && name.compare(text, Qt::CaseInsensitive) != 0)
        text += QStringLiteral(" (%1)").arg(name);
    if (choice.ComType == QLatin1String("U"))
        text += QStringLiteral(", USB");
    else if (choice.ComType == QLatin1String("R"))
        text += QStringLiteral(", serial (DB9)");
    if (choice.bOstrellaK)
        text += QStringLiteral(", or keyboard mode");
    return text;
}
