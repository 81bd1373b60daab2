// Generates fish/FishShapeData.cpp, the part tables of the fish body model, from a parametric fish.
//
//   g++ -std=c++17 -O2 tools/fishshape/fishshape.cpp -o /tmp/fishshape
//   /tmp/fishshape > fish/FishShapeData.cpp && clang-format -i fish/FishShapeData.cpp
//
// Model units: a size-1 fish, z up, head towards -x, the stored side at y <= 0. To change the
// shape, edit the numbers in the "Shape" section: the body outline (BodyTop, BodyBottom,
// BodyHalfWidth), the eye place and size, and the root and edge points of each fin. The grid sizes
// and orders are fixed by the drawing code and must not change.
//
// Skin layout (256 x 128): body u 0..0.75 (nose..tail root), v 0..1 (belly..back), eye at about
// (0.09, 0.62); tail fin u 0.75..1 (root..edge), v 0.5..1; other fins u 0.75..1, v 0..0.5.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct V3 {
    double x, y, z;
};
V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(V3 a, V3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator*(V3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
V3 Cross(V3 a, V3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Dot(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V3 Norm(V3 a) {
    double l = std::sqrt(Dot(a, a));
    return l > 0 ? a * (1.0 / l) : V3{0, -1, 0};
}
V3 Lerp(V3 a, V3 b, double t) {
    return a + (b - a) * t;
}

const double kPi = 3.14159265358979323846;

// ---- Shape -------------------------------------------------------------------------------------

const double kNoseX = -0.44, kTailX = 0.34;  // body length along x
const double kTopMax = 0.16, kBottomMax = 0.14, kHalfWidthMax = 0.07;
const double kPeakAt = 0.36;  // where the body is deepest, 0 nose .. 1 tail root

// Envelope 0 at the nose and the tail root, 1 at kPeakAt; pw < 1 gives a blunter end.
double Envelope(double t, double pw) {
    if (t <= 0 || t >= 1)
        return 0;
    double u = std::pow(t, std::log(0.5) / std::log(kPeakAt));
    return std::pow(std::sin(kPi * u), pw);
}
double BodyTop(double t) {
    return kTopMax * Envelope(t, 0.62);
}
double BodyBottom(double t) {
    return -kBottomMax * Envelope(t, 0.7);
}
double BodyHalfWidth(double t) {
    return kHalfWidthMax * Envelope(t, 0.5);
}
double BodyX(double t) {
    return kNoseX + (kTailX - kNoseX) * t;
}

// Body point at t (0 nose .. 1 tail) and a (0 top seam .. pi bottom seam), stored side.
V3 Body(double t, double a) {
    double c = std::cos(a);
    double z = c >= 0 ? BodyTop(t) * c : -BodyBottom(t) * c;
    return {BodyX(t), -BodyHalfWidth(t) * std::sin(a), z};
}
V3 BodyNormal(double t, double a) {
    const double e = 1e-4;
    double tt = std::fmin(std::fmax(t, 0.01), 0.99);  // the nose and tail tips are points
    V3 dt = Body(tt + e, a) - Body(tt - e, a);
    V3 da = Body(tt, a + e) - Body(tt, a - e);
    V3 n = Norm(Cross(da, dt));
    if (Dot(n, Body(tt, a) - V3{BodyX(tt), 0, 0}) < 0)
        n = n * -1.0;
    if (t <= 0)
        n = Norm(n + V3{-1.5, 0, 0});
    if (t >= 1)
        n = Norm(n + V3{1.5, 0, 0});
    return n;
}
// Half a texel in from each region's border, so filtering never reaches the next region.
const double kInsetU = 0.5 / 256, kInsetV = 0.5 / 128;
double Inset(double value, double lo, double hi, double inLo, double inHi) {
    return inLo + (value - lo) / (hi - lo) * (inHi - inLo);
}
// Body skin coordinates at (t, a).
void BodyTex(double t, double a, double& s, double& v) {
    s = Inset(0.75 * t, 0, 0.75, kInsetU, 0.75 - kInsetU);
    v = Inset(1.0 - a / kPi, 0, 1, kInsetV, 1 - kInsetV);
}
// Fin region coordinates: u 0.75 at the root .. 1 at the edge.
double FinU(double along) {
    return Inset(along, 0, 1, 0.75 + kInsetU, 1 - kInsetU);
}

// Eye: centre on the flank at the painted eye, radius in model units, how far it stands out.
const double kEyeT = 0.12, kEyeA = kPi * 0.38, kEyeRadius = 0.03;
const double kEyeBulge[3] = {0.012, 0.009, 0.003};  // centre, inner ring, rim
const double kEyeRing[3] = {0.0, 0.55, 1.0};        // ring radius as a share of kEyeRadius

// ---- Tables -------------------------------------------------------------------------------------

struct Table {
    std::string name;
    int rows, cols;
    std::vector<V3> v, n;
    std::vector<double> s, t;
    void Add(V3 p, V3 nn, double ss, double tt) {
        v.push_back(p);
        n.push_back(nn);
        s.push_back(ss);
        t.push_back(tt);
    }
};

Table MakeBody() {
    Table tb{"Body", 9, 14, {}, {}, {}, {}};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 14; ++c) {
            double t = c / 13.0, a = kPi * r / 8.0, s, v;
            BodyTex(t, a, s, v);
            tb.Add(Body(t, a), BodyNormal(t, a), s, v);
        }
    }
    return tb;
}

// A fin sheet between a root line and an edge line; rows across, columns along (or the reverse
// when alongColumns is false). Normals face the stored side or down, as the fin lies.
V3 SheetNormal(V3 along, V3 across, V3 prefer) {
    V3 n = Norm(Cross(along, across));
    return Dot(n, prefer) < 0 ? n * -1.0 : n;
}

// Paired fin: root points spread along rootA..rootB, tip points along tipA..tipB; column 0 at
// the root unless rootLast. Texture: other-fins region, root u 0.75, edge u 1.
Table MakePaired(const char* name, int rows, int cols, V3 rootA, V3 rootB, V3 tipA, V3 tipB,
                 bool rootLast, V3 prefer) {
    Table tb{name, rows, cols, {}, {}, {}, {}};
    V3 n = SheetNormal(Lerp(tipA, tipB, 0.5) - Lerp(rootA, rootB, 0.5), rootB - rootA, prefer);
    for (int r = 0; r < rows; ++r) {
        double across = rows > 1 ? r / double(rows - 1) : 0;
        V3 root = Lerp(rootA, rootB, across), tip = Lerp(tipA, tipB, across);
        for (int c = 0; c < cols; ++c) {
            double along = c / double(cols - 1);
            if (rootLast)
                along = 1.0 - along;
            // A slightly rounded edge: the middle rays reach a little further.
            double reach = along * (1.0 + 0.12 * std::sin(kPi * across) * along);
            tb.Add(Lerp(root, tip, reach), n, FinU(along), 0.05 + 0.4 * across);
        }
    }
    return tb;
}

Table MakeGillCover() {
    // Rows along the gill arc, top to bottom; column 0 the fixed front, column 3 the free edge.
    Table tb{"FinB", 6, 4, {}, {}, {}, {}};
    for (int r = 0; r < 6; ++r) {
        double a = kPi * (0.3 + 0.45 * r / 5.0);
        for (int c = 0; c < 4; ++c) {
            double bow = std::sin(kPi * r / 5.0);  // the arc bulges backwards in the middle
            double t = 0.17 + 0.045 * c / 3.0 + 0.03 * bow * c / 3.0;
            V3 n = BodyNormal(t, a);
            V3 p = Body(t, a) + n * (0.004 + 0.005 * c / 3.0);
            double s, v;
            BodyTex(t, a, s, v);
            tb.Add(p, n, s, v);
        }
    }
    return tb;
}

Table MakeDorsal() {
    Table tb{"LongFin", 2, 11, {}, {}, {}, {}};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 11; ++c) {
            double t = (2.5 + c * 9.0 / 11.0) / 13.0;
            double x = BodyX(t);
            double rise =
                0.03 + 0.15 * std::pow(std::sin(kPi * std::pow((c + 0.6) / 11.6, 0.7)), 1.3);
            V3 p = r == 0 ? V3{x + 0.035, 0, BodyTop(t) + rise} : V3{x, 0, BodyTop(t)};
            tb.Add(p, {0, -1, 0}, FinU(r == 0 ? 1.0 : 0.0), 0.05 + 0.4 * c / 10.0);
        }
    }
    return tb;
}

Table MakeAnal() {
    Table tb{"FinE", 2, 6, {}, {}, {}, {}};
    const double depth[6] = {0.06, 0.09, 0.1, 0.095, 0.08, 0.05};
    for (int r = 0; r < 2; ++r) {
        for (int k = 0; k < 6; ++k) {
            double t = (6 + k) / 13.0;
            double x = BodyX(t);
            V3 p = r == 0 ? V3{x, 0, BodyBottom(t) + 0.012}
                          : V3{x + 0.035, 0, BodyBottom(t) - depth[k]};
            tb.Add(p, {0, -1, 0}, FinU(r == 0 ? 0.0 : 1.0), 0.05 + 0.4 * k / 5.0);
        }
    }
    return tb;
}

Table MakeTail() {
    Table tb{"TailFin", 2, 6, {}, {}, {}, {}};
    const double edgeX[6] = {0.6, 0.53, 0.47, 0.47, 0.53, 0.59};
    const double edgeZ[6] = {0.175, 0.105, 0.04, -0.03, -0.095, -0.16};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 6; ++c) {
            double v = Inset(1.0 - 0.5 * c / 5.0, 0.5, 1, 0.5 + kInsetV, 1 - kInsetV);
            V3 p = r == 0 ? V3{0.29, 0, 0.03 - 0.055 * c / 5.0} : V3{edgeX[c], 0, edgeZ[c]};
            tb.Add(p, {0, -1, 0}, FinU(r == 0 ? 0.0 : 1.0), v);
        }
    }
    return tb;
}

Table MakeStreamer() {
    // A long narrow ventral fin, root column 0 under the chest, trailing back and down.
    Table tb{"FinD", 2, 15, {}, {}, {}, {}};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 15; ++c) {
            double a = c / 14.0;
            double t = 0.3;
            V3 root{BodyX(t), -0.012, BodyBottom(t) + 0.01};
            V3 p = root + V3{0.30 * a, -0.02 * a, -0.09 * a - 0.05 * a * a};
            double width = 0.035 * (1.0 - a) + 0.006;
            if (r == 1)
                p = p + V3{-width * 0.5, 0, -width};
            tb.Add(p, Norm({0, -1, -0.3}), FinU(a), r == 0 ? 0.3 : 0.45);
        }
    }
    return tb;
}

Table MakeEye(const char* name) {
    Table tb{name, 3, 9, {}, {}, {}, {}};
    V3 centre = Body(kEyeT, kEyeA), n = BodyNormal(kEyeT, kEyeA);
    V3 t1 = Norm(Body(kEyeT + 1e-3, kEyeA) - Body(kEyeT - 1e-3, kEyeA));
    V3 t2 = Norm(Cross(n, t1));
    if (t2.z < 0)
        t2 = t2 * -1.0;
    // Skin units per model unit around the eye, so the disc shows the eye painted beneath it.
    const double du = 0.75 / (kTailX - kNoseX);
    double arc = std::sqrt(Dot(Body(kEyeT, kEyeA + 1e-3) - Body(kEyeT, kEyeA - 1e-3),
                               Body(kEyeT, kEyeA + 1e-3) - Body(kEyeT, kEyeA - 1e-3))) /
                 2e-3;
    const double dv = 1.0 / kPi / arc;
    double s0, v0;
    BodyTex(kEyeT, kEyeA, s0, v0);
    for (int r = 0; r < 3; ++r) {
        for (int k = 0; k < 9; ++k) {
            double ang = 2 * kPi * (k % 8) / 8.0, rho = kEyeRadius * kEyeRing[r];
            V3 off = t1 * (rho * std::cos(ang)) + t2 * (rho * std::sin(ang));
            V3 p = centre + n * kEyeBulge[r] + off;
            V3 nn = Norm(n + off * (4.0 * r / 2.0 / kEyeRadius * 0.25));
            tb.Add(p, nn, s0 + du * rho * std::cos(ang), v0 + dv * rho * std::sin(ang));
        }
    }
    return tb;
}

void Emit(const Table& tb) {
    int count = tb.rows * tb.cols;
    std::printf("\nconst float kFish%sV[%d][3] = {\n", tb.name.c_str(), count);
    for (int i = 0; i < count; ++i) {
        std::printf("    {%.6ff, %.6ff, %.6ff},\n", tb.v[i].x, tb.v[i].y, tb.v[i].z);
    }
    std::printf("};\nconst float kFish%sN[%d][3] = {\n", tb.name.c_str(), count);
    for (int i = 0; i < count; ++i) {
        std::printf("    {%.5ff, %.5ff, %.5ff},\n", tb.n[i].x, tb.n[i].y, tb.n[i].z);
    }
    std::printf("};\nconst float kFish%sT[%d][2] = {\n", tb.name.c_str(), count);
    for (int i = 0; i < count; ++i)
        std::printf("    {%.5ff, %.5ff},\n", tb.s[i], tb.t[i]);
    std::printf("};\n");
}

}  // namespace

int main() {
    const double chestT = 0.27;
    std::vector<Table> tables = {
        MakeBody(),
        // Pelvic fins under the chest, sweeping back and out.
        MakePaired("FinA", 4, 4, Body(chestT, kPi * 0.92), Body(chestT + 0.06, kPi * 0.95),
                   Body(chestT + 0.14, kPi) + V3{0, -0.05, -0.07},
                   Body(chestT + 0.2, kPi) + V3{0, -0.045, -0.035}, false, {0, -0.4, -1}),
        MakeGillCover(),
        MakeDorsal(),
        // Pectoral fins behind the gill cover, column 7 at the root, column 0 the tip.
        MakePaired("FinC", 2, 8, Body(0.25, kPi * 0.56), Body(0.26, kPi * 0.66),
                   Body(0.36, kPi * 0.6) + V3{0.02, -0.1, 0.0},
                   Body(0.40, kPi * 0.7) + V3{0.02, -0.09, -0.03}, true, {0, -1, -0.3}),
        MakeStreamer(),
        MakeAnal(),
        MakeTail(),
        MakeEye("DiscA"),
        MakeEye("DiscB"),
    };
    std::printf(
        "// Generated by tools/fishshape/fishshape.cpp; change the shape there and regenerate.\n"
        "#include \"fish/FishShape.h\"\n\nnamespace {\n");
    for (const Table& tb : tables)
        Emit(tb);
    std::printf("}  // namespace\n\n");
    for (const Table& tb : tables) {
        std::printf("const FishPartTable g_fish%s = {%d, %d, kFish%sV, kFish%sN, kFish%sT};\n",
                    tb.name.c_str(), tb.rows, tb.cols, tb.name.c_str(), tb.name.c_str(),
                    tb.name.c_str());
    }
    return 0;
}
