// The "LCD" and "Beeper" pages of the advanced ROM properties dialog.

#include "ui/dialogs/Advanced.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLineEdit>
#include <QSlider>

#include "model/AppState.h"
#include "model/Encodings.h"
#include "ui/dialogs/AdvancedArt.h"
#include "ui/dialogs/AdvancedParts.h"
#include "ui/dialogs/LcdLinesPanel.h"

using namespace AdvancedParts;

// ------------------------------------------------------------ page "LCD"

QWidget* TfrmAdvanced::BuildLcdPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsLCD"));

    QGroupBox* gboxSize = BuildLcdSizeGroup(page);
    QGroupBox* gboxSignOn = BuildSignOnGroup(page);
    QGroupBox* gboxCursor = BuildCursorStyleGroup(page);
    QGroupBox* gboxScroll = BuildScrollWrapGroup(page);
    QGroupBox* gboxXlate = BuildLcdXlateGroup(page);
    QGroupBox* gboxBrightness = BuildBrightnessGroup(page);

    auto* layout = new QGridLayout(page);
    layout->addWidget(gboxSize, 0, 0);
    layout->addWidget(gboxCursor, 0, 1);
    layout->addWidget(gboxSignOn, 1, 0, 2, 1);
    layout->addWidget(gboxScroll, 1, 1);
    layout->addWidget(gboxBrightness, 2, 1);
    layout->addWidget(gboxXlate, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);

    ConnectLcdPage();
    return page;
}

QGroupBox* TfrmAdvanced::BuildLcdSizeGroup(QWidget* page)
{
    auto* gboxSize = MakeGroup(page, QStringLiteral("gboxLcdSize"), tr(" Size "));
    rbLcdIs1x16 = MakeRadio(gboxSize, QStringLiteral("rbLcdIs1x16"),
                            Encodings::Caption(Encodings::LcdOneLineCaption));
    rbLcdIs2x16 = MakeRadio(gboxSize, QStringLiteral("rbLcdIs2x16"),
                            Encodings::Caption(Encodings::LcdTwoLinesCaption));
    MakeRadioSet(this, {{rbLcdIs1x16, Encodings::LcdSizeOneLine},
                        {rbLcdIs2x16, Encodings::LcdSizeTwoLines}});
    auto* size = new QVBoxLayout(gboxSize);
    size->addWidget(rbLcdIs1x16);
    size->addWidget(rbLcdIs2x16);
    return gboxSize;
}

QGroupBox* TfrmAdvanced::BuildSignOnGroup(QWidget* page)
{
    auto* gboxSignOn = MakeGroup(page, QStringLiteral("gboxSignOn"), tr(" Sign-On Message "));
    auto* lcd =
        new TLcdLinesPanel(QStringLiteral("edLcdLine1"), QStringLiteral("edLcdLine2"), gboxSignOn);
    lcd->setObjectName(QStringLiteral("imgSignOnLcd"));
    edLcdLine1 = lcd->Line1();
    edLcdLine2 = lcd->Line2();
    auto* lblLcdNote = MakeNote(gboxSignOn, QStringLiteral("lblLcdNote"),
                                {tr("Select a portion of the"), tr("LCD text to change it.")});
    auto* lblSignOnHold = MakeLabel(gboxSignOn, QStringLiteral("lblTSignOnHold"),
                                    tr("Sign-on message display time:"));
    spinTSignOnHold =
        MakeSpin(gboxSignOn, QStringLiteral("spinTSignOnHold"), Encodings::MessageHoldRange);
    lblSignOnHold->setBuddy(spinTSignOnHold);
    auto* lblSignOnHoldUnit =
        MakeLabel(gboxSignOn, QStringLiteral("lblTSignOnHoldUnit"), tr(" ms "));
    auto* signOn = new QGridLayout(gboxSignOn);
    signOn->addWidget(lcd, 0, 0, 1, 3);
    signOn->addWidget(lblLcdNote, 0, 3, Qt::AlignVCenter);
    signOn->addWidget(lblSignOnHold, 1, 0);
    signOn->addWidget(spinTSignOnHold, 1, 1);
    signOn->addWidget(lblSignOnHoldUnit, 1, 2);
    signOn->setColumnStretch(4, 1);
    return gboxSignOn;
}

QGroupBox* TfrmAdvanced::BuildCursorStyleGroup(QWidget* page)
{
    auto* gboxCursor = MakeGroup(page, QStringLiteral("gboxCursorStyle"), tr(" Cursor Style "));
    cbLcdCursorUnderline = MakeCheck(gboxCursor, QStringLiteral("cbLcdCursorUnderline"),
                                     Encodings::Caption(Encodings::CursorUnderlineCaption));
    cbLcdCursorBlock = MakeCheck(gboxCursor, QStringLiteral("cbLcdCursorBlock"),
                                 Encodings::Caption(Encodings::CursorBlockCaption));
    QFont glyphFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    glyphFont.setBold(true);
    auto* lblUnderlineGlyph =
        MakeLabel(gboxCursor, QStringLiteral("lblCursorUnderlineGlyph"), QStringLiteral("_"));
    auto* lblBlockGlyph =
        MakeLabel(gboxCursor, QStringLiteral("lblCursorBlockGlyph"), tr("\u2588"));
    lblUnderlineGlyph->setFont(glyphFont);
    lblBlockGlyph->setFont(glyphFont);
    auto* cursor = new QGridLayout(gboxCursor);
    cursor->addWidget(cbLcdCursorUnderline, 0, 0);
    cursor->addWidget(lblUnderlineGlyph, 0, 1);
    cursor->addWidget(cbLcdCursorBlock, 1, 0);
    cursor->addWidget(lblBlockGlyph, 1, 1);
    cursor->setColumnStretch(2, 1);
    return gboxCursor;
}

QGroupBox* TfrmAdvanced::BuildScrollWrapGroup(QWidget* page)
{
    auto* gboxScroll = MakeGroup(page, QStringLiteral("gboxScrollWrap"), tr(" Scroll / Wrap "));
    cbEnableScroll = MakeCheck(gboxScroll, QStringLiteral("cbEnableScroll"),
                               Encodings::Caption(Encodings::ScrollCaption));
    cbEnableWrap = MakeCheck(gboxScroll, QStringLiteral("cbEnableWrap"),
                             Encodings::Caption(Encodings::WrapCaption));
    auto* scroll = new QVBoxLayout(gboxScroll);
    scroll->addWidget(cbEnableScroll);
    scroll->addWidget(cbEnableWrap);
    return gboxScroll;
}

QGroupBox* TfrmAdvanced::BuildLcdXlateGroup(QWidget* page)
{
    auto* gboxXlate = MakeGroup(page, QStringLiteral("gboxLcdXlate"), tr(" LCD Char Translation "));
    cbLcdXlate = MakeCheck(gboxXlate, QStringLiteral("cbLcdXlate"),
                           Encodings::Caption(Encodings::LcdXlateCaption));
    auto* lblXlateNote = MakeNote(
        gboxXlate, QStringLiteral("lblLcdXlateNote"),
        {tr("When the Ostrella is in Line Edit mode, characters displayed on the LCD "),
         tr("may differ from the ones buffered and transmitted. The first macro char is "),
         tr("transmitted and the second one (normally ignored if this box is not selected) "),
         tr("is shown on the LCD.")});
    auto* xlate = new QVBoxLayout(gboxXlate);
    xlate->addWidget(cbLcdXlate);
    xlate->addWidget(lblXlateNote);
    return gboxXlate;
}

QGroupBox* TfrmAdvanced::BuildBrightnessGroup(QWidget* page)
{
    auto* gboxBrightness =
        MakeGroup(page, QStringLiteral("gboxBrightness"), tr(" Backlight Brightness "));
    auto* lblOff = MakeLabel(gboxBrightness, QStringLiteral("lblBrightnessOff"),
                             Encodings::Caption(Encodings::LcdBrightnessMinCaption));
    auto* lblMax = MakeLabel(gboxBrightness, QStringLiteral("lblBrightnessMax"),
                             Encodings::Caption(Encodings::LcdBrightnessMaxCaption));
    tbarLcdBrightness = new QSlider(Qt::Horizontal, gboxBrightness);
    tbarLcdBrightness->setObjectName(QStringLiteral("tbarLcdBrightness"));
    tbarLcdBrightness->setRange(Encodings::LcdBrightnessRange.Min,
                                Encodings::LcdBrightnessRange.Max);
    tbarLcdBrightness->setPageStep(1);
    tbarLcdBrightness->setTickPosition(QSlider::TicksBelow);
    tbarLcdBrightness->setTickInterval(1);
    tbarLcdBrightness->setToolTip(tr("LCD Backlight Brightness. Requires v6+"));
    auto* brightness = new QHBoxLayout(gboxBrightness);
    brightness->addWidget(lblOff);
    brightness->addWidget(tbarLcdBrightness, 1);
    brightness->addWidget(lblMax);
    return gboxBrightness;
}

void TfrmAdvanced::ConnectLcdPage()
{
    connect(rbLcdIs1x16, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbLcdSizeClick(true);
    });
    connect(rbLcdIs2x16, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbLcdSizeClick(false);
    });
    connect(edLcdLine1, &QLineEdit::textChanged, this,
            [this](const QString& t) { Edit([t](TAdvancedParams& p) { p.SignOnMsgLine1 = t; }); });
    connect(edLcdLine2, &QLineEdit::textChanged, this,
            [this](const QString& t) { Edit([t](TAdvancedParams& p) { p.SignOnMsgLine2 = t; }); });
    connect(spinTSignOnHold, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int v) { Edit([v](TAdvancedParams& p) { p.TSignOnHold = v; }); });
    connect(cbLcdCursorUnderline, &QCheckBox::toggled, this, [this](bool on) {
        Edit([on](TAdvancedParams& p) {
            p.CursorStyle = Encodings::WithBits(p.CursorStyle, Encodings::CursorUnderlineBit, on);
        });
    });
    connect(cbLcdCursorBlock, &QCheckBox::toggled, this, [this](bool on) {
        Edit([on](TAdvancedParams& p) {
            p.CursorStyle = Encodings::WithBits(p.CursorStyle, Encodings::CursorBlockBit, on);
        });
    });
    connect(cbEnableScroll, &QCheckBox::toggled, this, [this](bool on) {
        Edit([on](TAdvancedParams& p) {
            p.ScrollWrap = Encodings::WithBits(p.ScrollWrap, Encodings::ScrollBit, on);
        });
    });
    connect(cbEnableWrap, &QCheckBox::toggled, this, [this](bool on) {
        Edit([on](TAdvancedParams& p) {
            p.ScrollWrap = Encodings::WithBits(p.ScrollWrap, Encodings::WrapBit, on);
        });
    });
    connect(cbLcdXlate, &QCheckBox::toggled, this, [this](bool on) {
        Edit([on](TAdvancedParams& p) { p.LcdXlate = Encodings::LcdXlateValue(on); });
    });
    connect(tbarLcdBrightness, &QSlider::valueChanged, this,
            &TfrmAdvanced::tbarLcdBrightnessChange);
}

void TfrmAdvanced::rbLcdSizeClick(bool oneLine)
{
    Edit(
        [oneLine](TAdvancedParams& p) {
            p.LcdSize = oneLine ? Encodings::LcdSizeOneLine : Encodings::LcdSizeTwoLines;
        },
        true);
}

void TfrmAdvanced::tbarLcdBrightnessChange(int position)
{
    if (bInAdvancedShowForm)
        return;
    Working().LcdBrightness = uint8_t(position);
    tbarLcdBrightness->setToolTip(QString::number(position));
    MarkAdvancedChanged();
}

void TfrmAdvanced::LoadLcdPage()
{
    const TAdvancedParams& p = Working();
    (Encodings::IsOneLineLcd(p.LcdSize) ? rbLcdIs1x16 : rbLcdIs2x16)->setChecked(true);
    edLcdLine1->setText(p.SignOnMsgLine1);
    edLcdLine2->setText(p.SignOnMsgLine2);
    spinTSignOnHold->setValue(p.TSignOnHold);
    cbLcdCursorUnderline->setChecked(p.CursorStyle & Encodings::CursorUnderlineBit);
    cbLcdCursorBlock->setChecked(p.CursorStyle & Encodings::CursorBlockBit);
    cbEnableScroll->setChecked(p.ScrollWrap & Encodings::ScrollBit);
    cbEnableWrap->setChecked(p.ScrollWrap & Encodings::WrapBit);
    cbLcdXlate->setChecked(Encodings::LcdXlateOn(p.LcdXlate));
    tbarLcdBrightness->setValue(p.LcdBrightness);
}

void TfrmAdvanced::ApplyLcdLine2Rule()
{
    const bool twoLines = !rbLcdIs1x16->isChecked();
    edLcdLine2->setEnabled(twoLines);
    edLcdLine2CardOK->setEnabled(twoLines);
}

// ------------------------------------------------------------ page "Beeper"

QWidget* TfrmAdvanced::BuildBeeperPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsBeeper"));
    auto* lblBeepNote =
        MakeLabel(page, QStringLiteral("lblBeepNote"),
                  tr("NOTE: To disable any beeper value on this page, set the beep time to 0 ms."));

    struct TBeep
    {
        TLooseSpinBox** Box;
        const char* Name;
        const char* Group;
        const char* Label;
        Encodings::TRange Range;
    };
    const TBeep beeps[] = {
        {&spinKeyClick, "KeyClick", QT_TRANSLATE_NOOP("TfrmAdvanced", " Key Beep * "),
         QT_TRANSLATE_NOOP("TfrmAdvanced", "Length of key beep (ms):"), Encodings::KeyClickRange},
        {&spinPowerOnBeep, "PowerOnBeep", QT_TRANSLATE_NOOP("TfrmAdvanced", " Power On "),
         QT_TRANSLATE_NOOP("TfrmAdvanced", "Length of power-on beep/chirp (ms): "),
         Encodings::BeepRange},
        {&spinErrorBeep, "ErrorBeep", QT_TRANSLATE_NOOP("TfrmAdvanced", " Error Beep "),
         QT_TRANSLATE_NOOP("TfrmAdvanced", "Length of error beep (ms): "), Encodings::BeepRange},
        {&spinCardOkBeep, "CardOkBeep", QT_TRANSLATE_NOOP("TfrmAdvanced", " Card Read Ok "),
         QT_TRANSLATE_NOOP("TfrmAdvanced", "Length of \"card read OK\" beep (ms): "),
         Encodings::BeepRange},
    };
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lblBeepNote);
    for (const TBeep& b : beeps) {
        const QString name = QString::fromLatin1(b.Name);
        auto* group = MakeGroup(page, QStringLiteral("gbox") + name, tr(b.Group));
        auto* label = MakeLabel(group, QStringLiteral("lbl") + name, tr(b.Label));
        *b.Box = MakeSpin(group, QStringLiteral("spin") + name, b.Range);
        label->setBuddy(*b.Box);
        label->setMinimumWidth(
            label->fontMetrics().horizontalAdvance(tr("Length of \"card read OK\" beep (ms): ")) +
            8);
        auto* row = new QHBoxLayout(group);
        row->addWidget(label);
        row->addWidget(*b.Box);
        row->addStretch(1);
        layout->addWidget(group);
        connect(*b.Box, qOverload<int>(&QSpinBox::valueChanged), this,
                &TfrmAdvanced::spinAnyBeepChange);
    }
    layout->addStretch(1);
    return page;
}

void TfrmAdvanced::spinAnyBeepChange()
{
    const int keyClick = spinKeyClick->value();
    const int powerOn = spinPowerOnBeep->value();
    const int error = spinErrorBeep->value();
    const int cardOk = spinCardOkBeep->value();
    Edit([=](TAdvancedParams& p) {
        p.KeyClick = uint8_t(keyClick);
        p.TBeepChirp = powerOn;
        p.TBeepError = error;
        p.TBeepCardOK = cardOk;
    });
}

void TfrmAdvanced::LoadBeeperPage()
{
    const TAdvancedParams& p = Working();
    spinPowerOnBeep->setValue(p.TBeepChirp);
    spinKeyClick->setValue(p.KeyClick);
    spinErrorBeep->setValue(p.TBeepError);
    spinCardOkBeep->setValue(p.TBeepCardOK);
}
