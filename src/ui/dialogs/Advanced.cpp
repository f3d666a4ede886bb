#include "ui/dialogs/Advanced.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>

#include "model/AppState.h"
#include "model/Encodings.h"
#include "ui/dialogs/AdvancedArt.h"
#include "ui/dialogs/AdvancedParts.h"
#include "ui/dialogs/LcdLinesPanel.h"

using namespace AdvancedParts;

namespace {

const char* const CleanCaption =
    QT_TRANSLATE_NOOP("TfrmAdvanced", "Ostrella Advanced ROM Properties");
const char* const ChangedCaption =
    QT_TRANSLATE_NOOP("TfrmAdvanced", "Ostrella Advanced ROM Properties*");

// LED radios by code: off 0, level 1, host 2, power 3.
const char* const LedRadioSuffixes[] = {"off", "level", "host", "power"};

} // namespace

TfrmAdvanced::TfrmAdvanced(TAppState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), fState(state)
{
    setObjectName(QStringLiteral("frmAdvanced"));
    setWindowTitle(tr(CleanCaption));
    setModal(true);

    pcAdvanced = new QTabWidget(this);
    pcAdvanced->setObjectName(QStringLiteral("pcAdvanced"));
    tsMode = BuildModePage();
    tsKeysLEDs = BuildKeysLedsPage();
    tsLCD = BuildLcdPage();
    tsHost = BuildHostPage();
    tsBeeper = BuildBeeperPage();
    tsCardType = BuildCardTypePage();
    tsBarcodeRFID = BuildBarcodePage();
    tsMagCard = BuildMagCardPage();
    tsEcrProcess = BuildEcrPage();
    pcAdvanced->addTab(tsMode, tr("Mode"));
    pcAdvanced->addTab(tsKeysLEDs, tr("Keys/LEDs"));
    pcAdvanced->addTab(tsLCD, tr("LCD"));
    pcAdvanced->addTab(tsHost, tr("Host"));
    pcAdvanced->addTab(tsBeeper, tr("Beeper"));
    pcAdvanced->addTab(tsCardType, tr("Card Type"));
    pcAdvanced->addTab(tsBarcodeRFID, Encodings::CardPageTitle(Encodings::CardTypeBarcode));
    pcAdvanced->addTab(tsMagCard, tr("Mag Card"));
    pcAdvanced->addTab(tsEcrProcess, tr("ECR Process"));
    pcAdvanced->setTabVisible(pcAdvanced->indexOf(tsBarcodeRFID), false);
    pcAdvanced->setTabVisible(pcAdvanced->indexOf(tsMagCard), false);

    auto* lblUserNote =
        MakeLabel(this, QStringLiteral("lblUserNote"),
                  tr("* Indicates a value that the user can modify in USER Properties panel. "));
    btnApply = new QPushButton(tr("&Apply"), this);
    btnApply->setObjectName(QStringLiteral("btnApply"));
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    // Enter in a box must not close the dialog.
    for (QPushButton* button : {btnApply, btnOK, btnCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    btnApply->setEnabled(false);
    btnOK->setEnabled(false);
    connect(btnApply, &QPushButton::clicked, this, &TfrmAdvanced::btnApplyClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmAdvanced::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmAdvanced::btnCancelClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblUserNote);
    buttons->addStretch(1);
    buttons->addWidget(btnApply);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcAdvanced);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TAdvancedParams& TfrmAdvanced::Working()
{
    return fState.WorkingAdvancedParams;
}

void TfrmAdvanced::SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

// ------------------------------------------------------------ show, load

void TfrmAdvanced::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfrmAdvanced::FormShow()
{
    bInAdvancedShowForm = true;
    LoadModePage();
    LoadKeysLedsPage();
    LoadLcdPage();
    LoadHostPage();
    LoadBeeperPage();
    LoadCardPages();
    ApplyModeRules();
    ApplyLcdLine2Rule();
    ApplyCardRules();
    bInAdvancedShowForm = false;
    btnApply->setEnabled(false);
    btnOK->setEnabled(false);
}

void TfrmAdvanced::Edit(const std::function<void(TAdvancedParams&)>& store, bool reload)
{
    if (bInAdvancedShowForm)
        return;
    store(Working());
    if (reload)
        FormShow();
    MarkAdvancedChanged();
}

void TfrmAdvanced::MarkAdvancedChanged()
{
    bChangesMade = true;
    setWindowTitle(tr(ChangedCaption));
    btnApply->setEnabled(true);
    btnOK->setEnabled(true);
}

// ------------------------------------------------------------ Apply, OK, Cancel

void TfrmAdvanced::btnApplyClick()
{
    fState.CommitAdvancedParams();
    setWindowTitle(tr(CleanCaption));
    bChangesMade = false;
    Q_EMIT changesApplied();
    btnApply->setEnabled(false);
}

void TfrmAdvanced::btnOKClick()
{
    btnApplyClick();
    done(QDialog::Accepted);
}

void TfrmAdvanced::btnCancelClick()
{
    setWindowTitle(tr(CleanCaption));
    bChangesMade = false;
    fState.RevertAdvancedParams();
    done(QDialog::Rejected);
}

void TfrmAdvanced::reject()
{
    btnCancelClick();
}

void TfrmAdvanced::DisableApplyAndOK()
{
    btnApply->setEnabled(false);
    btnOK->setEnabled(false);
}

// ------------------------------------------------------------ page "Mode"

QWidget* TfrmAdvanced::BuildModePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsMode"));
    auto* group = MakeGroup(page, QStringLiteral("gboxOperatingMode"), tr(" Operating Mode "));
    BuildModeChoices(group);
    QGridLayout* framingGrid = BuildCalcFraming(group);

    const int indent = 24;
    auto* grid = new QGridLayout(group);
    grid->setColumnMinimumWidth(0, indent);
    grid->setColumnStretch(4, 1);
    grid->setVerticalSpacing(6);
    grid->addWidget(rbTrueTerminalMode, 0, 0, 1, 5);
    grid->addWidget(cboxEcho, 1, 1, 1, 4);
    grid->addWidget(rbLineEditMode, 2, 0, 1, 5);
    grid->addWidget(cboxMaskUserInput, 3, 1, 1, 4);
    grid->addWidget(rbScreenMode, 4, 0, 1, 5);
    grid->addWidget(lblStartScreen, 5, 1);
    grid->addWidget(cboxStartScreen, 5, 2);
    grid->addWidget(lblMaskChar, 6, 1);
    grid->addWidget(edMaskChar, 6, 2, Qt::AlignLeft);
    grid->setRowMinimumHeight(7, 10);
    grid->addLayout(framingGrid, 8, 1, 1, 4);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);

    ConnectModePage();
    return page;
}

// The three operating modes with their options, in the group's tab order.
void TfrmAdvanced::BuildModeChoices(QGroupBox* group)
{
    rbTrueTerminalMode = MakeRadio(group, QStringLiteral("rbTrueTerminalMode"),
                                   Encodings::Caption(Encodings::TrueTerminalModeCaption));
    cboxEcho = MakeCheck(group, QStringLiteral("cboxEcho"),
                         Encodings::Caption(Encodings::HostEchoCaption));
    rbLineEditMode = MakeRadio(group, QStringLiteral("rbLineEditMode"),
                               Encodings::Caption(Encodings::LineEditModeCaption));
    cboxMaskUserInput = MakeCheck(group, QStringLiteral("cboxMaskUserInput"),
                                  Encodings::Caption(Encodings::MaskInputCaption));
    lblMaskChar = MakeLabel(group, QStringLiteral("lblMaskChar"), tr("Mask character:"));
    edMaskChar = new QLineEdit(group);
    edMaskChar->setObjectName(QStringLiteral("edMaskChar"));
    edMaskChar->setMaxLength(1);
    edMaskChar->setFixedWidth(edMaskChar->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 3);
    edMaskChar->setAlignment(Qt::AlignCenter);
    lblMaskChar->setBuddy(edMaskChar);
    rbScreenMode = MakeRadio(group, QStringLiteral("rbScreenMode"),
                             Encodings::Caption(Encodings::AutomatedScreenModeCaption));
    lblStartScreen = MakeLabel(group, QStringLiteral("lblStartScreen"), tr("Starting Screen: "));
    cboxStartScreen =
        MakeList(group, QStringLiteral("cboxStartScreen"), Encodings::StartScreenCaptions());
    MakeRadioSet(this, {{rbTrueTerminalMode, 0}, {rbLineEditMode, 1}, {rbScreenMode, 2}});
}

// The line-edit framing characters, with their note and data format below.
QGridLayout* TfrmAdvanced::BuildCalcFraming(QGroupBox* group)
{
    struct TFraming
    {
        TLooseSpinBox** Box;
        const char* Name;
        const char* Label;
        const char* Hint;
    };
    const TFraming framing[] = {
        {&spinCalcPrefix, "CalcPrefix",
         QT_TRANSLATE_NOOP("TfrmAdvanced", "Keypad Prefix character: "),
         QT_TRANSLATE_NOOP("TfrmAdvanced", "0 disables prefix")},
        {&spinCalcStart, "CalcStart", QT_TRANSLATE_NOOP("TfrmAdvanced", "Keypad Start character: "),
         QT_TRANSLATE_NOOP("TfrmAdvanced", "0 disables prefix")},
        {&spinCalcTail, "CalcTail", QT_TRANSLATE_NOOP("TfrmAdvanced", "Keypad Tail character*:"),
         QT_TRANSLATE_NOOP("TfrmAdvanced", "0 disables tail")},
        {&spinCalcSuffix, "CalcSuffix",
         QT_TRANSLATE_NOOP("TfrmAdvanced", "Keypad Suffix character: "),
         QT_TRANSLATE_NOOP("TfrmAdvanced", "0 disables suffix")},
    };
    auto* framingGrid = new QGridLayout;
    framingGrid->setColumnStretch(3, 1);
    int row = 0;
    for (const TFraming& f : framing) {
        const QString name = QString::fromLatin1(f.Name);
        auto* label = MakeLabel(group, QStringLiteral("lbl") + name, tr(f.Label));
        *f.Box =
            MakeSpin(group, QStringLiteral("spin") + name, Encodings::CharCodeRange, tr(f.Hint));
        label->setBuddy(*f.Box);
        auto* decimal =
            MakeDecimal(group, QStringLiteral("lbl") + name + QStringLiteral("Decimal"));
        framingGrid->addWidget(label, row, 0);
        framingGrid->addWidget(*f.Box, row, 1);
        framingGrid->addWidget(decimal, row, 2);
        fCalcFramingWidgets << label << decimal;
        ++row;
    }
    auto* lblCalcNote = MakeLabel(group, QStringLiteral("lblCalcNote"),
                                  Encodings::Caption(Encodings::DisableCharNote));
    auto* lblCalcDataFormat = MakeLabel(group, QStringLiteral("lblCalcDataFormat"),
                                        Encodings::Caption(Encodings::KeypadDataFormat));
    fCalcFramingWidgets << lblCalcNote << lblCalcDataFormat;
    framingGrid->addWidget(lblCalcNote, row++, 0, 1, 4);
    framingGrid->addWidget(lblCalcDataFormat, row++, 0, 1, 4);
    return framingGrid;
}

void TfrmAdvanced::ConnectModePage()
{
    connect(rbTrueTerminalMode, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbTrueTerminalModeClick();
    });
    connect(rbLineEditMode, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbTrueTerminalModeClick();
    });
    connect(rbScreenMode, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbScreenModeClick();
    });
    connect(cboxEcho, &QCheckBox::toggled, this,
            [this](bool on) { Edit([on](TAdvancedParams& p) { p.bHostEcho = on; }); });
    connect(cboxMaskUserInput, &QCheckBox::toggled, this, [this](bool on) {
        Edit(
            [on](TAdvancedParams& p) {
                p.OpMode = Encodings::WithBits(p.OpMode, Encodings::OpModeMaskInputBit, on);
            },
            true);
    });
    connect(edMaskChar, &QLineEdit::textChanged, this, [this](const QString& text) {
        // An emptied box has no character to store: MaskChar stays as it was.
        Edit([text](TAdvancedParams& p) {
            if (!text.isEmpty())
                p.MaskChar = text.at(0);
        });
    });
    connect(cboxStartScreen, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                Edit([index](TAdvancedParams& p) {
                    if (index >= 0)
                        p.StartScreen = uint8_t(index);
                });
            });
    connect(spinCalcPrefix, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { Edit([v](TAdvancedParams& p) { p.CalcPrefix = uint8_t(v); }); });
    connect(spinCalcStart, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { Edit([v](TAdvancedParams& p) { p.CalcStart = uint8_t(v); }); });
    connect(spinCalcTail, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { Edit([v](TAdvancedParams& p) { p.TailChar = uint8_t(v); }); });
    connect(spinCalcSuffix, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { Edit([v](TAdvancedParams& p) { p.CalcSuffix = uint8_t(v); }); });
}

void TfrmAdvanced::rbTrueTerminalModeClick()
{
    const bool lineEdit = rbLineEditMode->isChecked();
    Edit(
        [lineEdit](TAdvancedParams& p) {
            Encodings::SelectOperatingMode(p, lineEdit ? Encodings::TOperatingMode::LineEdit
                                                       : Encodings::TOperatingMode::TrueTerminal);
        },
        true);
}

void TfrmAdvanced::rbScreenModeClick()
{
    Edit([](TAdvancedParams& p) { p.ScreenEnable = true; }, true);
}

void TfrmAdvanced::LoadModePage()
{
    const TAdvancedParams& p = Working();
    if (p.ScreenEnable) {
        // The mask box keeps its check state in screen mode.
        rbScreenMode->setChecked(true);
    } else {
        (p.OpMode & Encodings::OpModeLineEditBit ? rbLineEditMode : rbTrueTerminalMode)
            ->setChecked(true);
        cboxMaskUserInput->setChecked(p.OpMode & Encodings::OpModeMaskInputBit);
    }
    cboxEcho->setChecked(p.bHostEcho);
    edMaskChar->setText(p.MaskChar.isNull() ? QString() : QString(p.MaskChar));
    SelectEntry(cboxStartScreen, p.StartScreen);
    spinCalcPrefix->setValue(p.CalcPrefix);
    spinCalcStart->setValue(p.CalcStart);
    spinCalcTail->setValue(p.TailChar);
    spinCalcSuffix->setValue(p.CalcSuffix);
}

void TfrmAdvanced::ApplyModeRules()
{
    const bool screen = rbScreenMode->isChecked();
    const bool lineEdit = rbLineEditMode->isChecked();
    const bool terminal = rbTrueTerminalMode->isChecked();

    cboxEcho->setEnabled(terminal);
    SetEnabled({lblStartScreen, cboxStartScreen}, screen);
    cboxMaskUserInput->setEnabled(lineEdit);
    SetEnabled({lblMaskChar, edMaskChar}, screen || lineEdit);
    SetEnabled({spinCalcPrefix, spinCalcStart, spinCalcTail, spinCalcSuffix}, screen || lineEdit);
    for (QWidget* widget : fCalcFramingWidgets)
        widget->setEnabled(screen || lineEdit);

    gboxGreenLED->setVisible(!screen);
    gboxRedLED->setVisible(!screen);

    SetEnabled({cbEnableScroll, cbEnableWrap}, terminal);
    cbLcdXlate->setEnabled(lineEdit);
}

// ------------------------------------------------------------ page "Keys/LEDs"

QWidget* TfrmAdvanced::BuildLedGroup(bool green)
{
    const Encodings::TLed led = green ? Encodings::TLed::Green : Encodings::TLed::Red;
    auto* group =
        green ? MakeGroup(nullptr, QStringLiteral("gboxGreenLED"), tr(" Green LED Control * "))
              : MakeGroup(nullptr, QStringLiteral("gboxRedLED"), tr(" Red LED Control * "));
    auto* picture = new TAdvancedArt(
        green ? TAdvancedArt::TKind::GreenLed : TAdvancedArt::TKind::RedLed, group);
    picture->setObjectName(green ? QStringLiteral("imgGreenLED") : QStringLiteral("imgRedLED"));

    auto* set = new QButtonGroup(this);
    auto* radios = new QVBoxLayout;
    const QStringList captions = Encodings::AdvancedLedCaptions(led, false);
    for (int code = 0; code < Encodings::LedCodeCount; ++code) {
        const QString name =
            tr("rbLED%1%2").arg(green ? 1 : 2).arg(QString::fromLatin1(LedRadioSuffixes[code]));
        auto* radio = MakeRadio(group, name, captions.value(code));
        set->addButton(radio, code);
        radios->addWidget(radio);
    }
    (green ? fGreenLedGroup : fRedLedGroup) = set;
    connect(set, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            rbAnyLEDClick();
    });

    auto* layout = new QHBoxLayout(group);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addSpacing(6);
    layout->addLayout(radios, 1);
    return group;
}

QWidget* TfrmAdvanced::BuildKeysLedsPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsKeysLEDs"));

    auto* gboxPacing =
        MakeGroup(page, QStringLiteral("gboxCharPacing"), tr(" Character Pacing * "));
    auto* lblCharPacing =
        MakeLabel(gboxPacing, QStringLiteral("lblCharPacing"), tr("Inter-character delay:"));
    spinCharPacing =
        MakeSpin(gboxPacing, QStringLiteral("spinCharPacing"), Encodings::CharacterPacingRange,
                 tr("Pacing is the time between bytes during macro playback."));
    lblCharPacing->setBuddy(spinCharPacing);
    auto* lblCharPacingUnit =
        MakeLabel(gboxPacing, QStringLiteral("lblCharPacingUnit"), tr("(pacing in ms)"));
    auto* pacing = new QHBoxLayout(gboxPacing);
    pacing->addWidget(lblCharPacing);
    pacing->addWidget(spinCharPacing);
    pacing->addWidget(lblCharPacingUnit);
    pacing->addStretch(1);

    // Shown for reference only: the delay is set where downloads are made.
    auto* gboxDownload =
        MakeGroup(page, QStringLiteral("gboxDownloadDelay"), tr(" Download Delay * "));
    auto* lblDownloadDelay =
        MakeLabel(gboxDownload, QStringLiteral("lblDownloadDelay"), tr("Delay (ms):"));
    spinDownloadDelay = MakeSpin(gboxDownload, QStringLiteral("spinDownloadDelay"),
                                 Encodings::DownloadDelayRange, tr("Slows download on fast PC's."));
    auto* download = new QHBoxLayout(gboxDownload);
    download->addWidget(lblDownloadDelay);
    download->addWidget(spinDownloadDelay);
    download->addStretch(1);
    SetEnabled({gboxDownload, lblDownloadDelay, spinDownloadDelay}, false);

    auto* gboxRollover = MakeGroup(page, QStringLiteral("gboxRollover"), tr(" Rollover * "));
    rbKeyRollover1 = MakeRadio(gboxRollover, QStringLiteral("rbKeyRollover1"), QStringLiteral("1"));
    rbKeyRollover2 = MakeRadio(gboxRollover, QStringLiteral("rbKeyRollover2"), QStringLiteral("2"));
    auto* lblRolloverNote =
        MakeNote(gboxRollover, QStringLiteral("lblRolloverNote"),
                 {tr("How many keys can be pressed"), tr("down simultaneously?")});
    MakeRadioSet(this, {{rbKeyRollover1, 1}, {rbKeyRollover2, 2}});
    auto* rollover = new QHBoxLayout(gboxRollover);
    rollover->addWidget(rbKeyRollover1);
    rollover->addWidget(rbKeyRollover2);
    rollover->addSpacing(16);
    rollover->addWidget(lblRolloverNote);
    rollover->addStretch(1);

    gboxGreenLED = static_cast<QGroupBox*>(BuildLedGroup(true));
    gboxRedLED = static_cast<QGroupBox*>(BuildLedGroup(false));
    gboxGreenLED->setParent(page);
    gboxRedLED->setParent(page);

    auto* left = new QVBoxLayout;
    left->addWidget(gboxPacing);
    left->addWidget(gboxDownload);
    left->addWidget(gboxRollover);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(gboxGreenLED);
    right->addWidget(gboxRedLED);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    connect(spinCharPacing, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { Edit([v](TAdvancedParams& p) { p.CharacterPacing = uint8_t(v); }); });
    connect(spinDownloadDelay, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { Edit([v](TAdvancedParams& p) { p.DownloadDelay = v; }); });
    connect(rbKeyRollover1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Edit([](TAdvancedParams& p) { p.KeyRollOver = 1; });
    });
    connect(rbKeyRollover2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Edit([](TAdvancedParams& p) { p.KeyRollOver = 2; });
    });
    return page;
}

void TfrmAdvanced::rbAnyLEDClick()
{
    const int green = fGreenLedGroup->checkedId();
    const int red = fRedLedGroup->checkedId();
    Edit([green, red](TAdvancedParams& p) {
        p.LEDBehavior = Encodings::MakeLedBehavior(green < 0 ? 0 : green, red < 0 ? 0 : red);
    });
}

void TfrmAdvanced::LoadKeysLedsPage()
{
    const TAdvancedParams& p = Working();
    (Encodings::RollOverIndex(p.KeyRollOver) == 0 ? rbKeyRollover1 : rbKeyRollover2)
        ->setChecked(true);
    spinCharPacing->setValue(p.CharacterPacing);
    spinDownloadDelay->setValue(p.DownloadDelay);
    CheckRadio(fGreenLedGroup, Encodings::GreenLedCode(p.LEDBehavior));
    CheckRadio(fRedLedGroup, Encodings::RedLedCode(p.LEDBehavior));
    SetLedCaptions();
}

void TfrmAdvanced::SetLedCaptions()
{
    const bool hid = Encodings::IsHidHost(Working().HostType);
    const QStringList green = Encodings::AdvancedLedCaptions(Encodings::TLed::Green, hid);
    const QStringList red = Encodings::AdvancedLedCaptions(Encodings::TLed::Red, hid);
    for (int code = 0; code < Encodings::LedCodeCount; ++code) {
        fGreenLedGroup->button(code)->setText(green.value(code));
        fRedLedGroup->button(code)->setText(red.value(code));
    }
}

// ------------------------------------------------------------ Notes

bool TfrmAdvanced::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched->objectName() == QLatin1String("imgHostNotes") ||
         watched->objectName() == QLatin1String("lblHostNotes"))) {
        imgHostNotesClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAdvanced::imgHostNotesClick()
{
    Q_EMIT hostTypeInfoRequested();
}
