#include "ui/common/HostKeyboard.h"

#include "platform/CapsLock.h"

#include <QGuiApplication>

bool TSystemKeyboard::CtrlDown() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool TSystemKeyboard::ShiftDown() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

bool TSystemKeyboard::CapsLockOn() const
{
    return Platform::CapsLockOn();
}
