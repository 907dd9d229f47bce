#pragma once
// Each connected group of blocks on a circle of its own, the groups packed in rows. The
// order around a circle follows the edges (depth first), so neighbours sit side by side.
// Our own placement: Graphviz's circular engine needs seconds for a couple of hundred
// blocks, this one milliseconds for thousands.
#include "diagram/layout/DiagramLayout.h"

namespace tarnwick {

class TCircularLayout : public TDiagramLayout {
 public:
  explicit TCircularLayout(int ASpacing) : FSpacing(ASpacing) {}
  void Execute(TLayoutArea& AArea) override;

 private:
  int FSpacing;
};

}  // namespace tarnwick
