#pragma once

#include <QBasicTimer>
#include <QDialog>
#include <map>

#include "controls/SystemLook.h"
#include "settings/AquariumSettings.h"

class CColourSlider;
class CColourSwatch;
class CLedCheckBox;
class DialogLayout;
class QCheckBox;
class QSlider;

// The numbers stored with the two colour locks: carried from the file's "LOCKFORE ROT" and
// "LOCKBACK ROT" through the dialog and written back unchanged.
extern float g_fLockForeRot;
extern float g_fLockBackRot;

// The modal dialog for the tank's look and sound: volume, bubble count, fog, light, the light
// colour and its mode, and the view sliders. It has no OK or Cancel: every 100 ms it writes every
// value to the settings file and hands them to the running tank, so each change shows at once.
// Some controls of its layout are hidden; they still load and save their keys.
class CAquariumSettingsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAquariumSettingsDlg(QWidget* parent = nullptr);

    // The control with this id (1009 ... 1042, 1 and 2), or null.
    QWidget* Control(int id) const;

    // Fills every control and member from the file's "Aquarium Settings" section.
    void LoadFromFile();
    // Writes the 27 keys, then publishes the values to the tank.
    void SaveToFile();
    // Shows the preview picture of m_nBackgroundStyle (looks 0 ... 3).
    void UpdateLookPreview();

    // Every way out saves once more, so a change made since the last tick is kept.
    void done(int result) override;

    int m_nVolume = 0;
    int m_nBubbleSetting = 0;
    int m_nFogLevel = 0;
    int m_nLightLevel = 0;
    int m_nAutoViews = 0;
    int m_nViewLeftRight = 0;
    int m_nViewNearFar = 0;
    ColorRef m_crFrontColor = 0;
    ColorRef m_crFrontColor1 = 0;
    ColorRef m_crFrontColor2 = 0;
    ColorRef m_crBackColor = 0;
    ColorRef m_crBackColor1 = 0;
    ColorRef m_crBackColor2 = 0;
    int m_nBackgroundStyle = 0;

protected:
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int kVerticalSliders[] = {1010, 1009, 1011,
                                               1030};  // Sound, Bubbles, Fog, Light

    void CreateControls(const DialogLayout& layout);
    void ConnectControls();
    template <class Widget>
    Widget* Add(int id, Widget* control, const DialogLayout& layout, int x, int y, int w, int h);

    void OnTimer();
    void OnHScroll();
    void OnVScroll();
    void OnSwatch(int id);
    // Checks the mode box `id` and unchecks the other two of its group.
    void SelectMode(int id);

    // The dialog's values as the record the tank reads.
    AquariumSettings Record() const;
    ColorRef* ColourOf(int swatchId);
    CLedCheckBox* Led(int id) const;
    CColourSwatch* Swatch(int id) const;
    QSlider* Slider(int id) const;
    QCheckBox* AutoViewsBox() const;
    // Sets a slider without it counting as the user's move.
    void SetSliderPos(int id, int position);

    std::map<int, QWidget*> m_controls;
    QBasicTimer m_timer;
    bool m_bWriteFailureShown = false;
};
