// The "ECR Process" page of the advanced ROM properties dialog.

#include "ui/dialogs/Advanced.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>

#include "model/AppState.h"
#include "model/Encodings.h"
#include "ui/dialogs/AdvancedParts.h"

using namespace AdvancedParts;

// ------------------------------------------------------------ page "ECR Process"

QWidget* TfrmAdvanced::BuildEcrPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsEcrProcess"));
    auto* group =
        MakeGroup(page, QStringLiteral("gboxCardPostProcessing"), tr(" Card Post Processing "));

    auto* lblEcrInfo = MakeLabel(
        group, QStringLiteral("lblEcrInfo"),
        tr("Card post-processing is typically used with electronic cash registers (ECR) or "
           "time and attendance systems. It selects the card data field that is used as the "
           "user ID, can append a PIN entered on the keypad, and offers a few simple data "
           "filters. It is normally used together with Automated Screen Mode."));
    lblEcrInfo->setWordWrap(true);

    cboxEnableEcrMode = MakeCheck(group, QStringLiteral("cboxEnableEcrMode"),
                                  Encodings::Caption(Encodings::EcrEnableCaption));
    QGridLayout* grid = BuildEcrOptions(group);

    auto* inner = new QVBoxLayout(group);
    inner->addWidget(lblEcrInfo);
    inner->addSpacing(8);
    inner->addWidget(cboxEnableEcrMode);
    inner->addSpacing(6);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(24);
    indented->addLayout(grid, 1);
    inner->addLayout(indented);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);

    ConnectEcrPage();
    return page;
}

// The options the enable box governs, in a grid of captions and controls.
QGridLayout* TfrmAdvanced::BuildEcrOptions(QGroupBox* group)
{
    auto* lblSelectTrack = MakeLabel(group, QStringLiteral("lblSelectTrack"),
                                     Encodings::Caption(Encodings::EcrTrackLabel));
    cboxSelectTrack =
        MakeList(group, QStringLiteral("cboxSelectTrack"), Encodings::EcrTrackCaptions());
    auto* lblSelectField = MakeLabel(group, QStringLiteral("lblSelectField"),
                                     Encodings::Caption(Encodings::EcrFieldLabel));
    cboxSelectField =
        MakeList(group, QStringLiteral("cboxSelectField"), Encodings::EcrFieldCaptions());
    cboxSelectField->setMaxVisibleItems(Encodings::EcrFieldCount + 1);
    auto* lblSuppressLZ = MakeLabel(group, QStringLiteral("lblSuppressLZ"),
                                    Encodings::Caption(Encodings::EcrSuppressZerosLabel));
    cboxSuppressLZ = MakeCheck(group, QStringLiteral("cboxSuppressLZ"),
                               Encodings::Caption(Encodings::EcrSuppressZerosCaption));
    auto* lblPrepend00 = MakeLabel(group, QStringLiteral("lblPrepend00"),
                                   Encodings::Caption(Encodings::EcrPrependZerosLabel));
    cboxPrepend00 = MakeCheck(group, QStringLiteral("cboxPrepend00"),
                              Encodings::Caption(Encodings::EcrPrependZerosCaption));
    auto* lblConcatenate = MakeLabel(group, QStringLiteral("lblConcatenate"),
                                     Encodings::Caption(Encodings::EcrConcatenateLabel));
    cboxConcatenate = MakeCheck(group, QStringLiteral("cboxConcatenate"), QString());
    auto* lblConcatenateNote = MakeNote(group, QStringLiteral("lblConcatenateNote"),
                                        {Encodings::Caption(Encodings::EcrConcatenateNote1),
                                         Encodings::Caption(Encodings::EcrConcatenateNote2)});
    auto* lblRemoveSuffix = MakeLabel(group, QStringLiteral("lblRemoveSuffix"),
                                      Encodings::Caption(Encodings::EcrStringLabel));
    edRemoveSuffix = new QLineEdit(group);
    edRemoveSuffix->setObjectName(QStringLiteral("edRemoveSuffix"));
    edRemoveSuffix->setMaxLength(Encodings::EcrStringMaxLength);
    edRemoveSuffix->setFixedWidth(
        edRemoveSuffix->fontMetrics().horizontalAdvance(QLatin1Char('W')) *
            Encodings::EcrStringMaxLength +
        12);
    lblSelectTrack->setBuddy(cboxSelectTrack);
    lblSelectField->setBuddy(cboxSelectField);
    lblRemoveSuffix->setBuddy(edRemoveSuffix);
    fEcrOptionWidgets = {lblSelectTrack, cboxSelectTrack, lblSelectField,     cboxSelectField,
                         lblSuppressLZ,  cboxSuppressLZ,  lblPrepend00,       cboxPrepend00,
                         lblConcatenate, cboxConcatenate, lblConcatenateNote, lblRemoveSuffix,
                         edRemoveSuffix};

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(lblSelectTrack, 0, 0);
    grid->addWidget(cboxSelectTrack, 0, 1, Qt::AlignLeft);
    grid->addWidget(lblSelectField, 1, 0);
    grid->addWidget(cboxSelectField, 1, 1, Qt::AlignLeft);
    grid->addWidget(lblSuppressLZ, 2, 0);
    grid->addWidget(cboxSuppressLZ, 2, 1);
    grid->addWidget(lblPrepend00, 3, 0);
    grid->addWidget(cboxPrepend00, 3, 1);
    grid->addWidget(lblConcatenate, 4, 0, Qt::AlignTop);
    auto* concatenate = new QHBoxLayout;
    concatenate->setSpacing(4);
    concatenate->addWidget(cboxConcatenate, 0, Qt::AlignTop);
    concatenate->addWidget(lblConcatenateNote, 1);
    grid->addLayout(concatenate, 4, 1);
    grid->addWidget(lblRemoveSuffix, 5, 0);
    grid->addWidget(edRemoveSuffix, 5, 1, Qt::AlignLeft);
    grid->setColumnMinimumWidth(0, 24);
    grid->setColumnStretch(2, 1);
    return grid;
}

void TfrmAdvanced::ConnectEcrPage()
{
    auto ecrBit = [this](QCheckBox* box, int32_t bit, bool reload) {
        connect(box, &QCheckBox::toggled, this, [this, bit, reload](bool on) {
            Edit([bit, on](
                     TAdvancedParams& p) { p.EcrMode = Encodings::EcrWithBit(p.EcrMode, bit, on); },
                 reload);
        });
    };
    ecrBit(cboxEnableEcrMode, Encodings::EcrEnableBit, true);
    ecrBit(cboxSuppressLZ, Encodings::EcrSuppressZerosBit, false);
    ecrBit(cboxPrepend00, Encodings::EcrPrependZerosBit, false);
    ecrBit(cboxConcatenate, Encodings::EcrConcatenateBit, false);
    connect(cboxSelectTrack, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                Edit([index](TAdvancedParams& p) {
                    if (index >= 0)
                        p.EcrMode = Encodings::EcrWithTrack(p.EcrMode, index);
                });
            });
    // The empty last entry is no field: it leaves EcrMode alone.
    connect(cboxSelectField, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                Edit([index](TAdvancedParams& p) {
                    p.EcrMode = Encodings::EcrWithField(p.EcrMode, index);
                });
            });
    connect(edRemoveSuffix, &QLineEdit::textChanged, this,
            [this](const QString& t) { Edit([t](TAdvancedParams& p) { p.EcrString = t; }); });
}
