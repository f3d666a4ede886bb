// Random use of the whole editor: a numbered random sequence of user actions on the
// main window and every dialog, with the invariants checked after each one.
//
// The normal suite runs a fixed number of actions per mode. A longer run:
//   PADWRIGHT_ROBUST_ACTIONS=20000 PADWRIGHT_ROBUST_SEQUENCE=1234 ./tst_robustness
// On a failure the sequence number and the action log are printed; run again
// with that number to replay the same sequence.

#include "support/MainFixture.h"
#include "support/RecordingLauncher.h"

#include "analysis/DefinitionCheck.h"
#include "analysis/SendsPreview.h"
#include "files/FileIO.h"
#include "ui/AppWindows.h"
#include "ui/main/KeypadPanel.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QUndoStack>

#include <functional>
#include <random>

namespace {

constexpr int DefaultSequence = 1;
constexpr int DefaultActions = 600;
constexpr int SaveEvery = 25;
// How often the whole history is undone and redone.
constexpr int UndoAllEvery = 150;

// The commands of undo and the clipboard, taken often so that they meet
// every kind of edit.
const char* const EditCommands[] = {
    "UndoMenuItem",       "RedoMenuItem",       "UndoMenuItem",       "CutMenuItem",
    "CopyMenuItem",       "PasteMenuItem",      "DeleteMenuItem",     "SelectAllMenuItem",
    "CopyMacroMenuItem",  "PasteMacroMenuItem", "CopyKeyMenuItem",    "PasteKeyMenuItem",
    "ClearKeyMenuItem"};

// Only Exit and printing are excluded: the tool buttons start other programs
// through a recording launcher, but the print dialogs are the system's.
const QSet<QString> ExcludedNames{QStringLiteral("ExitMenuItem"), QStringLiteral("btnPrint"),
                                  QStringLiteral("btnPrintPreview")};

// The file commands, driven by FileCommand() with the prompts' answers queued.
const QSet<QString> FileCommands{QStringLiteral("NewMenuItem"), QStringLiteral("OpenMenuItem"),
                                 QStringLiteral("SaveMenuItem"), QStringLiteral("SaveAsMenuItem")};

// Characters typed into the grid and the edits: plain text and the file
// formats' own punctuation (QTest types ASCII only).
const QString TypedCharacters =
    QStringLiteral("abcXYZ019 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");

int envInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QString describe(const QObject* o)
{
    QString name = o->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(o->metaObject()->className());
    if (const auto* b = qobject_cast<const QAbstractButton*>(o); b && !b->text().isEmpty())
        name += QStringLiteral(" \"%1\"").arg(b->text());
    if (const auto* a = qobject_cast<const QAction*>(o); a && !a->text().isEmpty())
        name += QStringLiteral(" \"%1\"").arg(a->text());
    return name;
}

bool macroEqual(const TMacroData& a, const TMacroData& b)
{
    return a.Values == b.Values && a.AutoRepeat == b.AutoRepeat && a.SendKeyNow == b.SendKeyNow
        && a.Name == b.Name;
}

} // namespace

// One random run over one set of windows.
class TRandomUser
{
public:
    TRandomUser(TAppState& state, TfrmMain& main, TScriptedPrompts& prompts, const QString& folder,
                quint32 sequence, int actions)
        : fState(state), fMain(main), fPrompts(prompts), fFolder(folder), fRng(sequence),
          fLimit(actions)
    {
    }

    // Runs the actions; returns an empty text or the first broken invariant.
    QString Run()
    {
        fFailure = CheckInvariants();
        NoteHistoryStart();
        while (fFailure.isEmpty() && fDone < fLimit) {
            QWidget* window = PickWindow();
            Act(window);
            AfterAction();
        }
        if (fFailure.isEmpty())
            fFailure = CheckUndoRedoAll();
        return fFailure;
    }

    QStringList Log;

private:
    int Random(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(fRng); }
    bool Chance(int percent) { return Random(100) < percent; }
    QChar RandomChar() { return TypedCharacters.at(Random(int(TypedCharacters.size()))); }
    QString RandomText(int maxLength)
    {
        QString text;
        for (int n = Random(maxLength + 1); n > 0; --n)
            text += RandomChar();
        return text;
    }

    void Note(const QString& what)
    {
        Log << QStringLiteral("%1: %2").arg(fDone).arg(what);
        if (Log.size() > 400)
            Log.removeFirst();
    }

    void AfterAction()
    {
        ++fDone;
        if (fFailure.isEmpty())
            fFailure = CheckInvariants();
        if (fFailure.isEmpty() && fDone % SaveEvery == 0)
            fFailure = CheckSavedFileReadsBack();
        NoteHistoryStart();
        // Not while a modal window is driven: its Cancel would undo an Apply
        // the history no longer holds.
        if (fFailure.isEmpty() && fDone % UndoAllEvery == 0 && fDriving.isEmpty())
            fFailure = CheckUndoRedoAll();
    }

    // The main window, or now and then one of the other visible windows
    // (the modeless ones) when no modal window is open.
    QWidget* PickWindow()
    {
        QList<QWidget*> windows{&fMain};
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &fMain && w->isVisible() && !qobject_cast<QMenu*>(w))
                windows << w;
        return windows.at(Chance(70) ? 0 : Random(int(windows.size())));
    }

    template <typename T> QList<T*> Usable(QWidget* window)
    {
        QList<T*> found;
        for (T* w : window->findChildren<T*>())
            if (w->window() == window && w->isVisibleTo(window) && w->isEnabled()
                && !ExcludedNames.contains(w->objectName()))
                found << w;
        return found;
    }

    QList<QAction*> MenuActions(QWidget* window)
    {
        QList<QAction*> found;
        for (QMenu* menu : window->findChildren<QMenu*>()) {
            if (menu == Find<QMenu>(fMain, "popmenKeyType"))
                continue; // chosen after a right-click on a key, see below
            for (QAction* a : menu->actions())
                if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu()
                    && !ExcludedNames.contains(a->objectName()))
                    found << a;
        }
        return found;
    }

    // Every action is done with a watch armed: if it opens a modal window,
    // the watch drives that window from inside its event loop and closes it.
    void Armed(const std::function<void()>& action)
    {
        QTimer::singleShot(0, [this] { DriveNewModal(); });
        action();
    }

    void DriveNewModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || fDriving.contains(modal))
            return;
        fDriving.insert(modal);
        Note(QStringLiteral("modal %1 opened").arg(describe(modal)));
        for (int n = Random(15); n > 0 && modal->isVisible() && fFailure.isEmpty() && fDone < fLimit;
             --n) {
            Act(modal);
            AfterAction();
        }
        if (modal->isVisible())
            CloseModal(modal);
        fDriving.remove(modal);
    }

    void CloseModal(QWidget* modal)
    {
        QList<QAbstractButton*> closers;
        for (QAbstractButton* b : Usable<QAbstractButton>(modal)) {
            const QString t = b->text().remove(QLatin1Char('&'));
            if (t == QLatin1String("OK") || t == QLatin1String("Cancel")
                || t == QLatin1String("Close") || t == QLatin1String("Apply"))
                closers << b;
        }
        if (!closers.isEmpty()) {
            QAbstractButton* b = closers.at(Random(int(closers.size())));
            Note(QStringLiteral("close with %1").arg(describe(b)));
            Armed([b] { QTest::mouseClick(b, Qt::LeftButton); });
        }
        if (modal->isVisible()) {
            Note(QStringLiteral("reject %1").arg(describe(modal)));
            if (auto* d = qobject_cast<QDialog*>(modal))
                d->reject();
            else
                modal->close();
        }
    }

    // One random user action on `window`.
    void Act(QWidget* window)
    {
        const bool isMain = window == &fMain;
        const int kind = Random(isMain ? 16 : 9);
        if (!isMain && kind == 8) {
            UndoInDialog(window);
            return;
        }
        switch (kind) {
        case 0:
        case 1:
        case 2: ClickButton(window); return;
        case 3: PickFromList(window); return;
        case 4: TypeIntoEdit(window); return;
        case 5: ChangeSpinBox(window); return;
        case 6: TriggerMenuItem(window); return;
        case 7: SwitchTab(window); return;
        case 8:
        case 9: TypeIntoGrid(); return;
        case 10: KeyTypeMenu(); return;
        case 11: PressCommandKey(); return;
        case 12:
        case 13: EditCommand(); return;
        case 14: SwapKeys(); return;
        default: FileCommand(); return;
        }
    }

    void ClickButton(QWidget* window)
    {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : Usable<QAbstractButton>(window)) {
            auto* tool = qobject_cast<QToolButton*>(b);
            if (tool && tool->menu())
                continue; // its menu's items are triggered on their own
            if (QString::fromLatin1(b->metaObject()->className()).startsWith("QTabBar"))
                continue;
            if (isFileButton(b))
                continue; // FileCommand() queues the prompts' answers first
            buttons << b;
        }
        if (buttons.isEmpty())
            return;
        QAbstractButton* b = buttons.at(Random(int(buttons.size())));
        Note(QStringLiteral("click %1 in %2").arg(describe(b), describe(window)));
        Armed([b] { QTest::mouseClick(b, Qt::LeftButton); });
    }

    static bool isFileButton(const QObject* o)
    {
        if (const auto* tool = qobject_cast<const QToolButton*>(o); tool && tool->defaultAction())
            o = tool->defaultAction();
        return FileCommands.contains(o->objectName());
    }

    void PickFromList(QWidget* window)
    {
        QList<QWidget*> lists;
        for (QComboBox* c : Usable<QComboBox>(window))
            if (c->count() > 0)
                lists << c;
        for (QAbstractItemView* v : Usable<QAbstractItemView>(window))
            if (v != GridOf(fMain) && v->model() && v->model()->rowCount() > 0
                && !v->parentWidget()->inherits("QComboBox") && !v->inherits("QTableView"))
                lists << v;
        for (QSlider* s : Usable<QSlider>(window))
            lists << s;
        if (lists.isEmpty())
            return;
        QWidget* w = lists.at(Random(int(lists.size())));
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            const int i = Random(c->count());
            Note(QStringLiteral("pick %1 in %2").arg(i).arg(describe(c)));
            Armed([c, i] { c->setCurrentIndex(i); });
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
            const int i = Random(v->model()->rowCount());
            // A finding of the check is also followed to its place.
            const bool follow = v->objectName() == QLatin1String("lvFindings") && Chance(50);
            Note(QStringLiteral("%1 row %2 in %3")
                     .arg(follow ? QStringLiteral("double-click") : QStringLiteral("pick"))
                     .arg(i)
                     .arg(describe(v)));
            Armed([v, i, follow] {
                const QModelIndex index = v->model()->index(i, 0);
                v->setCurrentIndex(index);
                if (follow) {
                    const QPoint centre = v->visualRect(index).center();
                    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, centre);
                    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, centre);
                }
            });
        } else if (auto* s = qobject_cast<QSlider*>(w)) {
            const int value = s->minimum() + Random(s->maximum() - s->minimum() + 1);
            Note(QStringLiteral("slide %1 to %2").arg(describe(s)).arg(value));
            Armed([s, value] { s->setValue(value); });
        }
    }

    void TypeIntoEdit(QWidget* window)
    {
        QList<QWidget*> edits;
        for (QLineEdit* e : Usable<QLineEdit>(window))
            if (!e->isReadOnly() && !e->parentWidget()->inherits("QAbstractSpinBox")
                && !e->parentWidget()->inherits("QComboBox"))
                edits << e;
        for (QPlainTextEdit* e : Usable<QPlainTextEdit>(window))
            if (!e->isReadOnly())
                edits << e;
        for (QTextEdit* e : Usable<QTextEdit>(window))
            if (!e->isReadOnly())
                edits << e;
        if (edits.isEmpty())
            return;
        QWidget* e = edits.at(Random(int(edits.size())));
        const bool clear = Chance(30);
        const QString text = RandomText(Chance(10) ? 60 : 8);
        Note(QStringLiteral("type %1\"%2\" into %3")
                 .arg(clear ? QStringLiteral("(after clearing) ") : QString(), text, describe(e)));
        Armed([e, clear, text] {
            e->setFocus();
            if (clear) {
                QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(e, Qt::Key_Backspace);
            }
            QTest::keyClicks(e, text);
        });
    }

    void ChangeSpinBox(QWidget* window)
    {
        const QList<QAbstractSpinBox*> spins = Usable<QAbstractSpinBox>(window);
        if (spins.isEmpty())
            return;
        QAbstractSpinBox* s = spins.at(Random(int(spins.size())));
        switch (Random(3)) {
        case 0:
            Note(QStringLiteral("step up %1").arg(describe(s)));
            Armed([s] { QTest::keyClick(s, Qt::Key_Up); });
            break;
        case 1:
            Note(QStringLiteral("step down %1").arg(describe(s)));
            Armed([s] { QTest::keyClick(s, Qt::Key_Down); });
            break;
        default: {
            const QString digits = QString::number(Random(Chance(20) ? 100000 : 300));
            Note(QStringLiteral("enter %1 into %2").arg(digits, describe(s)));
            Armed([s, digits] {
                s->setFocus();
                s->selectAll();
                QTest::keyClicks(s, digits);
                QTest::keyClick(s, Qt::Key_Tab);
            });
        }
        }
    }

    void TriggerMenuItem(QWidget* window)
    {
        const QList<QAction*> actions = MenuActions(window);
        if (actions.isEmpty())
            return;
        QAction* a = actions.at(Random(int(actions.size())));
        if (isFileButton(a))
            return;
        Note(QStringLiteral("menu item %1").arg(describe(a)));
        Armed([a] { a->trigger(); });
    }

    void SwitchTab(QWidget* window)
    {
        QList<QTabBar*> bars;
        for (QTabBar* t : Usable<QTabBar>(window))
            if (t->count() > 1)
                bars << t;
        if (bars.isEmpty())
            return;
        QTabBar* t = bars.at(Random(int(bars.size())));
        const int i = Random(t->count());
        if (!t->isTabEnabled(i))
            return;
        Note(QStringLiteral("tab %1 of %2").arg(i).arg(describe(t)));
        Armed([t, i] { QTest::mouseClick(t, Qt::LeftButton, {}, t->tabRect(i).center()); });
    }

    void TypeIntoGrid()
    {
        TMacroGrid* grid = GridOf(fMain);
        const int position = Random(MacroCapacity);
        Note(QStringLiteral("grid cell %1").arg(position));
        Armed([this, grid, position] {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(fMain, position));
        });
        AfterAction();
        if (!fFailure.isEmpty())
            return;
        static const Qt::Key keys[] = {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Left,
                                       Qt::Key_Right,  Qt::Key_Up,        Qt::Key_Down,
                                       Qt::Key_Home,   Qt::Key_End,       Qt::Key_Return,
                                       Qt::Key_Tab};
        if (Chance(35)) {
            const Qt::Key key = keys[Random(int(std::size(keys)))];
            Note(QStringLiteral("grid key %1").arg(int(key), 0, 16));
            Armed([grid, key] { QTest::keyClick(grid, key); });
        } else {
            const QString text = RandomText(Chance(10) ? 120 : 6);
            Note(QStringLiteral("grid type \"%1\"").arg(text));
            Armed([grid, text] { QTest::keyClicks(grid, text); });
        }
    }

    void KeyTypeMenu()
    {
        QList<QAbstractButton*> keys;
        for (QAbstractButton* b : KeyButtons(fMain))
            if (b && b->isVisible() && b->isEnabled())
                keys << b;
        if (keys.isEmpty())
            return;
        QAbstractButton* key = keys.at(Random(int(keys.size())));
        Note(QStringLiteral("right-click %1").arg(describe(key)));
        Armed([key] { QTest::mouseClick(key, Qt::RightButton); });
        AfterAction();
        QMenu* menu = Find<QMenu>(fMain, "popmenKeyType");
        QList<QAction*> items;
        for (QAction* a : menu->actions())
            if (a->isEnabled() && !a->isSeparator())
                items << a;
        if (fFailure.isEmpty() && !items.isEmpty() && Chance(80)) {
            QAction* a = items.at(Random(int(items.size())));
            Note(QStringLiteral("key type %1").arg(describe(a)));
            Armed([a] { a->trigger(); });
        }
        menu->hide();
    }

    // Undo, the clipboard and the key commands; now and then text from
    // elsewhere on the clipboard first.
    void EditCommand()
    {
        if (Chance(10)) {
            const QString text = RandomText(Chance(20) ? 120 : 6);
            Note(QStringLiteral("clipboard text \"%1\"").arg(text));
            QApplication::clipboard()->setText(text);
        }
        QAction* a = Find<QAction>(fMain, EditCommands[Random(int(std::size(EditCommands)))]);
        if (!a->isEnabled())
            return;
        Note(QStringLiteral("edit command %1").arg(describe(a)));
        Armed([a] { a->trigger(); });
    }

    // A key dragged onto another, or the Swap Key With menu.
    void SwapKeys()
    {
        QList<int> keys;
        for (int key = 0; key < MaxKeys; ++key)
            if (KeyButton(fMain, key)->isVisible())
                keys << key;
        const int from = keys.at(Random(int(keys.size())));
        const int to = keys.at(Random(int(keys.size())));
        if (Chance(50)) {
            Note(QStringLiteral("swap key %1 with %2 by the menu").arg(from + 1).arg(to + 1));
            Armed([this, from, to] {
                QTest::mouseClick(KeyButton(fMain, from), Qt::LeftButton);
                Find<QAction>(fMain, QStringLiteral("SwapKeyItem%1").arg(to + 1))->trigger();
            });
            return;
        }
        Note(QStringLiteral("drag key %1 onto %2").arg(from + 1).arg(to + 1));
        const auto* panel = Find<TKeypadPanel>(fMain, "pnlKeypadPanel");
        QMimeData mime;
        mime.setData("application/x-padwright-key-button",
                     QByteArray::number(QCoreApplication::applicationPid()) + ':' +
                         QByteArray::number(reinterpret_cast<quintptr>(panel)) + ';' +
                         QByteArray::number(from));
        QAbstractButton* target = KeyButton(fMain, to);
        QDragEnterEvent enter(target->rect().center(), Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(target->rect().center(), Qt::MoveAction, &mime, Qt::LeftButton, {});
        if (enter.isAccepted())
            Armed([target, &drop] { QApplication::sendEvent(target, &drop); });
    }

    // Undo or Redo in a dialog (it refuses while the dialog has unapplied edits).
    void UndoInDialog(QWidget* window)
    {
        auto* a = window->findChild<QAction*>(Chance(60) ? QStringLiteral("DialogUndo")
                                                         : QStringLiteral("DialogRedo"));
        if (!a)
            return;
        Note(QStringLiteral("%1 in %2").arg(describe(a), describe(window)));
        Armed([a] { a->trigger(); });
    }

    // New, Open, Save and Save As with the prompts' answers queued first,
    // or a file dropped on the window (the recent files and the samples are
    // menu items like the others).
    void FileCommand()
    {
        const QString name = QStringLiteral("%1/file%2.%3")
                                 .arg(fFolder)
                                 .arg(Random(3))
                                 .arg(fMain.IsRomEditMode() != Chance(10) ? QStringLiteral("rom")
                                                                          : QStringLiteral("ckd"));
        QString command;
        switch (Random(5)) {
        case 0:
            command = QStringLiteral("NewMenuItem");
            fPrompts.QueueAnswer(Chance(50) ? TPromptAnswer::No : TPromptAnswer::Cancel);
            break;
        case 1:
            command = QStringLiteral("OpenMenuItem");
            fPrompts.QueueAnswer(Chance(50) ? TPromptAnswer::No : TPromptAnswer::Cancel);
            fPrompts.QueueFileName(Chance(80) ? name : QString());
            break;
        case 2: command = QStringLiteral("SaveMenuItem"); fPrompts.QueueFileName(name); break;
        case 3: command = QStringLiteral("SaveAsMenuItem"); fPrompts.QueueFileName(name); break;
        default: DropFile(name); return;
        }
        // The toolbar button, the menu item or the shortcut.
        QAction* action = Find<QAction>(fMain, command);
        QToolButton* button = nullptr;
        for (QToolButton* b : fMain.findChildren<QToolButton*>())
            if (b->defaultAction() == action)
                button = b;
        const int way = Random(3);
        Note(QStringLiteral("file command %1 by %2 (%3)")
                 .arg(command)
                 .arg(way == 0 ? "button" : way == 1 ? "menu" : "shortcut", name));
        if (way == 0 && button && button->isEnabled())
            Armed([button] { QTest::mouseClick(button, Qt::LeftButton); });
        else if (way == 1 && action->isEnabled())
            Armed([action] { action->trigger(); });
        else if (way == 2 && !action->shortcut().isEmpty())
            Armed([this, action] { QTest::keySequence(GridOf(fMain), action->shortcut()); });
        ClearQueues();
    }

    void DropFile(const QString& path)
    {
        fPrompts.QueueAnswer(Chance(50) ? TPromptAnswer::No : TPromptAnswer::Cancel);
        Note(QStringLiteral("drop %1").arg(path));
        Armed([this, path] {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(&fMain, &drop);
            // The window opens the file once the drop is over.
            QCoreApplication::sendPostedEvents(&fMain, QEvent::MetaCall);
        });
        ClearQueues();
    }

    // A shortcut of some other command, or a letter with Ctrl or Alt, typed
    // at the grid: what it does is checked by the invariants.
    void PressCommandKey()
    {
        QList<QKeySequence> keys;
        for (QAction* a : fMain.actions())
            if (!a->shortcut().isEmpty() && !ExcludedNames.contains(a->objectName())
                && !FileCommands.contains(a->objectName()))
                keys << a->shortcut();
        const QChar letter = QChar('A' + Random(26));
        if (Chance(50) || keys.isEmpty()) {
            const Qt::KeyboardModifier modifier = Chance(50) ? Qt::ControlModifier : Qt::AltModifier;
            if (QKeySequence(QKeyCombination(modifier, Qt::Key(letter.unicode())))
                == Find<QAction>(fMain, "ExitMenuItem")->shortcut())
                return;
            // Keys are sent as a window system sends them: Ctrl gives the
            // control character, Alt the letter.
            const QString text = modifier == Qt::ControlModifier
                                     ? QString(QChar(letter.unicode() - 64))
                                     : QString(letter.toLower());
            Note(QStringLiteral("grid key %1+%2")
                     .arg(modifier == Qt::ControlModifier ? "Ctrl" : "Alt")
                     .arg(letter));
            TMacroGrid* grid = GridOf(fMain);
            Armed([grid, letter, modifier, text] {
                QTest::sendKeyEvent(QTest::Click, grid, Qt::Key(letter.unicode()), text, modifier);
            });
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close(); // a menu the mnemonic opened
            return;
        }
        const QKeySequence key = keys.at(Random(int(keys.size())));
        Note(QStringLiteral("shortcut %1").arg(key.toString()));
        Armed([this, key] { QTest::keySequence(GridOf(fMain), key); });
    }

    void ClearQueues()
    {
        // Unused answers must not answer a later, unrelated question.
        fPrompts.DropQueued();
        fPrompts.Clear();
    }

    // ------------------------------------------------------------------ invariants

    QString CheckInvariants()
    {
        const TKeypadClass& k = fState.KeypadDefinition;
        // Every macro: codes, then -1 to the end of the slots.
        for (int key = 0; key < MaxKeys; ++key)
            for (int level = 0; level < MaxLevels; ++level) {
                const auto& values = KeyMacro(key, level).Values;
                int n = 0;
                while (n < MacroSlots && values[n] != -1)
                    ++n;
                for (int i = n; i < MacroSlots; ++i)
                    if (values[i] != -1)
                        return QStringLiteral("key %1 level %2: slot %3 holds %4 after the end "
                                              "at %5")
                            .arg(key + 1)
                            .arg(level + 1)
                            .arg(i)
                            .arg(values[i])
                            .arg(n);
                for (int i = 0; i < n; ++i)
                    if (values[i] < 0)
                        return QStringLiteral("key %1 level %2: code %3 at %4")
                            .arg(key + 1)
                            .arg(level + 1)
                            .arg(values[i])
                            .arg(i);
            }
        // The header shows the selected macro.
        const int count = k.CodeCount();
        if (Find<QLabel>(fMain, "lblBytesUsed")->text() != QString::number(MacroCapacity - count))
            return QStringLiteral("bytes available shows %1, the macro uses %2")
                .arg(Find<QLabel>(fMain, "lblBytesUsed")->text())
                .arg(count);
        if (Find<QProgressBar>(fMain, "ProgressBar1")->value() != qBound(0, count, 100))
            return QStringLiteral("progress bar at %1, the macro uses %2")
                .arg(Find<QProgressBar>(fMain, "ProgressBar1")->value())
                .arg(count);
        const QString header =
            QStringLiteral("Macro for Key %1, Level %2").arg(k.Key() + 1).arg(k.Level() + 1);
        if (Find<QLabel>(fMain, "lblMacroHeader")->text() != header)
            return QStringLiteral("header \"%1\", selection \"%2\"")
                .arg(Find<QLabel>(fMain, "lblMacroHeader")->text(), header);
        if (Find<QTabBar>(fMain, "TabControlLevel")->currentIndex() != k.Level())
            return QStringLiteral("level tab %1, selected level %2")
                .arg(Find<QTabBar>(fMain, "TabControlLevel")->currentIndex())
                .arg(k.Level());
        for (int p = 0; p < MacroCapacity; ++p)
            if (CellText(fMain, p) != k.GetDisplayValue(p))
                return QStringLiteral("cell %1 shows \"%2\", the macro holds \"%3\"")
                    .arg(p)
                    .arg(CellText(fMain, p), k.GetDisplayValue(p));
        if (Find<QCheckBox>(fMain, "chkboxAutoRepeat")->isChecked() != k.CanAutoRepeat())
            return QStringLiteral("auto-repeat box disagrees with the macro");
        if (QString failure = CheckAnalysisViews(); !failure.isEmpty())
            return failure;
        // The recent list: ten files at most, each once.
        QSet<QString> recent;
        for (QAction* item : Find<QMenu>(fMain, "mnuOpenRecent")->actions())
            if (!item->data().toString().isEmpty())
                recent << item->data().toString();
        const int listed = int(Find<QMenu>(fMain, "mnuOpenRecent")->actions().size()) - 2;
        if (listed > 10 || listed != recent.size())
            return QStringLiteral("recent list of %1 items, %2 files").arg(listed).arg(recent.size());
        // The title's "*" follows the changes flag.
        if (fMain.windowTitle().endsWith(QLatin1Char('*')) != fMain.IsChangesPending())
            return QStringLiteral("title \"%1\" with changes pending %2")
                .arg(fMain.windowTitle())
                .arg(fMain.IsChangesPending());
        return {};
    }

    // The preview shows what the selected macro sends; the findings dock,
    // while shown, lists the check of the definition as it is now.
    QString CheckAnalysisViews()
    {
        if (!Find<QWidget>(fMain, "pnlPreview")->isHidden()) {
            const TSendsPreview expected = PreviewSends(
                fState.KeypadDefinition.SelectedMacro(),
                PlaybackSettings(fState, fMain.IsRomEditMode() ? TReportKind::Rom : TReportKind::User));
            const QString sends = Find<QTextEdit>(fMain, "edPreviewSends")->toPlainText();
            const QString bytes = Find<QLineEdit>(fMain, "edPreviewBytes")->text();
            if (!sends.startsWith(expected.Text) || (sends.isEmpty() != expected.Text.isEmpty()))
                return QStringLiteral("preview shows \"%1\", the macro sends \"%2\"")
                    .arg(sends, expected.Text);
            if (bytes != (expected.Terminal ? expected.Hex() : QString()))
                return QStringLiteral("preview bytes \"%1\", the macro sends \"%2\"")
                    .arg(bytes, expected.Hex());
        }
        if (!Find<QDockWidget>(fMain, "dockFindings")->isHidden()) {
            const int listed = Find<QAbstractItemView>(fMain, "lvFindings")->model()->rowCount();
            if (listed != fMain.CheckNow().size())
                return QStringLiteral("findings dock lists %1, the check finds %2")
                    .arg(listed)
                    .arg(fMain.CheckNow().size());
        }
        return {};
    }

    // The history starts again (start, New, Open): what a save writes now
    // is what undoing everything must come back to.
    void NoteHistoryStart()
    {
        const QUndoStack& stack = fMain.Document().UndoStack();
        if (stack.count() == 0) {
            fHistoryStart = SavedDefinition(fState, fMain.IsRomEditMode());
            fHistoryWhole = true;
        } else if (stack.count() >= stack.undoLimit()) {
            fHistoryWhole = false; // the oldest steps are forgotten
        }
    }

    // Undoing every step comes back to the definition the history started
    // with; redoing every step to the definition before the undos.
    QString CheckUndoRedoAll()
    {
        const bool rom = fMain.IsRomEditMode();
        const QByteArray now = SavedDefinition(fState, rom);
        QAction* undo = Find<QAction>(fMain, "UndoMenuItem");
        QAction* redo = Find<QAction>(fMain, "RedoMenuItem");
        int steps = 0;
        for (; undo->isEnabled() && fFailure.isEmpty(); ++steps) {
            undo->trigger();
            fFailure = CheckInvariants();
        }
        if (!fFailure.isEmpty())
            return fFailure;
        if (fHistoryWhole && SavedDefinition(fState, rom) != fHistoryStart)
            return QStringLiteral("undoing all %1 steps does not give the definition the "
                                  "history started with")
                .arg(steps);
        // Steps undone before the check stay to be redone after it.
        for (int i = 0; i < steps; ++i) {
            if (!redo->isEnabled())
                return QStringLiteral("only %1 of %2 steps can be redone").arg(i).arg(steps);
            redo->trigger();
        }
        if (SavedDefinition(fState, rom) != now)
            return QStringLiteral("redoing all %1 steps does not give the definition before the "
                                  "undos")
                .arg(steps);
        Note(QStringLiteral("undid and redid %1 steps").arg(steps));
        return CheckInvariants();
    }

    const TMacroData& KeyMacro(int key, int level)
    {
        TKeypadClass& k = fState.KeypadDefinition;
        const int oldKey = k.Key(), oldLevel = k.Level();
        k.SetKey(key);
        k.SetLevel(level);
        const TMacroData& macro = k.SelectedMacro();
        k.SetKey(oldKey);
        k.SetLevel(oldLevel);
        return macro; // the records stay where they are; only the selection moved
    }

    // Saves a copy of the state to a temporary file, reads it into a fresh
    // state and compares.
    QString CheckSavedFileReadsBack()
    {
        TAppState saved = fState;
        const int numberOfKeys = fMain.GuiKeyLayout() == 1 ? 12 : 20;
        const QString path =
            fFolder + (fMain.IsRomEditMode() ? QStringLiteral("/check.rom") : QStringLiteral("/check.ckd"));
        TAppState read;
        TLoadResult loaded;
        if (fMain.IsRomEditMode()) {
            const TSaveResult result = SaveRomFile(saved, path, numberOfKeys, QStringLiteral("1.0"));
            if (!result.Ok)
                return QStringLiteral("save failed: %1").arg(result.Message);
            loaded = LoadRomFile(read, path);
        } else {
            TLevelKeyIndices indices;
            const TSaveResult result =
                SaveUserFile(saved, path, numberOfKeys, QStringLiteral("1.0"), indices);
            if (!result.Ok)
                return QStringLiteral("save failed: %1").arg(result.Message);
            loaded = LoadUserFile(read, path);
        }
        if (loaded.Status != TLoadStatus::Loaded)
            return QStringLiteral("saved file does not read back: %1").arg(loaded.Message);
        TKeypadClass& a = saved.KeypadDefinition;
        TKeypadClass& b = read.KeypadDefinition;
        for (int key = 0; key < MaxKeys; ++key)
            for (int level = 0; level < MaxLevels; ++level) {
                a.SetKey(key);
                a.SetLevel(level);
                b.SetKey(key);
                b.SetLevel(level);
                if (a.Keytype() != b.Keytype())
                    return QStringLiteral("key %1: type %2 read back as %3")
                        .arg(key + 1)
                        .arg(a.Keytype())
                        .arg(b.Keytype());
                if (!macroEqual(a.SelectedMacro(), b.SelectedMacro()))
                    return QStringLiteral("key %1 level %2: \"%3\" %4 read back as \"%5\" %6")
                        .arg(key + 1)
                        .arg(level + 1)
                        .arg(a.GetMacroName(), a.MakeCodes(), b.GetMacroName(), b.MakeCodes());
            }
        if (fMain.IsRomEditMode()) {
            if (!(saved.AdvancedParams == read.AdvancedParams))
                return QStringLiteral("advanced ROM properties differ after reading back");
            if (!(saved.ScreenData == read.ScreenData))
                return QStringLiteral("screens differ after reading back");
        } else {
            const auto globals = [](const TKeypadClass& k) {
                return QList<int>{k.KeyRollOver(),       k.LEDBehavior(),  k.CharacterPacing(),
                                  k.DownloadDelay(),     k.OpMode(),       k.TailChar(),
                                  k.KeyClick(),          k.CmdPrefix(),    k.BaudRate(),
                                  k.XonChar(),           k.XoffChar(),     k.WordFormat(),
                                  k.FormCardType(),      k.CardPrefix(),   k.CardPrefixEnable(),
                                  k.CardSuffix(),        k.CardSuffixEnable(), k.CardTracks(),
                                  k.CardStartSentinel(), k.CardEndSentinel(),
                                  k.CardFieldSeparator(), k.CardBadSwipe(), k.CdcSerialNo()};
            };
            if (globals(a) != globals(b)) {
                QStringList diff;
                const QList<int> ga = globals(a), gb = globals(b);
                for (int i = 0; i < ga.size(); ++i)
                    if (ga[i] != gb[i])
                        diff << QStringLiteral("#%1: %2 -> %3").arg(i).arg(ga[i]).arg(gb[i]);
                return QStringLiteral("global parameters differ: %1").arg(diff.join(", "));
            }
        }
        return {};
    }

    TAppState& fState;
    TfrmMain& fMain;
    TScriptedPrompts& fPrompts;
    QString fFolder;
    std::mt19937 fRng;
    int fLimit;
    int fDone = 0;
    QString fFailure;
    QSet<QWidget*> fDriving;
    QByteArray fHistoryStart;
    bool fHistoryWhole = true;
};

class TstRobustness : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QuietOffscreenMenus(true); }
    void cleanupTestCase() { QuietOffscreenMenus(false); }
    void randomUse_data();
    void randomUse();
};

void TstRobustness::randomUse_data()
{
    QTest::addColumn<bool>("romMode");
    QTest::addColumn<int>("layout");
    QTest::addColumn<quint32>("sequenceOffset");
    QTest::newRow("USER Mode, 20 keys") << false << 2 << 0u;
    QTest::newRow("USER Mode, 12 keys") << false << 1 << 1u;
    QTest::newRow("ROM Edit Mode, 20 keys") << true << 2 << 2u;
}

void TstRobustness::randomUse()
{
    QFETCH(bool, romMode);
    QFETCH(int, layout);
    QFETCH(quint32, sequenceOffset);

    // The normal suite replays one fixed sequence so that a run is repeatable;
    // PADWRIGHT_ROBUST_SEQUENCE=clock asks for a new sequence each run.
    const bool clockSequence = qgetenv("PADWRIGHT_ROBUST_SEQUENCE") == "clock";
    const int baseSequence = clockSequence ? int(QDateTime::currentSecsSinceEpoch() % 100000)
                                   : envInt("PADWRIGHT_ROBUST_SEQUENCE", DefaultSequence);
    const quint32 sequence = quint32(baseSequence) + sequenceOffset;
    const int actions = envInt("PADWRIGHT_ROBUST_ACTIONS", DefaultActions);

    TTestFolders folders;
    TTestFolders::WriteFile(folders.SettingsFile(),
                            QByteArray("[CONFIGURATION]\r\nAdvanced_Enable=")
                                + (romMode ? "1" : "0") + "\r\nKeypad_Layout="
                                + QByteArray::number(layout) + "\r\n");
    // The samples, for File > Open Sample.
    const QString samples = QStringLiteral(PADWRIGHT_TEST_DATA "/../../docs/samples/");
    QDir().mkpath(folders.Program() + QStringLiteral("/samples"));
    for (const QString& sample : QDir(samples).entryList(QDir::Files))
        QFile::copy(samples + sample, folders.Program() + QStringLiteral("/samples/") + sample);
    TScriptedPrompts prompts;
    TRecordingLauncher launcher;
    TAppState state;
    // Not the system's keyboard: the last row's keys must not count as Ctrl
    // held at the next start (which asks for the mode).
    TScriptedKeyboard keyboard;
    TAppWindows windows(state, {}, &keyboard);
    TfrmMain& main = windows.Main();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(main.IsRomEditMode(), romMode);

    const QString files = folders.Documents() + QStringLiteral("/robust");
    QDir().mkpath(files);
    TRandomUser user(state, main, prompts, files, sequence, actions);
    const QString failure = user.Run();
    if (!failure.isEmpty()) {
        qWarning().noquote() << "Replay with PADWRIGHT_ROBUST_SEQUENCE=" + QString::number(sequence - sequenceOffset)
                                    + " PADWRIGHT_ROBUST_ACTIONS=" + QString::number(actions)
                                    + "\nLast actions:\n" + user.Log.join(QLatin1Char('\n'));
        QFAIL(qPrintable(QStringLiteral("sequence %1: %2").arg(sequence).arg(failure)));
    }
    qInfo("sequence %u: %d actions", sequence, actions);
}

QTEST_MAIN(TstRobustness)
#include "tst_robustness.moc"
