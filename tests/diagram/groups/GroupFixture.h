#pragma once
// Named blocks, lines and groups on a diagram, as a document would hold them.
#include <gtest/gtest.h>

#include "../blocks/BlockFixture.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/model/SelectionBlock.h"

namespace tarnwick::test {

struct TGroupFixture : TBlockFixture {
  TDiagramBlock* Block(double L, double T, double R, double B) {
    auto* b = Create<TDiagramBlock>(Form);
    b->SetName(Diagram->FindCompName(b, ""));
    b->SetBoundsRect(TSquare{L, T, R, B});
    b->SetDiagram(Diagram);
    return b;
  }

  TDiagramLine* Line(TDot P1, TDot P2, TLinkPoint* A1 = nullptr) {
    auto* l = Create<TDiagramLine>(Form);
    l->SetName(Diagram->FindCompName(l, ""));
    l->SetDiagram(Diagram);
    TControlInsertInfo info;
    info.Action = iaInserted;
    info.P1 = A1 ? A1->DiagramPoint() : P1;
    info.P2 = P2;
    info.AnchorPoint1 = A1;
    l->UpdateInsert(info);
    return l;
  }

  // A group of the given members, made the way the diagram groups a selection.
  TGroupBlock* Group(std::initializer_list<TDiagramControl*> AMembers) {
    auto* g = Create<TGroupBlock>(Form);
    g->SetName(Diagram->FindCompName(g, ""));
    g->SetDiagram(Diagram);
    for (TDiagramControl* m : AMembers) EXPECT_TRUE(g->GetMembers()->Add(m));
    return g;
  }
};

inline void ExpectSquare(const TSquare& A, const TSquare& E, double Tol = 1e-6) {
  EXPECT_NEAR(A.Left, E.Left, Tol);
  EXPECT_NEAR(A.Top, E.Top, Tol);
  EXPECT_NEAR(A.Right, E.Right, Tol);
  EXPECT_NEAR(A.Bottom, E.Bottom, Tol);
}

}  // namespace tarnwick::test
