#include "diagram/view/actions/DiagramFillActions.h"

#include <vector>

#include "diagram/model/CustomBlock.h"
#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/actions/DiagramChooser.h"
#include "diagram/view/actions/SelectionTargets.h"

namespace tarnwick {

// The editors are modal: the event loop runs while they are open, so the diagram and its
// selection are taken again after the answer. A selection without a plain block by then
// changes nothing and leaves no empty step.

bool TDiagramGradientSetting::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!HasSelection(diagram)) return true;
  TOwned<TDiagramGradient> gradient = MakeOwned<TDiagramGradient>();
  gradient->SetStartColor(clWhite);
  gradient->SetEndColor(clWhite);
  if (const auto blocks = SelectedPlainBlocks(*diagram); !blocks.empty()) {
    TCustomDiagramBlock* first = blocks.front();
    gradient->Assign(first->GetGradient());
    if (!first->GetGradient()->GetVisible()) {
      gradient->SetStartColor(first->GetColor());
      gradient->SetEndColor(first->GetColor());
    }
  }
  if (!Chooser().EditGradient(*gradient) || !(diagram = GetDiagram())) return true;
  const auto blocks = SelectedPlainBlocks(*diagram);
  if (blocks.empty()) return true;
  gradient->SetVisible(true);
  TDiagramUpdate operation(*diagram, QStringLiteral("gradient"));
  for (TCustomDiagramBlock* block : blocks) block->SetGradient(gradient.get());
  diagram->Modified();
  return true;
}

bool TDiagramGradientSetting::Update() {
  setEnabled(HasSelection(GetDiagram()));
  return true;
}

bool TDiagramShadow::Execute() {
  TdvDiagram* diagram = GetDiagram();
  if (!HasSelection(diagram)) return true;
  TOwned<TBlockShadow> shadow = MakeOwned<TBlockShadow>();
  shadow->SetColor(TBlockShadow::DefaultColor);
  if (const auto blocks = SelectedPlainBlocks(*diagram); !blocks.empty()) shadow->Assign(blocks.front()->GetShadow());
  if (!Chooser().EditShadow(*shadow) || !(diagram = GetDiagram())) return true;
  const auto blocks = SelectedPlainBlocks(*diagram);
  if (blocks.empty()) return true;
  shadow->SetVisible(true);
  TDiagramUpdate operation(*diagram, QStringLiteral("shadow"));
  // Assign keeps each block's own transparency.
  for (TCustomDiagramBlock* block : blocks) block->SetShadow(shadow.get());
  diagram->Modified();
  return true;
}

bool TDiagramShadow::Update() {
  setEnabled(HasSelection(GetDiagram()));
  return true;
}

}  // namespace tarnwick
