#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/PrivateProfile.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

const std::string kBefore = "[s]\r\nk=1\r\n";

class Profile : public ::testing::Test {
protected:
    std::string Get(const char* section, const char* key, const char* def = "<default>") {
        char buffer[128];
        GetPrivateProfileString(section, key, def, buffer, sizeof buffer, m_path);
        return buffer;
    }
    bool Put(const char* section, const char* key, const char* value) {
        return WritePrivateProfileString(section, key, value, m_path);
    }
    // The file as `before` left it ("" = no file).
    void Start(const std::string& before) {
        fs::remove(m_path);
        if (!before.empty())
            WriteFileBytes(m_path, before);
    }
    // What lies beside the file: a temporary must never stay.
    std::set<std::string> Others() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir.path()))
            names.insert(entry.path().filename());
        names.erase(fs::u8path(m_path).filename());
        return names;
    }

    TempDir m_dir;
    std::string m_path = m_dir.file("Merow \xe6\xb0\xb4.ini");  // paths are UTF-8
};

TEST_F(Profile, LookupFollowsTheFormatsRules) {
    struct Case {
        std::string file;
        const char *section, *key;
        std::string expected;
    };
    const std::string values = "[s]\r\nk=;x # y=z\r\n#h=1\r\nq= \" v \" \r\nm=\"v'\r\np='a'\r\ne=";
    const std::string notKeys = "top=1\r\n[a]b]=x\r\n;c=1\r\n  ;d=2\r\nplain\r\nk=v\r\n";
    const std::string repeats = "[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nonly=4\r\n";
    const Case cases[] = {
        {"  [ x ]\r\n\tk\t=\tv\t\r\n", " x ", "K", "v"},
        {values, "s", "k", ";x # y=z"},
        {values, "s", "#h", "1"},  // '#' starts no comment
        {values, "s", "q", " v "},
        {values, "s", "m", "\"v'"},
        {values, "s", "p", "a"},
        {values, "s", "e", ""},
        {notKeys, "a", "k", "v"},  // the header ends at its first ']'
        {notKeys, "a]b", "k", "<default>"},
        {notKeys, "a", "top", "<default>"},  // before any header: no section
        {notKeys, "a", "d", "<default>"},
        {notKeys, "a", "plain", "<default>"},
        {repeats, "s", "k", "1"},
        {repeats, "s", "only", "<default>"},               // the repeated section is never searched
        {"[s]\ra=1\nb=2\r\nc=3\r\r\nd=4", "s", "c", "3"},  // CR, LF, CRLF,
        {"[s]\r\nk=" + std::string(200, 'x'), "s", "k", std::string(127, 'x')},
        {"", "s", "k", "<default>"},  // no file
        {"\x00\xff junk\r\n[s]\x00]\r\nk=\x01v\r\n"s, "s", "k", "\x01v"},
        {"\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "v"},
        {"\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0v\0"s, "s", "k", "<default>"},  // UTF-16 is not read
    };
    for (const Case& c : cases) {
        Start(c.file);
        EXPECT_EQ(Get(c.section, c.key), c.expected) << c.file;
    }
    EXPECT_EQ(Get("s", "k", " \tdef \t "), " \tdef");  // a default loses its trailing blanks
}

// Each case's writes (section, key, value, ...), made one by one and then as one batch, give the
// same bytes.
TEST_F(Profile, WritesChangeOnlyTheirOwnLines) {
    struct Case {
        std::string before;
        std::vector<const char*> puts;
        std::string after;
    };
    const std::string junk =
        "lead\n; c\r\n[a]\rq=1\r\n\r\n\x00\xff junk\n[b]\r\nk=old\r\n[c]\nx=\xe9"s;
    const Case cases[] = {
        {"", {"App", "key", "value"}, "[App]\r\nkey=value\r\n"},
        {"[a]\nx=1", {"b", "y", "2"}, "[a]\nx=1\r\n[b]\r\ny=2\r\n"},
        {"[E]", {"E", "k", "v"}, "[E]\r\nk=v\r\n"},
        {"[S]\r\nb=v\r\na=v\r\n",
         {"S", "z", "..", "S", "y", ".."},
         "[S]\r\nb=v\r\na=v\r\nz=..\r\ny=..\r\n"},
        {"[S]\r\nb=v\r\n;note\r\n\r\n[T]\r\nc=1\r\n[s]\r\nb=3",
         {"s", "n", "1", "T", "d", "2", "s", "B", "9"},
         "[S]\r\nb=9\r\nn=1\r\n;note\r\n\r\n[T]\r\nc=1\r\nd=2\r\n[s]\r\nb=3"},
        {"[Sec]\r\nKey=v", {"SEC", "KEY", "w"}, "[Sec]\r\nKey=w\r\n"},
        {"[Sec]\n  Key = \"v\" \nz=1\n", {"sec", "key", "w"}, "[Sec]\nKey=w\nz=1\n"},
        {"[s]\r\nk=1", {"s", "k", "1", "s", "f", "1", "s", "f", "0"}, "[s]\r\nk=1\r\nf=0\r\n"},
        {junk,
         {"b", "k", "\"a b\";#\xc3\xa9", "c", "y", "1"},
         "lead\n; c\r\n[a]\rq=1\r\n\r\n\x00\xff junk\n[b]\r\nk=\"a b\";#\xc3\xa9\r\n[c]\nx=\xe9\r\ny=1\r\n"s},
        {"\xEF\xBB\xBF[s]\r\nk=1\r\n",
         {"s", "k", "2", "t", "n", "1"},
         "\xEF\xBB\xBF[s]\r\nk=2\r\n[t]\r\nn=1\r\n"},
    };
    for (const Case& c : cases) {
        Start(c.before);
        for (size_t i = 0; i < c.puts.size(); i += 3)
            EXPECT_TRUE(Put(c.puts[i], c.puts[i + 1], c.puts[i + 2]));
        EXPECT_EQ(ReadFileBytes(m_path), c.after) << c.before;
        Start(c.before);
        ProfileBatch batch(m_path);
        for (size_t i = 0; i < c.puts.size(); i += 3) {
            EXPECT_TRUE(batch.Write(c.puts[i], c.puts[i + 1], c.puts[i + 2]));
            EXPECT_EQ(batch.Read(c.puts[i], c.puts[i + 1]), c.puts[i + 2]);
        }
        EXPECT_TRUE(batch.Commit());
        EXPECT_EQ(ReadFileBytes(m_path), c.after) << c.before;
    }
}

TEST_F(Profile, WritesThatWouldNotReadBackAsGivenAreRefused) {
    const char* const none = nullptr;
    for (const std::string& before : {kBefore, "\xFF\xFE[\0s\0]\0"s, "\xFE\xFF\0[\0s\0]"s}) {
        Start(before);
        for (const char* value : {"1\r\n[evil]\r\nx=1", "a\rb", " 1", "1\t", "\"1\"", "'1'", none})
            EXPECT_FALSE(Put("s", "k", value));
        for (const char* key : {"a=b", ";k", "[k", "  ", none})
            EXPECT_FALSE(Put("s", key, "1"));
        for (const char* section : {"a]b", "", none})
            EXPECT_FALSE(Put(section, "k", "1"));
        EXPECT_EQ(ReadFileBytes(m_path), before);
        const bool utf16 = before[0] != '[';  // takes no writes at all
        EXPECT_NE(Put("s", "n", "1"), utf16);
        EXPECT_EQ(ReadFileBytes(m_path) == before, utf16);
    }
}

// Through a link, a new file in place of the target (a reader of the old one sees it whole),
// with the target's exact mode whatever the umask, and its owner (root can show that).
TEST_F(Profile, ReplacesALinksTargetKeepingItsModeAndOwner) {
    const std::string target = m_dir.file("real.ini");
    WriteFileBytes(target, kBefore);
    fs::create_hard_link(target, m_dir.file("reader"));
    fs::create_symlink(target, m_path);
    const bool root = geteuid() == 0;
    ASSERT_EQ(chmod(target.c_str(), 0664) || (root && chown(target.c_str(), 65534, 65534)), 0);
    const mode_t umaskBefore = umask(077);
    EXPECT_TRUE(Put("s", "k", "2"));
    umask(umaskBefore);
    EXPECT_TRUE(fs::is_symlink(m_path));
    EXPECT_EQ(ReadFileBytes(target), "[s]\r\nk=2\r\n");
    EXPECT_EQ(ReadFileBytes(m_dir.file("reader")), kBefore);
    struct stat info {};
    stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    EXPECT_EQ(info.st_uid, root ? 65534u : geteuid());
    EXPECT_EQ(info.st_gid, root ? 65534u : getegid());
    EXPECT_EQ(Others(), (std::set<std::string>{"reader", "real.ini"}));
}

// The mode bits decide, so a read-only file or folder stays as it is for root too; and a file
// is never handed to another owner (root can show that, through a writer that is not root).
TEST_F(Profile, FilesThatMayNotChangeAreLeftAlone) {
    WriteFileBytes(m_path, kBefore);
    for (const mode_t mode : {0444, 0400, 0}) {
        chmod(m_path.c_str(), mode);
        EXPECT_FALSE(Put("s", "k", "2")) << mode;
    }
    chmod(m_path.c_str(), 0666);
    chmod(m_dir.path().c_str(), 0555);
    EXPECT_FALSE(Put("s", "k", "2"));
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "2", m_dir.file("new.ini")));
    chmod(m_dir.path().c_str(), 0777);
    if (geteuid() == 0) {
        const pid_t writer = fork();
        if (writer == 0)
            _exit(setuid(65534) == 0 && !Put("s", "k", "2") ? 0 : 1);
        int status = -1;
        waitpid(writer, &status, 0);
        EXPECT_EQ(status, 0);
    }
    EXPECT_EQ(ReadFileBytes(m_path), kBefore);
    EXPECT_TRUE(Others().empty());
}

// The writer passes through whole files only: keys k0..k7, the first i at round r, the rest at
// r-1. Killed at any moment, it leaves one of them, and the clean-up takes its temporary.
TEST_F(Profile, AKilledWriterLeavesAWholeFileAndCleanUpTakesItsTemporary) {
    const auto round = [](int r, int i) {
        std::string text = "[s]\r\n";
        for (int k = 0; k < 8; ++k)
            text += "k" + std::to_string(k) + "=" + std::to_string(k < i ? r : r - 1) + "\r\n";
        return text;
    };
    const int kTrials = 200;
    int leftTemporary = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        WriteFileBytes(m_path, round(1, 8));
        const pid_t writer = fork();
        for (int r = 2; writer == 0; ++r) {
            for (int k = 0; k < 8; ++k)
                Put("s", ("k" + std::to_string(k)).c_str(), std::to_string(r).c_str());
        }
        usleep(static_cast<useconds_t>(std::rand() % 10000));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        const std::string bytes = ReadFileBytes(m_path);
        const int r = std::atoi(ReadProfileValue("s", "k0", m_path).value_or("0").c_str());
        bool whole = false;
        for (int i = 1; i <= 8; ++i)
            whole = whole || bytes == round(r, i);
        ASSERT_TRUE(whole) << "trial " << trial << ":\n" << bytes;
        leftTemporary += !Others().empty();
        RemoveOrphanedTemporaries(m_path);
        ASSERT_TRUE(Others().empty()) << "trial " << trial;
    }
    std::printf("%d of %d killed writers left a temporary\n", leftTemporary, kTrials);

    // What no dead writer of this file left stays: a running writer's (pid 1), another file's.
    const std::set<std::string> kept = {"." + fs::u8path(m_path).filename().string() + ".1.7.tmp",
                                        ".other.ini.2147483647.7.tmp"};
    for (const std::string& name : kept)
        WriteFileBytes(m_dir.file(name), "");
    RemoveOrphanedTemporaries(m_path);
    EXPECT_EQ(Others(), kept);
}

}  // namespace
