#pragma once
// The window's own published properties that documents made in a form designer carry:
// alignment, anchors, bevels, reading order, size constraints, docking and dragging,
// focus order. A running program keeps them as plain values (the application that hosts
// the diagram decides its window's geometry and state), writes them only while designing,
// and reads them from any document without complaint.
#include <algorithm>

#include "platform/core/Colors.h"
#include "platform/core/Persistent.h"
#include "platform/core/Set.h"
#include "platform/core/TypeInfo.h"
#include "platform/core/Types.h"

namespace tarnwick {

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind, uint8_t>;
enum TBevelEdge { beLeft, beTop, beRight, beBottom };
using TBevelEdges = TSet<TBevelEdge, uint8_t>;
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TDragKind { dkDrag, dkDock };
enum TDragMode { dmManual, dmAutomatic };

const TEnumTypeInfo& AlignType();
const TEnumTypeInfo& AnchorKindType();
const TEnumTypeInfo& BevelEdgeType();
const TEnumTypeInfo& BevelCutType();
const TEnumTypeInfo& BevelKindType();
const TEnumTypeInfo& BiDiModeType();
const TEnumTypeInfo& DragKindType();
const TEnumTypeInfo& DragModeType();

// The smallest and largest size the window may take; 0 is "no limit".
class TSizeConstraints : public TPersistent {
  TARNWICK_CLASS(TSizeConstraints)

 public:
  void Assign(TPersistent* Source) override;

  int GetMaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int Value) { FMaxHeight = std::max(0, Value); }
  int GetMaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value) { FMaxWidth = std::max(0, Value); }
  int GetMinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value) { FMinHeight = std::max(0, Value); }
  int GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value) { FMinWidth = std::max(0, Value); }

 private:
  int FMaxHeight = 0, FMaxWidth = 0, FMinHeight = 0, FMinWidth = 0;
};

// The values themselves, with the platform's defaults.
struct TWindowLayout {
  TAlign Align = alNone;
  TAnchors Anchors{akLeft, akTop};
  TBevelEdges BevelEdges{beLeft, beTop, beRight, beBottom};
  TBevelCut BevelInner = bvRaised;
  TBevelCut BevelOuter = bvLowered;
  TBevelKind BevelKind = bkNone;
  int BevelWidth = 1;
  TBiDiMode BiDiMode = bdLeftToRight;
  bool DockSite = false;
  TCursor DragCursor = -12;  // the platform's drag cursor
  TDragKind DragKind = dkDrag;
  TDragMode DragMode = dmManual;
  bool Enabled = true;
  bool Ctl3D = false;  // the diagram draws its own flat frame
  bool ParentBiDiMode = true;
  bool ParentBackground = false;
  bool ParentColor = false;
  bool ParentCtl3D = false;
  bool ParentShowHint = true;
  int TabOrder = -1;
  bool TabStop = false;
  bool Visible = true;
};

}  // namespace tarnwick
