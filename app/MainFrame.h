#pragma once

#include <QWidget>
#include <memory>

#include "app/AquariumScene.h"

// The program's only top-level window: borderless and covering the screen (or a plain window of
// the asked size), holding the scene window and nothing else.
class CMainFrame : public QWidget {
    Q_OBJECT
public:
    CMainFrame(const SceneRunOptions& options, bool windowed);

    // Null when the scene could not be made (no temporary folder).
    CAquariumScene* scene() const { return m_wndScene; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Closed from the window manager: the tear-down "  Exit" runs, then status 0.
    void closeEvent(QCloseEvent* event) override;

private:
    CAquariumScene* m_wndScene = nullptr;  // owned by its container widget
    QWidget* m_container = nullptr;
};
