#include "TestControls.h"

#include <algorithm>

#include "geometry/Conversions.h"
#include "geometry/Predicates.h"
#include "geometry/Squares.h"
#include "platform/core/ClassRegistry.h"

namespace tarnwick::test {

// ---- Block ----

const TClassInfo& TTestBlock::StaticClassInfo() {
  static const TClassInfo info("TTestBlock", &TDiagramControl::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TTestBlock>(owner); });
  return info;
}

TTestBlock::TTestBlock(TComponent* AOwner) : TDiagramControl(AOwner) {
  GetLinkPoints()->Add(50, 0, aoUp);
  GetLinkPoints()->Add(100, 50, aoRight);
  GetLinkPoints()->Add(50, 100, aoDown);
  GetLinkPoints()->Add(0, 50, aoLeft);
  GetHandles()->Add(0, 0, crSizeNWSE, 1, hsSize);
  GetHandles()->Add(100, 100, crSizeNWSE, 2, hsSize);
}

TDot TTestBlock::Map(TDot P) const {
  return TDot{Bounds.Left + P.X / 100 * (Bounds.Right - Bounds.Left),
              Bounds.Top + P.Y / 100 * (Bounds.Bottom - Bounds.Top)};
}

void TTestBlock::SetLeftTop(double L, double T) {
  Bounds = OffsetSquare(Bounds, L - Bounds.Left, T - Bounds.Top);
}

bool TTestBlock::PointInControl(TPoint Pos) { return PointInSquare(Bounds, PointToDot(Pos), HitSlack); }

void TTestBlock::MoveBy(double ADeltaX, double ADeltaY) {
  Bounds = OffsetSquare(Bounds, ADeltaX, ADeltaY);
  Log.push_back("moved");
  // Like real blocks: a geometric change is a change of the document.
  if (GetDiagramHost()) GetDiagramHost()->Modified();
  Redraw();
}

void TTestBlock::DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) {
  if (AOld) {
    NotifyAnchoreds(acRemoval);
    DiagramHostOf(AOld)->RemoveBlock(this);
  }
  TDiagramControl::DiagramChanged(AOld, ANew);
  if (ANew) DiagramHostOf(ANew)->AddBlock(this);
}

void TTestBlock::SnapToGrid(double ASizeX, double ASizeY) {
  SetLeftTop(SnapCoordinate(Bounds.Left, ASizeX), SnapCoordinate(Bounds.Top, ASizeY));
}

// ---- Line ----

const TClassInfo& TTestLine::StaticClassInfo() {
  static const TClassInfo info("TTestLine", &TDiagramControl::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TTestLine>(owner); });
  return info;
}

TTestLine::TTestLine(TComponent* AOwner) : TDiagramControl(AOwner) {
  GetLinkPoints()->Add();
  GetLinkPoints()->Add();
}

TDot TTestLine::GetLinkPointPoint(TLinkPoint* ALinkPoint) {
  switch (ALinkPoint->GetIndex()) {
    case 0:
      return P1;
    case 1:
      return P2;
    default:
      return InvalidDot();
  }
}

TSquare TTestLine::ControlRect() { return DotsToSquare(P1, P2); }

bool TTestLine::PointInControl(TPoint Pos) {
  return PointNearSegment(Pos, 3, P1.X, P1.Y, P2.X, P2.Y) || PointNearPoint(PointToDot(Pos), P1, 3);
}

void TTestLine::MoveBy(double ADeltaX, double ADeltaY) {
  P1 = TDot{P1.X + ADeltaX, P1.Y + ADeltaY};
  P2 = TDot{P2.X + ADeltaX, P2.Y + ADeltaY};
}

void TTestLine::DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) {
  if (AOld) DiagramHostOf(AOld)->RemoveLink(this);
  TDiagramControl::DiagramChanged(AOld, ANew);
  if (ANew) DiagramHostOf(ANew)->AddLink(this);
}

// ---- Group ----

const TClassInfo& TTestGroup::StaticClassInfo() {
  static const TClassInfo info("TTestGroup", &TTestBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TTestGroup>(owner); });
  return info;
}

void TTestGroup::BeforeDestruction() {
  // Members stay where they are; they only leave the group.
  while (!FMembers.empty()) RemoveMember(FMembers.back());
  TTestBlock::BeforeDestruction();
}

void TTestGroup::AddMember(TDiagramControl* AControl) {
  FMembers.push_back(AControl);
  AControl->SetGroupBlock(this);
}

void TTestGroup::RemoveMember(TDiagramControl* AControl) {
  auto it = std::find(FMembers.begin(), FMembers.end(), AControl);
  if (it == FMembers.end()) return;
  FMembers.erase(it);
  AControl->SetGroupBlock(nullptr);
}

void TTestGroup::MoveMember(TDiagramControl* AMember, int ANewIndex) {
  auto it = std::find(FMembers.begin(), FMembers.end(), AMember);
  if (it == FMembers.end()) return;
  FMembers.erase(it);
  FMembers.insert(FMembers.begin() + ANewIndex, AMember);
}

// ---- Fixture ----

TDiagramFixture::TDiagramFixture() {
  RegisterClass<TTestBlock>();
  RegisterClass<TTestLine>();
  Form = Create<TComponent>(nullptr);
  Form->SetName("Form1");
  Diagram = Create<TTestDiagram>(Form);
  Diagram->SetName("Diagram");
}

TDiagramFixture::~TDiagramFixture() {
  Form->Free();
  Window.reset();
}

void TDiagramFixture::ShowInWindow() {
  Window = std::make_unique<QWidget>();
  Window->resize(800, 600);
  Diagram->SetParentWidget(Window.get());
}

TTestBlock* TDiagramFixture::AddBlock(double L, double T, double R, double B) {
  auto* b = Create<TTestBlock>(Form);
  b->SetBounds(L, T, R, B);
  b->SetDiagram(Diagram);
  return b;
}

TTestLine* TDiagramFixture::AddLine(TDot P1, TDot P2) {
  auto* l = Create<TTestLine>(Form);
  l->P1 = P1;
  l->P2 = P2;
  l->SetDiagram(Diagram);
  return l;
}

TTestGroup* TDiagramFixture::AddGroup(std::initializer_list<TDiagramControl*> Members) {
  auto* g = Create<TTestGroup>(Form);
  for (TDiagramControl* m : Members) g->AddMember(m);
  g->SetDiagram(Diagram);
  return g;
}

}  // namespace tarnwick::test
