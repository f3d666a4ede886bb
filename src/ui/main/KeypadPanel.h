#pragma once

#include "model/KeypadClass.h"

#include <QIcon>
#include <QWidget>

#include <array>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QMenu;
class QMimeData;
class QRadioButton;

// The on-screen keypad: the layout radio buttons ("20 keys", "12 keys"), the
// twenty key buttons with their key type icons, the panel's level colour and
// the key type menu that a right-click on a key opens.
class TKeypadPanel : public QWidget
{
    Q_OBJECT

public:
    // `keyTypeItems`: the key type menu's actions for ktShift, ktToggle, ktAlpha.
    TKeypadPanel(TKeypadClass& definition, const std::array<QAction*, 3>& keyTypeItems,
                 QWidget* parent = nullptr);

    // 1 = 12 keys, 2 = 20 keys.
    int GuiKeyLayout() const { return fGuiKeyLayout; }
    int FirstKeyOfLayout() const { return fGuiKeyLayout == 1 ? 4 : 0; }
    // Arranges the keypad for `layout` and puts its first key down (selecting
    // no key); any other value changes nothing.
    void SetKeyLayout(int layout);
    // Selects the layout's radio button; when it was not selected its handler
    // runs as for a click.
    void SelectLayout(int layout);
    void SelectLayoutForKeys(int numberOfKeys) { SelectLayout(numberOfKeys == 12 ? 1 : 2); }

    QAbstractButton* KeyButton(int keyIndex) const;
    // The key has a button in the layout shown.
    bool KeyHasButton(int keyIndex) const;
    // Puts the layout's first key button down; selects nothing.
    void PutFirstKeyDown();
    // Puts the key's button down; selects nothing.
    void PutKeyDown(int keyIndex);
    // The key type menu, which a right-click on a key opens; the window adds
    // its key commands to it.
    QMenu* KeyMenu() const { return popmenKeyType; }
    // Shows on `sender` the icon of the selected key's type.
    void CopyKeyParametersToScreen(QAbstractButton* sender);
    // Every key button's icon from its key's type; the selection is kept.
    void RefreshKeyButtons();
    // The panel's colour for the level being edited.
    void SetLevelColour(int level);
    // Ticks the key type item of the selected key's type.
    void popmenKeyTypePopup();

Q_SIGNALS:
    // A key button was clicked: its key is to be selected.
    void keyClicked(int keyIndex);
    // A layout radio button was selected: the layout is arranged and its
    // first key clicked.
    void layoutChosen(int layout);
    // The key type menu changed the selected key's type (and may have named
    // its macro).
    void keyTypeChanged();
    // A key button was dragged onto another one: the two keys are to change places.
    void keysSwapRequested(int fromKey, int toKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildLayoutChoice();
    QWidget* BuildKeypad();
    void BuildKeyTypeIcons();
    void rbModelR20Click();
    void rbModelR12Click();
    void ApplyLayoutChoice(int layout);
    void SpeedButton1MouseDown(QAbstractButton* button, const QPoint& globalPos);
    void KeyTypeMenuItemClick(int item);
    // Dragging a key button onto another (KeypadDrag.cpp).
    bool KeyDragEvent(QAbstractButton* button, QEvent* event);
    void StartKeyDrag(QAbstractButton* button);
    // The key a drag from this panel carries; -1 for any other drag.
    int DraggedKey(const QMimeData* mime) const;

    TKeypadClass& fDefinition;
    int fGuiKeyLayout = 2;
    std::array<QAction*, 3> fKeyTypeItems;
    // Images 1..3: the icons of ktShift, ktToggle, ktAlpha (0 is unused).
    std::array<QIcon, 4> ModifierImageList;

    QRadioButton* rbModelR20 = nullptr;
    QRadioButton* rbModelR12 = nullptr;
    QWidget* pnlKeypad = nullptr;
    std::array<QAbstractButton*, MaxKeys> SpeedButtons{};
    QButtonGroup* KeyButtonGroup = nullptr;
    QMenu* popmenKeyType = nullptr;
    QPoint fDragStart;
    QAbstractButton* fPressedButton = nullptr;
};
