#include "model/AdvancedClass.h"

bool TAdvancedParams::operator==(const TAdvancedParams& o) const
{
    return OpMode == o.OpMode && bHostEcho == o.bHostEcho && bMaskEnable == o.bMaskEnable &&
           MaskChar == o.MaskChar && ScreenEnable == o.ScreenEnable &&
           StartScreen == o.StartScreen && CalcPrefix == o.CalcPrefix && CalcStart == o.CalcStart &&
           TailChar == o.TailChar && CalcSuffix == o.CalcSuffix && KeyRollOver == o.KeyRollOver &&
           CharacterPacing == o.CharacterPacing && DownloadDelay == o.DownloadDelay &&
           LEDBehavior == o.LEDBehavior && LcdSize == o.LcdSize &&
           SignOnMsgLine1 == o.SignOnMsgLine1 && SignOnMsgLine2 == o.SignOnMsgLine2 &&
           TSignOnHold == o.TSignOnHold && CursorStyle == o.CursorStyle &&
           ScrollWrap == o.ScrollWrap && LcdXlate == o.LcdXlate &&
           LcdBrightness == o.LcdBrightness && HostType == o.HostType && BaudRate == o.BaudRate &&
           WordFormat == o.WordFormat && XonChar == o.XonChar && XoffChar == o.XoffChar &&
           CmdPrefix == o.CmdPrefix && CdcSerialNo == o.CdcSerialNo && TBeepChirp == o.TBeepChirp &&
           KeyClick == o.KeyClick && TBeepError == o.TBeepError && TBeepCardOK == o.TBeepCardOK &&
           FormCardType == o.FormCardType && DeviceType == o.DeviceType &&
           CardBaudRate == o.CardBaudRate && CardWordFormat == o.CardWordFormat &&
           CardReadMsgLine1 == o.CardReadMsgLine1 && CardReadMsgLine2 == o.CardReadMsgLine2 &&
           TCardReadHold == o.TCardReadHold && CardPrefix == o.CardPrefix &&
           CardStartDelim == o.CardStartDelim && CardEndDelim == o.CardEndDelim &&
           CardSuffix == o.CardSuffix && CardTracks == o.CardTracks &&
           CardStartSentinel == o.CardStartSentinel && CardEndSentinel == o.CardEndSentinel &&
           CardFieldSeparator == o.CardFieldSeparator && CardBadSwipe == o.CardBadSwipe &&
           EcrMode == o.EcrMode && EcrString == o.EcrString;
}

bool TScreenDataRec::operator==(const TScreenDataRec& o) const
{
    return TextLine1 == o.TextLine1 && TextLine2 == o.TextLine2 &&
           bTimeoutEnable == o.bTimeoutEnable && TimeoutAction == o.TimeoutAction &&
           TimeoutPeriod == o.TimeoutPeriod && bCardSwipeEnable == o.bCardSwipeEnable &&
           CardSwipeAction == o.CardSwipeAction && UserDataAction == o.UserDataAction &&
           EnterAction == o.EnterAction && UserFullAction == o.UserFullAction &&
           BackNormalAction == o.BackNormalAction && BackEmptyAction == o.BackEmptyAction &&
           ClearNormalAction == o.ClearNormalAction && ClearEmptyAction == o.ClearEmptyAction &&
           bUserMaskInput == o.bUserMaskInput && bRequireAllData == o.bRequireAllData &&
           bSaveDataForNextScreen == o.bSaveDataForNextScreen && LedModes == o.LedModes &&
           OnShowChar == o.OnShowChar && OnLeaveChar == o.OnLeaveChar;
}

TAdvancedParams DefaultAdvancedParams()
{
    // The member initialisers are the reset values.
    return TAdvancedParams();
}

TScreenDataRec DefaultScreenData(int screenNumber)
{
    TScreenDataRec screen;
    screen.TextLine1 = QStringLiteral("This is screen ") + QString::number(screenNumber);
    return screen;
}
