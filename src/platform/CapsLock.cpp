#include "platform/CapsLock.h"

#if defined(Q_OS_WIN) || defined(_WIN32)
#include <windows.h>
#elif defined(__linux__) || defined(__FreeBSD__)
#include <QLibrary>
#include <QtGlobal>
#define PADWRIGHT_CAPS_X11 1
#endif

namespace Platform {

#if defined(_WIN32)

bool CapsLockOn()
{
    const SHORT state = GetKeyState(VK_CAPITAL);
    const bool toggled = (state & 0x0001) != 0;
    const bool held = (state & 0x8000) != 0;
    return toggled && !held;
}

#elif defined(PADWRIGHT_CAPS_X11)

namespace {

// libX11 is loaded when first needed, so the editor also runs where there is
// no X server (Wayland without XWayland, the offscreen platform).
struct X11Keyboard
{
    using OpenDisplayFn = void* (*)(const char*);
    using GetIndicatorStateFn = int (*)(void*, unsigned int, unsigned int*);

    X11Keyboard()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            return;
        QLibrary library(QStringLiteral("X11"), 6);
        if (!library.load())
            return;
        auto openDisplay = reinterpret_cast<OpenDisplayFn>(library.resolve("XOpenDisplay"));
        getIndicatorState =
            reinterpret_cast<GetIndicatorStateFn>(library.resolve("XkbGetIndicatorState"));
        if (openDisplay && getIndicatorState)
            display = openDisplay(nullptr);
    }

    bool capsLockOn() const
    {
        if (!display || !getIndicatorState)
            return false;
        constexpr unsigned int useCoreKeyboard = 0x0100; // XkbUseCoreKbd
        unsigned int indicators = 0;
        if (getIndicatorState(display, useCoreKeyboard, &indicators) != 0) // Success is 0
            return false;
        return (indicators & 0x1) != 0; // indicator 0 is Caps Lock
    }

    void* display = nullptr;
    GetIndicatorStateFn getIndicatorState = nullptr;
};

} // namespace

bool CapsLockOn()
{
    static const X11Keyboard keyboard;
    return keyboard.capsLockOn();
}

#else

bool CapsLockOn()
{
    return false;
}

#endif

} // namespace Platform
