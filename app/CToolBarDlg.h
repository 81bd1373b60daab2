#pragma once

#include <QDialog>

#include "app/ToolModes.h"

class CGradientButton;

// The floating tool bar: a captionless modal dialog at the pointer whose buttons choose the mouse
// tool. The tick makes its mode the scene's.
class CToolBarDlg : public QDialog {
    Q_OBJECT
public:
    explicit CToolBarDlg(QWidget* parent = nullptr);

    // The button with that control id (1000 ... 1007); null for any other id.
    CGradientButton* Button(int controlId) const;

    int m_nMode = kModeNone;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Tooltips and icons, and the place: the top-left corner at the pointer.
    void OnInitDialog();
    void OnButton(int controlId);

    static constexpr int kButtons = 8;
    CGradientButton* m_pButtons[kButtons] = {};  // in the order of the control ids 1000 ... 1007
};
