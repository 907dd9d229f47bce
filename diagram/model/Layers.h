#pragma once
// Named layers. A control refers to at most one layer object (LayerObj); a layer that is
// hidden hides its controls, and one that is not editable locks them. The numbered layers
// (a control's Layer and the diagram's ActiveLayers mask) are the diagram's side.
#include <QString>

#include "diagram/model/DiagramControlTypes.h"
#include "platform/core/Collection.h"

namespace tarnwick {

class TDiagramHost;
class TDiagramLayers;

class TDiagramLayer : public TCollectionItem {
  TARNWICK_CLASS(TDiagramLayer)

 public:
  explicit TDiagramLayer(TCollection* Collection);
  void BeforeDestruction() override;
  void Assign(TPersistent* Source) override;

  // The diagram of the owning TDiagramLayers, or null.
  TdvDiagram* GetDiagram() const;
  TDiagramHost* GetHost() const;

  const QString& GetLayerName() const { return FLayerName; }
  void SetLayerName(const QString& Value);
  bool GetVisible() const { return FVisible; }
  // Hiding a layer unselects its controls at once.
  void SetVisible(bool Value);
  bool GetEditable() const { return FEditable; }
  void SetEditable(bool Value);
  QString GetDisplayName() const override;

 private:
  bool FEditable = true;
  bool FVisible = true;
  QString FLayerName;
};

class TDiagramLayers : public TOwnedCollection {
  TARNWICK_CLASS(TDiagramLayers)

 public:
  // AHost may be null: a free-standing collection, as a copy source or in tests.
  explicit TDiagramLayers(TDiagramHost* AHost);
  TdvDiagram* GetDiagram() const;
  TDiagramHost* GetHost() const { return FHost; }

  // A new layer named AName, or "Layer<n>" with the smallest n from 1 not yet used
  // (letter case ignored) when AName is empty.
  TDiagramLayer* Add(const QString& AName = QString());
  // The first layer of that name, letter case ignored; null for an empty name.
  TDiagramLayer* FindByName(const QString& AName) const;
  TDiagramLayer* GetItems(int Index) const { return static_cast<TDiagramLayer*>(TCollection::GetItems(Index)); }
  void SetItems(int Index, TDiagramLayer* Value) { GetItems(Index)->Assign(Value); }

 private:
  TDiagramHost* FHost;
};

}  // namespace tarnwick
