#pragma once
#include <cmath>
// The vocabulary shared by the diagram controls and the diagram: restrictions, paint and
// insert modes, the link point and handle enumerations, the records of the control
// contract and the control-level events.
#include <functional>

#include "diagram/model/GraphicLib.h"
#include "geometry/Dot.h"
#include "platform/core/Math.h"
#include "platform/core/Set.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

class TCanvas;
class TBlockDrawer;
class TdvDiagram;
class TDiagramControl;
class TLinkPoint;
class TStretchHandle;
class TTextCell;
class TDiagramLayer;
// Engine drawing objects; the graphics layer defines them.
class TDgrBlockDrawer;
class TDgrGraphicsPath;
class TDgrCanvas;
class TDgrPaintEngine;
// Control kinds built on the base. Until they exist the diagram refers to blocks, lines
// and groups through their TDiagramControl base.
class TCustomDiagramBlock;
class TCustomDiagramLine;
class TGroupBlock;
class TSelectionBlock;

enum TControlRestriction {
  crNoMove,
  crNoResize,
  crNoRotation,
  crNoEdit,
  crNoDelete,
  crKeepRatio,
  crNoClipboard,
  crNoSelect,
  crNoRotCenterMove,
  crNoLink
};
using TControlRestrictions = TSet<TControlRestriction, uint16_t>;

enum TDControlPaintMode { pmNormal, pmNormalCursor, pmCursorOnly };
enum TInsertStyle { isInsert, isDraw };
enum TAnchorChange { acPosition, acRemoval };

enum TAnchorOrientation { aoNone, aoHorz, aoVert, aoUp, aoDown, aoLeft, aoRight };
enum TLinkConstraint { lcAll, lcSourceOnly, lcTargetOnly, lcNone };
enum TLinkPointStyle { ptNone, ptEllipse, ptRectangle, ptDiamond, ptCross, ptImplicit };

enum THandleStyle { hsSize, hsRotate, hsRotCenter, hsCustom };
enum THandleAppearanceStyle { hhRectangle, hhEllipse, hhDiamond, hhCrossedEllipse, hhRectangleX, hhEllipseX };

// Settings of the diagram that the controls consult.
enum TDiagramHandlesStyle { hsClassic, hsVisio };
enum TDiagramDesignMode { ddmEditable, ddmNonEditable };


enum TControlMoveAction { caEraseCursor, caDrawCursor, caMoved, caPositionCursor };
enum THandleMoveAction { haEraseCursor, haDrawCursor, haMoved, haPositionCursor };
enum TControlInsertAction { iaEraseCursor, iaDrawCursor, iaInserted };
enum TControlDrawAction { daEraseCursor, daDrawCursor, daStart, daStep, daInserted };

const TEnumTypeInfo& ControlRestrictionType();
const TEnumTypeInfo& AnchorOrientationType();
const TEnumTypeInfo& LinkConstraintType();
const TEnumTypeInfo& LinkPointStyleType();
const TEnumTypeInfo& HandleStyleType();
const TEnumTypeInfo& DiagramHandlesStyleType();
const TEnumTypeInfo& DiagramDesignModeType();
const TEnumTypeInfo& AlignmentType();
const TEnumTypeInfo& VertAlignType();
const TEnumTypeInfo& InsertStyleType();

// Records of the control contract: plain values whose object members are borrowed.
struct TDiagramDrawInfo {
  TCanvas* Canvas = nullptr;
  TBlockDrawer* Drawer = nullptr;
  TDgrBlockDrawer* DgrDrawer = nullptr;  // null under dglGDI
};

struct TDiagramDrawBlockInfo {
  TSquare Rect;  // canvas pixels
  double Angle = 0.0;
};

struct TControlMoveInfo {
  TCanvas* Canvas = nullptr;
  TStretchHandle* AHandle = nullptr;
  TControlMoveAction Action = caEraseCursor;
  TLinkPoint* AnchorPoint = nullptr;
  TLinkPoint* LinkPoint = nullptr;
  TDot Delta;
};

struct THandleMoveInfo {
  TCanvas* Canvas = nullptr;
  TStretchHandle* AHandle = nullptr;
  THandleMoveAction Action = haEraseCursor;
  TLinkPoint* AnchorPoint = nullptr;
  TDiagramControl* DControl = nullptr;
  TDot Delta;
};

struct TControlInsertInfo {
  TdvDiagram* Diagram = nullptr;
  TCanvas* Canvas = nullptr;
  TControlInsertAction Action = iaEraseCursor;
  TLinkPoint* AnchorPoint1 = nullptr;
  TLinkPoint* AnchorPoint2 = nullptr;
  TDiagramControl* DControl = nullptr;
  TDot P1;
  TDot P2;
  bool Clicked = false;
};

struct TControlDrawInfo {
  TdvDiagram* Diagram = nullptr;
  TCanvas* Canvas = nullptr;
  TControlDrawAction Action = daEraseCursor;
  TLinkPoint* AnchorPoint1 = nullptr;
  TLinkPoint* AnchorPoint2 = nullptr;
  TDiagramControl* DControl = nullptr;
  TDot P1;
  TDot P2;
};

// A line's link point was anchored to (or detached from) a link point of ADControl. ALink
// is the line's control.
using TDControlLinkEvent =
    std::function<void(TDiagramControl* ADControl, TDiagramControl* ALink, TLinkPoint* ALinkPoint)>;

// One coordinate put on a grid of the given size; a size that is not positive leaves the
// coordinate alone (and so can never divide by zero).
inline double SnapCoordinate(double Value, double Size) noexcept {
  if (!(Size > 0)) return Value;
  // A grid step so fine that the position has more steps than the rounding can count
  // leaves the position alone rather than collapsing it to the saturated count.
  const double steps = Value / Size;
  if (!(std::fabs(steps) < 2147483647.0)) return Value;
  return Round(steps) * Size;
}

}  // namespace tarnwick
