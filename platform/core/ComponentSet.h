#pragma once
// A set of components that keeps the order they were added in (apart from removals, which
// move the last one into the gap). Most components know a handful of others and search a
// short list; one that many ask about (a diagram hears about each of tens of thousands of
// controls) gets an index, so a control leaving never searches the whole list.
#include <QHash>
#include <algorithm>
#include <memory>
#include <vector>

namespace tarnwick {

class TComponent;

class TComponentSet {
 public:
  bool Contains(TComponent* C) const { return Find(C) < FItems.size(); }
  bool Empty() const { return FItems.empty(); }
  TComponent* Last() const { return FItems.back(); }
  void Add(TComponent* C) {
    if (Contains(C)) return;
    FItems.push_back(C);
    if (FIndex) FIndex->insert(C, FItems.size() - 1);
    else if (FItems.size() > IndexFrom) BuildIndex();
  }
  void Remove(TComponent* C) {
    const size_t at = Find(C);
    if (at >= FItems.size()) return;
    TComponent* last = FItems.back();
    FItems.pop_back();
    if (FIndex) FIndex->remove(C);
    if (at < FItems.size()) {
      FItems[at] = last;
      if (FIndex) (*FIndex)[last] = at;
    }
  }

 private:
  static constexpr size_t IndexFrom = 16;

  size_t Find(TComponent* C) const {
    if (FIndex) {
      const auto it = FIndex->constFind(C);
      return it == FIndex->cend() ? FItems.size() : it.value();
    }
    return static_cast<size_t>(std::find(FItems.begin(), FItems.end(), C) - FItems.begin());
  }
  void BuildIndex() {
    FIndex = std::make_unique<QHash<TComponent*, size_t>>();
    for (size_t i = 0; i < FItems.size(); ++i) FIndex->insert(FItems[i], i);
  }

  std::vector<TComponent*> FItems;
  std::unique_ptr<QHash<TComponent*, size_t>> FIndex;
};

}  // namespace tarnwick
