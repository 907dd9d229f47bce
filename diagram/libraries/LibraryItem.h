#pragma once
// One reusable diagram object of a block library: the clipboard text of a control (a
// block, a line, or a group with its members) with the caption, category and glyph a
// palette shows for it. A loaded item is published in the control registry under
// "LIB_" + its item name, so it is inserted like a built-in block.
#include <QString>

#include "platform/core/Component.h"
#include "platform/core/Object.h"

namespace tarnwick {

class TDgrLibrary;
class TDiagramControl;
class TdvDiagram;
class TPicture;

class TDgrLibraryItem : public TComponent {
  TARNWICK_CLASS(TDgrLibraryItem)

 public:
  explicit TDgrLibraryItem(TComponent* AOwner);
  ~TDgrLibraryItem() override;
  void BeforeDestruction() override;

  const QString& GetItemName() const { return FItemName; }
  void SetItemName(const QString& Value) { FItemName = Value; }
  const QString& GetCategory() const { return FCategory; }
  void SetCategory(const QString& Value) { FCategory = Value; }
  const QString& GetCaption() const { return FCaption; }
  void SetCaption(const QString& Value) { FCaption = Value; }
  TPicture* GetGlyph() const { return FGlyph.get(); }
  // The item keeps a copy; the caller's picture stays the caller's.
  void SetGlyph(TPicture* Value);
  // The clipboard text of the diagram holding the item's control.
  const QString& GetData() const { return FData; }
  void SetData(const QString& Value) { FData = Value; }
  TDgrLibrary* GetOwnerLibrary() const { return FOwnerLibrary; }

  // The registry identifier of the item: "LIB_" + item name.
  QString RegistryID() const;
  // Publishes the item in the control registry (nothing without an item name).
  void RegisterItem();
  // Frees the registry entry "LIB_" + item name, if there is one.
  void UnregisterItem();
  // Saves through the filer of the library's manager; does nothing outside a managed
  // library.
  void Save();
  // Recreates the stored control and puts it on ADiagram. Raises EDiagramException when
  // the stored text holds no control; the diagram is then left as it was.
  TDiagramControl* CreateControl(TdvDiagram* ADiagram);

  // From another item: item name, category, caption, glyph and data. Any other source
  // is ignored.
  void Assign(TPersistent* Source) override;

 protected:
  // An item read from a stream registers itself, but only when it already belongs to a
  // library: a scratch item read from a file is not the item the user sees, and the
  // name stored inside the file is not the name the item is known by.
  void Loaded() override;

 private:
  friend class TDgrLibrary;

  QString FItemName;
  QString FCategory;
  QString FCaption;
  TOwned<TPicture> FGlyph;
  QString FData;
  TDgrLibrary* FOwnerLibrary = nullptr;
};

}  // namespace tarnwick
