#pragma once
// TCustomDiagramLine: a control that connects two places. Its stretch handles are the
// points the user drags; from them it computes Points, the polyline it paints and
// hit-tests, in a way that depends on its LineStyle (straight, orthogonal side line,
// arc, Bezier curve). Its two link points are its ends: they anchor to link points of
// other controls, and the line follows those when they move.
#include "diagram/lines/LineArrow.h"
#include "diagram/lines/LineEngineTools.h"
#include "diagram/lines/LineTypes.h"
#include "diagram/model/DiagramControl.h"

namespace tarnwick {

class TPen;

class TCustomDiagramLine : public TDiagramControl {
  TARNWICK_CLASS(TCustomDiagramLine)

 public:
  explicit TCustomDiagramLine(TComponent* AOwner);
  ~TCustomDiagramLine() override;
  void BeforeDestruction() override;

  bool IsLine() const override { return true; }
  bool GetRequiresConnections() const override { return FRequiresConnections; }
  void SetRequiresConnections(bool Value) { FRequiresConnections = Value; }

  // ---- Geometry ----
  TDiagramLineStyle GetLineStyle() const { return FLineStyle; }
  void SetLineStyle(TDiagramLineStyle Value);
  // The polyline as last computed from the handles.
  const TDotArray& GetPoints() const { return FPoints; }
  TStretchHandle* GetSourceHandle() const;
  TStretchHandle* GetTargetHandle() const;
  TLinkPoint* GetSourceLinkPoint() const;
  TLinkPoint* GetTargetLinkPoint() const;
  TAnchorOrientation GetOrientation1() const { return FOrientation1; }
  void SetOrientation1(TAnchorOrientation Value);
  TAnchorOrientation GetOrientation2() const { return FOrientation2; }
  void SetOrientation2(TAnchorOrientation Value);
  bool GetRecalcIntermediateArcHandles() const { return FRecalcIntermediateArcHandles; }
  void SetRecalcIntermediateArcHandles(bool Value) { FRecalcIntermediateArcHandles = Value; }
  int GetMinSideLineSegmentLength() const { return FMinSideLineSegmentLength; }

  // ---- Appearance ----
  TPen* GetPen() const { return FPen.get(); }
  void SetPen(TPen* Value);
  TPen* GetSelPen() const { return FSelPen.get(); }
  void SetSelPen(TPen* Value);
  // SelPen while selected, else Pen.
  TPen* CurrentPen() const;
  TLineArrow* GetSourceArrow() const { return FSourceArrow.get(); }
  void SetSourceArrow(TLineArrow* Value);
  TLineArrow* GetTargetArrow() const { return FTargetArrow.get(); }
  void SetTargetArrow(TLineArrow* Value);
  // The pen and brush this line and its heads last put on the engine canvas.
  TLineEngineTools& EngineTools() { return FEngineTools; }

  // ---- Text cells ----
  TTextCellsMode GetTextCellsMode() const { return FTextCellsMode; }
  void SetTextCellsMode(TTextCellsMode AMode);
  TTextCell* GetCenterTextCell() const { return FCenterTextCell; }
  TTextCell* GetSourceTextCell() const { return FSourceTextCell; }
  TTextCell* GetTargetTextCell() const { return FTargetTextCell; }
  TTextCell* GetAltSourceTextCell() const { return FAltSourceTextCell; }
  TTextCell* GetAltTargetTextCell() const { return FAltTargetTextCell; }
  int GetCenterTextCellOffset() const { return FCenterTextCellOffset; }
  void SetCenterTextCellOffset(int Value);
  // The stored rule of TextCells: without a diagram, with a diagram that keeps empty
  // cells, or when some cell has text.
  bool IsTextCellsStored() const;

  // ---- Operations ----
  // Ensures two link points and two handles, then rebuilds the handles for the style.
  void RecalcHandles();
  void EnsureLinkPoints();
  void EnsureHandles();
  // Side lines: the orientations of the last route's first and last leg.
  void RefreshOrientations();

  // ---- Virtual operations introduced by lines ----
  virtual void PenChanged() {}
  virtual void SelPenChanged() {}
  virtual void DrawLinePath(const TDiagramDrawInfo& AInfo, TStretchHandles* AHandles, bool AWithArrows);
  virtual void UpdateTextCells();
  virtual void CalcHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo);
  virtual void CalcPoints(TStretchHandles* AHandles);
  virtual void UpdateFromAnchors();
  virtual const TClassInfo& LineArrowClass() const { return TLineArrow::StaticClassInfo(); }

  // ---- The control contract ----
  void NotifyTextCellDestroying(TTextCell* ACell) override;
  TLinkPoint* HandleLinkPoint(TStretchHandle* AHandle) override;
  void EnterCursorState() override;
  void LeaveCursorState() override;
  void HandlesChanged() override;
  void AnchorLinkChanged(TLinkPoint* ALinkPoint) override;
  void LinkedAnchorChanged(TLinkPoint* ALinkPoint, TAnchorChange AChange) override;
  void Draw(const TDiagramDrawInfo& AInfo) override;
  bool PointInControl(TPoint Pos) override;
  void MoveBy(double ADeltaX, double ADeltaY) override;
  TSquare ControlRect() override;
  TSquare SurroundRect() override { return ControlRect(); }
  void StartMove() override;
  void UpdateMove(TControlMoveInfo& AInfo) override;
  void UpdateInsert(TControlInsertInfo& AInfo) override;
  void UpdateDraw(TControlDrawInfo&) override {}
  void StartResize() override;
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;
  TDot GetLinkPointPoint(TLinkPoint* ALinkPoint) override;
  void DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) override;
  void SelectedChanged() override { Redraw(); }

  // ---- Streaming ----
  void Loaded() override;
  // "Handles" and then "LinkPoints", always.
  void DefineProperties(TFiler* Filer) override;

 protected:
  // The handles painting and hit testing use: the drag preview while the diagram shows
  // the line in its cursor state, else the real ones.
  TStretchHandles* ActiveHandles() const;
  TStretchHandles* GetTempHandles() const { return FTempHandles.get(); }
  // The drag preview: inverted and dotted on the canvas, so drawing it twice erases it.
  void DrawOutline(TCanvas* ACanvas, TStretchHandles* AHandles);
  // The engine path of DrawLinePath: the polyline in diagram units through the engine
  // drawer, which the pass's engine transform takes to the canvas.
  virtual void DrawLinePathEngine(const TDiagramDrawInfo& AInfo, TStretchHandles* AHandles, bool AWithArrows);
  void DrawLinePathCanvas(const TDiagramDrawInfo& AInfo, bool AWithArrows);
  // The handles after a move (lhmMove) or a drag of one handle, computed into the
  // preview copy, for the diagram's live drag style and for tests.
  void CalcTempHandles(const TLineHandlesInfo& AInfo);
  void DrawArrows(const TDiagramDrawInfo& AInfo);

  TDotArray FPoints;
  TDiagramLineStyle FLineStyle = lsLine;

 private:
  // The styles' rules (LineStyles.cpp).
  void CalcLineHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo);
  void CalcSideLineHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo);
  void CalcArcHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo);
  void CalcBezierHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo);
  void CalcSideLinePoints(TStretchHandles* AHandles);
  void CalcArcPoints(TStretchHandles* AHandles);
  void CalcBezierPoints(TStretchHandles* AHandles);
  // Text cells (CustomLineCells.cpp).
  void PlaceCenterCell(TTextCell* ACell);
  void PlaceEndCell(TTextCell* ACell, TDot Q, bool ARightCorner, TDot E);
  TTextCell* NewCell();
  // Crossing hops of side lines (CustomLinePaint.cpp).
  void CollectHops(int ASegment, TDotArray& AHops);
  // FPoints with the crossing hops of side lines put into their segments: what is painted.
  TDotArray PaintedPoints();
  void ReadHandles(TReader& R);
  void WriteHandles(TWriter& W);
  void ReadLinkPoints(TReader& R);
  void WriteLinkPoints(TWriter& W);
  TLineHandlesInfo AnchorsInfo(TLineHandlesMode AMode) const;
  bool Following() const;

  TOwned<TPen> FPen;
  TOwned<TPen> FSelPen;
  TOwned<TLineArrow> FSourceArrow;
  TOwned<TLineArrow> FTargetArrow;
  TTextCellsMode FTextCellsMode = tmSingle;
  bool FRequiresConnections = false;
  TTextCell* FCenterTextCell = nullptr;
  TTextCell* FSourceTextCell = nullptr;
  TTextCell* FTargetTextCell = nullptr;
  TTextCell* FAltSourceTextCell = nullptr;
  TTextCell* FAltTargetTextCell = nullptr;
  TAnchorOrientation FOrientation1 = aoNone;
  TAnchorOrientation FOrientation2 = aoNone;
  bool FRecalcIntermediateArcHandles = true;
  int FMinSideLineSegmentLength = 10;
  int FCenterTextCellOffset = 10;
  TOwned<TStretchHandles> FTempHandles;
  bool FInCursorState = false;
  bool FUpdatingCells = false;
  TLineEngineTools FEngineTools;
  // The points the temporary engine path holds, so an unchanged line is not rebuilt.
  TDotArray FEnginePathPoints;
};

}  // namespace tarnwick
