#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QPrinter;
class TPrintable;

// Shows one page of a printable, drawn by the same renderer as the PDF and
// the printer, scaled to the widget's height.
class TPagePreview : public QWidget
{
    Q_OBJECT

public:
    explicit TPagePreview(QWidget* parent = nullptr);

    // Draws `printable`'s page `page`, fitted to the widget (used only during the call).
    void ShowPage(TPrintable& printable, int page = 0);
    const QImage& Image() const { return fImage; }

    QSize sizeHint() const override { return QSize(420, 594); }

Q_SIGNALS:
    // The owner draws the page again for the new size.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage fImage;
};

namespace PrintPages {

// A printer set up for `printable`'s paper, with the page origin at the
// paper's corner so that millimetres stay millimetres.
void SetUp(QPrinter& printer, TPrintable& printable, const QString& title);
// Paints every page on `printer`; false when the printer could not start.
bool Print(QPrinter& printer, TPrintable& printable);
// The print dialog, then the print; `preview` shows the print preview first.
void Run(QWidget* parent, TPrintable& printable, const QString& title, bool preview);

} // namespace PrintPages
