#include "diagram/libraries/LibraryItem.h"

#include "diagram/libraries/Library.h"
#include "diagram/libraries/LibraryManager.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/RegDControls.h"
#include "platform/core/Properties.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

const TClassInfo& TDgrLibraryItem::StaticClassInfo() {
  using I = TDgrLibraryItem;
  // Stream order is the order of this table; the strings are written only when not empty.
  static const TClassInfo info("TDgrLibraryItem", &TComponent::StaticClassInfo(),
                               {StringProp("ItemName", &I::GetItemName, &I::SetItemName, true),
                                StringProp("Category", &I::GetCategory, &I::SetCategory, true),
                                StringProp("Caption", &I::GetCaption, &I::SetCaption, true),
                                ObjectProp("Glyph", TPicture::StaticClassInfo(), &I::GetGlyph, &I::SetGlyph),
                                StringProp("Data", &I::GetData, &I::SetData, true)},
                               [](TComponent* owner) { return Create<TDgrLibraryItem>(owner); });
  return info;
}

TDgrLibraryItem::TDgrLibraryItem(TComponent* AOwner) : TComponent(AOwner), FGlyph(MakeOwned<TPicture>()) {}

TDgrLibraryItem::~TDgrLibraryItem() = default;

void TDgrLibraryItem::BeforeDestruction() {
  // The library lists its items without owning them: an item freed on its own leaves it.
  if (FOwnerLibrary) FOwnerLibrary->RemoveItem(this);
  TComponent::BeforeDestruction();
}

void TDgrLibraryItem::SetGlyph(TPicture* Value) { FGlyph->Assign(Value); }

QString TDgrLibraryItem::RegistryID() const { return QStringLiteral("LIB_") + FItemName; }

void TDgrLibraryItem::RegisterItem() {
  if (FItemName.isEmpty()) return;
  TRegDControls& registry = RegisteredDControls();
  TRegDControl* entry = registry.FindByID(RegistryID());
  if (!entry) entry = registry.Add();
  entry->SetDControlID(RegistryID());
  // Only a placeholder: insertion recreates the stored control from the data.
  entry->SetDControlClass(&TDiagramBlock::StaticClassInfo());
  entry->SetCaption(FCaption.isEmpty() ? FItemName : FCaption);
  entry->SetCategory(FCategory);
  entry->SetData(FData);
  entry->SetGlyph(FGlyph.get());
  entry->SetUseGlyph(FGlyph->GetWidth() > 0 || !FGlyph->GetEmpty());
}

void TDgrLibraryItem::UnregisterItem() { UnregisterDControl(RegistryID()); }

void TDgrLibraryItem::Save() {
  TDgrLibraryManager* manager = FOwnerLibrary ? FOwnerLibrary->GetManager() : nullptr;
  if (manager) manager->SaveItem(this);
}

void TDgrLibraryItem::Assign(TPersistent* Source) {
  auto* item = dynamic_cast<TDgrLibraryItem*>(Source);
  if (!item) return;
  FItemName = item->FItemName;
  FCategory = item->FCategory;
  FCaption = item->FCaption;
  FGlyph->Assign(item->FGlyph.get());
  FData = item->FData;
}

void TDgrLibraryItem::Loaded() {
  TComponent::Loaded();
  if (FOwnerLibrary) RegisterItem();
}

}  // namespace tarnwick
