#include "settings/CAquariumSettingsDlg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimerEvent>

#include "controls/CColourSwatch.h"
#include "controls/CLedCheckBox.h"
#include "controls/DialogUnits.h"

namespace {

constexpr int kFrontModes[] = {1013, 1021, 1022};  // Fix, Gradually, Auto
constexpr int kBackModes[] = {1023, 1024, 1025};

}  // namespace

CAquariumSettingsDlg::CAquariumSettingsDlg(QWidget* parent) : QDialog(parent) {
    const DialogLayout layout(
        this, QStringLiteral("Aquarium Settings - Merow Fish Screensaver 1.1"), 244, 243, 8);
    CreateControls(layout);
    layout.FitToScreen();
    // Opening: ranges, the checks a file without mode keys leaves, the file, the preview, and
    // the timer. Qt centres a modal dialog on its owner when it is shown.
    const std::pair<int, int> ranges[] = {{1042, 2000}, {1041, 7000},  {1030, 100},
                                          {1011, 25},   {1010, 65535}, {1009, 1000}};
    for (const auto& [id, maximum] : ranges) {
        Slider(id)->setRange(0, maximum);
        Slider(id)->setPageStep(maximum / 5);
    }
    for (int id : {1013, 1021, 1023, 1024, 1028, 1029})
        Led(id)->SetCheck(0);
    for (int id : {1022, 1025, 1026, 1012, 1027})
        Led(id)->SetCheck(1);
    LoadFromFile();
    UpdateLookPreview();
    ConnectControls();
    m_timer.start(100, this);
}

void CAquariumSettingsDlg::ConnectControls() {
    for (int id : kVerticalSliders)
        connect(Slider(id), &QSlider::valueChanged, this, [this] { OnVScroll(); });
    for (int id : {1041, 1042})
        connect(Slider(id), &QSlider::valueChanged, this, [this] { OnHScroll(); });
    for (int id : {1015, 1016, 1017, 1018, 1019, 1020})
        connect(Swatch(id), &CColourSwatch::clicked, this, [this, id] { OnSwatch(id); });
    // A mode box has toggled itself when clicked() comes; the click selects its mode either way.
    for (const int* group : {kFrontModes, kBackModes}) {
        for (int i = 0; i < 3; ++i) {
            const int id = group[i];
            connect(Led(id), &CLedCheckBox::clicked, this, [this, id] { SelectMode(id); });
        }
    }
    connect(qobject_cast<QPushButton*>(Control(1)), &QPushButton::clicked, this, &QDialog::accept);
    connect(qobject_cast<QPushButton*>(Control(2)), &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* CAquariumSettingsDlg::Control(int id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

CLedCheckBox* CAquariumSettingsDlg::Led(int id) const {
    return qobject_cast<CLedCheckBox*>(Control(id));
}

CColourSwatch* CAquariumSettingsDlg::Swatch(int id) const {
    return qobject_cast<CColourSwatch*>(Control(id));
}

QSlider* CAquariumSettingsDlg::Slider(int id) const {
    return qobject_cast<QSlider*>(Control(id));
}

QCheckBox* CAquariumSettingsDlg::AutoViewsBox() const {
    return qobject_cast<QCheckBox*>(Control(1040));
}

void CAquariumSettingsDlg::SetSliderPos(int id, int position) {
    const QSignalBlocker quiet(Slider(id));
    Slider(id)->setValue(position);
}

ColorRef* CAquariumSettingsDlg::ColourOf(int swatchId) {
    switch (swatchId) {
        case 1015:
            return &m_crFrontColor;
        case 1017:
            return &m_crFrontColor1;
        case 1018:
            return &m_crFrontColor2;
        case 1016:
            return &m_crBackColor;
        case 1019:
            return &m_crBackColor1;
        default:
            return &m_crBackColor2;
    }
}

void CAquariumSettingsDlg::SelectMode(int id) {
    const int* group = id >= kBackModes[0] ? kBackModes : kFrontModes;
    for (int i = 0; i < 3; ++i)
        Led(group[i])->SetCheck(group[i] == id ? 1 : 0);
}

void CAquariumSettingsDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timer.timerId())
        OnTimer();
    else
        QDialog::timerEvent(event);
}

void CAquariumSettingsDlg::OnTimer() {
    m_nAutoViews = AutoViewsBox()->isChecked() ? 1 : 0;
    // While the views change by themselves, the sliders go back to the last place set by hand.
    if (m_nAutoViews == 1) {
        SetSliderPos(1041, g_nViewLeftRight);
        SetSliderPos(1042, g_nViewNearFar);
    }
    SaveToFile();
}

void CAquariumSettingsDlg::OnHScroll() {
    m_nViewLeftRight = Slider(1041)->value();
    m_nViewNearFar = Slider(1042)->value();
    if (m_nAutoViews == 0) {
        g_nViewNearFar = m_nViewNearFar;
        g_nViewLeftRight = m_nViewLeftRight;
    }
}

void CAquariumSettingsDlg::OnVScroll() {
    m_nVolume = Slider(1010)->value();
    m_nBubbleSetting = Slider(1009)->value();
    m_nFogLevel = Slider(1011)->value();
    m_nLightLevel = Slider(1030)->value();
    // The tank and the tune's volume follow the slider now; the file follows at the next tick.
    ApplyAquariumSettings(Record());
}

void CAquariumSettingsDlg::OnSwatch(int id) {
    const QColor chosen = QColorDialog::getColor(Qt::black, this);
    if (!chosen.isValid())
        return;  // cancelled: the colour stays
    *ColourOf(id) = RefFromColour(chosen);
    Swatch(id)->SetColour(*ColourOf(id));
    if (id == 1015)
        SelectMode(1013);
    else if (id == 1016)
        SelectMode(1023);
    else if (id == 1019 || id == 1020)
        SelectMode(1024);
}

void CAquariumSettingsDlg::keyPressEvent(QKeyEvent* event) {
    // Enter ends the dialog as its hidden OK button would.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CAquariumSettingsDlg::done(int result) {
    if (m_timer.isActive()) {
        m_timer.stop();
        SaveToFile();
    }
    QDialog::done(result);
}
