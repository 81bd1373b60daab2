#pragma once

class SkinPainter;

// One painter per species skin, in slot order (see FishSpecies.cpp).
void PaintClownfish(SkinPainter& s);
void PaintNeonTetra(SkinPainter& s);
void PaintTigerBarb(SkinPainter& s);
void PaintRoyalGramma(SkinPainter& s);
void PaintGoldfish(SkinPainter& s);
void PaintGuppy(SkinPainter& s);
void PaintHarlequin(SkinPainter& s);
void PaintAngelfish(SkinPainter& s);
void PaintZebraDanio(SkinPainter& s);
void PaintDwarfGourami(SkinPainter& s);
void PaintDiscus(SkinPainter& s);
void PaintPlaty(SkinPainter& s);
void PaintBlueTang(SkinPainter& s);
void PaintYellowTang(SkinPainter& s);
void PaintMandarin(SkinPainter& s);
void PaintKoi(SkinPainter& s);
void PaintRainbowfish(SkinPainter& s);
void PaintBetta(SkinPainter& s);
void PaintBoxfish(SkinPainter& s);
void PaintOscar(SkinPainter& s);
