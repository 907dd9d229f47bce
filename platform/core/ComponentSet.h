#pragma once
// A set of components that keeps the order they were added in (apart from removals, which
// move the last one into the gap) and finds, adds and removes in constant time. A diagram
// asks to hear about each of tens of thousands of controls, and each control leaving must
// not search the whole list.
#include <QHash>
#include <vector>

namespace tarnwick {

class TComponent;

class TComponentSet {
 public:
  bool Contains(TComponent* C) const { return FIndex.contains(C); }
  bool Empty() const { return FItems.empty(); }
  TComponent* Last() const { return FItems.back(); }
  void Add(TComponent* C) {
    if (FIndex.contains(C)) return;
    FIndex.insert(C, FItems.size());
    FItems.push_back(C);
  }
  void Remove(TComponent* C) {
    const auto it = FIndex.find(C);
    if (it == FIndex.end()) return;
    const size_t at = it.value();
    FIndex.erase(it);
    TComponent* last = FItems.back();
    FItems.pop_back();
    if (at < FItems.size()) {
      FItems[at] = last;
      FIndex[last] = at;
    }
  }

 private:
  std::vector<TComponent*> FItems;
  QHash<TComponent*, size_t> FIndex;
};

}  // namespace tarnwick
