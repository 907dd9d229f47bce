#pragma once
// The vocabulary of block outlines: the shape, bitmap and picture modes, the hit test on an
// outline polygon, and the size-handle cursors that turn with the block. The outline of
// each shape is in BlockOutline.h.
#include "geometry/Dot.h"
#include "platform/core/Colors.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

enum TBlockShape { bsNoShape, bsRectangle, bsEllipse, bsRoundRect, bsDiamond, bsSquareRound };
enum TBitmapMode { bmStretch, bmCenter, bmTile };
enum TPictureMode { pmStretch, pmCenter, pmTile, pmStretchProportional };

const TEnumTypeInfo& BlockShapeType();
const TEnumTypeInfo& BitmapModeType();
const TEnumTypeInfo& PictureModeType();

// The cursor of size handle AData (1..8) for a block turned by AAngle degrees: each 45
// degrees moves every handle one entry on in the cursor cycle. Other handles get crDefault.
TCursor SizeHandleCursor(int AData, double AAngle) noexcept;

// Even-odd test of P against the closed polygon APts, whose vertices are rounded to
// integers first, as the canvas would draw them.
bool PointInPolygon(const TDotArray& APts, TDot P) noexcept;

}  // namespace tarnwick
