#pragma once
// The class-like UML blocks registered under their identifiers, for tests of this set.
#include "BlockSetFixture.h"
#include "blocks/umlclass/UmlClassBlocks.h"

namespace tarnwick::test {

inline const std::vector<const char*>& UmlClassIds() {
  static const std::vector<const char*> ids{"TUMLClassBlock",     "TUMLDataTypeBlock",    "TUMLInterfaceBlock",
                                            "TUMLMetaclassBlock", "TUMLSignalBlock",      "TUMLExceptionBlock",
                                            "TUMLUtilityBlock",   "TUMLParamClassBlock",  "TUMLAssociationClassBlock",
                                            "TUMLObjectBlock",    "TUMLBoundElementBlock"};
  return ids;
}

inline void RegisterUmlClassBlocks() {
  const QString c = QStringLiteral("UML Static");
  RegisterDControl<TUMLClassBlock>("TUMLClassBlock", "Class", c);
  RegisterDControl<TUMLDataTypeBlock>("TUMLDataTypeBlock", "Data Type", c);
  RegisterDControl<TUMLInterfaceBlock>("TUMLInterfaceBlock", "Interface", c);
  RegisterDControl<TUMLMetaClassBlock>("TUMLMetaclassBlock", "Metaclass", c);
  RegisterDControl<TUMLSignalBlock>("TUMLSignalBlock", "Signal", c);
  RegisterDControl<TUMLExceptionBlock>("TUMLExceptionBlock", "Exception", c);
  RegisterDControl<TUMLUtilityBlock>("TUMLUtilityBlock", "Utility", c);
  RegisterDControl<TUMLParamClassBlock>("TUMLParamClassBlock", "Parameterized Class", c);
  RegisterDControl<TUMLAssociationClassBlock>("TUMLAssociationClassBlock", "Association Class", c);
  RegisterDControl<TUMLObjectBlock>("TUMLObjectBlock", "Object", c);
  RegisterDControl<TUMLBoundElementBlock>("TUMLBoundElementBlock", "Bound Element", c);
}

inline TUMLBaseClassBlock* NewUmlById(const QString& AId, TComponent* AOwner) {
  const TRegDControl* entry = RegisteredDControls().FindByID(AId);
  if (!entry) return nullptr;
  return dynamic_cast<TUMLBaseClassBlock*>(entry->GetDControlClass()->CreateInstance(AOwner));
}

}  // namespace tarnwick::test
