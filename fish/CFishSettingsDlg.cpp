#include "fish/CFishSettingsDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <string>

#include "app/HelpPage.h"
#include "controls/CGradientButton.h"
#include "controls/CLinkLabel.h"
#include "controls/DialogUnits.h"
#include "platform/Random.h"
#include "scene/PlainPictures.h"
#include "settings/SettingsFile.h"

namespace {

constexpr char kSection[] = "Fish Number";
constexpr int kSaveIntervalMs = 500;

std::string CountKey(int species) {
    return "Fish" + std::to_string(species);
}

}  // namespace

CFishSettingsDlg::CFishSettingsDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    DialogLayout layout(this, QStringLiteral("Fish Settings - Merow Fish Screensaver 1.1"), 334,
                        345, 8);
    // The sheet keeps its own pixel size whatever the font makes of the dialog units.
    layout.EnsureClientSize(kSheetWidth, kSheetHeight);

    // In the template's order, which is also the tab order.
    m_pAdd = layout.Place(new CGradientButton(QStringLiteral("Add")), 121, 324, 27, 15);
    m_pDelete = layout.Place(new CGradientButton(QStringLiteral("Delete")), 150, 324, 32, 15);
    m_pRandom = layout.Place(new CGradientButton(QStringLiteral("Random")), 184, 324, 31, 15);
    m_pClear = layout.Place(new CGradientButton(QStringLiteral("Clear")), 217, 324, 27, 15);
    m_pOk = layout.Place(new CGradientButton(QStringLiteral("OK")), 211, 209, 47, 21);
    m_pCancel = layout.Place(new CGradientButton(QStringLiteral("Cancel")), 283, 209, 47, 21);
    m_pLink =
        layout.Place(new CLinkLabel(QStringLiteral("Aquarium help and keys")), 9, 332, 113, 12);
    m_pTotal = layout.Place(new QLabel(QStringLiteral("Total:50  (Max:50)")), 252, 332, 81, 8);
    m_pTotal->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_pOk->hide();
    m_pCancel->hide();
    m_pLink->SetUrl(HelpPageUrl());

    QPalette totalLook = m_pTotal->palette();
    totalLook.setColor(QPalette::WindowText, QColor(0, 0, 255));
    totalLook.setColor(QPalette::Window, QColor(255, 255, 239));
    m_pTotal->setPalette(totalLook);
    m_pTotal->setAutoFillBackground(true);

    for (CGradientButton* button : {m_pAdd, m_pDelete, m_pRandom, m_pClear, m_pOk, m_pCancel}) {
        // Enter presses the focused button; without one it ends the dialog as OK does.
        button->setAutoDefault(true);
        button->installEventFilter(this);
    }
    m_pLink->installEventFilter(this);
    connect(m_pAdd, &QPushButton::clicked, this, &CFishSettingsDlg::AddFish);
    connect(m_pDelete, &QPushButton::clicked, this, &CFishSettingsDlg::DeleteFish);
    connect(m_pRandom, &QPushButton::clicked, this, &CFishSettingsDlg::RandomizeFish);
    connect(m_pClear, &QPushButton::clicked, this, &CFishSettingsDlg::ClearFish);
    connect(m_pOk, &QPushButton::clicked, this, &CFishSettingsDlg::OnOK);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_timer, &QTimer::timeout, this, &CFishSettingsDlg::SaveFishCounts);

    m_sheet = PlainPicture("bitmap129");
    // Counts are drawn in the sheet's own pixels, which the sheet's scale shrinks with the rest.
    m_countFont = font();
    m_countFont.setBold(true);
    m_fSheetScale = layout.FitToScreen();
    OnInitDialog();
}

void CFishSettingsDlg::OnInitDialog() {
    for (int i = 0; i < kSpeciesCount; ++i) {
        const int left = m_nCellWidth * (i % 5) + 2;
        const int top = m_nCellHeight * (i / 5) + 2;
        m_rcCell[i] = QRect(left, top, m_nCellWidth, m_nCellHeight);
    }
    LoadFishCounts();
    m_timer.start(kSaveIntervalMs);
    m_pClear->SetTooltipText(QStringLiteral("Clear All Fishes"), true);
    m_pRandom->SetTooltipText(QStringLiteral("Random  All Fishes"), true);
    m_pDelete->SetTooltipText(QStringLiteral("Delete Fish"), true);
    m_pAdd->SetTooltipText(QStringLiteral("Add Fish"), true);
    UpdateTotal();
}

void CFishSettingsDlg::LoadFishCounts() {
    const SettingsFile file;
    for (int i = 0; i < kSpeciesCount; ++i)
        m_nFishCount[i] = SettingsAtoi(file.ReadText(kSection, CountKey(i).c_str()));
}

void CFishSettingsDlg::SaveFishCounts() {
    SettingsFile file;
    for (int i = 0; i < kSpeciesCount; ++i)
        file.WriteInt(kSection, CountKey(i).c_str(), m_nFishCount[i]);
    file.Commit();
    // The tank follows the dialog even when the file could not take the counts.
    SetFishCounts(m_nFishCount);
    if (file.anyWriteFailed() && !m_bSaveFailureReported) {
        // Set first: the message box runs its own loop, in which this timer keeps firing.
        m_bSaveFailureReported = true;
        file.ReportWriteFailures();
    }
}

void CFishSettingsDlg::UpdateTotal() {
    m_nTotal = 0;
    for (int count : m_nFishCount)
        m_nTotal += count;
    m_pTotal->setText(QStringLiteral("Total: %1   (Max:50)").arg(m_nTotal));
}

void CFishSettingsDlg::UpdateSheetArea(const QRect& area) {
    const double s = m_fSheetScale;
    update(QRectF(area.x() * s, area.y() * s, area.width() * s, area.height() * s)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void CFishSettingsDlg::RedrawCount(int species) {
    // The whole top strip of the cell: a count can be wider than the corner it starts in.
    const QRect cell = m_rcCell[species];
    UpdateSheetArea(
        QRect(cell.left(), cell.top(), cell.width(), QFontMetrics(m_countFont).height() + 4));
    UpdateTotal();
}

void CFishSettingsDlg::RedrawCell(int index) {
    if (IsSpecies(index))
        UpdateSheetArea(m_rcCell[index]);
    UpdateTotal();
}

void CFishSettingsDlg::AddFish() {
    if (m_nTotal >= kMaxFish || !IsSpecies(m_nSelected))
        return;
    int& count = m_nFishCount[m_nSelected];
    if (count < kMaxFish)
        ++count;
    RedrawCount(m_nSelected);
}

void CFishSettingsDlg::DeleteFish() {
    if (!IsSpecies(m_nSelected))
        return;
    int& count = m_nFishCount[m_nSelected];
    if (count > 0)
        --count;
    RedrawCount(m_nSelected);
}

void CFishSettingsDlg::RandomizeFish() {
    int sum = 0;
    for (int i = 0; i < kSpeciesCount; ++i) {
        m_nFishCount[i] = Rand() % 4;
        sum += m_nFishCount[i];
        // Once the draws reach the limit, this and every later species stay empty.
        if (sum >= kMaxFish)
            m_nFishCount[i] = 0;
    }
    RedrawCell(m_nSelected);
    for (int i = 0; i < kSpeciesCount; ++i)
        RedrawCount(i);
    UpdateTotal();
    m_nSelected = -1;
    m_nPreviousSelected = -1;
}

void CFishSettingsDlg::ClearFish() {
    for (int i = 0; i < kSpeciesCount; ++i) {
        m_nFishCount[i] = 0;
        RedrawCount(i);
    }
}

void CFishSettingsDlg::OnLButtonDown(QPoint point) {
    // Below the pictures, and right of them, there is no species to pick: the selection clears.
    if (point.y() > kPicturesBottom || point.x() >= kSheetWidth || point.x() < 0 || point.y() < 0) {
        RedrawCell(m_nPreviousSelected);
        m_nSelected = -1;
        m_nPreviousSelected = -1;
        return;
    }
    m_nSelected = point.x() / m_nCellWidth + 5 * (point.y() / m_nCellHeight);
    if (m_nSelected != m_nPreviousSelected) {
        RedrawCell(m_nPreviousSelected);
        RedrawCell(m_nSelected);
    }
    m_nPreviousSelected = m_nSelected;
}

void CFishSettingsDlg::OnOK() {
    SaveFishCounts();
    accept();
}

bool CFishSettingsDlg::HandleKey(int key) {
    switch (key) {
        case Qt::Key_A:
            AddFish();
            return true;
        case Qt::Key_D:
            DeleteFish();
            return true;
        case Qt::Key_R:
            RandomizeFish();
            return true;
        case Qt::Key_C:
            ClearFish();
            return true;
        default:
            return false;
    }
}

void CFishSettingsDlg::paintEvent(QPaintEvent*) {
    // Composed off screen at the screen's pixel density, so the selection can invert the
    // picture under it.
    const qreal ratio = devicePixelRatioF() * m_fSheetScale;
    QImage canvas(QSize(kSheetWidth, kSheetHeight) * ratio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, kSheetWidth, kSheetHeight), m_sheet);

        painter.setFont(m_countFont);
        painter.setPen(Qt::black);
        const int ascent = QFontMetrics(m_countFont).ascent();
        for (int i = 0; i < kSpeciesCount; ++i) {
            const QPoint corner = m_rcCell[i].topLeft() + QPoint(2, 2);
            painter.drawText(corner + QPoint(0, ascent), QString::number(m_nFishCount[i]));
        }

        if (IsSpecies(m_nSelected)) {
            painter.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(m_rcCell[m_nSelected]);
        }
    }
    // Pixel for pixel into the sheet's place, which a dialog shrunk to fit the screen scales.
    QPainter(this).drawImage(
        QRectF(0, 0, kSheetWidth * m_fSheetScale, kSheetHeight * m_fSheetScale), canvas);
}

void CFishSettingsDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnLButtonDown((event->position() / m_fSheetScale).toPoint());
    QDialog::mousePressEvent(event);
}

void CFishSettingsDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        AddFish();
    else if (event->button() == Qt::RightButton)
        DeleteFish();
    QDialog::mouseDoubleClickEvent(event);
}

void CFishSettingsDlg::keyPressEvent(QKeyEvent* event) {
    if (HandleKey(event->key()))
        return;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnOK();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape closes without a further save
}

bool CFishSettingsDlg::eventFilter(QObject* watched, QEvent* event) {
    // The dialog's keys come before those of the control that has the focus.
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void CFishSettingsDlg::closeEvent(QCloseEvent* event) {
    // The close box keeps the edits, as OK does.
    if (isVisible())
        OnOK();
    event->accept();
}
