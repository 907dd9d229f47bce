#pragma once
// Adding a diagram object to a library through the library item dialog: the entry point of
// the editor's "Add to Library..." command.
#include <functional>

class QWidget;

namespace tarnwick {

class TDgrLibrary;
class TDgrLibraryItem;
class TDgrLibraryManager;
class TDiagramControl;

// Runs the item dialog for AItem; true when confirmed, with ALibrary the chosen library.
using TLibraryItemEditorFunc =
    std::function<bool(TDgrLibraryItem* AItem, TDgrLibraryManager* AManager, TDgrLibrary*& ALibrary)>;

// The library item dialog of LibItemEditor.h, parented to AParent.
TLibraryItemEditorFunc LibraryItemDialog(QWidget* AParent);

// Makes an item holding AControl (a group with its members) and lets the user describe it.
// The item goes into the first loaded library, or a library "Default" made on the spot
// when none is loaded, unless the dialog chooses another. Confirmed: the item is added,
// saved and registered, and returned. Cancelled: null, and nothing but a new "Default"
// library remains. Null for a control on no diagram. Storage errors propagate after the
// item was freed.
TDgrLibraryItem* CreateItemDlg(TDgrLibraryManager& AManager, TDiagramControl* AControl,
                               const TLibraryItemEditorFunc& AEditor);

}  // namespace tarnwick
