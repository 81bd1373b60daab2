#include "media/CCustomBackgroundDlg.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <deque>
#include <future>
#include <vector>

#include "controls/CLedCheckBox.h"
#include "controls/CReportList.h"
#include "controls/DialogUnits.h"
#include "media/PictureDecoding.h"
#include "platform/MessageBox.h"
#include "platform/PrivateProfile.h"
#include "platform/Random.h"
#include "scene/PictureTexture.h"
#include "settings/SettingsFile.h"
#include "settings/StorageDirectory.h"

bool g_bUseOwnBackground = false;

namespace {

const char* const kSection = "Custom Images";
constexpr int kTimerPeriodMs = 200;
const char* const kDefaultInterval = "5";
const QColor kListColour(207, 184, 130);

// The play modes' boxes, in the order of the modes 0, 1, 2.
const char* const kModeTexts[3] = {"Repeat One", "Repeat All", "Random "};
const char* const kModeKeys[3] = {"RepeatImage", "CycImage", "RandomImage"};

std::string ListKey(int index) {
    return "ImageList" + std::to_string(index);
}

}  // namespace

CCustomBackgroundDlg::CCustomBackgroundDlg(std::function<void()> makeContextCurrent,
                                           QSize screenSize, QWidget* parent)
    : QDialog(parent),
      m_makeContextCurrent(std::move(makeContextCurrent)),
      m_pictureLimit(screenSize) {
    // The template: 248 x 135 dialog units in the 9-point dialog font.
    DialogLayout layout(this, QStringLiteral("Custom Background - Merow Fish Screensaver 1.1"), 248,
                        135, 9);
    m_pUseOwnImage =
        layout.Place(new CLedCheckBox(QStringLiteral("Use your own image")), 7, 7, 100, 12);
    m_pUseOwnImage->setObjectName(QStringLiteral("useOwnImage"));
    const char* const modeNames[3] = {"repeatOne", "repeatAll", "random"};
    for (int mode = 0; mode < 3; ++mode) {
        m_pModeBoxes[mode] = layout.Place(new CLedCheckBox(QString::fromLatin1(kModeTexts[mode])),
                                          7 + 65 * mode, 23, 60, 12);
        m_pModeBoxes[mode]->setObjectName(QString::fromLatin1(modeNames[mode]));
        connect(m_pModeBoxes[mode], &CLedCheckBox::clicked, this,
                [this, mode] { OnPlayMode(mode); });
    }

    auto* intervalLabel = layout.Place(new QLabel(QStringLiteral("Interval")), 150, 9, 34, 9);
    intervalLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pInterval = layout.Place(new QLineEdit, 187, 7, 34, 12);
    m_pInterval->setObjectName(QStringLiteral("interval"));
    m_pInterval->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    layout.Place(new QLabel(QStringLiteral("S")), 224, 9, 10, 9);

    m_pList = layout.Place(new CReportList({{QStringLiteral("Backgrounds Directory"), 320},
                                            {QStringLiteral("State"), 50}},
                                           kListColour),
                           7, 40, 234, 68);
    m_pList->setObjectName(QStringLiteral("list"));

    m_pAddImage = layout.Place(new QPushButton(QStringLiteral("Add Image")), 7, 114, 74, 14);
    m_pRemoveImage = layout.Place(new QPushButton(QStringLiteral("Remove Image")), 87, 114, 74, 14);
    m_pRemoveAll = layout.Place(new QPushButton(QStringLiteral("Remove All")), 167, 114, 74, 14);
    m_pAddImage->setObjectName(QStringLiteral("addImage"));
    m_pRemoveImage->setObjectName(QStringLiteral("removeImage"));
    m_pRemoveAll->setObjectName(QStringLiteral("removeAll"));
    for (QPushButton* button : {m_pAddImage, m_pRemoveImage, m_pRemoveAll})
        button->setAutoDefault(false);  // Enter presses nothing; Space presses the focused one

    connect(m_pUseOwnImage, &CLedCheckBox::clicked, this, &CCustomBackgroundDlg::OnUseOwnImage);
    connect(m_pAddImage, &QPushButton::clicked, this, &CCustomBackgroundDlg::OnAddImage);
    connect(m_pRemoveImage, &QPushButton::clicked, this, &CCustomBackgroundDlg::OnRemoveImage);
    connect(m_pRemoveAll, &QPushButton::clicked, this, &CCustomBackgroundDlg::OnRemoveAll);
    connect(m_pList, &CReportList::cellClicked, this, &CCustomBackgroundDlg::OnRowClicked);
    connect(&m_timer, &QTimer::timeout, this, &CCustomBackgroundDlg::OnTimer);
    OnInitDialog();
}

void CCustomBackgroundDlg::OnInitDialog() {
    m_pUseOwnImage->SetCheck(0);
    m_pModeBoxes[2]->SetCheck(0);
    m_pModeBoxes[1]->SetCheck(0);
    m_pModeBoxes[0]->SetCheck(1);
    m_pInterval->setText(QString::fromLatin1(kDefaultInterval));
    m_pAddImage->setToolTip(QStringLiteral("Add Aquarium Background"));
    m_pRemoveImage->setToolTip(QStringLiteral("Remove Aquarium Background"));
    m_pRemoveAll->setToolTip(QStringLiteral("Remove All Aquarium Backgrounds"));
    LoadFromFile();
    m_timer.start(kTimerPeriodMs);
}

GLuint CCustomBackgroundDlg::TextureAt(int row) const {
    return row >= 0 && row < MAX_BACKGROUNDS ? m_nTextures[row] : 0;
}

void CCustomBackgroundDlg::AddPicture(const std::string& path) {
    AddPicture(path, [&] { return DecodePictureFile(path, m_pictureLimit); });
}

void CCustomBackgroundDlg::AddPicture(const std::string& path,
                                      const std::function<QImage()>& decode) {
    if (m_nImageCount >= MAX_BACKGROUNDS) {
        ShowMessageBox("The maximum number of background is: " +
                       std::to_string(m_pList->rowCount()));
        return;
    }
    const QImage picture = decode();
    GLuint texture = 0;
    if (!picture.isNull()) {
        if (m_makeContextCurrent)
            m_makeContextCurrent();
        texture = CreatePictureTexture(picture);
    }
    m_nTextures[m_nImageCount] = texture;
    if (texture == 0) {
        ShowMessageBox("(" + path + ")" + "image loading error.");
        StopCycling();
        return;
    }
    m_pList->AppendRow({QString::fromStdString(path), QStringLiteral("OFF")});
    m_nImageCount = m_pList->rowCount();
}

GLuint CCustomBackgroundDlg::PickPicture(int index, bool byUser) {
    if (m_nImageCount == 0 || !m_bCycling)
        return 0;
    if (byUser) {
        MarkShownRow(0);
        m_pList->SetText(index, 1, QStringLiteral("ON"));
        return m_nTextures[index];
    }
    switch (m_nPlayMode) {
        case 0:
            return m_nCurrentTexture != 0 ? m_nCurrentTexture : m_nTextures[0];
        case 1: {
            int shown = 0;
            while (shown < m_nImageCount && m_nTextures[shown] != m_nCurrentTexture)
                ++shown;
            return m_nTextures[(shown + 1) % m_nImageCount];
        }
        default:
            return m_nTextures[Rand() % m_nImageCount];
    }
}

void CCustomBackgroundDlg::StartCycling() {
    m_bCycling = true;
    m_nTicks = -1;
}

void CCustomBackgroundDlg::StopCycling() {
    MarkShownRow(0);
    m_bCycling = false;
}

void CCustomBackgroundDlg::MarkShownRow(GLuint texture) {
    for (int row = 0; row < m_pList->rowCount(); ++row) {
        const bool shown = texture != 0 && m_nTextures[row] == texture;
        m_pList->SetText(row, 1, shown ? QStringLiteral("ON") : QStringLiteral("OFF"));
    }
}

void CCustomBackgroundDlg::OnTimer() {
    g_bUseOwnBackground = m_pUseOwnImage->GetCheck() == 1;
    if (m_bCycling) {
        ++m_nTicks;
        const long long interval = SettingsAtoi(m_pInterval->text().toStdString());
        if (m_nTicks != 0 && static_cast<long long>(m_nTicks) * kTimerPeriodMs < interval * 1000)
            return;
    }
    m_nCurrentTexture = PickPicture(0, false);
    m_nTicks = 0;
    if (m_nCurrentTexture != 0)
        MarkShownRow(m_nCurrentTexture);
}

void CCustomBackgroundDlg::OnUseOwnImage() {
    if (m_pUseOwnImage->GetCheck() == 1)
        StartCycling();
    else if (m_bCycling)
        StopCycling();
}

void CCustomBackgroundDlg::OnPlayMode(int mode) {
    m_nPlayMode = mode;
    for (int box = 0; box < 3; ++box)
        m_pModeBoxes[box]->SetCheck(box == mode ? 1 : 0);
}

void CCustomBackgroundDlg::OnAddImage() {
    QFileDialog dialog(this);
    // Qt's own file dialog matches the name filter in any letter case (IMG_0001.JPG).
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Pictures (*.jpg *.jpeg *.png *.bmp)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    AddPicture(dialog.selectedFiles().first().toStdString());
    if (m_pList->rowCount() == 1 && m_pUseOwnImage->GetCheck() == 1)
        StartCycling();
}

void CCustomBackgroundDlg::OnRemoveImage() {
    const int row = m_pList->SelectedRow();
    if (row >= 0) {
        if (m_makeContextCurrent)
            m_makeContextCurrent();
        ReleasePictureTexture(m_nTextures[row]);
        m_pList->RemoveRow(row);
        m_pList->clearSelection();
        for (int slot = row; slot + 1 < MAX_BACKGROUNDS; ++slot)
            m_nTextures[slot] = m_nTextures[slot + 1];
        m_nTextures[MAX_BACKGROUNDS - 1] = 0;
        m_nImageCount = m_pList->rowCount();
    }
    if (m_pList->rowCount() == 0) {
        ReleaseAllTextures();
        m_nCurrentTexture = 0;
    } else {
        m_nCurrentTexture = PickPicture(0, true);
    }
}

void CCustomBackgroundDlg::OnRemoveAll() {
    m_pList->RemoveAllRows();
    m_nImageCount = 0;
    ReleaseAllTextures();
    m_nCurrentTexture = 0;
}

void CCustomBackgroundDlg::ReleaseAllTextures() {
    if (m_makeContextCurrent)
        m_makeContextCurrent();
    for (GLuint& texture : m_nTextures) {
        ReleasePictureTexture(texture);
        texture = 0;
    }
}

void CCustomBackgroundDlg::OnRowClicked() {
    const int row = m_pList->SelectedRow();
    if (row >= 0)
        m_nCurrentTexture = PickPicture(row, true);
}

void CCustomBackgroundDlg::SaveToFile() {
    SettingsFile file;
    auto flag = [](const CLedCheckBox* box) { return box->GetCheck() == 1 ? "1" : "0"; };
    file.Write(kSection, "RandomImage", flag(m_pModeBoxes[2]));
    file.Write(kSection, "CycImage", flag(m_pModeBoxes[1]));
    file.Write(kSection, "RepeatImage", flag(m_pModeBoxes[0]));
    file.Write(kSection, "OwnImage", flag(m_pUseOwnImage));
    file.Write(kSection, "ImageTime", m_pInterval->text().toStdString());
    file.WriteInt(kSection, "ImageSum", m_pList->rowCount());
    for (int row = 0; row < m_pList->rowCount(); ++row)
        file.Write(kSection, ListKey(row).c_str(), m_pList->Text(row, 0).toStdString());
    file.Commit();
    // Said once: a second box from the same dialog would only repeat it.
    if (file.anyWriteFailed() && !m_bWriteFailureReported) {
        m_bWriteFailureReported = true;
        file.ReportWriteFailures();
    }
}

void CCustomBackgroundDlg::LoadFromFile() {
    for (GLuint& texture : m_nTextures)
        texture = 0;
    m_nCurrentTexture = 0;

    // Read whole: a picture's path may be longer than the settings' short values.
    const ProfileBatch file(GetSettingsPath());
    auto text = [&file](const std::string& key) {
        return file.Read(kSection, key).value_or(std::string());
    };
    auto isSet = [&text](const char* key) { return SettingsAtoi(text(key)) == 1; };
    for (int mode = 2; mode >= 0; --mode)
        m_pModeBoxes[mode]->SetCheck(isSet(kModeKeys[mode]) ? 1 : 0);
    m_pUseOwnImage->SetCheck(isSet("OwnImage") ? 1 : 0);
    const std::string interval = text("ImageTime");
    m_pInterval->setText(QString::fromStdString(interval.empty() ? kDefaultInterval : interval));

    // The list ends at ImageSum or at the first missing entry, whichever comes first, so a
    // damaged count cannot ask for millions of pictures. Entries past the tenth are said once.
    const int sum = SettingsAtoi(text("ImageSum"));
    std::vector<std::string> paths;
    for (int index = 0; index < sum && !text(ListKey(index)).empty(); ++index)
        paths.push_back(text(ListKey(index)));
    // Two pictures are read ahead on other threads while the textures are made here.
    std::deque<std::future<QImage>> ahead;
    std::size_t next = 0;
    for (const std::string& path : paths) {
        while (next < paths.size() && ahead.size() < 2)
            ahead.push_back(std::async(std::launch::async, DecodePictureFile, paths[next++],
                                       m_pictureLimit, nullptr));
        const bool full = m_nImageCount >= MAX_BACKGROUNDS;
        AddPicture(path, [&ahead] { return ahead.front().get(); });
        if (full)
            break;  // the maximum box, once
        ahead.pop_front();
    }

    if (m_pModeBoxes[0]->GetCheck() == 0 && m_pModeBoxes[1]->GetCheck() == 0 &&
        m_pModeBoxes[2]->GetCheck() == 0)
        m_pModeBoxes[0]->SetCheck(1);
    for (int mode = 2; mode >= 0; --mode) {
        if (m_pModeBoxes[mode]->GetCheck() == 1) {
            OnPlayMode(mode);
            break;
        }
    }
    if (sum > 0 && m_pUseOwnImage->GetCheck() == 1)
        StartCycling();
}

void CCustomBackgroundDlg::HideAndSave() {
    hide();
    SaveToFile();
}

void CCustomBackgroundDlg::reject() {
    HideAndSave();
}

void CCustomBackgroundDlg::closeEvent(QCloseEvent* event) {
    HideAndSave();
    event->accept();
}
