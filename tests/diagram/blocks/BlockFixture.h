#pragma once
// A diagram on a form, and blocks owned by the form like interactively inserted ones.
#include "../TestControls.h"
#include "diagram/Registration.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/TextBlock.h"

namespace tarnwick::test {

struct TBlockFixture : TDiagramFixture {
  TBlockFixture() { RegisterAllClasses(); }

  template <class T = TDiagramBlock>
  T* NewBlock(double L, double T_, double W, double H, double AAngle = 0) {
    auto* b = Create<T>(Form);
    b->SetBoundsRect(TSquare{L, T_, L + W, T_ + H});
    b->SetAngle(AAngle);
    b->SetDiagram(Diagram);
    return b;
  }
};

}  // namespace tarnwick::test
