#pragma once
// The blocks the block benchmarks and the memory check build: each with a name, bounds on
// a grid of 100 columns, one of five shapes (every seventh turned), four link points and a
// short text, joined to the diagram.
#include <QString>

#include "diagram/model/DiagramBlock.h"
#include "diagram/view/Diagram.h"

namespace tarnwick::bench {

inline void FillBlocks(TComponent* AOwner, TdvDiagram* ADiagram, int ACount) {
  const TBlockShape shapes[] = {bsRectangle, bsEllipse, bsRoundRect, bsDiamond, bsSquareRound};
  for (int i = 0; i < ACount; ++i) {
    auto* b = Create<TDiagramBlock>(AOwner);
    b->SetName(QStringLiteral("Block%1").arg(i + 1));
    b->SetBoundsRect(TSquare{20.0 + (i % 100) * 120, 20.0 + (i / 100) * 80, 100.0 + (i % 100) * 120,
                             60.0 + (i / 100) * 80});
    b->SetShape(shapes[i % 5]);
    if (i % 7 == 0) b->SetAngle(30);
    b->GetLinkPoints()->Add(50, 0, aoUp);
    b->GetLinkPoints()->Add(100, 50, aoRight);
    b->GetLinkPoints()->Add(50, 100, aoDown);
    b->GetLinkPoints()->Add(0, 50, aoLeft);
    b->DefaultTextCell()->SetText(QStringLiteral("Block %1").arg(i + 1));
    b->SetDiagram(ADiagram);
  }
}

}  // namespace tarnwick::bench
