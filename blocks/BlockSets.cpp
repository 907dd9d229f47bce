#include "blocks/BlockSets.h"

#include "blocks/arrows/ArrowBlocks.h"
#include "blocks/dataflow/DataFlowBlocks.h"
#include "blocks/electric/ElectricBlocks.h"
#include "blocks/flowchart/FlowchartBlocks.h"
#include "blocks/uml/UmlBlocks.h"
#include "diagram/Registration.h"

namespace tarnwick {

void RegisterBlockSets() {
  // A function-local static runs its initialiser exactly once.
  static const bool registered = [] {
    RegisterAllClasses();
    RegisterFlowchartBlocks();
    RegisterElectricBlocks();
    RegisterArrowBlocks();
    RegisterElectricBlocks2();
    RegisterDataFlowBlocks();
    RegisterUmlBlocks();
    return true;
  }();
  (void)registered;
}

}  // namespace tarnwick
