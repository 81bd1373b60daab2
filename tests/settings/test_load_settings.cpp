#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/PrivateProfile.h"
#include "settings/AquariumSettings.h"
#include "settings/StorageDirectory.h"
#include "support/TempDir.h"

namespace {

const char kSection[] = "Aquarium Settings";

class LoadSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetStorageDirectoryOverride(m_dir.path());
        CaptureMessageBoxes(&m_messages);
        g_settings = AquariumSettings();
    }
    void TearDown() override {
        CaptureMessageBoxes(nullptr);
        SetStorageDirectoryOverride("");
    }
    std::string value(const char* section, const std::string& key) {
        return ReadProfileValue(section, key, m_path).value_or("<missing>");
    }

    TempDir m_dir;
    std::string m_path = m_dir.file("MerowSet.ini");
    std::vector<ShownMessage> m_messages;
};

TEST_F(LoadSettingsTest, FirstStartWritesEveryKeyInOrderAndClearsAKilledRunsTemporary) {
    const std::string orphan = m_dir.file(".MerowSet.ini.2147483647.1.tmp");  // no such process
    WriteFileBytes(orphan, "[Aquarium");
    LoadSettings();
    EXPECT_FALSE(FileExists(orphan));
    std::string expected =
        "[Aquarium Settings]\r\nShow Water=0\r\nShow Light=0\r\nShow Terra=1\r\nFRONT GUDING=1\r\n"
        "FRONTCOLOR=16777215\r\nFRONT MANJIANBIAN=0\r\nFRONT COLOR1=16777215\r\n"
        "FRONT COLOR2=16777215\r\nFRONT AUTOJIANBIAN=0\r\nCHECK LOCKFORE=0\r\nLOCKFORE ROT=0\r\n"
        "BACK GUDING=1\r\nBACKCOLOR=0\r\nBACK MANJIANBIAN=0\r\nBACK COLOR1=65280\r\n"
        "BACK COLOR2=0\r\nBACK AUTOJIANBIAN=0\r\nCHECK LOCKBACK=0\r\nLOCKBACK ROT=0\r\n"
        "YINLIANG=32767.5\r\nQIPAONUM=100\r\nBACKGROUND=0\r\nFOGNONGDU=25\r\nLIGHTQIANGDU=0\r\n"
        "CHECK VIEWS=1\r\nVIEWSLEFTRIGHT=0\r\nVIEWSNEARFAR=0\r\n[Fish Number]\r\n";
    for (int i = 0; i < kSpeciesCount; ++i) {
        EXPECT_LE(static_cast<unsigned>(g_settings.nFishCount[i]), 3u);  // a random 0..3
        expected +=
            "Fish" + std::to_string(i) + "=" + std::to_string(g_settings.nFishCount[i]) + "\r\n";
    }
    EXPECT_EQ(ReadFileBytes(m_path), expected);
    const AquariumSettings& s = g_settings;
    EXPECT_EQ((std::vector<long long>{s.nFrontFixed, s.crFrontColor, s.crBackColor1, s.nVolume,
                                      s.nBubbleSetting, s.nAutoViews}),
              (std::vector<long long>{1, 16777215, 65280, 32767, 100, 1}));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(LoadSettingsTest, PresentValuesAreForcedOrReadWithAtoi) {
    WriteFileBytes(
        m_path,
        "[Aquarium Settings]\r\nShow Water=1\r\nShow Light=1\r\nShow Terra=0\r\n"
        "BACK GUDING=0\r\nBACKCOLOR=255\r\nBACK AUTOJIANBIAN=1\r\nYINLIANG=32767.5\r\n"
        "FRONTCOLOR=green\r\nQIPAONUM=\r\nLOCKFORE ROT=12.9\r\nVIEWSLEFTRIGHT=3500\r\n"
        "VIEWSNEARFAR= 150 \r\nMy Own Key=keep me\r\n[Fish Number]\r\nFish3=75\r\nFish4=-2");
    LoadSettings();
    const AquariumSettings& s = g_settings;
    EXPECT_EQ((std::vector<long long>{s.nShowWater, s.nShowLight, s.nShowTerra, s.nBackFixed,
                                      s.crBackColor, s.nBackAutoGradual, s.nVolume, s.crFrontColor,
                                      s.nBubbleSetting, g_nViewLeftRight, g_nViewNearFar,
                                      s.nFishCount[3], s.nFishCount[4]}),
              (std::vector<long long>{0, 0, 1, 1, 0, 0, 32767, 0, 100, 3500, 150, 50, 0}));
    EXPECT_EQ(s.fLockForeRot, 12.0f);
    std::vector<std::string> file;
    for (const char* key : {"Show Water", "Show Light", "Show Terra", "BACK GUDING", "BACKCOLOR",
                            "BACK AUTOJIANBIAN", "FRONTCOLOR", "QIPAONUM", "My Own Key"})
        file.push_back(value(kSection, key));
    EXPECT_EQ(file,
              (std::vector<std::string>{"0", "0", "1", "1", "0", "0", "green", "100", "keep me"}));
    EXPECT_EQ(value("Fish Number", "Fish3"), "75");  // the file keeps what the user wrote
}

TEST_F(LoadSettingsTest, FogAndLightOutsideTheirRangesTakeTheirDefaults) {
    const char* cases[][4] = {
        {"30", "101", "25", "0"}, {"-1", "-5", "25", "0"}, {"0", "100", "0", "100"}};
    for (const auto& c : cases) {
        WriteFileBytes(m_path, std::string("[Aquarium Settings]\r\nFOGNONGDU=") + c[0] +
                                   "\r\nLIGHTQIANGDU=" + c[1] + "\r\n");
        LoadSettings();
        EXPECT_EQ(g_settings.nFogLevel, std::atoi(c[2])) << c[0];
        EXPECT_EQ(g_settings.nLightLevel, std::atoi(c[3])) << c[1];
        EXPECT_EQ(value(kSection, "FOGNONGDU"), c[2]);
        EXPECT_EQ(value(kSection, "LIGHTQIANGDU"), c[3]);
    }
}

// A UTF-16 file is left as it is, and start-up says why in one message.
TEST_F(LoadSettingsTest, Utf16FileIsLeftAloneWithOneMessage) {
    const std::string utf16("\xFF\xFE[\0A\0]\0\r\0\n\0", 12);
    WriteFileBytes(m_path, utf16);
    LoadSettings();
    EXPECT_EQ(g_settings.nFogLevel, 25);
    EXPECT_EQ(ReadFileBytes(m_path), utf16);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].text.find("UTF-16"), std::string::npos) << m_messages[0].text;
}

TEST(SettingsPublish, ApplyKeepsTheCountsAndSetFishCountsCapsThem) {
    g_settings = AquariumSettings();
    AquariumSettings dialog;
    dialog.nFogLevel = 12;
    dialog.nFishCount[2] = 40;
    ApplyAquariumSettings(dialog);
    EXPECT_EQ(g_settings.nFogLevel, 12);
    EXPECT_EQ(g_settings.nFishCount[2], 0);
    const int counts[kSpeciesCount] = {51, 3};
    SetFishCounts(counts);
    EXPECT_EQ(g_settings.nFishCount[0], 50);
    EXPECT_EQ(g_settings.nFishCount[1], 3);
}

}  // namespace
