#pragma once

#include <QDialog>

#include "app/ToolModes.h"

// The floating tool bar: a captionless modal dialog at the pointer whose buttons choose the mouse
// tool. The tick makes its mode the scene's.
class CToolBarDlg : public QDialog {
    Q_OBJECT
public:
    explicit CToolBarDlg(QWidget* parent = nullptr);

    int m_nMode = kModeNone;
};
