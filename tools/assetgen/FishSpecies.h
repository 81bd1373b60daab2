#pragma once

#include <QImage>

class SkinPainter;

constexpr int kSpeciesCount = 20;

enum class TailKind { Rounded, Forked, Fan, Lunate, Veil };

// The side-view outline of a species for the dialog's picture sheet; lengths are shares of the
// body length.
struct FishProfile {
    double height;  // body depth
    TailKind tail;
    double tailSize;
    double dorsal;      // dorsal fin height
    double anal;        // anal fin height
    double dorsalFrom;  // where the dorsal fin starts along the body
};

struct FishSpecies {
    const char* name;
    void (*paint)(SkinPainter&);
    FishProfile profile;
};

// Slot i's species (0..19); the slot order matches the body model's per-species fin shaping.
const FishSpecies& Species(int i);

// The 256 x 128 skin of slot i.
QImage PaintSkin(int i);
