// The one place a library item meets the diagram view: recreating its control.
#include "diagram/libraries/DiagramException.h"
#include "diagram/libraries/LibraryItem.h"
#include "diagram/model/DiagramControl.h"
#include "diagram/view/Diagram.h"

namespace tarnwick {

TDiagramControl* TDgrLibraryItem::CreateControl(TdvDiagram* ADiagram) {
  if (!ADiagram) return nullptr;
  // A stored text without a control (an empty diagram, or only a text the reader skips)
  // must not reach the diagram as a null control.
  TDiagramControl* control = ADiagram->CreateDControlFromData(FData, RegistryID());
  if (!control)
    throw EDiagramException(QStringLiteral("Library item \"%1\" holds no diagram object.")
                                .arg(FCaption.isEmpty() ? FItemName : FCaption));
  control->SetDiagram(ADiagram);
  return control;
}

}  // namespace tarnwick
