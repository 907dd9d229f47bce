#pragma once
// Polygon blocks drawn the way the drawing tool draws them (start, one step per further
// vertex, inserted), on a diagram shown in a window, and a join on its own.
#include <initializer_list>

#include "../interaction/MouseFixture.h"
#include "diagram/model/LineJoin.h"
#include "diagram/model/PolygonBlock.h"

namespace tarnwick::test {

struct TPolygonFixture : TMouseFixture {
  // A polygon through APoints, drawn step by step and put on the diagram.
  TPolygonBlock* Draw(std::initializer_list<TDot> APoints, double AAngle = 0) {
    auto* p = Create<TPolygonBlock>(Form);
    TControlDrawInfo info;
    info.Diagram = Diagram;
    bool first = true;
    for (const TDot& d : APoints) {
      info.Action = first ? daStart : daStep;
      info.P1 = d;
      info.P2 = d;
      p->UpdateDraw(info);
      first = false;
    }
    info.Action = daInserted;
    p->UpdateDraw(info);
    p->SetAngle(AAngle);
    p->SetDiagram(Diagram);
    return p;
  }

  static TDotArray Vertices(const TCustomPolygonBlock* APolygon) { return APolygon->GetPolygon()->Dots(); }

  // The vertex handles, in vertex order.
  static TStretchHandle* VertexHandle(const TCustomPolygonBlock* APolygon, int AIndex) {
    return APolygon->GetPolygon()->GetItems(AIndex)->GetHandle();
  }
};

// Points compared within a thousandth: turning by whole angles leaves rounding behind.
inline bool Close(TDot A, TDot B) { return std::abs(A.X - B.X) < 1e-3 && std::abs(A.Y - B.Y) < 1e-3; }

}  // namespace tarnwick::test
