#include "AssetSet.h"

#include <future>

#include "AppIcon.h"
#include "Backdrop.h"
#include "Background.h"
#include "BmpFile.h"
#include "Cursors.h"
#include "DialogPictures.h"
#include "FishSheet.h"
#include "FishSpecies.h"
#include "Icons.h"
#include "Music.h"
#include "Particle.h"
#include "WavFile.h"

QString WriteAssetSet(const QString& outDir) {
    // The two slowest pieces are independent of everything else: make them alongside.
    std::future<QImage> background = std::async(std::launch::async, PaintBackground);
    std::future<std::vector<int16_t>> music = std::async(std::launch::async, ComposeMusic);

    QString failed;
    auto check = [&](bool bWritten, const QString& path) {
        if (!bWritten && failed.isEmpty()) {
            failed = path;
        }
    };
    for (int i = 0; i < kSpeciesCount; ++i) {
        const QString path = outDir + QString("/fish%1.bmp").arg(i);
        check(WriteBmp24(PaintSkin(i), path, false), path);
    }
    check(WriteBmp24(PaintParticle(), outDir + "/Particle1.bmp", false), outDir + "/Particle1.bmp");
    check(PaintFishSheet().save(outDir + "/plain/bitmap129.png", "PNG"),
          outDir + "/plain/bitmap129.png");
    check(PaintBackdrop().save(outDir + "/plain/bitmap133.png", "PNG"),
          outDir + "/plain/bitmap133.png");
    for (int id : kDialogPictureIds) {
        const QString path = outDir + QString("/plain/bitmap%1.png").arg(id);
        check(PaintDialogPicture(id).save(path, "PNG"), path);
    }
    for (int id : kIconIds) {
        const QString path = outDir + QString("/plain/icon%1.png").arg(id);
        check(PaintIcon(id).save(path, "PNG"), path);
    }
    for (int id : kCursorIds) {
        const QString path = outDir + QString("/plain/cursor%1.png").arg(id);
        check(PaintCursor(id).save(path, "PNG"), path);
    }
    for (int size : kAppIconSizes) {
        const QString path = outDir + QString("/plain/merowfish-%1.png").arg(size);
        check(PaintAppIcon(size).save(path, "PNG"), path);
    }
    // Pure black would turn into holes in the background.
    check(WriteBmp24(background.get(), outDir + "/BackGround0.bmp", true),
          outDir + "/BackGround0.bmp");
    check(WriteWavMono16(music.get(), kMusicSampleRate, outDir + "/Music.wav"),
          outDir + "/Music.wav");
    return failed;
}
