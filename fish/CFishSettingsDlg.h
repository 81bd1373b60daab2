#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QTimer>

#include "settings/AquariumSettings.h"

class CGradientButton;
class CLinkLabel;
class QLabel;

// The modal dialog that sets how many fish of each species swim: a sheet of the 20 species with
// each count printed on its picture, a selected species to add fish to or delete them from, and
// Random and Clear for the whole tank. Twice a second the counts go to the settings file and into
// the running tank, so the tank follows the edits while the dialog is open.
class CFishSettingsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CFishSettingsDlg(QWidget* parent = nullptr);

    static constexpr int kCellWidth = 100;
    static constexpr int kCellHeight = 90;
    static constexpr int kSheetWidth = 500;
    static constexpr int kSheetHeight = 512;
    // Clicks below this line (the sea floor under the pictures) select nothing.
    static constexpr int kPicturesBottom = 450;

    int Count(int species) const { return m_nFishCount[species]; }
    int Total() const { return m_nTotal; }
    int Selected() const { return m_nSelected; }
    QRect Cell(int species) const { return m_rcCell[species]; }
    // Below 1 when the dialog shrank to fit its screen; the sheet is shown at this size.
    double SheetScale() const { return m_fSheetScale; }

    void AddFish();
    void DeleteFish();
    void RandomizeFish();
    void ClearFish();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDialog();
    void OnLButtonDown(QPoint point);
    void OnOK();
    bool HandleKey(int key);
    void LoadFishCounts();
    void SaveFishCounts();
    void UpdateTotal();
    void UpdateSheetArea(const QRect& area);
    void RedrawCount(int species);
    void RedrawCell(int index);
    bool IsSpecies(int index) const { return index >= 0 && index < kSpeciesCount; }

    QRect m_rcCell[kSpeciesCount];
    int m_nSelected = -1;
    int m_nPreviousSelected = -1;
    int m_nFishCount[kSpeciesCount] = {};
    int m_nCellWidth = kCellWidth;
    int m_nCellHeight = kCellHeight;
    int m_nTotal = 0;
    bool m_bSaveFailureReported = false;
    // Below 1 on a screen too small for the dialog: the sheet and the clicks on it follow.
    double m_fSheetScale = 1.0;
    QFont m_countFont;

    QImage m_sheet;
    QTimer m_timer;
    CLinkLabel* m_pLink = nullptr;
    CGradientButton* m_pClear = nullptr;
    CGradientButton* m_pOk = nullptr;
    CGradientButton* m_pCancel = nullptr;
    CGradientButton* m_pRandom = nullptr;
    CGradientButton* m_pDelete = nullptr;
    CGradientButton* m_pAdd = nullptr;
    QLabel* m_pTotal = nullptr;
};
