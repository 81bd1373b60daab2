// The Custom Music dialog's playlist: choosing, loading, playing and stopping tracks, the timer
// that notices a track's end, and the "Custom Settings" section.
#include <QSlider>

#include "controls/CLedCheckBox.h"
#include "controls/CReportList.h"
#include "media/CCustomMusicDlg.h"
#include "media/MusicFlags.h"
#include "media/TrackChoice.h"
#include "platform/PrivateProfile.h"
#include "platform/Random.h"
#include "settings/SettingsFile.h"
#include "settings/StorageDirectory.h"

namespace {

const QColor kPlayingRowColour(0, 255, 0);
constexpr const char* kSection = "Custom Settings";
// A hand-edited "MusicSum" beyond this would only fill the list with empty rows.
constexpr int kMaxSavedRows = 1000;

}  // namespace

void CCustomMusicDlg::ChooseTrack(bool byUser) {
    const int count = m_pList->rowCount();
    if (count == 0)
        return;
    int row = ChooseTrackRow(m_nPlayMode, m_nPlayState == kPlaying, byUser, m_pList->SelectedRow(),
                             m_nCurrentTrack, count, Rand);
    if (row < 0 || row >= count)
        row = 0;
    m_nCurrentTrack = row;

    m_Player.Stop();
    m_Player.Close();
    m_Player.SetFileName(m_pList->Text(row, 0));
    m_Player.Open();
    m_bLoadedByUser = byUser;
    m_bAwaitingVerdict = m_Player.CanPlay() == MciPlayerFacts::Unknown;
    if (m_Player.CanPlay() == MciPlayerFacts::No)
        StopMusic();
    m_Player.Seek(0);
    m_Player.SetVolume(m_nMusicVolume);
    m_pPositionSlider->setRange(0, m_Player.GetLength());
    m_pPositionSlider->setValue(0);
}

// A file the player cannot play is stopped once that is known. Known only after Play, the end of
// a track or "On/Off" went on to play it, the stop is followed by that play again, as it is when
// the file is known bad at once: the dialog then plays silently, list buttons disabled, no row
// lit and no end of track, until Stop.
void CCustomMusicDlg::OnUnderstood(bool canPlay) {
    if (!m_bAwaitingVerdict)
        return;
    m_bAwaitingVerdict = false;
    if (canPlay)
        return;
    const bool playAgain = m_nPlayState == kPlaying && !m_bLoadedByUser;
    StopMusic();
    if (playAgain)
        PlayTrack();
}

void CCustomMusicDlg::PlayTrack() {
    if (m_pList->rowCount() == 0)
        return;
    m_nPlayState = kPlaying;
    m_Player.Play();
    g_nHighlightedTrack = m_nCurrentTrack;
    ShowHighlightedTrack();
    SetListButtonsEnabled(false);
    m_pOnOff->SetCheck(1);
}

void CCustomMusicDlg::StopMusic() {
    m_nPlayState = kStopped;
    m_Player.Stop();
    m_Player.Seek(0);
    m_nCurrentTrack = -1;
    g_nHighlightedTrack = -1;
    ShowHighlightedTrack();
    m_pList->clearSelection();
    SetListButtonsEnabled(true);
}

void CCustomMusicDlg::ShowHighlightedTrack() {
    m_pList->SetHighlightedRow(g_nHighlightedTrack, kPlayingRowColour);
}

void CCustomMusicDlg::OnTimer() {
    g_bOwnMusicOn = m_pOnOff->GetCheck() != 0;
    if (m_nPlayState != kPlaying)
        return;
    m_nPosition = m_Player.GetPosition();
    m_pPositionSlider->setMaximum(m_Player.GetLength());  // known once the file is understood
    m_pPositionSlider->setValue(m_nPosition);
    if (m_Player.CanPlay() == MciPlayerFacts::Yes && m_Player.GetLength() == m_nPosition) {
        ChooseTrack(false);
        PlayTrack();
    }
}

void CCustomMusicDlg::SaveToFile() {
    SettingsFile file;
    const auto flag = [](const CLedCheckBox* box) {
        return std::string(box->GetCheck() ? "1" : "0");
    };
    file.Write(kSection, "RandomMusic", flag(m_pModeBoxes[kRandomMusic]));
    file.Write(kSection, "CycMusic", flag(m_pModeBoxes[kRepeatAll]));
    file.Write(kSection, "RepeatMusic", flag(m_pModeBoxes[kRepeatOne]));
    file.Write(kSection, "OwnMusic", flag(m_pOnOff));
    const int count = m_pList->rowCount();
    file.WriteInt(kSection, "MusicSum", count);
    for (int row = 0; row < count; ++row)
        file.Write(kSection, ("MusicList" + std::to_string(row)).c_str(),
                   m_pList->Text(row, 0).toStdString());
    file.Commit();
    if (file.anyWriteFailed() && !m_bReportedWriteFailure) {
        m_bReportedWriteFailure = true;  // set first: the message runs its own event loop
        file.ReportWriteFailures();
    }
}

void CCustomMusicDlg::LoadFromFile() {
    // Paths are read whole; the flags and the count as the settings' numbers are.
    const ProfileBatch file(GetSettingsPath());
    const auto number = [&file](const char* key) {
        return SettingsAtoi(file.Read(kSection, key).value_or(""));
    };
    m_pList->RemoveAllRows();
    m_pModeBoxes[kRandomMusic]->SetCheck(number("RandomMusic") == 1);
    m_pModeBoxes[kRepeatAll]->SetCheck(number("CycMusic") == 1);
    m_pModeBoxes[kRepeatOne]->SetCheck(number("RepeatMusic") == 1);
    m_pOnOff->SetCheck(number("OwnMusic") == 1);
    const int count = qMin(number("MusicSum"), kMaxSavedRows);
    for (int row = 0; row < count; ++row) {
        const std::string path =
            file.Read(kSection, "MusicList" + std::to_string(row)).value_or("");
        m_pList->AppendRow({QString::fromStdString(path)});
    }
    m_nTrackCount = m_pList->rowCount();
    if (!m_pModeBoxes[kRandomMusic]->GetCheck() && !m_pModeBoxes[kRepeatAll]->GetCheck() &&
        !m_pModeBoxes[kRepeatOne]->GetCheck())
        m_pModeBoxes[kRepeatOne]->SetCheck(1);
    for (int mode : {kRandomMusic, kRepeatAll, kRepeatOne}) {
        if (m_pModeBoxes[mode]->GetCheck()) {
            OnModeBox(mode);
            break;
        }
    }
    if (count > 0 && m_pOnOff->GetCheck())
        OnPlay();
}
