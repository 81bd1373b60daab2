#include "scene/Assets.h"

#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/FreshFile.h"
#include "scene/AssetKey.h"

// Q_INIT_RESOURCE declares a global function, so it must be used outside any namespace.
static void RegisterEmbeddedResources() {
#ifdef MEROW_HAVE_ASSETS
    Q_INIT_RESOURCE(merowassets);
#endif
}

void InitAssetResources() {
    static const bool once = (RegisterEmbeddedResources(), true);
    (void)once;
}

namespace {

// The unscrambler gives up by ending the process: message on standard output, status 0.
[[noreturn]] void QuitWithMessage(const char* message) {
    std::fputs(message, stdout);
    std::fflush(stdout);
    std::_Exit(0);
}

bool ReadResource(int resourceId, std::string* bytes) {
    InitAssetResources();
    QFile file(QStringLiteral(":/rcad/%1").arg(resourceId));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    bytes->assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

}  // namespace

std::string AssetResourceBytes(int resourceId) {
    std::string bytes;
    ReadResource(resourceId, &bytes);
    return bytes;
}

bool ExtractAsset(int resourceId, const std::string& dir, const std::string& name) {
    std::string bytes;
    if (!ReadResource(resourceId, &bytes))
        return false;
    // Created fresh: no leftover tail, and no planted link can send the bytes elsewhere.
    if (std::FILE* out = CreateFreshFile(dir + name + ".ad")) {
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    DescrambleAsset(dir, name);
    return true;
}

void DescrambleAsset(const std::string& dir, const std::string& name) {
    std::FILE* in = std::fopen((dir + name + ".ad").c_str(), "rb");
    if (!in)
        QuitWithMessage("cannot open infile\n");
    std::FILE* out = CreateFreshFile(AssetUsablePath(dir, name));
    if (!out)
        QuitWithMessage(" cannot open outfile\n");

    const AssetKey key = BuildAssetKey();
    std::vector<unsigned char> block(1 << 16);
    std::size_t n = 1;
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), in);
        if (got == 0)
            break;
        UnscrambleAssetBytes(key, block.data(), got, n);
        n += got;
        std::fwrite(block.data(), 1, got, out);
    }
    std::fclose(in);
    std::fclose(out);
}

std::string AssetUsablePath(const std::string& dir, const std::string& name) {
    return dir + name + (name == "Music" ? ".wav" : ".bmp");
}

void DeleteAssetFiles(const std::string& dir, const std::string& name) {
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::u8path(dir + name + ".ad"), ignored);
    std::filesystem::remove(std::filesystem::u8path(AssetUsablePath(dir, name)), ignored);
}
