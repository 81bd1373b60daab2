// merow-assetgen OUTDIR: paints the built-in pictures and composes the built-in tune.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "AssetSet.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: merow-assetgen OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir + "/plain")) {
        std::fprintf(stderr, "merow-assetgen: cannot create %s\n", argv[1]);
        return 1;
    }
    const QString failed = WriteAssetSet(outDir);
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "merow-assetgen: cannot write %s\n", qPrintable(failed));
        return 1;
    }
    return 0;
}
