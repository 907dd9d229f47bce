#include "diagram/layout/DiagramLayout.h"

#include <unordered_map>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/UpdateGuard.h"
#include "platform/core/Math.h"

namespace tarnwick {

TLayoutBlock* TLayoutArea::AddBlock(int ALeft, int ATop, int AWidth, int AHeight) {
  Blocks.push_back(std::make_unique<TLayoutBlock>(ALeft, ATop, AWidth, AHeight));
  return Blocks.back().get();
}

TLayoutConnection* TLayoutArea::AddConnection(TLayoutBlock* AFrom, TLayoutBlock* ATo) {
  Connections.push_back(std::make_unique<TLayoutConnection>(AFrom, ATo));
  return Connections.back().get();
}

std::unique_ptr<TLayoutArea> TDiagramLayoutExecuter::BuildArea() const {
  auto area = std::make_unique<TLayoutArea>();
  std::unordered_map<const TDiagramControl*, TLayoutBlock*> nodeOf;
  for (int i = 0; i < FDiagram->BlockCount(); ++i) {
    auto* block = dynamic_cast<TCustomDiagramBlock*>(FDiagram->GetBlocks(i));
    if (!block) continue;
    TLayoutBlock* node = area->AddBlock(Round(block->GetLeft()), Round(block->GetTop()),
                                        Round(block->GetWidth()), Round(block->GetHeight()));
    node->Obj = block;
    nodeOf.emplace(block, node);
  }
  // A line with a free end, or an end on another line, says nothing about how blocks relate.
  for (int i = 0; i < FDiagram->LinkCount(); ++i) {
    auto* line = dynamic_cast<TCustomDiagramLine*>(FDiagram->GetLinks(i));
    if (!line) continue;
    TLinkPoint* source = line->GetSourceLinkPoint();
    TLinkPoint* target = line->GetTargetLinkPoint();
    if (!source || !target) continue;
    auto from = nodeOf.find(source->GetAnchor());
    auto to = nodeOf.find(target->GetAnchor());
    if (from == nodeOf.end() || to == nodeOf.end()) continue;
    area->AddConnection(from->second, to->second);
  }
  return area;
}

void TDiagramLayoutExecuter::ApplyLayout(TDiagramLayout& ALayout) {
  std::unique_ptr<TLayoutArea> area = BuildArea();
  ALayout.OnApplyNodes = [this](TDiagramLayout* Layout, TLayoutArea* Area) {
    if (OnLayoutStep) OnLayoutStep(this, Layout, Area);
  };
  // The forwarder points at this executer, which dies with the call.
  struct TForgetForwarder {
    TDiagramLayout& Layout;
    ~TForgetForwarder() { Layout.OnApplyNodes = nullptr; }
  } forget{ALayout};
  ALayout.Execute(*area);
  ApplyAreaInDiagram(*area);
}

void TDiagramLayoutExecuter::ApplyAreaInDiagram(const TLayoutArea& AArea) {
  // Programmatic work: whether the moves count as a change of the document is the
  // caller's to say, as is the undo step.
  TDiagramUpdate internal(*FDiagram, ukInternal);
  for (const auto& node : AArea.Blocks) {
    if (!node->Obj) continue;
    node->Obj->SetLeft(node->Left);
    node->Obj->SetTop(node->Top);
  }
}

void TdvDiagram::ApplyLayout(TDiagramLayout& ALayout) {
  TDiagramLayoutExecuter executer(this);
  executer.ApplyLayout(ALayout);
}

}  // namespace tarnwick
