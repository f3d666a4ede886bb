#include "ui/dialogs/Params.h"

#include "model/AppState.h"
#include "model/Encodings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

using namespace Encodings;

// A number box that reads text which is not a number as its minimum and
// brings a number beyond its range to the nearest bound.
class TSpinEdit : public QSpinBox
{
public:
    TSpinEdit(const QString& name, TRange range, QWidget* parent) : QSpinBox(parent)
    {
        setObjectName(name);
        setRange(range.Min, range.Max);
        setSingleStep(range.Step);
        setAccelerated(true);
    }

    void fixup(QString& input) const override
    {
        bool ok = false;
        const int v = input.trimmed().toInt(&ok);
        input = QString::number(ok ? std::clamp(v, minimum(), maximum()) : minimum());
    }
};

// The picture beside the host mode notes: a small ruled note pad.
QPixmap notesPicture()
{
    const int size = 32;
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF page(5.5, 5.5, 21, 25);
    QPainterPath sheet;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right(), page.top());
    sheet.lineTo(page.right(), page.bottom() - 6);
    sheet.lineTo(page.right() - 6, page.bottom());
    sheet.lineTo(page.left(), page.bottom());
    sheet.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(255, 250, 205));
    p.drawPath(sheet);

    // Folded corner.
    QPainterPath fold;
    fold.moveTo(page.right(), page.bottom() - 6);
    fold.lineTo(page.right() - 6, page.bottom() - 6);
    fold.lineTo(page.right() - 6, page.bottom());
    fold.closeSubpath();
    p.setBrush(QColor(225, 215, 160));
    p.drawPath(fold);

    // Ruled lines and the margin.
    p.setPen(QPen(QColor(70, 120, 200), 1));
    for (int y = 12; y <= 26; y += 4)
        p.drawLine(QPointF(page.left() + 3, y + 0.5),
                   QPointF(page.right() - (y > 22 ? 8 : 3), y + 0.5));
    p.setPen(QPen(QColor(210, 60, 60), 1));
    p.drawLine(QPointF(page.left() + 5.5, page.top() + 3),
               QPointF(page.left() + 5.5, page.bottom()));

    // Binding rings.
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    for (int x = 9; x <= 23; x += 5)
        p.drawArc(QRectF(x - 1.5, 2, 3.5, 6), 0, 180 * 16);
    return pm;
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* makeNote(const QString& name, const QString& text, QWidget* parent)
{
    QLabel* label = makeLabel(name, text, parent);
    label->setWordWrap(true);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    label->setFont(f);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QRadioButton* makeRadio(const QString& name, const QString& text, QWidget* parent)
{
    auto* rb = new QRadioButton(text, parent);
    rb->setObjectName(name);
    return rb;
}

QCheckBox* makeCheck(const QString& name, const QString& text, QWidget* parent)
{
    auto* cb = new QCheckBox(text, parent);
    cb->setObjectName(name);
    return cb;
}

QComboBox* makeList(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false);
    box->addItems(items);
    box->setMaxVisibleItems(16);
    return box;
}

QGroupBox* makeGroup(const QString& name, const QString& title, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    return group;
}

} // namespace

// ---------------------------------------------------------------------------
// Building the window

void TfrmParameters::buildControls()
{
    auto* columns = new QHBoxLayout;
    columns->setSpacing(10);

    auto* left = new QVBoxLayout;
    left->addWidget(buildOpModeGroup());
    left->addWidget(buildRs232Group());
    auto* leds = new QHBoxLayout;
    leds->addWidget(buildLedGroup(true));
    leds->addWidget(buildLedGroup(false));
    left->addLayout(leds);
    left->addStretch(1);

    auto* middle = new QVBoxLayout;
    middle->addWidget(buildSmallGroups());

    auto* right = new QVBoxLayout;
    right->addWidget(buildCardPanel());

    columns->addLayout(left, 0);
    columns->addLayout(middle, 0);
    columns->addLayout(right, 1);

    auto* main = new QVBoxLayout(this);
    main->addLayout(columns);
    main->addWidget(buildHostGroup());
    main->addWidget(buildButtons());
    main->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TfrmParameters::buildOpModeGroup()
{
    gboxOpMode = makeGroup(QStringLiteral("gboxOpMode"), tr(" Operating Mode "), this);
    rbTrueTerminal =
        makeRadio(QStringLiteral("rbTrueTerminal"), tr("True Terminal Mode"), gboxOpMode);
    rbLineEdit = makeRadio(QStringLiteral("rbLineEdit"), tr("Line Edit Mode"), gboxOpMode);
    lblMaskInput = makeLabel(QStringLiteral("lblMaskInput"), tr("Mask User Input"), gboxOpMode);
    cbMaskInput = makeCheck(QStringLiteral("cbMaskInput"), QString(), gboxOpMode);
    lblMaskInput->setBuddy(cbMaskInput);
    lblTailChar1 = makeLabel(QStringLiteral("lblTailChar1"), tr("Tail Character:"), gboxOpMode);
    spinTailChar = new TSpinEdit(QStringLiteral("spinTailChar"), CharCodeRange, gboxOpMode);
    lblTailChar2 = makeLabel(QStringLiteral("lblTailChar2"), tr("(decimal)"), gboxOpMode);

    auto* grid = new QGridLayout(gboxOpMode);
    grid->addWidget(rbTrueTerminal, 0, 0, 1, 4);
    grid->addWidget(rbLineEdit, 1, 0, 1, 4);
    grid->setColumnMinimumWidth(0, 18);
    grid->addWidget(lblMaskInput, 2, 1);
    grid->addWidget(cbMaskInput, 2, 2);
    grid->addWidget(lblTailChar1, 3, 1);
    grid->addWidget(spinTailChar, 3, 2);
    grid->addWidget(lblTailChar2, 3, 3);
    grid->setColumnStretch(4, 1);
    return gboxOpMode;
}

QWidget* TfrmParameters::buildRs232Group()
{
    gboxRs232 = makeGroup(QStringLiteral("gboxRs232"), tr(" RS232 Settings "), this);
    QLabel* lblBaudRate = makeLabel(QStringLiteral("lblBaudRate"), tr("Baud Rate :"), gboxRs232);
    cboxBaudRate = makeList(QStringLiteral("cboxBaudRate"), BaudRateCaptions(), gboxRs232);
    lblBaudRate->setBuddy(cboxBaudRate);

    QLabel* lblWordFormat =
        makeLabel(QStringLiteral("lblWordFormat"), tr("Word Format :"), gboxRs232);
    cboxWordFormat =
        makeList(QStringLiteral("cboxWordFormat"), UserWordFormatCaptions(), gboxRs232);
    lblWordFormat->setBuddy(cboxWordFormat);
    const QString formatHint = Encodings::Caption(Encodings::UserWordFormatHint);
    lblWordFormat->setToolTip(formatHint);
    cboxWordFormat->setToolTip(formatHint);

    auto* grid = new QGridLayout(gboxRs232);
    grid->addWidget(lblBaudRate, 0, 0);
    grid->addWidget(cboxBaudRate, 0, 1);
    grid->addWidget(lblWordFormat, 1, 0);
    grid->addWidget(cboxWordFormat, 1, 1);
    grid->setColumnStretch(2, 1);
    return gboxRs232;
}

QWidget* TfrmParameters::buildLedGroup(bool green)
{
    const QString prefix = green ? QStringLiteral("rbLED1") : QStringLiteral("rbLED2");
    QGroupBox* group = makeGroup(green ? QStringLiteral("gboxLED1") : QStringLiteral("gboxLED2"),
                                 green ? tr(" Green LED ") : tr(" Red LED "), this);
    auto* buttons = new QButtonGroup(group);
    auto* box = new QVBoxLayout(group);
    static const std::array<const char*, 4> suffixes = {"off", "level", "host", "power"};
    QRadioButton** radios = green ? rbLED1 : rbLED2;
    const QStringList captions = UserLedCaptions(green ? TLed::Green : TLed::Red, false);
    for (int i = 0; i < LedCodeCount; ++i) {
        radios[i] = makeRadio(prefix + QLatin1String(suffixes[i]), captions[i], group);
        buttons->addButton(radios[i], i);
        box->addWidget(radios[i]);
    }
    // Wide enough for the longest caption of either host mode variant.
    int widest = 0;
    const QFontMetrics fm(radios[0]->font());
    for (bool hid : {false, true})
        for (const QString& caption : UserLedCaptions(green ? TLed::Green : TLed::Red, hid))
            widest = std::max(widest, fm.horizontalAdvance(caption));
    group->setMinimumWidth(widest + 48);
    (green ? bgLED1 : bgLED2) = buttons;
    return group;
}

QWidget* TfrmParameters::buildSmallGroups()
{
    auto* holder = new QWidget(this);
    auto* box = new QVBoxLayout(holder);
    box->setContentsMargins(0, 0, 0, 0);

    // A group with one labelled number box.
    auto spinGroup = [&](const QString& groupName, const QString& title, const QString& labelName,
                         const QString& labelText, QSpinBox* spin) {
        QGroupBox* group = makeGroup(groupName, title, holder);
        spin->setParent(group);
        QLabel* label = makeLabel(labelName, labelText, group);
        label->setBuddy(spin);
        auto* row = new QHBoxLayout(group);
        row->addWidget(label);
        row->addStretch(1);
        row->addWidget(spin);
        if (box->count() > 0)
            box->addStretch(1);
        box->addWidget(group);
        return group;
    };

    spinCharacterPacing =
        new TSpinEdit(QStringLiteral("spinCharacterPacing"), CharacterPacingRange, holder);
    spinCharacterPacing->setToolTip(tr("Pacing is the time between bytes during macro playback."));
    spinGroup(QStringLiteral("grpboxAutorepeat"), tr(" Character Pacing "),
              QStringLiteral("lblCharacterPacing"), tr("Pacing (ms):"), spinCharacterPacing);

    QGroupBox* roll = makeGroup(QStringLiteral("grpboxKeyRollover"), tr(" Key Rollover "), holder);
    radbtnKeyRoll1 = makeRadio(QStringLiteral("radbtnKeyRoll1"), QStringLiteral("1"), roll);
    radbtnKeyRoll2 = makeRadio(QStringLiteral("radbtnKeyRoll2"), QStringLiteral("2"), roll);
    QLabel* rollNote = makeNote(QStringLiteral("lblKeyRollNote"),
                                tr("How many keys can be pressed down simultaneously?"), roll);
    rollNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* rollGrid = new QGridLayout(roll);
    rollGrid->addWidget(radbtnKeyRoll1, 0, 0);
    rollGrid->addWidget(radbtnKeyRoll2, 1, 0);
    rollGrid->addWidget(rollNote, 0, 1, 2, 1);
    rollGrid->setColumnStretch(1, 1);
    box->addStretch(1);
    box->addWidget(roll);

    spinKeyClick = new TSpinEdit(QStringLiteral("spinKeyClick"), KeyClickRange, holder);
    spinGroup(QStringLiteral("gboxBeeper"), tr(" Key Beep "), QStringLiteral("lblKeyClick"),
              tr("Key Beep (ms):"), spinKeyClick);

    spinCmdPrefix = new TSpinEdit(QStringLiteral("spinCmdPrefix"), CharCodeRange, holder);
    spinGroup(QStringLiteral("grpboxCmdPrefix"), tr(" Command Prefix "),
              QStringLiteral("lblCmdPrefix"), tr("Prefix (decimal):"), spinCmdPrefix);

    spinDownloadDelay =
        new TSpinEdit(QStringLiteral("spinDownloadDelay"), DownloadDelayRange, holder);
    spinDownloadDelay->setToolTip(tr("Slows download on fast PC's."));
    spinGroup(QStringLiteral("grpboxDownloadDelay"), tr(" Download Delay "),
              QStringLiteral("lblDownloadDelay"), tr("DL Delay (ms):"), spinDownloadDelay);

    // Same width for every number box of the column.
    for (QSpinBox* spin : {spinCharacterPacing, spinKeyClick, spinCmdPrefix, spinDownloadDelay})
        spin->setFixedWidth(spinTailChar->sizeHint().width());
    return holder;
}

QWidget* TfrmParameters::buildCardPanel()
{
    auto* holder = new QWidget(this);
    auto* box = new QVBoxLayout(holder);
    box->setContentsMargins(0, 0, 0, 0);

    box->addWidget(buildCardTypeFrame(holder));
    buildBcrGroup(holder);
    buildMcrGroup(holder);

    // The two reader groups share one place; it keeps its size when both are hidden.
    auto* readers = new QWidget(holder);
    readers->setObjectName(QStringLiteral("panelReaders"));
    auto* stack = new QGridLayout(readers);
    stack->setContentsMargins(0, 0, 0, 0);
    for (QGroupBox* group : {gboxBCR, gboxMCR}) {
        QSizePolicy sp = group->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        sp.setVerticalPolicy(QSizePolicy::Expanding);
        group->setSizePolicy(sp);
        stack->addWidget(group, 0, 0);
    }
    box->addWidget(readers, 1);
    return holder;
}

// "Choose Card": the reader type radios.
QWidget* TfrmParameters::buildCardTypeFrame(QWidget* holder)
{
    auto* panelCardType = new QFrame(holder);
    panelCardType->setObjectName(QStringLiteral("panelCardType"));
    panelCardType->setFrameShape(QFrame::StyledPanel);
    panelCardType->setFrameShadow(QFrame::Raised);
    QLabel* lblChooseCard =
        makeLabel(QStringLiteral("lblChooseCard"), tr("Choose Card"), panelCardType);
    QLabel* lblReaderType =
        makeLabel(QStringLiteral("lblReaderType"), tr("Reader Type:"), panelCardType);
    QFont bold = lblChooseCard->font();
    bold.setBold(true);
    lblChooseCard->setFont(bold);
    lblReaderType->setFont(bold);
    bgCardReader = new QButtonGroup(panelCardType);
    const QStringList cardTypes = UserCardTypeCaptions();
    auto* rbNone =
        makeRadio(QStringLiteral("rbCardReaderNone"), cardTypes[CardTypeNone], panelCardType);
    auto* rbBCR =
        makeRadio(QStringLiteral("rbCardReaderBCR"), cardTypes[CardTypeBarcode], panelCardType);
    auto* rbMCR =
        makeRadio(QStringLiteral("rbCardReaderMCR"), cardTypes[CardTypeMagnetic], panelCardType);
    bgCardReader->addButton(rbNone, CardTypeNone);
    bgCardReader->addButton(rbBCR, CardTypeBarcode);
    bgCardReader->addButton(rbMCR, CardTypeMagnetic);
    auto* panelGrid = new QGridLayout(panelCardType);
    panelGrid->addWidget(lblChooseCard, 0, 0);
    panelGrid->addWidget(lblReaderType, 1, 0, Qt::AlignTop);
    panelGrid->addWidget(rbNone, 0, 1);
    panelGrid->addWidget(rbBCR, 1, 1);
    panelGrid->addWidget(rbMCR, 2, 1);
    panelGrid->setColumnStretch(1, 1);
    panelGrid->setHorizontalSpacing(16);
    return panelCardType;
}

// Barcode/RFID framing.
void TfrmParameters::buildBcrGroup(QWidget* holder)
{
    gboxBCR = makeGroup(QStringLiteral("gboxBCR"), tr(" Barcode/RFID Reader "), holder);
    cbStartCharEnable =
        makeCheck(QStringLiteral("cbStartCharEnable"), tr("Enable Start Character"), gboxBCR);
    lblStartChar = makeLabel(QStringLiteral("lblStartChar"), tr("Start Char:"), gboxBCR);
    spinStartChar = new TSpinEdit(QStringLiteral("spinStartChar"), UserCardCharRange, gboxBCR);
    lblStartChar->setBuddy(spinStartChar);
    cbEndCharEnable =
        makeCheck(QStringLiteral("cbEndCharEnable"), tr("Enable End Character"), gboxBCR);
    lblEndChar = makeLabel(QStringLiteral("lblEndChar"), tr("End Char:"), gboxBCR);
    spinEndChar = new TSpinEdit(QStringLiteral("spinEndChar"), UserCardCharRange, gboxBCR);
    lblEndChar->setBuddy(spinEndChar);
    auto* bcrGrid = new QGridLayout(gboxBCR);
    bcrGrid->setColumnMinimumWidth(0, 18);
    bcrGrid->addWidget(cbStartCharEnable, 0, 0, 1, 3);
    bcrGrid->addWidget(lblStartChar, 1, 1);
    bcrGrid->addWidget(spinStartChar, 1, 2);
    bcrGrid->setRowMinimumHeight(2, 6);
    bcrGrid->addWidget(cbEndCharEnable, 3, 0, 1, 3);
    bcrGrid->addWidget(lblEndChar, 4, 1);
    bcrGrid->addWidget(spinEndChar, 4, 2);
    bcrGrid->setColumnStretch(3, 1);
    bcrGrid->setRowStretch(5, 1);
}

// Magnetic card tracks and sentinel replacements.
void TfrmParameters::buildMcrGroup(QWidget* holder)
{
    gboxMCR = makeGroup(QStringLiteral("gboxMCR"), tr(" Mag Card Reader "), holder);
    QLabel* lblTracks = makeLabel(QStringLiteral("lblTracks"), tr("Process Track(s) : "), gboxMCR);
    cbTrack1 = makeCheck(QStringLiteral("cbTrack1"), tr("Track 1"), gboxMCR);
    cbTrack2 = makeCheck(QStringLiteral("cbTrack2"), tr("Track 2"), gboxMCR);
    auto* tracks = new QHBoxLayout;
    tracks->addWidget(cbTrack1);
    tracks->addWidget(cbTrack2);
    tracks->addStretch(1);

    cboxStartSentinel = makeList(QStringLiteral("cboxStartSentinel"), SentinelNames(), gboxMCR);
    cboxEndSentinel = makeList(QStringLiteral("cboxEndSentinel"), SentinelNames(), gboxMCR);
    cboxFieldSeparator = makeList(QStringLiteral("cboxFieldSeparator"), SentinelNames(), gboxMCR);

    auto* mcrGrid = new QGridLayout(gboxMCR);
    mcrGrid->addWidget(lblTracks, 0, 0);
    mcrGrid->addLayout(tracks, 0, 1, 1, 2);
    int row = 1;
    auto sentinelRow = [&](const QString& labelName, const QString& labelText, QComboBox* list,
                           const QString& noteName, const QString& noteText) {
        QLabel* label = makeLabel(labelName, labelText, gboxMCR);
        label->setBuddy(list);
        mcrGrid->addWidget(label, row, 0);
        mcrGrid->addWidget(list, row, 1);
        QLabel* note = makeNote(noteName, noteText, gboxMCR);
        note->setWordWrap(false);
        mcrGrid->addWidget(note, row + 1, 1, 1, 2);
        mcrGrid->setRowMinimumHeight(row + 2, 4);
        row += 3;
    };
    sentinelRow(QStringLiteral("lblStartSentinel"), tr("Start Sentinel Char : "), cboxStartSentinel,
                QStringLiteral("lblStartSentinelNote"),
                tr("Replaces % on track 1 and ; on track 2."));
    sentinelRow(QStringLiteral("lblEndSentinel"), tr("End Sentinel Char : "), cboxEndSentinel,
                QStringLiteral("lblEndSentinelNote"), tr("Replaces ? on both tracks."));
    sentinelRow(QStringLiteral("lblFieldSeparator"), tr("Field Separator Char : "),
                cboxFieldSeparator, QStringLiteral("lblFieldSeparatorNote"),
                tr("Replaces ^ on track 1 and = on track 2."));
    mcrGrid->setColumnStretch(2, 1);
    mcrGrid->setRowStretch(row, 1);
}

QWidget* TfrmParameters::buildHostGroup()
{
    QGroupBox* gboxHost = makeGroup(QStringLiteral("gboxHost"), tr(" Host Mode "), this);
    bgHostType = new QButtonGroup(gboxHost);
    auto* grid = new QGridLayout(gboxHost);
    grid->setVerticalSpacing(3);

    // One radio per offered host mode; the CDC radio shares its row with the serial number.
    auto addRadio = [&](const QString& name, int hostMode, int row) {
        const auto mode =
            std::find_if(HostModes.begin(), HostModes.end(),
                         [hostMode](const THostMode& m) { return m.Code == hostMode; });
        QRadioButton* rb = makeRadio(name, QString::fromLatin1(mode->Caption), gboxHost);
        bgHostType->addButton(rb, hostMode);
        if (row >= 0)
            grid->addWidget(rb, row, 0, 1, 2);
        return rb;
    };
    addRadio(QStringLiteral("rbHostTypeDefault"), HostModeDefault, 0);
    grid->setColumnMinimumWidth(0, 24);
    grid->addWidget(makeLabel(QStringLiteral("lblHostMode1"),
                              Encodings::Caption(Encodings::HostMode1Label), gboxHost),
                    1, 1);
    grid->addWidget(makeLabel(QStringLiteral("lblHostMode2"),
                              Encodings::Caption(Encodings::HostMode2Label), gboxHost),
                    2, 1);
    addRadio(QStringLiteral("rbHostTypeHIDK1"), HostModeHidKeyboard, 3);
    QRadioButton* cdc = addRadio(QStringLiteral("rbHostTypeCDC"), HostModeCdc, -1);
    cdc->setToolTip(Encodings::Caption(Encodings::CdcSerialNoHint));
    addRadio(QStringLiteral("rbHostTypeVS2"), HostModeVirtualCom2, 5);
    addRadio(QStringLiteral("rbHostTypeHIDK2"), HostModeHidKeyboard2, 6);

    lblCdcSerialNo = makeLabel(QStringLiteral("lblCdcSerialNo"), tr("CDC S/N: "), gboxHost);
    spinCdcSerialNo = new TSpinEdit(QStringLiteral("spinCdcSerialNo"), CdcSerialNoRange, gboxHost);
    spinCdcSerialNo->findChild<QLineEdit*>()->setMaxLength(4);
    lblCdcSerialNo->setBuddy(spinCdcSerialNo);
    auto* cdcRow = new QHBoxLayout;
    cdcRow->addWidget(cdc);
    cdcRow->addSpacing(16);
    cdcRow->addWidget(lblCdcSerialNo);
    cdcRow->addWidget(spinCdcSerialNo);
    cdcRow->addStretch(1);
    grid->addLayout(cdcRow, 4, 0, 1, 2);

    imgHostNotes = new QLabel(gboxHost);
    imgHostNotes->setObjectName(QStringLiteral("imgHostNotes"));
    imgHostNotes->setPixmap(notesPicture());
    imgHostNotes->setCursor(Qt::PointingHandCursor);
    imgHostNotes->installEventFilter(this);
    lblHostNotes = makeLabel(QStringLiteral("lblHostNotes"), tr(" Notes "), gboxHost);
    QFont link = lblHostNotes->font();
    link.setUnderline(true);
    lblHostNotes->setFont(link);
    lblHostNotes->setForegroundRole(QPalette::Link);
    lblHostNotes->setCursor(Qt::PointingHandCursor);
    lblHostNotes->installEventFilter(this);
    auto* notes = new QVBoxLayout;
    notes->addWidget(imgHostNotes, 0, Qt::AlignHCenter);
    notes->addWidget(lblHostNotes, 0, Qt::AlignHCenter);
    grid->addLayout(notes, 0, 3, 4, 1, Qt::AlignCenter);

    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(2, 12);
    return gboxHost;
}

QWidget* TfrmParameters::buildButtons()
{
    auto* holder = new QWidget(this);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 4, 0, 0);
    btnOK = new QPushButton(tr("&OK"), holder);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(tr("&Cancel"), holder);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnApply = new QPushButton(tr("&Apply"), holder);
    btnApply->setObjectName(QStringLiteral("btnApply"));
    row->addStretch(1);
    for (QPushButton* b : {btnOK, btnCancel, btnApply}) {
        // Enter in a number box must not close the dialog.
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setMinimumWidth(88);
        row->addWidget(b);
    }
    return holder;
}
