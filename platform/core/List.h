#pragma once
// TList<T>: the platform's ordered list with index-checked access. Out-of-range indices
// raise "List index out of bounds (%d)" instead of reading garbage.
#include <algorithm>
#include <vector>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"

namespace tarnwick {

template <class T>
class TList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  int GetCount() const { return Count(); }
  bool Empty() const { return FItems.empty(); }

  const T& operator[](int Index) const { return FItems[Check(Index)]; }
  T& operator[](int Index) { return FItems[Check(Index)]; }
  const T& Items(int Index) const { return (*this)[Index]; }
  void SetItems(int Index, const T& Value) { (*this)[Index] = Value; }
  const T& First() const { return (*this)[0]; }
  const T& Last() const { return (*this)[Count() - 1]; }

  int Add(const T& Item) {
    FItems.push_back(Item);
    return Count() - 1;
  }
  void Insert(int Index, const T& Item) {
    if (Index < 0 || Index > Count()) throw EListError(msg::ListIndexError, Index);
    FItems.insert(FItems.begin() + Index, Item);
  }
  void Delete(int Index) { FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(Check(Index))); }
  int IndexOf(const T& Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
  }
  // Removes the first occurrence; returns its former index or -1.
  int Remove(const T& Item) {
    int i = IndexOf(Item);
    if (i >= 0) Delete(i);
    return i;
  }
  // For items that occur once: searches from the end, where the newest items are and where
  // freeing in reverse order of creation finds them at once.
  int RemoveUnique(const T& Item) {
    for (int i = Count() - 1; i >= 0; --i)
      if (FItems[static_cast<size_t>(i)] == Item) {
        Delete(i);
        return i;
      }
    return -1;
  }
  bool Contains(const T& Item) const { return IndexOf(Item) >= 0; }
  void Exchange(int A, int B) { std::swap(FItems[Check(A)], FItems[Check(B)]); }
  // Moves the item at CurIndex so that it ends up at NewIndex.
  void Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    T item = FItems[Check(CurIndex)];
    Check(NewIndex);
    FItems.erase(FItems.begin() + CurIndex);
    FItems.insert(FItems.begin() + NewIndex, item);
  }
  void Clear() { FItems.clear(); }
  void Reserve(int Capacity) { FItems.reserve(static_cast<size_t>(std::max(0, Capacity))); }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }
  auto begin() { return FItems.begin(); }
  auto end() { return FItems.end(); }
  const std::vector<T>& Vector() const { return FItems; }

 private:
  size_t Check(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError(msg::ListIndexError, Index);
    return static_cast<size_t>(Index);
  }
  std::vector<T> FItems;
};

}  // namespace tarnwick
