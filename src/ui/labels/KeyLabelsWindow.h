#pragma once

#include "app/AppSettings.h"
#include "model/AppState.h"
#include "print/LabelRenderer.h"
#include "report/DefinitionReport.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class TPagePreview;

// The Key Labels Editor: the labels of the definition's keys at true size,
// in their keypad positions, with a live preview of one sheet. The user sets
// the label size, gap, cut marks, paper and font (kept in PadwrightRx.ini)
// and may give any key a text of its own (kept in NAME.labels beside the
// definition); the sheet is printed or exported as PDF or SVG.
//
// Modal: the definition does not change while it is open.
//   TfrmKeyLabels labels(state, kind, numberOfKeys, fileName, settings, parent);
//   labels.exec();
class TfrmKeyLabels : public QDialog
{
    Q_OBJECT

public:
    // `definitionPath` is the definition's file; when it names no file (empty,
    // or "untitled") the overrides live only while the window is open.
    // `numberOfKeys` is the layout shown (12 or 20).
    TfrmKeyLabels(const TAppState& state, TReportKind kind, int numberOfKeys,
                  QString definitionPath, const TAppSettings& settings, QWidget* parent = nullptr);
    ~TfrmKeyLabels() override;

    TKeyLabelSettings Settings() const;
    const TLabelOverrideTexts& Overrides() const { return fOverrides; }
    // The sheet as it would print now.
    TLabelRenderer Renderer() const;
    QString OverridesPath() const; // empty when the definition has no file

    // The export commands, as their buttons run them.
    void ExportPdf();
    void ExportSvg();

    void done(int result) override;

private:
    void BuildControls();
    QGroupBox* BuildLabelGroup();
    QGroupBox* BuildTextsGroup();
    QHBoxLayout* BuildButtonRow();
    void LoadSettings(const TKeyLabelSettings& settings);
    void FillTable();
    void SettingsChanged();
    void CellChanged(QTableWidgetItem* item);
    void ResetSelectedLabel();
    void SaveOverrides();
    void Export(bool pdf);
    void UpdatePreview();

    TDefinitionReport fReport;
    int fNumberOfKeys = 20;
    QString fDefinitionPath;
    const TAppSettings& fAppSettings;
    TKeyLabelSettings fSaved; // as read from the settings file
    TLabelOverrideTexts fOverrides;
    QList<int> fKeys; // the table's rows: key indexes in keypad order
    bool fFilling = false;

    QDoubleSpinBox* spinLabelWidth = nullptr;
    QDoubleSpinBox* spinLabelHeight = nullptr;
    QDoubleSpinBox* spinLabelGap = nullptr;
    QCheckBox* cbCutMarks = nullptr;
    QComboBox* cboxPaper = nullptr;
    QFontComboBox* cboxFont = nullptr;
    QDoubleSpinBox* spinFontSize = nullptr;
    QTableWidget* gridLabels = nullptr;
    QPushButton* btnResetLabel = nullptr;
    QLabel* lblOverrides = nullptr;
    QLabel* lblSheet = nullptr;
    TPagePreview* imgPreview = nullptr;
};
