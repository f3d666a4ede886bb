#pragma once

#include "analysis/PlaybackSettings.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QTextEdit;
struct TMacroData;

// The pane "What the keypad sends" under the macro grid: what the host
// receives when the key is pressed, for the macro being edited. The text,
// the time the macro takes and, in a serial host mode, the bytes as they go
// over the line. Its size never changes with what it shows, so the main
// window keeps its size while the user edits.
class TPreviewPane : public QFrame
{
    Q_OBJECT

public:
    explicit TPreviewPane(QWidget* parent = nullptr);

    void ShowMacro(const TMacroData& macro, const TPlaybackSettings& settings);

private:
    QLabel* lblPreviewTime = nullptr;
    QTextEdit* edPreviewSends = nullptr;
    QLabel* lblPreviewBytes = nullptr;
    QLineEdit* edPreviewBytes = nullptr;
};
