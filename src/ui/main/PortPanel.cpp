#include "ui/main/PortPanel.h"

TPortPanel::TPortPanel(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("panelPort"));
    setText(tr("Port: <not set>"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(230);
    setContentsMargins(6, 1, 6, 1);
    QFont portFont = font();
    portFont.setBold(true);
    setFont(portFont);
}

void TPortPanel::ShowPort(int comPort, const QString& comType, bool keyboardToo,
                          bool hidKeyboardHost)
{
    const QColor green(0, 128, 0);
    const QColor red(255, 0, 0);
    QString text;
    QColor colour;
    QString hint = tr("Click \"Set Port\" to set the Ostrella COM port");
    if (comPort > 0) {
        text = tr("Port: COM%1").arg(comPort);
        colour = green;
        if (comType == QLatin1String("U"))
            text += tr(" (USB)");
        else if (comType == QLatin1String("R"))
            text += tr(" (DB9)");
    } else {
        // A negative port (the port-setting program's keyboard choice) has no
        // COM port either; it reads like an unset one.
        text = tr("Port: <not set>");
        colour = red;
    }
    if (keyboardToo) {
        colour = green;
        text += tr(" or KB2");
    }
    if (hidKeyboardHost) {
        text += tr(" >> HID");
        hint = tr("After download, Host Mode will be set to HID (PC KB)");
        colour = green;
    }
    setText(text);
    fHint = hint;
    ShowHint();
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void TPortPanel::SetBackupFailure(const QString& message)
{
    fBackupFailure = message;
    ShowHint();
}

void TPortPanel::ShowHint()
{
    if (fBackupFailure.isEmpty())
        setToolTip(fHint);
    else
        setToolTip(fHint + QStringLiteral("\n\n") +
                   tr("No backup was made before the last download: %1").arg(fBackupFailure));
}
