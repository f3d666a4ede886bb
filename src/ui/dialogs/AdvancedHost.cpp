// Page "Host" of the advanced ROM properties dialog: the host interface mode,
// the CDC serial number and the host serial port's baud rate and word format.

#include "ui/dialogs/Advanced.h"

#include <QBoxLayout>
#include <QGridLayout>

#include "model/AppState.h"
#include "model/Encodings.h"
#include "ui/dialogs/AdvancedArt.h"
#include "ui/dialogs/AdvancedParts.h"

using namespace AdvancedParts;

namespace {

// The radio of each host mode, in the order of Encodings::HostModes.
struct THostRadio
{
    int Code;
    const char* Name;
};
const THostRadio HostRadios[] = {
    {Encodings::HostModeDefault, "rbHostNone"},    {Encodings::HostModeHidKeyboard, "rbHostHIDK1"},
    {Encodings::HostModeEthernet, "rbEthernet"},   {Encodings::HostModeCdc, "rbHostCDC"},
    {Encodings::HostModeVirtualCom2, "rbHostVS2"}, {Encodings::HostModeHidKeyboard2, "rbHostHIDK2"},
};

const char* HostRadioName(int code)
{
    for (const THostRadio& radio : HostRadios) {
        if (radio.Code == code)
            return radio.Name;
    }
    return "";
}

} // namespace

QWidget* TfrmAdvanced::BuildHostPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsHost"));
    QGroupBox* gboxConnection = BuildHostConnectionGroup(page);
    QGroupBox* gboxCom = BuildHostComGroup(page);
    // Never shown: the command prefix and the flow-control characters are
    // kept as stored; these boxes only carry their values.
    QGroupBox* gboxCmdPrefix = BuildHostCmdPrefixGroup(page);
    QGroupBox* gboxFlow = BuildHostFlowGroup(page);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(gboxConnection);
    layout->addWidget(gboxCom);
    layout->addWidget(gboxCmdPrefix);
    layout->addWidget(gboxFlow);
    layout->addStretch(1);
    return page;
}

// The connection types, each with its notes or options, and the Notes link.
QGroupBox* TfrmAdvanced::BuildHostConnectionGroup(QWidget* page)
{
    auto* gboxConnection =
        MakeGroup(page, QStringLiteral("gboxHostConnection"), tr(" Host Connection Type * "));
    fHostModeGroup = new QButtonGroup(this);
    auto* modes = new QGridLayout;
    modes->setColumnMinimumWidth(0, 24);
    modes->setVerticalSpacing(5);
    int row = 0;
    for (const Encodings::THostMode& mode : Encodings::HostModes) {
        auto* radio = MakeRadio(gboxConnection, QString::fromLatin1(HostRadioName(mode.Code)),
                                QString::fromUtf8(mode.Caption));
        fHostModeGroup->addButton(radio, mode.Code);
        modes->addWidget(radio, row++, 0, 1, 3);
        if (mode.Code == Encodings::HostModeDefault) {
            rbHostNone = radio;
            modes->addWidget(MakeLabel(gboxConnection, QStringLiteral("lblHostMode1"),
                                       Encodings::Caption(Encodings::HostMode1Label)),
                             row++, 1, 1, 2);
            modes->addWidget(MakeLabel(gboxConnection, QStringLiteral("lblHostMode2"),
                                       Encodings::Caption(Encodings::HostMode2Label)),
                             row++, 1, 1, 2);
        } else if (mode.Code == Encodings::HostModeCdc) {
            rbHostCDC = radio;
            lblCdcSerialNo = MakeLabel(gboxConnection, QStringLiteral("lblCdcSerialNo"),
                                       tr("CDC Serial Number: "));
            spinCdcSerialNo = MakeSpin(gboxConnection, QStringLiteral("spinCdcSerialNo"),
                                       Encodings::CdcSerialNoRange);
            spinCdcSerialNo->setMaxDigits(4);
            lblCdcSerialNo->setBuddy(spinCdcSerialNo);
            auto* cdc = new QHBoxLayout;
            cdc->addWidget(lblCdcSerialNo);
            cdc->addWidget(spinCdcSerialNo);
            cdc->addStretch(1);
            modes->addLayout(cdc, row++, 1, 1, 2);
        }
    }
    QVBoxLayout* notes = BuildHostNotes(gboxConnection);

    auto* connection = new QHBoxLayout(gboxConnection);
    connection->addLayout(modes, 1);
    connection->addSpacing(12);
    connection->addLayout(notes);

    connect(fHostModeGroup, &QButtonGroup::idToggled, this, [this](int code, bool on) {
        if (on)
            rbHostModeClick(code);
    });
    connect(spinCdcSerialNo, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { Edit([v](TAdvancedParams& p) { p.CdcSerialNo = v; }); });
    return gboxConnection;
}

// The picture and the underlined label that show the host type information.
QVBoxLayout* TfrmAdvanced::BuildHostNotes(QGroupBox* gboxConnection)
{
    auto* imgHostNotes = new TAdvancedArt(TAdvancedArt::TKind::Notes, gboxConnection);
    imgHostNotes->setObjectName(QStringLiteral("imgHostNotes"));
    auto* lblHostNotes = MakeLabel(gboxConnection, QStringLiteral("lblHostNotes"), tr(" Notes "));
    QFont linkFont = lblHostNotes->font();
    linkFont.setUnderline(true);
    lblHostNotes->setFont(linkFont);
    lblHostNotes->setStyleSheet(tr("color: #0645ad;"));
    for (QWidget* notes :
         {static_cast<QWidget*>(imgHostNotes), static_cast<QWidget*>(lblHostNotes)}) {
        notes->setCursor(Qt::PointingHandCursor);
        notes->installEventFilter(this);
    }
    auto* notes = new QVBoxLayout;
    notes->addWidget(imgHostNotes, 0, Qt::AlignHCenter);
    notes->addWidget(lblHostNotes, 0, Qt::AlignHCenter);
    notes->addStretch(1);
    return notes;
}

QGroupBox* TfrmAdvanced::BuildHostComGroup(QWidget* page)
{
    auto* gboxCom =
        MakeGroup(page, QStringLiteral("gboxHostComParams"), tr(" Host COM Parameters * "));
    auto* imgDb9 = new TAdvancedArt(TAdvancedArt::TKind::Db9, gboxCom);
    imgDb9->setObjectName(QStringLiteral("imgHostDb9"));
    cboxHostBaudRate =
        MakeList(gboxCom, QStringLiteral("cboxHostBaudRate"), Encodings::BaudRateCaptions());
    rbHost7DataBits = MakeRadio(gboxCom, QStringLiteral("rbHost7DataBits"), QStringLiteral("7"));
    rbHost8DataBits = MakeRadio(gboxCom, QStringLiteral("rbHost8DataBits"), QStringLiteral("8"));
    const QStringList parity = Encodings::ParityCaptions();
    auto* rbHostParityNone = MakeRadio(gboxCom, QStringLiteral("rbHostParityNone"),
                                       parity.value(int(Encodings::TParity::None)));
    auto* rbHostParityOdd = MakeRadio(gboxCom, QStringLiteral("rbHostParityOdd"),
                                      parity.value(int(Encodings::TParity::Odd)));
    auto* rbHostParityEven = MakeRadio(gboxCom, QStringLiteral("rbHostParityEven"),
                                       parity.value(int(Encodings::TParity::Even)));
    auto* rbHostParityMark = MakeRadio(gboxCom, QStringLiteral("rbHostParityMark"),
                                       parity.value(int(Encodings::TParity::Mark)));
    auto* rbHostParitySpace = MakeRadio(gboxCom, QStringLiteral("rbHostParitySpace"),
                                        parity.value(int(Encodings::TParity::Space)));
    // The host port cannot be given mark or space parity here; a stored one
    // still shows.
    SetEnabled({rbHostParityMark, rbHostParitySpace}, false);
    rbHostStopBits1 = MakeRadio(gboxCom, QStringLiteral("rbHostStopBits1"), QStringLiteral("1"));
    rbHostStopBits2 = MakeRadio(gboxCom, QStringLiteral("rbHostStopBits2"), QStringLiteral("2"));
    auto* dataBits = MakeRadioSet(this, {{rbHost7DataBits, 7}, {rbHost8DataBits, 8}});
    auto* stopBits = MakeRadioSet(this, {{rbHostStopBits1, 1}, {rbHostStopBits2, 2}});
    fHostParityGroup = MakeRadioSet(this, {{rbHostParityNone, int(Encodings::TParity::None)},
                                           {rbHostParityOdd, int(Encodings::TParity::Odd)},
                                           {rbHostParityEven, int(Encodings::TParity::Even)},
                                           {rbHostParityMark, int(Encodings::TParity::Mark)},
                                           {rbHostParitySpace, int(Encodings::TParity::Space)}});

    auto* com = new QGridLayout;
    com->setHorizontalSpacing(10);
    com->addWidget(MakeLabel(gboxCom, QStringLiteral("lblHostBaudRate"), tr("Baud Rate:")), 0, 0);
    com->addWidget(cboxHostBaudRate, 0, 1, 1, 2, Qt::AlignLeft);
    com->addWidget(MakeLabel(gboxCom, QStringLiteral("lblHostDataBits"), tr("# of Data Bits:")), 1,
                   0);
    com->addWidget(rbHost7DataBits, 1, 1);
    com->addWidget(rbHost8DataBits, 1, 2);
    com->addWidget(MakeLabel(gboxCom, QStringLiteral("lblHostParity"), tr("Parity:")), 2, 0);
    com->addWidget(rbHostParityNone, 2, 1);
    com->addWidget(rbHostParityOdd, 2, 2);
    com->addWidget(rbHostParityEven, 2, 3);
    com->addWidget(rbHostParityMark, 2, 4);
    com->addWidget(rbHostParitySpace, 2, 5);
    com->addWidget(MakeLabel(gboxCom, QStringLiteral("lblHostStopBits"), tr("# of Stop Bits:")), 3,
                   0);
    com->addWidget(rbHostStopBits1, 3, 1);
    com->addWidget(rbHostStopBits2, 3, 2);
    com->setColumnStretch(6, 1);
    auto* comRow = new QHBoxLayout(gboxCom);
    comRow->addWidget(imgDb9, 0, Qt::AlignVCenter);
    comRow->addSpacing(12);
    comRow->addLayout(com, 1);

    connect(cboxHostBaudRate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                Edit([index](TAdvancedParams& p) {
                    if (index >= 0)
                        p.BaudRate = uint8_t(index);
                });
            });
    connect(dataBits, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            rbHostDataBitsClick();
    });
    connect(stopBits, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            rbHostStopBitsClick();
    });
    connect(fHostParityGroup, &QButtonGroup::idToggled, this, [this](int parity, bool on) {
        if (on)
            rbHostParityClick(parity);
    });
    return gboxCom;
}

QGroupBox* TfrmAdvanced::BuildHostCmdPrefixGroup(QWidget* page)
{
    auto* gboxCmdPrefix =
        MakeGroup(page, QStringLiteral("gboxCmdPrefix"), tr(" Command Prefix * "));
    spinCmdPrefix =
        MakeSpin(gboxCmdPrefix, QStringLiteral("spinCmdPrefix"), Encodings::CharCodeRange);
    auto* cmd = new QHBoxLayout(gboxCmdPrefix);
    cmd->addWidget(MakeLabel(gboxCmdPrefix, QStringLiteral("lblCmdPrefix"),
                             tr("Host Command Prefix (decimal):")));
    cmd->addWidget(spinCmdPrefix);
    spinCmdPrefix->setEnabled(false);
    gboxCmdPrefix->hide();
    return gboxCmdPrefix;
}

QGroupBox* TfrmAdvanced::BuildHostFlowGroup(QWidget* page)
{
    auto* gboxFlow = MakeGroup(page, QStringLiteral("gboxFlowControl"), tr(" Flow Control * "));
    spinXonChar = MakeSpin(gboxFlow, QStringLiteral("spinXonChar"), Encodings::CharCodeRange);
    spinXoffChar = MakeSpin(gboxFlow, QStringLiteral("spinXoffChar"), Encodings::CharCodeRange);
    auto* flow = new QGridLayout(gboxFlow);
    flow->addWidget(MakeLabel(gboxFlow, QStringLiteral("lblXonChar"), tr("Xon char (decimal):")), 0,
                    0);
    flow->addWidget(spinXonChar, 0, 1);
    flow->addWidget(MakeLabel(gboxFlow, QStringLiteral("lblXoffChar"), tr("Xoff char (decimal):")),
                    1, 0);
    flow->addWidget(spinXoffChar, 1, 1);
    SetEnabled({spinXonChar, spinXoffChar}, false);
    gboxFlow->hide();
    return gboxFlow;
}

void TfrmAdvanced::rbHostModeClick(int code)
{
    if (bInAdvancedShowForm)
        return;
    // Choosing another mode keeps the CDC serial number as it is.
    Working().HostType = code;
    SetEnabled({lblCdcSerialNo, spinCdcSerialNo}, rbHostCDC->isChecked());
    // The LED captions follow the host mode.
    FormShow();
    MarkAdvancedChanged();
}

void TfrmAdvanced::rbHostDataBitsClick()
{
    const int dataBits = rbHost7DataBits->isChecked() ? 7 : 8;
    Edit([dataBits](TAdvancedParams& p) {
        p.WordFormat = Encodings::WithDataBits(p.WordFormat,
                                               Encodings::HostWordLayout(p.WordFormat), dataBits);
    });
}

void TfrmAdvanced::rbHostStopBitsClick()
{
    const int stopBits = rbHostStopBits1->isChecked() ? 1 : 2;
    Edit([stopBits](TAdvancedParams& p) {
        p.WordFormat = Encodings::WithStopBits(p.WordFormat,
                                               Encodings::HostWordLayout(p.WordFormat), stopBits);
    });
}

void TfrmAdvanced::rbHostParityClick(int parity)
{
    const auto choice = Encodings::TParity(parity);
    // Mark and space are never offered for the host port.
    if (choice == Encodings::TParity::Mark || choice == Encodings::TParity::Space)
        return;
    Edit([choice](TAdvancedParams& p) {
        p.WordFormat =
            Encodings::WithParity(p.WordFormat, Encodings::HostWordLayout(p.WordFormat), choice);
    });
}

void TfrmAdvanced::LoadHostPage()
{
    const TAdvancedParams& p = Working();
    CheckRadio(fHostModeGroup, Encodings::ShownHostMode(p.HostType));
    SetEnabled({lblCdcSerialNo, spinCdcSerialNo}, Encodings::UsesCdcSerialNo(p.HostType));
    spinCdcSerialNo->setValue(p.CdcSerialNo);
    SelectEntry(cboxHostBaudRate, p.BaudRate);
    spinCmdPrefix->setValue(p.CmdPrefix);
    spinXonChar->setValue(p.XonChar);
    spinXoffChar->setValue(p.XoffChar);

    const Encodings::TWordFormat format = Encodings::DecodeHostWordFormat(p.WordFormat);
    (format.DataBits == 7 ? rbHost7DataBits : rbHost8DataBits)->setChecked(true);
    (format.StopBits == 1 ? rbHostStopBits1 : rbHostStopBits2)->setChecked(true);
    CheckRadio(fHostParityGroup, int(format.Parity));
}
