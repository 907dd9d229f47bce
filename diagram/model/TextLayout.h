#pragma once
// Laying out the text of a cell: splitting at line breaks, wrapping to the cell width,
// aligning horizontally and vertically and turning the line starts with the cell. It is a
// pure function of the text, the rectangle and a width measurer, so every engine lays text
// out the same way and the rules can be checked without a font.
#include <QString>
#include <functional>
#include <vector>

#include "diagram/model/DiagramControlTypes.h"
#include "geometry/Dot.h"

namespace tarnwick {

// The width of a piece of text in the units of the layout rectangle.
using TTextMeasure = std::function<double(const QString& AText)>;

struct TTextLayoutOptions {
  TAlignment Alignment = taCenter;
  TVertAlign VertAlign = vaTop;
  bool WordWrap = true;
  // Degrees, clockwise on the screen; line starts turn about RotationCenter.
  double Angle = 0.0;
  TDot RotationCenter;
};

struct TTextLayoutLine {
  QString Text;
  // Top-left corner of the line before turning, and where it lands after turning.
  TDot Origin;
  TDot Start;
  double Width = 0.0;
};

struct TTextLayout {
  std::vector<TTextLayoutLine> Lines;
  double LineHeight = 0.0;
  // The unturned boxes of all lines together; the input rectangle when no line was laid
  // out.
  TSquare Bounds;
};

// The lines of a text: CR LF, CR and LF each end a line; a break at the very end adds no
// empty line, and the empty text has no lines.
std::vector<QString> SplitTextLines(const QString& AText);

// Breaks every line to AWidth: at the last space that leaves something on the line, else
// after the longest prefix that fits. When not even one character fits, the rest of the
// cell is left unbroken.
std::vector<QString> WrapLines(const std::vector<QString>& ALines, double AWidth, const TTextMeasure& AMeasure);

TTextLayout LayoutText(const QString& AText, const TSquare& ARect, const TTextLayoutOptions& AOptions,
                       const TTextMeasure& AMeasure, double ALineHeight);

}  // namespace tarnwick
