#pragma once

#include <QStringList>

#include <memory>

class QDialog;
class TAppState;
class TfrmMain;
class THostKeyboard;

// The program's windows, created once at start in their fixed order (the
// main window first) and destroyed together at the end. main() and the
// start-up benchmark both create them through this class.
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

private:
    std::unique_ptr<TfrmMain> fMain;
    std::unique_ptr<QDialog> fParameters;
    std::unique_ptr<QDialog> fAdvanced;
    std::unique_ptr<QDialog> fScreenEdit;
    std::unique_ptr<QDialog> fMidiEvents;
    std::unique_ptr<QDialog> fMacroLenWarning;
    std::unique_ptr<QDialog> fHostTypeInfo;
};
