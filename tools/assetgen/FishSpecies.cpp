#include "FishSpecies.h"

#include "SkinLayout.h"
#include "SkinPainter.h"
#include "SpeciesPainters.h"

namespace {

// Slots follow the body model: 7, 10, 13 and 17 are drawn deeper, 15 longer; 1, 4 and 8 get a
// second tail lobe; 17 has the flowing long fin.
const FishSpecies kSpecies[kSpeciesCount] = {
    {"clownfish", PaintClownfish, {0.42, TailKind::Rounded, 0.30, 0.16, 0.10, 0.30}},
    {"neon tetra", PaintNeonTetra, {0.30, TailKind::Forked, 0.30, 0.12, 0.10, 0.45}},
    {"tiger barb", PaintTigerBarb, {0.45, TailKind::Forked, 0.30, 0.16, 0.10, 0.40}},
    {"royal gramma", PaintRoyalGramma, {0.36, TailKind::Rounded, 0.28, 0.12, 0.10, 0.25}},
    {"goldfish", PaintGoldfish, {0.50, TailKind::Fan, 0.45, 0.20, 0.10, 0.30}},
    {"guppy", PaintGuppy, {0.30, TailKind::Fan, 0.55, 0.12, 0.08, 0.48}},
    {"harlequin rasbora", PaintHarlequin, {0.40, TailKind::Forked, 0.30, 0.14, 0.10, 0.45}},
    {"angelfish", PaintAngelfish, {0.62, TailKind::Lunate, 0.32, 0.55, 0.50, 0.30}},
    {"zebra danio", PaintZebraDanio, {0.28, TailKind::Forked, 0.32, 0.10, 0.10, 0.50}},
    {"dwarf gourami", PaintDwarfGourami, {0.50, TailKind::Rounded, 0.30, 0.14, 0.16, 0.40}},
    {"discus", PaintDiscus, {0.85, TailKind::Rounded, 0.22, 0.12, 0.12, 0.20}},
    {"red wag platy", PaintPlaty, {0.42, TailKind::Rounded, 0.30, 0.14, 0.10, 0.40}},
    {"blue tang", PaintBlueTang, {0.55, TailKind::Lunate, 0.30, 0.10, 0.10, 0.20}},
    {"yellow tang", PaintYellowTang, {0.75, TailKind::Lunate, 0.26, 0.16, 0.16, 0.20}},
    {"mandarin", PaintMandarin, {0.40, TailKind::Rounded, 0.30, 0.16, 0.12, 0.35}},
    {"koi", PaintKoi, {0.32, TailKind::Forked, 0.35, 0.12, 0.08, 0.30}},
    {"boeseman rainbowfish", PaintRainbowfish, {0.48, TailKind::Forked, 0.30, 0.14, 0.14, 0.45}},
    {"betta", PaintBetta, {0.36, TailKind::Veil, 0.60, 0.30, 0.30, 0.45}},
    {"yellow boxfish", PaintBoxfish, {0.52, TailKind::Rounded, 0.26, 0.08, 0.06, 0.60}},
    {"tiger oscar", PaintOscar, {0.52, TailKind::Rounded, 0.28, 0.14, 0.12, 0.30}},
};

}  // namespace

const FishSpecies& Species(int i) {
    return kSpecies[i];
}

QImage PaintSkin(int i) {
    QImage image(skin::kWidth, skin::kHeight, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    SkinPainter painter(image, 0x5EED0000u + static_cast<uint64_t>(i) * 7919u);
    kSpecies[i].paint(painter);
    painter.Finish();
    return image;
}
