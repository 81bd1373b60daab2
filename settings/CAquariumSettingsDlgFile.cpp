// The Aquarium Settings dialog's keys: how it reads them into its controls and writes them back.
#include <QCheckBox>
#include <QSlider>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "controls/CColourSwatch.h"
#include "controls/CLedCheckBox.h"
#include "settings/CAquariumSettingsDlg.h"
#include "settings/SettingsFile.h"

float g_fLockForeRot = 0.0f;
float g_fLockBackRot = 0.0f;

namespace {

const char kSection[] = "Aquarium Settings";

// The section's keys, in the order they are written.
// clang-format off
enum Key {
    kShowWater, kShowLight, kShowTerra,
    kFrontFixed, kFrontColor, kFrontGradual, kFrontColor1, kFrontColor2, kFrontAuto,
    kLockFore, kLockForeRot,
    kBackFixed, kBackColor, kBackGradual, kBackColor1, kBackColor2, kBackAuto,
    kLockBack, kLockBackRot,
    kVolume, kBubbles, kLook, kFog, kLight, kAutoViews, kViewLeftRight, kViewNearFar,
    kKeyCount
};
// clang-format on

const char* const kKeys[kKeyCount] = {
    "Show Water",         "Show Light",        "Show Terra",   "FRONT GUDING",
    "FRONTCOLOR",         "FRONT MANJIANBIAN", "FRONT COLOR1", "FRONT COLOR2",
    "FRONT AUTOJIANBIAN", "CHECK LOCKFORE",    "LOCKFORE ROT", "BACK GUDING",
    "BACKCOLOR",          "BACK MANJIANBIAN",  "BACK COLOR1",  "BACK COLOR2",
    "BACK AUTOJIANBIAN",  "CHECK LOCKBACK",    "LOCKBACK ROT", "YINLIANG",
    "QIPAONUM",           "BACKGROUND",        "FOGNONGDU",    "LIGHTQIANGDU",
    "CHECK VIEWS",        "VIEWSLEFTRIGHT",    "VIEWSNEARFAR"};

using Texts = std::array<std::string, kKeyCount>;

// A colour as the file keeps it: the 32-bit value in signed decimal.
std::string ColourText(ColorRef colour) {
    return std::to_string(static_cast<std::int32_t>(colour));
}

// Six decimals and a point, whatever the user's locale.
std::string RotationText(float rotation) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<double>(rotation),
                                   std::chars_format::fixed, 6);
    return std::string(text, end.ptr);
}

// The leading number of the text, after blanks, whatever the user's locale; 0 when there is none.
// Numbers too large for a float count as 0, so the file never gets "inf" back.
float RotationOf(const std::string& text) {
    const size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string::npos)
        return 0.0f;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    if (*first == '+' && first + 1 < last && first[1] != '-')
        ++first;
    double value = 0.0;
    if (std::from_chars(first, last, value).ec != std::errc())
        return 0.0f;
    const float rotation = static_cast<float>(value);
    return std::isfinite(rotation) ? rotation : 0.0f;
}

Texts TextsOf(const AquariumSettings& s, float foreRot, float backRot) {
    auto n = [](int value) { return std::to_string(value); };
    auto c = ColourText;
    // clang-format off
    return {n(s.nShowWater), n(s.nShowLight), n(s.nShowTerra),
            n(s.nFrontFixed), c(s.crFrontColor), n(s.nFrontManualGradual),
            c(s.crFrontColor1), c(s.crFrontColor2), n(s.nFrontAutoGradual),
            n(s.nLockFore), RotationText(foreRot),
            n(s.nBackFixed), c(s.crBackColor), n(s.nBackManualGradual),
            c(s.crBackColor1), c(s.crBackColor2), n(s.nBackAutoGradual),
            n(s.nLockBack), RotationText(backRot),
            n(s.nVolume), n(s.nBubbleSetting), n(s.nBackgroundStyle), n(s.nFogLevel),
            n(s.nLightLevel), n(s.nAutoViews), n(s.nViewLeftRight), n(s.nViewNearFar)};
    // clang-format on
}

}  // namespace

void CAquariumSettingsDlg::LoadFromFile() {
    const SettingsFile file;
    // A key the file lacks keeps the value the tank runs with.
    const Texts running = TextsOf(g_settings, g_settings.fLockForeRot, g_settings.fLockBackRot);
    Texts text;
    for (int k = 0; k < kKeyCount; ++k) {
        text[k] = file.ReadText(kSection, kKeys[k]);
        if (text[k].empty())
            text[k] = running[k];
    }
    auto value = [&](Key k) { return SettingsAtoi(text[k]); };
    auto check = [&](int id, Key k) { Led(id)->SetCheck(value(k) == 1 ? 1 : 0); };
    // A mode is only ever selected here, so of several set the last one wins.
    auto mode = [&](int id, Key k) {
        if (value(k) == 1)
            SelectMode(id);
    };
    auto colour = [&](int id, Key k) {
        *ColourOf(id) = static_cast<ColorRef>(value(k));
        Swatch(id)->SetColour(*ColourOf(id));
    };
    // A value outside the slider's range shows at its nearest end, and the dialog keeps what it
    // shows, so the tank never gets a fog or light it cannot draw.
    auto slider = [&](int id, Key k, int& member) {
        SetSliderPos(id, value(k));
        member = Slider(id)->value();
    };

    check(1026, kShowWater);
    check(1012, kShowLight);
    check(1027, kShowTerra);
    mode(1013, kFrontFixed);
    colour(1015, kFrontColor);
    mode(1021, kFrontGradual);
    colour(1017, kFrontColor1);
    colour(1018, kFrontColor2);
    mode(1022, kFrontAuto);
    check(1028, kLockFore);
    g_fLockForeRot = RotationOf(text[kLockForeRot]);
    mode(1023, kBackFixed);
    colour(1016, kBackColor);
    mode(1024, kBackGradual);
    colour(1019, kBackColor1);
    colour(1020, kBackColor2);
    mode(1025, kBackAuto);
    check(1029, kLockBack);
    g_fLockBackRot = RotationOf(text[kLockBackRot]);
    slider(1010, kVolume, m_nVolume);
    slider(1009, kBubbles, m_nBubbleSetting);
    m_nBackgroundStyle = value(kLook);
    UpdateLookPreview();
    slider(1011, kFog, m_nFogLevel);
    slider(1030, kLight, m_nLightLevel);
    m_nAutoViews = value(kAutoViews);
    AutoViewsBox()->setChecked(m_nAutoViews == 1);
    slider(1041, kViewLeftRight, m_nViewLeftRight);
    slider(1042, kViewNearFar, m_nViewNearFar);
}

AquariumSettings CAquariumSettingsDlg::Record() const {
    AquariumSettings s;  // the rotations stay 0; the fish counts are not the dialog's
    s.nShowWater = Led(1026)->GetCheck();
    s.nShowLight = Led(1012)->GetCheck();
    s.nShowTerra = Led(1027)->GetCheck();
    s.nFrontFixed = Led(1013)->GetCheck();
    s.crFrontColor = m_crFrontColor;
    s.nFrontManualGradual = Led(1021)->GetCheck();
    s.crFrontColor1 = m_crFrontColor1;
    s.crFrontColor2 = m_crFrontColor2;
    s.nFrontAutoGradual = Led(1022)->GetCheck();
    s.nLockFore = Led(1028)->GetCheck();
    s.nBackFixed = Led(1023)->GetCheck();
    s.crBackColor = m_crBackColor;
    s.nBackManualGradual = Led(1024)->GetCheck();
    s.crBackColor1 = m_crBackColor1;
    s.crBackColor2 = m_crBackColor2;
    s.nBackAutoGradual = Led(1025)->GetCheck();
    s.nLockBack = Led(1029)->GetCheck();
    s.nVolume = m_nVolume;
    s.nBubbleSetting = m_nBubbleSetting;
    s.nBackgroundStyle = m_nBackgroundStyle;
    s.nFogLevel = m_nFogLevel;
    s.nLightLevel = m_nLightLevel;
    s.nAutoViews = AutoViewsBox()->isChecked() ? 1 : 0;
    s.nViewLeftRight = m_nViewLeftRight;
    s.nViewNearFar = m_nViewNearFar;
    return s;
}

void CAquariumSettingsDlg::SaveToFile() {
    const AquariumSettings record = Record();
    const Texts texts = TextsOf(record, g_fLockForeRot, g_fLockBackRot);
    SettingsFile file;
    for (int k = 0; k < kKeyCount; ++k)
        file.Write(kSection, kKeys[k], texts[k]);
    file.Commit();  // an unchanged file is left untouched
    ApplyAquariumSettings(record);
    if (file.anyWriteFailed() && !m_bWriteFailureShown) {
        m_bWriteFailureShown = true;  // first: the timer goes on saving under the message
        file.ReportWriteFailures();
    }
}
