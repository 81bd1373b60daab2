#include "app/CToolBarDlg.h"

#include <QCursor>

#include "app/SceneDialogs.h"
#include "controls/CGradientButton.h"

namespace {

constexpr int kFirstControlId = 1000;
constexpr int kWidth = 405, kHeight = 40;
// The layout is in dialog units: 2 pixels each across, and the 17 units of height make 40 pixels.
constexpr int kPixelsPerUnitX = 2;
constexpr double kPixelsPerUnitY = kHeight / 17.0;
constexpr int kButtonUnitsX = 34, kButtonUnitsY = 18;

struct ToolButton {
    int controlId;
    int unitsX;       // left edge, in dialog units
    const char* tip;  // null: no tooltip
    int iconId;       // 0: no icon
    int mode;         // the mode it chooses; 0 for a dialog button
};

// In tab order. The six with icons fill the tool bar; the last two lie beyond its right edge,
// where only the Tab key reaches them.
constexpr ToolButton kToolButtons[] = {
    {1001, 0, "Feed Fish", 133, kModeFeed},  {1000, 34, "Touch Fish", 160, kModeTouch},
    {1002, 66, "Add/Delete Fish", 180, 0},   {1004, 100, "Camera ", 136, kModeCamera},
    {1005, 134, "Ripple", 232, kModeRipple}, {1003, 168, "Aquarium Settings", 137, 0},
    {1007, 232, nullptr, 0, kModeMark},      {1006, 269, nullptr, 0, kModeProbeTest},
};

const ToolButton* FindToolButton(int controlId) {
    for (const ToolButton& button : kToolButtons) {
        if (button.controlId == controlId)
            return &button;
    }
    return nullptr;
}

}  // namespace

CToolBarDlg::CToolBarDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setFixedSize(kWidth, kHeight);
    const int buttonHeight = qRound(kButtonUnitsY * kPixelsPerUnitY);
    for (const ToolButton& tool : kToolButtons) {
        auto* button = new CGradientButton(this);
        button->setGeometry(tool.unitsX * kPixelsPerUnitX, 0, kButtonUnitsX * kPixelsPerUnitX,
                            buttonHeight);
        // Enter does not press the focused button; Space does, as on any push button.
        button->setAutoDefault(false);
        const int controlId = tool.controlId;
        connect(button, &CGradientButton::clicked, this,
                [this, controlId] { OnButton(controlId); });
        m_pButtons[controlId - kFirstControlId] = button;
    }
}

CGradientButton* CToolBarDlg::Button(int controlId) const {
    const int index = controlId - kFirstControlId;
    return index >= 0 && index < kButtons ? m_pButtons[index] : nullptr;
}

void CToolBarDlg::showEvent(QShowEvent* event) {
    OnInitDialog();
    QDialog::showEvent(event);
}

void CToolBarDlg::OnInitDialog() {
    for (const ToolButton& tool : kToolButtons) {
        CGradientButton* button = Button(tool.controlId);
        if (tool.tip)
            button->SetTooltipText(QString::fromLatin1(tool.tip), true);
        if (tool.iconId != 0)
            button->SetIcon(tool.iconId, tool.iconId, 40, 40);
    }
    setGeometry(QRect(QCursor::pos(), QSize(kWidth, kHeight)));
}

void CToolBarDlg::OnButton(int controlId) {
    const ToolButton* tool = FindToolButton(controlId);
    if (!tool)
        return;
    if (tool->mode != 0) {
        m_nMode = tool->mode;
    } else if (controlId == 1002) {
        RunFishSettingsDialog(this);
    } else {
        RunAquariumSettingsDialog(this);
    }
    accept();
}
