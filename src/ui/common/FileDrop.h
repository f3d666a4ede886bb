#pragma once

#include <QString>

class QMimeData;

// What a drop of files on the main window asks for: one definition file of
// the mode's kind (.ckd in USER Mode, .rom in ROM Edit Mode) to open, or a
// refusal with the message that says why. A refused drop changes nothing.
struct TFileDrop
{
    QString Path;    // the file to open; empty when refused
    QString Refusal; // the message for the user; empty when accepted
};

// `romMode`: the editor is in ROM Edit Mode.
TFileDrop DroppedDefinition(const QMimeData& data, bool romMode);

// Whether a drag carries files at all (the window then accepts the drag, so
// that a wrong file can be refused with a message on the drop).
bool CarriesFiles(const QMimeData& data);
