#pragma once
// Two-phase lifetime. The object model this code follows calls virtual methods while an
// object is being set up and torn down and expects the most-derived override to run; C++
// constructors and destructors do not dispatch that way. So every object is made by
// Create<T>(...), which runs the constructor and then AfterConstruction(), and is ended by
// Free(), which runs BeforeDestruction() while the object is still whole and only then
// deletes it.
#include <memory>
#include <utility>

namespace tarnwick {

class TObject {
 public:
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  // Runs once, after the most-derived constructor finished.
  virtual void AfterConstruction() {}
  // Runs once, before any destructor; overrides call the inherited version last.
  virtual void BeforeDestruction() {}

  // BeforeDestruction() then delete. Safe to call once; a second call is a programming error.
  void Free();

  // True from the start of Free() on.
  bool IsFreeing() const { return FFreeing; }

 protected:
  TObject() = default;

 private:
  bool FFreeing = false;
};

// Creates T with the given constructor arguments and runs AfterConstruction(). If that
// throws, the half-made object is torn down the same way Free() would and the error goes on.
template <class T, class... Args>
T* Create(Args&&... args) {
  T* obj = new T(std::forward<Args>(args)...);
  try {
    obj->AfterConstruction();
  } catch (...) {
    obj->Free();
    throw;
  }
  return obj;
}

// Frees p (when set) and clears the pointer first, so nothing reached from the teardown
// sees a pointer to a dying object.
template <class T>
void FreeAndNil(T*& p) {
  T* tmp = p;
  p = nullptr;
  if (tmp) tmp->Free();
}

// unique_ptr deleter that uses the two-phase teardown.
struct TFreeDeleter {
  void operator()(TObject* obj) const {
    if (obj) obj->Free();
  }
};
template <class T>
using TOwned = std::unique_ptr<T, TFreeDeleter>;

template <class T, class... Args>
TOwned<T> MakeOwned(Args&&... args) {
  return TOwned<T>(Create<T>(std::forward<Args>(args)...));
}

}  // namespace tarnwick
