#pragma once
// The UML set's palette entries as test data, and helpers to place its lines.
#include <QString>
#include <vector>

#include "BlockSetFixture.h"
#include "blocks/uml/UmlBlocks.h"
#include "blocks/uml/UmlLines.h"

namespace tarnwick::test {

struct TUmlEntry {
  const char* Id;
  const char* ClassName;
  const char* Caption;
  const char* Category;
  // Blocks: a point inside the outline and, where the outline leaves part of the bounds
  // empty, one outside it; percent of the original rectangle. Lines have neither.
  TDot Inside;
  TDot Outside;
  bool IsLine() const { return std::isnan(Inside.X); }
};

// Every entry of the UML set's palette that this set's classes serve, in palette order.
inline const std::vector<TUmlEntry>& UmlEntries() {
  const double n = std::nan("");
  static const std::vector<TUmlEntry> entries{
      {"TUMLActorBlock", "TUMLActorBlock", "Actor", "UML Use Case", {50, 9}, {10, 60}},
      {"TUMLPackageBlock", "TUMLPackageBlock", "Package", "UML Use Case", {50, 60}, {80, 10}},
      {"TUMLUseCaseBlock", "TUMLUseCaseBlock", "Use Case", "UML Use Case", {50, 50}, {3, 5}},
      {"TUMLGenericLine_extends", "TUMLGenericLine", "Extends", "UML Use Case", {n, n}, {n, n}},
      {"TUMLGenericLine_uses", "TUMLGenericLine", "Uses", "UML Use Case", {n, n}, {n, n}},
      {"TUMLGenericLine_comm", "TUMLGenericLine", "Communicates", "UML Use Case", {n, n}, {n, n}},
      {"TUMLConstraintBlock_use", "TUMLConstraintBlock", "Constraint", "UML Use Case", {50, 50}, {n, n}},
      {"TUMLNoteBlock_use", "TUMLNoteBlock", "Note", "UML Use Case", {50, 50}, {n, n}},
      {"TUMLActionStateBlock", "TUMLActionStateBlock", "Action State", "UML Activity", {50, 50}, {1, 2}},
      {"TUMLStateBlock", "TUMLStateBlock", "State", "UML Activity", {50, 50}, {1, 2}},
      {"TUMLInitialStateBlock", "TUMLInitialStateBlock", "Initial State", "UML Activity", {50, 50}, {3, 3}},
      {"TUMLFinalStateBlock", "TUMLFinalStateBlock", "Final State", "UML Activity", {50, 50}, {3, 3}},
      {"TUMLTransitionForkBlock", "TUMLTransitionForkBlock", "Transition Fork", "UML Activity", {50, 30}, {50, 80}},
      {"TUMLTransitionJoinBlock", "TUMLTransitionJoinBlock", "Transition Join", "UML Activity", {50, 30}, {50, 80}},
      {"TUMLSignalReceiptBlock", "TUMLSignalReceiptBlock", "Signal Receipt", "UML Activity", {30, 50}, {99, 50}},
      {"TUMLSignalSendBlock", "TUMLSignalSendBlock", "Signal Send", "UML Activity", {30, 50}, {99, 5}},
      {"TUMLGenericLine_object", "TUMLGenericLine", "Object Flow", "UML Activity", {n, n}, {n, n}},
      {"TUMLGenericLine_control", "TUMLGenericLine", "Control Flow", "UML Activity", {n, n}, {n, n}},
      {"TUMLObjectInStateBlock", "TUMLObjectInStateBlock", "Object In State", "UML Activity", {50, 50}, {n, n}},
      {"TUMLDecisionBlock", "TUMLDecisionBlock", "Decision", "UML Activity", {50, 50}, {5, 5}},
      {"TUMLConstraintBlock_act", "TUMLConstraintBlock", "Constraint", "UML Activity", {50, 50}, {n, n}},
      {"TUMLNoteBlock_act", "TUMLNoteBlock", "Note", "UML Activity", {50, 50}, {n, n}},
      {"TUMLObjectLifelineBlock", "TUMLObjectLifelineBlock", "Object Lifeline", "UML Sequence", {50, 50}, {n, n}},
      {"TUMLActivationLine", "TUMLActivationLine", "Activation", "UML Sequence", {n, n}, {n, n}},
      {"TUMLGenericLine_msg", "TUMLGenericLine", "Message", "UML Sequence", {n, n}, {n, n}},
      {"TUMLGenericLine_msgcall", "TUMLGenericLine", "Message (call)", "UML Sequence", {n, n}, {n, n}},
      {"TUMLGenericLine_msgreturn", "TUMLGenericLine", "Message (return)", "UML Sequence", {n, n}, {n, n}},
      {"TUMLGenericLine_msgasync", "TUMLGenericLine", "Message (async.)", "UML Sequence", {n, n}, {n, n}},
      {"TUMLConstraintBlock_seq", "TUMLConstraintBlock", "Constraint", "UML Sequence", {50, 50}, {n, n}},
      {"TUMLNoteBlock_seq", "TUMLNoteBlock", "Note", "UML Sequence", {50, 50}, {n, n}},
      {"TUMLPackageBlock_static", "TUMLPackageBlock", "Package", "UML Static", {50, 60}, {80, 10}},
      {"TUMLGenericLine_generalize", "TUMLGenericLine", "Generalization", "UML Static", {n, n}, {n, n}},
      {"TUMLAssociation", "TUMLAssociation", "Binary Association", "UML Static", {n, n}, {n, n}},
      {"TUMLComposition", "TUMLComposition", "Composition", "UML Static", {n, n}, {n, n}},
      {"TUMLClassLink", "TUMLClassLink", "Link", "UML Static", {n, n}, {n, n}},
      {"TUMLGenericLine_dependency", "TUMLGenericLine", "Dependency", "UML Static", {n, n}, {n, n}},
      {"TUMLGenericLine_binding", "TUMLGenericLine", "Binding", "UML Static", {n, n}, {n, n}},
      {"TUMLGenericLine_trace", "TUMLGenericLine", "Trace", "UML Static", {n, n}, {n, n}},
      {"TUMLGenericLine_refinement", "TUMLGenericLine", "Refinement", "UML Static", {n, n}, {n, n}},
      {"TUMLGenericLine_usage", "TUMLGenericLine", "Usage", "UML Static", {n, n}, {n, n}},
      {"TUMLSubsystemBlock", "TUMLSubsystemBlock", "Subsystem", "UML Static", {50, 60}, {80, 10}},
      {"TUMLConstraintBlock_static", "TUMLConstraintBlock", "Constraint", "UML Static", {50, 50}, {n, n}},
      {"TUMLNoteBlock_static", "TUMLNoteBlock", "Note", "UML Static", {50, 50}, {n, n}},
      {"TUMLPackageBlock_comp", "TUMLPackageBlock", "Package", "UML Component", {50, 60}, {80, 10}},
      {"TUMLComponentBlock", "TUMLComponentBlock", "Component", "UML Component", {60, 50}, {5, 4}},
      {"TUMLNodeBlock", "TUMLNodeBlock", "Node", "UML Component", {50, 50}, {n, n}},
      {"TUMLGenericLine_dependencycomp", "TUMLGenericLine", "Dependency", "UML Component", {n, n}, {n, n}},
      {"TUMLConstraintBlock_comp", "TUMLConstraintBlock", "Constraint", "UML Component", {50, 50}, {n, n}},
      {"TUMLNoteBlock_comp", "TUMLNoteBlock", "Note", "UML Component", {50, 50}, {n, n}},
  };
  return entries;
}

// A control of the class registered as AId, remembering AId, owned by AOwner.
inline TDiagramControl* CreateById(TComponent* AOwner, const QString& AId) {
  const TRegDControl* entry = RegisteredDControls().FindByID(AId);
  if (!entry) return nullptr;
  TDiagramControl* c = dynamic_cast<TDiagramControl*>(entry->GetDControlClass()->CreateInstance(AOwner));
  if (c) c->SetDControlID(AId);
  return c;
}

// A line put on ADiagram the way the mouse inserts it, from P1 to P2.
inline TCustomDiagramLine* PlaceLine(TCustomDiagramLine* L, TdvDiagram* ADiagram, TDot P1, TDot P2) {
  L->SetDiagram(ADiagram);
  TControlInsertInfo info;
  info.Action = iaInserted;
  info.P1 = P1;
  info.P2 = P2;
  L->UpdateInsert(info);
  return L;
}

}  // namespace tarnwick::test
