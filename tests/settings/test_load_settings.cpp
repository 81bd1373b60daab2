#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/PrivateProfile.h"
#include "platform/Random.h"
#include "settings/AquariumSettings.h"
#include "settings/StorageDirectory.h"
#include "support/TempDir.h"

namespace {

// The keys of a new file, in the order they must appear, with the text each must hold.
const std::vector<std::pair<std::string, std::string>> kNewFileKeys = {
    {"Show Water", "0"},          {"Show Light", "0"},          {"Show Terra", "1"},
    {"FRONT GUDING", "1"},        {"FRONTCOLOR", "16777215"},   {"FRONT MANJIANBIAN", "0"},
    {"FRONT COLOR1", "16777215"}, {"FRONT COLOR2", "16777215"}, {"FRONT AUTOJIANBIAN", "0"},
    {"CHECK LOCKFORE", "0"},      {"LOCKFORE ROT", "0"},        {"BACK GUDING", "1"},
    {"BACKCOLOR", "0"},           {"BACK MANJIANBIAN", "0"},    {"BACK COLOR1", "65280"},
    {"BACK COLOR2", "0"},         {"BACK AUTOJIANBIAN", "0"},   {"CHECK LOCKBACK", "0"},
    {"LOCKBACK ROT", "0"},        {"YINLIANG", "32767.5"},      {"QIPAONUM", "100"},
    {"BACKGROUND", "0"},          {"FOGNONGDU", "25"},          {"LIGHTQIANGDU", "0"},
    {"CHECK VIEWS", "1"},         {"VIEWSLEFTRIGHT", "0"},      {"VIEWSNEARFAR", "0"},
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

class LoadSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetStorageDirectoryOverride(m_dir.path());
        CaptureMessageBoxes(&m_messages);
        g_settings = AquariumSettings();
        SeedRand(1);
    }
    void TearDown() override {
        CaptureMessageBoxes(nullptr);
        SetStorageDirectoryOverride("");
    }
    std::string iniPath() const { return m_dir.file("MerowSet.ini"); }
    void writeIni(const std::string& text) { WriteFileBytes(iniPath(), text); }
    std::string value(const char* section, const char* key) {
        return ReadProfileValue(section, key, iniPath()).value_or("<missing>");
    }

    TempDir m_dir;
    std::vector<ShownMessage> m_messages;
};

TEST_F(LoadSettingsTest, MissingFileIsCreatedWithEveryKeyInOrder) {
    LoadSettings();
    const std::vector<std::string> lines = Lines(ReadFileBytes(iniPath()));
    ASSERT_EQ(lines.size(), 1u + kNewFileKeys.size() + 1u + 20u);
    EXPECT_EQ(lines[0], "[Aquarium Settings]");
    for (size_t i = 0; i < kNewFileKeys.size(); ++i)
        EXPECT_EQ(lines[1 + i], kNewFileKeys[i].first + "=" + kNewFileKeys[i].second);
    EXPECT_EQ(lines[28], "[Fish Number]");
    for (int i = 0; i < 20; ++i) {
        const std::string prefix = "Fish" + std::to_string(i) + "=";
        ASSERT_EQ(lines[29 + i].rfind(prefix, 0), 0u) << lines[29 + i];
        const int count = std::stoi(lines[29 + i].substr(prefix.size()));
        EXPECT_GE(count, 0);
        EXPECT_LE(count, 3);
        EXPECT_EQ(g_settings.nFishCount[i], count);
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(LoadSettingsTest, NewFileUsesCrlfLineEnds) {
    LoadSettings();
    const std::string bytes = ReadFileBytes(iniPath());
    EXPECT_EQ(bytes.rfind("[Aquarium Settings]\r\nShow Water=0\r\n", 0), 0u);
}

TEST_F(LoadSettingsTest, MissingCountsTakeTheFixedRandomSequence) {
    LoadSettings();
    // The first numbers of the default sequence are 41, 18467, 6334, 26500.
    EXPECT_EQ(g_settings.nFishCount[0], 41 % 4);
    EXPECT_EQ(g_settings.nFishCount[1], 18467 % 4);
    EXPECT_EQ(g_settings.nFishCount[2], 6334 % 4);
    EXPECT_EQ(g_settings.nFishCount[3], 26500 % 4);
}

TEST_F(LoadSettingsTest, DefaultsInMemory) {
    LoadSettings();
    EXPECT_EQ(g_settings.nShowTerra, 1);
    EXPECT_EQ(g_settings.nFrontFixed, 1);
    EXPECT_EQ(g_settings.crFrontColor, 16777215u);
    EXPECT_EQ(g_settings.crBackColor1, 65280u);
    EXPECT_EQ(g_settings.nBackFixed, 1);
    EXPECT_EQ(g_settings.nVolume, 32767);
    EXPECT_EQ(g_settings.nBubbleSetting, 100);
    EXPECT_EQ(g_settings.nFogLevel, 25);
    EXPECT_EQ(g_settings.nLightLevel, 0);
    EXPECT_EQ(g_settings.nAutoViews, 1);
}

TEST_F(LoadSettingsTest, ForcedKeysEndTheSameWhateverTheFileHeld) {
    writeIni(
        "[Aquarium Settings]\r\nShow Water=1\r\nShow Light=1\r\nShow Terra=0\r\n"
        "BACK GUDING=0\r\nBACKCOLOR=255\r\nBACK AUTOJIANBIAN=1\r\n");
    LoadSettings();
    EXPECT_EQ(g_settings.nShowWater, 0);
    EXPECT_EQ(g_settings.nShowLight, 0);
    EXPECT_EQ(g_settings.nShowTerra, 1);
    EXPECT_EQ(g_settings.nBackFixed, 1);
    EXPECT_EQ(g_settings.crBackColor, 0u);
    EXPECT_EQ(g_settings.nBackAutoGradual, 0);
    EXPECT_EQ(value("Aquarium Settings", "Show Water"), "0");
    EXPECT_EQ(value("Aquarium Settings", "Show Terra"), "1");
    EXPECT_EQ(value("Aquarium Settings", "BACK GUDING"), "1");
    EXPECT_EQ(value("Aquarium Settings", "BACKCOLOR"), "0");
    EXPECT_EQ(value("Aquarium Settings", "BACK AUTOJIANBIAN"), "0");
}

TEST_F(LoadSettingsTest, FogAndLightOutOfRangeAreRewrittenWithDefaults) {
    struct Case {
        const char* fog;
        const char* light;
        int fogExpected;
        int lightExpected;
        const char* fogFile;
        const char* lightFile;
    };
    const Case cases[] = {
        {"30", "101", 25, 0, "25", "0"},
        {"-1", "-5", 25, 0, "25", "0"},
        {"0", "100", 0, 100, "0", "100"},
        {"abc", "", 0, 0, "abc", "0"},  // non-numeric reads as 0, which is in range
    };
    for (const Case& c : cases) {
        writeIni(std::string("[Aquarium Settings]\r\nFOGNONGDU=") + c.fog +
                 "\r\nLIGHTQIANGDU=" + c.light + "\r\n");
        LoadSettings();
        EXPECT_EQ(g_settings.nFogLevel, c.fogExpected) << c.fog;
        EXPECT_EQ(g_settings.nLightLevel, c.lightExpected) << c.light;
        EXPECT_EQ(value("Aquarium Settings", "FOGNONGDU"), c.fogFile);
        EXPECT_EQ(value("Aquarium Settings", "LIGHTQIANGDU"), c.lightFile);
    }
}

TEST_F(LoadSettingsTest, PresentValuesAreReadWithAtoi) {
    writeIni(
        "[Aquarium Settings]\r\nYINLIANG=32767.5\r\nFRONTCOLOR=green\r\nQIPAONUM=\r\n"
        "LOCKFORE ROT=12.9\r\nVIEWSLEFTRIGHT=3500\r\nVIEWSNEARFAR= 150 \r\n");
    LoadSettings();
    EXPECT_EQ(g_settings.nVolume, 32767);
    EXPECT_EQ(g_settings.crFrontColor, 0u);
    EXPECT_EQ(value("Aquarium Settings", "FRONTCOLOR"), "green");  // the file keeps the text
    EXPECT_EQ(g_settings.nBubbleSetting, 100);                     // empty counts as missing
    EXPECT_EQ(value("Aquarium Settings", "QIPAONUM"), "100");
    EXPECT_FLOAT_EQ(g_settings.fLockForeRot, 12.0f);
    EXPECT_EQ(g_nViewLeftRight, 3500);
    EXPECT_EQ(g_nViewNearFar, 150);
}

TEST_F(LoadSettingsTest, CountsAboveFiftyAreLoweredInMemoryOnly) {
    writeIni("[Fish Number]\r\nFish3=75\r\nFish4=-2\r\nFish5=50\r\n");
    LoadSettings();
    EXPECT_EQ(g_settings.nFishCount[3], 50);
    EXPECT_EQ(value("Fish Number", "Fish3"), "75");
    EXPECT_EQ(g_settings.nFishCount[4], 0);
    EXPECT_EQ(value("Fish Number", "Fish4"), "-2");
    EXPECT_EQ(g_settings.nFishCount[5], 50);
}

TEST_F(LoadSettingsTest, OtherLinesOfTheFileAreKeptByteForByte) {
    const std::string before =
        "; my aquarium\n[Custom Images]\nImageList0=/home/me/Pictures/reef ü.jpg\n\n"
        "[Aquarium Settings]\nQIPAONUM=400\nMy Own Key=keep me\n";
    writeIni(before);
    LoadSettings();
    const std::string after = ReadFileBytes(iniPath());
    EXPECT_EQ(after.rfind(before, 0), 0u) << after;
    EXPECT_EQ(g_settings.nBubbleSetting, 400);
    EXPECT_EQ(value("Custom Images", "ImageList0"), "/home/me/Pictures/reef ü.jpg");
    EXPECT_EQ(value("Aquarium Settings", "My Own Key"), "keep me");
}

TEST_F(LoadSettingsTest, UnwritableFileKeepsDefaultsInMemoryAndSaysSoOnce) {
    // A directory where the file should be: nothing can be written, nothing is lost.
    std::filesystem::create_directory(iniPath());
    LoadSettings();
    EXPECT_EQ(g_settings.nShowTerra, 1);
    EXPECT_EQ(g_settings.nBubbleSetting, 100);
    EXPECT_EQ(g_settings.nFogLevel, 25);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].text.find("MerowSet.ini"), std::string::npos);
}

TEST_F(LoadSettingsTest, JunkFileStartsWithDefaultsAndKeepsTheJunk) {
    std::string junk(4096, '\0');
    for (size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * 131 + 7) % 256);
    junk += "\n[Aquarium Settings]\nFOGNONGDU=7";  // no final newline
    writeIni(junk);
    LoadSettings();
    EXPECT_EQ(g_settings.nFogLevel, 7);
    EXPECT_EQ(g_settings.nBubbleSetting, 100);
    const std::string after = ReadFileBytes(iniPath());
    EXPECT_EQ(after.substr(0, 4096), junk.substr(0, 4096));
}

TEST(SettingsPublish, ApplyKeepsCountsAndSetFishCountsCaps) {
    g_settings = AquariumSettings();
    g_settings.nFishCount[2] = 7;
    AquariumSettings dialog;
    dialog.nFogLevel = 12;
    dialog.nFishCount[2] = 40;
    ApplyAquariumSettings(dialog);
    EXPECT_EQ(g_settings.nFogLevel, 12);
    EXPECT_EQ(g_settings.nFishCount[2], 7);

    int counts[20] = {};
    counts[0] = 51;
    counts[1] = 50;
    counts[19] = 3;
    SetFishCounts(counts);
    EXPECT_EQ(g_settings.nFishCount[0], 50);
    EXPECT_EQ(g_settings.nFishCount[1], 50);
    EXPECT_EQ(g_settings.nFishCount[19], 3);
}

}  // namespace
