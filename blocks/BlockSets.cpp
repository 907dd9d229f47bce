#include "blocks/BlockSets.h"

#include "blocks/arrows/ArrowBlocks.h"
#include "blocks/flowchart/FlowchartBlocks.h"
#include "blocks/uml/UmlBlocks.h"
#include "diagram/Registration.h"

namespace tarnwick {

void RegisterBlockSets() {
  // A function-local static runs its initialiser exactly once.
  static const bool registered = [] {
    RegisterAllClasses();
    RegisterFlowchartBlocks();
    // The first electric set registers here, between the flowchart symbols and the arrows.
    RegisterArrowBlocks();
    RegisterUmlBlocks();
    return true;
  }();
  (void)registered;
}

}  // namespace tarnwick
