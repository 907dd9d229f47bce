#include "diagram/model/Layers.h"

#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "platform/core/Component.h"
#include "platform/core/Format.h"
#include "platform/core/Properties.h"

namespace tarnwick {

const TClassInfo& TDiagramLayer::StaticClassInfo() {
  static const TClassInfo info(
      "TDiagramLayer", &TCollectionItem::StaticClassInfo(),
      {StringProp("LayerName", &TDiagramLayer::GetLayerName, &TDiagramLayer::SetLayerName, true),
       BoolProp("Visible", &TDiagramLayer::GetVisible, &TDiagramLayer::SetVisible, true),
       BoolProp("Editable", &TDiagramLayer::GetEditable, &TDiagramLayer::SetEditable, true)},
      {}, [](TCollection* c) { return Create<TDiagramLayer>(c); });
  return info;
}

TDiagramLayer::TDiagramLayer(TCollection* Collection) : TCollectionItem(Collection) {}

void TDiagramLayer::BeforeDestruction() {
  // Controls on a deleted layer stay on the diagram, on no layer object.
  if (TDiagramHost* host = GetHost())
    if (!host->GetHostComponent()->IsDestroying())
      for (int i = host->DControlCount() - 1; i >= 0; --i) host->GetDControls(i)->LayerDestroying(this);
  TCollectionItem::BeforeDestruction();
}

void TDiagramLayer::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TDiagramLayer*>(Source);
  if (!src) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetLayerName(src->FLayerName);
  SetVisible(src->FVisible);
  SetEditable(src->FEditable);
}

TDiagramHost* TDiagramLayer::GetHost() const {
  auto* layers = dynamic_cast<TDiagramLayers*>(GetCollection());
  return layers ? layers->GetHost() : nullptr;
}

TdvDiagram* TDiagramLayer::GetDiagram() const {
  TDiagramHost* host = GetHost();
  return host ? host->GetHostDiagram() : nullptr;
}

void TDiagramLayer::SetLayerName(const QString& Value) {
  if (FLayerName == Value) return;
  FLayerName = Value;
  Changed(false);
}

void TDiagramLayer::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (TDiagramHost* host = GetHost()) {
    host->UnselectInvisibleControls();
    host->RequestRedraw();
  }
  Changed(false);
}

void TDiagramLayer::SetEditable(bool Value) {
  if (FEditable == Value) return;
  FEditable = Value;
  Changed(false);
}

QString TDiagramLayer::GetDisplayName() const {
  return FLayerName.isEmpty() ? TCollectionItem::GetDisplayName() : FLayerName;
}

// ---- Collection ----

const TClassInfo& TDiagramLayers::StaticClassInfo() {
  static const TClassInfo info("TDiagramLayers", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

TDiagramLayers::TDiagramLayers(TDiagramHost* AHost)
    : TOwnedCollection(AHost ? AHost->GetHostComponent() : nullptr, TDiagramLayer::StaticClassInfo()),
      FHost(AHost) {
  SetPropName("Layers");
}

TdvDiagram* TDiagramLayers::GetDiagram() const { return FHost ? FHost->GetHostDiagram() : nullptr; }

TDiagramLayer* TDiagramLayers::Add(const QString& AName) {
  QString name = AName;
  if (name.isEmpty())
    // Count() + 1 names cannot all be taken by Count() layers, so this ends.
    for (int n = 1; n <= Count() + 1; ++n) {
      QString candidate = Format("Layer%d", n);
      if (!FindByName(candidate)) {
        name = candidate;
        break;
      }
    }
  auto* layer = static_cast<TDiagramLayer*>(TCollection::Add());
  layer->SetLayerName(name);
  return layer;
}

TDiagramLayer* TDiagramLayers::FindByName(const QString& AName) const {
  if (AName.isEmpty()) return nullptr;
  for (int i = 0; i < Count(); ++i)
    if (GetItems(i)->GetLayerName().compare(AName, Qt::CaseInsensitive) == 0) return GetItems(i);
  return nullptr;
}

}  // namespace tarnwick
