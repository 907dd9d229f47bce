#pragma once
// The class-like UML blocks registered under their identifiers, for tests of this set.
#include "BlockSetFixture.h"
#include "blocks/BlockSets.h"
#include "blocks/umlclass/UmlClassBlocks.h"

namespace tarnwick::test {

inline const std::vector<const char*>& UmlClassIds() {
  static const std::vector<const char*> ids{"TUMLClassBlock",     "TUMLDataTypeBlock",    "TUMLInterfaceBlock",
                                            "TUMLMetaclassBlock", "TUMLSignalBlock",      "TUMLExceptionBlock",
                                            "TUMLUtilityBlock",   "TUMLParamClassBlock",  "TUMLAssociationClassBlock",
                                            "TUMLObjectBlock",    "TUMLBoundElementBlock"};
  return ids;
}

// The class-like blocks register with the rest of the block sets, in their palette places.
inline void RegisterUmlClassBlocks() { RegisterBlockSets(); }

inline TUMLBaseClassBlock* NewUmlById(const QString& AId, TComponent* AOwner) {
  const TRegDControl* entry = RegisteredDControls().FindByID(AId);
  if (!entry) return nullptr;
  return dynamic_cast<TUMLBaseClassBlock*>(entry->GetDControlClass()->CreateInstance(AOwner));
}

}  // namespace tarnwick::test
