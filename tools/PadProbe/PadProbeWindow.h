#pragma once

#include <QMainWindow>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QTableWidget;

// Lists every key that reaches the window: a keypad in keyboard mode types
// like a PC keyboard, so each key of its macros shows up here with its code.
class PadProbeWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit PadProbeWindow(QWidget* parent = nullptr);

    // Adds one row for a key press; public so that tests can feed events.
    void recordKey(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clear();

    QTableWidget* table_ = nullptr;
    QLineEdit* typed_ = nullptr;
    QLabel* count_ = nullptr;
    int keys_ = 0;
};
