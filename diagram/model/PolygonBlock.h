#pragma once
// Polygon blocks: a free polygon drawn vertex by vertex with the mouse. Every vertex has a
// stretch handle of its own; the block's size, rotate and rotation-centre handles work on
// the polygon as a whole. The block's bounds and original rectangle are always the
// bounding box of the vertices, and the polygon is shown turned by the block's angle about
// the centre of that box. Unlike other blocks, the rotation centre is an offset in diagram
// units from the top-left corner of the bounds.
#include "diagram/model/CustomBlock.h"
#include "diagram/model/PolygonPoints.h"

namespace tarnwick {

class TCustomPolygonBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TCustomPolygonBlock)

 public:
  explicit TCustomPolygonBlock(TComponent* AOwner);
  ~TCustomPolygonBlock() override;
  void BeforeDestruction() override;

  TPolygonPoints* GetPolygon() const { return FPolygon.get(); }
  TColor GetPointColor() const { return FPointColor; }
  void SetPointColor(TColor Value);
  // Brings the geometry in line with the vertices (the argument is not used); the bounds
  // stay as they are.
  void ChangePolygon(TPolygonPoints* APolygon);
  // The preview vertices of a shape-style drag; a group hands its members theirs.
  TPolygonPoints* GetCursorPolygon() const { return FCursorPolygon.get(); }

  // The segments between the vertices placed so far, while the polygon is being drawn and
  // is not on a diagram yet: the drawing tool paints them on every repaint of its overlay.
  void DrawPlacedSegments(TCanvas* ACanvas, TdvDiagram* ADiagram);

  // ---- Overrides ----
  void EnterCursorState() override;
  void LeaveCursorState() override;
  TSquare ToOriginalRect(const TSquare& R) override;
  TSquare CellRectToDiagram(TTextCell* ACell, const TSquare& R) override;
  void UpdateMove(TControlMoveInfo& AInfo) override;
  void UpdateDraw(TControlDrawInfo& AInfo) override;
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;
  void DrawHandle(const TDiagramDrawInfo& AInfo, TStretchHandle* AHandle) override;
  TDot GetHandlePoint(TStretchHandle* AHandle) override;
  TDot GetRotationCenterPoint() override;
  void BoundsChanged(const TSquare& AOld, const TSquare& ANew) override;
  void DefaultSurroundPts(TDotArray& Pts) override;
  void BuildDrawPath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) override;
  void BuildOutlinePath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) override;
  void DrawShape(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) override;
  void NotifyHandleDestroying(TStretchHandle* AHandle) override;
  void Loaded() override;
  // Adds "Polygon", the vertices as a collection.
  void DefineProperties(TFiler* Filer) override;

 protected:
  // The rotation centre carried from the current original rectangle onto R, so that it
  // keeps its relative place in the box.
  TDot CarryRotationCenter(const TSquare& R) const;
  // Original rectangle, rotation centre and handles from the vertices; every vertex gets
  // a handle. The bounds are left alone.
  void RecalcPolygon();
  // The vertices' box becomes the bounds, then RecalcPolygon.
  void FitBoundsToPolygon();

 private:
  void ReadPolygon(TReader& R);
  void WritePolygon(TWriter& W);
  // The preview outline on the legacy canvas: dotted and inverting, in diagram units.
  void DrawPolygonOutline(TCanvas* ACanvas, const TDotArray& APoints);
  // The vertices turned by the angle with vertex AIndex moved by ADelta in that turned
  // view, then taken back into the unturned frame so that turned about their new box's
  // centre they show exactly where the user put them.
  TDotArray MovedVertex(int AIndex, TDot ADelta) const;
  TDot RotCenterForPolygonHandle(TDot ADelta);
  // Copies APoints into the vertices, then gives the vertex at each index the handle the
  // vertex of AHandles at that index had.
  void CopyPolygonKeepingHandles(TPolygonPoints* ATarget, TPolygonPoints* ASource, TPolygonPoints* AHandles);
  void DrawRubberSegment(TCanvas* ACanvas, TDiagramHost* AHost);
  bool IsVertexHandle(const TStretchHandle* AHandle) const;

  TOwned<TPolygonPoints> FPolygon;
  TOwned<TPolygonPoints> FTempPolygon;
  TOwned<TPolygonPoints> FCursorPolygon;
  TOwned<TPolygonPoints> FSavePolygon;
  TDot TempPolygonPoint;
  TColor FPointColor = 0x00FF00;
  bool FInPolygonCursorState = false;
};

class TPolygonBlock : public TCustomPolygonBlock {
  TARNWICK_CLASS(TPolygonBlock)

 public:
  using TCustomPolygonBlock::TCustomPolygonBlock;
};

}  // namespace tarnwick
