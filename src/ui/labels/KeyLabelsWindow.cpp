#include "ui/labels/KeyLabelsWindow.h"

#include "report/LabelOverrides.h"
#include "ui/common/Prompts.h"
#include "ui/labels/PagePreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

enum Column
{
    KeyColumn,
    LabelColumn,
    SecondColumn
};

QDoubleSpinBox* MmSpin(const QString& name, double low, double high, double step,
                       const QString& suffix)
{
    auto* spin = new QDoubleSpinBox;
    spin->setObjectName(name);
    spin->setRange(low, high);
    spin->setSingleStep(step);
    spin->setDecimals(1);
    spin->setSuffix(suffix);
    spin->setKeyboardTracking(false);
    return spin;
}

QPushButton* Button(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmKeyLabels::TfrmKeyLabels(const TAppState& state, TReportKind kind, int numberOfKeys,
                             QString definitionPath, const TAppSettings& settings, QWidget* parent)
    : QDialog(parent), fReport(MakeDefinitionReport(state, kind, numberOfKeys)),
      fNumberOfKeys(numberOfKeys == 12 ? 12 : 20), fDefinitionPath(std::move(definitionPath)),
      fAppSettings(settings), fSaved(settings.ReadKeyLabelSettings()),
      fKeys(LayoutKeys(fNumberOfKeys))
{
    // An untitled definition (or one whose file is gone) has nowhere to keep overrides.
    if (!QFileInfo(fDefinitionPath).isFile())
        fDefinitionPath.clear();
    setObjectName(QStringLiteral("frmKeyLabels"));
    setWindowTitle(tr("Key Labels"));
    if (!OverridesPath().isEmpty())
        fOverrides = ReadLabelOverrides(OverridesPath());
    BuildControls();
    LoadSettings(fSaved);
    FillTable();
    UpdatePreview();
}

TfrmKeyLabels::~TfrmKeyLabels() = default;

QString TfrmKeyLabels::OverridesPath() const
{
    return fDefinitionPath.isEmpty() ? QString() : LabelOverridesPath(fDefinitionPath);
}

void TfrmKeyLabels::BuildControls()
{
    QGroupBox* gboxLabel = BuildLabelGroup();
    QGroupBox* gboxTexts = BuildTextsGroup();

    lblSheet = new QLabel;
    lblSheet->setObjectName(QStringLiteral("lblSheet"));
    imgPreview = new TPagePreview;
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    connect(imgPreview, &TPagePreview::resized, this, &TfrmKeyLabels::UpdatePreview);

    auto* left = new QVBoxLayout;
    left->addWidget(gboxLabel);
    left->addWidget(gboxTexts, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(lblSheet);
    right->addWidget(imgPreview, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);

    QHBoxLayout* buttons = BuildButtonRow();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(1000, 700);
}

// The label size, paper and font.
QGroupBox* TfrmKeyLabels::BuildLabelGroup()
{
    spinLabelWidth = MmSpin(QStringLiteral("spinLabelWidth"), KeyLabelLimits::MinSize,
                            KeyLabelLimits::MaxSize, KeyLabelLimits::SizeStep, tr(" mm"));
    spinLabelHeight = MmSpin(QStringLiteral("spinLabelHeight"), KeyLabelLimits::MinSize,
                             KeyLabelLimits::MaxSize, KeyLabelLimits::SizeStep, tr(" mm"));
    spinLabelGap = MmSpin(QStringLiteral("spinLabelGap"), KeyLabelLimits::MinGap,
                          KeyLabelLimits::MaxGap, KeyLabelLimits::GapStep, tr(" mm"));
    spinFontSize = MmSpin(QStringLiteral("spinFontSize"), KeyLabelLimits::MinFont,
                          KeyLabelLimits::MaxFont, KeyLabelLimits::FontStep, tr(" pt"));
    cbCutMarks = new QCheckBox(tr("Cut marks"));
    cbCutMarks->setObjectName(QStringLiteral("cbCutMarks"));
    cboxPaper = new QComboBox;
    cboxPaper->setObjectName(QStringLiteral("cboxPaper"));
    cboxPaper->addItems({tr("A4"), tr("Letter")});
    cboxFont = new QFontComboBox;
    cboxFont->setObjectName(QStringLiteral("cboxFont"));
    cboxFont->setFontFilters(QFontComboBox::ScalableFonts);

    auto* gboxLabel = new QGroupBox(tr(" Label "));
    gboxLabel->setObjectName(QStringLiteral("gboxLabel"));
    auto* form = new QFormLayout(gboxLabel);
    form->addRow(tr("Width:"), spinLabelWidth);
    form->addRow(tr("Height:"), spinLabelHeight);
    form->addRow(tr("Gap:"), spinLabelGap);
    form->addRow(QString(), cbCutMarks);
    form->addRow(tr("Paper:"), cboxPaper);
    form->addRow(tr("Font:"), cboxFont);
    form->addRow(tr("Font size:"), spinFontSize);
    for (QDoubleSpinBox* spin : {spinLabelWidth, spinLabelHeight, spinLabelGap, spinFontSize})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &TfrmKeyLabels::SettingsChanged);
    connect(cbCutMarks, &QCheckBox::toggled, this, &TfrmKeyLabels::SettingsChanged);
    connect(cboxPaper, &QComboBox::currentIndexChanged, this, &TfrmKeyLabels::SettingsChanged);
    connect(cboxFont, &QFontComboBox::currentFontChanged, this, &TfrmKeyLabels::SettingsChanged);
    return gboxLabel;
}

// The grid of label texts, with the reset button and where the texts are kept.
QGroupBox* TfrmKeyLabels::BuildTextsGroup()
{
    gridLabels = new QTableWidget(int(fKeys.size()), 3);
    gridLabels->setObjectName(QStringLiteral("gridLabels"));
    gridLabels->setHorizontalHeaderLabels({tr("Key"), tr("Label"), tr("Level 2")});
    gridLabels->verticalHeader()->hide();
    gridLabels->verticalHeader()->setDefaultSectionSize(gridLabels->fontMetrics().height() + 8);
    gridLabels->setWordWrap(false);
    gridLabels->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridLabels->setSelectionMode(QAbstractItemView::SingleSelection);
    gridLabels->horizontalHeader()->setSectionResizeMode(LabelColumn, QHeaderView::Stretch);
    gridLabels->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    connect(gridLabels, &QTableWidget::itemChanged, this, &TfrmKeyLabels::CellChanged);
    btnResetLabel = Button(QStringLiteral("btnResetLabel"), tr("Use the Definition's Text"));
    connect(btnResetLabel, &QPushButton::clicked, this, &TfrmKeyLabels::ResetSelectedLabel);
    lblOverrides = new QLabel;
    lblOverrides->setObjectName(QStringLiteral("lblOverrides"));
    lblOverrides->setWordWrap(true);
    lblOverrides->setText(OverridesPath().isEmpty()
                              ? tr("Save the definition to keep the label texts you type here.")
                              : tr("Label texts you type are kept in %1 beside the definition.")
                                    .arg(QFileInfo(OverridesPath()).fileName()));
    auto* gboxTexts = new QGroupBox(tr(" Label Texts "));
    gboxTexts->setObjectName(QStringLiteral("gboxTexts"));
    gboxTexts->setMinimumWidth(400);
    auto* texts = new QVBoxLayout(gboxTexts);
    texts->addWidget(gridLabels, 1);
    auto* resetRow = new QHBoxLayout;
    resetRow->addWidget(btnResetLabel);
    resetRow->addStretch();
    texts->addLayout(resetRow);
    texts->addWidget(lblOverrides);
    return gboxTexts;
}

QHBoxLayout* TfrmKeyLabels::BuildButtonRow()
{
    auto* btnPrint = Button(QStringLiteral("btnPrint"), tr("&Print..."));
    auto* btnPrintPreview = Button(QStringLiteral("btnPrintPreview"), tr("Print Pre&view..."));
    auto* btnExportPdf = Button(QStringLiteral("btnExportPdf"), tr("Export P&DF..."));
    auto* btnExportSvg = Button(QStringLiteral("btnExportSvg"), tr("Export &SVG..."));
    auto* btnClose = Button(QStringLiteral("btnClose"), tr("&Close"));
    auto print = [this](bool preview) {
        TLabelRenderer renderer = Renderer();
        PrintPages::Run(this, renderer, windowTitle(), preview);
    };
    connect(btnPrint, &QPushButton::clicked, this, [print] { print(false); });
    connect(btnPrintPreview, &QPushButton::clicked, this, [print] { print(true); });
    connect(btnExportPdf, &QPushButton::clicked, this, &TfrmKeyLabels::ExportPdf);
    connect(btnExportSvg, &QPushButton::clicked, this, &TfrmKeyLabels::ExportSvg);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnPrint, btnPrintPreview, btnExportPdf, btnExportSvg})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    return buttons;
}

void TfrmKeyLabels::LoadSettings(const TKeyLabelSettings& s)
{
    fFilling = true;
    spinLabelWidth->setValue(s.WidthMm);
    spinLabelHeight->setValue(s.HeightMm);
    spinLabelGap->setValue(s.GapMm);
    cbCutMarks->setChecked(s.CutMarks);
    cboxPaper->setCurrentIndex(s.Paper == TPaper::Letter ? 1 : 0);
    cboxFont->setCurrentFont(QFont(s.FontFamily));
    spinFontSize->setValue(s.FontSizePt);
    fFilling = false;
}

TKeyLabelSettings TfrmKeyLabels::Settings() const
{
    TKeyLabelSettings s;
    s.WidthMm = spinLabelWidth->value();
    s.HeightMm = spinLabelHeight->value();
    s.GapMm = spinLabelGap->value();
    s.CutMarks = cbCutMarks->isChecked();
    s.Paper = cboxPaper->currentIndex() == 1 ? TPaper::Letter : TPaper::A4;
    s.FontFamily = cboxFont->currentFont().family();
    s.FontSizePt = spinFontSize->value();
    return Normalised(s);
}

TLabelRenderer TfrmKeyLabels::Renderer() const
{
    const QString title =
        fDefinitionPath.isEmpty() ? tr("untitled") : QFileInfo(fDefinitionPath).fileName();
    return TLabelRenderer(Settings(), fNumberOfKeys, KeyLabelTexts(fReport, fOverrides), title);
}

void TfrmKeyLabels::FillTable()
{
    fFilling = true;
    const auto texts = KeyLabelTexts(fReport, fOverrides);
    // The items are made once and then updated: a cell's change is handled
    // while its item is still being edited.
    auto cell = [this](int row, int column, bool editable) {
        QTableWidgetItem* item = gridLabels->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            if (!editable)
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            gridLabels->setItem(row, column, item);
        }
        return item;
    };
    for (int row = 0; row < fKeys.size(); ++row) {
        const int key = fKeys.at(row);
        const TLabelText& text = texts[size_t(key)];
        QString name = tr("Key %1").arg(key + 1);
        if (fNumberOfKeys == 12)
            name += QStringLiteral(" [%1]").arg(TwelveKeyCaption(key));
        cell(row, KeyColumn, false)->setText(name);
        QTableWidgetItem* label = cell(row, LabelColumn, true);
        label->setText(text.Main);
        QFont font = gridLabels->font();
        font.setBold(text.Overridden); // the user's own text stands out
        label->setFont(font);
        label->setToolTip(text.Overridden ? tr("Your own text for this label")
                                          : tr("From the definition; type to replace it"));
        cell(row, SecondColumn, false)->setText(text.Second);
    }
    gridLabels->resizeColumnToContents(KeyColumn);
    gridLabels->resizeColumnToContents(SecondColumn);
    fFilling = false;
}

void TfrmKeyLabels::SettingsChanged()
{
    if (!fFilling)
        UpdatePreview();
}

void TfrmKeyLabels::CellChanged(QTableWidgetItem* item)
{
    if (fFilling || !item || item->column() != LabelColumn)
        return;
    const int key = fKeys.value(item->row(), -1);
    if (key < 0)
        return;
    TLabelOverrideTexts none;
    const QString automatic = KeyLabelTexts(fReport, none)[size_t(key)].Main;
    const QString typed = item->text().trimmed();
    // Typing the definition's own text (or nothing) goes back to it.
    fOverrides[size_t(key)] = typed == automatic ? QString() : typed;
    SaveOverrides();
    FillTable();
    UpdatePreview();
}

void TfrmKeyLabels::ResetSelectedLabel()
{
    const int key = fKeys.value(gridLabels->currentRow(), -1);
    if (key < 0 || fOverrides[size_t(key)].isEmpty())
        return;
    fOverrides[size_t(key)].clear();
    SaveOverrides();
    FillTable();
    UpdatePreview();
}

void TfrmKeyLabels::SaveOverrides()
{
    if (OverridesPath().isEmpty())
        return;
    const TSaveResult saved = SaveLabelOverrides(OverridesPath(), fOverrides);
    if (!saved.Ok)
        Prompts::Error(this, saved.Message);
}

void TfrmKeyLabels::UpdatePreview()
{
    TLabelRenderer renderer = Renderer();
    const int copies = renderer.Geometry().Copies();
    lblSheet->setText(
        copies == 1
            ? tr("One sheet with one keypad, at true size when printed:")
            : tr("One sheet with %1 copies of the keypad, at true size when printed:").arg(copies));
    imgPreview->ShowPage(renderer);
}

void TfrmKeyLabels::ExportPdf()
{
    Export(true);
}

void TfrmKeyLabels::ExportSvg()
{
    Export(false);
}

void TfrmKeyLabels::Export(bool pdf)
{
    const QString ext = pdf ? QStringLiteral("pdf") : QStringLiteral("svg");
    TFileDialogOptions options;
    options.Title = pdf ? tr("Export Key Labels as PDF") : tr("Export Key Labels as SVG");
    options.Filters = {pdf ? TFileFilter{tr("PDF Files (*.pdf)"), QStringLiteral("*.pdf")}
                           : TFileFilter{tr("SVG Pictures (*.svg)"), QStringLiteral("*.svg")}};
    options.DefaultExt = ext;
    options.OverwritePrompt = true;
    const QFileInfo definition(fDefinitionPath);
    if (!fDefinitionPath.isEmpty()) {
        options.InitialDir = definition.absolutePath();
        options.FileName = definition.completeBaseName() + QStringLiteral("-labels.") + ext;
    }
    const QString path = Prompts::SaveFileName(this, options);
    if (path.isEmpty())
        return;
    TLabelRenderer renderer = Renderer();
    const QString title = windowTitle() + QStringLiteral(": ") + renderer.HeaderText();
    const TSaveResult saved = pdf ? PrintOutput::WritePdf(renderer, path, title)
                                  : PrintOutput::WriteSvg(renderer, path, title);
    if (!saved.Ok)
        Prompts::Error(this, saved.Message);
}

void TfrmKeyLabels::done(int result)
{
    // The settings are kept for the next time, whichever way the window closes.
    const TKeyLabelSettings settings = Settings();
    if (!(settings == fSaved) && fAppSettings.WriteKeyLabelSettings(settings))
        fSaved = settings;
    QDialog::done(result);
}
