#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

// The ROM properties of ROM Edit Mode: one parameter record and eight LCD
// screens. Plain records, copied whole by value.

struct TAdvancedParams
{
    uint8_t OpMode = 1;
    bool bHostEcho = false;
    bool bMaskEnable = false;
    QChar MaskChar = QChar('*');
    bool ScreenEnable = false;
    uint8_t StartScreen = 0;
    uint8_t CalcPrefix = 0;
    uint8_t CalcStart = 0;
    uint8_t TailChar = 13;
    uint8_t CalcSuffix = 0;
    uint8_t KeyRollOver = 2;
    uint8_t CharacterPacing = 0;
    int32_t DownloadDelay = 0;
    uint8_t LEDBehavior = 31;
    uint8_t LcdSize = 32;
    QString SignOnMsgLine1 = QStringLiteral("*  Halvorsten  *");
    QString SignOnMsgLine2 = QStringLiteral("*   Ostrella   *");
    int32_t TSignOnHold = 1000;
    uint8_t CursorStyle = 3;
    uint8_t ScrollWrap = 0;
    uint8_t LcdXlate = 0;
    uint8_t LcdBrightness = 9;
    int32_t HostType = 0;
    uint8_t BaudRate = 3;
    uint8_t WordFormat = 8;
    uint8_t XonChar = 0;
    uint8_t XoffChar = 0;
    uint8_t CmdPrefix = 64;
    int32_t CdcSerialNo = 1;
    int32_t TBeepChirp = 10;
    uint8_t KeyClick = 40;
    int32_t TBeepError = 200;
    int32_t TBeepCardOK = 100;
    uint8_t FormCardType = 1;
    uint8_t DeviceType = 0;
    uint8_t CardBaudRate = 3;
    uint8_t CardWordFormat = 144;
    QString CardReadMsgLine1 = QStringLiteral(" Card Read OK!  ");
    QString CardReadMsgLine2 = QStringLiteral(" ==== ==== ===  ");
    int32_t TCardReadHold = 1000;
    uint8_t CardPrefix = 0;
    uint8_t CardStartDelim = 0;
    uint8_t CardEndDelim = 0;
    uint8_t CardSuffix = 13;
    uint8_t CardTracks = 3;
    uint8_t CardStartSentinel = 0;
    uint8_t CardEndSentinel = 13;
    uint8_t CardFieldSeparator = 9;
    uint8_t CardBadSwipe = 0;
    int32_t EcrMode = 0;
    QString EcrString;

    bool operator==(const TAdvancedParams& other) const;
    bool operator!=(const TAdvancedParams& other) const { return !(*this == other); }
};

struct TScreenDataRec
{
    QString TextLine1; // reset per screen: "This is screen " and its number (DefaultScreenData)
    QString TextLine2 = QStringLiteral("> _____________ ");
    bool bTimeoutEnable = false;
    uint8_t TimeoutAction = 0;
    int32_t TimeoutPeriod = 1000;
    bool bCardSwipeEnable = false;
    uint8_t CardSwipeAction = 1;
    uint8_t UserDataAction = 12;
    uint8_t EnterAction = 1;
    uint8_t UserFullAction = 9;
    uint8_t BackNormalAction = 10;
    uint8_t BackEmptyAction = 9;
    uint8_t ClearNormalAction = 11;
    uint8_t ClearEmptyAction = 9;
    bool bUserMaskInput = false;
    bool bRequireAllData = false;
    bool bSaveDataForNextScreen = false;
    uint8_t LedModes = 0;
    uint8_t OnShowChar = 0;
    uint8_t OnLeaveChar = 0;

    bool operator==(const TScreenDataRec& other) const;
    bool operator!=(const TScreenDataRec& other) const { return !(*this == other); }
};

constexpr int ScreenCount = 8;
using TScreenDataArray = std::array<TScreenDataRec, ScreenCount>;

// The reset record and the reset screen n (1..8).
TAdvancedParams DefaultAdvancedParams();
TScreenDataRec DefaultScreenData(int screenNumber);
