#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/PrivateProfile.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// The settings file under test, holding `bytes` first when given.
class Profile : public ::testing::Test {
protected:
    std::string Ini(const std::string& bytes) {
        WriteFileBytes(m_path, bytes);
        return m_path;
    }
    std::string Get(const char* section, const char* key, const char* def = nullptr) {
        char buffer[128];
        GetPrivateProfileString(section, key, def, buffer, sizeof buffer, m_path);
        return buffer;
    }
    bool Put(const char* section, const char* key, const char* value) {
        return WritePrivateProfileString(section, key, value, m_path);
    }
    std::string Bytes() const { return ReadFileBytes(m_path); }
    // Everything in the folder besides the file itself: temporary files must never stay.
    int Strays() const {
        int n = 0;
        for (const auto& entry : fs::directory_iterator(m_dir.path())) {
            n += entry.path().filename() != "MerowSet.ini";
        }
        return n;
    }

    TempDir m_dir;
    std::string m_path = m_dir.file("MerowSet.ini");
};

// True when permission bits stop this process (they do not stop root).
bool PermissionsBind(const std::string& file) {
    fs::permissions(file, fs::perms::owner_read, fs::perm_options::replace);
    return !std::ofstream(file, std::ios::app);
}

}  // namespace

using ProfileLookup = Profile;

TEST_F(ProfileLookup, NamesIgnoreCaseAndBlanks) {
    Ini("[section1]\r\nname1=val1\r\n  [ x ]\r\n\tk\t=\tv\t\r\n");
    EXPECT_EQ(Get("section1", "NaMe1"), "val1");
    EXPECT_EQ(Get("SECTION1", "name1"), "val1");
    EXPECT_EQ(Get("x", "k"), "v");
    EXPECT_EQ(Get(" x ", " K "), "v");
}

TEST_F(ProfileLookup, SplitsAtFirstEqualsAndKeepsHashAndSemicolonInValues) {
    Ini("[s]\r\nk=;x\r\na=b=c\r\n#h=1\r\nw=x # y\r\n");
    EXPECT_EQ(Get("s", "k"), ";x");
    EXPECT_EQ(Get("s", "a"), "b=c");
    EXPECT_EQ(Get("s", "#h"), "1");  // '#' starts no comment
    EXPECT_EQ(Get("s", "w"), "x # y");
}

TEST_F(ProfileLookup, RemovesOneMatchingOuterQuotePair) {
    Ini("[s]\r\nk= \" v \" \r\nm=\"v'\r\nq='a'\r\nd=\"\"x\"\"\r\none=\"\r\n");
    EXPECT_EQ(Get("s", "k"), " v ");
    EXPECT_EQ(Get("s", "m"), "\"v'");
    EXPECT_EQ(Get("s", "q"), "a");
    EXPECT_EQ(Get("s", "d"), "\"x\"");
    EXPECT_EQ(Get("s", "one"), "\"");
}

TEST_F(ProfileLookup, CommentsAndLinesWithoutEqualsAreNotKeys) {
    Ini("[s]\r\n;c=1\r\n  ;d=2\r\nplain\r\n");
    EXPECT_EQ(Get("s", ";c", "def"), "def");
    EXPECT_EQ(Get("s", "d", "def"), "def");
    EXPECT_EQ(Get("s", "plain", "def"), "def");
}

TEST_F(ProfileLookup, HeaderEndsAtFirstBracketAndKeysBeforeAnyHeaderHaveNoSection) {
    Ini("top=1\r\n[a]b]=x\r\nk=v\r\n");
    EXPECT_EQ(Get("a", "k"), "v");
    EXPECT_EQ(Get("a]b", "k", "def"), "def");
    EXPECT_EQ(Get("a", "top", "def"), "def");
    EXPECT_EQ(Get("", "top", "def"), "def");
}

TEST_F(ProfileLookup, FirstSectionAndFirstKeyWin) {
    Ini("[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nonly=4\r\n");
    EXPECT_EQ(Get("s", "k"), "1");
    EXPECT_EQ(Get("s", "only", "def"), "def");  // the repeat is never searched
}

TEST_F(ProfileLookup, CrLfLfAndBareCrAllEndLines) {
    Ini("[s]\ra=1\nb=2\r\nc=3\r\r\nd=4");
    EXPECT_EQ(Get("s", "a"), "1");
    EXPECT_EQ(Get("s", "b"), "2");
    EXPECT_EQ(Get("s", "c"), "3");
    EXPECT_EQ(Get("s", "d"), "4");
}

using ProfileReading = Profile;

TEST_F(ProfileReading, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Get("s", "k", "dflt"), "dflt");
    EXPECT_EQ(Get("s", "k"), "");
    EXPECT_FALSE(ReadProfileValue("s", "k", m_path));
    Ini("[s]\r\nk=v\r\n");
    EXPECT_EQ(Get("t", "k", "dflt"), "dflt");
    EXPECT_EQ(Get("s", "j", "dflt"), "dflt");
    EXPECT_EQ(Get(nullptr, "k", "dflt"), "dflt");
}

TEST_F(ProfileReading, EmptyValueIsPresentAndEmpty) {
    Ini("[s]\r\nk=\r\nb=   \r\n");
    EXPECT_EQ(Get("s", "k", "dflt"), "");
    EXPECT_EQ(ReadProfileValue("s", "b", m_path), std::string());
}

TEST_F(ProfileReading, TruncatesToBufferSizeLessOne) {
    Ini("[s]\r\nk=abcdef\r\n");
    char buffer[8] = "zzzzzzz";
    EXPECT_EQ(GetPrivateProfileString("s", "k", nullptr, buffer, 4, m_path), 3u);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(GetPrivateProfileString("s", "k", nullptr, buffer, 1, m_path), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(GetPrivateProfileString("s", "x", "12345", buffer, 3, m_path), 2u);
    EXPECT_STREQ(buffer, "12");
    EXPECT_EQ(GetPrivateProfileString("s", "k", nullptr, buffer, 0, m_path), 0u);
    EXPECT_EQ(GetPrivateProfileString("s", "k", nullptr, nullptr, 8, m_path), 0u);
}

using ProfileWriting = Profile;

TEST_F(ProfileWriting, NewFileIsOneSectionWithCrLf) {
    EXPECT_TRUE(Put("App", "key", "value"));
    EXPECT_EQ(Bytes(), "[App]\r\nkey=value\r\n");
    EXPECT_EQ(Strays(), 0);
}

TEST_F(ProfileWriting, NewSectionGoesAtTheEndAfterABreak) {
    Ini("[a]\r\nx=1\r\n");
    EXPECT_TRUE(Put("b", "y", "2"));
    EXPECT_EQ(Bytes(), "[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
    Ini("[a]\nx=1");
    EXPECT_TRUE(Put("b", "y", "2"));
    EXPECT_EQ(Bytes(), "[a]\nx=1\r\n[b]\r\ny=2\r\n");
}

TEST_F(ProfileWriting, NewKeysFollowTheLastNonCommentLineInCallOrder) {
    Ini("[S]\r\nb=v\r\na=v\r\n");
    EXPECT_TRUE(Put("S", "z", ".."));
    EXPECT_TRUE(Put("S", "y", ".."));
    EXPECT_EQ(Bytes(), "[S]\r\nb=v\r\na=v\r\nz=..\r\ny=..\r\n");
    Ini("[S]\r\nb=v\r\n;note\r\n\r\n[T]\r\nc=1");
    EXPECT_TRUE(Put("s", "n", "1"));
    EXPECT_TRUE(Put("T", "d", "2"));
    EXPECT_EQ(Bytes(), "[S]\r\nb=v\r\nn=1\r\n;note\r\n\r\n[T]\r\nc=1\r\nd=2\r\n");
    Ini("[E]");
    EXPECT_TRUE(Put("E", "k", "v"));
    EXPECT_EQ(Bytes(), "[E]\r\nk=v\r\n");
}

TEST_F(ProfileWriting, ExistingKeyIsRewrittenInPlaceWithTheFilesSpelling) {
    Ini("[Sec]\r\nKey=v");
    EXPECT_TRUE(Put("SEC", "KEY", "w"));
    EXPECT_EQ(Bytes(), "[Sec]\r\nKey=w\r\n");
    Ini("[Sec]\n  Key = \"v\" \nz=1\n");
    EXPECT_TRUE(Put("sec", "key", "w"));
    EXPECT_EQ(Bytes(), "[Sec]\nKey=w\nz=1\n");
}

TEST_F(ProfileWriting, ValueIsVerbatimAndEveryOtherByteStays) {
    const std::string before = "lead\n; c\r\n[a]\rq=1\r\n\r\njunk\n[b]\r\nk=old\r\n[c]\nx=\xe9\n";
    Ini(before);
    EXPECT_TRUE(Put("b", "k", "\"a b\";#\xc3\xa9"));
    std::string after = before;
    after.replace(after.find("k=old"), 5, "k=\"a b\";#\xc3\xa9");
    EXPECT_EQ(Bytes(), after);
    EXPECT_EQ(ReadProfileValue("b", "k", m_path), "\"a b\";#\xc3\xa9");  // quotes do not match
}

TEST_F(ProfileWriting, Utf8PathsAndValuesRoundTrip) {
    m_path = m_dir.file("\xc3\xa9t\xc3\xa9 \xe6\xb0\xb4.ini");
    const char* music = "/home/\xc3\xa9l\xc3\xa8ve/\xe9\x9f\xb3\xe4\xb9\x90.mp3";
    EXPECT_TRUE(Put("Custom Settings", "MusicList0", music));
    EXPECT_EQ(ReadProfileValue("Custom Settings", "MusicList0", m_path), music);
}

TEST_F(ProfileWriting, SameValueLeavesTheFileUntouched) {
    Ini("[s]\r\nk=1");
    const auto stamp = fs::last_write_time(m_path) - std::chrono::hours(1);
    fs::last_write_time(m_path, stamp);
    EXPECT_TRUE(Put("s", "k", "1"));
    EXPECT_EQ(fs::last_write_time(m_path), stamp);
    EXPECT_EQ(Bytes(), "[s]\r\nk=1");
}

TEST_F(ProfileWriting, ReplacesTheFileRatherThanWritingIntoIt) {
    Ini("[s]\r\nk=1\r\n");
    std::error_code ec;
    fs::create_hard_link(m_path, m_dir.file("old"), ec);
    if (ec)
        GTEST_SKIP() << "no hard links here";
    fs::permissions(m_path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                    fs::perm_options::replace);
    EXPECT_TRUE(Put("s", "k", "2"));
    EXPECT_EQ(ReadFileBytes(m_dir.file("old")), "[s]\r\nk=1\r\n");  // a reader mid-way saw it whole
    EXPECT_EQ(Bytes(), "[s]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(m_path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Strays(), 1);
}

TEST_F(ProfileWriting, WritesThroughALinkToItsTarget) {
    const std::string target = m_dir.file("real.ini");
    WriteFileBytes(target, "[s]\r\nk=1\r\n");
    std::error_code ec;
    fs::create_symlink(target, m_path, ec);
    if (ec)
        GTEST_SKIP() << "no symbolic links here";
    EXPECT_TRUE(Put("s", "k", "2"));
    EXPECT_TRUE(fs::is_symlink(m_path));
    EXPECT_EQ(ReadFileBytes(target), "[s]\r\nk=2\r\n");
}

TEST_F(ProfileWriting, SettingsWrittenOneByOneReadBackInOrder) {
    const char* keys[] = {"Show Water", "FRONTCOLOR", "YINLIANG", "LOCKFORE ROT"};
    const char* values[] = {"0", "16777215", "32767.5", "0.000000"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Put("Aquarium Settings", keys[i], values[i]));
    EXPECT_TRUE(Put("Fish Number", "Fish0", "3"));
    EXPECT_EQ(Bytes(),
              "[Aquarium Settings]\r\nShow Water=0\r\nFRONTCOLOR=16777215\r\nYINLIANG=32767.5\r\n"
              "LOCKFORE ROT=0.000000\r\n[Fish Number]\r\nFish0=3\r\n");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Get("aquarium settings", keys[i]), values[i]);
}

using ProfileBadInput = Profile;

TEST_F(ProfileBadInput, BinaryJunkReadsWhatItCanAndKeepsItsBytes) {
    const std::string head = "\x00\xff junk\r\n[s]\x00]\r\nk=\x01v\x00w\r\n"s;
    const std::string tail = "\x7f\x80\xfe"s;
    Ini(head + tail);
    EXPECT_EQ(ReadProfileValue("s", "k", m_path), "\x01v\x00w"s);
    EXPECT_TRUE(Put("s", "n", "1"));
    EXPECT_EQ(Bytes(), head + tail + "\r\nn=1\r\n");  // the junk line is the section's last
}

TEST_F(ProfileBadInput, HugeLineIsReadAndKept) {
    const std::string huge(100000, 'x');
    Ini("[s]\r\nlong=" + huge + "\r\n" + huge + "\r\n");
    EXPECT_EQ(ReadProfileValue("s", "long", m_path), huge);
    EXPECT_EQ(Get("s", "long").size(), 127u);
    EXPECT_TRUE(Put("s", "k", "v"));
    EXPECT_EQ(Bytes(), "[s]\r\nlong=" + huge + "\r\n" + huge + "\r\nk=v\r\n");
}

TEST_F(ProfileBadInput, RepeatedSectionsAndKeysOnlyTheFirstChanges) {
    Ini("[s]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\n");
    EXPECT_TRUE(Put("s", "k", "9"));
    EXPECT_TRUE(Put("s", "new", "n"));
    EXPECT_EQ(Bytes(), "[s]\r\nk=9\r\nk=2\r\nnew=n\r\n[s]\r\nk=3\r\n");
}

TEST_F(ProfileBadInput, DirectoryInPlaceOfTheFileIsMissingAndNotWritten) {
    fs::create_directory(m_path);
    WriteFileBytes(m_path + "/inside", "keep");
    EXPECT_EQ(Get("s", "k", "dflt"), "dflt");
    EXPECT_FALSE(Put("s", "k", "v"));
    EXPECT_TRUE(fs::is_directory(m_path));
    EXPECT_EQ(ReadFileBytes(m_path + "/inside"), "keep");
    EXPECT_EQ(Strays(), 0);
}

TEST_F(ProfileBadInput, FolderThatIsAFileCannotBeWritten) {
    WriteFileBytes(m_dir.file("notdir"), "x");
    m_path = m_dir.file("notdir/MerowSet.ini");
    EXPECT_EQ(Get("s", "k", "dflt"), "dflt");
    EXPECT_FALSE(Put("s", "k", "v"));
    EXPECT_EQ(ReadFileBytes(m_dir.file("notdir")), "x");
}

TEST_F(ProfileBadInput, NamesAndValuesThatWouldCorruptTheFileAreRefused) {
    const std::string before = "[s]\r\nk=1\r\n";
    Ini(before);
    EXPECT_FALSE(Put("s", "k", "1\r\n[evil]\r\nx=1"));
    EXPECT_FALSE(Put("s", "k", "a\rb"));
    EXPECT_FALSE(Put("s", "a=b", "1"));
    EXPECT_FALSE(Put("s", ";k", "1"));
    EXPECT_FALSE(Put("s", "[k", "1"));
    EXPECT_FALSE(Put("s", "  ", "1"));
    EXPECT_FALSE(Put("a]b", "k", "1"));
    EXPECT_FALSE(Put("", "k", "1"));
    EXPECT_FALSE(Put(nullptr, "k", "1"));
    EXPECT_FALSE(Put("s", nullptr, "1"));
    EXPECT_FALSE(Put("s", "k", nullptr));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Strays(), 0);
}

TEST_F(ProfileBadInput, UnreadableOrReadOnlyFileIsLeftAlone) {
    const std::string before = "[s]\r\nk=1\r\n";
    Ini(before);
    if (!PermissionsBind(m_path))
        GTEST_SKIP() << "permission bits do not bind (root)";
    EXPECT_FALSE(Put("s", "k", "2"));
    fs::permissions(m_path, fs::perms::none, fs::perm_options::replace);
    EXPECT_EQ(Get("s", "k", "dflt"), "dflt");
    EXPECT_FALSE(Put("s", "k", "2"));
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::replace);
    // A folder that takes no new files: the rename fails, the old file stays.
    fs::permissions(m_dir.path(), fs::perms::owner_read | fs::perms::owner_exec,
                    fs::perm_options::replace);
    EXPECT_FALSE(Put("s", "k", "2"));
    EXPECT_FALSE(Put("t", "k", "2"));
    fs::permissions(m_dir.path(), fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Strays(), 0);
}
