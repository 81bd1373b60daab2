#include "app/CToolBarDlg.h"

CToolBarDlg::CToolBarDlg(QWidget* parent) : QDialog(parent) {}
