#pragma once

#include <QPointF>

// THE SKIN LAYOUT (fixed: the fish body model's texture coordinates map onto it).
// Each skin is 256 x 128. u = x / 256 runs left to right; v runs from the BOTTOM row (v = 0) to the
// top row (v = 1), as GL texture coordinates do.
//
//   body region      u 0 .. 0.75, v 0 .. 1: the unrolled flank seen from the side. The nose is at
//                    u = 0, the tail root at u = 0.75; v = 0 is the belly centre line, v = 0.5 the
//                    mid-flank line, v = 1 the dorsal centre line. The eye sits at u = 0.09,
//                    v = 0.62; the gill line near u = 0.2. Colour runs to the region's edges.
//   tail-fin region  u 0.75 .. 1, v 0.5 .. 1: the caudal fin, root at u = 0.75, edge at u = 1,
//                    rays running along u and fanning out from v = 0.75.
//   other fins       u 0.75 .. 1, v 0 .. 0.5: dorsal, pectoral and long fins share it, root at
//                    u = 0.75, edge at u = 1.
//
//   image rows:  y 0 ..  64  [ body ........................ | tail fin   ]
//                y 64 .. 128 [ body ........................ | other fins ]
//                x 0 ....................................... 192 ........ 256
namespace skin {

constexpr int kWidth = 256;
constexpr int kHeight = 128;
constexpr double kBodyEndU = 0.75;
constexpr double kEyeU = 0.09;
constexpr double kEyeV = 0.62;
constexpr double kGillU = 0.2;
// The flank is wrapped round the body, so a round spot needs more texels up than across.
constexpr double kRoundAspect = 1.35;

// Pixel position of a texture coordinate.
inline QPointF Px(double u, double v) {
    return QPointF(u * kWidth, (1.0 - v) * kHeight);
}

}  // namespace skin
