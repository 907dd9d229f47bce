#pragma once
// The vocabulary of lines: their styles, text cell modes, arc types, arrow head shapes,
// and the parameter block through which a line's handles are recomputed.
#include "diagram/model/DiagramControlTypes.h"
#include "geometry/Dot.h"

namespace tarnwick {

enum TTextCellsMode { tmSegments, tmSingle, tmManual, tmSpecific };
enum TDiagramLineStyle { lsLine, lsSideLine, lsParabolicArc, lsCircularArc, lsBezier };
enum TArcType { atParabolic, atCircular };
enum TArrowShape { asNone, asSolidArrow, asLineArrow, asDiamond, asRectangle, asEllipse, asHalfLine, asAngledDiamond };
// Why the handles are being recomputed: each style keeps or moves its inner handles
// differently for each of these.
enum TLineHandlesMode { lhmRecalc, lhmInsert, lhmMove, lhmHandle, lhmAnchors };

const TEnumTypeInfo& TextCellsModeType();
const TEnumTypeInfo& DiagramLineStyleType();
const TEnumTypeInfo& ArcTypeType();
const TEnumTypeInfo& ArrowShapeType();

struct TLineHandlesInfo {
  TDot P1;                           // source end
  TDot P2;                           // target end
  TLinkPoint* LinkPoint1 = nullptr;  // what the source is (to be) anchored to
  TLinkPoint* LinkPoint2 = nullptr;  // what the target is (to be) anchored to
  TStretchHandle* Handle = nullptr;  // the dragged handle (lhmHandle)
  TDot Delta;                        // drag offset, diagram units
  TLineHandlesMode Mode = lhmRecalc;
};

// The end segment of a line handed to an arrow head: canvas pixels on the legacy path.
struct TArrowDrawInfo {
  TDot From;
  TDot To;
  double Scale = 1.0;  // canvas pixels per diagram unit
};

}  // namespace tarnwick
