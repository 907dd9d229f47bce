#pragma once
// The layouts a user can choose, applied to a whole diagram.
#include <memory>

#include "diagram/layout/DiagramLayout.h"
#include "layout/LayoutOptions.h"

namespace tarnwick {

class TdvDiagram;

std::unique_ptr<TDiagramLayout> MakeLayout(const TLayoutOptions& AOptions);

// Lays every block out, then routes the side lines afresh: the legs a user placed belonged
// to the old arrangement. Like TdvDiagram::ApplyLayout it records no undo step and does not
// mark the document modified; the editor's command brackets it into one "layout" step.
// An error from the algorithm leaves every block where it was.
void LayoutDiagram(TdvDiagram& ADiagram, const TLayoutOptions& AOptions);

// The two halves of LayoutDiagram, for a caller that wants the (slow, possibly failing)
// computation outside its undo bracket: the area with the new positions, then writing it
// back with the side lines routed afresh.
std::unique_ptr<TLayoutArea> ComputeLayout(TdvDiagram& ADiagram, const TLayoutOptions& AOptions);
void ApplyComputedLayout(TdvDiagram& ADiagram, const TLayoutArea& AArea);

// Forgets the inner legs of every side line anchored at a block and routes it again.
void ReRouteSideLines(TdvDiagram& ADiagram);

}  // namespace tarnwick
