#include "AssetSet.h"

#include "Background.h"
#include "BmpFile.h"
#include "FishSpecies.h"
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
    return QString();
}
