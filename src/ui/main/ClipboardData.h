#pragma once

#include "files/ClipFormat.h"

#include <QList>
#include <QString>

#include <optional>

class QMimeData;

// What the editor puts on the clipboard and takes from it: its own format
// (ClipFormat) with the codes as the grid shows them as plain text beside it.

QMimeData* MakeClipMimeData(const TClipContent& content, bool hexView);
// The editor's own content, when the clipboard holds it.
std::optional<TClipContent> ClipFromMime(const QMimeData* mime);
// Text from elsewhere as the grid types it: each character its code, a line
// break as Enter, characters the grid ignores or refuses (control characters
// without a key, anything above 255) left out, the prefix escaped.
QList<int32_t> TypedTextCodes(const QString& text, uint8_t prefix);
