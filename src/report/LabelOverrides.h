#pragma once

#include "files/FileIO.h"
#include "report/KeyLabels.h"

#include <QString>

// The user's own label texts for a definition, kept beside it in NAME.labels
// (section LABELS, keys Key0..Key19). They stay out of the definition file:
// its readers take every section they do not know for a key section.

// `definitionPath` with its extension replaced by "labels" (added when it has none).
QString LabelOverridesPath(const QString& definitionPath);

// A missing or unreadable file gives no overrides.
TLabelOverrideTexts ReadLabelOverrides(const QString& path);

// Updates the file in place under the settings-file rules: other sections and
// lines stay; a key whose override was removed is written empty. Atomic; the
// refusal reads "Unable to write to PATH".
TSaveResult SaveLabelOverrides(const QString& path, const TLabelOverrideTexts& overrides);
