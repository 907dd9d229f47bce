#include "diagram/view/actions/DiagramAlign.h"

#include "diagram/view/Diagram.h"

namespace tarnwick {

TDiagramAlign::TDiagramAlign(QObject* AParent) : TDiagramAction(AParent) { SetBlockAlignment(baHorzCenter); }

void TDiagramAlign::SetBlockAlignment(TBlocksAlignment Value) {
  if (Value == FBlockAlignment) return;
  FBlockAlignment = Value;
  SetCaption(BlocksAlignmentCaption(Value));
  SetHint(BlocksAlignmentCaption(Value));
}

bool TDiagramAlign::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!diagram) return true;
  FList.Fill(diagram);
  if (FList.Count() < 2) return true;
  {
    TDiagramUpdate operation(*diagram, QStringLiteral("Align"));
    AlignBlocks(diagram, FBlockAlignment, FList);
  }
  if (TDiagramAlign* other = FDefaultAlignment; other && other != this) {
    other->SetBlockAlignment(FBlockAlignment);
    other->SetImageIndex(GetImageIndex());
    other->SetCaption(GetCaption());
    other->SetHint(GetHint());
  }
  return true;
}

bool TDiagramAlign::Update() {
  TdvDiagram* diagram = GetDiagram();
  setEnabled(diagram && CanAlignBlocks(diagram, FBlockAlignment));
  return true;
}

}  // namespace tarnwick
