#include "media/CCustomMusicDlg.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>

#include "controls/CColourSlider.h"
#include "controls/CLedCheckBox.h"
#include "controls/CReportList.h"
#include "controls/DialogUnits.h"
#include "media/TrackChoice.h"
#include "platform/AppProfile.h"
#include "platform/MessageBox.h"

namespace {

constexpr int kTimerPeriodMs = 200;
const QColor kListColour(207, 184, 130);
constexpr int kListColumnWidth = 500;

// Extensions offered by Add Music: the template's three, then those GStreamer plays here too.
const char* const kMusicExtensions[] = {"mp3", "wav", "mpeg", "ogg", "flac", "m4a"};

QPushButton* MakeButton(const QString& text) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);  // Enter presses nothing
    return button;
}

}  // namespace

QString MusicFileFilter() {
    // "*.[mM][pP]3": the pattern itself ignores letter case, whatever the file dialog does.
    QStringList patterns;
    for (const char* extension : kMusicExtensions) {
        QString pattern = QStringLiteral("*.");
        for (const QChar c : QString::fromLatin1(extension))
            pattern += c.isLetter() ? QStringLiteral("[%1%2]").arg(c, c.toUpper()) : QString(c);
        patterns << pattern;
    }
    return QStringLiteral("Music (%1)").arg(patterns.join(' '));
}

CCustomMusicDlg::CCustomMusicDlg(QWidget* parent) : QDialog(parent) {
    BuildControls();
    OnInitDialog();
}

CCustomMusicDlg::~CCustomMusicDlg() = default;

void CCustomMusicDlg::BuildControls() {
    DialogLayout layout(this, QStringLiteral("Custom Music - Merow Fish Screensaver 1.1"), 317, 151,
                        8);
    layout.Place(new QGroupBox(QStringLiteral("Use your own music")), 7, 4, 100, 28);
    m_pOnOff = layout.Place(new CLedCheckBox(QStringLiteral("On/Off")), 17, 15, 80, 13);
    layout.Place(new QGroupBox(QStringLiteral("Play Modes")), 7, 36, 100, 62);
    const char* const modeTexts[3] = {"Repeat One", "Repeat All", "Random "};
    for (int mode = 0; mode < 3; ++mode)
        m_pModeBoxes[mode] = layout.Place(new CLedCheckBox(QString::fromLatin1(modeTexts[mode])),
                                          17, 48 + 15 * mode, 80, 13);
    layout.Place(new QGroupBox(QStringLiteral("Volume")), 7, 102, 100, 42);
    m_pVolume = layout.Place(new CColourSlider(Qt::Horizontal), 14, 116, 86, 20);

    m_pList = layout.Place(
        new CReportList({{QStringLiteral("Music List"), kListColumnWidth}}, kListColour), 114, 7,
        196, 99);
    m_pAddMusic = layout.Place(MakeButton(QStringLiteral("Add Music")), 114, 112, 62, 14);
    m_pRemove = layout.Place(MakeButton(QStringLiteral("Remove")), 181, 112, 62, 14);
    m_pRemoveAll = layout.Place(MakeButton(QStringLiteral("Remove All")), 248, 112, 62, 14);
    m_pPlay = layout.Place(MakeButton(QStringLiteral("Play")), 114, 130, 96, 14);
    m_pStop = layout.Place(MakeButton(QStringLiteral("Stop")), 214, 130, 96, 14);
    m_pPositionSlider = layout.Place(new QSlider(Qt::Horizontal), 0, 0, 1, 1);
    m_pPositionSlider->hide();

    connect(m_pOnOff, &CLedCheckBox::clicked, this, &CCustomMusicDlg::OnOnOff);
    for (int mode = 0; mode < 3; ++mode)
        connect(m_pModeBoxes[mode], &CLedCheckBox::clicked, this,
                [this, mode] { OnModeBox(mode); });
    connect(m_pList, &CReportList::clicked, this, &CCustomMusicDlg::OnRowClicked);
    connect(m_pAddMusic, &QPushButton::clicked, this, &CCustomMusicDlg::OnAddMusic);
    connect(m_pRemove, &QPushButton::clicked, this, &CCustomMusicDlg::OnRemove);
    connect(m_pRemoveAll, &QPushButton::clicked, this, &CCustomMusicDlg::OnRemoveAll);
    connect(m_pPlay, &QPushButton::clicked, this, &CCustomMusicDlg::OnPlay);
    connect(m_pStop, &QPushButton::clicked, this, &CCustomMusicDlg::StopMusic);
    connect(&m_Player, &CMciPlayer::Understood, this, &CCustomMusicDlg::OnUnderstood);
    connect(&m_timer, &QTimer::timeout, this, &CCustomMusicDlg::OnTimer);
}

void CCustomMusicDlg::OnInitDialog() {
    m_pOnOff->SetCheck(0);
    m_pModeBoxes[kRandomMusic]->SetCheck(0);
    m_pModeBoxes[kRepeatAll]->SetCheck(0);
    m_pModeBoxes[kRepeatOne]->SetCheck(1);
    m_nPlayMode = kRepeatOne;
    m_nMusicVolume = GetAppProfileInt("Settings", "Volume", 1000);
    m_Player.SetFileName(QString());
    m_Player.Open();
    m_Player.SetVolume(m_nMusicVolume);
    m_pVolume->setRange(0, 1000);
    m_pVolume->setValue(m_nMusicVolume);
    connect(m_pVolume, &QSlider::valueChanged, this, &CCustomMusicDlg::OnVolume);
    LoadFromFile();
    m_timer.start(kTimerPeriodMs);
}

QWidget* CCustomMusicDlg::Control(int id) const {
    switch (id) {
        case kIdVolume:
            return m_pVolume;
        case kIdOnOff:
            return m_pOnOff;
        case kIdList:
            return m_pList;
        case kIdAddMusic:
            return m_pAddMusic;
        case kIdRemove:
            return m_pRemove;
        case kIdRemoveAll:
            return m_pRemoveAll;
        case kIdPlay:
            return m_pPlay;
        case kIdStop:
            return m_pStop;
        case kIdRepeatOne:
            return m_pModeBoxes[kRepeatOne];
        case kIdRepeatAll:
            return m_pModeBoxes[kRepeatAll];
        case kIdRandom:
            return m_pModeBoxes[kRandomMusic];
        default:
            return nullptr;
    }
}

void CCustomMusicDlg::reject() {
    hide();
    SaveToFile();
}

void CCustomMusicDlg::accept() {}

void CCustomMusicDlg::OnOnOff() {
    if (m_pOnOff->GetCheck())
        OnPlay();
    else if (m_nPlayState == kPlaying)
        StopMusic();
}

void CCustomMusicDlg::OnPlay() {
    ChooseTrack(false);
    PlayTrack();
}

void CCustomMusicDlg::OnModeBox(int mode) {
    m_nPlayMode = mode;
    for (int other = 0; other < 3; ++other)
        m_pModeBoxes[other]->SetCheck(other == mode ? 1 : 0);
}

void CCustomMusicDlg::OnRowClicked() {
    if (m_pList->SelectedRow() < 0)
        return;
    ChooseTrack(true);
    if (m_nPlayState == kPlaying)
        PlayTrack();
}

void CCustomMusicDlg::OnAddMusic() {
    QFileDialog chooser(this, QString(), QString(), MusicFileFilter());
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    m_pList->AppendRow({QDir::toNativeSeparators(chooser.selectedFiles().first())});
    m_nTrackCount = m_pList->rowCount();
}

void CCustomMusicDlg::OnRemove() {
    const int selected = m_pList->SelectedRow();
    if (selected < 0) {
        ShowMessageBox("Please select an item from the music list!");
        return;
    }
    m_pList->RemoveRow(selected);
    m_nTrackCount = m_pList->rowCount();
    ChooseTrack(false);
}

void CCustomMusicDlg::OnRemoveAll() {
    m_pList->RemoveAllRows();
    m_nTrackCount = 0;
}

void CCustomMusicDlg::OnVolume(int level) {
    m_Player.SetVolume(level);
    m_nMusicVolume = level;
}

void CCustomMusicDlg::SetListButtonsEnabled(bool enabled) {
    for (QPushButton* button : {m_pAddMusic, m_pRemove, m_pRemoveAll, m_pPlay})
        button->setEnabled(enabled);
}
