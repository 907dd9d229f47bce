// The diagram's side of the control registry: inserting by identifier and the class of
// the lines drawn out of link points.
#include "diagram/lines/CustomLine.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/RegDControls.h"
#include "diagram/view/Diagram.h"
#include "platform/core/Exception.h"

namespace tarnwick {

namespace {

// ---- Library objects ----
// A library object is recreated from its stored object text, read as pasted content into
// a scratch diagram. A text that holds no control fails with a clear message before
// anything changes, so a pending insertion stays armed.
TDiagramControl* ControlFromStoredText(TdvDiagram& ADiagram, const QString& AText, const QString& ADControlID) {
  TDiagramControl* control = ADiagram.CreateDControlFromData(AText, ADControlID);
  if (!control)
    throw EInvalidOperation(
        QStringLiteral("Cannot insert \"%1\": the library object holds no diagram control").arg(ADControlID));
  return control;
}

// The class to make for an entry: its own when it makes diagram controls, else a plain
// block. A class that cannot be instantiated (an abstract base registered by mistake)
// falls back too: insertion would otherwise arm with nothing to place.
const TClassInfo& InsertClassOf(const TRegDControl* AEntry) {
  const TClassInfo* cls = AEntry ? AEntry->GetDControlClass() : nullptr;
  if (cls && cls->CanCreate() && cls->InheritsFrom(TDiagramControl::StaticClassInfo())) return *cls;
  return TDiagramBlock::StaticClassInfo();
}

}  // namespace

void TdvDiagram::StartInsertingControl(const QString& ADControlID, bool AKeepInserting) {
  const TRegDControl* entry = RegisteredDControls().FindByID(ADControlID);
  TDiagramControl* control = entry && !entry->GetData().isEmpty()
                                 ? ControlFromStoredText(*this, entry->GetData(), ADControlID)
                                 : CreateDControl(&InsertClassOf(entry), ADControlID);
  StartInsertingControl(control, AKeepInserting);
}

const TClassInfo* TdvDiagram::GetConnectionLineClass() const {
  const TRegDControl* entry = RegisteredDControls().FindByID(GetConnectionLineId());
  const TClassInfo* cls = entry ? entry->GetDControlClass() : nullptr;
  return cls && cls->InheritsFrom(TCustomDiagramLine::StaticClassInfo()) ? cls : nullptr;
}

void TdvDiagram::SetConnectionLineClass(const TClassInfo* Value) {
  if (!Value) {
    SetConnectionLineId(QString());
    return;
  }
  if (!RegisteredDControls().FindByID(Value->ClassName())) RegisterDControl(Value);
  SetConnectionLineId(Value->ClassName());
}

}  // namespace tarnwick
