#pragma once

// The per-species shaping inside three fin parts of the body model. Pure functions of the
// species slot (0..19) and the fish's size S.

// Long fin: height factor f and the edge offset o[c] of each of its 11 columns.
void LongFinProfile(int species, float size, float& f, float o[11]);

// Fin E: height f, length g, edge lift U[k] and shift D[k] of its six columns.
struct FinEProfile {
    float f = 1.0f;
    float g = 1.0f;
    float u[6] = {};
    float d[6] = {};
};
void FinEProfileFor(int species, float size, FinEProfile& p);

// Tail fin: column c joins root vertex c / divisor to edge vertex c.
int TailFanDivisor(int species);
// Species whose tail is drawn a second time as a lower lobe.
bool TailHasLowerLobe(int species);
// Stretch of the last column (x of both vertices, or x or z of the edge vertex).
void TailLastColumn(int species, bool edgeVertex, float& x, float& z);
