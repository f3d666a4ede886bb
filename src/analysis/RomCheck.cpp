// The check's rules for the ROM properties and the screens of Automated
// Screen Mode.

#include "analysis/CheckSink.h"
#include "model/Encodings.h"

#include <array>

namespace {

using TPlace = TCheckSink::TPlace;
using Encodings::TScreenActionField;

struct TAction
{
    TScreenActionField Field;
    const char* Name;
    int Code;
    bool Used; // a disabled time-out or card swipe takes no action
};

std::array<TAction, 9> Actions(const TScreenDataRec& s)
{
    return {{
        {TScreenActionField::Timeout, "time-out", s.TimeoutAction, s.bTimeoutEnable},
        {TScreenActionField::CardSwipe, "card swipe", s.CardSwipeAction, s.bCardSwipeEnable},
        {TScreenActionField::UserData, "data entry", s.UserDataAction, true},
        {TScreenActionField::Enter, "ENTER", s.EnterAction, true},
        {TScreenActionField::UserFull, "data full", s.UserFullAction, true},
        {TScreenActionField::BackNormal, "BACK", s.BackNormalAction, true},
        {TScreenActionField::BackEmpty, "BACK without data", s.BackEmptyAction, true},
        {TScreenActionField::ClearNormal, "CLEAR", s.ClearNormalAction, true},
        {TScreenActionField::ClearEmpty, "CLEAR without data", s.ClearEmptyAction, true},
    }};
}

// An LCD line shows 16 characters; the files keep longer texts as they are.
void LcdText(TCheckSink& sink, const QString& text, const QString& what, const TPlace& place = {})
{
    if (text.size() <= Encodings::LcdLineLength)
        return;
    sink.Add(TSeverity::Warning, "lcd-text",
             QStringLiteral("%1 has %2 characters; the LCD shows %3.")
                 .arg(what)
                 .arg(text.size())
                 .arg(Encodings::LcdLineLength),
             place);
}

// The screens that Automated Screen Mode can show: the start screen and every
// screen a shown screen's actions go to.
std::array<bool, ScreenCount> Reached(const TScreenDataArray& screens, int start)
{
    std::array<bool, ScreenCount> reached{};
    QList<int> queue{start};
    reached[size_t(start)] = true;
    while (!queue.isEmpty()) {
        const int screen = queue.takeFirst();
        for (const TAction& a : Actions(screens[size_t(screen)])) {
            if (!a.Used || !Encodings::IsGoToScreenAction(a.Code))
                continue;
            const int target = a.Code - Encodings::ActionGoToScreen1;
            if (!reached[size_t(target)]) {
                reached[size_t(target)] = true;
                queue << target;
            }
        }
    }
    return reached;
}

// One shown screen: every action one that its list offers, a time-out that can
// run out, LED modes of off, on or flashing, texts that fit the LCD.
void Screen(TCheckSink& sink, const TScreenDataRec& s, int index)
{
    const TPlace place{-1, -1, -1, index};
    for (const TAction& a : Actions(s)) {
        if (a.Used && a.Code >= Encodings::ActionItems(a.Field).size())
            sink.Add(TSeverity::Warning, "screen-action",
                     QStringLiteral("The %1 action is code %2, which has no meaning.")
                         .arg(QLatin1String(a.Name))
                         .arg(a.Code),
                     place);
    }
    if (s.bTimeoutEnable && !Encodings::TimeoutPeriodRange.Contains(s.TimeoutPeriod))
        sink.Add(TSeverity::Warning, "screen-timeout",
                 QStringLiteral("The time-out is on with a period of %1 ms; a period is 1 to "
                                "60000 ms.")
                     .arg(s.TimeoutPeriod),
                 place);
    if (Encodings::GreenLedMode(s.LedModes) > Encodings::LedFlashing ||
        Encodings::RedLedMode(s.LedModes) > Encodings::LedFlashing)
        sink.Add(TSeverity::Warning, "screen-leds",
                 QStringLiteral("The LED value %1 is no pair of green and red modes (tens and "
                                "units, 0 to 2 each).")
                     .arg(s.LedModes),
                 place);
    if (s.bSaveDataForNextScreen && !Encodings::IsGoToScreenAction(s.UserDataAction))
        sink.Add(TSeverity::Note, "screen-save-data",
                 QStringLiteral("\"Save data for next screen\" is on, but data entry goes to no "
                                "screen: the setting has no effect."),
                 place);
    LcdText(sink, s.TextLine1, QStringLiteral("Line 1"), place);
    LcdText(sink, s.TextLine2, QStringLiteral("Line 2"), place);
}

void Screens(const TAppState& state, TCheckSink& sink)
{
    const TAdvancedParams& a = state.AdvancedParams;
    std::array<bool, ScreenCount> reached;
    reached.fill(true);
    if (a.StartScreen < ScreenCount) {
        reached = Reached(state.ScreenData, a.StartScreen);
    } else if (a.StartScreen > ScreenCount) { // ScreenCount itself is the demonstration
        sink.Add(TSeverity::Warning, "start-screen",
                 QStringLiteral("The start screen is code %1, which is none of the eight "
                                "screens.")
                     .arg(a.StartScreen));
    }
    for (int i = 0; i < ScreenCount; ++i) {
        if (reached[size_t(i)])
            Screen(sink, state.ScreenData[size_t(i)], i);
        else
            sink.Add(TSeverity::Note, "screen-unreachable",
                     QStringLiteral("This screen is never shown: it is not the start screen, and "
                                    "no screen that is shown goes to it."),
                     TPlace{-1, -1, -1, i});
    }
}

} // namespace

void CheckRomProperties(const TAppState& state, TCheckSink& sink)
{
    const TAdvancedParams& a = state.AdvancedParams;
    LcdText(sink, a.SignOnMsgLine1, QStringLiteral("Line 1 of the sign-on message"));
    LcdText(sink, a.SignOnMsgLine2, QStringLiteral("Line 2 of the sign-on message"));
    LcdText(sink, a.CardReadMsgLine1, QStringLiteral("Line 1 of the card-read message"));
    LcdText(sink, a.CardReadMsgLine2, QStringLiteral("Line 2 of the card-read message"));
    // Appending key data to the card data requires screen mode.
    if (Encodings::EcrEnabled(a.EcrMode) && (a.EcrMode & Encodings::EcrConcatenateBit) &&
        !a.ScreenEnable)
        sink.Add(TSeverity::Warning, "ecr-concatenate",
                 QStringLiteral("Card post-processing appends the key data to the card data, "
                                "which requires Automated Screen Mode; that mode is off."));
    if (a.ScreenEnable)
        Screens(state, sink);
}
