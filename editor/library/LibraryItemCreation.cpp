#include "editor/library/LibraryItemCreation.h"

#include "diagram/libraries/Library.h"
#include "diagram/libraries/LibraryItem.h"
#include "diagram/libraries/LibraryManager.h"
#include "diagram/model/DiagramControl.h"
#include "diagram/view/Diagram.h"
#include "editor/library/LibItemEditor.h"

namespace tarnwick {

TLibraryItemEditorFunc LibraryItemDialog(QWidget* AParent) {
  return [AParent](TDgrLibraryItem* AItem, TDgrLibraryManager* AManager, TDgrLibrary*& ALibrary) {
    return TfmLibItemEditor::EditLibraryItem(AItem, AManager, ALibrary, AParent);
  };
}

TDgrLibraryItem* CreateItemDlg(TDgrLibraryManager& AManager, TDiagramControl* AControl,
                               const TLibraryItemEditorFunc& AEditor) {
  TdvDiagram* diagram = AControl ? AControl->GetDiagram() : nullptr;
  if (!diagram) return nullptr;
  TOwned<TDgrLibraryItem> item = MakeOwned<TDgrLibraryItem>(nullptr);
  TDgrLibrary* library =
      AManager.LibraryCount() == 0 ? AManager.CreateLibrary(QStringLiteral("Default")) : AManager.GetLibrary(0);
  item->SetData(diagram->SerializeObjectToString(AControl));
  if (!AEditor(item.get(), &AManager, library) || !library) return nullptr;
  TDgrLibraryItem* added = item.get();
  library->AddItem(added);
  item.release();
  try {
    added->Save();
  } catch (...) {
    // An item that could not be stored must not stay in the list as if it were.
    added->Free();
    throw;
  }
  added->RegisterItem();
  return added;
}

}  // namespace tarnwick
