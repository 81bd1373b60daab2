// The built-in asset round trip: resource bytes out to dir + name + ".ad", unscrambled into the
// usable file, both deleted again; and the unscrambler's way of giving up.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/Random.h"
#include "scene/AssetKey.h"
#include "scene/Assets.h"
#include "scene/PlainPictures.h"
#include "support/TempDir.h"

namespace {

std::string Scrambled(std::string plain) {
    ScrambleAssetBytes(BuildAssetKey(), reinterpret_cast<unsigned char*>(plain.data()),
                       plain.size(), 1);
    return plain;
}

std::string RandomBytes(std::size_t size) {
    SeedRand(7);
    std::string s(size, '\0');
    for (char& c : s)
        c = static_cast<char>(Rand() & 0xFF);
    return s;
}

bool DirIsEmpty(const std::string& dir) {
    return std::filesystem::is_empty(dir);
}

// Where two byte strings first differ (npos when equal): readable where a dump of megabytes is not.
std::size_t FirstDifference(const std::string& a, const std::string& b) {
    if (a == b)
        return std::string::npos;
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return i;
}

TEST(AssetKey, ByteNUsesEntryNMod50) {
    TempDir dir;
    WriteFileBytes(dir.file("zeros.ad"), std::string(51, '\0'));
    DescrambleAsset(dir.path(), "zeros");
    const std::string out = ReadFileBytes(dir.file("zeros.bmp"));
    ASSERT_EQ(out.size(), 51u);
    const AssetKey key = BuildAssetKey();
    for (std::size_t n = 1; n <= 51; ++n) {
        EXPECT_EQ(static_cast<unsigned char>(out[n - 1]), key[n % 50]) << "byte " << n;
    }
    // Entries 1, 49 and 0 differ, so the checks above tell the positions apart.
    EXPECT_NE(key[1], key[0]);
    EXPECT_NE(key[49], key[0]);
    EXPECT_NE(key[49], key[1]);
}

TEST(DescrambleAsset, UndoesTheBuildToolExactlyAcrossReadBlocks) {
    TempDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{50}, std::size_t{65536},
                             std::size_t{200001}}) {
        const std::string plain = RandomBytes(size);
        WriteFileBytes(dir.file("fish3.ad"), Scrambled(plain));
        DescrambleAsset(dir.path(), "fish3");
        EXPECT_EQ(FirstDifference(ReadFileBytes(dir.file("fish3.bmp")), plain), std::string::npos)
            << size << " bytes";
    }
}

TEST(DescrambleAsset, OnlyMusicExactlyBecomesAWav) {
    EXPECT_EQ(AssetUsablePath("/d/", "Music"), "/d/Music.wav");
    EXPECT_EQ(AssetUsablePath("/d/", "music"), "/d/music.bmp");
    EXPECT_EQ(AssetUsablePath("/d/", "BackGround0"), "/d/BackGround0.bmp");
    TempDir dir;
    WriteFileBytes(dir.file("Music.ad"), "RIFF");
    WriteFileBytes(dir.file("music.ad"), "RIFF");
    DescrambleAsset(dir.path(), "Music");
    DescrambleAsset(dir.path(), "music");
    EXPECT_TRUE(FileExists(dir.file("Music.wav")));
    EXPECT_FALSE(FileExists(dir.file("Music.bmp")));
    EXPECT_TRUE(FileExists(dir.file("music.bmp")));
    EXPECT_FALSE(FileExists(dir.file("music.wav")));
}

TEST(DeleteAssetFiles, RemovesBothFilesAndToleratesMissingOnes) {
    TempDir dir;
    WriteFileBytes(dir.file("Music.ad"), "x");
    WriteFileBytes(dir.file("Music.wav"), "y");
    WriteFileBytes(dir.file("Other.bmp"), "z");
    DeleteAssetFiles(dir.path(), "Music");
    DeleteAssetFiles(dir.path(), "Music");
    EXPECT_FALSE(FileExists(dir.file("Music.ad")));
    EXPECT_FALSE(FileExists(dir.file("Music.wav")));
    EXPECT_TRUE(FileExists(dir.file("Other.bmp")));
}

TEST(ExtractAsset, MissingResourceWritesNothing) {
    TempDir dir;
    EXPECT_FALSE(ExtractAsset(165, dir.path(), "Water"));
    EXPECT_FALSE(ExtractAsset(164, dir.path(), "GuangXian"));
    EXPECT_TRUE(AssetResourceBytes(165).empty());
    EXPECT_TRUE(DirIsEmpty(dir.path()));
}

// Runs `body` in a child process with its standard output captured.
struct ChildRun {
    int status = -1;
    std::string out;
};

ChildRun RunInChild(const std::function<void()>& body) {
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        body();
        std::fflush(stdout);
        _exit(99);  // the body was expected to end the process itself
    }
    close(fds[1]);
    ChildRun run;
    char buffer[256];
    ssize_t got;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
        run.out.append(buffer, got);
    close(fds[0]);
    waitpid(pid, &run.status, 0);
    return run;
}

void ExpectQuietExit(const ChildRun& run, const std::string& message) {
    ASSERT_TRUE(WIFEXITED(run.status)) << "child did not exit normally";
    EXPECT_EQ(WEXITSTATUS(run.status), 0);
    EXPECT_EQ(run.out, message);
}

TEST(DescrambleAsset, MissingInputEndsTheProcessWithStatusZero) {
    TempDir dir;
    ExpectQuietExit(RunInChild([&] { DescrambleAsset(dir.path(), "fish0"); }),
                    "cannot open infile\n");
    EXPECT_FALSE(FileExists(dir.file("fish0.bmp")));
}

TEST(DescrambleAsset, UnwritableOutputEndsTheProcessWithStatusZero) {
    TempDir dir;
    WriteFileBytes(dir.file("fish0.ad"), "BM");
    std::filesystem::create_directory(dir.file("fish0.bmp"));  // cannot be opened for writing
    ExpectQuietExit(RunInChild([&] { DescrambleAsset(dir.path(), "fish0"); }),
                    " cannot open outfile\n");
}

// The assets the build embedded, checked against the generator's own files when it is there.
class EmbeddedAssets : public ::testing::Test {
protected:
    void SetUp() override {
        const char* binaryDir = std::getenv("MEROW_TEST_BINARY_DIR");
        if (!binaryDir || AssetResourceBytes(154).empty())
            GTEST_SKIP() << "no embedded assets";
        m_generated = std::string(binaryDir) + "/assets/";
    }
    std::string m_generated;
};

TEST_F(EmbeddedAssets, EachComesOutAsTheGeneratorWroteIt) {
    struct Asset {
        int id;
        std::string name;
        std::string file;
    };
    std::vector<Asset> assets = {{154, "BackGround0", "BackGround0.bmp"},
                                 {166, "Particle1", "Particle1.bmp"},
                                 {227, "Music", "Music.wav"}};
    for (int i = 0; i < 20; ++i) {
        assets.push_back(
            {10000 + i, "fish" + std::to_string(i), "fish" + std::to_string(i) + ".bmp"});
    }
    TempDir dir;
    for (const Asset& a : assets) {
        SCOPED_TRACE(a.name);
        const std::string plain = ReadFileBytes(m_generated + a.file);
        ASSERT_FALSE(plain.empty());
        const std::string stored = AssetResourceBytes(a.id);
        EXPECT_EQ(stored.size(), plain.size());
        EXPECT_TRUE(stored != plain) << "stored unscrambled";
        // A longer leftover ".ad" must not leave its tail behind.
        WriteFileBytes(dir.file(a.name + ".ad"), std::string(plain.size() + 100, 'x'));
        EXPECT_TRUE(ExtractAsset(a.id, dir.path(), a.name));
        EXPECT_EQ(FirstDifference(ReadFileBytes(dir.file(a.name + ".ad")), stored),
                  std::string::npos);
        EXPECT_EQ(FirstDifference(ReadFileBytes(AssetUsablePath(dir.path(), a.name)), plain),
                  std::string::npos);
        DeleteAssetFiles(dir.path(), a.name);
    }
    EXPECT_TRUE(DirIsEmpty(dir.path()));
}

TEST_F(EmbeddedAssets, UnwritableStorageEndsStartUpWithStatusZero) {
    ExpectQuietExit(RunInChild([] { ExtractAsset(154, "/nonexistent/merow/", "BackGround0"); }),
                    "cannot open infile\n");
}

TEST_F(EmbeddedAssets, PlainPicturesLoadByName) {
    for (const char* name :
         {"bitmap129", "bitmap133", "icon180", "icon253", "icon232", "icon175", "icon160",
          "icon133", "icon137", "icon136", "cursor158", "cursor159", "cursor163", "cursor164",
          "cursor167", "cursor177", "cursor169", "cursor178"}) {
        const QImage picture = PlainPicture(name);
        const QImage generated(QString::fromStdString(m_generated + "plain/" + name + ".png"));
        EXPECT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.size(), generated.size()) << name;
    }
    EXPECT_TRUE(PlainPicture("bitmap999").isNull());
}

}  // namespace
