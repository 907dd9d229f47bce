// The UML shape classes as data: each one's original rectangle, default size, outline
// figures, link points and text area. Also the few blocks that are a plain block's
// rectangle or diamond, and the transition bars.
#include <array>

#include "blocks/uml/UmlBlocks.h"
#include "diagram/model/StretchHandles.h"
#include "diagram/model/TextCells.h"
#include "geometry/BlockDrawer.h"
#include "platform/core/Properties.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

namespace {

using F = TUMLFigure;

template <class T>
TClassInfo UmlClassInfo(const char* AName, const TClassInfo& AParent) {
  return TClassInfo(AName, &AParent, {}, [](TComponent* owner) { return Create<T>(owner); });
}

// ---- Actor: a stick figure; the name stands below it ----
constexpr std::array<TDot, 2> Body{{{16, 16}, {16, 56}}}, RightLeg{{{16, 56}, {32, 88}}}, LeftLeg{{{16, 56}, {0, 88}}},
    Arms{{{0, 24}, {32, 24}}};
const std::array<F, 5> ActorFigures{{{F::fkEllipse, {}, {8, 0, 24, 16}},
                                     {F::fkStroke, Body, {}},
                                     {F::fkStroke, RightLeg, {}},
                                     {F::fkStroke, LeftLeg, {}},
                                     {F::fkStroke, Arms, {}}}};
constexpr std::array<TUMLLinkPoint, 4> ActorPoints{
    {{aoUp, {16, 0}}, {aoDown, {16, 88}}, {aoLeft, {0, 24}}, {aoRight, {32, 24}}}};
const TUMLShapeKind ActorKind{{0, 0, 32, 88}, 32, 88, uokFigures, ActorFigures, ActorPoints, {-16, 90, 48, 120}, false};

// ---- Package: a tab over a body ----
const std::array<F, 2> PackageFigures{{{F::fkRectangle, {}, {0, 0, 25, 15}}, {F::fkRectangle, {}, {0, 15, 75, 70}}}};
constexpr std::array<TUMLLinkPoint, 11> PackagePoints{{{aoUp, {38, 15}},
                                                       {aoUp, {57, 15}},
                                                       {aoRight, {75, 15}},
                                                       {aoRight, {75, 35}},
                                                       {aoRight, {75, 55}},
                                                       {aoDown, {57, 70}},
                                                       {aoDown, {38, 70}},
                                                       {aoDown, {19, 70}},
                                                       {aoLeft, {0, 55}},
                                                       {aoLeft, {0, 35}},
                                                       {aoLeft, {0, 15}}}};
const TUMLShapeKind PackageKind{{0, 0, 75, 70},  75,   70, uokFigures, PackageFigures, PackagePoints,
                                {0, 15, 75, 70}, false};

// ---- Use case: an ellipse ----
const std::array<F, 1> UseCaseFigures{{{F::fkEllipse, {}, {0, 0, 80, 40}}}};
constexpr std::array<TUMLLinkPoint, 8> UseCasePoints{{{aoUp, {15, 5}},
                                                      {aoUp, {40, 0}},
                                                      {aoUp, {65, 5}},
                                                      {aoLeft, {0, 20}},
                                                      {aoDown, {65, 35}},
                                                      {aoDown, {40, 40}},
                                                      {aoDown, {15, 35}},
                                                      {aoRight, {80, 20}}}};
const TUMLShapeKind UseCaseKind{{0, 0, 80, 40}, 80,   40, uokFigures, UseCaseFigures, UseCasePoints,
                                {0, 0, 80, 40}, false};

// ---- Constraint and note: a sheet with its top-right corner folded ----
constexpr std::array<TDot, 5> Sheet{{{0, 0}, {90, 0}, {100, 20}, {100, 100}, {0, 100}}};
// The fold's two inner edges walked there and back: stroked, without area.
constexpr std::array<TDot, 4> Fold{{{90, 0}, {90, 20}, {100, 20}, {90, 20}}};
const std::array<F, 2> SheetFigures{{{F::fkPolygon, Sheet, {}}, {F::fkPolygon, Fold, {}}}};
constexpr std::array<TUMLLinkPoint, 4> SheetPoints{
    {{aoUp, {50, 0}}, {aoDown, {50, 100}}, {aoLeft, {0, 50}}, {aoRight, {100, 50}}}};
// The whole rectangle takes hits and shows the selection: the fold is too small a target.
const TUMLShapeKind SheetKind{{0, 0, 100, 100}, 100, 50, uokFigures, SheetFigures, SheetPoints, {0, 0, 100, 100}, true};

// ---- Action state and state: rounded rectangles ----
constexpr std::array<TUMLLinkPoint, 8> ActionStatePoints{{{aoUp, {6, 7}},
                                                          {aoUp, {40, 0}},
                                                          {aoUp, {74, 7}},
                                                          {aoLeft, {0, 20}},
                                                          {aoDown, {74, 33}},
                                                          {aoDown, {40, 40}},
                                                          {aoDown, {6, 33}},
                                                          {aoRight, {80, 20}}}};
const TUMLShapeKind ActionStateKind{{0, 0, 80, 40}, 80,   40, uokActionState, {}, ActionStatePoints,
                                    {0, 0, 80, 40}, false};
constexpr std::array<TUMLLinkPoint, 12> StatePoints{{{aoUp, {20, 0}},
                                                     {aoUp, {40, 0}},
                                                     {aoUp, {60, 0}},
                                                     {aoLeft, {0, 10}},
                                                     {aoLeft, {0, 20}},
                                                     {aoLeft, {0, 30}},
                                                     {aoDown, {20, 40}},
                                                     {aoDown, {40, 40}},
                                                     {aoDown, {60, 40}},
                                                     {aoRight, {80, 10}},
                                                     {aoRight, {80, 20}},
                                                     {aoRight, {80, 30}}}};
const TUMLShapeKind StateKind{{0, 0, 80, 40}, 80, 40, uokState, {}, StatePoints, {0, 0, 80, 40}, false};

// ---- Initial and final state: a disc, a disc in a ring ----
const std::array<F, 1> DiscFigures{{{F::fkEllipse, {}, {0, 0, 40, 40}}}};
constexpr std::array<TUMLLinkPoint, 4> DiscPoints{
    {{aoUp, {20, 0}}, {aoDown, {20, 40}}, {aoLeft, {0, 20}}, {aoRight, {40, 20}}}};
const TUMLShapeKind InitialStateKind{{0, 0, 40, 40}, 32,   32, uokFigures, DiscFigures, DiscPoints,
                                     {0, 0, 40, 40}, false};
const TUMLShapeKind FinalStateKind{{0, 0, 40, 40}, 32, 32, uokFinalState, {}, DiscPoints, {0, 0, 40, 40}, false};

// ---- Signals: a flag with a notch, a pentagon ----
// The receipt's right point follows its notch (TUMLShapeBlock::GetLinkPointPoint).
constexpr std::array<TUMLLinkPoint, 4> ReceiptPoints{
    {{aoUp, {50, 0}}, {aoRight, {87.5, 12.5}}, {aoDown, {50, 25}}, {aoLeft, {0, 13}}}};
constexpr std::array<TUMLLinkPoint, 4> SendPoints{
    {{aoUp, {50, 0}}, {aoRight, {100, 12.5}}, {aoDown, {50, 25}}, {aoLeft, {0, 13}}}};
const TUMLShapeKind ReceiptKind{{0, 0, 100, 25}, 100, 25, uokReceipt, {}, ReceiptPoints, {0, 0, 100, 25}, false};
const TUMLShapeKind SendKind{{0, 0, 100, 25}, 100, 25, uokSend, {}, SendPoints, {0, 0, 100, 25}, false};

// ---- Component: a box with two plugs on its left side ----
constexpr std::array<TDot, 12> ComponentBody{{{18, 0},
                                              {120, 0},
                                              {120, 50},
                                              {18, 50},
                                              {18, 45},
                                              {36, 45},
                                              {36, 32},
                                              {18, 32},
                                              {18, 20},
                                              {36, 20},
                                              {36, 7},
                                              {18, 7}}};
const std::array<F, 3> ComponentFigures{
    {{F::fkPolygon, ComponentBody, {}}, {F::fkRectangle, {}, {0, 7, 36, 20}}, {F::fkRectangle, {}, {0, 32, 36, 45}}}};
constexpr std::array<TUMLLinkPoint, 9> ComponentPoints{{{aoUp, {18, 0}},
                                                        {aoUp, {60, 0}},
                                                        {aoRight, {120, 0}},
                                                        {aoRight, {120, 25}},
                                                        {aoRight, {120, 50}},
                                                        {aoDown, {60, 50}},
                                                        {aoDown, {18, 50}},
                                                        {aoLeft, {0, 38}},
                                                        {aoLeft, {0, 13}}}};
const TUMLShapeKind ComponentKind{{0, 0, 120, 50},  120,  50, uokFigures, ComponentFigures, ComponentPoints,
                                  {36, 0, 120, 50}, false};

// ---- Transition bars ----
constexpr std::array<TUMLLinkPoint, 4> ForkPoints{
    {{aoUp, {25, 5}}, {aoDown, {13, 10}}, {aoDown, {25, 10}}, {aoDown, {38, 10}}}};
constexpr std::array<TUMLLinkPoint, 4> JoinPoints{
    {{aoUp, {13, 5}}, {aoUp, {25, 5}}, {aoUp, {38, 5}}, {aoDown, {25, 10}}}};
constexpr TSquare BarSource{0, 0, 50, 25};

constexpr TColor Black = 0;

}  // namespace

#define TARNWICK_UML_SHAPE(Class, Parent, Kind)                                            \
  const TClassInfo& Class::StaticClassInfo() {                                             \
    static const TClassInfo info = UmlClassInfo<Class>(#Class, Parent::StaticClassInfo()); \
    return info;                                                                           \
  }                                                                                        \
  Class::Class(TComponent* AOwner) : TUMLShapeBlock(AOwner, Kind)

TARNWICK_UML_SHAPE(TUMLActorBlock, TUMLShapeBlock, ActorKind) { SetVertAlign(vaTop); }
TARNWICK_UML_SHAPE(TUMLPackageBlock, TUMLShapeBlock, PackageKind) {}
TARNWICK_UML_SHAPE(TUMLUseCaseBlock, TUMLShapeBlock, UseCaseKind) {}
TARNWICK_UML_SHAPE(TUMLConstraintBlock, TUMLShapeBlock, SheetKind) {
  DefaultTextCell()->SetText(QStringLiteral("{ }"));
}
TARNWICK_UML_SHAPE(TUMLNoteBlock, TUMLShapeBlock, SheetKind) {}
TARNWICK_UML_SHAPE(TUMLActionStateBlock, TUMLShapeBlock, ActionStateKind) {}
TARNWICK_UML_SHAPE(TUMLStateBlock, TUMLShapeBlock, StateKind) {}
TARNWICK_UML_SHAPE(TUMLInitialStateBlock, TUMLShapeBlock, InitialStateKind) {
  SetColor(Black);
  SetSelColor(Black);
}
TARNWICK_UML_SHAPE(TUMLFinalStateBlock, TUMLShapeBlock, FinalStateKind) {
  SetColor(Black);
  SetSelColor(Black);
}

void TUMLFinalStateBlock::DrawShape(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) {
  TBlockDrawer* d = AInfo.Drawer;
  if (AInfo.DgrDrawer || !d || !d->GetCanvas()) {
    TUMLShapeBlock::DrawShape(AInfo, ABlockInfo);
    return;
  }
  const TSquare o = GetOriginalRect();
  TCanvasOutline outline(*d, o, 1, 1, GetHorizontalFlip(), GetVerticalFlip());
  outline.Ellipse(TSquare{o.Left + 4, o.Top + 4, o.Right - 4, o.Bottom - 4});
  TBrush* brush = d->GetCanvas()->GetBrush();
  const TBrushStyle style = brush->GetStyle();
  brush->SetStyle(bsClear);
  outline.Ellipse(o);
  brush->SetStyle(style);
}
TARNWICK_UML_SHAPE(TUMLSignalReceiptBlock, TUMLShapeBlock, ReceiptKind) { SetMinHeight(20); }
TARNWICK_UML_SHAPE(TUMLSignalSendBlock, TUMLShapeBlock, SendKind) { SetMinHeight(20); }
TARNWICK_UML_SHAPE(TUMLComponentBlock, TUMLShapeBlock, ComponentKind) {
  SetRestrictions(TControlRestrictions{crNoRotation});
}

#undef TARNWICK_UML_SHAPE

// The subsystem is a package that says so.
const TClassInfo& TUMLSubsystemBlock::StaticClassInfo() {
  static const TClassInfo info =
      UmlClassInfo<TUMLSubsystemBlock>("TUMLSubsystemBlock", TUMLPackageBlock::StaticClassInfo());
  return info;
}

TUMLSubsystemBlock::TUMLSubsystemBlock(TComponent* AOwner) : TUMLPackageBlock(AOwner) {
  DefaultTextCell()->SetText(QStringLiteral("\u00ABsubsystem\u00BB\r\nSubsystem1"));
}

// ---- Blocks drawn as a plain block's shape ----

const TClassInfo& TUMLObjectInStateBlock::StaticClassInfo() {
  static const TClassInfo info =
      UmlClassInfo<TUMLObjectInStateBlock>("TUMLObjectInStateBlock", TUMLBlock::StaticClassInfo());
  return info;
}

TUMLObjectInStateBlock::TUMLObjectInStateBlock(TComponent* AOwner) : TUMLBlock(AOwner) {
  SetOriginalRect(TSquare{0, 0, 100, 100});
  SetShape(bsRectangle);
  SetWidth(80);
  SetHeight(40);
  SetMinWidth(20);
  SetMinHeight(20);
  SetDefaultLinkPoints();
}

const TClassInfo& TUMLDecisionBlock::StaticClassInfo() {
  static const TClassInfo info = UmlClassInfo<TUMLDecisionBlock>("TUMLDecisionBlock", TUMLBlock::StaticClassInfo());
  return info;
}

TUMLDecisionBlock::TUMLDecisionBlock(TComponent* AOwner) : TUMLBlock(AOwner) {
  SetOriginalRect(TSquare{0, 0, 100, 100});
  SetShape(bsDiamond);
  SetWidth(32);
  SetHeight(32);
  SetMinWidth(20);
  SetMinHeight(20);
  SetVertAlign(vaCenter);
  SetDefaultLinkPoints();
}

// ---- Transition bars ----

const TClassInfo& TUMLTransitionBarBlock::StaticClassInfo() {
  static const TClassInfo info("TUMLTransitionBarBlock", &TUMLBlock::StaticClassInfo(), {});
  return info;
}

TUMLTransitionBarBlock::TUMLTransitionBarBlock(TComponent* AOwner, std::span<const TUMLLinkPoint> APoints)
    : TUMLBlock(AOwner) {
  SetColor(Black);
  SetSelColor(Black);
  SetShape(bsNoShape);
  SetOriginalRect(BarSource);
  SetWidth(50);
  SetHeight(25);
  SetMinHeight(25);
  DefaultTextCell()->SetBounds(BarSource.Left, BarSource.Top, BarSource.Right - BarSource.Left,
                               BarSource.Bottom - BarSource.Top);
  SetLinkPointsTo(APoints);
  // Only the bar's length is the user's: the corner handles and those on the long sides
  // are hidden, the two on the ends stay.
  UpdateBlockHandles();
  for (int data : {1, 2, 3, 5, 6, 7})
    if (TStretchHandle* h = GetHandles()->FindByData(data)) h->SetVisible(false);
}

void TUMLTransitionBarBlock::BuildOutline(TOutlineSink& AOutline) { AOutline.Rectangle(TSquare{0, 5, 50, 10}); }

#define TARNWICK_UML_BAR(Class, Points)                                                                    \
  const TClassInfo& Class::StaticClassInfo() {                                                             \
    static const TClassInfo info = UmlClassInfo<Class>(#Class, TUMLTransitionBarBlock::StaticClassInfo()); \
    return info;                                                                                           \
  }                                                                                                        \
  Class::Class(TComponent* AOwner) : TUMLTransitionBarBlock(AOwner, Points) {}

TARNWICK_UML_BAR(TUMLTransitionForkBlock, ForkPoints)
TARNWICK_UML_BAR(TUMLTransitionJoinBlock, JoinPoints)

#undef TARNWICK_UML_BAR

}  // namespace tarnwick
