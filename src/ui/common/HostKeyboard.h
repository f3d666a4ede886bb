#pragma once

// The PC keyboard as the editor sees it at the moment of a question: Ctrl held
// at start, Shift held and Caps Lock toggled at an insertion. Tests replace it
// with one that answers as scripted.
class THostKeyboard
{
public:
    virtual ~THostKeyboard() = default;
    virtual bool CtrlDown() const = 0;
    virtual bool ShiftDown() const = 0;
    virtual bool CapsLockOn() const = 0;
};

// Shift and Ctrl from the window system, Caps Lock from the platform layer.
class TSystemKeyboard : public THostKeyboard
{
public:
    bool CtrlDown() const override;
    bool ShiftDown() const override;
    bool CapsLockOn() const override;
};
