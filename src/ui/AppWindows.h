#pragma once

#include <QStringList>

#include <memory>

class TAppState;
class TfrmAdvanced;
class TfrmHostTypeInfo;
class TfrmMacroLenWarning;
class TfrmMain;
class TfrmMidiEvents;
class TfrmParameters;
class TfrmScreenEdit;
class THostKeyboard;

// The program's windows, created once at start in their fixed order (the
// main window first) and wired to each other here, in one place. The main
// window owns the others (they are its children) and takes them with it.
// main() and the start-up benchmark both create them through this class.
class TAppWindows
{
public:
    // `arguments`: the command line without the program name; `keyboard`:
    // the host keyboard (nullptr: the real one).
    TAppWindows(TAppState& state, const QStringList& arguments, THostKeyboard* keyboard = nullptr);
    ~TAppWindows();
    TAppWindows(const TAppWindows&) = delete;
    TAppWindows& operator=(const TAppWindows&) = delete;

    TfrmMain& Main() const { return *fMain; }
    TfrmParameters& Parameters() const { return *fParameters; }
    TfrmAdvanced& Advanced() const { return *fAdvanced; }
    TfrmScreenEdit& ScreenEdit() const { return *fScreenEdit; }
    TfrmMidiEvents& MidiEvents() const { return *fMidiEvents; }
    TfrmMacroLenWarning& MacroLenWarning() const { return *fMacroLenWarning; }
    TfrmHostTypeInfo& HostTypeInfo() const { return *fHostTypeInfo; }

private:
    void ConnectWindows();
    // Undo and Redo inside the modal dialogs, and their refresh after a step.
    void ConnectUndo();

    std::unique_ptr<TfrmMain> fMain;
    TfrmParameters* fParameters = nullptr;
    TfrmAdvanced* fAdvanced = nullptr;
    TfrmScreenEdit* fScreenEdit = nullptr;
    TfrmMidiEvents* fMidiEvents = nullptr;
    TfrmMacroLenWarning* fMacroLenWarning = nullptr;
    TfrmHostTypeInfo* fHostTypeInfo = nullptr;
};
