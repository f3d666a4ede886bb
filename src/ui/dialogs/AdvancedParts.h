#pragma once

// Small builders shared by the pages of the advanced ROM properties dialog.
// Every control gets its objectName; every caption is used as given.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>

#include "model/Encodings.h"
#include "ui/dialogs/LooseSpinBox.h"

namespace AdvancedParts {

inline QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// A read-only note of several lines.
inline QLabel* MakeNote(QWidget* parent, const QString& name, const QStringList& lines)
{
    return MakeLabel(parent, name, lines.join(QLatin1Char('\n')));
}

inline QLabel* MakeDecimal(QWidget* parent, const QString& name)
{
    return MakeLabel(parent, name, QStringLiteral("decimal"));
}

inline QGroupBox* MakeGroup(QWidget* parent, const QString& name, const QString& title)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    return group;
}

inline QRadioButton* MakeRadio(QWidget* parent, const QString& name, const QString& text)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

inline QCheckBox* MakeCheck(QWidget* parent, const QString& name, const QString& text)
{
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(name);
    return check;
}

// A list that takes no typed text: only its entries can be chosen.
inline QComboBox* MakeList(QWidget* parent, const QString& name, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->addItems(items);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

inline TLooseSpinBox* MakeSpin(QWidget* parent, const QString& name, Encodings::TRange range,
                               const QString& hint = QString())
{
    auto* spin = new TLooseSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(range.Min, range.Max);
    spin->setSingleStep(range.Step);
    spin->setMaxDigits(QString::number(range.Max).size() + 1);
    spin->setAlignment(Qt::AlignRight);
    if (!hint.isEmpty())
        spin->setToolTip(hint);
    return spin;
}

// An exclusive set of radios; each radio's id is the value it stands for.
inline QButtonGroup* MakeRadioSet(QObject* owner,
                                  std::initializer_list<std::pair<QRadioButton*, int>> radios)
{
    auto* set = new QButtonGroup(owner);
    set->setExclusive(true);
    for (const auto& [radio, id] : radios)
        set->addButton(radio, id);
    return set;
}

// Selects the radio of `id`, or none when no radio has that id.
inline void CheckRadio(QButtonGroup* set, int id)
{
    if (QAbstractButton* radio = set->button(id)) {
        radio->setChecked(true);
        return;
    }
    set->setExclusive(false);
    for (QAbstractButton* radio : set->buttons())
        radio->setChecked(false);
    set->setExclusive(true);
}

// The list entry at `index`, or no entry when the stored code has none.
inline void SelectEntry(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

} // namespace AdvancedParts
