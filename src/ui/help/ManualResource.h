#pragma once

#include <QString>
#include <QUrl>

// The copy of the user manual built into the program (docs/manual.md and the
// pictures it shows, as the Qt resource "manual").
namespace ManualResource {

// The Markdown; empty when the resource is missing.
QString Markdown();
// The base for the manual's relative picture paths.
QUrl BaseUrl();

} // namespace ManualResource
