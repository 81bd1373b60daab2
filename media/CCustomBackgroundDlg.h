#pragma once

#include <GL/gl.h>

#include <QDialog>
#include <QImage>
#include <QSize>
#include <QTimer>
#include <functional>
#include <string>

class CLedCheckBox;
class CReportList;
class QLineEdit;
class QPushButton;

// Set by the Custom Background dialog's timer from its "Use your own image" box; while it is set
// the frame draws the dialog's current picture behind the tank.
extern bool g_bUseOwnBackground;

// The Custom Background dialog: up to ten of the user's pictures, shown one at a time behind the
// tank and changed on a 200 ms timer in one of three play modes (Repeat One, Repeat All, Random),
// kept in the "Custom Images" section of the settings file.
//
// It is modeless and lives as long as the scene: made hidden at GL set-up, where it loads its list
// at once, shown on request, hidden (and saved) by its close box and Escape. Its timer runs while
// it is hidden, so the pictures keep changing. Enter does nothing.
class CCustomBackgroundDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int MAX_BACKGROUNDS = 10;

    // `makeContextCurrent` makes the GL context current that the textures are made in and drawn
    // with; pictures bigger than the screen are read at the screen's size.
    CCustomBackgroundDlg(std::function<void()> makeContextCurrent, QSize screenSize,
                         QWidget* parent = nullptr);

    // Loads one picture into a texture and lists it, or says why not.
    void AddPicture(const std::string& path);
    // The picture to show next (byUser: the one of row `index`, marked "ON"); 0 for none.
    GLuint PickPicture(int index, bool byUser);
    void StartCycling();
    void StopCycling();
    void SaveToFile();
    void LoadFromFile();

    // The picture shown now; 0 when none has been chosen.
    GLuint m_nCurrentTexture = 0;

    // Reading for the scene and for tests.
    int ImageCount() const { return m_nImageCount; }
    GLuint TextureAt(int row) const;
    bool IsCycling() const { return m_bCycling; }
    int PlayMode() const { return m_nPlayMode; }

protected:
    void closeEvent(QCloseEvent* event) override;

public slots:
    // Escape: hides and saves. Enter (the dialog's OK) does nothing.
    void reject() override;
    void accept() override {}

private:
    void OnInitDialog();
    void OnTimer();
    void OnUseOwnImage();
    void OnPlayMode(int mode);
    void OnAddImage();
    void OnRemoveImage();
    void OnRemoveAll();
    void OnRowClicked();
    // AddPicture with the picture decoded by `decode`, once it is known to fit in the list.
    void AddPicture(const std::string& path, const std::function<QImage()>& decode);
    void HideAndSave();
    // Every row "OFF", and the row holding `texture` (if any) "ON".
    void MarkShownRow(GLuint texture);
    void ReleaseAllTextures();

    std::function<void()> m_makeContextCurrent;
    QSize m_pictureLimit;
    CLedCheckBox* m_pUseOwnImage = nullptr;
    CLedCheckBox* m_pModeBoxes[3] = {};  // Repeat One, Repeat All, Random
    CReportList* m_pList = nullptr;
    QLineEdit* m_pInterval = nullptr;
    QPushButton* m_pAddImage = nullptr;
    QPushButton* m_pRemoveImage = nullptr;
    QPushButton* m_pRemoveAll = nullptr;
    QTimer m_timer;

    GLuint m_nTextures[MAX_BACKGROUNDS] = {};
    int m_nImageCount = 0;
    bool m_bCycling = false;
    int m_nPlayMode = 0;
    int m_nTicks = 0;
    bool m_bWriteFailureReported = false;
};
