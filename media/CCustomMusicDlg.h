#pragma once

#include <QDialog>
#include <QTimer>

#include "media/CMciPlayer.h"

class CLedCheckBox;
class CColourSlider;
class CReportList;
class QAbstractButton;
class QPushButton;
class QSlider;

// The Custom Music dialog: the user's own playlist with its play modes and volume, and the
// "On/Off" box that chooses between it and the built-in tune. Modeless and made once, hidden; its
// 200 ms timer keeps the playlist going while it is hidden. Closing it (close box or Escape)
// hides it and saves the playlist to "Custom Settings"; Enter does nothing.
class CCustomMusicDlg : public QDialog {
    Q_OBJECT
public:
    // Control ids of the template.
    enum : int {
        kIdVolume = 1007,
        kIdOnOff = 1011,
        kIdList = 1016,
        kIdAddMusic = 1017,
        kIdRemove = 1018,
        kIdRemoveAll = 1019,
        kIdPlay = 1021,
        kIdStop = 1022,
        kIdRepeatOne = 1023,
        kIdRepeatAll = 1024,
        kIdRandom = 1025,
    };
    enum PlayState { kPlaying = 0, kIdle = 1, kStopped = 2 };

    explicit CCustomMusicDlg(QWidget* parent = nullptr);
    ~CCustomMusicDlg() override;

    // The control with that id; null for ids the dialog does not have.
    QWidget* Control(int id) const;

    // Chooses a row by the play mode and loads it into the player, without starting it.
    void ChooseTrack(bool byUser);
    void PlayTrack();
    void StopMusic();
    void SaveToFile();
    void LoadFromFile();

    int m_nPlayState = kIdle;
    int m_nCurrentTrack = -1;
    int m_nTrackCount = 0;
    int m_nPlayMode = 0;
    int m_nMusicVolume = 1000;
    int m_nPosition = 0;
    CMciPlayer m_Player;

    void reject() override;  // close box and Escape: hide and save
    void accept() override;  // Enter: nothing

private:
    void BuildControls();
    void OnInitDialog();
    void OnTimer();
    void OnOnOff();
    void OnAddMusic();
    void OnRemove();
    void OnRemoveAll();
    void OnPlay();
    void OnModeBox(int mode);
    void OnRowClicked();
    void OnVolume(int level);
    void OnUnderstood(bool canPlay);
    void SetListButtonsEnabled(bool enabled);
    void ShowHighlightedTrack();

    CLedCheckBox* m_pOnOff = nullptr;
    CLedCheckBox* m_pModeBoxes[3] = {};  // Repeat One, Repeat All, Random
    CReportList* m_pList = nullptr;
    QPushButton* m_pAddMusic = nullptr;
    QPushButton* m_pRemove = nullptr;
    QPushButton* m_pRemoveAll = nullptr;
    QPushButton* m_pPlay = nullptr;
    QPushButton* m_pStop = nullptr;
    CColourSlider* m_pVolume = nullptr;
    QSlider* m_pPositionSlider = nullptr;  // hidden: the playing track's place
    QTimer m_timer;
    bool m_bAwaitingVerdict = false;  // the track loaded last is not yet understood
    bool m_bLoadedByUser = false;     // ... and was loaded by a row click
    bool m_bReportedWriteFailure = false;
};

// The open-file dialog's filter: the music files the player takes, in any letter case.
QString MusicFileFilter();
