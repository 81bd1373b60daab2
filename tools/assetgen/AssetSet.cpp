#include "AssetSet.h"

#include "Backdrop.h"
#include "Background.h"
#include "BmpFile.h"
#include "Cursors.h"
#include "FishSheet.h"
#include "FishSpecies.h"
#include "Icons.h"
#include "Music.h"
#include "Particle.h"
#include "WavFile.h"

QString WriteAssetSet(const QString& outDir) {
    const QString background = outDir + "/BackGround0.bmp";
    if (!WriteBmp24(PaintBackground(), background, true)) {
        return background;
    }
    for (int i = 0; i < kSpeciesCount; ++i) {
        const QString path = outDir + QString("/fish%1.bmp").arg(i);
        if (!WriteBmp24(PaintSkin(i), path, false)) {
            return path;
        }
    }
    const QString particle = outDir + "/Particle1.bmp";
    if (!WriteBmp24(PaintParticle(), particle, false)) {
        return particle;
    }
    const QString music = outDir + "/Music.wav";
    if (!WriteWavMono16(ComposeMusic(), kMusicSampleRate, music)) {
        return music;
    }
    const QString sheet = outDir + "/plain/bitmap129.png";
    if (!PaintFishSheet().save(sheet, "PNG")) {
        return sheet;
    }
    const QString backdrop = outDir + "/plain/bitmap133.png";
    if (!PaintBackdrop().save(backdrop, "PNG")) {
        return backdrop;
    }
    for (int id : kIconIds) {
        const QString path = outDir + QString("/plain/icon%1.png").arg(id);
        if (!PaintIcon(id).save(path, "PNG")) {
            return path;
        }
    }
    for (int id : kCursorIds) {
        const QString path = outDir + QString("/plain/cursor%1.png").arg(id);
        if (!PaintCursor(id).save(path, "PNG")) {
            return path;
        }
    }
    return QString();
}
