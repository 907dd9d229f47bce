// The UML set's palette entries, in palette order. The generic line, the constraint and
// the note stand in several categories: each entry is its own identifier, and a generic
// line learns its type from the identifier it was inserted under.
#include "blocks/uml/UmlBlocks.h"
#include "blocks/uml/UmlLines.h"
#include "blocks/umlclass/UmlClassBlocks.h"
#include "diagram/model/RegDControls.h"

namespace tarnwick {

void RegisterUmlBlocks() {
  using L = TUMLGenericLine;

  const QString useCase = QStringLiteral("UML Use Case");
  RegisterDControl<TUMLActorBlock>(QStringLiteral("TUMLActorBlock"), QStringLiteral("Actor"), useCase);
  RegisterDControl<TUMLPackageBlock>(QStringLiteral("TUMLPackageBlock"), QStringLiteral("Package"), useCase);
  RegisterDControl<TUMLUseCaseBlock>(QStringLiteral("TUMLUseCaseBlock"), QStringLiteral("Use Case"), useCase);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_extends"), QStringLiteral("Extends"), useCase);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_uses"), QStringLiteral("Uses"), useCase);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_comm"), QStringLiteral("Communicates"), useCase);
  RegisterDControl<TUMLConstraintBlock>(QStringLiteral("TUMLConstraintBlock_use"), QStringLiteral("Constraint"),
                                        useCase);
  RegisterDControl<TUMLNoteBlock>(QStringLiteral("TUMLNoteBlock_use"), QStringLiteral("Note"), useCase);

  const QString activity = QStringLiteral("UML Activity");
  RegisterDControl<TUMLActionStateBlock>(QStringLiteral("TUMLActionStateBlock"), QStringLiteral("Action State"),
                                         activity);
  RegisterDControl<TUMLStateBlock>(QStringLiteral("TUMLStateBlock"), QStringLiteral("State"), activity);
  RegisterDControl<TUMLInitialStateBlock>(QStringLiteral("TUMLInitialStateBlock"), QStringLiteral("Initial State"),
                                          activity);
  RegisterDControl<TUMLFinalStateBlock>(QStringLiteral("TUMLFinalStateBlock"), QStringLiteral("Final State"), activity);
  RegisterDControl<TUMLTransitionForkBlock>(QStringLiteral("TUMLTransitionForkBlock"),
                                            QStringLiteral("Transition Fork"), activity);
  RegisterDControl<TUMLTransitionJoinBlock>(QStringLiteral("TUMLTransitionJoinBlock"),
                                            QStringLiteral("Transition Join"), activity);
  RegisterDControl<TUMLSignalReceiptBlock>(QStringLiteral("TUMLSignalReceiptBlock"), QStringLiteral("Signal Receipt"),
                                           activity);
  RegisterDControl<TUMLSignalSendBlock>(QStringLiteral("TUMLSignalSendBlock"), QStringLiteral("Signal Send"), activity);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_object"), QStringLiteral("Object Flow"), activity);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_control"), QStringLiteral("Control Flow"), activity);
  RegisterDControl<TUMLObjectInStateBlock>(QStringLiteral("TUMLObjectInStateBlock"), QStringLiteral("Object In State"),
                                           activity);
  RegisterDControl<TUMLDecisionBlock>(QStringLiteral("TUMLDecisionBlock"), QStringLiteral("Decision"), activity);
  RegisterDControl<TUMLConstraintBlock>(QStringLiteral("TUMLConstraintBlock_act"), QStringLiteral("Constraint"),
                                        activity);
  RegisterDControl<TUMLNoteBlock>(QStringLiteral("TUMLNoteBlock_act"), QStringLiteral("Note"), activity);

  const QString sequence = QStringLiteral("UML Sequence");
  RegisterDControl<TUMLObjectLifelineBlock>(QStringLiteral("TUMLObjectLifelineBlock"),
                                            QStringLiteral("Object Lifeline"), sequence);
  RegisterDControl<TUMLActivationLine>(QStringLiteral("TUMLActivationLine"), QStringLiteral("Activation"), sequence);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_msg"), QStringLiteral("Message"), sequence);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_msgcall"), QStringLiteral("Message (call)"), sequence);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_msgreturn"), QStringLiteral("Message (return)"), sequence);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_msgasync"), QStringLiteral("Message (async.)"), sequence);
  RegisterDControl<TUMLConstraintBlock>(QStringLiteral("TUMLConstraintBlock_seq"), QStringLiteral("Constraint"),
                                        sequence);
  RegisterDControl<TUMLNoteBlock>(QStringLiteral("TUMLNoteBlock_seq"), QStringLiteral("Note"), sequence);

  const QString staticStructure = QStringLiteral("UML Static");
  RegisterDControl<TUMLPackageBlock>(QStringLiteral("TUMLPackageBlock_static"), QStringLiteral("Package"),
                                     staticStructure);
  RegisterDControl<TUMLClassBlock>(QStringLiteral("TUMLClassBlock"), QStringLiteral("Class"), staticStructure);
  RegisterDControl<TUMLDataTypeBlock>(QStringLiteral("TUMLDataTypeBlock"), QStringLiteral("Data Type"), staticStructure);
  RegisterDControl<TUMLInterfaceBlock>(QStringLiteral("TUMLInterfaceBlock"), QStringLiteral("Interface"), staticStructure);
  RegisterDControl<TUMLMetaClassBlock>(QStringLiteral("TUMLMetaclassBlock"), QStringLiteral("Metaclass"), staticStructure);
  RegisterDControl<TUMLSignalBlock>(QStringLiteral("TUMLSignalBlock"), QStringLiteral("Signal"), staticStructure);
  RegisterDControl<TUMLExceptionBlock>(QStringLiteral("TUMLExceptionBlock"), QStringLiteral("Exception"), staticStructure);
  RegisterDControl<TUMLUtilityBlock>(QStringLiteral("TUMLUtilityBlock"), QStringLiteral("Utility"), staticStructure);
  RegisterDControl<TUMLParamClassBlock>(QStringLiteral("TUMLParamClassBlock"), QStringLiteral("Parameterized Class"), staticStructure);
  RegisterDControl<TUMLAssociationClassBlock>(QStringLiteral("TUMLAssociationClassBlock"), QStringLiteral("Association Class"), staticStructure);
  RegisterDControl<TUMLObjectBlock>(QStringLiteral("TUMLObjectBlock"), QStringLiteral("Object"), staticStructure);
  RegisterDControl<TUMLBoundElementBlock>(QStringLiteral("TUMLBoundElementBlock"), QStringLiteral("Bound Element"), staticStructure);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_generalize"), QStringLiteral("Generalization"), staticStructure);
  RegisterDControl<TUMLAssociation>(QStringLiteral("TUMLAssociation"), QStringLiteral("Binary Association"),
                                    staticStructure);
  RegisterDControl<TUMLComposition>(QStringLiteral("TUMLComposition"), QStringLiteral("Composition"), staticStructure);
  RegisterDControl<TUMLClassLink>(QStringLiteral("TUMLClassLink"), QStringLiteral("Link"), staticStructure);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_dependency"), QStringLiteral("Dependency"), staticStructure);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_binding"), QStringLiteral("Binding"), staticStructure);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_trace"), QStringLiteral("Trace"), staticStructure);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_refinement"), QStringLiteral("Refinement"), staticStructure);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_usage"), QStringLiteral("Usage"), staticStructure);
  RegisterDControl<TUMLSubsystemBlock>(QStringLiteral("TUMLSubsystemBlock"), QStringLiteral("Subsystem"),
                                       staticStructure);
  RegisterDControl<TUMLConstraintBlock>(QStringLiteral("TUMLConstraintBlock_static"), QStringLiteral("Constraint"),
                                        staticStructure);
  RegisterDControl<TUMLNoteBlock>(QStringLiteral("TUMLNoteBlock_static"), QStringLiteral("Note"), staticStructure);

  const QString component = QStringLiteral("UML Component");
  RegisterDControl<TUMLPackageBlock>(QStringLiteral("TUMLPackageBlock_comp"), QStringLiteral("Package"), component);
  RegisterDControl<TUMLComponentBlock>(QStringLiteral("TUMLComponentBlock"), QStringLiteral("Component"), component);
  RegisterDControl<TUMLNodeBlock>(QStringLiteral("TUMLNodeBlock"), QStringLiteral("Node"), component);
  RegisterDControl<L>(QStringLiteral("TUMLGenericLine_dependencycomp"), QStringLiteral("Dependency"), component);
  RegisterDControl<TUMLConstraintBlock>(QStringLiteral("TUMLConstraintBlock_comp"), QStringLiteral("Constraint"),
                                        component);
  RegisterDControl<TUMLNoteBlock>(QStringLiteral("TUMLNoteBlock_comp"), QStringLiteral("Note"), component);
}

}  // namespace tarnwick
