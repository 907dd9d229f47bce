#pragma once
// The UML notation blocks: the simple shapes (actor, package, use case, note, states,
// signals, component), the bars of transition forks and joins, object-in-state and
// decision, the 3-D node and the sequence diagram's object lifeline. The shapes differ
// only in data (TUMLShapeKind); the node and the lifeline have behaviour of their own, a
// handle that sets their depth or the length of their line.
#include <span>

#include "diagram/model/CustomBlock.h"

namespace tarnwick {

// A link point a class puts on its blocks, in the class's original coordinates.
struct TUMLLinkPoint {
  TAnchorOrientation Orientation;
  TDot At;
};

class TUMLBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TUMLBlock)

 public:
  explicit TUMLBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {}
  // Up, down, left and right in the middles of the original rectangle's sides.
  virtual void SetDefaultLinkPoints();

 protected:
  // Replaces the link points by these, in this order.
  void SetLinkPointsTo(std::span<const TUMLLinkPoint> APoints);
};

// How a shape class's outline is built: most are fixed figures in the original
// rectangle; a few follow the block's proportions and are built in code.
enum TUMLOutlineKind {
  uokFigures,      // Figures below, as they stand
  uokActionState,  // a rounded rectangle with half-circle ends
  uokState,        // a rounded rectangle with corners of half the shorter side
  uokReceipt,      // a flag with a notch as deep as half the height
  uokSend,         // a pentagon pointing right, its tip as long as half the height
  uokFinalState,   // a filled disc inside a ring
};

// One figure of a shape's outline in its original coordinates: a closed polygon, an
// ellipse in a rectangle, or a stroke (a segment walked there and back, which is drawn
// but neither fills nor takes hits).
struct TUMLFigure {
  enum TKind { fkPolygon, fkEllipse, fkRectangle, fkStroke } Kind;
  std::span<const TDot> Points;  // fkPolygon; fkStroke uses the first two
  TSquare Rect;                  // fkEllipse, fkRectangle
};

struct TUMLShapeKind {
  TSquare Source;
  double Width, Height;
  TUMLOutlineKind OutlineKind;
  std::span<const TUMLFigure> Figures;
  std::span<const TUMLLinkPoint> LinkPoints;
  TSquare TextBounds;
  bool UseSurroundRect;
};

class TUMLShapeBlock : public TUMLBlock {
  TARNWICK_CLASS(TUMLShapeBlock)

 public:
  explicit TUMLShapeBlock(TComponent* AOwner);
  void SetDefaultLinkPoints() override;
  bool GetUseSurroundRect() const { return FUseSurroundRect; }
  const TUMLShapeKind* Kind() const { return FKind; }

  void BuildOutline(TOutlineSink& AOutline) override;
  void DefaultSurroundPts(TDotArray& Pts) override;
  void BuildOutlinePath(TDgrGraphicsPath* APath, TDgrBlockDrawer* ADrawer) override;
  TDot GetLinkPointPoint(TLinkPoint* ALinkPoint) override;

 protected:
  TUMLShapeBlock(TComponent* AOwner, const TUMLShapeKind& AKind);
  // The figures hit testing and the selection outline use: the whole original rectangle
  // where the class asks for it, the outer ring of a final state, else the outline.
  void BuildHitOutline(TOutlineSink& AOutline);
  // The depth of a receipt's notch or a send's tip, in original x units: half the
  // block's height, whatever its width.
  double NotchDepth() const;

  bool FUseSurroundRect = false;

 private:
  const TUMLShapeKind* FKind = nullptr;
};

#define TARNWICK_UML_SHAPE_CLASS(Class, Base) \
  class Class : public Base {                 \
    TARNWICK_CLASS(Class)                     \
                                              \
   public:                                    \
    explicit Class(TComponent* AOwner);       \
  };

TARNWICK_UML_SHAPE_CLASS(TUMLActorBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLPackageBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLSubsystemBlock, TUMLPackageBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLUseCaseBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLConstraintBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLNoteBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLActionStateBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLStateBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLInitialStateBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLSignalReceiptBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLSignalSendBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLComponentBlock, TUMLShapeBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLObjectInStateBlock, TUMLBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLDecisionBlock, TUMLBlock)

// A black bar across the top third of its rectangle; only its length changes by hand.
class TUMLTransitionBarBlock : public TUMLBlock {
  TARNWICK_CLASS(TUMLTransitionBarBlock)

 public:
  void BuildOutline(TOutlineSink& AOutline) override;

 protected:
  TUMLTransitionBarBlock(TComponent* AOwner, std::span<const TUMLLinkPoint> APoints);
};

TARNWICK_UML_SHAPE_CLASS(TUMLTransitionForkBlock, TUMLTransitionBarBlock)
TARNWICK_UML_SHAPE_CLASS(TUMLTransitionJoinBlock, TUMLTransitionBarBlock)

#undef TARNWICK_UML_SHAPE_CLASS

// A filled disc inside a ring. The engines fill the outline even-odd; the legacy canvas
// fills figure by figure, so there the ring is drawn without its fill.
class TUMLFinalStateBlock : public TUMLShapeBlock {
  TARNWICK_CLASS(TUMLFinalStateBlock)

 public:
  explicit TUMLFinalStateBlock(TComponent* AOwner);
  void DrawShape(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) override;
};

// A 3-D box: the front face is the block's rectangle, the top and side faces stand out
// Depth units above and to the right of it.
class TUMLNodeBlock : public TUMLBlock {
  TARNWICK_CLASS(TUMLNodeBlock)

 public:
  explicit TUMLNodeBlock(TComponent* AOwner);

  int GetDepth() const { return FDepth; }
  void SetDepth(int Value);
  TStretchHandle* GetDepthHandle() const { return FDepthHandle; }
  // Depth drawn: a drag's preview while one is shown, else Depth.
  int EffectiveDepth() const;

  void BuildOutline(TOutlineSink& AOutline) override;
  TSquare ControlRect() override;
  TDot GetHandlePoint(TStretchHandle* AHandle) override;
  TDot GetLinkPointPoint(TLinkPoint* ALinkPoint) override;
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;
  void EnterCursorState() override;
  void LeaveCursorState() override;

 private:
  void ComputeTempDepth(TDot ADelta);

  int FDepth = 40;
  int FTempDepth = -1;
  TStretchHandle* FDepthHandle = nullptr;
  bool FUseTempDepth = false;
  int FMinDepth = 5;
};

// A sequence diagram's participant: a head box with a dashed line hanging below it, and
// link points every LinkSpace units along the line for the messages.
class TUMLObjectLifelineBlock : public TUMLBlock {
  TARNWICK_CLASS(TUMLObjectLifelineBlock)

 public:
  explicit TUMLObjectLifelineBlock(TComponent* AOwner);

  int GetLifeLineLength() const { return FLineLength; }
  void SetLifeLineLength(int Value);
  bool GetPenChanged() const { return FPenChanged; }
  void SetPenChanged(bool Value);
  int GetLinkSpace() const { return FLinkSpace; }
  TStretchHandle* GetLineHandle() const { return FLineHandle; }
  // Length drawn: a drag's preview while one is shown, else LifeLineLength.
  double EffectiveLength() const;
  // The offset below the head of a link point on the line (index 2 on).
  double LinkOffset(int AIndex) const;

  void BuildOutline(TOutlineSink& AOutline) override;
  void DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) override;
  TSquare ControlRect() override;
  TDot GetHandlePoint(TStretchHandle* AHandle) override;
  TDot GetLinkPointPoint(TLinkPoint* ALinkPoint) override;
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;
  void PenChanged() override;
  void StartMove() override;
  void StartResize() override;
  void EnterCursorState() override;
  void LeaveCursorState() override;
  void Loaded() override;
  // Adds "HeldLinkPoints": how many hidden points past the line's end lines still hold.
  void DefineProperties(TFiler* Filer) override;

 private:
  // Makes, moves, hides or deletes the link points along the line for ALength.
  void LayOutLinkPoints(int ALength);
  // The points past those the stored length asks for: hidden, held by lines.
  int HeldPointCount() const;
  void ComputeTempLength(TDot ADelta);

  bool FPenChanged = false;
  int FLineLength = 60;
  double FTempLineLength = -1;
  TStretchHandle* FLineHandle = nullptr;
  bool FUseTempLine = false;
  int FMinLineLength = 10;
  int FLinkSpace = 20;
  int FHeldPointsRead = 0;
};

// More link points than this along one lifeline or activation are never made: a length
// read from a document or typed in could otherwise ask for millions.
inline constexpr int MaxUMLLinePoints = 1000;

// The offsets of the link points along a line of ALength with one every ASpace units and
// the last at the end; at most MaxUMLLinePoints, the last of them at the end. Empty for a
// length that is not a positive finite number.
void UMLLineOffsets(double ALength, int ASpace, std::vector<double>& AOffsets);

}  // namespace tarnwick

namespace tarnwick {

// Registers the UML set in the control registry: five palette categories, from use case
// to component diagrams, each class under the identifiers its palette entries use.
void RegisterUmlBlocks();

}  // namespace tarnwick
