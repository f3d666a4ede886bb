#pragma once

#include "model/AppState.h"
#include "support/ScriptedPrompts.h"
#include "ui/AppWindows.h"
#include "ui/common/HostKeyboard.h"
#include "ui/main/MacroGrid.h"
#include "ui/main/Main.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QByteArray>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QStringList>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

// A host keyboard whose state the test sets.
class TScriptedKeyboard : public THostKeyboard
{
public:
    bool Ctrl = false;
    bool Shift = false;
    bool CapsLock = false;
    bool CtrlDown() const override { return Ctrl; }
    bool ShiftDown() const override { return Shift; }
    bool CapsLockOn() const override { return CapsLock; }
};

// Temporary documents and program folders, pointed to by the environment
// variables the platform layer reads, for the fixture's lifetime.
class TTestFolders
{
public:
    TTestFolders();
    ~TTestFolders();
    TTestFolders(const TTestFolders&) = delete;
    TTestFolders& operator=(const TTestFolders&) = delete;

    QString Documents() const;
    QString Program() const;
    // documents/Halvorsten/OstrellaPro
    QString DataFolder() const;
    QString SettingsFile() const { return DataFolder() + QStringLiteral("/PadwrightRx.ini"); }
    QString LoaderSettingsFile() const { return DataFolder() + QStringLiteral("/RxLoad.ini"); }

    // Writes `text` to `path` (folders made as needed); CR LF line ends are the caller's.
    static void WriteFile(const QString& path, const QByteArray& text);
    static QByteArray ReadFile(const QString& path);

private:
    QTemporaryDir fRoot;
};

// A main window on temporary folders with scripted prompts and keyboard.
// Build the folders' files first, then call Create().
class TMainFixture
{
public:
    TTestFolders Folders;
    TScriptedPrompts Prompts;
    TScriptedKeyboard Keyboard;
    TAppState State;
    std::unique_ptr<TfrmMain> Window;
    // Set instead of Window by CreateWithWindows.
    std::unique_ptr<TAppWindows> Windows;

    // Creates the window with `arguments` as its command line; shows it when `show`.
    TfrmMain& Create(const QStringList& arguments = {}, bool show = true);
    // Creates all the program's windows as main() does (the dialogs wired to
    // the main window) and shows the main window.
    TfrmMain& CreateWithWindows(const QStringList& arguments = {});
    TfrmMain& W() { return Windows ? Windows->Main() : *Window; }

    // The settings file's text (empty when missing).
    QByteArray SettingsText() const { return TTestFolders::ReadFile(Folders.SettingsFile()); }
};

// The child of `root` named `name`. A test that asks for a control that is
// not there stops with the name.
template <typename T = QWidget> T* Find(const QObject& root, const QString& name)
{
    T* found = root.findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Triggers the window's action named `name`, as choosing its menu item does.
void TriggerAction(const QObject& window, const QString& name);

// The main window's grid and key buttons (key index 0..19).
TMacroGrid* GridOf(const TfrmMain& window);
QAbstractButton* KeyButton(const TfrmMain& window, int keyIndex);
QList<QAbstractButton*> KeyButtons(const TfrmMain& window);

// The offscreen platform tells about every menu it cannot raise or grab the
// keyboard for; many of those lines would bury a real warning. `on` keeps
// them out of the test's output until called again with false.
void QuietOffscreenMenus(bool on);

// The bytes a save of `state` writes to a new file (20 keys): the user
// definition file, or the ROM file in ROM Edit Mode. The state is not touched.
QByteArray SavedDefinition(const TAppState& state, bool rom);

// The codes of the selected macro, in order.
QList<int32_t> MacroCodes(const TKeypadClass& definition);
// The text of the grid cell for macro position `position`.
QString CellText(const TfrmMain& window, int position);
// The centre of the grid cell for `position`, in the grid viewport's coordinates.
QPoint CellCentre(const TfrmMain& window, int position);
