#include "diagram/view/actions/DiagramInsertActions.h"

#include <QGuiApplication>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/RegDControls.h"
#include "diagram/view/Diagram.h"

namespace tarnwick {

// ---- Insert ----

TDiagramInsertBlock::TDiagramInsertBlock(QObject* AParent) : TDiagramAction(AParent) {
  setCheckable(true);
  ShiftPressed = [] { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier); };
}

bool TDiagramInsertBlock::KeepInserting() const {
  switch (FKeepInsertingMode) {
    case kmAlways:
      return true;
    case kmOnShiftPressed:
      return ShiftPressed && ShiftPressed();
    case kmLinesOnly: {
      // An identifier nobody registered names no line: the diagram inserts a plain block.
      const TRegDControl* entry = RegisteredDControls().FindByID(FDControlID);
      const TClassInfo* cls = entry ? entry->GetDControlClass() : nullptr;
      return cls && cls->InheritsFrom(TCustomDiagramLine::StaticClassInfo());
    }
    case kmNever:
      break;
  }
  return false;
}

bool TDiagramInsertBlock::Execute() {
  if (TdvDiagram* diagram = GetDiagram()) diagram->StartInsertingControl(FDControlID, KeepInserting());
  // A trigger flipped the mark; it shows the diagram's state again.
  Update();
  return true;
}

bool TDiagramInsertBlock::Update() {
  const TdvDiagram* diagram = GetDiagram();
  const TDiagramControl* inserting = diagram ? diagram->GetInsertDControl() : nullptr;
  setEnabled(diagram != nullptr);
  setChecked(inserting && SameDControlID(inserting->GetDControlID(), FDControlID));
  return true;
}

// ---- Cancel insert ----

TDiagramCancelInsert::TDiagramCancelInsert(QObject* AParent) : TDiagramAction(AParent) {
  setCheckable(true);
  SetHint(QStringLiteral("Cancel inserting"));
}

bool TDiagramCancelInsert::Execute() {
  if (TdvDiagram* diagram = GetDiagram()) diagram->CancelInsertingBlock();
  Update();
  return true;
}

bool TDiagramCancelInsert::Update() {
  const TdvDiagram* diagram = GetDiagram();
  setEnabled(diagram != nullptr);
  setChecked(diagram && !diagram->GetInsertDControl());
  return true;
}

// ---- Connection line ----

TDiagramConnectionId::TDiagramConnectionId(QObject* AParent) : TDiagramAction(AParent) { setCheckable(true); }

bool TDiagramConnectionId::Execute() {
  if (TdvDiagram* diagram = GetDiagram()) {
    const bool current = SameDControlID(diagram->GetConnectionLineId(), FConnectionLineID);
    diagram->SetConnectionLineId(current ? QString() : FConnectionLineID);
  }
  Update();
  return true;
}

bool TDiagramConnectionId::Update() {
  const TdvDiagram* diagram = GetDiagram();
  setEnabled(diagram != nullptr);
  setChecked(diagram && SameDControlID(diagram->GetConnectionLineId(), FConnectionLineID));
  return true;
}

}  // namespace tarnwick
