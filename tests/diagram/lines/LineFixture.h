#pragma once
// A diagram on a form with real blocks and lines, owned like interactively inserted ones.
#include "../TestControls.h"
#include "diagram/Registration.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"

namespace tarnwick::test {

struct TLineFixture : TDiagramFixture {
  TLineFixture() { RegisterAllClasses(); }

  // A block with one link point in the middle of each side.
  TDiagramBlock* NewBlock(double L, double T, double W, double H) {
    auto* b = Create<TDiagramBlock>(Form);
    b->SetName(Diagram->FindCompName(b, ""));
    b->SetBoundsRect(TSquare{L, T, L + W, T + H});
    b->GetLinkPoints()->Add(50, 0, aoUp);
    b->GetLinkPoints()->Add(100, 50, aoRight);
    b->GetLinkPoints()->Add(50, 100, aoDown);
    b->GetLinkPoints()->Add(0, 50, aoLeft);
    b->SetDiagram(Diagram);
    return b;
  }

  // Inserted the way the mouse inserts it: from P1 to P2, anchored where given.
  template <class T = TDiagramLine>
  T* NewLine(TDot P1, TDot P2, TLinkPoint* A1 = nullptr, TLinkPoint* A2 = nullptr) {
    auto* l = Create<T>(Form);
    l->SetName(Diagram->FindCompName(l, ""));
    l->SetDiagram(Diagram);
    TControlInsertInfo info;
    info.Action = iaInserted;
    info.P1 = A1 ? A1->DiagramPoint() : P1;
    info.P2 = A2 ? A2->DiagramPoint() : P2;
    info.AnchorPoint1 = A1;
    info.AnchorPoint2 = A2;
    l->UpdateInsert(info);
    return l;
  }

  static TDotArray HandlePoints(TCustomDiagramLine* L) {
    TDotArray pts;
    for (int i = 0; i < L->GetHandles()->Count(); ++i) pts.push_back(L->GetHandles()->GetItems(i)->GetOrPoint());
    return pts;
  }

  static TDotArray PointsOf(TCustomDiagramLine* L) {
    L->CalcPoints(L->GetHandles());
    return L->GetPoints();
  }
};

}  // namespace tarnwick::test

namespace tarnwick {
inline std::ostream& operator<<(std::ostream& os, const TDot& D) { return os << "(" << D.X << ", " << D.Y << ")"; }
}  // namespace tarnwick
