#pragma once

#include <QString>

// Whether the desktop has a program registered for a kind of document.
namespace DesktopHandler {

// On freedesktop systems: whether `xdg-mime query default` names a program
// for the file type of `path` (by its name and content). True when that
// cannot be asked (no xdg-mime, or another platform, whose own opener
// reports a missing program itself).
bool HasHandlerFor(const QString& path);

} // namespace DesktopHandler
