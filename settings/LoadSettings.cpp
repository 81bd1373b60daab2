#include <string>

#include "platform/AtomicFile.h"
#include "platform/Random.h"
#include "settings/AquariumSettings.h"
#include "settings/SettingsFile.h"
#include "settings/StorageDirectory.h"

namespace {

const char kSection[] = "Aquarium Settings";

// How one key of "Aquarium Settings" is loaded.
enum class Rule {
    Default,  // missing: write the default text, field := default value; present: as read
    Forced,   // missing: write the default text; then always field := forced value, written
};

struct KeyRule {
    const char* key;
    Rule rule;
    const char* missingText;  // written when the key is missing
    long missingValue;        // field value when missing (Default rule)
    long forcedValue;         // Forced rule: the value every start ends with
    int minValue, maxValue;   // a present value outside this range counts as missing
};

constexpr int kAny = 0;

void Store(AquariumSettings& s, int row, long v);

// The rows in file order; a new file gets its keys in exactly this order.
const KeyRule kRules[] = {
    {"Show Water", Rule::Forced, "1", 0, 0, kAny, kAny},
    {"Show Light", Rule::Forced, "1", 0, 0, kAny, kAny},
    {"Show Terra", Rule::Forced, "1", 0, 1, kAny, kAny},
    {"FRONT GUDING", Rule::Default, "1", 1, 0, kAny, kAny},
    {"FRONTCOLOR", Rule::Default, "16777215", 16777215, 0, kAny, kAny},
    {"FRONT MANJIANBIAN", Rule::Default, "0", 0, 0, kAny, kAny},
    {"FRONT COLOR1", Rule::Default, "16777215", 16777215, 0, kAny, kAny},
    {"FRONT COLOR2", Rule::Default, "16777215", 16777215, 0, kAny, kAny},
    {"FRONT AUTOJIANBIAN", Rule::Default, "0", 0, 0, kAny, kAny},
    {"CHECK LOCKFORE", Rule::Default, "0", 0, 0, kAny, kAny},
    {"LOCKFORE ROT", Rule::Default, "0", 0, 0, kAny, kAny},
    {"BACK GUDING", Rule::Forced, "0", 0, 1, kAny, kAny},
    {"BACKCOLOR", Rule::Forced, "0", 0, 0, kAny, kAny},
    {"BACK MANJIANBIAN", Rule::Default, "0", 0, 0, kAny, kAny},
    {"BACK COLOR1", Rule::Default, "65280", 65280, 0, kAny, kAny},
    {"BACK COLOR2", Rule::Default, "0", 0, 0, kAny, kAny},
    {"BACK AUTOJIANBIAN", Rule::Forced, "1", 0, 0, kAny, kAny},
    {"CHECK LOCKBACK", Rule::Default, "0", 0, 0, kAny, kAny},
    {"LOCKBACK ROT", Rule::Default, "0", 0, 0, kAny, kAny},
    {"YINLIANG", Rule::Default, "32767.5", 32767, 0, kAny, kAny},
    {"QIPAONUM", Rule::Default, "100", 100, 0, kAny, kAny},
    {"BACKGROUND", Rule::Default, "0", 0, 0, kAny, kAny},
    {"FOGNONGDU", Rule::Default, "25", 25, 0, 0, 25},
    {"LIGHTQIANGDU", Rule::Default, "0", 0, 0, 0, 100},
    {"CHECK VIEWS", Rule::Default, "1", 1, 0, kAny, kAny},
    {"VIEWSLEFTRIGHT", Rule::Default, "0", 0, 0, kAny, kAny},
    {"VIEWSNEARFAR", Rule::Default, "0", 0, 0, kAny, kAny},
};

void Store(AquariumSettings& s, int row, long v) {
    const int i = static_cast<int>(v);
    switch (row) {
        case 0:
            s.nShowWater = i;
            break;
        case 1:
            s.nShowLight = i;
            break;
        case 2:
            s.nShowTerra = i;
            break;
        case 3:
            s.nFrontFixed = i;
            break;
        case 4:
            s.crFrontColor = static_cast<uint32_t>(v);
            break;
        case 5:
            s.nFrontManualGradual = i;
            break;
        case 6:
            s.crFrontColor1 = static_cast<uint32_t>(v);
            break;
        case 7:
            s.crFrontColor2 = static_cast<uint32_t>(v);
            break;
        case 8:
            s.nFrontAutoGradual = i;
            break;
        case 9:
            s.nLockFore = i;
            break;
        case 10:
            s.fLockForeRot = static_cast<float>(v);
            break;
        case 11:
            s.nBackFixed = i;
            break;
        case 12:
            s.crBackColor = static_cast<uint32_t>(v);
            break;
        case 13:
            s.nBackManualGradual = i;
            break;
        case 14:
            s.crBackColor1 = static_cast<uint32_t>(v);
            break;
        case 15:
            s.crBackColor2 = static_cast<uint32_t>(v);
            break;
        case 16:
            s.nBackAutoGradual = i;
            break;
        case 17:
            s.nLockBack = i;
            break;
        case 18:
            s.fLockBackRot = static_cast<float>(v);
            break;
        case 19:
            s.nVolume = i;
            break;
        case 20:
            s.nBubbleSetting = i;
            break;
        case 21:
            s.nBackgroundStyle = i;
            break;
        case 22:
            s.nFogLevel = i;
            break;
        case 23:
            s.nLightLevel = i;
            break;
        case 24:
            s.nAutoViews = i;
            break;
        case 25:
            s.nViewLeftRight = i;
            break;
        case 26:
            s.nViewNearFar = i;
            break;
        default:
            break;
    }
}

bool InRange(const KeyRule& rule, int value) {
    if (rule.minValue == kAny && rule.maxValue == kAny)
        return true;
    return value >= rule.minValue && value <= rule.maxValue;
}

// Counts live in 0..50 wherever the tank reads them; the file keeps what the user wrote.
int ClampCount(int count) {
    return count < 0 ? 0 : (count > kMaxFish ? kMaxFish : count);
}

}  // namespace

void LoadSettings() {
    const std::string path = GetSettingsPath();
    if (!SettingsReadOnly())
        RemoveOrphanedTemporaries(path);  // a run killed mid-write leaves its temporary behind
    // Every write-back below reaches the file together, in one replace.
    SettingsFile file(path);
    AquariumSettings& s = g_settings;
    const int rows = static_cast<int>(sizeof kRules / sizeof kRules[0]);
    for (int row = 0; row < rows; ++row) {
        const KeyRule& rule = kRules[row];
        const std::string text = file.ReadText(kSection, rule.key);
        const int value = SettingsAtoi(text);
        const bool missing = text.empty() || !InRange(rule, value);
        if (rule.rule == Rule::Forced) {
            if (missing)
                file.Write(kSection, rule.key, rule.missingText);
            Store(s, row, rule.forcedValue);
            file.WriteInt(kSection, rule.key, rule.forcedValue);
        } else if (missing) {
            file.Write(kSection, rule.key, rule.missingText);
            Store(s, row, rule.missingValue);
        } else {
            Store(s, row, value);
        }
    }
    g_nViewLeftRight = s.nViewLeftRight;
    g_nViewNearFar = s.nViewNearFar;

    for (int i = 0; i < kSpeciesCount; ++i) {
        const std::string key = "Fish" + std::to_string(i);
        const std::string text = file.ReadText("Fish Number", key.c_str());
        int count;
        if (text.empty()) {
            count = Rand() % 4;
            file.WriteInt("Fish Number", key.c_str(), count);
        } else {
            count = SettingsAtoi(text);
        }
        s.nFishCount[i] = ClampCount(count);
    }
    file.Commit();
    file.ReportWriteFailures();
}

void ApplyAquariumSettings(AquariumSettings settings) {
    int counts[kSpeciesCount];
    for (int i = 0; i < kSpeciesCount; ++i)
        counts[i] = g_settings.nFishCount[i];
    g_settings = settings;
    for (int i = 0; i < kSpeciesCount; ++i)
        g_settings.nFishCount[i] = counts[i];
}

void SetFishCounts(const int counts[kSpeciesCount]) {
    for (int i = 0; i < kSpeciesCount; ++i)
        g_settings.nFishCount[i] = ClampCount(counts[i]);
}
