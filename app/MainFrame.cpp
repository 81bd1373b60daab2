#include "app/MainFrame.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/MessageBox.h"
#include "platform/UserDirectories.h"

CMainFrame::CMainFrame(const SceneRunOptions& options, bool windowed) {
    setWindowTitle(kAppName);
    if (!windowed)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    if (TemporaryDirectory().empty()) {
        ShowMessageBox("Error Find TempPath.", "ERROR");
        return;
    }
    m_wndScene = new CAquariumScene(options);
    m_container = QWidget::createWindowContainer(m_wndScene, this);
    m_container->setFocusPolicy(Qt::StrongFocus);
    m_container->setGeometry(rect());
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    if (m_container)
        m_container->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_wndScene)
        m_wndScene->OnDestroy();
    QWidget::closeEvent(event);
    QApplication::exit(0);
}

void CMainFrame::focusInEvent(QFocusEvent* event) {
    if (m_container)
        m_container->setFocus();
    QWidget::focusInEvent(event);
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        EndProcessAtOnce();
    }
    if (event->key() == Qt::Key_T && !event->isAutoRepeat() && m_wndScene) {
        m_wndScene->OpenToolBar();
        return;
    }
    QWidget::keyPressEvent(event);
}
