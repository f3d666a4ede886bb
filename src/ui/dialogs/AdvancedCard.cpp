// The card pages of the advanced ROM properties dialog: "Card Type",
// "Barcode/RFID" (called "Ext. Wedge" for the wedge) and "Mag Card".

#include "ui/dialogs/Advanced.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include "model/AppState.h"
#include "model/Encodings.h"
#include "ui/dialogs/AdvancedArt.h"
#include "ui/dialogs/AdvancedParts.h"
#include "ui/dialogs/LcdLinesPanel.h"

using namespace AdvancedParts;

// ------------------------------------------------------------ page "Card Type"

QWidget* TfrmAdvanced::BuildCardTypePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsCardType"));

    QGroupBox* gboxType = BuildCardTypeGroup(page);
    BuildCardComGroup(page);
    BuildCardReadMsgGroup(page);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(gboxType);
    auto* lower = new QHBoxLayout;
    lower->addWidget(gboxCardComParams, 1);
    lower->addWidget(gboxCardReadMsg);
    layout->addLayout(lower);
    layout->addStretch(1);
    return page;
}

QGroupBox* TfrmAdvanced::BuildCardTypeGroup(QWidget* page)
{
    auto* gboxType = MakeGroup(page, QStringLiteral("gboxCardType"), tr(" Card Reader Type * "));
    const QStringList types = Encodings::CardTypeCaptions();
    auto* rbCardNone =
        MakeRadio(gboxType, QStringLiteral("rbCardNone"), types.value(Encodings::CardTypeNone));
    auto* rbCardBCR =
        MakeRadio(gboxType, QStringLiteral("rbCardBCR"), types.value(Encodings::CardTypeBarcode));
    auto* rbCardMCR =
        MakeRadio(gboxType, QStringLiteral("rbCardMCR"), types.value(Encodings::CardTypeMagnetic));
    auto* rbCardWedge =
        MakeRadio(gboxType, QStringLiteral("rbCardWedge"), types.value(Encodings::CardTypeWedge));
    fCardTypeGroup = MakeRadioSet(this, {{rbCardNone, Encodings::CardTypeNone},
                                         {rbCardBCR, Encodings::CardTypeBarcode},
                                         {rbCardMCR, Encodings::CardTypeMagnetic},
                                         {rbCardWedge, Encodings::CardTypeWedge}});
    auto* imgBCR = new TAdvancedArt(TAdvancedArt::TKind::Barcode, gboxType);
    imgBCR->setObjectName(QStringLiteral("imgCardBCR"));
    auto* imgMCR = new TAdvancedArt(TAdvancedArt::TKind::MagCard, gboxType);
    imgMCR->setObjectName(QStringLiteral("imgCardMCR"));
    auto* imgWedge = new TAdvancedArt(TAdvancedArt::TKind::Wedge, gboxType);
    imgWedge->setObjectName(QStringLiteral("imgCardWedge"));
    auto* type = new QGridLayout(gboxType);
    type->setHorizontalSpacing(24);
    type->addWidget(rbCardNone, 0, 0, Qt::AlignTop);
    type->addWidget(rbCardBCR, 0, 1, Qt::AlignHCenter);
    type->addWidget(rbCardMCR, 0, 2, Qt::AlignHCenter);
    type->addWidget(rbCardWedge, 0, 3, Qt::AlignHCenter);
    type->addWidget(imgBCR, 1, 1, Qt::AlignHCenter);
    type->addWidget(imgMCR, 1, 2, Qt::AlignHCenter);
    type->addWidget(imgWedge, 1, 3, Qt::AlignHCenter);
    type->setColumnStretch(4, 1);

    connect(fCardTypeGroup, &QButtonGroup::idToggled, this, [this](int cardType, bool on) {
        if (on)
            rbCardTypeClick(cardType);
    });
    return gboxType;
}

void TfrmAdvanced::BuildCardComGroup(QWidget* page)
{
    gboxCardComParams =
        MakeGroup(page, QStringLiteral("gboxCardComParams"), tr(" Card Reader COM Parameters "));
    cboxCardBaudRate = MakeList(gboxCardComParams, QStringLiteral("cboxCardBaudRate"),
                                Encodings::BaudRateCaptions());
    rbCard7DataBits =
        MakeRadio(gboxCardComParams, QStringLiteral("rbCard7DataBits"), QStringLiteral("7"));
    rbCard8DataBits =
        MakeRadio(gboxCardComParams, QStringLiteral("rbCard8DataBits"), QStringLiteral("8"));
    const QStringList parity = Encodings::ParityCaptions();
    auto* none = MakeRadio(gboxCardComParams, QStringLiteral("rbCardParityNone"),
                           parity.value(int(Encodings::TParity::None)));
    auto* odd = MakeRadio(gboxCardComParams, QStringLiteral("rbCardParityOdd"),
                          parity.value(int(Encodings::TParity::Odd)));
    auto* even = MakeRadio(gboxCardComParams, QStringLiteral("rbCardParityEven"),
                           parity.value(int(Encodings::TParity::Even)));
    auto* mark = MakeRadio(gboxCardComParams, QStringLiteral("rbCardParityMark"),
                           parity.value(int(Encodings::TParity::Mark)));
    auto* space = MakeRadio(gboxCardComParams, QStringLiteral("rbCardParitySpace"),
                            parity.value(int(Encodings::TParity::Space)));
    rbCardStopBits1 =
        MakeRadio(gboxCardComParams, QStringLiteral("rbCardStopBits1"), QStringLiteral("1"));
    rbCardStopBits2 =
        MakeRadio(gboxCardComParams, QStringLiteral("rbCardStopBits2"), QStringLiteral("2"));
    auto* dataBits = MakeRadioSet(this, {{rbCard7DataBits, 7}, {rbCard8DataBits, 8}});
    auto* stopBits = MakeRadioSet(this, {{rbCardStopBits1, 1}, {rbCardStopBits2, 2}});
    fCardParityGroup = MakeRadioSet(this, {{none, int(Encodings::TParity::None)},
                                           {odd, int(Encodings::TParity::Odd)},
                                           {even, int(Encodings::TParity::Even)},
                                           {mark, int(Encodings::TParity::Mark)},
                                           {space, int(Encodings::TParity::Space)}});
    auto* com = new QGridLayout(gboxCardComParams);
    com->setHorizontalSpacing(10);
    com->addWidget(
        MakeLabel(gboxCardComParams, QStringLiteral("lblCardBaudRate"), tr("Baud Rate:")), 0, 0);
    com->addWidget(cboxCardBaudRate, 0, 1, 1, 2, Qt::AlignLeft);
    com->addWidget(
        MakeLabel(gboxCardComParams, QStringLiteral("lblCardDataBits"), tr("# of Data Bits:")), 1,
        0);
    com->addWidget(rbCard7DataBits, 1, 1);
    com->addWidget(rbCard8DataBits, 1, 2);
    com->addWidget(MakeLabel(gboxCardComParams, QStringLiteral("lblCardParity"), tr("Parity:")), 2,
                   0);
    com->addWidget(none, 2, 1);
    com->addWidget(odd, 2, 2);
    com->addWidget(even, 2, 3);
    com->addWidget(mark, 2, 4);
    com->addWidget(space, 2, 5);
    com->addWidget(
        MakeLabel(gboxCardComParams, QStringLiteral("lblCardStopBits"), tr("# of Stop Bits:")), 3,
        0);
    com->addWidget(rbCardStopBits1, 3, 1);
    com->addWidget(rbCardStopBits2, 3, 2);
    com->setColumnStretch(6, 1);

    connect(cboxCardBaudRate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                Edit([index](TAdvancedParams& p) {
                    if (index >= 0)
                        p.CardBaudRate = uint8_t(index);
                });
            });
    connect(dataBits, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            rbCardDataBitsClick();
    });
    connect(stopBits, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            rbCardStopBitsClick();
    });
    connect(fCardParityGroup, &QButtonGroup::idToggled, this, [this](int parity, bool on) {
        if (on)
            rbCardParityClick(parity);
    });
}

void TfrmAdvanced::BuildCardReadMsgGroup(QWidget* page)
{
    gboxCardReadMsg =
        MakeGroup(page, QStringLiteral("gboxCardReadMsg"), tr(" Card Read OK Message "));
    auto* lcd = new TLcdLinesPanel(QStringLiteral("edLcdLine1CardOK"),
                                   QStringLiteral("edLcdLine2CardOK"), gboxCardReadMsg);
    lcd->setObjectName(QStringLiteral("imgCardOkLcd"));
    edLcdLine1CardOK = lcd->Line1();
    edLcdLine2CardOK = lcd->Line2();
    auto* lblHold = MakeLabel(gboxCardReadMsg, QStringLiteral("lblTCardReadHold"),
                              tr("Card read OK message display time:"));
    spinTCardReadHold =
        MakeSpin(gboxCardReadMsg, QStringLiteral("spinTCardReadHold"), Encodings::MessageHoldRange);
    lblHold->setBuddy(spinTCardReadHold);
    auto* msg = new QGridLayout(gboxCardReadMsg);
    msg->addWidget(lcd, 0, 0, 1, 3);
    msg->addWidget(lblHold, 1, 0);
    msg->addWidget(spinTCardReadHold, 1, 1);
    msg->addWidget(MakeLabel(gboxCardReadMsg, QStringLiteral("lblTCardReadHoldUnit"), tr(" ms ")),
                   1, 2);
    msg->setColumnStretch(3, 1);
    connect(edLcdLine1CardOK, &QLineEdit::textChanged, this, [this](const QString& t) {
        Edit([t](TAdvancedParams& p) { p.CardReadMsgLine1 = t; });
    });
    connect(edLcdLine2CardOK, &QLineEdit::textChanged, this, [this](const QString& t) {
        Edit([t](TAdvancedParams& p) { p.CardReadMsgLine2 = t; });
    });
    connect(spinTCardReadHold, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { Edit([v](TAdvancedParams& p) { p.TCardReadHold = v; }); });
}

void TfrmAdvanced::rbCardTypeClick(int cardType)
{
    Edit(
        [cardType](TAdvancedParams& p) {
            p.FormCardType = uint8_t(cardType);
            p.DeviceType = Encodings::DeviceTypeForCardType(cardType);
        },
        true);
}

void TfrmAdvanced::rbCardDataBitsClick()
{
    const int dataBits = rbCard7DataBits->isChecked() ? 7 : 8;
    Edit([dataBits](TAdvancedParams& p) {
        p.CardWordFormat =
            Encodings::WithDataBits(p.CardWordFormat, Encodings::TWordLayout::Extended, dataBits);
    });
}

void TfrmAdvanced::rbCardStopBitsClick()
{
    const int stopBits = rbCardStopBits1->isChecked() ? 1 : 2;
    Edit([stopBits](TAdvancedParams& p) {
        p.CardWordFormat =
            Encodings::WithStopBits(p.CardWordFormat, Encodings::TWordLayout::Extended, stopBits);
    });
}

void TfrmAdvanced::rbCardParityClick(int parity)
{
    const auto choice = Encodings::TParity(parity);
    Edit([choice](TAdvancedParams& p) {
        p.CardWordFormat =
            Encodings::WithParity(p.CardWordFormat, Encodings::TWordLayout::Extended, choice);
    });
}

// ------------------------------------------------------------ page "Barcode/RFID"

QWidget* TfrmAdvanced::BuildBarcodePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsBarcodeRFID"));
    auto* group = MakeGroup(page, QStringLiteral("gboxBCRDelimiters"), tr(" Delimiters "));

    lblWedgeMode = MakeLabel(group, QStringLiteral("lblWedgeMode"),
                             Encodings::Caption(Encodings::WedgeModeLabel));
    rbWedgeModePacketize = MakeRadio(group, QStringLiteral("rbWedgeModePacketize"),
                                     Encodings::Caption(Encodings::WedgePacketizeCaption));
    rbWedgeModePassThru = MakeRadio(group, QStringLiteral("rbWedgeModePassThru"),
                                    Encodings::Caption(Encodings::WedgePassThruCaption));
    MakeRadioSet(this, {{rbWedgeModePacketize, 1}, {rbWedgeModePassThru, 0}});
    auto* wedge = new QGridLayout;
    wedge->addWidget(lblWedgeMode, 0, 0);
    wedge->addWidget(rbWedgeModePacketize, 0, 1);
    wedge->addWidget(rbWedgeModePassThru, 1, 1);
    wedge->setColumnStretch(2, 1);

    const QStringList captions = Encodings::CardDelimiterCaptions(Encodings::CardTypeBarcode);
    const char* const names[] = {"BCRPrefixChar", "BCRStartChar", "BCREndChar", "BCRSuffixChar"};
    TLooseSpinBox** boxes[] = {&spinBCRPrefixChar, &spinBCRStartChar, &spinBCREndChar,
                               &spinBCRSuffixChar};
    auto* delimiters = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(names[i]);
        auto* label = MakeLabel(group, QStringLiteral("lbl") + name, captions.value(i));
        *boxes[i] = MakeSpin(group, QStringLiteral("spin") + name, Encodings::CharCodeRange);
        label->setBuddy(*boxes[i]);
        auto* decimal =
            MakeDecimal(group, QStringLiteral("lbl") + name + QStringLiteral("Decimal"));
        delimiters->addWidget(label, i, 0);
        delimiters->addWidget(*boxes[i], i, 1);
        delimiters->addWidget(decimal, i, 2);
        fBCRCaptionLabels << label;
        fBCRDelimiterWidgets << label << *boxes[i] << decimal;
        connect(*boxes[i], qOverload<int>(&QSpinBox::valueChanged), this,
                &TfrmAdvanced::spinBCRDelimiterChange);
    }
    // Room for the longer wedge captions.
    const QStringList wedgeCaptions = Encodings::CardDelimiterCaptions(Encodings::CardTypeWedge);
    int widest = 0;
    for (const QString& caption : wedgeCaptions + captions)
        widest = std::max(widest, group->fontMetrics().horizontalAdvance(caption));
    delimiters->setColumnMinimumWidth(0, widest + 8);
    delimiters->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(wedge);
    layout->addSpacing(10);
    layout->addLayout(delimiters);
    layout->addSpacing(6);
    layout->addWidget(MakeLabel(group, QStringLiteral("lblBCRNote"),
                                Encodings::Caption(Encodings::DisableCharNote)));
    layout->addWidget(MakeLabel(group, QStringLiteral("lblBCRDataFormat"),
                                Encodings::Caption(Encodings::CardDataFormat)));

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(group);
    pageLayout->addStretch(1);

    connect(rbWedgeModePacketize, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbWedgeModePacketizeClick();
    });
    connect(rbWedgeModePassThru, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbWedgeModePassThruClick();
    });
    return page;
}

void TfrmAdvanced::spinBCRDelimiterChange()
{
    if (bInAdvancedShowForm)
        return;
    TAdvancedParams& p = Working();
    p.CardStartDelim = uint8_t(spinBCRPrefixChar->value());
    p.CardPrefix = uint8_t(spinBCRStartChar->value());
    p.CardSuffix = uint8_t(spinBCREndChar->value());
    p.CardEndDelim = uint8_t(spinBCRSuffixChar->value());
    // The prefix and suffix boxes of page "Mag Card" edit the same fields.
    const QSignalBlocker prefix(spinMCRPrefixChar);
    const QSignalBlocker suffix(spinMCRSuffixChar);
    spinMCRPrefixChar->setValue(p.CardStartDelim);
    spinMCRSuffixChar->setValue(p.CardEndDelim);
    MarkAdvancedChanged();
}

void TfrmAdvanced::rbWedgeModePacketizeClick()
{
    Edit([](TAdvancedParams& p) { p.DeviceType = Encodings::DeviceTypeForWedgeMode(true); }, true);
}

void TfrmAdvanced::rbWedgeModePassThruClick()
{
    Edit([](TAdvancedParams& p) { p.DeviceType = Encodings::DeviceTypeForWedgeMode(false); }, true);
}

// ------------------------------------------------------------ page "Mag Card"

QWidget* TfrmAdvanced::BuildMagCardPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsMagCard"));
    QGroupBox* group = BuildMCRDelimiterGroup(page);
    QGroupBox* gboxTracks = BuildMCRTrackGroup(page);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(gboxTracks);
    layout->addStretch(1);
    return page;
}

QGroupBox* TfrmAdvanced::BuildMCRDelimiterGroup(QWidget* page)
{
    auto* group = MakeGroup(page, QStringLiteral("gboxMCRDelimiters"), tr(" Delimiters "));

    struct TDelimiter
    {
        TLooseSpinBox** Box;
        const char* Name;
        const char* Label;
        QStringList Note;
    };
    const TDelimiter rows[] = {
        {&spinMCRPrefixChar,
         "MCRPrefixChar",
         QT_TRANSLATE_NOOP("TfrmAdvanced", "MCR prefix char: "),
         {}},
        {&spinMCRStartSentinel,
         "MCRStartSentinel",
         QT_TRANSLATE_NOOP("TfrmAdvanced", "Start sentinel char: *"),
         {tr("The Start Sentinel replacement character "),
          tr("replaces the % character for track 1 and "), tr("the ; character for track 2.")}},
        {&spinMCREndSentinel,
         "MCREndSentinel",
         QT_TRANSLATE_NOOP("TfrmAdvanced", "End sentinel char: *"),
         {tr("The End Sentinel replacement character "),
          tr("replaces the ? character for track 1 and "), tr("the ? character for track 2.")}},
        {&spinMCRFieldSeparator,
         "MCRFieldSeparator",
         QT_TRANSLATE_NOOP("TfrmAdvanced", "Field separator char:*"),
         {tr("The Field Separator replacement char"), tr("replaces the ^ character for track 1 "),
          tr("and the = character for track 2.")}},
        {&spinMCRSuffixChar,
         "MCRSuffixChar",
         QT_TRANSLATE_NOOP("TfrmAdvanced", "MCR suffix char:  "),
         {}},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    int row = 0;
    for (const TDelimiter& d : rows) {
        const QString name = QString::fromLatin1(d.Name);
        auto* label = MakeLabel(group, QStringLiteral("lbl") + name, tr(d.Label));
        *d.Box = MakeSpin(group, QStringLiteral("spin") + name, Encodings::CharCodeRange);
        label->setBuddy(*d.Box);
        grid->addWidget(label, row, 0);
        grid->addWidget(*d.Box, row, 1, Qt::AlignVCenter);
        if (!d.Note.isEmpty())
            grid->addWidget(
                MakeNote(group, QStringLiteral("lbl") + name + QStringLiteral("Note"), d.Note), row,
                2);
        connect(*d.Box, qOverload<int>(&QSpinBox::valueChanged), this,
                &TfrmAdvanced::spinMCRDelimiterChange);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    auto* delimiters = new QVBoxLayout(group);
    delimiters->addLayout(grid);
    delimiters->addSpacing(6);
    delimiters->addWidget(
        MakeLabel(group, QStringLiteral("lblMCRNote"), Encodings::Caption(Encodings::MagCardNote)));
    delimiters->addWidget(MakeLabel(group, QStringLiteral("lblMCRDataFormat"),
                                    Encodings::Caption(Encodings::MagCardDataFormat)));
    return group;
}

QGroupBox* TfrmAdvanced::BuildMCRTrackGroup(QWidget* page)
{
    auto* gboxTracks = MakeGroup(page, QStringLiteral("gboxMCRTracks"), tr(" Track Selection "));
    cboxMCRTrack1 = MakeCheck(gboxTracks, QStringLiteral("cboxMCRTrack1"), tr("Track 1"));
    cboxMCRTrack2 = MakeCheck(gboxTracks, QStringLiteral("cboxMCRTrack2"), tr("Track 2"));
    auto* tracks = new QHBoxLayout(gboxTracks);
    tracks->addWidget(
        MakeLabel(gboxTracks, QStringLiteral("lblMCRTracks"), tr("Process Track(s): *")));
    tracks->addSpacing(10);
    tracks->addWidget(cboxMCRTrack1);
    tracks->addWidget(cboxMCRTrack2);
    tracks->addStretch(1);

    connect(cboxMCRTrack1, &QCheckBox::toggled, this, &TfrmAdvanced::cboxMCRTrackClick);
    connect(cboxMCRTrack2, &QCheckBox::toggled, this, &TfrmAdvanced::cboxMCRTrackClick);
    return gboxTracks;
}

void TfrmAdvanced::spinMCRDelimiterChange()
{
    if (bInAdvancedShowForm)
        return;
    TAdvancedParams& p = Working();
    p.CardStartDelim = uint8_t(spinMCRPrefixChar->value());
    p.CardStartSentinel = uint8_t(spinMCRStartSentinel->value());
    p.CardEndSentinel = uint8_t(spinMCREndSentinel->value());
    p.CardFieldSeparator = uint8_t(spinMCRFieldSeparator->value());
    p.CardEndDelim = uint8_t(spinMCRSuffixChar->value());
    // The prefix and suffix boxes of page "Barcode/RFID" edit the same fields.
    const QSignalBlocker prefix(spinBCRPrefixChar);
    const QSignalBlocker suffix(spinBCRSuffixChar);
    spinBCRPrefixChar->setValue(p.CardStartDelim);
    spinBCRSuffixChar->setValue(p.CardEndDelim);
    MarkAdvancedChanged();
}

void TfrmAdvanced::cboxMCRTrackClick()
{
    const bool track1 = cboxMCRTrack1->isChecked();
    const bool track2 = cboxMCRTrack2->isChecked();
    Edit([=](TAdvancedParams& p) { p.CardTracks = Encodings::MakeCardTracks(track1, track2); });
}

// ------------------------------------------------------------ loading, rules

void TfrmAdvanced::LoadCardPages()
{
    const TAdvancedParams& p = Working();
    CheckRadio(fCardTypeGroup, p.FormCardType);

    SelectEntry(cboxCardBaudRate, p.CardBaudRate);
    edLcdLine1CardOK->setText(p.CardReadMsgLine1);
    edLcdLine2CardOK->setText(p.CardReadMsgLine2);
    spinTCardReadHold->setValue(p.TCardReadHold);

    const Encodings::TWordFormat format = Encodings::DecodeCardWordFormat(p.CardWordFormat);
    (format.DataBits == 7 ? rbCard7DataBits : rbCard8DataBits)->setChecked(true);
    (format.StopBits == 1 ? rbCardStopBits1 : rbCardStopBits2)->setChecked(true);
    CheckRadio(fCardParityGroup, int(format.Parity));

    spinBCRPrefixChar->setValue(p.CardStartDelim);
    spinBCRStartChar->setValue(p.CardPrefix);
    spinBCREndChar->setValue(p.CardSuffix);
    spinBCRSuffixChar->setValue(p.CardEndDelim);

    (Encodings::ShowsPacketize(p.FormCardType, p.DeviceType) ? rbWedgeModePacketize
                                                             : rbWedgeModePassThru)
        ->setChecked(true);

    cboxMCRTrack1->setChecked(p.CardTracks & Encodings::CardTrack1Bit);
    cboxMCRTrack2->setChecked(p.CardTracks & Encodings::CardTrack2Bit);
    spinMCRPrefixChar->setValue(p.CardStartDelim);
    spinMCRStartSentinel->setValue(p.CardStartSentinel);
    spinMCREndSentinel->setValue(p.CardEndSentinel);
    spinMCRFieldSeparator->setValue(p.CardFieldSeparator);
    spinMCRSuffixChar->setValue(p.CardEndDelim);

    cboxEnableEcrMode->setChecked(Encodings::EcrEnabled(p.EcrMode));
    cboxConcatenate->setChecked(p.EcrMode & Encodings::EcrConcatenateBit);
    cboxSuppressLZ->setChecked(p.EcrMode & Encodings::EcrSuppressZerosBit);
    cboxPrepend00->setChecked(p.EcrMode & Encodings::EcrPrependZerosBit);
    cboxSelectTrack->setCurrentIndex(Encodings::EcrTrackIndex(p.EcrMode));
    cboxSelectField->setCurrentIndex(Encodings::EcrFieldIndex(p.EcrMode));
    edRemoveSuffix->setText(p.EcrString);
}

void TfrmAdvanced::ApplyCardRules()
{
    const int cardType = Working().FormCardType;
    auto showPage = [this](QWidget* page, bool visible) {
        pcAdvanced->setTabVisible(pcAdvanced->indexOf(page), visible);
    };

    if (cardType == Encodings::CardTypeNone) {
        showPage(tsBarcodeRFID, false);
        showPage(tsMagCard, false);
        showPage(tsEcrProcess, false);
        gboxCardComParams->hide();
        gboxCardReadMsg->hide();
    } else {
        gboxCardComParams->show();
        gboxCardReadMsg->show();
    }

    if (cardType == Encodings::CardTypeBarcode || cardType == Encodings::CardTypeWedge) {
        pcAdvanced->setTabText(pcAdvanced->indexOf(tsBarcodeRFID),
                               Encodings::CardPageTitle(uint8_t(cardType)));
        const QStringList captions = Encodings::CardDelimiterCaptions(uint8_t(cardType));
        for (int i = 0; i < fBCRCaptionLabels.size(); ++i)
            fBCRCaptionLabels[i]->setText(captions.value(i));
        showPage(tsBarcodeRFID, true);
        showPage(tsMagCard, false);
        const bool wedge = cardType == Encodings::CardTypeWedge;
        lblWedgeMode->setVisible(wedge);
        rbWedgeModePacketize->setVisible(wedge);
        rbWedgeModePassThru->setVisible(wedge);
        const bool framed = !wedge || !rbWedgeModePassThru->isChecked();
        for (QWidget* widget : fBCRDelimiterWidgets)
            widget->setEnabled(framed);
        showPage(tsEcrProcess, framed);
    } else if (cardType == Encodings::CardTypeMagnetic) {
        showPage(tsBarcodeRFID, false);
        showPage(tsMagCard, true);
        showPage(tsEcrProcess, true);
    } else if (cardType > Encodings::CardTypeWedge) {
        // An unknown reader from a file: no card page until a type is chosen.
        showPage(tsBarcodeRFID, false);
        showPage(tsMagCard, false);
        showPage(tsEcrProcess, false);
    }

    const bool ecr = cboxEnableEcrMode->isChecked();
    for (QWidget* widget : fEcrOptionWidgets)
        widget->setEnabled(ecr);
    cboxEnableEcrMode->setEnabled(true);
}
