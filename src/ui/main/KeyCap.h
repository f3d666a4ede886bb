#pragma once

#include <QAbstractButton>

// One key of the on-screen PC keyboard, drawn as a keycap: a raised key with
// its legend (and the shifted legend above it, as on the key itself). Keys
// that can also be typed into the grid are green. A latching key (Shift,
// Ctrl, Caps Lock) sinks while it is down and lights its indicator.
class TKeyCap : public QAbstractButton
{
    Q_OBJECT

public:
    // `legend` is the key's main legend (its text()); `shiftedLegend` the
    // character above it, or empty. A "\n" in a legend breaks the line.
    explicit TKeyCap(const QString& legend, const QString& shiftedLegend = QString(),
                     QWidget* parent = nullptr);

    QString ShiftedLegend() const { return fShiftedLegend; }

    // Green: the key's character can also be typed into the grid.
    void SetTypeable(bool typeable);
    bool IsTypeable() const { return fTypeable; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString fShiftedLegend;
    bool fTypeable = false;
    bool fHover = false;
};
