// The scene's mouse: the tool modes' clicks and cursors, the right-button menu, the commands and
// the tool bar.
#include <QMouseEvent>
#include <QWindow>

#include "app/AquariumScene.h"
#include "app/SceneCommands.h"
#include "app/SceneDialogs.h"
#include "app/SceneMenu.h"
#include "media/CCustomMusicDlg.h"
#include "media/CCustomBackgroundDlg.h"

QPoint CAquariumScene::DevicePoint(const QMouseEvent* event) const {
    return (event->position() * devicePixelRatio()).toPoint();
}

void CAquariumScene::mousePressEvent(QMouseEvent* event) {
    switch (event->button()) {
        case Qt::LeftButton:
            OnLButtonDown(DevicePoint(event));
            break;
        case Qt::RightButton:
            OnRButtonDown(DevicePoint(event));
            break;
        case Qt::MiddleButton:
            OpenToolBar();
            break;
        default:
            break;
    }
    QOpenGLWindow::mousePressEvent(event);
}

void CAquariumScene::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(DevicePoint(event));
    QOpenGLWindow::mouseReleaseEvent(event);
}

void CAquariumScene::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(DevicePoint(event));
    QOpenGLWindow::mouseMoveEvent(event);
}

void CAquariumScene::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click has already come as a press of its own.
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(DevicePoint(event));
    QOpenGLWindow::mouseDoubleClickEvent(event);
}

void CAquariumScene::OnLButtonDown(QPoint point) {
    m_ptMouse = point;
    m_bLButtonDown = true;
    switch (m_nMode) {
        case kModeFeed:
            m_bFeedClick = true;
            break;
        case kModeProbeTest:
            m_bProbeClick = true;
            break;
        case kModeMark:
            m_bMarkClick = true;
            break;
        case kModeRipple:
            // The water counts its rows from the bottom.
            if (m_pWater)
                m_pWater->Drop(point.x(), m_nHeight - point.y());
            break;
        default:
            break;
    }
    UpdateCursor();
}

void CAquariumScene::OnLButtonUp(QPoint) {
    m_bLButtonDown = false;
}

void CAquariumScene::OnMouseMove(QPoint point) {
    UpdateCursor();
    m_ptMouse = point;
}

void CAquariumScene::OnLButtonDblClk(QPoint) {
    UpdateCursor();
}

void CAquariumScene::UpdateCursor() {
    const ToolCursorChoice choice = ChooseToolCursor(m_nMode, m_bLButtonDown);
    const qreal ratio = devicePixelRatio();
    if (choice == m_shownCursor && ratio == m_shownCursorRatio)
        return;
    m_shownCursor = choice;
    m_shownCursorRatio = ratio;
    switch (choice.look) {
        case PointerLook::Hidden:
            setCursor(Qt::BlankCursor);
            break;
        case PointerLook::Arrow:
            setCursor(Qt::ArrowCursor);
            break;
        case PointerLook::Picture:
            setCursor(ToolCursor(choice.pictureId, ratio));
            break;
    }
}

void CAquariumScene::OnRButtonDown(QPoint point) {
    const QPoint global = mapToGlobal((QPointF(point) / devicePixelRatio()).toPoint());
    const int command = RunSceneMenu(global);
    ReArmTick();
    if (command != 0)
        OnCommand(command);
}

bool CAquariumScene::OnCommand(int id) {
    m_nMode = id;  // until the next tick makes the tool bar's mode the scene's again
    if (id == kCmdFishSettings)
        RunFishSettingsDialog(nullptr);
    m_ToolBar.m_nMode = ToolBarModeAfterCommand(id, m_ToolBar.m_nMode);
    // The ticks of a modal dialog may have put the mode back already.
    switch (m_nMode) {
        case kCmdAquariumSettings:
            RunAquariumSettingsDialog(nullptr);
            return true;
        case kCmdCustomMusic:
            ShowCustomMusicDialog();
            return true;
        case kCmdCustomBackground:
            ShowCustomBackgroundDialog();
            return true;
        case kCmdExit:
            OnDestroy();
            emit finished();
            return true;
        default:
            return IsDialogCommand(id);
    }
}

void CAquariumScene::ShowCustomMusicDialog() {
    if (!m_pMusicDlg)
        return;
    QWindow* top = this;
    while (top->parent())
        top = top->parent();
    // Kept above the tank by the window manager, where there is one.
    m_pMusicDlg->winId();
    if (QWindow* handle = m_pMusicDlg->windowHandle())
        handle->setTransientParent(top);
    QRect place = m_pMusicDlg->frameGeometry();
    place.moveCenter(top->geometry().center());
    m_pMusicDlg->move(place.topLeft());
    m_pMusicDlg->show();
    m_pMusicDlg->raise();
    m_pMusicDlg->activateWindow();
}

void CAquariumScene::ShowCustomBackgroundDialog() {
    if (!m_pBackgroundDlg)
        return;  // the set-up did not get that far
    CCustomBackgroundDlg& dialog = *m_pBackgroundDlg;
    // Kept above the tank by the window manager, where there is one.
    dialog.winId();
    QWindow* top = this;
    while (top->parent())
        top = top->parent();
    if (QWindow* handle = dialog.windowHandle())
        handle->setTransientParent(top);
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(QRect(mapToGlobal(QPoint(0, 0)), size()).center());
    dialog.move(frame.topLeft());
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void CAquariumScene::OpenToolBar() {
    if (m_bTornDown || m_ToolBar.isVisible())
        return;
    // Kept above the tank by the window manager, where there is one.
    m_ToolBar.winId();
    QWindow* top = this;
    while (top->parent())
        top = top->parent();
    if (QWindow* handle = m_ToolBar.windowHandle())
        handle->setTransientParent(top);
    m_ToolBar.exec();
    ReArmTick();
}
