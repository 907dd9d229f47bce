#pragma once
// Painting text cells on the legacy canvas: the text itself (laid out by LayoutText with
// the canvas font's measures) and a whole cell with its frame and painted-rectangle
// bookkeeping. The control's DrawTextCell and DrawTextCells are these.
#include <QString>

#include "diagram/model/TextLayout.h"

namespace tarnwick {

class TCanvas;
class TFont;
class TTextCell;

struct TCellTextParams {
  TSquare Rect;         // canvas pixels
  TDot RotationCenter;  // canvas pixels
  double Angle = 0.0;   // degrees, clockwise on the screen
  TAlignment Alignment = taCenter;
  TVertAlign VertAlign = vaTop;
  bool WordWrap = true;
  bool Clip = false;
  // Multiplies the font size (the diagram's zoom ratio).
  double FontScale = 1.0;
};

// The escapement of a font turned clockwise by AAngle degrees: tenths of a degree,
// counter-clockwise, in [0, 3600].
int TextEscapement(double AAngle);

// Lays out AText with AFont (scaled) on ACanvas and, when ADraw is set, draws it in the
// font's colour. Returns the painted rectangle (Rect when nothing was laid out).
TSquare DrawCellText(TCanvas* ACanvas, TFont* AFont, const QString& AText, const TCellTextParams& AParams,
                     bool ADraw = true);

// Paints ACell of its control on ACanvas. ABlockCenter (diagram units) is the rotation
// centre for blocks: the centre of their bounds; without it the cell's own centre is used.
void DrawTextCell(TCanvas* ACanvas, TTextCell* ACell, const TDot* ABlockCenter = nullptr);
// Every visible cell of AControl except AEditing (the cell open in the in-place editor),
// with a clear brush; the brush is restored afterwards.
void DrawTextCells(TCanvas* ACanvas, TDiagramControl* AControl, const TDot* ABlockCenter = nullptr,
                   TTextCell* AEditing = nullptr);

}  // namespace tarnwick
