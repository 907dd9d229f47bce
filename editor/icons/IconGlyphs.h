#pragma once
// The glyphs of the editor's icons as data: each is a short list of drawing primitives on
// a 16 x 16 grid (y down). Strokes of odd width sit on half units so they fall on whole
// pixels at 16 px.
#include <QRgb>
#include <QString>
#include <vector>

namespace tarnwick::icons {

enum TGlyphOp {
  goRect,      // X Y W H
  goRound,     // X Y W H Radius
  goEllipse,   // X Y W H
  goLine,      // X1 Y1 X2 Y2
  goPolyline,  // X Y pairs, open
  goPolygon,   // X Y pairs, closed
  goPath,      // commands: 0 X Y (move), 1 X Y (line), 2 CX CY R Start Sweep (arc, degrees,
               // counter-clockwise on screen from three o'clock)
  goText       // X Y W H: the text centred in the box, H its pixel height
};

enum TGlyphFlag {
  gfHeadStart = 1,  // an arrow head at the first point of a line, polyline or path
  gfHeadEnd = 2,    // ... and at the last one
  gfDashed = 4,
  gfBold = 8,
  gfItalic = 16,
  gfSerif = 32,
  gfRoundCap = 64
};

// No pen or no fill.
constexpr QRgb None = 0;
// The colour of outlines and letters; painted in the palette's text colour where the
// palette is dark, so the icons stay visible on a dark theme.
constexpr QRgb Ink = 0xFF3D3D3D;

struct TGlyphPrim {
  TGlyphOp Op;
  std::vector<double> P;
  QRgb Pen = None;
  QRgb Fill = None;
  double Width = 1;
  int Flags = 0;
  QString Text;
  QRgb Fill2 = None;  // with a fill: a gradient from Fill (left) to Fill2 (right)
};

using TGlyph = std::vector<TGlyphPrim>;

struct TGlyphEntry {
  QString Name;
  TGlyph Glyph;
};

// The table, built once.
const std::vector<TGlyphEntry>& GlyphTable();
// The glyph of a name, or nullptr.
const TGlyph* FindGlyph(QStringView AName);

}  // namespace tarnwick::icons
