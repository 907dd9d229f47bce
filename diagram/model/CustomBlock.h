#pragma once
// TCustomDiagramBlock: the base of every shape a user places in a diagram. A rectangle in
// diagram units turned by an angle about its centre, with an outline, fill, pattern brush,
// gradient, shadow and pictures, a default text cell, ten stretch handles and link points.
// Block sets derive from it and state their outline once (BuildOutline): the legacy
// canvas, the engines, hit testing and clipping all follow from it. They may still change
// the painting (DrawBlock, DrawShape) or the parts they create.
#include <QPainterPath>
#include <QString>
#include <array>

#include "diagram/model/BlockOutline.h"
#include "diagram/model/BlockShapes.h"
#include "diagram/model/DiagramControl.h"
#include "graphics/DgrGraphic.h"

namespace tarnwick {

class TBitmap;
class TBlockShadow;
class TDiagramGradient;
class TMetafile;
class TPicture;
class TStringList;
class TStrings;
class TGraphic;
class TBlockPaintBackEnd;

class TCustomDiagramBlock : public TDiagramControl {
  TARNWICK_CLASS(TCustomDiagramBlock)

 public:
  explicit TCustomDiagramBlock(TComponent* AOwner);
  ~TCustomDiagramBlock() override;
  void BeforeDestruction() override;

  // ---- Bounds ----
  double GetLeft() const { return FLeft; }
  void SetLeft(double Value);
  double GetTop() const { return FTop; }
  void SetTop(double Value);
  double GetWidth() const { return FWidth; }
  void SetWidth(double Value);
  double GetHeight() const { return FHeight; }
  void SetHeight(double Value);
  double GetRight() const { return FLeft + FWidth; }
  double GetBottom() const { return FTop + FHeight; }
  TSquare GetBoundsRect() const { return TSquare{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  // No normalisation and no minimum: callers that resize by hand apply those.
  void SetBoundsRect(const TSquare& R);

  // ---- Angle and rotation centre ----
  // Brought into [0, 360) before it is stored.
  void SetAngle(double Value) override;
  int GetRotationStep() const { return FRotationStep; }
  void SetRotationStep(int Value);
  // Percent of the bounds on both axes; (50, 50) is the centre.
  TDot GetRotationCenter() const { return FRotCenter; }
  void SetRotationCenter(TDot Value);
  bool GetHorizontalFlip() const { return FHorizontalFlip; }
  void SetHorizontalFlip(bool Value);
  bool GetVerticalFlip() const { return FVerticalFlip; }
  void SetVerticalFlip(bool Value);

  // ---- Appearance ----
  TBlockShape GetShape() const { return FShape; }
  void SetShape(TBlockShape Value);
  double GetCornerRadius() const { return FCornerRadius; }
  void SetCornerRadius(double Value);
  TBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value);
  // Made on first use: only a selected block paints with it.
  TBrush* GetSelBrush() const;
  void SetSelBrush(TBrush* Value);
  TPen* GetPen() const { return FPen.get(); }
  void SetPen(TPen* Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  TColor GetSelColor() const { return FSelColor; }
  void SetSelColor(TColor Value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool GetClipText() const { return FClipText; }
  void SetClipText(bool Value);
  int GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  int GetMinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value);
  bool GetShapeCursor() const { return FShapeCursor; }
  void SetShapeCursor(bool Value) { FShapeCursor = Value; }
  TBlockShadow* GetShadow() const { return FShadow.get(); }
  void SetShadow(TBlockShadow* Value);
  TDiagramGradient* GetGradient() const { return FGradient.get(); }
  void SetGradient(TDiagramGradient* Value);

  // ---- Pictures ----
  // Each graphic is made on first use: most blocks never have one, and a block is small.
  TBitmap* GetBitmap() const;
  void SetBitmap(TBitmap* Value);
  TBitmapMode GetBitmapMode() const { return FBitmapMode; }
  void SetBitmapMode(TBitmapMode Value);
  bool GetBitmapTransparent() const;
  void SetBitmapTransparent(bool Value);
  TMetafile* GetMetafile() const;
  void SetMetafile(TMetafile* Value);
  TPicture* GetPicture() const;
  void SetPicture(TPicture* Value);
  TPictureMode GetPictureMode() const { return FPictureMode; }
  void SetPictureMode(TPictureMode Value);

  // ---- Views of the default text cell ----
  // A list kept in step with the default cell's text; editing it rewrites the cell.
  TStrings* GetStrings();
  void SetStrings(TStrings* Value);
  TAlignment GetAlignment();
  void SetAlignment(TAlignment Value);
  TVertAlign GetVertAlign();
  void SetVertAlign(TVertAlign Value);
  bool GetWordWrap();
  void SetWordWrap(bool Value);
  bool GetRotateFont();
  void SetRotateFont(bool Value);
  void SetLinkPoints(TLinkPoints* Value);

  // ---- Non-virtual operations ----
  void UpdateBlockHandles();
  // Paints the block at its angle into ARect of any canvas (palette glyphs, previews).
  void DrawBlockInCanvas(TCanvas* Canvas, const TRect& ARect);
  // The outline polygon in diagram units (empty for an engine-drawn block without one).
  void GetSurroundPts(TDotArray& Pts);
  // Restricts the painter's clip to the outline (canvas pixels) / restores it.
  void ClipToBlock(const TDiagramDrawInfo& AInfo);
  void UnclipBlock(const TDiagramDrawInfo& AInfo);

  // ---- Steps of a drag, also used by the diagram's keyboard and tests ----
  TSquare ResizeRectForHandle(TStretchHandle* AHandle, TDot Delta);
  double AngleForHandle(TStretchHandle* AHandle, TDot Delta);
  TSquare RotatedBoundsForHandle(TStretchHandle* AHandle, TDot Delta);
  TDot RotCenterForHandle(TStretchHandle* AHandle, TDot Delta);
  // The drag preview geometry; a group hands its own preview on to its members.
  TSquare GetCursorRect() const { return FCursorRect; }
  double GetCursorAngle() const { return FCursorAngle; }
  TDot GetCursorRotCenter() const { return FCursorRotCenter; }
  void SetCursorGeometry(const TSquare& ARect, double AAngle, TDot ARotCenter);

  // ---- Virtual operations of blocks ----
  virtual void StringsChanged();
  virtual TDot GetRotationCenterPoint();
  virtual void PenChanged() {}
  virtual void BoundsChanged(const TSquare& AOld, const TSquare& ANew);
  virtual void AfterBoundsChange() {}
  virtual void MouseEnterHook() {}
  virtual void MouseLeaveHook() {}
  // The block's outline as figures in its original rectangle: by Shape here; a block class
  // with an outline of its own overrides this alone.
  virtual void BuildOutline(TOutlineSink& AOutline);
  virtual void DefaultSurroundPts(TDotArray& Pts);
  // The outline as an engine path in diagram units, and the same with the bounds
  // rectangle for a block without an outline.
  virtual void BuildDrawPath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer);
  virtual void BuildOutlinePath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer);
  virtual void DrawCursor(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo);
  // The drag preview of the block at ARect (diagram units) turned by AAngle; nothing
  // without a canvas.
  void DrawCursorAt(TCanvas* ACanvas, const TSquare& ARect, double AAngle);
  virtual void DrawShape(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo);
  virtual void DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo);

  // ---- The control contract ----
  TSquare ToOriginalRect(const TSquare& R) override;
  TSquare CellRectToDiagram(TTextCell* ACell, const TSquare& R) override;
  void SetupDrawer(TBlockDrawer* ADrawer) override;
  void SetupDgrDrawer(TDgrBlockDrawer* ADrawer) override;
  void Draw(const TDiagramDrawInfo& AInfo) override;
  bool PointInControl(TPoint Pos) override;
  TSquare ControlRect() override;
  TSquare SurroundRect() override;
  void MoveBy(double ADeltaX, double ADeltaY) override;
  void UpdateMove(TControlMoveInfo& AInfo) override;
  void UpdateInsert(TControlInsertInfo& AInfo) override;
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;
  void DrawHandles(const TDiagramDrawInfo& AInfo) override;
  TDot GetHandlePoint(TStretchHandle* AHandle) override;
  TDot GetLinkPointPoint(TLinkPoint* ALinkPoint) override;
  void SyncAngle() override;
  void EnterCursorState() override;
  void LeaveCursorState() override;
  void DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) override;
  void SelectedChanged() override;
  void SnapToGrid(double ASizeX, double ASizeY) override;
  void HandlesChanged() override {}
  void AnchorLinkChanged(TLinkPoint*) override {}
  void LinkedAnchorChanged(TLinkPoint*, TAnchorChange) override {}
  void StartMove() override {}
  void StartResize() override {}
  void UpdateDraw(TControlDrawInfo&) override {}

  // ---- Streaming ----
  void Loaded() override;
  // Adds "CollapsedNodes" (see CollapsedNodes.cpp for the form).
  void DefineProperties(TFiler* Filer) override;

 protected:
  // Stores the bounds without BoundsChanged (a group derived from its members must not
  // scale them back); the block is repainted.
  void SetBoundsQuietly(const TSquare& R);
  // The preview geometry of a shape-style drag.
  double FCursorAngle = 0.0;
  TSquare FCursorRect;
  TDot FCursorRotCenter{50, 50};

 private:
  // The drawer that maps the original rectangle onto ABounds turned by AAngle about the
  // centre of ABounds; diagram units.
  bool HandlesNeedLayout(TdvDiagram* ADiagram) const;
  void SetPlacement(double ALeft, double ATop, double AWidth, double AHeight);
  void FrameFor(TBlockDrawer& D, const TSquare& ABounds, double AAngle) const;
  TDot MapOriginal(TDot P) const;
  // The body in its one order (shadow, fill, gradient, pattern, pictures, outline) on
  // either back end (BlockPaintSequence.h).
  void PaintBody(TBlockPaintBackEnd& ABackEnd);
  friend class TCanvasBlockPainter;
  friend class TEngineBlockPainter;
  void PaintGradient(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo);
  // The published getters of the graphics: while the block is written, a graphic never
  // made is left out (it would be empty); otherwise the graphic, made when needed.
  TBitmap* StreamedBitmap() const;
  TMetafile* StreamedMetafile() const;
  TPicture* StreamedPicture() const;
  bool IsWriting() const { return GetComponentState().Contains(csWriting); }
  void ReadCollapsedNodes(TReader& R);
  void WriteCollapsedNodes(TWriter& W);
  void ReadCollapsedNodesEx(TReader& R);
  void WriteCollapsedNodesEx(TWriter& W);
  bool AnyCollapsed(int AFrom, int ATo) const;
  void Modify();
  // An engine paints this block: it asks for one and can have its engine drawer (made on
  // the first paint or hit test that needs it, not by this question).
  bool EngineDraws() const { return HasDgrDrawer(); }
  // The outline polygon the legacy canvas draws, whatever engine the block uses: a block
  // painted outside a paint pass (DrawBlockInCanvas, a direct Draw) is clipped by it.
  void LegacySurroundPts(TDotArray& Pts);
  bool PositioningInBulk() const;
  void GraphicChanged() const;

  // ---- Engine painting (CustomBlockEngine.cpp) ----
  void DrawBlockOnEngine(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo);
  // The engine outline in canvas pixels, for clipping the canvas the pass paints on.
  QPainterPath EngineOutlineOnCanvas();
  // Engine copies of Bitmap, Metafile and Picture, remade after any of them changed: the
  // engines draw their own graphics, and converting on every paint would cost an encode.
  TDgrGraphic* EngineGraphic(int AIndex, TGraphic* ASource);

  double FHeight = 0.0;
  double FWidth = 0.0;
  double FLeft = 0.0;
  double FTop = 0.0;
  TBlockShape FShape = bsRectangle;
  TOwned<TBrush> FBrush;
  mutable TOwned<TBrush> FSelBrush;
  TOwned<TPen> FPen;
  TOwned<TStringList> FStrings;  // made on first use of Strings
  bool FClipText = false;
  int FMinWidth = 40;
  int FMinHeight = 40;
  TOwned<TBlockShadow> FShadow;
  TOwned<TDiagramGradient> FGradient;
  mutable TOwned<TBitmap> FBitmap;
  TBitmapMode FBitmapMode = bmStretch;
  TPictureMode FPictureMode = pmStretch;
  mutable TOwned<TMetafile> FMetafile;
  mutable TOwned<TPicture> FPicture;
  bool FShapeCursor = false;
  std::array<TOwned<TDgrGraphic>, 3> FDgrGraphics;
  mutable bool FDgrGraphicsStale = true;
  TColor FSelColor = clWhite;
  TColor FColor = clWhite;
  bool FTransparent = false;
  int FRotationStep = 5;
  double FSaveAngle = 0.0;
  TSquare FSaveRect;
  TDot FSaveRotCenter{50, 50};
  TDot FRotCenter{50, 50};
  double FCornerRadius = 25.0;
  bool FVerticalFlip = false;
  bool FHorizontalFlip = false;
  bool FInCursorState = false;
  // What the handles were last laid out for: the handle style (-1 before the first
  // layout) and the original rectangle. Joining a diagram of the same style keeps them.
  int FHandlesLaidOutFor = -1;
  TSquare FHandlesOriginalRect;
  bool FSyncingStrings = false;
};

}  // namespace tarnwick
