#pragma once

#include <QWidget>

// The small pictures of the advanced ROM properties pages, drawn in code:
// the two LEDs, the DB-9 connector, the three card reader kinds and the
// notes pad that opens the host type information.
class TAdvancedArt : public QWidget
{
    Q_OBJECT

public:
    enum class TKind
    {
        GreenLed,
        RedLed,
        Db9,
        Barcode,
        MagCard,
        Wedge,
        Notes
    };

    explicit TAdvancedArt(TKind kind, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintLed(QPainter& painter, const QColor& colour);
    void PaintDb9(QPainter& painter);
    void PaintBarcode(QPainter& painter);
    void PaintMagCard(QPainter& painter);
    void PaintWedge(QPainter& painter);
    void PaintNotes(QPainter& painter);

    TKind fKind;
};
