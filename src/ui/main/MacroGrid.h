#pragma once

#include <QTableWidget>

#include <array>
#include <cstdint>
#include <functional>

// Character code typed into the grid (0..127) to the key number of the
// on-screen key that produces it, taken from the model's key table; 0 means
// the character is ignored.
extern const std::array<uint8_t, 128> AsciiToKeyNumber;

// The macro grid: 8 columns by 14 rows of read-only cells with rectangle
// selection. It leaves every editing decision to the main window through the
// callbacks below and only keeps the cursor rules of a grid.
class TMacroGrid : public QTableWidget
{
    Q_OBJECT
public:
    static constexpr int Columns = 8;
    static constexpr int Rows = 14;

    explicit TMacroGrid(QWidget* parent = nullptr);

    // Asked before the current cell moves to (col, row); false refuses the move.
    std::function<bool(int col, int row)> CanSelectCell;
    // A key went down; true when the window consumed it.
    std::function<bool(QKeyEvent* event)> KeyDown;
    // A character was typed (Unicode code point; Tab gives 9). Keys pressed
    // with Ctrl, Alt or Meta type nothing: they belong to the shortcuts.
    // AltGr, which some systems report as Ctrl+Alt, types its character.
    std::function<void(uint code)> KeyPress;
    std::function<void(QKeyEvent* event)> KeyUp;
    // The right button went down at `globalPos`; the cursor does not move.
    std::function<void(const QPoint& globalPos)> RightClick;
    // A cell was double-clicked with the left button.
    std::function<void()> DoubleClick;

    // Macro position of the current cell (row * 8 + column).
    int CurrentPosition() const;

protected:
    bool event(QEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool accepts(const QModelIndex& index) const;
    bool fReverting = false;
};
