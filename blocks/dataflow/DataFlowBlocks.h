#pragma once
// The data-flow diagram elements: a process (rounded box), an interface or external entity
// (plain box), a data store (a box open on the right) and the data-flow line, a side line
// ending in a solid arrow. The blocks carry a link point in the middle of each side, placed
// by the class, so a document stores none of them.
#include "diagram/lines/LineClasses.h"
#include "diagram/model/CustomBlock.h"

namespace tarnwick {

class TDFDBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TDFDBlock)

 public:
  explicit TDFDBlock(TComponent* AOwner);
  // Puts back the four side-middle link points: up, down, left, right.
  virtual void SetDefaultLinkPoints();
};

class TDFDProcessBlock : public TDFDBlock {
  TARNWICK_CLASS(TDFDProcessBlock)

 public:
  explicit TDFDProcessBlock(TComponent* AOwner);
};

class TDFDInterfaceBlock : public TDFDBlock {
  TARNWICK_CLASS(TDFDInterfaceBlock)

 public:
  explicit TDFDInterfaceBlock(TComponent* AOwner);
};

// Draws only its top, left and bottom edges, in the block's pen: no fill, shadow or
// picture. Without a shape, its whole rectangle (the open side too) is what a click hits.
class TDFDDataStoreBlock : public TDFDBlock {
  TARNWICK_CLASS(TDFDDataStoreBlock)

 public:
  explicit TDFDDataStoreBlock(TComponent* AOwner);
  void DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) override;
};

class TDFDLine : public TDiagramSideLine {
  TARNWICK_CLASS(TDFDLine)

 public:
  explicit TDFDLine(TComponent* AOwner) : TDiagramSideLine(AOwner) {}
};

class TDFDDataFlowLine : public TDFDLine {
  TARNWICK_CLASS(TDFDDataFlowLine)

 public:
  explicit TDFDDataFlowLine(TComponent* AOwner);
};

// Registers the set's classes in the control registry, category "Data Flow".
void RegisterDataFlowBlocks();

}  // namespace tarnwick
