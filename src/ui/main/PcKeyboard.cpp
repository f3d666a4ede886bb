// The on-screen PC keyboard, built from a table of its keys.

#include "ui/main/PcKeyboard.h"

#include "ui/main/KeyCap.h"
#include "ui/main/MacroGrid.h"

#include <algorithm>

namespace {

enum class TKeyKind
{
    KeyNumber, // inserts its tag as a key number (AddData)
    PlainCode, // F1..F12: inserts its tag as a plain code (AddByte)
    Modifier   // latches one bit of the pending modifier mask; inserts nothing
};

// One button of the on-screen keyboard. Positions and sizes are in key
// units; rows count from the function key row (0) down to the space bar (5).
struct TPcKey
{
    const char* Name;
    const char* Legend;
    const char* Shifted; // the legend above the main one, or nullptr
    int Tag;
    TKeyKind Kind;
    double X;
    int Row;
    double Width = 1.0;
    int Height = 1; // rows
    int Bit = 0;    // modifier keys: their bit of the pending modifier mask
    const char* Hint = nullptr;
};

constexpr TKeyKind K = TKeyKind::KeyNumber;
constexpr TKeyKind F = TKeyKind::PlainCode;
constexpr TKeyKind M = TKeyKind::Modifier;
constexpr double Pad = 15.5; // left edge of the numeric block

const char* const BackspaceHint =
    QT_TRANSLATE_NOOP("TPcKeyboard", "Click to add BS character, use keyboard to erase");
const char* const DelHint =
    QT_TRANSLATE_NOOP("TPcKeyboard", "Click to add DEL character, use keyboard to erase");
const char* const CtrlHint =
    QT_TRANSLATE_NOOP("TPcKeyboard", "Use Ctrl+Key to enter ASCII control codes");

// clang-format off
const TPcKey PcKeys[] = {
    // Row 1: Esc and the function keys, in groups of four.
    {"spdBtnEsc", QT_TRANSLATE_NOOP("TPcKeyboard", "Esc"), nullptr, 1, K, 0, 0},
    {"SpeedButton25", "F1", nullptr, 161, F, 2, 0},
    {"SpeedButton26", "F2", nullptr, 162, F, 3, 0},
    {"SpeedButton28", "F3", nullptr, 163, F, 4, 0},
    {"SpeedButton29", "F4", nullptr, 164, F, 5, 0},
    {"SpeedButton27", "F5", nullptr, 165, F, 6.5, 0},
    {"SpeedButton53", "F6", nullptr, 166, F, 7.5, 0},
    {"SpeedButton54", "F7", nullptr, 167, F, 8.5, 0},
    {"SpeedButton55", "F8", nullptr, 168, F, 9.5, 0},
    {"SpeedButton51", "F9", nullptr, 169, F, 11, 0},
    {"SpeedButton52", "F10", nullptr, 170, F, 12, 0},
    {"SpeedButton49", "F11", nullptr, 171, F, 13, 0},
    {"SpeedButton50", "F12", nullptr, 172, F, 14, 0},
    // Row 2: the digits.
    {"SpeedButton30", "`", "~", 41, K, 0, 1},
    {"SpeedButton31", "1", "!", 2, K, 1, 1},
    {"SpeedButton32", "2", "@", 3, K, 2, 1},
    {"SpeedButton33", "3", "#", 4, K, 3, 1},
    {"SpeedButton36", "4", "$", 5, K, 4, 1},
    {"SpeedButton37", "5", "%", 6, K, 5, 1},
    {"SpeedButton34", "6", "^", 7, K, 6, 1},
    {"SpeedButton35", "7", "&", 8, K, 7, 1},
    {"SpeedButton41", "8", "*", 9, K, 8, 1},
    {"SpeedButton42", "9", "(", 10, K, 9, 1},
    {"SpeedButton43", "0", ")", 11, K, 10, 1},
    {"SpeedButton44", "-", "_", 12, K, 11, 1},
    {"SpeedButton39", "=", "+", 13, K, 12, 1},
    {"SpeedButton40", QT_TRANSLATE_NOOP("TPcKeyboard", "Backspace"), nullptr, 14, K, 13, 1, 2.0, 1, 0, BackspaceHint},
    {"SpeedButton67", QT_TRANSLATE_NOOP("TPcKeyboard", "Del"), nullptr, 100, K, Pad, 1, 1.0, 1, 0, DelHint},
    {"SpeedButton46", "/", nullptr, 88, K, Pad + 1, 1},
    {"SpeedButton47", "*", nullptr, 55, K, Pad + 2, 1},
    {"SpeedButton45", "-", nullptr, 74, K, Pad + 3, 1},
    // Row 3.
    {"SpeedButton58", QT_TRANSLATE_NOOP("TPcKeyboard", "Tab"), nullptr, 15, K, 0, 2, 1.5},
    {"SpeedButton97", "Q", nullptr, 16, K, 1.5, 2},
    {"SpeedButton59", "W", nullptr, 17, K, 2.5, 2},
    {"SpeedButton60", "E", nullptr, 18, K, 3.5, 2},
    {"SpeedButton65", "R", nullptr, 19, K, 4.5, 2},
    {"SpeedButton66", "T", nullptr, 20, K, 5.5, 2},
    {"SpeedButton61", "Y", nullptr, 21, K, 6.5, 2},
    {"SpeedButton64", "U", nullptr, 22, K, 7.5, 2},
    {"SpeedButton69", "I", nullptr, 23, K, 8.5, 2},
    {"SpeedButton70", "O", nullptr, 24, K, 9.5, 2},
    {"SpeedButton71", "P", nullptr, 25, K, 10.5, 2},
    {"SpeedButton72", "[", "{", 26, K, 11.5, 2},
    {"SpeedButton68", "]", "}", 27, K, 12.5, 2},
    {"SpeedButton94", "\\", "|", 43, K, 13.5, 2, 1.5},
    {"SpeedButton77", "7", nullptr, 71, K, Pad, 2},
    {"SpeedButton73", "8", nullptr, 72, K, Pad + 1, 2},
    {"SpeedButton74", "9", nullptr, 73, K, Pad + 2, 2},
    {"SpeedButton90", "+", nullptr, 78, K, Pad + 3, 2, 1.0, 2},
    // Row 4.
    {"spdbtnCapsLock", QT_TRANSLATE_NOOP("TPcKeyboard", "Caps\nLock"), nullptr, 58, M, 0, 3, 1.75, 1, ModCapsLock},
    {"SpeedButton79", "A", nullptr, 30, K, 1.75, 3},
    {"SpeedButton80", "S", nullptr, 31, K, 2.75, 3},
    {"SpeedButton83", "D", nullptr, 32, K, 3.75, 3},
    {"SpeedButton84", "F", nullptr, 33, K, 4.75, 3},
    {"SpeedButton81", "G", nullptr, 34, K, 5.75, 3},
    {"SpeedButton82", "H", nullptr, 35, K, 6.75, 3},
    {"SpeedButton86", "J", nullptr, 36, K, 7.75, 3},
    {"SpeedButton87", "K", nullptr, 37, K, 8.75, 3},
    {"SpeedButton88", "L", nullptr, 38, K, 9.75, 3},
    {"SpeedButton89", ";", ":", 39, K, 10.75, 3},
    {"SpeedButton85", "'", "\"", 40, K, 11.75, 3},
    {"SpeedButton95", QT_TRANSLATE_NOOP("TPcKeyboard", "Enter"), nullptr, 28, K, 12.75, 3, 2.25},
    {"SpeedButton96", "4", nullptr, 75, K, Pad, 3},
    {"SpeedButton91", "5", nullptr, 76, K, Pad + 1, 3},
    {"SpeedButton92", "6", nullptr, 77, K, Pad + 2, 3},
    // Row 5.
    {"sbtnLShift", QT_TRANSLATE_NOOP("TPcKeyboard", "Shift"), nullptr, 42, M, 0, 4, 2.25, 1, ModLShift},
    {"SpeedButton99", "Z", nullptr, 44, K, 2.25, 4},
    {"SpeedButton100", "X", nullptr, 45, K, 3.25, 4},
    {"SpeedButton103", "C", nullptr, 46, K, 4.25, 4},
    {"SpeedButton104", "V", nullptr, 47, K, 5.25, 4},
    {"SpeedButton101", "B", nullptr, 48, K, 6.25, 4},
    {"SpeedButton102", "N", nullptr, 49, K, 7.25, 4},
    {"SpeedButton109", "M", nullptr, 50, K, 8.25, 4},
    {"SpeedButton110", ",", "<", 51, K, 9.25, 4},
    {"SpeedButton111", ".", ">", 52, K, 10.25, 4},
    {"SpeedButton112", "/", "?", 53, K, 11.25, 4},
    {"sbtnRShift", QT_TRANSLATE_NOOP("TPcKeyboard", "Shift"), nullptr, 54, M, 12.25, 4, 2.75, 1, ModRShift},
    {"SpeedButton120", "1", nullptr, 79, K, Pad, 4},
    {"SpeedButton115", "2", nullptr, 80, K, Pad + 1, 4},
    {"SpeedButton116", "3", nullptr, 81, K, Pad + 2, 4},
    {"SpeedButton129", QT_TRANSLATE_NOOP("TPcKeyboard", "Enter"), nullptr, 86, K, Pad + 3, 4, 1.0, 2},
    // Row 6: no Alt, Windows or menu keys; the gaps stand where they would be.
    {"sbtnLCtrl", QT_TRANSLATE_NOOP("TPcKeyboard", "Ctrl"), nullptr, 29, M, 0, 5, 1.5, 1, ModLCtrl, CtrlHint},
    {"SpeedButton93", QT_TRANSLATE_NOOP("TPcKeyboard", "Space"), nullptr, 57, K, 3.75, 5, 6.25},
    {"sbtnRCtrl", QT_TRANSLATE_NOOP("TPcKeyboard", "Ctrl"), nullptr, 87, M, 13.5, 5, 1.5, 1, ModRCtrl, CtrlHint},
    {"SpeedButton136", "0", nullptr, 82, K, Pad, 5, 2.0},
    {"SpeedButton132", ".", nullptr, 83, K, Pad + 2, 5},
};
// clang-format on

constexpr int KeyUnit = 33;        // pixels per key unit
constexpr int FunctionRowGap = 10; // between the function keys and the digits
constexpr double KeyboardUnits = Pad + 4;

int rowTop(int row)
{
    return row * KeyUnit + (row > 0 ? FunctionRowGap : 0);
}

// Whether a key's character can also be typed into the grid: some typed
// character maps to its key number.
bool isTypeable(int keyNumber)
{
    return std::find(AsciiToKeyNumber.begin(), AsciiToKeyNumber.end(), keyNumber) !=
           AsciiToKeyNumber.end();
}

} // namespace

TPcKeyboard::TPcKeyboard(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlKeyboard"));
    setFixedSize(static_cast<int>(KeyboardUnits * KeyUnit), rowTop(5) + KeyUnit);

    for (const TPcKey& key : PcKeys) {
        auto* cap = new TKeyCap(tr(key.Legend),
                                key.Shifted ? QString::fromUtf8(key.Shifted) : QString(), this);
        cap->setObjectName(QLatin1String(key.Name));
        cap->setProperty("tag", key.Tag);
        const int left = static_cast<int>(key.X * KeyUnit);
        const int right = static_cast<int>((key.X + key.Width) * KeyUnit);
        const int top = rowTop(key.Row);
        const int bottom = rowTop(key.Row + key.Height - 1) + KeyUnit;
        cap->setGeometry(left, top, right - left, bottom - top);
        if (key.Hint)
            cap->setToolTip(tr(key.Hint));

        const int tag = key.Tag;
        switch (key.Kind) {
        case TKeyKind::KeyNumber:
            cap->SetTypeable(isTypeable(tag));
            connect(cap, &QAbstractButton::clicked, this,
                    [this, tag] { Q_EMIT keyNumberClicked(tag); });
            break;
        case TKeyKind::PlainCode:
            connect(cap, &QAbstractButton::clicked, this,
                    [this, tag] { Q_EMIT plainCodeClicked(tag); });
            break;
        case TKeyKind::Modifier: {
            cap->setCheckable(true);
            const int bit = key.Bit;
            // The click has already flipped the key.
            connect(cap, &QAbstractButton::clicked, this,
                    [this, cap, bit] { Q_EMIT modifierClicked(bit, cap->isChecked()); });
            QAbstractButton** slot = bit == ModLShift   ? &sbtnLShift
                                     : bit == ModRShift ? &sbtnRShift
                                     : bit == ModLCtrl  ? &sbtnLCtrl
                                     : bit == ModRCtrl  ? &sbtnRCtrl
                                                        : &spdbtnCapsLock;
            *slot = cap;
            break;
        }
        }
    }
}

void TPcKeyboard::UpdateKeyboard(TSetModifierKeys mkset)
{
    sbtnLShift->setChecked(mkset & (1u << mkLShift));
    sbtnRShift->setChecked(mkset & (1u << mkRShift));
    sbtnLCtrl->setChecked(mkset & (1u << mkLCtrl));
    sbtnRCtrl->setChecked(mkset & (1u << mkRCtrl));
}

void TPcKeyboard::ReleaseModifierButtons()
{
    for (QAbstractButton* button : {sbtnLShift, sbtnRShift, sbtnLCtrl, sbtnRCtrl, spdbtnCapsLock})
        button->setChecked(false);
}
